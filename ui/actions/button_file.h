// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A button in one file. Everything about a button a child presses is its
// row, below: the action's names, keys and story role (the hub's Action,
// .random when it draws random numbers), its tooltip, its face and its slot
// in the layout; and its effect, run against ButtonReach, which is all it
// may reach. Such a file lives in ui/parts/buttons/ and needs no
// other line anywhere: the window's action table takes its row
// (window_actions.cpp), the part FileButtons makes its control at its slot
// with its face and text, the help and the keys read the row.
//
//     // ui/parts/buttons/surprise_colour.cpp
//     #include "ui/actions/button_file.h"
//     PINTALOO_BUTTON_FILE {
//         using namespace pintaloo;
//         ButtonFile b;
//         b.action.name = "SurpriseColour";   // what the program calls it
//         b.action.alias = "SurpriseColour";  // what scripts and stories call it
//         b.action.story = StoryRole::Kept;
//         b.action.keys = {{"Ctrl+R"}};
//         b.action.random = true;             // draws from r.nextRandom()
//         b.tip = "button.surpriseColour";    // its words in ui/words/texts.cpp
//         b.face = "cmd_surprise_colour";     // :/art/ui/cmd_surprise_colour.svg
//         b.slot = "TitleStrip.Free1";        // ui/actions/layout.cpp names the free slots
//         b.press = [](ButtonReach& r) { ... r.nextRandom() ... r.showChoices(); };
//         return b;
//     }
//
// How the files are found: the parts' library is static, and a file that
// only registered itself (a global whose constructor adds it to a list)
// would be dropped by the linker, as nothing refers to it. So the build
// (ui/CMakeLists.txt) lists ui/parts/buttons/*.cpp, gives each file the
// name of its one function (PINTALOO_BUTTON_FILE, from the file's name) and
// writes a source that calls them all (ButtonFiles): every file is
// referred to, in the order of its name, with no link options and no
// order of static initialisation to rely on.
#include <functional>
#include <vector>

#include "ui/actions/action_hub.h"
#include "ui/actions/painting.h"
#include "ui/actions/sound_player.h"
#include "ui/actions/window_controls.h"
#include "ui/words/texts.h"

namespace pintaloo {

// What a button file's effect may reach, and nothing more: the roles any
// part may take, the window's one seeded random source (a kept action that
// draws from it says so with action.random, and the story replays it
// exactly; QRandomGenerator would not), and a way to have the window show
// the editor state's choices again after the effect changed them.
struct ButtonReach {
    WindowControls& controls;  // the hub (to run another action), the window for dialogs
    Painting& painting;        // the editor state, the canvas and its refresh
    const SoundPlayer& sounds;
    std::function<float()> nextRandom;  // in [0, 1)
    // The chosen colour's box and the size bars show state.CurrentColor again.
    std::function<void()> showChoices;
};

struct ButtonFile {
    ActionHub::Action action;  // its fn is empty: `press` is what it does
    // Its tooltip and the name a screen reader says: a key of the texts
    // table (ui/words/texts.cpp, TextsByKey), so a new button adds its words
    // there alone.
    const char* tip = nullptr;
    // Its picture, ":/art/ui/<face>.svg", drawn at its slot's size (and
    // drawn ahead at build time: ui/art/CMakeLists.txt reads this line);
    // lit up while the pointer is over it.
    const char* face = nullptr;
    const char* slot = nullptr;  // a free slot of the layout (ui/actions/layout.h)
    std::function<void(ButtonReach&)> press;
};

// Every button file's row, by file name (the list the build writes).
const std::vector<ButtonFile>& ButtonFiles();

}  // namespace pintaloo

// The one function of a button file, declared and then defined; the build
// names it after the file.
#define PINTALOO_BUTTON_FILE                        \
    ::pintaloo::ButtonFile PINTALOO_BUTTON_FUNCTION(); \
    ::pintaloo::ButtonFile PINTALOO_BUTTON_FUNCTION()
