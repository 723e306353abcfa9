// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// pintaloo-replay [--canvas OUT.bmp] [--state OUT.txt] [--sounds OUT.txt] [--window OUT.png] [--print-to OUT.pdf]
//                 [--state-dir DIR] [--film OUT.webp] SCRIPT
//
// Runs the real window's code without showing it, calling handlers by name
// from a script (one call a line, `#` comments; `key Ctrl+Z` presses keys), then writes the canvas,
// the state and the sounds asked for, and a picture of the whole window. A bad line: a message naming it,
// exit status 2, nothing written. The window speaks the language the
// environment asks for, as the program does (English when nothing is set);
// no settings file is read or written. Printing writes OUT.pdf (nothing
// without --print-to).
// With --state-dir the drawing kept in DIR is shown at the start and
// every change is kept there, as the program does with the user's state folder; without it nothing is kept.
//
// A recording is a script too: its `start`, `at`, `moves`, `seed`, `picture` and `state` lines
// run as the program recorded them. Every run is recorded as the program
// records (in DIR with --state-dir), and --film writes the film of it.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QKeySequence>
#include <QRegularExpression>
#include <QTextStream>
#include <cstdio>

#include "ui/parts/drawing_history.h"
#include "ui/files/kept_drawing.h"
#include "ui/words/language.h"
#include "ui/window/main_window.h"
#include "ui/story/recording_directives.h"
#include "ui/story/replay_run.h"
#include "ui/story/session_recorder.h"
#include "ui/platform/settings.h"
#include "ui/story/state_dump.h"
#include "ui/story/story_player.h"
#include "ui/platform/fake_audio_backend.h"
#include "ui/platform/sounds.h"
#include "ui/platform/temp_folder.h"
#include "ui/parts/drawing_files.h"
#include "ui/files/printing.h"
#include "ui/platform/stand_ins.h"

using namespace pintaloo;

namespace {

struct Call {
    int line;
    QString name;
    QStringList args;
    std::vector<double> values;  // the arguments of an action, read once
    std::int64_t atMs = -1;      // a recorded call's time; -1 in a plain script
    ReplayStep step;             // a recording's `seed` or `start`
};

void PrintMessage(const QString& title, const QString& text) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
}

bool WriteLines(const QString& path, const QStringList& lines) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) return false;
    QTextStream out(&f);
    for (const QString& l : lines) out << l << '\n';
    return true;
}

// The lines of a recording the window carries out itself rather than as actions.
bool IsRecordingStep(const QString& name) {
    return name == QLatin1String(kSeedWord) || name == QLatin1String(kStartWord) ||
           name == QLatin1String(kPictureWord) || name == QLatin1String(kStateWord);
}

// Longer pauses are refused rather than sat out.
constexpr int kLongestWaitMs = 60000;

#ifndef PINTALOO_REPLAY_NO_MAIN
int Usage() {
    std::fprintf(stderr,
                 "usage: pintaloo-replay [--canvas OUT.bmp] [--state OUT.txt] [--sounds OUT.txt] [--window OUT.png]\n"
                 "                       [--print-to OUT.pdf] [--state-dir DIR] [--film OUT.webp] SCRIPT\n");
    return 2;
}
#endif

}  // namespace

