// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// What the window writes into the state folder and beside a saved picture:
// never through something planted there, never silently lost.
#include <gtest/gtest.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <functional>

#include "ui/parts/drawing_history.h"
#include "ui/files/kept_drawing.h"
#include "ui/files/png_story.h"
#include "ui/story/session_recorder.h"
#include "ui/words/texts.h"
#include "tests/support/window_rig.h"

namespace pintaloo {
namespace {

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QStringList Copies(const QString& folder) { return QDir(folder).entryList({QStringLiteral("picture-*")}, QDir::Files); }

class KeepingTest : public ::testing::Test, protected testkit::WindowRig {
protected:
    void SetUp() override {
        ASSERT_TRUE(loaded);
        QDir().mkpath(state());
        QDir().mkpath(outside());
        WriteBytes(victim(), kVictim);
    }
    QString state() const { return scratch.filePath("state"); }
    QString outside() const { return scratch.filePath("outside"); }
    QString victim() const { return scratch.filePath("outside/precious.txt"); }
    void stroke(double x) {
        call("pctDraw_MouseDown", {1, x, 40});
        call("pctDraw_MouseMove", {1, x + 30, 60});
        call("pctDraw_MouseUp", {1, x + 30, 60});
    }
    void settle() { QCoreApplication::processEvents(); }
    int toldWith(TextId id) const {
        const QString head = Text(id, Language::English).section(QLatin1Char('%'), 0, 0).left(30);
        int n = 0;
        for (const auto& [title, text] : messages.told) n += text.startsWith(head) ? 1 : 0;
        return n;
    }
    static inline const QByteArray kVictim = "a grown-up's file, not ours to write\n";
};

// Each of the program's files planted as a link (or a second name) of a
// file outside: whatever the program writes, that file keeps its bytes.
TEST_F(KeepingTest, NothingIsWrittenThroughWhatIsPlanted) {
    enum class Plant { SymbolicLink, HardLink };
    struct Case {
        const char* name;
        QString where;  // the program's name that is planted
        std::function<void()> write;
    };
    const Case cases[] = {
        {"the kept drawing", state() + "/drawing.png",
         [&] {
             w().drawingHistory().keepIn(state());
             stroke(10);
             w().drawingHistory().flush();
         }},
        {"the story file", state() + "/drawing.rec",
         [&] {
             SessionRecorder recorder(w().storyWindow(), state());
             stroke(10);
             recorder.sync();
         }},
    };
    for (const Plant plant : {Plant::SymbolicLink, Plant::HardLink}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << c.name << (plant == Plant::HardLink ? " as a hard link" : " as a link"));
            QFile::remove(c.where);
            const QByteArray from = QFile::encodeName(victim()), to = QFile::encodeName(c.where);
            ASSERT_EQ(plant == Plant::HardLink ? ::link(from, to) : ::symlink(from, to), 0);
            c.write();
            EXPECT_EQ(ReadAll(victim()), kVictim);
            WriteBytes(victim(), kVictim);
            QFile::remove(c.where);
        }
    }
}

// A copy of a picture the story starts at is whole, whatever was left under
// its name: a copy cut off by a full disk, or a link to something else.
TEST_F(KeepingTest, APictureCopyIsWholeOrNotUsed) {
    QImage picture(300, 200, QImage::Format_RGB32);
    picture.fill(QColor(200, 40, 90));
    const QString original = scratch.filePath("sunset.png");
    ASSERT_TRUE(picture.save(original));
    QString name;
    {
        SessionRecorder recorder(w().storyWindow(), state());
        ASSERT_TRUE(recorder.startFrom(original));
        name = QString::fromStdString(recorder.story().start.picture);
    }
    const QString copy = QDir(state()).filePath(name);
    const std::pair<const char*, std::function<void()>> leftBehind[] = {
        {"cut off", [&] { WriteBytes(copy, ReadAll(original).left(100)); }},
        {"emptied", [&] { WriteBytes(copy, {}); }},
        {"a link elsewhere", [&] { ASSERT_EQ(::symlink(QFile::encodeName(victim()), QFile::encodeName(copy)), 0); }},
    };
    for (const auto& [what, plant] : leftBehind) {
        SCOPED_TRACE(what);
        QFile::remove(copy);
        plant();
        SessionRecorder recorder(w().storyWindow(), state());
        if (recorder.startFrom(original)) {
            EXPECT_EQ(ReadAll(QDir(state()).filePath(QString::fromStdString(recorder.story().start.picture))),
                      ReadAll(original));
        }
        EXPECT_EQ(ReadAll(victim()), kVictim);
    }
}

