# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Precompiled headers: the standard, Qt and GoogleTest headers most of our
# sources include, parsed once a target instead of once a source. Parsing
# them is a third to a half of a typical source's compile time (a window
# test spends 4 to 5 of its 12 seconds in Qt's and GoogleTest's headers),
# so a cold build with them takes about a quarter less CPU. Off by default:
# a developer's rebuild mostly comes from ccache anyway, and without them a
# source that forgets an include fails to build. scripts/test.sh (the CI run) turns them on.
#
# With ccache, GCC's precompiled headers need ccache told to be sloppy about
# the header's defines, time macros and the .gch's fresh time stamp; the
# top CMakeLists.txt does that through the launcher when this is on, so a
# developer needs no ccache setting of their own.
option(PINTALOO_PCH "Precompile the headers most sources include (a faster cold build; CI turns it on)" OFF)

set(pintaloo_pch_std <algorithm> <array> <cmath> <cstdint> <cstring> <functional> <map> <memory> <optional>
    <set> <string> <utility> <vector>)
set(pintaloo_pch_qt <QByteArray> <QCoreApplication> <QDir> <QFile> <QFileInfo> <QHash> <QImage> <QObject>
    <QPainter> <QString> <QStringList> <QTimer>)
set(pintaloo_pch_widgets <QApplication> <QMouseEvent> <QWidget>)

# pintaloo_precompile(TARGET [QT] [WIDGETS] [GTEST] [SHARE KIND]):
# TARGET's sources start from the standard headers, plus Qt Core and Gui's
# (QT), Widgets' (WIDGETS), GoogleTest's and <random> (GTEST).
#
# Making one costs about as much as compiling a window source, so under GCC
# the targets of one KIND share one made for them by a target of its own,
# pintaloo_pch_KIND, with only the defines every one of them has: GCC
# refuses a header made with a define the source lacks, and -Winvalid-pch
# with -Werror turns that into a failed build, never a silently slow one.
# Their own defines may add to those, as no header in it looks at them (Qt
# Test's headers do look at theirs, so they stay out). Clang wants the same
# defines on both sides, so under clang each target makes its own.
#   window: the window's folders with Widgets, strict warnings;
#   qt_tests: the tests on Qt and GoogleTest.
function(pintaloo_precompile target)
  if(NOT PINTALOO_PCH)
    return()
  endif()
  cmake_parse_arguments(arg "QT;WIDGETS;GTEST" "SHARE" "" ${ARGN})
  set(headers ${pintaloo_pch_std})
  if(arg_QT OR arg_WIDGETS)
    list(APPEND headers ${pintaloo_pch_qt})
  endif()
  if(arg_WIDGETS)
    list(APPEND headers ${pintaloo_pch_widgets})
  endif()
  if(arg_GTEST)
    list(APPEND headers <gtest/gtest.h> <random>)
  endif()
  if(NOT arg_SHARE OR NOT CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_precompile_headers(${target} PRIVATE ${headers})
    return()
  endif()
  set(maker pintaloo_pch_${arg_SHARE})
  if(NOT TARGET ${maker})
    set(empty ${PROJECT_BINARY_DIR}/${maker}.cpp)
    file(CONFIGURE OUTPUT ${empty} CONTENT "// Only makes the precompiled header ${maker} shares.\n")
    add_library(${maker} OBJECT ${empty})
    if(arg_SHARE STREQUAL "window")
      target_link_libraries(${maker} PRIVATE Qt6::Widgets pintaloo_warnings pintaloo_strict_warnings)
    elseif(arg_SHARE STREQUAL "qt_tests")
      target_link_libraries(${maker} PRIVATE Qt6::Widgets GTest::gtest pintaloo_warnings)
    else()
      message(FATAL_ERROR "no precompiled header kind ${arg_SHARE}")
    endif()
    target_precompile_headers(${maker} PRIVATE ${headers})
  endif()
  target_precompile_headers(${target} REUSE_FROM ${maker})
endfunction()
