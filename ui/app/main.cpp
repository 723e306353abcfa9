// Pintaloo: starts the window, or, when a copy is already running, plays
// the start sound and ends at once.
#include <QApplication>
#include <QThread>

#include "app/main_window.h"
#include "app/platform_services.h"
#include "media/sdl_audio_backend.h"
#include "media/sounds.h"
#include "media/temp_folder.h"

using namespace pintaloo;

int main(int argc, char** argv) {
    // The sound device opens while Qt starts up, so neither waits for the other.
    SdlAudioBackend audio;
    audio.openInBackground();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pintaloo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Pintaloo"));

    SingleInstance instance;
    TempFolder temp;
    Sounds sounds(audio, temp);
    DesktopWebLink web;
    Services services;
    services.sounds = &sounds;
    services.temp = &temp;
    services.web = &web;

    MainWindow window(services);
    QtFileDialog dialog(&window);
    MessageBoxes messages(&window);
    window.services.dialog = &dialog;
    window.services.messages = &messages;
    if (!window.Form_Load(instance.anotherIsRunning())) return 0;
    window.show();
    return app.exec();
}
