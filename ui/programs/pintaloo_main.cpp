// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Pintaloo: starts the window, or, when a copy is already running, plays
// the start sound and ends at once.
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

#include "ui/parts/comfort_buttons.h"
#include "ui/programs/command_line.h"
#include "ui/programs/first_frame_words.h"
#include "ui/actions/box.h"
#include "ui/platform/desktop_compositing.h"
#include "ui/parts/drawing_history.h"
#include "ui/platform/font_warm_up.h"
#include "ui/files/kept_drawing.h"
#include "ui/words/language.h"
#include "ui/window/key_access.h"
#include "ui/window/main_window.h"
#include "ui/platform/platform_services.h"
#include "ui/window/screen_host.h"
#include "ui/platform/session_end.h"
#include "ui/window/child_sessions.h"
#include "ui/story/session_recorder.h"
#include "ui/platform/settings.h"
#include "ui/programs/start_choices.h"
#include "ui/files/stamp_collections.h"
#include "ui/files/state_folder_lock.h"
#include "ui/files/thumbnail_cache.h"
#include "engine/canvas/large_pages.h"
#include "engine/canvas/surface.h"
#include "ui/story/film_part.h"
#include "ui/parts/help_link.h"
#include "ui/parts/window_chrome.h"
#include "ui/window/grownup_door.h"
#include "ui/window/grownup_question.h"
#include "ui/window/grownup_settings.h"
#include "ui/parts/children_page.h"
#include "ui/parts/drawing_files.h"
#include "ui/parts/week_export_page.h"
#include "ui/files/child_folders.h"
#include "ui/files/gallery_folder.h"
#include "ui/parts/child_picker.h"
#include "ui/files/week_export.h"
#include "ui/window/help_window.h"
#include "ui/platform/sdl_audio_backend.h"
#include "ui/platform/sounds.h"
#include "ui/platform/start_marks.h"
#include "ui/words/texts.h"
#include "ui/platform/temp_folder.h"
#include "ui/words/texts.h"
#include "ui/files/picture_reader.h"
#include "ui/files/printing.h"
#include "ui/art/art_store.h"

using namespace pintaloo;

namespace {

// Outside a desktop session's bus (no address given, none at the runtime
// folder's usual place) D-Bus would fork dbus-launch to start a bus just for
// us, twice: once for Qt, once for SDL. Neither sound nor drawing needs one,
// and the fork and its exit signal cost the start-up tens of milliseconds,
// so point both at the usual place, where a bus started later is still found.
void KeepToTheSessionBus() {
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) return;
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (runtime.isEmpty()) return;
    const QByteArray bus = runtime + "/bus";
    if (QFileInfo::exists(QString::fromLocal8Bit(bus))) return;  // D-Bus finds it there by itself
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + bus);
}

// Qt ends a start it cannot show anywhere with a fatal message that advises
// reinstalling; the cause is nearly always that there is no desktop to show
// on (a console, a remote shell without forwarding, a service). While the
// application object meets the window system, Qt's messages are held back:
// a fatal one is answered with one plain line in the user's language and
// status 1; otherwise they are passed on as they came.
class DesktopOrPlainWord {
public:
    explicit DesktopOrPlainWord(Language language) {
        language_ = language;
        previous_ = qInstallMessageHandler(&DesktopOrPlainWord::handle);
    }
    ~DesktopOrPlainWord() {
        qInstallMessageHandler(previous_);
        for (const Held& m : held_) previous_(m.type, QMessageLogContext(), m.text);
        held_.clear();
    }
    DesktopOrPlainWord(const DesktopOrPlainWord&) = delete;
    DesktopOrPlainWord& operator=(const DesktopOrPlainWord&) = delete;

private:
    struct Held {
        QtMsgType type;
        QString text;
    };
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (type == QtFatalMsg) {
            std::fprintf(stderr, "%s\n", Text(TextId::NoDesktop, language_).toLocal8Bit().constData());
            std::fflush(stderr);
            std::_Exit(1);
        }
        if (held_.size() < 64)
            held_.push_back({type, context.category ? QStringLiteral("%1: %2").arg(QLatin1String(context.category), text)
                                                    : text});
    }
    static inline Language language_ = Language::English;
    static inline QtMessageHandler previous_ = nullptr;
    static inline std::vector<Held> held_;
};

