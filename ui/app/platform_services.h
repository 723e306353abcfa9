// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real platform services: Qt's file dialogs, the desktop's browser,
// message boxes, and the lock that keeps one copy of the program running.
#include <QLockFile>
#include <QString>
#include <QWidget>
#include <memory>

#include "app/services.h"

namespace pintaloo {

class QtFileDialog final : public FileDialogPort {
public:
    explicit QtFileDialog(QWidget* parent) : parent_(parent) {}
    std::optional<QString> saveFileName(const QString& proposedPath, const QString& filter) override;
    std::optional<QString> openFileName(const QString& startPath, const QString& filter) override;

private:
    QWidget* parent_;
};

class DesktopWebLink final : public WebLinkPort {
public:
    void open(const QString& address) override;
};

class MessageBoxes final : public MessagePort {
public:
    explicit MessageBoxes(QWidget* parent) : parent_(parent) {}
    void tell(const QString& title, const QString& text) override;
    bool ask(const QString& title, const QString& text) override;

private:
    QWidget* parent_;
};

// One running copy per user. The lock lives only in the user's private
// scratch folder (owner and mode checked by TempFolder), never in a folder
// other users can write to. A lock left by a copy that crashed or was killed
// is noticed (its process is gone) and taken over. Only a live copy of the
// same user stops the program; with no private folder, or any other trouble
// with the lock, the program just runs.
class SingleInstance {
public:
    explicit SingleInstance(TempFolder& folder);
    bool anotherIsRunning() const { return !held_; }

private:
    std::unique_ptr<QLockFile> lock_;
    bool held_ = false;
};

}  // namespace pintaloo
