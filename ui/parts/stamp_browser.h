// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The stamps other people made (StampLibraryPort), and how big and which
// way round every stamp lands.
//
// With the stamps panel open, a strip above it holds the "more stamps"
// button, the four size buttons (small, medium, large, huge: medium is the
// size the program's own stamps always had) and the mirror and flip
// buttons. "More stamps" opens a big browser over the canvas: the groups as
// big pictures (each group's first stamp), then a group's stamps twelve to
// a page with big arrows, a way back to the groups, and the size and turn
// buttons again. A press on a stamp chooses it, closes the browser, plays
// its sound and its name, and shows it on the stamps button.
//
// A story names a stamp by its id, never by its place on a page, so it
// replays exactly whatever order another machine's library lists them in;
// a stamp missing there paints nothing and the replay says so once. The
// pictures on the pages load one at a time as the event loop idles, so a
// big collection never freezes the window.
#include <QHash>
#include <QImage>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <set>
#include <vector>

#include "engine/editor/editor_state.h"
#include "engine/toolbox/picture_painters.h"
#include "ui/actions/box.h"
#include "ui/actions/late_widgets.h"
#include "ui/actions/canvas_cursor.h"
#include "ui/actions/panels.h"
#include "ui/actions/sound_player.h"
#include "ui/actions/spoken_language.h"
#include "ui/actions/window_controls.h"
#include "ui/platform/services.h"

namespace pintaloo {

class PictureLibrary;
struct LibraryStamp;
struct StampGroup;

class StampBrowser {
public:
    static constexpr int kColumns = 4;
    static constexpr int kRows = 3;
    static constexpr int kPerPage = kColumns * kRows;
    // A stamp's or a group's id, as scripts write it: any 32-bit number.
    static constexpr std::int64_t kIds = std::int64_t(1) << 32;
    // A page number a script may name; no group holds more pages.
    static constexpr int kMostPages = 10000;
    // The side the window asks a stamp's picture at: the largest a stamp
    // lands is twice the medium side times the perspective's 1.25.
    static constexpr int kPaintedSide = 256;

    struct Needs {
        std::function<QRect()> canvasOnWindow;  // where the browser lies
        std::function<void()> hidePickers;
        std::function<void(CanvasCursor)> setCanvasIcon;
        std::function<void()> showChoice;  // the stamps button shows the stamp chosen
        std::function<void(QSize)> showStampHolder;  // the outline under the pointer: where it lands
    };
    Needs needs;

    StampBrowser(WindowControls& c, EditorState& state, const Services& services, const SoundPlayer& sounds,
                 SpokenLanguage& spoken, Panels& panels, PictureLibrary& pictures, Needs wiring);
    ~StampBrowser();
    StampBrowser(const StampBrowser&) = delete;
    StampBrowser& operator=(const StampBrowser&) = delete;

    // The actions (window_actions.cpp).
    void StampBrowserOpen();
    void StampBrowserClose();
    void StampGroups();                // back to the groups
    void StampGroupOpen(std::int64_t id);
    void StampGroupTile(int tile);     // the group shown on tile `tile` of the page
    void StampPage(int page);
    void StampNextPage();
    void StampPreviousPage();
    void ChooseLibraryStamp(std::int64_t id);
    void StampTile(int tile);          // the stamp shown on tile `tile` of the page
    void StampSize(int size);
    void StampMirror();
    void StampFlip();
    // Everything at once, as a story's start says it (StampChoices).
    void StampChoices(std::int64_t id, int size, int mirrored, int flipped);

    // The stamps panel opened or closed: the strip comes and goes with it.
    void showStrip(bool shown);
    // What a story keeps after its state line: the choices above, as one
    // StampChoices call, or nothing when they are as at start.
    std::vector<double> choices() const;

    // What the state dump shows.
    std::uint32_t chosenId() const { return chosen_; }
    QString chosenFile() const;
    const StampLook& look() const { return look_; }
    bool isOpen() const;
    std::uint32_t openGroup() const { return group_; }
    int page() const { return page_; }
    // The chosen stamp's picture for its button (null: none).
    const QImage& chosenPicture() const { return chosenPicture_; }

private:
    const std::vector<StampGroup>& groups();
    const StampGroup* groupOf(std::uint32_t id);
    int pageCount();
    void showPage();
    void loadNext();
    void faceButtons();
    void applyTexts(Language language);
    void setLook(StampLook look);
    void showHolder();
    void takeStamp(std::uint32_t id, bool withSounds, bool asTool);
    void make();

    WindowControls& c_;
    EditorState& state_;
    const Services& services_;
    const SoundPlayer& sounds_;
    const SpokenLanguage& language_;
    PictureLibrary& pictures_;
    Panels& panels_;
    LateWidgets late_;
    Box* strip_ = nullptr;              // "pctStampStrip", above the stamps panel
    Box* more_ = nullptr;               // "bStampMore"
    std::vector<Box*> sizes_;          // "bStampSize(i)", in the strip
    Box *mirror_ = nullptr, *flip_ = nullptr;              // "bStampMirror", "bStampFlip"
    Box* panel_ = nullptr;              // "pctStampBrowser"
    Box* title_ = nullptr;              // "lblStampBrowser"
    std::vector<Box*> tiles_;          // "imgStampTile(k)"
    std::vector<Box*> panelSizes_;     // "bStampBrowserSize(i)"
    Box *panelMirror_ = nullptr, *panelFlip_ = nullptr;    // "bStampBrowserMirror", "bStampBrowserFlip"
    Box *prev_ = nullptr, *counter_ = nullptr, *next_ = nullptr;     // "bStampPrevious", "lblStampPage", "bStampNext"
    Box* back_ = nullptr;               // "bStampGroups"
    Box* close_ = nullptr;              // "bCloseStampBrowser"
    QTimer loader_;           // fills the page's tiles one an idle moment
    std::vector<int> waiting_;         // the tiles still to fill
    std::uint32_t group_ = 0;          // the group shown; 0: the groups
    int page_ = 0;
    std::uint32_t chosen_ = 0;         // the chosen collection's stamp; 0: none
    std::set<std::uint32_t> missingSaid_;
    StampLook look_;
    QImage chosenPicture_;
    bool artReady_ = false;
    bool listed_ = false;  // the open browser's page shows (the library was asked)
};

}  // namespace pintaloo
