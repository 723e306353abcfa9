// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// lottie_frames: load a Lottie JSON file with rlottie, print its frame count,
// frame rate and stage size, and render chosen frames to PNG files.
//
//   lottie_frames ANIM.json                          print the information only
//   lottie_frames ANIM.json OUTPREFIX F1 F2 ...      write OUTPREFIX_F.png per frame
//   lottie_frames ANIM.json --sheet OUT.png COLS SCALE_PERCENT F1 F2 ...
//                                                    one contact sheet of the frames
//
// For every rendered frame it also reports how many pixels are see-through
// (alpha below 240; blending rounds some covered pixels down to 250 or so) and the
// lowest alpha found, because our animations must cover the whole stage.
//
// Built with the tree as build/tools/pintaloo-lottie-frames.

#include <rlottie.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// ---------------------------------------------------------------------------
// Minimal PNG writer: RGBA8, zlib stream made of stored (uncompressed) blocks.

uint32_t crcTable[256];

void initCrc() {
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        crcTable[n] = c;
    }
}

uint32_t crc(const uint8_t* data, size_t len, uint32_t c = 0xFFFFFFFFu) {
    for (size_t i = 0; i < len; ++i) c = crcTable[(c ^ data[i]) & 0xFF] ^ (c >> 8);
    return c;
}

void put32(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(uint8_t(v >> 24));
    out.push_back(uint8_t(v >> 16));
    out.push_back(uint8_t(v >> 8));
    out.push_back(uint8_t(v));
}

void chunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data) {
    put32(out, uint32_t(data.size()));
    std::vector<uint8_t> body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    out.insert(out.end(), body.begin(), body.end());
    put32(out, crc(body.data(), body.size()) ^ 0xFFFFFFFFu);
}

bool writePng(const std::string& path, const std::vector<uint8_t>& rgba, uint32_t w, uint32_t h) {
    std::vector<uint8_t> raw;
    raw.reserve(size_t(h) * (size_t(w) * 4 + 1));
    for (uint32_t y = 0; y < h; ++y) {
        raw.push_back(0);  // filter: none
        const uint8_t* row = rgba.data() + size_t(y) * w * 4;
        raw.insert(raw.end(), row, row + size_t(w) * 4);
    }

    std::vector<uint8_t> z{0x78, 0x01};
    uint32_t a = 1, b = 0;
    for (uint8_t byte : raw) {
        a = (a + byte) % 65521u;
        b = (b + a) % 65521u;
    }
    size_t pos = 0;
    do {
        size_t n = std::min<size_t>(65535, raw.size() - pos);
        bool last = pos + n == raw.size();
        z.push_back(last ? 1 : 0);
        z.push_back(uint8_t(n));
        z.push_back(uint8_t(n >> 8));
        z.push_back(uint8_t(~n));
        z.push_back(uint8_t(~n >> 8));
        z.insert(z.end(), raw.begin() + long(pos), raw.begin() + long(pos + n));
        pos += n;
    } while (pos < raw.size());
    put32(z, (b << 16) | a);

    std::vector<uint8_t> ihdr;
    put32(ihdr, w);
    put32(ihdr, h);
    ihdr.insert(ihdr.end(), {8, 6, 0, 0, 0});  // 8 bit, RGBA

    std::vector<uint8_t> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    chunk(png, "IHDR", ihdr);
    chunk(png, "IDAT", z);
    chunk(png, "IEND", {});

    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(png.data(), 1, png.size(), f) == png.size();
    return std::fclose(f) == 0 && ok;
}

// ---------------------------------------------------------------------------

// Renders one frame at w x h and returns straight (non-premultiplied) RGBA.
std::vector<uint8_t> renderFrame(rlottie::Animation& anim, size_t frame, size_t w, size_t h, size_t* seeThrough,
                                 uint32_t* minAlpha) {
    std::vector<uint32_t> argb(w * h, 0);
    rlottie::Surface surface(argb.data(), w, h, w * 4);
    anim.renderSync(frame, surface);

    std::vector<uint8_t> rgba(w * h * 4);
    size_t count = 0;
    uint32_t lowest = 255;
    for (size_t i = 0; i < w * h; ++i) {
        uint32_t p = argb[i];
        uint32_t al = p >> 24, r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, bl = p & 0xFF;
        if (al < 240) ++count;
        lowest = std::min(lowest, al);
        if (al != 0 && al != 255) {
            r = std::min<uint32_t>(255, (r * 255 + al / 2) / al);
            g = std::min<uint32_t>(255, (g * 255 + al / 2) / al);
            bl = std::min<uint32_t>(255, (bl * 255 + al / 2) / al);
        }
        rgba[i * 4 + 0] = uint8_t(r);
        rgba[i * 4 + 1] = uint8_t(g);
        rgba[i * 4 + 2] = uint8_t(bl);
        rgba[i * 4 + 3] = uint8_t(al);
    }
    if (seeThrough) *seeThrough = count;
    if (minAlpha) *minAlpha = lowest;
    return rgba;
}

