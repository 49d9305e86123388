# How the test programs are compiled and how ctest runs them.
#
# Compiling. Three quarters of the build's compiling is tests, and each test
# file spends most of its time in the headers and templates it shares with
# the others, so test programs are built
# - as unity builds (CMake's UNITY_BUILD: a few of a program's files compiled
#   as one), which compiles the shared templates once per batch;
# - with optimisation -O1 and line tables only (-g1), or with the debug
#   build's -O0 and line tables: their time is spent in the libraries under
#   test, which keep the build type's flags;
# - with precompiled headers: GoogleTest's header and the standard headers
#   that most tests include, compiled once for the toolkit-free tests and,
#   with Qt's widgets added, once for the tests that link Qt. Each program
#   reuses the set of its kind, whose compile flags (position-independent
#   code and Qt's definitions for the Qt kind, the tests' own optimisation)
#   are its own, so that GCC can load it. <QTest> stays out: its header reads
#   QT_TESTCASE_BUILDDIR, which Qt defines as each test's own build folder,
#   so no two tests could share it. The WebAssembly build loads no
#   precompiled header, and links its test programs with -O1 as well (the
#   optimiser's passes at link time cost a test program seconds each).
#
# Running. A GoogleTest program's cases are ctest's tests one by one where
# starting a process is cheap (the normal build: `ctest -R` picks a case), or
# the program as two shards (GoogleTest's GTEST_TOTAL_SHARDS) where each start
# costs a tenth of a second or more: under Node (WebAssembly) and with the
# sanitizers. VORAN_TESTS_BY_PROGRAM chooses.
set(VORAN_TEST_STANDARD_HEADERS
  <algorithm> <cmath> <cstdint> <cstdlib> <cstring> <filesystem> <fstream> <functional>
  <limits> <memory> <optional> <sstream> <stdexcept> <string> <vector>)

if(EMSCRIPTEN OR VORAN_SANITIZE)
  set(by_program_default ON)
else()
  set(by_program_default OFF)
endif()
option(VORAN_TESTS_BY_PROGRAM "Run each GoogleTest program as two ctest tests instead of one per case"
  ${by_program_default})
set(VORAN_TEST_SHARDS 2)

if(EMSCRIPTEN)
  set(VORAN_TEST_COMPILE_OPTIONS -O1)
else()
  set(VORAN_TEST_COMPILE_OPTIONS $<$<CONFIG:Debug>:-g1> $<$<NOT:$<CONFIG:Debug>>:-O1 -g1>)
endif()

if(BUILD_TESTING AND NOT EMSCRIPTEN)
  # A target compiles its precompiled header only when it has a source.
  set(source ${CMAKE_BINARY_DIR}/generated/Test_headers.cpp)
  file(CONFIGURE OUTPUT ${source} CONTENT "// Compiles the tests' precompiled headers.\n")
  add_library(voran_test_headers OBJECT ${source})
  target_link_libraries(voran_test_headers PRIVATE GTest::gtest)
  target_compile_options(voran_test_headers PRIVATE ${VORAN_TEST_COMPILE_OPTIONS})
  target_precompile_headers(voran_test_headers PRIVATE <gtest/gtest.h> ${VORAN_TEST_STANDARD_HEADERS})
  if(VORAN_GUI)
    find_package(Qt6 REQUIRED COMPONENTS PrintSupport)
    add_library(voran_window_test_headers OBJECT ${source})
    target_link_libraries(voran_window_test_headers PRIVATE GTest::gtest Qt6::Widgets Qt6::PrintSupport)
    target_compile_options(voran_window_test_headers PRIVATE ${VORAN_TEST_COMPILE_OPTIONS})
    target_precompile_headers(voran_window_test_headers PRIVATE <gtest/gtest.h> ${VORAN_TEST_STANDARD_HEADERS}
      <QApplication> <QDir> <QFile> <QImage> <QPushButton> <QTemporaryDir> <QTimer>)
  endif()
endif()

# Compiles the test programs named as test programs: PLAIN for the
# toolkit-free tests, WINDOWS for those linking Qt.
function(voran_test_build)
  cmake_parse_arguments(PARSE_ARGV 0 ARG "" "" "PLAIN;WINDOWS")
  foreach(target IN LISTS ARG_PLAIN ARG_WINDOWS)
    set_target_properties(${target} PROPERTIES UNITY_BUILD ON)
    target_compile_options(${target} PRIVATE ${VORAN_TEST_COMPILE_OPTIONS})
    if(EMSCRIPTEN)
      target_link_options(${target} PRIVATE -O1)
    endif()
  endforeach()
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

# Registers the GoogleTest program TARGET with ctest:
#   voran_gtests(TARGET [SUFFIX S] [ARGS ARG...] [ENVIRONMENT VAR=VALUE...] [TIMEOUT SECONDS])
# SUFFIX ends the tests' names (the same program run with other ARGS or
# ENVIRONMENT); TIMEOUT bounds each case run on its own (a shard has ten
# times as long). A parameterised case is named by its row's name (every
# suite has a name generator), never by the printed bytes of its parameter,
# so the names are the same in every run.
function(voran_gtests target)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "SUFFIX;TIMEOUT" "ARGS;ENVIRONMENT")
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 120)
  endif()
  if(NOT VORAN_TESTS_BY_PROGRAM)
    gtest_discover_tests(${target} NO_PRETTY_VALUES TEST_SUFFIX "${ARG_SUFFIX}" EXTRA_ARGS ${ARG_ARGS}
      DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "${ARG_ENVIRONMENT}" TIMEOUT ${ARG_TIMEOUT})
    return()
  endif()
  math(EXPR last "${VORAN_TEST_SHARDS} - 1")
  math(EXPR timeout "${ARG_TIMEOUT} * 10")
  foreach(shard RANGE ${last})
    set(name ${target}${ARG_SUFFIX}.shard_${shard})
    add_test(NAME ${name} COMMAND ${target} ${ARG_ARGS})
    set_tests_properties(${name} PROPERTIES TIMEOUT ${timeout} ENVIRONMENT
      "${ARG_ENVIRONMENT};GTEST_TOTAL_SHARDS=${VORAN_TEST_SHARDS};GTEST_SHARD_INDEX=${shard}")
  endforeach()
endfunction()
