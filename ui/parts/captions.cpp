// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts/captions.h"

#include <utility>

#include "ui/parts/comfort_buttons.h"
#include "ui/parts/drawing_history.h"
#include "ui/window/main_window.h"
#include "ui/parts/window_chrome.h"
#include "ui/parts/canvas_part.h"
#include "ui/parts/help_link.h"
#include "ui/words/texts.h"
#include "ui/parts/command_buttons.h"
#include "ui/parts/page_picker.h"
#include "ui/parts/brush_size.h"
#include "ui/parts/palette_part.h"
#include "ui/parts/tool_buttons.h"

namespace pintaloo {

namespace {

// What each caption says, by the text it takes from the one table of words.
constexpr std::pair<Caption, TextId> kCaptionText[] = {
    {Caption::Wait, TextId::Wait},
    {Caption::PickerTitle, TextId::PickerTitle},
    {Caption::OpenDrawing, TextId::OpenDrawing},
    {Caption::HelpLine, TextId::HelpLine},
    {Caption::Close, TextId::CloseWindow},
    {Caption::Minimise, TextId::MinimiseWindow},
    {Caption::NewPage, TextId::NewPage},
    {Caption::ColouringPage, TextId::NewColouringPage},
    {Caption::Save, TextId::SaveDrawing},
    {Caption::Help, TextId::HelpAbout},
    {Caption::Pencil, TextId::ToolPencil},
    {Caption::ModelsBrush, TextId::ToolModels},
    {Caption::StampBrush, TextId::ToolStamps},
    {Caption::Eraser, TextId::ToolEraser},
    {Caption::Oil, TextId::ToolOil},
    {Caption::Fill, TextId::ToolFill},
    {Caption::BrushSize, TextId::BrushSize},
    {Caption::Swatch, TextId::SelectColour},
    {Caption::Undo, TextId::Undo},
    {Caption::Redo, TextId::Redo},
    {Caption::Print, TextId::Print},
    {Caption::Sound, TextId::SoundOnOff},
    {Caption::FullScreen, TextId::FullScreen},
    {Caption::ClosePanel, TextId::ClosePanel},
    {Caption::PlayFilm, TextId::PlayFilm},
    {Caption::SaveFilm, TextId::SaveFilm},
    {Caption::StopFilm, TextId::StopFilm},
};
static_assert(std::size(kCaptionText) == std::size_t(Caption::Count), "every caption has its text");

}  // namespace

CaptionTexts TextsFor(Language language) {
    CaptionTexts texts;
    for (const auto& [caption, id] : kCaptionText) texts.set(caption, Text(id, language));
    // The help line names the version it belongs to.
    texts.set(Caption::HelpLine, Text(TextId::HelpLine, language).arg(QStringLiteral(PINTALOO_VERSION)));
    return texts;
}

namespace {
// Only the program's own codes, exactly as written: a system spelling ("de",
// "fr_FR") is the business of the language choice at start, not of a caller here.
Language ProgramLanguage(const QString& code) {
    for (int i = 0; i < kLanguageCount; ++i)
        if (code == LanguageCode(Language(i))) return Language(i);
    return Language::English;
}
}  // namespace

CaptionTexts TextsFor(const QString& code) { return TextsFor(ProgramLanguage(code)); }

void Captions::SetLanguage(const QString& code) { SetLanguage(ProgramLanguage(code)); }

void Captions::SetLanguage(Language language) {
    w_.language = language;
    const CaptionTexts texts = TextsFor(language);
    w_.canvasPart().applyCaptions(texts);
    w_.pagePicker().applyCaptions(texts);
    w_.chrome().applyCaptions(texts);
    w_.commands().applyCaptions(texts);
    w_.toolButtons().applyCaptions(texts);
    w_.brushSize().applyCaptions(texts);
    w_.palette().applyCaptions(texts);
    w_.helpLink().applyCaptions(texts);
    w_.comfort().applyCaptions(texts);
    w_.drawingHistory().applyCaptions(texts);
}

}  // namespace pintaloo
