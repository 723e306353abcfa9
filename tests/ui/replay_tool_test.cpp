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

#include "ui/words/texts.h"

namespace {

using pintaloo::Language;
using pintaloo::Text;
using pintaloo::TextId;

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
    Result run(const QStringList& args, const QStringList& environment = {}) const {
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
        // The language comes from these alone: the caller's own are cleared.
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) env.remove(QLatin1String(name));
        env.insert("LANG", "C.UTF-8");
        for (const QString& pair : environment) env.insert(pair.section('=', 0, 0), pair.section('=', 1));
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
    for (const auto& [last, panelShown] : {std::pair{"key Esc", false}, {"key Ctrl+J", true}}) {  // Ctrl+J is unbound
        SCOPED_TRACE(last);
        const Result r = run({"--state", at("state.txt"), script("keys.txt", {"sColor_Click", last})});
        ASSERT_EQ(r.status, 0) << r.errors.toStdString();
        EXPECT_TRUE(lines(at("state.txt")).contains(panelShown ? "pctFlash.Visible=True" : "pctFlash.Visible=False"));
    }
}

// The keys' own rows are checked on the window (action_hub_test.cpp); here
// a script's `key` line reaches the history through the same table.
TEST_F(ReplayToolTest, UndoAndRedoKeysStepThroughTheDrawing) {
    const QStringList stroke = {"bColor_Click 14", "pctDraw_MouseDown 1 120 200", "pctDraw_MouseMove 1 300 260",
                                "pctDraw_MouseUp 1 300 260"};
    const auto canvasAfter = [&](const QStringList& keys) {
        const Result r = run({"--canvas", at("out.bmp"), script("s.txt", QStringList(stroke) << keys)});
        EXPECT_EQ(r.status, 0) << r.errors.toStdString();
        return QImage(at("out.bmp"));
    };
    const QImage drawn = canvasAfter({});
    const QImage blank = canvasAfter({"Undo"});
    ASSERT_FALSE(drawn.isNull());
    ASSERT_NE(drawn, blank);
    const std::pair<QStringList, bool> cases[] = {
        {{"key Ctrl+Z", "key Ctrl+Y"}, true},
        {{"Undo", "Redo", "key Ctrl+Z"}, false},
    };
    for (const auto& [keys, isDrawn] : cases) {
        SCOPED_TRACE(keys.join(' ').toStdString());
        EXPECT_EQ(canvasAfter(keys), isDrawn ? drawn : blank);
    }
}

TEST_F(ReplayToolTest, StateDirKeepsTheDrawingAndWithoutItNothingIsKept) {
    const QString state = at("state");
    const QString fill = script("fill.txt", {"bBrush_MouseUp 5 1", "bColor_Click 5", "pctDraw_MouseDown 1 400 300",
                                             "pctDraw_MouseUp 1 400 300"});
    const QString nothing = script("nothing.txt", {"# only start and end"});
    Result r = run({"--state-dir", state, "--canvas", at("filled.bmp"), fill});
    ASSERT_EQ(r.status, 0) << r.errors.toStdString();
    // The next run in the same folder starts from the kept drawing.
    r = run({"--state-dir", state, "--canvas", at("again.bmp"), nothing});
    ASSERT_EQ(r.status, 0) << r.errors.toStdString();
    const QImage filled(at("filled.bmp"));
    EXPECT_EQ(QImage(at("again.bmp")), filled);
    // Without the folder: a blank page, and nothing written anywhere in the home folder.
    r = run({"--canvas", at("blank.bmp"), nothing});
    ASSERT_EQ(r.status, 0) << r.errors.toStdString();
    const QImage blank(at("blank.bmp"));
    EXPECT_NE(blank, filled);
    EXPECT_EQ(blank.pixel(400, 300), qRgb(255, 255, 255));
    EXPECT_FALSE(QFileInfo::exists(at("home/.local/state/pintaloo")));
    // Undo in the next run goes no further back than the kept drawing.
    r = run({"--state-dir", state, "--canvas", at("undone.bmp"), script("undo.txt", {"Undo"})});
    ASSERT_EQ(r.status, 0) << r.errors.toStdString();
    EXPECT_EQ(QImage(at("undone.bmp")), filled);
}

