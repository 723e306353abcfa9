// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_chrome.h"

#include <QWindow>

#include "app/main_window.h"
#include "media/captions.h"
#include "resources/art_store.h"

namespace pintaloo {

namespace {
QString Art(const char* name) { return QStringLiteral(":/art/ui/%1.svg").arg(QLatin1String(name)); }
}  // namespace

WindowChrome::WindowChrome(MainWindow& w) : w_(w) {
    Label3 = new Box(&w, "Label3", {0, 0, 433, 73});
    Label1 = new Box(&w, "Label1", {0, 0, 825, 17});
    Image1 = new Box(&w, "Image1", {16, 26, 85, 50});
    Image2 = new Box(&w, "Image2", {112, 32, 139, 30});
    Image6 = new Box(&w, "Image6", {728, 0, 50, 17});
    Image5 = new Box(&w, "Image5", {776, 0, 50, 17});
    Image1->setPicture(ArtStore::instance().pixmap(Art("dog"), {85, 50}));
    Image2->setPicture(ArtStore::instance().pixmap(Art("title"), {139, 30}));
    // The decorations have no handlers: a drag that starts on them still
    // moves the window through the strip below.
    Image1->setAttribute(Qt::WA_TransparentForMouseEvents);
    Image2->setAttribute(Qt::WA_TransparentForMouseEvents);
    normalFaces();
    Image5->setHandCursor(true);
    Image6->setHandCursor(true);
    // Off the button by any path (up off the window, too), back to normal.
    Image5->onLeave = [this] { normalFaces(); };
    Image6->onLeave = [this] { normalFaces(); };

    w.actions.bind(*Image5, BoxEvent::MouseMove, "Image5_MouseMove");
    w.actions.bind(*Image5, BoxEvent::MouseUp, "Image5_MouseUp");
    w.actions.bind(*Image6, BoxEvent::MouseMove, "Image6_MouseMove");
    w.actions.bind(*Image6, BoxEvent::MouseDown, "Image6_MouseDown");
    w.actions.bind(*Label1, BoxEvent::MouseMove, "Label1_MouseMove");
    w.actions.bind(*Label1, BoxEvent::MouseDown, "Label1_MouseDown");
    w.actions.bind(*Label3, BoxEvent::MouseDown, "Label3_MouseDown");
    w.actions.bind(*Label3, BoxEvent::MouseMove, "Form_MouseMove");  // the strip is the window's background
}

void WindowChrome::face(Box* b, const char* art) { b->setPicture(ArtStore::instance().pixmap(Art(art), {50, 17})); }

void WindowChrome::normalFaces() {
    face(Image5, "win_close");
    face(Image6, "win_minimise");
}

void WindowChrome::Image5_MouseMove(int, int, double, double) {
    w_.SetHandCursor(true);
    face(Image6, "win_minimise");
    face(Image5, "win_close_hot");
}

void WindowChrome::Image6_MouseMove(int, int, double, double) {
    w_.SetHandCursor(true);
    face(Image5, "win_close");
    face(Image6, "win_minimise_hot");
}

void WindowChrome::Label1_MouseMove(int, int, double, double) { normalFaces(); }

void WindowChrome::Image5_MouseUp(int button, int, double, double) {
    if (button == 1) w_.shownWindow()->close();  // runs Form_Unload
}

void WindowChrome::Image6_MouseDown(int button, int, double, double) {
    if (button != 1) return;
    QWidget* shown = w_.shownWindow();
    shown->setWindowState(shown->windowState() | Qt::WindowMinimized);
}

void WindowChrome::Label1_MouseDown(int button, int, double, double) { drag(button); }
void WindowChrome::Label3_MouseDown(int button, int, double, double) { drag(button); }

// The window system moves the window, as if its caption were dragged; this
// works on X11 and Wayland alike.
void WindowChrome::drag(int button) {
    if (button != 1) return;
    if (QWindow* win = w_.shownWindow()->windowHandle()) win->startSystemMove();
}

void WindowChrome::applyCaptions(const CaptionTexts& texts) {
    if (const auto& t = texts[Caption::Close]) Image5->setToolTip(*t);
    if (const auto& t = texts[Caption::Minimise]) Image6->setToolTip(*t);
}

}  // namespace pintaloo
