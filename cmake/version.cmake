# The program's name, maker and version, kept once here: the About box, the
# version resource of Zelt.exe, the installer and the package names all take
# them from zelt_version.h or from these variables. The version itself is the
# project's VERSION; the About box shows it as "V<major>.<minor>".
set(ZELT_VERSION ${PROJECT_VERSION})
set(ZELT_PRODUCT_NAME "Zelt Local Setup")
set(ZELT_PUBLISHER "The Zelt developers")
set(ZELT_COPYRIGHT "Copyright (C) 2026 ${ZELT_PUBLISHER}. All rights reserved.")

# A version resource holds four 16-bit numbers; "4.02" is 4,2,0,0 (math
# reads "02" and "08" as decimal).
set(ZELT_VERSION_NUMBERS)
foreach(part MAJOR MINOR PATCH TWEAK)
  set(value "${PROJECT_VERSION_${part}}")
  if(value STREQUAL "")
    set(value 0)
  endif()
  math(EXPR value "${value} + 0")
  list(APPEND ZELT_VERSION_NUMBERS ${value})
endforeach()
list(JOIN ZELT_VERSION_NUMBERS "," ZELT_VERSION_NUMBERS)

configure_file(${CMAKE_SOURCE_DIR}/resources/zelt_version.h.in
  ${CMAKE_BINARY_DIR}/generated/zelt_version.h @ONLY)
include_directories(${CMAKE_BINARY_DIR}/generated)
