// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/files/picture_reader.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QImageReader>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <future>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include <csetjmp>
#include <cstdio>  // jpeglib.h uses FILE without including it

#include <fcntl.h>
#include <jerror.h>
#include <jpeglib.h>
#include <png.h>
#include <sys/stat.h>
#include <unistd.h>

#include "ui/platform/run_time_library.h"
#include "ui/words/texts.h"

namespace pintaloo {

namespace {

// ---- the words the grown-up reads ---------------------------------------
// Each refusal's words, from the one table every language follows.
struct Words {
    PictureRefusal why;
    TextId text;
    std::optional<TextId> more;  // a second line, where one helps
};
constexpr Words kRefusalWords[] = {
    {PictureRefusal::Unreadable, TextId::PictureUnreadable, std::nullopt},
    {PictureRefusal::NotAPicture, TextId::NotAPicture, TextId::PictureKinds},
    {PictureRefusal::TooLarge, TextId::PictureTooLarge, std::nullopt},
    {PictureRefusal::Damaged, TextId::PictureDamaged, std::nullopt},
    {PictureRefusal::TooSlow, TextId::PictureTooSlow, std::nullopt},
};

// ---- small byte readers, all bounds-checked by their callers -------------
using Bytes = const std::uint8_t*;
std::uint32_t Le32(Bytes b) {
    return std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 | std::uint32_t(b[3]) << 24;
}
std::uint32_t Le16(Bytes b) { return std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8; }
std::uint32_t Be32(Bytes b) {
    return std::uint32_t(b[0]) << 24 | std::uint32_t(b[1]) << 16 | std::uint32_t(b[2]) << 8 | std::uint32_t(b[3]);
}
std::uint32_t Be16(Bytes b) { return std::uint32_t(b[0]) << 8 | std::uint32_t(b[1]); }

struct Checked {
    PictureHeader header;
    PictureRefusal why = PictureRefusal::None;
};
Checked Refuse(PictureRefusal why) { return {{}, why}; }

// Sizes within the limits, checked before anything that big exists.
PictureRefusal SizeVerdict(qint64 width, qint64 height) {
    if (width <= 0 || height <= 0) return PictureRefusal::Damaged;
    if (width > PictureLimits::kMaxSide || height > PictureLimits::kMaxSide ||
        width * height > PictureLimits::kMaxPixels)
        return PictureRefusal::TooLarge;
    return PictureRefusal::None;
}

Checked Accept(PictureFormat format, qint64 width, qint64 height) {
    if (const PictureRefusal why = SizeVerdict(width, height); why != PictureRefusal::None) return Refuse(why);
    return {{format, QSize(int(width), int(height))}, PictureRefusal::None};
}

// ---- bitmaps ---------------------------------------------------------------
// Header sizes the bitmap formats define: the old OS/2 one, its short and
// long second versions, and the Windows ones from 40 bytes up.
constexpr std::uint32_t kBitmapHeaderSizes[] = {12, 16, 40, 52, 56, 64, 108, 124};
constexpr std::uint32_t kBitmapBits[] = {1, 2, 4, 8, 16, 24, 32};

enum : std::uint32_t {
    kRgb = 0,
    kRle8 = 1,
    kRle4 = 2,
    kBitFields = 3,
    kJpegInBmp = 4,
    kPngInBmp = 5,
    kAlphaBitFields = 6
};

// Which bit depths each compression allows.
struct CompressionRule {
    std::uint32_t compression;
    std::uint32_t bits[3];
};
constexpr CompressionRule kCompressionRules[] = {
    {kRgb, {0, 0, 0}},  // any depth
    {kRle8, {8, 8, 8}}, {kRle4, {4, 4, 4}}, {kBitFields, {16, 32, 32}}, {kAlphaBitFields, {16, 32, 32}},
};

// A density far beyond any printer or screen (about 25,000 dots per inch)
// is a header that lies.
constexpr qint64 kMaxDensity = 1'000'000;  // pixels per metre

bool Contains(std::initializer_list<std::uint32_t> list, std::uint32_t v) {
    for (const std::uint32_t x : list)
        if (x == v) return true;
    return false;
}
template <std::size_t N>
bool Contains(const std::uint32_t (&list)[N], std::uint32_t v) {
    for (const std::uint32_t x : list)
        if (x == v) return true;
    return false;
}

// A colour mask must be one run of bits inside the pixel.
bool MaskIsRun(std::uint32_t mask, std::uint32_t bits) {
    if (mask == 0) return false;
    if (bits < 32 && (mask >> bits) != 0) return false;
    const std::uint32_t low = mask & (~mask + 1);  // lowest set bit
    const std::uint32_t run = mask + low;          // carries out of the run
    return (run & mask) == 0;
}

// Walks run-length data without drawing it. Every run must stay inside its
// row, every index inside the palette, the data must end with its end
// marker, and at least one pixel must be set.
PictureRefusal CheckRunLengths(Bytes p, Bytes end, qint64 width, qint64 height, bool fourBit, std::uint32_t colours) {
    qint64 x = 0, y = 0;
    bool painted = false;
    const auto indexOk = [&](std::uint32_t byte) {
        return fourBit ? (byte >> 4) < colours && (byte & 15) < colours : byte < colours;
    };
    while (true) {
        if (end - p < 2) return PictureRefusal::Damaged;  // no end marker: cut short
        const std::uint32_t count = p[0], value = p[1];
        p += 2;
        if (count > 0) {
            if (y >= height || x + count > width) return PictureRefusal::Damaged;
            // A four-bit run of one pixel uses only the high half.
            if (fourBit && count == 1 ? (value >> 4) >= colours : !indexOk(value)) return PictureRefusal::Damaged;
            x += count;
            painted = true;
            continue;
        }
        switch (value) {
            case 0:  // end of row
                x = 0;
                ++y;
                if (y > height) return PictureRefusal::Damaged;
                break;
            case 1:  // end of picture
                return painted ? PictureRefusal::None : PictureRefusal::Damaged;
            case 2:  // move right and up
                if (end - p < 2) return PictureRefusal::Damaged;
                x += p[0];
                y += p[1];
                p += 2;
                if (x > width || y > height) return PictureRefusal::Damaged;
                break;
            default: {  // `value` pixels stored as they are, padded to two bytes
                const qint64 stored = fourBit ? (value + 1) / 2 : value;
                const qint64 padded = (stored + 1) / 2 * 2;
                if (end - p < padded || y >= height || x + value > width) return PictureRefusal::Damaged;
                for (qint64 i = 0; i < stored; ++i) {
                    const bool lastHalf = fourBit && (value & 1) && i == stored - 1;
                    if (lastHalf ? (p[i] >> 4) >= colours : !indexOk(p[i])) return PictureRefusal::Damaged;
                }
                p += padded;
                x += value;
                painted = true;
            }
        }
    }
}

// Every stored palette index of an uncompressed picture inside the palette.
bool IndicesInPalette(Bytes data, qint64 stride, qint64 width, qint64 height, std::uint32_t bits,
                      std::uint32_t colours) {
    if (colours >= (1u << bits)) return true;
    const std::uint32_t perByte = 8 / bits, mask = (1u << bits) - 1;
    for (qint64 row = 0; row < height; ++row) {
        Bytes r = data + row * stride;
        for (qint64 x = 0; x < width; ++x) {
            const std::uint32_t byte = r[x / perByte];
            const std::uint32_t shift = 8 - bits * std::uint32_t(x % perByte + 1);
            if (((byte >> shift) & mask) >= colours) return false;
        }
    }
    return true;
}

Checked CheckBitmap(Bytes b, qint64 n) {
    if (n < 26) return Refuse(PictureRefusal::Damaged);
    const std::uint32_t fileSize = Le32(b + 2), offBits = Le32(b + 10), headerSize = Le32(b + 14);
    if (fileSize != 0 && fileSize > n) return Refuse(PictureRefusal::Damaged);  // claims more than is there
    if (!Contains(kBitmapHeaderSizes, headerSize) || n < 14 + qint64(headerSize))
        return Refuse(PictureRefusal::Damaged);

    qint64 width, signedHeight;
    std::uint32_t planes, bits, compression = kRgb, imageSize = 0, coloursUsed = 0, paletteEntry = 4;
    qint64 densityX = 0, densityY = 0;
    if (headerSize == 12) {
        width = Le16(b + 18);
        signedHeight = Le16(b + 20);
        planes = Le16(b + 22);
        bits = Le16(b + 24);
        paletteEntry = 3;
    } else {
        width = qint32(Le32(b + 18));
        signedHeight = qint32(Le32(b + 22));
        planes = Le16(b + 26);
        bits = Le16(b + 28);
        if (headerSize >= 40) {
            compression = Le32(b + 30);
            imageSize = Le32(b + 34);
            densityX = qint32(Le32(b + 38));
            densityY = qint32(Le32(b + 42));
            coloursUsed = Le32(b + 46);
        }
    }
    if (planes != 1 || !Contains(kBitmapBits, bits)) return Refuse(PictureRefusal::Damaged);
    if (compression == kJpegInBmp || compression == kPngInBmp) return Refuse(PictureRefusal::NotAPicture);
    const CompressionRule* rule = nullptr;
    for (const CompressionRule& r : kCompressionRules)
        if (r.compression == compression) rule = &r;
    if (!rule || (rule->bits[0] != 0 && !Contains({rule->bits[0], rule->bits[1], rule->bits[2]}, bits)))
        return Refuse(PictureRefusal::Damaged);
    const bool runLengths = compression == kRle8 || compression == kRle4;
    // Only plain rows may be stored from the top down.
    if (width <= 0 || signedHeight == 0 || (signedHeight < 0 && runLengths)) return Refuse(PictureRefusal::Damaged);
    const qint64 height = std::abs(signedHeight);
    if (const PictureRefusal why = SizeVerdict(width, height); why != PictureRefusal::None) return Refuse(why);
    if (densityX < 0 || densityY < 0 || densityX > kMaxDensity || densityY > kMaxDensity)
        return Refuse(PictureRefusal::Damaged);

    // Colour masks follow a 40-byte header; longer headers hold them.
    qint64 paletteStart = 14 + qint64(headerSize);
    if (compression == kBitFields || compression == kAlphaBitFields) {
        const qint64 masksAt = 14 + 40;
        const int masks = compression == kAlphaBitFields ? 4 : 3;
        if (headerSize == 40) paletteStart += 4 * masks;
        if (n < masksAt + 12) return Refuse(PictureRefusal::Damaged);
        std::uint32_t seen = 0;
        for (int i = 0; i < 3; ++i) {
            const std::uint32_t mask = Le32(b + masksAt + 4 * i);
            if (!MaskIsRun(mask, bits) || (mask & seen)) return Refuse(PictureRefusal::Damaged);
            seen |= mask;
        }
    }
    if (qint64(offBits) < paletteStart || qint64(offBits) > n) return Refuse(PictureRefusal::Damaged);

    std::uint32_t colours = 0;
    if (bits <= 8) {
        const std::uint32_t most = 1u << bits;
        const qint64 room = (qint64(offBits) - paletteStart) / paletteEntry;
        if (coloursUsed > most || qint64(coloursUsed) > room) return Refuse(PictureRefusal::Damaged);
        colours = coloursUsed ? coloursUsed : std::uint32_t(std::min<qint64>(most, room));
        if (colours == 0) return Refuse(PictureRefusal::Damaged);
    }

    Bytes data = b + offBits;
    const qint64 dataBytes = n - qint64(offBits);
    if (imageSize != 0 && qint64(imageSize) > dataBytes) return Refuse(PictureRefusal::Damaged);
    if (runLengths) {
        const PictureRefusal why = CheckRunLengths(data, b + n, width, height, compression == kRle4, colours);
        if (why != PictureRefusal::None) return Refuse(why);
    } else {
        const qint64 stride = (width * bits + 31) / 32 * 4;
        if (dataBytes < stride * height) return Refuse(PictureRefusal::Damaged);
        if (bits <= 8 && !IndicesInPalette(data, stride, width, height, bits, colours))
            return Refuse(PictureRefusal::Damaged);
    }
    return Accept(PictureFormat::Bmp, width, height);
}

// ---- PNG -------------------------------------------------------------------
std::uint32_t Crc32(Bytes p, qint64 n) {
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xFFFFFFFFu;
    for (qint64 i = 0; i < n; ++i) c = table[(c ^ p[i]) & 255] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

// Chunk by chunk to the end marker, each chunk whole and its checksum right.
Checked CheckPng(Bytes b, qint64 n) {
    qint64 p = 8;
    qint64 width = 0, height = 0;
    bool header = false, data = false;
    while (true) {
        if (n - p < 12) return Refuse(PictureRefusal::Damaged);
        const qint64 length = Be32(b + p);
        if (length > n - p - 12) return Refuse(PictureRefusal::Damaged);
        Bytes type = b + p + 4;
        Bytes body = b + p + 8;
        const auto is = [&](const char* name) { return std::equal(type, type + 4, name); };
        if (!header) {  // the size is judged first: a hostile one is told as such
            if (!is("IHDR") || length != 13) return Refuse(PictureRefusal::Damaged);
            width = Be32(body);
            height = Be32(body + 4);
            if (const PictureRefusal why = SizeVerdict(width, height); why != PictureRefusal::None) return Refuse(why);
            header = true;
        }
        if (Crc32(type, length + 4) != Be32(body + length)) return Refuse(PictureRefusal::Damaged);
        if (is("IDAT")) {
            data = true;
        } else if (is("IEND")) {
            return data ? Accept(PictureFormat::Png, width, height) : Refuse(PictureRefusal::Damaged);
        }
        p += 12 + length;
    }
}

// Decoded by libpng rather than Qt's reader: Qt 6.4's scrambles 16-bit
// truecolour with a transparent colour. libpng expands every colour type and
// depth (palettes, grey, transparency chunks, interlacing) to 8-bit colour
// with alpha in one tested place. Its simplified reader would do the same in
// fewer lines, but the one Debian 12 ships mixes up the rows of interlaced
// 16-bit pictures. No gamma is applied, as neither Qt nor other viewers do
// for ordinary files.
struct PngSource {
    const std::uint8_t* at;
    std::size_t left;
};

void PngRead(png_structp png, png_bytep out, std::size_t n) {
    auto* source = static_cast<PngSource*>(png_get_io_ptr(png));
    if (n > source->left) png_error(png, "cut short");
    std::memcpy(out, source->at, n);
    source->at += n;
    source->left -= n;
}

void PngWarning(png_structp, png_const_charp) {}  // never printed: a refusal says enough

// True when the rows were filled. Everything it changes is reached through
// its arguments, so an error's jump back loses nothing.
bool ReadPngRows(png_structp png, png_infop info, PngSource& source, QSize size, png_bytepp rows) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_read_fn(png, &source, PngRead);
    png_set_user_limits(png, png_uint_32(size.width()), png_uint_32(size.height()));
    png_read_info(png, info);
    if (qint64(png_get_image_width(png, info)) != size.width() ||
        qint64(png_get_image_height(png, info)) != size.height())
        return false;
    png_set_expand(png);    // palette to colour, small greys to 8 bits, a transparency chunk to alpha
    png_set_scale_16(png);  // 16 bits to 8, rounded
    png_set_gray_to_rgb(png);
    // The words as QImage::Format_ARGB32 and the canvas hold them; opaque
    // where the file has no alpha.
    if (Q_BYTE_ORDER == Q_LITTLE_ENDIAN) {
        png_set_bgr(png);
        png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    } else {
        png_set_swap_alpha(png);
        png_set_filler(png, 0xFF, PNG_FILLER_BEFORE);
    }
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (qint64(png_get_rowbytes(png, info)) != qint64(size.width()) * 4) return false;
    png_read_image(png, rows);
    png_read_end(png, nullptr);
    return true;
}

bool DecodePng(const QByteArray& bytes, QSize size, std::uint32_t* pixels) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, PngWarning);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    std::vector<png_bytep> rows(std::size_t(size.height()));
    for (std::size_t y = 0; y < rows.size(); ++y)
        rows[y] = reinterpret_cast<png_bytep>(pixels + y * std::size_t(size.width()));
    PngSource source{reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())};
    const bool ok = info && ReadPngRows(png, info, source, size, rows.data());
    png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
    return ok;
}

