// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// A few thousand random actions through the action hub on one real window,
// the way a script, a recording or a future remote input could send them:
// mostly what a child does, now and then a number no mouse sends. Every
// ordinary call must run, every absurd one must be refused with a reason
// and leave the drawing as it was, and the window must stay sound. Seeded
// and reproducible (PINTALOO_SOAK_SEED, PINTALOO_SOAK_STEPS); a failure prints
// its seed and a replay script cut down to the lines that still fail. The
// steps so far are also kept in a replay script whose name is printed first,
// so a sanitizer's abort leaves its reproduction behind.
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "ui/actions/action_hub.h"
#include "engine/canvas/surface.h"
#include "tests/support/window_rig.h"

namespace pintaloo::uitest {
namespace {

struct Step {
    std::string name;
    ActionHub::Args args;
    bool absurd = false;  // must be refused
};

std::string Number(double v) {
    char text[32];
    const auto [end, ec] = std::to_chars(std::begin(text), std::end(text), v);
    return ec == std::errc() ? std::string(text, end) : std::string("0");
}

std::string ScriptLine(const Step& s) {
    std::string line = s.name;
    for (const double a : s.args) line += ' ' + Number(a);
    return line;
}

std::uint64_t EnvNumber(const char* name, std::uint64_t otherwise) {
    const char* v = std::getenv(name);
    return v && *v ? std::strtoull(v, nullptr, 10) : otherwise;
}

// Calls a child cannot make: ending the window belongs to closing it.
bool Soakable(const std::string& name) { return name != "Form_Unload"; }

class StepMaker {
public:
    StepMaker(const ActionHub& hub, std::uint64_t seed) : hub_(hub), rng_(seed) {
        for (const std::string& n : hub.names())
            if (Soakable(n)) names_.push_back(n);
    }

    Step next() {
        Step s;
        s.name = names_[pick(names_.size())];
        const auto& params = hub_.action(*hub_.find(s.name)).params;
        for (const ActionParam& p : params) s.args.push_back(ordinary(p));
        // One call in thirty carries a number no mouse sends, in one argument.
        if (!params.empty() && pick(30) == 0) {
            const std::size_t at = pick(params.size());
            const double absurd[] = {std::numeric_limits<double>::quiet_NaN(),
                                     std::numeric_limits<double>::infinity(),
                                     -std::numeric_limits<double>::infinity(),
                                     3e9,
                                     -3e9,
                                     1e300,
                                     2147483647.0,
                                     -2147483649.0,
                                     65536,
                                     1e6 + 1};
            s.args[at] = absurd[pick(std::size(absurd))];
            // 65536 is still a place on a (huge) window: a coordinate is absurd only beyond a million pixels.
            if (params[at].kind == ParamKind::Coordinate && std::fabs(s.args[at]) <= 1e6) s.args[at] = -1e6 - 0.5;
            // A big index is still one of a row that has that many (a stamp's 32-bit id, a letter's code point).
            if (params[at].kind == ParamKind::Index && s.args[at] >= 0 && s.args[at] < double(params[at].count))
                s.args[at] = -1;
            s.absurd = true;
        }
        return s;
    }

private:
    std::size_t pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_); }
    double within(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng_); }

    double ordinary(const ActionParam& p) {
        switch (p.kind) {
            case ParamKind::Index:
                return double(pick(std::size_t(p.count)));
            case ParamKind::Buttons:
                return pick(4) == 0 ? double(pick(8)) : double(pick(2));
            case ParamKind::Coordinate:
                // Mostly on or near the page, sometimes anywhere the window allows, in whole or half pixels.
                return pick(10) == 0 ? std::round(within(-1e6, 1e6)) : std::round(within(-40, 850) * 2) / 2;
        }
        return 0;
    }

    const ActionHub& hub_;
    std::mt19937_64 rng_;
    std::vector<std::string> names_;
};

