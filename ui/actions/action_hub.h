// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything a user can do, by name, with typed arguments. Widgets, keys and
// the replay tool all call actions through `run`, so an action is declared
// once (a row in window_actions.cpp, which says all there is to say about
// it: names, parameters, effect, keys, what the story does with it) and each
// argument is checked in one place. Observers hear of every action as it
// begins and ends: a recorder or an undo history hooks in there.
#include <QKeySequence>
#include <QPointer>
#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "engine/canvas/checked16.h"

namespace pintaloo {

class Box;

// What one argument of an action means, which decides what it may be.
enum class ParamKind {
    Index,       // a control of a row of controls: a whole number 0 .. count-1
    Buttons,     // a mouse button mask (1 left, 2 right, 4 middle): a whole number 0..7
    Coordinate,  // a position in pixels: finite and within +-kMaxCoordinate
};

// A pointer's place as an action takes it is PointerCoordinate's (in
// checked16.h, beside the rounding that makes it a pixel). A mouse, pen or
// finger can be farther off than kMaxCoordinate once its place is taken into
// a control (a script's point at the limit lies further still from the
// canvas's corner); it is then as far off as a coordinate goes, so its
// release still runs and ends its stroke rather than being refused.

struct ActionParam {
    const char* name;
    ParamKind kind;
    std::int64_t count = 0;  // Index only: how many controls the row has (a stamp's id: 2^32)
};

// Which of a control's events runs an action.
enum class BoxEvent { Click, MouseDown, MouseMove, MouseUp };

// Whether an action can change the drawing (what an undo history keeps).
enum class Effect { None, Drawing };

// What the story of the drawing does with an action. Actions that paint
// are kept whatever this says; of the others it keeps those that shape what
// later strokes do (a colour, a size, a tool), end a stroke or turn the page
// picker. Some kept actions need more than a line in the story, and their
// row says so here rather than the recorder knowing them by name: an opened
// picture is copied beside the story, undo and redo that reach a drawing
// the story never held begin it again there, and a save, heard but never
// kept (playing a story must not write files), takes the story beside the
// picture it wrote.
enum class StoryRole { Left, Kept, OpensPicture, Undoes, Redoes, SavesPicture };

// Whether a line of the story is written for an action with this role.
constexpr bool StoryKeeps(StoryRole r) { return r != StoryRole::Left && r != StoryRole::SavesPicture; }

// Keys that run an action, with the arguments they give it.
struct ActionKey {
    const char* keys;  // portable text, as QKeySequence::fromString reads it
    std::vector<double> args = {};
};

struct ActionCall {
    enum class Stage { Began, Ended };
    int id = -1;
    std::string name;   // the explanatory name, e.g. "SaveDrawing"
    std::string alias;  // the name a script or story gives it, e.g. "KewlButtons3_MouseDown"
    std::vector<double> args;  // every parameter, missing ones filled with 0
    Effect effect = Effect::None;
    StoryRole story = StoryRole::Left;
    Stage stage = Stage::Began;
    std::chrono::steady_clock::time_point time;
    // The action puts another drawing on the page (a new page, a colouring
    // page, an opened picture): the drawing there is filed first.
    bool replacesDrawing = false;
    bool random = false;  // see Action
};

class ActionHub {
public:
    using Args = std::vector<double>;
    using Fn = std::function<void(const Args&)>;

    struct Action {
        std::string name;   // what the program calls it: "ChooseColour"
        std::string alias;  // what scripts, stories and the state dump call it: "bColor_Click"
        std::vector<ActionParam> params;
        // Called with exactly params.size() checked values. Empty: the part
        // that carries the action out plugs it in later (see plug); until
        // then the action is known but refused.
        Fn fn;
        Effect effect = Effect::None;
        StoryRole story = StoryRole::Left;
        std::vector<ActionKey> keys = {};
        bool replacesDrawing = false;  // see ActionCall
        // Draws numbers from the window's seeded random source (never from
        // QRandomGenerator): a story notes where the source stands before
        // it, as before a stroke, so a replay draws the very same numbers.
        bool random = false;
        // False for what only a pointer can mean (dragging the window by its
        // title): keys and switches pass over the control that runs it.
        bool pressable = true;
    };

    // One control's event bound to an action, as bind was asked: what keys,
    // switches and screen readers read to know every control there is.
    struct Binding {
        QPointer<Box> box;
        BoxEvent event;
        std::string name;
        std::optional<int> index;
    };

    // Declares an action and gives its id. A name or alias already taken by
    // another action, or keys already bound, is a programming error.
    int declare(Action action);
    // Gives a declared action the member that carries it out.
    void plug(const std::string& name, Fn fn);
    // By explanatory name or by alias.
    std::optional<int> find(const std::string& name) const;
    bool has(const std::string& name) const { return find(name).has_value(); }
    // How many arguments the action takes (0 for an unknown name).
    std::size_t arity(const std::string& name) const;
    const Action& action(int id) const { return actions_.at(std::size_t(id)); }
    // The alias (the name scripts use) of every action that can run here, sorted.
    std::vector<std::string> names() const;

    // False with a reason when an argument does not fit its parameter (too
    // many, not finite, beyond its range). Missing trailing arguments are 0.
    bool validate(int id, const Args& args, std::string* error = nullptr) const;
    // The one entry point: checks the arguments, tells the observers, runs.
    // False with a reason, and nothing run, for an unknown name or bad arguments.
    bool run(const std::string& name, const Args& args = {}, std::string* error = nullptr);
    bool run(int id, const Args& args = {}, std::string* error = nullptr);

    void addObserver(std::function<void(const ActionCall&)> observer) { observers_.push_back(std::move(observer)); }
    // Runs before any action begins, before the observers hear of it: what
    // a part holds back (a pointer move waiting for its frame) is carried
    // out first, so the drawing and its story take the actions in the order
    // they came. It may run actions itself.
    void addPrelude(std::function<void()> prelude) { preludes_.push_back(std::move(prelude)); }

    // A control's mouse event runs an action: `index` (for a row of
    // controls) comes first, then what the event carries (button, x, y for
    // the mouse; nothing for a click).
    void bind(Box& box, BoxEvent event, const std::string& name, std::optional<int> index = std::nullopt);
    // Bound names that no declaration matches (a misspelt binding shows here).
    std::vector<std::string> undeclaredBindings() const;
    const std::vector<Binding>& bindings() const { return bindings_; }

    // Keys (a row's keys column) run their action with the row's arguments.
    // True when the keys are bound and their action ran; an unbound key does nothing.
    bool runKey(const QKeySequence& keys, std::string* error = nullptr);

private:
    void tell(int id, const Args& args, ActionCall::Stage stage) const;

    std::vector<Action> actions_;
    std::map<std::string, int> byName_;
    std::vector<std::function<void(const ActionCall&)>> observers_;
    std::vector<std::function<void()>> preludes_;
    std::vector<std::string> bound_;
    std::vector<Binding> bindings_;
    struct KeyBinding {
        QKeySequence keys;
        int id;
        Args args;
    };
    std::vector<KeyBinding> keys_;
};

}  // namespace pintaloo
