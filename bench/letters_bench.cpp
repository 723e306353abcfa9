// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// A typed letter shown: the word drawn again at its new length and laid
// on a copy of the paper under it, as the word over the paper shows it
// after every letter (ui/parts/letters_part.cpp), at the largest size, in
// Latin, Arabic and Korean; and the word landing on the paper.
#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include "engine/toolbox/letters_ink.h"
#include "ui/parts/letters_part.h"

namespace pintaloo {
namespace {

const QString kWords[] = {QStringLiteral("CHLOÉ ET LÉO 2026"), QStringLiteral("سارة وليلى"), QStringLiteral("민준이와 서연이")};

void BM_LetterShown(benchmark::State& state) {
    const QString word = kWords[state.range(0)];
    Surface paper;
    for (auto _ : state) {
        const LetterInk ink = DrawLetters(word, LetterPixelSize(20), 100, 200, Language::English);
        const QImage shown = PaperWithWord(paper, ink, QRect(ink.left, ink.top, ink.image.width(), ink.image.height()),
                                           Rgb(200, 30, 30), kBlack);
        benchmark::DoNotOptimize(shown.constBits());
    }
}
BENCHMARK(BM_LetterShown)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void BM_WordLands(benchmark::State& state) {
    Surface paper;
    const LetterInk ink = DrawLetters(kWords[0], LetterPixelSize(20), 100, 200, Language::English);
    const LetterCoverage coverage{ink.image.constBits(), ink.image.width(), ink.image.height(),
                                  int(ink.image.bytesPerLine()), ink.left, ink.top};
    for (auto _ : state) {
        paper.clear();
        benchmark::DoNotOptimize(InkLetters(paper, coverage, Rgb(200, 30, 30), kBlack));
    }
}
BENCHMARK(BM_WordLands)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pintaloo

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
