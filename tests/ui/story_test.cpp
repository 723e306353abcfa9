// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The making of a drawing is recorded as a replay script: played by the
// replay tool it draws the same canvas bit for bit, a kill mid-session
// leaves a story that still plays, and its film has the promised shape.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <csignal>
#include <random>
#include <set>

#include "ui/story/session_recorder.h"
#include "ui/story/story_player.h"
#include "ui/parts/canvas_part.h"
#include "ui/parts/canvas_view.h"
#include "ui/story/film_part.h"
#include "ui/parts/drawing_files.h"
#include "ui/files/png_story.h"
#include "ui/words/texts.h"
#include "engine/recording/recording_reader.h"
#include "tests/media/webp_decode.h"
#include "tests/support/window_rig.h"

namespace pintaloo {
namespace {

using testkit::Control;

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The replay tool as a user runs it, with its scratch folders in `dir`.
QProcessEnvironment ToolEnvironment(const QTemporaryDir& dir) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* sub : {"runtime", "home", "cache"}) {
        QDir(dir.path()).mkpath(QLatin1String(sub));
        QFile::setPermissions(dir.filePath(QLatin1String(sub)),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("SDL_AUDIODRIVER", "dummy");
    env.insert("XDG_RUNTIME_DIR", dir.filePath("runtime"));
    env.insert("HOME", dir.filePath("home"));
    env.insert("XDG_CACHE_HOME", dir.filePath("cache"));
    env.insert("TMPDIR", dir.path());
    return env;
}

int RunTool(const QTemporaryDir& dir, const QStringList& args, QString* errors = nullptr) {
    QProcess p;
    p.setProcessEnvironment(ToolEnvironment(dir));
    p.start(QStringLiteral(PINTALOO_REPLAY), args);
    if (!p.waitForFinished(240000)) {
        p.kill();
        p.waitForFinished();
        return -1;
    }
    if (errors) *errors = QString::fromLocal8Bit(p.readAllStandardError());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

void WriteText(const QString& path, const QString& text) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text.toUtf8());
}

// A session that uses every tool, with whole and fractional coordinates:
// pencil, eraser, the brushes, spray and grass, a stamp, fill, oil, a
// colouring page and a new page, as calls in the replay tool's language.
const char* const kEveryTool[] = {
    "bColor_Click 3",
    "pctDraw_MouseDown 1 100 100",
    "pctDraw_MouseMove 1 110 105",
    "pctDraw_MouseMove 1 130 118",
    "pctDraw_MouseMove 1 150.5 130.25",
    "pctDraw_MouseUp 1 150 130",
    "Label4_Click 3",
    "bSpray_MouseDown 1 1",  // spray
    "pctDraw_MouseDown 1 300 200",
    "pctDraw_MouseMove 1 320 210",
    "pctDraw_MouseMove 1 340 220",
    "pctDraw_MouseUp 1 340 220",
    "bSpray_MouseDown 12 1",  // grass
    "pctDraw_MouseDown 1 300 400",
    "pctDraw_MouseMove 1 360 410",
    "pctDraw_MouseMove 1 420 420",
    "pctDraw_MouseUp 1 420 420",
    "bSpray_MouseDown 4 1",  // rainbow
    "pctDraw_MouseDown 1 500 100",
    "pctDraw_MouseMove 1 540 140",
    "pctDraw_MouseUp 1 540 140",
    "bStamp_MouseDown 3 1",
    "bStamp1_Click 0",
    "pctDraw_MouseDown 1 600 300",
    "pctDraw_MouseUp 1 600 300",
    "bStamp_MouseDown 0 1",
    "bStamp1_Click 2",
    "pctDraw_MouseDown 1 650 120",
    "pctDraw_MouseUp 1 650 120",
    "bColor_Click 12",
    "bBrush_MouseUp 5 1",  // fill
    "pctDraw_MouseDown 1 700 50",
    "pctDraw_MouseUp 1 700 50",
    "bBrush_MouseUp 1 1",  // eraser
    "pctDraw_MouseDown 1 50 450",
    "pctDraw_MouseMove 1 80 460",
    "pctDraw_MouseUp 1 80 460",
    "bBrush_MouseUp 2 1",
    "pctDraw_MouseDown 1 200 300",
    "pctDraw_MouseMove 1 260 330",
    "pctDraw_MouseUp 1 260 330",
    "bBrush_MouseUp 3 1",
    "pctDraw_MouseDown 1 100 300",
    "pctDraw_MouseMove 1 130 280",
    "pctDraw_MouseUp 1 130 280",
    "bBrush_MouseUp 4 1",  // oil over everything
    "bBrush_MouseUp 0 1",  // pencil again, with grain
    "pctDraw_MouseDown 1 400 250",
    "pctDraw_MouseMove 1 430 260",
    "pctDraw_MouseMove 1 460.75 250",
    "pctDraw_MouseUp 1 460 250",
};

class StoryTest : public ::testing::Test, protected testkit::WindowRig {
protected:
    void SetUp() override {
        ASSERT_TRUE(scratch.isValid());
        ASSERT_TRUE(loaded);
        QDir().mkpath(stateDir());
    }
    QString stateDir() const { return scratch.filePath("state"); }