// ---- JPEG ------------------------------------------------------------------
bool IsFrameMarker(std::uint32_t m) { return m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC; }

// Marker by marker to the end marker, stepping over the compressed data of
// each scan. The scans are counted and, for a picture sent in several scans,
// the memory its coefficients will need is worked out from the frame.
Checked CheckJpeg(Bytes b, qint64 n) {
    qint64 p = 2;
    qint64 width = 0, height = 0, coefficientBytes = 0;
    int scans = 0;
    bool frame = false;
    while (true) {
        if (n - p < 2 || b[p] != 0xFF) return Refuse(PictureRefusal::Damaged);
        while (p + 1 < n && b[p + 1] == 0xFF) ++p;  // fill bytes
        if (n - p < 2) return Refuse(PictureRefusal::Damaged);
        const std::uint32_t marker = b[p + 1];
        p += 2;
        if (marker == 0xD9) {  // end of picture
            if (!frame || scans == 0) return Refuse(PictureRefusal::Damaged);
            if (scans > 1 && coefficientBytes > PictureLimits::kMaxJpegCoefficientBytes)
                return Refuse(PictureRefusal::TooLarge);
            return Accept(PictureFormat::Jpeg, width, height);
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue;  // markers without a segment
        if (marker == 0xD8 || marker == 0x00) return Refuse(PictureRefusal::Damaged);
        if (n - p < 2) return Refuse(PictureRefusal::Damaged);
        const qint64 length = Be16(b + p);
        if (length < 2 || length > n - p) return Refuse(PictureRefusal::Damaged);
        Bytes s = b + p + 2;
        const qint64 body = length - 2;
        if (IsFrameMarker(marker)) {
            if (frame || body < 6) return Refuse(PictureRefusal::Damaged);
            frame = true;
            height = Be16(s + 1);
            width = Be16(s + 3);
            const qint64 components = s[5];
            if (components == 0 || body < 6 + 3 * components) return Refuse(PictureRefusal::Damaged);
            if (const PictureRefusal why = SizeVerdict(width, height); why != PictureRefusal::None) return Refuse(why);
            qint64 hMax = 1, vMax = 1;
            for (qint64 c = 0; c < components; ++c) {
                hMax = std::max<qint64>(hMax, s[7 + 3 * c] >> 4);
                vMax = std::max<qint64>(vMax, s[7 + 3 * c] & 15);
            }
            for (qint64 c = 0; c < components; ++c) {
                const qint64 h = std::max<qint64>(1, s[7 + 3 * c] >> 4), v = std::max<qint64>(1, s[7 + 3 * c] & 15);
                const qint64 blocksAcross = ((width * h + hMax - 1) / hMax + 7) / 8 + hMax;
                const qint64 blocksDown = ((height * v + vMax - 1) / vMax + 7) / 8 + vMax;
                coefficientBytes += blocksAcross * blocksDown * 64 * 2;
            }
        } else if (marker == 0xDA) {  // a scan: its header, then compressed data up to the next marker
            if (!frame) return Refuse(PictureRefusal::Damaged);
            if (++scans > PictureLimits::kMaxJpegScans) return Refuse(PictureRefusal::Damaged);
            p += length;
            while (p + 1 < n && !(b[p] == 0xFF && b[p + 1] != 0x00 && !(b[p + 1] >= 0xD0 && b[p + 1] <= 0xD7))) ++p;
            if (p + 1 >= n) return Refuse(PictureRefusal::Damaged);  // data ends inside a scan
            continue;
        }
        p += length;
    }
}

// Decoded by libjpeg itself rather than through Qt's reader, which fills
// whatever the data does not reach with grey and calls the picture whole:
// libjpeg tells such a file (data ending early, or a marker where data
// should be) with a warning, and Qt offers no way to hear it. The library
// is the one Qt's JPEG plugin uses, opened with the first JPEG rather than
// at every start (run_time_library.h).
struct JpegLibrary {
    decltype(&::jpeg_std_error) stdError;
    decltype(&::jpeg_CreateDecompress) createDecompress;
    decltype(&::jpeg_mem_src) memorySource;
    decltype(&::jpeg_read_header) readHeader;
    decltype(&::jpeg_start_decompress) startDecompress;
    decltype(&::jpeg_read_scanlines) readScanlines;
    decltype(&::jpeg_finish_decompress) finishDecompress;
    decltype(&::jpeg_destroy_decompress) destroyDecompress;
};

bool FindJpeg(void* library, JpegLibrary& t) {
    return FindFunction(library, "jpeg_std_error", t.stdError) &&
           FindFunction(library, "jpeg_CreateDecompress", t.createDecompress) &&
           FindFunction(library, "jpeg_mem_src", t.memorySource) &&
           FindFunction(library, "jpeg_read_header", t.readHeader) &&
           FindFunction(library, "jpeg_start_decompress", t.startDecompress) &&
           FindFunction(library, "jpeg_read_scanlines", t.readScanlines) &&
           FindFunction(library, "jpeg_finish_decompress", t.finishDecompress) &&
           FindFunction(library, "jpeg_destroy_decompress", t.destroyDecompress);
}

struct JpegErrors {
    jpeg_error_mgr manager;  // first: libjpeg hands back a pointer to it
    std::jmp_buf failed;
    bool cutShort = false;
};

[[noreturn]] void JpegFailed(j_common_ptr info) { std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->failed, 1); }

