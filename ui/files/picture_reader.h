// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading a picture file a child (or anyone) picked, safely: only an ordinary
// file, read once into memory, only bitmaps, PNG and JPEG decided by the
// bytes themselves, the size in the header checked before anything is
// allocated, damaged files told apart from whole ones, and the decoding done
// on a worker thread with a time limit so a hostile file cannot freeze the
// window.
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <chrono>
#include <cstdint>
#include <functional>

#include "ui/words/language.h"

namespace pintaloo {

enum class PictureFormat { None, Bmp, Png, Jpeg };

// Why a picture was not opened. `None` means it was.
enum class PictureRefusal {
    None,
    Unreadable,   // missing, a folder, a pipe or a device, or no permission
    NotAPicture,  // some other kind of file, whatever its name
    TooLarge,     // more pixels (or bytes) than can be decoded safely
    Damaged,      // the header lies or the data ends early
    TooSlow,      // decoding ran past the time limit
};

struct PictureHeader {
    PictureFormat format = PictureFormat::None;
    QSize size;  // always positive once the header was accepted
};

struct PictureResult {
    QImage image;  // null unless refusal is None
    PictureRefusal refusal = PictureRefusal::None;
};

// Limits that keep a refused file as cheap as an ordinary one.
struct PictureLimits {
    static constexpr qint64 kMaxFileBytes = 160LL * 1024 * 1024;
    static constexpr qint64 kMaxPixels = 40'000'000;
    static constexpr int kMaxSide = 20'000;
    static constexpr int kDecoderMegabytes = 256;  // Qt's allocation limit for one decoded picture
    // A progressive JPEG keeps every coefficient of the whole picture in
    // memory while its scans arrive; beyond this it is refused up front.
    static constexpr qint64 kMaxJpegCoefficientBytes = 192LL * 1024 * 1024;
    // Real progressive JPEGs have about ten scans; thousands of them only
    // make the decoder redo the whole picture again and again.
    static constexpr int kMaxJpegScans = 100;
};

// Whether the last name of a path may be a symbolic link.
enum class Links { Follow, Refuse };

// The bytes of a regular file, opened once (a pipe or a device is never
// waited on) and read into memory up to `maxBytes` (TooLarge beyond). Any
// file the program reads whole goes through here, pictures or not;
// `systemError` gets errno's reason for a refusal (EFBIG for a file too
// large or not a regular one).
QByteArray ReadPictureFile(const QString& path, PictureRefusal* why, qint64 maxBytes = PictureLimits::kMaxFileBytes,
                           Links links = Links::Follow, int* systemError = nullptr);

// Which of the three formats the bytes start like; None for anything else.
PictureFormat SniffPicture(const QByteArray& bytes);

// The picture's size from its header, checked against the limits, plus the
// structural checks of the whole file: a bitmap's sizes, bits, palette and
// compressed runs, a PNG's chunks up to its end, a JPEG's markers up to its
// end. Nothing the size of the picture is allocated here.
PictureHeader CheckPicture(const QByteArray& bytes, PictureRefusal* why);

// A PNG that passed CheckPicture with this size, decoded into `pixels`
// (size.width() words a row, rows one after another) as 0xAARRGGBB words,
// not premultiplied. Every colour type and depth the format has, with its
// transparency, comes out so. False when the data does not decode.
bool DecodePngInto(const QByteArray& bytes, QSize size, std::uint32_t* pixels);

// The text of a PNG's first uncompressed text chunk with this key (Latin-1),
// or a null string. For a file that passed CheckPicture.
QString PngText(const QByteArray& bytes, const QString& key);

// CheckPicture, then decoding with Qt's reader on an in-memory buffer with
// the format forced (never guessed) and the allocation limit set. Runs on
// any thread.
PictureResult DecodePicture(const QByteArray& bytes);

// DecodePicture on a worker thread. `waiting(true)` is called when the
// worker starts and `waiting(false)` when the answer is in; meanwhile the
// calling thread keeps its event loop running (user input held back) so the
// window is still drawn. Without `waiting` it just waits, and no event runs.
// After `limit` the picture is refused as TooSlow.
PictureResult DecodePictureWithin(const QByteArray& bytes, std::chrono::milliseconds limit,
                                  const std::function<void(bool)>& waiting = {});

// Waits for a decode abandoned at its time limit to end (before the program
// unloads the decoders at exit, or at the end of a test).
void FinishPictureDecoding();

// File to picture in one call: ReadPictureFile and DecodePictureWithin.
PictureResult OpenPicture(const QString& path, std::chrono::milliseconds limit,
                          const std::function<void(bool)>& waiting = {});

// The friendly words for a refusal, in the window's language.
QString RefusalTitle(Language language = Language::English);
QString RefusalText(PictureRefusal why, Language language = Language::English);

}  // namespace pintaloo
