// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts/colour_picker.h"

#include <QPainterPath>
#include <QRegion>
#include <cmath>

#include "engine/canvas/checked16.h"
#include "engine/toolbox/any_colour.h"
#include "ui/actions/layout.h"
#include "ui/art/art_store.h"
#include "ui/platform/sounds.h"
#include "ui/words/texts.h"

#include "theme_colours.h"

namespace pintaloo {

namespace {
const QColor kPanelSky(223, 243, 255);
// The panel is the animation panel's size, centred over the canvas the same
// way; the field takes its left, a column of three big buttons its right.
constexpr QRect kPanel{840, 80, 801, 521};
constexpr QRect kField{16, 16, 600, 489};
constexpr QRect kSample{632, 16, 153, 150};
constexpr QRect kDropper{632, 182, 153, 150};
constexpr QRect kClose{632, 441, 153, 64};
// A drag picks again only after this many pixels, so the colour follows the
// finger but the story and the sound do not get a line a pixel.
constexpr double kDragStep = 10;

// A filled box cut round its rounded frame, so no colour shows in its corners.
void RoundOff(Box& b, int radius) {
    QPainterPath outline;
    outline.addRoundedRect(QRectF(b.rect()), radius, radius);
    b.setMask(QRegion(outline.toFillPolygon().toPolygon()));
}
}  // namespace

// About 300,000 pixels, each a few multiplications: made once, the first
// time the panel opens (at start it would cost milliseconds and 1.2 MB for
// a panel most sessions never open), and shown as a picture from then on.
QImage RainbowFieldImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const Colour c = RainbowFieldColour(x, y, width, height);
            line[x] = qRgb(RedOf(c), GreenOf(c), BlueOf(c));
        }
    }
    return image;
}

ColourPicker::ColourPicker(WindowControls& c, EditorState& state, const SoundPlayer& sounds, SpokenLanguage& spoken,
                           Panels& panels, Needs wiring)
    : needs(std::move(wiring)), c_(c), state_(state), sounds_(sounds), panels_(panels),
      late_(c.window, panels, [this] { make(); }) {
    band_ = new Box(&c.window, "sRainbow", PlaceOf("OpenRainbow"));
    band_->setPicture(ArtStore::instance().pixmap(":/art/ui/colour_band.svg", band_->size()));
    band_->setHandCursor(true);
    c.actions.bind(*band_, BoxEvent::Click, "OpenRainbow");
    c.actions.bind(*band_, BoxEvent::MouseMove, "PointerOverRainbow");
    // The panel is made when it first opens, over the band.
    late_.placeHere();
    panels.addLatePanel([this] { return panel_; }, [this] { CloseRainbow(); });
    spoken.whenLanguageChanges([this](Language language) { applyTexts(language); });
}

void ColourPicker::make() {
    WindowControls& c = c_;
    ArtStore& art = ArtStore::instance();
    panel_ = new Box(&c.window, "pctRainbow", kPanel);
    panel_->setBackColor(kPanelSky);
    panel_->setFrame(QColor(theme::OUTLINE), 3, 12);
    field_ = new Box(panel_, "pctRainbowField", kField);
    field_->setCursor(Qt::CrossCursor);
    // The field is a pointer's: where it is pressed becomes the colour itself.
    struct Drag {
        double x = 0, y = 0;
    };
    auto last = std::make_shared<Drag>();
    const auto pickAt = [this, last](double x, double y) {
        last->x = x;
        last->y = y;
        const Colour colour = RainbowFieldColour(int(std::floor(x)), int(std::floor(y)), kField.width(),
                                                 kField.height());
        c_.actions.run("PickColour", {double(RedOf(colour)), double(GreenOf(colour)), double(BlueOf(colour))});
    };
    field_->onMouseDown = [pickAt](int button, double x, double y) {
        if (button & 1) pickAt(x, y);
    };
    field_->onMouseMove = [pickAt, last](int button, double x, double y) {
        if ((button & 1) && std::hypot(x - last->x, y - last->y) >= kDragStep) pickAt(x, y);
    };
    field_->onMouseUp = [pickAt, last](int button, double x, double y) {
        if ((button & 1) && (x != last->x || y != last->y)) pickAt(x, y);
    };

    sample_ = new Box(panel_, "sRainbowSample", kSample);
    sample_->setFrame(QColor(theme::OUTLINE), 3, 14);
    dropper_ = new Box(panel_, "bDropper", kDropper);
    dropper_->setBackColor(QColor(theme::BUTTON_YELLOW));
    dropper_->setFrame(QColor(theme::OUTLINE), 3, 14);
    dropper_->setPicture(art.pixmap(":/art/ui/colour_dropper.svg", {96, 96}));
    dropper_->setCentred(true);
    dropper_->setHandCursor(true);
    RoundOff(*sample_, 14);
    RoundOff(*dropper_, 14);
    c.actions.bind(*dropper_, BoxEvent::Click, "ArmDropper");
    closeButton_ = new Box(panel_, "bCloseRainbow", kClose);
    closeButton_->setBackColor(QColor(255, 199, 203));
    closeButton_->setFrame(QColor(theme::OUTLINE), 3, 14);
    closeButton_->setPicture(art.pixmap(":/art/ui/panel_close.svg", {48, 48}));
    closeButton_->setCentred(true);
    closeButton_->setHandCursor(true);
    RoundOff(*closeButton_, 14);
    RoundOff(*panel_, 12);
    c.actions.bind(*closeButton_, BoxEvent::Click, "CloseRainbow");
    panel_->hide();
    panels_.rightClickCloses(*panel_);
    applyTexts(language_);
}