    // Runs "NAME NUMBER..." through the window's hub.
    void perform(const QString& line) {
        QStringList words = line.split(' ');
        const std::string name = words.takeFirst().toStdString();
        std::vector<double> args;
        for (const QString& w : words) args.push_back(w.toDouble());
        call(name, args);
    }
    void openBetween(const char* before, const char* after);
};

TEST_F(StoryTest, EveryToolReplaysToTheSameCanvasBitForBit) {
    SessionRecorder recorder(w().storyWindow(), stateDir());
    for (const char* line : kEveryTool) perform(QLatin1String(line));
    recorder.sync();
    const QString live = scratch.filePath("live.bmp"), replayed = scratch.filePath("replayed.bmp");
    ASSERT_TRUE(DrawingFiles::SaveCanvas(w().canvas, live));

    const QByteArray story = ReadAll(recorder.path());
    ASSERT_TRUE(story.startsWith("start blank\n")) << story.left(200).constData();
    EXPECT_TRUE(story.contains("\nseed ")) << "the random numbers are pinned";
    EXPECT_TRUE(story.contains("\nmoves 1 ") || story.contains("\npacked 1 ")) << "moves go in compact runs";
    const Recording read = ReadRecording(story.toStdString());
    EXPECT_EQ(read.badLine, 0u) << read.error;
    EXPECT_FALSE(read.cutShort);
    EXPECT_EQ(read.calls, recorder.story().calls) << "the file holds what the recorder heard";

    QString errors;
    ASSERT_EQ(RunTool(scratch, {"--canvas", replayed, recorder.path()}, &errors), 0) << qPrintable(errors);
    EXPECT_TRUE(ReadAll(live) == ReadAll(replayed)) << "the replayed canvas differs from the drawing";

    // The film's player, which the button uses, draws the same too.
    StoryPlayer player(recorder.story(), w().storyWindow());
    ASSERT_TRUE(player.begin());
    for (std::size_t i = 0; i < player.size(); ++i) ASSERT_TRUE(player.play(i)) << i;
    const QImage played = player.canvas();
    const QImage drawn(live);
    ASSERT_EQ(played.size(), drawn.size());
    EXPECT_TRUE(played.convertToFormat(QImage::Format_RGB32) == drawn.convertToFormat(QImage::Format_RGB32));
}

// A recorder listens in on the file dialog while it lives, and leaving hands
// the dialog back to whoever stood before it (a recorder made after another
// leaves first): a window must never keep asking a recorder that is gone.
TEST_F(StoryTest, RecordersLeaveTheFileDialogAsTheyFoundIt) {
    auto first = std::make_unique<SessionRecorder>(w().storyWindow(), QString());
    FileDialogPort* const listening = w().services.dialog;
    EXPECT_NE(listening, &dialog) << "the recorder stands before the dialog";
    auto second = std::make_unique<SessionRecorder>(w().storyWindow(), QString());
    EXPECT_NE(w().services.dialog, listening);
    second.reset();
    EXPECT_EQ(w().services.dialog, listening) << "the first listens again";
    first.reset();
    EXPECT_EQ(w().services.dialog, &dialog) << "the window's own dialog again";
}

TEST_F(StoryTest, WhatIsKeptAndWhatIsLeftOut) {
    SessionRecorder recorder(w().storyWindow(), stateDir());
    struct Case {
        const char* action;
        bool kept;
    } const cases[] = {
        {"bColor_MouseMove 4", false},  // hovering changes nothing
        {"Form_MouseMove 0 10 10", false},
        {"KewlButtons4_Click", false},        // help
        {"KewlButtons3_MouseDown 1", false},  // a save (cancelled here) leaves the drawing as it is
        {"bColor_Click 4", true},
        {"Label4_Click 2", true},
        {"bStamp_MouseDown 1 1", true},
        {"KewlButtons2_MouseDown 1", true},  // a new page goes on the same story
    };
    for (const Case& c : cases) {
        const std::size_t before = recorder.story().calls.size();
        perform(QLatin1String(c.action));
        const QString name = QString::fromLatin1(c.action).section(' ', 0, 0);
        const bool found =
            recorder.story().calls.size() > before && recorder.story().calls.back().name == name.toStdString();
        EXPECT_EQ(found, c.kept) << c.action;
    }
    EXPECT_EQ(recorder.story().start.kind, RecordingStart::Kind::Blank);
}

// An open between `before` and `after`, then one press of the pencil: the
// story keeps the open as a step and replays to the same canvas.
void StoryTest::openBetween(const char* before, const char* after) {
    QImage picture(120, 80, QImage::Format_RGB32);
    picture.fill(QColor(20, 160, 40));
    const QString original = scratch.filePath("meadow.png");
    ASSERT_TRUE(picture.save(original));
    const char* const c[2] = {before, after};
    {
        SessionRecorder recorder(w().storyWindow(), stateDir());
        perform("pctDraw_MouseDown 1 10 10");
        perform("pctDraw_MouseUp 1 10 10");
        perform(QLatin1String(c[0]));
        const std::size_t kept = recorder.story().calls.size();
        dialog.answers.push_back(std::nullopt);  // a cancelled open changes nothing
        perform("Label7_MouseDown 1");
        ASSERT_EQ(recorder.story().calls.size(), kept) << c[0];

        dialog.answers.push_back(original);
        perform("Label7_MouseDown 1");
        const Story story = recorder.story();
        EXPECT_EQ(story.start.kind, RecordingStart::Kind::Blank) << "the story goes on";
        ASSERT_GE(story.calls.size(), 2u);
        const RecordedCall& named = story.calls[story.calls.size() - 2];
        ASSERT_EQ(named.name, kPictureWord);
        EXPECT_EQ(story.calls.back().name, "Label7_MouseDown");
        const QString copy = QDir(stateDir()).filePath(QString::fromStdString(named.file));
        EXPECT_TRUE(QFileInfo(copy).fileName().startsWith("picture-"));
        EXPECT_EQ(ReadAll(copy), ReadAll(original)) << "the picture is kept beside the story";

        perform(QLatin1String(c[1]));
        perform("pctDraw_MouseDown 1 60 40");
        perform("pctDraw_MouseUp 1 60 40");
        recorder.sync();
        const QString live = scratch.filePath("live.bmp"), replayed = scratch.filePath("replayed.bmp");
        ASSERT_TRUE(DrawingFiles::SaveCanvas(w().canvas, live));
        QString errors;
        ASSERT_EQ(RunTool(scratch, {"--canvas", replayed, recorder.path()}, &errors), 0) << qPrintable(errors);
        EXPECT_TRUE(ReadAll(live) == ReadAll(replayed)) << c[0] << " / " << c[1];
    }
}

// The two shortest cases that once replayed wrongly: a size chosen before
// the open, and an undo of the open.
TEST_F(StoryTest, ASizeChosenBeforeAnOpenStillHolds) { openBetween("Label4_Click 1", "pctDraw_MouseMove 0 5 5"); }
TEST_F(StoryTest, AnOpenUndoneReplays) { openBetween("pctDraw_MouseMove 0 5 5", "Undo"); }

// Actions that end the session, leave the window or show what it holds
// elsewhere: run here, they would take the test window away.
const std::set<std::string> kLeavesTheWindow = {"Quit", "Form_Unload", "FullScreen_Toggle", "bPrint_Click",
                                                "lblInfo_MouseUp", "PlayFilm", "StopFilm", "SaveFilm"};

// The story keeps exactly the rows whose effect or story role say so: the
// recorder has no list of its own, so a row's flag is the only thing to
// change (and the test below catches a flag removed that later strokes need).
TEST_F(StoryTest, TheStoryKeepsWhatTheRowsSay) {
    SessionRecorder recorder(w().storyWindow(), stateDir());
    perform("pctDraw_MouseDown 1 100 100");  // something to undo
    perform("pctDraw_MouseUp 1 100 100");
    ActionHub& hub = w().actions;
    for (const std::string& alias : hub.names()) {
        const ActionHub::Action& row = hub.action(*hub.find(alias));
        // A cancelled open is left out whatever the row says (no dialog answer is queued).
        if (kLeavesTheWindow.count(alias) || row.story == StoryRole::OpensPicture) continue;
        std::vector<double> args;
        for (const ActionParam& p : row.params) args.push_back(p.kind == ParamKind::Coordinate ? 100 : 1);
        const auto lines = [&] {
            const std::vector<RecordedCall> calls = recorder.story().calls;
            return std::count_if(calls.begin(), calls.end(), [&](const RecordedCall& c) { return c.name == alias; });
        };
        // Undo and redo of a step of this drawing (across a page they take
        // up the other drawing's story, which holds neither).
        if (row.story == StoryRole::Undoes || row.story == StoryRole::Redoes) {
            for (const char* line : {"KewlButtons2_MouseDown 1", "bBrush_MouseUp 0 1", "bColor_Click 14", "pctDraw_MouseDown 1 100 100",
                                     "pctDraw_MouseMove 1 300 200", "pctDraw_MouseUp 1 300 200"})
                perform(line);
            if (row.story == StoryRole::Redoes) perform("Undo");
        }
        const auto before = lines();
        call(alias, args);
        EXPECT_EQ(lines() > before, row.effect == Effect::Drawing || StoryKeeps(row.story)) << alias;
    }
}

// An action the story leaves out must leave the editor state as it was, or
// the strokes after it would replay differently: a row that shapes later
// strokes without saying so in the table fails here.
TEST_F(StoryTest, WhatTheStoryLeavesOutLeavesTheEditorStateAlone) {
    const std::set<std::string>& ending = kLeavesTheWindow;
    perform("bStamp_MouseDown 2 1");
    perform("bStamp1_Click 3");
    perform("bColor_Click 7");
    perform("Label4_Click 0");
    for (const std::string& name : w().actions.names()) {
        const ActionHub::Action& row = w().actions.action(*w().actions.find(name));
        if (row.effect == Effect::Drawing || StoryKeeps(row.story) || ending.count(name)) continue;
        for (int index : {0, 1, 2}) {
            std::vector<double> args;
            for (const ActionParam& p : row.params)
                args.push_back(p.kind == ParamKind::Index ? double(std::min<std::int64_t>(index * 5, p.count - 1))
                               : p.kind == ParamKind::Buttons ? 1
                                                              : 100);
            const std::vector<double> before = EditorStateNumbers(w().state);
            call(name, args);
            EXPECT_EQ(EditorStateNumbers(w().state), before) << name << " changes what later strokes do";
        }
    }
}

// A long random session through the window: a child scribbling steadily,
// sixty mouse moves a second with a few colour and tool changes. Ten
// minutes of it, scaled to an hour, must stay within 2 MB.
TEST_F(StoryTest, AnHourOfSteadyDrawingStaysWithinTwoMegabytes) {
    std::int64_t now = 0;
    SessionRecorder recorder(w().storyWindow(), stateDir());
    recorder.clock = [&now] { return now; };
    std::mt19937 dice(7);
    std::uniform_int_distribution<int> step(-6, 6), colour(0, 23), tool(0, 3), pause(200, 1500);
    constexpr std::int64_t kTenMinutes = 10 * 60 * 1000;
    double x = 400, y = 260;
    while (now < kTenMinutes) {
        perform(QStringLiteral("bColor_Click %1").arg(colour(dice)));
        perform(QStringLiteral("bBrush_MouseUp %1 1").arg(tool(dice) == 1 ? 1 : 0));
        perform(QStringLiteral("pctDraw_MouseDown 1 %1 %2").arg(x).arg(y));
        for (int i = 0; i < 180; ++i) {  // three seconds of drawing
            now += 16 + (i % 3 == 0 ? 1 : 0);
            x = std::clamp(x + step(dice), 0.0, 806.0);
            y = std::clamp(y + step(dice), 0.0, 536.0);
            perform(QStringLiteral("pctDraw_MouseMove 1 %1 %2").arg(x).arg(y));
        }
        perform(QStringLiteral("pctDraw_MouseUp 1 %1 %2").arg(x).arg(y));
        now += pause(dice);
    }
    recorder.sync();
    const double perHour = double(QFileInfo(recorder.path()).size()) * 6;
    RecordProperty("bytes_per_hour", int(perHour));
    EXPECT_LT(perHour, 2.0 * 1024 * 1024) << "bytes an hour: " << perHour;
    EXPECT_GT(perHour, 100000) << "the moves are all there";
}

class StoryToolTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString at(const QString& name) const { return dir.filePath(name); }
    QString script(const QString& name, QStringList lines) const {
        WriteText(at(name), lines.join('\n') + '\n');
        return at(name);
    }
    static QStringList EveryTool() {
        QStringList out;
        for (const char* l : kEveryTool) out << QLatin1String(l);
        return out;
    }
};

