# The Win32 program: the window layer, the forms and adapters, and the resources.
# winmain_win.cpp holds the entry point and stays out of the Wine test binary.
file(GLOB UI_SOURCES CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/ui/*.cpp")
set(TAVELON_WIN_SOURCES ${UI_SOURCES} ${sticker_WIN_SOURCES} ${tools_WIN_SOURCES} ${info_WIN_SOURCES})
list(FILTER TAVELON_WIN_SOURCES EXCLUDE REGEX "winmain_win\\.cpp$")

set(TAVELON_WIN_LIBS tools_core sticker_core info_core calendar
    gdiplus comctl32 comdlg32 winmm ole32 oleaut32 uuid advapi32 gdi32 user32 shell32)

if(TAVELON_WIN_SOURCES)
  add_library(tavelon_win STATIC ${TAVELON_WIN_SOURCES})
  target_include_directories(tavelon_win PUBLIC ${CMAKE_SOURCE_DIR})
  target_compile_definitions(tavelon_win PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0A00)
  target_link_libraries(tavelon_win PUBLIC ${TAVELON_WIN_LIBS})
endif()

if(EXISTS "${CMAKE_SOURCE_DIR}/sticker/winmain_win.cpp")
  enable_language(RC)
  add_executable(tavelon WIN32 sticker/winmain_win.cpp resources/tavelon.rc)
  target_link_libraries(tavelon PRIVATE tavelon_win)
  target_link_options(tavelon PRIVATE -municode)
endif()
