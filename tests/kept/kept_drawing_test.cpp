// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/stat.h>
#include <unistd.h>
#include <QBuffer>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <functional>
#include <map>

#include <gtest/gtest.h>

#include "ui/files/kept_drawing.h"

namespace pintaloo {
namespace {

template <typename F>
bool SpinUntil(F done) {
    QDeadlineTimer deadline(10000);  // a hang, not a speed target
    while (!done() && !deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

// Sets environment variables for one test and puts the old values back.
class EnvGuard {
public:
    void set(const char* name, const QByteArray& value, bool unset = false) {
        saved_.push_back({name, qgetenv(name), qEnvironmentVariableIsSet(name)});
        if (unset)
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~EnvGuard() {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            if (it->wasSet)
                qputenv(it->name, it->value);
            else
                qunsetenv(it->name);
        }
    }

private:
    struct Saved {
        const char* name;
        QByteArray value;
        bool wasSet;
    };
    std::vector<Saved> saved_;
};

int ModeOf(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) return -1;
    return int(st.st_mode & 0777);
}

TEST(KeptDrawingFolder, FollowsTheXdgRules) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString home = tmp.path() + "/home", state = tmp.path() + "/state";
    struct Case {
        const char* name;
        std::function<void(EnvGuard&)> env;
        QString want;
    };
    const Case cases[] = {
        {"state home set",
         [&](EnvGuard& e) {
             e.set("HOME", home.toUtf8());
             e.set("XDG_STATE_HOME", state.toUtf8());
         },
         state + "/pintaloo"},
        {"state home unset",
         [&](EnvGuard& e) {
             e.set("HOME", home.toUtf8());
             e.set("XDG_STATE_HOME", {}, true);
         },
         home + "/.local/state/pintaloo"},
        {"state home empty",
         [&](EnvGuard& e) {
             e.set("HOME", home.toUtf8());
             e.set("XDG_STATE_HOME", "");
         },
         home + "/.local/state/pintaloo"},
        {"state home relative is ignored",
         [&](EnvGuard& e) {
             e.set("HOME", home.toUtf8());
             e.set("XDG_STATE_HOME", "relative/state");
         },
         home + "/.local/state/pintaloo"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EnvGuard env;
        c.env(env);
        EXPECT_EQ(KeptDrawingFolder(), c.want);
        EXPECT_TRUE(QFileInfo(c.want).isDir());
        EXPECT_EQ(ModeOf(c.want), 0700);
    }
    EXPECT_FALSE(QDir("relative").exists());
    EXPECT_EQ(ModeOf(home + "/.local/state"), 0700);  // folders made on the way are private too
}

TEST(KeptDrawingFolder, EmptyWhenItCannotBeMade) {
    QTemporaryDir tmp;
    QFile blocker(tmp.path() + "/file");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EnvGuard env;
    env.set("XDG_STATE_HOME", (tmp.path() + "/file").toUtf8());  // a file where the folder should go
    EXPECT_EQ(KeptDrawingFolder(), QString());
}

// A state folder found already there is used only when it is ours, and
// made private: in a shared state home another user can make it first.
TEST(KeptDrawingFolder, OneFoundThereIsUsedOnlyWhenOursAndMadePrivate) {
    QTemporaryDir tmp;
    const QString state = tmp.path() + "/state", folder = state + "/pintaloo";
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0777), 0);
    EnvGuard env;
    env.set("XDG_STATE_HOME", state.toUtf8());
    EXPECT_EQ(KeptDrawingFolder(), folder);
    EXPECT_EQ(ModeOf(folder), 0700);
    if (::geteuid() != 0) GTEST_SKIP() << "a folder of another user's needs root";
    ASSERT_EQ(::chown(QFile::encodeName(folder).constData(), 65534, 65534), 0);
    QString why;
    EXPECT_EQ(KeptDrawingFolder(&why), QString());
    EXPECT_FALSE(why.isEmpty()) << "the parent is not told why";
}

// A drawing with every kind of pixel the canvas can hold, bar the high
// byte (which the canvas never keeps).
Surface SampleDrawing(int seed) {
    Surface s;
    for (int y = 0; y < s.height(); y += 3)
        for (int x = 0; x < s.width(); x += 2) s.setPixel(x, y, Rgb(x * 7 + seed, y * 11, (x ^ y) + seed * 31));
    s.line(0, 0, 806, 536, kBlack, 5);
    return s;
}

std::vector<Colour> Pixels(const Surface& s) { return {s.data(), s.data() + s.width() * s.height()}; }
std::vector<Colour> Pixels(const KeptDrawing::PixelRows& p) { return {p.begin(), p.end()}; }

TEST(KeptDrawing, WrittenThenLoadedBitForBitWithItsPage) {
    QTemporaryDir tmp;
    const Surface drawing = SampleDrawing(1);
    const StepInfo info{113, kWhite, kBlack};
    {
        KeptDrawingWriter keeper(tmp.path());
        keeper.changed(drawing, info);
        EXPECT_TRUE(keeper.pending());
        keeper.flushNow();
        EXPECT_FALSE(keeper.pending());
        EXPECT_EQ(keeper.writesDone(), 1);
    }
    const auto kept = LoadKeptDrawing(tmp.path(), Surface::kWidth, Surface::kHeight);
    ASSERT_TRUE(kept.has_value());
    EXPECT_EQ(Pixels(kept->pixels), Pixels(drawing));
    EXPECT_EQ(kept->info, info);

    Surface canvas;
    canvas.takeDirty();
    kept->copyInto(canvas);
    EXPECT_EQ(Pixels(canvas), Pixels(drawing));
    EXPECT_EQ(canvas.takeDirty(), canvas.bounds());
    // Nothing but the drawing is left in the folder (no half-written copies).
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files), QStringList{"drawing.png"});
}