TEST_F(StoryToolTest, AStoryCutOffBySigkillPlaysToItsLastCompleteAction) {
    // The whole session, then the longest wait, which the kill interrupts.
    const QStringList session = EveryTool();
    const QString whole = script("whole.txt", session);
    const QString waiting =
        script("waiting.txt", QStringList(session) << "wait 60000");  // the longest pause a script may ask for
    const QString story = at("state/drawing.rec");

    QProcess p;
    p.setProcessEnvironment(ToolEnvironment(dir));
    p.start(QStringLiteral(PINTALOO_REPLAY), {"--state-dir", at("state"), waiting});
    ASSERT_TRUE(p.waitForStarted());
    // The last stroke's end reaches the file while the tool waits.
    QElapsedTimer clock;
    clock.start();
    while (!ReadAll(story).endsWith("pctDraw_MouseUp 1 460 250\n") && clock.elapsed() < 60000) QThread::msleep(50);
    ASSERT_TRUE(ReadAll(story).endsWith("pctDraw_MouseUp 1 460 250\n")) << ReadAll(story).right(300).constData();
    ::kill(pid_t(p.processId()), SIGKILL);
    ASSERT_TRUE(p.waitForFinished());
    EXPECT_EQ(p.exitStatus(), QProcess::CrashExit);

    QString errors;
    ASSERT_EQ(RunTool(dir, {"--canvas", at("expected.bmp"), whole}, &errors), 0) << qPrintable(errors);
    ASSERT_EQ(RunTool(dir, {"--canvas", at("killed.bmp"), story}, &errors), 0) << qPrintable(errors);
    EXPECT_TRUE(ReadAll(at("expected.bmp")) == ReadAll(at("killed.bmp")));

    // Killed while a line was being written: that line is left out, the rest plays.
    const QByteArray text = ReadAll(story);
    const int lastStroke = text.lastIndexOf("pctDraw_MouseDown 1 400 250\n");
    ASSERT_GT(lastStroke, 0);
    WriteText(at("cut.rec"), QString::fromUtf8(text.left(lastStroke) + "pctDraw_Mou"));
    ASSERT_EQ(RunTool(dir, {"--canvas", at("cut.bmp"), at("cut.rec")}, &errors), 0) << qPrintable(errors);
    EXPECT_TRUE(errors.contains("cut off")) << qPrintable(errors);
    QStringList before = session;
    before.erase(before.end() - 4, before.end());  // the last stroke, which the cut removed
    ASSERT_EQ(RunTool(dir, {"--canvas", at("before.bmp"), script("before.txt", before)}, &errors), 0);
    EXPECT_TRUE(ReadAll(at("before.bmp")) == ReadAll(at("cut.bmp")));
}

