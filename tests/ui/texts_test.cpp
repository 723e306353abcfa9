// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/words/texts.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/words/launcher_words.h"
#include "ui/words/translation.h"

namespace pintaloo {
namespace {

const std::vector<Language> kAll = [] {
    std::vector<Language> all;
    for (int i = 0; i < kLanguageCount; ++i) all.push_back(Language(i));
    return all;
}();

std::string Name(Language l) { return LanguageCode(l).toStdString(); }

// The English sources a language's file marks unfinished: a text added to
// the tables is written into every file so by
// `scripts/check_translations.py --update`, and shows in English until its
// translator comes by (the check counts them). Read from the source tree's
// files, which the build compiled.
std::set<std::string> Unfinished(Language l) {
    std::set<std::string> sources;
    QFile file(QStringLiteral(PINTALOO_TRANSLATIONS "/pintaloo_%1.ts").arg(SystemLanguageCode(l)));
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "no translation file for " << Name(l);
        return sources;
    }
    QXmlStreamReader xml(&file);
    std::string source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"source") source = xml.readElementText().toStdString();
        else if (xml.name() == u"translation" && xml.attributes().value(QLatin1String("type")) == u"unfinished") sources.insert(source);
    }
    EXPECT_FALSE(xml.hasError()) << Name(l) << ": " << xml.errorString().toStdString();
    return sources;
}

// Every text of a language, by id and by key, each with what names it.
std::vector<std::pair<std::string, QString>> EveryText(Language l) {
    std::vector<std::pair<std::string, QString>> all;
    for (int i = 0; i < kTextCount; ++i) all.emplace_back("text " + std::to_string(i), Text(TextId(i), l));
    for (std::string_view key : TextKeys()) all.emplace_back("text " + std::string(key), Text(key, l));
    return all;
}

// The window's long-standing English captions: scripts, tests and the replay
// contract read them, so they are pinned here word for word. The other
// languages are the translators' to word (the check below and
// scripts/check_translations.py keep them complete).
TEST(TextsTest, LongStandingCaptionsKeptExactly) {
    const struct {
        TextId id;
        const char* en;
    } rows[] = {
        {TextId::Wait, "Wait..."},
        {TextId::PickerTitle, "Select a drawing"},
        {TextId::CloseWindow, "Close me"},
        {TextId::MinimiseWindow, "Minimize me"},
        {TextId::NewPage, "New page"},
        {TextId::NewColouringPage, "New coloring page"},
        {TextId::SaveDrawing, "Save drawing"},
        {TextId::HelpAbout, "Help/About"},
        {TextId::ToolPencil, "Pencil"},
        {TextId::ToolModels, "Models brush"},
        {TextId::ToolStamps, "Stamp brush"},
        {TextId::ToolEraser, "Eraser"},
        {TextId::ToolOil, "Oil drawing"},
        {TextId::ToolFill, "Fill with color"},
        {TextId::BrushSize, "Brush size"},
        {TextId::SelectColour, "Select the color"},
        // Texts the window and its messages already show in English.
        {TextId::OpenDrawing, "Open a drawing"},
        {TextId::NotAPicture, "This file is not a picture Pintaloo can open."},
        {TextId::UnknownExtension, "Pintaloo saves pictures as .bmp, .png or .jpg."},
        {TextId::DiskFull, "No space left on device"},
        {TextId::PlayFilm, "Watch it again"},
        {TextId::SaveFilm, "Save the film"},
        {TextId::StopFilm, "Stop"},
    };
    for (const auto& r : rows) EXPECT_EQ(Text(r.id, Language::English).toStdString(), r.en);
}

TEST(TextsTest, EveryTextInEveryLanguageIsCleanText) {
    // A byte sequence decoded twice shows up as "Ã" or "Â" followed by another character.
    const QRegularExpression doubleDecoded(QStringLiteral("[ÃÂ][\\x{80}-\\x{BF}\\x{A0}-\\x{FF}]"));
    for (Language l : kAll) {
        for (const auto& [name, t] : EveryText(l)) {
            SCOPED_TRACE(testing::Message() << name << " in " << Name(l) << ": " << t.toStdString());
            EXPECT_FALSE(t.isEmpty());
            EXPECT_EQ(t, t.trimmed());
            EXPECT_FALSE(t.contains(QChar::ReplacementCharacter));
            EXPECT_FALSE(doubleDecoded.match(t).hasMatch());
        }
    }
}

