// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/captions.h"

#include "app/drawing_history.h"
#include "app/main_window.h"
#include "app/window_chrome.h"
#include "canvas/canvas_part.h"
#include "pages/command_buttons.h"
#include "pages/page_picker.h"
#include "toolbox/brush_size.h"
#include "toolbox/palette_part.h"
#include "toolbox/tool_buttons.h"

namespace pintaloo {

namespace {

struct LanguageText {
    const char* code;
    Caption caption;
    const char* text;
};

// One row a text. English and Romanian label everything; the other four
// only the page picker's title.
const LanguageText kTexts[] = {
    {"en", Caption::Wait, "Wait..."},
    {"en", Caption::PickerTitle, "Select a drawing"},
    {"en", Caption::Close, "Close me"},
    {"en", Caption::Minimise, "Minimize me"},
    {"en", Caption::NewPage, "New page"},
    {"en", Caption::ColouringPage, "New coloring page"},
    {"en", Caption::Save, "Save drawing"},
    {"en", Caption::Help, "Help/About"},
    {"en", Caption::Pencil, "Pencil"},
    {"en", Caption::ModelsBrush, "Models brush"},
    {"en", Caption::StampBrush, "Stamp brush"},
    {"en", Caption::Eraser, "Eraser"},
    {"en", Caption::Oil, "Oil drawing"},
    {"en", Caption::Fill, "Fill with color"},
    {"en", Caption::BrushSize, "Brush size"},
    {"en", Caption::Swatch, "Select the color"},
    {"ro", Caption::Wait, "Asteapta..."},
    {"ro", Caption::PickerTitle, "Alege un desen"},
    {"ro", Caption::Close, "Inchide-ma"},
    {"ro", Caption::Minimise, "Ascunde in bara"},
    {"ro", Caption::NewPage, "Pagina noua"},
    {"ro", Caption::ColouringPage, "Pagina de colorat noua"},
    {"ro", Caption::Save, "Salveaza desen"},
    {"ro", Caption::Help, "Ajutor/Despre"},
    {"ro", Caption::Pencil, "Creion"},
    {"ro", Caption::ModelsBrush, "Penson modele"},
    {"ro", Caption::StampBrush, "Penson stampila"},
    {"ro", Caption::Eraser, "Radiera"},
    {"ro", Caption::Oil, "Desen in ulei"},
    {"ro", Caption::Fill, "Umple cu culoare"},
    {"ro", Caption::BrushSize, "Dimensiune penson"},
    {"ro", Caption::Swatch, "Alege culoarea"},
    {"fr", Caption::PickerTitle, "Sélectionner un dessin"},
    {"ge", Caption::PickerTitle, "Wählen Sie eine Zeichnung"},
    {"it", Caption::PickerTitle, "Selezionare un disegno"},
    {"sp", Caption::PickerTitle, "Seleccione un dibujo"},
};

}  // namespace

CaptionTexts TextsFor(const QString& code) {
    CaptionTexts texts;
    bool any = false;
    for (const LanguageText& t : kTexts) {
        if (code != QLatin1String(t.code)) continue;
        texts.set(t.caption, QString::fromUtf8(t.text));
        any = true;
    }
    return any ? texts : TextsFor(QStringLiteral("en"));  // any other code, the empty one too
}

void Captions::SetLanguage(const QString& code) {
    const CaptionTexts texts = TextsFor(code);
    w_.canvasPart().applyCaptions(texts);
    w_.pagePicker().applyCaptions(texts);
    w_.chrome().applyCaptions(texts);
    w_.commands().applyCaptions(texts);
    w_.toolButtons().applyCaptions(texts);
    w_.brushSize().applyCaptions(texts);
    w_.palette().applyCaptions(texts);
    w_.drawingHistory().applyCaptions(texts);
}

}  // namespace pintaloo
