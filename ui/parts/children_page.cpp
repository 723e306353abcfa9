// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts/children_page.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidgetAction>
#include <algorithm>

#include "ui/art/art_store.h"
#include "ui/files/child_folders.h"
#include "ui/words/texts.h"

namespace pintaloo {

namespace {

constexpr int kStamps = kChildPictures;
constexpr int kRowPicture = 56;   // a row's picture: big enough to tell at a glance
constexpr int kGridPicture = 48;  // the grid of every picture

QIcon StampIcon(int picture, int side) {
    return QIcon(ArtStore::instance().pixmap(ChildPicturePath(picture), {side, side}));
}

// The first picture no child has yet, so two new rows never look alike.
int FreePicture(const std::vector<ChildEntry>& children) {
    for (int p = 1; p <= kStamps; ++p)
        if (std::none_of(children.begin(), children.end(), [p](const ChildEntry& c) { return c.picture == p; })) return p;
    return 1;
}

QPushButton* BigButton(const QString& text, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setMinimumHeight(44);
    return b;
}

}  // namespace

ChildrenPage::ChildrenPage(SettingsPort& settings, Language language, QWidget* parent)
    : QWidget(parent), settings_(settings), language_(language), locked_(settings.locked(SettingKey::Children)) {
    setObjectName(QStringLiteral("pageChildren"));
    auto* outer = new QVBoxLayout(this);
    auto* explain = new QLabel(Text("children.explain", language), this);
    explain->setWordWrap(true);
    outer->addWidget(explain);
    if (locked_) {
        auto* lock = new QLabel(QStringLiteral("<b>%1</b>").arg(Text("grownup.locked", language).toHtmlEscaped()), this);
        lock->setObjectName(QStringLiteral("lblChildrenLocked"));
        outer->addWidget(lock);
    }
    auto* rowsHolder = new QWidget(this);
    rows_ = new QVBoxLayout(rowsHolder);
    rows_->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(rowsHolder);
    add_ = BigButton(Text("children.add", language), this);
    add_->setObjectName(QStringLiteral("bAddChild"));
    connect(add_, &QPushButton::clicked, this, [this] { addChild(); });
    outer->addWidget(add_, 0, Qt::AlignLeft);
    outer->addStretch(1);
    children_ = settings.children();
    if (int(children_.size()) > kMostChildren) children_.resize(std::size_t(kMostChildren));
    rebuild();
    setEnabled(!locked_);
}

void ChildrenPage::write() {
    if (locked_) return;
    settings_.setChildren(children_);
}

void ChildrenPage::addChild() {
    if (locked_ || int(children_.size()) >= kMostChildren) return;
    children_.push_back({QString(), FreePicture(children_)});
    write();
    rebuild();
}

void ChildrenPage::removeChild(int row) {
    if (locked_ || row < 0 || row >= int(children_.size())) return;
    children_.erase(children_.begin() + row);
    write();
    rebuild();
}

void ChildrenPage::moveChild(int row, int by) {
    const int to = row + by;
    if (locked_ || row < 0 || to < 0 || row >= int(children_.size()) || to >= int(children_.size())) return;
    std::swap(children_[std::size_t(row)], children_[std::size_t(to)]);
    write();
    rebuild();
}

void ChildrenPage::rename(int row, const QString& name) {
    if (locked_ || row < 0 || row >= int(children_.size())) return;
    // One line, as the picker shows it under the picture.
    const QString clean = name.simplified().left(40);
    if (children_[std::size_t(row)].name == clean) return;
    children_[std::size_t(row)].name = clean;
    write();
}

void ChildrenPage::choosePicture(int row, int picture) {
    if (locked_ || row < 0 || row >= int(children_.size()) || picture < 1 || picture > kStamps) return;
    children_[std::size_t(row)].picture = picture;
    write();
    rebuild();
}

// Rows made afresh after every change but a rename (which keeps its field,
// and so the grown-up's cursor, where it is).
void ChildrenPage::rebuild() {
    while (QLayoutItem* item = rows_->takeAt(0)) {
        if (QWidget* w = item->widget()) w->deleteLater();
        delete item;
    }
    const int n = int(children_.size());
    for (int i = 0; i < n; ++i) {
        auto* row = new QWidget(this);
        row->setObjectName(QStringLiteral("rowChild(%1)").arg(i));
        auto* line = new QHBoxLayout(row);
        auto* picture = new QToolButton(row);
        picture->setObjectName(QStringLiteral("bChildPicture(%1)").arg(i));
        picture->setIcon(StampIcon(children_[std::size_t(i)].picture, kRowPicture));
        picture->setIconSize({kRowPicture, kRowPicture});
        picture->setToolTip(Text("children.picture", language_));
        picture->setPopupMode(QToolButton::InstantPopup);
        // The grid of all forty, four rows of ten.
        auto* menu = new QMenu(picture);
        auto* grid = new QWidget(menu);
        auto* cells = new QGridLayout(grid);
        for (int p = 1; p <= kStamps; ++p) {
            auto* cell = new QToolButton(grid);
            cell->setObjectName(QStringLiteral("bStampChoice(%1)").arg(p));
            cell->setIcon(StampIcon(p, kGridPicture));
            cell->setIconSize({kGridPicture, kGridPicture});
            cell->setAutoRaise(true);
            connect(cell, &QToolButton::clicked, this, [this, i, p, menu] {
                menu->close();
                choosePicture(i, p);
            });
            cells->addWidget(cell, (p - 1) / 10, (p - 1) % 10);
        }
        auto* holder = new QWidgetAction(menu);
        holder->setDefaultWidget(grid);
        menu->addAction(holder);
        picture->setMenu(menu);
        line->addWidget(picture);

        auto* name = new QLineEdit(children_[std::size_t(i)].name, row);
        name->setObjectName(QStringLiteral("txtChildName(%1)").arg(i));
        name->setPlaceholderText(Text("children.name", language_));
        name->setAccessibleName(Text("children.name", language_));
        name->setMaxLength(40);  // as the settings file keeps it
        name->setMinimumHeight(44);
        QFont big = name->font();
        big.setPointSizeF(big.pointSizeF() * 1.4);
        name->setFont(big);
        connect(name, &QLineEdit::textEdited, this, [this, i](const QString& text) { rename(i, text); });
        line->addWidget(name, 1);

        const auto button = [row, line](const QString& text, const QString& object, bool enabled) {
            QPushButton* b = BigButton(text, row);
            b->setObjectName(object);
            b->setEnabled(enabled);
            line->addWidget(b);
            return b;
        };
        connect(button(Text("children.up", language_), QStringLiteral("bChildUp(%1)").arg(i), i > 0),
                &QPushButton::clicked, this, [this, i] { moveChild(i, -1); });
        connect(button(Text("children.down", language_), QStringLiteral("bChildDown(%1)").arg(i), i + 1 < n),
                &QPushButton::clicked, this, [this, i] { moveChild(i, 1); });
        connect(button(Text("children.remove", language_), QStringLiteral("bChildRemove(%1)").arg(i), true),
                &QPushButton::clicked, this, [this, i] { removeChild(i); });
        rows_->addWidget(row);
    }
    add_->setEnabled(n < kMostChildren);
}

}  // namespace pintaloo
