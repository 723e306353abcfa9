// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Texts by language, the animation panel and who closes it, and the hover
// faces of the window's own buttons.
#include <QFileInfo>

#include "ui/parts/comfort_buttons.h"
#include "ui/parts/window_chrome.h"
#include "ui/parts/canvas_part.h"
#include "ui/parts/animation_panel.h"
#include "ui/platform/animation_player.h"
#include "ui/parts/help_link.h"
#include "ui/parts/command_buttons.h"
#include "ui/parts/page_picker.h"
#include "ui/art/art_store.h"
#include "ui/parts/brush_size.h"
#include "ui/parts/palette_part.h"
#include "ui/parts/tool_buttons.h"
#include "window_fixture.h"

namespace pintaloo::uitest {
namespace {

class CaptionsTest : public WindowTest {
protected:
    void setLanguage(const char* code) { w().SetLanguage(QString::fromUtf8(code)); }
    QString wait() { return Control(w(), "lblWait")->caption(); }
    QString list() { return Control(w(), "lblList")->caption(); }

    // A sample of the tooltips from every group the language sets.
    std::vector<QString> tips() {
        return {Control(w(), "Image5")->toolTip(),       Control(w(), "Image6")->toolTip(),
                Control(w(), "KewlButtons2")->toolTip(), Control(w(), "KewlButtons1")->toolTip(),
                Control(w(), "KewlButtons3")->toolTip(), Control(w(), "KewlButtons4")->toolTip(),
                Control(w(), "bBrush", 0)->toolTip(),    Control(w(), "bBrush", 4)->toolTip(),
                Control(w(), "bBrush", 5)->toolTip(),    Control(w(), "Label4", 0)->toolTip(),
                Control(w(), "Label4", 3)->toolTip(),    Control(w(), "bColor", 0)->toolTip(),
                Control(w(), "bColor", 23)->toolTip()};
    }
    const std::vector<QString> english = {"Close me",        "Minimize me", "New page",   "New coloring page",
                                          "Save drawing",    "Help/About",  "Pencil",     "Oil drawing",
                                          "Fill with color", "Brush size",  "Brush size", "Select the color",
                                          "Select the color"};
    // Romanian with its diacritics (comma-below ș and ț), as a Romanian child reads.
    const std::vector<QString> romanian = {
        QStringLiteral(u"Închide-mă"),       QStringLiteral(u"Micșorează-mă"),    QStringLiteral(u"Pagină nouă"),     QStringLiteral(u"Pagină nouă de colorat"), QStringLiteral(u"Salvează desenul"),
        QStringLiteral(u"Ajutor/Despre"),    QStringLiteral(u"Creion"),           QStringLiteral(u"Pictură în ulei"), QStringLiteral(u"Umple cu culoare"),       QStringLiteral(u"Mărimea pensulei"),
        QStringLiteral(u"Mărimea pensulei"), QStringLiteral(u"Alege culoarea"),   QStringLiteral(u"Alege culoarea")};
};

TEST_F(CaptionsTest, EnglishAndRomanianSetEveryText) {
    EXPECT_EQ(tips(), english) << "English from the start";
    EXPECT_EQ(wait(), QStringLiteral("Wait..."));
    setLanguage("ro");
    EXPECT_EQ(tips(), romanian);
    EXPECT_EQ(Control(w(), "bBrush", 1)->toolTip(), QStringLiteral(u"Pensulă cu modele"));
    EXPECT_EQ(Control(w(), "bBrush", 2)->toolTip(), QStringLiteral(u"Pensulă cu ștampile"));
    EXPECT_EQ(Control(w(), "bBrush", 3)->toolTip(), QStringLiteral(u"Radieră"));
    EXPECT_EQ(wait(), QStringLiteral(u"Așteaptă..."));
    EXPECT_EQ(list(), QStringLiteral("Alege un desen"));
    setLanguage("en");
    EXPECT_EQ(tips(), english);
    EXPECT_EQ(wait(), QStringLiteral("Wait..."));
    EXPECT_EQ(list(), QStringLiteral("Select a drawing"));
}

// Every language labels every control: nothing is left in English or in
// the language before it. A sample of each language's words is written out
// here, so a table that slips a column shows.
TEST_F(CaptionsTest, EveryLanguageSetsEveryText) {
    struct Row {
        const char* code;
        const char* close;
        const char* pencil;
        const char* wait;
        const char* title;
        const char* open;
    };
    const Row rows[] = {
        {"fr", "Ferme-moi", "Crayon", "Patiente...", "Choisis un dessin", "Ouvre un dessin"},
        {"ge", "Schließ mich", "Buntstift", "Warte...", "Wähl eine Zeichnung", "Öffne eine Zeichnung"},
        {"it", "Chiudimi", "Pastello", "Aspetta...", "Scegli un disegno", "Apri un disegno"},
        {"sp", "Ciérrame", "Lápiz", "Espera...", "Elige un dibujo", "Abre un dibujo"},
        {"ar", "أغلقني", nullptr, nullptr, nullptr, nullptr},
        {"zh", nullptr, nullptr, nullptr, nullptr, nullptr},
        {"ja", nullptr, nullptr, nullptr, nullptr, nullptr},
        {"uk", nullptr, nullptr, nullptr, nullptr, nullptr},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.code);
        setLanguage("ro");
        setLanguage(r.code);
        // The older languages' words are written out, so a file that slips a message shows.
        if (r.close) {
            EXPECT_EQ(Control(w(), "Image5")->toolTip(), QString::fromUtf8(r.close));
        }
        if (r.pencil) {
            EXPECT_EQ(Control(w(), "bBrush", 0)->toolTip(), QString::fromUtf8(r.pencil));
        }
        if (r.wait) {
            EXPECT_EQ(wait(), QString::fromUtf8(r.wait));
        }
        if (r.title) {
            EXPECT_EQ(list(), QString::fromUtf8(r.title));
        }
        if (r.open) {
            EXPECT_EQ(Control(w(), "Label7")->caption(), QString::fromUtf8(r.open));
        }
        const std::vector<QString> now = tips();
        for (std::size_t i = 0; i < now.size(); ++i) {
            EXPECT_NE(now[i], english[i]) << "still English: " << now[i].toStdString();
            EXPECT_NE(now[i], romanian[i]) << "still Romanian: " << now[i].toStdString();
        }
        EXPECT_EQ(w().language, LanguageFromCode(QString::fromLatin1(r.code)));
    }
}

// The help line names the version in every language; the sound and print
// buttons have their tooltips.
TEST_F(CaptionsTest, HelpLineAndTitleButtonsFollowTheLanguage) {
    setLanguage("it");
    EXPECT_EQ(Control(w(), "lblInfo")->caption(),
              QStringLiteral("Pintaloo %1 · aiuto e informazioni").arg(QLatin1String(PINTALOO_VERSION)));
    EXPECT_EQ(Control(w(), "bSound")->toolTip(), QStringLiteral("Suono sì/no"));
    EXPECT_EQ(Control(w(), "bPrint")->toolTip(), QStringLiteral("Stampa"));
    setLanguage("en");
    EXPECT_EQ(Control(w(), "lblInfo")->caption(),
              QStringLiteral("Pintaloo %1 · help and about").arg(QLatin1String(PINTALOO_VERSION)));
    EXPECT_EQ(Control(w(), "bSound")->toolTip(), QStringLiteral("Sound on/off"));
}

// A new page starts afresh in every way but one: it keeps the language.
TEST_F(CaptionsTest, NewPageKeepsTheLanguage) {
    setLanguage("sp");
    call("KewlButtons2_MouseDown", {1});
    EXPECT_EQ(list(), QString::fromUtf8("Elige un dibujo"));
    EXPECT_EQ(Control(w(), "bColor", 3)->toolTip(), QString::fromUtf8("Elige el color"));
}

TEST_F(CaptionsTest, UnknownCodesGiveEnglish) {
    for (const char* code : {"EN", "", "de", "ro "}) {
        SCOPED_TRACE(code);
        setLanguage("ro");
        setLanguage(code);
        EXPECT_EQ(tips(), english);
        EXPECT_EQ(wait(), QStringLiteral("Wait..."));
        EXPECT_EQ(list(), QStringLiteral("Select a drawing"));
    }
}

class AnimationTest : public WindowTest {
protected:
    AnimationPlayer& player() { return w().animation().player(); }
    Box* panel() { return Control(w(), "pctFlash"); }

