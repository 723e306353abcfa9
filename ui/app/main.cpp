// Pintaloo: starts the window, or, when a copy is already running, plays
// the start sound and ends at once.
#include <QApplication>
#include <QTimer>
#include <QThread>

#include "app/main_window.h"
#include "app/platform_services.h"
#include "pages/picture_reader.h"
#include "media/sdl_audio_backend.h"
#include "media/sounds.h"
#include "media/temp_folder.h"

using namespace pintaloo;

int main(int argc, char** argv) {
    // Sound waits until the window is up: the start sound asked for on the
    // way is played as soon as the device is open.
    SdlAudioBackend audio;
    audio.deferOpening();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pintaloo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Pintaloo"));

    TempFolder temp;
    SingleInstance instance(temp);
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
    window.onFirstPaint = [&audio] { audio.openInBackground(); };
    window.show();
    // Should the window not be drawn soon (started minimised), sound still comes.
    QTimer::singleShot(1000, [&audio] { audio.openInBackground(); });
    const int status = app.exec();
    FinishPictureDecoding();  // a picture given up on still decodes: let it end before Qt unloads the decoder
    return status;
}
