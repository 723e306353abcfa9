// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// A story planted beside a picture is read as a stranger's file: whatever it
// is, opening the picture ends at once, and a story that could not play is
// refused whole, the picture starting a story of its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <QDir>
#include <QFile>
#include <QImage>

#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <string>

#include "engine/recording/story_words.h"
#include "ui/story/session_recorder.h"
#include "ui/story/story_file.h"
#include "ui/parts/drawing_files.h"
#include "tests/support/window_rig.h"

namespace pintaloo {
namespace {

class StoryFileTest : public ::testing::Test, protected testkit::WindowRig {
protected:
    void SetUp() override {
        ASSERT_TRUE(loaded);
        for (const char* sub : {"state", "pictures", "private"}) ASSERT_TRUE(QDir(scratch.path()).mkpath(sub));
        ASSERT_TRUE(Picture(Qt::yellow).save(at("pictures/boat.png")));
        ASSERT_TRUE(Picture(Qt::red).save(at("pictures/first.png")));
        ASSERT_TRUE(Picture(Qt::blue).save(at("private/secret.png")));
    }
    QString at(const QString& name) const { return scratch.filePath(name); }
    static QImage Picture(Qt::GlobalColor colour) {
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(colour);
        return image;
    }
    static void Write(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }
    // A story beside the boat opening `count` black pictures of `side` x
    // `side` pixels, each a few kilobytes on the disk.
    void PlantBigPictures(const QString& story, int count, int side) {
        QImage big(side, side, QImage::Format_Mono);
        big.fill(0);
        QByteArray text = "start blank\n";
        for (int i = 0; i < count; ++i) {
            const QByteArray name = "big-" + QByteArray::number(i) + ".png";
            ASSERT_TRUE(big.save(at("pictures/" + QString::fromLatin1(name)), "PNG"));
            text += "picture " + name + "\nLabel7_MouseDown\n";
        }
        Write(story, text);
    }
    // Opens pictures/boat.png through the window, with the recorder listening.
    Story openBoat() {
        SessionRecorder recorder(w().storyWindow(), at("state"));
        dialog.answers.push_back(at("pictures/boat.png"));
        call("Label7_MouseDown", {1});
        return recorder.story();
    }
};

const QByteArray kGood = "start blank\nat 5\nbColor_Click 3\nseed 7\npctDraw_MouseDown 1 10 10\nmoves 1 10 10 2,2,16\n"
                         "pctDraw_MouseUp 1 12 12\n";

// Each planted story: opening the boat ends, the open is a step of the
// window's own story and the stranger's story is left out.
TEST_F(StoryFileTest, AStoryThatCannotBeReadOrPlayedIsRefusedWhole) {
    const QString story = at("pictures/boat.pintaloo-story");
    const auto text = [&](const QByteArray& bytes) { return [&, bytes] { Write(story, bytes); }; };
    const auto link = [&](const QString& to) { return [&, to] { ASSERT_TRUE(QFile::link(to, story)); }; };
    // Many moves in one line, under the bytes allowed: the calls are capped too.
    const QByteArray manyMoves = "start blank\nmoves 1 10 10" +
                                 QByteArray(" 0,0").repeated(int(StoryLimits::kMaxCalls)) + "\n";
    const QByteArray big = kGood + QByteArray("bColor_Click 3\n").repeated(int(StoryLimits::kMaxBytes / 15));
    struct Case {
        const char* what;
        std::function<void()> plant;
        StoryRefusal refusal;
    };
    const Case cases[] = {
        {"a pipe no one writes to", [&] { ASSERT_EQ(::mkfifo(QFile::encodeName(story).constData(), 0600), 0); },
         StoryRefusal::Unreadable},
        {"a link to an endless device", link(QStringLiteral("/dev/zero")), StoryRefusal::Unreadable},
        {"a folder", [&] { ASSERT_TRUE(QDir().mkdir(story)); }, StoryRefusal::Unreadable},
        {"more bytes than a story may have", text(big), StoryRefusal::TooLarge},
        {"more calls than a story may have", text(manyMoves), StoryRefusal::TooLarge},
        {"a start picture outside its folder", text("start picture " + at("private/secret.png").toUtf8() + "\n"),
         StoryRefusal::StartPicture},
        {"a start picture up a folder", text("start picture ../private/secret.png\n"), StoryRefusal::StartPicture},
        {"a start picture linked outside",
         [&] {
             ASSERT_TRUE(QFile::link(at("private/secret.png"), at("pictures/linked.png")));
             Write(story, "start picture linked.png\n");
         },
         StoryRefusal::StartPicture},
        {"a start picture that is not a picture",
         [&] {
             Write(at("pictures/words.png"), "not a picture");
             Write(story, "start picture words.png\n");
         },
         StoryRefusal::StartPicture},
        {"a start picture that is gone", text("start picture gone.png\n"), StoryRefusal::StartPicture},
        {"an unknown handler", text(kGood + "NoSuchButton_Click 1\n"), StoryRefusal::CannotPlay},
        {"an index beyond its row", text(kGood + "bColor_Click 99\n"), StoryRefusal::CannotPlay},
        {"too many arguments", text(kGood + "bColor_Click 1 2 3\n"), StoryRefusal::CannotPlay},
        {"a coordinate far off the window", text(kGood + "pctDraw_MouseDown 1 1e300 5\n"), StoryRefusal::CannotPlay},
        {"a moves run far off the window", text("start blank\nmoves 1 0 0 9000000,0\n"), StoryRefusal::CannotPlay},
        {"the last moment of 64 bits", text("start blank\nat 9223372036854775807\nbColor_Click 1\n"),
         StoryRefusal::CannotPlay},
        {"a time before the story", text("start blank\nat -5\nbColor_Click 1\n"), StoryRefusal::CannotPlay},
        {"moves past 64 bits", text("start blank\nmoves 1 0 0 0,0,9223372036854775807 0,0\n"),
         StoryRefusal::NotAStory},
        {"a page start", text("start page 3\nbColor_Click 1\n"), StoryRefusal::CannotPlay},
        {"an opened picture outside its folder", text(kGood + "picture ../private/secret.png\nLabel7_MouseDown\n"),
         StoryRefusal::StartPicture},
        {"a state the editor cannot take", text("start blank\nstate 1 2 3\n"), StoryRefusal::CannotPlay},
        {"a malformed line", text("start blank\nthis is not a story\n"), StoryRefusal::NotAStory},
        // Each opens, but decoding them all would hold the window for seconds.
        {"pictures beyond a story's pixels", [&] { PlantBigPictures(story, 8, 2000); }, StoryRefusal::TooLarge},
        {"one picture beyond a story's pixels", [&] { PlantBigPictures(story, 1, 5000); }, StoryRefusal::TooLarge},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(story);
        QDir(story).removeRecursively();
        QFile::remove(at("pictures/linked.png"));
        c.plant();
        EXPECT_EQ(ReadStoryFile(story, w().actions, std::chrono::seconds(8)).refusal, c.refusal);
        // The open is a step of a story of the window's own, naming the
        // boat's own copy; nothing of the stranger's story is in it.
        const Story made = openBoat();
        EXPECT_EQ(made.start.kind, RecordingStart::Kind::Blank);
        ASSERT_GE(made.calls.size(), 2u);
        const RecordedCall& named = made.calls[made.calls.size() - 2];
        EXPECT_EQ(named.name, kPictureWord);
        EXPECT_TRUE(QString::fromStdString(named.file).startsWith("picture-")) << "the boat's own copy";
        EXPECT_EQ(made.calls.back().name, "Label7_MouseDown");
        EXPECT_TRUE(std::none_of(made.calls.begin(), made.calls.end(),
                                 [](const RecordedCall& call) { return call.name == "bColor_Click"; }));
    }
}

// A sound story comes back whole, its start picture by its whole path in
// the story's folder.
TEST_F(StoryFileTest, ASoundStoryIsTakenOnWithItsStartPicture) {
    Write(at("pictures/boat.pintaloo-story"), "start picture first.png\n" + kGood.mid(12));
    const Story made = openBoat();
    EXPECT_EQ(made.start.kind, RecordingStart::Kind::Picture);
    EXPECT_EQ(QString::fromStdString(made.start.picture), at("pictures/first.png"));
    // colour, seed, press, two moves, release; then the open itself, the
    // picture it answers with, and the editor state as it is
    ASSERT_GE(made.calls.size(), 9u);
    EXPECT_EQ(made.calls[5], (RecordedCall{21, "pctDraw_MouseUp", {1, 12, 12}}));
    EXPECT_EQ(made.calls.back().name, kStateWord);
}

// The story follows what the window did with the picture, decoded once: a
// picture the window gave up on (here at a time limit of nothing) starts no
// story, though it would open given time.
TEST_F(StoryFileTest, APictureTheWindowGaveUpOnStartsNoStory) {
    QImage big(4000, 3000, QImage::Format_RGB32);
    big.fill(Qt::cyan);
    ASSERT_TRUE(big.save(at("pictures/big.png")));
    SessionRecorder recorder(w().storyWindow(), at("state"));
    call("bColor_Click", {3});
    w().files().openTimeLimit = std::chrono::milliseconds(0);
    dialog.answers.push_back(at("pictures/big.png"));
    call("Label7_MouseDown", {1});
    EXPECT_TRUE(w().files().lastOpened.isEmpty());
    EXPECT_EQ(recorder.story().start.kind, RecordingStart::Kind::Blank);
    EXPECT_EQ(recorder.story().calls.size(), 1u);
    FinishPictureDecoding();
}

// A line of the story format's own is never read as an action, so no
// action may take one of its words as a name; and the call a `moves` line
// stands for is the window's pen move, as stories already saved expect.
TEST_F(StoryFileTest, TheStoryFormatsOwnWordsNameNoActionAndItsMovesArePenMoves) {
    for (const std::string_view word : kStoryLineWords)
        EXPECT_FALSE(w().actions.has(std::string(word))) << word << " is the story's own word";
    const auto move = w().actions.find(kPenMoveCall);
    ASSERT_TRUE(move.has_value());
    const ActionHub::Action& row = w().actions.action(*move);
    EXPECT_EQ(row.name, "PenMove");
    EXPECT_EQ(row.effect, Effect::Drawing) << "a moves line draws, and is kept";
    EXPECT_EQ(row.params.size(), 3u) << "a moves step gives the button and the point";
}

}  // namespace
}  // namespace pintaloo
