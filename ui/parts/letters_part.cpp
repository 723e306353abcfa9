// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts/letters_part.h"

#include <QGuiApplication>
#include <QInputMethod>
#include <QKeyEvent>
#include <QPainter>
#include <QTransform>
#include <QtDebug>
#include <algorithm>
#include <cmath>

#include "engine/toolbox/letters_ink.h"
#include "ui/actions/box.h"
#include "ui/art/art_store.h"
#include "ui/words/texts.h"

namespace pintaloo {

namespace {

constexpr int kKey = 42, kPitch = 46;  // a key, and key to key
constexpr int kBoardWidth = kBoardColumns * kPitch + 6, kBoardHeight = kBoardRows * kPitch + 6;
// The board lies along the foot of the paper, or along its top while the
// word is being written where the board would hide it.
constexpr int kBoardLeft = 9 + (807 - kBoardWidth) / 2, kBoardLow = 613 - kBoardHeight - 3, kBoardHigh = 79;

QRect KeyPlace(int slot) { return {3 + kPitch * (slot % kBoardColumns), 3 + kPitch * (slot / kBoardColumns), kKey, kKey}; }

// The keys' faces: six bright tiles in turn along a row, like a box of
// crayons, each with a darker rim, and the letter in the outline's blue-black.
struct KeyTone {
    QColor face, rim;
};
const KeyTone kTones[] = {{{255, 205, 210}, {240, 150, 160}}, {{255, 224, 178}, {245, 180, 110}},
                          {{255, 245, 170}, {230, 205, 90}},  {{200, 240, 200}, {130, 205, 140}},
                          {{200, 228, 255}, {130, 180, 240}}, {{228, 210, 255}, {175, 145, 235}}};
const QColor kInk(43, 45, 66);

QPixmap LetterFace(char32_t letter, int slot) {
    const KeyTone& tone = kTones[std::size_t(slot % kBoardColumns % 6)];
    QPixmap face(kKey, kKey);
    face.fill(Qt::transparent);
    QPainter p(&face);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kInk, 2));
    p.setBrush(tone.rim);
    p.drawRoundedRect(QRectF(2, 3, 38, 37), 10, 10);
    p.setPen(Qt::NoPen);
    p.setBrush(tone.face);
    p.drawRoundedRect(QRectF(3.5, 3.5, 35, 32), 9, 9);
    QFont font = TheLettersFont().font;
    font.setPixelSize(24);
    p.setFont(font);
    p.setPen(kInk);
    p.drawText(QRectF(2, 2, 38, 34), Qt::AlignCenter, QString::fromUcs4(&letter, 1));
    return face;
}

// The word over the paper: exactly the pixels it will land as, and a bar
// where the next letter goes.
class WordView final : public QWidget {
public:
    explicit WordView(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }
    QImage image;
    QRect caret;  // in this widget

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawImage(0, 0, image);
        p.fillRect(caret, QColor(90, 90, 90));
    }
};

QString KeyName(const char* key, Language language) { return Text(std::string_view(key), language); }

}  // namespace

QImage PaperWithWord(const Surface& paper, const LetterInk& ink, QRect area, Colour colour, Colour outline) {
    area &= QRect(0, 0, paper.width(), paper.height());
    if (area.isEmpty()) return {};
    Surface copy(area.width(), area.height());
    const auto width = std::size_t(area.width());
    for (int y = 0; y < area.height(); ++y) {
        const Colour* from = paper.data() + std::size_t(area.top() + y) * std::size_t(paper.width()) + std::size_t(area.left());
        std::copy(from, from + width, copy.data() + std::size_t(y) * width);
    }
    if (!ink.image.isNull())
        InkLetters(copy,
                   {ink.image.constBits(), ink.image.width(), ink.image.height(), int(ink.image.bytesPerLine()),
                    ink.left - area.left(), ink.top - area.top()},
                   colour, outline);
    QImage image(area.width(), area.height(), QImage::Format_RGB32);
    for (int y = 0; y < area.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const Colour* row = copy.data() + std::size_t(y) * width;
        for (std::size_t x = 0; x < width; ++x) line[x] = qRgb(RedOf(row[x]), GreenOf(row[x]), BlueOf(row[x]));
    }
    return image;
}

LettersPart::LettersPart(WindowControls& c, Painting& painting, SpokenLanguage& spoken, Panels& panels, Needs wiring)
    : needs(std::move(wiring)), c_(c), painting_(painting), spoken_(spoken), panels_(panels),
      late_(c.window, panels, [this] { make(); }) {
    panels.addLatePanel([this] { return board_; },
                        [this] {
                            boardAway_ = true;
                            if (board_) board_->hide();
                        });
    c.actions.addObserver([this](const ActionCall& call) { heard(call); });
    spoken.whenLanguageChanges([this](Language language) {
        if (late_.made()) applyTexts(language);
    });
}

