// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every text the window shows or says. The English source and its
// translator's note are in texts.cpp; the translations are in
// translations/, checked complete by scripts/check_translations.py.
//
// A text has an id here (TextId) or a key: the window's own long-standing
// texts have ids, and a text that a row elsewhere names (a tool's name and
// help line in its row in engine/toolbox/tools/, which cannot see this
// header) has a key. To add a text by key, add one line to texts.cpp's
// table of texts by key and nothing here:
//
//     {"tool.confetti", "Window", QT_TRANSLATE_NOOP3("Window", "Confetti", "A brush in the models picker: ...")},
//
// then name "tool.confetti" where it is wanted, and Text("tool.confetti",
// language) gives it. Keys are words joined by dots, the first saying
// whose text it is ("tool.", "button."); the tests check every key a row
// names has its text, and that no key is there twice.
#include <QString>
#include <string_view>
#include <vector>

#include "ui/words/language.h"

namespace pintaloo {

enum class TextId {
    // Captions and tooltips the window has always had.
    Wait,              // lblWait, shown while the oil picture is made
    PickerTitle,       // lblList, the page picker's title
    CloseWindow,       // Image5
    MinimiseWindow,    // Image6
    NewPage,           // KewlButtons2
    NewColouringPage,  // KewlButtons1
    SaveDrawing,       // KewlButtons3
    HelpAbout,         // KewlButtons4
    ToolPencil,        // bBrush(0)
    ToolModels,        // bBrush(1)
    ToolStamps,        // bBrush(2)
    ToolEraser,        // bBrush(3)
    ToolOil,           // bBrush(4)
    ToolFill,          // bBrush(5)
    ToolMagic,         // bBrush(6)
    ToolShapes,        // bBrush(7)
    ToolLetters,       // bBrush(8)
    BrushSize,         // Label4(0..3)
    SelectColour,      // bColor(0..23)
    OpenDrawing,       // Label7, in the page picker
    HelpLine,          // lblInfo; %1 is the version
    NoDesktop,         // on the terminal, when no display can be opened
    RunningCopyHidden,  // on the terminal and in a box: a later start could not reach the running copy
    // Commands added later.
    Undo,
    Redo,
    Print,
    SoundOnOff,
    FullScreen,
    ClosePanel,
    PlayFilm,
    SaveFilm,
    StopFilm,
    MyDrawings,      // bGallery, and the gallery panel's title
    GalleryPlay,     // bGalleryPlay: the drawings one after another
    GalleryBin,      // bGalleryBin(0..11): moves a drawing to the trash
    GalleryReally,   // the bin's caption while it waits for its second press
    FilmNotSavedTitle,
    FilmNotSaved,  // %1 the file, %2 the reason
    FilmSavedTitle,
    FilmCutShort,
    FilmNotMade,     // the reason, when the film's encoder failed
    FilmNotWritten,  // the reason, when the file could not be written; %1 the system's reason
    // Messages.
    OpenFailedTitle,
    NotAPicture,
    OpenTooSlow,
    SaveFailedTitle,
    SaveFailed,  // %1 the file, %2 the reason
    UnknownExtension,
    DiskFull,
    // File dialog filter names (the patterns are added by OpenFilter / SaveFilter).
    FilterPictures,
    FilterBmp,
    FilterJpeg,
    FilterPng,
    FilterFilm,
    // Why a picture was not opened or saved (the reader's and writer's messages).
    PictureUnreadable,
    PictureTooLarge,
    PictureDamaged,
    PictureTooSlow,
    PictureKinds,        // the kinds Pintaloo opens, after NotAPicture
    DrawingStillThere,   // ends every refusal
    UnknownEndingSaved,  // %1 the name typed
    // The drawing kept between runs, and the story kept beside a saved picture.
    KeepFailedTitle,
    KeepFailed,          // %1 the state folder, %2 the reason
    AnotherCopyKeeps,    // %1 the state folder
    KeptRefused,         // %1 the name it was put aside as
    SaveBeforeQuitting,  // a question: yes saves
    StoryNotKeptTitle,
    StoryNotKept,  // %1 the picture, %2 the story file, %3 the reason
    // The gallery's files.
    GalleryDrawingName,  // the word a filed drawing's dated name begins with
    GalleryNotKeptTitle,
    GalleryNotKept,  // %1 the gallery folder, %2 the reason, %3 where the drawings are kept instead
    GalleryHeld,     // %1 the gallery folder, %2 the reason
    HeldLetGo,       // %1 how many are kept in memory at most
    HeldBeforeQuitting,  // a question, yes saves; %1 how many wait in memory
    // What a screen reader says of controls that show only a picture.
    CanvasWithTool,  // %1 the chosen tool
    StampNumber,     // %1 from 1
    PatternNumber,
    StampGroupNumber,
    AnimationNumber,
    Cartoons,  // the chosen colour's box, which opens the cartoons
    TakeThisPage,  // the page picker's page
    NextPicture,
    PreviousPicture,
    ColourRed,  // the colour words, for the swatches
    ColourOrange,
    ColourYellow,
    ColourGreen,
    ColourTurquoise,
    ColourBlue,
    ColourPurple,
    ColourPink,
    ColourBrown,
    ColourBlack,
    ColourWhite,
    ColourGrey,
};

inline constexpr int kTextCount = int(TextId::ColourGrey) + 1;

// The text in a language; every language has every text.
QString Text(TextId id, Language language);

// The text with that key in a language; empty for a key no text has.
QString Text(std::string_view key, Language language);
// Whether a text has that key.
bool HasText(std::string_view key);
// Every key, in the table's order (for the tests).
std::vector<std::string_view> TextKeys();

// The word for a colour a child would use (red, pink, brown...), for a
// swatch that shows only its colour.
TextId ColourWord(int red, int green, int blue);

// The open dialog's filters: all pictures first, then each kind.
QString OpenFilter(Language language);
// The save dialog's filters: PNG first, the kind the gallery keeps and the
// only one that carries the drawing's story.
QString SaveFilter(Language language);

}  // namespace pintaloo
