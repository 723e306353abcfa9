// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/files/stamp_collections.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <QtDebug>
#include <algorithm>
#include <cmath>
#include <future>
#include <thread>
#include <utility>

#include "ui/files/data_folders.h"
#include "ui/files/picture_reader.h"
#include "ui/files/safe_write.h"
#include "ui/words/texts.h"

namespace pintaloo {

namespace {

std::uint32_t Fnv1a(const QByteArray& bytes) {
    std::uint32_t h = 2166136261u;
    for (char c : bytes) h = (h ^ std::uint8_t(c)) * 16777619u;
    return h ? h : 1;
}

std::uint64_t Fnv1a64(const QByteArray& bytes) {
    std::uint64_t h = 14695981039346656037ull;
    for (char c : bytes) h = (h ^ std::uint8_t(c)) * 1099511628211ull;
    return h;
}

// The codes a stamp's files use for each of our languages, in the order
// tried (Brazilian Portuguese falls back to Portugal's).
const std::array<std::vector<QString>, kLanguageCount>& LanguageCodes() {
    static const std::array<std::vector<QString>, kLanguageCount> codes = {{
        {QStringLiteral("en")},  // English: the text's first line, the spoken name without a code
        {QStringLiteral("ro")},
        {QStringLiteral("fr")},
        {QStringLiteral("de")},
        {QStringLiteral("it")},
        {QStringLiteral("es")},
        {QStringLiteral("ar")},
        {QStringLiteral("zh_CN")},
        {QStringLiteral("ja")},
        {QStringLiteral("ko")},
        {QStringLiteral("nl")},
        {QStringLiteral("pl")},
        {QStringLiteral("pt_BR"), QStringLiteral("pt")},
        {QStringLiteral("ru")},
        {QStringLiteral("tr")},
        {QStringLiteral("uk")},
    }};
    return codes;
}

std::int64_t ChangedNs(const struct stat& st) {
    return std::max(std::int64_t(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec,
                    std::int64_t(st.st_ctim.tv_sec) * 1'000'000'000 + st.st_ctim.tv_nsec);
}

// A folder's change time, or -1 when it is not a folder (a link to one is not).
std::int64_t FolderChangedNs(const QString& path) {
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISDIR(st.st_mode)) return -1;
    return ChangedNs(st);
}

bool IsRegularFile(const QString& path) {
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

// Up to `maxBytes` of a regular file (never a link, never waiting on a
// pipe); `*cut` says whether there was more.
QByteArray ReadStart(const QString& path, qint64 maxBytes, bool* cut = nullptr) {
    if (cut) *cut = false;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return {};
    QByteArray bytes;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        bytes.resize(qsizetype(std::min<qint64>(maxBytes, st.st_size)));
        qsizetype got = 0;
        while (got < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + got, std::size_t(bytes.size() - got));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            got += n;
        }
        bytes.truncate(got);
        if (cut) *cut = st.st_size > maxBytes;
    }
    ::close(fd);
    return bytes;
}

bool ValidUtf8(QByteArrayView bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    return !decoder.hasError() && !text.contains(QChar(0));
}

// A name shown to a child: one line of printable text, not too long.
QString CleanName(QByteArrayView line) {
    if (!ValidUtf8(line)) return {};
    for (char c : line)
        if (std::uint8_t(c) < 0x20 || c == 0x7f) return {};
    QString name = QString::fromUtf8(line).simplified();
    if (name.size() > StampLimits::kMaxNameChars) {
        qsizetype end = StampLimits::kMaxNameChars;
        if (name.at(end - 1).isHighSurrogate()) --end;
        name.truncate(end);
    }
    return name;
}

// A file name as found in a folder the index names (the cache is checked
// the same way): no path, no dot name.
bool PlainName(const QString& name) {
    return !name.isEmpty() && !name.startsWith(u'.') && !name.contains(u'/') && !name.contains(QChar(0));
}

// The width and height in a PNG's header; an empty size when the bytes do
// not start as a PNG does.
QSize PngHeaderSize(const QByteArray& head, bool* huge) {
    static const char kSignature[] = "\x89PNG\r\n\x1a\n";
    *huge = false;
    if (head.size() < 24 || !head.startsWith(QByteArray(kSignature, 8)) || head.mid(12, 4) != "IHDR") return {};
    const auto word = [&](int at) {
        return (std::uint32_t(std::uint8_t(head[at])) << 24) | (std::uint32_t(std::uint8_t(head[at + 1])) << 16) |
               (std::uint32_t(std::uint8_t(head[at + 2])) << 8) | std::uint32_t(std::uint8_t(head[at + 3]));
    };
    const std::uint32_t w = word(16), h = word(20);
    if (w == 0 || h == 0) return {};
    *huge = w > std::uint32_t(StampLimits::kMaxPictureSide) || h > std::uint32_t(StampLimits::kMaxPictureSide);
    return *huge ? QSize() : QSize(int(w), int(h));
}

QString FolderPath(const QString& root, const QString& relative) {
    return relative.isEmpty() ? root : root + u'/' + relative;
}

// Everything an abandoned drawing of an SVG owns is its own; this turn lets
// the library wait for the last one before it goes.
std::mutex& SvgTurn() {
    static std::mutex turn;
    return turn;
}

QImage RenderSvg(const QByteArray& bytes, int maxSide) {
    QSvgRenderer renderer(bytes);
    if (!renderer.isValid()) return {};
    QSizeF natural = renderer.viewBoxF().size();
    if (!(natural.width() > 0 && natural.height() > 0)) natural = QSizeF(renderer.defaultSize());
    if (!(natural.width() > 0 && natural.height() > 0)) natural = QSizeF(maxSide, maxSide);
    const QSize size = natural.scaled(QSizeF(maxSide, maxSide), Qt::KeepAspectRatio).toSize().expandedTo(QSize(1, 1));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) return {};
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return image;
}

constexpr quint32 kCacheMagic = 0x50535449;  // "PSTI"
constexpr quint32 kCacheVersion = 1;

void WriteEntry(QDataStream& out, const StampCollections::Entry& e) {
    out << e.picture << e.mirror << e.options.colourable << e.options.tintable << e.options.mirrorable
        << e.options.flippable << e.options.scale;
    for (const QString& n : e.names) out << n;
    out << e.sound;
    for (const QString& s : e.spoken) out << s;
}

bool ReadEntry(QDataStream& in, StampCollections::Entry& e) {
    in >> e.picture >> e.mirror >> e.options.colourable >> e.options.tintable >> e.options.mirrorable >>
        e.options.flippable >> e.options.scale;
    for (QString& n : e.names) in >> n;
    in >> e.sound;
    for (QString& s : e.spoken) in >> s;
    if (in.status() != QDataStream::Ok || !PlainName(e.picture)) return false;
    if (!(e.options.scale >= StampLimits::kMinScale && e.options.scale <= StampLimits::kMaxScale)) return false;
    for (const QString* f : {&e.mirror, &e.sound})
        if (!f->isEmpty() && !PlainName(*f)) return false;
    for (const QString& s : e.spoken)
        if (!s.isEmpty() && !PlainName(s)) return false;
    for (const QString& n : e.names)
        if (n.isEmpty() || n.size() > StampLimits::kMaxNameChars) return false;
    return true;
}

// Lists go out as a count and their strings, and come back only when the
// count is sane: a stream's own list reading would reserve whatever count
// a planted file claims.
void WriteNames(QDataStream& out, const QStringList& names) {
    out << qint32(names.size());
    for (const QString& n : names) out << n;
}

bool ReadNames(QDataStream& in, QStringList& names, int cap) {
    qint32 count = 0;
    in >> count;
    if (in.status() != QDataStream::Ok || count < 0 || count > cap) return false;
    for (qint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) names << QString();
    for (QString& n : names) in >> n;
    return in.status() == QDataStream::Ok;
}

using Folder = StampCollections::Folder;

bool ReadCache(const QString& file, const QStringList& roots, std::unordered_map<QString, Folder>& cached) {
    PictureRefusal why = PictureRefusal::None;
    const QByteArray bytes = ReadPictureFile(file, &why, StampLimits::kMaxCacheBytes, Links::Refuse);
    if (why != PictureRefusal::None || bytes.size() <= 8) return false;
    const QByteArray payload = bytes.chopped(8);
    quint64 sum = 0;
    QDataStream(bytes.right(8)) >> sum;
    if (sum != Fnv1a64(payload)) return false;
    QDataStream in(payload);
    quint32 magic = 0, version = 0;
    QStringList cachedRoots;
    in >> magic >> version;
    if (magic != kCacheMagic || version != kCacheVersion || !ReadNames(in, cachedRoots, 64) || cachedRoots != roots)
        return false;
    qint32 count = 0;
    in >> count;
    if (count < 0 || count > StampLimits::kMaxFoldersPerCollection * qint32(roots.size())) return false;
    for (qint32 i = 0; i < count; ++i) {
        qint32 root = 0, entries = 0;
        Folder f;
        in >> root >> f.relative >> f.changedNs;
        if (!ReadNames(in, f.subfolders, StampLimits::kMaxEntriesPerFolder)) return false;
        in >> entries;
        const QStringList parts = f.relative.split(u'/');
        if (in.status() != QDataStream::Ok || root < 0 || root >= roots.size() || entries < 0 ||
            entries > StampLimits::kMaxEntriesPerFolder ||
            !std::all_of(f.subfolders.begin(), f.subfolders.end(), PlainName) ||
            (!f.relative.isEmpty() && !std::all_of(parts.begin(), parts.end(), PlainName)))
            return false;
        for (qint32 e = 0; e < entries; ++e) {
            StampCollections::Entry entry;
            if (!ReadEntry(in, entry)) return false;
            f.entries.push_back(std::move(entry));
        }
        cached[QString::number(root) + u'\n' + f.relative] = std::move(f);
    }
    return in.status() == QDataStream::Ok && in.atEnd();
}

void WriteCache(const QString& file, const QStringList& roots, const std::vector<std::vector<Folder>>& read) {
    QByteArray payload;
    QDataStream out(&payload, QIODevice::WriteOnly);
    qint32 count = 0;
    for (const auto& folders : read)
        count += qint32(std::count_if(folders.begin(), folders.end(), [](const Folder& f) { return f.complete; }));
    out << kCacheMagic << kCacheVersion;
    WriteNames(out, roots);
    out << count;
    for (std::size_t r = 0; r < read.size(); ++r)
        for (const Folder& f : read[r]) {
            if (!f.complete) continue;
            out << qint32(r) << f.relative << f.changedNs;
            WriteNames(out, f.subfolders);
            out << qint32(f.entries.size());
            for (const StampCollections::Entry& e : f.entries) WriteEntry(out, e);
        }
    QByteArray tail;
    QDataStream(&tail, QIODevice::WriteOnly) << quint64(Fnv1a64(payload));
    if (payload.size() + 8 > StampLimits::kMaxCacheBytes) return;
    QDir().mkpath(QFileInfo(file).absolutePath());
    // A link planted where the cache goes is taken away (unlinking never
    // follows it), so the index is written in its own file again.
    struct stat st {};
    if (::lstat(QFile::encodeName(file).constData(), &st) == 0 && S_ISLNK(st.st_mode))
        ::unlink(QFile::encodeName(file).constData());
    WriteTrouble trouble;
    if (!WriteFileSafely(file, payload + tail, &trouble))
        qWarning().noquote() << "Stamp index cache not written:" << file << trouble.text();
}

}  // namespace

