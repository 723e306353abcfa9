// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The platform services the window talks to, each behind a small interface
// with a real implementation and a stand-in for tests and the replay tool.
#include <QImage>
#include <QString>
#include <cstdint>
#include <optional>

#include "ui/words/language.h"

namespace pintaloo {

class Sounds;
class AnimationPlayer;
class TempFolder;
class SettingsPort;
class GalleryPort;
class ThumbnailPort;
class StampLibraryPort;

// The question only a grown-up answers (a sum with big number keys), asked
// before the grown-up's settings open and, when quitting is locked, before
// the window closes. True when answered right; where nobody can answer, no.
class GrownUpPort {
public:
    virtual ~GrownUpPort() = default;
    virtual bool confirm(Language language) = 0;
};

// The save and open dialogs. A cancel gives nothing. The title comes from
// the caller, in the window's language: the dialog knows neither.
class FileDialogPort {
public:
    virtual ~FileDialogPort() = default;
    virtual std::optional<QString> saveFileName(const QString& title, const QString& proposedPath,
                                                const QString& filter) = 0;
    virtual std::optional<QString> openFileName(const QString& title, const QString& startPath,
                                                const QString& filter) = 0;
};

// Shows the help-and-about page in a language, in a window of the
// program's own.
class HelpPort {
public:
    virtual ~HelpPort() = default;
    virtual void show(Language language) = 0;
};

// Friendly messages for the grown-up at the computer (a save that failed).
class MessagePort {
public:
    virtual ~MessagePort() = default;
    virtual void tell(const QString& title, const QString& text) = 0;
    // A yes-or-no question; true for yes. Where nobody can answer, no.
    virtual bool ask(const QString& title, const QString& text) {
        tell(title, text);
        return false;
    }
};

// The printer. True when a page was printed; false when the child or the
// printer said no.
class PrintPort {
public:
    virtual ~PrintPort() = default;
    virtual bool print(const QImage& picture) = 0;
};

struct Services {
    Sounds* sounds = nullptr;
    TempFolder* temp = nullptr;
    FileDialogPort* dialog = nullptr;
    HelpPort* help = nullptr;
    MessagePort* messages = nullptr;
    PrintPort* printer = nullptr;      // none: printing does nothing
    SettingsPort* settings = nullptr;  // none: choices last for this run only
    GalleryPort* gallery = nullptr;    // none: nothing is filed and the gallery shows empty
    ThumbnailPort* thumbnails = nullptr;  // none: every drawing shows a plain frame
    StampLibraryPort* stamps = nullptr;   // none: only the program's own stamps
    GrownUpPort* grownUp = nullptr;       // none: nothing locked can be opened
};

}  // namespace pintaloo
