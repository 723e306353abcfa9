// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/words/dialog_words.h"

#include <QtGlobal>

namespace pintaloo {

namespace {

// The words of Qt's own dialogs that Pintaloo's save, open and print dialogs
// and its messages show, in Qt's own contexts, so lupdate puts them in every
// language's file. Qt's translators cover most languages and win where they
// do (QtTranslations::install); for a language Qt has no translation of
// (Romanian), these are what keeps the dialogs from speaking English.
constexpr DialogWord kWords[] = {
    {"QPlatformTheme", QT_TRANSLATE_NOOP("QPlatformTheme", "OK")},
    {"QPlatformTheme", QT_TRANSLATE_NOOP("QPlatformTheme", "Save")},
    {"QPlatformTheme", QT_TRANSLATE_NOOP("QPlatformTheme", "Open")},
    {"QPlatformTheme", QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel")},
    {"QPlatformTheme", QT_TRANSLATE_NOOP("QPlatformTheme", "Close")},
    {"QPlatformTheme", QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes")},
    {"QPlatformTheme", QT_TRANSLATE_NOOP("QPlatformTheme", "&No")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "Look in:")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "File &name:")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "Files of type:")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "&Save")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "&Open")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "Save As")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "Open")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "Back")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "Forward")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "Parent Directory")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "Create New Folder")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "New Folder")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "List View")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "Detail View")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "My Computer")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "Recent Places")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "%1 already exists.\nDo you want to replace it?")},
    {"QFileSystemModel", QT_TRANSLATE_NOOP("QFileSystemModel", "Name")},
    {"QFileSystemModel", QT_TRANSLATE_NOOP("QFileSystemModel", "Size")},
    {"QFileSystemModel", QT_TRANSLATE_NOOP("QFileSystemModel", "Type")},
    {"QFileSystemModel", QT_TRANSLATE_NOOP("QFileSystemModel", "Date Modified")},
    {"QPrintDialog", QT_TRANSLATE_NOOP("QPrintDialog", "Print")},
    {"QPrintDialog", QT_TRANSLATE_NOOP("QPrintDialog", "&Print")},
    {"QPrintDialog", QT_TRANSLATE_NOOP("QPrintDialog", "&Options >>")},
    {"QPrintDialog", QT_TRANSLATE_NOOP("QPrintDialog", "&Options <<")},
    {"QPrintDialog", QT_TRANSLATE_NOOP("QPrintDialog", "Print to File (PDF)")},
    {"QPrintDialog", QT_TRANSLATE_NOOP("QPrintDialog", "Local file")},
    {"QPrintDialog", QT_TRANSLATE_NOOP("QPrintDialog", "Write PDF file")},
    {"QPrintWidget", QT_TRANSLATE_NOOP("QPrintWidget", "Printer")},
    {"QPrintWidget", QT_TRANSLATE_NOOP("QPrintWidget", "&Name:")},
    {"QPrintWidget", QT_TRANSLATE_NOOP("QPrintWidget", "P&roperties")},
    {"QPrintWidget", QT_TRANSLATE_NOOP("QPrintWidget", "Location:")},
    {"QPrintWidget", QT_TRANSLATE_NOOP("QPrintWidget", "Type:")},
    {"QPrintWidget", QT_TRANSLATE_NOOP("QPrintWidget", "Output &file:")},
    {"QPrintSettingsOutput", QT_TRANSLATE_NOOP("QPrintSettingsOutput", "Copies")},
    {"QPrintSettingsOutput", QT_TRANSLATE_NOOP("QPrintSettingsOutput", "Copies:")},
    {"QPrintSettingsOutput", QT_TRANSLATE_NOOP("QPrintSettingsOutput", "Print range")},
    {"QPrintSettingsOutput", QT_TRANSLATE_NOOP("QPrintSettingsOutput", "Print all")},
    {"QPrintSettingsOutput", QT_TRANSLATE_NOOP("QPrintSettingsOutput", "Pages from")},
    {"QPrintSettingsOutput", QT_TRANSLATE_NOOP("QPrintSettingsOutput", "to")},
    {"QPrintSettingsOutput", QT_TRANSLATE_NOOP("QPrintSettingsOutput", "Options")},
    {"QPrintSettingsOutput", QT_TRANSLATE_NOOP("QPrintSettingsOutput", "Color Mode")},
    {"QPrintSettingsOutput", QT_TRANSLATE_NOOP("QPrintSettingsOutput", "Color")},
    {"QPrintSettingsOutput", QT_TRANSLATE_NOOP("QPrintSettingsOutput", "Grayscale")},
};

}  // namespace

std::span<const DialogWord> DialogWords() { return kWords; }

}  // namespace pintaloo
