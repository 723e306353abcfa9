// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// A recording read the way the replay tool reads a script: its own lines
// through RecordingDirectives, every other line as a handler call.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QStringList>
#include <random>

#include "ui/story/recording_directives.h"
#include "engine/recording/recording_writer.h"

namespace pintaloo {
namespace {

TEST(RecordingDirectivesTest, TellsItsOwnLinesFromCalls) {
    struct Case {
        const char* line;
        bool handled;
    };
    const Case cases[] = {
        {"start blank", true},
        {"  at 100", true},
        {"moves 1 2 3 4,5", true},
        {"seed 9", true},
        {"bColor_Click 14", false},
        {"wait 100", false},
        {"dialog /tmp/a.png", false},
        {"# at 5", false},
        {"", false},
        {"seeds 1", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RecordingDirectives::Handles(QString::fromLatin1(c.line)), c.handled) << c.line;
}

TEST(RecordingDirectivesTest, ExpandsToTheStepsItStandsFor) {
    RecordingDirectives d;
    std::vector<ReplayStep> steps;
    for (const char* line : {"start picture my cat.png", "at 1200", "seed 4294967295", "moves 1 120 200 3,0,16 -1,2"})
        ASSERT_TRUE(d.Expand(QString::fromLatin1(line), steps)) << line;
    ASSERT_EQ(steps.size(), 5u);
    EXPECT_EQ(steps[0].name, "start");
    EXPECT_EQ(steps[0].start, (RecordingStart{RecordingStart::Kind::Picture, 0, "my cat.png"}));
    EXPECT_EQ(steps[1].name, "seed");
    EXPECT_EQ(steps[1].args, QStringList{"4294967295"});
    EXPECT_EQ(steps[1].atMs, 1200);
    const QStringList moves[] = {{"1", "120", "200"}, {"1", "123", "200"}, {"1", "122", "202"}};
    const std::int64_t times[] = {1200, 1216, 1232};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(steps[std::size_t(i) + 2].name, "pctDraw_MouseMove");
        EXPECT_EQ(steps[std::size_t(i) + 2].args, moves[i]);
        EXPECT_EQ(steps[std::size_t(i) + 2].atMs, times[i]);
    }
    EXPECT_EQ(d.now(), 1232);

    // Bad lines say why and add nothing.
    for (const char* line : {"moves 1 2", "seed x", "at", "start page 2", "bColor_Click 3"}) {
        QString error;
        EXPECT_FALSE(d.Expand(QString::fromLatin1(line), steps, &error)) << line;
        EXPECT_FALSE(error.isEmpty()) << line;
    }
    EXPECT_EQ(steps.size(), 5u);
}

// A session written by RecordingWriter and read as the replay tool reads
// scripts gives back every call, its numbers exact.
TEST(RecordingDirectivesTest, ARecordingReadsBackAsTheCallsThatMadeIt) {
    std::mt19937 rng(3);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    std::vector<RecordedCall> calls;
    std::int64_t t = 0;
    for (int stroke = 0; stroke < 40; ++stroke) {
        calls.push_back({t, "bColor_Click", {double(pick(0, 27))}});
        calls.push_back({t, "seed", {double(rng())}});
        double x = pick(0, 806), y = pick(0, 536);
        calls.push_back({t += 300, "pctDraw_MouseDown", {1, x, y}});
        for (int k = 0; k < 50; ++k) {
            x += pick(-5, 5);
            y += pick(-5, 5);
            calls.push_back({t += pick(15, 18), "pctDraw_MouseMove", {1, k == 25 ? x + 0.25 : x, y}});
        }
        calls.push_back({t += 20, "pctDraw_MouseUp", {1, x, y}});
        t += pick(100, 5000);
    }
    RecordingWriter writer;
    ASSERT_TRUE(writer.start({RecordingStart::Kind::Page, 7, {}}));
    for (const RecordedCall& c : calls) ASSERT_TRUE(writer.add(c));
    writer.flush();
    const QStringList lines = QString::fromStdString(writer.take()).split('\n', Qt::SkipEmptyParts);

    RecordingDirectives d;
    std::vector<ReplayStep> steps;
    for (const QString& line : lines) {
        if (RecordingDirectives::Handles(line)) {
            QString error;
            ASSERT_TRUE(d.Expand(line, steps, &error)) << qPrintable(error);
        } else {
            QStringList words = line.split(QRegularExpression(QStringLiteral("\\s+")));
            const QString name = words.takeFirst();
            steps.push_back({d.now(), name, words, {}});
        }
    }
    ASSERT_EQ(steps.size(), calls.size() + 1);
    EXPECT_EQ(steps[0].start, (RecordingStart{RecordingStart::Kind::Page, 7, {}}));
    for (std::size_t i = 0; i < calls.size(); ++i) {
        const ReplayStep& s = steps[i + 1];
        ASSERT_EQ(s.name.toStdString(), calls[i].name) << i;
        ASSERT_EQ(s.atMs, calls[i].atMs) << i;
        ASSERT_EQ(std::size_t(s.args.size()), calls[i].args.size()) << i;
        for (std::size_t a = 0; a < calls[i].args.size(); ++a)
            ASSERT_EQ(s.args[qsizetype(a)].toDouble(), calls[i].args[a]) << i;
    }
}

TEST(RecordingDirectivesTest, SeedAndStartReachTheWindow) {
    std::vector<std::uint32_t> seeds;
    std::vector<RecordingStart> starts;
    bool refuse = false;
    const RecordingHooks hooks{[&](std::uint32_t n) { seeds.push_back(n); },
                               [&](const RecordingStart& s, QString* why) {
                                   if (refuse) {
                                       *why = QStringLiteral("there is no page 99");
                                       return false;
                                   }
                                   starts.push_back(s);
                                   return true;
                               },
                               {},
                               {},
                               {}};
    ReplayStep seed{0, "seed", {"4294967295"}, {}};
    EXPECT_TRUE(RunRecordingStep(seed, hooks));
    ReplayStep start{0, "start", {}, {RecordingStart::Kind::Page, 99, {}}};
    EXPECT_TRUE(RunRecordingStep(start, hooks));
    EXPECT_EQ(seeds, std::vector<std::uint32_t>{4294967295u});
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].page, 99);