int usage() {
    std::fprintf(stderr,
                 "usage: lottie_frames ANIM.json [OUTPREFIX FRAME...]\n"
                 "       lottie_frames ANIM.json --sheet OUT.png COLS SCALE_PERCENT FRAME...\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    initCrc();

    auto anim = rlottie::Animation::loadFromFile(argv[1], false);
    if (!anim) {
        std::fprintf(stderr, "cannot load %s\n", argv[1]);
        return 1;
    }
    size_t w = 0, h = 0;
    anim->size(w, h);
    std::printf("file: %s\ntotalFrame: %zu\nframeRate: %g\nsize: %zux%zu\nduration: %.3f s\n", argv[1],
                anim->totalFrame(), anim->frameRate(), w, h, anim->duration());
    if (argc == 2) return 0;

    const bool sheet = std::string(argv[2]) == "--sheet";
    if (sheet && argc < 7) return usage();
    const int firstFrameArg = sheet ? 6 : 3;

    std::vector<size_t> frames;
    for (int i = firstFrameArg; i < argc; ++i) {
        long f = std::strtol(argv[i], nullptr, 10);
        if (f < 0 || size_t(f) >= anim->totalFrame()) {
            std::fprintf(stderr, "frame %ld is out of range\n", f);
            return 1;
        }
        frames.push_back(size_t(f));
    }
    if (frames.empty()) return usage();

    if (!sheet) {
        for (size_t f : frames) {
            size_t seeThrough = 0;
            uint32_t minAlpha = 0;
            auto rgba = renderFrame(*anim, f, w, h, &seeThrough, &minAlpha);
            char name[64];
            std::snprintf(name, sizeof name, "_%03zu.png", f);
            std::string out = std::string(argv[2]) + name;
            if (!writePng(out, rgba, uint32_t(w), uint32_t(h))) {
                std::fprintf(stderr, "cannot write %s\n", out.c_str());
                return 1;
            }
            std::printf("frame %zu -> %s (see-through pixels: %zu, lowest alpha: %u)\n", f, out.c_str(), seeThrough,
                        minAlpha);
        }
        return 0;
    }

    // Contact sheet: frames scaled down, laid out in a grid on a grey ground.
    const size_t cols = size_t(std::max(1L, std::strtol(argv[4], nullptr, 10)));
    const long pct = std::strtol(argv[5], nullptr, 10);
    if (pct < 5 || pct > 100) return usage();
    const size_t tw = w * size_t(pct) / 100, th = h * size_t(pct) / 100;
    const size_t gap = 6;
    const size_t rows = (frames.size() + cols - 1) / cols;
    const size_t sw = cols * tw + (cols + 1) * gap, sh = rows * th + (rows + 1) * gap;
    std::vector<uint8_t> out(sw * sh * 4);
    for (size_t i = 0; i < sw * sh; ++i) {
        out[i * 4 + 0] = out[i * 4 + 1] = out[i * 4 + 2] = 128;
        out[i * 4 + 3] = 255;
    }
    for (size_t n = 0; n < frames.size(); ++n) {
        size_t seeThrough = 0;
        uint32_t minAlpha = 0;
        auto rgba = renderFrame(*anim, frames[n], tw, th, &seeThrough, &minAlpha);
        const size_t ox = gap + (n % cols) * (tw + gap), oy = gap + (n / cols) * (th + gap);
        for (size_t y = 0; y < th; ++y)
            for (size_t x = 0; x < tw; ++x)
                for (int c = 0; c < 4; ++c)
                    out[((oy + y) * sw + ox + x) * 4 + size_t(c)] = rgba[(y * tw + x) * 4 + size_t(c)];
        std::printf("frame %zu (see-through pixels: %zu, lowest alpha: %u)\n", frames[n], seeThrough, minAlpha);
    }
    if (!writePng(argv[3], out, uint32_t(sw), uint32_t(sh))) {
        std::fprintf(stderr, "cannot write %s\n", argv[3]);
        return 1;
    }
    std::printf("sheet -> %s (%zux%zu)\n", argv[3], sw, sh);
    return 0;
}