// The picture plugins this process has loaded so far, from its own map.
std::string LoadedPicturePlugins() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly)) return "(no /proc/self/maps)";
    QStringList found;
    for (const QByteArray& line : maps.readAll().split('\n'))
        if (line.contains("/imageformats/")) found << QString::fromLocal8Bit(line.mid(line.lastIndexOf(' ') + 1));
    found.removeDuplicates();
    return found.join(QLatin1Char(' ')).toStdString();
}

// The drawing in tests/data/kept/drawing.png, kept by version 0.1.0: a sun,
// a house and some grass on white, on colouring page 113.
Surface OldKeptDrawing() {
    Surface s;
    for (int r = 0; r < 40; r += 4) s.line(700 - r, 80, 700 + r, 80, Rgb(255, 200, 0), 40 - r);
    for (int y = 300; y < 480; y += 4) s.line(200, y, 420, y, Rgb(230, 80, 60), 5);
    s.line(180, 300, 310, 200, Rgb(120, 60, 30), 9);
    s.line(310, 200, 440, 300, Rgb(120, 60, 30), 9);
    for (int x = 0; x < 807; x += 6) s.line(x, 536, x + 3, 500, Rgb(40, 170, 60), 3);
    return s;
}

// Every start after the first brings the drawing back, so the reading must
// keep working for drawings kept by earlier versions, and must not load the
// picture plugins (SVG, GIF, JPEG, ICO and their libraries) to read a PNG.
// ctest runs this case in a process of its own, where nothing has loaded a
// plugin before it; run with the others it checks only the reading.
TEST(KeptDrawing, OneKeptByAnEarlierVersionComesBackWithoutPicturePlugins) {
    QTemporaryDir tmp;
    ASSERT_TRUE(QFile::copy(QStringLiteral(PINTALOO_TEST_DATA "/kept/drawing.png"), tmp.path() + "/drawing.png"));
    const std::string before = LoadedPicturePlugins();
    const auto kept = LoadKeptDrawing(tmp.path(), Surface::kWidth, Surface::kHeight);
    EXPECT_EQ(LoadedPicturePlugins(), before);
    ASSERT_TRUE(kept.has_value());
    EXPECT_EQ(Pixels(kept->pixels), Pixels(OldKeptDrawing()));
    EXPECT_EQ(kept->info, (StepInfo{113, kWhite, kBlack}));
}

