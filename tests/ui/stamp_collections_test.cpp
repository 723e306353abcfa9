// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The stamp collections read from folders anyone may have filled: hostile
// files left out with their reason (never a hang), the installed library
// wholly usable, and the index's cache equal to a fresh reading.
#include <algorithm>

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <set>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "ui/files/stamp_collections.h"

namespace pintaloo {
namespace {

QByteArray Png(int w = 8, int h = 6) {
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(QColor(200, 40, 40, 180));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

void Put(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray Svg(const QByteArray& inside, const QByteArray& before = {}) {
    return before + "<svg xmlns='http://www.w3.org/2000/svg' xmlns:xlink='http://www.w3.org/1999/xlink' "
                    "viewBox='0 0 20 10'><rect id='a' width='20' height='10' fill='#0a0'/>" +
           inside + "</svg>";
}

// What a reader must make of one file in a collection.
enum class Expect { Stamp, LeftOut, Absent, NoPicture };

struct HostileCase {
    const char* file;
    QByteArray bytes;
    Expect expect;
    const char* reason;  // part of the logged reason, for LeftOut
};

TEST(StampCollectionsTest, HostileFilesAreLeftOutWithTheirReason) {
    QTemporaryDir dir;
    const QString root = dir.filePath(QStringLiteral("stamps"));
    const QString folder = root + QStringLiteral("/animals");
    QByteArray huge = Png();
    huge[16] = '\x7f';  // the header's width: over two billion pixels
    const std::vector<HostileCase> cases = {
        {"good.png", Png(), Expect::Stamp, ""},
        {"drawn.svg", Svg("<use xlink:href='#a'/><image href='data:image/png;base64,AAAA'/>"), Expect::Stamp, ""},
        {"oversized.png", Png() + QByteArray(StampLimits::kMaxPngBytes, '\0'), Expect::LeftOut, "too large"},
        {"huge.png", huge, Expect::LeftOut, "picture too large"},
        {"truncated.png", Png(64, 64).left(60), Expect::NoPicture, ""},
        {"text.png", "Hello, I am only text.\n", Expect::LeftOut, "not a PNG"},
        {"empty.png", "", Expect::LeftOut, "empty"},
        {"external.svg", Svg("<image xlink:href='/etc/pintaloo/secret.png' width='5' height='5'/>"), Expect::LeftOut,
         "another file"},
        {"styled.svg", Svg("<rect style='fill:url(other.svg#g)' width='5' height='5'/>"), Expect::LeftOut,
         "another file"},
        {"laughs.svg",
         Svg("<text>&b;</text>", "<!DOCTYPE svg [<!ENTITY a 'ha'><!ENTITY b '&a;&a;&a;&a;&a;&a;&a;&a;'>]>"),
         Expect::LeftOut, "entities"},
        {"system.svg", Svg("<text>&s;</text>", "<!DOCTYPE svg [<!ENTITY s SYSTEM 'file:///etc/passwd'>]>"),
         Expect::LeftOut, "entities"},
        {"script.svg", Svg("<script>alert(1)</script>"), Expect::LeftOut, "script"},
        {"moving.svg", Svg("<animate attributeName='x' dur='1s'/>"), Expect::LeftOut, "animated"},
        {"packed.svg", QByteArray("\x1f\x8b\x08\x00", 4) + QByteArray(40, 'x'), Expect::LeftOut, "compressed"},
        {"broken.svg", "<svg><rect></svg>", Expect::LeftOut, "well-formed"},
        {"html.svg", "<html><body/></html>", Expect::LeftOut, "not an SVG"},
    };
    for (const HostileCase& c : cases) Put(folder + u'/' + QLatin1String(c.file), c.bytes);
    // Left out by the listing itself: a link to a good picture and a pipe.
    ASSERT_EQ(::symlink("good.png", QFile::encodeName(folder + QStringLiteral("/link.png")).constData()), 0);
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder + QStringLiteral("/pipe.png")).constData(), 0600), 0);
    // Name files that lie, each beside a good picture.
    struct Lie {
        const char* stamp;
        QByteArray text;
        QString english;  // the name the stamp must get
    };
    const std::vector<Lie> lies = {
        {"long", QByteArray(64 * 1024, 'a'), QString(StampLimits::kMaxNameChars, u'a')},
        {"binary", QByteArray("\x01\x02\0\x7f\n", 5), QStringLiteral("Binary")},
        {"latin_one", "Caf\xe9\nfr.utf8=Caf\xe9\n", QStringLiteral("Latin one")},
        {"good_name", "A blue whale.\nfr.utf8=Une baleine bleue.\npt.utf8=Uma baleia azul.\n",
         QStringLiteral("A blue whale.")},
    };
    for (const Lie& l : lies) {
        Put(folder + u'/' + QLatin1String(l.stamp) + QStringLiteral(".png"), Png());
        Put(folder + u'/' + QLatin1String(l.stamp) + QStringLiteral(".txt"), l.text);
    }