StampOptions ParseStampOptions(const QByteArray& bytes) {
    StampOptions o;
    int lines = 0;
    for (const QByteArray& raw : bytes.split('\n')) {
        if (++lines > 64) break;
        const QByteArray line = raw.trimmed().toLower();
        if (line == "colorable" || line == "colourable") o.colourable = true;
        else if (line == "tintable") o.tintable = true;
        else if (line == "noflip") o.flippable = false;
        else if (line == "nomirror") o.mirrorable = false;
        else if (line == "mirrorable") o.mirrorable = true;
        else if (line.startsWith("scale") && line.size() > 6 && (line[5] == ' ' || line[5] == '=')) {
            // Tux Paint's forms: "scale 25%" (a share), "scale 1/4" (a
            // fraction), "scale 32:3" (picture to stamp) and "scale 2" (the
            // picture is twice the stamp).
            QByteArray value = line.mid(6).trimmed();
            const auto number = [](const QByteArray& text, bool* ok) {
                const double v = text.trimmed().toDouble(ok);
                *ok = *ok && std::isfinite(v) && v > 0;
                return v;
            };
            bool ok = false, ok2 = false;
            double scale = 0;
            if (value.endsWith('%')) {
                scale = number(value.chopped(1), &ok) / 100.0;
            } else if (const qsizetype at = value.indexOf('/'); at > 0) {
                scale = number(value.left(at), &ok) / number(value.mid(at + 1), &ok2);
                ok = ok && ok2;
            } else if (const qsizetype colon = value.indexOf(':'); colon > 0) {
                scale = number(value.mid(colon + 1), &ok) / number(value.left(colon), &ok2);
                ok = ok && ok2;
            } else {
                scale = 1.0 / number(value, &ok);
            }
            if (ok && std::isfinite(scale) && scale > 0)
                o.scale = std::clamp(scale, StampLimits::kMinScale, StampLimits::kMaxScale);
        }
    }
    return o;
}

