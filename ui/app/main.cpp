// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Pintaloo: starts the window, or, when a copy is already running, plays
// the start sound and ends at once.
#include <QApplication>
#include <QIcon>
#include <QThread>
#include <QTimer>

#include "app/command_line.h"
#include "app/kept_drawing.h"
#include "app/main_window.h"
#include "app/platform_services.h"
#include "app/quit_on_signal.h"
#include "app/session_recorder.h"
#include "media/film_part.h"
#include "media/sdl_audio_backend.h"
#include "media/sounds.h"
#include "media/temp_folder.h"
#include "pages/picture_reader.h"

using namespace pintaloo;

int main(int argc, char** argv) {
    // Read before anything opens a display, so --help works on a console.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine commandLine = ParseCommandLine(arguments, QStringLiteral(PINTALOO_VERSION));
    if (const int status = FinishCommandLine(commandLine); status >= 0) return status;
    const CommandLineOptions& options = commandLine.options;

    // Sound waits until the window is up: the start sound asked for on the
    // way is played as soon as the device is open.
    SdlAudioBackend audio;
    audio.deferOpening();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pintaloo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Pintaloo"));
    QApplication::setApplicationVersion(QStringLiteral(PINTALOO_VERSION));
    // Ties the window to its launcher entry: the task bar's icon on Wayland.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.pintaloo.Pintaloo"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/art/ui/app_icon.svg")));

    TempFolder temp;
    SingleInstance instance(temp);
    Sounds sounds(audio, temp);
    DesktopWebLink web;
    Services services;
    if (!options.nosound) services.sounds = &sounds;  // without it nothing asks for sound
    services.temp = &temp;
    services.web = &web;

    MainWindow window(services);
    QtFileDialog dialog(&window);
    MessageBoxes messages(&window);
    window.services.dialog = &dialog;
    window.services.messages = &messages;
    if (!window.Form_Load(instance.anotherIsRunning())) return 0;
    // The making of the drawing, beside the kept drawing (in memory only when
    // that folder cannot be made). Only the one running copy starts a story.
    SessionRecorder recorder(window, KeptDrawingFolder());
    FilmPart film(window, recorder);
    if (!options.nosound) {
        window.onFirstPaint = [&audio] { audio.openInBackground(); };
        // Should the window not be drawn soon (started minimised), sound still comes.
        QTimer::singleShot(1000, [&audio] { audio.openInBackground(); });
    }
    // A SIGTERM closes the window the way its close button does.
    QuitOnSignal quitOnSignal([&window] { window.close(); });
    window.show();
    const int status = app.exec();
    FinishPictureDecoding();  // a picture given up on still decodes: let it end before Qt unloads the decoder
    return status;
}
