// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/desktop_compositing.h"

#include <QGuiApplication>

#ifdef PINTALOO_HAS_XCB
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#endif

namespace pintaloo {

bool DesktopComposites() {
#ifdef PINTALOO_HAS_XCB
    auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection()) return true;  // Wayland composites; other platforms draw no desktop
    xcb_connection_t* c = x11->connection();
    // A compositing manager owns the selection _NET_WM_CM_S<screen>.
    const char* name = "_NET_WM_CM_S0";
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, std::uint16_t(std::strlen(name)), name), nullptr);
    if (!atom) return false;
    const xcb_atom_t selection = atom->atom;
    std::free(atom);
    if (selection == XCB_ATOM_NONE) return false;
    xcb_get_selection_owner_reply_t* owner =
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, selection), nullptr);
    const bool composites = owner && owner->owner != XCB_NONE;
    std::free(owner);
    return composites;
#else
    return true;
#endif
}

}  // namespace pintaloo