// Warnings are only counted, never printed.
void JpegMessage(j_common_ptr info, int level) {
    auto* errors = reinterpret_cast<JpegErrors*>(info->err);
    const int code = errors->manager.msg_code;
    if (level < 0 && (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER)) errors->cutShort = true;
}

// Everything one decode changes, so an error's jump back loses nothing.
struct JpegJob {
    const JpegLibrary* library = nullptr;
    jpeg_decompress_struct info{};
    JpegErrors errors{};
    QImage image;
    std::vector<std::uint8_t> cmykRow;
};

// True when the picture decoded whole at `size`.
bool RunJpeg(JpegJob& job, const QByteArray& bytes, QSize size) {
    const JpegLibrary& j = *job.library;
    jpeg_decompress_struct& info = job.info;
    info.err = j.stdError(&job.errors.manager);
    job.errors.manager.error_exit = JpegFailed;
    job.errors.manager.emit_message = JpegMessage;
    if (setjmp(job.errors.failed)) return false;
    j.createDecompress(&info, JPEG_LIB_VERSION, sizeof(info));
    j.memorySource(&info, reinterpret_cast<const unsigned char*>(bytes.constData()), static_cast<unsigned long>(bytes.size()));
    j.readHeader(&info, TRUE);
    if (qint64(info.image_width) != size.width() || qint64(info.image_height) != size.height()) return false;
    // Four-ink pictures come as their inks and are mixed below, as Qt does.
    const bool inks = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = inks ? JCS_CMYK : Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRA : JCS_EXT_ARGB;
    info.mem->max_memory_to_use = long(PictureLimits::kDecoderMegabytes) * 1024 * 1024;
    j.startDecompress(&info);
    if (qint64(info.output_width) != size.width() || qint64(info.output_height) != size.height()) return false;
    job.image = QImage(size, QImage::Format_RGB32);
    if (job.image.isNull()) return false;
    if (inks) job.cmykRow.resize(std::size_t(size.width()) * 4);
    while (info.output_scanline < info.output_height) {
        const int y = int(info.output_scanline);
        JSAMPROW row = inks ? job.cmykRow.data() : job.image.scanLine(y);
        if (j.readScanlines(&info, &row, 1) != 1) return false;
        if (!inks) continue;
        auto* out = reinterpret_cast<QRgb*>(job.image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const std::uint8_t* ink = row + 4 * x;
            out[x] = qRgb(ink[3] * ink[0] / 255, ink[3] * ink[1] / 255, ink[3] * ink[2] / 255);
        }
    }
    j.finishDecompress(&info);
    return !job.errors.cutShort;
}

