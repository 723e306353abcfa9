// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/files/png_story.h"

#include <zlib.h>

#include <QBuffer>
#include <QImageWriter>
#include <algorithm>
#include <cstdint>

#include "ui/files/picture_reader.h"
#include "ui/files/story_limits.h"

namespace pintaloo {

namespace {

constexpr char kSignature[] = "\x89PNG\r\n\x1a\n";
constexpr qint64 kSignatureBytes = 8;
// A chunk's length field, as the format allows it.
constexpr qint64 kMaxChunkBytes = 0x7FFFFFFF;

std::uint32_t Be32(const char* p) {
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    return std::uint32_t(u[0]) << 24 | std::uint32_t(u[1]) << 16 | std::uint32_t(u[2]) << 8 | std::uint32_t(u[3]);
}

void PutBe32(QByteArray& out, std::uint32_t v) {
    const char b[4] = {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
    out.append(b, 4);
}

// One chunk: length, type, body, and the checksum of type and body.
bool AppendChunk(QByteArray& out, const char* type, const QByteArray& body) {
    if (body.size() > kMaxChunkBytes) return false;
    PutBe32(out, std::uint32_t(body.size()));
    const qsizetype at = out.size();
    out.append(type, 4);
    out.append(body);
    uLong crc = crc32(0L, Z_NULL, 0);
    crc = crc32_z(crc, reinterpret_cast<const Bytef*>(out.constData() + at), std::size_t(4 + body.size()));
    PutBe32(out, std::uint32_t(crc));
    return true;
}

struct Chunk {
    QByteArrayView type, body;
    qint64 at = 0;  // where its length field starts
};

// Walks the chunks up to the end marker; false for a file that is no PNG
// or whose chunks are cut short or fail their checksums.
template <typename Visit>
bool WalkChunks(const QByteArray& png, Visit visit) {
    const qint64 n = png.size();
    if (n < kSignatureBytes || !png.startsWith(QByteArrayView(kSignature, kSignatureBytes))) return false;
    for (qint64 p = kSignatureBytes;;) {
        if (n - p < 12) return false;
        const qint64 length = Be32(png.constData() + p);
        if (length > n - p - 12) return false;
        const char* type = png.constData() + p + 4;
        const uLong crc = crc32_z(crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef*>(type), std::size_t(length + 4));
        if (std::uint32_t(crc) != Be32(type + 4 + length)) return false;
        const Chunk chunk{QByteArrayView(type, 4), QByteArrayView(type + 4, length), p};
        if (chunk.type == QByteArrayView("IEND")) return visit(chunk), true;
        if (!visit(chunk)) return true;  // the visitor has what it wanted
        p += 12 + length;
    }
}

QByteArray StoryKeyPrefix() { return QByteArray(kPngStoryKey) + '\0'; }

// Inflates a zlib stream, giving up past `cap` bytes of output.
PngStoryRefusal Inflate(QByteArrayView in, qint64 cap, std::string* out) {
    z_stream z{};
    if (inflateInit(&z) != Z_OK) return PngStoryRefusal::Damaged;
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.data()));
    z.avail_in = uInt(in.size());
    char buffer[64 * 1024];
    PngStoryRefusal why = PngStoryRefusal::None;
    while (true) {
        z.next_out = reinterpret_cast<Bytef*>(buffer);
        z.avail_out = sizeof buffer;
        const int r = inflate(&z, Z_NO_FLUSH);
        const std::size_t got = sizeof buffer - z.avail_out;
        if (qint64(out->size()) + qint64(got) > cap) {
            why = PngStoryRefusal::TooLarge;
            break;
        }
        out->append(buffer, got);
        if (r == Z_STREAM_END) break;
        // Input used up before the stream's end, or data that is not deflate.
        if (r != Z_OK || (z.avail_in == 0 && got == 0)) {
            why = PngStoryRefusal::Damaged;
            break;
        }
    }
    inflateEnd(&z);
    if (why != PngStoryRefusal::None) out->clear();
    return why;
}

}  // namespace