    void open() {
        call("sColor_Click");
        ASSERT_TRUE(panel()->isVisible());
        ASSERT_EQ(player().state(), AnimationPlayer::State::Playing);
    }
    void expectClosed() {
        EXPECT_EQ(player().state(), AnimationPlayer::State::Empty);
        EXPECT_TRUE(panel()->isHidden());
    }
};

TEST_F(AnimationTest, CurrentColourBoxOpensThePanelOverTheCanvas) {
    heard.clear();
    call("sColor_Click");
    EXPECT_EQ(heard, (std::vector<Heard>{{"wave", 102}}));
    EXPECT_TRUE(panel()->isVisible());
    // Centred over the canvas (807 x 537 at 9, 76): an even border all round.
    EXPECT_EQ(panel()->geometry(), QRect(12, 84, 801, 521));
    EXPECT_EQ(player().state(), AnimationPlayer::State::Playing);
    // Each button is cut round its rounded frame: its colour does not show
    // in the corners, over the cartoon.
    for (Box* b : {Control(w(), "picture2", 0), Control(w(), "picture2", 2), Control(w(), "Picture3")}) {
        EXPECT_FALSE(b->mask().contains(QPoint(0, 0))) << b->objectName().toStdString();
        EXPECT_TRUE(b->mask().contains(b->rect().center()));
    }
    EXPECT_GE(player().currentFrame(), 0);

    heard.clear();
    call("picture2_Click", {1});
    EXPECT_TRUE(panel()->isVisible());
    EXPECT_EQ(player().state(), AnimationPlayer::State::Playing);
    EXPECT_TRUE(heard.empty()) << "choosing a cartoon makes no click";
    refused("picture2_Click", {3});  // no such button
    EXPECT_EQ(player().state(), AnimationPlayer::State::Playing);
}

TEST_F(AnimationTest, EveryCloserSilencesAndHidesThePanel) {
    const std::vector<std::pair<std::string, std::vector<double>>> closers = {
        {"Picture3_Click", {}},          {"bBrush_MouseUp", {0, 1}},      {"bBrush_MouseUp", {2, 1}},
        {"Label4_Click", {1}},           {"KewlButtons1_MouseDown", {1}}, {"KewlButtons2_MouseDown", {1}},
        {"KewlButtons3_MouseDown", {1}},
    };
    for (const auto& [name, args] : closers) {
        SCOPED_TRACE(name);
        open();
        call(name, args);
        expectClosed();
    }
    ASSERT_EQ(dialog.asked("save"), 1) << "the save button got as far as its dialog";
    const QString proposed = dialog.asks.back().start;
    EXPECT_TRUE(QFileInfo(proposed).fileName().startsWith(QStringLiteral("Drawing "))) << proposed.toStdString();
    EXPECT_FALSE(QFileInfo::exists(proposed)) << "a cancelled save writes nothing";
    EXPECT_TRUE(messages.told.empty());
}

TEST_F(AnimationTest, RightPressesLeaveThePanelPlaying) {
    open();
    call("bBrush_MouseUp", {0, 2});
    call("KewlButtons2_MouseDown", {2});
    call("KewlButtons3_MouseDown", {2});
    EXPECT_TRUE(panel()->isVisible());
    EXPECT_EQ(player().state(), AnimationPlayer::State::Playing);
    EXPECT_EQ(dialog.asked("save"), 0);
}

class ChromeTest : public WindowTest {
protected:
    static qint64 Art(const char* name, QSize size) {
        return ArtStore::instance().pixmap(QStringLiteral(":/art/ui/%1.svg").arg(QLatin1String(name)), size).cacheKey();
    }
    qint64 closeFace() { return Control(w(), "Image5")->picture().cacheKey(); }
    qint64 minimiseFace() { return Control(w(), "Image6")->picture().cacheKey(); }
};

TEST_F(ChromeTest, OnlyTheButtonUnderThePointerIsHighlighted) {
    const qint64 close = Art("win_close", {50, 17}), closeHot = Art("win_close_hot", {50, 17});
    const qint64 minimise = Art("win_minimise", {50, 17}), minimiseHot = Art("win_minimise_hot", {50, 17});
    ASSERT_NE(close, closeHot);
    EXPECT_EQ(closeFace(), close);
    EXPECT_EQ(minimiseFace(), minimise);

    call("Image5_MouseMove");
    EXPECT_EQ(closeFace(), closeHot);
    EXPECT_EQ(minimiseFace(), minimise);
    call("Image6_MouseMove");
    EXPECT_EQ(closeFace(), close);
    EXPECT_EQ(minimiseFace(), minimiseHot);

    // Every highlighted face goes back on the window's background.
    call("bBrush_MouseMove", {3});
    call("KewlButtons3_MouseMove");
    Box* eraser = Control(w(), "bBrush", 3);
    Box* save = Control(w(), "KewlButtons3");
    const qint64 eraserNormal = Art("tool_eraser", {ToolButtons::kFaceSize, ToolButtons::kFaceSize}), saveNormal = Art("cmd_save", {49, 49});
    EXPECT_NE(eraser->picture().cacheKey(), eraserNormal);
    EXPECT_NE(save->picture().cacheKey(), saveNormal);
    call("Image6_MouseMove");
    call("Form_MouseMove");
    EXPECT_EQ(closeFace(), close);
    EXPECT_EQ(minimiseFace(), minimise);
    EXPECT_EQ(eraser->picture().cacheKey(), eraserNormal);
    EXPECT_EQ(save->picture().cacheKey(), saveNormal);
}

TEST_F(ChromeTest, OnlyTheLeftButtonMinimises) {
    call("Image6_MouseDown", {2});
    call("Image6_MouseDown", {4});
    EXPECT_FALSE(w().windowState() & Qt::WindowMinimized);
    settings.setKeepFullScreen(true);  // the school keeps the desktop out of reach
    call("Image6_MouseDown", {1});
    EXPECT_FALSE(w().windowState() & Qt::WindowMinimized);
    settings.setKeepFullScreen(false);
    call("Image6_MouseDown", {1});
    EXPECT_TRUE(w().windowState() & Qt::WindowMinimized);
}

}  // namespace
}  // namespace pintaloo::uitest
