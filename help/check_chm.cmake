# Reads a compiled help file back and checks it against its project:
#  - the project names its compiled file, contents, index, default topic and title,
#    and the compiled file's system header carries them;
#  - every file of the project, the contents and the index are in the .chm, byte for byte,
#    with the binary keyword index and, when asked for, the full-text search index;
#  - every topic beside the project is listed in it and has an entry in the contents;
#  - every entry of the contents and the index, and every link between topics,
#    leads to a file of the help and, where it names an anchor, to an anchor defined there.
# Usage: cmake -DCHMLS=... -DCHM=....chm -DPROJECT=....hhp -DWORK_DIR=... -P check_chm.cmake
cmake_minimum_required(VERSION 3.25)
set(failures "")
macro(fail text)
  string(APPEND failures "  ${text}\n")
endmacro()

get_filename_component(source_dir ${PROJECT} DIRECTORY)

# The project's [OPTIONS] and [FILES].
file(STRINGS ${PROJECT} project_lines)
set(section "")
set(project_files "")
foreach(line IN LISTS project_lines)
  string(STRIP "${line}" line)
  if(line MATCHES "^\\[(.*)\\]$")
    set(section "${CMAKE_MATCH_1}")
  elseif(line STREQUAL "")
  elseif(section STREQUAL "OPTIONS" AND line MATCHES "^([^=]+)=(.*)$")
    string(REPLACE " " "_" key "${CMAKE_MATCH_1}")
    set(option_${key} "${CMAKE_MATCH_2}")
  elseif(section STREQUAL "FILES")
    list(APPEND project_files "${line}")
  endif()
endforeach()
foreach(key Compiled_file Contents_file Index_file Default_topic Title)
  if("${option_${key}}" STREQUAL "")
    fail("the project has no '${key}' option")
  endif()
endforeach()
if(NOT option_Default_topic IN_LIST project_files)
  fail("the default topic ${option_Default_topic} is not among the project's files")
endif()

# Everything the .chm holds, extracted afresh.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
execute_process(COMMAND ${CHMLS} extractall ${CHM} ${WORK_DIR}
  RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
if(NOT result EQUAL 0 OR NOT EXISTS "${WORK_DIR}/#SYSTEM")
  message(FATAL_ERROR "chmls could not extract ${CHM}")
endif()

foreach(name IN LISTS project_files option_Contents_file option_Index_file)
  if(NOT EXISTS "${WORK_DIR}/${name}")
    fail("${name} is missing from the compiled file")
  else()
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files
      "${source_dir}/${name}" "${WORK_DIR}/${name}" RESULT_VARIABLE different)
    if(different)
      fail("${name} in the compiled file differs from its source")
    endif()
  endif()
endforeach()

# The system header holds each value as a NUL-terminated string among binary
# fields; it is searched as bytes, since a field byte that happens to be a
# line feed would split a text reading of it anywhere.
file(READ "${WORK_DIR}/#SYSTEM" system_hex HEX)
foreach(key Title Default_topic Contents_file Index_file)
  file(WRITE "${WORK_DIR}/option.txt" "${option_${key}}")
  file(READ "${WORK_DIR}/option.txt" option_hex HEX)
  string(FIND "${system_hex}" "00${option_hex}00" found)
  math(EXPR aligned "${found} % 2")
  if(found EQUAL -1 OR NOT aligned EQUAL 0)
    fail("the compiled file's system header lacks the ${key} '${option_${key}}'")
  endif()
endforeach()

# The viewer's Index tab reads the binary keyword index, its Search tab the
# full-text index; both are built from the project.
if(NOT EXISTS "${WORK_DIR}/$WWKeywordLinks/BTree")
  fail("the compiled file has no binary keyword index")
endif()
if(option_Full-text_search STREQUAL "Yes" AND NOT EXISTS "${WORK_DIR}/$FIftiMain")
  fail("the compiled file has no full-text search index")
endif()

# Every topic and style sheet beside the project is part of the help.
file(GLOB sources RELATIVE ${source_dir} ${source_dir}/*.html ${source_dir}/*.css)
foreach(name IN LISTS sources)
  if(NOT name IN_LIST project_files)
    fail("${name} is not listed in the project's [FILES]")
  endif()
endforeach()

# Anchors defined by each topic.
set(topics "")
foreach(name IN LISTS project_files)
  if(name MATCHES "\\.html$")
    list(APPEND topics ${name})
    file(READ "${source_dir}/${name}" text)
    string(REGEX MATCHALL "<a name=\"[^\"]+\"" found "${text}")
    set(anchors_${name} "")
    foreach(anchor IN LISTS found)
      string(REGEX REPLACE "^<a name=\"([^\"]+)\"$" "\\1" anchor "${anchor}")
      list(APPEND anchors_${name} ${anchor})
    endforeach()
    if(NOT text MATCHES "<title>[^<]+</title>")
      fail("${name} has no title")
    endif()
  endif()
endforeach()

# A link target: a file of the help, and an anchor defined in it.
function(check_target target from)
  if(target MATCHES "^(mailto|https?|ftp|ms-its):")
    return()
  endif()
  string(REGEX MATCH "^[^#]*" file "${target}")
  string(REGEX MATCH "#.*$" anchor "${target}")
  if(file STREQUAL "")
    set(file ${from})
  endif()
  if(NOT file IN_LIST project_files)
    set(failures "${failures}  ${from} links to ${target}, which is not in the help\n" PARENT_SCOPE)
  elseif(NOT anchor STREQUAL "")
    string(SUBSTRING "${anchor}" 1 -1 anchor)
    if(NOT anchor IN_LIST anchors_${file})
      set(failures "${failures}  ${from} links to ${target}, whose anchor is not defined\n" PARENT_SCOPE)
    endif()
  endif()
endfunction()

foreach(name IN LISTS topics)
  file(READ "${source_dir}/${name}" text)
  string(REGEX MATCHALL "(href|src)=\"[^\"]*\"" links "${text}")
  foreach(link IN LISTS links)
    string(REGEX REPLACE "^(href|src)=\"([^\"]*)\"$" "\\2" link "${link}")
    check_target("${link}" ${name})
  endforeach()
endforeach()

# The contents and the index lead to topics; every topic is in the contents.
foreach(sitemap ${option_Contents_file} ${option_Index_file})
  file(READ "${source_dir}/${sitemap}" text)
  string(REGEX MATCHALL "<param name=\"Local\" value=\"[^\"]*\">" locals "${text}")
  set(targets_${sitemap} "")
  foreach(local IN LISTS locals)
    string(REGEX REPLACE "^<param name=\"Local\" value=\"([^\"]*)\">$" "\\1" local "${local}")
    check_target("${local}" ${sitemap})
    string(REGEX REPLACE "#.*$" "" local "${local}")
    list(APPEND targets_${sitemap} ${local})
  endforeach()
  if(targets_${sitemap} STREQUAL "")
    fail("${sitemap} has no entries")
  endif()
endforeach()
foreach(name IN LISTS topics)
  if(NOT name IN_LIST targets_${option_Contents_file})
    fail("${name} has no entry in ${option_Contents_file}")
  endif()
endforeach()

if(NOT failures STREQUAL "")
  message(FATAL_ERROR "${CHM} does not match ${PROJECT}:\n${failures}")
endif()
list(LENGTH topics topic_count)
message(STATUS "${CHM}: ${topic_count} topics, contents and index complete, every link resolves")
