// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whose drawings the window keeps, and where (the layout: child_folders.h).
//
// With none or one child the window keeps its drawing in the state folder
// and files into the drawings' root, as it always has. With two or more
// the picker asks who is painting at the start; the chosen child's kept
// drawing comes back and everything replaced is filed into their own
// gallery. Another child's turn files the drawing on the page into the
// gallery of the child who made it first (never lost: when the gallery
// refuses, it waits in that child's state folder, as every filing does),
// then brings the next child's own drawing back, with undo beginning there.
//
// Start blank: the first time a child's drawing would come back in a run
// (the one drawing, without children) it is filed instead, when there is
// anything on it, and the page starts blank.
//
// Wiring, after the window is loaded and its recorder made:
//   ChildSessions children(window, recorder, settings, keptFolder);
//   children.start();
#include <QString>
#include <memory>
#include <set>
#include <vector>

#include "ui/platform/settings.h"

namespace pintaloo {

class GalleryFolder;
class GalleryKeeper;
class MainWindow;
class SessionRecorder;

class ChildSessions {
public:
    // `keptFolder`: the state folder the window may keep its drawing in
    // (empty: nothing is kept, another copy holds it or it cannot be made).
    // `root`: where the drawings go (empty: the settings' save folder, else
    // the usual one).
    ChildSessions(MainWindow& window, SessionRecorder& recorder, const SettingsPort& settings, QString keptFolder,
                  const QString& root = {});
    ~ChildSessions();
    ChildSessions(const ChildSessions&) = delete;
    ChildSessions& operator=(const ChildSessions&) = delete;

    // The kept drawing back (one pile) or the picker shown (children apart).
    void start();
    // The drawings held in memory go wherever a folder takes them (the
    // session ending). The number still held.
    int keepHeldAtSessionEnd();

    bool apart() const { return folderNames_.size() >= 2; }
    int current() const { return current_; }
    QString root() const { return root_; }
    // The gallery and the kept drawing's folder of a child (of the one pile: -1).
    QString galleryFolder(int child) const;
    QString keptFolder(int child) const;

private:
    void choose(int child);
    GalleryFolder& galleryOf(int child);
    void fileWhenStartingBlank();

    MainWindow& w_;
    SessionRecorder& recorder_;
    const bool startBlank_;
    const bool rootIsTheGrownUps_;
    QString root_;
    QString kept_;
    std::vector<ChildEntry> children_;
    std::vector<QString> folderNames_;
    std::vector<std::unique_ptr<GalleryFolder>> galleries_;  // by child, made on first use; [0] for the one pile
    std::unique_ptr<GalleryKeeper> keeper_;
    std::set<int> chosenThisRun_;
    int current_ = -1;
};

}  // namespace pintaloo
