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
#include <optional>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
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
// What a later start says before its token: a datagram without it is no
// knock of ours.
constexpr char kKnockWord[] = "pintaloo-knock\n";
constexpr std::size_t kKnockWordSize = sizeof(kKnockWord) - 1;
// Activation tokens are short printable words; anything longer or stranger
// is no token of a launcher's and is dropped.
constexpr std::size_t kTokenMax = 512;
// Knocks read per wake-up, and the rest the door takes after every wake-up
// that read one: a later start knocks once and is not kept waiting by it,
// while a flood costs at most ten wake-ups a second of at most this many
// reads each, however small or large the system lets the door's queue be
// (its senders wait, or are refused, meanwhile).
constexpr int kKnocksPerWake = 64;
constexpr int kDoorRestMs = 100;
// A later start that finds the door's queue full waits this long for room.
constexpr int kKnockPatienceMs = 1000;

bool DoorAddress(const std::string& path, sockaddr_un& address) {
    address = {};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof(address.sun_path)) return false;  // too deep a folder: no door
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

// The token, empty when there is none; nothing when the bytes are no token.
std::optional<QString> TokenFrom(const char* bytes, std::size_t size) {
    if (size > kTokenMax) return std::nullopt;
    for (std::size_t i = 0; i < size; ++i)
        if (bytes[i] <= ' ' || bytes[i] > '~') return std::nullopt;
    return QString::fromLatin1(bytes, qsizetype(size));
}

// A datagram as read from the door: a knock (its token) only when it came
// whole from a process of our own user and says what a later start says.
std::optional<QString> KnockFrom(const msghdr& m, const char* bytes, ssize_t size) {
    if ((m.msg_flags & (MSG_TRUNC | MSG_CTRUNC)) != 0) return std::nullopt;
    const cmsghdr* c = CMSG_FIRSTHDR(&m);
    if (!c || c->cmsg_level != SOL_SOCKET || c->cmsg_type != SCM_CREDENTIALS || c->cmsg_len != CMSG_LEN(sizeof(ucred)))
        return std::nullopt;
    ucred sender{};
    std::memcpy(&sender, CMSG_DATA(c), sizeof(sender));
    if (sender.uid != ::geteuid()) return std::nullopt;
    if (size < ssize_t(kKnockWordSize) || std::memcmp(bytes, kKnockWord, kKnockWordSize) != 0) return std::nullopt;
    return TokenFrom(bytes + kKnockWordSize, std::size_t(size) - kKnockWordSize);
}

}  // namespace

SingleInstance::SingleInstance(TempFolder& folder) {
    held_ = true;  // unless a live copy of ours is found below
    folder_ = folder.path();
    if (folder_.empty()) return;
    const std::string file = folder_ + '/' + kLockName;
    // A lock file of the wrong kind or owner is no copy of ours: never
    // trusted, never followed. Our folder is ours alone, so only this user
    // (or root) put it there, and it is removed rather than left to switch
    // the lock off for every start; when it will not go, the program runs
    // without the lock.
    struct stat st {};
    if (::lstat(file.c_str(), &st) == 0 && (!S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) &&
        !removeWhateverIsAt(file))
        return;
    // A lock the kernel holds for us (flock) and drops with the process: no
    // process number to trust or find stale, and nothing written or synced
    // to the disk at every start (Qt's lock file synced it: milliseconds
    // where the folder is on a disk, more on a slow one).
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
        if (fd < 0) return;  // runs without the lock
        struct stat opened {}, named {};
        if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode) || opened.st_uid != ::geteuid()) {
            ::close(fd);
            return;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int why = errno;
            ::close(fd);
            held_ = why != EWOULDBLOCK;  // a live copy holds it; any other failure runs without
            return;
        }
        // A copy quitting removes its file while it still holds it; one we
        // opened just before that is locked by nobody else, but no longer
        // the lock: take the one under the name instead.
        if (::stat(file.c_str(), &named) == 0 && named.st_dev == opened.st_dev && named.st_ino == opened.st_ino) {
            lock_ = fd;
            folder.spare(kLockName);
            openDoor();
            return;
        }
        ::close(fd);
    }
}

