# voran_printing: the text device (toolkit-free) and the default printer
# through Qt Print Support.
find_package(Qt6 REQUIRED COMPONENTS Gui PrintSupport)

add_library(voran_printing STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Text_device.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Qt_print_surface.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Default_printer.cpp
)
target_include_directories(voran_printing PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(voran_printing PUBLIC Qt6::Gui Qt6::PrintSupport PRIVATE ${CMAKE_DL_LIBS})

if(BUILD_TESTING)
  add_subdirectory(${CMAKE_CURRENT_LIST_DIR}/print_tests ${CMAKE_CURRENT_BINARY_DIR}/print_tests)
endif()
