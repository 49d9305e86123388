# Precompiled headers for the tests. GoogleTest's header and the standard
# headers that most tests include are compiled once for the toolkit-free
# tests; with Qt's widgets added, once for the tests that link Qt. Each test
# program reuses the set of its kind, whose compile flags (position-independent
# code and Qt's definitions for the Qt kind) are its own, so that GCC can load
# it. <QTest> stays out: its header reads QT_TESTCASE_BUILDDIR, which Qt
# defines as each test's own build folder, so no two tests could share it. The WebAssembly build compiles
# few tests and loads no precompiled header.
set(VORAN_TEST_STANDARD_HEADERS
  <algorithm> <cmath> <cstdint> <cstdlib> <cstring> <filesystem> <fstream> <functional>
  <limits> <memory> <optional> <sstream> <stdexcept> <string> <vector>)

if(BUILD_TESTING AND NOT EMSCRIPTEN)
  # A target compiles its precompiled header only when it has a source.
  set(source ${CMAKE_BINARY_DIR}/generated/Test_headers.cpp)
  file(CONFIGURE OUTPUT ${source} CONTENT "// Compiles the tests' precompiled headers.\n")
  add_library(voran_test_headers OBJECT ${source})
  target_link_libraries(voran_test_headers PRIVATE GTest::gtest)
  target_precompile_headers(voran_test_headers PRIVATE <gtest/gtest.h> ${VORAN_TEST_STANDARD_HEADERS})
  if(VORAN_GUI)
    find_package(Qt6 REQUIRED COMPONENTS PrintSupport)
    add_library(voran_window_test_headers OBJECT ${source})
    target_link_libraries(voran_window_test_headers PRIVATE GTest::gtest Qt6::Widgets Qt6::PrintSupport)
    target_precompile_headers(voran_window_test_headers PRIVATE <gtest/gtest.h> ${VORAN_TEST_STANDARD_HEADERS}
      <QApplication> <QDir> <QFile> <QImage> <QPushButton> <QTemporaryDir> <QTimer>)
  endif()
endif()

# Gives each test program named its kind's precompiled headers: PLAIN for
# the toolkit-free tests, WINDOWS for those linking Qt.
function(voran_test_headers)
  cmake_parse_arguments(PARSE_ARGV 0 ARG "" "" "PLAIN;WINDOWS")
  if(NOT TARGET voran_test_headers)
    return()
  endif()
  foreach(target IN LISTS ARG_PLAIN)
    target_precompile_headers(${target} REUSE_FROM voran_test_headers)
  endforeach()
  foreach(target IN LISTS ARG_WINDOWS)
    target_precompile_headers(${target} REUSE_FROM voran_window_test_headers)
  endforeach()
endfunction()
