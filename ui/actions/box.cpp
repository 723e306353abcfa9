// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/actions/box.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPointingDevice>
#include <algorithm>

namespace pintaloo {

int ButtonMask(Qt::MouseButtons b) {
    return (b & Qt::LeftButton ? 1 : 0) | (b & Qt::RightButton ? 2 : 0) | (b & Qt::MiddleButton ? 4 : 0);
}

Box::Box(QWidget* parent, const QString& name, QRect geometry) : QWidget(parent) {
    setObjectName(name);
    setGeometry(geometry);
    setMouseTracking(true);  // hover handlers run without a button held
}

void Box::setBackColor(std::optional<QColor> c) {
    back_ = c;
    update();
}

void Box::setPicture(const QPixmap& p) {
    // The hover handlers set faces on every mouse step; most of the time
    // the face is already the one showing.
    if (p.cacheKey() == picture_.cacheKey() || (p.isNull() && picture_.isNull())) return;
    picture_ = p;
    update();
}

void Box::setCaption(const QString& text) {
    caption_ = text;
    update();
}

void Box::setCaptionStyle(const QFont& font, QColor colour, Qt::Alignment align) {
    font_ = font;
    captionColour_ = colour;
    align_ = align;
    update();
}

void Box::setCaptionMargins(QMargins margins) {
    captionMargins_ = margins;
    update();
}

// Translations run longer or taller than the English the boxes were sized
// for. A caption that does not fit is first wrapped (when the box has room
// for more lines) and then made smaller one pixel at a time: at most a dozen
// measurements, and only for the few boxes that carry words.
Box::CaptionLook Box::fittedCaption() const {
    // What the style's font leaves open (the families) comes from the
    // application's font, which carries the language's script (see
    // ApplyLanguageLook). Not from the box's own font: Qt 6.4 hands a new
    // family list to widgets made after the change only.
    CaptionLook look{font_.resolve(QApplication::font()), int(align_)};
    const QRect area = captionRect();
    const auto fits = [&](const CaptionLook& l) {
        if (byInk_) return area.contains(captionInk(l));
        const QRect needed = QFontMetrics(l.font).boundingRect(area, l.flags, caption_);
        return needed.width() <= area.width() && needed.height() <= area.height();
    };
    const int full = look.font.pixelSize() > 0 ? look.font.pixelSize() : QFontInfo(look.font).pixelSize();
    const int smallest = std::max(1, int(full * kSmallestCaptionShare));
    CaptionLook tried = look;
    for (int size = full; size >= smallest; --size) {
        tried.font.setPixelSize(size);
        tried.flags = int(align_);
        if (fits(tried)) return tried;
        if (byInk_) continue;  // one line, or the letters would not be where captionInk says
        tried.flags = int(align_) | Qt::TextWordWrap;
        if (fits(tried)) return tried;
    }
    return tried;  // the smallest, wrapped: what the text fit test reports
}

void Box::setCaptionFitsByInk(bool byInk) {
    byInk_ = byInk;
    update();
}

namespace {
// The line that puts a caption's letters (not its font's whole line) in the
// middle of AREA: the baseline goes where the letters' top and bottom,
// underline included, are as far from the area's edges.
QRect InkCentredLine(const QFontMetrics& fm, const QRect& area, const QRect& ink) {
    const int baseline = area.top() + (area.height() - ink.height()) / 2 - ink.top();
    return {area.left(), baseline - fm.ascent(), area.width(), fm.height()};
}

QRect LetterInk(const QFont& font, const QString& text) {
    const QFontMetrics fm(font);
    QRect ink = fm.tightBoundingRect(text);
    if (font.underline()) ink.setBottom(std::max(ink.bottom(), fm.underlinePos() + fm.lineWidth()));
    return ink;
}
}  // namespace

QRect Box::captionInk(const CaptionLook& look) const {
    const QFontMetrics fm(look.font);
    const QRect area = captionRect();
    const QRect ink = LetterInk(look.font, caption_);
    const QRect line = InkCentredLine(fm, area, ink);
    // Across, the letters go where the alignment puts the text's advance.
    const QRect text = fm.boundingRect(line, (look.flags & ~Qt::AlignVertical_Mask) | Qt::AlignTop, caption_);
    const int baseline = line.top() + fm.ascent();
    return {text.left() + ink.left(), baseline + ink.top(), ink.width(), ink.height()};
}

void Box::setFrame(QColor colour, int width, int radius) {
    frameColour_ = colour;
    frameWidth_ = width;
    frameRadius_ = radius;
    update();
}

void Box::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (back_) p.fillRect(rect(), *back_);
    if (!picture_.isNull()) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        const QSizeF own = picture_.deviceIndependentSize();
        if (stretch_)
            p.drawPixmap(rect(), picture_);
        else if (centred_)
            p.drawPixmap(QPointF((width() - own.width()) / 2, (height() - own.height()) / 2), picture_);
        else
            p.drawPixmap(QPointF(0, 0), picture_);
    }
    if (!caption_.isEmpty()) {
        // The box stands where the window puts it in every language; its
        // words run the language's way (the application's direction).
        p.setLayoutDirection(QGuiApplication::layoutDirection());
        const CaptionLook look = fittedCaption();
        p.setFont(look.font);
        p.setPen(captionColour_);
        if (byInk_) {
            const QFontMetrics fm(look.font);
            const QRect line = InkCentredLine(fm, captionRect(), LetterInk(look.font, caption_));
            p.drawText(line, (look.flags & ~Qt::AlignVertical_Mask) | Qt::AlignTop, caption_);
        } else {
            p.drawText(captionRect(), look.flags, caption_);
        }
    }
    if (frameWidth_ > 0) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(frameColour_, frameWidth_));
        p.setBrush(Qt::NoBrush);
        const qreal inset = frameWidth_ / 2.0;
        p.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), frameRadius_, frameRadius_);
    }
}

