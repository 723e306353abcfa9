// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts/stamp_browser.h"

#include <QDebug>
#include <QFont>
#include <algorithm>
#include <cmath>
#include <utility>

#include "engine/toolbox/tools_table.h"
#include "ui/art/art_store.h"
#include "ui/art/picture_library.h"
#include "ui/files/stamp_library.h"
#include "ui/words/texts.h"

#include "theme_colours.h"

namespace pintaloo {

namespace {
const QColor kMidBlue(66, 115, 168);
const QColor kInk(29, 35, 64);
const QColor kPanelBack(236, 244, 255);
const QColor kTileBack(255, 255, 255);
const QColor kChosenBack(255, 236, 160);  // the size or turn in use

// The browser lies where the gallery lies, over the canvas.
constexpr QRect kPanel{8, 76, 809, 625};
constexpr int kTileWidth = 182, kTileHeight = 138, kTileStepX = 197, kTileStepY = 160;
constexpr int kTileLeft = 18, kTileTop = 54;
constexpr int kThumb = 96;  // a stamp's picture on its tile
constexpr QSize kArrow{64, 64};
constexpr int kSmall = 48;  // the size and turn buttons
// The strip stands on the stamps panel's top edge, as wide as the panel.
constexpr QRect kStrip{160, 440, 457, 64};

QRect TileRect(int k) {
    return {kTileLeft + (k % StampBrowser::kColumns) * kTileStepX,
            kTileTop + (k / StampBrowser::kColumns) * kTileStepY, kTileWidth, kTileHeight};
}

QString ArtPath(const QString& name) { return QStringLiteral(":/art/ui/%1.svg").arg(name); }
QPixmap Art(const QString& name, QSize size) { return ArtStore::instance().pixmap(ArtPath(name), size); }

Box* SmallButton(QWidget* parent, const QString& name, QRect place) {
    Box* b = new Box(parent, name, place);
    b->setBackColor(kTileBack);
    b->setFrame(kMidBlue, 2, 8);
    b->setCentred(true);
    b->setHandCursor(true);
    return b;
}

// The collections' picture as the painters take it: colours and
// transparency apart, in the canvas's layout.
ClearPicture ToClearPicture(const QImage& image, const StampOptions& options, bool ownMirror) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    ClearPicture out;
    out.picture = Picture(argb.width(), argb.height());
    out.alpha.resize(out.picture.pixels.size());
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            const auto k = std::size_t(y) * std::size_t(argb.width()) + std::size_t(x);
            out.picture.pixels[k] = Rgb(qRed(line[x]), qGreen(line[x]), qBlue(line[x]));
            out.alpha[k] = std::uint8_t(qAlpha(line[x]));
        }
    }
    out.colouring = options.colourable ? StampColouring::Colourable
                    : options.tintable ? StampColouring::Tintable
                                       : StampColouring::Own;
    out.scale = options.scale;
    out.ownMirror = ownMirror;
    out.mirrorable = options.mirrorable;
    out.flippable = options.flippable;
    return out;
}
}  // namespace

StampBrowser::StampBrowser(WindowControls& c, EditorState& state, const Services& services,
                           const SoundPlayer& sounds, SpokenLanguage& spoken, Panels& panels,
                           PictureLibrary& pictures, Needs wiring)
    : needs(std::move(wiring)), c_(c), state_(state), services_(services), sounds_(sounds), language_(spoken),
      pictures_(pictures), panels_(panels), late_(c.window, panels, [this] { make(); }) {
    panels.addLatePanel([this] { return panel_; }, [this] { StampBrowserClose(); });
    loader_.setInterval(0);
    QObject::connect(&loader_, &QTimer::timeout, [this] { loadNext(); });
    spoken.whenLanguageChanges([this](Language language) {
        if (late_.made()) applyTexts(language);
    });
}

