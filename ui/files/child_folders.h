// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where drawings are kept, and where each child's are kept when several
// children share one account.
//
// The drawings' root is the grown-up's save folder when one is set (any
// folder, a shared or network one included), else the usual
// Pictures/Pintaloo. With none or one child the root is the gallery and the
// state folder keeps the one drawing on the paper, as always. With two or
// more, each child has
//   <root>/<folder name>/                              their gallery
//   $XDG_STATE_HOME/pintaloo/children/<folder name>/   their kept drawing
//
// A child's folder name is their name made safe for any file system a
// family or a school might put the drawings on (a network share read by
// other systems too): control and format characters are dropped, slashes,
// backslashes and : * ? " < > | become '-', dots and spaces are trimmed at
// both ends (no ".", "..", hidden or trailing-dot names), and the rest is
// cut to kMaxFolderChars characters (a character is never cut in half).
// Nothing left: "child". Two children whose names come out the same (also
// differing only in upper and lower case, as a share may not tell them
// apart) each get " ~" and six hex digits of their exact name's hash
// added, so neither shares the other's folder, and moving children up and
// down the list never swaps their folders. Two children of exactly the
// same name are one name twice: the later ones get "-2", "-3" in the
// list's order too.
#include <QString>
#include <vector>

#include "ui/platform/settings.h"

namespace pintaloo {

inline constexpr int kMaxFolderChars = 48;
// Children on one account at most: four rows of four big pictures.
inline constexpr int kMostChildren = 16;
inline constexpr const char* kChildrenStateFolder = "children";

// The name cleaned as above, without any collision suffix.
QString SafeChildName(const QString& name);
// One folder name a child, in the list's order, no two alike (ignoring case).
std::vector<QString> ChildFolderNames(const std::vector<ChildEntry>& children);

// The grown-up's save folder when set (made absolute), else the usual one.
QString DrawingsRoot(const QString& saveFolder);
// Whether the children get folders of their own: two or more.
inline bool ChildrenApart(const std::vector<ChildEntry>& children) { return children.size() >= 2; }
QString ChildDrawingsFolder(const QString& root, const QString& folderName);
QString ChildKeptFolder(const QString& stateFolder, const QString& folderName);

// A child's picture: the program's own stamps counted 1..40 in the order of
// their numbers (the stamp slots' pictures); a number out of range is the first.
inline constexpr int kChildPictures = 40;
QString ChildPicturePath(int picture);

}  // namespace pintaloo
