// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts/animation_panel.h"

#include <QPainterPath>
#include <QRegion>

#include "ui/platform/lottie_view.h"
#include "ui/platform/resource_unpack.h"
#include "ui/platform/sounds.h"
#include "ui/platform/temp_folder.h"
#include "theme_colours.h"

namespace pintaloo {

namespace {
constexpr std::int16_t kAnimations[3] = {1016, 1017, 1018};
const QColor kPanelBlue(66, 115, 168);

// The buttons are cut round their rounded frames: filled square, their
// colour showed in the corners outside the frame, over the cartoon, as if
// the label had been clipped.
void RoundOff(Box& b, int radius) {
    QPainterPath outline;
    outline.addRoundedRect(QRectF(b.rect()), radius, radius);
    b.setMask(QRegion(outline.toFillPolygon().toPolygon()));
}
}  // namespace

// The panel and its player are made when the cartoons are first opened.
AnimationPanel::AnimationPanel(WindowControls& c, const Services& services, const SoundPlayer& sounds, Panels& panels,
                               Needs wiring)
    : needs(std::move(wiring)), c_(c), services_(services), sounds_(sounds), panels_(panels),
      late_(c.window, panels, [this] { make(); }) {
    panels.addLatePanel([this] { return panel_; }, [this] { CloseAnimations(); });  // the player stops with it
}

void AnimationPanel::make() {
    WindowControls& c = c_;
    // Hidden, and off to the side of the window until it is opened.
    panel_ = new Box(&c.window, "pctFlash", {840, 80, 801, 521});
    panel_->setBackColor(kPanelBlue);
    auto* view = new LottieView(panel_);
    view->setObjectName("ShockwaveFlash1");
    view->setGeometry(8, 16, LottieView::kStageWidth, LottieView::kStageHeight);
    player_ = view;

    QFont big;
    big.setBold(true);
    big.setPixelSize(18);
    for (int i = 0; i < 3; ++i) {
        Box* b = new Box(panel_, QStringLiteral("picture2(%1)").arg(i), {8, 48 + 40 * i, 113, 25});
        b->setBackColor(QColor(theme::BUTTON_YELLOW));
        b->setFrame(QColor(theme::OUTLINE), 2, 8);
        RoundOff(*b, 8);
        b->setCaptionStyle(big, QColor(theme::OUTLINE), Qt::AlignCenter);
        b->setCaption(QString::number(i + 1));
        b->setHandCursor(true);
        c.actions.bind(*b, BoxEvent::Click, "PlayAnimation", i);
        c.actions.bind(*b, BoxEvent::MouseMove, "PointerOverAnimation", i);
        choices_[std::size_t(i)] = b;
    }
    closeButton_ = new Box(panel_, "Picture3", {0, 472, 121, 25});
    closeButton_->setBackColor(QColor(255, 138, 128));
    RoundOff(*closeButton_, 8);
    closeButton_->setFrame(QColor(theme::OUTLINE), 2, 8);
    closeButton_->setCaptionStyle(big, QColor(theme::OUTLINE), Qt::AlignCenter);
    closeButton_->setCaption(QStringLiteral("x"));
    closeButton_->setHandCursor(true);
    c.actions.bind(*closeButton_, BoxEvent::Click, "CloseAnimations");
    c.actions.bind(*closeButton_, BoxEvent::MouseMove, "PointerOverAnimationsClose");
    panel_->hide();
    panels_.rightClickCloses(*panel_);
}

AnimationPlayer& AnimationPanel::player() {
    late_.need();
    return *player_;
}

void AnimationPanel::stop() {
    if (late_.made()) player_->Stop();
}

void AnimationPanel::hidePanel() {
    if (late_.made()) panel_->hide();
}

bool AnimationPanel::isOpen() const { return late_.made() && !panel_->isHidden(); }

AnimationPanel::~AnimationPanel() = default;

void AnimationPanel::PlayAnimation(std::int16_t number) {
    late_.need();
    if (!services_.temp) return;
    const std::string path = services_.temp->fileFor(number, ".json");
    ExtractResource(number, path);  // an existing file is reused
    player_->setMovie(path);
    player_->Play();
}

void AnimationPanel::OpenAnimations() {
    late_.need();
    sounds_.playWave(WaveSound::Click);
    // Centred over the canvas, so the blue border is even all round.
    const QRect canvas = needs.canvasOnWindow();
    panel_->move(canvas.x() + (canvas.width() - panel_->width()) / 2,
                 canvas.y() + (canvas.height() - panel_->height()) / 2);
    panel_->show();
    panel_->raise();
    PlayAnimation(kAnimations[0]);
}

void AnimationPanel::PlayAnimation(int index) { PlayAnimation(kAnimations[index]); }

void AnimationPanel::CloseAnimations() { CloseAnimation(false); }

void AnimationPanel::silencePlayer() {
    if (!late_.made()) return;  // never played: empty already
    player_->Stop();
    player_->setMovie("   ");  // the blank name leaves the player empty
    player_->Play();
}

void AnimationPanel::CloseAnimation(bool withClick) {
    silencePlayer();
    if (withClick) sounds_.playWave(WaveSound::Click);
    hidePanel();
}

void AnimationPanel::PointerOverAnimation(int, int, double, double) { c_.setHandCursor(true); }
void AnimationPanel::PointerOverAnimationsClose(int, double, double) { c_.setHandCursor(true); }

}  // namespace pintaloo