bool ColourPicker::isOpen() const { return late_.made() && !panel_->isHidden(); }

void ColourPicker::OpenRainbow() {
    late_.need();
    needs.hidePickers();
    needs.closeAnimations(false);
    sounds_.playWave(WaveSound::Click);
    const QRect canvas = needs.canvasOnWindow();
    panel_->move(canvas.x() + (canvas.width() - panel_->width()) / 2,
                 canvas.y() + (canvas.height() - panel_->height()) / 2);
    if (field_->picture().isNull())
        field_->setPicture(QPixmap::fromImage(RainbowFieldImage(kField.width(), kField.height())));
    showSample();
    panel_->show();
    panel_->raise();
}

void ColourPicker::CloseRainbow() {
    if (late_.made()) panel_->hide();
}

void ColourPicker::PickColour(int red, int green, int blue) {
    needs.hidePickers();
    // Painting in the outline colour would make new outline that the tools
    // then refuse to cover: it becomes the colour one step beside it.
    state_.CurrentColor = PaintableColour(Rgb(red, green, blue), state_.OutlineColor);
    state_.SwatchIndex = NearestSwatch(state_.CurrentColor);
    needs.showChoices();
    showSample();
    sounds_.playWave(WaveSound::Dab);
}

bool ColourPicker::dropperArmed() const { return armed_ && needs.canvasIcon() == CanvasCursor::Dropper; }

void ColourPicker::ArmDropper() {
    sounds_.playWave(WaveSound::Click);
    CloseRainbow();  // the paper shows, ready for the press
    if (dropperArmed()) return;
    iconBefore_ = needs.canvasIcon();
    armed_ = true;
    needs.setCanvasIcon(CanvasCursor::Dropper);
}

bool ColourPicker::takesPress(double x, double y) {
    // Another tool chosen since (its cursor replaced the dropper's) disarmed it.
    if (!dropperArmed()) {
        armed_ = false;
        return false;
    }
    std::optional<Colour> under;
    try {
        under = needs.canvasColourAt(Checked16(PixelOf(x)), Checked16(PixelOf(y)));
    } catch (const Overflow16&) {
    }
    if (!under) return true;  // off the paper: still waiting for a press on it
    armed_ = false;
    needs.setCanvasIcon(iconBefore_);
    PickColour(RedOf(*under), GreenOf(*under), BlueOf(*under));
    return true;
}

void ColourPicker::putDropperAway() {
    if (dropperArmed()) needs.setCanvasIcon(iconBefore_);
    armed_ = false;
}

void ColourPicker::PointerOverRainbow(int, double, double) { c_.setHandCursor(true); }

void ColourPicker::showSample() {
    if (!late_.made()) return;  // shown as the panel is made
    const Colour c = state_.CurrentColor;
    sample_->setBackColor(QColor(RedOf(c), GreenOf(c), BlueOf(c)));
    const QString word = Text(ColourWord(RedOf(c), GreenOf(c), BlueOf(c)), language_);
    sample_->setToolTip(word);
    sample_->setAccessibleName(word);
}

void ColourPicker::applyTexts(Language language) {
    language_ = language;
    band_->setToolTip(Text("colour.rainbow.name", language));
    if (!late_.made()) return;
    dropper_->setToolTip(Text("colour.dropper.name", language));
    closeButton_->setToolTip(Text("colour.close.name", language));
    field_->setToolTip(Text("colour.field.name", language));
    field_->setAccessibleName(Text("colour.field.name", language));
    showSample();
}

}  // namespace pintaloo
