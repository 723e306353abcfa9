// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The child's gallery: the folder every replaced drawing is filed into
// (Pintaloo inside the user's pictures folder), seen by the window only
// through this port. The real one lives with the other files the program
// writes (ui/files/gallery_folder.h); tests and the replay tool without
// --pictures-dir get a stand-in or none (no port: nothing is filed, the
// gallery shows empty).
#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ui/words/language.h"

namespace pintaloo {

// One drawing in the gallery folder, as the listing found it. The listing
// reads names and file times only; whether a drawing carries a story is
// learnt when its thumbnail is made or read.
struct GalleryEntry {
    QString path;             // absolute; the name may hold any bytes a file name can
    std::int64_t modifiedMs;  // the file's modification time, for newest-first and the thumbnail's check
    std::int64_t bytes;
};

// A picture a story names (an opened picture), carried inside the
// gallery's PNG so story and pictures travel as one file.
struct StoryPicture {
    std::string name;  // as the story's `picture` line names it
    QByteArray bytes;  // the picture file's bytes
};

// What filing a drawing gives: the new file, or why there is none.
struct GalleryFiling {
    QString path;  // empty on failure
    QString why;   // the system's words for the failure, for the parent
};

class GalleryPort {
public:
    virtual ~GalleryPort() = default;
    // The gallery folder's path (whether or not it exists yet).
    virtual QString folder() const = 0;
    // The drawings in the folder, newest first. Only regular PNG files
    // directly in the folder count; the count is capped, so thousands of
    // files cost a bounded listing.
    virtual std::vector<GalleryEntry> list() = 0;
    // Files a drawing as a new PNG named by the date and time in the
    // window's language, with the story (and the pictures it names) inside.
    // Creates the folder on first use. Never writes through a link, never
    // replaces a file that is there.
    virtual GalleryFiling file(const QImage& drawing, const std::string& story,
                               const std::vector<StoryPicture>& pictures, Language language) = 0;
    // Moves a drawing to the desktop's trash; never deletes it. False when
    // the trash would not take it.
    virtual bool trash(const QString& path) = 0;

    // The drawing this program put into the gallery (filed, or saved there)
    // that holds exactly these pixels; empty when there is none. Filing
    // answers with it instead of writing the same picture twice.
    virtual QString holding(const QImage& drawing) {
        (void)drawing;
        return {};
    }
    // A save wrote `drawing` into the gallery folder as `path`: noted, so
    // the gallery lists it and filing the same pixels finds it.
    virtual void noteSaved(const QString& path, const QImage& drawing) {
        (void)path;
        (void)drawing;
    }
    // Drawings that could be filed nowhere (the gallery and the state
    // folder both refused), as PNG bytes, kept in memory while the program
    // runs until a filing or a save takes them. True when the oldest held
    // was let go to make room (the parent must hear of it).
    virtual bool hold(const QByteArray& png) {
        (void)png;
        return false;
    }
    virtual int heldCount() const { return 0; }
    // Writes the held drawings as new dated files into `folder` (never over
    // a file there); those written are let go. The number still held.
    virtual int fileHeld(const QString& folder, Language language) {
        (void)folder;
        (void)language;
        return 0;
    }
};

// A drawing's thumbnail, as the desktop's thumbnail cache keeps it.
struct GalleryThumbnail {
    QImage image;           // null: none could be made, and the panel shows a plain frame
    bool hasStory = false;  // the drawing carries a story (the panel's film badge)
};

// Makes and reads thumbnails off the window's thread. The real one keeps
// them in the freedesktop cache (ui/files/thumbnail_cache.h); without a port
// every drawing shows a plain frame.
class ThumbnailPort {
public:
    virtual ~ThumbnailPort() = default;
    using Ready = std::function<void(const QString& path, const GalleryThumbnail&)>;
    // Asks for a drawing's thumbnail. `ready` runs later on the thread that
    // asked, unless `context` is gone by then.
    virtual void request(const GalleryEntry& entry, QObject* context, Ready ready) = 0;
    // Drops requests not yet begun (the panel turned its page or closed).
    virtual void cancelPending() = 0;
    // Waits until work in flight has ended and its answers were delivered.
    virtual void finish() = 0;
};

}  // namespace pintaloo
