# tavelon-cal: the command line over the engine and the pure composition. Its commands live
# in a library so that the tests call them without a process in between.
file(GLOB CLI_SOURCES CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/cli/*.cpp")
list(FILTER CLI_SOURCES EXCLUDE REGEX "/main\\.cpp$")
if(CLI_SOURCES)
  add_library(cli_core STATIC ${CLI_SOURCES})
  target_include_directories(cli_core PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(cli_core PUBLIC tools_core sticker_core info_core month_core settings_core calendar)
  add_executable(tavelon-cal cli/main.cpp)
  target_link_libraries(tavelon-cal PRIVATE cli_core)
endif()

if(WIN32)
  include(cmake/windows.cmake)
endif()
