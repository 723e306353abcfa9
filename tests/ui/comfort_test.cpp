// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Sound on and off, printing, the keys a grown-up expects, and the folder
// the file dialogs remember, all through the real window.
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QTest>
#include <QTimer>

#include "ui/parts/comfort_buttons.h"
#include "ui/platform/platform_services.h"
#include "ui/words/texts.h"
#include "ui/parts/page_picker.h"
#include "window_fixture.h"

namespace pintaloo::uitest {
namespace {

class SoundTest : public WindowTest {};

TEST_F(SoundTest, TurnedOffNothingReachesTheDeviceAndTheChoiceIsKept) {
    call("KewlButtons4_Click");
    ASSERT_EQ(heard.size(), 1u) << "the help button clicks while sound is on";
    heard.clear();

    call("bSound_Click");
    EXPECT_FALSE(w().comfort().soundOn());
    EXPECT_FALSE(settings.soundOn()) << "the button's choice is remembered";
    call("KewlButtons4_Click");
    call("bBrush_MouseUp", {4, 1});  // the oil command, which plays its tune
    call("KewlButtons1_MouseDown", {1});
    EXPECT_TRUE(heard.empty()) << heard.size() << " requests reached the sounds while off";

    call("bSound_Click");
    EXPECT_TRUE(settings.soundOn());
    EXPECT_EQ(heard, (std::vector<testkit::Heard>{{"wave", 102}})) << "turning it on says so with a click";
    call("KewlButtons4_Click");
    EXPECT_EQ(heard.size(), 2u);
}

TEST_F(SoundTest, MutedForOneRunRemembersNothing) {
    w().comfort().muteForThisRun();
    call("KewlButtons4_Click");
    EXPECT_TRUE(heard.empty());
    EXPECT_TRUE(settings.soundOn()) << "a --nosound start is for that run only";
}

TEST_F(SoundTest, TheRememberedChoiceStartsTheNextWindowMuted) {
    settings.setSoundOn(false);
    MainWindow next(Services{&sounds, &temp, &dialog, &help, &messages, &printer, &settings});
    heard.clear();
    next.Load(false);
    EXPECT_FALSE(next.comfort().soundOn());
    EXPECT_TRUE(heard.empty()) << "not even the start sound";
    next.Unload();
}

class KeysTest : public WindowTest {
protected:
    void press(const char* keys) {
        const QKeySequence k = QKeySequence::fromString(QLatin1String(keys));
        std::string error;
        ASSERT_TRUE(w().actions.runKey(k, &error)) << keys << ": " << error;
    }
    bool blank() {
        for (Colour c : pixels())
            if (c != st().PaperColor) return false;
        return true;
    }
    void paintSomething() {
        call("bColor_Click", {14});
        call("bBrush_MouseUp", {5, 1});  // fill
        call("pctDraw_MouseDown", {1, 100, 100});
        call("pctDraw_MouseUp", {1, 100, 100});
        ASSERT_FALSE(blank());
    }
};

TEST_F(KeysTest, EachKeyRunsItsCommand) {
    paintSomething();
    press("Ctrl+P");
    ASSERT_EQ(printer.printed.size(), 1u);
    EXPECT_EQ(printer.printed[0].size(), QSize(w().canvas.width(), w().canvas.height()));
    const Colour at = w().canvas.data()[100 * std::size_t(w().canvas.width()) + 100];
    EXPECT_EQ(printer.printed[0].pixelColor(100, 100), QColor(RedOf(at), GreenOf(at), BlueOf(at)))
        << "the drawing itself is printed";

    press("Ctrl+S");
    ASSERT_EQ(dialog.asked("save"), 1);
    EXPECT_EQ(dialog.asks.back().filter, SaveFilter(Language::English));
    press("Ctrl+O");
    ASSERT_EQ(dialog.asked("open"), 1);
    EXPECT_EQ(dialog.asks.back().filter, OpenFilter(Language::English));
    EXPECT_FALSE(blank()) << "cancelled dialogs change nothing";

    press("Ctrl+M");
    EXPECT_FALSE(w().comfort().soundOn());
    press("Ctrl+M");
    EXPECT_TRUE(w().comfort().soundOn());

    press("Ctrl+N");
    EXPECT_TRUE(blank());
}

class FoldersTest : public WindowTest {};

// The real dialogs show the title the window gives them, in its language.
TEST_F(FoldersTest, TheRealDialogsTitlesSpeakTheWindowsLanguage) {
    QtFileDialog real(window.get());
    w().services.dialog = &real;
    w().SetLanguage(QStringLiteral("fr"));
    QStringList titles;
    // Each dialog is closed as soon as it shows, its title noted.
    QTimer closer;
    closer.setInterval(20);
    QObject::connect(&closer, &QTimer::timeout, [&titles] {
        if (auto* shown = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            titles << shown->windowTitle();
            shown->reject();
        }
    });
    closer.start();
    call("KewlButtons3_MouseDown", {1});
    call("Label7_MouseDown", {1});
    w().services.dialog = &dialog;
    EXPECT_EQ(titles, (QStringList{Text(TextId::SaveDrawing, Language::French),
                                   Text(TextId::OpenDrawing, Language::French)}));
}

// The folder of the last save or open is where both dialogs start next, in
// this run and the next (the settings keep it).
TEST_F(FoldersTest, TheLastFolderIsRememberedForBothDialogs) {
    const QString folder = scratch.path() + QStringLiteral("/drawings");
    ASSERT_TRUE(QDir().mkpath(folder));
    dialog.answers.push_back(folder + QStringLiteral("/sun.bmp"));
    call("KewlButtons3_MouseDown", {1});
    ASSERT_TRUE(QFile::exists(folder + QStringLiteral("/sun.bmp")));
    EXPECT_EQ(settings.lastFolder(), folder);

    MainWindow next(Services{&sounds, &temp, &dialog, &help, &messages, &printer, &settings});
    next.Load(false);
    ASSERT_TRUE(next.actions.run("KewlButtons3_MouseDown", {1}));
    EXPECT_TRUE(dialog.asks.back().start.startsWith(folder + QLatin1Char('/')))
        << dialog.asks.back().start.toStdString();
    ASSERT_TRUE(next.actions.run("Label7_MouseDown", {}));
    EXPECT_EQ(dialog.asks.back().kind, QStringLiteral("open"));
    EXPECT_EQ(dialog.asks.back().start, folder);
    next.Unload();
}

TEST_F(FoldersTest, AFolderThatIsGoneFallsBackToPictures) {
    settings.setLastFolder(scratch.path() + QStringLiteral("/removed"));
    call("KewlButtons3_MouseDown", {1});
    EXPECT_FALSE(dialog.asks.back().start.contains(QStringLiteral("/removed/")));
}

// Messages and the dialogs' filters speak the window's language.
TEST_F(FoldersTest, MessagesAndFiltersSpeakTheWindowsLanguage) {
    w().SetLanguage(QStringLiteral("fr"));
    dialog.answers.push_back(scratch.path() + QStringLiteral("/no/such/folder/x.bmp"));
    call("KewlButtons3_MouseDown", {1});
    EXPECT_EQ(dialog.asks.back().filter, SaveFilter(Language::French));
    EXPECT_TRUE(dialog.asks.back().filter.startsWith(QStringLiteral("PNG (*.png);;Bitmap Windows")));
    EXPECT_EQ(dialog.asks.back().title, Text(TextId::SaveDrawing, Language::French));
    ASSERT_EQ(messages.told.size(), 1u);
    EXPECT_EQ(messages.told[0].first, QString::fromUtf8("Le dessin n'a pas été enregistré"));
}

// A refused picture and a name the program cannot save under are explained
// in the window's language too.
TEST_F(FoldersTest, RefusalsSpeakTheWindowsLanguage) {
    const QString notAPicture = scratch.path() + QStringLiteral("/notes.bmp");
    {
        QFile f(notAPicture);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("these are words, not a picture");
    }
    w().SetLanguage(QStringLiteral("ge"));
    dialog.answers.push_back(notAPicture);
    call("Label7_MouseDown");
    ASSERT_EQ(messages.told.size(), 1u);
    EXPECT_EQ(messages.told[0].first, QString::fromUtf8("Das Bild wurde nicht geöffnet"));
    EXPECT_TRUE(messages.told[0].second.endsWith(QString::fromUtf8("Die Zeichnung ist noch auf der Seite.")))
        << messages.told[0].second.toStdString();

    w().SetLanguage(QStringLiteral("sp"));
    dialog.answers.push_back(scratch.path() + QStringLiteral("/sun.gif"));
    call("KewlButtons3_MouseDown", {1});
    ASSERT_EQ(messages.told.size(), 2u);
    EXPECT_EQ(messages.told[1].first, QString::fromUtf8("El dibujo no se ha guardado"));
    EXPECT_TRUE(messages.told[1].second.startsWith(QString::fromUtf8("Pintaloo no puede guardar un dibujo como")));
    EXPECT_TRUE(messages.told[1].second.contains(QStringLiteral("sun.gif")));
}

}  // namespace
}  // namespace pintaloo::uitest
