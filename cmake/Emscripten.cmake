# The WebAssembly build (em++ through emcmake): the toolkit-free layers, their
# tests run under Node. Included by the top-level CMakeLists.txt when the
# toolchain is emscripten's.
#
# C++ exceptions are off by default in emscripten; the library reports every
# error through them.
add_compile_options(-fexceptions)
add_link_options(-fexceptions)

# Tests and command-line programs run under Node with the host's files
# (NODERAWFS: the golden report, temporary folders), a heap that grows as
# needed, and their exit status passed on. The .wasm is inlined in the .js,
# which a current Node then loads without a loader of its own.
set(VORAN_WASM_NODE_LINK_OPTIONS -sNODERAWFS=1 -sALLOW_MEMORY_GROWTH=1 -sEXIT_RUNTIME=1 -sSINGLE_FILE=1)
add_link_options(${VORAN_WASM_NODE_LINK_OPTIONS})

# GoogleTest built from Debian's sources (package googletest) with em++.
set(VORAN_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's sources, built for WebAssembly")
if(BUILD_TESTING)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${VORAN_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()

# Boost.Math's headers (package libboost-math-dev) for the tests' reference
# values: the host's boost/ folder alone, so that no other host header comes
# before emscripten's own.
set(VORAN_WASM_BOOST_INCLUDE ${CMAKE_BINARY_DIR}/boost-include)
file(MAKE_DIRECTORY ${VORAN_WASM_BOOST_INCLUDE})
file(CREATE_LINK /usr/include/boost ${VORAN_WASM_BOOST_INCLUDE}/boost SYMBOLIC)
add_library(Boost::headers INTERFACE IMPORTED GLOBAL)
target_include_directories(Boost::headers SYSTEM INTERFACE ${VORAN_WASM_BOOST_INCLUDE})
