// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/state_dump.h"

#include "ui/platform/settings.h"

#include <QFileInfo>
#include <algorithm>
#include <iterator>

#include "ui/actions/box.h"
#include "ui/parts/colour_picker.h"
#include "ui/parts/comfort_buttons.h"
#include "ui/parts/gallery_panel.h"
#include "ui/parts/child_picker.h"
#include "ui/parts/letters_part.h"
#include "ui/parts/page_grids.h"
#include "ui/parts/page_picker.h"
#include "ui/parts/stamp_browser.h"
#include "ui/window/main_window.h"
#include "engine/toolbox/tools_table.h"
#include "ui/parts/tool_buttons.h"
#include "ui/words/texts.h"

namespace pintaloo {

namespace {

QString Rgb3(Colour c) { return QStringLiteral("%1,%2,%3").arg(RedOf(c)).arg(GreenOf(c)).arg(BlueOf(c)); }
QString Bool(bool b) { return b ? QStringLiteral("True") : QStringLiteral("False"); }

void DumpControl(const QWidget* c, QStringList& out) {
    const QString n = c->objectName();
    out << n + ".Visible=" + Bool(!c->isHidden()) << n + ".Left=" + QString::number(c->x())
        << n + ".Top=" + QString::number(c->y()) << n + ".Width=" + QString::number(c->width())
        << n + ".Height=" + QString::number(c->height());
    if (const auto* box = qobject_cast<const Box*>(c)) {
        if (const auto back = box->backColor())
            out << n + ".BackColor=" + Rgb3(Rgb(back->red(), back->green(), back->blue()));
        out << n + ".Caption=" + box->caption();
    }
    out << n + ".ToolTipText=" + c->toolTip();
    // Controls that can be switched off; the rest are always on.
    static const QString kSwitched[] = {QStringLiteral("bUndo"), QStringLiteral("bRedo")};
    if (std::find(std::begin(kSwitched), std::end(kSwitched), n) != std::end(kSwitched))
        out << n + ".Enabled=" + Bool(c->isEnabled());
}

}  // namespace

QStringList DumpState(const MainWindow& w) {
    w.makeEveryPart();
    const EditorState& s = w.state;
    QStringList out;
    out << QStringLiteral("HlsRed=%1").arg(s.HlsRed) << QStringLiteral("HlsGreen=%1").arg(s.HlsGreen)
        << QStringLiteral("HlsBlue=%1").arg(s.HlsBlue);
    for (int h = 0; h <= 360; ++h) out << QStringLiteral("HueTable(%1)=").arg(h) + Rgb3(s.HueTable[std::size_t(h)]);
    out << QStringLiteral("RainbowIndex=%1").arg(s.RainbowIndex)
        << QStringLiteral("MousePhase=") + QString::fromLatin1(MousePhaseName(s.Phase))
        << QStringLiteral("PaperColor=") + Rgb3(s.PaperColor) << QStringLiteral("OutlineColor=") + Rgb3(s.OutlineColor)
        << QStringLiteral("BrushSize=%1").arg(s.BrushSize) << QStringLiteral("BrushHalfWidth=%1").arg(s.BrushHalfWidth)
        << QStringLiteral("CurrentColor=") + Rgb3(s.CurrentColor)
        << QStringLiteral("ToolMode=%1").arg(ToolNumber(s.ToolMode)) << QStringLiteral("LastX=%1").arg(s.LastX)
        << QStringLiteral("LastY=%1").arg(s.LastY) << QStringLiteral("AlternateFlag=%1").arg(s.AlternateFlag)
        << QStringLiteral("SwatchIndex=%1").arg(s.SwatchIndex) << QStringLiteral("ToolVariant=%1").arg(s.ToolVariant)
        << QStringLiteral("SizeIndex=%1").arg(s.SizeIndex) << QStringLiteral("PageNumber=%1").arg(s.PageNumber);
    // How hard the pen presses (0: no pen pressing).
    out << QStringLiteral("PenPressure=%1").arg(s.PenPressure);
    out << QStringLiteral("Language=") + LanguageCode(w.language)
        << QStringLiteral("SoundOn=") + Bool(w.comfort().soundOn());
    // The tool button that shows pressed, and whether the window fills the screen.
    out << QStringLiteral("PressedToolButton=%1").arg(ChosenToolItem(s.ToolMode))
        << QStringLiteral("FullScreen=") + Bool(w.fullScreen());
    // The magic brush in use: its entry in the magic panel and its picture's
    // name (-1 and nothing while another tool is chosen).
    const ToolRow* magic = RowOf(s.ToolMode);
    if (magic && magic->button != ToolButton::Magic) magic = nullptr;
    out << QStringLiteral("MagicEntry=%1").arg(magic ? int(magic->entry) : -1)
        << QStringLiteral("MagicArt=") + QLatin1String(magic ? magic->art : "");
    // Shapes and the straight line: the shape chosen (its entry and
    // picture, -1 and nothing while another tool is chosen), whether it
    // lands filled, and while one is dragged out, from where to where.
    const ToolRow* shape = RowOf(s.ToolMode);
    if (shape && shape->button != ToolButton::Shapes) shape = nullptr;
    out << QStringLiteral("ShapeEntry=%1").arg(shape ? int(shape->entry) : -1)
        << QStringLiteral("ShapeArt=") + QLatin1String(shape ? shape->art : "")
        << QStringLiteral("ShapeFilled=") + Bool(shape && s.ToolVariant == 1);
    const auto& drag = w.stroke().shapeDrag();
    out << QStringLiteral("ShapeDrag=") +
               (drag ? QStringLiteral("%1,%2,%3,%4").arg(s.LastX).arg(s.LastY).arg(drag->toX).arg(drag->toY)
                     : QString());

    // Letters: the text being typed.
    {
        const LettersPart& letters = w.letters();
        QString typed = letters.text();
        typed.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('\n'), QLatin1String("\\n"));
        const LettersFont& font = TheLettersFont();
        out << QStringLiteral("Letters.Open=") + Bool(letters.open()) << QStringLiteral("Letters.Text=") + typed
            << QStringLiteral("Letters.X=%1").arg(letters.at().x()) << QStringLiteral("Letters.Y=%1").arg(letters.at().y())
            << QStringLiteral("Letters.PixelSize=%1").arg(letters.pixelSize())
            << QStringLiteral("Letters.Board=") + Bool(letters.boardShown())
            << QStringLiteral("Letters.Font=") + font.family << QStringLiteral("Letters.FontFile=") + font.file
            << QStringLiteral("Letters.FontBytes=%1").arg(font.bytes) << QStringLiteral("Letters.FontHash=") + font.hash
            << QStringLiteral("Letters.FontStamp=%1").arg(font.stamp);
    }

