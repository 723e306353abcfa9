// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform_services.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>
#include <QUrl>

#include <sys/stat.h>
#include <unistd.h>

#include "media/temp_folder.h"

namespace pintaloo {

std::optional<QString> QtFileDialog::saveFileName(const QString& proposedPath, const QString& filter) {
    const QString path = QFileDialog::getSaveFileName(parent_, QStringLiteral("Save drawing"), proposedPath, filter);
    if (path.isEmpty()) return std::nullopt;
    return path;
}

std::optional<QString> QtFileDialog::openFileName(const QString& startPath, const QString& filter) {
    const QString path = QFileDialog::getOpenFileName(parent_, QStringLiteral("Open a drawing"), startPath, filter);
    if (path.isEmpty()) return std::nullopt;
    return path;
}

void DesktopWebLink::open(const QString& address) { QDesktopServices::openUrl(QUrl(address)); }

void MessageBoxes::tell(const QString& title, const QString& text) { QMessageBox::information(parent_, title, text); }

bool MessageBoxes::ask(const QString& title, const QString& text) {
    return QMessageBox::question(parent_, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
           QMessageBox::Yes;
}

SingleInstance::SingleInstance(TempFolder& folder) {
    held_ = true;  // unless a live copy of ours is found below
    const std::string& dir = folder.path();
    if (dir.empty()) return;
    const std::string file = dir + "/pintaloo.lock";
    // Our folder is ours alone, but a lock file of the wrong kind or owner
    // is no copy of ours: never trusted, never followed.
    struct stat st {};
    if (::lstat(file.c_str(), &st) == 0 && (!S_ISREG(st.st_mode) || st.st_uid != ::geteuid())) return;
    lock_ = std::make_unique<QLockFile>(QString::fromStdString(file));
    lock_->setStaleLockTime(0);  // only a lock whose process is gone is stale
    if (lock_->tryLock(0)) return;
    if (lock_->error() == QLockFile::LockFailedError && lock_->removeStaleLockFile() && lock_->tryLock(0)) return;
    held_ = lock_->error() != QLockFile::LockFailedError;
}

}  // namespace pintaloo