SingleInstance::~SingleInstance() {
    if (door_ >= 0) {
        doorBell_.reset();
        ::close(door_);
        ::unlink((folder_ + '/' + kDoorName).c_str());
    }
    if (lock_ < 0) return;
    // Removed while still held, so no later start takes an orphaned file.
    ::unlink((folder_ + '/' + kLockName).c_str());
    ::close(lock_);
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
    // Every knock carries its sender's user, checked as it is read.
    const int on = 1;
    // We hold the lock, so whatever is in the door's place was left by a
    // copy that ended or planted: removed (a link as a link, a folder with
    // what it holds), never followed.
    if (::setsockopt(door_, SOL_SOCKET, SO_PASSCRED, &on, sizeof(on)) != 0 || !removeWhateverIsAt(path) ||
        ::bind(door_, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
        ::close(door_);
        door_ = -1;
        return;
    }
    if (!QCoreApplication::instance()) return;  // knocks are read on the event loop
    doorBell_ = std::make_unique<QSocketNotifier>(door_, QSocketNotifier::Read);
    QObject::connect(doorBell_.get(), &QSocketNotifier::activated, [this] { answerDoor(); });
    rest_.setSingleShot(true);
    rest_.setInterval(kDoorRestMs);
    QObject::connect(&rest_, &QTimer::timeout, [this] { doorBell_->setEnabled(true); });
    pending_.setSingleShot(true);
    pending_.setTimerType(Qt::PreciseTimer);  // a coarse one may come early
    QObject::connect(&pending_, &QTimer::timeout, [this] { heard(pendingToken_); });
}

void SingleInstance::answerDoor() {
    char bytes[kKnockWordSize + kTokenMax + 1];  // one more: a longer datagram comes truncated
    // Room for the credentials only: descriptors a sender attaches are never
    // taken into this process (the kernel closes them and says so).
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(ucred))];
    std::optional<QString> token;
    int read = 0;
    for (; read < kKnocksPerWake; ++read) {
        iovec io{bytes, sizeof(bytes)};
        msghdr m{};
        m.msg_iov = &io;
        m.msg_iovlen = 1;
        m.msg_control = control;
        m.msg_controllen = sizeof(control);
        const ssize_t n = ::recvmsg(door_, &m, MSG_DONTWAIT | MSG_CMSG_CLOEXEC);
        if (n < 0) break;
        if (auto t = KnockFrom(m, bytes, n)) token = std::move(t);
    }
    if (read > 0) {
        doorBell_->setEnabled(false);
        rest_.start();
    }
    if (token) heard(*token);
}

void SingleInstance::heard(const QString& token) {
    const auto now = std::chrono::steady_clock::now();
    if (raised_ && now - lastRaise_ < kRaiseSpacing) {
        pendingToken_ = token;  // the latest knock's: its token is the freshest
        if (!pending_.isActive())
            pending_.start(std::chrono::ceil<std::chrono::milliseconds>(kRaiseSpacing - (now - lastRaise_)));
        return;
    }
    raised_ = true;
    lastRaise_ = now;
    pending_.stop();
    if (onKnock) onKnock(token);
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
    // A door whose queue is full (flooded, or its copy hung) gets a moment.
    const timeval patience{kKnockPatienceMs / 1000, (kKnockPatienceMs % 1000) * 1000};
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &patience, sizeof(patience));
    QByteArray word = token.toLatin1();
    if (!TokenFrom(word.constData(), std::size_t(word.size()))) word.clear();
    word.prepend(kKnockWord);
    const bool sent = ::sendto(fd, word.constData(), std::size_t(word.size()), MSG_NOSIGNAL,
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
