// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Every word the window shows, in every language: it fits the control that
// shows it (descenders included), its tooltip fits the smallest screen, the
// language's script has a font of its own, and an Arabic window keeps every
// control where the English one has it (but in the panels whose order means
// "first") while its dialogs read right to left, their buttons' words whole.
#include <algorithm>
#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QGlyphRun>
#include <QRawFont>
#include <QRegularExpression>
#include <QTextLayout>
#include <QToolTip>

#include "ui/window/state_dump.h"
#include "window_fixture.h"

namespace pintaloo::uitest {
namespace {

// The smallest screen the window is fitted to (800 x 600, scaled to 0.75):
// tooltips are not scaled with it, and one wider than the screen is cut.
constexpr int kSmallestScreenWidth = 800;
// QTipLabel's frame and margins, both sides together, with room to spare.
constexpr int kTipFrame = 16;

// Where a control's words can be seen, in the coordinates of the control
// the window holds it in: its caption area cut by every control it lies in.
// A closed panel waits outside the window and opens inside it, so the
// window cuts only what it holds in place.
QRect VisibleArea(const Box& box, const QWidget& window) {
    QRect area = box.captionRect();
    const QWidget* inner = &box;
    for (const QWidget* outer = box.parentWidget(); outer; inner = outer, outer = outer->parentWidget()) {
        area.translate(inner->pos());
        if (outer == &window && inner->isHidden()) break;
        area &= outer->rect();
        if (outer == &window) break;
    }
    return area;
}

class TextFitTest : public WindowTest {
protected:
    void TearDown() override { w().SetLanguage(Language::English); }

    // "language/control/text" for each text that does not fit.
    std::vector<std::string> overflows(Language language) {
        std::vector<std::string> found;
        const auto report = [&](const QWidget& c, const QString& text, const QString& how) {
            found.push_back((LanguageCode(language) + QLatin1Char('/') + c.objectName() + QLatin1Char('/') + text +
                             QStringLiteral(" (") + how + QLatin1Char(')'))
                                .toStdString());
        };
        for (const Box* box : w().findChildren<Box*>()) {
            if (box->caption().isEmpty()) continue;
            const Box::CaptionLook look = box->fittedCaption();
            const QRect shown = VisibleArea(*box, w());
            // A caption fitted by its letters is judged by where its letters
            // are, the others by their font's whole lines.
            const QRect needed = box->captionFitsByInk() ? box->captionInk(look).translated(box->mapTo(&w(), QPoint()))
                                                         : QFontMetrics(look.font).boundingRect(shown, look.flags, box->caption());
            if (box->captionFitsByInk() ? !shown.contains(needed)
                                        : needed.width() > shown.width() || needed.height() > shown.height())
                report(*box, box->caption(),
                       QStringLiteral("needs %1x%2, shows %3x%4")
                           .arg(needed.width())
                           .arg(needed.height())
                           .arg(shown.width())
                           .arg(shown.height()));
        }
        for (const QWidget* c : w().findChildren<QWidget*>()) {
            const QString tip = c->toolTip();
            if (QFontMetrics(QToolTip::font()).horizontalAdvance(tip) + kTipFrame > kSmallestScreenWidth)
                report(*c, tip, QStringLiteral("tooltip"));
        }
        return found;
    }
};

TEST_F(TextFitTest, EveryTextFitsItsControlInEveryLanguage) {
    std::vector<std::string> all;
    for (int l = 0; l < kLanguageCount; ++l) {
        const Language language = Language(l);
        w().SetLanguage(language);
        const std::vector<std::string> found = overflows(language);
        all.insert(all.end(), found.begin(), found.end());
    }
    EXPECT_EQ(all, std::vector<std::string>{});
}

// A Han character is drawn differently in Chinese and Japanese: the page
// must take the language's own CJK face, whatever the system's locale says.
TEST_F(TextFitTest, EachScriptIsWrittenInItsOwnFace) {
    struct Case {
        Language language;
        const char* sample;
        const char* face;
    };
    const Case cases[] = {
        {Language::Chinese, "画画", "Noto Sans CJK SC"},
        {Language::Japanese, "絵をかく", "Noto Sans CJK JP"},
        {Language::Korean, "그림 그리기", "Noto Sans CJK KR"},
        {Language::Arabic, "ارسم", "DejaVu Sans"},
    };
    const Box* title = Control(w(), "lblList");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.face);
        w().SetLanguage(c.language);
        QTextLayout layout(QString::fromUtf8(c.sample), title->fittedCaption().font);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        const QList<QGlyphRun> runs = layout.glyphRuns();
        ASSERT_FALSE(runs.isEmpty());
        for (const QGlyphRun& run : runs) {
            EXPECT_EQ(run.rawFont().familyName(), QString::fromLatin1(c.face));
            for (const quint32 glyph : run.glyphIndexes()) EXPECT_NE(glyph, 0u) << "a box instead of a letter";
        }
    }
}