// The board and the word over the paper are made when the letters tool is
// first chosen.
void LettersPart::make() {
    WindowControls& c = c_;
    board_ = new Box(&c.window, "pctLetters", {kBoardLeft, kBoardLow, kBoardWidth, kBoardHeight});
    board_->setBackColor(QColor(Qt::white));
    board_->setFrame(QColor(66, 115, 168), 3, 14);
    board_->hide();
    for (int i = 0; i < kBoardLetterKeys; ++i) {
        Box* key = new Box(board_, QStringLiteral("bLetter(%1)").arg(i), KeyPlace(i));
        key->setHandCursor(true);
        c.actions.bind(*key, BoxEvent::Click, "PressLetterKey", i);
        keys_.push_back(key);
    }
    const auto pictureKey = [&](const char* name, int slot, const char* art, const char* action) {
        Box* key = new Box(board_, QString::fromLatin1(name), KeyPlace(slot));
        key->setHandCursor(true);
        key->setPicture(ArtStore::instance().pixmap(QStringLiteral(":/art/ui/%1.svg").arg(QLatin1String(art)), {kKey, kKey}));
        c.actions.bind(*key, BoxEvent::Click, action);
        return key;
    };
    space_ = pictureKey("bLetterSpace", kBoardLetterKeys, "letter_space", "LetterSpace");
    back_ = pictureKey("bLetterBack", kBoardLetterKeys + 1, "letter_back", "LettersBack");
    done_ = pictureKey("bLetterDone", kBoardLetterKeys + 2, "letter_done", "LettersDone");
    word_ = new WordView(&c.window);
    panels_.rightClickCloses(*board_);
    applyTexts(spoken_.now());
}

// What other actions do to the word: a tool chosen lands it; a drawing put
// in the page's place, undo and redo forget it (a story may begin again
// there, without it). After every action the board follows the tool.
void LettersPart::heard(const ActionCall& call) {
    if (call.stage == ActionCall::Stage::Began) {
        if (!open_) return;
        if (call.name == "ChooseTool") land();
        else if (call.replacesDrawing || call.story == StoryRole::Undoes || call.story == StoryRole::Redoes) forget();
        return;
    }
    showBoard();
}

bool LettersPart::takePress(Tool tool, double x, double y) {
    if (tool != kLettersTool) return false;
    if (open_) land();
    open_ = true;
    text_.clear();
    at_ = QPoint(int(std::lround(x)), int(std::lround(y)));
    boardAway_ = false;
    c_.window.setAttribute(Qt::WA_InputMethodEnabled, true);
    if (QGuiApplication::inputMethod()) QGuiApplication::inputMethod()->update(Qt::ImEnabled);
    showWord(true);
    showBoard();
    return true;
}

