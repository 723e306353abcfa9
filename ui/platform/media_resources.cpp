// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/media_resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE declares a function in the current namespace, so it has to
// be used outside ours.
static void initEmbeddedMedia() {
#ifndef PINTALOO_MEDIA_NO_RESOURCES
    Q_INIT_RESOURCE(pintaloo_media);
#endif
}

namespace pintaloo {

void initMediaResources() {
    static const bool done = (initEmbeddedMedia(), true);
    Q_UNUSED(done);
}

}  // namespace pintaloo
