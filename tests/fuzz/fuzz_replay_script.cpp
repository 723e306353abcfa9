// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: arbitrary text run as a replay script on a fresh window,
// in-process, through the same reading, checking and action hub the replay
// tool uses. Every input must end (status 0, 1 or 2) without a sanitizer
// report. Two things are tamed first so the fuzzer stays on this machine
// and fast: a `dialog` answer becomes a file name inside a private scratch
// folder (a script may save), and a pause is cut to a few milliseconds.
#include <QApplication>
#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "fuzz_setup.h"
#include "ui/programs/replay_run.h"

using namespace pintaloo;

namespace {

QTemporaryDir* scratch = nullptr;

// Only the file name at the end of a path, in letters, digits, dots and dashes.
QString Sandboxed(const QString& path) {
    QString name = path.section(QLatin1Char('/'), -1);
    name.remove(QRegularExpression(QStringLiteral("[^A-Za-z0-9._-]")));
    name = name.left(40);
    if (name.isEmpty() || name.startsWith(QLatin1Char('.'))) name.prepend(QLatin1String("picture"));
    return scratch->filePath(name);
}

QString Tamed(const QString& text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        const QStringList words = line.trimmed().split(QRegularExpression(QStringLiteral("\\s+")));
        if (words.size() >= 2 && words[0] == QLatin1String("dialog") && words[1] != QLatin1String("cancel")) {
            line = QLatin1String("dialog ") + Sandboxed(line.trimmed().section(QRegularExpression("\\s+"), 1));
        } else if (words.size() == 2 && words[0] == QLatin1String("wait")) {
            bool ok = false;
            const double ms = words[1].toDouble(&ok);
            // Refusals of the pause (not a number, negative, too long) stay for the reader to find.
            if (ok && std::isfinite(ms) && ms > 5 && ms <= 60000) line = QStringLiteral("wait 5");
        }
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    scratch = &FuzzSetUp<QApplication>(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QString text = Tamed(QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)));
    QTextStream in(&text);
    const int status = RunReplay(QStringLiteral("fuzz"), in, {});
    if (status < 0 || status > 2) std::abort();  // the tool promises 0, 1 or 2
    return 0;
}