// A later start whose knock reached no door (the running copy is hung, or
// something stands in its door's place) ends without the window coming
// back; a start that ended silently would look broken, so it says why, on
// the terminal and, where a box can be shown, in one.
void SayRunningCopyHidden(Language language) {
    const QString text = Text(TextId::RunningCopyHidden, language);
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")) return;
    QMessageBox::information(nullptr, QGuiApplication::applicationDisplayName(), text);
}

}  // namespace

int main(int argc, char** argv) {
    StartMark("main");
    // Read before anything opens a display, so --help works on a console.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine commandLine = ParseCommandLine(arguments, QStringLiteral(PINTALOO_VERSION));
    if (const int status = FinishCommandLine(commandLine); status >= 0) return status;
    const CommandLineOptions& options = commandLine.options;

    // Sound waits until the window is up: the start sound asked for on the
    // way is played as soon as the device is open.
    KeepToTheSessionBus();  // before Qt or SDL look for a bus
    // The canvas's memory is made on the other core while Qt meets the
    // window system.
    PrepareLarge(std::size_t(Surface::kWidth) * Surface::kHeight * sizeof(Colour));
    SdlAudioBackend audio;
    audio.deferOpening();
    std::optional<DesktopOrPlainWord> plainWord(
        std::in_place, ChooseLanguage(options.lang, std::nullopt, ProcessEnvironment()));
    // Qt waits 5 ms after a widget asks to be repainted before painting it,
    // to gather more changes; paint under a moving pointer would trail it by
    // that much. Without the wait the changes asked for in one pass of the
    // event loop are still painted together.
    if (qEnvironmentVariableIsEmpty("QT_QPA_UPDATE_IDLE_TIME")) qputenv("QT_QPA_UPDATE_IDLE_TIME", "0");
    QApplication app(argc, argv);
    plainWord.reset();
    StartMark("application");
    AskWhetherDesktopComposites();  // the window is rounded by the answer
    // The fonts get ready beside the building of the window, before its
    // first paint needs them for the help line. When that line's picture is
    // kept the first frame needs no font, and reading the font set-up would
    // only slow the building (they share a lock): the fonts then wait for
    // someone to move, press or type, ahead of the first caption.
    FontWarmUpOnFirstInput fonts(HelpLink::captionFont(), HelpLink::firstCaption());
    if (!FirstFrameWords::MayBeKept()) fonts.startNow();
    QApplication::setApplicationName(QStringLiteral("pintaloo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Pintaloo"));
    QApplication::setApplicationVersion(QStringLiteral(PINTALOO_VERSION));
    // Ties the window to its launcher entry: the task bar's icon on Wayland.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.pintaloo.Pintaloo"));
    // The sizes the X11 window manager is handed for a scalable icon, drawn
    // by the build: no SVG icon plugin loaded and nothing drawn at start.
    // Qt converts and sends every size to the X server twice while the
    // window is made; a 128-pixel one was three quarters of that work, and
    // task bars that show more take the launcher entry's scalable icon.
    QIcon icon;
    for (const int side : {16, 32, 48, 64})
        icon.addPixmap(ArtStore::instance().pixmap(QStringLiteral(":/art/ui/app_icon.svg"), {side, side}, 1.0));
    QApplication::setWindowIcon(icon);
    StartMark("icon");

    // The language: --lang (remembered), else the one remembered, else the
    // system's. Qt's own dialogs and buttons speak it too.
    QSettingsPort keptSettings;
    // The options hold for this run only, and never over what the school locked.
    RunSettings settings(keptSettings);
    for (const QString& key : ApplyForThisRun(options, settings))
        std::fprintf(stderr, "pintaloo: the system-wide settings lock %s; the option for it is left unused.\n",
                     key.toLocal8Bit().constData());
    const Language language = StartLanguage(options, settings, ProcessEnvironment());
    QtTranslations qtTexts;
    qtTexts.install(language);
    StartMark("Qt's translations");

    TempFolder temp;
    SingleInstance instance(temp);
    // A later start ends below; first it brings the running copy's window
    // to the front, where the child looks for it, or says it could not.
    const bool unreached = instance.anotherIsRunning() && !instance.knock(LauncherToken());
    StartMark("single instance");
    Sounds sounds(audio, temp);
    Services services;
    services.sounds = &sounds;
    services.temp = &temp;
    services.settings = &settings;
    // The gallery's thumbnails, shared with the desktop's file managers;
    // made before the window so it outlives every request the window makes.
    ThumbnailCache thumbnails;
    services.thumbnails = &thumbnails;
    // The stamp collections on this computer; nothing is read until the
    // stamp browser first asks (then mostly from the index's cache).
    StampCollections stamps(StampCollections::StandardRoots(), StampCollections::StandardCacheFile());
    services.stamps = &stamps;

    MainWindow window(services);
    StartMark("window made");
    HelpWindows help([&window] { return window.shownWindow(); });
    window.services.help = &help;
    window.language = language;
    QtFileDialog dialog(&window);
    MessageBoxes messages(&window);
    DialogPrintPort printer(&window);
    window.services.dialog = &dialog;
    window.services.messages = &messages;
    window.services.printer = &printer;
    // The question only a grown-up answers, modal over the window.
    GrownUpQuestions question([&window] { return window.shownWindow(); });
    window.services.grownUp = &question;
    // A grown-up's --nosound is for this run; the sound button's choice is remembered.
    if (options.nosound && !settings.locked(SettingKey::Sound)) window.comfort().muteForThisRun();
    // The device stays closed while muted, and opens when sound is turned on.
    window.comfort().onSoundOn = [&audio] { audio.openInBackground(); };
    if (!window.Load(instance.anotherIsRunning())) {
        if (unreached) SayRunningCopyHidden(language);
        return unreached ? 1 : 0;
    }
    StartMark("window loaded");
    // The help line from its kept picture, when one fits: the first frame
    // then waits for no font.
    std::optional<FirstFrameWords> words;
    if (auto* line = window.findChild<Box*>(QStringLiteral("lblInfo")); line && !FirstFrameWords::DefaultFile().isEmpty())
        words.emplace(*line, FirstFrameWords::DefaultFile());
    StartMark(words && words->showsKeptPicture() ? "help line kept" : "help line to draw");
    // Scanning as the settings keep it, or as --scan asks for this run.
    if (const int seconds = settings.scanSeconds(); seconds > 0)
        window.keyAccess().setScan(settings.scanSwitches() == 2 ? KeyAccess::Scan::TwoSwitches
                                                                : KeyAccess::Scan::OneSwitch,
                                   seconds);
    // The making of the drawing, beside the kept drawing (in memory only when
    // that folder cannot be made). Only the one running copy starts a story,
    // and only the copy that holds the state folder's lock keeps anything
    // there (another login may run one on the same folder).
    QString keepTrouble;
    const QString stateFolder = KeptDrawingFolder(&keepTrouble);
    const StateFolderLock stateLock(stateFolder);
    const QString keptFolder = stateLock.heldByAnother() ? QString() : stateFolder;
    SessionRecorder recorder(window.storyWindow(), keptFolder);
    FilmPart film(window.storyWindow(), recorder);
    film.applyTexts(window.language);  // its tool tips in the child's language
    StartMark("story");
    if (window.comfort().soundOn()) {
        window.onFirstPaint = [&audio] { audio.openInBackground(); };
        // Should the window not be drawn soon (started minimised), sound still comes.
        QTimer::singleShot(1000, [&audio] { audio.openInBackground(); });
    }
    // Last time's drawing comes back, and every change is kept from now on.
    // Its story begins again at that drawing, so the film ends where the screen is.
    if (stateFolder.isEmpty())
        window.drawingHistory().cannotKeep(Text(TextId::KeepFailed, window.language)
                                               .arg(QDir::toNativeSeparators(KeptDrawingFolderPath()), keepTrouble));
    else if (keptFolder.isEmpty())
        window.drawingHistory().cannotKeep(
            Text(TextId::AnotherCopyKeeps, window.language).arg(QDir::toNativeSeparators(stateFolder)));
    // Last time's drawing comes back (or the picker asks which child paints)
    // and every drawing replaced from now on goes into the child's gallery.
    ChildSessions children(window, recorder, settings, keptFolder);
    children.start();
    StartMark("kept drawing and gallery");
    // The session ending (SIGTERM, SIGHUP) or Ctrl+C closes the window the
    // way its close button does, which keeps the drawing, without asking;
    // drawings held in memory are written wherever a folder takes them.
    SessionEndSignals endOnSignal([&window, &children] {
        children.keepHeldAtSessionEnd();
        window.QuitForSessionEnd();
    });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &window, [&window] { window.Unload(); });
    // As designed when it fits the screen, scaled down evenly when not; full
    // screen when asked for, or when it was left on last time (unless
    // --windowed is given).
    ScreenHost host(window, &settings);
    // Closing the window ends the program, also after it has been in and out
    // of the host's view (Qt's count of open windows can miss that one).
    window.onClosed = [] { QCoreApplication::quit(); };
    instance.onKnock = [&window](const QString& token) { BringToFront(*window.shownWindow(), token); };
    host.start(StartFullScreen(options, settings));
    // The grown-up's settings, behind the question: the logo held three
    // seconds, or Ctrl+Alt+S. Every change is kept and applied at once.
    const auto openSettings = [&] {
        if (!question.confirm(window.language)) return;
        GrownUpSettings::Roles roles;
        roles.settings = &settings;
        roles.language = window.language;
        roles.applySound = [&window](bool on) {
            if (window.comfort().soundOn() != on) window.comfort().ToggleSound();
        };
        roles.applyLanguage = [&window, &qtTexts, &film](Language l) {
            qtTexts.install(l);
            window.SetLanguage(l);
            film.applyTexts(l);
        };
        roles.applyFullScreen = [&window](bool on) { window.setFullScreen(on); };
        roles.applyScan = [&window](int seconds, int switches) {
            if (seconds <= 0)
                window.keyAccess().setScan(KeyAccess::Scan::Off);
            else
                window.keyAccess().setScan(switches == 2 ? KeyAccess::Scan::TwoSwitches : KeyAccess::Scan::OneSwitch,
                                           seconds);
        };
        roles.chooseFolder = [&window](const QString& title, const QString& start) -> std::optional<QString> {
            const QString chosen = QFileDialog::getExistingDirectory(window.shownWindow(), title, start);
            return chosen.isEmpty() ? std::nullopt : std::optional<QString>(chosen);
        };
        roles.usualFolder = GalleryFolder::DefaultFolder();
        GrownUpSettings grownUps(std::move(roles), window.shownWindow());
        grownUps.addPage(Text("children.page", window.language),
                         QIcon(ArtStore::instance().pixmap(ChildPicturePath(1), {64, 64})),
                         new ChildrenPage(settings, window.language));
        // Each child's gallery as the folder layout has it: one pile for
        // none or one child, a folder each for two or more.
        const std::vector<ChildEntry> sharing = settings.children();
        const QString root = DrawingsRoot(settings.saveFolder());
        std::vector<ExportChild> galleries;
        if (ChildrenApart(sharing)) {
            const std::vector<QString> folders = ChildFolderNames(sharing);
            for (std::size_t i = 0; i < sharing.size(); ++i)
                galleries.push_back({sharing[i].name, ChildDrawingsFolder(root, folders[i])});
        } else {
            galleries.push_back({QString(), root});
        }
        const QString painting = ChildrenApart(sharing) ? window.childPicker().currentName() : QString();
        grownUps.addPage(WeekExportPage::title(window.language), WeekExportPage::icon(),
                         new WeekExportPage(
                             settings, window.language, std::move(galleries),
                             [&window, painting] {
                                 return std::vector<CurrentDrawing>{
                                     {painting, DrawingFiles::CanvasImage(window.canvas)}};
                             },
                             window.services.dialog));
        grownUps.exec();
    };
    std::optional<GrownUpDoor> door;
    if (auto* corner = window.findChild<Box*>(QStringLiteral("Label3"))) {
        QRect logo;
        for (const char* name : {"Image1", "Image2"})
            if (auto* part = window.findChild<Box*>(QLatin1String(name)))
                logo |= QRect(corner->mapFrom(&window, part->geometry().topLeft()), part->size());
        door.emplace(window, *corner, logo.intersected(corner->rect()), openSettings,
                     [&window] { window.chrome().DragByCorner(1, 0, 0); });
    }
    StartMark("shown");
    // The first paint, and the first moment after it with nothing queued.
    window.onFirstPaint = [job = std::move(window.onFirstPaint), &words] {
        StartMark("first paint");
        if (job) job();
        if (words) words->afterFirstPaint();
        QTimer::singleShot(0, [] { StartMark("idle after the first paint"); });
    };
    const int status = app.exec();
    FinishPictureDecoding();  // a picture given up on still decodes: let it end before Qt unloads the decoder
    return status;
}