// The program starts again on the drawing it kept: its story begins again
// at that drawing, so playing it ends at the drawing on the screen.
TEST_F(StoryToolTest, TheStoryBeginsAgainAtTheKeptDrawing) {
    const QStringList session = EveryTool();
    const QStringList first(session.begin(), session.begin() + session.size() / 2);
    const QStringList second(session.begin() + session.size() / 2, session.end());
    QString errors;
    ASSERT_EQ(RunTool(dir, {"--state-dir", at("state"), script("first.txt", first)}, &errors), 0) << qPrintable(errors);
    ASSERT_EQ(
        RunTool(dir, {"--state-dir", at("state"), "--canvas", at("shown.bmp"), script("second.txt", second)}, &errors),
        0)
        << qPrintable(errors);
    // Played, the kept story gives what the second run showed.
    ASSERT_EQ(RunTool(dir, {"--canvas", at("played.bmp"), at("state/drawing.rec")}, &errors), 0) << qPrintable(errors);
    EXPECT_FALSE(ReadAll(at("shown.bmp")).isEmpty());
    EXPECT_TRUE(ReadAll(at("shown.bmp")) == ReadAll(at("played.bmp")));
    // And the first run's drawing is in it, not only the second's strokes.
    ASSERT_EQ(RunTool(dir, {"--canvas", at("second_only.bmp"), script("second_only.txt", second)}, &errors), 0);
    EXPECT_FALSE(ReadAll(at("second_only.bmp")) == ReadAll(at("played.bmp")));
}

