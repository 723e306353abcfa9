// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Words written on the drawing: letters typed and taken back at random
// leave the word a child would expect, and land on the paper exactly as
// the same word typed straight.
#include <QTextBoundaryFinder>
#include <random>

#include "engine/toolbox/letters_ink.h"
#include "ui/parts/drawing_history.h"
#include "ui/parts/letters_part.h"
#include "window_fixture.h"

namespace pintaloo::uitest {
namespace {


// The word's last grapheme starts where the finder says, so a back that
// removes exactly that much removed one whole letter.
qsizetype LastLetterStart(const QString& s) {
    QTextBoundaryFinder f(QTextBoundaryFinder::Grapheme, s);
    f.toEnd();
    return f.toPreviousBoundary();
}

// Korean jamo compose as they are written (a few words a child writes).
TEST(LetterText, KoreanLettersComposeIntoSyllables) {
    const struct {
        std::u32string typed;
        QString word;
    } cases[] = {{U"ㄱㅏㄴ", QStringLiteral("간")},     {U"ㄱㅏㄴㅏ", QStringLiteral("가나")},
                 {U"ㄷㅏㄹㄱ", QStringLiteral("닭")},   {U"ㄷㅏㄹㄱㅏ", QStringLiteral("달가")},
                 {U"ㅎㅗㅏ", QStringLiteral("화")},     {U"ㅁㅣㄴㅈㅜㄴ", QStringLiteral("민준")},
                 {U"ㄸㅏㄸ", QStringLiteral("따ㄸ")},   {U"ㅏㄱ", QStringLiteral("ㅏㄱ")}};
    for (const auto& c : cases) {
        LetterText t;
        for (char32_t l : c.typed) ASSERT_TRUE(t.type(l));
        EXPECT_EQ(t.text(), c.word) << QString::fromStdU32String(c.typed).toStdString();
    }
}

// Random letters and backs over every board, Korean composing, combining
// accents and a letter beyond 16 bits: each back takes exactly one whole
// letter, and the word left is the word typed straight. Where nothing
// composes, it is also what a plain list of the letters would give.
TEST(LetterText, RandomLettersAndBacksLeaveTheWordTypedStraight) {
    std::mt19937 rng(7);
    std::vector<char32_t> pool;
    for (int l = 0; l < kLanguageCount; ++l)
        for (char32_t c : BoardLetters(Language(l))) pool.push_back(c);
    const std::size_t plain = pool.size();
    for (char32_t c : {char32_t(0x301), char32_t(0x308), char32_t(0x10400), char32_t(1), char32_t(0xD800)}) pool.push_back(c);
    for (int round = 0; round < 400; ++round) {
        const bool composing = round % 2 == 1;
        LetterText t;
        std::u32string model;
        bool typedKorean = false;
        for (int step = 0; step < 40; ++step) {
            if (rng() % 4 == 0) {
                const QString before = t.text();
                ASSERT_EQ(t.back(), !before.isEmpty());
                if (!before.isEmpty()) {
                    ASSERT_EQ(t.text(), before.left(LastLetterStart(before)));
                }
                if (!model.empty()) model.pop_back();
                continue;
            }
            const char32_t l = pool[rng() % (composing ? pool.size() : plain)];
            const bool korean = l >= 0x3131 && l <= 0x3163;
            typedKorean = typedKorean || korean;
            if (t.type(l)) model.push_back(l);
        }
        LetterText straight;
        for (char32_t l : t.text().toStdU32String()) ASSERT_TRUE(straight.type(l));
        ASSERT_EQ(straight.text(), t.text()) << round;
        if (!composing && !typedKorean) {
            ASSERT_EQ(t.text(), QString::fromStdU32String(model)) << round;
        }
    }
}

// In the window: a random session of board keys, typed letters, spaces and
// backs in a language lands as one undo step, and as the same pixels as the
// final word typed straight on a new page.
TEST_F(WindowTest, LettersTypedAndTakenBackLandAsTheWordTypedStraight) {
    std::mt19937 rng(11);
    for (const Language language : {Language::French, Language::Arabic, Language::Korean, Language::Russian}) {
        SCOPED_TRACE(int(language));
        w().SetLanguage(language);
        call("NewPage", {1});
        call("ChooseTool", {8, 1, 0, 0});
        const unsigned colour = rng() % 21, size = rng() % 4;
        call("ChooseColour", {double(colour)});
        call("ChooseSize", {double(size)});
        EXPECT_FALSE(w().letters().boardShown()) << "the board waits for the word's place";
        const double x = 300, y = 200;
        call("PenDown", {1, x, y});
        call("PenUp", {1, x, y});
        ASSERT_TRUE(w().letters().boardShown());
        const auto board = BoardLetters(language);
        for (int step = 0; step < 30; ++step) {
            switch (rng() % 5) {
                case 0: call("LettersBack"); break;
                case 1: call("LetterSpace"); break;
                case 2: call("TypeLetter", {double(board[rng() % board.size()])}); break;
                default: call("LetterKey", {double(rng() % board.size())}); break;
            }
        }
        const QString word = w().letters().text();
        const std::size_t steps = w().drawingHistory().undoCount();
        call("LettersDone");
        EXPECT_FALSE(w().letters().open());
        const std::vector<Colour> typed = pixels();
        EXPECT_EQ(canvasIsBlank(), word.trimmed().isEmpty()) << word.toStdString();
        EXPECT_EQ(w().drawingHistory().undoCount(), steps + (canvasIsBlank() ? 0 : 1));
        // The same word typed straight on a new page, with the same colour and size.
        call("NewPage", {1});
        EXPECT_TRUE(canvasIsBlank());
        call("ChooseTool", {8, 1, 0, 0});
        call("ChooseColour", {double(colour)});
        call("ChooseSize", {double(size)});
        call("PenDown", {1, x, y});
        for (char32_t l : word.toStdU32String()) call("TypeLetter", {double(l)});
        EXPECT_EQ(w().letters().text(), word);
        call("LettersDone");
        EXPECT_TRUE(pixels() == typed) << word.toStdString();
    }
    w().SetLanguage(Language::English);
}

}  // namespace
}  // namespace pintaloo::uitest
