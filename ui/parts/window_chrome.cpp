// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts/window_chrome.h"

#include "ui/actions/layout.h"
#include "ui/words/texts.h"

#include <QWindow>

#include "ui/art/art_store.h"

namespace pintaloo {

namespace {
QString Art(const char* name) { return QStringLiteral(":/art/ui/%1.svg").arg(QLatin1String(name)); }
}  // namespace

WindowChrome::WindowChrome(WindowControls& c, SpokenLanguage& spoken, Needs wiring)
    : needs(std::move(wiring)), c_(c) {
    corner_ = new Box(&c.window, "Label3", PlaceOf("DragByCorner"));
    titleStrip_ = new Box(&c.window, "Label1", PlaceOf("DragByTitle"));
    auto* dog = new Box(&c.window, "Image1", PlaceOf("Dog"));
    auto* lettering = new Box(&c.window, "Image2", PlaceOf("Lettering"));
    minimiseButton_ = new Box(&c.window, "Image6", PlaceOf("MinimiseWindow"));
    closeButton_ = new Box(&c.window, "Image5", PlaceOf("CloseWindow"));
    dog->setPicture(ArtStore::instance().pixmap(Art("dog"), {85, 50}));
    lettering->setPicture(ArtStore::instance().pixmap(Art("title"), {139, 30}));
    // The decorations have no handlers: a drag that starts on them still
    // moves the window through the strip below.
    dog->setAttribute(Qt::WA_TransparentForMouseEvents);
    lettering->setAttribute(Qt::WA_TransparentForMouseEvents);
    normalFaces();
    closeButton_->setHandCursor(true);
    minimiseButton_->setHandCursor(true);
    // Off the button by any path (up off the window, too), back to normal.
    closeButton_->onLeave = [this] { normalFaces(); };
    minimiseButton_->onLeave = [this] { normalFaces(); };

    c.actions.bind(*closeButton_, BoxEvent::MouseMove, "PointerOverClose");
    c.actions.bind(*closeButton_, BoxEvent::MouseUp, "CloseWindow");
    c.actions.bind(*minimiseButton_, BoxEvent::MouseMove, "PointerOverMinimise");
    c.actions.bind(*minimiseButton_, BoxEvent::MouseDown, "MinimiseWindow");
    c.actions.bind(*titleStrip_, BoxEvent::MouseMove, "PointerOverTitle");
    c.actions.bind(*titleStrip_, BoxEvent::MouseDown, "DragByTitle");
    c.actions.bind(*corner_, BoxEvent::MouseDown, "DragByCorner");
    c.actions.bind(*corner_, BoxEvent::MouseMove, "PointerOverWindow");  // the strip is the window's background
    spoken.whenLanguageChanges([this](Language language) { applyTexts(language); });
}

void WindowChrome::face(Box* b, const char* art) { b->setPicture(ArtStore::instance().pixmap(Art(art), {50, 17})); }

void WindowChrome::normalFaces() {
    face(closeButton_, "win_close");
    face(minimiseButton_, "win_minimise");
}

void WindowChrome::PointerOverClose(int, double, double) {
    c_.setHandCursor(true);
    face(minimiseButton_, "win_minimise");
    face(closeButton_, "win_close_hot");
}

void WindowChrome::PointerOverMinimise(int, double, double) {
    c_.setHandCursor(true);
    face(closeButton_, "win_close");
    face(minimiseButton_, "win_minimise_hot");
}

void WindowChrome::PointerOverTitle(int, double, double) { normalFaces(); }

void WindowChrome::CloseWindow(int button, double, double) {
    if (button == 1) needs.shownWindow()->close();  // runs Unload
}

void WindowChrome::MinimiseWindow(int button, double, double) {
    if (button != 1) return;
    // A school that keeps the window full screen means the desktop stays out
    // of reach: minimising would show it as surely as leaving full screen.
    if (needs.keepsFullScreen && needs.keepsFullScreen()) return;
    QWidget* shown = needs.shownWindow();
    shown->setWindowState(shown->windowState() | Qt::WindowMinimized);
}

void WindowChrome::DragByTitle(int button, double, double) { drag(button); }
void WindowChrome::DragByCorner(int button, double, double) { drag(button); }

// The window system moves the window, as if its caption were dragged; this
// works on X11 and Wayland alike.
void WindowChrome::drag(int button) {
    if (button != 1) return;
    if (QWindow* win = needs.shownWindow()->windowHandle()) win->startSystemMove();
}

void WindowChrome::applyTexts(Language language) {
    closeButton_->setToolTip(needs.closeAsksGrownUp && needs.closeAsksGrownUp() ? Text("lock.closeAsksGrownUp", language)
                                                                                : Text(TextId::CloseWindow, language));
    minimiseButton_->setToolTip(Text(TextId::MinimiseWindow, language));
}

}  // namespace pintaloo
