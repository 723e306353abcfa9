// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/words/texts.h"

#include <QtGlobal>

#include <QStringList>
#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>
#include <vector>

#include "ui/words/translation.h"

namespace pintaloo {

namespace {

// English is the source; the other languages are in translations/, one
// file a language, where translators work on them with their usual tools.
// The context says where a text shows (the window, a message, a file
// dialog, a screen reader) and the comment what a translator cannot guess.
// The English captions are the program's long-standing texts, in American
// spelling, and stay exactly so: scripts and tests read them.
struct TextRow {
    TextId id;
    const char* context;
    SourceText text;
};

constexpr TextRow kTexts[] = {
    {TextId::Wait, "Window",
     QT_TRANSLATE_NOOP3("Window", "Wait...",
                        "Shown over the page while the oil painting is being made.")},
    {TextId::PickerTitle, "Window",
     QT_TRANSLATE_NOOP3("Window", "Select a drawing",
                        "Title of the panel that leafs through the colouring pages. Speak to a child (informal you).")},
    {TextId::CloseWindow, "Window",
     QT_TRANSLATE_NOOP3("Window", "Close me",
                        "Tooltip of the window's close button, spoken by the window itself.")},
    {TextId::MinimiseWindow, "Window",
     QT_TRANSLATE_NOOP3("Window", "Minimize me",
                        "Tooltip of the window's minimise button, spoken by the window itself.")},
    {TextId::NewPage, "Window",
     QT_TRANSLATE_NOOP3("Window", "New page",
                        "Tooltip: starts again on a clean white page.")},
    {TextId::NewColouringPage, "Window",
     QT_TRANSLATE_NOOP3("Window", "New coloring page",
                        "Tooltip: opens the panel of colouring pages.")},
    {TextId::SaveDrawing, "Window",
     QT_TRANSLATE_NOOP3("Window", "Save drawing",
                        "Tooltip of the save button, and the save dialog's title.")},
    {TextId::HelpAbout, "Window",
     QT_TRANSLATE_NOOP3("Window", "Help/About",
                        "Tooltip of the help button, and the help window's title.")},
    {TextId::ToolPencil, "Window",
     QT_TRANSLATE_NOOP3("Window", "Pencil",
                        "Tool: a crayon that blends into the paint under it.")},
    {TextId::ToolModels, "Window",
     QT_TRANSLATE_NOOP3("Window", "Models brush",
                        "Tool: opens a box of patterned and picture brushes (rings, stars, grass...).")},
    {TextId::ToolStamps, "Window",
     QT_TRANSLATE_NOOP3("Window", "Stamp brush",
                        "Tool: opens the stamps (animals, cars, flowers...).")},
    {TextId::ToolEraser, "Window", QT_TRANSLATE_NOOP3("Window", "Eraser", "")},
    {TextId::ToolOil, "Window",
     QT_TRANSLATE_NOOP3("Window", "Oil drawing",
                        "Tool: turns the whole picture into an oil painting.")},
    {TextId::ToolFill, "Window",
     QT_TRANSLATE_NOOP3("Window", "Fill with color",
                        "Tool: a paint pot that fills an area.")},
    {TextId::ToolMagic, "Window",
     QT_TRANSLATE_NOOP3("Window", "Magic",
                        "Tool: opens a box of magic brushes and magic tricks for the whole picture.")},
    {TextId::ToolShapes, "Window",
     QT_TRANSLATE_NOOP3("Window", "Shapes and lines",
                        "Tool: opens a box of shapes (circle, square, star, heart...) and a straight line, "
                        "which the child drags out to size.")},
    {TextId::ToolLetters, "Window",
     QT_TRANSLATE_NOOP3("Window", "Letters",
                        "Tool: write words on the picture, with the keyboard or big letter buttons.")},
    {TextId::BrushSize, "Window",
     QT_TRANSLATE_NOOP3("Window", "Brush size",
                        "Tooltip of the four bars that choose how thick the brush is.")},
    {TextId::SelectColour, "Window",
     QT_TRANSLATE_NOOP3("Window", "Select the color",
                        "Tooltip of each of the 24 colour swatches.")},
    {TextId::OpenDrawing, "Window",
     QT_TRANSLATE_NOOP3("Window", "Open a drawing",
                        "Caption in the colouring-page panel, and the open dialog's title.")},
    {TextId::HelpLine, "Window",
     QT_TRANSLATE_NOOP3("Window", "Pintaloo %1 · help and about",
                        "The line at the foot of the window; %1 is the version number. Clicking it opens the help.")},
    {TextId::NoDesktop, "Terminal",
     QT_TRANSLATE_NOOP3("Terminal", "Pintaloo needs a graphical desktop (X11 or Wayland), and none could be opened here.",
                        "Printed on the terminal when Pintaloo is started without a graphical desktop.")},
    {TextId::RunningCopyHidden, "Terminal",
     QT_TRANSLATE_NOOP3("Terminal", "Pintaloo is already open, but its window could not be brought to the front. "
        "Look for it on the task bar, or close it and start Pintaloo again.",
                        "Printed on the terminal, and shown in a message box, when Pintaloo is started while another "
                        "Pintaloo runs and that one could not be asked to show its window.")},
    {TextId::Undo, "Window",
     QT_TRANSLATE_NOOP3("Window", "Undo",
                        "Tooltip: take back the last thing painted.")},
    {TextId::Redo, "Window",
     QT_TRANSLATE_NOOP3("Window", "Redo",
                        "Tooltip: bring back what Undo took.")},
    {TextId::Print, "Window", QT_TRANSLATE_NOOP3("Window", "Print", "")},
    {TextId::SoundOnOff, "Window",
     QT_TRANSLATE_NOOP3("Window", "Sound on/off",
                        "Tooltip of the button that turns the sounds off and on.")},
    {TextId::FullScreen, "Window",
     QT_TRANSLATE_NOOP3("Window", "Full screen",
                        "Name of the full-screen switch (F11); read by screen readers.")},
    {TextId::ClosePanel, "Window",
     QT_TRANSLATE_NOOP3("Window", "Close this panel",
                        "Tooltip of the round close button on a panel (stamps, brushes, pages).")},
    {TextId::PlayFilm, "Window",
     QT_TRANSLATE_NOOP3("Window", "Watch it again",
                        "Button: plays the drawing again from the first stroke, like a film.")},
    {TextId::SaveFilm, "Window",
     QT_TRANSLATE_NOOP3("Window", "Save the film",
                        "Button: saves that film as an animated picture. Also the film's proposed file name.")},
    {TextId::StopFilm, "Window",
     QT_TRANSLATE_NOOP3("Window", "Stop",
                        "Button: stops the film.")},
    {TextId::MyDrawings, "Window",
     QT_TRANSLATE_NOOP3("Window", "My drawings",
                        "Button and panel title: the child's gallery of drawings Pintaloo kept.")},
    {TextId::GalleryPlay, "Window",
     QT_TRANSLATE_NOOP3("Window", "Show them all",
                        "Button: shows all the drawings one after another, full screen.")},
    {TextId::GalleryBin, "Window",
     QT_TRANSLATE_NOOP3("Window", "Put this drawing in the trash (press twice)",
                        "Tooltip of the bin under each drawing in the gallery.")},
    {TextId::GalleryReally, "Window",
     QT_TRANSLATE_NOOP3("Window", "Really?",
                        "The bin's caption after its first press; a second press removes the drawing.")},
    {TextId::FilmNotSavedTitle, "Messages", QT_TRANSLATE_NOOP3("Messages", "The film was not saved", "")},
    {TextId::FilmNotSaved, "Messages",
     QT_TRANSLATE_NOOP3("Messages", "Pintaloo could not save the film as\n%1\n\n%2\n\nPlease try another folder.",
                        "%1 is the file name, %2 the reason (a system message).")},
    {TextId::FilmSavedTitle, "Messages", QT_TRANSLATE_NOOP3("Messages", "The film was saved", "")},
    {TextId::FilmCutShort, "Messages", QT_TRANSLATE_NOOP3("Messages", "There was too much to film: the film stops before the drawing is finished.", "")},
    {TextId::FilmNotMade, "Messages",
     QT_TRANSLATE_NOOP3("Messages", "The film could not be made.",
                        "The reason a film was not saved, under the file's name.")},
    {TextId::FilmNotWritten, "Messages",
     QT_TRANSLATE_NOOP3("Messages", "The film could not be written: %1",
                        "The reason a film was not saved; %1 is the system's reason.")},
    {TextId::OpenFailedTitle, "Messages", QT_TRANSLATE_NOOP3("Messages", "The picture was not opened", "")},
    {TextId::NotAPicture, "Messages", QT_TRANSLATE_NOOP3("Messages", "This file is not a picture Pintaloo can open.", "")},
    {TextId::OpenTooSlow, "Messages", QT_TRANSLATE_NOOP3("Messages", "This picture took too long to open.", "")},
    {TextId::SaveFailedTitle, "Messages", QT_TRANSLATE_NOOP3("Messages", "The picture was not saved", "")},
    {TextId::SaveFailed, "Messages",
     QT_TRANSLATE_NOOP3("Messages", "Pintaloo could not save the picture as\n%1\n\n%2\n\nThe drawing is still on the page: please "
        "try another folder or free some disk space.",
                        "%1 is the file name, %2 the reason (a system message).")},
    {TextId::UnknownExtension, "Messages", QT_TRANSLATE_NOOP3("Messages", "Pintaloo saves pictures as .bmp, .png or .jpg.", "")},
    {TextId::DiskFull, "Messages",
     QT_TRANSLATE_NOOP3("Messages", "No space left on device",
                        "The reason given when the disk is full; it follows a file name.")},
    {TextId::FilterPictures, "FileDialog",
     QT_TRANSLATE_NOOP3("FileDialog", "Pictures",
                        "File type in the open dialog: every kind of picture.")},
    {TextId::FilterBmp, "FileDialog",
     QT_TRANSLATE_NOOP3("FileDialog", "Windows Bitmap",
                        "File type name in the file dialogs (.bmp).")},
    {TextId::FilterJpeg, "FileDialog",
     QT_TRANSLATE_NOOP3("FileDialog", "JPG/JPEG",
                        "File type name in the file dialogs (.jpg); usually kept as it is.")},
    {TextId::FilterPng, "FileDialog",
     QT_TRANSLATE_NOOP3("FileDialog", "PNG",
                        "File type name in the file dialogs (.png); usually kept as it is.")},
    {TextId::FilterFilm, "FileDialog",
     QT_TRANSLATE_NOOP3("FileDialog", "WebP film", "File type name in the film's save dialog (.webp).")},
    {TextId::PictureUnreadable, "Messages", QT_TRANSLATE_NOOP3("Messages", "Pintaloo could not read this file.", "")},
    {TextId::PictureTooLarge, "Messages", QT_TRANSLATE_NOOP3("Messages", "This picture is too big for Pintaloo to open.", "")},
    {TextId::PictureDamaged, "Messages", QT_TRANSLATE_NOOP3("Messages", "This picture is damaged or incomplete, so Pintaloo cannot open it.", "")},
    {TextId::PictureTooSlow, "Messages", QT_TRANSLATE_NOOP3("Messages", "This picture takes too long to open, so Pintaloo stopped trying.", "")},
    {TextId::PictureKinds, "Messages",
     QT_TRANSLATE_NOOP3("Messages", "Pintaloo opens bitmap (.bmp), JPEG and PNG pictures.",
                        "Follows a refusal: which kinds of picture Pintaloo opens.")},
    {TextId::DrawingStillThere, "Messages",
     QT_TRANSLATE_NOOP3("Messages", "The drawing is still on the page.",
                        "Ends every message that says a picture was not opened or saved.")},
    {TextId::UnknownEndingSaved, "Messages",
     QT_TRANSLATE_NOOP3("Messages", "Pintaloo cannot save a picture as\n%1\n\nPlease end the name with .bmp, .png or .jpg, or leave "
        "the ending off for a bitmap. The drawing is still on the page.",
                        "%1 is the name the parent typed. A bitmap is a .bmp file.")},
    {TextId::KeepFailedTitle, "Messages", QT_TRANSLATE_NOOP3("Messages", "Your drawing is not being kept", "")},
    {TextId::KeepFailed, "Messages",
     QT_TRANSLATE_NOOP3("Messages", "Pintaloo cannot keep your drawing here:\n%1\n\n%2\n\nThe drawing stays on the page while "
        "Pintaloo is open, and Pintaloo keeps trying. To be sure, save the drawing before quitting.",
                        "%1 is the folder, %2 the reason (a system message). Pintaloo keeps the drawing between runs.")},
    {TextId::AnotherCopyKeeps, "Messages",
     QT_TRANSLATE_NOOP3("Messages", "Pintaloo cannot keep your drawing here:\n%1\n\nAnother Pintaloo (perhaps in another login) is "
        "already keeping its drawing there. This one starts blank and keeps nothing: save the drawing "
        "before quitting.",
                        "%1 is the folder. Two copies of Pintaloo cannot keep one drawing.")},
    {TextId::KeptRefused, "Messages",
     QT_TRANSLATE_NOOP3("Messages", "The drawing kept last time could not be read, so the page starts blank. It was not thrown away: "
        "it was put aside as\n%1",
                        "%1 is the name the unreadable file was put aside as.")},
    {TextId::SaveBeforeQuitting, "Messages",
     QT_TRANSLATE_NOOP3("Messages", "Your drawing has not been kept and will be gone when Pintaloo closes.\n\nSave it now?",
                        "A question; the Yes button saves.")},
    {TextId::StoryNotKeptTitle, "Messages", QT_TRANSLATE_NOOP3("Messages", "The film was not kept", "")},
    {TextId::StoryNotKept, "Messages",
     QT_TRANSLATE_NOOP3("Messages", "The picture was saved as\n%1\n\nbut its film could not be kept beside it as\n%2\n\n%3",
                        "%1 is the picture's file, %2 the story file beside it, %3 the reason.")},
    {TextId::GalleryDrawingName, "Files",
     QT_TRANSLATE_NOOP3("Files", "Drawing",
                        "The word a kept drawing's file name begins with, before the date: 'Drawing 2026-12-09 "
                        "17.32.png'. No ':' or '/'.")},
    {TextId::GalleryNotKeptTitle, "Messages",
     QT_TRANSLATE_NOOP3("Messages", "Drawings are not going into My drawings",
                        "'My drawings' is the gallery's name; use the same words as its button.")},
    {TextId::GalleryNotKept, "Messages",
     QT_TRANSLATE_NOOP3("Messages", "The drawings cannot be put into\n%1\n\n%2\n\nNothing is lost: they are kept in\n%3",
                        "%1 the gallery folder, %2 the reason, %3 the folder the drawings are kept in instead.")},
    {TextId::GalleryHeld, "Messages",
     QT_TRANSLATE_NOOP3("Messages",
                        "The drawings cannot be put into\n%1\n\n%2\n\nnor into Pintaloo's own folder. They are kept only "
                        "while Pintaloo is open: press Save and choose a folder, and they are saved there with the "
                        "drawing.",
                        "%1 the gallery folder, %2 the reason. 'Save' is the Save button's name.")},
    {TextId::HeldLetGo, "Messages",
     QT_TRANSLATE_NOOP3("Messages",
                        "Pintaloo keeps at most %1 drawings in memory, so the oldest of them is gone. Press Save and "
                        "choose a folder to keep the others.",
                        "%1 a number, 30 or so. 'Save' is the Save button's name.")},
    {TextId::HeldBeforeQuitting, "Messages",
     QT_TRANSLATE_NOOP3("Messages",
                        "Drawings kept only in memory, because no folder would take them: %1.\n\nThey are lost when "
                        "Pintaloo closes. Save them now into a folder you choose?",
                        "%1 a number. A question: yes opens the save dialog.")},
    {TextId::CanvasWithTool, "ScreenReader",
     QT_TRANSLATE_NOOP3("ScreenReader", "Drawing paper: %1",
                        "What a screen reader says of the page; %1 is the chosen tool.")},
    {TextId::StampNumber, "ScreenReader",
     QT_TRANSLATE_NOOP3("ScreenReader", "Stamp %1",
                        "Screen reader: a stamp in the stamp box; %1 counts from 1.")},
    {TextId::PatternNumber, "ScreenReader",
     QT_TRANSLATE_NOOP3("ScreenReader", "Pattern %1",
                        "Screen reader: a brush in the brush box; %1 counts from 1.")},
    {TextId::StampGroupNumber, "ScreenReader",
     QT_TRANSLATE_NOOP3("ScreenReader", "Stamp group %1",
                        "Screen reader: a group of stamps; %1 counts from 1.")},
    {TextId::AnimationNumber, "ScreenReader",
     QT_TRANSLATE_NOOP3("ScreenReader", "Animation %1",
                        "Screen reader: one of the short cartoons; %1 counts from 1.")},
    {TextId::Cartoons, "ScreenReader",
     QT_TRANSLATE_NOOP3("ScreenReader", "Cartoons",
                        "Screen reader: the big box showing the chosen colour, which plays a cartoon when pressed.")},
    {TextId::TakeThisPage, "ScreenReader",
     QT_TRANSLATE_NOOP3("ScreenReader", "Take this page",
                        "Screen reader: the big colouring page in its panel; pressing it takes the page.")},
    {TextId::NextPicture, "ScreenReader",
     QT_TRANSLATE_NOOP3("ScreenReader", "Next drawing",
                        "Screen reader: arrow to the next colouring page or drawing.")},
    {TextId::PreviousPicture, "ScreenReader",
     QT_TRANSLATE_NOOP3("ScreenReader", "Previous drawing",
                        "Screen reader: arrow to the previous colouring page or drawing.")},
    {TextId::ColourRed, "Colours",
     QT_TRANSLATE_NOOP3("Colours", "Red",
                        "A colour's name, said by a screen reader for a swatch. Adjective or noun, as a child would say "
                        "it.")},
    {TextId::ColourOrange, "Colours",
     QT_TRANSLATE_NOOP3("Colours", "Orange",
                        "A colour's name, said by a screen reader for a swatch. Adjective or noun, as a child would say "
                        "it.")},
    {TextId::ColourYellow, "Colours",
     QT_TRANSLATE_NOOP3("Colours", "Yellow",
                        "A colour's name, said by a screen reader for a swatch. Adjective or noun, as a child would say "
                        "it.")},
    {TextId::ColourGreen, "Colours",
     QT_TRANSLATE_NOOP3("Colours", "Green",
                        "A colour's name, said by a screen reader for a swatch. Adjective or noun, as a child would say "
                        "it.")},
    {TextId::ColourTurquoise, "Colours",
     QT_TRANSLATE_NOOP3("Colours", "Turquoise",
                        "A colour's name, said by a screen reader for a swatch. Adjective or noun, as a child would say "
                        "it.")},
    {TextId::ColourBlue, "Colours",
     QT_TRANSLATE_NOOP3("Colours", "Blue",
                        "A colour's name, said by a screen reader for a swatch. Adjective or noun, as a child would say "
                        "it.")},
    {TextId::ColourPurple, "Colours",
     QT_TRANSLATE_NOOP3("Colours", "Purple",
                        "A colour's name, said by a screen reader for a swatch. Adjective or noun, as a child would say "
                        "it.")},
    {TextId::ColourPink, "Colours",
     QT_TRANSLATE_NOOP3("Colours", "Pink",
                        "A colour's name, said by a screen reader for a swatch. Adjective or noun, as a child would say "
                        "it.")},
    {TextId::ColourBrown, "Colours",
     QT_TRANSLATE_NOOP3("Colours", "Brown",
                        "A colour's name, said by a screen reader for a swatch. Adjective or noun, as a child would say "
                        "it.")},
    {TextId::ColourBlack, "Colours",
     QT_TRANSLATE_NOOP3("Colours", "Black",
                        "A colour's name, said by a screen reader for a swatch. Adjective or noun, as a child would say "
                        "it.")},
    {TextId::ColourWhite, "Colours",
     QT_TRANSLATE_NOOP3("Colours", "White",
                        "A colour's name, said by a screen reader for a swatch. Adjective or noun, as a child would say "
                        "it.")},
    {TextId::ColourGrey, "Colours",
     QT_TRANSLATE_NOOP3("Colours", "Gray",
                        "A colour's name, said by a screen reader for a swatch. Adjective or noun, as a child would say "
                        "it.")},
};

static_assert(std::size(kTexts) == std::size_t(kTextCount), "one row for every text");

// The texts by key (texts.h says when a text has a key rather than an id),
// as the texts above: key, context, English and the translator's note.
struct KeyedTextRow {
    std::string_view key;
    const char* context;
    SourceText text;
};

const std::vector<KeyedTextRow>& TextsByKey() {
    static const std::vector<KeyedTextRow> rows = {
        // {"tool.name", "Window", QT_TRANSLATE_NOOP3("Window", "English", "The translator's note.")},

        // The magic button and its picker: the button's name is TextId::ToolMagic, its help paragraph
        // "Magic" in ui/words/help_pages.cpp; each effect's own texts follow.

        // Magic brushes that paint: mirror, kaleidoscopes, chalk, sparkles.
        {"magic.mirrorPaint.name", "Window",
         QT_TRANSLATE_NOOP3("Window", "Mirror Paint",
                            "A magic brush: a crayon whose line is copied, mirrored, on the other half of the picture.")},
        {"magic.mirrorPaint.help", "Window",
         QT_TRANSLATE_NOOP3("Window", "Mirror Paint: draw on one side and the other side copies you, like a mirror.",
                            "The help line of the mirror painting brush, read aloud to a child.")},
        {"magic.kaleido4.name", "Window",
         QT_TRANSLATE_NOOP3("Window", "Four Mirrors",
                            "A magic brush: a crayon whose line is copied four times, mirrored into each corner.")},
        {"magic.kaleido4.help", "Window",
         QT_TRANSLATE_NOOP3("Window", "Four Mirrors: your drawing appears four times, once in each corner.",
                            "The help line of the four-way kaleidoscope brush, read aloud to a child.")},
        {"magic.kaleido8.name", "Window",
         QT_TRANSLATE_NOOP3("Window", "Eight Mirrors",
                            "A magic brush: a crayon whose line is copied eight times around the middle, like a "
                            "kaleidoscope.")},
        {"magic.kaleido8.help", "Window",
         QT_TRANSLATE_NOOP3("Window", "Eight Mirrors: your drawing appears eight times around the middle, like a "
                                      "snowflake.",
                            "The help line of the eight-way kaleidoscope brush, read aloud to a child.")},
        {"magic.chalk.name", "Window",
         QT_TRANSLATE_NOOP3("Window", "Chalk", "A magic brush that draws grainy lines like a stick of chalk.")},
        {"magic.chalk.help", "Window",
         QT_TRANSLATE_NOOP3("Window", "Chalk: draw dusty, bumpy lines like chalk on the pavement.",
                            "The help line of the chalk brush, read aloud to a child.")},
        {"magic.sparkles.name", "Window",
         QT_TRANSLATE_NOOP3("Window", "Sparkles", "A magic brush that scatters little twinkling stars along the line.")},
        {"magic.sparkles.help", "Window",
         QT_TRANSLATE_NOOP3("Window", "Sparkles: draw a trail of twinkling stars.",
                            "The help line of the sparkles brush, read aloud to a child.")},

        // Magic brushes that change the paint under them: blur, smudge, tint, lighten, darken, negative.
        {"magic.blur.name", "Window", QT_TRANSLATE_NOOP3("Window", "Blur", "A magic brush that makes the paint soft and fuzzy.")},
        {"magic.blur.help", "Window",
         QT_TRANSLATE_NOOP3("Window", "Blur: paint over your picture to make it soft and dreamy.",
                            "The help line of the blur brush, read aloud to a small child.")},
        {"magic.smudge.name", "Window",
         QT_TRANSLATE_NOOP3("Window", "Smudge", "A magic brush that drags the paint along like a wet finger.")},
        {"magic.smudge.help", "Window",
         QT_TRANSLATE_NOOP3("Window", "Smudge: push the paint around like a wet finger.",
                            "The help line of the smudge brush, read aloud to a small child.")},
        {"magic.tint.name", "Window",
         QT_TRANSLATE_NOOP3("Window", "Tint",
                            "A magic brush that colours the paint under it with the chosen colour, "
                            "keeping its light and dark parts.")},
        {"magic.tint.help", "Window",
         QT_TRANSLATE_NOOP3("Window", "Tint: give your painting a new color and keep its light and dark.",
                            "The help line of the tint brush, read aloud to a small child.")},
        {"magic.lighten.name", "Window",
         QT_TRANSLATE_NOOP3("Window", "Lighten", "A magic brush that makes the paint paler with each stroke.")},
        {"magic.lighten.help", "Window",
         QT_TRANSLATE_NOOP3("Window", "Lighten: paint over colors to make them lighter.",
                            "The help line of the lighten brush, read aloud to a small child.")},
        {"magic.darken.name", "Window",
         QT_TRANSLATE_NOOP3("Window", "Darken", "A magic brush that makes the paint deeper with each stroke.")},
        {"magic.darken.help", "Window",
         QT_TRANSLATE_NOOP3("Window", "Darken: paint over colors to make them darker.",
                            "The help line of the darken brush, read aloud to a small child.")},
        {"magic.negative.name", "Window",
         QT_TRANSLATE_NOOP3("Window", "Opposite",
                            "A magic brush that turns colours into their opposites, like a photo negative: "
                            "white becomes black, yellow becomes blue.")},
        {"magic.negative.help", "Window",
         QT_TRANSLATE_NOOP3("Window", "Opposite: turn colors into their opposites, light into dark.",
                            "The help line of the negative brush, read aloud to a small child.")},

        // Magic over the whole picture at one press.
        {"magic.flip.name", "Window",
         QT_TRANSLATE_NOOP3("Window", "Upside down",
                            "A magic effect that turns the whole picture upside down at one press.")},
        {"magic.flip.help", "Window",
         QT_TRANSLATE_NOOP3("Window", "Upside down: press to turn your whole picture upside down.",
                            "Help line of the upside-down magic effect, read aloud to a young child.")},
        {"magic.mirror.name", "Window",
         QT_TRANSLATE_NOOP3("Window", "Swap sides",
                            "A magic effect that turns the whole picture around, left to right, at one press.")},
        {"magic.mirror.help", "Window",
         QT_TRANSLATE_NOOP3("Window", "Swap sides: press to turn your picture around, left to right.",
                            "Help line of the swap-sides magic effect, read aloud to a young child.")},
        {"magic.snow.name", "Window",
         QT_TRANSLATE_NOOP3("Window", "Snow",
                            "A magic effect that lets snowflakes fall all over the picture at one press.")},
        {"magic.snow.help", "Window",
         QT_TRANSLATE_NOOP3("Window", "Snow: press to make snowflakes fall all over your picture.",
                            "Help line of the snow magic effect, read aloud to a young child.")},
        {"magic.bubbles.name", "Window",
         QT_TRANSLATE_NOOP3("Window", "Bubbles",
                            "A magic effect that shows the picture through big round soap bubbles.")},
        {"magic.bubbles.help", "Window",
         QT_TRANSLATE_NOOP3("Window", "Bubbles: press to see your picture through soap bubbles.",
                            "Help line of the bubbles magic effect, read aloud to a young child.")},
        {"magic.pixelBlocks.name", "Window",
         QT_TRANSLATE_NOOP3("Window", "Blocks",
                            "A magic effect that turns the whole picture into little square tiles, as a mosaic.")},
        {"magic.pixelBlocks.help", "Window",
         QT_TRANSLATE_NOOP3("Window", "Blocks: press to make your picture out of little squares.",
                            "Help line of the blocks (mosaic) magic effect, read aloud to a young child.")},

        // The pen.
        {"help.penPressure", "HelpPage",
         QT_TRANSLATE_NOOP3("HelpPage", "A pen paints wider when you press harder, and thinner when you press lightly.",
                            "Follows the help page's first paragraph, which says a child can paint with a pen.")},

        // Shapes and the straight line.
        {"shape.circle.name", "Window", QT_TRANSLATE_NOOP3("Window", "Circle", "A shape tool: a round circle, dragged out from its middle.")},
        {"shape.circle.help", "Window",
         QT_TRANSLATE_NOOP3("Window", "Circle: press for the middle and pull out a round circle.", "The help line of a shape tool, read aloud to a child.")},
        {"shape.oval.name", "Window", QT_TRANSLATE_NOOP3("Window", "Oval", "A shape tool: an oval, dragged out from its middle, as wide and tall as you pull.")},
        {"shape.oval.help", "Window",
         QT_TRANSLATE_NOOP3("Window", "Oval: press for the middle and pull out an egg shape, long or tall.", "The help line of a shape tool, read aloud to a child.")},
        {"shape.square.name", "Window", QT_TRANSLATE_NOOP3("Window", "Square", "A shape tool: a square, dragged out from its middle.")},
        {"shape.square.help", "Window",
         QT_TRANSLATE_NOOP3("Window", "Square: press for the middle and pull out a square.", "The help line of a shape tool, read aloud to a child.")},
        {"shape.rectangle.name", "Window", QT_TRANSLATE_NOOP3("Window", "Rectangle", "A shape tool: a box, dragged out from its middle to a corner.")},
        {"shape.rectangle.help", "Window",
         QT_TRANSLATE_NOOP3("Window", "Rectangle: press for the middle and pull a corner out, long or tall.", "The help line of a shape tool, read aloud to a child.")},
        {"shape.triangle.name", "Window", QT_TRANSLATE_NOOP3("Window", "Triangle", "A shape tool: a triangle standing on its base, dragged out from its middle.")},
        {"shape.triangle.help", "Window",
         QT_TRANSLATE_NOOP3("Window", "Triangle: press for the middle and pull out a triangle like a little roof.", "The help line of a shape tool, read aloud to a child.")},
        {"shape.star.name", "Window", QT_TRANSLATE_NOOP3("Window", "Star", "A shape tool: a five-pointed star, dragged out from its middle.")},
        {"shape.star.help", "Window",
         QT_TRANSLATE_NOOP3("Window", "Star: press for the middle and pull out a big star.", "The help line of a shape tool, read aloud to a child.")},
        {"shape.heart.name", "Window", QT_TRANSLATE_NOOP3("Window", "Heart", "A shape tool: a heart, dragged out from its middle.")},
        {"shape.heart.help", "Window",
         QT_TRANSLATE_NOOP3("Window", "Heart: press for the middle and pull out a heart.", "The help line of a shape tool, read aloud to a child.")},
        {"shape.diamond.name", "Window", QT_TRANSLATE_NOOP3("Window", "Diamond", "A shape tool: a diamond (a square standing on its corner), dragged out from its middle.")},
        {"shape.diamond.help", "Window",
         QT_TRANSLATE_NOOP3("Window", "Diamond: press for the middle and pull out a diamond, like a kite.", "The help line of a shape tool, read aloud to a child.")},
        {"shape.line.name", "Window", QT_TRANSLATE_NOOP3("Window", "Straight line", "A shape tool: a straight line drawn with the crayon, from where you press to where you let go.")},
        {"shape.line.help", "Window",
         QT_TRANSLATE_NOOP3("Window", "Straight line: press where it starts and let go where it ends.", "The help line of a shape tool, read aloud to a child.")},

        // Letters and the letter board.
        {"letters.space", "Window",
         QT_TRANSLATE_NOOP3("Window", "Space", "A key of the on-screen letter board: a gap between two words.")},
        {"letters.back", "Window",
         QT_TRANSLATE_NOOP3("Window", "Take back a letter",
                            "A key of the on-screen letter board that removes the last letter written.")},
        {"letters.done", "Window",
         QT_TRANSLATE_NOOP3("Window", "Put the word on the page",
                            "A key of the on-screen letter board that ends the word and leaves it on the drawing.")},
        {"letters.help", "Window",
         QT_TRANSLATE_NOOP3("Window", "Letters: press on the page where your word goes, then press the big letters.",
                            "What the on-screen letter board is for, read aloud to a young child.")},

        // Any colour: the rainbow field and the dropper.
        {"colour.rainbow.name", "Window",
         QT_TRANSLATE_NOOP3("Window", "More colors: the rainbow",
                            "Tooltip and screen-reader name of the little rainbow under the chosen colour: it opens a big field of every colour.")},
        {"colour.field.name", "Window",
         QT_TRANSLATE_NOOP3("Window", "Rainbow: press a color",
                            "Screen-reader name of the big field of colours; a press or a drag on it chooses the colour there. Speak to a child (informal you).")},
        {"colour.dropper.name", "Window",
         QT_TRANSLATE_NOOP3("Window", "Dropper: take a color from your picture",
                            "Tooltip of the dropper button: the next press on the picture takes the colour there. Speak to a child (informal you).")},
        {"colour.close.name", "Window",
         QT_TRANSLATE_NOOP3("Window", "Close the rainbow",
                            "Tooltip of the button that closes the big field of colours.")},
        {"colour.help", "HelpPage",
         QT_TRANSLATE_NOOP3("HelpPage", "Press the little rainbow under your colour to choose any colour at all. The dropper takes a colour from your picture.",
                            "Help page line about the field of every colour and the dropper, read aloud to a young child.")},

        // Speed.

        // Stamp collections: the browser, a stamp's size and turn.
        {"stamps.group.animals", "Window",
         QT_TRANSLATE_NOOP3("Window", "Animals",
                            "Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called 'animals'.")},
        {"stamps.group.clothes", "Window",
         QT_TRANSLATE_NOOP3("Window", "Clothes",
                            "Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called 'clothes'.")},
        {"stamps.group.food", "Window",
         QT_TRANSLATE_NOOP3("Window", "Food",
                            "Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called 'food'.")},
        {"stamps.group.hobbies", "Window",
         QT_TRANSLATE_NOOP3("Window", "Hobbies",
                            "Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called 'hobbies'.")},
        {"stamps.group.household", "Window",
         QT_TRANSLATE_NOOP3("Window", "At home",
                            "Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called 'household'.")},
        {"stamps.group.medical", "Window",
         QT_TRANSLATE_NOOP3("Window", "Doctor and nurse",
                            "Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called 'medical'.")},
        {"stamps.group.military", "Window",
         QT_TRANSLATE_NOOP3("Window", "Soldiers",
                            "Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called 'military'.")},
        {"stamps.group.naturalforces", "Window",
         QT_TRANSLATE_NOOP3("Window", "Weather and nature",
                            "Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called 'naturalforces'.")},
        {"stamps.group.people", "Window",
         QT_TRANSLATE_NOOP3("Window", "People",
                            "Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called 'people'.")},
        {"stamps.group.plants", "Window",
         QT_TRANSLATE_NOOP3("Window", "Plants",
                            "Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called 'plants'.")},
        {"stamps.group.seasonal", "Window",
         QT_TRANSLATE_NOOP3("Window", "Holidays and seasons",
                            "Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called 'seasonal'.")},
        {"stamps.group.space", "Window",
         QT_TRANSLATE_NOOP3("Window", "Stars and planets",
                            "Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called 'space'.")},
        {"stamps.group.sports", "Window",
         QT_TRANSLATE_NOOP3("Window", "Sports",
                            "Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called 'sports'.")},
        {"stamps.group.symbols", "Window",
         QT_TRANSLATE_NOOP3("Window", "Signs and symbols",
                            "Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called 'symbols'.")},
        {"stamps.group.town", "Window",
         QT_TRANSLATE_NOOP3("Window", "Town",
                            "Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called 'town'.")},
        {"stamps.group.vehicles", "Window",
         QT_TRANSLATE_NOOP3("Window", "Vehicles",
                            "Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called 'vehicles'.")},
        {"stamps.group.more", "Window",
         QT_TRANSLATE_NOOP3("Window", "Other stamps",
                            "Name of a group of stamps (little pictures a child puts on the drawing): the stamps found directly in a stamp collection's folder, not in a theme.")},
        {"stamps.browser.title", "Window",
         QT_TRANSLATE_NOOP3("Window", "All the stamps",
                            "Title of the big stamp browser while it shows the groups of stamps. Speak to a child (informal you).")},
        {"stamps.more.name", "Window",
         QT_TRANSLATE_NOOP3("Window", "More stamps",
                            "Tooltip of the big button in the stamps panel that opens the browser of many more stamps. Speak to a child (informal you).")},
        {"stamps.size.small", "Window",
         QT_TRANSLATE_NOOP3("Window", "Small stamps",
                            "Tooltip of the button that makes stamps small. Speak to a child (informal you).")},
        {"stamps.size.medium", "Window",
         QT_TRANSLATE_NOOP3("Window", "Middle-sized stamps",
                            "Tooltip of the button that makes stamps their usual, middle size. Speak to a child (informal you).")},
        {"stamps.size.large", "Window",
         QT_TRANSLATE_NOOP3("Window", "Big stamps",
                            "Tooltip of the button that makes stamps big. Speak to a child (informal you).")},
        {"stamps.size.huge", "Window",
         QT_TRANSLATE_NOOP3("Window", "Giant stamps",
                            "Tooltip of the button that makes stamps very big. Speak to a child (informal you).")},
        {"stamps.mirror.name", "Window",
         QT_TRANSLATE_NOOP3("Window", "Turn the stamp left to right",
                            "Tooltip of the button that mirrors the stamp (left becomes right). Speak to a child (informal you).")},
        {"stamps.flip.name", "Window",
         QT_TRANSLATE_NOOP3("Window", "Turn the stamp upside down",
                            "Tooltip of the button that flips the stamp upside down. Speak to a child (informal you).")},
        {"stamps.groups.name", "Window",
         QT_TRANSLATE_NOOP3("Window", "Back to all the stamps",
                            "Tooltip of the button in the stamp browser that goes back from one group to all the groups. Speak to a child (informal you).")},
        {"stamps.close.name", "Window",
         QT_TRANSLATE_NOOP3("Window", "Close the stamps",
                            "Tooltip of the button that closes the big stamp browser. Speak to a child (informal you).")},
        {"stamps.previous.name", "Window",
         QT_TRANSLATE_NOOP3("Window", "Stamps before",
                            "Tooltip of the arrow that shows the page of stamps before this one. Speak to a child (informal you).")},
        {"stamps.next.name", "Window",
         QT_TRANSLATE_NOOP3("Window", "More stamps after",
                            "Tooltip of the arrow that shows the next page of stamps. Speak to a child (informal you).")},

        // Own colouring pages and background pictures.
        {"pages.grid", "Window",
         QT_TRANSLATE_NOOP3("Window", "All the pages",
                            "Tooltip of the button that shows every colouring page at once as little pictures, and the title of that panel.")},
        {"pages.take", "Window",
         QT_TRANSLATE_NOOP3("Window", "Color this page",
                            "Tooltip and screen-reader name of one little picture of a colouring page: a press puts it on the canvas. Speak to a child (informal you).")},
        {"pages.papers", "Window",
         QT_TRANSLATE_NOOP3("Window", "Paper to paint on",
                            "Tooltip of the button that offers coloured paper and background pictures for a new page, and the title of that panel.")},
        {"pages.paper", "Window",
         QT_TRANSLATE_NOOP3("Window", "Start on this paper",
                            "Tooltip and screen-reader name of one coloured paper or background picture: a press starts a new page on it. Speak to a child (informal you).")},

        // The grown-up's settings window and question.
        {"grownup.question.title", "GrownUp",
         QT_TRANSLATE_NOOP3("GrownUp", "For grown-ups",
                            "Title of the small window that asks a sum only a grown-up can answer, before the grown-up's settings open.")},
        {"grownup.question.ask", "GrownUp",
         QT_TRANSLATE_NOOP3("GrownUp", "Only a grown-up can open this. What is the answer?",
                            "Above a sum such as 7 × 6 =, with number keys below. Addressed to the adult.")},
        {"grownup.question.answer", "GrownUp",
         QT_TRANSLATE_NOOP3("GrownUp", "Answer",
                            "Button that gives the typed answer to the sum.")},
        {"grownup.question.cancel", "GrownUp",
         QT_TRANSLATE_NOOP3("GrownUp", "Not now",
                            "Button that closes the question without opening anything.")},
        {"grownup.question.erase", "GrownUp",
         QT_TRANSLATE_NOOP3("GrownUp", "Erase the last digit",
                            "Tooltip and screen-reader name of the backspace key beside the number keys.")},
        {"grownup.question.wait", "GrownUp",
         QT_TRANSLATE_NOOP3("GrownUp", "Wait a moment, then try again.",
                            "Shown for a few seconds after three wrong answers in a row, while the number keys are off.")},
        {"grownup.settings.title", "GrownUp",
         QT_TRANSLATE_NOOP3("GrownUp", "Settings for grown-ups",
                            "Title of the grown-up's settings window.")},
        {"grownup.done", "GrownUp",
         QT_TRANSLATE_NOOP3("GrownUp", "Done",
                            "Button that closes the grown-up's settings window; every change is already kept.")},
        {"grownup.page.sound", "GrownUp",
         QT_TRANSLATE_NOOP3("GrownUp", "Sound",
                            "A page of the grown-up's settings, shown beside its picture in the side list.")},
        {"grownup.page.language", "GrownUp",
         QT_TRANSLATE_NOOP3("GrownUp", "Language",
                            "A page of the grown-up's settings: the language of the window.")},
        {"grownup.page.screen", "GrownUp",
         QT_TRANSLATE_NOOP3("GrownUp", "Screen",
                            "A page of the grown-up's settings: full screen or a window.")},
        {"grownup.page.start", "GrownUp",
         QT_TRANSLATE_NOOP3("GrownUp", "Start",
                            "A page of the grown-up's settings: what the program shows when it starts.")},
        {"grownup.page.folder", "GrownUp",
         QT_TRANSLATE_NOOP3("GrownUp", "Drawings",
                            "A page of the grown-up's settings: the folder where the child's drawings are kept.")},
        {"grownup.page.switches", "GrownUp",
         QT_TRANSLATE_NOOP3("GrownUp", "Switches",
                            "A page of the grown-up's settings: scanning for children who use one or two accessibility switches.")},
        {"grownup.page.lockdown", "GrownUp",
         QT_TRANSLATE_NOOP3("GrownUp", "Lock-down",
                            "A page of the grown-up's settings: things a child must not do (quit, print, file dialogs, leave full screen).")},
        {"grownup.sound.on", "GrownUp",
         QT_TRANSLATE_NOOP3("GrownUp", "Play sounds",
                            "Beside a big on-off switch: sounds on or off.")},
        {"grownup.screen.full", "GrownUp",
         QT_TRANSLATE_NOOP3("GrownUp", "Fill the whole screen",
                            "Beside a big on-off switch: full screen.")},
        {"grownup.start.heading", "GrownUp",
         QT_TRANSLATE_NOOP3("GrownUp", "When the program starts, show:",
                            "Above two big choices: the last drawing, or a blank page.")},
        {"grownup.start.last", "GrownUp",
         QT_TRANSLATE_NOOP3("GrownUp", "The last drawing",
                            "One of two choices: start with the drawing the child left last time.")},
        {"grownup.start.blank", "GrownUp",
         QT_TRANSLATE_NOOP3("GrownUp", "A blank page",
                            "One of two choices: start on a blank page (the last drawing is kept in the gallery).")},
        {"grownup.folder.heading", "GrownUp",
         QT_TRANSLATE_NOOP3("GrownUp", "Drawings are kept in this folder:",
                            "Above the path of the folder where the child's drawings are saved.")},
        {"grownup.folder.choose", "GrownUp",
         QT_TRANSLATE_NOOP3("GrownUp", "Choose folder",
                            "Button that opens the desktop's folder dialog to pick where drawings are kept; also its title.")},
        {"grownup.folder.usual", "GrownUp",
         QT_TRANSLATE_NOOP3("GrownUp", "Back to the usual folder",
                            "Button that forgets the chosen folder: drawings go to the usual Pictures folder again.")},
        {"grownup.scan.speed", "GrownUp",
         QT_TRANSLATE_NOOP3("GrownUp", "Switch scanning: seconds between steps",
                            "Above the choices Off, 1, 2, 3, 4, 5: how fast the highlight moves for a child using switches.")},
        {"grownup.scan.off", "GrownUp",
         QT_TRANSLATE_NOOP3("GrownUp", "Off",
                            "The first of the scanning choices: no scanning.")},
        {"grownup.scan.switches", "GrownUp",
         QT_TRANSLATE_NOOP3("GrownUp", "How many switches?",
                            "Above the choices One switch / Two switches.")},
        {"grownup.scan.one", "GrownUp",
         QT_TRANSLATE_NOOP3("GrownUp", "One switch",
                            "Scanning choice: one switch (the highlight moves by itself).")},
        {"grownup.scan.two", "GrownUp",
         QT_TRANSLATE_NOOP3("GrownUp", "Two switches",
                            "Scanning choice: two switches (one moves, one presses).")},
        {"grownup.lock.noQuit", "GrownUp",
         QT_TRANSLATE_NOOP3("GrownUp", "Closing asks the grown-up question",
                            "Beside an on-off switch: closing the program first asks the sum only a grown-up answers.")},
        {"grownup.lock.noPrint", "GrownUp",
         QT_TRANSLATE_NOOP3("GrownUp", "No printing",
                            "Beside an on-off switch: the print button and Ctrl+P do nothing.")},
        {"grownup.lock.noFileDialogs", "GrownUp",
         QT_TRANSLATE_NOOP3("GrownUp", "Open and save only in the child's own drawings",
                            "Beside an on-off switch: no file dialogs; opening and saving stay within the child's drawings.")},
        {"grownup.lock.keepFullScreen", "GrownUp",
         QT_TRANSLATE_NOOP3("GrownUp", "Always keep the full screen",
                            "Beside an on-off switch: full screen cannot be left (no Escape, no F11).")},
        {"grownup.locked", "GrownUp",
         QT_TRANSLATE_NOOP3("GrownUp", "Set by your school",
                            "Beside a small padlock under a setting the school's system-wide file has locked: it cannot be changed here.")},

        // Lock-down and system-wide settings.
        {"lock.closeAsksGrownUp", "Window",
         QT_TRANSLATE_NOOP3("Window", "Close: only with a grown-up",
                            "Tooltip and screen-reader name of the window's close button when the school has locked closing: a grown-up must answer a question first.")},

        // Each child's own drawings.
        {"children.who", "Window",
         QT_TRANSLATE_NOOP3("Window", "Who is painting?",
                            "The friendly question over the big pictures of the children who share the computer, read aloud to a young child at the start.")},
        {"children.switch", "Window",
         QT_TRANSLATE_NOOP3("Window", "Another child's turn",
                            "Tooltip of the small picture of the child painting now, in the window's corner: a press lets another child choose their picture.")},
        {"children.page", "Settings",
         QT_TRANSLATE_NOOP3("Settings", "Children",
                            "Title of the grown-up's settings page that lists the children who share this computer.")},
        {"children.explain", "Settings",
         QT_TRANSLATE_NOOP3("Settings", "With two or more children, each one presses their own picture at the start and keeps their own drawings.",
                            "The line at the top of the grown-up's settings page for the children.")},
        {"children.name", "Settings",
         QT_TRANSLATE_NOOP3("Settings", "Child's name",
                            "Label of the field where a grown-up writes a child's name.")},
        {"children.picture", "Settings",
         QT_TRANSLATE_NOOP3("Settings", "Choose a picture",
                            "Tooltip of the button that opens the grid of pictures a child can have as their own.")},
        {"children.add", "Settings",
         QT_TRANSLATE_NOOP3("Settings", "Add a child",
                            "Button on the grown-up's settings page that adds a row for one more child.")},
        {"children.remove", "Settings",
         QT_TRANSLATE_NOOP3("Settings", "Remove",
                            "Button that removes a child from the list (their drawings stay where they are).")},
        {"children.up", "Settings",
         QT_TRANSLATE_NOOP3("Settings", "Move up",
                            "Button that moves a child one place up the list.")},
        {"children.down", "Settings",
         QT_TRANSLATE_NOOP3("Settings", "Move down",
                            "Button that moves a child one place down the list.")},

        // Collecting the week.
        {"week.title", "Window",
         QT_TRANSLATE_NOOP3("Window", "Collect the drawings",
                            "The grown-up's settings page that gathers a span of days of drawings into files; its name on the window's side.")},
        {"week.whose", "Window",
         QT_TRANSLATE_NOOP3("Window", "Whose drawings?",
                            "Label of the choice of child whose drawings are collected (or everyone).")},
        {"week.everyone", "Window",
         QT_TRANSLATE_NOOP3("Window", "Everyone",
                            "The choice that collects the drawings of every child.")},
        {"week.all", "Window",
         QT_TRANSLATE_NOOP3("Window", "All the drawings",
                            "Shown instead of a choice of child when the account has no children named.")},
        {"week.from", "Window",
         QT_TRANSLATE_NOOP3("Window", "From",
                            "Label of the first day of the span of days collected.")},
        {"week.to", "Window",
         QT_TRANSLATE_NOOP3("Window", "To",
                            "Label of the last day of the span of days collected (included).")},
        {"week.pictures", "Window",
         QT_TRANSLATE_NOOP3("Window", "Pictures in a folder",
                            "One of three big choices: each drawing as a PNG file in a folder.")},
        {"week.booklet", "Window",
         QT_TRANSLATE_NOOP3("Window", "A booklet to print",
                            "One of three big choices: one PDF file, a page a drawing, to print.")},
        {"week.film", "Window",
         QT_TRANSLATE_NOOP3("Window", "A film",
                            "One of three big choices: one animated picture showing the drawings one after another.")},
        {"week.speed", "Window",
         QT_TRANSLATE_NOOP3("Window", "Seconds for each picture",
                            "Label of the film's speed: how long each drawing is shown.")},
        {"week.covers", "Window",
         QT_TRANSLATE_NOOP3("Window", "A cover page for each child",
                            "Check box: the booklet starts each child's drawings with a page showing the child's name.")},
        {"week.cover.one", "Window",
         QT_TRANSLATE_NOOP3("Window", "A cover page",
                            "Check box: the booklet starts with a page showing the span of days (no children named).")},
        {"week.make", "Window",
         QT_TRANSLATE_NOOP3("Window", "Make it",
                            "The big button that starts making the pictures, booklet or film.")},
        {"week.stop", "Window",
         QT_TRANSLATE_NOOP3("Window", "Stop making it",
                            "The big button while the work runs: stops it.")},
        {"week.cover", "Window",
         QT_TRANSLATE_NOOP3("Window", "Our drawings",
                            "Title of a booklet's cover page (and of the booklet) when no child is named.")},
        {"week.where.pictures", "Window",
         QT_TRANSLATE_NOOP3("Window", "Where should the pictures go?",
                            "Title of the dialog choosing the folder for the PNG files (a new folder name may be typed).")},
        {"week.where.booklet", "Window",
         QT_TRANSLATE_NOOP3("Window", "Where should the booklet go?",
                            "Title of the dialog choosing the booklet's PDF file.")},
        {"week.where.film", "Window",
         QT_TRANSLATE_NOOP3("Window", "Where should the film go?",
                            "Title of the dialog choosing the film's file.")},
        {"week.done.pictures", "Window",
         QT_TRANSLATE_NOOP3("Window", "Drawings put in the folder: %1",
                            "The result line after making the pictures; %1 how many.")},
        {"week.done.booklet", "Window",
         QT_TRANSLATE_NOOP3("Window", "Drawings put in the booklet: %1",
                            "The result line after making the booklet; %1 how many.")},
        {"week.done.film", "Window",
         QT_TRANSLATE_NOOP3("Window", "Drawings put in the film: %1",
                            "The result line after making the film; %1 how many.")},
        {"week.nothing", "Window",
         QT_TRANSLATE_NOOP3("Window", "There are no drawings on those days.",
                            "The result line when the span of days holds no drawing: nothing was made.")},
        {"week.stopped", "Window",
         QT_TRANSLATE_NOOP3("Window", "Stopped: nothing more was made.",
                            "The result line after the grown-up pressed Stop.")},
        {"week.failed", "Window",
         QT_TRANSLATE_NOOP3("Window", "It could not be written: %1",
                            "The result line when the file or folder could not be written; %1 the system's reason.")},
        {"week.unreadable", "Window",
         QT_TRANSLATE_NOOP3("Window", "Drawings that could not be read, left out: %1",
                            "A second result line: files the program refused to read (damaged or too large); %1 how many.")},
        {"week.toomany", "Window",
         QT_TRANSLATE_NOOP3("Window", "Too many drawings, left out: %1",
                            "A second result line: drawings past the most one collection takes; %1 how many.")},

    };
    return rows;
}

const KeyedTextRow* FindKey(std::string_view key) {
    for (const KeyedTextRow& r : TextsByKey())
        if (r.key == key) return &r;
    return nullptr;
}

// The rows are in the order of TextId, so a text is found by its number;
// checked once here rather than searched on every call.
constexpr bool RowsInOrder() {
    for (std::size_t i = 0; i < std::size(kTexts); ++i)
        if (kTexts[i].id != TextId(i)) return false;
    return true;
}
static_assert(RowsInOrder(), "rows in the order of TextId");

QString Filter(TextId name, const char* patterns, Language language) {
    return Text(name, language) + QStringLiteral(" (") + QLatin1String(patterns) + QLatin1Char(')');
}

}  // namespace

// Hue, saturation and lightness in the usual wheel; the borders are where
// a child's word changes, judged on the palette's own swatches.
TextId ColourWord(int red, int green, int blue) {
    const double r = red / 255.0, g = green / 255.0, b = blue / 255.0;
    const double high = std::max({r, g, b}), low = std::min({r, g, b}), light = (high + low) / 2;
    const double chroma = high - low;
    if (chroma < 0.12) return light < 0.2 ? TextId::ColourBlack : light > 0.85 ? TextId::ColourWhite : TextId::ColourGrey;
    double hue = high == r ? std::fmod((g - b) / chroma + 6, 6) : high == g ? (b - r) / chroma + 2 : (r - g) / chroma + 4;
    hue *= 60;
    if (light < 0.1) return TextId::ColourBlack;
    if (hue >= 15 && hue < 50 && light < 0.42) return TextId::ColourBrown;
    if (hue < 15 || hue >= 340) return light > 0.7 ? TextId::ColourPink : TextId::ColourRed;
    if (hue < 50) return TextId::ColourOrange;
    if (hue < 70) return TextId::ColourYellow;
    if (hue < 160) return TextId::ColourGreen;
    if (hue < 200) return TextId::ColourTurquoise;
    if (hue < 255) return TextId::ColourBlue;
    if (hue < 290) return TextId::ColourPurple;
    return TextId::ColourPink;
}

QString Text(TextId id, Language language) {
    const auto row = std::size_t(id);
    // An id or language from outside the enums (a cast gone wrong) gets no text rather than a crash.
    if (row >= std::size(kTexts) || std::size_t(language) >= std::size_t(kLanguageCount)) return {};
    const TextRow& r = kTexts[row];
    return Translate(language, r.context, r.text.source, r.text.comment);
}

QString Text(std::string_view key, Language language) {
    const KeyedTextRow* r = FindKey(key);
    if (!r || std::size_t(language) >= std::size_t(kLanguageCount)) return {};
    return Translate(language, r->context, r->text.source, r->text.comment);
}

bool HasText(std::string_view key) { return FindKey(key) != nullptr; }

std::vector<std::string_view> TextKeys() {
    std::vector<std::string_view> keys;
    for (const KeyedTextRow& r : TextsByKey()) keys.push_back(r.key);
    return keys;
}

QString OpenFilter(Language language) {
    return QStringList{Filter(TextId::FilterPictures, "*.bmp *.jpg *.jpeg *.png", language),
                       Filter(TextId::FilterBmp, "*.bmp", language),
                       Filter(TextId::FilterJpeg, "*.jpg *.jpeg", language),
                       Filter(TextId::FilterPng, "*.png", language)}
        .join(QStringLiteral(";;"));
}

QString SaveFilter(Language language) {
    return QStringList{Filter(TextId::FilterPng, "*.png", language), Filter(TextId::FilterBmp, "*.bmp", language),
                       Filter(TextId::FilterJpeg, "*.jpg *.jpeg", language)}
        .join(QStringLiteral(";;"));
}

}  // namespace pintaloo
