// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The replay tool as a user runs it: a script of handler calls in, a
// bitmap, a state dump and a list of sounds out.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

class ReplayToolTest : public ::testing::Test {
protected:
    QTemporaryDir dir;

    struct Result {
        int status = -1;  // -1: crashed or did not finish
        QString errors;
    };

    QString at(const QString& name) const { return dir.filePath(name); }

    QString script(const QString& name, const QStringList& lines) const {
        QFile f(at(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Text));
        QTextStream out(&f);
        for (const QString& l : lines) out << l << '\n';
        return at(name);
    }

    // Runs the tool with its scratch folders inside this test's folder.
    Result run(const QStringList& args) const {
        for (const char* sub : {"runtime", "home", "cache"}) {
            QDir(dir.path()).mkpath(QLatin1String(sub));
            QFile::setPermissions(at(QLatin1String(sub)),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        }
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("SDL_AUDIODRIVER", "dummy");
        env.insert("XDG_RUNTIME_DIR", at("runtime"));
        env.insert("HOME", at("home"));
        env.insert("XDG_CACHE_HOME", at("cache"));
        env.insert("TMPDIR", dir.path());
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(PINTALOO_REPLAY), args);
        Result r;
        if (!p.waitForFinished(120000)) {
            p.kill();
            p.waitForFinished();
            return r;
        }
        r.errors = QString::fromLocal8Bit(p.readAllStandardError());
        if (p.exitStatus() == QProcess::NormalExit) r.status = p.exitCode();
        return r;
    }

    QStringList lines(const QString& path) const {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
        QStringList out = QString::fromUtf8(f.readAll()).split('\n');
        if (!out.isEmpty() && out.last().isEmpty()) out.removeLast();
        return out;
    }

    void expectNoOutputs() const {
        for (const char* name : {"out.bmp", "state.txt", "sounds.txt"})
            EXPECT_FALSE(QFileInfo::exists(at(QLatin1String(name)))) << name;
    }
    QStringList allOutputs() const {
        return {"--canvas", at("out.bmp"), "--state", at("state.txt"), "--sounds", at("sounds.txt")};
    }
};

std::uint32_t Le32(const QByteArray& b, int at) {
    return std::uint32_t(uchar(b[at])) | std::uint32_t(uchar(b[at + 1])) << 8 | std::uint32_t(uchar(b[at + 2])) << 16 |
           std::uint32_t(uchar(b[at + 3])) << 24;
}

TEST_F(ReplayToolTest, RedStrokeComesOutAsA24BitBitmap) {
    QStringList s = {"# red, then one stroke along y = 100", "bColor_Click 14", "", "pctDraw_MouseDown 1 100 100"};
    for (int x = 102; x <= 300; x += 2) s << QStringLiteral("pctDraw_MouseMove 1 %1 100").arg(x);
    s << "pctDraw_MouseUp 1 300 100";
    const Result r = run(QStringList{"--canvas", at("out.bmp"), "--sounds", at("sounds.txt"), script("stroke.txt", s)});
    ASSERT_EQ(r.status, 0) << r.errors.toStdString();

    QFile f(at("out.bmp"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    ASSERT_GT(bytes.size(), 54);
    EXPECT_EQ(bytes.left(2), QByteArray("BM"));
    EXPECT_EQ(Le32(bytes, 18), 807u);
    EXPECT_EQ(std::abs(std::int32_t(Le32(bytes, 22))), 537);
    EXPECT_EQ(uchar(bytes[28]) | uchar(bytes[29]) << 8, 24) << "bits per pixel";

    const QImage image = QImage::fromData(bytes, "BMP");
    ASSERT_EQ(image.size(), QSize(807, 537));
    const QRect stroke(QPoint(99, 96), QPoint(301, 104));  // block of 3 x 9 around every point
    int red = 0, other = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y) & 0xFFFFFF;
            if (c == 0xFF0000 && stroke.contains(x, y))
                ++red;
            else if (c != 0xFFFFFF)
                ++other;
        }
    EXPECT_EQ(other, 0) << "only red on the stroke, white elsewhere";
    EXPECT_GT(red, stroke.width() * stroke.height() / 2);

    EXPECT_EQ(lines(at("sounds.txt")), (QStringList{"wave 1021", "mp3 77"}));
}

TEST_F(ReplayToolTest, StateDumpNamesTheEditorAndEveryControl) {
    const Result r = run({"--state", at("state.txt"),
                          script("state.txt.in", {"# nothing but the pencil", "", "   ", "bBrush_MouseUp 0 1"})});
    ASSERT_EQ(r.status, 0) << r.errors.toStdString();
    const QStringList state = lines(at("state.txt"));
    for (const char* line :
         {"ToolMode=1", "HueTable(60)=255,0,0", "HueTable(0)=255,0,255", "bColor(3).BackColor=0,64,0",
          "Label4(2).BackColor=31,31,31", "Label4(3).BackColor=255,255,255", "bBrush(0).ToolTipText=Pencil",
          "PageNumber=101", "CurrentColor=31,31,31"})
        EXPECT_TRUE(state.contains(QLatin1String(line))) << line;
    EXPECT_FALSE(QFileInfo::exists(at("out.bmp")));
}

