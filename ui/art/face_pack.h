// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The faces the build draws ahead, carried as one block in the program file.
//
// The window shows about fifty of them at start. Kept as a resource each,
// finding one cost about 14 microseconds (the resource system's lock, the
// path made clean, and a search of every resource tree, the program's and
// Qt's), 0.7 ms of every start; in one block with an index sorted by name,
// finding one is a binary search.
//
// The block, all numbers 32-bit in this machine's byte order (the pixels
// are too): "PFACES01", the count, a zero, then for each entry, in the
// byte order of the names, where its name and its bytes lie in the block
// and how long each is; then the names; then the entries' bytes, each
// starting on a 16-byte boundary so pixels can be read in place.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pintaloo {

struct FacePackEntry {
    std::string name;  // "art/ui/clock-123x132.argb32"
    std::vector<unsigned char> bytes;
};

// The block holding `entries` (names distinct; the order does not matter).
std::vector<unsigned char> MakeFacePack(std::vector<FacePackEntry> entries);

// The bytes of the entry called `name`, inside `pack`; empty when there is
// none, or when the block is not one MakeFacePack made (too short, an
// index pointing outside it).
std::span<const unsigned char> FindInFacePack(std::span<const unsigned char> pack, std::string_view name);

}  // namespace pintaloo
