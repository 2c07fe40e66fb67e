# The Win32 program: the window layer, the windows and adapters of every folder, and the
# program shell, in one library that the Wine tests link too. Only the entry point
# (app/winmain_win.cpp) stays out of it.
file(GLOB UI_SOURCES CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/ui/*.cpp")
set(TAVELON_WIN_SOURCES ${UI_SOURCES} ${settings_WIN_SOURCES} ${sticker_WIN_SOURCES}
    ${tools_WIN_SOURCES} ${info_WIN_SOURCES} ${month_WIN_SOURCES} ${remind_WIN_SOURCES}
    ${app_WIN_SOURCES})
list(FILTER TAVELON_WIN_SOURCES EXCLUDE REGEX "/winmain_win\\.cpp$")

set(TAVELON_WIN_LIBS app_core tools_core sticker_core info_core month_core remind_core settings_core calendar
    gdiplus comctl32 comdlg32 winmm ole32 oleaut32 uuid advapi32 gdi32 user32 shell32)

add_library(tavelon_win STATIC ${TAVELON_WIN_SOURCES})
target_include_directories(tavelon_win PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_definitions(tavelon_win PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0A00)
target_link_libraries(tavelon_win PUBLIC ${TAVELON_WIN_LIBS})

# The resource script takes the project's version from two files made here.
enable_language(RC)
set(TAVELON_FILE_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0")
configure_file(resources/version.h.in ${CMAKE_BINARY_DIR}/resources/version.h @ONLY)
configure_file(resources/tavelon.manifest.in ${CMAKE_BINARY_DIR}/resources/tavelon.manifest @ONLY)
set_source_files_properties(resources/tavelon.rc PROPERTIES
  INCLUDE_DIRECTORIES ${CMAKE_BINARY_DIR}/resources
  OBJECT_DEPENDS "${CMAKE_BINARY_DIR}/resources/version.h;${CMAKE_BINARY_DIR}/resources/tavelon.manifest")
add_executable(tavelon WIN32 app/winmain_win.cpp resources/tavelon.rc)
target_link_libraries(tavelon PRIVATE tavelon_win)
# A release carries no symbols: the runtime's static libraries bring half a megabyte of them.
target_link_options(tavelon PRIVATE -municode $<$<CONFIG:Release>:-s>)
