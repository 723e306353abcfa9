// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Every colouring page, checked mechanically: two colours, all different,
// outlines the pencil and eraser leave alone, areas a fill cannot leak out
// of, enough areas to colour, and no hairline outlines.
#include <QDir>

#include <algorithm>
#include <cstdio>
#include <map>

#include "ui/parts/page_picker.h"
#include "pages_support.h"

namespace pintaloo::test {
namespace {

constexpr int kW = Surface::kWidth;   // 807
constexpr int kH = Surface::kHeight;  // 537, the part of a page the canvas shows
constexpr std::size_t kCanvasPixels = std::size_t(kW) * std::size_t(kH);

// The 4-connected white areas of the visible part of a page.
struct Areas {
    std::vector<int> label;  // per pixel; -1 for black
    std::vector<std::size_t> size;
    std::vector<std::pair<int, int>> seed;  // a pixel of each area
};

Areas LabelWhiteAreas(const Picture& page) {
    Areas a;
    a.label.assign(kCanvasPixels, -1);
    std::vector<int> stack;
    for (int start = 0; start < int(kCanvasPixels); ++start) {
        if (page.pixels[std::size_t(start)] != kWhite || a.label[std::size_t(start)] >= 0) continue;
        const int id = int(a.size.size());
        a.size.push_back(0);
        a.seed.emplace_back(start % kW, start / kW);
        a.label[std::size_t(start)] = id;
        stack.push_back(start);
        while (!stack.empty()) {
            const int i = stack.back();
            stack.pop_back();
            ++a.size.back();
            const int x = i % kW, y = i / kW;
            const int next[4] = {x > 0 ? i - 1 : -1, x + 1 < kW ? i + 1 : -1, y > 0 ? i - kW : -1,
                                 y + 1 < kH ? i + kW : -1};
            for (const int n : next)
                if (n >= 0 && page.pixels[std::size_t(n)] == kWhite && a.label[std::size_t(n)] < 0) {
                    a.label[std::size_t(n)] = id;
                    stack.push_back(n);
                }
        }
    }
    return a;
}

// One window for all the pages (each test takes its page through the
// picker, as a child would), and each page's areas worked out once.
class EveryPage : public ::testing::TestWithParam<int> {
public:
    static void SetUpTestSuite() { rig_ = new WindowRig; }
    static void TearDownTestSuite() {
        delete rig_;
        rig_ = nullptr;
        areas_.clear();
    }

protected:
    WindowRig& rig() { return *rig_; }
    const Picture& page() { return rig_->w().pagePicker().pages().page(GetParam()); }
    const Areas& areas() {
        auto it = areas_.find(GetParam());
        if (it == areas_.end()) it = areas_.emplace(GetParam(), LabelWhiteAreas(page())).first;
        return it->second;
    }
    std::vector<Colour> visiblePage() {
        return {page().pixels.begin(), page().pixels.begin() + std::ptrdiff_t(kCanvasPixels)};
    }

    void takePage() {
        rig().call("KewlButtons1_MouseDown", {1, 10, 10});
        const int n = GetParam();
        if (n - 101 <= 10)
            for (int i = 101; i < n; ++i) rig().call("KewlButtons8_Click");
        else
            for (int i = 121; i >= n; --i) rig().call("KewlButtons9_Click");
        ASSERT_EQ(rig().w().state.PageNumber, n);
        rig().call("Image3_Click");
        ASSERT_EQ(rig().pixels(), visiblePage());
    }

    // Drags over every pixel of the canvas with the largest brush.
    void scrubWholeCanvas() {
        rig().call("Label4_Click", {3});
        ASSERT_EQ(rig().w().state.BrushSize, 20);
        ASSERT_EQ(rig().w().state.BrushHalfWidth, 8);
        for (int y = 20; y - 20 < kH; y += 41) rig().dragRow(y, 8, kW - 1, 17);
    }

