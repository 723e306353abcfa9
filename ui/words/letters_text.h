// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the letters part works with, apart from its controls: the word being
// typed (letters in, whole letters out), the letters each language's board
// offers, the font the words are drawn in and the drawing of a word's
// coverage for engine/toolbox/letters_ink.h to lay on the paper.
#include <QFont>
#include <QImage>
#include <QString>
#include <array>
#include <cstdint>
#include <span>

#include "ui/words/language.h"

namespace pintaloo {

// The word being typed. Korean letters typed one by one (the jamo a child
// finds on the board or on a Korean keyboard without its input method) are
// composed into syllables as they come, as Korean is written: ㄱ then ㅏ is
// 가, then ㄴ makes 간, and a vowel after that takes the ㄴ over (가 나).
// Back takes off the last whole letter as a reader sees it (a syllable, an
// accented letter typed in two parts, a letter with its combining marks).
class LetterText {
public:
    // The most the word holds, in UTF-16 units: a name or a label.
    static constexpr int kMost = 48;

    // Adds a letter; false (and the word unchanged) for what is not one: a
    // control character, a lone surrogate, a number no character has, or
    // a word already full.
    bool type(char32_t letter);
    // Takes off the last letter; false when the word was empty.
    bool back();
    void clear() { text_.clear(); }
    const QString& text() const { return text_; }
    bool empty() const { return text_.isEmpty(); }

private:
    bool composeKorean(char32_t jamo);
    QString text_;
};

// A language's board: its letters in the order a child learns them, then
// its digits when there is room. Each key is one character.
std::span<const char32_t> BoardLetters(Language language);
// The board's place for letters: three rows of 17 keys, the last three of
// which are the picture keys (space, back, done).
inline constexpr int kBoardColumns = 17, kBoardRows = 3, kBoardLetterKeys = kBoardColumns * kBoardRows - 3;

// The font the words are drawn in: Andika, made for children learning to
// read, read from its file so the letters look the same whatever the
// desktop's fonts are set to; Arabic from Noto Sans Arabic's file, and
// Chinese, Japanese and Korean from Noto Sans CJK by name (too big a file to
// read through for its fingerprint at every start). `stamp` is 24 bits of
// the SHA-256 of the files read, so a story can tell whether it is replayed
// with the same fonts.
struct LettersFont {
    QString family;      // "Andika", or the desktop's fallback when its file is missing
    QString file;        // Andika's file ("" when missing)
    qint64 bytes = 0;    // its size
    QString hash;        // SHA-256 of Andika's and the Arabic font's files, in hex
    std::uint32_t stamp = 0;
    QFont font;          // at no size yet; LetterPixelSize gives one
};
// Loaded once, on first asking.
const LettersFont& TheLettersFont();
// The letters' height for the size bars' brush size: four clear sizes, the
// smallest still big enough for a child to read back.
int LetterPixelSize(int brushSize);

// A word's coverage, drawn antialiased with fixed hinting: `image` is an
// 8-bit alpha mask whose top left corner lies at `left`, `top` on the
// paper, for a word that starts at (x, y): the middle of its capitals is
// at y, and it runs from x to the right (to the left for a word in Arabic).
struct LetterInk {
    QImage image;  // Format_Alpha8, empty for an empty word
    int left = 0, top = 0;
};
LetterInk DrawLetters(const QString& text, int pixelSize, int x, int y, Language language);

}  // namespace pintaloo