TEST_F(StoryToolTest, TheFilmLastsTwentySecondsAndHoldsTheDrawingThree) {
    QString errors;
    ASSERT_EQ(
        RunTool(dir, {"--canvas", at("end.bmp"), "--film", at("film.webp"), script("s.txt", EveryTool())}, &errors), 0)
        << qPrintable(errors);
    const test::DecodedFilm film = test::DecodeWebP(ReadAll(at("film.webp")));
    ASSERT_TRUE(film.ok);
    EXPECT_EQ(film.width, 807);
    EXPECT_EQ(film.height, 537);
    ASSERT_GE(film.frames.size(), 10u) << "the drawing grows over the film";
    EXPECT_EQ(film.frames.back().endMs, 23000);
    // The first frame shows little of the drawing, the last all of it (lossy: near enough).
    const QImage end = QImage(at("end.bmp")).convertToFormat(QImage::Format_RGB32);
    const auto distance = [&end](const QImage& frame) {
        double sum = 0;
        for (int y = 0; y < end.height(); y += 4)
            for (int x = 0; x < end.width(); x += 4) {
                const QColor a = frame.pixelColor(x, y), b = end.pixelColor(x, y);
                sum += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
            }
        return sum / ((end.width() / 4) * (end.height() / 4));
    };
    EXPECT_LT(distance(film.frames.back().image), 12.0);
    EXPECT_GT(distance(film.frames.front().image), 3 * distance(film.frames.back().image));
}

}  // namespace
}  // namespace pintaloo

