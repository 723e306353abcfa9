// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts a child sees, set from a two-letter language code. English and
// Romanian are complete; French, German, Italian and Spanish translate only
// the page picker's title. A language gives a set of texts by what they
// label; each part puts them on its own controls (applyCaptions), and a text
// a language leaves out stays as it was.
#include <QString>
#include <array>
#include <optional>

namespace pintaloo {

class MainWindow;

// What a text labels, whoever owns the control.
enum class Caption {
    Wait,         // the oil command's wait box
    PickerTitle,  // the page picker's title
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

// The texts of a language; any code without texts of its own gives English.
CaptionTexts TextsFor(const QString& code);

class Captions {
public:
    explicit Captions(MainWindow& w) : w_(w) {}
    // Every part takes the language's texts for its controls.
    void SetLanguage(const QString& code);

private:
    MainWindow& w_;
};

}  // namespace pintaloo
