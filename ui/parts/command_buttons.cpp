// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts/command_buttons.h"

#include "ui/window/main_window.h"
#include "ui/parts/window_chrome.h"
#include "ui/parts/animation_panel.h"
#include "ui/parts/captions.h"
#include "ui/parts/drawing_files.h"
#include "ui/parts/page_picker.h"
#include "ui/art/art_store.h"

namespace pintaloo {

namespace {
struct Command {
    int face;
    QRect place;
};
// KewlButtons1..4: the help button lies wholly outside the window.
constexpr const char* kFaces[4] = {"cmd_new_page", "cmd_colouring_page", "cmd_save", "cmd_help"};
const Command kCommands[4] = {
    {1, {704, 20, 49, 49}}, {0, {640, 20, 49, 49}}, {2, {768, 20, 49, 49}}, {3, {864, 16, 49, 49}}};
constexpr const char* kPointerOver[4] = {"PointerOverColouringPageCommand", "PointerOverNewPageCommand",
                                         "PointerOverSaveCommand", "PointerOverHelpCommand"};

QPixmap Face(int face, bool hot) {
    return ArtStore::instance().pixmap(
        QStringLiteral(":/art/ui/%1%2.svg").arg(QLatin1String(kFaces[face]), hot ? QStringLiteral("_hot") : QString()),
        {49, 49});
}
}  // namespace

CommandButtons::CommandButtons(MainWindow& w) : w_(w) {
    for (int i = 0; i < 4; ++i) {
        Box* b = new Box(&w, QStringLiteral("KewlButtons%1").arg(i + 1), kCommands[i].place);
        b->setHandCursor(true);
        w.actions.bind(*b, BoxEvent::MouseMove, kPointerOver[i]);
        b->onLeave = [this] { normalFaces(); };  // off by any path, back to normal
        buttons_[std::size_t(i)] = b;
        normal_[std::size_t(i)] = Face(kCommands[i].face, false);
        hot_[std::size_t(i)] = Face(kCommands[i].face, true);
    }
    normalFaces();
    w.actions.bind(*button(1), BoxEvent::MouseDown, "NewColouringPage");
    w.actions.bind(*button(2), BoxEvent::MouseDown, "NewPage");
    w.actions.bind(*button(3), BoxEvent::MouseDown, "SaveDrawing");  // the drawing files save
    w.actions.bind(*button(4), BoxEvent::Click, "ShowHelp");
}

void CommandButtons::normalFaces() {
    for (std::size_t i = 0; i < 4; ++i) buttons_[i]->setPicture(normal_[i]);
}

void CommandButtons::NewPage(int button, double, double) {
    if (button != 1) return;
    w_.animation().CloseAnimation(true);
    w_.pagePicker().close();
    w_.ResetEditor();
}

void CommandButtons::NewColouringPage(int button, double, double) {
    if (button != 1) return;
    w_.animation().CloseAnimation(true);
    w_.pagePicker().open();
}

void CommandButtons::ShowHelp() { w_.PlayWaveSound(102); }

void CommandButtons::PointerOverCommand(int which, int, double, double) {
    w_.SetHandCursor(true);
    if (which == 3 || which == 4) w_.chrome().normalFaces();
    normalFaces();
    if (which >= 1 && which <= 4) button(which)->setPicture(hot_[std::size_t(which - 1)]);
}

void CommandButtons::applyCaptions(const CaptionTexts& texts) {
    // By button, KewlButtons1 first.
    constexpr Caption kTips[4] = {Caption::ColouringPage, Caption::NewPage, Caption::Save, Caption::Help};
    for (int which = 1; which <= 4; ++which)
        if (const auto& t = texts[kTips[which - 1]]) button(which)->setToolTip(*t);
}

}  // namespace pintaloo
