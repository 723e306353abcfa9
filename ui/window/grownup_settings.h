// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The grown-up's settings window: big pages down one side (an icon and a
// word each) and big controls on the page shown. A change is kept in the
// settings at once and, where the running window can follow it (sound,
// language, full screen, scanning), applied at once through the function
// given for it; the rest is read where it is used. A key the school locked
// shows its value greyed, with a padlock and a word saying so, and cannot
// be changed.
//
// It is given only what it changes, never the window: other pages (the
// children, collecting the week) come in by addPage.
#include <QDialog>
#include <QIcon>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "ui/platform/settings.h"
#include "ui/words/language.h"

class QListWidget;
class QStackedWidget;
class QPushButton;
class QLabel;

namespace pintaloo {

class GrownUpSettings final : public QDialog {
public:
    struct Roles {
        SettingsPort* settings = nullptr;  // required
        Language language = Language::English;
        std::function<void(bool)> applySound;
        std::function<void(Language)> applyLanguage;
        std::function<void(bool)> applyFullScreen;
        // Seconds between scanning steps (0: off) and one switch or two.
        std::function<void(int seconds, int switches)> applyScan;
        // A folder from the desktop's folder dialog; nothing when cancelled.
        std::function<std::optional<QString>(const QString& title, const QString& start)> chooseFolder;
        // Where drawings are kept while no folder is chosen.
        QString usualFolder;
    };

    explicit GrownUpSettings(Roles roles, QWidget* parent = nullptr);

    // One more page at the end of the side list.
    void addPage(const QString& title, const QIcon& icon, QWidget* page);
    int pageCount() const;
    void showPage(int index);
    Language language() const { return roles_.language; }

private:
    QWidget* newPage(const char* titleKey, const char* art);
    QWidget* switchRow(QWidget* page, const char* textKey, SettingKey key, const char* name,
                       std::function<bool()> get, std::function<void(bool)> set);
    struct Choice {
        QString literal;              // shown as it is (a language's own name, a number)
        const char* textKey = nullptr;  // or a text in the window's language
        int value = 0;
    };
    QWidget* choiceRow(QWidget* page, const char* headingKey, SettingKey key, const char* name,
                       std::vector<Choice> choices, int columns, std::function<int()> get,
                       std::function<void(int)> set);
    QWidget* schoolLine(SettingKey key);
    QWidget* folderRows(QWidget* page);
    void showFolder();
    void setLanguage(Language language);
    void retext();
    void fitList();

    Roles roles_;
    QListWidget* list_;
    QStackedWidget* pages_;
    QPushButton* done_;
    QLabel* folder_ = nullptr;
    // Sets a control's text in the language (run again when it changes).
    std::vector<std::function<void(Language)>> texts_;
};

}  // namespace pintaloo
