// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pictures of a school's or a family's own: colouring pages (outline
// pictures in the "pages" data folders, after the 21 pages the program
// carries) and background pictures to paint on (the "backgrounds" folders:
// a folder of their own, because a coloured photo among outline drawings
// would be made two-colour and lost, and no guess tells the two apart).
// Nothing is read until a picker opens: the listing is the folders' names
// only, and a picture is decoded the first time it is shown.
#include <QImage>
#include <QSize>
#include <QString>
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

namespace pintaloo {

struct OwnPage {  // a page or a background
    QString path;      // the file itself
    QString relative;  // its name inside its pages folder
    std::uint32_t id;  // OwnPageId(relative): the same page whatever else the folders hold
};

// FNV-1a 32-bit of the UTF-8 name relative to its folder, 0 made 1 (as a
// library stamp's id), so a story's page is found again after others were
// added or removed.
std::uint32_t OwnPageId(const QString& relative);

// A teacher's picture was not drawn for this program: its lines may be
// anti-aliased, grey, on a coloured or transparent ground, any size. The
// page is made the way the program's own pages are, two colours only:
// - the picture is flattened onto white (transparent is paper) and scaled,
//   aspect kept, to fit `page`, centred on white;
// - every pixel darker than kDarkBelow (grey level, 0..255) becomes exactly
//   `outline`, every other pixel pure white.
// Two colours because anything between would be a grey halo along each
// line: the pencil mixes into it, the fill stops at it and leaves a ring,
// and a child sees a line it cannot colour up to. The cut lies above the
// middle grey so an anti-aliased edge pixel that is more than about a third
// ink joins its line: lines come out a touch bolder, and a thin line that
// shrinking made grey is kept rather than broken into dots. Light colours
// (a pale sky, a yellow sun) become paper for the child to colour; a dark
// colour becomes outline.
inline constexpr int kDarkBelow = 160;
QImage OutlinePage(const QImage& picture, QSize page, QRgb outline);

// A background picture: flattened onto white and scaled to cover `page`
// (aspect kept, the middle kept, the overflow cut), since a background with
// bands of bare paper would not be one. It is paint, not outline: a pixel
// of exactly the `outline` colour is moved one step off it, or the pencil
// and the eraser would keep clear of it as of a colouring page's line.
QImage BackgroundPicture(const QImage& picture, QSize page, QRgb outline);

class OwnPages {
public:
    static constexpr int kMostPages = 200;                        // more are left out (and logged)
    static constexpr qint64 kMostBytes = 32LL * 1024 * 1024;      // a bigger file is no picture for a page
    static constexpr int kDecodeMilliseconds = 3000;              // a file that takes longer is refused

    // `kind`: "pages" or "backgrounds"; `make` turns a decoded picture into
    // the page (OutlinePage or BackgroundPicture).
    using Make = QImage (*)(const QImage& picture, QSize page, QRgb outline);
    explicit OwnPages(QString kind = QStringLiteral("pages"), Make make = OutlinePage)
        : kind_(std::move(kind)), make_(make) {}

    // Reads the folders' listings the first time (at most kMostPages files
    // named .png, .jpg or .jpeg; a name in the user's own folder hides the
    // same name in a system folder). Later calls keep that list, so the
    // page numbers of one session never shift.
    const std::vector<OwnPage>& list();
    // Page `index` of list() as a two-colour page of `page`'s size with
    // `outline` lines; a null image for a file refused (logged once).
    QImage image(int index, QSize page, QRgb outline);
    // The pages as far as read: none before the first list().
    const std::vector<OwnPage>& listed() const { return pages_; }
    // Where `id` stands in list(), -1 when no page has it.
    int indexOf(std::uint32_t id);

private:
    QString kind_;
    Make make_;
    bool listed_ = false;
    std::vector<OwnPage> pages_;
    // The last few decoded (a page is 1.8 MB; a child leafs back and forth
    // near one place), and the refused, each warned about once.
    std::map<int, QImage> images_;
    std::vector<int> refused_;
};

}  // namespace pintaloo