// Restarts on a changed drawing and opened photos leave only what a story
// still names, and a bounded few besides.
TEST_F(KeepingTest, PictureCopiesAreBounded) {
    for (int start = 0; start < 12; ++start) {
        QImage kept(807, 537, QImage::Format_RGB32);
        kept.fill(QColor(start * 20, 100, 200 - start * 10));
        const QString path = scratch.filePath(QStringLiteral("kept-%1.png").arg(start));
        ASSERT_TRUE(kept.save(path));
        SessionRecorder recorder(w().storyWindow(), state());  // a start, as the program makes
        ASSERT_TRUE(recorder.startFrom(path));
        recorder.sync();
    }
    const QStringList left = Copies(state());
    EXPECT_LE(left.size(), 5) << left.join(' ').toStdString();
    SessionRecorder recorder(w().storyWindow(), state());
    ASSERT_TRUE(recorder.startFrom(scratch.filePath("kept-11.png")));
    EXPECT_TRUE(Copies(state()).contains(QString::fromStdString(recorder.story().start.picture)));
}

// A kept drawing refused at start is moved aside and the parent told; the
// next change writes a new one and leaves it be.
TEST_F(KeepingTest, ARefusedKeptDrawingIsMovedAsideNotOverwritten) {
    const QByteArray damaged = QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(300, 'x');
    WriteBytes(KeptDrawingPath(state()), damaged);
    EXPECT_FALSE(w().drawingHistory().keepIn(state()));
    stroke(50);
    w().drawingHistory().flush();
    settle();
    const QStringList aside = QDir(state()).entryList({QStringLiteral("drawing-refused-*.png")});
    ASSERT_EQ(aside.size(), 1);
    EXPECT_EQ(ReadAll(QDir(state()).filePath(aside[0])), damaged);
    EXPECT_NE(ReadAll(KeptDrawingPath(state())), damaged);
    EXPECT_EQ(toldWith(TextId::KeptRefused), 1);
}

// A state folder that cannot be written: the parent is told once, the
// writer keeps trying, and quitting offers a save.
TEST_F(KeepingTest, ADrawingThatCannotBeKeptIsSaidOnceAndOfferedForSaving) {
    const QString blocked = scratch.filePath("blocked");
    WriteBytes(blocked, "a file where the folder should be");
    w().drawingHistory().keepIn(blocked + "/pintaloo");
    for (int i = 0; i < 3; ++i) {
        stroke(10 + 40 * i);
        w().drawingHistory().flush();
        settle();
    }
    EXPECT_EQ(toldWith(TextId::KeepFailed), 1);
    EXPECT_EQ(w().drawingHistory().keeper()->writesFailed(), 3) << "each change tries again";
    const QString saved = scratch.filePath("rescued.png");
    dialog.answers.push_back(saved);
    messages.answers.push_back(true);
    w().drawingHistory().offerSaveBeforeQuitting();
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_FALSE(QImage(saved).isNull()) << "yes saves the drawing";

    // A copy that keeps nothing at all (another holds the folder) asks too,
    // but only once something was drawn.
    w().drawingHistory().cannotKeep(QStringLiteral("another copy keeps there"));
    w().drawingHistory().offerSaveBeforeQuitting();
    EXPECT_EQ(messages.asked.size(), 1u);
    stroke(200);
    w().drawingHistory().offerSaveBeforeQuitting();
    EXPECT_EQ(messages.asked.size(), 2u);
    // The session ending closes without a question nobody may be there to answer.
    stroke(250);
    w().QuitForSessionEnd();
    EXPECT_EQ(messages.asked.size(), 2u);
}

// A PNG saved carries its story inside, and nothing is written beside any
// picture; a save that failed, or a kind without room for a story, gets none.
TEST_F(KeepingTest, ASavedPngCarriesItsStoryAndNothingGoesBeside) {
    SessionRecorder recorder(w().storyWindow(), state());
    stroke(10);
    struct Case {
        const char* name;
        QString picture;
        std::function<void()> plant;
        bool saved, told, story;
    };
    const QString longName = scratch.filePath(QString(248, QLatin1Char('b')) + ".png");
    const QString failed = scratch.filePath("failed.png");
    const Case cases[] = {
        {"a name near the longest a file may have", longName, [] {}, true, false, true},
        {"a save that failed (a folder under the name)", failed, [&] { QDir().mkpath(failed); }, false, true, false},
        {"a bitmap", scratch.filePath("ok.bmp"), [] {}, true, false, false},
        {"a sound save", scratch.filePath("ok.png"), [] {}, true, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.plant();
        messages.told.clear();
        dialog.answers.push_back(c.picture);
        call("KewlButtons3_MouseDown", {1});
        EXPECT_EQ(!QImage(c.picture).isNull(), c.saved);
        EXPECT_EQ(toldWith(TextId::StoryNotKept), 0);
        EXPECT_EQ(PngHasStory(ReadAll(c.picture)), c.story);
        EXPECT_FALSE(QFileInfo::exists(StoryBeside(c.picture)));
        if (!c.saved) {
            EXPECT_EQ(messages.told.size(), 1u) << "only the failed save is said";
        }
    }
}

}  // namespace
}  // namespace pintaloo