// The picture, or nothing when the data is damaged or ends early; nullopt
// with `missing` set when libjpeg cannot be opened.
std::optional<QImage> DecodeJpeg(const QByteArray& bytes, QSize size, bool* missing) {
    JpegJob job;
    job.library = OpenOnce<JpegLibrary>("libjpeg.so.62", FindJpeg);
    *missing = job.library == nullptr;
    if (*missing) return std::nullopt;
    const bool whole = RunJpeg(job, bytes, size);
    job.library->destroyDecompress(&job.info);  // a no-op before it was made
    if (!whole) return std::nullopt;
    return std::move(job.image);
}

// Only one decode at a time: one abandoned after its time limit still runs
// to its end (the decoders cannot be interrupted), and the next waits for
// it, so at most one picture's worth of decoder memory is ever in use.
std::mutex& DecoderTurn() {
    static std::mutex turn;
    return turn;
}

}  // namespace

QByteArray ReadPictureFile(const QString& path, PictureRefusal* why, qint64 maxBytes, Links links, int* systemError) {
    const auto fail = [&](PictureRefusal r, int err) {
        if (why) *why = r;
        if (systemError) *systemError = err;
        return QByteArray();
    };
    // Not blocking: opening a pipe for reading would otherwise wait for a
    // writer for ever. The descriptor checked is the one read.
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | (links == Links::Refuse ? O_NOFOLLOW : 0));
    if (fd < 0) return fail(PictureRefusal::Unreadable, errno);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return fail(PictureRefusal::Unreadable, EFBIG);
    }
    if (st.st_size > maxBytes) {
        ::close(fd);
        return fail(PictureRefusal::TooLarge, EFBIG);
    }
    QByteArray bytes;
    bytes.resize(qsizetype(st.st_size));
    qint64 have = 0;
    int broken = 0;
    while (true) {
        if (have == bytes.size()) {  // read as far as its size said: at its end, or it grew
            if (bytes.size() >= maxBytes) {
                // Full at the cap: one byte more tells a file of exactly the
                // cap (taken) from one that grew past it.
                char more = 0;
                ssize_t extra = 0;
                do extra = ::read(fd, &more, 1);
                while (extra < 0 && errno == EINTR);
                if (extra == 0) break;
                ::close(fd);
                return extra < 0 ? fail(PictureRefusal::Unreadable, errno) : fail(PictureRefusal::TooLarge, EFBIG);
            }
            bytes.resize(qsizetype(std::min<qint64>(maxBytes, bytes.size() + 65536)));
        }
        const ssize_t got = ::read(fd, bytes.data() + have, std::size_t(bytes.size() - have));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) broken = errno;
        if (got <= 0) break;
        have += got;
    }
    ::close(fd);
    if (broken != 0) return fail(PictureRefusal::Unreadable, broken);
    bytes.truncate(qsizetype(have));
    if (why) *why = PictureRefusal::None;
    if (systemError) *systemError = 0;
    return bytes;
}

