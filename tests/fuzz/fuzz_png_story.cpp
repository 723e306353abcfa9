// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: arbitrary bytes as a PNG found in the gallery, read for
// the story inside. Whatever the bytes, the reading stays within the
// story's limits and ends without a sanitizer report; a story read back
// goes into a PNG again and reads back the same.
#include <cstdint>
#include <cstdlib>

#include "ui/files/png_story.h"
#include "ui/files/story_limits.h"

using namespace pintaloo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray png(reinterpret_cast<const char*>(data), qsizetype(size));
    const PngStory read = ReadPngStory(png);
    if (std::int64_t(read.text.size()) > StoryLimits::kMaxBytes || read.pictures.size() > StoryLimits::kMaxPictures)
        std::abort();
    if (read.refusal != PngStoryRefusal::None && (!read.text.empty() || !read.pictures.empty())) std::abort();
    if (read.found && read.refusal == PngStoryRefusal::None && !read.text.empty() &&
        2 * read.pictures.size() <= StoryLimits::kMaxPictures) {
        const PngStory again = ReadPngStory(AddStoryToPng(png, read.text, read.pictures));
        // The first story chunk is the one read: the new one follows it.
        if (again.refusal != PngStoryRefusal::None || again.text != read.text) std::abort();
    }
    (void)PngHasStory(png);
    return 0;
}