    refuse = true;
    QString error;
    EXPECT_FALSE(RunRecordingStep(start, hooks, &error));
    EXPECT_EQ(error, "there is no page 99");

    struct Bad {
        ReplayStep step;
        bool withHooks;
    };
    const Bad bad[] = {
        {{0, "seed", {"4294967296"}, {}}, true}, {{0, "seed", {"-1"}, {}}, true}, {{0, "seed", {}, {}}, true},
        {{0, "bColor_Click", {"3"}, {}}, true},  {{0, "seed", {"1"}, {}}, false}, {{0, "start", {}, {}}, false},
    };
    for (const Bad& b : bad) {
        QString why;
        EXPECT_FALSE(RunRecordingStep(b.step, b.withHooks ? hooks : RecordingHooks{}, &why)) << qPrintable(b.step.name);
        EXPECT_FALSE(why.isEmpty());
    }
    EXPECT_EQ(seeds.size(), 1u);
}

TEST(RecordingDirectivesTest, ThePictureIsBesideTheScript) {
    const RecordingStart picture{RecordingStart::Kind::Picture, 0, "cat.png"};
    EXPECT_EQ(PictureBeside("/home/ann/Pictures/cat.pintaloo", picture), "/home/ann/Pictures/cat.png");
    const RecordingStart whole{RecordingStart::Kind::Picture, 0, "/srv/art/dog.png"};
    EXPECT_EQ(PictureBeside("/home/ann/Pictures/cat.pintaloo", whole), "/srv/art/dog.png");
    EXPECT_TRUE(PictureBeside("/home/ann/x", RecordingStart{}).isEmpty());
}

}  // namespace
}  // namespace pintaloo
