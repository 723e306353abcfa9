// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/files/week_export.h"

#include <gtest/gtest.h>
#include <QBuffer>
#include <QComboBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtEndian>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <csignal>

#include "ui/files/picture_reader.h"
#include "ui/parts/week_export_page.h"
#include "ui/platform/settings.h"
#include "ui/platform/stand_ins.h"

namespace pintaloo {
namespace {

// Two children's galleries over a fortnight: drawings dated by their names
// (whatever their file's time says) and by their file's time, one damaged,
// plus the drawing on Léa's paper on Wednesday 9 December.
class WeekGallery {
public:
    WeekGallery() {
        lea = dir.filePath(QStringLiteral("Léa"));
        sam = dir.filePath(QStringLiteral("Sam"));
        QDir().mkpath(lea);
        QDir().mkpath(sam);
        put(lea, "Drawing 2026-12-07 09.15.png", {2026, 11, 1});  // the name wins over the file's time
        put(lea, "cat.png", {2026, 12, 8}, {14, 0});
        put(lea, "old.png", {2026, 11, 30});
        put(lea, "Drawing 2026-12-14 08.00.png", {2026, 12, 14});
        put(sam, "Dessin 2026-12-09 11.30.png", {2026, 12, 9});
        put(sam, "boat.png", {2026, 12, 6});
        const QByteArray whole = png(QColor(Qt::red));
        write(sam + QStringLiteral("/broken.png"), whole.left(whole.size() / 2), {2026, 12, 8});
    }

    ExportRequest request(QDate from, QDate to, ExportKind kind, const QString& target) const {
        ExportRequest r;
        r.children = {{QStringLiteral("Léa"), lea}, {QStringLiteral("Sam"), sam}};
        r.from = from;
        r.to = to;
        r.kind = kind;
        r.target = target;
        r.now = QDateTime({2026, 12, 9}, {10, 0});
        r.current = {{QStringLiteral("Léa"), image(QColor(Qt::darkGreen))}};
        r.secondsPerPicture = 1.5;
        return r;
    }

    static QImage image(const QColor& colour) {
        QImage i(200, 130, QImage::Format_RGB32);
        i.fill(colour);
        return i;
    }

    QTemporaryDir dir;
    QString lea, sam;

private:
    QByteArray png(const QColor& colour) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image(colour).save(&buffer, "PNG");
        return bytes;
    }
    void put(const QString& folder, const char* name, QDate day, QTime time = {12, 0}) {
        // Every drawing another colour, so no two film frames are alike.
        write(folder + QLatin1Char('/') + QString::fromUtf8(name), png(QColor::fromHsv((hue_ += 40) % 360, 200, 220)),
              day, time);
    }
    static void write(const QString& path, const QByteArray& bytes, QDate day, QTime time = {12, 0}) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        const timespec when{QDateTime(day, time).toSecsSinceEpoch(), 0};
        const timespec times[2] = {when, when};
        ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
    }
    int hue_ = 0;
};

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A PDF's pages: its page objects, never the page tree's /Pages.
int PdfPages(const QByteArray& pdf) {
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    return int(QString::fromLatin1(pdf).count(page));
}

// An animated WebP's frames: its ANMF chunks, walked by their sizes.
int WebPFrames(const QByteArray& webp) {
    if (webp.size() < 12 || !webp.startsWith("RIFF") || webp.mid(8, 4) != "WEBP") return -1;
    int frames = 0;
    for (qsizetype at = 12; at + 8 <= webp.size();) {
        const quint32 size = qFromLittleEndian<quint32>(webp.constData() + at + 4);
        frames += webp.mid(at, 4) == "ANMF" ? 1 : 0;
        at += 8 + qsizetype(size) + (size & 1);
    }
    return frames;
}

