// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Random sessions recorded as the program records them, each recording then
// replayed on its own by the replay tool's own reading and running: the
// canvas must come back bit for bit. A session draws strokes, picks from
// every action the window declares (so a shaping action the story leaves out
// shows here), opens pictures, saves and opens drawings with their stories,
// undoes and redoes across all of these, paints with several fingers at
// once, with the pen's eraser end and with its pressure changing mid-stroke, and may quit and start again on the
// kept drawing. It keeps a gallery and takes drawings from it, then opens
// others. The film of the drawing (its story, as the film's player plays
// it) must hold that drawing alone: checked on a sample of the sessions. PINTALOO_SESSIONS sets how many (200 by default), and
// PINTALOO_FIRST_SESSION which comes first (0), so ctest can share them out.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextStream>
#include <functional>
#include <memory>
#include <random>
#include <set>

#include "engine/recording/recording_reader.h"
#include "engine/toolbox/pen_pressure.h"
#include "engine/toolbox/tools_table.h"
#include "ui/files/gallery_folder.h"
#include "ui/files/png_story.h"
#include "ui/parts/drawing_history.h"
#include "ui/story/gallery_keeper.h"
#include "ui/files/kept_drawing.h"
#include "ui/window/main_window.h"
#include "ui/story/replay_pointers.h"
#include "ui/programs/replay_run.h"
#include "ui/story/story_player.h"
#include "ui/story/session_recorder.h"
#include "ui/platform/settings.h"
#include "ui/platform/fake_audio_backend.h"
#include "ui/platform/sounds.h"
#include "ui/platform/temp_folder.h"
#include "ui/parts/drawing_files.h"
#include "ui/platform/stand_ins.h"
#include "stand_in_stamps.h"

namespace pintaloo {
namespace {

// Left to the session's own steps (opens, saves), or ending, leaving or
// printing rather than drawing. Fingers, the pen's end and the gallery's
// actions are picked too, so a finger may still be down when a picture is
// opened or the dialog cancelled; the gallery's change nothing in a window
// without one, as this one is. The close button ends the program as Quit
// does (the session's quit and start again stands for both): a session
// that went on painting in a closed window would test a window no child
// can reach.
const std::set<std::string> kNotPicked = {"Quit",           "Form_Unload",      "FullScreen_Toggle",      "bPrint_Click",
                                          "lblInfo_MouseUp", "Label7_MouseDown", "KewlButtons3_MouseDown", "PlayFilm",
                                          "StopFilm",       "SaveFilm",         "Image5_MouseUp"};

// Two own colouring pages and two background pictures in the data folders,
// so a page or paper a session picks is now and then a real one (most Ns lie
// past the folders' end and start a blank page, which must replay too).
class OwnDataFolders {
public:
    explicit OwnDataFolders(const QString& root) : home_(qgetenv("XDG_DATA_HOME")), dirs_(qgetenv("XDG_DATA_DIRS")) {
        for (const char* kind : {"pages", "backgrounds"}) {
            const QString folder = root + "/data/pintaloo/" + kind;
            QDir().mkpath(folder);
            for (int k = 0; k < 2; ++k) {
                QImage img(200 + 90 * k, 150, QImage::Format_ARGB32);
                img.fill(QColor(255, 255, 255, k ? 255 : 0));
                QPainter p(&img);
                p.setRenderHint(QPainter::Antialiasing);
                p.setPen(QPen(QColor(20, 20, 20), 2 + k));
                p.setBrush(QColor(120 + 60 * k, 200, 90));
                p.drawEllipse(20, 20, 100 + 40 * k, 90);
                p.end();
                img.save(folder + QStringLiteral("/own-%1.png").arg(k));
            }
        }
        qputenv("XDG_DATA_HOME", QFile::encodeName(root + "/data"));
        qputenv("XDG_DATA_DIRS", QFile::encodeName(root + "/none"));
    }
    ~OwnDataFolders() {
        qputenv("XDG_DATA_HOME", home_);
        qputenv("XDG_DATA_DIRS", dirs_);
    }

private:
    QByteArray home_, dirs_;
};

class RecordedSessionsTest : public ::testing::Test {
protected:
    QTemporaryDir scratch;
    OwnDataFolders ownData{scratch.path()};
    TempFolder temp{{scratch.path().toStdString() + "/tmp"}};
    FakeAudioBackend audio;
    Sounds sounds{audio, temp, [](const char*, int) {}};
    standin::ScriptedDialog dialog;
    standin::RecordingHelp help;
    standin::RecordingMessages messages;
    MemorySettings settings;
    testkit::StandInStamps stampLibrary;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<SessionRecorder> recorder;
    std::unique_ptr<GalleryFolder> gallery;  // the sessions' own, made by startProgram
    std::unique_ptr<GalleryKeeper> keeper;
    int minutes = 0;  // the gallery's clock: a session picks the same drawing however fast it runs
    std::unique_ptr<GalleryFolder> galleryIn(const QString& name) {
        return std::make_unique<GalleryFolder>(scratch.filePath(name), [this] {
            return QDateTime(QDate(2026, 1, 1), QTime(9, 0)).addSecs(60 * ++minutes);
        });
    }
    std::mt19937 dice;
    std::vector<std::string> names;  // every action a session may pick
    QStringList pictures;            // pictures to open, saved drawings among them
    int saves = 0;

