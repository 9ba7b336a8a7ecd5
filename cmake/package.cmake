# What a Windows user downloads, made by the target zelt_package (scripts/package
# builds it in the release preset): the installer Zelt-Setup-<version>.exe,
# built with NSIS from installer/zelt.nsi, and Zelt-<version>-portable.zip.
# Both carry the same files, listed once here.
set(ZELT_PACKAGE_DIR ${CMAKE_SOURCE_DIR}/out CACHE PATH
  "Where zelt_package writes the installer and the portable zip")
find_program(ZELT_MAKENSIS makensis)

set(package_work ${CMAKE_BINARY_DIR}/package)
set(package_files ${package_work}/files)
set(package_installer ${ZELT_PACKAGE_DIR}/Zelt-Setup-${ZELT_VERSION}.exe)
set(package_zip ${ZELT_PACKAGE_DIR}/Zelt-${ZELT_VERSION}-portable.zip)

configure_file(${CMAKE_SOURCE_DIR}/installer/README.txt.in ${package_work}/README.txt
  @ONLY NEWLINE_STYLE CRLF)

# File name and where the build leaves it.
set(package_contents
  "Zelt.exe|$<TARGET_FILE:Zelt>"
  "pyrite.chm|${CMAKE_BINARY_DIR}/bin/pyrite.chm"
  "zelt-dat.exe|$<TARGET_FILE:zelt-dat>"
  "README.txt|${package_work}/README.txt")

set(package_names)
set(package_copies)
set(package_file_macro)
foreach(entry ${package_contents})
  string(REPLACE "|" ";" entry "${entry}")
  list(GET entry 0 name)
  list(GET entry 1 source)
  list(APPEND package_names ${name})
  list(APPEND package_copies COMMAND ${CMAKE_COMMAND} -E copy ${source} ${package_files}/${name})
  string(APPEND package_file_macro "  !insertmacro \${ACTION} \"${name}\"\n")
endforeach()

# The installer script reads the product texts, its inputs and the file list
# from this header.
string(REPLACE "," "." ZELT_VERSION_DOTTED "${ZELT_VERSION_NUMBERS}")
file(CONFIGURE OUTPUT ${package_work}/package.nsh CONTENT [[
!define ZELT_VERSION "@ZELT_VERSION@"
!define ZELT_VERSION_DOTTED "@ZELT_VERSION_DOTTED@"
!define ZELT_PRODUCT_NAME "@ZELT_PRODUCT_NAME@"
!define ZELT_PUBLISHER "@ZELT_PUBLISHER@"
!define ZELT_COPYRIGHT "@ZELT_COPYRIGHT@"
!define ZELT_FILES_DIR "@package_files@"
!define ZELT_ICON "@CMAKE_BINARY_DIR@/resources/pictures/app_icon.ico"
!define ZELT_OUTFILE "@package_installer@"
!macro ZeltForEachFile ACTION
@package_file_macro@!macroend
]] @ONLY)

if(ZELT_MAKENSIS)
  set(make_installer ${ZELT_MAKENSIS} -V2 -WX -DZELT_PACKAGE_NSH=${package_work}/package.nsh
    ${CMAKE_SOURCE_DIR}/installer/zelt.nsi)
else()
  set(make_installer sh -c
    "echo 'zelt_package: makensis not found; install the Debian package nsis (scripts/setup does)' >&2; exit 1")
endif()

add_custom_command(OUTPUT ${package_installer} ${package_zip}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${package_files}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${package_files} ${ZELT_PACKAGE_DIR}
  ${package_copies}
  COMMAND ${make_installer}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${package_zip}
  COMMAND ${CMAKE_COMMAND} -E chdir ${package_files}
          ${CMAKE_COMMAND} -E tar cf ${package_zip} --format=zip ${package_names}
  DEPENDS Zelt zelt-dat zelt_help zelt_pictures ${CMAKE_BINARY_DIR}/bin/pyrite.chm
          ${CMAKE_BINARY_DIR}/resources/pictures/app_icon.ico
          ${package_work}/README.txt ${package_work}/package.nsh
          ${CMAKE_SOURCE_DIR}/installer/zelt.nsi
  COMMENT "Making the installer and the portable zip of Zelt ${ZELT_VERSION}"
  VERBATIM)
add_custom_target(zelt_package DEPENDS ${package_installer} ${package_zip})
