// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/platform_services.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>

#include <cstring>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "ui/platform/temp_folder.h"

namespace pintaloo {

std::optional<QString> QtFileDialog::saveFileName(const QString& title, const QString& proposedPath,
                                                  const QString& filter) {
    const QString path = QFileDialog::getSaveFileName(parent_, title, proposedPath, filter);
    if (path.isEmpty()) return std::nullopt;
    return path;
}

std::optional<QString> QtFileDialog::openFileName(const QString& title, const QString& startPath,
                                                  const QString& filter) {
    const QString path = QFileDialog::getOpenFileName(parent_, title, startPath, filter);
    if (path.isEmpty()) return std::nullopt;
    return path;
}

void MessageBoxes::tell(const QString& title, const QString& text) { QMessageBox::information(parent_, title, text); }

bool MessageBoxes::ask(const QString& title, const QString& text) {
    return QMessageBox::question(parent_, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
           QMessageBox::Yes;
}

namespace {

constexpr const char* kLockName = "pintaloo.lock";
constexpr const char* kDoorName = "pintaloo.door";
// Activation tokens are short printable words; anything longer or stranger
// is no token of a launcher's and is dropped.
constexpr std::size_t kTokenMax = 512;
// Knocks answered per wake-up: a flood cannot hold the window's thread.
constexpr int kKnocksPerWake = 8;

bool DoorAddress(const std::string& path, sockaddr_un& address) {
    address = {};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof(address.sun_path)) return false;  // too deep a folder: no door
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

QString TokenFrom(const char* bytes, std::size_t size) {
    if (size > kTokenMax) return {};
    for (std::size_t i = 0; i < size; ++i)
        if (bytes[i] <= ' ' || bytes[i] > '~') return {};
    return QString::fromLatin1(bytes, qsizetype(size));
}

}  // namespace

SingleInstance::SingleInstance(TempFolder& folder) {
    held_ = true;  // unless a live copy of ours is found below
    folder_ = folder.path();
    if (folder_.empty()) return;
    const std::string file = folder_ + '/' + kLockName;
    // Our folder is ours alone, but a lock file of the wrong kind or owner
    // is no copy of ours: never trusted, never followed.
    struct stat st {};
    if (::lstat(file.c_str(), &st) == 0 && (!S_ISREG(st.st_mode) || st.st_uid != ::geteuid())) return;
    lock_ = std::make_unique<QLockFile>(QString::fromStdString(file));
    lock_->setStaleLockTime(0);  // only a lock whose process is gone is stale
    if (lock_->tryLock(0) ||
        (lock_->error() == QLockFile::LockFailedError && lock_->removeStaleLockFile() && lock_->tryLock(0))) {
        folder.spare(kLockName);
        openDoor();
        return;
    }
    held_ = lock_->error() != QLockFile::LockFailedError;
}

SingleInstance::~SingleInstance() {
    if (door_ >= 0) {
        doorBell_.reset();
        ::close(door_);
        ::unlink((folder_ + '/' + kDoorName).c_str());
    }
    if (!lock_ || !lock_->isLocked()) return;
    lock_->unlock();
    // Emptied at quit around the lock: gone now, unless a new copy has
    // already put its own files there (rmdir takes only an empty folder).
    ::rmdir(folder_.c_str());
}

void SingleInstance::openDoor() {
    sockaddr_un address{};
    const std::string path = folder_ + '/' + kDoorName;
    if (!DoorAddress(path, address)) return;
    door_ = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (door_ < 0) return;
    // We hold the lock, so whatever is in the door's place was left by a
    // copy that ended: removed (a link as a link), never followed.
    ::unlink(path.c_str());
    if (::bind(door_, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
        ::close(door_);
        door_ = -1;
        return;
    }
    if (!QCoreApplication::instance()) return;  // knocks are read on the event loop
    doorBell_ = std::make_unique<QSocketNotifier>(door_, QSocketNotifier::Read);
    QObject::connect(doorBell_.get(), &QSocketNotifier::activated, [this] { answerDoor(); });
}

void SingleInstance::answerDoor() {
    char bytes[kTokenMax + 1];
    bool knocked = false;
    QString token;
    for (int i = 0; i < kKnocksPerWake; ++i) {
        const ssize_t n = ::recv(door_, bytes, sizeof(bytes), MSG_DONTWAIT);
        if (n < 0) break;
        knocked = true;
        token = TokenFrom(bytes, std::size_t(n));
    }
    if (knocked && onKnock) onKnock(token);
}

bool SingleInstance::knock(const QString& token) const {
    if (folder_.empty()) return false;
    const std::string path = folder_ + '/' + kDoorName;
    // Only a door of ours: a socket we own in our own folder.
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISSOCK(st.st_mode) || st.st_uid != ::geteuid()) return false;
    sockaddr_un address{};
    if (!DoorAddress(path, address)) return false;
    const int fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    QByteArray word = token.toLatin1();
    if (TokenFrom(word.constData(), std::size_t(word.size())).isEmpty()) word.clear();
    const bool sent = ::sendto(fd, word.constData(), std::size_t(word.size()), MSG_DONTWAIT | MSG_NOSIGNAL,
                               reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == word.size();
    ::close(fd);
    return sent;
}

QString LauncherToken() { return qEnvironmentVariable("XDG_ACTIVATION_TOKEN"); }

void BringToFront(QWidget& shown, const QString& token) {
    // Qt's Wayland window hands the compositor the token it finds here when
    // asked to activate (and forgets it); without one a compositor may only
    // mark the window as wanting attention. X11 needs none.
    if (!token.isEmpty() && QGuiApplication::platformName() == QLatin1String("wayland"))
        qputenv("XDG_ACTIVATION_TOKEN", token.toLatin1());
    shown.setWindowState(shown.windowState() & ~Qt::WindowMinimized);
    shown.show();
    shown.raise();
    shown.activateWindow();
}

}  // namespace pintaloo