namespace pintaloo {
namespace {

TEST_F(StoryTest, TheFilmButtonPlaysWithoutTouchingTheDrawingAndAnyPressStopsIt) {
    SessionRecorder recorder(w().storyWindow(), stateDir());
    FilmPart film(w().storyWindow(), recorder);
    film.workClock = [] { return std::int64_t(0); };  // frames are counted here: none split into slices
    window->show();
    EXPECT_FALSE(Control(w(), "bFilm")->isEnabled()) << "nothing drawn, nothing to watch";
    perform("bColor_Click 14");
    perform("pctDraw_MouseDown 1 100 100");
    perform("pctDraw_MouseMove 1 300 200");
    perform("pctDraw_MouseUp 1 300 200");
    perform("bSpray_MouseDown 1 1");
    perform("pctDraw_MouseDown 1 500 300");
    perform("pctDraw_MouseUp 1 500 300");
    perform("bColor_Click 9");
    perform("bBrush_MouseUp 5 1");  // fill, last of all
    perform("pctDraw_MouseDown 1 700 500");
    perform("pctDraw_MouseUp 1 700 500");
    perform("bColor_Click 3");  // so a fill that slipped through would show
    EXPECT_TRUE(Control(w(), "bFilm")->isEnabled());
    const std::vector<Colour> drawing = pixels();
    ASSERT_NE(drawing[500 * 807 + 700], Rgb(255, 255, 255));
    const std::size_t told = recorder.story().calls.size();
    const std::uint32_t seed = w().random.seed();

    heard.clear();
    perform("PlayFilm");
    ASSERT_TRUE(film.playing());
    EXPECT_TRUE(Control(w(), "pctFilm")->isVisible());
    EXPECT_EQ(film.frameCount(), 240) << "twenty seconds at twelve frames";
    film.advance();
    // The first frame: the fill, done last, is not there yet; the canvas has all of it.
    const QImage first = Control(w(), "pctFilm")->picture().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(first.pixelColor(700, 500), QColor(Qt::white)) << "the film shows the drawing growing";
    for (int i = 1; i < 120; ++i) film.advance();
    EXPECT_TRUE(pixels() == drawing);
    EXPECT_EQ(recorder.story().calls.size(), told) << "playing records nothing";
    EXPECT_EQ(w().random.seed(), seed);
    EXPECT_TRUE(heard.empty()) << "the film is silent";

    // A press on the canvas (the fill is chosen) stops it and fills nothing.
    // It comes as the window system brings it: to the window, then the canvas.
    QTest::mouseClick(w().windowHandle(), Qt::LeftButton, {},
                      Control<CanvasView>(w(), "pctDraw")->mapTo(window.get(), QPoint(600, 400)));
    EXPECT_FALSE(film.playing());
    EXPECT_FALSE(Control(w(), "pctFilm")->isVisible());
    EXPECT_TRUE(pixels() == drawing);

    // Played to its end, it holds the drawing three seconds and gives the canvas back.
    perform("PlayFilm");
    for (int i = 0; i < 240 + FilmPart::kHoldFrames - 1; ++i) film.advance();
    ASSERT_TRUE(film.playing());
    const QImage last = Control(w(), "pctFilm")->picture().toImage().convertToFormat(QImage::Format_RGB32);
    QImage now(w().canvas.width(), w().canvas.height(), QImage::Format_RGB32);
    for (int y = 0; y < now.height(); ++y)
        for (int x = 0; x < now.width(); ++x) {
            const Colour c = w().canvas.data()[y * now.width() + x];
            now.setPixel(x, y, qRgb(RedOf(c), GreenOf(c), BlueOf(c)));
        }
    EXPECT_TRUE(last == now) << "the last frame is the drawing as it is";
    film.advance();
    EXPECT_FALSE(film.playing());
    // Its save button stays for a child who reached for it late; the next
    // press elsewhere only takes it away, and the fill is not poured.
    EXPECT_TRUE(Control(w(), "bSaveFilm")->isVisible());
    QTest::mouseClick(w().windowHandle(), Qt::LeftButton, {},
                      Control<CanvasView>(w(), "pctDraw")->mapTo(window.get(), QPoint(600, 400)));
    EXPECT_FALSE(Control(w(), "bSaveFilm")->isVisible());
    EXPECT_TRUE(pixels() == drawing);
}

TEST_F(StoryTest, SaveTheFilmProposesPicturesAndTheDrawingsName) {
    SessionRecorder recorder(w().storyWindow(), stateDir());
    std::int64_t now = 0;  // a steady hand: a call every 50 ms
    recorder.clock = [&now] { return now += 50; };
    FilmPart film(w().storyWindow(), recorder);
    perform("pctDraw_MouseDown 1 100 100");
    perform("pctDraw_MouseMove 1 300 200");
    perform("pctDraw_MouseUp 1 300 200");
    const QString saved = scratch.filePath("garden.bmp");
    dialog.answers.push_back(saved);
    perform("KewlButtons3_MouseDown 1");
    ASSERT_TRUE(QFileInfo::exists(saved));

    const QString target = scratch.filePath("garden film");  // no extension: .webp is added
    dialog.answers.push_back(target);
    window->show();
    perform("PlayFilm");
    // Pressed with the mouse, through the window as any press comes.
    const Box* save = Control(w(), "bSaveFilm");
    QTest::mouseClick(w().windowHandle(), Qt::LeftButton, {}, save->mapTo(window.get(), save->rect().center()));
    EXPECT_TRUE(film.playing()) << "saving keeps the film playing";
    ASSERT_FALSE(dialog.asks.empty());
    EXPECT_TRUE(dialog.asks.back().start.endsWith("/garden.webp")) << qPrintable(dialog.asks.back().start);
    EXPECT_TRUE(
        dialog.asks.back().start.startsWith(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation)));
    const test::DecodedFilm written = test::DecodeWebP(ReadAll(target + ".webp"));
    ASSERT_TRUE(written.ok);
    EXPECT_EQ(written.frames.back().endMs, 23000);

