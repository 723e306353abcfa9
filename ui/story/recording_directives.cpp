// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/story/recording_directives.h"

#include <QDir>
#include <QFileInfo>
#include <string>

#include "engine/recording/number_text.h"

namespace pintaloo {

namespace {

bool Fail(QString* error, const QString& why) {
    if (error) *error = why;
    return false;
}

}  // namespace

bool RecordingDirectives::Handles(const QString& line) { return RecordingReader::IsDirective(line.toStdString()); }

bool RecordingDirectives::Expand(const QString& line, std::vector<ReplayStep>& out, QString* error) {
    const std::string text = line.toStdString();
    if (!RecordingReader::IsDirective(text)) return Fail(error, QStringLiteral("not a recording line: %1").arg(line));
    const bool hadStart = reader_.start().has_value();
    std::vector<RecordedCall> calls;
    std::string why;
    if (!reader_.read(text, calls, &why)) return Fail(error, QString::fromStdString(why));
    if (!hadStart && reader_.start()) {
        ReplayStep step{reader_.now(), QString::fromLatin1(kStartWord), {}, *reader_.start()};
        out.push_back(std::move(step));
    }
    for (const RecordedCall& c : calls) {
        ReplayStep step{c.atMs, QString::fromStdString(c.name), {}, {}};
        if (c.name == kPictureWord) step.start = RecordingStart{RecordingStart::Kind::Picture, 0, c.file};
        for (double a : c.args) {
            std::string number;
            AppendNumber(number, a);
            step.args << QString::fromStdString(number);
        }
        out.push_back(std::move(step));
    }
    return true;
}

bool RunRecordingStep(const ReplayStep& step, const RecordingHooks& hooks, QString* error) {
    if (step.name == QLatin1String(kSeedWord)) {
        bool ok = step.args.size() == 1;
        const qulonglong n = ok ? step.args[0].toULongLong(&ok) : 0;
        if (!ok || n > 0xFFFFFFFFull)
            return Fail(error, QStringLiteral("seed needs one whole number from 0 to 4294967295"));
        if (!hooks.reseed) return Fail(error, QStringLiteral("this replay cannot set the seed"));
        hooks.reseed(std::uint32_t(n));
        return true;
    }
    if (step.name == QLatin1String(kStartWord)) {
        if (!hooks.begin) return Fail(error, QStringLiteral("this replay cannot choose where a drawing starts"));
        QString why;
        if (!hooks.begin(step.start, &why))
            return Fail(error,
                        why.isEmpty() ? QStringLiteral("the drawing's starting point could not be set up") : why);
        return true;
    }
    if (step.name == QLatin1String(kPictureWord)) {
        if (!hooks.picture) return Fail(error, QStringLiteral("this replay cannot open pictures"));
        QString why;
        if (!hooks.picture(step.start, &why))
            return Fail(error, why.isEmpty() ? QStringLiteral("the picture could not be found") : why);
        return true;
    }
    if (step.name == QLatin1String(kStateWord) || step.name == QLatin1String(kChoicesWord)) {
        std::vector<double> numbers;
        bool ok = true;
        for (const QString& a : step.args) {
            if (!ok) break;
            numbers.push_back(a.toDouble(&ok));
        }
        const auto& hook = step.name == QLatin1String(kStateWord) ? hooks.state : hooks.choices;
        if (!hook) return Fail(error, QStringLiteral("this replay cannot set the editor state"));
        if (!ok || !hook(numbers))
            return Fail(error, QStringLiteral("%1 holds numbers this version cannot use").arg(step.name));
        return true;
    }
    return Fail(error, QStringLiteral("%1 is not a recording step").arg(step.name));
}

QString PictureBeside(const QString& scriptPath, const RecordingStart& start) {
    if (start.kind != RecordingStart::Kind::Picture) return {};
    const QString name = QString::fromStdString(start.picture);
    if (QFileInfo(name).isAbsolute()) return name;
    return QFileInfo(scriptPath).absoluteDir().filePath(name);
}

}  // namespace pintaloo
