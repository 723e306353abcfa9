// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts/child_picker.h"

#include <algorithm>
#include <array>

#include "ui/actions/layout.h"
#include "ui/art/art_store.h"
#include "ui/words/texts.h"

namespace pintaloo {

namespace {

const QColor kInk(29, 35, 64);
const QColor kPanelBack(255, 249, 236);  // warm paper: a welcome, not a dialog
const QColor kPanelFrame(66, 115, 168);
// Each child's picture in a frame of its own colour, so a child who cannot
// read yet finds theirs by colour and picture together.
const std::array<QColor, 8> kFrames{QColor(240, 128, 128), QColor(110, 178, 230), QColor(122, 196, 122),
                                    QColor(244, 184, 72),  QColor(176, 140, 220), QColor(90, 196, 190),
                                    QColor(236, 132, 196), QColor(160, 170, 90)};

// Over the canvas and the tools below it, where the gallery lies: the child
// chooses before anything else.
constexpr QRect kPanel{8, 76, 809, 625};
constexpr int kPromptHeight = 96;

QPixmap StampPicture(int picture, int side) {
    return ArtStore::instance().pixmap(ChildPicturePath(picture), {side, side});
}

}  // namespace

// The panel is made when it is first opened (or laid out for two children
// or more); the button in the corner at once.
ChildPicker::ChildPicker(WindowControls& c, const SoundPlayer& sounds, SpokenLanguage& spoken, Panels& panels,
                         Needs wiring)
    : needs(std::move(wiring)), c_(c), sounds_(sounds), language_(spoken), late_(c.window, panels, [this] { make(); }) {
    // Over the dog, in the top left corner: the child painting now.
    button_ = new Box(&c.window, "bChild", PlaceOf("ChildSwitch"));
    button_->setCentred(true);
    button_->setHandCursor(true);
    button_->setBackColor(QColor(255, 255, 255));  // the dog steps aside for the child
    c.actions.bind(*button_, BoxEvent::Click, "ChildSwitch");
    button_->hide();
    late_.placeHere();  // the panel over the button, and over every other
    spoken.whenLanguageChanges([this](Language language) { applyTexts(language); });
}

void ChildPicker::make() {
    WindowControls& c = c_;
    panel_ = new Box(&c.window, "pctChildren", kPanel.translated(900 - kPanel.x(), 0));
    panel_->setBackColor(kPanelBack);
    panel_->setFrame(kPanelFrame, 4, 18);
    QFont big;
    big.setBold(true);
    big.setPixelSize(36);
    prompt_ = new Box(panel_, "lblChildren", {20, 16, kPanel.width() - 40, kPromptHeight - 24});
    prompt_->setCaptionStyle(big, kInk, Qt::AlignCenter);
    QFont name;
    name.setBold(true);
    name.setPixelSize(22);
    for (int k = 0; k < kMostChildren; ++k) {
        Box* picture = new Box(panel_, QStringLiteral("imgChild(%1)").arg(k), {});
        picture->setCentred(true);
        picture->setHandCursor(true);
        c.actions.bind(*picture, BoxEvent::Click, "ChildChoose", k);
        Box* label = new Box(panel_, QStringLiteral("lblChild(%1)").arg(k), {});
        label->setCaptionStyle(name, kInk, Qt::AlignHCenter | Qt::AlignTop);
        // The name is pressed as the picture is: it is the same child.
        label->setHandCursor(true);
        label->onClick = [this, k] { c_.actions.run("ChildChoose", {double(k)}); };
        pictures_.push_back(picture);
        names_.push_back(label);
    }
    panel_->hide();
    layOut();
    applyTexts(language_.now());
}

bool ChildPicker::isOpen() const { return late_.made() && !panel_->isHidden(); }

void ChildPicker::setChildren(const std::vector<ChildEntry>& children) {
    children_.assign(children.begin(), children.begin() + std::min<std::ptrdiff_t>(kMostChildren, std::ptrdiff_t(children.size())));
    current_ = -1;
    if (count() >= 2) late_.need();  // a panel that may open: laid out now
    if (late_.made()) layOut();
    setCurrent(-1);
}

// Big tiles in rows of up to four, the rows centred: one to four children
// stand in one row, up to eight in two, and so on, each as big as the rows
// leave room for.
void ChildPicker::layOut() {
    const int n = count();
    const int columns = n <= 4 ? std::max(n, 1) : n <= 6 ? 3 : 4;
    const int rows = (n + columns - 1) / std::max(columns, 1);
    const int side = rows <= 2 ? 168 : rows == 3 ? 120 : 88;
    const int nameHeight = rows <= 2 ? 44 : 34;
    const int stepX = side + 48, stepY = side + nameHeight + (rows <= 2 ? 24 : 10);
    // The question and the pictures together, in the middle of the panel.
    const int block = kPromptHeight + rows * stepY;
    const int top = std::max(0, (kPanel.height() - block) / 2) + kPromptHeight;
    prompt_->move(prompt_->x(), top - kPromptHeight + 8);
    for (int k = 0; k < kMostChildren; ++k) {
        Box* picture = pictures_[std::size_t(k)];
        Box* label = names_[std::size_t(k)];
        if (k >= n) {
            picture->hide();
            label->hide();
            continue;
        }
        const int row = k / columns;
        const int inRow = std::min(columns, n - row * columns);
        const int left = (kPanel.width() - inRow * stepX) / 2 + (k % columns) * stepX + (stepX - side) / 2;
        const ChildEntry& child = children_[std::size_t(k)];
        picture->setGeometry(left, top + row * stepY, side, side);
        picture->setFrame(kFrames[std::size_t(k) % kFrames.size()], rows <= 2 ? 6 : 4, side / 6);
        picture->setPicture(StampPicture(child.picture, side * 3 / 4));
        picture->setAccessibleName(child.name);
        picture->setToolTip(child.name);
        label->setGeometry(left - 22, top + row * stepY + side + 4, side + 44, nameHeight);
        label->setCaption(child.name);
        picture->show();
        label->show();
    }
    // Laid out left to right; a language written the other way turns it round.
    panel_->setProperty("pintalooMirrored", false);
    MirrorForLanguage(*panel_, language_.now());
}

void ChildPicker::setCurrent(int child) {
    current_ = child >= 0 && child < count() ? child : -1;
    if (current_ < 0) {
        button_->hide();
        return;
    }
    const ChildEntry& c = children_[std::size_t(current_)];
    button_->setPicture(StampPicture(c.picture, 46));
    button_->setFrame(kFrames[std::size_t(current_) % kFrames.size()], 3, 4);
    button_->setAccessibleName(c.name);
    applyTexts(language_.now());
    button_->show();
    button_->raise();
}

void ChildPicker::ChildChoose(int child) {
    if (count() < 2 || child < 0 || child >= count()) return;
    sounds_.playWave(WaveSound::Hello);
    const bool other = child != current_;
    close();
    if (other && needs.choose) needs.choose(child);
}

void ChildPicker::ChildSwitch() {
    if (count() < 2 || isOpen()) return;
    sounds_.playWave(WaveSound::Who);
    open();
}

void ChildPicker::open() {
    if (count() < 2) return;
    late_.need();
    applyTexts(language_.now());
    panel_->move(kPanel.topLeft());
    panel_->show();
    panel_->raise();
}

void ChildPicker::close() {
    if (!late_.made()) return;
    panel_->hide();
    panel_->move(kPanel.translated(900 - kPanel.x(), 0).topLeft());
}

void ChildPicker::applyTexts(Language language) {
    if (late_.made()) {
        MirrorForLanguage(*panel_, language);
        prompt_->setCaption(Text("children.who", language));
    }
    const QString name = currentName();
    button_->setToolTip(name.isEmpty() ? Text("children.switch", language)
                                       : name + QStringLiteral(": ") + Text("children.switch", language));
}

}  // namespace pintaloo