namespace pintaloo {

int RunReplay(const QString& script, QTextStream& in, const ReplayOutputs& outputs) {
    const QString &canvasOut = outputs.canvas, &stateOut = outputs.state, &soundsOut = outputs.sounds,
                  &windowOut = outputs.window, &printOut = outputs.print, &stateDir = outputs.stateDir,
                  &filmOut = outputs.film;
    TempFolder temp;
    FakeAudioBackend audio;
    QStringList soundLines;
    Sounds sounds(audio, temp,
                  [&](const char* kind, int n) { soundLines << QStringLiteral("%1 %2").arg(kind).arg(n); });
    standin::ScriptedDialog dialog;
    standin::RecordingHelp help;
    standin::RecordingMessages messages(PrintMessage);
    MemorySettings settings;
    PdfPrintPort printer(printOut);
    Services services{&sounds, &temp, &dialog, &help, &messages, printOut.isEmpty() ? nullptr : &printer, &settings};
    MainWindow window(services);
    window.language = LanguageFromEnvironment(ProcessEnvironment());
    // The user's kept drawing and story are never touched unless a folder is given.
    const QString folder = stateDir.isEmpty() ? QString() : QFileInfo(stateDir).absoluteFilePath();
    if (!folder.isEmpty() && !QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot make the folder %s\n", qPrintable(folder));
        return 2;
    }
    SessionRecorder recorder(window, folder);
    RecordingDirectives recording;

    // Read and check the whole script before anything runs.
    std::vector<Call> calls;
    bool inRecording = false;
    QStringList scriptLines = in.readAll().split(QLatin1Char('\n'));
    // A recording's last line without its line break was cut off by a crash
    // while being written: it plays up to the line before.
    if (!scriptLines.isEmpty() && !scriptLines.last().isEmpty() &&
        RecordingDirectives::Handles(scriptLines.first().trimmed())) {
        std::fprintf(stderr, "%s: the last line was cut off and is left out\n", qPrintable(script));
        scriptLines.removeLast();
    }
    for (int line = 1; line <= scriptLines.size(); ++line) {
        const QString text = scriptLines[line - 1].trimmed();
        if (text.isEmpty() || text.startsWith('#')) continue;
        QStringList words = text.split(QRegularExpression(QStringLiteral("\\s+")));
        Call c{line, words.takeFirst(), words, {}, -1, {}};
        bool ok = true;
        if (RecordingDirectives::Handles(text)) {
            inRecording = true;
            std::vector<ReplayStep> steps;
            QString why;
            if (!recording.Expand(text, steps, &why)) {
                std::fprintf(stderr, "%s:%d: %s\n", qPrintable(script), line, qPrintable(why));
                return 2;
            }
            for (const ReplayStep& step : steps) {
                Call r{line, step.name, step.args, {}, step.atMs, step};
                if (!IsRecordingStep(step.name)) {
                    for (const QString& a : step.args) r.values.push_back(a.toDouble());
                    std::string bad;
                    const auto id = window.actions.find(step.name.toStdString());
                    if (!id || !window.actions.validate(*id, r.values, &bad)) {
                        std::fprintf(stderr, "%s:%d: %s\n", qPrintable(script), line,
                                     id ? bad.c_str() : qPrintable("unknown handler '" + step.name + "'"));
                        return 2;
                    }
                }
                calls.push_back(r);
            }
            continue;
        }
        if (inRecording) c.atMs = recording.now();  // a call of a recording, at the time its `at` lines reached
        if (c.name == "dialog") {
            ok = c.args.size() >= 1;
            c.args = {text.section(QRegularExpression(QStringLiteral("\\s+")), 1)};
        } else if (c.name == "wait") {
            // A pause of at most a minute: a longer one, or one that is not a
            // number, is a mistake in the script, not something to sit out.
            ok = c.args.size() == 1;
            const double ms = ok ? c.args[0].toDouble(&ok) : 0.0;
            if (ok && !(ms >= 0 && ms <= kLongestWaitMs)) {
                std::fprintf(stderr, "%s:%d: wait takes milliseconds from 0 to %d, not %s\n", qPrintable(script), line,
                             kLongestWaitMs, qPrintable(c.args[0]));
                return 2;
            }
        } else if (c.name == "key") {
            // One key sequence in the portable spelling ("Ctrl+Z", "Esc").
            c.args = {text.section(QRegularExpression(QStringLiteral("\\s+")), 1)};
            const QKeySequence keys = QKeySequence::fromString(c.args[0], QKeySequence::PortableText);
            ok = keys.count() == 1 && keys[0].key() != Qt::Key_unknown;
        } else if (!window.actions.has(c.name.toStdString())) {
            std::fprintf(stderr, "%s:%d: unknown handler '%s'\n", qPrintable(script), line, qPrintable(c.name));
            return 2;
        } else {
            ok = std::size_t(c.args.size()) <= window.actions.arity(c.name.toStdString());
            for (const QString& a : c.args) {
                if (!ok) break;
                c.values.push_back(a.toDouble(&ok));
            }
            // Arguments the action refuses (not finite, out of range) stop the script before it runs.
            std::string why;
            if (ok && !window.actions.validate(*window.actions.find(c.name.toStdString()), c.values, &why)) {
                std::fprintf(stderr, "%s:%d: %s\n", qPrintable(script), line, why.c_str());
                return 2;
            }
        }
        if (!ok) {
            std::fprintf(stderr, "%s:%d: malformed line: %s\n", qPrintable(script), line, qPrintable(text));
            return 2;
        }
        calls.push_back(c);
    }

    window.Load(false);
    if (!folder.isEmpty() && window.drawingHistory().keepIn(folder)) recorder.startFrom(KeptDrawingPath(folder));
    // The run is recorded in script time, not in the moments it took here: a
    // recording's calls at the times it gives, a plain script's a tenth of a
    // second apart (and `wait` as long as it says), so its film moves evenly.
    std::int64_t scriptTime = 0;
    constexpr std::int64_t kPlainStepMs = 100;
    recorder.clock = [&scriptTime] { return scriptTime; };
    const RecordingHooks hooks{
        [&window](std::uint32_t n) { window.random.reseed(n); },
        [&](const RecordingStart& start, QString* why) {
            if (start.kind == RecordingStart::Kind::Blank) return true;
            if (start.kind == RecordingStart::Kind::Page) {
                *why = QStringLiteral("a story that starts on a page cannot be replayed yet");
                return false;
            }
            const QString picture = PictureBeside(script, start);
            if (!DrawingFiles::LoadPicture(picture, window.canvas.width(), window.canvas.height())) {
                *why = QStringLiteral("the picture %1 is missing or cannot be read").arg(picture);
                return false;
            }
            dialog.answers.push_back(picture);
            std::string error;
            const bool ran = window.actions.run("Label7_MouseDown", {1, 0, 0}, &error);
            if (!ran) *why = QString::fromStdString(error);
            // The story begins at the picture: undo cannot go further back,
            // as it could not where it was recorded.
            window.drawingHistory().restart();
            recorder.restartHere();
            return ran;
        },
        [&](const RecordingStart& picture, QString* why) {
            const QString path = PictureBeside(script, picture);
            if (!DrawingFiles::LoadPicture(path, window.canvas.width(), window.canvas.height())) {
                *why = QStringLiteral("the picture %1 is missing or cannot be read").arg(path);
                return false;
            }
            dialog.answers.push_back(path);
            return true;
        },
        [&](const std::vector<double>& numbers) {
            if (!BeginWithState(window, numbers)) return false;
            recorder.restartHere();
            return true;
        }};
    for (const Call& c : calls) {
        scriptTime = c.atMs >= 0 ? c.atMs : scriptTime + kPlainStepMs;
        if (c.name == "wait") scriptTime += std::int64_t(c.args[0].toDouble());
        if (c.atMs >= 0 && IsRecordingStep(c.name)) {
            QString why;
            if (!RunRecordingStep(c.step, hooks, &why)) {
                std::fprintf(stderr, "%s:%d: %s\n", qPrintable(script), c.line, qPrintable(why));
                return 2;
            }
        } else if (c.name == "dialog") {
            dialog.answers.push_back(c.args[0] == "cancel" ? QString() : c.args[0]);
        } else if (c.name == "wait") {
            window.Delay(c.args[0].toDouble());
        } else {
            std::string error;
            bool ran;
            if (c.name == "key") {  // an unbound key does nothing, as on the keyboard
                const QKeySequence keys = QKeySequence::fromString(c.args[0], QKeySequence::PortableText);
                ran = window.actions.runKey(keys, &error) || error.empty();
            } else {
                ran = window.actions.run(c.name.toStdString(), c.values, &error);
            }
            if (!ran) {
                std::fprintf(stderr, "%s:%d: %s\n", qPrintable(script), c.line, error.c_str());
                return 2;
            }
        }
        QCoreApplication::processEvents();
    }

    bool written = true;
    if (!canvasOut.isEmpty()) written &= DrawingFiles::SaveCanvas(window.canvas, canvasOut);
    if (!stateOut.isEmpty()) written &= WriteLines(stateOut, DumpState(window));
    if (!soundsOut.isEmpty()) written &= WriteLines(soundsOut, soundLines);
    if (!windowOut.isEmpty()) written &= window.grab().save(windowOut);
    recorder.sync();
    if (!filmOut.isEmpty()) {
        QString why;
        if (!MakeStoryFilm(recorder.story(), filmOut, &why)) {
            std::fprintf(stderr, "cannot make the film %s: %s\n", qPrintable(filmOut), qPrintable(why));
            written = false;
        }
    }
    window.Unload();
    return written ? 0 : 1;
}

}  // namespace pintaloo

#ifndef PINTALOO_REPLAY_NO_MAIN
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ReplayOutputs outputs;
    QString script;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == "--state-dir" && i + 1 < args.size()) {
            outputs.stateDir = args[++i];
        } else if (a == "--film" && i + 1 < args.size()) {
            outputs.film = args[++i];
        } else if (a == "--print-to" && i + 1 < args.size()) {
            outputs.print = args[++i];
        } else if ((a == "--canvas" || a == "--state" || a == "--sounds" || a == "--window") && i + 1 < args.size()) {
            (a == "--canvas"   ? outputs.canvas
             : a == "--state"  ? outputs.state
             : a == "--sounds" ? outputs.sounds
                               : outputs.window) = args[++i];
        } else if (script.isEmpty() && !a.startsWith("--")) {
            script = a;
        } else {
            return Usage();
        }
    }
    if (script.isEmpty()) return Usage();
    QFile file(script);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(script));
        return 2;
    }
    QTextStream in(&file);
    return RunReplay(script, in, outputs);
}
#endif