    int roll(int n) { return std::uniform_int_distribution<int>(0, n - 1)(dice); }
    double coordinate(double limit) {
        const double v = std::uniform_real_distribution<double>(-10, limit)(dice);
        return roll(4) == 0 ? v : std::round(v);  // whole numbers mostly, as a mouse gives
    }

    // The window as the program starts it: the kept drawing shown and the
    // story begun there.
    void startProgram(const QString& folder) {
        quit();
        Services services{&sounds, &temp, &dialog, &help, &messages, nullptr, &settings};
        services.stamps = &stampLibrary;
        window = std::make_unique<MainWindow>(services);
        ASSERT_TRUE(window->Load(false));
        recorder = std::make_unique<SessionRecorder>(window->storyWindow(), folder);
        if (window->drawingHistory().keepIn(folder)) {
            ASSERT_TRUE(recorder->startFrom(KeptDrawingPath(folder)));
        }
        if (gallery) {
            window->services.gallery = gallery.get();
            keeper = std::make_unique<GalleryKeeper>(window->storyWindow(), *recorder, folder);
        }
        names = window->actions.names();
        std::erase_if(names, [](const std::string& n) { return kNotPicked.count(n) > 0; });
    }

    void quit() {
        keeper.reset();
        recorder.reset();
        if (window) window->Unload();
        window.reset();
    }

    void run(const std::string& name, std::vector<double> args) {
        std::string error;
        ASSERT_TRUE(window->actions.run(name, args, &error)) << name << ": " << error;
    }

    void stroke() {
        const int button = roll(5) == 0 ? 0 : 1;
        double x = coordinate(820), y = coordinate(550);
        if (button) run("pctDraw_MouseDown", {1, x, y});
        for (int i = roll(12); i > 0; --i) {
            // A pen pressing harder or lighter part way along the stroke.
            if (roll(4) == 0) run("PenPressure", {double(roll(kPressureLevels + 1))});
            x = std::clamp(x + coordinate(60) - 25, -20.0, 830.0);
            y = std::clamp(y + coordinate(60) - 25, -20.0, 560.0);
            run("pctDraw_MouseMove", {double(button), x, y});
        }
        if (button && roll(8) != 0) run("pctDraw_MouseUp", {1, x, y});  // the release may come elsewhere
    }