std::array<QString, kLanguageCount> ParseStampNames(const QByteArray& bytes) {
    std::array<QString, kLanguageCount> names;
    QHash<QString, QString> byCode;
    const QList<QByteArray> lines = bytes.split('\n');
    QString english;
    for (qsizetype i = 0; i < lines.size() && i < 400; ++i) {
        QByteArray line = lines[i];
        if (line.endsWith('\r')) line.chop(1);
        if (i == 0) {
            english = CleanName(line);
            continue;
        }
        const qsizetype eq = line.indexOf('=');
        if (eq <= 0 || eq > 24) continue;
        QByteArray code = line.left(eq).trimmed();
        if (code.endsWith(".utf8") || code.endsWith(".UTF-8")) code.chop(code.endsWith(".utf8") ? 5 : 6);
        const QString text = CleanName(line.mid(eq + 1));
        const QString key = QString::fromLatin1(code);
        if (!text.isEmpty() && !byCode.contains(key)) byCode.insert(key, text);
    }
    if (english.isEmpty()) return names;
    for (std::size_t l = 0; l < names.size(); ++l) {
        names[l] = english;
        if (l == std::size_t(Language::English)) continue;
        for (const QString& code : LanguageCodes()[l])
            if (byCode.contains(code)) {
                names[l] = byCode.value(code);
                break;
            }
    }
    return names;
}

