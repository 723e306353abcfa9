// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files every drawing into the gallery before another replaces it: it
// listens to the window's actions as the story's recorder does, and when an
// action that puts another drawing on the page (its row says so) begins, it
// takes the drawing and its story; when the action has ended and the page
// really changed (a cancelled or refused open changes nothing), it files
// them. Nothing asks the child anything.
//
// A drawing is filed once: the keeper remembers what each page held when
// it was put there and what it filed (by a hash of the pixels, a few dozen,
// kept in the state folder so a drawing kept across a restart is judged the
// same way), and a page of one colour is never filed. Filing that fails
// tells the parent once a run, and the drawing goes to the state folder's
// `unfiled` folder instead (the newest kMaxUnfiled), so nothing is lost;
// they go into the gallery with the next drawing it takes.
//
// Only the window that draws has one: the film's window plays stories and
// never files.
#include <QString>
#include <memory>

namespace pintaloo {

class StoryWindow;
class SessionRecorder;

class GalleryKeeper {
public:
    static constexpr int kMaxUnfiled = 50;
    static constexpr const char* kUnfiledFolder = "unfiled";

    // Files into the window's gallery (none: the keeper does nothing).
    // `stateFolder` keeps what was filed and what could not be (empty:
    // remembered in memory only).
    GalleryKeeper(StoryWindow& window, SessionRecorder& recorder, const QString& stateFolder);
    ~GalleryKeeper();
    GalleryKeeper(const GalleryKeeper&) = delete;
    GalleryKeeper& operator=(const GalleryKeeper&) = delete;

    // The session is ending (logout, SIGTERM) and no one can be asked: the
    // drawings held in memory go into the gallery, else the state folder's
    // `unfiled` folder (filed from there later), else the home folder, the
    // one place a desktop user can always write that a parent looks into
    // and that outlives the session (the temporary folders may be emptied
    // at logout or boot). The number still held after all three.
    int keepHeldAtSessionEnd();

    // Files the drawing on the page now, as a replacing action would (once,
    // never a page of one colour, into the state folder when the gallery
    // refuses): before another child's drawing takes the page, or before a
    // start on a blank page.
    void fileNow();

private:
    struct State;
    std::shared_ptr<State> state_;
};

}  // namespace pintaloo
