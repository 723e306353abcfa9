// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real platform services: Qt's file dialogs, message boxes, and the
// lock that keeps one copy of the program running.
#include <QSocketNotifier>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "ui/platform/services.h"

namespace pintaloo {

class QtFileDialog final : public FileDialogPort {
public:
    explicit QtFileDialog(QWidget* parent) : parent_(parent) {}
    std::optional<QString> saveFileName(const QString& title, const QString& proposedPath,
                                        const QString& filter) override;
    std::optional<QString> openFileName(const QString& title, const QString& startPath,
                                        const QString& filter) override;

private:
    QWidget* parent_;
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
//
// A later start knocks on the running copy's door, a datagram socket beside
// the lock, handing over the launcher's activation token, and the running
// copy brings its window to the front: a child who clicks the icon again
// gets the window back, even one minimised by mistake. The door hears only
// what a later start sends (our own user, the knock's word, a short token)
// and raises at most once a second: raising makes the window manager work,
// and a flood of knocks once froze the desktop for minutes. The door rests
// a moment after each wake-up, so a flood costs ten wake-ups a second, not
// one per datagram.
//
// Our folder is private, so whatever stands at the lock's or the door's
// name was put there by this user: a folder, a link, a pipe or a stranger's
// socket is removed rather than left to switch off the lock or the door.
class SingleInstance {
public:
    explicit SingleInstance(TempFolder& folder);
    // Lets the lock go, then the emptied folder.
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    bool anotherIsRunning() const { return !held_; }
    // In the running copy: a later start knocked, with its token (may be
    // empty). Called at most once a kRaiseSpacing; a knock inside it is
    // answered when it has passed.
    std::function<void(const QString& token)> onKnock;
    // In a later start: asks the running copy to come to the front. False
    // when the knock did not reach a door (none there, or not ours, or
    // jammed): the caller says so.
    bool knock(const QString& token) const;

    static constexpr std::chrono::milliseconds kRaiseSpacing{1000};

private:
    void openDoor();
    void answerDoor();
    void heard(const QString& token);

    std::string folder_;
    // The open lock file, locked (flock) while this copy runs; the kernel
    // lets the lock go with the process, however it ends.
    int lock_ = -1;
    bool held_ = false;
    int door_ = -1;
    std::unique_ptr<QSocketNotifier> doorBell_;
    QTimer rest_;     // the door is not read again until this ends
    QTimer pending_;  // a knock heard too soon after the last raise
    QString pendingToken_;
    std::chrono::steady_clock::time_point lastRaise_{};
    bool raised_ = false;
};

// The token the launcher gave this start to bring a window to the front
// (Wayland's xdg-activation); empty where there is none.
QString LauncherToken();

// Un-minimised, raised and focused; `token` (from a later start) lets a
// Wayland compositor that offers xdg-activation give the focus.
void BringToFront(QWidget& shown, const QString& token);

}  // namespace pintaloo
