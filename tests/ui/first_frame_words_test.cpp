// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The help line's kept picture: shown only when it is exactly the line the
// window would draw, refused when the file is not what it claims, and never
// written through a link. The fonts it spares the first frame wait for
// someone at the window.
#include "ui/programs/first_frame_words.h"
#include "ui/actions/box.h"
#include "ui/platform/font_warm_up.h"
#include "ui/platform/kept_picture.h"
#include "window_fixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QWidget>

#include <unistd.h>

#include <functional>

namespace pintaloo::uitest {
namespace {

QImage Sample(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) image.setPixel(x, y, qRgba(x * 7 % 256, y * 13 % 256, 90, 255));
    return image;
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(KeptPicture, OnlyTheRightPictureIsRead) {
    const QSize size(40, 12);
    const QString key = QStringLiteral("words|1.0|de");
    struct Case {
        const char* what;
        std::function<void(const QString& path, const QString& other)> plant;
        QString askedKey;
        QSize askedSize;
        bool read;
    };
    const std::vector<Case> cases = {
        {"kept as asked", [&](const QString& p, const QString&) { KeepPicture(p, key, Sample(size)); }, key, size,
         true},
        {"another key (language, version, fonts)",
         [&](const QString& p, const QString&) { KeepPicture(p, key, Sample(size)); }, key + QStringLiteral("x"), size,
         false},
        {"another size", [&](const QString& p, const QString&) { KeepPicture(p, key, Sample(size)); }, key,
         QSize(41, 12), false},
        {"a link to a good one",
         [&](const QString& p, const QString& other) {
             KeepPicture(other, key, Sample(size));
             ASSERT_EQ(::symlink(QFile::encodeName(other).constData(), QFile::encodeName(p).constData()), 0);
         },
         key, size, false},
        {"a folder", [&](const QString& p, const QString&) { QDir().mkpath(p); }, key, size, false},
        {"garbage", [&](const QString& p, const QString&) { Write(p, QByteArray(3000, 'x')); }, key, size, false},
        {"a good one with a huge tail",
         [&](const QString& p, const QString&) {
             KeepPicture(p, key, Sample(size));
             QFile f(p);
             ASSERT_TRUE(f.open(QIODevice::Append));
             f.write(QByteArray(200 * 1024, '\0'));
         },
         key, size, false},
        {"cut short",
         [&](const QString& p, const QString&) {
             KeepPicture(p, key, Sample(size));
             QFile f(p);
             ASSERT_TRUE(f.resize(f.size() - 10));
         },
         key, size, false},
        {"nothing", [&](const QString&, const QString&) {}, key, size, false},
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("words.picture"));
        c.plant(path, dir.filePath(QStringLiteral("elsewhere.picture")));
        const QImage read = ReadKeptPicture(path, c.askedKey, c.askedSize);
        EXPECT_EQ(!read.isNull(), c.read) << c.what;
        if (c.read) {
            EXPECT_EQ(read, Sample(size).convertToFormat(QImage::Format_ARGB32_Premultiplied)) << c.what;
        }
    }
}

TEST(KeptPicture, WritingReplacesALinkInsteadOfFollowingIt) {
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("someone-elses"));
    Write(target, "theirs");
    const QString path = dir.filePath(QStringLiteral("words.picture"));
    ASSERT_EQ(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(path).constData()), 0);
    ASSERT_TRUE(KeepPicture(path, QStringLiteral("k"), Sample({8, 8})));
    EXPECT_EQ(QFileInfo(target).size(), 6);  // still theirs
    EXPECT_FALSE(QFileInfo(path).isSymLink());
    EXPECT_FALSE(ReadKeptPicture(path, QStringLiteral("k"), {8, 8}).isNull());
}

class FirstFrameWordsTest : public WindowTest {
protected:
    Box& line() { return *w().findChild<Box*>(QStringLiteral("lblInfo")); }
    QString file() const { return scratch.filePath(QStringLiteral("new/folder/help-line.picture")); }  // made
};

// Through one language change: the first start draws and keeps, the next
// shows the kept picture (the same pixels), and a start in another language
// draws its own words and keeps those.
TEST_F(FirstFrameWordsTest, TheKeptPictureIsTheDrawnLineAndOnlyForThatLine) {
    QFile::remove(file());
    for (const char* code : {"en", "it"}) {
        w().SetLanguage(QString::fromLatin1(code));
        const QImage drawn = FirstFrameWords::DrawnWords(line());
        ASSERT_FALSE(drawn.isNull());
        {
            FirstFrameWords first(line(), file());
            EXPECT_FALSE(first.showsKeptPicture()) << code;
            first.afterFirstPaint();
        }
        FirstFrameWords next(line(), file());
        ASSERT_TRUE(next.showsKeptPicture()) << code;
        EXPECT_EQ(FirstFrameWords::DrawnWords(line()), drawn) << code;  // painted from the picture
    }
    // A picture shown while the words change is let go: the new words are drawn.
    w().SetLanguage(QStringLiteral("en"));
    const QImage english = FirstFrameWords::DrawnWords(line());
    w().SetLanguage(QStringLiteral("it"));
    FirstFrameWords shown(line(), file());
    ASSERT_TRUE(shown.showsKeptPicture());
    w().SetLanguage(QStringLiteral("en"));
    EXPECT_EQ(FirstFrameWords::DrawnWords(line()), english);
    EXPECT_FALSE(shown.showsKeptPicture());
}

// The fonts get ready at the first move, press or key, wherever it lands,
// and not while the window only appears, is painted, or finds the pointer
// already lying over it.
TEST(FontWarmUpOnFirstInput, StartsAtTheFirstSignOfSomeoneThere) {
    QWidget target;
    const auto send = [&target](QEvent&& event) { QCoreApplication::sendEvent(&target, &event); };
    const QPointF at(10, 10);
    const std::function<void()> someone[] = {
        [&] { send(QMouseEvent(QEvent::MouseMove, at, at, Qt::NoButton, Qt::NoButton, Qt::NoModifier)); },
        [&] { send(QMouseEvent(QEvent::MouseButtonPress, at, at, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier)); },
        [&] { send(QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier)); },
    };
    for (const auto& input : someone) {
        FontWarmUpOnFirstInput fonts(QFont(), QStringLiteral("Pintaloo"));
        send(QEvent(QEvent::Show));
        send(QEnterEvent(at, at, at));
        send(QHoverEvent(QEvent::HoverEnter, at, at, at));
        send(QEvent(QEvent::UpdateRequest));
        EXPECT_FALSE(fonts.started());
        input();
        EXPECT_TRUE(fonts.started());
    }
}

}  // namespace
}  // namespace pintaloo::uitest
