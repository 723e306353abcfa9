// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/picture_reader.h"

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
#include <future>
#include <mutex>
#include <optional>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "media/texts.h"

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

// Only one decode at a time: one abandoned after its time limit still runs
// to its end (the decoders cannot be interrupted), and the next waits for
// it, so at most one picture's worth of decoder memory is ever in use.
std::mutex& DecoderTurn() {
    static std::mutex turn;
    return turn;
}

}  // namespace

QByteArray ReadPictureFile(const QString& path, PictureRefusal* why) {
    const auto fail = [&](PictureRefusal r) {
        if (why) *why = r;
        return QByteArray();
    };
    // Not blocking: opening a pipe for reading would otherwise wait for a
    // writer for ever. The descriptor checked is the one read.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return fail(PictureRefusal::Unreadable);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return fail(PictureRefusal::Unreadable);
    }
    if (st.st_size > PictureLimits::kMaxFileBytes) {
        ::close(fd);
        return fail(PictureRefusal::TooLarge);
    }
    QByteArray bytes;
    bytes.resize(qsizetype(st.st_size));
    qint64 have = 0;
    bool broken = false;
    while (true) {
        if (have == bytes.size()) {  // the file grew while being read
            if (bytes.size() >= PictureLimits::kMaxFileBytes) {
                ::close(fd);
                return fail(PictureRefusal::TooLarge);
            }
            bytes.resize(std::min<qsizetype>(PictureLimits::kMaxFileBytes, bytes.size() + 65536));
        }
        const ssize_t got = ::read(fd, bytes.data() + have, std::size_t(bytes.size() - have));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) broken = true;
        if (got <= 0) break;
        have += got;
    }
    ::close(fd);
    if (broken) return fail(PictureRefusal::Unreadable);
    bytes.truncate(qsizetype(have));
    if (why) *why = PictureRefusal::None;
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

PictureResult DecodePicture(const QByteArray& bytes) {
    PictureResult out;
    const PictureHeader header = CheckPicture(bytes, &out.refusal);
    if (out.refusal != PictureRefusal::None) return out;
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
    if (QCoreApplication::instance() && QThread::currentThread() == QCoreApplication::instance()->thread()) {
        // The window keeps drawing (the wait note shows) but takes no clicks
        // until the answer is in.
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