    // Black pixels of the page that no longer are black on the canvas.
    std::size_t outlinePixelsLost() {
        const auto now = rig().pixels();
        std::size_t lost = 0;
        for (std::size_t i = 0; i < kCanvasPixels; ++i) lost += page().pixels[i] == kBlack && now[i] != kBlack;
        return lost;
    }

private:
    static inline WindowRig* rig_ = nullptr;
    static inline std::map<int, Areas> areas_;
};

TEST_P(EveryPage, IsBlackOnWhiteAtTheRightSize) {
    const Picture& p = page();
    ASSERT_EQ(p.width, 807);
    ASSERT_EQ(p.height, 561);
    std::size_t black = 0, white = 0;
    for (const Colour c : p.pixels) {
        black += c == kBlack;
        white += c == kWhite;
    }
    EXPECT_EQ(black + white, p.pixels.size()) << "colours other than black and white";
    // A drawing, not a blank or an ink blot.
    EXPECT_GT(black, p.pixels.size() / 100);
    EXPECT_GT(white, p.pixels.size() / 2);
}

// The canvas shows the top 537 rows; nothing of the drawing may hide below.
TEST_P(EveryPage, TheDrawingFitsThePartTheCanvasShows) {
    const Picture& p = page();
    std::size_t hidden = 0;
    for (int y = kH; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) hidden += p.at(x, y) == kBlack;
    EXPECT_EQ(hidden, 0u) << "outline pixels in rows " << kH << ".." << p.height - 1;
}

TEST_P(EveryPage, OutlinesAreAtLeastTwoPixelsThick) {
    const Picture& p = page();
    auto black = [&](int x, int y) { return x >= 0 && y >= 0 && x < p.width && y < p.height && p.at(x, y) == kBlack; };
    int thin = 0;
    std::string where;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            if (black(x, y) && !black(x - 1, y) && !black(x + 1, y) && !black(x, y - 1) && !black(x, y + 1)) {
                if (++thin <= 5) where += " (" + std::to_string(x) + "," + std::to_string(y) + ")";
            }
    EXPECT_EQ(thin, 0) << "hairline outline pixels, first at" << where;
}

TEST_P(EveryPage, PencilAndEraserNeverTouchTheOutline) {
    takePage();
    const auto clean = visiblePage();
    const std::size_t blackCount = std::size_t(std::count(clean.begin(), clean.end(), kBlack));
    rig().call("bBrush_MouseUp", {0, 1, 5, 5});
    // A dark and a light crayon, the second over the first.
    for (const int swatch : {21, 23}) {
        rig().call("bColor_Click", {double(swatch)});
        scrubWholeCanvas();
        EXPECT_EQ(outlinePixelsLost(), 0u) << "swatch " << swatch;
    }
    // The crayon really went over the page: most paper is coloured.
    const auto crayoned = rig().pixels();
    const std::size_t coloured = std::size_t(
        std::count_if(crayoned.begin(), crayoned.end(), [](Colour c) { return c != kWhite && c != kBlack; }));
    EXPECT_GT(coloured, (kCanvasPixels - blackCount) * 9 / 10);
    // The eraser whitens everything else, which gives back the clean page.
    rig().call("bBrush_MouseUp", {3, 1, 5, 5});
    scrubWholeCanvas();
    EXPECT_EQ(outlinePixelsLost(), 0u);
    EXPECT_EQ(CountDifferent(rig().pixels(), visiblePage()), 0u);
}

TEST_P(EveryPage, EachFillStaysInsideItsOwnArea) {
    const Areas& a = areas();
    // One fill per area, each in a colour of its own (never black or white).
    Surface s;
    s.setPicture(page());
    ASSERT_LT(a.size.size(), std::size_t(0xFFFFFE));
    for (std::size_t k = 0; k < a.size.size(); ++k) {
        s.floodFill(a.seed[k].first, a.seed[k].second, kWhite, Colour(k + 1));
    }
    // An area joined to another would have been filled by the first of the
    // two, so the later one's pixels carry the wrong colour.
    std::map<std::pair<int, int>, std::size_t> leaks;  // (filled from, area) -> pixels
    std::size_t outlineHit = 0;
    for (std::size_t i = 0; i < kCanvasPixels; ++i) {
        const int k = a.label[i];
        const Colour c = s.data()[i];
        if (k < 0) {
            outlineHit += c != kBlack;
        } else if (c != Colour(k + 1)) {
            ++leaks[{int(c) - 1, k}];
        }
    }
    EXPECT_EQ(outlineHit, 0u) << "a fill of white painted outline pixels";
    for (const auto& [pair, n] : leaks)
        ADD_FAILURE() << "the fill of area " << pair.first << " reached " << n << " pixels of area " << pair.second
                      << " (seed " << a.seed[std::size_t(pair.second)].first << ","
                      << a.seed[std::size_t(pair.second)].second << ")";

    std::vector<std::size_t> big;
    for (std::size_t k = 0; k < a.size.size(); ++k)
        if (a.size[k] >= 60) big.push_back(k);
    std::printf("[ areas    ] page %d: %zu white areas, %zu of 60+ pixels, largest %zu\n", GetParam(), a.size.size(),
                big.size(), *std::max_element(a.size.begin(), a.size.end()));
    RecordProperty("areas", int(a.size.size()));
    RecordProperty("areas60", int(big.size()));
    EXPECT_GE(big.size(), 10u) << "too few areas a child can colour";
}

TEST_P(EveryPage, TheFillToolColoursExactlyTheAreaClicked) {
    takePage();
    const Areas& a = areas();
    std::vector<std::size_t> big;
    for (std::size_t k = 0; k < a.size.size(); ++k)
        if (a.size[k] >= 60) big.push_back(k);
    ASSERT_FALSE(big.empty());
    const auto bySize = [&](std::size_t l, std::size_t r) { return a.size[l] < a.size[r]; };
    const std::size_t largest = *std::max_element(big.begin(), big.end(), bySize);
    const std::size_t smallest = *std::min_element(big.begin(), big.end(), bySize);
    rig().call("bBrush_MouseUp", {5, 1, 5, 5});
    rig().call("bColor_Click", {14});
    const Colour red = rig().w().state.CurrentColor;
    for (const std::size_t k : {largest, smallest}) {
        rig().call("pctDraw_MouseDown", {1, double(a.seed[k].first), double(a.seed[k].second)});
        rig().call("pctDraw_MouseUp", {1, double(a.seed[k].first), double(a.seed[k].second)});
    }
    const auto now = rig().pixels();
    std::size_t wrong = 0;
    for (std::size_t i = 0; i < kCanvasPixels; ++i) {
        const bool inside = a.label[i] == int(largest) || a.label[i] == int(smallest);
        wrong += now[i] != (inside ? red : page().pixels[i]);
    }
    EXPECT_EQ(wrong, 0u) << "areas of " << a.size[largest] << " and " << a.size[smallest] << " pixels";
}

INSTANTIATE_TEST_SUITE_P(Pages, EveryPage, ::testing::Range(101, 122),
                         [](const ::testing::TestParamInfo<int>& p) { return "page" + std::to_string(p.param); });

TEST(ColouringPageSet, TwentyOnePagesAllDifferent) {
    const QStringList files = QDir(QStringLiteral(":/pages")).entryList({QStringLiteral("page*.svg")}, QDir::Files);
    EXPECT_EQ(files.size(), 21) << files.join(' ').toStdString();
    ColouringPages pages;
    EXPECT_TRUE(pages.page(100).empty());
    EXPECT_TRUE(pages.page(122).empty());
    for (int n = 101; n <= 121; ++n) ASSERT_FALSE(pages.page(n).empty()) << n;
    for (int a = 101; a <= 121; ++a)
        for (int b = a + 1; b <= 121; ++b) {
            const std::size_t diff = CountDifferent(pages.page(a).pixels, pages.page(b).pixels);
            // Not only different, but different drawings: over 1 % of the page.
            EXPECT_GT(diff, pages.page(a).pixels.size() / 100) << "pages " << a << " and " << b;
        }
}

}  // namespace
}  // namespace pintaloo::test
