// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shows the window on the screen it opens on: as it is when 827 x 728 fits
// the screen's free area at the desktop's scale, scaled down evenly when it
// does not, and in full screen scaled evenly and centred on the backdrop.
// The window itself never changes size: the canvas stays 807 x 537 drawing
// pixels whatever the screen, so saved files are the same everywhere.
//
//     ScreenHost host(window, settings);   // settings may be null
//     host.start(StartFullScreen(options, *settings));
//
// How: a graphics view holding the window in a proxy, so Qt maps every
// press through the same scale the picture is drawn with and a press lands
// exactly under the pointer. At scale 1 the window is shown bare, as it
// always was, and there is no view.
#include <QGraphicsView>

#include <memory>
#include <optional>

#include "ui/window/screen_fit.h"

class QGraphicsProxyWidget;
class QScreen;

namespace pintaloo {

class MainWindow;
class SettingsPort;

class ScreenHost {
public:
    ScreenHost(MainWindow& window, SettingsPort* settings);
    ~ScreenHost();
    ScreenHost(const ScreenHost&) = delete;
    ScreenHost& operator=(const ScreenHost&) = delete;

    // Shows the window, in full screen when asked.
    void start(bool fullScreen);
    // The window's scale on screen now (1 when shown as designed).
    double windowScale() const { return scale_; }
    // True while the window is shown through the view (scaled or full screen).
    bool hosting() const { return proxy_ != nullptr; }
    // The view showing the window scaled; null until the window first needs it.
    QGraphicsView* view() const;

private:
    class View;

    void apply(bool fullScreen);
    void showScaled(double scale);
    void embed();
    void release();
    QScreen* currentScreen() const;

    MainWindow& w_;
    SettingsPort* settings_;
    // Made when first needed: most starts show the window as designed, and
    // a graphics view built for nothing cost about a millisecond of them.
    std::unique_ptr<View> view_;
    QGraphicsProxyWidget* proxy_ = nullptr;
    bool full_ = false;
    double scale_ = 1.0;
    // Where the window stood on the desktop before full screen.
    std::optional<QPoint> returnTo_;
};

}  // namespace pintaloo
