// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/files/child_folders.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <algorithm>

#include "ui/files/gallery_folder.h"

namespace pintaloo {

namespace {

// Characters other systems refuse in a name, or read as a path.
bool Refused(QChar c) { return QStringView(u"/\\:*?\"<>|").contains(c); }

// FNV-1a over the name's UTF-8: the same six digits on every run and machine.
QString NameHash(const QString& name) {
    std::uint32_t h = 2166136261u;
    for (const char byte : name.toUtf8()) h = (h ^ std::uint8_t(byte)) * 16777619u;
    return QStringLiteral("%1").arg(h & 0xFFFFFFu, 6, 16, QLatin1Char('0'));
}

}  // namespace

QString SafeChildName(const QString& name) {
    QString out;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name[i];
        if (c.isHighSurrogate() && i + 1 < name.size() && name[i + 1].isLowSurrogate()) {
            out += c;
            out += name[++i];
            continue;
        }
        const auto cat = c.category();
        if (c.isSurrogate() || cat == QChar::Other_Control || cat == QChar::Other_Format || c.unicode() == 0x7f)
            continue;
        out += Refused(c) ? QChar(u'-') : c.isSpace() ? QChar(u' ') : c;
    }
    const auto trim = [&out] {
        while (!out.isEmpty() && (out.front() == u'.' || out.front() == u' ')) out.remove(0, 1);
        while (!out.isEmpty() && (out.back() == u'.' || out.back() == u' ')) out.chop(1);
    };
    trim();
    // Cut by characters, a pair of surrogates counting as one.
    qsizetype cut = 0;
    for (int chars = 0; cut < out.size() && chars < kMaxFolderChars; ++chars)
        cut += out[cut].isHighSurrogate() && cut + 1 < out.size() ? 2 : 1;
    out.truncate(cut);
    trim();
    return out.isEmpty() ? QStringLiteral("child") : out;
}

std::vector<QString> ChildFolderNames(const std::vector<ChildEntry>& children) {
    std::vector<QString> out;
    QHash<QString, int> bases;  // case folded: how many children come out the same
    for (const ChildEntry& c : children) {
        out.push_back(SafeChildName(c.name));
        ++bases[out.back().toCaseFolded()];
    }
    QHash<QString, int> exact;
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (bases[out[i].toCaseFolded()] < 2) continue;
        out[i] += QStringLiteral(" ~") + NameHash(children[i].name);
        const int seen = ++exact[out[i].toCaseFolded()];
        if (seen > 1) out[i] += QStringLiteral("-%1").arg(seen);
    }
    return out;
}

QString ChildPicturePath(int picture) {
    static const QStringList stamps = [] {
        QStringList names = QDir(QStringLiteral(":/stamps")).entryList({QStringLiteral("*.svg")}, QDir::Files);
        std::sort(names.begin(), names.end(),
                  [](const QString& a, const QString& b) { return a.section('_', 0, 0).toInt() < b.section('_', 0, 0).toInt(); });
        return names;
    }();
    if (stamps.isEmpty()) return {};
    const int at = picture >= 1 && picture <= stamps.size() ? picture - 1 : 0;
    return QStringLiteral(":/stamps/") + stamps[at];
}

QString DrawingsRoot(const QString& saveFolder) {
    if (saveFolder.trimmed().isEmpty()) return GalleryFolder::DefaultFolder();
    return QDir::cleanPath(QFileInfo(QDir::home(), saveFolder).absoluteFilePath());
}

QString ChildDrawingsFolder(const QString& root, const QString& folderName) { return QDir(root).filePath(folderName); }

QString ChildKeptFolder(const QString& stateFolder, const QString& folderName) {
    if (stateFolder.isEmpty()) return {};
    return QDir(stateFolder).filePath(QLatin1String(kChildrenStateFolder) + QLatin1Char('/') + folderName);
}

}  // namespace pintaloo