    // Several fingers at once, landing (again, too), dragging and lifting in
    // any order, all lifted by the end as the canvas lifts them when a touch
    // ends, is cancelled or is lost; the pen may be turned either way first.
    void fingers() {
        if (roll(3) == 0) run("PenEnd", {double(roll(2))});
        std::vector<int> down;
        for (int i = 4 + roll(20); i > 0; --i) {
            const int finger = roll(10);
            const bool isDown = std::find(down.begin(), down.end(), finger) != down.end();
            const std::vector<double> args = {double(finger), coordinate(820), coordinate(550)};
            if (!isDown || roll(10) == 0) {
                run("FingerDown", args);
                if (!isDown) down.push_back(finger);
            } else if (roll(4) == 0) {
                run("FingerUp", args);
                std::erase(down, finger);
            } else {
                run("FingerMove", args);
            }
        }
        for (const int finger : down) run("FingerUp", {double(finger), coordinate(820), coordinate(550)});
    }

    void anyAction() {
        const std::string& name = names[std::size_t(roll(int(names.size())))];
        std::vector<double> args;
        for (const ActionParam& p : window->actions.action(*window->actions.find(name)).params) {
            switch (p.kind) {
                case ParamKind::Index:
                    if (p.count == 0) return;  // no control to press (a picker with no entries yet)
                    args.push_back(roll(int(std::min<std::int64_t>(p.count, 1 << 30))));
                    break;
                case ParamKind::Buttons:
                    args.push_back(roll(6) == 0 ? roll(8) : 1);
                    break;
                case ParamKind::Coordinate:
                    args.push_back(coordinate(800));
                    break;
            }
        }
        // Stamps and groups by id: mostly the stand-in library's, sometimes one it lacks.
        const auto& stamps = testkit::StandInStamps::rows();
        if ((name == "ChooseLibraryStamp" || name == "StampChoices") && roll(5) != 0)
            args[0] = testkit::StampId(stamps[std::size_t(roll(int(stamps.size())))].path);
        if (name == "StampGroupOpen" && roll(5) != 0) args[0] = roll(2) ? testkit::StampId("animals") : testkit::StampId("things");
        run(name, args);
    }

    void open() {
        if (roll(6) == 0) {
            dialog.answers.push_back(std::nullopt);  // cancelled
        } else {
            dialog.answers.push_back(pictures[roll(int(pictures.size()))]);
        }
        run("Label7_MouseDown", {1, 0, 0});
    }

    void save() {
        const QString path = scratch.filePath(QStringLiteral("saved-%1.png").arg(++saves));
        dialog.answers.push_back(path);
        run("KewlButtons3_MouseDown", {1, 0, 0});
        if (QFile::exists(path)) pictures << path;
    }

    // A drawing taken from the gallery, mostly followed by another opened:
    // a pick must leave nothing behind for the next open.
    void pick() {
        const int filed = gallery ? int(gallery->list().size()) : 0;
        if (filed > 0) run("GalleryPick", {double(roll(filed))});
        if (roll(3) != 0) open();
    }

    void step() {
        const int what = roll(100);
        if (what < 30) return stroke();
        if (what < 40) return fingers();
        if (what < 48) return open();
        if (what < 51) return save();
        if (what < 54) return pick();
        if (what < 62) {
            for (int i = 1 + roll(4); i > 0; --i) run("Undo", {});
            for (int i = roll(4); i > 0; --i) run("Redo", {});
            return;
        }
        anyAction();
    }

    // The pixels of the live canvas that the story's replay gives otherwise
    // (-1: another size; -2, -3: not saved, not replayed).
    int replayDiffers() {
        recorder->sync();
        const QString live = scratch.filePath("live.bmp"), replayed = scratch.filePath("replayed.bmp");
        if (!DrawingFiles::SaveCanvas(window->canvas, live)) return -2;
        QFile::remove(replayed);
        QFile file(recorder->path());
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return -2;
        QTextStream in(&file);
        ReplayOutputs outputs;
        outputs.canvas = replayed;
        outputs.stamps = &stampLibrary;
        if (RunReplay(recorder->path(), in, outputs) != 0) return -3;
        const QImage a(live), b(replayed);
        if (a.size() != b.size()) return -1;
        int differ = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x) differ += a.pixel(x, y) != b.pixel(x, y);
        return differ;
    }