TEST_F(ReplayToolTest, KeysGoThroughTheKeyTable) {
    for (const auto& [last, panelShown] : {std::pair{"key Esc", false}, {"key Ctrl+Q", true}}) {  // Ctrl+Q is unbound
        SCOPED_TRACE(last);
        const Result r = run({"--state", at("state.txt"), script("keys.txt", {"sColor_Click", last})});
        ASSERT_EQ(r.status, 0) << r.errors.toStdString();
        EXPECT_TRUE(lines(at("state.txt")).contains(panelShown ? "pctFlash.Visible=True" : "pctFlash.Visible=False"));
    }
}

TEST_F(ReplayToolTest, UnknownHandlerStopsBeforeAnythingIsWritten) {
    const Result r = run(
        allOutputs() << script("bad.txt", {"# choose red", "bColor_Click 14", "bColour_Click 14", "bColor_Click 3"}));
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.errors.contains(QLatin1String(":3:"))) << r.errors.toStdString();
    EXPECT_TRUE(r.errors.contains(QLatin1String("bColour_Click"))) << r.errors.toStdString();
    expectNoOutputs();
}

TEST_F(ReplayToolTest, BadArgumentsStopBeforeAnythingIsWritten) {
    const std::pair<const char*, QStringList> bad[] = {
        {":2:", {"", "bColor_Click 14 15"}},  // too many
        {":4:", {"#", "Label4_Click 1", "#", "Label4_Click thick"}},
        {":1:", {"wait"}},
        {":3:", {"bColor_Click 3", "#", "bColor_Click 24"}},  // no such swatch
        {":2:", {"#", "pctDraw_MouseDown 1 nan 5"}},
        {":1:", {"pctDraw_MouseMove 1 5 2e7"}},  // far beyond any window
        {":1:", {"bBrush_MouseUp 1.5 1"}},
        {":1:", {"key"}},
        {":2:", {"key Esc", "key Ctrl+Nonsense"}},
    };
    for (const auto& [where, text] : bad) {
        SCOPED_TRACE(where);
        const Result r = run(allOutputs() << script("bad.txt", text));
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.errors.contains(QLatin1String(where))) << r.errors.toStdString();
        expectNoOutputs();
    }
    const Result none = run({"--state", at("state.txt")});
    EXPECT_EQ(none.status, 2) << "a script is needed";
    expectNoOutputs();
}

// Numbers a script can hold but no mouse sends, and pauses and keys that
// make no sense: each stops the script at its line with a reason, before
// anything runs or is written. A pause that is not refused would hang here.
TEST_F(ReplayToolTest, AbsurdNumbersStopTheScriptNamingTheLine) {
    struct Case {
        const char* where;
        const char* why;  // words the message must contain
        QStringList text;
    };
    const Case cases[] = {
        {":2:",
         "X is too far off the window: 1e+300",
         {"bColor_Click 14", "pctDraw_MouseMove 1 1e300 0", "pctDraw_MouseMove 1 0 0"}},
        {":1:", "Index must be a whole number from 0 to 7, not 2147483647", {"bStamp_MouseDown 2147483647 1"}},
        {":3:", "Index must be a whole number from 0 to 3, not 65536", {"#", "Label4_Click 1", "Label4_Click 65536"}},
        {":1:", "X is not a number", {"pctDraw_MouseDown 1 NaN 0"}},
        {":1:", "Y is too far off the window: 3e+09", {"pctDraw_MouseDown 1 0 3e9"}},
        {":1:", "Index must be a finite number, not inf", {"bColor_Click inf"}},
        {":1:", "Button must be a finite number, not -inf", {"bBrush_MouseUp 0 -inf"}},
        {":1:", "Index must be a whole number from 0 to 16, not 3e+09", {"bSpray_MouseDown 3e9 1 0 0"}},
        {":1:", "Button must be a button mask from 0 to 7, not 65536", {"KewlButtons3_MouseMove 65536"}},
        {":2:", "wait takes milliseconds from 0 to 60000, not 1e300", {"bColor_Click 3", "wait 1e300"}},
        {":1:", "wait takes milliseconds from 0 to 60000, not inf", {"wait inf"}},
        {":1:", "wait takes milliseconds from 0 to 60000, not nan", {"wait nan"}},
        {":1:", "wait takes milliseconds from 0 to 60000, not -5", {"wait -5"}},
        {":1:", "malformed line", {"key Ctrl+Z,Ctrl+Y"}},
        {":1:", "malformed line", {"key +++"}},
        {":1:", "malformed line", {"pctDraw_MouseDown 0x10 0 0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.join(" / ").toStdString());
        const Result r = run(allOutputs() << script("absurd.txt", c.text));
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.errors.contains(QLatin1String("absurd.txt") + QLatin1String(c.where))) << r.errors.toStdString();
        EXPECT_TRUE(r.errors.contains(QLatin1String(c.why))) << r.errors.toStdString();
        expectNoOutputs();
    }
}

}  // namespace