// The strip and the panel are made when either first shows, or a choice
// of size or turn needs their buttons.
void StampBrowser::make() {
    WindowControls& c = c_;
    strip_ = new Box(&c.window, "pctStampStrip", kStrip);
    strip_->setBackColor(QColor(Qt::white));
    strip_->setFrame(kMidBlue, 3, 0);
    strip_->setProperty("besidePanel", true);  // the key scan's ring opens on the stamps panel, not here
    more_ = SmallButton(strip_, "bStampMore", {6, 6, 128, 52});
    more_->setBackColor(QColor(theme::BUTTON_YELLOW));
    c.actions.bind(*more_, BoxEvent::Click, "StampBrowserOpen");
    for (int i = 0; i < kStampSizes; ++i) {
        sizes_.push_back(SmallButton(strip_, QStringLiteral("bStampSize(%1)").arg(i), {142 + 52 * i, 8, kSmall, kSmall}));
        c.actions.bind(*sizes_.back(), BoxEvent::Click, "StampSize", i);
    }
    mirror_ = SmallButton(strip_, "bStampMirror", {352, 8, kSmall, kSmall});
    flip_ = SmallButton(strip_, "bStampFlip", {404, 8, kSmall, kSmall});
    c.actions.bind(*mirror_, BoxEvent::Click, "StampMirror");
    c.actions.bind(*flip_, BoxEvent::Click, "StampFlip");
    // Not a panel of its own: it comes and goes with the stamps panel.
    strip_->hide();

    panel_ = new Box(&c.window, "pctStampBrowser", kPanel.translated(900 - kPanel.x(), 0));
    panel_->setBackColor(kPanelBack);
    panel_->setFrame(kMidBlue, 3, 12);
    QFont bold;
    bold.setBold(true);
    bold.setPixelSize(24);
    title_ = new Box(panel_, "lblStampBrowser", {84, 6, 560, 40});
    title_->setCaptionStyle(bold, kInk, Qt::AlignLeft | Qt::AlignVCenter);
    back_ = SmallButton(panel_, "bStampGroups", {16, 4, 60, 44});
    c.actions.bind(*back_, BoxEvent::Click, "StampGroups");
    for (int k = 0; k < kPerPage; ++k) {
        Box* t = new Box(panel_, QStringLiteral("imgStampTile(%1)").arg(k), TileRect(k));
        t->setBackColor(kTileBack);
        t->setFrame(kMidBlue, 3, 8);
        t->setCentred(true);
        t->setHandCursor(true);
        c.actions.bind(*t, BoxEvent::Click, "StampTile", k);
        tiles_.push_back(t);
    }
    for (int i = 0; i < kStampSizes; ++i) {
        panelSizes_.push_back(
            SmallButton(panel_, QStringLiteral("bStampBrowserSize(%1)").arg(i), {18 + 54 * i, 550, kSmall, kSmall}));
        c.actions.bind(*panelSizes_.back(), BoxEvent::Click, "StampSize", i);
    }
    panelMirror_ = SmallButton(panel_, "bStampBrowserMirror", {640, 550, kSmall, kSmall});
    panelFlip_ = SmallButton(panel_, "bStampBrowserFlip", {694, 550, kSmall, kSmall});
    c.actions.bind(*panelMirror_, BoxEvent::Click, "StampMirror");
    c.actions.bind(*panelFlip_, BoxEvent::Click, "StampFlip");
    prev_ = new Box(panel_, "bStampPrevious", {264, 542, kArrow.width(), kArrow.height()});
    counter_ = new Box(panel_, "lblStampPage", {338, 542, 132, kArrow.height()});
    counter_->setCaptionStyle(bold, kInk, Qt::AlignCenter);
    next_ = new Box(panel_, "bStampNext", {480, 542, kArrow.width(), kArrow.height()});
    for (Box* b : {prev_, next_}) b->setHandCursor(true);
    c.actions.bind(*prev_, BoxEvent::Click, "StampPreviousPage");
    c.actions.bind(*next_, BoxEvent::Click, "StampNextPage");
    close_ = new Box(panel_, "bCloseStampBrowser", {761, 3, 40, 40});
    close_->setHandCursor(true);
    c.actions.bind(*close_, BoxEvent::Click, "StampBrowserClose");
    panel_->hide();
    panels_.rightClickCloses(*panel_);
    applyTexts(language_.now());
}

bool StampBrowser::isOpen() const { return late_.made() && !panel_->isHidden(); }

StampBrowser::~StampBrowser() { loader_.stop(); }

const std::vector<StampGroup>& StampBrowser::groups() {
    static const std::vector<StampGroup> none;
    return services_.stamps ? services_.stamps->groups() : none;
}

const StampGroup* StampBrowser::groupOf(std::uint32_t id) {
    for (const StampGroup& g : groups())
        if (g.id == id) return &g;
    return nullptr;
}

int StampBrowser::pageCount() {
    const StampGroup* g = group_ ? groupOf(group_) : nullptr;
    const std::size_t n = g ? g->stamps.size() : group_ ? 0 : groups().size();
    return std::max(1, int((n + kPerPage - 1) / kPerPage));
}

