// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts/gallery_panel.h"

#include "ui/actions/layout.h"
#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <algorithm>
#include <chrono>
#include <utility>

#include "ui/art/art_store.h"
#include "ui/files/picture_reader.h"
#include "ui/words/texts.h"

namespace pintaloo {

namespace {
const QColor kMidBlue(66, 115, 168);
const QColor kInk(29, 35, 64);
const QColor kPanelBack(236, 244, 255);
const QColor kPlainFrame(222, 229, 240);  // a drawing without a thumbnail
const QColor kShowBack(37, 45, 82);       // play: a dark, calm blue round the drawing

// The panel lies where the page picker lies, over the canvas.
constexpr QRect kPanel{8, 76, 809, 625};
constexpr int kTileWidth = 182, kTileHeight = 138, kTileStepX = 197, kTileStepY = 160;
constexpr int kTileLeft = 18, kTileTop = 54;
constexpr int kInset = 5;                     // the thumbnail sits inside the tile's frame
constexpr int kBinSize = 30, kFilmSize = 40;  // the badge is the child's to press
constexpr QSize kReally{178, 38};
constexpr QSize kAsk{52, 34};  // the bin with its question mark
constexpr QSize kArrow{64, 64};
constexpr QSize kPlay{56, 56};

QRect TileRect(int k) {
    return {kTileLeft + (k % GalleryPanel::kColumns) * kTileStepX, kTileTop + (k / GalleryPanel::kColumns) * kTileStepY,
            kTileWidth, kTileHeight};
}

QPixmap Art(const char* name, QSize size) {
    return ArtStore::instance().pixmap(QStringLiteral(":/art/ui/%1.svg").arg(QLatin1String(name)), size);
}

// Any key ends play, at its release: every press meanwhile is held back, so
// no key (nor Ctrl+N, whose Ctrl comes first) reaches the window's key table
// and paints or turns the page under the show.
class AnyKey final : public QObject {
public:
    explicit AnyKey(std::function<void()> end) : end_(std::move(end)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        switch (e->type()) {
            case QEvent::KeyPress:
            case QEvent::ShortcutOverride:
                return true;
            case QEvent::KeyRelease:
                if (!static_cast<QKeyEvent*>(e)->isAutoRepeat()) end_();
                return true;
            default:
                return QObject::eventFilter(watched, e);
        }
    }

private:
    std::function<void()> end_;
};
}  // namespace

GalleryPanel::GalleryPanel(WindowControls& c, const Services& services, const SoundPlayer& sounds,
                           SpokenLanguage& spoken, Panels& panels, Needs wiring)
    : needs(std::move(wiring)), c_(c), services_(services), sounds_(sounds), language_(spoken), panels_(panels),
      late_(c.window, panels, [this] { make(); }) {
    // In the title strip, between the sound button and the page commands.
    button_ = new Box(&c.window, "bGallery", PlaceOf("Gallery"));
    button_->setHandCursor(true);
    button_->onLeave = [this] { normalFaces(); };
    c.actions.bind(*button_, BoxEvent::Click, "Gallery");
    c.actions.bind(*button_, BoxEvent::MouseMove, "PointerOverGalleryCommand");
    // The panel and the play are made when the gallery first opens.
    late_.placeHere();
    panels.addLatePanel([this] { return panel_; }, [this] { CloseGallery(); });
    showTimer_.setInterval(kShowMilliseconds);
    QObject::connect(&showTimer_, &QTimer::timeout, [this] { showNextInPlay(); });
    keysDuringShow_ = std::make_unique<AnyKey>([this] { c_.actions.run("GalleryEndShow"); });
    normalFaces();
    // The bin's question holds for its very next press only: anything else
    // the child does (but moving the pointer) takes it back.
    c.actions.addObserver([this](const ActionCall& call) {
        if (armed_ && call.stage == ActionCall::Stage::Began && call.name != "GalleryBin" &&
            call.name.rfind("PointerOver", 0) != 0)
            disarm();
    });
    spoken.whenLanguageChanges([this](Language language) { applyTexts(language); });
}

void GalleryPanel::make() {
    WindowControls& c = c_;
    // Hidden, off to the side of the window until the panel is opened.
    panel_ = new Box(&c.window, "pctGallery", kPanel.translated(900 - kPanel.x(), 0));
    panel_->setBackColor(kPanelBack);
    panel_->setFrame(kMidBlue, 3, 12);
    QFont bold;
    bold.setBold(true);
    bold.setPixelSize(24);
    title_ = new Box(panel_, "lblGallery", {20, 6, 560, 36});
    title_->setCaptionStyle(bold, kInk, Qt::AlignLeft | Qt::AlignVCenter);
    empty_ = new Box(panel_, "imgGalleryEmpty", {254, 170, 300, 200});
    empty_->setAttribute(Qt::WA_TransparentForMouseEvents);
    for (int k = 0; k < kPerPage; ++k) {
        const QRect r = TileRect(k);
        Tile& t = tiles_[std::size_t(k)];
        t.picture = new Box(panel_, QStringLiteral("imgGallery(%1)").arg(k), r);
        t.picture->setCentred(true);
        t.picture->setHandCursor(true);
        t.picture->setFrame(kMidBlue, 3, 8);
        // Bound so keys, switches and screen readers find the tile (a list
        // item of the panel); the press itself counts from the page shown.
        c.actions.bind(*t.picture, BoxEvent::Click, "GalleryPick", k);
        t.picture->onClick = [this, k] { c_.actions.run("GalleryPick", {double(firstOnPage() + k)}); };
        t.film = new Box(panel_, QStringLiteral("imgGalleryFilm(%1)").arg(k),
                         {r.left() + 8, r.bottom() - kFilmSize - 7, kFilmSize, kFilmSize});
        t.film->setHandCursor(true);
        c.actions.bind(*t.film, BoxEvent::Click, "GalleryFilm", k);
        t.film->onClick = [this, k] { c_.actions.run("GalleryFilm", {double(firstOnPage() + k)}); };
        t.bin = new Box(panel_, QStringLiteral("bGalleryBin(%1)").arg(k),
                        {r.right() - kBinSize - 6, r.top() + 6, kBinSize, kBinSize});
        t.bin->setHandCursor(true);
        c.actions.bind(*t.bin, BoxEvent::Click, "GalleryBin", k);
        t.bin->onClick = [this, k] { c_.actions.run("GalleryBin", {double(firstOnPage() + k)}); };
    }
    // One "Really?" for the whole panel, laid over the bin that asked.
    really_ = new Box(panel_, "bGalleryReally", {0, 0, kReally.width(), kReally.height()});
    really_->setBackColor(QColor(255, 222, 222));
    really_->setFrame(QColor(196, 60, 70), 2, 10);
    really_->setHandCursor(true);
    // The question is a picture too, for a child who cannot read it yet.
    reallyBin_ = new Box(really_, "imgGalleryReallyBin", {4, 2, kAsk.width(), kAsk.height()});
    reallyBin_->setAttribute(Qt::WA_TransparentForMouseEvents);
    QFont ask;
    ask.setBold(true);
    ask.setPixelSize(18);
    reallyText_ = new Box(really_, "lblGalleryReally",
                          {kAsk.width() + 4, 0, kReally.width() - kAsk.width() - 6, kReally.height()});
    reallyText_->setCaptionStyle(ask, QColor(150, 30, 40), Qt::AlignCenter);
    reallyText_->setAttribute(Qt::WA_TransparentForMouseEvents);
    really_->onClick = [this] {
        if (armed_) c_.actions.run("GalleryBin", {double(*armed_)});
    };
    really_->hide();

    prevButton_ = new Box(panel_, "bGalleryPrevious", {244, 542, kArrow.width(), kArrow.height()});
    counter_ = new Box(panel_, "lblGalleryPage", {318, 542, 172, kArrow.height()});
    counter_->setCaptionStyle(bold, kInk, Qt::AlignCenter);
    nextButton_ = new Box(panel_, "bGalleryNext", {500, 542, kArrow.width(), kArrow.height()});
    playButton_ = new Box(panel_, "bGalleryPlay", {726, 546, kPlay.width(), kPlay.height()});
    for (Box* b : {prevButton_, nextButton_, playButton_}) b->setHandCursor(true);
    closeButton_ = new Box(panel_, "bCloseGallery", {761, 3, 40, 40});
    closeButton_->setHandCursor(true);
    closeButton_->onLeave = [this] { normalFaces(); };
    panel_->hide();
    panels_.rightClickCloses(*panel_);

    // Play covers the whole window, above every part.
    show_ = new Box(&c.window, "pctGalleryShow", {0, 0, c.window.width(), c.window.height()});
    show_->setBackColor(kShowBack);
    show_->setCentred(true);
    show_->onMouseDown = [this](int, double, double) { c_.actions.run("GalleryEndShow"); };
    show_->hide();
    closeButton_->setPicture(Art("panel_close", {40, 40}));

    c.actions.bind(*nextButton_, BoxEvent::Click, "GalleryNext");
    c.actions.bind(*prevButton_, BoxEvent::Click, "GalleryPrevious");
    c.actions.bind(*playButton_, BoxEvent::Click, "GalleryPlay");
    c.actions.bind(*closeButton_, BoxEvent::Click, "CloseGallery");
    c.actions.bind(*closeButton_, BoxEvent::MouseMove, "PointerOverGalleryClose");
    c.actions.bind(*panel_, BoxEvent::MouseMove, "PointerOverGallery");
    applyTexts(language_.now());
}

bool GalleryPanel::isOpen() const { return late_.made() && !panel_->isHidden(); }
bool GalleryPanel::isShowing() const { return late_.made() && !show_->isHidden(); }

GalleryPanel::~GalleryPanel() {
    if (services_.thumbnails) services_.thumbnails->cancelPending();
    QCoreApplication::instance()->removeEventFilter(keysDuringShow_.get());
}

int GalleryPanel::pageCount() const { return std::max(1, (int(listing_.size()) + kPerPage - 1) / kPerPage); }

void GalleryPanel::list() {
    listing_ = services_.gallery ? services_.gallery->list() : std::vector<GalleryEntry>{};
    if (listing_.size() > std::size_t(kMostListed)) listing_.resize(std::size_t(kMostListed));
    page_ = std::clamp(page_, 0, pageCount() - 1);
}

// The panel's pictures are drawn when it first opens, not at start: the
// window shows none of them before, and start-up draws only what it shows.
void GalleryPanel::dress() {
    if (dressed_) return;
    dressed_ = true;
    empty_->setPicture(Art("gallery_empty", {300, 200}));
    for (Tile& t : tiles_) {
        t.film->setPicture(Art("gallery_film", {kFilmSize, kFilmSize}));
        t.bin->setPicture(Art("gallery_bin", {kBinSize, kBinSize}));
    }
    reallyBin_->setPicture(Art("gallery_bin_ask", kAsk));
    playButton_->setPicture(Art("gallery_play", kPlay));
    faceArrows();
}

// The arrows point the way the pages turn: right to left, the page before
// stands on the right.
void GalleryPanel::faceArrows() {
    if (!dressed_) return;
    const bool rtl = RightToLeft(language_.now());
    prevButton_->setPicture(Art(rtl ? "arrow_next" : "arrow_prev", kArrow));
    nextButton_->setPicture(Art(rtl ? "arrow_prev" : "arrow_next", kArrow));
}

void GalleryPanel::openOver(std::function<void()> back) {
    c_.actions.run("Gallery");
    if (isOpen())
        back_ = std::move(back);
    else if (back)
        back();  // no gallery to show: the way back is taken at once, never a hidden panel
}

void GalleryPanel::OpenGallery() {
    late_.need();
    back_ = nullptr;
    sounds_.playWave(WaveSound::Click);
    dress();
    page_ = 0;
    thumbs_.clear();  // a drawing changed since may carry the same name
    list();
    panel_->move(kPanel.topLeft());
    panel_->show();
    panel_->raise();
    showPage();
}

// Every tile shows its drawing's thumbnail as soon as the port answers; till
// then, and for ever when none can be made, a plain frame.
void GalleryPanel::showPage() {
    late_.need();
    disarm();
    if (services_.thumbnails) services_.thumbnails->cancelPending();  // the page turned: its requests are moot
    const int first = firstOnPage();
    for (int k = 0; k < kPerPage; ++k) {
        Tile& t = tiles_[std::size_t(k)];
        const int n = first + k;
        const bool used = n < int(listing_.size());
        t.path = used ? listing_[std::size_t(n)].path : QString();
        // Its dated name says which drawing it is, to a grown-up's pointer and a screen reader.
        t.picture->setToolTip(used ? QFileInfo(t.path).completeBaseName() : QString());
        for (Box* b : {t.picture, t.bin}) b->setVisible(used);
        t.film->hide();
        t.picture->clearPicture();
        t.picture->setBackColor(kPlainFrame);
    }
    const bool any = !listing_.empty();
    empty_->setVisible(!any);
    prevButton_->setVisible(page_ > 0);
    nextButton_->setVisible(page_ + 1 < pageCount());
    counter_->setVisible(pageCount() > 1);
    counter_->setCaption(QStringLiteral("%1/%2").arg(page_ + 1).arg(pageCount()));
    playButton_->setVisible(any);
    if (thumbs_.size() > 3 * kPerPage) thumbs_.clear();  // a bounded memory however far the child leafs
    for (int k = 0; k < kPerPage; ++k) {
        const int n = first + k;
        if (n >= int(listing_.size())) break;
        const GalleryEntry& entry = listing_[std::size_t(n)];
        if (const auto known = thumbs_.constFind(entry.path); known != thumbs_.cend()) {
            showThumbnail(k, *known);
            continue;
        }
        if (!services_.thumbnails) continue;
        services_.thumbnails->request(entry, answers_.get(),
                                      [this, k](const QString& path, const GalleryThumbnail& thumb) {
                                          thumbs_.insert(path, thumb);
                                          if (tiles_[std::size_t(k)].path == path && isOpen()) showThumbnail(k, thumb);
                                      });
    }
}

void GalleryPanel::showThumbnail(int k, const GalleryThumbnail& thumb) {
    Tile& t = tiles_[std::size_t(k)];
    t.film->setVisible(thumb.hasStory);
    if (thumb.image.isNull()) return;  // the plain frame stays
    const QSize room = QSize(kTileWidth, kTileHeight) - QSize(2 * kInset, 2 * kInset);
    t.picture->setBackColor(QColor(Qt::white));
    t.picture->setPicture(QPixmap::fromImage(thumb.image.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

// A drawing the window refuses (its file vanished or is damaged) leaves the
// panel open: the parent has been told why if there is anything to tell,
// and the listing is taken again so a vanished drawing goes from the page.
void GalleryPanel::GalleryPick(int n) {
    if (!isOpen()) list();  // a story plays its picks without the panel
    if (n < 0 || n >= int(listing_.size())) return;
    const QString path = listing_[std::size_t(n)].path;
    if (!needs.openDrawingFile(path)) {
        if (isOpen()) {
            list();
            showPage();
        }
        return;
    }
    back_ = nullptr;  // chosen: the panel it was opened over has done its work too
    CloseGallery();
}

// The drawing's story comes with it when it opens, so its film is the one
// the film button plays; a drawing the window refuses plays nothing.
void GalleryPanel::GalleryFilm(int n) {
    if (!isOpen() || n < firstOnPage() || n >= std::min(int(listing_.size()), firstOnPage() + kPerPage)) return;
    if (tiles_[std::size_t(n - firstOnPage())].film->isHidden()) return;  // no story, no film
    c_.actions.run("GalleryPick", {double(n)});
    if (!isOpen()) c_.actions.run("PlayFilm");
}

void GalleryPanel::GalleryNext() {
    if (!isOpen() || page_ + 1 >= pageCount()) return;
    ++page_;
    showPage();
    sounds_.playWave(WaveSound::PageTurn);
}

void GalleryPanel::GalleryPrevious() {
    if (!isOpen() || page_ == 0) return;
    --page_;
    showPage();
    sounds_.playWave(WaveSound::PageTurn);
}

void GalleryPanel::GalleryBin(int n) {
    if (!isOpen() || n < firstOnPage() || n >= std::min(int(listing_.size()), firstOnPage() + kPerPage)) return;
    if (armed_ != n) {
        armed_ = n;
        // Over the bin, reaching into the tile whichever side the bin stands.
        const QRect bin = tiles_[std::size_t(n - firstOnPage())].bin->geometry();
        const bool binOnRight =
            bin.center().x() > tiles_[std::size_t(n - firstOnPage())].picture->geometry().center().x();
        really_->move(binOnRight ? bin.right() + 1 - kReally.width() + 2 : bin.left() - 2, bin.top() - 2);
        really_->show();
        really_->raise();
        return;
    }
    // The trash keeps it: a parent who took the wrong one finds it there.
    const bool trashed = services_.gallery && services_.gallery->trash(listing_[std::size_t(n)].path);
    disarm();
    if (trashed) thumbs_.remove(listing_[std::size_t(n)].path);
    list();
    showPage();
}

void GalleryPanel::disarm() {
    armed_.reset();
    if (really_) really_->hide();
}

void GalleryPanel::GalleryPlay() {
    if (!isOpen() || listing_.empty() || isShowing()) return;
    sounds_.playWave(WaveSound::Click);
    show_->setGeometry(0, 0, c_.window.width(), c_.window.height());
    showing_ = -1;
    showNextInPlay();
    show_->show();
    show_->raise();
    QCoreApplication::instance()->installEventFilter(keysDuringShow_.get());
    showTimer_.start();
}

// Each drawing is read as every opened picture is (checked, decoded off the
// window's thread within a time limit); one that cannot be read shows its
// thumbnail if the panel has it, or the calm background alone.
void GalleryPanel::showNextInPlay() {
    if (listing_.empty()) return GalleryEndShow();
    showing_ = (showing_ + 1) % int(listing_.size());
    const QString& path = listing_[std::size_t(showing_)].path;
    QImage image = OpenPicture(path, std::chrono::milliseconds(1500)).image;
    if (image.isNull()) image = thumbs_.value(path).image;
    if (image.isNull()) {
        show_->clearPicture();
        return;
    }
    const QSize room = show_->size() - QSize(48, 48);
    show_->setPicture(QPixmap::fromImage(image.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void GalleryPanel::GalleryEndShow() {
    if (!isShowing()) return;
    showTimer_.stop();
    QCoreApplication::instance()->removeEventFilter(keysDuringShow_.get());
    show_->hide();
    show_->clearPicture();  // a full-window picture is a few megabytes
    showing_ = -1;
}

void GalleryPanel::CloseGallery() {
    GalleryEndShow();
    disarm();
    if (services_.thumbnails) services_.thumbnails->cancelPending();
    const bool wasOpen = isOpen();
    thumbs_.clear();
    if (late_.made()) {
        panel_->hide();
        for (Tile& t : tiles_) t.picture->clearPicture();
    }
    if (auto back = std::exchange(back_, nullptr); back && wasOpen) back();
}

void GalleryPanel::normalFaces() {
    button_->setPicture(Art("gallery_button", {49, 49}));
    if (closeButton_) closeButton_->setPicture(Art("panel_close", {40, 40}));
}

void GalleryPanel::PointerOverGalleryCommand(int, double, double) {
    c_.setHandCursor(true);
    needs.normalCommandFaces();
    button_->setPicture(Art("gallery_button_hot", {49, 49}));
}

void GalleryPanel::PointerOverGallery(int, double, double) {
    needs.normalCommandFaces();
    normalFaces();
}

void GalleryPanel::PointerOverGalleryClose(int, double, double) {
    c_.setHandCursor(true);
    late_.need();
    closeButton_->setPicture(Art("panel_close_hot", {40, 40}));
}

void GalleryPanel::applyTexts(Language language) {
    button_->setToolTip(Text(TextId::MyDrawings, language));
    if (!late_.made()) return;
    MirrorForLanguage(*panel_, language);
    faceArrows();
    title_->setCaption(Text(TextId::MyDrawings, language));
    playButton_->setToolTip(Text(TextId::GalleryPlay, language));
    closeButton_->setToolTip(Text(TextId::ClosePanel, language));
    reallyText_->setCaption(Text(TextId::GalleryReally, language));
    for (Tile& t : tiles_) {
        t.bin->setToolTip(Text(TextId::GalleryBin, language));
        t.film->setToolTip(Text(TextId::PlayFilm, language));
    }
}

}  // namespace pintaloo