// Lines the script's reading refuses (names, counts, pauses, keys, numbers
// no mouse sends) stop the script at their line with a reason, before
// anything runs or is written. The action table's own reasons are its
// tests' (action_hub_test.cpp); one here shows they reach the user. A pause
// that is not refused would hang here.
TEST_F(ReplayToolTest, BadLinesStopTheScriptNamingTheLine) {
    struct Case {
        const char* where;
        const char* why;  // words the message must contain
        QStringList text;
    };
    const Case cases[] = {
        {":3:", "unknown handler 'bColour_Click'", {"# choose red", "bColor_Click 14", "bColour_Click 14"}},
        {":2:", "X is too far off the window: 1e+300", {"bColor_Click 14", "pctDraw_MouseMove 1 1e300 0"}},
        {":2:", "malformed line", {"", "bColor_Click 14 15"}},  // too many
        {":4:", "malformed line", {"#", "Label4_Click 1", "#", "Label4_Click thick"}},
        {":1:", "malformed line", {"pctDraw_MouseDown 0x10 0 0"}},
        {":1:", "malformed line", {"wait"}},
        {":2:", "wait takes milliseconds from 0 to 60000, not 1e300", {"bColor_Click 3", "wait 1e300"}},
        {":1:", "wait takes milliseconds from 0 to 60000, not inf", {"wait inf"}},
        {":1:", "wait takes milliseconds from 0 to 60000, not nan", {"wait nan"}},
        {":1:", "wait takes milliseconds from 0 to 60000, not -5", {"wait -5"}},
        {":1:", "malformed line", {"key"}},
        {":2:", "malformed line", {"key Esc", "key Ctrl+Nonsense"}},
        {":1:", "malformed line", {"key Ctrl+Z,Ctrl+Y"}},
        {":1:", "malformed line", {"key +++"}},
        {":2:", "PlayFilm cannot run here", {"bColor_Click 3", "PlayFilm"}},  // the film is the program's only
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.join(" / ").toStdString());
        const Result r = run(allOutputs() << script("bad.txt", c.text));
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.errors.contains(QLatin1String("bad.txt") + QLatin1String(c.where))) << r.errors.toStdString();
        EXPECT_TRUE(r.errors.contains(QLatin1String(c.why))) << r.errors.toStdString();
        expectNoOutputs();
    }
    const Result none = run({"--state", at("state.txt")});
    EXPECT_EQ(none.status, 2) << "a script is needed";
    expectNoOutputs();
}

// The window speaks the language the environment asks for, in the order
// LANGUAGE, LC_ALL, LC_MESSAGES, LANG, as the program does, from the
// translation its system code names.
TEST_F(ReplayToolTest, CaptionsFollowTheEnvironmentsLanguage) {
    const struct {
        QStringList environment;
        Language language;
    } rows[] = {
        {{"LANGUAGE=fr:de", "LANG=en_US.UTF-8"}, Language::French},
        {{"LC_ALL=de_DE.UTF-8", "LANG=fr_FR.UTF-8"}, Language::German},
        {{"LANG=es_ES"}, Language::Spanish},
        {{"LC_MESSAGES=it_IT.UTF-8"}, Language::Italian},
        {{"LANGUAGE=sv:ro"}, Language::Romanian},
        {{"LANG=ar_EG.UTF-8"}, Language::Arabic},
        {{"LANGUAGE=zh_TW:fr"}, Language::Chinese},
        {{"LC_ALL=pt_PT.UTF-8", "LANG=fr_FR.UTF-8"}, Language::Portuguese},
        {{"LC_MESSAGES=uk_UA.UTF-8", "LANG=ru_RU.UTF-8"}, Language::Ukrainian},
        {{"LANG=C"}, Language::English},
        {{"LANG=sv_SE.UTF-8"}, Language::English},
        {{}, Language::English},
    };
    const QString s = script("nothing.txt", {"# only the start"});
    for (const auto& row : rows) {
        SCOPED_TRACE(row.environment.join(' ').toStdString());
        const QString newPage = Text(TextId::NewPage, row.language);   // KewlButtons2's tooltip
        const QString open = Text(TextId::OpenDrawing, row.language);  // the page picker's open link
        // A language still in English would pass for the wrong reason.
        if (row.language != Language::English) {
            EXPECT_NE(newPage, Text(TextId::NewPage, Language::English));
            EXPECT_NE(open, Text(TextId::OpenDrawing, Language::English));
        }
        QFile::remove(at("state.txt"));
        const Result r = run({"--state", at("state.txt"), s}, row.environment);
        ASSERT_EQ(r.status, 0) << r.errors.toStdString();
        const QStringList state = lines(at("state.txt"));
        EXPECT_TRUE(state.contains(QStringLiteral("KewlButtons2.ToolTipText=") + newPage));
        EXPECT_TRUE(state.contains(QStringLiteral("Label7.Caption=") + open));
        EXPECT_TRUE(state.contains(QStringLiteral("SoundOn=True")));
    }
}

