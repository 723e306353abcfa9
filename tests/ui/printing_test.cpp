// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/files/printing.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <cmath>

namespace pintaloo {
namespace {

TEST(PrintingTest, FittedRectKeepsProportionsAndCentres) {
    const struct {
        const char* what;
        QSize picture;
        QRect page;
        QRect fitted;
    } rows[] = {
        {"canvas on a square page", {807, 537}, {0, 0, 1000, 1000}, {0, 167, 1000, 665}},
        {"canvas on a tall page", {807, 537}, {0, 0, 2000, 3000}, {0, 835, 2000, 1330}},
        {"canvas on a wide page", {807, 537}, {0, 0, 3000, 1000}, {749, 0, 1502, 1000}},
        {"same proportions", {807, 537}, {0, 0, 1614, 1074}, {0, 0, 1614, 1074}},
        {"page not at the origin", {100, 50}, {10, 20, 100, 100}, {10, 45, 100, 50}},
        {"smaller page than picture", {807, 537}, {0, 0, 80, 80}, {0, 13, 80, 53}},
        {"empty picture", {0, 0}, {0, 0, 100, 100}, {}},
        {"empty page", {807, 537}, {0, 0, 0, 100}, {}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        EXPECT_EQ(FittedRect(r.picture, r.page), r.fitted);
    }
}

// A drawing a test can find again on paper: green all over, a red square in
// the middle.
QImage Drawing() {
    QImage img(807, 537, QImage::Format_RGB32);
    img.fill(QColor(0, 160, 0));
    QPainter p(&img);
    p.fillRect(QRect(403 - 60, 268 - 60, 121, 121), QColor(220, 0, 0));
    return img;
}

int CountPages(const QByteArray& pdf) {
    // Page objects, not the page tree ("/Type /Pages").
    return int(pdf.count(QByteArray("/Type /Page\n")) + pdf.count(QByteArray("/Type /Page ")) +
               pdf.count(QByteArray("/Type /Page/")) + pdf.count(QByteArray("/Type /Page>")));
}

TEST(PrintingTest, PdfHoldsOnePageWithTheDrawingFittedAndCentred) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("drawing.pdf"));
    PdfPrintPort port(pdf);
    ASSERT_TRUE(port.print(Drawing()));

    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    ASSERT_TRUE(bytes.startsWith("%PDF-"));
    EXPECT_EQ(CountPages(bytes), 1);

    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty()) GTEST_SKIP() << "pdftoppm (poppler-utils) is needed to look at the printed page";
    // The page rendered back at 30 dots an inch: small, but the shapes are plain.
    QProcess render;
    render.start(pdftoppm, {QStringLiteral("-r"), QStringLiteral("30"), QStringLiteral("-png"),
                            QStringLiteral("-singlefile"), pdf, dir.filePath(QStringLiteral("page"))});
    ASSERT_TRUE(render.waitForFinished(60000));
    ASSERT_EQ(render.exitCode(), 0) << render.readAllStandardError().toStdString();
    const QImage page(dir.filePath(QStringLiteral("page.png")));
    ASSERT_FALSE(page.isNull());
    EXPECT_GT(page.width(), page.height()) << "landscape, like the drawing";

    auto isGreen = [](QColor c) { return c.green() > 100 && c.red() < 80 && c.blue() < 80; };
    auto isRed = [](QColor c) { return c.red() > 150 && c.green() < 80 && c.blue() < 80; };
    auto isPaper = [](QColor c) { return c.red() > 240 && c.green() > 240 && c.blue() > 240; };
    // Where the drawing is on the paper: every pixel that is not white.
    QRect inked;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (!isPaper(page.pixelColor(x, y))) inked |= QRect(x, y, 1, 1);
    ASSERT_FALSE(inked.isEmpty());
    EXPECT_TRUE(isPaper(page.pixelColor(0, 0))) << "the printer's margin stays white";
    EXPECT_TRUE(isRed(page.pixelColor(inked.center()))) << "the middle of the drawing in the middle";
    EXPECT_TRUE(isGreen(page.pixelColor(inked.left() + 3, inked.center().y())));
    // Proportions kept, to a pixel of the small rendering.
    EXPECT_NEAR(double(inked.width()) / inked.height(), 807.0 / 537.0, 0.03);
    // Centred: the same paper left and right, above and below (margins may differ by a pixel or two).
    EXPECT_NEAR(inked.left(), page.width() - 1 - inked.right(), 3);
    EXPECT_NEAR(inked.top(), page.height() - 1 - inked.bottom(), 3);
    // Fitted: as wide as the paper allows; only the printer's margins stay white.
    EXPECT_GT(inked.width(), page.width() * 0.85) << inked.width() << " of " << page.width();
}

TEST(PrintingTest, NothingToPrintOrNowhereToPrintIsAPlainNo) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("empty.pdf"));
    EXPECT_FALSE(PdfPrintPort(pdf).print(QImage()));
    EXPECT_FALSE(PdfPrintPort(dir.filePath(QStringLiteral("no/such/folder/drawing.pdf"))).print(Drawing()));
}

TEST(PrintingTest, CancelledDialogPrintsNothing) {
    // No printing module where it is looked for: a plain no, and no dialog.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    UsePrintModuleFile(dir.filePath(QStringLiteral("pintaloo-print.so")));
    EXPECT_FALSE(DialogPrintPort(nullptr).print(Drawing()));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(DefaultPrinterPaper().has_value());

    UsePrintModuleFile(QStringLiteral(PINTALOO_TEST_PRINT_MODULE));
    // Cancel the dialog as soon as it is up; the real dialog, no printer needed.
    bool sawDialog = false;
    QTimer::singleShot(0, [&] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            sawDialog = true;
            d->reject();
        }
    });
    DialogPrintPort port(nullptr);
    EXPECT_FALSE(port.print(Drawing()));
    EXPECT_TRUE(sawDialog);
}

}  // namespace
}  // namespace pintaloo
