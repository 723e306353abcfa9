// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/words/launcher_words.h"

#include <QtGlobal>

namespace pintaloo {

namespace {

constexpr LauncherWord kWords[] = {
    {"GenericName", QT_TRANSLATE_NOOP3("Launcher", "Painting for Children", "The launcher's generic name, shown under or beside 'Pintaloo'.")},
    {"Comment", QT_TRANSLATE_NOOP3("Launcher", "Paint with crayons, stamps and colouring pages", "The launcher's tooltip.")},
    {"Keywords", QT_TRANSLATE_NOOP3("Launcher", "paint;draw;crayon;colouring;stamps;children;kids;",
             "Words a menu search finds Pintaloo by: separated and ended by ';', no spaces around them.")},
    {"Summary", QT_TRANSLATE_NOOP3("Launcher", "Painting for young children", "The software centre's one-line summary.")},
    {"Description1", QT_TRANSLATE_NOOP3("Launcher", "Pintaloo is a painting program for young children. Big friendly buttons, sounds and "
                             "short cartoons make every tool easy to find, and nothing a child does can break anything.",
             "The software centre's description, first paragraph.")},
    {"Feature1", QT_TRANSLATE_NOOP3("Launcher", "A crayon pencil whose colour blends into the paint already on the page",
             "The software centre's list of what Pintaloo does.")},
    {"Feature2", QT_TRANSLATE_NOOP3("Launcher", "An eraser, flood fill and patterned and picture brushes", "")},
    {"Feature3", QT_TRANSLATE_NOOP3("Launcher", "Stamps that come out smaller further up the page", "")},
    {"Feature4", QT_TRANSLATE_NOOP3("Launcher", "An oil-painting effect", "")},
    {"Feature5", QT_TRANSLATE_NOOP3("Launcher", "Colouring pages whose outlines the pencil never covers", "")},
    {"Feature6", QT_TRANSLATE_NOOP3("Launcher", "A gallery of the child's own drawings, and each drawing played back as a film", "")},
    {"Feature7", QT_TRANSLATE_NOOP3("Launcher", "Sixteen languages, and painting by touch, pen, keyboard or switch", "")},
    {"Description2", QT_TRANSLATE_NOOP3("Launcher", "Pintaloo needs no network, shows no advertising and collects nothing.",
             "The software centre's description, last paragraph.")},
    {"ScreenshotCaption", QT_TRANSLATE_NOOP3("Launcher", "A picture painted with crayons and stamps", "Caption of the software centre's screenshot.")},
};

}  // namespace

std::span<const LauncherWord> LauncherWords() { return kWords; }

}  // namespace pintaloo