QString SvgRefusal(const QByteArray& bytes) {
    if (bytes.size() > StampLimits::kMaxSvgBytes) return QStringLiteral("too large");
    if (bytes.startsWith("\x1f\x8b")) return QStringLiteral("compressed");
    const auto outsideUrl = [](QStringView text) {
        for (qsizetype at = text.indexOf(u"url("); at >= 0; at = text.indexOf(u"url(", at + 4)) {
            QStringView rest = text.mid(at + 4).trimmed();
            if (rest.startsWith(u'"') || rest.startsWith(u'\'')) rest = rest.mid(1);
            if (!rest.startsWith(u'#')) return true;
        }
        return false;
    };
    QXmlStreamReader xml(bytes);
    int elements = 0;
    bool sawSvg = false;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD: {
            // Drawing programs declare a few names for their namespaces;
            // anything that could reach outside or grow when expanded is
            // refused.
            const QXmlStreamEntityDeclarations entities = xml.entityDeclarations();
            if (!xml.notationDeclarations().isEmpty() || entities.size() > 32)
                return QStringLiteral("declares entities");
            for (const QXmlStreamEntityDeclaration& e : entities)
                if (!e.systemId().isEmpty() || !e.publicId().isEmpty() || !e.notationName().isEmpty() ||
                    e.value().size() > 256 || e.value().contains(u'&') || e.value().contains(u'%') ||
                    e.value().contains(u'<'))
                    return QStringLiteral("declares entities");
            break;
        }
        case QXmlStreamReader::EntityReference:
            return QStringLiteral("uses an entity");
        case QXmlStreamReader::ProcessingInstruction:
            return QStringLiteral("has a processing instruction");
        case QXmlStreamReader::StartElement: {
            if (++elements > StampLimits::kMaxSvgElements) return QStringLiteral("too many elements");
            const QString name = xml.name().toString().toLower();
            if (elements == 1 && name != u"svg") return QStringLiteral("not an SVG");
            sawSvg = true;
            // Qt draws no foreign object; what one holds is checked as the rest.
            if (name == u"script") return QStringLiteral("has a script");
            // Qt would start a timer for an animation, on a thread with no
            // event loop; stamps are still pictures.
            if (name.startsWith(u"animate") || name == u"set") return QStringLiteral("is animated");
            for (const QXmlStreamAttribute& a : xml.attributes()) {
                const QStringView value = a.value().trimmed();
                if (a.name() == u"href" && !value.startsWith(u'#') && !value.startsWith(u"data:"))
                    return QStringLiteral("refers to another file");
                if (outsideUrl(value)) return QStringLiteral("refers to another file");
                if (value.contains(u"@import")) return QStringLiteral("imports a style");
            }
            break;
        }
        case QXmlStreamReader::Characters:
            if (outsideUrl(xml.text())) return QStringLiteral("refers to another file");
            if (xml.text().contains(u"@import")) return QStringLiteral("imports a style");
            break;
        default:
            break;
        }
    }
    if (xml.hasError()) return QStringLiteral("not well-formed XML: ") + xml.errorString();
    if (!sawSvg) return QStringLiteral("not an SVG");
    return {};
}