QByteArray AddStoryToPng(const QByteArray& png, const std::string& story, const std::vector<StoryPicture>& pictures) {
    if (story.empty()) return png;
    qint64 end = -1;
    if (!WalkChunks(png, [&](const Chunk& c) {
            if (c.type == QByteArrayView("IEND")) end = c.at;
            return true;
        }) ||
        end < 0)
        return png;
    QByteArray text = StoryKeyPrefix();
    text.append('\0');  // compression method: deflate
    uLongf packed = compressBound(uLong(story.size()));
    const qsizetype head = text.size();
    text.resize(head + qsizetype(packed));
    if (compress2(reinterpret_cast<Bytef*>(text.data() + head), &packed, reinterpret_cast<const Bytef*>(story.data()),
                  uLong(story.size()), Z_BEST_COMPRESSION) != Z_OK)
        return png;
    text.resize(head + qsizetype(packed));
    QByteArray out = png.left(end);
    if (!AppendChunk(out, "zTXt", text)) return png;
    for (const StoryPicture& picture : pictures) {
        QByteArray body = QByteArray::fromStdString(picture.name);
        body.append('\0');
        body.append(picture.bytes);
        if (!AppendChunk(out, kPngPictureChunk, body)) return png;
    }
    out.append(png.mid(end));
    return out;
}

QByteArray EncodeDrawingPng(const QImage& drawing, const std::string& story, const std::vector<StoryPicture>& pictures,
                            QString* why) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "png");
        if (!writer.write(drawing)) {
            if (why) *why = writer.errorString();
            return {};
        }
    }
    return AddStoryToPng(bytes, story, pictures);
}

PngStory ReadPngStory(const QByteArray& png) {
    PngStory out;
    const QByteArray key = StoryKeyPrefix();
    QByteArrayView packed;
    std::vector<Chunk> pictures;
    const bool whole = WalkChunks(png, [&](const Chunk& c) {
        if (c.type == QByteArrayView("zTXt") && c.body.startsWith(key) && !out.found) {
            out.found = true;
            packed = c.body.sliced(key.size());
        } else if (c.type == QByteArrayView(kPngPictureChunk)) {
            // Counted before anything is copied: a file of a million tiny
            // chunks costs one walk.
            if (pictures.size() >= StoryLimits::kMaxPictures) {
                out.refusal = PngStoryRefusal::TooMany;
                return false;
            }
            pictures.push_back(c);
        }
        return true;
    });
    if (!whole && out.refusal == PngStoryRefusal::None) {
        // A PNG cut short or altered: a story may lie past the damage, and
        // none before it is trusted. (The picture itself is refused too.)
        out = {};
        out.found = png.startsWith(QByteArrayView(kSignature, kSignatureBytes));
        if (out.found) out.refusal = PngStoryRefusal::Damaged;
        return out;
    }
    if (out.refusal != PngStoryRefusal::None) return out;
    if (!out.found) {
        out.found = !pictures.empty();
        if (out.found) out.refusal = PngStoryRefusal::Damaged;  // pictures without a story to name them
        return out;
    }
    if (packed.isEmpty() || packed[0] != '\0') {
        out.refusal = PngStoryRefusal::Damaged;
        return out;
    }
    out.refusal = Inflate(packed.sliced(1), StoryLimits::kMaxBytes, &out.text);
    if (out.refusal != PngStoryRefusal::None) return out;
    StoryPixels pixels;
    for (const Chunk& c : pictures) {
        const qsizetype zero = c.body.indexOf('\0');
        // A name the story could write as one word of its own: no slashes,
        // no parent folder, not empty.
        const QByteArrayView name = zero < 0 ? QByteArrayView() : c.body.first(zero);
        if (name.isEmpty() || name.size() > 255 || name.contains('/') || name.contains('\n') || name == "." ||
            name == "..") {
            out.refusal = PngStoryRefusal::BadPicture;
            break;
        }
        if (c.body.size() - zero - 1 > PictureLimits::kMaxFileBytes) {
            out.refusal = PngStoryRefusal::TooLarge;
            break;
        }
        // Every picture is decoded when the story is checked: their sizes,
        // read from their headers without decoding, are added up first, so
        // a story beyond them is never written out to be checked.
        const QByteArray bytes = c.body.sliced(zero + 1).toByteArray();
        if (!pixels.add(bytes)) {
            out.refusal = PngStoryRefusal::TooLarge;
            break;
        }
        out.pictures.push_back({name.toByteArray().toStdString(), bytes});
    }
    if (out.refusal != PngStoryRefusal::None) {
        out.text.clear();
        out.pictures.clear();
    }
    return out;
}

bool PngHasStory(const QByteArray& png) {
    const QByteArray key = StoryKeyPrefix();
    bool found = false;
    WalkChunks(png, [&](const Chunk& c) {
        found = c.type == QByteArrayView("zTXt") && c.body.startsWith(key);
        return !found;
    });
    return found;
}

}  // namespace pintaloo
