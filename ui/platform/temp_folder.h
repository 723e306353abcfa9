// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace pintaloo {

// The program's private per-user scratch folder, where embedded sounds and
// animations are unpacked so that the audio and animation libraries can open
// them by path. The program's own folder is usually not writable on Linux, so
// the folder lives under $XDG_RUNTIME_DIR (a per-user tmpfs), else under the
// user's cache folder, else under the system temp folder.
//
// Everything here fails quietly: with no usable folder the program simply
// plays no sounds and shows no animations. Used from the UI thread only.
class TempFolder {
public:
    // Candidates taken from the environment at construction.
    TempFolder();
    // Candidate folders given explicitly, tried in order (tests, or embedding
    // code that knows a better place).
    explicit TempFolder(std::vector<std::string> candidateFolders);

    // The folder the program uses: the first candidate that could be made
    // private and writable. The choice is made (and the folder created) on
    // the first call and then kept. Empty when no candidate is usable.
    const std::string& path();

    // "<folder>/tmpfile<number><ext>", e.g. ".$$$" for waves, ".mp3", ".json".
    // Empty when there is no usable folder.
    std::string fileFor(int number, const char* ext);

    // Deletes the folder with everything in it, read-only files included.
    // Errors are ignored; a missing folder is fine. The next unpack creates it
    // again. Every candidate that is a folder of ours goes, not only the one
    // in use: unpacking never rewrites an existing file, so a leftover from an
    // earlier run (say one without $XDG_RUNTIME_DIR) would otherwise keep
    // serving old sounds to a newer program forever.
    void removeAll();

    // A file of the folder in use that removeAll leaves where it is: the
    // running copy's lock, which must outlive the clean-up at quit (a second
    // start during the quit is still turned away) and goes when it is let go.
    void spare(std::string fileName);

    // The default candidate folders, in order of preference.
    static std::vector<std::string> defaultCandidates();

private:
    std::vector<std::string> m_candidates;
    std::string m_path;
    bool m_chosen = false;
    std::vector<std::string> m_spared;
};

// Makes sure `dir` is a real directory owned by us with mode 0700, creating it
// (and missing parents) if needed. A symlink or a non-directory in its place is
// removed, never followed; a directory owned by someone else is refused.
// Returns false when the folder cannot be made private and writable.
bool ensurePrivateFolder(const std::string& dir);

// Clears a name in a folder of ours for a file of our own making: whatever
// stands there is removed, a link or a socket as itself, a folder with all it
// holds (opened up first). True when the name is free afterwards.
bool removeWhateverIsAt(const std::string& path);

}  // namespace pintaloo
