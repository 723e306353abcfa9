// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The child's gallery: the "My drawings" button in the title strip and the
// panel it opens over the canvas, with big thumbnails of every drawing kept,
// newest first, twelve to a page. A press on one opens it; the film badge
// of a drawing that carries its story opens it and plays its film; a small
// bin asks "Really?" (in words and as a picture, the bin with a question
// mark) before it moves a drawing to the desktop's trash; the play button
// shows the drawings one after another over the whole window. In a
// language written right to left the first drawing stands top right.
//
// The panel knows the gallery folder only through the gallery port and
// makes no thumbnail itself: the thumbnail port answers later, and a
// drawing without an answer shows a plain frame. The listing is taken when
// the panel opens and again after a drawing went to the trash, so files
// added or removed meanwhile cost at most a stale tile, never a crash.
#include <QHash>
#include <QObject>
#include <QString>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "ui/actions/box.h"
#include "ui/actions/late_widgets.h"
#include "ui/actions/panels.h"
#include "ui/actions/sound_player.h"
#include "ui/actions/spoken_language.h"
#include "ui/actions/window_controls.h"
#include "ui/platform/gallery_port.h"
#include "ui/platform/services.h"

namespace pintaloo {

class GalleryPanel {
public:
    static constexpr int kColumns = 4;
    static constexpr int kRows = 3;
    static constexpr int kPerPage = kColumns * kRows;
    // Scripts name a drawing by its place in the listing; no listing holds
    // more (the port caps its own listing lower).
    static constexpr int kMostListed = 10000;
    // How long play shows each drawing.
    static constexpr int kShowMilliseconds = 3500;

    // What this part asks of its neighbours; the window connects each to
    // the part that does it (MainWindow::connectParts), and a test may put a
    // stand-in here.
    struct Needs {
        std::function<bool(const QString& path)> openDrawingFile;  // opens a drawing as the open command does (one undo
                                                                   // step, its story adopted); false when refused
        std::function<void()> normalCommandFaces;
    };
    Needs needs;

    GalleryPanel(WindowControls& c, const Services& services, const SoundPlayer& sounds, SpokenLanguage& spoken,
                 Panels& panels, Needs wiring);
    ~GalleryPanel();
    GalleryPanel(const GalleryPanel&) = delete;
    GalleryPanel& operator=(const GalleryPanel&) = delete;

    // The actions (window_actions.cpp): the panel opens at its first page,
    // newest first; N counts the drawings of the whole listing from 0.
    void OpenGallery();
    // Opened from another panel (the page picker), which `back` brings again
    // when the gallery closes with nothing chosen.
    void openOver(std::function<void()> back);
    void GalleryPick(int n);
    void GalleryNext();
    void GalleryPrevious();
    void GalleryBin(int n);   // first press asks "Really?", a second on the same drawing trashes it
    void GalleryFilm(int n);  // the film badge: the drawing opens and its film plays
    void GalleryPlay();
    void GalleryEndShow();
    void CloseGallery();
    void PointerOverGalleryCommand(int button, double x, double y);
    void PointerOverGallery(int button, double x, double y);
    void PointerOverGalleryClose(int button, double x, double y);

    // The language's texts on this part's controls (called again whenever the language changes).
    void applyTexts(Language language);
    void normalFaces();

    bool isOpen() const;
    bool isShowing() const;
    // The listing the panel holds (as of its last opening), newest first.
    const std::vector<GalleryEntry>& listing() const { return listing_; }
    int page() const { return page_; }
    int pageCount() const;
    // The drawing whose bin waits for its second press.
    std::optional<int> armedBin() const { return armed_; }
    // The drawing play shows now (an index into the listing).
    int shownInPlay() const { return showing_; }

private:
    struct Tile {
        Box* picture;  // "imgGallery(k)"
        Box* film;     // "imgGalleryFilm(k)", the drawing carries its story: a press plays it
        Box* bin;      // "bGalleryBin(k)"
        QString path;  // the drawing it shows; empty when the tile is unused
    };
    void dress();
    void list();
    void showPage();
    void showThumbnail(int tile, const GalleryThumbnail& thumb);
    void disarm();
    void faceArrows();
    void showNextInPlay();
    int firstOnPage() const { return page_ * kPerPage; }

    WindowControls& c_;
    const Services& services_;
    const SoundPlayer& sounds_;
    const SpokenLanguage& language_;
    void make();
    Panels& panels_;
    LateWidgets late_;
    Box* button_ = nullptr;       // "bGallery", in the title strip
    Box* panel_ = nullptr;        // "pctGallery"
    Box* title_ = nullptr;        // "lblGallery"
    Box* empty_ = nullptr;        // "imgGalleryEmpty", the empty gallery's picture
    Box* prevButton_ = nullptr;   // "bGalleryPrevious"
    Box* counter_ = nullptr;      // "lblGalleryPage"
    Box* nextButton_ = nullptr;   // "bGalleryNext"
    Box* playButton_ = nullptr;   // "bGalleryPlay"
    Box* closeButton_ = nullptr;  // "bCloseGallery"
    Box* really_ = nullptr;       // "bGalleryReally", over the armed bin
    Box* reallyBin_ = nullptr;    // "imgGalleryReallyBin"
    Box* reallyText_ = nullptr;   // "lblGalleryReally"
    Box* show_ = nullptr;         // "pctGalleryShow", the whole window while play runs
    std::array<Tile, kPerPage> tiles_{};
    std::vector<GalleryEntry> listing_;
    // Thumbnails already answered while the panel is open (a page or two
    // back and forth costs no second request); dropped on close.
    QHash<QString, GalleryThumbnail> thumbs_;
    int page_ = 0;
    bool dressed_ = false;
    std::optional<int> armed_;
    std::function<void()> back_;  // the panel the gallery was opened over
    int showing_ = -1;
    QTimer showTimer_;
    std::unique_ptr<QObject> keysDuringShow_;  // any key ends play
    // The thumbnails' answers are delivered to this; it goes with the part,
    // and answers still on their way then are dropped.
    std::unique_ptr<QObject> answers_ = std::make_unique<QObject>();
};

}  // namespace pintaloo
