// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// pintaloo-replay [--canvas OUT.bmp] [--state OUT.txt] [--sounds OUT.txt] [--window OUT.png] [--print-to OUT.pdf]
//                 [--state-dir DIR] [--pictures-dir DIR] [--film OUT.webp] SCRIPT
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
// With --pictures-dir every drawing replaced (a new page, a colouring page,
// an opened picture) is filed into DIR as the program files into the
// child's gallery; without it nothing is filed.
// With --settings FILE (a pintaloo.conf) its children are read: with two or
// more the picker asks who paints, and each child's drawings are kept and
// filed in their own folders under DIRs given, as the program does.
//
// A recording is a script too: its `start`, `at`, `moves`, `seed`, `picture` and `state` lines
// run as the program recorded them. Every run is recorded as the program
// records (in DIR with --state-dir), and --film writes the film of it.
//
// pintaloo-replay --grown-ups DIR writes pictures of the grown-up's settings
// window (settings-N.png, page by page) and of its question (question.png)
// in the language the environment asks for, to look at; no script runs.
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTextStream>
#include <cstdio>

#include "ui/platform/settings.h"
#include "ui/programs/replay_run.h"
#include "ui/window/grownup_question.h"
#include "ui/window/grownup_settings.h"
#include "ui/window/language_look.h"

using namespace pintaloo;

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: pintaloo-replay [--canvas OUT.bmp] [--state OUT.txt] [--sounds OUT.txt] [--window OUT.png]\n"
                 "                       [--print-to OUT.pdf] [--state-dir DIR] [--pictures-dir DIR] [--film OUT.webp]\n"
                 "                       [--settings FILE]\n"
                 "                       SCRIPT\n");
    return 2;
}

int PictureGrownUps(const QString& folder) {
    const Language language = LanguageFromEnvironment(ProcessEnvironment());
    ApplyLanguageLook(language);
    MemorySettings settings;
    GrownUpSettings::Roles roles;
    roles.settings = &settings;
    roles.language = language;
    roles.usualFolder = QStringLiteral("/home/child/Pictures/Pintaloo");
    GrownUpSettings window(roles);
    window.show();
    bool written = true;
    for (int page = 0; page < window.pageCount(); ++page) {
        window.showPage(page);
        QApplication::processEvents();
        written &= window.grab().save(QStringLiteral("%1/settings-%2.png").arg(folder).arg(page));
    }
    GrownUpQuestionDialog question({QStringLiteral("7 × 6"), 42}, language, 0);
    question.show();
    question.field().setText(QStringLiteral("4"));
    QApplication::processEvents();
    written &= question.grab().save(folder + QStringLiteral("/question.png"));
    return written ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ReplayOutputs outputs;
    QString script;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == "--grown-ups" && i + 1 < args.size()) {
            return PictureGrownUps(args[i + 1]);
        } else if (a == "--state-dir" && i + 1 < args.size()) {
            outputs.stateDir = args[++i];
        } else if (a == "--pictures-dir" && i + 1 < args.size()) {
            outputs.picturesDir = args[++i];
        } else if (a == "--settings" && i + 1 < args.size()) {
            outputs.settings = args[++i];
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