    dialog.answers.push_back(scratch.filePath("no/such/folder/film.webp"));
    perform("SaveFilm");
    EXPECT_FALSE(messages.told.empty()) << "a failed save says so";
    dialog.answers.push_back(std::nullopt);
    const std::size_t asked = dialog.asks.size();
    perform("SaveFilm");  // cancelled: nothing written, nothing said
    EXPECT_EQ(dialog.asks.size(), asked + 1);
}

// The film's dialog and what saving it tells the parent speak the window's
// language; a drawing with no name yet proposes the gallery's dated name.
TEST_F(StoryTest, SavingTheFilmSpeaksTheWindowsLanguage) {
    SessionRecorder recorder(w().storyWindow(), stateDir());
    FilmPart film(w().storyWindow(), recorder);
    w().SetLanguage(QStringLiteral("fr"));
    const Language fr = Language::French;
    perform("pctDraw_MouseDown 1 100 100");
    perform("pctDraw_MouseUp 1 100 100");
    dialog.answers.push_back(scratch.filePath("no/such/folder/film.webp"));
    perform("SaveFilm");
    ASSERT_EQ(dialog.asks.size(), 1u);
    const auto& ask = dialog.asks.back();
    EXPECT_EQ(ask.title, Text(TextId::SaveFilm, fr));
    EXPECT_EQ(ask.filter, Text(TextId::FilterFilm, fr) + QStringLiteral(" (*.webp)"));
    EXPECT_TRUE(ask.start.contains(QLatin1Char('/') + Text(TextId::GalleryDrawingName, fr) + QLatin1Char(' ')))
        << "the name the gallery gives the drawing: " << qPrintable(ask.start);
    EXPECT_TRUE(ask.start.endsWith(QStringLiteral(".webp")));
    ASSERT_EQ(messages.told.size(), 1u);
    const auto& [title, text] = messages.told[0];
    EXPECT_EQ(title, Text(TextId::FilmNotSavedTitle, fr));
    EXPECT_TRUE(text.contains(Text(TextId::FilmNotWritten, fr).section(QStringLiteral("%1"), 0, 0))) << qPrintable(text);
    EXPECT_FALSE(text.contains(QStringLiteral("could not be saved in"))) << "the developer's English stays out";
}

// A picture with a story of thirty oil pictures beside it (582 bytes).
// The film's window lets nothing run while it plays a call and never
// pauses: a key that comes during an oil step stops the film once the step
// is done, and the drawing is untouched.
TEST_F(StoryTest, AKeyDuringAFilmsOilStepStopsTheFilmOnceTheStepIsDone) {
    SessionRecorder recorder(w().storyWindow(), stateDir());
    FilmPart film(w().storyWindow(), recorder);
    window->show();
    QImage picture(807, 537, QImage::Format_RGB32);
    picture.fill(QColor(20, 160, 40));
    const QString opened = scratch.filePath("meadow.png");
    ASSERT_TRUE(picture.save(opened));
    QString story = QStringLiteral("start blank\n");
    for (int i = 0; i < 30; ++i) story += QStringLiteral("bBrush_MouseUp 4 1\n");
    ASSERT_EQ(story.size(), 582);
    WriteText(StoryBeside(opened), story);
    dialog.answers.push_back(opened);
    perform("Label7_MouseDown 1");
    const std::vector<Colour> drawing = pixels();

    perform("PlayFilm");
    ASSERT_TRUE(film.playing());
    bool ran = false;  // would run if a step let events through
    QTimer::singleShot(0, [&ran] { ran = true; });
    QCoreApplication::postEvent(window.get(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    QElapsedTimer clock;
    clock.start();
    while (film.playing() && film.shownFrames() < film.frameCount()) film.advance();
    RecordProperty("thirty_oil_steps_ms", int(clock.elapsed()));
    EXPECT_TRUE(film.playing());
    EXPECT_FALSE(ran) << "an event ran in the middle of a film step";
    QCoreApplication::processEvents();
    EXPECT_FALSE(film.playing()) << "the key stops the film after the step";
    EXPECT_TRUE(pixels() == drawing);
    EXPECT_FALSE(Control(w(), "pctFilm")->isVisible());
}

// Each tick plays a slice of work, and a frame shows once its calls are
// done; past the budget for the whole film it ends and the drawing is back.
TEST_F(StoryTest, AHeavyFilmPlaysInSlicesAndEndsAtItsBudget) {
    SessionRecorder recorder(w().storyWindow(), stateDir());
    std::int64_t now = 0;
    recorder.clock = [&now] { return now; };
    FilmPart film(w().storyWindow(), recorder);
    std::int64_t worked = 0, step = 20;
    film.workClock = [&] { return worked += step; };  // every reading `step` ms later
    perform("bBrush_MouseUp 4 1");                   // the first frame: a seed and two oil pictures
    perform("bBrush_MouseUp 4 1");
    now = 10000;
    perform("bColor_Click 3");  // the last frame
    perform("PlayFilm");
    ASSERT_TRUE(film.playing());
    film.advance();  // a slice of 30 ms: the seed and one oil picture
    EXPECT_EQ(film.shownFrames(), 0) << "the first frame waits for its calls";
    film.advance();
    EXPECT_EQ(film.shownFrames(), 1);
    step = FilmPart::kPlayWorkMs;
    film.advance();
    EXPECT_FALSE(film.playing()) << "past its budget the film ends";
}

}  // namespace
}  // namespace pintaloo

namespace pintaloo {
namespace {

TEST_F(StoryTest, ASavedDrawingKeepsItsStoryAndOpeningItBringsItBack) {
    SessionRecorder recorder(w().storyWindow(), stateDir());
    perform("bColor_Click 12");
    perform("bSpray_MouseDown 1 1");
    perform("pctDraw_MouseDown 1 200 200");
    perform("pctDraw_MouseMove 1 260 230");
    perform("pctDraw_MouseUp 1 260 230");
    const QString saved = scratch.filePath("boat.png");
    dialog.answers.push_back(saved);
    perform("KewlButtons3_MouseDown 1");
    const Story made = recorder.story();
    EXPECT_FALSE(QFileInfo::exists(scratch.filePath("boat.pintaloo-story"))) << "nothing beside the picture";
    EXPECT_EQ(ReadRecording(ReadPngStory(ReadAll(saved)).text).calls, made.calls);

    // Something else, then the boat again: its story comes back with it.
    perform("KewlButtons2_MouseDown 1");
    perform("pctDraw_MouseDown 1 20 20");
    perform("pctDraw_MouseUp 1 20 20");
    dialog.answers.push_back(saved);
    perform("Label7_MouseDown 1");
    // Its story, then the open itself and the editor state as it is now.
    const Story adopted = recorder.story();
    EXPECT_EQ(adopted.start.kind, RecordingStart::Kind::Blank);
    ASSERT_GE(adopted.calls.size(), made.calls.size() + 3);
    EXPECT_TRUE(std::equal(made.calls.begin(), made.calls.end(), adopted.calls.begin()));
    const std::size_t n = adopted.calls.size();
    EXPECT_EQ(adopted.calls[n - 3].name, kPictureWord);
    EXPECT_EQ(adopted.calls[n - 2].name, "Label7_MouseDown");
    EXPECT_EQ(adopted.calls[n - 1].name, kStateWord);
    StoryPlayer player(recorder.story(), w().storyWindow());
    ASSERT_TRUE(player.begin());
    for (std::size_t i = 0; i < player.size(); ++i) ASSERT_TRUE(player.play(i));
    EXPECT_TRUE(player.canvas() == QImage(saved).convertToFormat(QImage::Format_RGB32));

    // New strokes go on the same story, after its last moment.
    perform("pctDraw_MouseDown 1 400 400");
    perform("pctDraw_MouseUp 1 400 400");
    ASSERT_GE(recorder.story().calls.size(), n + 2);  // press, release (and a seed if the numbers moved)
    EXPECT_EQ(recorder.story().calls.back().name, "pctDraw_MouseUp");
    EXPECT_GE(recorder.story().calls.back().atMs, made.calls.back().atMs);
    recorder.sync();
    EXPECT_EQ(ReadRecording(ReadAll(recorder.path()).toStdString()).calls, recorder.story().calls);

    // A damaged story inside the picture is ignored, and so is a good one
    // beside it: the picture is opened as any other.
    // A new image: one loaded from the PNG would carry its story chunk along.
    QImage plain(QImage(saved).size(), QImage::Format_RGB32);
    plain.fill(Qt::white);
    QByteArray png;
    {
        QBuffer buffer(&png);
        ASSERT_TRUE(buffer.open(QIODevice::WriteOnly) && plain.save(&buffer, "PNG"));
    }
    {
        QFile damaged(saved);
        const QByteArray bytes = AddStoryToPng(png, "start blank\nthis is not a story\n", {});
        ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate) && damaged.write(bytes) == bytes.size());
    }
    WriteText(scratch.filePath("boat.pintaloo-story"), "start blank\nbColor_Click 3\n");
    dialog.answers.push_back(saved);
    perform("Label7_MouseDown 1");
    // A drawing of its own: its state, the picture and the open.
    const Story after = recorder.story();
    ASSERT_GE(after.calls.size(), 3u);
    EXPECT_EQ(after.calls.front().name, kStateWord);
    EXPECT_EQ(after.calls[after.calls.size() - 2].name, kPictureWord);
    EXPECT_EQ(after.calls.back().name, "Label7_MouseDown");
}

}  // namespace
}  // namespace pintaloo