QString ReadableName(const QString& fileName) {
    QString words = fileName;
    words.replace(u'_', u' ').replace(u'-', u' ');
    words = words.simplified();
    // "00_symbols", "050kennedy": an order kept by the name, not a word.
    qsizetype digits = 0;
    while (digits < words.size() && words.at(digits).isDigit()) ++digits;
    if (digits > 0 && digits < words.size()) {
        const QString rest = words.mid(digits).trimmed();
        if (!rest.isEmpty() && rest.at(0).isLetter()) words = rest;
    }
    if (words.isEmpty()) return fileName;
    words[0] = words.at(0).toUpper();
    return words;
}

StampCollections::StampCollections(QStringList roots, QString cacheFile)
    : roots_(std::move(roots)), cacheFile_(std::move(cacheFile)) {}

StampCollections::~StampCollections() {
    // A drawing abandoned at its time limit may still run; it owns its
    // bytes, but the program must not unload Qt under it.
    std::lock_guard<std::mutex> wait(SvgTurn());
}

QStringList StampCollections::StandardRoots() {
    QStringList roots = DataFolders(QStringLiteral("stamps"));
    QString dirs = qEnvironmentVariable("XDG_DATA_DIRS");
    if (dirs.isEmpty()) dirs = QStringLiteral("/usr/local/share:/usr/share");
    for (const QString& dir : dirs.split(u':', Qt::SkipEmptyParts)) {
        const QString path = QDir::cleanPath(dir + QStringLiteral("/tuxpaint/stamps"));
        if (FolderChangedNs(path) >= 0 && !roots.contains(path)) roots << path;
    }
    return roots;
}

QString StampCollections::StandardCacheFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/pintaloo/stamps-index");
}

void StampCollections::leaveOut(const QString& file, const QString& reason) {
    qWarning().noquote() << "Stamp left out:" << file << "-" << reason;
    leftOut_.push_back({file, reason});
}

StampCollections::Folder StampCollections::readFolder(const QString& path, const QString& relative,
                                                      std::int64_t changedNs,
                                                      std::chrono::steady_clock::time_point deadline) {
    Folder folder;
    folder.relative = relative;
    folder.changedNs = changedNs;
    bool truncated = false;
    const std::vector<FolderEntry> listing = ListFolder(path, StampLimits::kMaxEntriesPerFolder, &truncated);
    if (truncated)
        leaveOut(path, QStringLiteral("more than %1 files; the rest not read").arg(StampLimits::kMaxEntriesPerFolder));
    QHash<QString, const FolderEntry*> files;
    for (const FolderEntry& e : listing) {
        if (e.folder) folder.subfolders << e.name;
        else files.insert(e.name, &e);
    }
    const auto has = [&](const QString& name) { return files.contains(name); };
    for (const FolderEntry& e : listing) {
        if (e.folder) continue;
        const QString lower = e.name.toLower();
        const bool png = lower.endsWith(QStringLiteral(".png"));
        if (!png && !lower.endsWith(QStringLiteral(".svg"))) continue;
        if (std::chrono::steady_clock::now() > deadline) {
            // Read again next time: a folder cut short is not cached.
            leaveOut(path + u'/' + e.name, QStringLiteral("not read in time, nor the rest of its folder"));
            folder.complete = false;
            break;
        }
        const QString base = e.name.chopped(4);
        const QString ext = e.name.right(4);
        // Another picture's turned copies are not stamps of their own.
        bool copy = false;
        for (const QString& suffix : {QStringLiteral("_mirror_flip"), QStringLiteral("_mirror"), QStringLiteral("_flip")})
            if (base.endsWith(suffix)) {
                const QString of = base.chopped(suffix.size());
                copy = copy || has(of + QStringLiteral(".png")) || has(of + QStringLiteral(".svg"));
            }
        if (copy) continue;
        // Both kinds: the PNG, quicker to draw small and read by the hardened reader.
        if (!png && has(base + QStringLiteral(".png"))) continue;
        const QString file = path + u'/' + e.name;
        const qint64 cap = png ? StampLimits::kMaxPngBytes : StampLimits::kMaxSvgBytes;
        if (e.bytes == 0) {
            leaveOut(file, QStringLiteral("empty"));
            continue;
        }
        if (e.bytes > cap) {
            leaveOut(file, QStringLiteral("too large (%1 bytes)").arg(e.bytes));
            continue;
        }
        if (png) {
            bool huge = false;
            if (PngHeaderSize(ReadStart(file, 33), &huge).isEmpty()) {
                leaveOut(file, huge ? QStringLiteral("picture too large") : QStringLiteral("not a PNG picture"));
                continue;
            }
        } else if (const QString why = SvgRefusal(ReadStart(file, cap)); !why.isEmpty()) {
            leaveOut(file, QStringLiteral("SVG ") + why);
            continue;
        }
        Entry entry;
        entry.picture = e.name;
        for (const QString& m : {base + QStringLiteral("_mirror") + ext, base + QStringLiteral("_mirror.png")})
            if (entry.mirror.isEmpty() && has(m)) entry.mirror = m;
        if (has(base + QStringLiteral(".dat")))
            entry.options = ParseStampOptions(ReadStart(path + u'/' + base + QStringLiteral(".dat"),
                                                        StampLimits::kMaxOptionsBytes));
        if (has(base + QStringLiteral(".txt")))
            entry.names = ParseStampNames(
                ReadStart(path + u'/' + base + QStringLiteral(".txt"), StampLimits::kMaxTextBytes));
        if (entry.names[0].isEmpty()) entry.names.fill(ReadableName(base));
        for (const QString& s : {base + QStringLiteral(".ogg"), base + QStringLiteral(".wav")})
            if (entry.sound.isEmpty() && has(s)) entry.sound = s;
        for (std::size_t l = 0; l < entry.spoken.size(); ++l) {
            QStringList tries;
            if (l == std::size_t(Language::English)) tries << base + QStringLiteral("_desc");
            for (const QString& code : LanguageCodes()[l]) tries << base + QStringLiteral("_desc_") + code;
            for (const QString& t : tries)
                for (const QString& s : {t + QStringLiteral(".ogg"), t + QStringLiteral(".wav")})
                    if (entry.spoken[l].isEmpty() && has(s)) entry.spoken[l] = s;
        }
        folder.entries.push_back(std::move(entry));
    }
    return folder;
}

