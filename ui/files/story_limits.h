// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How much of a story the program reads from a file it did not write: a
// story beside a picture and one inside a PNG are capped alike.
#include <QByteArray>

#include <chrono>
#include <cstddef>
#include <cstdint>

namespace pintaloo {

struct StoryLimits {
    // An hour of drawing without a pause is about 2 MB and 200,000 calls;
    // a story beside a picture may hold about two such hours.
    static constexpr std::int64_t kMaxBytes = 4LL * 1024 * 1024;
    static constexpr std::size_t kMaxCalls = 500'000;
    // Pictures opened in one story, each decoded once when it is checked.
    static constexpr std::size_t kMaxPictures = 64;
    // The pixels of all the pictures a story inside a PNG carries, added
    // up: taking a drawing from the gallery checks each by decoding it on
    // the window's thread, about 50 ms a megapixel on a busy two-core
    // machine, so this keeps a pick near a second whatever the file
    // claims. It holds two dozen pages of a screen-sized canvas, or two
    // photos; a story beyond it is dropped and the drawing still opens.
    static constexpr std::int64_t kMaxPicturePixels = 24'000'000;
    // Reading and decoding all of a story's pictures, once their pixels
    // fit: about twice what the pixels above take, so a slow disk or a
    // decoder made to crawl drops the story, never the child's open.
    static constexpr std::chrono::milliseconds kMaxPictureTime{2000};
    // Times count the drawing's own milliseconds (pauses between sessions
    // are left out): a hundred days of drawing, and far inside what the
    // clocks can add to without overflowing.
    static constexpr std::int64_t kMaxTimeMs = 100LL * 24 * 3600 * 1000;
};

// The pixels of a story's pictures added up from their headers, before any
// is decoded: every story, in a PNG or beside a picture, counts them here.
class StoryPixels {
public:
    // Adds the picture's size as its header gives it (bytes that are no
    // picture add nothing: checking them refuses them anyway). False once
    // the pictures added hold more than kMaxPicturePixels.
    bool add(const QByteArray& picture);

private:
    std::int64_t pixels_ = 0;
};

}  // namespace pintaloo
