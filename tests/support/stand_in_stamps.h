// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A stamp library for tests: two groups of tiny pictures, drawn here, with
// the options a real collection's files may set (colourable, tintable, not
// mirrorable, not flippable, a scale, a picture of its own when mirrored,
// half-clear pixels). Ids are the real library's: FNV-1a of the picture's
// path relative to its collection, 0 taken as 1.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <cstdint>
#include <vector>

#include "ui/files/stamp_library.h"

namespace pintaloo::testkit {

inline std::uint32_t StampId(const char* relative) {
    std::uint32_t h = 2166136261u;
    for (const char* p = relative; *p; ++p) h = (h ^ std::uint8_t(*p)) * 16777619u;
    return h ? h : 1;
}

class StandInStamps final : public StampLibraryPort {
public:
    struct Row {
        const char* path;  // relative to the collection
        QColor colour;
        StampOptions options;
        bool ownMirror;
    };
    static const std::vector<Row>& rows() {
        static const std::vector<Row> table = {
            {"animals/cat.png", QColor(200, 120, 40), {}, false},
            {"animals/fish.png", QColor(255, 0, 0), {.colourable = true}, false},
            {"animals/bird.png", QColor(0, 0, 255), {.tintable = true}, true},
            {"things/car.png", QColor(40, 160, 60), {.mirrorable = false, .flippable = false, .scale = 0.5}, false},
            {"things/kite.png", QColor(120, 40, 200, 128), {.scale = 2.0}, false},
        };
        return table;
    }

    StandInStamps() {
        for (const Row& r : rows()) {
            LibraryStamp s;
            s.id = StampId(r.path);
            s.file = QStringLiteral("/stand-in/") + QString::fromLatin1(r.path);
            s.options = r.options;
            stamps_.push_back(s);
            const QString folder = QString::fromLatin1(r.path).section(QLatin1Char('/'), 0, 0);
            if (groups_.empty() || groups_.back().folder != folder)
                groups_.push_back({StampId(folder.toLatin1().constData()), folder, {}});
            groups_.back().stamps.push_back(s.id);
        }
    }

    const std::vector<StampGroup>& groups() override { return groups_; }
    const LibraryStamp* stamp(std::uint32_t id) override {
        for (const LibraryStamp& s : stamps_)
            if (s.id == id) return &s;
        return nullptr;
    }
    QString name(const LibraryStamp& s, Language) override { return s.file.section(QLatin1Char('/'), -1); }
    QString groupName(const StampGroup& g, Language) override { return g.folder; }
    // A 12 x 8 picture: a solid block, a shaded stripe and a clear corner,
    // so size, turn, colour and transparency each show.
    QImage picture(const LibraryStamp& s, int maxSide, bool mirrored) override {
        const Row* row = nullptr;
        for (const Row& r : rows())
            if (StampId(r.path) == s.id) row = &r;
        if (!row || (mirrored && !row->ownMirror)) return {};
        QImage image(12, 8, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.fillRect(0, 0, 8, 6, row->colour);
        p.fillRect(0, 6, 12, 2, row->colour.darker(mirrored ? 250 : 150));
        p.fillRect(8, 0, 4, 3, QColor(255, 255, 255, 200));
        p.end();
        return maxSide < 12 ? image.scaled(maxSide, maxSide, Qt::KeepAspectRatio) : image;
    }
    QString sound(const LibraryStamp&) override { return {}; }
    QString spokenName(const LibraryStamp&, Language) override { return {}; }

private:
    std::vector<LibraryStamp> stamps_;
    std::vector<StampGroup> groups_;
};

}  // namespace pintaloo::testkit
