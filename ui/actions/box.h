// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's one kind of control: a box that shows a background colour,
// an optional picture and an optional caption, and hands its mouse events to
// the handlers of whichever part of the window owns it. Picture boxes,
// labels, picture buttons and image slots are all Boxes, so the replay tool
// can read every control's properties the same way.
#include <QColor>
#include <QFont>
#include <QMargins>
#include <QPixmap>
#include <QWidget>
#include <functional>
#include <optional>

namespace pintaloo {

// Mouse button masks as the handlers see them: 1 left, 2 right, 4 middle.
int ButtonMask(Qt::MouseButtons buttons);

class Box : public QWidget {
    Q_OBJECT
public:
    using MouseHandler = std::function<void(int button, double x, double y)>;

    Box(QWidget* parent, const QString& name, QRect geometry);

    void setBackColor(std::optional<QColor> c);
    std::optional<QColor> backColor() const { return back_; }
    void setPicture(const QPixmap& p);
    void clearPicture() { setPicture({}); }
    const QPixmap& picture() const { return picture_; }
    void setStretch(bool stretch) {
        stretch_ = stretch;
        update();
    }  // picture fills the box
    void setCentred(bool centred) {
        centred_ = centred;
        update();
    }
    void setCaption(const QString& text);
    const QString& caption() const { return caption_; }
    const QFont& captionFont() const { return font_; }
    // The caption's font, colour and alignment. A horizontal alignment that
    // is not AlignAbsolute follows the language: AlignLeft is the side a line
    // starts on, the right in Arabic (the box itself never moves).
    void setCaptionStyle(const QFont& font, QColor colour, Qt::Alignment align);
    // The caption is written inside the box less these margins (none unless
    // set): a box partly covered by something drawn over it keeps its words
    // in the part that shows.
    void setCaptionMargins(QMargins margins);
    QRect captionRect() const { return rect().marginsRemoved(captionMargins_); }
    // The font and drawText flags the caption is drawn with now: the style's
    // font, on the window's families for the language, at its own size when
    // the caption fits the caption rectangle on one line, else wrapped, else
    // smaller (down to kSmallestCaptionShare of its size) until it fits.
    struct CaptionLook {
        QFont font;
        int flags = 0;
    };
    CaptionLook fittedCaption() const;
    static constexpr double kSmallestCaptionShare = 0.6;
    // A one-line caption in a box too short for its font's whole line (the
    // help line at the window's foot): fitted by what its letters really
    // cover, descenders and underline included, rather than by the font's
    // line, whose room for accents and tall scripts the caption may not use.
    // Keeps its own size where the letters fit.
    void setCaptionFitsByInk(bool byInk);
    bool captionFitsByInk() const { return byInk_; }
    // Where the caption's letters are drawn, for an ink-fitted caption:
    // the rectangle its letters and underline cover, in the box.
    QRect captionInk(const CaptionLook& look) const;
    void setFrame(QColor colour, int width, int radius);  // an outline drawn inside the box
    void setHandCursor(bool hand) { setCursor(hand ? Qt::PointingHandCursor : Qt::ArrowCursor); }

    MouseHandler onMouseDown, onMouseMove, onMouseUp;
    std::function<void()> onClick;
    // The pointer left the box by any path (onto another window, off the
    // screen, fast over a neighbour): hover faces go back to normal here.
    std::function<void()> onLeave;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    std::optional<QColor> back_;
    QPixmap picture_;
    bool stretch_ = false, centred_ = false;
    QString caption_;
    QFont font_;
    QColor captionColour_ = Qt::black;
    Qt::Alignment align_ = Qt::AlignCenter;
    QMargins captionMargins_;
    QColor frameColour_;
    int frameWidth_ = 0, frameRadius_ = 0;
    bool pressedInside_ = false;
    bool byInk_ = false;
};

// A frame that lies over other controls without catching the mouse: the
// hover frames of the pickers and the stamp outline on the canvas.
class ShapeFrame : public QWidget {
    Q_OBJECT
public:
    ShapeFrame(QWidget* parent, const QString& name, QRect geometry, QColor colour, int lineWidth, bool rounded);
    void setRounded(bool rounded) {
        rounded_ = rounded;
        update();
    }
    bool rounded() const { return rounded_; }
    QColor colour() const { return colour_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor colour_;
    int lineWidth_;
    bool rounded_;
};

}  // namespace pintaloo