QStringList Visible(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

TEST(WeekExportTest, WritesExactlyTheDrawingsOfTheSpan) {
    WeekGallery g;
    const QDate mon{2026, 12, 7}, wed{2026, 12, 9};
    const QStringList week = {QStringLiteral("Léa 2026-12-07 09-15.png"), QStringLiteral("Léa 2026-12-08 14-00.png"),
                              QStringLiteral("Léa 2026-12-09 10-00.png"), QStringLiteral("Sam 2026-12-09 11-30.png")};
    const struct {
        const char* what;
        QDate from, to;
        ExportKind kind;
        bool covers;
        bool onlySam;
        ExportResult::Outcome outcome;
        int written, unreadable, pages;
        QStringList names;  // Pictures: the files in the folder
    } rows[] = {
        // clang-format off
        {"this week as pictures", mon, wed, ExportKind::Pictures, false, false, ExportResult::Outcome::Done, 4, 1, 4,
         week},
        {"this week as a booklet", mon, wed, ExportKind::Booklet, false, false, ExportResult::Outcome::Done, 4, 1, 4, {}},
        {"with a cover per child", mon, wed, ExportKind::Booklet, true, false, ExportResult::Outcome::Done, 4, 1, 6, {}},
        {"one child's booklet", mon, wed, ExportKind::Booklet, true, true, ExportResult::Outcome::Done, 1, 1, 2, {}},
        {"this week as a film", mon, wed, ExportKind::Film, false, false, ExportResult::Outcome::Done, 4, 1, 4, {}},
        {"one Sunday's film", {2026, 12, 6}, {2026, 12, 6}, ExportKind::Film, false, false,
         ExportResult::Outcome::Done, 1, 0, 1, {}},
        {"a fortnight's film", {2026, 11, 30}, {2026, 12, 14}, ExportKind::Film, false, false,
         ExportResult::Outcome::Done, 7, 1, 7, {}},
        {"days without drawings", {2026, 12, 10}, {2026, 12, 12}, ExportKind::Pictures, false, false,
         ExportResult::Outcome::Nothing, 0, 0, 0, {}},
        {"only the damaged one", {2026, 12, 8}, {2026, 12, 8}, ExportKind::Booklet, false, true,
         ExportResult::Outcome::Nothing, 0, 1, 0, {}},
        // clang-format on
    };
    int row = 0;
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        QTemporaryDir out;
        const QString target = out.filePath(r.kind == ExportKind::Pictures  ? QStringLiteral("week")
                                            : r.kind == ExportKind::Booklet ? QStringLiteral("week.pdf")
                                                                            : QStringLiteral("week.webp"));
        ExportRequest request = g.request(r.from, r.to, r.kind, target);
        request.covers = r.covers;
        if (r.onlySam) request.children.erase(request.children.begin());
        int steps = 0, lastTotal = 0;
        const ExportResult result = ExportDrawings(request, {[&](int done, int total) {
                                                                 EXPECT_EQ(done, ++steps);
                                                                 lastTotal = total;
                                                             },
                                                             nullptr});
        EXPECT_EQ(result.outcome, r.outcome);
        EXPECT_EQ(result.written, r.written);
        EXPECT_EQ(result.unreadable, r.unreadable);
        EXPECT_EQ(lastTotal, r.written + r.unreadable);
        if (r.outcome != ExportResult::Outcome::Done) {
            EXPECT_TRUE(Visible(out.path()).isEmpty() && !QFileInfo::exists(target));
            continue;
        }
        EXPECT_EQ(result.pages, r.pages);
        switch (r.kind) {
            case ExportKind::Pictures: {
                EXPECT_EQ(Visible(target), r.names);
                // Each a whole picture; a copied one byte for byte, its story and all.
                for (const QString& name : Visible(target))
                    EXPECT_FALSE(OpenPicture(QDir(target).filePath(name), std::chrono::seconds(5)).image.isNull());
                EXPECT_EQ(ReadAll(QDir(target).filePath(week[3])), ReadAll(g.sam + "/Dessin 2026-12-09 11.30.png"));
                // Again into the same folder: nothing replaced, each a new name.
                ASSERT_EQ(ExportDrawings(request).written, r.written);
                EXPECT_EQ(Visible(target).size(), 2 * r.names.size());
                EXPECT_TRUE(Visible(target).contains(QStringLiteral("Léa 2026-12-07 09-15 (2).png")));
                break;
            }
            case ExportKind::Booklet:
                EXPECT_EQ(PdfPages(ReadAll(target)), r.pages);
                break;
            case ExportKind::Film:
                // A film of one picture is kept animated by a second frame (film_writer.cpp).
                EXPECT_EQ(WebPFrames(ReadAll(target)), std::max(2, r.pages));
                break;
        }
        if (r.kind != ExportKind::Pictures) {
            EXPECT_EQ(Visible(out.path()), QStringList{QFileInfo(target).fileName()});
        }
        ++row;
    }
    EXPECT_EQ(row, 7);
    FinishPictureDecoding();
}

