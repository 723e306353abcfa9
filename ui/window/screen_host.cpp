// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/screen_host.h"

#include <QCloseEvent>
#include <QGraphicsProxyWidget>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainterPath>
#include <QScreen>
#include <QWindow>

#include "ui/platform/desktop_compositing.h"
#include "ui/window/main_window.h"
#include "ui/platform/settings.h"
#include "ui/art/art_store.h"

namespace pintaloo {

namespace {
constexpr int kCorner = 15;  // the window's own rounded corner, in window pixels
}

// The view a scaled or full-screen window is shown through.
class ScreenHost::View final : public QGraphicsView {
public:
    explicit View(ScreenHost& host) : host_(host) {
        setObjectName(QStringLiteral("screenHost"));
        setWindowTitle(host.w_.windowTitle());
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        // Scaled in a window, the corners stay see-through like the window's own.
        setAttribute(Qt::WA_TranslucentBackground);
        viewport()->setAutoFillBackground(false);
        setFrameShape(QFrame::NoFrame);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setAlignment(Qt::AlignCenter);
        // A window of its own, it would take the application's direction,
        // and a right-to-left view counts its scene from the other side.
        setLayoutDirection(Qt::LeftToRight);
        // Smooth scaling keeps the outlines of the art even at uneven factors.
        setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        setViewportUpdateMode(QGraphicsView::MinimalViewportUpdate);
        setStyleSheet(QStringLiteral("QGraphicsView { background: transparent; border: none; }"));
        setScene(&scene);
        scene.setSceneRect(QRectF(QPointF(0, 0), QSizeF(kWindowLogicalSize)));
    }

    QGraphicsScene scene;

protected:
    void drawBackground(QPainter* painter, const QRectF& rect) override;
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    ScreenHost& host_;
};

ScreenHost::ScreenHost(MainWindow& window, SettingsPort* settings) : w_(window), settings_(settings) {
    w_.onFullScreen = [this](bool on) { apply(on); };
}

ScreenHost::~ScreenHost() {
    w_.onFullScreen = nullptr;
    release();  // the window belongs to its owner, not to the scene
}

QGraphicsView* ScreenHost::view() const { return view_.get(); }

void ScreenHost::start(bool fullScreen) {
    if (fullScreen)
        w_.setFullScreen(true);  // calls apply
    else
        apply(false);
}

QScreen* ScreenHost::currentScreen() const {
    if (view_ && view_->isVisible() && view_->screen()) return view_->screen();
    if (w_.screen()) return w_.screen();
    return QGuiApplication::primaryScreen();
}

void ScreenHost::apply(bool fullScreen) {
    QScreen* screen = currentScreen();
    full_ = fullScreen;
    if (settings_) settings_->setFullScreen(fullScreen);
    if (!screen) {  // no screen to measure: as designed
        release();
        return;
    }
    const double dpr = screen->devicePixelRatio();
    if (fullScreen) {
        // Where the window was on the desktop, for the way back.
        if (QWidget* shown = w_.shownWindow(); shown->isVisible() && !shown->isFullScreen()) returnTo_ = shown->pos();
        const ScreenTransform t = FullScreenTransform(screen->geometry().size(), dpr);
        embed();
        view_->clearMask();
        showScaled(t.scale);
        view_->setGeometry(screen->geometry());
        view_->showFullScreen();
    } else {
        const WindowFit fit = FitWindow(screen->availableGeometry().size(), dpr);
        if (fit.scale >= 1.0) {
            release();
            return;
        }
        embed();
        showScaled(fit.scale);
        view_->showNormal();
        QRect place(QPoint(0, 0), fit.size);
        place.moveCenter(screen->availableGeometry().center());
        if (returnTo_) place.moveTopLeft(*returnTo_);
        returnTo_.reset();
        view_->setGeometry(place);
        if (!DesktopComposites()) {
            // Without a compositor the see-through corners would show black.
            QPainterPath outline;
            outline.addRoundedRect(QRectF(QPointF(0, 0), QSizeF(fit.size)), kCorner * fit.scale, kCorner * fit.scale);
            view_->setMask(QRegion(outline.toFillPolygon().toPolygon()));
        }
        view_->show();
    }
    view_->activateWindow();
    w_.setFocus();
}

void ScreenHost::showScaled(double scale) {
    scale_ = scale;
    view_->setTransform(QTransform::fromScale(scale, scale));
}

void ScreenHost::embed() {
    if (proxy_) return;
    if (!view_) view_ = std::make_unique<View>(*this);
    // A window already on screen leaves it first; inside the view it is
    // drawn by the proxy only.
    w_.hide();
    proxy_ = view_->scene.addWidget(&w_);
    // The proxy takes the window's desktop position as its place in the
    // scene; the scene is the window's own 827 x 728, so anywhere but the
    // origin would shift the window off the centre by where it stood.
    proxy_->setPos(0, 0);
    w_.show();
    proxy_->setFocus();
}

void ScreenHost::release() {
    scale_ = 1.0;
    if (!proxy_) {
        if (!w_.isVisible()) w_.show();
        return;
    }
    proxy_->setWidget(nullptr);  // the window is a window of its own again
    delete proxy_;
    proxy_ = nullptr;
    view_->hide();
    // Drawn by the proxy only until now: on screen again, with its own frame
    // rules (the flags anew make a fresh native window).
    w_.hide();
    w_.setAttribute(Qt::WA_DontShowOnScreen, false);
    w_.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    // Back where it stood before full screen (inside the view it stood at
    // the scene's origin). The fresh native window is told its place is
    // chosen, or the window manager would place it anew (openbox centres).
    if (returnTo_) {
        w_.move(*returnTo_);
        w_.winId();
        if (QWindow* handle = w_.windowHandle()) handle->setPosition(*returnTo_);
    }
    returnTo_.reset();
    w_.show();
    w_.activateWindow();
}

// The backdrop fills the whole screen around the centred window; scaled in
// a window there is nothing around it to fill.
void ScreenHost::View::drawBackground(QPainter* painter, const QRectF& rect) {
    if (!host_.full_) return QGraphicsView::drawBackground(painter, rect);
    painter->save();
    painter->resetTransform();
    const QSize size = viewport()->size();
    painter->drawPixmap(0, 0, ArtStore::instance().pixmap(QStringLiteral(":/art/ui/fullscreen_backdrop.svg"), size));
    painter->restore();
}

// The keys of the key table work here as in the bare window.
void ScreenHost::View::keyPressEvent(QKeyEvent* e) {
    if (!e->isAutoRepeat() && host_.w_.actions.runKey(QKeySequence(e->keyCombination()))) return;
    QGraphicsView::keyPressEvent(e);
}

// Closing the view closes the window, which cleans up as it always does.
// A window that refuses (closing is locked) keeps its view.
void ScreenHost::View::closeEvent(QCloseEvent* e) {
    if (host_.w_.close())
        e->accept();
    else
        e->ignore();
}

// A full screen that changes size (a screen turned, another chosen) gets a
// fresh scale.
void ScreenHost::View::resizeEvent(QResizeEvent* e) {
    QGraphicsView::resizeEvent(e);
    if (!host_.full_ || !host_.proxy_) return;
    if (QScreen* screen = host_.currentScreen())
        host_.showScaled(FullScreenTransform(QSizeF(viewport()->size()), screen->devicePixelRatio()).scale);
}

}  // namespace pintaloo