    StampCollections library({root}, dir.filePath(QStringLiteral("cache/index")));
    ASSERT_EQ(library.groups().size(), 1u);
    const std::vector<StampCollections::LeftOut> leftOut = library.leftOut();
    const auto find = [&](const QString& file) -> const LibraryStamp* {
        for (std::uint32_t id : library.groups()[0].stamps)
            if (library.stamp(id)->file == folder + u'/' + file) return library.stamp(id);
        return nullptr;
    };
    for (const HostileCase& c : cases) {
        SCOPED_TRACE(c.file);
        const QString file = QLatin1String(c.file);
        const LibraryStamp* s = find(file);
        const auto reason = std::find_if(leftOut.begin(), leftOut.end(),
                                         [&](const auto& l) { return l.file == folder + u'/' + file; });
        if (c.expect == Expect::LeftOut) {
            EXPECT_EQ(s, nullptr);
            ASSERT_NE(reason, leftOut.end());
            EXPECT_TRUE(reason->reason.contains(QLatin1String(c.reason))) << reason->reason.toStdString();
        } else {
            ASSERT_NE(s, nullptr);
            const QImage picture = library.picture(*s, 96);
            EXPECT_EQ(picture.isNull(), c.expect == Expect::NoPicture);
            if (!picture.isNull()) {
                EXPECT_EQ(picture.format(), QImage::Format_ARGB32);
            }
        }
    }
    EXPECT_EQ(find(QStringLiteral("link.png")), nullptr);
    EXPECT_EQ(find(QStringLiteral("pipe.png")), nullptr);
    for (const Lie& l : lies) {
        const LibraryStamp* s = find(QLatin1String(l.stamp) + QStringLiteral(".png"));
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(library.name(*s, Language::English), l.english) << l.stamp;
    }
    const LibraryStamp* whale = find(QStringLiteral("good_name.png"));
    EXPECT_EQ(library.name(*whale, Language::French), QStringLiteral("Une baleine bleue."));
    EXPECT_EQ(library.name(*whale, Language::Portuguese), QStringLiteral("Uma baleia azul."));  // pt_BR falls back to pt
    EXPECT_EQ(library.name(*whale, Language::German), QStringLiteral("A blue whale."));
}

TEST(StampCollectionsTest, OptionsThatLieKeepSafeDefaults) {
    struct Case {
        QByteArray text;
        double scale;
        bool colourable, mirrorable;
    };
    const std::vector<Case> cases = {
        {"colorable\nnomirror\nscale 25%\n", 0.25, true, false},
        {"scale 2\n", 0.5, false, true},      // the picture twice the stamp
        {"scale 1/4\n", 0.25, false, true},   // a fraction
        {"scale 32:3\r\n", 3.0 / 32, false, true},  // picture to stamp
        {"scale 0\n", 1.0, false, true},
        {"scale -5\n", 1.0, false, true},
        {"scale 1e9\n", StampLimits::kMinScale, false, true},
        {"scale 1e9%\n", StampLimits::kMaxScale, false, true},
        {"scale nan\nscale inf\nscale 1/0\n", 1.0, false, true},
        {QByteArray("\xff\xfe") + QByteArray(1, '\0') + "garbage=scale\ncolorablex\nscale\n", 1.0, false, true},
    };
    for (const Case& c : cases) {
        const StampOptions o = ParseStampOptions(c.text);
        EXPECT_DOUBLE_EQ(o.scale, c.scale) << c.text.toStdString();
        EXPECT_EQ(o.colourable, c.colourable) << c.text.toStdString();
        EXPECT_EQ(o.mirrorable, c.mirrorable) << c.text.toStdString();
    }
}

// Every stamp of the installed library either draws at thumbnail size or
// was left out with a reason; ids are unique and every name is there in
// every language.
TEST(StampCollectionsTest, InstalledLibraryIsWhollyUsable) {
    const QString installed = QStringLiteral("/usr/share/tuxpaint/stamps");
    if (!QFileInfo(installed).isDir()) GTEST_SKIP() << "no stamp library installed (tuxpaint-stamps-default)";
    QTemporaryDir dir;
    StampCollections library({installed}, dir.filePath(QStringLiteral("index")));
    std::set<std::uint32_t> ids, groupIds;
    std::set<QString> files;
    for (const StampGroup& g : library.groups()) {
        EXPECT_TRUE(groupIds.insert(g.id).second);
        for (int l = 0; l < kLanguageCount; ++l) EXPECT_FALSE(library.groupName(g, Language(l)).isEmpty());
        for (std::uint32_t id : g.stamps) {
            EXPECT_TRUE(ids.insert(id).second) << id;
            const LibraryStamp* s = library.stamp(id);
            ASSERT_NE(s, nullptr);
            files.insert(s->file);
            const QImage picture = library.picture(*s, 96, !s->options.mirrorable ? false : (id % 2) == 1);
            EXPECT_FALSE(picture.isNull()) << s->file.toStdString();
            EXPECT_LE(std::max(picture.width(), picture.height()), 96) << s->file.toStdString();
            // Something shows: a drawing fitted wrongly comes out wholly clear.
            bool shows = false;
            for (int y = 0; y < picture.height() && !shows; ++y)
                for (int x = 0; x < picture.width() && !shows; ++x) shows = qAlpha(picture.pixel(x, y)) > 0;
            EXPECT_TRUE(shows) << s->file.toStdString();
            for (int l = 0; l < kLanguageCount; ++l) EXPECT_FALSE(library.name(*s, Language(l)).isEmpty());
        }
    }
    EXPECT_GT(ids.size(), 500u);
    // A scan that ran out of time (a slow machine, a sanitizer build) leaves
    // out a folder, or the rest of one, with that reason: its files count.
    QStringList leftFolders;
    for (const auto& l : library.leftOut()) {
        files.insert(l.file);
        if (l.reason.contains(QStringLiteral("in time")))
            leftFolders << (l.reason.contains(QStringLiteral("rest of its folder")) ? QFileInfo(l.file).path() : l.file);
    }
    // Every picture file is a stamp, was left out, or belongs to one (a
    // turned copy, an SVG beside its PNG).
    QDirIterator it(installed, {QStringLiteral("*.png"), QStringLiteral("*.svg")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString f = it.next();
        const QString base = f.chopped(4);
        const bool belongs = base.endsWith(QStringLiteral("_mirror")) || base.endsWith(QStringLiteral("_flip")) ||
                             (f.endsWith(QStringLiteral(".svg")) && QFileInfo::exists(base + QStringLiteral(".png")));
        const bool timedOut = std::any_of(leftFolders.cbegin(), leftFolders.cend(),
                                          [&f](const QString& d) { return f.startsWith(d + QLatin1Char('/')); });
        EXPECT_TRUE(belongs || timedOut || files.count(f)) << f.toStdString();
    }
}

// The cache gives the index a fresh reading gives, a touched folder is
// read again, a damaged cache is ignored and rewritten, and the user's own
// stamp wins over the same one in a later collection.
TEST(StampCollectionsTest, CacheEqualsAFreshReading) {
    QTemporaryDir dir;
    const QString mine = dir.filePath(QStringLiteral("mine")), system = dir.filePath(QStringLiteral("system"));
    const QString cache = dir.filePath(QStringLiteral("cache/stamps-index"));
    Put(mine + QStringLiteral("/food/apple.png"), Png(4, 4));
    for (const char* f : {"food/apple.png", "food/pear.png", "space/moon.png", "space/far/star.png", "top.png"})
        Put(system + u'/' + QLatin1String(f), Png(10, 5));
    Put(system + QStringLiteral("/food/pear.txt"), "A pear.\nde.utf8=Eine Birne.\n");
    Put(system + QStringLiteral("/food/pear.dat"), "tintable\nnoflip\nscale 50%\n");
    Put(system + QStringLiteral("/food/pear.ogg"), "OggS");
    Put(system + QStringLiteral("/food/pear_desc_fr.ogg"), "OggS");
    Put(system + QStringLiteral("/food/pear_mirror.png"), Png(5, 10));

    const auto dump = [](StampCollections& library) {
        QStringList lines;
        for (const StampGroup& g : library.groups()) {
            lines << QStringLiteral("group %1 %2 %3").arg(g.id).arg(g.folder, library.groupName(g, Language::English));
            for (std::uint32_t id : g.stamps) {
                const LibraryStamp& s = *library.stamp(id);
                lines << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9")
                             .arg(id)
                             .arg(s.file, library.name(s, Language::German), library.sound(s),
                                  library.spokenName(s, Language::French))
                             .arg(s.options.tintable)
                             .arg(s.options.flippable)
                             .arg(s.options.scale)
                             .arg(library.picture(s, 50, true).width());
            }
        }
        return lines;
    };
    StampCollections first({mine, system}, cache);
    const QStringList fresh = dump(first);
    EXPECT_FALSE(first.readFromCache());
    ASSERT_EQ(fresh.size(), 9) << fresh.join(u'\n').toStdString();
    EXPECT_TRUE(fresh.join(u'\n').contains(mine + QStringLiteral("/food/apple.png")));
    EXPECT_FALSE(fresh.join(u'\n').contains(system + QStringLiteral("/food/apple.png")));
    EXPECT_TRUE(fresh.join(u'\n').contains(QStringLiteral("Eine Birne. ") + system +
                                            QStringLiteral("/food/pear.ogg ") + system +
                                            QStringLiteral("/food/pear_desc_fr.ogg 1 0 0.5 5")));

    StampCollections second({mine, system}, cache);
    EXPECT_EQ(dump(second), fresh);
    EXPECT_TRUE(second.readFromCache());

    // A new stamp, and the folder's time moved on: only that folder is read.
    Put(system + QStringLiteral("/space/sun.png"), Png());
    const timespec later[2] = {{0, UTIME_OMIT}, {::time(nullptr) + 5, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(system + QStringLiteral("/space")).constData(), later, 0), 0);
    StampCollections third({mine, system}, cache);
    EXPECT_EQ(dump(third).size(), fresh.size() + 1);
    EXPECT_EQ(third.foldersRead(), 1);

    // A damaged cache (any byte changed, or cut short) is ignored and written anew.
    QFile f(cache);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray good = f.readAll();
    f.close();
    for (const QByteArray& bad : {good.left(good.size() / 2), QByteArray(good).replace(40, 1, "\xff"), QByteArray()}) {
        Put(cache, bad);
        StampCollections fromBad({mine, system}, cache);
        EXPECT_FALSE(fromBad.readFromCache());
        EXPECT_EQ(dump(fromBad), dump(third));
        EXPECT_TRUE(StampCollections({mine, system}, cache).readFromCache());
    }
    // A link put where the cache goes is replaced, never written through.
    const QString target = dir.filePath(QStringLiteral("not-yours"));
    Put(target, "keep");
    QFile::remove(cache);
    ASSERT_TRUE(QFile::link(target, cache));
    EXPECT_FALSE(StampCollections({mine, system}, cache).readFromCache());
    QFile kept(target);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "keep");
    EXPECT_FALSE(QFileInfo(cache).isSymLink());
}

}  // namespace
}  // namespace pintaloo
