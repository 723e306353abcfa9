// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/words/help_pages.h"

#include <gtest/gtest.h>

#include "engine/toolbox/tools_table.h"
#include "ui/window/window_actions.h"
#include "ui/words/texts.h"

namespace pintaloo {
namespace {

// Every language's page, with what it tells a browser and a screen reader.
QString Page(int l) { return HelpPageHtml(Language(l), HelpKeys(Language(l))); }

TEST(HelpPagesTest, TheTemplateNamesOnlyTextsThatExist) { EXPECT_TRUE(HelpTemplateGaps().isEmpty()) << HelpTemplateGaps().join(u' ').toStdString(); }

TEST(HelpPagesTest, EveryLanguageHasAWholePage) {
    for (int l = 0; l < kLanguageCount; ++l) {
        SCOPED_TRACE(LanguageCode(Language(l)).toStdString());
        const QString page = Page(l);
        const QString lang = SystemLanguageCode(Language(l)).replace(u'_', u'-');
        const QString dir = RightToLeft(Language(l)) ? QStringLiteral("rtl") : QStringLiteral("ltr");
        EXPECT_TRUE(page.contains(QStringLiteral("<html lang=\"%1\" dir=\"%2\">").arg(lang, dir)));
        EXPECT_TRUE(page.contains(QLatin1String("<meta charset=\"utf-8\">")));
        EXPECT_FALSE(page.contains(QChar::ReplacementCharacter));
        EXPECT_FALSE(page.contains(QLatin1String("{{"))) << "a slot left unfilled";
        EXPECT_TRUE(page.trimmed().endsWith(QLatin1String("</html>")));
    }
}

// The keys as the action table binds them, and what every language tells a
// parent the same way: the licences, --lang and its codes, the switches.
TEST(HelpPagesTest, EveryPageListsTheKeysLicencesAndOptions) {
    std::vector<QString> musts;
    for (const WindowActionRow& row : WindowActionRows())
        for (const ActionKey& k : row.action.keys) musts.push_back(QString::fromLatin1(k.keys));
    ASSERT_FALSE(musts.empty());
    for (const char* m : {"GPL-3.0-or-later", "CC-BY-SA-4.0", "CC0 1.0", "--lang", "--scan", "--two-switches", " ar,",
                          " zh,", " ge,", " sp)"})
        musts.push_back(QString::fromLatin1(m));
    for (int l = 0; l < kLanguageCount; ++l) {
        SCOPED_TRACE(LanguageCode(Language(l)).toStdString());
        const QString page = Page(l).simplified();
        for (const QString& must : musts) EXPECT_TRUE(page.contains(must)) << must.toStdString();
    }
}

// A child (or a parent) reads the tooltip, then looks for the same words in
// the help: the film's buttons and the gallery's among them.
TEST(HelpPagesTest, PagesNameTheButtonsAsTheirTooltipsDo) {
    const TextId buttons[] = {TextId::ToolPencil, TextId::ToolModels,  TextId::ToolStamps, TextId::ToolEraser,
                              TextId::ToolOil,    TextId::ToolFill,    TextId::NewPage,    TextId::SaveDrawing,
                              TextId::OpenDrawing, TextId::Undo,       TextId::Redo,       TextId::Print,
                              TextId::SoundOnOff, TextId::FullScreen,  TextId::PlayFilm,   TextId::SaveFilm,
                              TextId::MyDrawings};
    for (int l = 0; l < kLanguageCount; ++l) {
        SCOPED_TRACE(LanguageCode(Language(l)).toStdString());
        const QString page = Page(l);
        for (TextId id : buttons) {
            const QString name = Text(id, Language(l)).toHtmlEscaped();
            EXPECT_TRUE(page.contains(name, Qt::CaseInsensitive)) << name.toStdString();
        }
    }
}

// The models' paragraph counts the brushes the picker holds, in every
// language, and every tool with a help line of its own has it, under its
// name, on the page.
TEST(HelpPagesTest, ThePageCountsTheBrushesAndGivesEveryToolsLine) {
    for (int l = 0; l < kLanguageCount; ++l) {
        SCOPED_TRACE(LanguageCode(Language(l)).toStdString());
        const QString page = Page(l);
        for (ToolButton b : {ToolButton::Models, ToolButton::Magic})
            EXPECT_TRUE(page.contains(QString::number(EntriesOn(b)))) << EntriesOn(b);
        EXPECT_FALSE(page.contains(QLatin1String("%1"))) << "a placeholder left unfilled";
        for (const ToolRow& row : ToolRows()) {
            if (!row.help) continue;
            EXPECT_TRUE(page.contains(Text(row.name, Language(l)).toHtmlEscaped())) << row.name;
            EXPECT_TRUE(page.contains(Text(row.help, Language(l)).toHtmlEscaped())) << row.help;
        }
    }
}

}  // namespace
}  // namespace pintaloo