TEST(WeekExportTest, ATargetThatCannotBeWrittenLeavesNoFile) {
    WeekGallery g;
    QTemporaryDir out;
    QFile plain(out.filePath(QStringLiteral("plain.txt")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    const QString kept = out.filePath(QStringLiteral("kept.pdf"));
    QFile keptFile(kept);
    ASSERT_TRUE(keptFile.open(QIODevice::WriteOnly) && keptFile.write("mine") == 4);
    keptFile.close();
    ASSERT_TRUE(QFile::link(kept, out.filePath(QStringLiteral("link.pdf"))));
    ASSERT_TRUE(QFile::link(out.path(), out.filePath(QStringLiteral("link-folder"))));
    const struct {
        const char* what;
        ExportKind kind;
        QString target;
    } rows[] = {
        {"pictures into a file", ExportKind::Pictures, plain.fileName()},
        {"pictures through a link", ExportKind::Pictures, out.filePath(QStringLiteral("link-folder"))},
        {"pictures into a missing folder's folder", ExportKind::Pictures, out.filePath(QStringLiteral("gone/week"))},
        {"a booklet in a missing folder", ExportKind::Booklet, out.filePath(QStringLiteral("gone/week.pdf"))},
        {"a booklet over a link", ExportKind::Booklet, out.filePath(QStringLiteral("link.pdf"))},
        {"a film in a missing folder", ExportKind::Film, out.filePath(QStringLiteral("gone/week.webp"))},
        {"a film over a link", ExportKind::Film, out.filePath(QStringLiteral("link.pdf"))},
    };
    const QStringList before = Visible(out.path());
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        const ExportResult result = ExportDrawings(g.request({2026, 12, 7}, {2026, 12, 9}, r.kind, r.target));
        EXPECT_EQ(result.outcome, ExportResult::Outcome::NotWritten);
        EXPECT_FALSE(result.why.isEmpty());
        EXPECT_EQ(Visible(out.path()), before);  // no temporary left, nothing replaced
        EXPECT_EQ(ReadAll(kept), "mine");
    }
    // A full disk, as a file size limit gives it (EFBIG): nothing half-written left.
    struct rlimit was {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &was), 0);
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    for (const ExportKind kind : {ExportKind::Pictures, ExportKind::Booklet, ExportKind::Film}) {
        const QString target = out.filePath(QStringLiteral("full%1").arg(int(kind)));
        struct rlimit tiny = was;
        tiny.rlim_cur = 200;  // bytes: less than any one drawing's file
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
        const ExportResult result = ExportDrawings(g.request({2026, 12, 7}, {2026, 12, 9}, kind, target));
        ::setrlimit(RLIMIT_FSIZE, &was);
        EXPECT_EQ(result.outcome, ExportResult::Outcome::NotWritten) << int(kind);
        EXPECT_EQ(result.written, 0) << int(kind);
        EXPECT_EQ(Visible(out.path()), before) << int(kind);
        EXPECT_EQ(Visible(target), QStringList()) << int(kind);  // nothing in the pictures' folder either
    }
    std::signal(SIGXFSZ, oldSignal);
    // Stopped before the first drawing: no booklet at all.
    const std::atomic<bool> stop{true};
    const QString booklet = out.filePath(QStringLiteral("stopped.pdf"));
    EXPECT_EQ(
        ExportDrawings(g.request({2026, 12, 7}, {2026, 12, 9}, ExportKind::Booklet, booklet), {{}, &stop}).outcome,
        ExportResult::Outcome::Cancelled);
    EXPECT_EQ(Visible(out.path()), before);
    FinishPictureDecoding();
}

TEST(WeekExportTest, ThePageMakesWhatItShows) {
    WeekGallery g;
    QTemporaryDir out;
    MemorySettings settings;
    settings.setChildren({{QStringLiteral("Léa"), 3}, {QStringLiteral("Sam"), 7}});
    standin::ScriptedDialog dialog;
    dialog.answers = {std::nullopt, out.filePath(QStringLiteral("sam.pdf"))};
    int asked = 0;
    WeekExportPage page(
        settings, Language::English, {{QStringLiteral("Léa"), g.lea}, {QStringLiteral("Sam"), g.sam}},
        [&] {
            ++asked;
            return std::vector<CurrentDrawing>{{QStringLiteral("Léa"), WeekGallery::image(Qt::blue)}};
        },
        &dialog, nullptr, [] { return QDate(2026, 12, 9); });
    // This week by default, Monday to today, a booklet of everyone's.
    const ExportRequest shown = page.request();
    EXPECT_EQ(shown.from, QDate(2026, 12, 7));
    EXPECT_EQ(shown.to, QDate(2026, 12, 9));
    EXPECT_EQ(shown.kind, ExportKind::Booklet);
    EXPECT_EQ(shown.children.size(), 2u);
    auto* whose = page.findChild<QComboBox*>();
    ASSERT_TRUE(whose);
    whose->setCurrentIndex(whose->findText(QStringLiteral("Sam")));

    page.make();  // the dialog cancelled: nothing done
    EXPECT_FALSE(page.working());
    EXPECT_EQ(asked, 0);
    page.make();
    const QDeadlineTimer limit(std::chrono::seconds(60));
    while (page.resultLine().isEmpty() && !limit.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(asked, 1);
    ASSERT_EQ(dialog.asks.size(), 2u);
    EXPECT_TRUE(dialog.asks[1].start.endsWith(QStringLiteral("Sam 2026-12-07 – 2026-12-09.pdf")));
    EXPECT_EQ(page.resultLine(), QStringLiteral("Drawings put in the booklet: 1\n"
                                                "Drawings that could not be read, left out: 1"));
    EXPECT_EQ(PdfPages(ReadAll(out.filePath(QStringLiteral("sam.pdf")))), 1);
    FinishPictureDecoding();
}

}  // namespace
}  // namespace pintaloo
