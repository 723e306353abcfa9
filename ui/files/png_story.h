// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A drawing's story carried inside its PNG, so a drawing in the gallery or
// saved by a parent is one file, not a picture with files beside it.
//
// The story's text rides in a compressed text chunk (zTXt, keyword
// kPngStoryKey), and every picture the story names in a private ancillary
// chunk of its own (kPngPictureChunk: the name, a zero byte, the picture's
// bytes), all put just before the end marker. Viewers skip chunks they do
// not know, so the file stays an ordinary picture.
//
// Reading treats the file as a stranger's: the chunks are walked with their
// lengths and checksums checked, the text is inflated with its output
// capped at the story's own byte limit (a small chunk that inflates to
// gigabytes stops there), and the pictures are counted and capped before
// they are copied. What the pictures and calls are is checked later, as for
// a story beside a picture (story_file.h).
#include <QByteArray>
#include <QImage>
#include <QString>
#include <string>
#include <vector>

#include "ui/platform/gallery_port.h"

namespace pintaloo {

inline constexpr const char* kPngStoryKey = "Pintaloo story";
inline constexpr const char* kPngPictureChunk = "plPc";

// The drawing encoded as PNG (every pixel kept) with the story inside; an
// empty story adds nothing. Empty, with Qt's reason in `why`, when the
// picture could not be encoded.
QByteArray EncodeDrawingPng(const QImage& drawing, const std::string& story, const std::vector<StoryPicture>& pictures,
                            QString* why = nullptr);

// `png` with the story's chunks put before its end marker. `png` unchanged
// when it is not a whole PNG or the story is empty.
QByteArray AddStoryToPng(const QByteArray& png, const std::string& story, const std::vector<StoryPicture>& pictures);

enum class PngStoryRefusal {
    None,        // a story was found and read (or there is none: `found` says)
    Damaged,     // a chunk cut short or with a wrong checksum, or text that does not inflate
    TooLarge,    // the text beyond the story's byte limit, a picture beyond a picture's, all beyond their pixels
    TooMany,     // more pictures than a story may name
    BadPicture,  // a picture chunk without a usable name
};

struct PngStory {
    bool found = false;  // the file holds a story
    std::string text;
    std::vector<StoryPicture> pictures;
    PngStoryRefusal refusal = PngStoryRefusal::None;
};

// The story inside `png`, read within the story limits; nothing found for a
// file without one (or one that is no PNG).
PngStory ReadPngStory(const QByteArray& png);

// Whether `png` carries a story chunk, without inflating it (the panel's
// film badge).
bool PngHasStory(const QByteArray& png);

}  // namespace pintaloo
