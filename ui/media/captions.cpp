#include "media/captions.h"

#include <array>

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

struct FullTexts {
    const char* code;
    const char* wait;
    const char* list;
    const char* close;
    const char* minimise;
    const char* newPage;         // KewlButtons2
    const char* colouringPage;   // KewlButtons1
    const char* save;            // KewlButtons3
    const char* help;            // KewlButtons4
    std::array<const char*, 6> tools;  // bBrush(0..5)
    const char* brushSize;
    const char* colour;
};

const FullTexts kFull[] = {
    {"en", "Wait...", "Select a drawing", "Close me", "Minimize me", "New page", "New coloring page", "Save drawing",
     "Help/About", {"Pencil", "Models brush", "Stamp brush", "Eraser", "Oil drawing", "Fill with color"}, "Brush size",
     "Select the color"},
    {"ro", "Asteapta...", "Alege un desen", "Inchide-ma", "Ascunde in bara", "Pagina noua", "Pagina de colorat noua",
     "Salveaza desen", "Ajutor/Despre",
     {"Creion", "Penson modele", "Penson stampila", "Radiera", "Desen in ulei", "Umple cu culoare"},
     "Dimensiune penson", "Alege culoarea"},
};

struct ListTitle {
    const char* code;
    const char* text;
};
const ListTitle kPartial[] = {
    {"fr", "Sélectionner un dessin"},
    {"ge", "Wählen Sie eine Zeichnung"},
    {"it", "Selezionare un disegno"},
    {"sp", "Seleccione un dibujo"},
};

}  // namespace

void Captions::SetLanguage(const QString& code) {
    for (const FullTexts& t : kFull) {
        if (code != QLatin1String(t.code)) continue;
        w_.canvasPart().lblWait->setCaption(QString::fromUtf8(t.wait));
        w_.pagePicker().lblList->setCaption(QString::fromUtf8(t.list));
        w_.chrome().Image5->setToolTip(QString::fromUtf8(t.close));
        w_.chrome().Image6->setToolTip(QString::fromUtf8(t.minimise));
        CommandButtons& c = w_.commands();
        c.button(2)->setToolTip(QString::fromUtf8(t.newPage));
        c.button(1)->setToolTip(QString::fromUtf8(t.colouringPage));
        c.button(3)->setToolTip(QString::fromUtf8(t.save));
        c.button(4)->setToolTip(QString::fromUtf8(t.help));
        for (int i = 0; i < 6; ++i) w_.toolButtons().bBrush[std::size_t(i)]->setToolTip(QString::fromUtf8(t.tools[std::size_t(i)]));
        for (Box* b : w_.brushSize().Label4) b->setToolTip(QString::fromUtf8(t.brushSize));
        for (Box* b : w_.palette().bColor) b->setToolTip(QString::fromUtf8(t.colour));
        return;
    }
    for (const ListTitle& t : kPartial) {
        if (code != QLatin1String(t.code)) continue;
        w_.pagePicker().lblList->setCaption(QString::fromUtf8(t.text));
        return;
    }
    SetLanguage(QStringLiteral("en"));  // any other code, the empty one too
}

}  // namespace pintaloo
