# One library per folder of src/, linked only to the layers below it:
#
#   store -> link -> workspace -> phonebook, settings, printing -> app
#   store -> exchange (phone-book files) -> app
#
# and, in the Windows build, win (Win32 plumbing) below the Win32 files of
# the features and the app. Files are picked by suffix, so adding a source
# file never means editing a build file:
#   foo.cpp        portable, in every build
#   foo_win.cpp    Win32, only in the Windows build
#   foo_posix.cpp  the POSIX counterpart of a foo_win.cpp, only elsewhere
# A library's include path reaches all of src/, so what the link graph
# cannot catch (a header-only include upwards) is caught by the layer check
# (scripts/lib/check-layers, run by ctest).

function(zelt_layer_sources folder out)
  file(GLOB found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${folder}/*.cpp)
  if(WIN32)
    list(FILTER found EXCLUDE REGEX "_posix\\.cpp$")
  else()
    list(FILTER found EXCLUDE REGEX "_win\\.cpp$")
  endif()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

# zelt_add_layer(<folder> [DEPENDS <library>...] [WIN32_DEPENDS <library>...])
function(zelt_add_layer folder)
  cmake_parse_arguments(PARSE_ARGV 1 layer "" "" "DEPENDS;WIN32_DEPENDS")
  zelt_layer_sources(${folder} sources)
  set(target zelt_${folder})
  set(deps ${layer_DEPENDS})
  if(WIN32)
    list(APPEND deps ${layer_WIN32_DEPENDS})
  endif()
  if(sources)
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(${target} PUBLIC ${deps})
  else()
    # A feature folder without code yet still takes its place in the graph.
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(${target} INTERFACE ${deps})
  endif()
endfunction()

# The string table's portable lookup and the ids header; the layers that
# show texts (the features, the app) and the tools use it.
function(zelt_add_strings_library)
  add_library(zelt_strings STATIC ${CMAKE_SOURCE_DIR}/resources/string_table.cpp)
  target_include_directories(zelt_strings PUBLIC ${CMAKE_SOURCE_DIR}/resources)
endfunction()

# The layers the link and the record image need: everything the tools and
# the fuzz targets use. The exchange layer names its texts by the ids of
# resources/resource_ids.h alone, so it needs that header, not the table.
function(zelt_add_core_layers)
  zelt_add_layer(store)
  zelt_add_layer(link DEPENDS zelt_store WIN32_DEPENDS ws2_32)
  zelt_add_layer(exchange DEPENDS zelt_store)
  target_include_directories(zelt_exchange PUBLIC ${CMAKE_SOURCE_DIR}/resources)
endfunction()

function(zelt_add_program_layers)
  zelt_add_strings_library()
  zelt_add_layer(workspace DEPENDS zelt_link)
  if(WIN32)
    zelt_add_layer(win DEPENDS comctl32 comdlg32 gdi32 ole32 user32 kernel32 advapi32 winspool)
  endif()
  foreach(feature phonebook settings printing)
    zelt_add_layer(${feature} DEPENDS zelt_workspace zelt_strings WIN32_DEPENDS zelt_win)
  endforeach()
  zelt_add_dialog_controls(zelt_settings)
  zelt_add_layer(app DEPENDS zelt_phonebook zelt_settings zelt_printing zelt_exchange zelt_workspace zelt_strings
                 WIN32_DEPENDS zelt_win)
endfunction()

# What each control of the dialog templates is called on screen, read from
# resources/dialogs/*.rc at build time, so the settings layer names a setting
# as its page shows it in every build, the tools' included.
function(zelt_add_dialog_controls target)
  find_package(Python3 REQUIRED COMPONENTS Interpreter)
  set(script ${CMAKE_SOURCE_DIR}/tools/dialog-labels/dialog_labels.py)
  set(output ${CMAKE_BINARY_DIR}/generated/dialog_controls.inc)
  file(GLOB templates CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/dialogs/*.rc)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated
    COMMAND Python3::Interpreter ${script} ${output} ${templates}
    DEPENDS ${script} ${templates}
    COMMENT "Listing the dialog templates' control labels")
  target_sources(${target} PRIVATE ${output})
  target_include_directories(${target} PRIVATE ${CMAKE_BINARY_DIR}/generated)
endfunction()
