// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The gallery panel driven through its actions over a gallery held in
// memory: pages and arrows, picks, the bin's two presses, play, files that
// vanish while the panel is open, and its texts in every language.
#include <QFileInfo>
#include <QFontMetrics>
#include <QTest>
#include <algorithm>

#include "ui/files/colouring_pages.h"
#include "ui/parts/gallery_panel.h"
#include "ui/window/state_dump.h"
#include "ui/window/key_access.h"
#include "window_fixture.h"

namespace pintaloo::uitest {
namespace {

class GalleryTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        w().services.gallery = &gallery;
        w().services.thumbnails = &thumbnails;
        // Opening a drawing is the files' work; here it is noted, and a
        // drawing whose file is gone is refused as the window refuses it.
        w().gallery().needs.openDrawingFile = [this](const QString& path) {
            opened.push_back(path);
            return std::any_of(gallery.entries.begin(), gallery.entries.end(),
                               [&](const GalleryEntry& e) { return e.path == path; });
        };
    }
    void TearDown() override {
        w().services.gallery = nullptr;
        w().services.thumbnails = nullptr;
    }
    GalleryPanel& panel() { return w().gallery(); }
    std::vector<QString> shownPaths() {
        std::vector<QString> out;
        for (int k = 0; k < GalleryPanel::kPerPage; ++k)
            if (Control(w(), "imgGallery", k)->isVisible())
                out.push_back(
                    panel().listing()[std::size_t(panel().page()) * GalleryPanel::kPerPage + std::size_t(k)].path);
        return out;
    }

    standin::MemoryGallery gallery;
    standin::InstantThumbnails thumbnails{gallery};
    std::vector<QString> opened;
};

TEST_F(GalleryTest, PagesArrowsPicksAndTheBinFollowTheListing) {
    const struct { int drawings, pages; } cases[] = {{0, 1}, {1, 1}, {12, 1}, {13, 2}, {500, 42}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.drawings << " drawings");
        gallery.entries.clear();
        gallery.trashed.clear();
        gallery.add(c.drawings);
        opened.clear();
        call("Gallery");
        ASSERT_TRUE(panel().isOpen());
        const auto& listing = panel().listing();
        ASSERT_EQ(int(listing.size()), c.drawings);
        EXPECT_EQ(panel().pageCount(), c.pages);
        EXPECT_EQ(Control(w(), "imgGalleryEmpty")->isVisible(), c.drawings == 0) << "the empty gallery's picture";
        EXPECT_EQ(Control(w(), "bGalleryPlay")->isVisible(), c.drawings > 0);
        // Leaf to the end and one step beyond: every drawing is shown once,
        // newest first, each with its film badge when it has a story, and
        // an arrow shows only where there is a page to go to.
        std::vector<QString> seen;
        for (int page = 0; page <= c.pages; ++page) {
            const int at = std::min(page, c.pages - 1);
            EXPECT_EQ(panel().page(), at);
            EXPECT_EQ(Control(w(), "bGalleryPrevious")->isVisible(), at > 0);
            EXPECT_EQ(Control(w(), "bGalleryNext")->isVisible(), at + 1 < c.pages);
            if (page < c.pages) {
                const std::vector<QString> shown = shownPaths();
                seen.insert(seen.end(), shown.begin(), shown.end());
                for (int k = 0; k < int(shown.size()); ++k) {
                    const QString& path = shown[std::size_t(k)];
                    EXPECT_EQ(Control(w(), "imgGalleryFilm", k)->isVisible(), gallery.withStory.count(path) > 0);
                    EXPECT_FALSE(Control(w(), "imgGallery", k)->picture().isNull()) << "its thumbnail";
                }
            }
            call("GalleryNext");
        }
        ASSERT_EQ(int(seen.size()), c.drawings);
        for (std::size_t i = 0; i + 1 < seen.size(); ++i)
            EXPECT_EQ(seen[i], gallery.entries[gallery.entries.size() - 1 - i].path) << "newest first, at " << i;
        for (int back = 0; back < c.pages; ++back) call("GalleryPrevious");
        EXPECT_EQ(panel().page(), 0);

        // A pick beyond the listing does nothing; beyond any listing it is refused.
        call("GalleryPick", {double(c.drawings)});
        EXPECT_TRUE(opened.empty());
        EXPECT_TRUE(panel().isOpen());
        refused("GalleryPick", {double(GalleryPanel::kMostListed)});
        refused("GalleryPick", {-1});
        if (c.drawings == 0) {
            call("CloseGallery");
            continue;
        }
        // The bin: one press asks, anything else takes the question back, a
        // second press on the same drawing sends it to the trash.
        const QString newest = listing[0].path;
        call("GalleryBin", {0});
        EXPECT_EQ(panel().armedBin(), 0);
        EXPECT_TRUE(Control(w(), "bGalleryReally")->isVisible());
        call("bColor_Click", {3});
        EXPECT_FALSE(panel().armedBin());
        EXPECT_FALSE(Control(w(), "bGalleryReally")->isVisible());
        call("GalleryBin", {0});
        EXPECT_TRUE(gallery.trashed.empty()) << "one press trashes nothing";
        QTest::mouseClick(Control(w(), "bGalleryReally"), Qt::LeftButton);
        EXPECT_EQ(gallery.trashed, std::vector<QString>{newest});
        EXPECT_EQ(int(panel().listing().size()), c.drawings - 1) << "listed again after the trash";
        // The oldest drawing left, picked by its place: opened, and the panel goes.
        if (c.drawings > 1) {
            const int last = c.drawings - 2;
            call("GalleryPick", {double(last)});
            EXPECT_EQ(opened, std::vector<QString>{gallery.entries.front().path});
            EXPECT_FALSE(panel().isOpen());
        }
        call("CloseGallery");
    }
}

