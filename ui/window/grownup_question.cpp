// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/grownup_question.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/window/grownup_look.h"
#include "ui/words/texts.h"

namespace pintaloo {

GrownUpSum RandomGrownUpSum(std::mt19937& random) {
    if (std::uniform_int_distribution<int>(0, 1)(random) == 0) {
        std::uniform_int_distribution<int> factor(6, 9);
        const int a = factor(random), b = factor(random);
        return {QStringLiteral("%1 × %2").arg(a).arg(b), a * b};
    }
    std::uniform_int_distribution<int> term(25, 89);
    const int a = term(random), b = term(random);
    return {QStringLiteral("%1 + %2").arg(a).arg(b), a + b};
}

GrownUpQuestionDialog::GrownUpQuestionDialog(const GrownUpSum& sum, Language language, int waitMs, QWidget* parent)
    : QDialog(parent), sum_(sum) {
    setObjectName(QStringLiteral("grownUpQuestion"));
    setModal(true);
    setWindowTitle(Text("grownup.question.title", language));
    setLayoutDirection(RightToLeft(language) ? Qt::RightToLeft : Qt::LeftToRight);
    setStyleSheet(GrownUpStyleSheet());

    auto* title = new QLabel(Text("grownup.question.title", language));
    title->setObjectName(QStringLiteral("heading"));
    title->setAlignment(Qt::AlignCenter);
    auto* ask = new QLabel(Text("grownup.question.ask", language));
    ask->setWordWrap(true);
    ask->setMinimumWidth(420);
    ask->setAlignment(Qt::AlignCenter);
    // The sum reads left to right in every language, as written numbers do.
    auto* shown = new QLabel(sum.shown + QStringLiteral(" ="));
    shown->setObjectName(QStringLiteral("sum"));
    shown->setLayoutDirection(Qt::LeftToRight);
    shown->setAlignment(Qt::AlignCenter);
    field_ = new QLineEdit;
    field_->setObjectName(QStringLiteral("answer"));
    field_->setValidator(new QIntValidator(0, 999, field_));
    field_->setMaxLength(3);
    field_->setAlignment(Qt::AlignCenter);
    field_->setLayoutDirection(Qt::LeftToRight);
    field_->setAccessibleName(Text("grownup.question.ask", language));
    waitLine_ = new QLabel(Text("grownup.question.wait", language));
    waitLine_->setWordWrap(true);
    waitLine_->setAlignment(Qt::AlignCenter);
    waitLine_->setVisible(false);

    // The keys as on a telephone; the grid is laid out left to right
    // whatever the language, as the digits are.
    auto* pad = new QWidget;
    pad->setLayoutDirection(Qt::LeftToRight);
    auto* grid = new QGridLayout(pad);
    grid->setSpacing(10);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int digit = 0; digit <= 9; ++digit) {
        auto* key = new QPushButton(QString::number(digit));
        key->setObjectName(QStringLiteral("digit%1").arg(digit));
        key->setProperty("role", QStringLiteral("digit"));
        key->setFocusPolicy(Qt::NoFocus);
        key->setFixedSize(84, 68);
        connect(key, &QPushButton::clicked, this, [this, digit] { type(digit); });
        if (digit == 0)
            grid->addWidget(key, 3, 1);
        else
            grid->addWidget(key, 2 - (digit - 1) / 3, (digit - 1) % 3);
        keys_.push_back(key);
    }
    auto* erase = new QPushButton(QStringLiteral("⌫"));
    erase->setObjectName(QStringLiteral("erase"));
    erase->setProperty("role", QStringLiteral("digit"));
    erase->setFocusPolicy(Qt::NoFocus);
    erase->setFixedSize(84, 68);
    erase->setToolTip(Text("grownup.question.erase", language));
    erase->setAccessibleName(erase->toolTip());
    connect(erase, &QPushButton::clicked, field_, &QLineEdit::backspace);
    grid->addWidget(erase, 3, 2);
    keys_.push_back(erase);

    answer_ = new QPushButton(Text("grownup.question.answer", language));
    answer_->setObjectName(QStringLiteral("go"));
    answer_->setProperty("role", QStringLiteral("go"));
    answer_->setDefault(true);
    cancel_ = new QPushButton(Text("grownup.question.cancel", language));
    cancel_->setProperty("role", QStringLiteral("stop"));
    cancel_->setAutoDefault(false);
    connect(answer_, &QPushButton::clicked, this, &GrownUpQuestionDialog::check);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(field_, &QLineEdit::returnPressed, this, &GrownUpQuestionDialog::check);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cancel_);
    buttons->addStretch();
    buttons->addWidget(answer_);

    auto* column = new QVBoxLayout(this);
    column->setSizeConstraint(QLayout::SetFixedSize);  // as big as its keys, never squeezed
    column->setContentsMargins(32, 24, 32, 24);
    column->setSpacing(14);
    column->addWidget(title);
    column->addWidget(ask);
    column->addWidget(shown);
    column->addWidget(field_, 0, Qt::AlignHCenter);
    column->addWidget(waitLine_);
    column->addWidget(pad, 0, Qt::AlignHCenter);
    column->addSpacing(8);
    column->addLayout(buttons);

    if (waitMs > 0) {
        setKeysOn(false);
        QTimer::singleShot(waitMs, this, [this] { setKeysOn(true); });
    }
}

bool GrownUpQuestionDialog::waiting() const { return !field_->isEnabled(); }

void GrownUpQuestionDialog::setKeysOn(bool on) {
    for (QPushButton* key : keys_) key->setEnabled(on);
    field_->setEnabled(on);
    answer_->setEnabled(on);
    waitLine_->setVisible(!on);
    if (on) field_->setFocus();
}

void GrownUpQuestionDialog::type(int digit) {
    if (field_->text().size() < field_->maxLength()) field_->insert(QString::number(digit));
}

// Nothing typed is no answer yet; anything else decides.
void GrownUpQuestionDialog::check() {
    if (waiting() || field_->text().isEmpty()) return;
    bool ok = false;
    const int given = field_->text().toInt(&ok);
    wrong_ = !ok || given != sum_.answer;
    done(wrong_ ? Rejected : Accepted);
}

GrownUpQuestions::GrownUpQuestions(std::function<QWidget*()> owner)
    : owner_(std::move(owner)), random_(std::random_device{}()) {
    nextSum = [this] { return RandomGrownUpSum(random_); };
}

bool GrownUpQuestions::confirm(Language language) {
    QWidget* parent = owner_ ? owner_() : nullptr;
    GrownUpQuestionDialog dialog(nextSum(), language, wrong_ >= kWrongBeforeWait ? waitMs : 0, parent);
    if (wrong_ >= kWrongBeforeWait) wrong_ = 0;
    if (dialog.exec() == QDialog::Accepted) {
        wrong_ = 0;
        return true;
    }
    if (dialog.answeredWrong()) ++wrong_;  // a cancel is no wrong answer
    return false;
}

}  // namespace pintaloo