// The pictures are drawn when the strip first shows, not at start.
void StampBrowser::faceButtons() {
    late_.need();
    if (!artReady_) {
        artReady_ = true;
        more_->setPicture(Art(QStringLiteral("stamp_more"), {120, 48}));
        back_->setPicture(Art(QStringLiteral("stamp_groups"), {40, 40}));
        close_->setPicture(Art(QStringLiteral("panel_close"), {40, 40}));
        prev_->setPicture(Art(QStringLiteral("arrow_prev"), kArrow));
        next_->setPicture(Art(QStringLiteral("arrow_next"), kArrow));
    }
    const LibraryStamp* stamp = state_.ToolMode == kLibraryStampTool && services_.stamps && chosen_
                                    ? services_.stamps->stamp(chosen_)
                                    : nullptr;
    const bool mirrorable = !stamp || stamp->options.mirrorable, flippable = !stamp || stamp->options.flippable;
    ArtStore& art = ArtStore::instance();
    for (const std::vector<Box*>* row : {&sizes_, &panelSizes_})
        for (int i = 0; i < kStampSizes; ++i) {
            Box* b = (*row)[std::size_t(i)];
            b->setPicture(Art(QStringLiteral("stamp_size_%1").arg(i), {40, 40}));
            b->setBackColor(i == look_.size ? kChosenBack : kTileBack);
        }
    const auto turn = [&art](Box* b, const char* name, bool allowed, bool on) {
        b->setEnabled(allowed);
        const QString path = ArtPath(QString::fromLatin1(name));
        b->setPicture(allowed ? art.pixmap(path, {40, 40}) : art.faded(path, {40, 40}));
        b->setBackColor(on && allowed ? kChosenBack : kTileBack);
    };
    for (Box* b : {mirror_, panelMirror_}) turn(b, "stamp_mirror", mirrorable, look_.mirrored);
    for (Box* b : {flip_, panelFlip_}) turn(b, "stamp_flip", flippable, look_.flipped);
}

void StampBrowser::showStrip(bool shown) {
    if (shown) {
        faceButtons();
        more_->setVisible(services_.stamps != nullptr);
        strip_->show();
        strip_->raise();
    } else if (late_.made()) {
        strip_->hide();
    }
}

void StampBrowser::StampBrowserOpen() {
    if (!services_.stamps) return;
    late_.need();
    needs.hidePickers();
    sounds_.playWave(WaveSound::Click);
    faceButtons();
    group_ = 0;
    page_ = 0;
    const QRect canvas = needs.canvasOnWindow();
    panel_->move(canvas.x() + (canvas.width() - panel_->width()) / 2, std::max(0, canvas.y() - 4));
    panel_->show();
    panel_->raise();
    // The library may read its folders on its first answer: the panel shows
    // at once, empty, and fills as the loader runs.
    for (Box* t : tiles_) t->hide();
    waiting_.clear();
    listed_ = false;
    loader_.start();
}

void StampBrowser::StampBrowserClose() {
    loader_.stop();
    if (late_.made()) panel_->hide();
}

void StampBrowser::StampGroups() {
    if (!isOpen()) return;
    sounds_.playWave(WaveSound::PageTurn);
    group_ = 0;
    page_ = 0;
    showPage();
}

void StampBrowser::StampGroupOpen(std::int64_t id) {
    if (!isOpen() || !groupOf(std::uint32_t(id))) return;
    sounds_.playWave(WaveSound::PageTurn);
    group_ = std::uint32_t(id);
    page_ = 0;
    showPage();
}

void StampBrowser::StampGroupTile(int tile) {
    if (!isOpen() || group_) return;
    const std::size_t n = std::size_t(page_) * std::size_t(kPerPage) + std::size_t(tile);
    if (n < groups().size()) c_.actions.run("StampGroupOpen", {double(groups()[n].id)});
}

void StampBrowser::StampPage(int page) {
    if (!isOpen() || page < 0 || page >= pageCount() || page == page_) return;
    sounds_.playWave(WaveSound::PageTurn);
    page_ = page;
    showPage();
}

void StampBrowser::StampNextPage() { c_.actions.run("StampPage", {double(page_ + 1)}); }
void StampBrowser::StampPreviousPage() { c_.actions.run("StampPage", {double(page_ - 1)}); }

void StampBrowser::StampTile(int tile) {
    if (!isOpen()) return;
    if (!group_) return StampGroupTile(tile);
    const StampGroup* g = groupOf(group_);
    const std::size_t n = std::size_t(page_) * std::size_t(kPerPage) + std::size_t(tile);
    if (g && n < g->stamps.size()) c_.actions.run("ChooseLibraryStamp", {double(g->stamps[n])});
}

