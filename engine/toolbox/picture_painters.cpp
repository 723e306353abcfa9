// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/toolbox/picture_painters.h"

#include <algorithm>
#include <cmath>

#include "engine/canvas/checked16.h"
#include "engine/toolbox/any_colour.h"
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

namespace {

// Hue, saturation and lightness, each 0..1.
struct Hsl {
    double h, s, l;
};

Hsl ToHsl(Colour c) {
    const double r = RedOf(c) / 255.0, g = GreenOf(c) / 255.0, b = BlueOf(c) / 255.0;
    const double hi = std::max({r, g, b}), lo = std::min({r, g, b}), l = (hi + lo) / 2, d = hi - lo;
    if (d <= 0) return {0, 0, l};
    const double s = l > 0.5 ? d / (2 - hi - lo) : d / (hi + lo);
    double h = hi == r ? (g - b) / d + (g < b ? 6 : 0) : hi == g ? (b - r) / d + 2 : (r - g) / d + 4;
    return {h / 6, s, l};
}

Colour FromHsl(Hsl c) {
    if (c.s <= 0) {
        const int v = int(std::lround(c.l * 255));
        return Rgb(v, v, v);
    }
    const double q = c.l < 0.5 ? c.l * (1 + c.s) : c.l + c.s - c.l * c.s, p = 2 * c.l - q;
    const auto part = [p, q](double t) {
        if (t < 0) t += 1;
        if (t > 1) t -= 1;
        const double v = t < 1.0 / 6 ? p + (q - p) * 6 * t : t < 0.5 ? q : t < 2.0 / 3 ? p + (q - p) * (2.0 / 3 - t) * 6 : p;
        return int(std::lround(std::clamp(v, 0.0, 1.0) * 255));
    };
    return Rgb(part(c.h + 1.0 / 3), part(c.h), part(c.h - 1.0 / 3));
}

}  // namespace

Colour ColourStampPixel(Colour c, Colour chosen, StampColouring how) {
    switch (how) {
        case StampColouring::Own:
            break;
        case StampColouring::Colourable: {
            // The shading is the pixel's brightness: white parts take the
            // colour itself, black ones stay black.
            const int light = (299 * RedOf(c) + 587 * GreenOf(c) + 114 * BlueOf(c) + 500) / 1000;
            const auto part = [light](int v) { return (v * light + 127) / 255; };
            return Rgb(part(RedOf(chosen)), part(GreenOf(chosen)), part(BlueOf(chosen)));
        }
        case StampColouring::Tintable: {
            const Hsl was = ToHsl(c);
            return FromHsl({ToHsl(chosen).h, was.s, was.l});
        }
    }
    return c;
}

void SurfacePicturePainters::lay(const Picture& pic, const std::vector<std::uint8_t>& alpha, int pictureNumber,
                                 double width, double height, std::int16_t x, std::int16_t y, bool mirrored,
                                 bool flipped, Colour outline) {
    StampPlacement p{};
    const int w = std::max(1, int(std::lround(width))), h = std::max(1, int(std::lround(height)));
    if (!PlaceStamp(pictureNumber, w, h, x, y, p)) return;
    canvas_.blendBlit(pic, alpha, p.x, p.y, p.width, p.height, mirrored, flipped, outline);
}

void SurfacePicturePainters::DrawStamp(std::int16_t x, std::int16_t y, std::int16_t pictureNumber, Colour,
                                       Colour outline) {
    const StampLook look = store_.stampLook();
    if (look == StampLook{}) return DrawStampPicture(x, y, pictureNumber);
    const Picture* pic = store_.stamp(pictureNumber);
    if (!pic || pic->empty()) return;
    // The artwork is keyed on white: its white is clear, the rest solid.
    std::vector<std::uint8_t> alpha(pic->pixels.size());
    std::transform(pic->pixels.begin(), pic->pixels.end(), alpha.begin(),
                   [](Colour c) { return c == kWhite ? std::uint8_t(0) : std::uint8_t(255); });
    const double q = StampSizeQuarters(look.size) / 4.0;
    lay(*pic, alpha, pictureNumber, pic->width * q, pic->height * q, x, y, look.mirrored, look.flipped, outline);
}

void SurfacePicturePainters::DrawLibraryStamp(std::int16_t x, std::int16_t y, Colour chosen, Colour outline) {
    const ClearPicture* stamp = store_.libraryStamp();
    if (!stamp || stamp->picture.empty()) return;
    const StampLook look = store_.stampLook();
    const Picture* pic = &stamp->picture;
    Picture coloured;
    // A collection's stamp drawn in pure black, as line art often is, would
    // land as nothing but its grey edges where black is the outline colour
    // the canvas never takes: its black lands as the colour one step beside.
    const bool outlineInside = std::any_of(pic->pixels.begin(), pic->pixels.end(),
                                           [outline](Colour c) { return c == outline; });
    if (stamp->colouring != StampColouring::Own || outlineInside) {
        coloured = stamp->picture;
        for (Colour& c : coloured.pixels) c = PaintableColour(ColourStampPixel(c, chosen, stamp->colouring), outline);
        pic = &coloured;
    }
    const double side = kLibraryStampSide * std::clamp(stamp->scale, 0.25, 3.0) * StampSizeQuarters(look.size) / 4.0;
    const double k = side / std::max(pic->width, pic->height);
    // Not a number any of the program's own stamps has: the perspective applies.
    lay(*pic, stamp->alpha, -1, pic->width * k, pic->height * k, x, y, look.mirrored && stamp->mirrorable && !stamp->ownMirror,
        look.flipped && stamp->flippable, outline);
}

}  // namespace pintaloo
