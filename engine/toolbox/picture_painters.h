// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The painters that copy ready-made pictures onto the canvas: six model
// families painted along a drag and the perspective-scaled stamps.
#include <cstdint>
#include <vector>

#include "engine/canvas/colour.h"
#include "engine/canvas/picture.h"
#include "engine/canvas/surface.h"

namespace pintaloo {

class PicturePainters {
public:
    virtual ~PicturePainters() = default;
    virtual void DrawBallModel(std::int16_t x, std::int16_t y, std::int16_t index) = 0;
    virtual void DrawDaisyModel(std::int16_t x, std::int16_t y, std::int16_t index) = 0;
    virtual void DrawTangleModel(std::int16_t x, std::int16_t y, std::int16_t index) = 0;
    virtual void DrawScribbleModel(std::int16_t x, std::int16_t y, std::int16_t index) = 0;
    virtual void DrawStarModel(std::int16_t x, std::int16_t y, std::int16_t index) = 0;
    virtual void DrawSplatModel(std::int16_t x, std::int16_t y, std::int16_t index) = 0;
    virtual void DrawStampPicture(std::int16_t x, std::int16_t y, std::int16_t pictureNumber) = 0;
    // A stamp as the child chose its look (size, turn): the program's own
    // at its medium size and unturned is DrawStampPicture, pixel for pixel.
    // `chosen` colours a colourable or tintable stamp; `outline` is never
    // painted over nor made.
    virtual void DrawStamp(std::int16_t x, std::int16_t y, std::int16_t pictureNumber, Colour, Colour) {
        DrawStampPicture(x, y, pictureNumber);
    }
    // The stamp chosen from the collections, as DrawStamp.
    virtual void DrawLibraryStamp(std::int16_t, std::int16_t, Colour, Colour) {}
};

// A stamp's size: small, medium (the size the program's own stamps always
// had, so older stories replay), large and huge.
inline constexpr int kStampSizes = 4;
inline constexpr int kStampMediumSize = 1;
// The size as a share of the medium one, in quarters.
constexpr int StampSizeQuarters(int size) { return size <= 0 ? 2 : size == 1 ? 4 : size == 2 ? 6 : 8; }
// A collection's stamp at its medium size: its longer side in pixels, times
// its own scale. About the program's own stamps' size, so the two mix.
inline constexpr int kLibraryStampSide = 96;

enum class StampColouring : std::uint8_t {
    Own,         // as drawn
    Colourable,  // wholly the chosen colour, its shading kept
    Tintable,    // its hue turned to the chosen colour's
};

// How the chosen stamp lands beyond its place.
struct StampLook {
    int size = kStampMediumSize;
    bool mirrored = false;  // left to right
    bool flipped = false;   // upside down
    bool operator==(const StampLook&) const = default;
};

// A picture with its transparency: one byte a pixel, 0 clear to 255 solid.
struct ClearPicture {
    Picture picture;
    std::vector<std::uint8_t> alpha;
    StampColouring colouring = StampColouring::Own;
    double scale = 1.0;            // its natural size as a share of kLibraryStampSide
    bool ownMirror = false;        // the picture is already the stamp's own left-to-right one
    bool mirrorable = true, flippable = true;  // what its options allow
};

// The pixel `c` of a colourable or tintable stamp painted with `chosen`.
Colour ColourStampPixel(Colour c, Colour chosen, StampColouring how);

enum class ModelFamily { Balls, Daisies, Tangles, Scribbles, Stars, Splats };

// Where the decoded pictures come from (the window decodes its embedded
// artwork once and keeps it). Null when there is no such picture.
class PictureStore {
public:
    virtual ~PictureStore() = default;
    virtual const Picture* model(ModelFamily family, int index) = 0;
    virtual const Picture* stamp(int pictureNumber) = 0;
    // The look the child chose for stamps, and the stamp chosen from the
    // collections (null: none, or its picture could not be read).
    virtual StampLook stampLook() { return {}; }
    virtual const ClearPicture* libraryStamp() { return nullptr; }
};

// How each model family is laid down: its top-left corner `offset` pixels
// up and left of the pointer, pixels of `key` left out.
struct ModelLook {
    int offset;
    Colour key;
};
ModelLook LookOf(ModelFamily family);

// Where and how big a stamp lands for a click at (x, y): perspective
// divisor by height (suns and clouds excepted), halves rounded to even.
struct StampPlacement {
    int x, y, width, height;
};
bool PlaceStamp(int pictureNumber, int pictureWidth, int pictureHeight, std::int16_t x, std::int16_t y,
                StampPlacement& out);

// The real painters, drawing on a surface from a picture store.
class SurfacePicturePainters final : public PicturePainters {
public:
    SurfacePicturePainters(Surface& canvas, PictureStore& store) : canvas_(canvas), store_(store) {}
    void DrawBallModel(std::int16_t x, std::int16_t y, std::int16_t i) override { model(ModelFamily::Balls, x, y, i); }
    void DrawDaisyModel(std::int16_t x, std::int16_t y, std::int16_t i) override {
        model(ModelFamily::Daisies, x, y, i);
    }
    void DrawTangleModel(std::int16_t x, std::int16_t y, std::int16_t i) override {
        model(ModelFamily::Tangles, x, y, i);
    }
    void DrawScribbleModel(std::int16_t x, std::int16_t y, std::int16_t i) override {
        model(ModelFamily::Scribbles, x, y, i);
    }
    void DrawStarModel(std::int16_t x, std::int16_t y, std::int16_t i) override { model(ModelFamily::Stars, x, y, i); }
    void DrawSplatModel(std::int16_t x, std::int16_t y, std::int16_t i) override {
        model(ModelFamily::Splats, x, y, i);
    }
    void DrawStampPicture(std::int16_t x, std::int16_t y, std::int16_t pictureNumber) override;
    void DrawStamp(std::int16_t x, std::int16_t y, std::int16_t pictureNumber, Colour chosen, Colour outline) override;
    void DrawLibraryStamp(std::int16_t x, std::int16_t y, Colour chosen, Colour outline) override;

private:
    // `pic` sized, turned and blended at the click (x, y), the perspective on top.
    void lay(const Picture& pic, const std::vector<std::uint8_t>& alpha, int pictureNumber, double width,
             double height, std::int16_t x, std::int16_t y, bool mirrored, bool flipped, Colour outline);
    void model(ModelFamily family, std::int16_t x, std::int16_t y, std::int16_t index);
    Surface& canvas_;
    PictureStore& store_;
};

}  // namespace pintaloo
