# Which files go into which library is decided by folder and suffix, so
# adding a source file never means editing a build file:
#   foo.cpp        portable, in the core library of every build
#   foo_win.cpp    Win32; in store/ and link/ it completes the core on
#                  Windows, elsewhere it belongs to the Win32 layer
#   foo_posix.cpp  the POSIX counterpart of a core foo_win.cpp
set(ZELT_CORE_SUBSYSTEMS store link)
# win/ is the Win32 plumbing every UI subsystem may use; it uses none of them.
set(ZELT_UI_SUBSYSTEMS app phonebook settings printing win)

function(zelt_portable_sources out)
  set(result)
  foreach(dir ${ZELT_CORE_SUBSYSTEMS} ${ZELT_UI_SUBSYSTEMS})
    file(GLOB found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${dir}/*.cpp)
    list(FILTER found EXCLUDE REGEX "_(win|posix)\\.cpp$")
    list(APPEND result ${found})
  endforeach()
  set(${out} ${result} PARENT_SCOPE)
endfunction()

function(zelt_platform_sources out suffix)
  set(result)
  foreach(dir ${ZELT_CORE_SUBSYSTEMS})
    file(GLOB found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${dir}/*_${suffix}.cpp)
    list(APPEND result ${found})
  endforeach()
  set(${out} ${result} PARENT_SCOPE)
endfunction()

function(zelt_add_core_library)
  zelt_portable_sources(portable)
  if(WIN32)
    zelt_platform_sources(platform win)
  else()
    zelt_platform_sources(platform posix)
  endif()
  add_library(zelt_core STATIC ${portable} ${platform} ${CMAKE_SOURCE_DIR}/resources/string_table.cpp)
  target_include_directories(zelt_core PUBLIC ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/resources)
  if(WIN32)
    target_link_libraries(zelt_core PUBLIC ws2_32)
  endif()
endfunction()

function(zelt_add_win_library)
  set(sources)
  foreach(dir ${ZELT_UI_SUBSYSTEMS})
    file(GLOB found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${dir}/*_win.cpp)
    list(APPEND sources ${found})
  endforeach()
  add_library(zelt_win STATIC ${sources})
  target_link_libraries(zelt_win PUBLIC zelt_core comctl32 comdlg32 gdi32 ole32 user32 kernel32 advapi32 winspool)
endfunction()
