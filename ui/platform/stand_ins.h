// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Stand-ins for what the window asks of the desktop: the file dialogs, the
// browser and the message box. Each keeps what it was asked, so a test can
// check it; the dialog answers from a queue, and with nothing queued it
// cancels. Shared by every test suite and by the replay tool.
#include <QColor>
#include <QImage>
#include <QString>
#include <algorithm>
#include <deque>
#include <map>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "ui/platform/gallery_port.h"
#include "ui/platform/services.h"

namespace pintaloo::standin {

class ScriptedDialog final : public FileDialogPort {
public:
    struct Ask {
        QString kind;   // "save" or "open"
        QString start;  // the proposed or starting path
        QString filter;
        QString title;
    };
    std::vector<Ask> asks;
    std::deque<std::optional<QString>> answers;  // nothing, or an empty name: cancel

    std::optional<QString> saveFileName(const QString& title, const QString& proposed, const QString& filter) override {
        asks.push_back({QStringLiteral("save"), proposed, filter, title});
        return next();
    }
    std::optional<QString> openFileName(const QString& title, const QString& start, const QString& filter) override {
        asks.push_back({QStringLiteral("open"), start, filter, title});
        return next();
    }
    // How many times a dialog of a kind was opened.
    int asked(const QString& kind) const {
        int n = 0;
        for (const Ask& a : asks) n += a.kind == kind ? 1 : 0;
        return n;
    }

private:
    std::optional<QString> next() {
        if (answers.empty()) return std::nullopt;
        const QString name = answers.front().value_or(QString());
        answers.pop_front();
        if (name.isEmpty()) return std::nullopt;
        return name;
    }
};

// Keeps the addresses it was asked to open instead of starting a browser.
class RecordingHelp final : public HelpPort {
public:
    std::vector<Language> shown;
    void show(Language language) override { shown.push_back(language); }
};

// Keeps every message; `echo` also prints it (the replay tool's errors).
class RecordingMessages final : public MessagePort {
public:
    explicit RecordingMessages(void (*echo)(const QString& title, const QString& text) = nullptr) : echo_(echo) {}
    std::vector<std::pair<QString, QString>> told;
    std::vector<std::pair<QString, QString>> asked;
    std::deque<bool> answers;  // nothing queued: no
    void tell(const QString& title, const QString& text) override {
        told.emplace_back(title, text);
        if (echo_) echo_(title, text);
    }
    bool ask(const QString& title, const QString& text) override {
        asked.emplace_back(title, text);
        if (answers.empty()) return false;
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }

private:
    void (*echo_)(const QString&, const QString&);
};

// Keeps every picture sent to the printer.
class RecordingPrinter final : public PrintPort {
public:
    bool print(const QImage& picture) override {
        printed.push_back(picture);
        return true;
    }
    std::vector<QImage> printed;
};

// A gallery held in memory: no folder, no files. `add` puts drawings in
// (each a little newer than the last); a trashed drawing leaves the listing
// and is kept in `trashed`.
class MemoryGallery final : public GalleryPort {
public:
    std::vector<GalleryEntry> entries;  // in the order they were filed
    std::map<QString, QImage> images;
    std::set<QString> withStory;
    std::vector<QString> trashed;
    bool trashRefuses = false;  // the desktop's trash would not take it
    int listings = 0;

    // n drawings, each a flat colour of its own, every other with a story.
    void add(int n) {
        for (int i = 0; i < n; ++i) {
            const int k = int(entries.size());
            const QString path = folder() + QStringLiteral("/Drawing %1.png").arg(k, 4, 10, QLatin1Char('0'));
            QImage image(80, 54, QImage::Format_RGB32);
            image.fill(QColor::fromHsv((k * 47) % 360, 160, 240));
            images[path] = image;
            if (k % 2 == 0) withStory.insert(path);
            entries.push_back({path, 1'000'000 + std::int64_t(k) * 1000, 1000});
        }
    }
    QString folder() const override { return QStringLiteral("/nonexistent/Pictures/Pintaloo"); }
    std::vector<GalleryEntry> list() override {
        ++listings;
        std::vector<GalleryEntry> out = entries;
        std::stable_sort(out.begin(), out.end(),
                         [](const GalleryEntry& a, const GalleryEntry& b) { return a.modifiedMs > b.modifiedMs; });
        return out;
    }
    GalleryFiling file(const QImage& drawing, const std::string& story, const std::vector<StoryPicture>&,
                       Language) override {
        add(1);
        images[entries.back().path] = drawing;
        if (story.empty()) withStory.erase(entries.back().path);
        return {entries.back().path, {}};
    }
    bool trash(const QString& path) override {
        const auto it =
            std::find_if(entries.begin(), entries.end(), [&](const GalleryEntry& e) { return e.path == path; });
        if (trashRefuses || it == entries.end()) return false;
        entries.erase(it);
        trashed.push_back(path);
        return true;
    }
};

// Answers every request at once, from the memory gallery's pictures; a
// drawing it has no picture for (its file vanished) gets none.
class InstantThumbnails final : public ThumbnailPort {
public:
    explicit InstantThumbnails(const MemoryGallery& gallery) : gallery_(gallery) {}
    int requests = 0;
    void request(const GalleryEntry& entry, QObject*, Ready ready) override {
        ++requests;
        GalleryThumbnail thumb;
        if (const auto it = gallery_.images.find(entry.path); it != gallery_.images.end()) thumb.image = it->second;
        thumb.hasStory = gallery_.withStory.count(entry.path) > 0;
        ready(entry.path, thumb);
    }
    void cancelPending() override {}
    void finish() override {}

private:
    const MemoryGallery& gallery_;
};

}  // namespace pintaloo::standin
