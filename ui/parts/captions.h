// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts a child sees, in one of the six languages the window speaks.
// A language gives a set of texts by what they label; each part puts them on
// its own controls (applyCaptions), and a text left out stays as it was. The
// words themselves live in one table (media/texts.h).
#include <QString>
#include <array>
#include <optional>

#include "ui/words/language.h"

namespace pintaloo {

class MainWindow;

// What a text labels, whoever owns the control.
enum class Caption {
    Wait,         // the oil command's wait box
    PickerTitle,  // the page picker's title
    OpenDrawing,  // the page picker's open-a-drawing link
    HelpLine,     // the help-and-about link under the canvas
    Close,        // the window's close button
    Minimise,     // the window's minimise button
    NewPage,      // page commands
    ColouringPage,
    Save,
    Help,
    Pencil,  // the six tool buttons, by item
    ModelsBrush,
    StampBrush,
    Eraser,
    Oil,
    Fill,
    BrushSize,  // every size bar
    Swatch,     // every swatch
    Undo,
    Redo,
    Print,
    Sound,
    FullScreen,
    ClosePanel,
    PlayFilm,
    SaveFilm,
    StopFilm,
    Count
};

class CaptionTexts {
public:
    void set(Caption c, QString text) { texts_[std::size_t(c)] = std::move(text); }
    const std::optional<QString>& operator[](Caption c) const { return texts_[std::size_t(c)]; }

private:
    std::array<std::optional<QString>, std::size_t(Caption::Count)> texts_;
};

// Every text of a language.
CaptionTexts TextsFor(Language language);
// The same by the program's own code ("ro", "ge"); any other code gives English.
CaptionTexts TextsFor(const QString& code);

class Captions {
public:
    explicit Captions(MainWindow& w) : w_(w) {}
    // Every part takes the language's texts for its controls, and the window
    // speaks that language from now on (messages, dialogs' filters, help page).
    void SetLanguage(Language language);
    void SetLanguage(const QString& code);

private:
    MainWindow& w_;
};

}  // namespace pintaloo
