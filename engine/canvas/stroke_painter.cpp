#include "canvas/stroke_painter.h"

#include <stdexcept>

#include "canvas/checked16.h"
#include "canvas/spray.h"
#include "toolbox/tool_tables.h"

namespace pintaloo {

namespace {
constexpr Colour kGrassGreen = Rgb(0, 202, 5);
}

bool StrokePainter::PaintAt(std::int16_t x, std::int16_t y, Colour color) {
    try {
        canvas_.setPenWidth(1);
        dispatch(x, y, color);
        return true;
    } catch (const std::exception&) {
        // An overflow (or any other fault of one step) ends this call only;
        // what was painted before it stays.
        return false;
    }
}

void StrokePainter::dispatch(std::int16_t x, std::int16_t y, Colour color) {
    switch (s_.ToolMode) {
        case 1: pencil(x, y, color); break;
        case 2: eraser(x, y); break;
        case 3: canvas_.circle(x, y, s_.BrushSize, s_.CurrentColor); break;
        case 4: SprayDots(canvas_, rng_, s_.CurrentColor, s_.BrushSize, x, y); break;
        case 5: twoColourDots(x, y); break;
        case 6: twoColourSpray(x, y); break;
        case 7: {
            const std::int16_t spacing = Add16(s_.BrushSize, 5);
            canvas_.setPenWidth(spacing);
            patterns_.RainbowDots(x, y, spacing);
            break;
        }
        case 8: fill(x, y); break;
        case 9: rainbowLine(x, y); break;
        case 10: pictures_.DrawBallModel(x, y, s_.SwatchIndex); break;
        case 11: penLine(x, y); break;
        case 12: case 13: case 14: cycledModel(x, y); break;
        case 15: spacedModel(x, y, 50); break;
        case 16: patterns_.DrawPattern(x, y, 5, kGrassGreen); break;
        case 17: patterns_.DrawPattern(x, y, 1, s_.CurrentColor); break;
        case 18: patterns_.DrawPattern(x, y, 2, s_.CurrentColor); break;
        case 19: patterns_.DrawPattern(x, y, 3, s_.CurrentColor); break;
        case 20: spacedModel(x, y, 10); break;
        default:
            if (s_.ToolMode >= 22 && s_.ToolMode <= 29) stamp(x, y);
            break;  // 21 and anything else paint nothing
    }
}

// The crayon: about three pixels in four, never over an outline, plain
// colour on paper, and one part new colour to ten parts old elsewhere, so
// colouring over paint shifts it only slowly.
void StrokePainter::pencil(std::int16_t x, std::int16_t y, Colour color) {
    const std::int16_t top = Sub16(y, s_.BrushSize), bottom = Add16(y, s_.BrushSize);
    const std::int16_t left = Sub16(x, s_.BrushHalfWidth), right = Add16(x, s_.BrushHalfWidth);
    for (int i = top; i <= bottom; ++i) {
        for (int j = left; j <= right; ++j) {
            if (!(rng_.next() < 0.75f)) continue;
            const std::int32_t p = canvas_.point(j, i);
            if (p == std::int32_t(s_.OutlineColor)) continue;
            if (p == std::int32_t(s_.PaperColor) || p == std::int32_t(color)) {
                canvas_.setPixel(j, i, color);
            } else {
                std::int32_t mixed = 0;
                MixColors(std::int32_t(color), p, 1, 10, mixed);
                canvas_.setPixel(j, i, Colour(mixed));
            }
        }
    }
}

void StrokePainter::eraser(std::int16_t x, std::int16_t y) {
    const std::int16_t top = Sub16(y, s_.BrushSize), bottom = Add16(y, s_.BrushSize);
    const std::int16_t left = Sub16(x, s_.BrushHalfWidth), right = Add16(x, s_.BrushHalfWidth);
    for (int i = top; i <= bottom; ++i)
        for (int j = left; j <= right; ++j)
            if (canvas_.point(j, i) != std::int32_t(s_.OutlineColor)) canvas_.setPixel(j, i, kWhite);
}

void StrokePainter::twoColourDots(std::int16_t x, std::int16_t y) {
    canvas_.setPenWidth(Add16(s_.BrushSize, 5));
    s_.LastX = x;
    s_.LastY = y;
    if (s_.AlternateFlag == 0) {
        canvas_.line(s_.LastX, s_.LastY, x, y, s_.CurrentColor);
        s_.AlternateFlag = 1;
    } else if (s_.AlternateFlag == 1) {
        canvas_.line(s_.LastX, s_.LastY, x, y, Inverse(s_.CurrentColor));
        s_.AlternateFlag = 0;
    }
}

void StrokePainter::twoColourSpray(std::int16_t x, std::int16_t y) {
    s_.LastX = x;
    s_.LastY = y;
    if (s_.AlternateFlag == 0) {
        SprayDots(canvas_, rng_, s_.CurrentColor, s_.BrushSize, x, y);
        s_.AlternateFlag = 1;
    } else if (s_.AlternateFlag == 1) {
        SprayDots(canvas_, rng_, Inverse(s_.CurrentColor), s_.BrushSize, x, y);
        s_.AlternateFlag = 0;
    }
}

// The fill style stays solid afterwards, so circles and pattern boxes come
// out filled in the fill colour from then on.
void StrokePainter::fill(std::int16_t x, std::int16_t y) {
    canvas_.setFillStyle(FillStyle::Solid);
    canvas_.setFillColour(s_.CurrentColor);
    const std::int32_t p = canvas_.point(x, y);
    if (p < 0) return;
    canvas_.floodFill(x, y, Colour(p));
}

// One hue per mouse step, joined from the press point, carrying on from
// where the previous rainbow line stopped.
void StrokePainter::rainbowLine(std::int16_t x, std::int16_t y) {
    const Colour hue = s_.HueTable.at(std::size_t(s_.RainbowIndex));
    canvas_.lineTo(x, y, hue, Add16(s_.BrushSize, 5));
    s_.RainbowIndex += 1;
    if (s_.RainbowIndex > 360) s_.RainbowIndex = 0;
}

void StrokePainter::penLine(std::int16_t x, std::int16_t y) {
    if (s_.Phase == MousePhase::Down) canvas_.moveTo(x, y);
    else if (s_.Phase == MousePhase::Move) canvas_.lineTo(x, y, s_.CurrentColor, s_.BrushSize);
}

void StrokePainter::cycledModel(std::int16_t x, std::int16_t y) {
    const int k = s_.ToolVariant;
    int last = 0;
    switch (s_.ToolMode) {
        case 12: last = 2; break;
        case 13: last = 7; break;
        default: last = 3; break;
    }
    if (k < 0 || k > last) return;
    const auto index = std::int16_t(k);
    if (s_.ToolMode == 12) pictures_.DrawDaisyModel(x, y, index);
    else if (s_.ToolMode == 13) pictures_.DrawTangleModel(x, y, index);
    else pictures_.DrawScribbleModel(x, y, index);
    s_.ToolVariant = std::int16_t(k == last ? 0 : k + 1);
}

// Stars and splats need room: nothing happens within `spacing` of the last
// point in both x and y.
void StrokePainter::spacedModel(std::int16_t x, std::int16_t y, int spacing) {
    if (x >= Sub16(s_.LastX, spacing) && x <= Add16(s_.LastX, spacing) && y >= Sub16(s_.LastY, spacing) &&
        y <= Add16(s_.LastY, spacing))
        return;
    const int k = s_.ToolVariant;
    if (k >= 0 && k <= 3) {
        if (s_.ToolMode == 15) pictures_.DrawStarModel(x, y, std::int16_t(k));
        else pictures_.DrawSplatModel(x, y, std::int16_t(k));
        s_.ToolVariant = std::int16_t((k + 1) % 4);
    }
    s_.LastX = x;
    s_.LastY = y;
}

// One stamp per press, however long the drag.
void StrokePainter::stamp(std::int16_t x, std::int16_t y) {
    if (s_.Phase != MousePhase::Down) return;
    if (const auto n = StampPictureFor(s_.ToolMode, s_.ToolVariant)) pictures_.DrawStampPicture(x, y, *n);
}

}  // namespace pintaloo
