#include "pages/command_buttons.h"

#include "app/main_window.h"
#include "app/window_chrome.h"
#include "media/animation_panel.h"
#include "pages/drawing_files.h"
#include "pages/page_picker.h"
#include "resources/art_store.h"

namespace pintaloo {

namespace {
struct Command {
    int face;
    QRect place;
};
// KewlButtons1..4: the help button lies wholly outside the window.
constexpr const char* kFaces[4] = {"cmd_new_page", "cmd_colouring_page", "cmd_save", "cmd_help"};
const Command kCommands[4] = {{1, {704, 20, 49, 49}}, {0, {640, 20, 49, 49}}, {2, {768, 20, 49, 49}}, {3, {864, 16, 49, 49}}};

QPixmap Face(int face, bool hot) {
    return ArtStore::instance().pixmap(
        QStringLiteral(":/art/ui/%1%2.svg").arg(QLatin1String(kFaces[face]), hot ? QStringLiteral("_hot") : QString()), {49, 49});
}
}  // namespace

CommandButtons::CommandButtons(MainWindow& w) : w_(w) {
    for (int i = 0; i < 4; ++i) {
        Box* b = new Box(&w, QStringLiteral("KewlButtons%1").arg(i + 1), kCommands[i].place);
        b->setHandCursor(true);
        const int which = i + 1;
        b->onMouseMove = [this, which](int bt, int s, double x, double y) { KewlButtons_MouseMove(which, bt, s, x, y); };
        buttons_[std::size_t(i)] = b;
        normal_[std::size_t(i)] = Face(kCommands[i].face, false);
        hot_[std::size_t(i)] = Face(kCommands[i].face, true);
    }
    normalFaces();
    button(1)->onMouseDown = [this](int b, int s, double x, double y) { KewlButtons1_MouseDown(b, s, x, y); };
    button(2)->onMouseDown = [this](int b, int s, double x, double y) { KewlButtons2_MouseDown(b, s, x, y); };
    button(3)->onMouseDown = [&w](int b, int s, double x, double y) { w.files().KewlButtons3_MouseDown(b, s, x, y); };
    button(4)->onClick = [this] { KewlButtons4_Click(); };

    auto& r = w.registry;
    const std::vector<std::string> mouse = {"Button", "X", "Y"};
    r.add("KewlButtons1_MouseDown", mouse, [this](auto& a) { KewlButtons1_MouseDown(int(a[0]), 0, a[1], a[2]); });
    r.add("KewlButtons2_MouseDown", mouse, [this](auto& a) { KewlButtons2_MouseDown(int(a[0]), 0, a[1], a[2]); });
    r.add("KewlButtons4_Click", {}, [this](auto&) { KewlButtons4_Click(); });
    for (int which = 1; which <= 4; ++which)
        r.add("KewlButtons" + std::to_string(which) + "_MouseMove", mouse,
              [this, which](auto& a) { KewlButtons_MouseMove(which, int(a[0]), 0, a[1], a[2]); });
}

void CommandButtons::normalFaces() {
    for (std::size_t i = 0; i < 4; ++i) buttons_[i]->setPicture(normal_[i]);
}

void CommandButtons::KewlButtons2_MouseDown(int button, int, double, double) {
    if (button != 1) return;
    w_.animation().CloseAnimation(true);
    w_.pagePicker().pctOpen->hide();
    w_.ResetEditor();
}

void CommandButtons::KewlButtons1_MouseDown(int button, int, double, double) {
    if (button != 1) return;
    w_.animation().CloseAnimation(true);
    w_.pagePicker().open();
}

void CommandButtons::KewlButtons4_Click() { w_.PlayWaveSound(102); }

void CommandButtons::KewlButtons_MouseMove(int which, int, int, double, double) {
    w_.SetHandCursor(true);
    if (which == 3 || which == 4) w_.chrome().normalFaces();
    normalFaces();
    if (which >= 1 && which <= 4) button(which)->setPicture(hot_[std::size_t(which - 1)]);
}

}  // namespace pintaloo
