// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Stamps other people made: the collections found in the data folders
// (pintaloo/stamps under $XDG_DATA_HOME and $XDG_DATA_DIRS) and in Debian's
// stamp library for children's painting programs. Each folder holding
// pictures is a group. The window reads them through this port; the real
// one builds its index lazily (after the window shows) and keeps it in a
// cache, and a test puts a small table here instead.
#include <QImage>
#include <QString>
#include <cstdint>
#include <vector>

#include "ui/words/language.h"

namespace pintaloo {

// What a stamp's options file allows (missing file: everything allowed,
// nothing tinted, natural size).
struct StampOptions {
    bool colourable = false;  // painted wholly in the chosen colour, keeping its shading
    bool tintable = false;    // its hue turned to the chosen colour's
    bool mirrorable = true;   // may be turned left to right
    bool flippable = true;    // may be turned upside down
    double scale = 1.0;       // its natural size as a share of its picture's size
};

struct LibraryStamp {
    std::uint32_t id = 0;  // stable across runs and machines: stories and scripts name a stamp by it
    QString file;          // the picture (.png or .svg), a full path
    StampOptions options;
};

struct StampGroup {
    std::uint32_t id = 0;               // stable, as a stamp's
    QString folder;                     // full path
    std::vector<std::uint32_t> stamps;  // in the order the browser shows them
};

class StampLibraryPort {
public:
    virtual ~StampLibraryPort() = default;
    // Every group found, in the order the browser shows them. The first call
    // may read the folders (or the cache); later calls return at once.
    virtual const std::vector<StampGroup>& groups() = 0;
    // Null for an id no group holds (a story from another machine).
    virtual const LibraryStamp* stamp(std::uint32_t id) = 0;
    // The stamp's name in `language` (its text file), English when that
    // language has none, the file's name when there is no text at all.
    virtual QString name(const LibraryStamp& stamp, Language language) = 0;
    // A group's name in `language` for tooltips and screen readers.
    virtual QString groupName(const StampGroup& group, Language language) = 0;
    // The picture, decoded with the picture readers' caps, ARGB32 with its
    // transparency, no side longer than `maxSide` (a vector picture drawn at
    // that size). Null when the file is refused (the reason is logged once).
    // `mirrored`: the stamp's own left-to-right picture where it ships one.
    virtual QImage picture(const LibraryStamp& stamp, int maxSide, bool mirrored = false) = 0;
    // Its sound, and its name spoken in `language`: Ogg or WAV files beside
    // it, empty when there is none.
    virtual QString sound(const LibraryStamp& stamp) = 0;
    virtual QString spokenName(const LibraryStamp& stamp, Language language) = 0;
};

}  // namespace pintaloo