std::uint64_t CanvasHash(const Surface& s) {
    std::uint64_t h = 1469598103934665603ull;
    const std::size_t n = std::size_t(s.width()) * std::size_t(s.height());
    for (std::size_t i = 0; i < n; ++i) h = (h ^ std::uint32_t(s.data()[i])) * 1099511628211ull;
    return h;
}

// Runs the steps on a fresh window; the first broken promise, if any.
std::optional<std::string> Trial(const std::vector<Step>& steps, QFile* log = nullptr) {
    testkit::WindowRig rig;
    if (!rig.loaded) return "the window did not start";
    MainWindow& w = rig.w();
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const Step& s = steps[i];
        if (log) {
            log->write((ScriptLine(s) + '\n').c_str());
            log->flush();
        }
        const std::uint64_t before = s.absurd ? CanvasHash(w.canvas) : 0;
        std::string error;
        const bool ran = w.actions.run(s.name, s.args, &error);
        QCoreApplication::processEvents();  // as the replay tool does after every line
        const std::string at = "step " + std::to_string(i + 1) + " (" + ScriptLine(s) + "): ";
        if (s.absurd && ran) return at + "an absurd number was let through";
        if (s.absurd && error.empty()) return at + "refused without a reason";
        if (s.absurd && CanvasHash(w.canvas) != before) return at + "a refused call changed the drawing";
        if (!s.absurd && !ran) return at + "an ordinary call was refused: " + error;
        if (w.canvas.width() != Surface::kWidth || w.canvas.height() != Surface::kHeight)
            return at + "the page changed size";
        if (w.state.SizeIndex < 0 || w.state.SizeIndex > 3) return at + "no brush size is chosen";
    }
    return std::nullopt;
}

// Removes runs of steps, halving their length, while the failure holds.
std::vector<Step> Shrunk(std::vector<Step> steps) {
    for (std::size_t chunk = steps.size() / 2; chunk >= 1; chunk /= 2) {
        for (std::size_t from = 0; from < steps.size();) {
            std::vector<Step> fewer = steps;
            fewer.erase(fewer.begin() + std::ptrdiff_t(from),
                        fewer.begin() + std::ptrdiff_t(std::min(from + chunk, fewer.size())));
            if (!fewer.empty() && Trial(fewer))
                steps = std::move(fewer);
            else
                from += chunk;
        }
    }
    return steps;
}

TEST(SoakTest, ThousandsOfRandomActionsKeepTheWindowSound) {
    const std::uint64_t seed = EnvNumber("PINTALOO_SOAK_SEED", 20261208);
    const std::size_t count = std::size_t(EnvNumber("PINTALOO_SOAK_STEPS", 3000));
    std::vector<Step> steps;
    {
        testkit::WindowRig names;
        StepMaker maker(names.w().actions, seed);
        for (std::size_t i = 0; i < count; ++i) steps.push_back(maker.next());
    }
    std::size_t absurd = 0;
    for (const Step& s : steps) absurd += s.absurd ? 1 : 0;
    EXPECT_GT(absurd, count / 60) << "some calls carry absurd numbers";
    EXPECT_LT(absurd, count / 10) << "most calls are ordinary";

    QFile log(QDir::temp().filePath(QStringLiteral("pintaloo-soak-%1.txt").arg(seed)));
    ASSERT_TRUE(log.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text));
    std::fprintf(stderr, "soak: seed %llu, %zu steps, the steps so far in %s\n", static_cast<unsigned long long>(seed),
                 count, qPrintable(log.fileName()));
    const std::optional<std::string> failure = Trial(steps, &log);
    log.close();
    if (!failure) {
        log.remove();
        return;
    }
    const std::vector<Step> minimal = Shrunk(steps);
    std::string script;
    for (const Step& s : minimal) script += ScriptLine(s) + '\n';
    ADD_FAILURE() << "soak seed " << seed << ": " << *failure << "\nthe shortest script that still fails ("
                  << minimal.size() << " lines, " << Trial(minimal).value_or("no longer fails") << "):\n"
                  << script;
}

}  // namespace
}  // namespace pintaloo::uitest
