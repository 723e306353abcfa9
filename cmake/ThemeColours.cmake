# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# pintaloo_theme_header(IN OUT): turns the NAME=#rrggbb lines of the theme file
# into a header of constants, `theme::NAME` as 0xRRGGBB (a QRgb with the alpha
# left out, which QColor reads as opaque). A malformed line stops the configure
# step with its line number, so a typo cannot turn into a black button.
function(pintaloo_theme_header in out)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${in})
  file(STRINGS ${in} lines)
  set(body "")
  set(number 0)
  foreach(line IN LISTS lines)
    math(EXPR number "${number} + 1")
    string(STRIP "${line}" line)
    if(line STREQUAL "" OR line MATCHES "^#")
      continue()
    endif()
    if(NOT line MATCHES "^([A-Z][A-Z0-9_]*)[ \t]*=[ \t]*#([0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f])$")
      message(FATAL_ERROR "${in}:${number}: expected NAME=#rrggbb, got '${line}'")
    endif()
    string(TOLOWER "${CMAKE_MATCH_2}" hex)
    string(APPEND body "inline constexpr unsigned int ${CMAKE_MATCH_1} = 0x${hex}u;\n")
  endforeach()
  file(CONFIGURE OUTPUT ${out} CONTENT "#pragma once
// Made by CMake from resources/theme/colours.txt, which the artwork scripts
// read too; change the colours there.
namespace pintaloo::theme {
${body}}  // namespace pintaloo::theme
")
endfunction()
