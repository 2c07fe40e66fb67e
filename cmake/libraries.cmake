# The portable halves: plain C++ that builds and is tested natively as well. Each folder is one
# library that links only the folders below it.
function(tavelon_core_library name dir)
  tavelon_sources(SRC ${dir})
  if(SRC_PORTABLE)
    add_library(${name} STATIC ${SRC_PORTABLE})
    # One translation unit per handful of sources: the standard headers are parsed once a
    # batch instead of once a file, which takes about a third off each build.
    set_target_properties(${name} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 8)
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARGN})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARGN})
  endif()
  set(${dir}_WIN_SOURCES "${SRC_WIN}" PARENT_SCOPE)
endfunction()

tavelon_core_library(calendar calendar)
# The public-holiday schedule is data: the build writes it into a source of the engine, so the
# program carries it and stays one file.
set(HOLIDAY_DATA ${CMAKE_SOURCE_DIR}/calendar/holidays-cn.tsv)
set(HOLIDAY_SOURCE ${CMAKE_BINARY_DIR}/generated/holiday_data.cpp)
add_custom_command(
  OUTPUT ${HOLIDAY_SOURCE}
  COMMAND ${CMAKE_COMMAND} -DINPUT=${HOLIDAY_DATA} -DOUTPUT=${HOLIDAY_SOURCE}
          -DNAMESPACE=calendar -DFUNCTION=BuiltInHolidayText
          -P ${CMAKE_SOURCE_DIR}/cmake/embed_text.cmake
  DEPENDS ${HOLIDAY_DATA} ${CMAKE_SOURCE_DIR}/cmake/embed_text.cmake
  COMMENT "Embedding the holiday schedule")
target_sources(calendar PRIVATE ${HOLIDAY_SOURCE})
tavelon_core_library(settings_core settings calendar)
# Reading a user's file is the one platform service the command line shares with the program,
# so its Win32 half lives in settings_core itself.
if(WIN32)
  target_sources(settings_core PRIVATE ${CMAKE_SOURCE_DIR}/settings/user_file_win.cpp)
  list(FILTER settings_WIN_SOURCES EXCLUDE REGEX "/user_file_win\\.cpp$")
endif()
tavelon_core_library(sticker_core sticker settings_core calendar)
tavelon_core_library(tools_core tools settings_core calendar)
tavelon_core_library(info_core info calendar)
tavelon_core_library(month_core month settings_core calendar)
tavelon_core_library(remind_core remind settings_core calendar)
tavelon_core_library(app_core app sticker_core tools_core info_core month_core remind_core settings_core calendar)