PictureFormat SniffPicture(const QByteArray& bytes) {
    struct Signature {
        const char* start;
        int length;
        PictureFormat format;
    };
    static constexpr Signature kSignatures[] = {
        {"BM", 2, PictureFormat::Bmp},
        {"\x89PNG\r\n\x1a\n", 8, PictureFormat::Png},
        {"\xFF\xD8\xFF", 3, PictureFormat::Jpeg},
    };
    for (const Signature& s : kSignatures)
        if (bytes.startsWith(QByteArrayView(s.start, s.length))) return s.format;
    return PictureFormat::None;
}

PictureHeader CheckPicture(const QByteArray& bytes, PictureRefusal* why) {
    const auto* b = reinterpret_cast<Bytes>(bytes.constData());
    const qint64 n = bytes.size();
    Checked checked = Refuse(PictureRefusal::NotAPicture);
    switch (SniffPicture(bytes)) {
        case PictureFormat::Bmp:
            checked = CheckBitmap(b, n);
            break;
        case PictureFormat::Png:
            checked = CheckPng(b, n);
            break;
        case PictureFormat::Jpeg:
            checked = CheckJpeg(b, n);
            break;
        case PictureFormat::None:
            break;
    }
    if (why) *why = checked.why;
    return checked.header;
}

bool DecodePngInto(const QByteArray& bytes, QSize size, std::uint32_t* pixels) {
    return DecodePng(bytes, size, pixels);
}