    // Any colour: the colour picked from the rainbow or the drawing.
    // The chosen colour (a swatch's or a picked one), its word in the
    // window's language (what a screen reader says), whether the rainbow
    // panel shows and whether the dropper waits for a press on the paper.
    out << QStringLiteral("AnyColour.Chosen=") + Rgb3(s.CurrentColor)
        << QStringLiteral("AnyColour.Word=") +
               Text(ColourWord(RedOf(s.CurrentColor), GreenOf(s.CurrentColor), BlueOf(s.CurrentColor)), w.language)
        << QStringLiteral("AnyColour.RainbowOpen=") + Bool(w.colourPicker().isOpen())
        << QStringLiteral("AnyColour.DropperArmed=") + Bool(w.colourPicker().dropperArmed());

    // Stamp collections: the browser, a stamp's size and turn.
    const StampBrowser& stamps = w.stampBrowser();
    out << QStringLiteral("Stamps.LibraryStamp=") + QString::number(stamps.chosenId())
        << QStringLiteral("Stamps.LibraryFile=") + stamps.chosenFile()
        << QStringLiteral("Stamps.Size=") + QString::number(stamps.look().size)
        << QStringLiteral("Stamps.Mirrored=") + Bool(stamps.look().mirrored)
        << QStringLiteral("Stamps.Flipped=") + Bool(stamps.look().flipped)
        << QStringLiteral("Stamps.BrowserOpen=") + Bool(stamps.isOpen())
        << QStringLiteral("Stamps.BrowserGroup=") + QString::number(stamps.openGroup())
        << QStringLiteral("Stamps.BrowserPage=") + QString::number(stamps.page());

