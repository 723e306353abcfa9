#include "app/platform_services.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>
#include <QUrl>

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

void MessageBoxes::tell(const QString& title, const QString& text) {
    QMessageBox::information(parent_, title, text);
}

SingleInstance::SingleInstance() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) dir = QDir::tempPath();
    lock_ = std::make_unique<QLockFile>(dir + QStringLiteral("/pintaloo.lock"));
    lock_->setStaleLockTime(0);  // only a lock whose process is gone is stale
    held_ = lock_->tryLock(0);
    if (!held_ && lock_->error() == QLockFile::LockFailedError) {
        // A lock whose owner died is cleared by removeStaleLockFile.
        if (lock_->removeStaleLockFile()) held_ = lock_->tryLock(0);
    }
    if (!held_ && lock_->error() == QLockFile::PermissionError) held_ = true;  // no lock possible: just run
}

}  // namespace pintaloo