void Box::mousePressEvent(QMouseEvent* e) {
    pressedInside_ = true;
    if (onMouseDown) onMouseDown(ButtonMask(e->buttons()), e->position().x(), e->position().y());
}

void Box::mouseMoveEvent(QMouseEvent* e) {
    if (onMouseMove) onMouseMove(ButtonMask(e->buttons()), e->position().x(), e->position().y());
}

void Box::mouseReleaseEvent(QMouseEvent* e) {
    if (onMouseUp) onMouseUp(ButtonMask(e->button()), e->position().x(), e->position().y());
    // A click is a press and release of the left button over the same control.
    const bool click = pressedInside_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pressedInside_ = false;
    // A finger leaves no pointer behind when it lifts, yet Qt heard the tap
    // as a pointer that came and stays: no leave would ever come, and the
    // face the tap lit would stay lit. So the box and what it lies on hear
    // the pointer go, as a mouse moving off it onto its background would
    // say, and put their faces back.
    const QPointingDevice* device = e->pointingDevice();
    const bool finger = device && device->type() == QInputDevice::DeviceType::TouchScreen;
    const QPointer<QWidget> under = parentWidget();
    const QPointF off = QPointF(pos()) - QPointF(1, 1), global = e->globalPosition();
    if (click && onClick) onClick();
    if (!finger) return;
    if (onLeave) onLeave();
    if (!under) return;
    QMouseEvent gone(QEvent::MouseMove, off, under->mapTo(under->window(), off), global, Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier, device);
    QCoreApplication::sendEvent(under, &gone);
}

void Box::leaveEvent(QEvent* e) {
    QWidget::leaveEvent(e);
    if (onLeave) onLeave();
}

ShapeFrame::ShapeFrame(QWidget* parent, const QString& name, QRect geometry, QColor colour, int lineWidth, bool rounded)
    : QWidget(parent), colour_(colour), lineWidth_(lineWidth), rounded_(rounded) {
    setObjectName(name);
    setGeometry(geometry);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeFrame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour_, lineWidth_));
    const qreal inset = lineWidth_ / 2.0;
    const QRectF r = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    if (rounded_)
        p.drawRoundedRect(r, 8, 8);
    else
        p.drawRect(r);
}

}  // namespace pintaloo