// The same drawing saved again by another PNG writer, with an alpha
// channel or with 16 bits a channel, still comes back whole: the reader
// then hands over a picture in its own memory and layout.
TEST(KeptDrawing, ThePixelsComeBackWhateverLayoutThePngHas) {
    QTemporaryDir tmp;
    {
        KeptDrawingWriter keeper(tmp.path());
        keeper.changed(OldKeptDrawing(), StepInfo{113, kWhite, kBlack});
        keeper.flushNow();
    }
    const QString path = tmp.path() + "/drawing.png";
    const QImage written(path);
    ASSERT_FALSE(written.isNull());
    for (const QImage::Format format : {QImage::Format_ARGB32, QImage::Format_RGB888, QImage::Format_RGBA64}) {
        QImage again = written.convertToFormat(format);
        for (const QString& key : written.textKeys()) again.setText(key, written.text(key));
        ASSERT_TRUE(again.save(path, "png"));
        const auto kept = LoadKeptDrawing(tmp.path(), Surface::kWidth, Surface::kHeight);
        ASSERT_TRUE(kept.has_value()) << "format " << int(format);
        EXPECT_EQ(Pixels(kept->pixels), Pixels(OldKeptDrawing())) << "format " << int(format);
    }
}

TEST(KeptDrawing, ChangesCloseTogetherAreWrittenOnce) {
    QTemporaryDir tmp;
    KeptDrawingWriter keeper(tmp.path(), 300);
    Surface canvas;
    for (int k = 0; k < 10; ++k) {
        canvas.setPixel(k, k, Rgb(k * 20, 0, 0));
        keeper.changed(canvas, {});
    }
    EXPECT_EQ(keeper.writesDone(), 0);  // a change only hands over a copy
    ASSERT_TRUE(SpinUntil([&] { return keeper.writesDone() > 0; }));
    keeper.flushNow();  // waits for the worker; nothing is pending
    EXPECT_EQ(keeper.writesDone(), 1);
    const auto kept = LoadKeptDrawing(tmp.path(), Surface::kWidth, Surface::kHeight);
    ASSERT_TRUE(kept.has_value());
    EXPECT_EQ(Pixels(kept->pixels), Pixels(canvas));  // the last state, not the first

    // A later change is written again, over the old file.
    canvas.setPixel(500, 500, kBlack);
    keeper.changed(canvas, {});
    ASSERT_TRUE(SpinUntil([&] { return keeper.writesDone() > 1; }));
    keeper.flushNow();
    EXPECT_EQ(Pixels(LoadKeptDrawing(tmp.path(), Surface::kWidth, Surface::kHeight)->pixels), Pixels(canvas));
}

TEST(KeptDrawing, FlushWithNothingChangedWritesNothing) {
    QTemporaryDir tmp;
    KeptDrawingWriter keeper(tmp.path());
    keeper.flushNow();
    EXPECT_EQ(keeper.writesDone(), 0);
    EXPECT_FALSE(QFile::exists(KeptDrawingPath(tmp.path())));
}

TEST(KeptDrawing, DestroyingTheWriterWritesWhatIsWaiting) {
    QTemporaryDir tmp;
    const Surface drawing = SampleDrawing(2);
    {
        KeptDrawingWriter keeper(tmp.path(), 60000);
        keeper.changed(drawing, {105, kWhite, kBlack});
    }
    const auto kept = LoadKeptDrawing(tmp.path(), Surface::kWidth, Surface::kHeight);
    ASSERT_TRUE(kept.has_value());
    EXPECT_EQ(Pixels(kept->pixels), Pixels(drawing));
    EXPECT_EQ(kept->info.PageNumber, 105);
}

