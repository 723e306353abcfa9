// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The grown-up's page for the children who share this account: a big row
// a child (their picture, which opens a grid of the program's 40 stamps,
// their name, up, down, remove) and a button to add one more. Every change
// is written to the settings at once; a list the school fixed is shown
// greyed with a line saying so. Removing a child leaves their drawings
// where they are.
#include <QWidget>
#include <vector>

#include "ui/platform/settings.h"
#include "ui/words/language.h"

class QVBoxLayout;
class QPushButton;
class QLabel;

namespace pintaloo {

class ChildrenPage final : public QWidget {
    Q_OBJECT
public:
    ChildrenPage(SettingsPort& settings, Language language, QWidget* parent = nullptr);

    // The list as the page shows it (what it wrote last).
    const std::vector<ChildEntry>& children() const { return children_; }
    // For tests and keys: the same as the row's buttons.
    void addChild();
    void removeChild(int row);
    void moveChild(int row, int by);
    void rename(int row, const QString& name);
    void choosePicture(int row, int picture);

private:
    void rebuild();
    void write();

    SettingsPort& settings_;
    const Language language_;
    const bool locked_;
    std::vector<ChildEntry> children_;
    QVBoxLayout* rows_ = nullptr;
    QPushButton* add_ = nullptr;
};

}  // namespace pintaloo
