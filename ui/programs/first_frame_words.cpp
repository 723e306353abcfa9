// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/programs/first_frame_words.h"

#include "ui/actions/box.h"
#include "ui/platform/kept_picture.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QPainter>
#include <QStandardPaths>

#include <sys/stat.h>

namespace pintaloo {

namespace {
QSize Pixels(const Box& box) { return (QSizeF(box.size()) * box.devicePixelRatioF()).toSize(); }

// The program file's change time: a build between two versions may draw
// the line otherwise.
QString ProgramStamp() {
    struct stat st {};
    if (::stat("/proc/self/exe", &st) != 0) return QStringLiteral("-");
    return QStringLiteral("%1.%2").arg(qint64(st.st_mtim.tv_sec)).arg(qint64(st.st_mtim.tv_nsec));
}

// What the line's look depends on outside the program, read once a run:
// Qt reads the font set-up once too, and this run's program is the one
// that started, whatever replaces its file meanwhile. The help line's
// paints, which compare the key, then ask the disk nothing.
const QString& OutsideStamps() {
    static const QString stamps = ProgramStamp() + QLatin1Char('|') + FontSetupStamp();
    return stamps;
}
}  // namespace

FirstFrameWords::FirstFrameWords(Box& box, QString file) : box_(&box), file_(std::move(file)) {
    key_ = KeyFor(box);
    picture_ = ReadKeptPicture(file_, key_, Pixels(box));
    if (picture_.isNull()) return;
    picture_.setDevicePixelRatio(box.devicePixelRatioF());
    box.installEventFilter(this);
}

void FirstFrameWords::afterFirstPaint() {
    if (!box_) return;
    // A picture shown stays for as long as it is exactly the line (the
    // filter lets it go when the words change): a window manager's repaint
    // soon after the first would otherwise draw the first text, and set the
    // fonts up (3.9 MiB) before anyone is at the window.
    if (!picture_.isNull()) return;
    // Written once per language, version and font set-up: the fonts are
    // ready by now, since the line was just drawn with them.
    KeepPicture(file_, KeyFor(*box_), DrawnWords(*box_));
}

QString FirstFrameWords::KeyFor(const Box& box) {
    const QFont app = QApplication::font();
    const QFont& caption = box.captionFont();
    return QStringList{
        QStringLiteral("words 1"),
        QStringLiteral(PINTALOO_VERSION),
        OutsideStamps(),
        QString::fromLatin1(qVersion()),
        QGuiApplication::platformName(),
        box.caption(),
        caption.toString(),
        caption.families().join(QLatin1Char(',')),
        app.toString(),
        app.families().join(QLatin1Char(',')),
        QString::number(int(QGuiApplication::layoutDirection())),
        QStringLiteral("%1x%2@%3").arg(box.width()).arg(box.height()).arg(box.devicePixelRatioF()),
    }
        .join(QLatin1Char('|'));
}

QImage FirstFrameWords::DrawnWords(Box& box) {
    QImage image(Pixels(box), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) return image;
    image.setDevicePixelRatio(box.devicePixelRatioF());
    image.fill(Qt::transparent);
    box.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}

QString FirstFrameWords::DefaultFile() {
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty()) return {};
    return cache + QStringLiteral("/pintaloo/help-line.picture");
}

bool FirstFrameWords::MayBeKept() {
    const QString file = DefaultFile();
    struct stat st {};
    return !file.isEmpty() && ::lstat(QFile::encodeName(file).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

bool FirstFrameWords::eventFilter(QObject* watched, QEvent* event) {
    if (watched != box_ || event->type() != QEvent::Paint || picture_.isNull()) return false;
    // Only while the box shows exactly what the picture was made of.
    if (Pixels(*box_) != picture_.size() || KeyFor(*box_) != key_) {
        box_->removeEventFilter(this);
        picture_ = {};
        return false;
    }
    QPainter p(box_);
    p.drawImage(QPoint(0, 0), picture_);
    return true;
}

}  // namespace pintaloo