bool LettersPart::takeKey(const QKeyEvent& e, bool keysPressControls) {
    if (!open_ || (e.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) return false;
    switch (e.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (keysPressControls) return false;
            [[fallthrough]];
        case Qt::Key_Escape:
            c_.actions.run("LettersDone");
            return true;
        case Qt::Key_Backspace:
            c_.actions.run("LettersBack");
            return true;
        case Qt::Key_Space:
            if (keysPressControls) return false;
            break;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return false;
        default:
            break;
    }
    const QString typed = e.text();
    if (typed.isEmpty()) return false;
    bool any = false;
    for (const char32_t letter : typed.toUcs4()) {
        if (QChar::category(letter) == QChar::Other_Control) continue;
        c_.actions.run("TypeLetter", {double(letter), double(TheLettersFont().stamp)});
        any = true;
    }
    return any;
}

void LettersPart::takeInput(const QString& committed) {
    if (!open_) return;
    for (const char32_t letter : committed.toUcs4())
        c_.actions.run("TypeLetter", {double(letter), double(TheLettersFont().stamp)});
}

void LettersPart::TypeLetter(int letter, int fontStamp) {
    if (!open_) return;
    // A story typed with other font files: drawn with these, said once.
    if (fontStamp != 0 && std::uint32_t(fontStamp) != TheLettersFont().stamp && !warnedFont_) {
        warnedFont_ = true;
        qWarning().noquote() << QStringLiteral("letters: typed with font files of stamp %1; drawn with %2 (%3, stamp %4)")
                                    .arg(fontStamp)
                                    .arg(TheLettersFont().family, TheLettersFont().file)
                                    .arg(TheLettersFont().stamp);
    }
    if (text_.type(char32_t(letter))) showWord(true);
}

void LettersPart::PressLetterKey(int key) {
    const auto letters = BoardLetters(spoken_.now());
    if (key < 0 || std::size_t(key) >= letters.size()) return;
    c_.actions.run("TypeLetter", {double(letters[std::size_t(key)]), double(TheLettersFont().stamp)});
}

void LettersPart::LetterSpace() { c_.actions.run("TypeLetter", {32.0, double(TheLettersFont().stamp)}); }

void LettersPart::LettersBack() {
    if (open_ && text_.back()) showWord(true);
}

void LettersPart::LettersDone() {
    if (open_) land();
}

int LettersPart::pixelSize() const { return LetterPixelSize(painting_.state.BrushSize); }

bool LettersPart::boardShown() const { return late_.made() && !board_->isHidden(); }

bool LettersPart::onBoard(const QWidget* w) const { return w && board_ && w->parentWidget() == board_; }

void LettersPart::land() {
    const LetterInk ink = DrawLetters(text_.text(), pixelSize(), at_.x(), at_.y(), spoken_.now());
    forget();
    if (ink.image.isNull()) return;
    const LetterCoverage coverage{ink.image.constBits(), ink.image.width(), ink.image.height(),
                                  int(ink.image.bytesPerLine()), ink.left, ink.top};
    if (!InkLetters(painting_.canvas, coverage, painting_.state.CurrentColor, painting_.state.OutlineColor).empty())
        painting_.refresh();
}

void LettersPart::forget() {
    open_ = false;
    text_.clear();
    if (word_) word_->hide();
    c_.window.setAttribute(Qt::WA_InputMethodEnabled, false);
    if (QGuiApplication::inputMethod()) QGuiApplication::inputMethod()->update(Qt::ImEnabled);
}

// The word as it will land: the paper under it, copied, with the letters
// laid on the copy by the very routine that lays them on the paper.
void LettersPart::showWord(bool changed) {
    late_.need();
    auto* view = static_cast<WordView*>(word_);
    const Colour colour = painting_.state.CurrentColor;
    if (!changed && text_.text() == shownText_ && colour == shownColour_ && pixelSize() == shownSize_ &&
        at_ == shownAt_ && spoken_.now() == shownLanguage_)
        return;
    shownText_ = text_.text();
    shownColour_ = colour;
    shownSize_ = pixelSize();
    shownAt_ = at_;
    shownLanguage_ = spoken_.now();
    const QRect canvas = needs.canvasOnWindow();
    const int size = pixelSize();
    const LetterInk ink = DrawLetters(text_.text(), size, at_.x(), at_.y(), spoken_.now());
    const bool rtl = text_.text().isRightToLeft();
    // The caret: a bar as tall as the capitals, at the word's growing end.
    const int pad = size / 4 + 2;  // DrawLetters's margin round the word
    const int caretX = ink.image.isNull() ? at_.x() : rtl ? ink.left + pad - 5 : ink.left + ink.image.width() - pad + 2;
    const QRect caret(caretX, at_.y() - size / 3, 3, 2 * size / 3);
    QRect area = caret;
    if (!ink.image.isNull()) area |= QRect(ink.left, ink.top, ink.image.width(), ink.image.height());
    area &= QRect(0, 0, painting_.canvas.width(), painting_.canvas.height());
    if (area.isEmpty()) {
        view->hide();
        return;
    }
    const QImage image = PaperWithWord(painting_.canvas, ink, area, painting_.state.CurrentColor, painting_.state.OutlineColor);
    view->image = image;
    view->caret = caret.translated(-area.topLeft());
    view->setGeometry(area.translated(canvas.topLeft()));
    view->show();
    view->raise();
    board_->raise();
    view->update();
}

void LettersPart::showBoard() {
    const bool letters = painting_.state.ToolMode == kLettersTool;
    if (!letters && !open_ && !late_.made()) return;  // nothing to show or hide yet
    late_.need();
    const bool want = letters && open_ && !boardAway_;
    if (letters) {
        fillKeys(spoken_.now());
        // Written low on the paper, the word would lie under the board.
        const bool high = open_ && at_.y() + 76 + pixelSize() > kBoardLow;
        board_->move(kBoardLeft, high ? kBoardHigh : kBoardLow);
        if (open_) showWord(false);  // the colour or the size may have changed
    } else if (open_) {
        land();  // another tool, chosen without the button (a pen's end, a story's state)
    }
    if (want == board_->isHidden()) {
        board_->setVisible(want);
        if (want) board_->raise();
    }
}

void LettersPart::fillKeys(Language language) {
    if (keysLanguage_ == language) return;
    keysLanguage_ = language;
    const auto letters = BoardLetters(language);
    for (std::size_t i = 0; i < keys_.size(); ++i) {
        Box* key = keys_[i];
        const bool used = i < letters.size();
        key->setVisible(used);
        key->setPicture(used ? LetterFace(letters[i], int(i)) : QPixmap());
        // A screen reader says the letter itself.
        key->setToolTip(used ? QString::fromUcs4(&letters[i], 1) : QString());
    }
    MirrorForLanguage(*board_, language);
    // Back points the way the word goes back: leftwards, or rightwards in Arabic.
    const QPixmap face = ArtStore::instance().pixmap(QStringLiteral(":/art/ui/letter_back.svg"), {kKey, kKey});
    back_->setPicture(RightToLeft(language) ? face.transformed(QTransform().scale(-1, 1)) : face);
}

void LettersPart::applyTexts(Language language) {
    if (!late_.made()) return;
    board_->setToolTip(KeyName("letters.help", language));
    space_->setToolTip(KeyName("letters.space", language));
    back_->setToolTip(KeyName("letters.back", language));
    done_->setToolTip(KeyName("letters.done", language));
    if (!board_->isHidden()) fillKeys(language);
}

}  // namespace pintaloo