// The tiles of the page empty at once; their pictures come one an idle
// moment, the page's alone, so leafing through a thousand stamps costs a
// dozen pictures a page.
void StampBrowser::showPage() {
    late_.need();
    listed_ = true;
    page_ = std::clamp(page_, 0, pageCount() - 1);
    const Language language = language_.now();
    const StampGroup* g = group_ ? groupOf(group_) : nullptr;
    waiting_.clear();
    for (int k = 0; k < kPerPage; ++k) {
        Box* t = tiles_[std::size_t(k)];
        const std::size_t n = std::size_t(page_) * std::size_t(kPerPage) + std::size_t(k);
        QString name;
        bool used = false;
        if (g && n < g->stamps.size()) {
            used = true;
            if (const LibraryStamp* s = services_.stamps->stamp(g->stamps[n])) name = services_.stamps->name(*s, language);
        } else if (!group_ && n < groups().size()) {
            used = true;
            name = services_.stamps->groupName(groups()[n], language);
        }
        t->clearPicture();
        t->setToolTip(name);
        t->setAccessibleName(name);
        t->setVisible(used);
        if (used) waiting_.push_back(k);
    }
    std::reverse(waiting_.begin(), waiting_.end());  // taken from the back: the first tile first
    title_->setCaption(g ? services_.stamps->groupName(*g, language) : Text("stamps.browser.title", language));
    back_->setVisible(group_ != 0);
    prev_->setVisible(page_ > 0);
    next_->setVisible(page_ + 1 < pageCount());
    counter_->setVisible(pageCount() > 1);
    counter_->setCaption(QStringLiteral("%1/%2").arg(page_ + 1).arg(pageCount()));
    if (!waiting_.empty()) loader_.start();
}

void StampBrowser::loadNext() {
    if (!isOpen() || !services_.stamps) return loader_.stop();
    if (!listed_) {
        // The first tick after opening: the groups are read now.
        showPage();
        if (waiting_.empty()) loader_.stop();
        return;
    }
    if (waiting_.empty()) return loader_.stop();
    const int k = waiting_.back();
    waiting_.pop_back();
    const std::size_t n = std::size_t(page_) * std::size_t(kPerPage) + std::size_t(k);
    const StampGroup* g = group_ ? groupOf(group_) : nullptr;
    const StampGroup* shown = g ? g : n < groups().size() ? &groups()[n] : nullptr;
    if (!shown || shown->stamps.empty()) return;
    const std::uint32_t id = g ? (n < g->stamps.size() ? g->stamps[n] : 0) : shown->stamps.front();
    const LibraryStamp* s = id ? services_.stamps->stamp(id) : nullptr;
    if (!s) return;
    const QImage picture = services_.stamps->picture(*s, kThumb);
    if (!picture.isNull()) tiles_[std::size_t(k)]->setPicture(QPixmap::fromImage(picture));
}

void StampBrowser::ChooseLibraryStamp(std::int64_t id) {
    takeStamp(std::uint32_t(id), true, true);
    StampBrowserClose();
    needs.hidePickers();
}

// The stamp becomes the tool: its picture handed to the painters as it
// lands (its own left-to-right picture when mirrored and it has one). A
// stamp this library lacks paints nothing, said once.
void StampBrowser::takeStamp(std::uint32_t id, bool withSounds, bool asTool) {
    chosen_ = id;
    if (asTool) {
        state_.ToolMode = kLibraryStampTool;
        state_.ToolVariant = 0;
    }
    chosenPicture_ = QImage();
    pictures_.setLibraryStamp({});
    const LibraryStamp* stamp = services_.stamps ? services_.stamps->stamp(id) : nullptr;
    if (!stamp) {
        if (missingSaid_.insert(id).second)
            qWarning().noquote() << QStringLiteral("stamps: no stamp %1 here; it paints nothing").arg(id);
    } else {
        const bool mirrored = look_.mirrored && stamp->options.mirrorable;
        QImage own = mirrored ? services_.stamps->picture(*stamp, kPaintedSide, true) : QImage();
        const QImage plain = own.isNull() ? services_.stamps->picture(*stamp, kPaintedSide) : own;
        if (!plain.isNull()) pictures_.setLibraryStamp(ToClearPicture(plain, stamp->options, !own.isNull()));
        chosenPicture_ = own.isNull() ? plain : services_.stamps->picture(*stamp, kPaintedSide);
        if (withSounds) {
            sounds_.playWave(WaveSound::Chosen);
            const QString sound = services_.stamps->sound(*stamp);
            if (!sound.isEmpty() && sounds_.playFile) sounds_.playFile(WaveSound::StampOwn, sound.toStdString(), false);
            const QString spoken = services_.stamps->spokenName(*stamp, language_.now());
            if (!spoken.isEmpty() && sounds_.playFile) sounds_.playFile(WaveSound::StampName, spoken.toStdString(), true);
        }
    }
    if (asTool) needs.setCanvasIcon(CanvasCursor::Stamp);
    needs.showChoice();
    showHolder();
    faceButtons();
}

