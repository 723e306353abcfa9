// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/child_sessions.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <algorithm>

#include "ui/files/child_folders.h"
#include "ui/files/gallery_folder.h"
#include "ui/files/kept_drawing.h"
#include "ui/parts/child_picker.h"
#include "ui/parts/drawing_history.h"
#include "ui/story/gallery_keeper.h"
#include "ui/story/session_recorder.h"
#include "ui/window/main_window.h"

namespace pintaloo {

namespace {

// A page of one colour holds no drawing: nothing to file, nothing to clear.
bool Blank(const Surface& s) {
    const Colour* p = s.data();
    const std::size_t n = std::size_t(s.width()) * std::size_t(s.height());
    return n == 0 || std::all_of(p, p + n, [first = p[0]](Colour c) { return c == first; });
}

}  // namespace

ChildSessions::ChildSessions(MainWindow& window, SessionRecorder& recorder, const SettingsPort& settings,
                             QString keptFolder, const QString& root)
    : w_(window),
      recorder_(recorder),
      startBlank_(settings.startBlank()),
      rootIsTheGrownUps_(root.isEmpty() && !settings.saveFolder().trimmed().isEmpty()),
      root_(root.isEmpty() ? DrawingsRoot(settings.saveFolder()) : root),
      kept_(std::move(keptFolder)),
      children_(settings.children()) {
    if (ChildrenApart(children_)) folderNames_ = ChildFolderNames(children_);
    galleries_.resize(std::max<std::size_t>(1, folderNames_.size()));
    w_.childPicker().needs.choose = [this](int child) { choose(child); };
}

ChildSessions::~ChildSessions() {
    w_.childPicker().needs.choose = nullptr;
    w_.services.gallery = nullptr;  // the galleries go with this
}

QString ChildSessions::galleryFolder(int child) const {
    return child < 0 ? root_ : ChildDrawingsFolder(root_, folderNames_[std::size_t(child)]);
}

QString ChildSessions::keptFolder(int child) const {
    return child < 0 ? kept_ : ChildKeptFolder(kept_, folderNames_[std::size_t(child)]);
}

GalleryFolder& ChildSessions::galleryOf(int child) {
    std::unique_ptr<GalleryFolder>& g = galleries_[std::size_t(std::max(child, 0))];
    if (!g) {
        g = std::make_unique<GalleryFolder>(galleryFolder(child));
        // The grown-up's folder is never made by us (a share not mounted now).
        if (rootIsTheGrownUps_) g->setRootMustExist(root_);
    }
    return *g;
}

void ChildSessions::start() {
    w_.childPicker().setChildren(children_);  // one child: counted, never asked
    if (!apart()) {
        // One pile of drawings, as it has always been.
        if (w_.drawingHistory().keepIn(kept_)) recorder_.startFrom(KeptDrawingPath(kept_));
        w_.services.gallery = &galleryOf(-1);
        keeper_ = std::make_unique<GalleryKeeper>(w_.storyWindow(), recorder_, kept_);
        fileWhenStartingBlank();
        return;
    }
    w_.childPicker().open();
}

// The drawing brought back is filed (once: the keeper knows what it filed)
// and the page starts blank, undo beginning there.
void ChildSessions::fileWhenStartingBlank() {
    if (!startBlank_ || Blank(w_.canvas)) return;
    keeper_->fileNow();
    w_.ResetEditor();
    w_.drawingHistory().restart();
    w_.drawingHistory().keepNow();
    recorder_.restartHere();
}

void ChildSessions::choose(int child) {
    if (child < 0 || child >= int(folderNames_.size()) || child == current_) return;
    w_.drawingHistory().flush();  // a stroke still held belongs to the child who made it
    const bool first = current_ < 0;
    if (!first) keeper_->fileNow();
    current_ = child;
    w_.childPicker().setCurrent(child);
    const QString kept = keptFolder(child);
    if (!kept.isEmpty()) {
        // Private, as the state folder is; made before the keeper remembers anything there.
        ::mkdir(QFile::encodeName(QDir(kept_).filePath(QLatin1String(kChildrenStateFolder))).constData(), 0700);
        ::mkdir(QFile::encodeName(kept).constData(), 0700);
    }
    w_.services.gallery = &galleryOf(child);
    keeper_ = std::make_unique<GalleryKeeper>(w_.storyWindow(), recorder_, kept);
    // Anything drawn before the first child was chosen (keys reach the page
    // under the picker) is theirs.
    if (first) keeper_->fileNow();
    w_.ResetEditor();
    if (w_.drawingHistory().keepIn(kept))
        recorder_.startFrom(KeptDrawingPath(kept));
    else
        recorder_.restartHere();
    if (chosenThisRun_.insert(child).second) fileWhenStartingBlank();
}

int ChildSessions::keepHeldAtSessionEnd() {
    int left = keeper_ ? keeper_->keepHeldAtSessionEnd() : 0;
    // Another child's drawings still held go to their own places first.
    for (std::size_t i = 0; i < galleries_.size(); ++i) {
        GalleryFolder* g = galleries_[i].get();
        if (!g || g == w_.services.gallery || g->heldCount() == 0) continue;
        const QString kept = keptFolder(apart() ? int(i) : -1);
        QStringList places{QString()};  // its own gallery
        if (!kept.isEmpty()) places << QDir(kept).filePath(QLatin1String(GalleryKeeper::kUnfiledFolder));
        places << QDir::homePath();
        for (const QString& place : places)
            if (g->heldCount() > 0) g->fileHeld(place, w_.language);
        left += g->heldCount();
    }
    return left;
}

}  // namespace pintaloo