// No English anywhere: every text of every other language differs from the
// English one, but for the few that are rightly the same word there. A text
// a translator confirms is the same in their language gets a row here.
TEST(TextsTest, EveryLanguageIsReallyTranslated) {
    const std::set<TextId> sameEverywhere{TextId::FilterJpeg, TextId::FilterPng};  // names of file kinds
    const std::set<std::pair<TextId, Language>> sameIn{{TextId::ColourOrange, Language::French},
                                                       {TextId::ColourOrange, Language::German},
                                                       {TextId::ColourTurquoise, Language::French},
                                                       {TextId::ToolLetters, Language::Dutch}};
    std::vector<std::set<std::string>> unfinished;
    for (Language l : kAll) unfinished.push_back(l == Language::English ? std::set<std::string>{} : Unfinished(l));
    const auto waiting = [&unfinished](Language l, const std::string& english) {
        return unfinished[std::size_t(l)].contains(english);
    };
    for (int i = 0; i < kTextCount; ++i) {
        if (sameEverywhere.contains(TextId(i))) continue;
        const QString english = Text(TextId(i), Language::English);
        for (Language l : kAll) {
            if (l == Language::English || sameIn.contains({TextId(i), l}) || waiting(l, english.toStdString()))
                continue;
            EXPECT_NE(Text(TextId(i), l).toStdString(), english.toStdString()) << "text " << i << " in " << Name(l);
        }
    }
    // Shape names that are the same word there.
    const std::set<std::pair<std::string_view, Language>> keySameIn{
        {"shape.rectangle.name", Language::French}, {"shape.triangle.name", Language::French},
        {"shape.oval.name", Language::German},      {"shape.oval.name", Language::Romanian},
        {"shape.oval.name", Language::Portuguese},  {"shape.oval.name", Language::Turkish}};
    for (std::string_view key : TextKeys()) {
        for (Language l : kAll) {
            const std::string english = Text(key, Language::English).toStdString();
            if (l == Language::English || keySameIn.contains({key, l}) || waiting(l, english)) continue;
            EXPECT_NE(Text(key, l).toStdString(), english) << key << " in " << Name(l);
        }
    }
    // The launcher's and software centre's words too.
    for (const LauncherWord& word : LauncherWords()) {
        for (Language l : kAll) {
            if (l == Language::English || waiting(l, word.text.source)) continue;
            EXPECT_NE(Translate(l, "Launcher", word.text.source, word.text.comment).toStdString(), word.text.source)
                << word.slot << " in " << Name(l);
        }
    }
}

TEST(TextsTest, NoTwoTextsOfALanguageAlike) {
    // A row pasted twice would give two buttons the same tooltip.
    for (Language l : kAll) {
        QSet<QString> seen;
        for (const auto& [name, t] : EveryText(l)) {
            EXPECT_FALSE(seen.contains(t)) << Name(l) << ": " << t.toStdString();
            seen.insert(t);
        }
    }
    // And a key is one text's only.
    std::set<std::string_view> keys;
    for (std::string_view key : TextKeys()) EXPECT_TRUE(keys.insert(key).second) << key << " twice";
    EXPECT_FALSE(HasText("no.such.key"));
    EXPECT_TRUE(Text("no.such.key", Language::English).isEmpty());
}

TEST(TextsTest, PlaceholdersAndFixedWordsSurviveTranslation) {
    // Qt's arg() fills %1..%99, and %L1 with the number in the language's digits.
    const QRegularExpression placeholder(QStringLiteral("%L?[1-9][0-9]?"));
    auto placeholders = [&](const QString& t) {
        QStringList found;
        for (auto it = placeholder.globalMatch(t); it.hasNext();) found << it.next().captured();
        found.sort();
        return found;
    };
    const auto english = EveryText(Language::English);
    for (Language l : kAll) {
        const auto texts = EveryText(l);
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const QString& t = texts[i].second;
            const QString& en = english[i].second;
            SCOPED_TRACE(testing::Message() << texts[i].first << " in " << Name(l));
            EXPECT_EQ(placeholders(t), placeholders(en));
            // The program's name and the file endings are never translated.
            for (const char* fixed : {"Pintaloo", ".bmp", ".png", ".jpg"}) {
                if (en.contains(QLatin1String(fixed))) {
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