// Keys and switches press a tile through its own handler, so on the second
// page the first tile is the thirteenth drawing, and a screen reader hears
// the drawing's dated name.
TEST_F(GalleryTest, KeysPressTheTileShownOnTheirPage) {
    gallery.add(13);
    call("Gallery");
    call("GalleryNext");
    Box* tile = Control(w(), "imgGallery", 0);
    const QString thirteenth = panel().listing()[12].path;
    w().keyAccess().pressControl(tile);
    EXPECT_EQ(opened, std::vector<QString>{thirteenth});
    EXPECT_EQ(tile->toolTip(), QFileInfo(thirteenth).completeBaseName());
}

// The picker's "Open a drawing" is the child's own drawings, never a dialog
// over the whole disk; every way back from what a panel opened (the
// gallery's close, Escape, the grown-ups' Ctrl+O cancelled) is that panel.
TEST_F(GalleryTest, WhatThePickerOpensLeadsBackToThePicker) {
    gallery.add(3);
    const auto pickerOpen = [&] { return !Control(w(), "pctOpen")->isHidden(); };
    call("KewlButtons1_MouseDown", {1});
    call("NextPage");
    for (const char* back : {"CloseGallery", "ClosePanel"}) {
        QTest::mousePress(Control(w(), "Label7"), Qt::LeftButton);
        EXPECT_TRUE(panel().isOpen()) << back;
        EXPECT_TRUE(dialog.asks.empty()) << "no file dialog for a child";
        call(back);
        EXPECT_FALSE(panel().isOpen()) << back;
        EXPECT_TRUE(pickerOpen()) << back;
        EXPECT_EQ(st().PageNumber, ColouringPages::kFirst + 1) << "at the page it was left on";
    }
    QTest::keyClick(&w(), Qt::Key_O, Qt::ControlModifier);  // cancelled: nothing is queued
    EXPECT_EQ(dialog.asks.size(), 1u);
    EXPECT_TRUE(pickerOpen()) << "a cancelled dialog returns to the picker";
    call("PickerGallery", {1});
    call("GalleryPick", {1});
    EXPECT_FALSE(panel().isOpen());
    EXPECT_FALSE(pickerOpen()) << "a drawing chosen: back to painting";
}

// The film badge plays that drawing's film; the bin's question is a picture
// as well as a word, for a child who cannot read it.
TEST_F(GalleryTest, TheBadgePlaysTheFilmAndTheBinAsksInAPicture) {
    gallery.add(3);  // the newest and the oldest carry their stories
    int played = 0;
    w().actions.plug("PlayFilm", [&played](const ActionHub::Args&) { ++played; });
    call("Gallery");
    call("GalleryFilm", {1});
    EXPECT_EQ(played, 0) << "no story, no film";
    QTest::mouseClick(Control(w(), "imgGalleryFilm", 0), Qt::LeftButton);
    EXPECT_EQ(opened, std::vector<QString>{gallery.entries[2].path});
    EXPECT_EQ(played, 1);
    call("Gallery");
    call("GalleryBin", {0});
    const QImage ask = Control(w(), "imgGalleryReallyBin")->picture().toImage();
    EXPECT_GT(ask.width(), Control(w(), "bGalleryBin", 0)->width() * 3 / 2) << "the bin and its question mark";
}

