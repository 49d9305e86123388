# voran_worksheet: the worksheet window (Qt) with its control data file and
# the safe writing of whole files.
find_package(Qt6 REQUIRED COMPONENTS Widgets)

add_library(voran_worksheet STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Control_data_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Focus_frame_style.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Notes_box.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Save_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TemplateForm.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Title_buttons.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Whole_frame_style.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Window_keys.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Window_placement.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Worksheet_layout.cpp
)
set_target_properties(voran_worksheet PROPERTIES AUTOMOC ON)
target_include_directories(voran_worksheet PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(voran_worksheet PUBLIC voran_input Qt6::Widgets)
# The X11 client library, for the window-manager hints of the title bars.
find_library(VORAN_XCB_LIBRARY xcb)
if(VORAN_XCB_LIBRARY)
  target_link_libraries(voran_worksheet PRIVATE ${VORAN_XCB_LIBRARY})
endif()

if(BUILD_TESTING)
  add_subdirectory(${CMAKE_CURRENT_LIST_DIR}/window_tests ${CMAKE_CURRENT_BINARY_DIR}/window_tests)
endif()