QString PngText(const QByteArray& bytes, const QString& name) {
    const QByteArray key = name.toLatin1();
    const auto* b = reinterpret_cast<Bytes>(bytes.constData());
    const qint64 n = bytes.size();
    // The chunks as CheckPng walked them: each whole, up to the end marker.
    for (qint64 p = 8; n - p >= 12;) {
        const qint64 length = Be32(b + p);
        if (length > n - p - 12) break;
        const QByteArrayView type(b + p + 4, 4), body(b + p + 8, length);
        if (type == QByteArrayView("IEND")) break;
        // "key", a zero byte, then the text.
        if (type == QByteArrayView("tEXt") && body.size() > key.size() && body.startsWith(QByteArrayView(key)) &&
            body[key.size()] == '\0')
            return QString::fromLatin1(body.sliced(key.size() + 1));
        p += 12 + length;
    }
    return {};
}

PictureResult DecodePicture(const QByteArray& bytes) {
    PictureResult out;
    const PictureHeader header = CheckPicture(bytes, &out.refusal);
    if (out.refusal != PictureRefusal::None) return out;
    if (header.format == PictureFormat::Png) {
        QImage image(header.size, QImage::Format_ARGB32);  // rows of exactly width words
        out.refusal = image.isNull() ? PictureRefusal::TooLarge : PictureRefusal::Damaged;
        if (image.isNull() || !DecodePng(bytes, header.size, reinterpret_cast<std::uint32_t*>(image.bits())))
            return out;
        out.image = std::move(image);
        out.refusal = PictureRefusal::None;
        return out;
    }
    if (header.format == PictureFormat::Jpeg) {
        bool missing = false;
        std::optional<QImage> image = DecodeJpeg(bytes, header.size, &missing);
        if (!missing) {
            if (!image) out.refusal = PictureRefusal::Damaged;
            else out.image = std::move(*image);
            return out;
        }
        // Without libjpeg of its own the program still opens JPEGs through
        // Qt's plugin, as it did before.
    }
    static constexpr const char* kQtFormat[] = {"", "bmp", "png", "jpeg"};
    QByteArray data = bytes;  // shared, not copied
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, kQtFormat[int(header.format)]);
    reader.setDecideFormatFromContent(false);
    reader.setAutoDetectImageFormat(false);  // no other plugin is asked to guess
    reader.setAutoTransform(false);
    // A limit shared by every reader in the program: set once, not raced.
    static std::once_flag limitSet;
    std::call_once(limitSet, [] { QImageReader::setAllocationLimit(PictureLimits::kDecoderMegabytes); });
    const QSize qtSize(reader.size().width(), std::abs(reader.size().height()));
    out.refusal = PictureRefusal::Damaged;
    if (!reader.canRead() || qtSize != header.size) return out;  // Qt reads the header differently
    // Decoded into a cleared picture: pixels a file legitimately skips (runs
    // that move ahead) come out the same every time, not as leftover memory.
    QImage image;
    if (reader.imageFormat() != QImage::Format_Invalid) {
        image = QImage(header.size, reader.imageFormat());
        if (!image.isNull()) image.fill(0);
    }
    if (!reader.read(&image) || image.isNull() || image.size() != header.size) return out;
    out.image = std::move(image);
    out.refusal = PictureRefusal::None;
    return out;
}

