# One GoogleTest binary per folder of tests/. GoogleTest comes from the system; for the cross
# build it is built from the distribution's sources with the cross compiler, and the test
# binaries run under Wine (see the emulator in the toolchain file).
if(CMAKE_CROSSCOMPILING)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  set(GTEST_LIBS gtest_main)
else()
  find_package(GTest REQUIRED)
  set(GTEST_LIBS GTest::gtest_main)
endif()

function(tavelon_test_binary name dir)
  file(GLOB srcs CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/tests/${dir}/*.cpp")
  if(NOT srcs)
    return()
  endif()
  add_executable(${name} ${srcs})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${ARGN} ${GTEST_LIBS})
  # Tests are compiled for a quick build rather than fast code: they run in seconds either way.
  target_compile_options(${name} PRIVATE $<$<CONFIG:Release>:-O1>)
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  set_tests_properties(${name} PROPERTIES TIMEOUT 900)
endfunction()

tavelon_test_binary(calendar-tests calendar calendar)
tavelon_test_binary(settings-tests settings settings_core)
tavelon_test_binary(sticker-tests sticker sticker_core)
tavelon_test_binary(tools-tests tools tools_core)
tavelon_test_binary(info-tests info info_core)
tavelon_test_binary(month-tests month month_core)
tavelon_test_binary(app-tests app app_core)
tavelon_test_binary(remind-tests remind remind_core)
if(TARGET cli_core)
  tavelon_test_binary(cli-tests cli cli_core)
endif()
if(WIN32 AND TARGET tavelon_win)
  tavelon_test_binary(win-tests win tavelon_win)
  if(TARGET win-tests)
    # The forms load icons, sounds and pictures from the module's own resources.
    target_sources(win-tests PRIVATE ${CMAKE_SOURCE_DIR}/resources/tavelon.rc)
    set_tests_properties(win-tests PROPERTIES RESOURCE_LOCK display)
    # The command line is tested as a program too: tavelon-cal.exe is built beside the tests.
    if(TARGET cli_core)
      target_link_libraries(win-tests PRIVATE cli_core)
      add_dependencies(win-tests tavelon-cal)
    endif()
  endif()
endif()

# The generated icons, sounds and picture keep the properties the program relies on, and
# every include keeps to the layers; the layer check fails on each breach planted in a small tree.
if(NOT WIN32)
  find_package(Python3 COMPONENTS Interpreter)
  if(Python3_FOUND)
    add_test(NAME resources COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/resources/check_resources.py)
    add_test(NAME layers COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/cmake/check_layers.py ${CMAKE_SOURCE_DIR})
    add_test(NAME layers-check COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/cmake/check_layers_test.py)
  endif()
  # The iCalendar export is read back by the system's iCalendar library (python3-icalendar, which
  # scripts/setup installs for the distribution's Python, not for another one on the PATH).
  if(TARGET tavelon-cal)
    find_program(SYSTEM_PYTHON3 python3 PATHS /usr/bin NO_DEFAULT_PATH)
    if(NOT SYSTEM_PYTHON3)
      set(SYSTEM_PYTHON3 ${Python3_EXECUTABLE})
    endif()
    add_test(NAME ics COMMAND ${SYSTEM_PYTHON3} ${CMAKE_SOURCE_DIR}/tests/remind/check_ics.py
                              $<TARGET_FILE:tavelon-cal>)
  endif()
endif()
