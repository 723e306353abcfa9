// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Saving the drawing: the proposed name, the bitmap written, cancelling, and
// saves that fail without harming an earlier file.
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QRegularExpression>
#include <QDateTime>

#include <linux/capability.h>
#include <sys/mount.h>
#include <sys/syscall.h>
#include <unistd.h>

#include "ui/files/gallery_folder.h"
#include "ui/parts/drawing_files.h"
#include "ui/parts/page_picker.h"
#include "pages_support.h"

namespace pintaloo::test {
namespace {

// Root writes into read-only folders anyway. For the length of a test this
// lowers the capabilities that allow it, so that a read-only folder really
// is one.
class NoPermissionOverride {
public:
    NoPermissionOverride() {
        if (::geteuid() != 0) return;
        if (::syscall(SYS_capget, &header_, saved_) != 0) return;
        __user_cap_data_struct lowered[2] = {saved_[0], saved_[1]};
        for (const int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER})
            lowered[cap / 32].effective &= ~(1u << (cap % 32));
        lowered_ = ::syscall(SYS_capset, &header_, lowered) == 0;
    }
    ~NoPermissionOverride() {
        if (lowered_) ::syscall(SYS_capset, &header_, saved_);
    }
    NoPermissionOverride(const NoPermissionOverride&) = delete;
    NoPermissionOverride& operator=(const NoPermissionOverride&) = delete;

private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2]{};
    bool lowered_ = false;
};

class SavingTest : public ::testing::Test {
protected:
    WindowRig rig;
    QString path(const QString& name) { return rig.scratch.path() + '/' + name; }
    void save(std::optional<QString> answer) {
        rig.dialog.answers.push_back(std::move(answer));
        rig.call("KewlButtons3_MouseDown", {1, 10, 10});
    }
    // The file is a plain 24-bit bitmap of exactly the canvas.
    ::testing::AssertionResult holdsCanvas(const QString& file) {
        std::string why;
        const auto bmp = ParseBitmap24(ReadAll(file), &why);
        if (!bmp) return ::testing::AssertionFailure() << file.toStdString() << ": " << why;
        if (bmp->width != Surface::kWidth || bmp->height != Surface::kHeight)
            return ::testing::AssertionFailure() << "size " << bmp->width << "x" << bmp->height;
        const std::size_t diff = CountDifferent(bmp->pixels, rig.pixels());
        if (diff) return ::testing::AssertionFailure() << diff << " pixels differ from the canvas";
        return ::testing::AssertionSuccess();
    }
    QStringList folderListing(const QString& dir) {
        return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    }
};

TEST_F(SavingTest, WritesTheWholeCanvasAsA24BitBitmap) {
    rig.call("KewlButtons1_MouseDown", {1, 10, 10});
    rig.call("KewlButtons8_Click");
    rig.call("Image3_Click");  // a page under the painting
    rig.drawSomethingVaried();
    rig.heard.clear();
    const QDateTime before = QDateTime::currentDateTime();
    save(path("drawing.bmp"));
    const QDateTime after = QDateTime::currentDateTime();

    ASSERT_EQ(rig.dialog.asks.size(), 1u);
    const auto& ask = rig.dialog.asks[0];
    EXPECT_EQ(ask.kind, "save");
    EXPECT_TRUE(ask.filter.contains("*.bmp")) << ask.filter.toStdString();
    // The gallery's dated name, in the window's language.
    const QString proposed = QFileInfo(ask.start).fileName();
    EXPECT_TRUE(proposed == GalleryFolder::DatedName(before, Language::English) ||
                proposed == GalleryFolder::DatedName(after, Language::English))
        << proposed.toStdString();

    EXPECT_TRUE(holdsCanvas(path("drawing.bmp")));
    EXPECT_EQ(rig.heard, (Played{{"wave", 102}}));
    EXPECT_TRUE(rig.messages.told.empty());
    EXPECT_EQ(folderListing(rig.scratch.path()), QStringList({"drawing.bmp", "tmp"}))
        << "something left beside the file";
    // Saving keeps the picture on the canvas as it was and the picker shut.
    EXPECT_TRUE(Control(rig.w(), "pctOpen")->isHidden());
}

