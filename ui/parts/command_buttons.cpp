// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts/command_buttons.h"

#include "ui/actions/layout.h"
#include "ui/words/texts.h"

#include "ui/art/art_store.h"

namespace pintaloo {

namespace {
// KewlButtons1..4, each at its action's slot (the help button's lies
// wholly outside the window).
constexpr const char* kActions[4] = {"NewColouringPage", "NewPage", "SaveDrawing", "ShowHelp"};
constexpr const char* kFaces[4] = {"cmd_colouring_page", "cmd_new_page", "cmd_save", "cmd_help"};
constexpr const char* kPointerOver[4] = {"PointerOverColouringPageCommand", "PointerOverNewPageCommand",
                                         "PointerOverSaveCommand", "PointerOverHelpCommand"};

QPixmap Face(int which, bool hot) {
    return ArtStore::instance().pixmap(
        QStringLiteral(":/art/ui/%1%2.svg").arg(QLatin1String(kFaces[which]), hot ? QStringLiteral("_hot") : QString()),
        {49, 49});
}
}  // namespace

CommandButtons::CommandButtons(WindowControls& c, const SoundPlayer& sounds, SpokenLanguage& spoken, Needs wiring)
    : needs(std::move(wiring)), c_(c), sounds_(sounds) {
    for (int i = 0; i < 4; ++i) {
        Box* b = new Box(&c.window, QStringLiteral("KewlButtons%1").arg(i + 1), PlaceOf(kActions[i]));
        b->setHandCursor(true);
        c.actions.bind(*b, BoxEvent::MouseMove, kPointerOver[i]);
        b->onLeave = [this] { normalFaces(); };  // off by any path, back to normal
        buttons_[std::size_t(i)] = b;
        normal_[std::size_t(i)] = Face(i, false);
        hot_[std::size_t(i)] = Face(i, true);
    }
    normalFaces();
    c.actions.bind(*button(1), BoxEvent::MouseDown, "NewColouringPage");
    c.actions.bind(*button(2), BoxEvent::MouseDown, "NewPage");
    c.actions.bind(*button(3), BoxEvent::MouseDown, "SaveDrawing");  // the drawing files save
    c.actions.bind(*button(4), BoxEvent::Click, "ShowHelp");
    spoken.whenLanguageChanges([this](Language language) { applyTexts(language); });
}

void CommandButtons::normalFaces() {
    for (std::size_t i = 0; i < 4; ++i) buttons_[i]->setPicture(normal_[i]);
}

void CommandButtons::NewPage(int button, double, double) {
    if (button != 1) return;
    needs.closeAnimations(true);
    needs.closePagePicker();
    needs.resetEditor();
}

void CommandButtons::NewColouringPage(int button, double, double) {
    if (button != 1) return;
    needs.closeAnimations(true);
    needs.openPagePicker();
}

void CommandButtons::ShowHelp() { sounds_.playWave(WaveSound::Click); }

void CommandButtons::PointerOverCommand(int which, int, double, double) {
    c_.setHandCursor(true);
    if (which == 3 || which == 4) needs.normalChromeFaces();
    normalFaces();
    button(which)->setPicture(hot_[std::size_t(which - 1)]);
}

void CommandButtons::applyTexts(Language language) {
    // By button, KewlButtons1 first.
    constexpr TextId kTips[4] = {TextId::NewColouringPage, TextId::NewPage, TextId::SaveDrawing, TextId::HelpAbout};
    for (int which = 1; which <= 4; ++which) button(which)->setToolTip(Text(kTips[which - 1], language));
}

}  // namespace pintaloo
