// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/art/face_pack.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace pintaloo {

namespace {

constexpr char kMagic[8] = {'P', 'F', 'A', 'C', 'E', 'S', '0', '1'};
constexpr std::size_t kHeader = sizeof kMagic + 8;  // the magic, the count, a zero
constexpr std::size_t kEntry = 16;                  // name at, name length, bytes at, bytes length
constexpr std::size_t kAlign = 16;

std::uint32_t Read32(const unsigned char* at) {
    std::uint32_t v;
    std::memcpy(&v, at, sizeof v);
    return v;
}

void Write32(std::vector<unsigned char>& out, std::size_t at, std::size_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    std::memcpy(out.data() + at, &v, sizeof v);
}

// The part [at, at + length) of `pack`, or empty when it does not lie inside.
std::span<const unsigned char> Part(std::span<const unsigned char> pack, std::uint32_t at, std::uint32_t length) {
    if (at > pack.size() || length > pack.size() - at) return {};
    return pack.subspan(at, length);
}

}  // namespace

std::vector<unsigned char> MakeFacePack(std::vector<FacePackEntry> entries) {
    std::sort(entries.begin(), entries.end(),
              [](const FacePackEntry& a, const FacePackEntry& b) { return a.name < b.name; });
    std::vector<unsigned char> out(kHeader + entries.size() * kEntry);
    std::memcpy(out.data(), kMagic, sizeof kMagic);
    Write32(out, sizeof kMagic, entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        Write32(out, kHeader + i * kEntry, out.size());
        Write32(out, kHeader + i * kEntry + 4, entries[i].name.size());
        out.insert(out.end(), entries[i].name.begin(), entries[i].name.end());
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        out.resize((out.size() + kAlign - 1) / kAlign * kAlign);
        Write32(out, kHeader + i * kEntry + 8, out.size());
        Write32(out, kHeader + i * kEntry + 12, entries[i].bytes.size());
        out.insert(out.end(), entries[i].bytes.begin(), entries[i].bytes.end());
    }
    return out;
}

std::span<const unsigned char> FindInFacePack(std::span<const unsigned char> pack, std::string_view name) {
    if (pack.size() < kHeader || std::memcmp(pack.data(), kMagic, sizeof kMagic) != 0) return {};
    const std::uint32_t count = Read32(pack.data() + sizeof kMagic);
    if (count > (pack.size() - kHeader) / kEntry) return {};
    const auto nameOf = [&](std::uint32_t i) {
        const auto part =
            Part(pack, Read32(pack.data() + kHeader + i * kEntry), Read32(pack.data() + kHeader + i * kEntry + 4));
        return std::string_view(reinterpret_cast<const char*>(part.data()), part.size());
    };
    std::uint32_t low = 0, high = count;  // the entry, if any, lies in [low, high)
    while (low < high) {
        const std::uint32_t mid = low + (high - low) / 2;
        const std::string_view at = nameOf(mid);
        if (at == name)
            return Part(pack, Read32(pack.data() + kHeader + mid * kEntry + 8),
                        Read32(pack.data() + kHeader + mid * kEntry + 12));
        if (at < name)
            low = mid + 1;
        else
            high = mid;
    }
    return {};
}

}  // namespace pintaloo
