// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The painters that copy ready-made pictures onto the canvas: six model
// families painted along a drag and the perspective-scaled stamps.
#include <cstdint>

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
};

enum class ModelFamily { Balls, Daisies, Tangles, Scribbles, Stars, Splats };

// Where the decoded pictures come from (the window decodes its embedded
// artwork once and keeps it). Null when there is no such picture.
class PictureStore {
public:
    virtual ~PictureStore() = default;
    virtual const Picture* model(ModelFamily family, int index) = 0;
    virtual const Picture* stamp(int pictureNumber) = 0;
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

private:
    void model(ModelFamily family, std::int16_t x, std::int16_t y, std::int16_t index);
    Surface& canvas_;
    PictureStore& store_;
};

}  // namespace pintaloo
