// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/words/letters_text.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextBoundaryFinder>
#include <QTextLayout>
#include <cmath>
#include <string_view>
#include <utility>

namespace pintaloo {

namespace {

// Korean letters as the board and a plain keyboard give them (the
// compatibility jamo): the consonants that start a syllable, those that end
// one, in Unicode's order for each, and the pairs that make one vowel or
// one final consonant.
constexpr std::u32string_view kFirsts = U"ㄱㄲㄴㄷㄸㄹㅁㅂㅃㅅㅆㅇㅈㅉㅊㅋㅌㅍㅎ";
constexpr std::u32string_view kFinals = U"ㄱㄲㄳㄴㄵㄶㄷㄹㄺㄻㄼㄽㄾㄿㅀㅁㅂㅄㅅㅆㅇㅈㅊㅋㅌㅍㅎ";
constexpr char32_t kFirstVowel = U'ㅏ', kLastVowel = U'ㅣ', kFirstSyllable = 0xAC00, kLastSyllable = 0xD7A3;
struct Pair {
    char32_t a, b, both;
};
constexpr Pair kVowelPairs[] = {{U'ㅗ', U'ㅏ', U'ㅘ'}, {U'ㅗ', U'ㅐ', U'ㅙ'}, {U'ㅗ', U'ㅣ', U'ㅚ'}, {U'ㅜ', U'ㅓ', U'ㅝ'},
                                {U'ㅜ', U'ㅔ', U'ㅞ'}, {U'ㅜ', U'ㅣ', U'ㅟ'}, {U'ㅡ', U'ㅣ', U'ㅢ'}};
constexpr Pair kFinalPairs[] = {{U'ㄱ', U'ㅅ', U'ㄳ'}, {U'ㄴ', U'ㅈ', U'ㄵ'}, {U'ㄴ', U'ㅎ', U'ㄶ'}, {U'ㄹ', U'ㄱ', U'ㄺ'},
                                {U'ㄹ', U'ㅁ', U'ㄻ'}, {U'ㄹ', U'ㅂ', U'ㄼ'}, {U'ㄹ', U'ㅅ', U'ㄽ'}, {U'ㄹ', U'ㅌ', U'ㄾ'},
                                {U'ㄹ', U'ㅍ', U'ㄿ'}, {U'ㄹ', U'ㅎ', U'ㅀ'}, {U'ㅂ', U'ㅅ', U'ㅄ'}};

bool IsVowel(char32_t c) { return c >= kFirstVowel && c <= kLastVowel; }
int FirstOf(char32_t c) { const auto i = kFirsts.find(c); return i == std::u32string_view::npos ? -1 : int(i); }
int FinalOf(char32_t c) { const auto i = kFinals.find(c); return i == std::u32string_view::npos ? 0 : int(i) + 1; }
char32_t Joined(std::span<const Pair> pairs, char32_t a, char32_t b) {
    for (const Pair& p : pairs)
        if (p.a == a && p.b == b) return p.both;
    return 0;
}
char32_t Syllable(int first, int vowel, int final) {
    return kFirstSyllable + char32_t((first * 21 + vowel) * 28 + final);
}

// Each board: the letters in the order a child learns them, capitals as
// nursery classes write names, then the digits where they fit.
struct Board {
    Language language;
    std::u32string_view keys;
};
constexpr Board kBoards[] = {
    {Language::English, U"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"},
    {Language::Romanian, U"AĂÂBCDEFGHIÎJKLMNOPQRSȘTȚUVWXYZ0123456789"},
    {Language::French, U"ABCDEFGHIJKLMNOPQRSTUVWXYZÉÈÊËÀÂÇÎÏÔÙÛ0123456789"},
    {Language::German, U"ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜß0123456789"},
    {Language::Italian, U"ABCDEFGHIJKLMNOPQRSTUVWXYZÀÈÉÌÒÙ0123456789"},
    {Language::Spanish, U"ABCDEFGHIJKLMNÑOPQRSTUVWXYZÁÉÍÓÚÜ0123456789"},
    {Language::Arabic, U"ابتثجحخدذرزسشصضطظعغفقكلمنهويةىءأ٠١٢٣٤٥٦٧٨٩"},
    // Pinyin, the Latin letters Chinese children first write words in.
    {Language::Chinese, U"abcdefghijklmnopqrstuvwxyzü0123456789"},
    // The hiragana, without digits: forty-eight keys are all the room.
    {Language::Japanese, U"あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわをんっー"},
    {Language::Korean, U"ㄱㄴㄷㄹㅁㅂㅅㅇㅈㅊㅋㅌㅍㅎㄲㄸㅃㅆㅉㅏㅑㅓㅕㅗㅛㅜㅠㅡㅣㅐㅒㅔㅖ0123456789"},
    {Language::Dutch, U"ABCDEFGHIJKLMNOPQRSTUVWXYZÉËÏ0123456789"},
    {Language::Polish, U"AĄBCĆDEĘFGHIJKLŁMNŃOÓPQRSŚTUVWXYZŹŻ0123456789"},
    {Language::Portuguese, U"ABCDEFGHIJKLMNOPQRSTUVWXYZÁÂÃÀÇÉÊÍÓÔÕÚ0123456789"},
    {Language::Russian, U"АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ0123456789"},
    {Language::Turkish, U"ABCÇDEFGĞHIİJKLMNOÖPRSŞTUÜVYZ0123456789"},
    {Language::Ukrainian, U"АБВГҐДЕЄЖЗИІЇЙКЛМНОПРСТУФХЦЧШЩЬЮЯ0123456789"},
};

QString FileHash(const QString& path, QCryptographicHash& whole) {
    QFile f(path);
    QFileInfo info(path);
    // A font is a few hundred kilobytes; anything past 32 MB is not one.
    if (!info.isFile() || info.size() > (32 << 20) || !f.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = f.readAll();
    whole.addData(bytes);
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

LettersFont LoadLettersFont() {
    static const QString kAndika = QStringLiteral("/usr/share/fonts/truetype/andika/Andika-Regular.ttf");
    static const QString kArabic = QStringLiteral("/usr/share/fonts/truetype/noto/NotoSansArabic-Regular.ttf");
    LettersFont f;
    QCryptographicHash whole(QCryptographicHash::Sha256);
    QStringList families;
    for (const QString& path : {kAndika, kArabic}) {
        if (FileHash(path, whole).isEmpty()) continue;
        const int id = QFontDatabase::addApplicationFont(path);
        const QStringList named = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
        if (named.isEmpty()) continue;
        families << named.first();
        if (path == kAndika) {
            f.family = named.first();
            f.file = path;
            f.bytes = QFileInfo(path).size();
        }
    }
    const QByteArray sum = whole.result();
    f.hash = QString::fromLatin1(sum.toHex());
    f.stamp = (std::uint32_t(std::uint8_t(sum[0])) << 16) | (std::uint32_t(std::uint8_t(sum[1])) << 8) |
              std::uint32_t(std::uint8_t(sum[2]));
    if (f.family.isEmpty()) f.family = QStringLiteral("Sans Serif");
    f.font.setFamilies(families.isEmpty() ? QStringList{f.family} : families);
    // The same shapes whatever the desktop asks: outlines as drawn, grey
    // edges rather than coloured ones.
    f.font.setHintingPreference(QFont::PreferNoHinting);
    f.font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
    return f;
}

QString CjkFamily(Language language) {
    switch (language) {
        case Language::Japanese: return QStringLiteral("Noto Sans CJK JP");
        case Language::Korean: return QStringLiteral("Noto Sans CJK KR");
        default: return QStringLiteral("Noto Sans CJK SC");
    }
}

}  // namespace

bool LetterText::type(char32_t letter) {
    if (letter > 0x10FFFF) return false;
    switch (QChar::category(letter)) {
        case QChar::Other_Control:
        case QChar::Other_Surrogate:
        case QChar::Other_NotAssigned:
        case QChar::Other_PrivateUse:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            return false;
        default:
            break;
    }
    if (composeKorean(letter)) return true;
    if (text_.size() + (QChar::requiresSurrogates(letter) ? 2 : 1) > kMost) return false;
    text_ += QString::fromUcs4(&letter, 1);
    return true;
}

// Korean: the new letter joins the last syllable (or the lone consonant
// before it) when Korean writing would put it there.
bool LetterText::composeKorean(char32_t jamo) {
    if (text_.isEmpty() || jamo < kFirsts.front() || jamo > kLastVowel) return false;
    const char32_t last = text_.back().unicode();
    const auto replaceLast = [this](std::u32string_view by) {
        const QString with = QString::fromUcs4(by.data(), qsizetype(by.size()));
        if (text_.size() - 1 + with.size() > kMost) return false;
        text_.chop(1);
        text_ += with;
        return true;
    };
    const bool syllable = last >= kFirstSyllable && last <= kLastSyllable;
    const int index = syllable ? int(last - kFirstSyllable) : 0;
    const int first = index / (21 * 28), vowel = index / 28 % 21, final = index % 28;
    if (IsVowel(jamo)) {
        const int v = int(jamo - kFirstVowel);
        if (const int f = FirstOf(last); f >= 0) {
            const char32_t s = Syllable(f, v, 0);
            return replaceLast({&s, 1});
        }
        if (IsVowel(last)) {
            const char32_t both = Joined(kVowelPairs, last, jamo);
            return both != 0 && replaceLast({&both, 1});
        }
        if (!syllable) return false;
        if (final == 0) {
            const char32_t both = Joined(kVowelPairs, char32_t(kFirstVowel + char32_t(vowel)), jamo);
            if (both == 0) return false;
            const char32_t s = Syllable(first, int(both - kFirstVowel), 0);
            return replaceLast({&s, 1});
        }
        // The final consonant (or a double final's second) starts the new syllable.
        const char32_t was = kFinals[std::size_t(final - 1)];
        char32_t kept = 0, moved = was;
        for (const Pair& p : kFinalPairs) {
            if (p.both != was) continue;
            kept = p.a;
            moved = p.b;
        }
        const char32_t two[2] = {Syllable(first, vowel, kept ? FinalOf(kept) : 0), Syllable(FirstOf(moved), v, 0)};
        return replaceLast({two, 2});
    }
    if (!syllable) return false;
    if (final == 0) {
        const int f = FinalOf(jamo);
        if (f == 0) return false;  // ㄸ ㅃ ㅉ never end a syllable
        const char32_t s = Syllable(first, vowel, f);
        return replaceLast({&s, 1});
    }
    const char32_t both = Joined(kFinalPairs, kFinals[std::size_t(final - 1)], jamo);
    if (both == 0) return false;
    const char32_t s = Syllable(first, vowel, FinalOf(both));
    return replaceLast({&s, 1});
}

bool LetterText::back() {
    if (text_.isEmpty()) return false;
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text_);
    graphemes.toEnd();
    const qsizetype start = graphemes.toPreviousBoundary();
    text_.truncate(start < 0 ? 0 : start);
    return true;
}

std::span<const char32_t> BoardLetters(Language language) {
    for (const Board& b : kBoards)
        if (b.language == language) return {b.keys.data(), b.keys.size()};
    return BoardLetters(Language::English);
}

const LettersFont& TheLettersFont() {
    static const LettersFont font = LoadLettersFont();
    return font;
}

int LetterPixelSize(int brushSize) {
    if (brushSize <= 4) return 28;
    if (brushSize <= 8) return 40;
    if (brushSize <= 13) return 56;
    return 80;
}

LetterInk DrawLetters(const QString& text, int pixelSize, int x, int y, Language language) {
    LetterInk ink;
    if (text.isEmpty()) return ink;
    QFont font = TheLettersFont().font;
    QStringList families = font.families();
    families << CjkFamily(language);
    font.setFamilies(families);
    font.setPixelSize(pixelSize);
    const bool rtl = text.isRightToLeft();
    QTextLayout layout(text, font);
    QTextOption option(Qt::AlignAbsolute | Qt::AlignLeft);
    option.setWrapMode(QTextOption::NoWrap);
    option.setTextDirection(rtl ? Qt::RightToLeft : Qt::LeftToRight);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1e6);
    layout.endLayout();
    const int width = int(std::ceil(line.naturalTextWidth()));
    const int ascent = int(std::ceil(line.ascent())), descent = int(std::ceil(line.descent()));
    // Room for what a letter reaches past its advance (an italic-like
    // tail, an accent), so nothing is cut off.
    const int pad = pixelSize / 4 + 2;
    ink.image = QImage(width + 2 * pad, ascent + descent + 2 * pad, QImage::Format_Alpha8);
    ink.image.fill(0);
    {
        QPainter p(&ink.image);
        p.setRenderHint(QPainter::TextAntialiasing, true);
        p.setPen(Qt::black);
        // With the line laid out at the left, a right-to-left word's first
        // glyph still stands at its right end.
        layout.draw(&p, QPointF(pad - line.x(), pad + (ascent - line.ascent())));
    }
    const int middle = int(std::lround(QFontMetricsF(font).capHeight() / 2));
    ink.left = rtl ? x - width - pad : x - pad;
    ink.top = y + middle - ascent - pad;
    return ink;
}

}  // namespace pintaloo