// The ending typed decides the format: none gets a bitmap and ".bmp", PNG
// and JPEG (quality 95) are written as such, any other ending is refused
// with a message and nothing is written.
TEST_F(SavingTest, TheEndingTypedDecidesTheFormat) {
    rig.drawSomethingVaried();
    const QImage canvasImage = [&] {
        const auto px = rig.pixels();
        QImage img(Surface::kWidth, Surface::kHeight, QImage::Format_RGB888);
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const Colour c = px[std::size_t(y) * Surface::kWidth + std::size_t(x)];
                img.setPixel(x, y, qRgb(RedOf(c), GreenOf(c), BlueOf(c)));
            }
        return img;
    }();
    const auto jpegAt95 = [&] {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpeg");
        writer.setQuality(95);
        EXPECT_TRUE(writer.write(canvasImage));
        return bytes;
    }();
    enum Kind { Bmp, Png, Jpeg, Refused };
    struct Case {
        const char* typed;
        const char* written;  // nullptr: nothing written
        Kind kind;
    };
    const Case cases[] = {
        {"a.bmp", "a.bmp", Bmp},          {"plain", "plain.bmp", Bmp}, {"b.png", "b.png", Png},
        {"c.jpg", "c.jpg", Jpeg},         {"d.jpeg", "d.jpeg", Jpeg},  {"E.JPG", "E.JPG", Jpeg},
        {"F.Bmp", "F.Bmp", Bmp},          {"g.gif", nullptr, Refused}, {"h.txt", nullptr, Refused},
        {"i.bmp.tiff", nullptr, Refused},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const QStringList before = folderListing(rig.scratch.path());
        rig.messages.told.clear();
        save(path(c.typed));
        if (c.kind == Refused) {
            EXPECT_EQ(folderListing(rig.scratch.path()), before) << "something was written";
            ASSERT_EQ(rig.messages.told.size(), 1u);
            EXPECT_TRUE(rig.messages.told[0].second.contains(c.typed));
            EXPECT_TRUE(rig.messages.told[0].second.contains(".png"));
            continue;
        }
        EXPECT_TRUE(rig.messages.told.empty());
        QStringList want = before;
        want << c.written;
        want.sort();
        QStringList got = folderListing(rig.scratch.path());
        got.sort();
        EXPECT_EQ(got, want);
        const QByteArray bytes = ReadAll(path(c.written));
        switch (c.kind) {
            case Bmp:
                EXPECT_TRUE(holdsCanvas(path(c.written)));
                break;
            case Png: {
                ASSERT_TRUE(bytes.startsWith("\x89PNG"));
                const QImage back = QImage::fromData(bytes, "png");
                EXPECT_EQ(CountDifferent(ExpectedCanvas(back, Surface::kWidth, Surface::kHeight), rig.pixels()), 0u);
                break;
            }
            case Jpeg:
                EXPECT_EQ(bytes, jpegAt95) << "not a JPEG at quality 95";
                break;
            case Refused:
                break;
        }
    }
}

// A full disk is named as one, and the earlier file stays whole.
TEST_F(SavingTest, AFullDiskSaysSo) {
    const QString dir = path("small_disk");
    ASSERT_TRUE(QDir().mkpath(dir));
    if (::mount("tmpfs", QFile::encodeName(dir).constData(), "tmpfs", 0, "size=8k") != 0)
        GTEST_SKIP() << "cannot mount a small disk here (needs root)";
    struct Unmount {
        QByteArray at;
        ~Unmount() { ::umount2(at.constData(), MNT_DETACH); }
    } unmount{QFile::encodeName(dir)};
    const QByteArray old("an earlier drawing");
    ASSERT_TRUE(WriteAll(dir + "/old.bmp", old));
    rig.drawSomethingVaried();
    for (const char* name : {"old.bmp", "new.png", "new.bmp"}) {
        SCOPED_TRACE(name);
        rig.messages.told.clear();
        save(dir + '/' + name);
        ASSERT_EQ(rig.messages.told.size(), 1u);
        EXPECT_TRUE(rig.messages.told[0].second.contains("No space left on device"))
            << rig.messages.told[0].second.toStdString();
    }
    EXPECT_EQ(ReadAll(dir + "/old.bmp"), old);
    EXPECT_EQ(folderListing(dir), QStringList({"old.bmp"}));
}

TEST_F(SavingTest, SavingOverAnEarlierFileReplacesIt) {
    rig.drawSomethingVaried();
    ASSERT_TRUE(WriteAll(path("old.bmp"), QByteArray(5000, 'x')));
    save(path("old.bmp"));
    EXPECT_TRUE(holdsCanvas(path("old.bmp")));
    EXPECT_EQ(folderListing(rig.scratch.path()), QStringList({"old.bmp", "tmp"}));
}

