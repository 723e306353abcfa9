// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The recording's script lines: written and read back exactly, cut off by a
// crash at any byte, and small enough for an hour of drawing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "engine/recording/dense_moves.h"
#include "engine/recording/recording_reader.h"
#include "engine/recording/recording_writer.h"

namespace pintaloo {
namespace {

std::string Write(const RecordingStart& start, const std::vector<RecordedCall>& calls) {
    RecordingWriter w;
    EXPECT_TRUE(w.start(start));
    for (const RecordedCall& c : calls) EXPECT_TRUE(w.add(c)) << c.name;
    w.flush();
    return w.take();
}

// A child drawing: strokes of mouse moves at about 60 a second with the
// jitter real event times have, some of them hovering or off the pixel grid,
// clicks on the tool box, seeds, undo, and pauses of every length.
struct Session {
    std::vector<RecordedCall> calls;
    std::int64_t drawingMs = 0;
};

struct Pauses {
    int shortMs = 2500;  // seven pauses in ten are up to this long
    int longMs = 20000;  // the others up to this
};

Session RandomSession(std::uint32_t seed, std::int64_t lengthMs, bool fractions = true, Pauses pauses = {}) {
    std::mt19937 rng(seed);
    auto uniform = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    Session s;
    std::int64_t t = uniform(0, 3000);
    while (t < lengthMs) {
        switch (uniform(0, 9)) {
            case 0:
                s.calls.push_back({t, "bColor_Click", {double(uniform(0, 27))}});
                break;
            case 1:
                s.calls.push_back({t, "bTool_Click", {double(uniform(0, 11))}});
                break;
            case 2:
                s.calls.push_back({t, "bSize_MouseUp", {double(uniform(0, 3)), 1}});
                break;
            case 3:
                s.calls.push_back({t, "bUndo_Click", {}});
                break;
            default:
                break;
        }
        t += uniform(0, 400);
        s.calls.push_back({t, "seed", {double(rng())}});
        const int button = uniform(0, 9) == 0 ? 2 : 1;
        double x = uniform(0, 806), y = uniform(0, 536);
        s.calls.push_back({t, "pctDraw_MouseDown", {double(button), x, y}});
        const std::int64_t strokeStart = t;
        const std::int64_t strokeEnd = t + uniform(300, 6000);
        for (int k = 1; t < strokeEnd; ++k) {
            t = strokeStart + std::llround(k * 1000.0 / 60.0) + (uniform(0, 19) == 0 ? uniform(1, 40) : 0);
            x = std::clamp(x + uniform(-7, 7), 0.0, 806.0);
            y = std::clamp(y + uniform(-7, 7), 0.0, 536.0);
            double mx = x, my = y;
            if (fractions && uniform(0, 199) == 0) mx += 0.5;  // a scaled window's half pixel
            s.calls.push_back({t, "pctDraw_MouseMove", {double(button), mx, my}});
        }
        s.calls.push_back({t, "pctDraw_MouseUp", {double(button), x, y}});
        s.drawingMs += t - strokeStart;
        if (uniform(0, 4) == 0 && fractions)  // hovering between strokes
            for (int k = 0; k < 20; ++k) {
                t += 16;
                s.calls.push_back({t, "pctDraw_MouseMove", {0, double(uniform(0, 806)), double(uniform(0, 536))}});
            }
        t += uniform(0, 9) < 7 ? uniform(std::min(200, pauses.shortMs), pauses.shortMs)
                               : uniform(pauses.shortMs, pauses.longMs);
    }
    return s;
}

TEST(RecordingFormat, ReadsAsTheReplayScriptLanguage) {
    const std::vector<RecordedCall> calls = {
        {0, "bColor_Click", {14}},
        {0, "seed", {77}},
        {1200, "pctDraw_MouseDown", {1, 120, 200}},
        {1216, "pctDraw_MouseMove", {1, 123, 200}},
        {1233, "pctDraw_MouseMove", {1, 125, 198}},
        {1250, "pctDraw_MouseMove", {1, 126, 199}},
        {1266, "pctDraw_MouseMove", {1, 126.5, 199}},
        {1280, "pctDraw_MouseUp", {1, 126.5, 199}},
    };
    EXPECT_EQ(Write({RecordingStart::Kind::Page, 3, {}}, calls),
              "start page 3\n"
              "bColor_Click 14\n"
              "seed 77\n"
              "at 1200\n"
              "pctDraw_MouseDown 1 120 200\n"
              "at 1216\n"
              "dense 1 123 200 2 py8KmA\n"
              "at 1266\n"
              "pctDraw_MouseMove 1 126.5 199\n"
              "at 1280\n"
              "pctDraw_MouseUp 1 126.5 199\n");
    // Stories written before `dense` came hold the same moves as `packed`
    // (and by hand as `moves`); they read as ever.
    const std::vector<RecordedCall> moves(calls.begin() + 3, calls.begin() + 6);
    EXPECT_EQ(ReadRecording("at 1216\npacked 1 123 200 EDiBCCA\n").calls, moves);
    EXPECT_EQ(ReadRecording("at 1216\nmoves 1 123 200 2,-2,17 1,1\n").calls, moves);
}

TEST(RecordingFormat, RandomSessionsComeBackExactly) {
    const RecordingStart starts[] = {
        {}, {RecordingStart::Kind::Page, 12, {}}, {RecordingStart::Kind::Picture, 0, "my cat.png"}};
    for (std::uint32_t seed = 1; seed <= 12; ++seed) {
        Session s = RandomSession(seed, 120000);
        // An open named by its picture (spaces and all), the editor state at a
        // restart, and a seed whose shortest form would be 5e+06.
        const std::size_t at = s.calls.size() / 2;
        const std::int64_t t = s.calls[at].atMs;
        s.calls.insert(s.calls.begin() + std::ptrdiff_t(at),
                       {{t, kPictureWord, {}, "picture of  my cat.png"}, {t, "Label7_MouseDown", {1, 0, 0}},
                        {t, kStateWord, {1, 0, 4294967295.0, -3, 2}}, {t, kSeedWord, {5000000}}});
        const RecordingStart& start = starts[seed % 3];
        const Recording r = ReadRecording(Write(start, s.calls));
        EXPECT_EQ(r.badLine, 0u) << r.error;
        EXPECT_FALSE(r.cutShort);
        EXPECT_EQ(r.start, start);
        ASSERT_EQ(r.calls.size(), s.calls.size()) << "seed " << seed;
        for (std::size_t i = 0; i < s.calls.size(); ++i)
            ASSERT_EQ(r.calls[i], s.calls[i]) << "seed " << seed << " call " << i;
    }
}

TEST(RecordingFormat, NumbersKeepEveryBit) {
    const double values[] = {0.1, 1.0 / 3.0, -2.5, 1e-300, 123456789.125, std::nextafter(1.0, 2.0), -0.0, 1e15 + 0.5};
    std::vector<RecordedCall> calls;
    for (double v : values) calls.push_back({5, "pctDraw_MouseMove", {1, v, 3}});
    const Recording r = ReadRecording(Write({}, calls));
    ASSERT_EQ(r.calls.size(), calls.size());
    for (std::size_t i = 0; i < calls.size(); ++i) {
        EXPECT_EQ(std::signbit(r.calls[i].args[1]), std::signbit(values[i]));
        EXPECT_EQ(r.calls[i].args[1], values[i]);
    }
}

// Steps of any size and times anywhere, through `dense` and `moves` lines
// alike: a step whose sums would pass 64 bits begins a line of its own.
TEST(RecordingFormat, MovesOfAnySizeComeBackExactly) {
    constexpr std::int64_t kBig = std::numeric_limits<std::int64_t>::max();
    const double far = 1e9;
    const std::vector<RecordedCall> calls = {
        {0, "pctDraw_MouseMove", {1, -far, far}},    {1, "pctDraw_MouseMove", {1, far, -far}},
        {2, "pctDraw_MouseMove", {1, 0, 0}},         {kBig - 1, "pctDraw_MouseMove", {1, 1, 1}},
        {kBig, "pctDraw_MouseMove", {1, 2, 2}},      {-kBig, "pctDraw_MouseMove", {1, 3, 3}},
        {-kBig + 1, "pctDraw_MouseMove", {1, 4, 4}}, {5, "pctDraw_MouseMove", {1, 5, 5}},
        {5, "pctDraw_MouseMove", {1, 5, 5}},         {4, "pctDraw_MouseMove", {1, 6, 6}},
    };
    const std::string text = Write({}, calls);
    EXPECT_NE(text.find("\ndense "), std::string::npos) << text;
    const Recording r = ReadRecording(text);
    EXPECT_EQ(r.badLine, 0u) << r.error;
    EXPECT_EQ(r.calls, calls) << text;
}

// Steps of every size, the smooth ones a stroke makes among them, come
// back exactly from a `dense` code, and each code decodes to as many steps
// as asked: fewer are the front of the same steps.
TEST(RecordingFormat, DenseCodesGiveBackEveryStep) {
    std::mt19937_64 random(42);
    const std::int64_t extremes[] = {0, 1, -1, 31, -32, 32, std::numeric_limits<std::int64_t>::max(),
                                     std::numeric_limits<std::int64_t>::min(), 1LL << 40, -(1LL << 40)};
    for (int round = 0; round < 400; ++round) {
        std::vector<MoveStep> steps(std::size_t(1 + random() % 300));
        const int kind = round % 4;  // smooth, jittery, extreme, mixed
        for (MoveStep& s : steps) {
            const auto small = [&] { return std::int64_t(random() % 7) - 3; };
            const auto any = [&] { return extremes[random() % std::size(extremes)]; };
            s = kind == 0   ? MoveStep{2 + small() / 3, -1 + small() / 3, 3 + small() / 2}
                : kind == 1 ? MoveStep{small() * 5, small() * 9, 1 + std::int64_t(random() % 16)}
                : kind == 2 ? MoveStep{any(), any(), any()}
                            : MoveStep{std::int64_t(random()), small(), random() % 9 ? 4 : any()};
        }
        const std::string code = EncodeDenseSteps(steps);
        ASSERT_EQ(code.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_"),
                  std::string::npos);
        const auto back = DecodeDenseSteps(code, steps.size());
        ASSERT_TRUE(back) << code;
        ASSERT_EQ(*back, steps) << "round " << round << ": " << code;
        const auto front = DecodeDenseSteps(code, steps.size() / 2);
        ASSERT_TRUE(front);
        ASSERT_TRUE(std::equal(front->begin(), front->end(), steps.begin())) << "round " << round;
    }
}

TEST(RecordingFormat, LongStrokesGoOutInWholeLinesAsTheyAreDrawn) {
    RecordingWriter w(10);
    ASSERT_TRUE(w.start({}));
    for (int k = 0; k < 25; ++k) ASSERT_TRUE(w.add({k * 16, "pctDraw_MouseMove", {1, double(k), 0}}));
    // Two full runs of ten are out; the five of the third wait for the rest of their line.
    const std::string text = w.take();
    const Recording early = ReadRecording(text);
    EXPECT_FALSE(early.cutShort);
    EXPECT_EQ(early.calls.size(), 20u);
    w.flush();
    const Recording all = ReadRecording(text + w.take());
    EXPECT_EQ(all.calls.size(), 25u);
    EXPECT_EQ(all.calls.back(), (RecordedCall{24 * 16, "pctDraw_MouseMove", {1, 24, 0}}));
}

TEST(RecordingFormat, WriterRefusesWhatAScriptCannotCarry) {
    const RecordedCall refused[] = {
        {0, "", {}},
        {0, "two words", {1}},
        {0, "#comment", {}},
        {0, "at", {5}},
        {0, "moves", {1, 2, 3}},
        {0, "start", {}},
        {0, "bColor_Click", {std::numeric_limits<double>::quiet_NaN()}},
        {0, "pctDraw_MouseMove", {1, std::numeric_limits<double>::infinity(), 2}},
        {0, "seed", {1.5}},
        {0, "seed", {-1}},
        {0, "seed", {4294967296.0}},
        {0, "seed", {1, 2}},
        {0, "picture", {}, ""},
        {0, "picture", {1}, "a.png"},
        {0, "picture", {}, "a\nb.png"},
        {0, "picture", {}, " a.png"},
    };
    for (const RecordedCall& c : refused) {
        RecordingWriter w;
        ASSERT_TRUE(w.start({}));
        const std::size_t before = w.bytesWritten();
        EXPECT_FALSE(w.add(c)) << c.name;
        EXPECT_EQ(w.bytesWritten(), before) << c.name;
    }
    RecordingWriter w;
    EXPECT_FALSE(w.start({RecordingStart::Kind::Picture, 0, ""}));
    EXPECT_FALSE(w.start({RecordingStart::Kind::Picture, 0, "a\nb.png"}));
    EXPECT_FALSE(w.start({RecordingStart::Kind::Page, -1, {}}));
    EXPECT_EQ(w.bytesWritten(), 0u);
}

TEST(RecordingFormat, MalformedLinesAreNamedAndWhatCameBeforeIsKept) {
    const char* bad[] = {
        "at",
        "at 1.5",
        "at soon",
        "seed",
        "seed -1",
        "seed 4294967296",
        "seed 1 2",
        "moves 1 2",
        "moves 1 2 3.5",
        "moves 1 2 3 4",
        "moves 1 2 3 4,x",
        "moves 1 2 3 4,5,",
        // Sums past 64 bits are refused, not wrapped.
        "moves 1 9223372036854775807 0 1,0",
        "moves 1 0 -9223372036854775808 0,-1",
        "moves 1 0 0 0,0,9223372036854775807 0,0",
        "packed 1 2 3",
        "packed 1 2 3 EDiBCCA more",
        "packed 1 2.5 3 CCA",
        "packed 1 2 3 EDiBC",           // ends inside a step
        "packed 1 2 3 EDiBCCg",         // inside a number
        "packed 1 2 3 EDi+CCA",         // not one of the 64
        "packed 1 2 3 ______________",  // past 64 bits
        "packed 1 9223372036854775807 0 CAA",
        "packed 1 0 0 AA-___________PAAA",  // the clock past 64 bits
        "dense 1 2 3",
        "dense 1 2 3 0",
        "dense 1 2 3 -1 kg",
        "dense 1 2 3 2.5 kg",
        "dense 1 2 3 1 kg more",
        "dense 1 2 3 1 k",                     // no whole byte
        "dense 1 2 3 1 k+",                    // not one of the 64
        "dense 1 9223372036854775807 0 1 kg",  // x past 64 bits
        "dense 1 2 3 10001 kg",                // more steps than a line may hold
        "bColor_Click 1x",
        "bColor_Click 0x10",
        "dialog /tmp/a.png",
        "start",
        "start page",
        "start page -2",
        "start sideways",
        "start blank please",
    };
    for (const char* line : bad) {
        const std::string text = std::string("start blank\nbColor_Click 3\n") +
                                 (std::string(line).rfind("start", 0) == 0 ? "" : "") + line + "\nbColor_Click 4\n";
        const Recording r = ReadRecording(text);
        EXPECT_EQ(r.badLine, 3u) << line;
        EXPECT_FALSE(r.error.empty()) << line;
        ASSERT_EQ(r.calls.size(), 1u) << line;
        EXPECT_EQ(r.calls[0], (RecordedCall{0, "bColor_Click", {3}}));
    }
    // A second start is refused too.
    EXPECT_EQ(ReadRecording("start blank\nstart page 2\n").badLine, 2u);
}

TEST(RecordingFormat, CommentsBlankLinesAndSpacesStandForNothing) {
    const Recording r = ReadRecording("# made by hand\n\n  start   page 4  \r\n at 10\n\tbColor_Click   2 \n# done\n");
    EXPECT_EQ(r.badLine, 0u) << r.error;
    EXPECT_EQ(r.start, (RecordingStart{RecordingStart::Kind::Page, 4, {}}));
    ASSERT_EQ(r.calls.size(), 1u);
    EXPECT_EQ(r.calls[0], (RecordedCall{10, "bColor_Click", {2}}));
    EXPECT_TRUE(RecordingReader::IsDirective("  moves 1 2 3"));
    EXPECT_TRUE(RecordingReader::IsDirective("seed 4"));
    EXPECT_FALSE(RecordingReader::IsDirective("movesx 1"));
    EXPECT_FALSE(RecordingReader::IsDirective("wait 100"));
}

// Whatever byte the file stops at, it reads as the calls of its whole lines.
TEST(RecordingFormat, CutAtAnyByteReadsUpToTheLastWholeLine) {
    const Session s = RandomSession(99, 8000);
    const std::string text = Write({RecordingStart::Kind::Picture, 0, "cat.png"}, s.calls);
    std::size_t wholeCalls = 0;  // calls in text[0, end of the last line before the cut)
    std::vector<RecordedCall> scratch;
    RecordingReader counter;
    std::size_t lineStart = 0;
    for (std::size_t cut = 0; cut <= text.size(); ++cut) {
        const Recording r = ReadRecording(std::string_view(text).substr(0, cut));
        ASSERT_EQ(r.badLine, 0u) << r.error;
        ASSERT_EQ(r.cutShort, cut != lineStart) << cut;
        ASSERT_EQ(r.calls.size(), wholeCalls) << cut;
        if (cut < text.size() && text[cut] == '\n') {
            ASSERT_TRUE(counter.read(std::string_view(text).substr(lineStart, cut - lineStart), scratch));
            wholeCalls = scratch.size();
            lineStart = cut + 1;
        }
    }
    EXPECT_EQ(wholeCalls, s.calls.size());
    // Every prefix read is the start of the session itself.
    const Recording half = ReadRecording(std::string_view(text).substr(0, text.size() / 2));
    ASSERT_GT(half.calls.size(), 0u);
    for (std::size_t i = 0; i < half.calls.size(); ++i) ASSERT_EQ(half.calls[i], s.calls[i]);
}

// A process writing its recording as it draws is killed outright; the file it
// leaves plays up to its last complete action.
TEST(RecordingFormat, KilledWriterLeavesAPlayableRecording) {
    const Session s = RandomSession(7, 1800000);  // a file far longer than where the kill lands
    char path[] = "/tmp/pintaloo-recording-XXXXXX";
    const int fd = ::mkstemp(path);
    ASSERT_GE(fd, 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Written the way the program writes: whole lines handed over after
        // each call, each piece in small writes so the kill lands inside one.
        RecordingWriter w;
        w.start({});
        for (const RecordedCall& c : s.calls) {
            w.add(c);
            const std::string text = w.take();
            for (std::size_t at = 0; at < text.size(); at += 5)
                if (::write(fd, text.data() + at, std::min<std::size_t>(5, text.size() - at)) < 0) ::_exit(1);
        }
        ::pause();  // never gets here in time
        ::_exit(0);
    }
    // Kill it once it is well into the session.
    for (int i = 0; i < 2000 && ::lseek(fd, 0, SEEK_END) < 60000; ++i) ::usleep(1000);
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGKILL);

    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    ::close(fd);
    ::unlink(path);
    const std::string text = bytes.str();
    ASSERT_GE(text.size(), 60000u);
    const Recording r = ReadRecording(text);
    EXPECT_EQ(r.badLine, 0u) << r.error;
    ASSERT_GT(r.calls.size(), 1000u);
    ASSERT_LT(r.calls.size(), s.calls.size());
    for (std::size_t i = 0; i < r.calls.size(); ++i) ASSERT_EQ(r.calls[i], s.calls[i]) << i;
    // Nothing whole is lost: the rest of the file is less than one line.
    const std::size_t lastBreak = text.rfind('\n');
    EXPECT_EQ(r.cutShort, lastBreak + 1 != text.size());
    EXPECT_EQ(text.find('\n', lastBreak + 1), std::string::npos);
}

// An hour at the table: strokes at 60 moves a second with pauses between
// them, and an hour of drawing without ever stopping. The recording of
// either stays under 2 MB.
TEST(RecordingFormat, AnHourOfDrawingFitsInTwoMegabytes) {
    struct Case {
        const char* what;
        std::uint32_t seed;
        Pauses pauses;
        double drawingShare;  // at least this much of the hour is spent drawing
    };
    const Case cases[] = {
        {"steady drawing", 1, {1200, 4000}, 0.6},
        {"steady drawing, another child", 2, {1200, 4000}, 0.6},
        {"never stopping", 3, {50, 100}, 0.9},
    };
    for (const Case& c : cases) {
        const Session s = RandomSession(c.seed, 3600 * 1000, true, c.pauses);
        const std::size_t bytes = Write({}, s.calls).size();
        std::size_t moves = 0;
        for (const RecordedCall& call : s.calls) moves += call.name == "pctDraw_MouseMove";
        std::printf("%s: %zu calls (%zu moves), %.0f s drawing: %zu bytes, %.2f bytes a move\n", c.what, s.calls.size(),
                    moves, double(s.drawingMs) / 1000, bytes, double(bytes) / double(moves));
        EXPECT_GT(double(s.drawingMs), c.drawingShare * 3600 * 1000) << c.what;
        EXPECT_LT(bytes, 2000000u) << c.what;
    }
}

}  // namespace
}  // namespace pintaloo