// In a language written right to left the first drawing and the page
// before stand on the right, in the gallery and in the page picker.
TEST_F(GalleryTest, RightToLeftTheFirstStandsOnTheRight) {
    gallery.add(3);
    call("Gallery");
    for (const Language l : {Language::English, Language::Arabic}) {
        w().SetLanguage(l);
        const bool rtl = l == Language::Arabic;
        EXPECT_EQ(Control(w(), "imgGallery", 0)->x() > Control(w(), "imgGallery", 1)->x(), rtl);
        EXPECT_EQ(Control(w(), "KewlButtons9")->x() > Control(w(), "KewlButtons8")->x(), rtl);
        EXPECT_EQ(Control(w(), "bGalleryBin", 0)->x() < Control(w(), "imgGallery", 0)->geometry().center().x(), rtl);
    }
}

TEST_F(GalleryTest, ADrawingThatVanishedShowsAPlainFrameAndItsPickIsRefusedKindly) {
    gallery.add(5);
    const QString gone = gallery.entries[3].path;  // shown second, newest first
    gallery.images.erase(gone);                    // no thumbnail can be made
    call("Gallery");
    EXPECT_TRUE(Control(w(), "imgGallery", 1)->picture().isNull()) << "a plain frame";
    EXPECT_FALSE(Control(w(), "imgGallery", 0)->picture().isNull());
    gallery.entries.erase(gallery.entries.begin() + 3);  // and now the file goes, the panel open
    QTest::mouseClick(Control(w(), "imgGallery", 1), Qt::LeftButton);
    EXPECT_EQ(opened, std::vector<QString>{gone});
    EXPECT_TRUE(panel().isOpen()) << "refused: the child is still in the gallery";
    EXPECT_EQ(panel().listing().size(), 4u) << "and the vanished drawing has left it";
    const QStringList dump = DumpState(w());
    EXPECT_TRUE(dump.contains("Gallery.Count=4"));
    EXPECT_TRUE(dump.contains("Gallery(0).File=Drawing 0004.png"));
    EXPECT_TRUE(dump.contains("Gallery.Visible=True"));
    // A name with a line break stays one line of the dump.
    gallery.entries.push_back({gallery.folder() + "/two\nlines.png", 9'000'000, 10});
    call("Gallery");
    EXPECT_TRUE(DumpState(w()).contains("Gallery(0).File=two\\nlines.png"));
}

TEST_F(GalleryTest, PlayEndsAtAPressOrAnyKeyBackInTheGallery) {
    gallery.add(3);
    call("pctDraw_MouseDown", {1, 100, 200});
    call("pctDraw_MouseUp", {1, 300, 220});
    call("Gallery");
    for (int end = 0; end < 2; ++end) {
        call("GalleryPlay");
        ASSERT_TRUE(panel().isShowing());
        EXPECT_EQ(panel().shownInPlay(), 0) << "the newest first";
        EXPECT_EQ(Control(w(), "pctGalleryShow")->geometry(), w().rect()) << "the whole window";
        const auto before = pixels();
        if (end == 0)
            QTest::mousePress(Control(w(), "pctGalleryShow"), Qt::LeftButton);
        else
            QTest::keyClick(&w(), Qt::Key_N, Qt::ControlModifier);  // a key that would otherwise start a new page
        EXPECT_FALSE(panel().isShowing());
        EXPECT_TRUE(panel().isOpen()) << "play ends back in the gallery";
        EXPECT_EQ(pixels(), before) << "the key only ended play";
    }
}

TEST_F(GalleryTest, TheTextsFitInEveryLanguage) {
    gallery.add(13);
    for (int l = 0; l < kLanguageCount; ++l) {
        SCOPED_TRACE(LanguageCode(Language(l)).toStdString());
        w().SetLanguage(Language(l));
        call("Gallery");
        call("GalleryBin", {2});
        for (const char* name : {"lblGallery", "lblGalleryReally", "lblGalleryPage"}) {
            const Box* b = Control(w(), name);
            EXPECT_FALSE(b->caption().isEmpty()) << name;
            EXPECT_LE(QFontMetrics(b->captionFont()).horizontalAdvance(b->caption()), b->width() - 8) << name;
        }
        for (const char* name : {"bGallery", "bGalleryPlay", "bCloseGallery"})
            EXPECT_FALSE(Control(w(), name)->toolTip().isEmpty()) << name;
        EXPECT_NE(Control(w(), "bGallery")->toolTip(), Control(w(), "bGalleryPlay")->toolTip());
        call("CloseGallery");
    }
}

}  // namespace
}  // namespace pintaloo::uitest