TEST_F(SavingTest, CancelWritesNothing) {
    rig.drawSomethingVaried();
    const QByteArray old("an earlier drawing");
    ASSERT_TRUE(WriteAll(path("old.bmp"), old));
    const auto canvas = rig.pixels();
    rig.heard.clear();
    save(std::nullopt);
    EXPECT_EQ(rig.dialog.asks.size(), 1u);
    EXPECT_EQ(ReadAll(path("old.bmp")), old);
    EXPECT_EQ(folderListing(rig.scratch.path()), QStringList({"old.bmp", "tmp"}));
    EXPECT_EQ(rig.pixels(), canvas);
    EXPECT_TRUE(rig.messages.told.empty());
    EXPECT_EQ(rig.heard, (Played{{"wave", 102}}));
    // An empty answer counts as a cancel too.
    save(QString());
    EXPECT_EQ(folderListing(rig.scratch.path()), QStringList({"old.bmp", "tmp"}));
}

TEST_F(SavingTest, AFolderThatCannotBeWrittenToIsReportedOnce) {
    rig.drawSomethingVaried();
    const QString dir = path("locked");
    ASSERT_TRUE(QDir().mkpath(dir));
    const QByteArray old("an earlier drawing");
    ASSERT_TRUE(WriteAll(dir + "/old.bmp", old));
    ASSERT_TRUE(QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    {
        NoPermissionOverride asUser;
        if (QFile probe(dir + "/probe"); probe.open(QIODevice::WriteOnly)) {
            probe.close();
            probe.remove();
            QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            GTEST_SKIP() << "this user can write into read-only folders";
        }
        save(dir + "/old.bmp");
        EXPECT_EQ(rig.messages.told.size(), 1u);
        save(dir + "/new.bmp");
    }
    QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(ReadAll(dir + "/old.bmp"), old);
    EXPECT_EQ(folderListing(dir), QStringList({"old.bmp"}));
    ASSERT_EQ(rig.messages.told.size(), 2u) << "one message for each failed save";
    EXPECT_TRUE(rig.messages.told[0].second.contains("old.bmp"));
    EXPECT_TRUE(rig.messages.told[1].second.contains("new.bmp"));
}

TEST_F(SavingTest, AMissingFolderIsReportedAndNotCreated) {
    rig.drawSomethingVaried();
    const auto canvas = rig.pixels();
    save(path("nowhere/deeper/drawing.bmp"));
    EXPECT_FALSE(QFileInfo::exists(path("nowhere")));
    ASSERT_EQ(rig.messages.told.size(), 1u);
    EXPECT_FALSE(rig.messages.told[0].first.isEmpty());
    EXPECT_EQ(rig.pixels(), canvas);
    // The next save to a good place works and tells nothing more.
    save(path("drawing.bmp"));
    EXPECT_TRUE(holdsCanvas(path("drawing.bmp")));
    EXPECT_EQ(rig.messages.told.size(), 1u);
}

TEST_F(SavingTest, TheNextDialogsStartFromTheSavedNameAndAFreshProposal) {
    rig.drawSomethingVaried();
    save(path("mine.bmp"));
    EXPECT_EQ(rig.w().files().dialogFileName, path("mine.bmp"));
    rig.call("KewlButtons1_MouseDown", {1, 10, 10});
    rig.dialog.answers.push_back(std::nullopt);
    rig.call("Label7_MouseDown", {1, 10, 10});
    ASSERT_EQ(rig.dialog.asks.size(), 2u);
    EXPECT_EQ(rig.dialog.asks[1].kind, "open");
    EXPECT_EQ(rig.dialog.asks[1].start, path("mine.bmp"));
    save(std::nullopt);
    ASSERT_EQ(rig.dialog.asks.size(), 3u);
    EXPECT_TRUE(QFileInfo(rig.dialog.asks[2].start).fileName().startsWith("Drawing "))
        << rig.dialog.asks[2].start.toStdString();
}

TEST_F(SavingTest, SavingLeavesAnOpenPickerAsItWas) {
    rig.call("KewlButtons1_MouseDown", {1, 10, 10});
    rig.call("KewlButtons8_Click");
    rig.call("KewlButtons8_Click");
    save(path("drawing.bmp"));
    EXPECT_FALSE(Control(rig.w(), "pctOpen")->isHidden());
    EXPECT_EQ(rig.w().state.PageNumber, 103);
    EXPECT_TRUE(holdsCanvas(path("drawing.bmp")));
}

}  // namespace
}  // namespace pintaloo::test