    // Own colouring pages and background pictures: how many own pages the
    // picker read (0 until it first showed), and the own page it stands at,
    // by id and by file name (0 and nothing on a built-in page).
    {
        const std::vector<OwnPage>& own = w.pagePicker().pages().own().listed();
        const int i = s.PageNumber - ColouringPages::kLast - 1;
        const OwnPage* at = i >= 0 && i < int(own.size()) ? &own[std::size_t(i)] : nullptr;
        QString file = at ? at->relative : QString();
        out << QStringLiteral("OwnPages.Count=%1").arg(own.size())
            << QStringLiteral("OwnPages.PageId=%1").arg(at ? at->id : 0u)
            << QStringLiteral("OwnPages.PageFile=") + file.replace(QLatin1Char('\n'), QLatin1String("\\n"));
        const PageGrids& grids = w.pageGrids();
        out << QStringLiteral("PagesGrid.Visible=") + Bool(grids.pagesGrid().isOpen())
            << QStringLiteral("PagesGrid.Screen=%1").arg(grids.pagesGrid().screen())
            << QStringLiteral("Papers.Visible=") + Bool(grids.papersGrid().isOpen())
            << QStringLiteral("Papers.Screen=%1").arg(grids.papersGrid().screen())
            << QStringLiteral("Papers.Count=%1").arg(grids.backgrounds().listed().size());
    }

    // The grown-up's settings and lock-down.
    {
        const SettingsPort* settings = w.services.settings;
        out << QStringLiteral("Lock.NoQuit=") + Bool(settings && settings->noQuit())
            << QStringLiteral("Lock.NoPrint=") + Bool(settings && settings->noPrint())
            << QStringLiteral("Lock.NoFileDialogs=") + Bool(settings && settings->noFileDialogs())
            << QStringLiteral("Lock.KeepFullScreen=") + Bool(settings && settings->keepFullScreen());
    }

    // Each child's own drawings: the child painting (empty before one is
    // chosen, and with none or one child), how many share the account, and
    // whether the picker asks who paints.
    out << QStringLiteral("Child.Name=") + QString(w.childPicker().currentName()).replace(QLatin1Char('\n'), QLatin1String("\\n"))
        << QStringLiteral("Child.Count=%1").arg(w.childPicker().count())
        << QStringLiteral("Child.PickerOpen=") + Bool(w.childPicker().isOpen());

    // The gallery as the panel last listed it, newest first. A file name may
    // hold a line break; it is written as \n so each stays one line.
    const std::vector<GalleryEntry>& drawings = w.gallery().listing();
    out << QStringLiteral("Gallery.Visible=") + Bool(w.gallery().isOpen())
        << QStringLiteral("Gallery.Count=%1").arg(drawings.size());
    for (std::size_t i = 0; i < drawings.size(); ++i)
        out << QStringLiteral("Gallery(%1).File=").arg(i) +
                   QFileInfo(drawings[i].path).fileName().replace(QLatin1Char('\n'), QLatin1String("\\n"));
    const auto controls = w.findChildren<QWidget*>();
    for (const QWidget* c : controls)
        if (!c->objectName().isEmpty() && !c->objectName().startsWith(QLatin1String("qt_"))) DumpControl(c, out);
    return out;
}

}  // namespace pintaloo