    // Where, playing a story as the film does, a call puts another drawing
    // on the page after the story's own had changed: -1 where none does, -2
    // and -3 for a story that does not play.
    int otherDrawingAt(const Story& story) {
        StoryPlayer player(story, window->storyWindow());
        if (!player.begin()) return -2;
        const QImage first = player.canvas();
        for (std::size_t i = 0; i < player.size(); ++i) {
            const auto id = window->actions.find(story.calls[i].name);
            const bool replaces = id && window->actions.action(*id).replacesDrawing;
            const QImage before = replaces ? player.canvas() : QImage();
            if (!player.play(i)) return -3;
            if (replaces && before != first && player.canvas() != before) return int(i);
        }
        return -1;
    }

    // Pictures to open: smaller than the canvas, larger, and of its size.
    void makePictures() {
        const QSize sizes[] = {{120, 80}, {1200, 700}, {807, 537}};
        for (const QSize& size : sizes) {
            QImage image(size, QImage::Format_RGB32);
            for (int y = 0; y < size.height(); ++y)
                for (int x = 0; x < size.width(); ++x)
                    image.setPixel(x, y, qRgb((x * 7 + size.width()) & 255, (y * 5) & 255, ((x ^ y) * 3) & 255));
            const QString path = scratch.filePath(QStringLiteral("picture-%1.png").arg(size.width()));
            ASSERT_TRUE(image.save(path));
            pictures << path;
        }
    }
};

TEST_F(RecordedSessionsTest, EveryRecordingReplaysToTheCanvasItRecorded) {
    ASSERT_TRUE(scratch.isValid());
    makePictures();
    const int sessions = qEnvironmentVariableIsSet("PINTALOO_SESSIONS") ? qEnvironmentVariableIntValue("PINTALOO_SESSIONS") : 200;
    const int first = qEnvironmentVariableIntValue("PINTALOO_FIRST_SESSION");
    int failed = 0;
    for (int session = first; session < first + sessions && failed < 3; ++session) {
        dice.seed(std::uint32_t(session));
        const QString folder = scratch.filePath(QStringLiteral("state-%1").arg(session));
        ASSERT_TRUE(QDir().mkpath(folder));
        gallery = galleryIn(QStringLiteral("gallery-%1").arg(session));
        startProgram(folder);
        const int restarts = roll(3) == 0 ? 1 + roll(2) : 0;
        for (int part = 0; part <= restarts; ++part) {
            if (part > 0) startProgram(folder);  // quits, keeping the drawing, and starts on it
            for (int i = 10 + roll(40); i > 0; --i) ASSERT_NO_FATAL_FAILURE(step());
        }
        const int differ = replayDiffers();
        EXPECT_EQ(differ, 0) << "session " << session << " (" << restarts << " restarts) replays differently: "
                             << qPrintable(recorder->path());
        // The film is checked on every fourth session, in each share ctest
        // makes: playing the story again costs about a sixth of a session,
        // and the film's player meets the same calls either way.
        const int other = session % 4 == 0 ? otherDrawingAt(recorder->story()) : -1;
        EXPECT_EQ(other, -1) << "session " << session << ": the film shows another drawing before this one, to call "
                             << other << " of " << qPrintable(recorder->path());
        if (differ != 0 || other != -1) {
            ++failed;
            scratch.setAutoRemove(false);  // the recording and its pictures, to be looked at
        }
    }
    quit();
}

// A stroke held across an open that was cancelled goes on as it did: the
// open cut an undo step there, and its replay must cut the same one.
TEST_F(RecordedSessionsTest, AStrokeHeldAcrossACancelledOpenReplays) {
    ASSERT_TRUE(scratch.isValid());
    for (int model = 0; model < EntriesOn(ToolButton::Models); ++model) {
        const QString folder = scratch.filePath(QStringLiteral("held-%1").arg(model));
        ASSERT_TRUE(QDir().mkpath(folder));
        startProgram(folder);
        run("bSpray_MouseDown", {double(model), 1, 0, 0});
        run("pctDraw_MouseDown", {1, 400, 300});
        run("pctDraw_MouseMove", {1, 450, 320});
        dialog.answers.push_back(std::nullopt);
        run("Label7_MouseDown", {1, 0, 0});
        run("pctDraw_MouseMove", {1, 600, 420});
        run("pctDraw_MouseUp", {1, 600, 420});
        run("Undo", {});
        EXPECT_EQ(replayDiffers(), 0) << "model " << model;
    }
    quit();
}

QImage Pixels(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

// Sessions with a gallery: every drawing that a new page, a colouring page
// or an opened picture replaced, unless it was the page as put there, is
// filed once, as a PNG whose pixels are that drawing and whose story
// replays to it, from that drawing's own beginning: no other drawing shows
// on the way. PINTALOO_GALLERY_SESSIONS sets how many (8 by default).
TEST_F(RecordedSessionsTest, EveryReplacedDrawingIsFiledWithAStoryThatReplaysToIt) {
    ASSERT_TRUE(scratch.isValid());
    makePictures();
    const int sessions = qEnvironmentVariableIsSet("PINTALOO_GALLERY_SESSIONS")
                             ? qEnvironmentVariableIntValue("PINTALOO_GALLERY_SESSIONS")
                             : 8;
    for (int session = 0; session < sessions; ++session) {
        dice.seed(std::uint32_t(5000 + session));
        const QString folder = scratch.filePath(QStringLiteral("gstate-%1").arg(session));
        ASSERT_TRUE(QDir().mkpath(folder));
        gallery = galleryIn(QStringLiteral("gallery-%1").arg(session));
        startProgram(folder);
        // What each replacing action found and left, seen from outside.
        std::vector<QImage> replaced, put{Pixels(DrawingFiles::CanvasImage(window->canvas))};
        int depth = 0;
        QImage before;
        window->actions.addObserver([&](const ActionCall& c) {
            if (!c.replacesDrawing) return;
            if (c.stage == ActionCall::Stage::Began) {
                if (depth++ == 0) before = Pixels(DrawingFiles::CanvasImage(window->canvas));
            } else if (--depth == 0) {
                const QImage after = Pixels(DrawingFiles::CanvasImage(window->canvas));
                if (after != before) replaced.push_back(before), put.push_back(after);
            }
        });
        for (int i = 20 + roll(40); i > 0; --i) {
            if (roll(8) == 0) ASSERT_NO_FATAL_FAILURE(run("KewlButtons2_MouseDown", {1, 0, 0}));
            else ASSERT_NO_FATAL_FAILURE(step());
        }
        keeper.reset();
        std::vector<QImage> filed;
        for (const GalleryEntry& e : gallery->list()) {
            QFile f(e.path);
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            const QByteArray png = f.readAll();
            filed.push_back(Pixels(QImage::fromData(png, "PNG")));
            // The story, with its pictures, as a script of its own folder.
            const PngStory story = ReadPngStory(png);
            ASSERT_TRUE(story.found && story.refusal == PngStoryRefusal::None) << qPrintable(e.path);
            const QString unpacked = QStringLiteral("%1/unpacked-%2-%3").arg(scratch.path()).arg(session).arg(filed.size());
            ASSERT_TRUE(QDir().mkpath(unpacked));
            for (const StoryPicture& sp : story.pictures) {
                QFile out(unpacked + "/" + QString::fromStdString(sp.name));
                ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(sp.bytes) == sp.bytes.size());
            }
            QString text = QString::fromStdString(story.text);
            QTextStream in(&text);
            ReplayOutputs outputs;
            outputs.canvas = unpacked + "/replayed.bmp";
            outputs.stamps = &stampLibrary;  // the stamps the window painted from
            ASSERT_EQ(RunReplay(unpacked + "/story.rec", in, outputs), 0) << qPrintable(e.path);
            EXPECT_EQ(Pixels(QImage(outputs.canvas)), filed.back()) << "session " << session << ": the story of "
                                                                    << qPrintable(e.path) << " replays elsewhere";
            const Recording read = ReadRecording(story.text);
            EXPECT_EQ(otherDrawingAt({read.start, read.calls, unpacked}), -1)
                << "session " << session << ": the story of " << qPrintable(e.path) << " holds another drawing";
        }
        for (std::size_t i = 0; i < filed.size(); ++i) {
            EXPECT_NE(std::find(replaced.begin(), replaced.end(), filed[i]), replaced.end())
                << "session " << session << ": filed a drawing nothing replaced";
            EXPECT_EQ(std::count(filed.begin(), filed.end(), filed[i]), 1) << "session " << session << ": filed twice";
        }
        for (std::size_t i = 0; i < replaced.size(); ++i) {
            const QImage& r = replaced[i];
            const bool oneColour = r.isNull() || std::all_of(reinterpret_cast<const QRgb*>(r.constBits()),
                                                             reinterpret_cast<const QRgb*>(r.constBits()) + r.width() * r.height(),
                                                             [&](QRgb c) { return c == r.pixel(0, 0); });
            // The page as it was put there (untouched, or drawn back to it) had nothing new.
            const bool asPut = std::find(put.begin(), put.begin() + std::ptrdiff_t(i) + 1, r) != put.begin() + std::ptrdiff_t(i) + 1;
            if (oneColour || asPut) continue;
            EXPECT_NE(std::find(filed.begin(), filed.end(), r), filed.end())
                << "session " << session << ": replaced drawing " << i << " was not filed";
        }
    }
    quit();
}

// A circle, then a colouring page coloured: the story holds the house alone;
// undo back across the page takes up the circle's own story again (not a
// picture of it), and redo the house's.
TEST_F(RecordedSessionsTest, EachDrawingKeepsItsOwnStoryAcrossUndo) {
    ASSERT_TRUE(QDir().mkpath(scratch.filePath("own")));
    startProgram(scratch.filePath("own"));
    const auto presses = [&] {
        const std::vector<RecordedCall> calls = recorder->story().calls;
        return std::count_if(calls.begin(), calls.end(), [](const RecordedCall& c) { return c.name == "pctDraw_MouseDown"; });
    };
    for (const std::string step : {"circle", "page", "roof"}) {
        if (step == "page") run("KewlButtons1_MouseDown", {1, 0, 0}), run("Image3_Click", {});
        else run("pctDraw_MouseDown", {1, 300, 200}), run("pctDraw_MouseMove", {1, 340, 260}), run("pctDraw_MouseUp", {1, 340, 260});
    }
    EXPECT_EQ(presses(), 1);
    EXPECT_EQ(otherDrawingAt(recorder->story()), -1);
    // Undo takes the circle's story up again; redo begins the roof's again
    // at a picture of the page, its strokes no longer played.
    for (const auto& [way, kept] : {std::pair{"Undo", 1}, std::pair{"Redo", 0}}) {
        run(way, {}), run(way, {});
        EXPECT_EQ(presses(), kept) << way;
        EXPECT_EQ(replayDiffers(), 0) << way;
    }
    quit();
}

// The end the pen is held by goes with the drawing's story: turned in one
// drawing, it rubs out in the drawing undo comes back to, and in a new one.
TEST_F(RecordedSessionsTest, ThePenEndGoesAcrossAPage) {
    ASSERT_TRUE(QDir().mkpath(scratch.filePath("end")));
    startProgram(scratch.filePath("end"));
    const auto line = [&] { run("pctDraw_MouseDown", {1, 300, 200}), run("pctDraw_MouseMove", {1, 340, 260}), run("pctDraw_MouseUp", {1, 340, 260}); };
    line();
    run("PenEnd", {1});
    run("KewlButtons2_MouseDown", {1, 0, 0});  // a new page, the eraser end held
    line();
    EXPECT_EQ(replayDiffers(), 0) << "new page";
    run("PenEnd", {0});
    run("Undo", {}), run("Undo", {});  // back to the first line, whose story last held the eraser
    line();
    EXPECT_EQ(replayDiffers(), 0) << "undo across the page";
    quit();
}

// A finger left resting on the canvas holds the undo step open only until
// another change cuts it (an open, a new page, undo or redo): the strokes
// after it are steps of their own, as in the story begun or taken up there,
// whose replay never had that finger down. They had joined the finger's
// step, so undo took back all of them live and one in the replay.
TEST_F(RecordedSessionsTest, AFingerLeftDownHoldsNoStepAfterAChange) {
    ASSERT_TRUE(scratch.isValid());
    makePictures();
    const auto open = [this] {
        dialog.answers.push_back(pictures[0]);
        run("Label7_MouseDown", {1, 0, 0});
    };
    const std::vector<std::pair<const char*, std::function<void()>>> changes = {
        {"open", open},
        {"new page", [this] { run("KewlButtons2_MouseDown", {1, 0, 0}); }},
        {"open, undo, redo, redo", [&] { open(), run("Undo", {}), run("Redo", {}), run("Redo", {}); }},
        {"open, undo (the story taken up)", [&] { open(), run("Undo", {}); }},
    };
    for (const auto& [what, change] : changes) {
        SCOPED_TRACE(what);
        const QString folder = scratch.filePath(QString::fromLatin1(what).replace(' ', '-'));
        ASSERT_TRUE(QDir().mkpath(folder));
        startProgram(folder);
        run("FingerDown", {3, 600, 450});  // never lifted
        change();
        const std::size_t before = window->drawingHistory().undoCount();
        for (int i = 0; i < 5; ++i) {
            run("bColor_Click", {double(4 + i)});
            run("pctDraw_MouseDown", {1, 100.0 + 60 * i, 100}), run("pctDraw_MouseMove", {1, 130.0 + 60 * i, 300});
            run("pctDraw_MouseUp", {1, 130.0 + 60 * i, 300});
        }
        EXPECT_EQ(window->drawingHistory().undoCount(), before + 5) << "a step for each stroke";
        run("Undo", {});
        EXPECT_EQ(replayDiffers(), 0) << "the last stroke undone, live and replayed";
    }
    quit();
}

// A pen move held for its frame is painted, and kept, before a tool chosen
// in the same frame: painted after it, it would paint with the next tool,
// and its replay, which takes the story's order, with the first.
TEST_F(RecordedSessionsTest, APenMoveHeldForItsFrameComesBeforeTheNextTool) {
    ASSERT_TRUE(scratch.isValid());
    for (int tool = 0; tool < kToolButtonCount; ++tool) {
        const QString folder = scratch.filePath(QStringLiteral("pen-%1").arg(tool));
        ASSERT_TRUE(QDir().mkpath(folder));
        startProgram(folder);
        ReplayPointers pen(*window);
        using Stage = ReplayPointers::Stage;
        pen.pen(false, Stage::Move, {300, 300});
        pen.pen(false, Stage::Begin, {300, 300});
        pen.pen(false, Stage::Move, {380, 340});  // within the frame: held
        run("bBrush_MouseUp", {double(tool), 1, 0, 0});
        pen.pen(false, Stage::Move, {460, 420});
        pen.pen(false, Stage::End, {460, 420});
        EXPECT_EQ(replayDiffers(), 0) << "tool " << tool;
    }
    quit();
}

}  // namespace
}  // namespace pintaloo