// Printing writes one page that holds the drawing, with no printer needed.
TEST_F(ReplayToolTest, PrintingToAPdfGivesOnePageWithTheDrawing) {
    const QString s = script("print.txt", {"bColor_Click 14", "bBrush_MouseUp 5 1", "pctDraw_MouseDown 1 50 50",
                                           "pctDraw_MouseUp 1 50 50", "key Ctrl+P"});
    const Result r = run({"--print-to", at("out.pdf"), s});
    ASSERT_EQ(r.status, 0) << r.errors.toStdString();
    QFile f(at("out.pdf"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << "no PDF written";
    const QByteArray pdf = f.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(
        pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page/") + pdf.count("/Type /Page "),
        1)
        << "one page";
    EXPECT_TRUE(pdf.contains("/Subtype /Image")) << "the drawing is on it as a picture";
    EXPECT_TRUE(pdf.contains("/Width 807")) << "the whole canvas";

    // Without a place to print to, the key does nothing and nothing fails.
    const Result quiet = run({s});
    EXPECT_EQ(quiet.status, 0) << quiet.errors.toStdString();
}

// Ctrl+M turns the sound off: nothing after it is heard.
TEST_F(ReplayToolTest, SoundOffKeyStopsEverySound) {
    const Result r = run({"--sounds", at("sounds.txt"),
                          script("mute.txt", {"KewlButtons4_Click", "key Ctrl+M", "KewlButtons4_Click",
                                              "bBrush_MouseUp 4 1", "key Ctrl+M", "KewlButtons4_Click"})});
    ASSERT_EQ(r.status, 0) << r.errors.toStdString();
    EXPECT_EQ(lines(at("sounds.txt")), (QStringList{"wave 1021", "wave 102", "wave 102", "wave 102"}))
        << "the start, the first click, the click that says sound is back, the last click";
}

}  // namespace

namespace pintaloo {
namespace {

// Draw, New page, draw, take a colouring page: with --pictures-dir the two
// drawings are filed there; without it nothing is filed anywhere.
TEST_F(ReplayToolTest, PicturesDirIsTheGalleryAndWithoutItNothingIsFiled) {
    const QString s = script("pages.txt", {"pctDraw_MouseDown 1 100 100", "pctDraw_MouseUp 1 200 150",
                                           "KewlButtons2_MouseDown 1", "pctDraw_MouseDown 1 300 100",
                                           "pctDraw_MouseUp 1 400 300", "KewlButtons1_MouseDown 1", "Image3_Click"});
    ASSERT_EQ(run({"--pictures-dir", at("gallery"), s}).status, 0);
    EXPECT_EQ(QDir(at("gallery")).entryList({"*.png"}, QDir::Files).size(), 2);
    ASSERT_EQ(run({s}).status, 0);
    EXPECT_FALSE(QFileInfo::exists(at("home/Pictures"))) << "the user's gallery is never touched";
}

// An untouched colouring page is no drawing of the child's, also when the
// next run (another process) brings it back as its kept drawing.
TEST_F(ReplayToolTest, AnUntouchedColouringPageIsNeverFiled) {
    ASSERT_TRUE(QDir().mkpath(at("state")));
    for (const QStringList& s : {QStringList{"KewlButtons1_MouseDown 1", "Image3_Click"},
                                 QStringList{"KewlButtons1_MouseDown 1", "KewlButtons8_Click", "Image3_Click"}})
        ASSERT_EQ(run({"--state-dir", at("state"), "--pictures-dir", at("gallery"), script("pages.txt", s)}).status, 0);
    EXPECT_EQ(QDir(at("gallery")).entryList({"*.png"}, QDir::Files).size(), 0);
}

}  // namespace
}  // namespace pintaloo