void StampCollections::scanCollection(int root, std::unordered_map<QString, Folder>& cached,
                                      std::vector<std::vector<Folder>>& read,
                                      std::chrono::steady_clock::time_point deadline) {
    const QString& rootPath = roots_[root];
    std::vector<std::pair<QString, int>> todo{{QString(), 0}};
    int folders = 0;
    while (!todo.empty()) {
        auto [relative, depth] = todo.back();
        todo.pop_back();
        const QString path = FolderPath(rootPath, relative);
        if (std::chrono::steady_clock::now() > deadline) {
            leaveOut(path, QStringLiteral("not read in time"));
            continue;
        }
        if (++folders > StampLimits::kMaxFoldersPerCollection) {
            leaveOut(path, QStringLiteral("more than %1 folders in the collection").arg(
                               StampLimits::kMaxFoldersPerCollection));
            continue;
        }
        const std::int64_t changed = FolderChangedNs(path);
        if (changed < 0) continue;
        const QString key = QString::number(root) + u'\n' + relative;
        Folder folder;
        if (auto c = cached.find(key); c != cached.end() && c->second.changedNs == changed) {
            folder = std::move(c->second);
        } else {
            folder = readFolder(path, relative, changed, deadline);
            ++foldersRead_;
        }
        // Deepest last on the stack, so folders come out in name order.
        for (qsizetype i = folder.subfolders.size() - 1; i >= 0; --i) {
            const QString sub = relative.isEmpty() ? folder.subfolders[i] : relative + u'/' + folder.subfolders[i];
            if (depth + 1 > StampLimits::kMaxDepth) leaveOut(FolderPath(rootPath, sub), QStringLiteral("too deep"));
            else todo.push_back({sub, depth + 1});
        }
        read[std::size_t(root)].push_back(std::move(folder));
    }
}

