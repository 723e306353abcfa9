// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// pintaloo-replay [--canvas OUT.bmp] [--state OUT.txt] [--sounds OUT.txt] [--window OUT.png] [--print-to OUT.pdf]
//                 [--state-dir DIR] SCRIPT
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
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QKeySequence>
#include <QRegularExpression>
#include <QTextStream>
#include <cstdio>

#include "app/drawing_history.h"
#include "app/language.h"
#include "app/main_window.h"
#include "app/replay_run.h"
#include "app/settings.h"
#include "app/state_dump.h"
#include "media/fake_audio_backend.h"
#include "media/sounds.h"
#include "media/temp_folder.h"
#include "pages/drawing_files.h"
#include "pages/printing.h"
#include "stand_ins.h"

using namespace pintaloo;

namespace {

struct Call {
    int line;
    QString name;
    QStringList args;
    std::vector<double> values;  // the arguments of an action, read once
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

// Longer pauses are refused rather than sat out.
constexpr int kLongestWaitMs = 60000;

#ifndef PINTALOO_REPLAY_NO_MAIN
int Usage() {
    std::fprintf(stderr,
                 "usage: pintaloo-replay [--canvas OUT.bmp] [--state OUT.txt] [--sounds OUT.txt] [--window OUT.png] "
                 "[--print-to OUT.pdf] [--state-dir DIR] SCRIPT\n");
    return 2;
}
#endif

}  // namespace

namespace pintaloo {

int RunReplay(const QString& script, QTextStream& in, const ReplayOutputs& outputs) {
    const QString &canvasOut = outputs.canvas, &stateOut = outputs.state, &soundsOut = outputs.sounds,
                  &windowOut = outputs.window, &printOut = outputs.print, &stateDir = outputs.stateDir;
    TempFolder temp;
    FakeAudioBackend audio;
    QStringList soundLines;
    Sounds sounds(audio, temp,
                  [&](const char* kind, int n) { soundLines << QStringLiteral("%1 %2").arg(kind).arg(n); });
    standin::ScriptedDialog dialog;
    standin::RecordingBrowser web;
    standin::RecordingMessages messages(PrintMessage);
    MemorySettings settings;
    PdfPrintPort printer(printOut);
    Services services{&sounds, &temp, &dialog, &web, &messages, printOut.isEmpty() ? nullptr : &printer, &settings};
    MainWindow window(services);
    window.language = LanguageFromEnvironment(ProcessEnvironment());

    // Read and check the whole script before anything runs.
    std::vector<Call> calls;
    for (int line = 1; !in.atEnd(); ++line) {
        const QString text = in.readLine().trimmed();
        if (text.isEmpty() || text.startsWith('#')) continue;
        QStringList words = text.split(QRegularExpression(QStringLiteral("\\s+")));
        Call c{line, words.takeFirst(), words, {}};
        bool ok = true;
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

    window.Form_Load(false);
    // The user's kept drawing is never touched unless a folder is given.
    if (!stateDir.isEmpty()) {
        const QString folder = QFileInfo(stateDir).absoluteFilePath();
        if (!QDir().mkpath(folder)) {
            std::fprintf(stderr, "cannot make the folder %s\n", qPrintable(folder));
            return 2;
        }
        window.drawingHistory().keepIn(folder);
    }
    for (const Call& c : calls) {
        if (c.name == "dialog") {
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
    window.Form_Unload();
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
