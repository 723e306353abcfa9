// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/desktop_compositing.h"

#include <QGuiApplication>

#ifdef PINTALOO_HAS_XCB
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <utility>
#endif

namespace pintaloo {

#ifdef PINTALOO_HAS_XCB
namespace {

xcb_connection_t* X11Connection() {
    auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

// The question asked ahead by AskWhetherDesktopComposites, on its connection.
struct PendingQuestion {
    xcb_connection_t* connection = nullptr;
    xcb_get_selection_owner_cookie_t cookie{};
};
PendingQuestion pending;  // main thread only, as the widgets

// Sends the question, answered by a selection owner; false when it cannot
// be asked (no such selection: nobody composites).
bool Ask(xcb_connection_t* c, xcb_get_selection_owner_cookie_t& cookie) {
    // A compositing manager owns the selection _NET_WM_CM_S<screen>.
    const char* name = "_NET_WM_CM_S0";
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, std::uint16_t(std::strlen(name)), name), nullptr);
    if (!atom) return false;
    const xcb_atom_t selection = atom->atom;
    std::free(atom);
    if (selection == XCB_ATOM_NONE) return false;
    cookie = xcb_get_selection_owner(c, selection);
    return true;
}

bool Answer(xcb_connection_t* c, xcb_get_selection_owner_cookie_t cookie) {
    xcb_get_selection_owner_reply_t* owner = xcb_get_selection_owner_reply(c, cookie, nullptr);
    const bool composites = owner && owner->owner != XCB_NONE;
    std::free(owner);
    return composites;
}

}  // namespace
#endif

void AskWhetherDesktopComposites() {
#ifdef PINTALOO_HAS_XCB
    xcb_connection_t* c = X11Connection();
    if (!c || pending.connection) return;
    if (Ask(c, pending.cookie)) pending.connection = c;
#endif
}

bool DesktopComposites() {
#ifdef PINTALOO_HAS_XCB
    xcb_connection_t* c = X11Connection();
    if (!c) return true;  // Wayland composites; other platforms draw no desktop
    if (pending.connection) {
        const PendingQuestion asked = std::exchange(pending, PendingQuestion{});
        // Asked on another connection (the application made anew): left unread.
        if (asked.connection == c) return Answer(c, asked.cookie);
    }
    xcb_get_selection_owner_cookie_t cookie{};
    return Ask(c, cookie) && Answer(c, cookie);
#else
    return true;
#endif
}

}  // namespace pintaloo