void StampCollections::build() {
    const auto start = std::chrono::steady_clock::now();
    // The cache: only when whole and written for these same collections.
    std::unordered_map<QString, Folder> cached;
    const bool cacheGood = !cacheFile_.isEmpty() && ReadCache(cacheFile_, roots_, cached);
    if (!cacheGood && !cacheFile_.isEmpty() && QFileInfo::exists(cacheFile_))
        qWarning().noquote() << "Stamp index cache ignored:" << cacheFile_;

    foldersRead_ = 0;
    std::vector<std::vector<Folder>> read(std::size_t(roots_.size()));
    const auto deadline = start + StampLimits::kScanBudget;
    for (int r = 0; r < int(roots_.size()); ++r) scanCollection(r, cached, read, deadline);
    fromCache_ = cacheGood && foldersRead_ == 0;

    // Groups by collection, then folder path bytewise; the same folder in a
    // later collection adds to the earlier one's group, and the same stamp
    // there is the earlier one's.
    std::unordered_map<std::uint32_t, std::size_t> groupAt;
    for (int r = 0; r < int(roots_.size()); ++r) {
        std::vector<Folder*> order;
        for (Folder& f : read[std::size_t(r)]) order.push_back(&f);
        std::sort(order.begin(), order.end(),
                  [](const Folder* a, const Folder* b) { return a->relative.toUtf8() < b->relative.toUtf8(); });
        for (Folder* f : order) {
            if (f->entries.empty()) continue;
            const QString folderPath = FolderPath(roots_[r], f->relative);
            const std::uint32_t gid = Fnv1a(f->relative.toUtf8());
            auto g = groupAt.find(gid);
            if (g == groupAt.end()) {
                g = groupAt.emplace(gid, groups_.size()).first;
                groups_.push_back({gid, folderPath, {}});
                groupRelative_[gid] = f->relative;
            }
            for (Entry& e : f->entries) {
                const QString relativeFile = f->relative.isEmpty() ? e.picture : f->relative + u'/' + e.picture;
                const std::uint32_t id = Fnv1a(relativeFile.toUtf8());
                if (byId_.count(id)) continue;  // the user's own wins (or, rarely, two names share a number)
                if (stamps_.size() >= std::size_t(StampLimits::kMaxStamps)) {
                    leaveOut(folderPath + u'/' + e.picture,
                             QStringLiteral("more than %1 stamps").arg(StampLimits::kMaxStamps));
                    continue;
                }
                byId_[id] = stamps_.size();
                stamps_.push_back({id, folderPath + u'/' + e.picture, e.options});
                entries_.push_back(e);
                folders_.push_back(folderPath);
                groups_[g->second].stamps.push_back(id);
            }
        }
    }
    for (StampGroup& g : groups_)
        std::stable_sort(g.stamps.begin(), g.stamps.end(), [&](std::uint32_t a, std::uint32_t b) {
            return entries_[byId_[a]].picture.toUtf8() < entries_[byId_[b]].picture.toUtf8();
        });
    // Groups that only held copies of earlier stamps are empty now.
    std::erase_if(groups_, [](const StampGroup& g) { return g.stamps.empty(); });

    if (!cacheFile_.isEmpty() && !fromCache_) WriteCache(cacheFile_, roots_, read);
}

const std::vector<StampGroup>& StampCollections::groups() {
    std::lock_guard<std::mutex> turn(indexTurn_);
    if (!built_) {
        build();
        built_ = true;
    }
    return groups_;
}

const LibraryStamp* StampCollections::stamp(std::uint32_t id) {
    groups();
    const auto at = byId_.find(id);
    return at == byId_.end() ? nullptr : &stamps_[at->second];
}

QString StampCollections::name(const LibraryStamp& stamp, Language language) {
    groups();
    const auto at = byId_.find(stamp.id);
    if (at == byId_.end() || std::size_t(language) >= std::size_t(kLanguageCount))
        return ReadableName(QFileInfo(stamp.file).completeBaseName());
    return entries_[at->second].names[std::size_t(language)];
}

QString StampCollections::groupName(const StampGroup& group, Language language) {
    groups();
    const auto at = groupRelative_.find(group.id);
    const QString relative = at == groupRelative_.end() ? QFileInfo(group.folder).fileName() : at->second;
    if (relative.isEmpty()) return Text("stamps.group.more", language);
    const QStringList parts = relative.split(u'/');
    const std::string key = "stamps.group." + parts[0].toLower().toStdString();
    QString theme = HasText(key) ? Text(key, language) : ReadableName(parts[0]);
    QStringList deeper;
    for (qsizetype i = 1; i < parts.size(); ++i) deeper << ReadableName(parts[i]).toLower();
    return deeper.isEmpty() ? theme : theme + QStringLiteral(": ") + deeper.join(QStringLiteral(", "));
}

QString StampCollections::sound(const LibraryStamp& stamp) {
    groups();
    const auto at = byId_.find(stamp.id);
    if (at == byId_.end() || entries_[at->second].sound.isEmpty()) return {};
    const QString path = folders_[at->second] + u'/' + entries_[at->second].sound;
    return IsRegularFile(path) ? path : QString();
}

