# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The Debian package: `cpack` in a Release build folder makes
# pintaloo_VERSION_ARCH.deb from exactly what `cmake --install` puts in place.
#
# Dependencies: dpkg-shlibdeps finds the libraries the program links. What it
# loads at run time (the sound library, Qt's X11 and Wayland window plugins,
# the SVG icon and image plugins) no linker sees, so the packages owning
# those files on this machine are asked of dpkg here and added. Nothing is a
# hand-kept package name that could drift from what the build used.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pintaloo)
set(CPACK_PACKAGE_VENDOR "Pintaloo contributors")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "painting program for young children")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Pintaloo contributors <pintaloo@users.noreply.github.com>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://pintaloo.github.io/")
# The long description under the summary line; CPack indents it for the control file.
string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
       "Pintaloo is a painting program for young children: a crayon pencil that\n"
       "blends into colour already on the page, an eraser, flood fill, patterned\n"
       "and picture brushes, stamps, an oil-painting effect, colouring pages\n"
       "whose outlines the pencil never covers, saving and opening pictures,\n"
       "sounds and short cartoons. Big buttons, no reading needed.")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Files under /usr are owned by root whatever the build user is.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# The files loaded with dlopen or as Qt plugins, and the packages owning them.
find_program(PINTALOO_DPKG_QUERY dpkg-query)
if(PINTALOO_DPKG_QUERY AND TARGET Qt6::Core)
  get_target_property(qt_core_lib Qt6::Core LOCATION)
  get_filename_component(qt_lib_dir "${qt_core_lib}" DIRECTORY)
  set(qt_plugins "${qt_lib_dir}/qt6/plugins")
  set(run_time_files
      "${qt_plugins}/platforms/libqxcb.so"
      "${qt_plugins}/platforms/libqwayland-generic.so"
      "${qt_plugins}/iconengines/libqsvgicon.so"
      "${qt_plugins}/imageformats/libqsvg.so")
  find_library(PINTALOO_SDL_MIXER_FILE NAMES libSDL2_mixer-2.0.so.0)
  list(APPEND run_time_files "${PINTALOO_SDL_MIXER_FILE}")
  find_library(PINTALOO_JPEG_FILE NAMES libjpeg.so.62)  # opened with the first JPEG
  list(APPEND run_time_files "${PINTALOO_JPEG_FILE}")
  # The letters' font, read from its file (ui/parts/letters_text.cpp).
  list(APPEND run_time_files "/usr/share/fonts/truetype/andika/Andika-Regular.ttf")
  set(loaded_packages)
  foreach(file IN LISTS run_time_files)
    if(NOT file OR NOT EXISTS "${file}")
      message(WARNING "A file the program loads at run time is missing here: ${file}; "
                      "its package cannot be named as a dependency.")
      continue()
    endif()
    file(REAL_PATH "${file}" real)
    execute_process(COMMAND ${PINTALOO_DPKG_QUERY} -S "${real}"
                    OUTPUT_VARIABLE owner RESULT_VARIABLE status ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT status EQUAL 0)
      execute_process(COMMAND ${PINTALOO_DPKG_QUERY} -S "${file}"
                      OUTPUT_VARIABLE owner RESULT_VARIABLE status ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
    endif()
    if(status EQUAL 0)
      string(REGEX REPLACE ":.*" "" owner "${owner}")  # "libqt6gui6:amd64: /usr/..." -> package
      list(APPEND loaded_packages ${owner})
    endif()
  endforeach()
  list(REMOVE_DUPLICATES loaded_packages)
  list(JOIN loaded_packages ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
endif()

# Chinese, Japanese, Korean and Arabic texts need glyphs that no font the
# program depends on has; without these fonts those languages show boxes, but
# everything else works, so they are recommended rather than required.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk, fonts-noto-core")
# Tux Paint's stamp library (about a thousand pictures in sixteen themes,
# with names in many languages and their sounds) fills the stamp browser;
# without it the program offers its own forty stamps and works as before.
# It is 217 MB installed, mostly spoken names, yet recommended rather than
# suggested: apt and the software centres install Recommends by default,
# so a parent who installs the program gets the stamps a child expects
# without knowing the package's name, while a school that images small
# laptops leaves it out with --no-install-recommends.
string(APPEND CPACK_DEBIAN_PACKAGE_RECOMMENDS ", tuxpaint-stamps-default")

include(CPack)
