// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An animated WebP read back with libwebp's own decoder, frame by frame.
#include <QByteArray>
#include <QImage>
#include <vector>

#include <webp/demux.h>

namespace pintaloo::test {

struct DecodedFrame {
    QImage image;
    int endMs;  // libwebp gives each frame's end time
};

struct DecodedFilm {
    bool ok = false;
    int width = 0, height = 0, frameCount = 0, loopCount = -1;
    std::vector<DecodedFrame> frames;
};

inline DecodedFilm DecodeWebP(const QByteArray& bytes) {
    DecodedFilm film;
    WebPData data{reinterpret_cast<const uint8_t*>(bytes.constData()), std::size_t(bytes.size())};
    WebPAnimDecoderOptions options;
    if (!WebPAnimDecoderOptionsInit(&options)) return film;
    options.color_mode = MODE_RGBA;
    WebPAnimDecoder* dec = WebPAnimDecoderNew(&data, &options);
    if (!dec) return film;
    WebPAnimInfo info;
    if (WebPAnimDecoderGetInfo(dec, &info)) {
        film.ok = true;
        film.width = int(info.canvas_width);
        film.height = int(info.canvas_height);
        film.frameCount = int(info.frame_count);
        film.loopCount = int(info.loop_count);
        while (WebPAnimDecoderHasMoreFrames(dec)) {
            uint8_t* pixels = nullptr;
            int end = 0;
            if (!WebPAnimDecoderGetNext(dec, &pixels, &end)) {
                film.ok = false;
                break;
            }
            const QImage view(pixels, film.width, film.height, film.width * 4, QImage::Format_RGBA8888);
            film.frames.push_back({view.copy(), end});
        }
    }
    WebPAnimDecoderDelete(dec);
    return film;
}

}  // namespace pintaloo::test
