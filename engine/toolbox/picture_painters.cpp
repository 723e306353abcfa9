// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/toolbox/picture_painters.h"

#include "engine/canvas/checked16.h"
#include "engine/toolbox/colours_and_sizes.h"
#include "engine/toolbox/tools_table.h"

namespace pintaloo {

ModelLook LookOf(ModelFamily family) {
    switch (family) {
        case ModelFamily::Balls:
            return {10, kWhite};
        case ModelFamily::Daisies:
            return {50, Rgb(236, 164, 244)};  // petals stay white
        case ModelFamily::Tangles:
            return {50, kWhite};
        case ModelFamily::Scribbles:
            return {20, kWhite};
        case ModelFamily::Stars:
            return {10, kWhite};
        case ModelFamily::Splats:
            return {50, kWhite};
    }
    return {0, kWhite};
}

void SurfacePicturePainters::model(ModelFamily family, std::int16_t x, std::int16_t y, std::int16_t index) {
    const Picture* pic = store_.model(family, index);
    if (!pic) return;
    const ModelLook look = LookOf(family);
    canvas_.keyedBlit(*pic, Sub16(x, look.offset), Sub16(y, look.offset), pic->width, pic->height, look.key);
}

bool PlaceStamp(int pictureNumber, int w, int h, std::int16_t x, std::int16_t y, StampPlacement& out) {
    double d = 1;
    if (!StampKeepsSize(pictureNumber)) {
        const auto f = PerspectiveFactor(y);
        if (!f) return false;
        d = *f;
    }
    out.width = int(RoundHalfEven(w / d));
    out.height = int(RoundHalfEven(h / d));
    out.x = int(RoundHalfEven(x - w / d / 2));
    out.y = int(y - RoundHalfEven(h / d / 2));
    return true;
}

void SurfacePicturePainters::DrawStampPicture(std::int16_t x, std::int16_t y, std::int16_t pictureNumber) {
    const Picture* pic = store_.stamp(pictureNumber);
    if (!pic) return;
    StampPlacement p{};
    if (!PlaceStamp(pictureNumber, pic->width, pic->height, x, y, p)) return;
    canvas_.keyedBlit(*pic, p.x, p.y, p.width, p.height, kWhite);
}

}  // namespace pintaloo
