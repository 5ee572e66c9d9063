# Unit tests: the same sources natively (host GoogleTest) and as Windows
# programs (GoogleTest built here from Debian's sources with the MinGW compiler,
# run under Wine through CMAKE_CROSSCOMPILING_EMULATOR).
enable_testing()

if(CMAKE_CROSSCOMPILING)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  set(GTEST_MAIN_TARGET gtest_main)
else()
  find_package(GTest REQUIRED)
  set(GTEST_MAIN_TARGET GTest::gtest_main)
endif()

# tests/expected: what the program must write, spelled out by hand, shared with
# the end-to-end driver.
file(GLOB UNIT_TEST_SOURCES CONFIGURE_DEPENDS tests/unit/*.cpp tests/fakes/*.cpp
     tests/expected/*.cpp)
if(WIN32)
  file(GLOB WIN32_TEST_SOURCES CONFIGURE_DEPENDS tests/unit/win32/*.cpp)
  list(APPEND UNIT_TEST_SOURCES ${WIN32_TEST_SOURCES})
  # The Windows adapters that these tests drive against real windows.
  list(APPEND UNIT_TEST_SOURCES src/win32/Win32ColorListBox.cpp)
endif()

add_executable(scriptgen_unit_tests ${UNIT_TEST_SOURCES})
target_include_directories(scriptgen_unit_tests PRIVATE tests)
target_compile_options(scriptgen_unit_tests PRIVATE ${SCRIPTGEN_WARNINGS})
target_link_libraries(scriptgen_unit_tests PRIVATE scriptgen_core ${GTEST_MAIN_TARGET})
if(WIN32)
  target_link_libraries(scriptgen_unit_tests PRIVATE gdi32 user32 comctl32)
  target_link_options(scriptgen_unit_tests PRIVATE -static)
endif()

if(CMAKE_CROSSCOMPILING)
  # One Wine start for the whole suite: Wine takes about a second a start.
  add_test(NAME unit_tests_under_wine COMMAND scriptgen_unit_tests --gtest_brief=1)
else()
  include(GoogleTest)
  gtest_discover_tests(scriptgen_unit_tests)
endif()

foreach(extra fuzz bench e2e)
  if(EXISTS ${CMAKE_SOURCE_DIR}/tests/${extra}/CMakeLists.txt)
    add_subdirectory(tests/${extra})
  endif()
endforeach()
