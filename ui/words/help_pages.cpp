// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/words/help_pages.h"

#include <QFile>
#include <QRegularExpression>
#include <QtGlobal>
#include <cstring>

#include "engine/toolbox/tools_table.h"
#include "ui/words/texts.h"
#include "ui/words/translation.h"

namespace pintaloo {

namespace {

struct HelpRow {
    const char* slot;  // the template's {{help:SLOT}}
    SourceText text;
};


// The paragraphs, in the order the page shows them. Code, paths and licence
// names come in as %1, %2... so no translation can break them.
constexpr HelpRow kHelp[] = {
    {"Title", QT_TRANSLATE_NOOP3("HelpPage", "Pintaloo: help and about", "The help window's page title.")},
    {"Intro", QT_TRANSLATE_NOOP3("HelpPage", "A painting program for young children. Pick a colour, pick a tool and paint on the big white page "
                  "with the mouse, a finger or a pen.", "")},
    {"BottomButtons", QT_TRANSLATE_NOOP3("HelpPage", "The buttons at the bottom", "A heading.")},
    {"Pencil", QT_TRANSLATE_NOOP3("HelpPage", "A crayon. Colouring over paint mixes the new colour in slowly. It never paints over the black "
                   "lines of a colouring page.", "")},
    {"Models", QT_TRANSLATE_NOOP3("HelpPage", "Opens a box of %1 special brushes: rings, spray, dots, a rainbow ribbon, balls, a pen, daisies, "
                   "stars, grass with flowers, splats, tiles, zigzags, bricks and more.", "%1 is how many (17 or more).")},
    {"Stamps", QT_TRANSLATE_NOOP3("HelpPage", "Opens the stamps: animals, vehicles, flowers, houses, suns, trees, clouds and people. Choose a "
                   "group, then a picture, then press on the page. Stamps come out smaller near the top of the page, "
                   "because things far away look small.", "")},
    {"Fill", QT_TRANSLATE_NOOP3("HelpPage", "Fills an area with the colour you chose.", "")},
    {"Eraser", QT_TRANSLATE_NOOP3("HelpPage", "Rubs paint away, but not the black lines of a colouring page.", "")},
    {"Oil", QT_TRANSLATE_NOOP3("HelpPage", "Turns the whole picture into an oil painting.", "")},
    {"Magic", QT_TRANSLATE_NOOP3("HelpPage", "Opens a box of %1 kinds of magic: brushes that paint or change the paint "
                  "under them, and tricks that change the whole picture at once.", "%1 is how many (16 or more).")},
    {"Shapes", QT_TRANSLATE_NOOP3("HelpPage", "Opens the shapes and a straight line. Press where the middle of the shape "
                   "goes and pull: the shape grows as you move, and stays on the page when you let go. Press the chosen "
                   "shape in the box again to paint it filled in, or as an outline only.", "")},
    {"Letters", QT_TRANSLATE_NOOP3("HelpPage", "Writes a word on your drawing, such as your name. Press on the page where it "
                    "goes, then type it on the keyboard or press the big letters on the board that opens. The arrow "
                    "takes back a letter; the tick or Enter puts the word on the page in your colour, at the size of "
                    "the bar you chose.", "")},
    {"Sizes", QT_TRANSLATE_NOOP3("HelpPage", "Four bars, from thin to thick. The chosen bar shows your colour.", "")},
    {"ColoursTitle", QT_TRANSLATE_NOOP3("HelpPage", "The colours", "A term in a list, like the button names around it.")},
    {"Colours", QT_TRANSLATE_NOOP3("HelpPage", "24 colours, each with its own little tune. The big box next to them shows your colour: press it "
                    "to watch a short cartoon.", "")},
    {"TopButtons", QT_TRANSLATE_NOOP3("HelpPage", "The buttons at the top", "A heading.")},
    {"NewPage", QT_TRANSLATE_NOOP3("HelpPage", "Starts again on a clean white page. The drawing you had goes into My drawings.",
         "'My drawings' is the gallery's name: use the same words as its button.")},
    {"ColouringPages", QT_TRANSLATE_NOOP3("HelpPage", "Leafs through 21 colouring pages. Press the big picture to colour it.", "")},
    {"OpenDrawing", QT_TRANSLATE_NOOP3("HelpPage", "In the colouring pages, opens a picture you saved before (BMP, JPEG or PNG).", "")},
    {"Save", QT_TRANSLATE_NOOP3("HelpPage", "Saves your picture in your Pictures folder, or wherever you choose. A PNG picture keeps its film "
                 "inside it.", "")},
    {"MyDrawings", QT_TRANSLATE_NOOP3("HelpPage", "Every drawing you leave for a new page is kept here, newest first. Press one to paint on it "
                       "again, press the bin twice to throw it away, or watch them all one after another.", "")},
    {"UndoRedo", QT_TRANSLATE_NOOP3("HelpPage", "Take back the last thing you painted, and bring it back again.", "")},
    {"Print", QT_TRANSLATE_NOOP3("HelpPage", "Prints your picture as big as the paper allows. You can also print to a PDF file.", "")},
    {"Sound", QT_TRANSLATE_NOOP3("HelpPage", "Turns the sounds and tunes off, and on again.", "")},
    {"Help", QT_TRANSLATE_NOOP3("HelpPage", "Opens this page.", "")},
    {"FilmTitle", QT_TRANSLATE_NOOP3("HelpPage", "The film", "A heading: the drawing played again from its first stroke.")},
    {"PlayFilm", QT_TRANSLATE_NOOP3("HelpPage", "Pintaloo remembers how you painted your picture. This plays it again from the first stroke, "
                     "like a film.", "")},
    {"SaveFilm", QT_TRANSLATE_NOOP3("HelpPage", "Saves that film as a moving picture (WebP) you can show to others.", "")},
    {"KeysTitle", QT_TRANSLATE_NOOP3("HelpPage", "Keys", "A heading.")},
    {"EscapeKey", QT_TRANSLATE_NOOP3("HelpPage", "Closes an open panel, and leaves full screen.", "")},
    {"FullScreenKey", QT_TRANSLATE_NOOP3("HelpPage", "Pintaloo fills the whole screen; press F11 or Esc again to go back.",
         "Follows the name 'Full screen'. Keep F11 and Esc as they are.")},
    {"QuitKey", QT_TRANSLATE_NOOP3("HelpPage", "Quit Pintaloo.", "")},
    {"KeyboardPainting", QT_TRANSLATE_NOOP3("HelpPage", "Tab moves from button to button and Space presses one. On the page, the arrow keys move "
                             "the brush and Space paints.", "Keep Tab and Space as they are written on the keys.")},
    {"AboutTitle", QT_TRANSLATE_NOOP3("HelpPage", "About", "A heading.")},
    {"Version", QT_TRANSLATE_NOOP3("HelpPage", "Pintaloo, version %1.", "%1 is the version number.")},
    {"CreditsTitle", QT_TRANSLATE_NOOP3("HelpPage", "Credits.", "")},
    {"Credits", QT_TRANSLATE_NOOP3("HelpPage", "Every picture, colouring page, sound and cartoon in Pintaloo was made for it by the Pintaloo team "
                    "and is kept with the program's source. Pintaloo is built on Qt, SDL_mixer and rlottie.", "")},
    {"LicenceTitle", QT_TRANSLATE_NOOP3("HelpPage", "Licence.", "")},
    {"Licence", QT_TRANSLATE_NOOP3("HelpPage", "Pintaloo is free software: its program code is under the GNU General Public License, version 3 "
                    "or later (%1); its pictures, sounds, cartoons and colouring pages are under the Creative Commons "
                    "Attribution-ShareAlike 4.0 licence (%2); its software-centre metadata is under %3. The full texts "
                    "come with the program, on Debian in %4.",
         "%1, %2 and %3 are the licences' short names, %4 a folder.")},
    {"GrownUpsTitle", QT_TRANSLATE_NOOP3("HelpPage", "For grown-ups.", "")},
    {"Languages", QT_TRANSLATE_NOOP3("HelpPage", "Pintaloo speaks the language of your desktop when it knows it, and English otherwise. Start it "
                      "with %1 to choose one of: %2. Pintaloo remembers it.",
         "%1 is the option as typed ('--lang CODE'), %2 the list of codes.")},
    {"Settings", QT_TRANSLATE_NOOP3("HelpPage", "Besides your pictures, Pintaloo keeps a few settings in %1: sound on or off, the language, full "
                     "screen and the folder you last used.", "%1 is a file.")},
    {"KeptDrawing", QT_TRANSLATE_NOOP3("HelpPage", "The drawing on the page is kept in %1 a moment after each change, so it comes back when "
                        "Pintaloo starts again, even after a crash. Drawings left for a new page go into %2.",
         "%1 and %2 are folders.")},
    {"Switches", QT_TRANSLATE_NOOP3("HelpPage", "For children who use one or two switches: start Pintaloo with %1 and the buttons light up one "
                     "after another; %2 gives one switch to move and one to press.",
         "%1 and %2 are options as typed.")},
};


const HelpRow* FindHelp(const QString& slot) {
    for (const HelpRow& row : kHelp)
        if (slot == QLatin1String(row.slot)) return &row;
    return nullptr;
}

// The texts the table names by id, for the buttons' names in the page.
struct NamedText {
    const char* name;
    TextId id;
};
constexpr NamedText kButtons[] = {
    {"ToolPencil", TextId::ToolPencil}, {"ToolModels", TextId::ToolModels}, {"ToolStamps", TextId::ToolStamps},
    {"ToolFill", TextId::ToolFill},     {"ToolEraser", TextId::ToolEraser}, {"ToolOil", TextId::ToolOil},
    {"ToolMagic", TextId::ToolMagic},   {"ToolShapes", TextId::ToolShapes}, {"ToolLetters", TextId::ToolLetters},
    {"BrushSize", TextId::BrushSize},   {"NewPage", TextId::NewPage},       {"NewColouringPage", TextId::NewColouringPage},
    {"OpenDrawing", TextId::OpenDrawing}, {"SaveDrawing", TextId::SaveDrawing}, {"MyDrawings", TextId::MyDrawings},
    {"Undo", TextId::Undo},             {"Redo", TextId::Redo},             {"Print", TextId::Print},
    {"SoundOnOff", TextId::SoundOnOff}, {"HelpAbout", TextId::HelpAbout},   {"PlayFilm", TextId::PlayFilm},
    {"SaveFilm", TextId::SaveFilm},     {"FullScreen", TextId::FullScreen},
};

const NamedText* FindButton(const QString& name) {
    for (const NamedText& row : kButtons)
        if (name == QLatin1String(row.name)) return &row;
    return nullptr;
}

// The paragraphs on the buttons with a picker, which count its entries (%1)
// and end with the help line of every tool in it that has one of its own
// (a tool row's `help`, engine/toolbox/tools/).
struct PickerSlot {
    const char* slot;
    ToolButton button;
};
constexpr PickerSlot kPickerSlots[] = {
    {"Models", ToolButton::Models}, {"Stamps", ToolButton::Stamps}, {"Magic", ToolButton::Magic},
    {"Shapes", ToolButton::Shapes}};

QString WithToolLines(ToolButton button, QString text, Language language) {
    if (text.contains(QLatin1String("%1"))) text = text.arg(EntriesOn(button));
    for (int entry = 0, n = EntriesOn(button); entry < n; ++entry) {
        const ToolRow* row = EntryOf(button, entry);
        if (!row || !row->help) continue;
        text += QStringLiteral("<br><b>%1</b>: %2")
                    .arg(Text(row->name, language).toHtmlEscaped(), Text(row->help, language).toHtmlEscaped());
    }
    return text;
}

QString Code(const char* text) { return QStringLiteral("<code>%1</code>").arg(QLatin1String(text)); }

// What goes into the paragraphs' placeholders, the same in every language.
QString Filled(const HelpRow& row, QString text, Language language) {
    const QString slot = QLatin1String(row.slot);
    for (const PickerSlot& picker : kPickerSlots)
        if (slot == QLatin1String(picker.slot)) return WithToolLines(picker.button, text, language);
    if (slot == QLatin1String("Version")) return text.arg(QStringLiteral(PINTALOO_HELP_VERSION));
    if (slot == QLatin1String("Licence"))
        return text.arg(QStringLiteral("GPL-3.0-or-later"), QStringLiteral("CC-BY-SA-4.0"), QStringLiteral("CC0 1.0"),
                        Code("/usr/share/doc/pintaloo/copyright"));
    if (slot == QLatin1String("Languages")) {
        // Each language's own code, with the older spellings German and Spanish also take.
        QStringList codes;
        for (int i = 0; i < kLanguageCount; ++i) codes << SystemLanguageCode(Language(i)).section(QLatin1Char('_'), 0, 0);
        return text.arg(Code("--lang CODE"), codes.join(QStringLiteral(", ")) + QStringLiteral(" (de: ge, es: sp)"));
    }
    if (slot == QLatin1String("Settings")) return text.arg(Code("~/.config/pintaloo/pintaloo.conf"));
    if (slot == QLatin1String("KeptDrawing"))
        return text.arg(Code("~/.local/state/pintaloo/drawing.png"), Code("~/Pictures/Pintaloo"));
    if (slot == QLatin1String("Switches")) return text.arg(Code("--scan"), Code("--two-switches"));
    return text;
}

QString ReadTemplate() {
    QFile file(QStringLiteral(":/help/help_template.html"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

const QRegularExpression& SlotPattern() {
    static const QRegularExpression pattern(QStringLiteral("\\{\\{(help|text|key(?=:)|lang|dir|font):?([\\w.]*)\\}\\}"));
    return pattern;
}

}  // namespace

QString HelpPageHtml(Language language, const std::vector<HelpKey>& keys) {
    QString page = ReadTemplate();
    QString list;
    for (const HelpKey& k : keys)
        list += QStringLiteral("<dt>%1</dt><dd dir=\"{{dir}}\">%2</dd>\n").arg(k.keys.toHtmlEscaped(), k.words);
    page.replace(QLatin1String("{{keys}}\n"), list);
    QString out;
    out.reserve(page.size() * 2);
    qsizetype from = 0;
    for (auto it = SlotPattern().globalMatch(page); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += QStringView(page).mid(from, m.capturedStart() - from);
        from = m.capturedEnd();
        const QString kind = m.captured(1);
        const QString name = m.captured(2);
        if (kind == QLatin1String("lang")) {
            out += SystemLanguageCode(language).replace(QLatin1Char('_'), QLatin1Char('-'));
        } else if (kind == QLatin1String("font")) {
            // The language's own face, so Japanese Han characters are drawn the Japanese way.
            if (const QString family = ScriptFamily(language); !family.isEmpty())
                out += QLatin1Char('"') + family + QStringLiteral("\", ");
        } else if (kind == QLatin1String("dir")) {
            out += RightToLeft(language) ? QStringLiteral("rtl") : QStringLiteral("ltr");
        } else if (kind == QLatin1String("text")) {
            if (const NamedText* b = FindButton(name)) out += Text(b->id, language).toHtmlEscaped();
        } else if (kind == QLatin1String("key")) {  // a text by its key (ui/words/texts.cpp)
            out += Text(name.toStdString(), language).toHtmlEscaped();
        } else if (const HelpRow* row = FindHelp(name)) {
            // Escaped before the placeholders are filled: what fills them is markup of our own.
            out += Filled(*row, Translate(language, "HelpPage", row->text.source, row->text.comment).toHtmlEscaped(),
                          language);
        }
    }
    out += QStringView(page).mid(from);
    return out;
}

QStringList HelpTemplateGaps() {
    QStringList gaps;
    const QString page = ReadTemplate();
    if (page.isEmpty()) return {QStringLiteral("the template itself")};
    for (auto it = SlotPattern().globalMatch(page); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString kind = m.captured(1), name = m.captured(2);
        if ((kind == QLatin1String("help") && !FindHelp(name)) || (kind == QLatin1String("text") && !FindButton(name)) ||
            (kind == QLatin1String("key") && !HasText(name.toStdString())))
            gaps << kind + QLatin1Char(':') + name;
    }
    return gaps;
}

}  // namespace pintaloo