PictureResult DecodePictureWithin(const QByteArray& bytes, std::chrono::milliseconds limit,
                                  const std::function<void(bool)>& waiting) {
    // The worker owns everything it touches (the bytes are shared, the
    // result goes through the future), so abandoning it is safe. A picture
    // past the limit keeps its worker busy until the decoder finishes, with
    // the decoder's memory capped as above.
    std::packaged_task<PictureResult()> task([bytes] {
        std::lock_guard<std::mutex> turn(DecoderTurn());
        return DecodePicture(bytes);
    });
    std::future<PictureResult> answer = task.get_future();
    std::thread(std::move(task)).detach();
    if (waiting) waiting(true);
    const auto deadline = std::chrono::steady_clock::now() + limit;
    if (waiting && QCoreApplication::instance() &&
        QThread::currentThread() == QCoreApplication::instance()->thread()) {
        // The window keeps drawing (the wait note shows) but takes no clicks
        // until the answer is in. A caller that shows nothing while it waits
        // (a film's hidden window, a check of a story) lets nothing run.
        QEventLoop loop;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            if (answer.wait_for(std::chrono::milliseconds(0)) == std::future_status::ready ||
                std::chrono::steady_clock::now() >= deadline)
                loop.quit();
        });
        poll.start(10);
        if (answer.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
            loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    const bool ready = answer.wait_until(deadline) == std::future_status::ready;
    if (waiting) waiting(false);
    if (!ready) return {QImage(), PictureRefusal::TooSlow};
    return answer.get();
}

PictureResult OpenPicture(const QString& path, std::chrono::milliseconds limit,
                          const std::function<void(bool)>& waiting) {
    PictureResult out;
    const QByteArray bytes = ReadPictureFile(path, &out.refusal);
    if (out.refusal != PictureRefusal::None) return out;
    return DecodePictureWithin(bytes, limit, waiting);
}

void FinishPictureDecoding() { std::lock_guard<std::mutex> turn(DecoderTurn()); }

QString RefusalTitle(Language language) { return Text(TextId::OpenFailedTitle, language); }

QString RefusalText(PictureRefusal why, Language language) {
    for (const Words& w : kRefusalWords) {
        if (w.why != why) continue;
        QString text = Text(w.text, language);
        if (w.more) text += QLatin1Char('\n') + Text(*w.more, language);
        return text + QStringLiteral("\n\n") + Text(TextId::DrawingStillThere, language);
    }
    return {};
}

}  // namespace pintaloo
