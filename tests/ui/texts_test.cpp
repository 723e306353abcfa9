// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/words/texts.h"

#include <gtest/gtest.h>
#include <QRegularExpression>
#include <QSet>

#include <array>

namespace pintaloo {
namespace {

constexpr std::array<Language, kLanguageCount> kAll{Language::English, Language::Romanian, Language::French,
                                                    Language::German,  Language::Italian,  Language::Spanish};

std::string Name(Language l) { return LanguageCode(l).toStdString(); }

// The window's long-standing captions: changing one changes what a child
// has always seen, so they are pinned here word for word.
TEST(TextsTest, LongStandingCaptionsKeptExactly) {
    const struct {
        TextId id;
        const char* en;
        const char* ro;
    } rows[] = {
        {TextId::Wait, "Wait...", "Asteapta..."},
        {TextId::PickerTitle, "Select a drawing", "Alege un desen"},
        {TextId::CloseWindow, "Close me", "Inchide-ma"},
        {TextId::MinimiseWindow, "Minimize me", "Ascunde in bara"},
        {TextId::NewPage, "New page", "Pagina noua"},
        {TextId::NewColouringPage, "New coloring page", "Pagina de colorat noua"},
        {TextId::SaveDrawing, "Save drawing", "Salveaza desen"},
        {TextId::HelpAbout, "Help/About", "Ajutor/Despre"},
        {TextId::ToolPencil, "Pencil", "Creion"},
        {TextId::ToolModels, "Models brush", "Penson modele"},
        {TextId::ToolStamps, "Stamp brush", "Penson stampila"},
        {TextId::ToolEraser, "Eraser", "Radiera"},
        {TextId::ToolOil, "Oil drawing", "Desen in ulei"},
        {TextId::ToolFill, "Fill with color", "Umple cu culoare"},
        {TextId::BrushSize, "Brush size", "Dimensiune penson"},
        {TextId::SelectColour, "Select the color", "Alege culoarea"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.en);
        EXPECT_EQ(Text(r.id, Language::English), QString::fromUtf8(r.en));
        EXPECT_EQ(Text(r.id, Language::Romanian), QString::fromUtf8(r.ro));
    }
    EXPECT_EQ(Text(TextId::PickerTitle, Language::French), QString::fromUtf8("Sélectionner un dessin"));
    EXPECT_EQ(Text(TextId::PickerTitle, Language::German), QString::fromUtf8("Wählen Sie eine Zeichnung"));
    EXPECT_EQ(Text(TextId::PickerTitle, Language::Italian), QString::fromUtf8("Selezionare un disegno"));
    EXPECT_EQ(Text(TextId::PickerTitle, Language::Spanish), QString::fromUtf8("Seleccione un dibujo"));
    // Texts the window and its messages already show in English.
    EXPECT_EQ(Text(TextId::OpenDrawing, Language::English), QLatin1String("Open a drawing"));
    EXPECT_EQ(Text(TextId::NotAPicture, Language::English),
              QLatin1String("This file is not a picture Pintaloo can open."));
    EXPECT_EQ(Text(TextId::UnknownExtension, Language::English),
              QLatin1String("Pintaloo saves pictures as .bmp, .png or .jpg."));
    EXPECT_EQ(Text(TextId::DiskFull, Language::English), QLatin1String("No space left on device"));
    EXPECT_EQ(Text(TextId::PlayFilm, Language::English), QLatin1String("Watch it again"));
    EXPECT_EQ(Text(TextId::SaveFilm, Language::English), QLatin1String("Save the film"));
    EXPECT_EQ(Text(TextId::StopFilm, Language::English), QLatin1String("Stop"));
}

TEST(TextsTest, EveryTextInEveryLanguageIsCleanText) {
    // A byte sequence decoded twice shows up as "Ã" or "Â" followed by another character.
    const QRegularExpression doubleDecoded(QStringLiteral("[ÃÂ][\\x{80}-\\x{BF}\\x{A0}-\\x{FF}]"));
    for (int i = 0; i < kTextCount; ++i) {
        for (Language l : kAll) {
            const QString t = Text(TextId(i), l);
            SCOPED_TRACE(testing::Message() << "text " << i << " in " << Name(l) << ": " << t.toStdString());
            EXPECT_FALSE(t.isEmpty());
            EXPECT_EQ(t, t.trimmed());
            EXPECT_FALSE(t.contains(QChar::ReplacementCharacter));
            EXPECT_FALSE(doubleDecoded.match(t).hasMatch());
        }
    }
}

TEST(TextsTest, EveryLanguageIsReallyTranslated) {
    // Names of file kinds read the same everywhere, and French and German
    // say orange (and French turquoise) as English does; any other text
    // equal to the English one is a row someone forgot to translate.
    const QSet<int> sameEverywhere{int(TextId::FilterJpeg), int(TextId::FilterPng), int(TextId::ColourOrange),
                                   int(TextId::ColourTurquoise)};
    for (int i = 0; i < kTextCount; ++i) {
        if (sameEverywhere.contains(i)) continue;
        const QString english = Text(TextId(i), Language::English);
        for (Language l : kAll) {
            if (l == Language::English) continue;
            EXPECT_NE(Text(TextId(i), l), english) << "text " << i << " in " << Name(l);
        }
    }
}

TEST(TextsTest, NoTwoTextsOfALanguageAlike) {
    // A row pasted twice would give two buttons the same tooltip.
    for (Language l : kAll) {
        QSet<QString> seen;
        for (int i = 0; i < kTextCount; ++i) {
            const QString t = Text(TextId(i), l);
            EXPECT_FALSE(seen.contains(t)) << Name(l) << ": " << t.toStdString();
            seen.insert(t);
        }
    }
}

TEST(TextsTest, PlaceholdersAndFixedWordsSurviveTranslation) {
    const QRegularExpression placeholder(QStringLiteral("%\\d"));
    auto placeholders = [&](const QString& t) {
        QStringList found;
        for (auto it = placeholder.globalMatch(t); it.hasNext();) found << it.next().captured();
        found.sort();
        return found;
    };
    for (int i = 0; i < kTextCount; ++i) {
        const QString english = Text(TextId(i), Language::English);
        for (Language l : kAll) {
            const QString t = Text(TextId(i), l);
            SCOPED_TRACE(testing::Message() << "text " << i << " in " << Name(l));
            EXPECT_EQ(placeholders(t), placeholders(english));
            // The program's name and the file endings are never translated.
            for (const char* fixed : {"Pintaloo", ".bmp", ".png", ".jpg"}) {
                if (english.contains(QLatin1String(fixed))) {
                    EXPECT_TRUE(t.contains(QLatin1String(fixed))) << fixed;
                }
            }
        }
    }
    EXPECT_EQ(Text(TextId::SaveFailed, Language::German)
                  .arg(QStringLiteral("/a.bmp"), QStringLiteral("voll"))
                  .count(QStringLiteral("/a.bmp")),
              1);
}

TEST(TextsTest, FileDialogFilters) {
    EXPECT_EQ(OpenFilter(Language::English),
              QLatin1String(
                  "Pictures (*.bmp *.jpg *.jpeg *.png);;Windows Bitmap (*.bmp);;JPG/JPEG (*.jpg *.jpeg);;PNG (*.png)"));
    EXPECT_EQ(SaveFilter(Language::English),
              QLatin1String("PNG (*.png);;Windows Bitmap (*.bmp);;JPG/JPEG (*.jpg *.jpeg)"));
    // In every language the same patterns in the same order, each after its translated name.
    const QRegularExpression entry(QStringLiteral("^(.+) \\(([^()]+)\\)$"));
    auto patterns = [&](const QString& filter, QStringList* names) {
        QStringList out;
        for (const QString& item : filter.split(QStringLiteral(";;"))) {
            const auto m = entry.match(item);
            EXPECT_TRUE(m.hasMatch()) << item.toStdString();
            out << m.captured(2);
            if (names) *names << m.captured(1);
        }
        return out;
    };
    for (Language l : kAll) {
        SCOPED_TRACE(Name(l));
        QStringList names;
        EXPECT_EQ(patterns(OpenFilter(l), &names), patterns(OpenFilter(Language::English), nullptr));
        EXPECT_EQ(names, (QStringList{Text(TextId::FilterPictures, l), Text(TextId::FilterBmp, l),
                                      Text(TextId::FilterJpeg, l), Text(TextId::FilterPng, l)}));
        EXPECT_EQ(patterns(SaveFilter(l), nullptr), patterns(SaveFilter(Language::English), nullptr));
    }
}

TEST(TextsTest, OutOfRangeGivesNothing) {
    EXPECT_TRUE(Text(TextId(kTextCount), Language::English).isEmpty());
    EXPECT_TRUE(Text(TextId::Undo, Language(kLanguageCount)).isEmpty());
}

}  // namespace
}  // namespace pintaloo