// The outline under the pointer is the stamp's box at its size (the canvas
// shrinks it further up the page).
void StampBrowser::showHolder() {
    if (state_.ToolMode != kLibraryStampTool || !needs.showStampHolder) return;
    const ClearPicture* stamp = pictures_.libraryStamp();
    if (!stamp) return needs.showStampHolder({0, 0});
    const double side =
        kLibraryStampSide * std::clamp(stamp->scale, 0.25, 3.0) * StampSizeQuarters(look_.size) / 4.0;
    const double k = side / std::max(stamp->picture.width, stamp->picture.height);
    needs.showStampHolder(QSize(int(std::lround(stamp->picture.width * k)), int(std::lround(stamp->picture.height * k))));
}

void StampBrowser::setLook(StampLook look) {
    const bool turned = look.mirrored != look_.mirrored;
    look_ = look;
    pictures_.setStampLook(look_);
    // A mirrored stamp may have a picture of its own. Taken whatever the
    // tool: the stamps button may bring the stamp back as the tool later.
    if (turned && chosen_) takeStamp(chosen_, false, false);
    showHolder();
    faceButtons();
}

void StampBrowser::StampSize(int size) {
    sounds_.playWave(WaveSound::Click);
    StampLook look = look_;
    look.size = std::clamp(size, 0, kStampSizes - 1);
    setLook(look);
}

void StampBrowser::StampMirror() {
    sounds_.playWave(WaveSound::Click);
    StampLook look = look_;
    look.mirrored = !look.mirrored;
    setLook(look);
}

void StampBrowser::StampFlip() {
    sounds_.playWave(WaveSound::Click);
    StampLook look = look_;
    look.flipped = !look.flipped;
    setLook(look);
}

void StampBrowser::StampChoices(std::int64_t id, int size, int mirrored, int flipped) {
    look_ = {std::clamp(size, 0, kStampSizes - 1), mirrored != 0, flipped != 0};
    pictures_.setStampLook(look_);
    // The picture is taken whatever the tool, as it was where the story was
    // recorded: the stamps button may bring the stamp back as the tool.
    if (id != 0) {
        takeStamp(std::uint32_t(id), false, false);
    } else {
        chosen_ = 0;
        pictures_.setLibraryStamp({});
        chosenPicture_ = QImage();
        faceButtons();
    }
}

std::vector<double> StampBrowser::choices() const {
    if (chosen_ == 0 && look_ == StampLook{}) return {};
    return {double(chosen_), double(look_.size), look_.mirrored ? 1.0 : 0.0, look_.flipped ? 1.0 : 0.0};
}

QString StampBrowser::chosenFile() const {
    if (!chosen_ || !services_.stamps) return {};
    const LibraryStamp* s = services_.stamps->stamp(chosen_);
    return s ? s->file : QString();
}

void StampBrowser::applyTexts(Language language) {
    const auto name = [language](Box* b, const char* key) {
        b->setToolTip(Text(key, language));
        b->setAccessibleName(Text(key, language));
    };
    name(more_, "stamps.more.name");
    static const char* const kSizes[kStampSizes] = {"stamps.size.small", "stamps.size.medium", "stamps.size.large",
                                                    "stamps.size.huge"};
    for (int i = 0; i < kStampSizes; ++i) {
        name(sizes_[std::size_t(i)], kSizes[i]);
        name(panelSizes_[std::size_t(i)], kSizes[i]);
    }
    for (Box* b : {mirror_, panelMirror_}) name(b, "stamps.mirror.name");
    for (Box* b : {flip_, panelFlip_}) name(b, "stamps.flip.name");
    name(back_, "stamps.groups.name");
    name(close_, "stamps.close.name");
    name(prev_, "stamps.previous.name");
    name(next_, "stamps.next.name");
    if (isOpen()) showPage();
}

}  // namespace pintaloo
