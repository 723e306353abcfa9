# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Precompiled headers: the standard, Qt and GoogleTest headers most of our
# sources include, parsed once a target instead of once a source. Parsing
# them is most of a typical source's compile time (a window test spends
# most of its 10 seconds in Qt's and GoogleTest's headers), so a cold build
# with them takes far less CPU. Off by default: a developer's rebuild mostly
# comes from ccache anyway, and without them a source that forgets an
# include fails to build. scripts/test.sh (the CI run) turns them on.
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

# pintaloo_precompile(TARGET [QT] [WIDGETS] [GTEST] [QTEST] [SHARE OTHER]):
# TARGET's sources start from the standard headers, plus Qt Core and Gui's
# (QT), Widgets' (WIDGETS), GoogleTest's and <random> (GTEST) and Qt Test's
# (QTEST, for a target linking Qt6::Test). Making one costs about
# as much as compiling a window source, so with GCC a target SHAREs OTHER's
# (defined before it; TARGET then waits for OTHER) when both have the same kind, the same
# warnings and the same code flags; their own defines may differ, as no
# header in it looks at ours or Qt's QT_*_LIB (GCC refuses a header whose
# macros differ, and -Winvalid-pch with -Werror turns that into a failed
# build, never a silently slow one). Clang wants the same defines on both
# sides, so under clang each target makes its own.
function(pintaloo_precompile target)
  if(NOT PINTALOO_PCH)
    return()
  endif()
  cmake_parse_arguments(arg "QT;WIDGETS;GTEST;QTEST" "SHARE" "" ${ARGN})
  if(arg_SHARE AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_precompile_headers(${target} REUSE_FROM ${arg_SHARE})
    return()
  endif()
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
  if(arg_QTEST)
    list(APPEND headers <QTest>)
  endif()
  target_precompile_headers(${target} PRIVATE ${headers})
endfunction()