TEST(KeptDrawing, AFolderThatCannotBeWrittenLosesNothingElse) {
    QTemporaryDir tmp;
    QFile blocker(tmp.path() + "/file");  // a file where the folder should be made
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    KeptDrawingWriter keeper(tmp.path() + "/file/folder");
    keeper.changed(SampleDrawing(3), {});
    keeper.flushNow();
    EXPECT_EQ(keeper.writesDone(), 0);
    EXPECT_EQ(keeper.writesFailed(), 1);
    EXPECT_FALSE(keeper.kept());
    // No folder at all (it could not be made): changes are simply not kept.
    KeptDrawingWriter nowhere{QString()};
    nowhere.changed(SampleDrawing(3), {});
    EXPECT_FALSE(nowhere.pending());
    EXPECT_FALSE(LoadKeptDrawing(QString(), Surface::kWidth, Surface::kHeight).has_value());
}

// Every kind of bad kept file gives nothing, quietly.
TEST(KeptDrawing, MissingOrDamagedGivesNothing) {
    QTemporaryDir tmp;
    QByteArray good;
    {
        KeptDrawingWriter keeper(tmp.path());
        keeper.changed(SampleDrawing(4), {110, kWhite, kBlack});
        keeper.flushNow();
        QFile f(KeptDrawingPath(tmp.path()));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        good = f.readAll();
    }
    auto pngWith = [](int w, int h, std::map<QString, QString> texts) {
        QImage img(w, h, QImage::Format_RGB32);
        img.fill(Qt::white);
        for (const auto& [k, v] : texts) img.setText(k, v);
        QByteArray bytes;
        QBuffer buf(&bytes);
        buf.open(QIODevice::WriteOnly);
        img.save(&buf, "png");
        return bytes;
    };
    struct Case {
        const char* name;
        std::function<QByteArray()> bytes;
    };
    const Case cases[] = {
        {"empty file", [] { return QByteArray(); }},
        {"not a picture", [] { return QByteArray("hello, this is not a PNG at all"); }},
        {"cut in half", [&] { return good.left(good.size() / 2); }},
        {"cut just before the end", [&] { return good.left(good.size() - 20); }},
        {"pixels damaged",
         [&] {
             QByteArray b = good;
             for (int i = 0; i < 40; ++i) b[b.size() / 2 + i] = char(i * 7);
             return b;
         }},
        {"another size", [&] { return pngWith(400, 300, {}); }},
        {"no page", [&] { return pngWith(807, 537, {}); }},
        {"a page that does not exist",
         [&] {
             return pngWith(807, 537,
                            {{"Pintaloo-Page", "300"}, {"Pintaloo-Paper", "16777215"}, {"Pintaloo-Outline", "0"}});
         }},
        {"page without its check",
         [&] {
             return pngWith(807, 537,
                            {{"Pintaloo-Page", "101"}, {"Pintaloo-Paper", "16777215"}, {"Pintaloo-Outline", "0"}});
         }},
    };
    const QString path = KeptDrawingPath(tmp.path());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(c.bytes());
        f.close();
        EXPECT_FALSE(LoadKeptDrawing(tmp.path(), Surface::kWidth, Surface::kHeight).has_value());
    }
    QFile::remove(path);
    EXPECT_FALSE(LoadKeptDrawing(tmp.path(), Surface::kWidth, Surface::kHeight).has_value());
    ASSERT_TRUE(QDir(tmp.path()).mkdir("drawing.png"));  // a folder where the file should be
    EXPECT_FALSE(LoadKeptDrawing(tmp.path(), Surface::kWidth, Surface::kHeight).has_value());
}

}  // namespace
}  // namespace pintaloo
