// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/words/help_pages.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QRegularExpression>

#include "ui/window/window_actions.h"
#include "ui/words/texts.h"

namespace pintaloo {
namespace {

struct PageRow {
    Language language;
    const char* address;
    const char* htmlLang;  // what a browser and a screen reader are told
};

const PageRow kPages[] = {
    {Language::English, ":/help/index.html", "en"},    {Language::Romanian, ":/help/index.ro.html", "ro"},
    {Language::French, ":/help/index.fr.html", "fr"},  {Language::German, ":/help/index.ge.html", "de"},
    {Language::Italian, ":/help/index.it.html", "it"}, {Language::Spanish, ":/help/index.sp.html", "es"},
};

QString Read(const QString& address) {
    QFile f(address);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.readAll());
}

TEST(HelpPagesTest, EveryLanguageHasItsOwnPage) {
    for (const PageRow& r : kPages) {
        SCOPED_TRACE(r.address);
        EXPECT_EQ(HelpPageFor(r.language), QLatin1String(r.address));
        const QString page = Read(HelpPageFor(r.language));
        ASSERT_FALSE(page.isEmpty()) << "page missing from the embedded files";
        EXPECT_TRUE(page.contains(QStringLiteral("<html lang=\"%1\">").arg(QLatin1String(r.htmlLang))));
        EXPECT_TRUE(page.contains(QLatin1String("<meta charset=\"utf-8\">")));
        EXPECT_FALSE(page.contains(QChar::ReplacementCharacter));
        EXPECT_TRUE(page.trimmed().endsWith(QLatin1String("</html>")));
    }
}

// The keys as the action table binds them ("Esc" is read within "Escape").
TEST(HelpPagesTest, EveryPageListsTheKeys) {
    std::vector<const char*> keys;
    for (const WindowActionRow& row : WindowActionRows())
        for (const ActionKey& k : row.action.keys) keys.push_back(k.keys);
    ASSERT_FALSE(keys.empty());
    for (const PageRow& r : kPages) {
        SCOPED_TRACE(r.address);
        const QString page = Read(QLatin1String(r.address));
        for (const char* key : keys) EXPECT_TRUE(page.contains(QLatin1String(key))) << key;
    }
}

TEST(HelpPagesTest, PagesNameTheButtonsAsTheirTooltipsDo) {
    // A child (or a parent) reads the tooltip, then looks for the same words in the help.
    const TextId buttons[] = {TextId::ToolPencil,  TextId::ToolModels, TextId::ToolStamps, TextId::ToolEraser,
                              TextId::ToolOil,     TextId::ToolFill,   TextId::NewPage,    TextId::SaveDrawing,
                              TextId::OpenDrawing, TextId::Undo,       TextId::Redo,       TextId::Print,
                              TextId::SoundOnOff,  TextId::FullScreen};
    for (const PageRow& r : kPages) {
        SCOPED_TRACE(r.address);
        const QString page = Read(QLatin1String(r.address));
        for (TextId id : buttons) {
            const QString name = Text(id, r.language);
            EXPECT_TRUE(page.contains(name, Qt::CaseInsensitive)) << name.toStdString();
        }
    }
}

// Every language tells a parent the same: which licence covers what, and
// both spellings of the codes --lang takes.
TEST(HelpPagesTest, EveryPageNamesTheLicencesAndTheLanguageCodes) {
    const char* const musts[] = {
        "GPL-3.0-or-later", "CC-BY-SA-4.0", "CC0 1.0", "--lang", " de ", " ge,", " es ", " sp)"};
    for (const PageRow& r : kPages) {
        SCOPED_TRACE(r.address);
        const QString page = Read(QLatin1String(r.address)).simplified();
        for (const char* must : musts) EXPECT_TRUE(page.contains(QLatin1String(must))) << must;
    }
}

}  // namespace
}  // namespace pintaloo
