// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/story/replay_script.h"

#include "ui/story/replay_pointers.h"

#include <QKeySequence>
#include <QRegularExpression>
#include <optional>
#include <string>

namespace pintaloo {

namespace {

const QRegularExpression& Spaces() {
    static const QRegularExpression spaces(QStringLiteral("\\s+"));
    return spaces;
}

// Checks a call against the table: its name, how many arguments, and the
// values the action takes (finite, in range). The reason, or nothing.
std::optional<QString> RefusedByTable(const ActionHub& actions, const QString& name,
                                      const std::vector<double>& values) {
    const auto id = actions.find(name.toStdString());
    if (!id) return QStringLiteral("unknown handler '%1'").arg(name);
    std::string why;
    if (!actions.validate(*id, values, &why)) return QString::fromStdString(why);
    return std::nullopt;
}

// One plain line (not a recording's own) into a call. The reason it is
// refused, or nothing; a line that is merely malformed has an empty reason.
std::optional<QString> ParsePlainLine(const QString& text, const ActionHub& actions, ReplayCall& c) {
    const std::optional<QString> malformed = QString();
    if (c.name == QLatin1String("dialog")) {
        if (c.args.isEmpty()) return malformed;
        c.args = {text.section(Spaces(), 1)};
        return std::nullopt;
    }
    if (c.name == QLatin1String("wait")) {
        // A pause of at most a minute: a longer one, or one that is not a
        // number, is a mistake in the script, not something to sit out.
        bool ok = c.args.size() == 1;
        const double ms = ok ? c.args[0].toDouble(&ok) : 0.0;
        if (!ok) return malformed;
        if (!(ms >= 0 && ms <= kLongestWaitMs))
            return QStringLiteral("wait takes milliseconds from 0 to %1, not %2").arg(kLongestWaitMs).arg(c.args[0]);
        return std::nullopt;
    }
    if (c.name == QLatin1String("key")) {
        // One key sequence in the portable spelling ("Ctrl+Z", "Esc").
        c.args = {text.section(Spaces(), 1)};
        const QKeySequence keys = QKeySequence::fromString(c.args[0], QKeySequence::PortableText);
        if (keys.count() != 1 || keys[0].key() == Qt::Key_unknown) return malformed;
        return std::nullopt;
    }
    if (c.name == QLatin1String("touch") || c.name == QLatin1String("pen")) return ReplayPointers::Refused(c.name, c.args);
    const std::string name = c.name.toStdString();
    if (!actions.has(name)) return QStringLiteral("unknown handler '%1'").arg(c.name);
    if (std::size_t(c.args.size()) > actions.arity(name)) return malformed;
    for (const QString& a : c.args) {
        bool ok = false;
        c.values.push_back(a.toDouble(&ok));
        if (!ok) return malformed;
    }
    // Arguments the action refuses (not finite, out of range) stop the script before it runs.
    return RefusedByTable(actions, c.name, c.values);
}

}  // namespace

bool IsRecordingStep(const QString& name) {
    return name == QLatin1String(kSeedWord) || name == QLatin1String(kStartWord) ||
           name == QLatin1String(kPictureWord) || name == QLatin1String(kStateWord) ||
           name == QLatin1String(kChoicesWord);
}

ReplayScript ReadReplayScript(const QString& name, const QString& text, const ActionHub& actions) {
    ReplayScript out;
    const auto refuse = [&](int line, const QString& why) {
        out.error = QStringLiteral("%1:%2: %3").arg(name).arg(line).arg(why);
        out.calls.clear();
        return out;
    };
    RecordingDirectives recording;
    bool inRecording = false;
    QStringList lines = text.split(QLatin1Char('\n'));
    // A recording's last line without its line break was cut off by a crash
    // while being written: it plays up to the line before.
    if (!lines.isEmpty() && !lines.last().isEmpty() && RecordingDirectives::Handles(lines.first().trimmed())) {
        out.notes << QStringLiteral("%1: the last line was cut off and is left out").arg(name);
        lines.removeLast();
    }
    for (int line = 1; line <= lines.size(); ++line) {
        const QString trimmed = lines[line - 1].trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#'))) continue;
        if (RecordingDirectives::Handles(trimmed)) {
            inRecording = true;
            std::vector<ReplayStep> steps;
            QString why;
            if (!recording.Expand(trimmed, steps, &why)) return refuse(line, why);
            for (const ReplayStep& step : steps) {
                ReplayCall r{line, step.name, step.args, {}, step.atMs, step};
                if (!IsRecordingStep(step.name)) {
                    for (const QString& a : step.args) r.values.push_back(a.toDouble());
                    if (const auto refused = RefusedByTable(actions, step.name, r.values)) return refuse(line, *refused);
                }
                out.calls.push_back(r);
            }
            continue;
        }
        QStringList words = trimmed.split(Spaces());
        ReplayCall c{line, words.takeFirst(), words, {}, -1, {}};
        if (inRecording) c.atMs = recording.now();  // a call of a recording, at the time its `at` lines reached
        if (const auto refused = ParsePlainLine(trimmed, actions, c)) {
            return refuse(line, refused->isEmpty() ? QStringLiteral("malformed line: %1").arg(trimmed) : *refused);
        }
        out.calls.push_back(c);
    }
    return out;
}

}  // namespace pintaloo