QString StampCollections::spokenName(const LibraryStamp& stamp, Language language) {
    groups();
    const auto at = byId_.find(stamp.id);
    if (at == byId_.end() || std::size_t(language) >= std::size_t(kLanguageCount)) return {};
    const QString& file = entries_[at->second].spoken[std::size_t(language)];
    if (file.isEmpty()) return {};
    const QString path = folders_[at->second] + u'/' + file;
    return IsRegularFile(path) ? path : QString();
}

QImage StampCollections::decode(const QString& path, int maxSide) {
    const bool svg = path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive);
    PictureRefusal why = PictureRefusal::None;
    int error = 0;
    const QByteArray bytes = ReadPictureFile(path, &why, svg ? StampLimits::kMaxSvgBytes : StampLimits::kMaxPngBytes,
                                             Links::Refuse, &error);
    const auto refuse = [&](const QString& reason) {
        qWarning().noquote() << "Stamp picture refused:" << path << "-" << reason;
        return QImage();
    };
    static const char* const kWhy[] = {"", "unreadable", "not a picture", "too large", "damaged", "too slow"};
    if (why != PictureRefusal::None) return refuse(QString::fromLatin1(kWhy[int(why)]));
    QImage image;
    if (svg) {
        if (const QString reason = SvgRefusal(bytes); !reason.isEmpty()) return refuse(reason);
        std::packaged_task<QImage()> task([bytes, maxSide] {
            std::lock_guard<std::mutex> turn(SvgTurn());
            return RenderSvg(bytes, maxSide);
        });
        std::future<QImage> answer = task.get_future();
        std::thread(std::move(task)).detach();
        if (answer.wait_for(StampLimits::kDecodeBudget) != std::future_status::ready) return refuse("too slow");
        image = answer.get();
        if (image.isNull()) return refuse("not a drawable SVG");
    } else {
        const PictureHeader header = CheckPicture(bytes, &why);
        if (why != PictureRefusal::None) return refuse(QString::fromLatin1(kWhy[int(why)]));
        if (header.format != PictureFormat::Png) return refuse("not a PNG picture");
        if (header.size.width() > StampLimits::kMaxPictureSide || header.size.height() > StampLimits::kMaxPictureSide)
            return refuse("too large");
        PictureResult result = DecodePictureWithin(bytes, StampLimits::kDecodeBudget);
        if (result.refusal != PictureRefusal::None) return refuse(QString::fromLatin1(kWhy[int(result.refusal)]));
        image = result.image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        if (image.width() > maxSide || image.height() > maxSide)
            image = image.scaled(maxSide, maxSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage StampCollections::picture(const LibraryStamp& stamp, int maxSide, bool mirrored) {
    groups();
    maxSide = std::clamp(maxSide, 1, StampLimits::kMaxPictureSide);
    QString path = stamp.file;
    bool turnHere = mirrored;
    if (const auto at = byId_.find(stamp.id); at != byId_.end()) {
        path = stamps_[at->second].file;
        if (mirrored && !entries_[at->second].mirror.isEmpty()) {
            path = folders_[at->second] + u'/' + entries_[at->second].mirror;
            turnHere = false;
        }
    }
    const QString key = QString::number(stamp.id) + u':' + QString::number(maxSide) + (mirrored ? u'm' : u'n');
    {
        std::lock_guard<std::mutex> turn(pictureTurn_);
        if (refused_.count(stamp.id)) return {};
        if (const auto hit = recentByKey_.find(key); hit != recentByKey_.end()) {
            recent_.splice(recent_.begin(), recent_, hit.value());
            return recent_.front().second.image;
        }
    }
    QImage image = decode(path, maxSide);
    std::lock_guard<std::mutex> turn(pictureTurn_);
    if (image.isNull()) {
        refused_.insert(stamp.id);
        return {};
    }
    if (turnHere) image = image.mirrored(true, false);
    if (recentByKey_.contains(key)) return image;  // another thread was quicker
    const qint64 bytes = image.sizeInBytes();
    recent_.push_front({key, {image, bytes}});
    recentByKey_.insert(key, recent_.begin());
    cachedBytes_ += bytes;
    while (cachedBytes_ > StampLimits::kPictureCacheBytes && recent_.size() > 1) {
        cachedBytes_ -= recent_.back().second.bytes;
        recentByKey_.remove(recent_.back().first);
        recent_.pop_back();
    }
    return image;
}

std::vector<StampCollections::LeftOut> StampCollections::leftOut() {
    groups();
    return leftOut_;
}

bool StampCollections::readFromCache() {
    groups();
    return fromCache_;
}

int StampCollections::foldersRead() {
    groups();
    return foldersRead_;
}

}  // namespace pintaloo
