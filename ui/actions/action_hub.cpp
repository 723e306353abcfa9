// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/actions/action_hub.h"

#include <QDebug>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <stdexcept>

#include "ui/actions/box.h"

namespace pintaloo {

namespace {

// The shortest text that reads back as the same number, so a refusal shows
// what was given: "1e+300" rather than three hundred digits, "1e-320" rather
// than a rounded "0".
std::string Number(double v) {
    char text[32];
    const auto [end, ec] = std::to_chars(std::begin(text), std::end(text), v);
    return ec == std::errc() ? std::string(text, end) : std::string("?");
}

bool Whole(double v) { return std::isfinite(v) && v == std::floor(v); }

// Empty when the value fits, else why not.
std::string Misfit(const ActionParam& p, double v) {
    if (std::isnan(v)) return "is not a number";
    if (!std::isfinite(v)) return "must be a finite number, not " + Number(v);
    switch (p.kind) {
        case ParamKind::Index:
            if (!Whole(v) || v < 0 || v >= double(p.count))
                return "must be a whole number from 0 to " + std::to_string(p.count - 1) + ", not " + Number(v);
            return {};
        case ParamKind::Buttons:
            if (!Whole(v) || v < 0 || v > 7) return "must be a button mask from 0 to 7, not " + Number(v);
            return {};
        case ParamKind::Coordinate:
            if (std::fabs(v) > kMaxCoordinate) return "is too far off the window: " + Number(v);
            return {};
    }
    return {};
}

}  // namespace

int ActionHub::declare(Action action) {
    if (action.alias.empty()) action.alias = action.name;
    for (const std::string* n : {&action.name, &action.alias})
        if (byName_.count(*n)) throw std::logic_error("action declared twice: " + *n);
    const int id = int(actions_.size());
    std::vector<KeyBinding> keys;
    for (const ActionKey& k : action.keys) {
        const QKeySequence seq = QKeySequence::fromString(QLatin1String(k.keys), QKeySequence::PortableText);
        const auto taken = [&seq](const KeyBinding& b) { return b.keys == seq; };
        if (seq.isEmpty() || std::any_of(keys_.begin(), keys_.end(), taken) || std::any_of(keys.begin(), keys.end(), taken))
            throw std::logic_error(action.name + ": keys empty or bound twice: " + k.keys);
        keys.push_back({seq, id, k.args});
    }
    keys_.insert(keys_.end(), keys.begin(), keys.end());
    byName_[action.name] = id;
    byName_[action.alias] = id;
    actions_.push_back(std::move(action));
    return id;
}

void ActionHub::plug(const std::string& name, Fn fn) {
    const auto id = find(name);
    if (!id) throw std::logic_error("plugged into no action: " + name);
    actions_[std::size_t(*id)].fn = std::move(fn);
}

std::optional<int> ActionHub::find(const std::string& name) const {
    const auto it = byName_.find(name);
    if (it == byName_.end()) return std::nullopt;
    return it->second;
}

std::size_t ActionHub::arity(const std::string& name) const {
    const auto id = find(name);
    return id ? actions_[std::size_t(*id)].params.size() : 0;
}

std::vector<std::string> ActionHub::names() const {
    std::vector<std::string> out;
    for (const Action& a : actions_)
        if (a.fn) out.push_back(a.alias);
    std::sort(out.begin(), out.end());
    return out;
}

bool ActionHub::validate(int id, const Args& args, std::string* error) const {
    if (id < 0 || std::size_t(id) >= actions_.size()) {
        if (error) *error = "unknown action " + std::to_string(id);
        return false;
    }
    const Action& a = actions_[std::size_t(id)];
    if (args.size() > a.params.size()) {
        if (error) *error = a.alias + " takes at most " + std::to_string(a.params.size()) + " arguments";
        return false;
    }
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string why = Misfit(a.params[i], args[i]);
        if (!why.empty()) {
            if (error) *error = a.alias + ": " + a.params[i].name + " " + why;
            return false;
        }
    }
    return true;
}

bool ActionHub::run(const std::string& name, const Args& args, std::string* error) {
    const auto id = find(name);
    if (!id) {
        if (error) *error = "unknown handler '" + name + "'";
        return false;
    }
    return run(*id, args, error);
}

bool ActionHub::run(int id, const Args& args, std::string* error) {
    if (!validate(id, args, error)) return false;
    const Action& a = actions_[std::size_t(id)];
    if (!a.fn) {  // declared, but its part is not in this window (the film in the replay tool)
        if (error) *error = a.alias + " cannot run here";
        return false;
    }
    for (const auto& prelude : preludes_) prelude();
    Args full = args;
    full.resize(a.params.size(), 0.0);
    tell(id, full, ActionCall::Stage::Began);
    // The action may run others inside it (a wait lets clicks through).
    // Every declaration is made before the window runs, so the table never
    // moves under a running action.
    actions_[std::size_t(id)].fn(full);
    tell(id, full, ActionCall::Stage::Ended);
    return true;
}

void ActionHub::tell(int id, const Args& args, ActionCall::Stage stage) const {
    if (observers_.empty()) return;
    const Action& a = actions_[std::size_t(id)];
    const ActionCall call{id,    a.name, a.alias, args, a.effect, a.story, stage, std::chrono::steady_clock::now(),
                          a.replacesDrawing, a.random};
    for (const auto& o : observers_) o(call);
}

void ActionHub::bind(Box& box, BoxEvent event, const std::string& name, std::optional<int> index) {
    bound_.push_back(name);
    bindings_.push_back({&box, event, name, index});
    auto report = [name](const std::string& error) { qWarning("%s: %s", name.c_str(), error.c_str()); };
    if (event == BoxEvent::Click) {
        box.onClick = [this, name, index, report] {
            std::string error;
            if (!run(name, index ? Args{double(*index)} : Args{}, &error)) report(error);
        };
        return;
    }
    Box::MouseHandler handler = [this, name, index, report](int button, double x, double y) {
        Args args;
        if (index) args.push_back(double(*index));
        args.insert(args.end(), {double(button), PointerCoordinate(x), PointerCoordinate(y)});
        std::string error;
        if (!run(name, args, &error)) report(error);
    };
    (event == BoxEvent::MouseDown   ? box.onMouseDown
     : event == BoxEvent::MouseMove ? box.onMouseMove
                                    : box.onMouseUp) = std::move(handler);
}

std::vector<std::string> ActionHub::undeclaredBindings() const {
    std::vector<std::string> out;
    for (const std::string& n : bound_)
        if (!has(n)) out.push_back(n);
    return out;
}

bool ActionHub::runKey(const QKeySequence& keys, std::string* error) {
    for (const KeyBinding& k : keys_)
        if (k.keys == keys) return run(k.id, k.args, error);
    return false;
}

}  // namespace pintaloo