// Every control's place, size and visibility, as the state dump lists them,
// but for the panels whose order means "first" (the page picker, the
// gallery, who paints, the grids of pages and papers): those run right to left (GalleryTest.RightToLeftTheFirstStandsOnTheRight).
QStringList Places(const MainWindow& window) {
    QStringList places = DumpState(window);
    QStringList mirrored;
    for (const char* panel : {"pctOpen", "pctGallery", "pctChildren", "pctPages", "pctPapers"})
        for (const QWidget* c : window.findChild<QWidget*>(QLatin1String(panel))->findChildren<QWidget*>())
            mirrored << c->objectName() + QLatin1Char('.');
    places.removeIf([&](const QString& line) {
        return !line.contains(QRegularExpression(QStringLiteral(R"(\.(Left|Top|Width|Height|Visible)=)"))) ||
               std::any_of(mirrored.cbegin(), mirrored.cend(), [&](const QString& m) { return line.startsWith(m); });
    });
    return places;
}

TEST_F(TextFitTest, RightToLeftMirrorsTheDialogsButNotThePaintingWindow) {
    const QStringList english = Places(w());
    ASSERT_GT(english.size(), 100);
    for (const Language language : {Language::Arabic, Language::Chinese, Language::Arabic, Language::English}) {
        SCOPED_TRACE(LanguageCode(language).toStdString());
        w().SetLanguage(language);
        const Qt::LayoutDirection way = RightToLeft(language) ? Qt::RightToLeft : Qt::LeftToRight;
        EXPECT_EQ(QGuiApplication::layoutDirection(), way);
        QWidget opened;  // a message box or file dialog takes the application's direction
        EXPECT_EQ(opened.layoutDirection(), way);
        EXPECT_EQ(w().layoutDirection(), Qt::LeftToRight);
        for (const QWidget* c : w().findChildren<QWidget*>())
            ASSERT_FALSE(c->isRightToLeft()) << c->objectName().toStdString();
        EXPECT_EQ(Places(w()), english);
    }
}

// Right to left, Qt's style lays a dialog button's icon and word out past
// the button's edge and the word loses letters; the dialogs' buttons then
// carry their word alone. The desktop's style here gives them icons, as a
// desktop theme does.
TEST_F(TextFitTest, RightToLeftDialogButtonsCarryTheirWordAlone) {
    class IconButtons final : public QProxyStyle {
    public:
        using QProxyStyle::QProxyStyle;
        int styleHint(StyleHint hint, const QStyleOption* o, const QWidget* on, QStyleHintReturn* r) const override {
            return hint == SH_DialogButtonBox_ButtonsHaveIcons ? 1 : QProxyStyle::styleHint(hint, o, on, r);
        }
    };
    QApplication::setStyle(new IconButtons(QStyleFactory::create(QStringLiteral("fusion"))));
    w().SetLanguage(Language::Arabic);
    QDialogButtonBox box(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
    for (const QAbstractButton* b : box.buttons()) EXPECT_TRUE(b->icon().isNull()) << b->text().toStdString();
    w().SetLanguage(Language::English);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("fusion")));
}

}  // namespace
}  // namespace pintaloo::uitest
