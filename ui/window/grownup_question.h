// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The question only a grown-up answers: a times table past five or a sum of
// two two-digit numbers, new each time, with big number keys and a field.
// A wrong answer or a cancel is a no; after three wrong answers in a row
// the next question waits a few seconds before it takes an answer, so
// pressing keys at random gets nowhere quickly.
//
//     GrownUpQuestions question([&] { return window.shownWindow(); });
//     services.grownUp = &question;
#include <QDialog>
#include <QString>
#include <functional>
#include <random>

#include "ui/platform/services.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace pintaloo {

struct GrownUpSum {
    QString shown;  // "7 × 6", "38 + 45"
    int answer = 0;
};

// A new question from the generator: half times tables (6..9 by 6..9),
// half sums of two numbers from 25 to 89.
GrownUpSum RandomGrownUpSum(std::mt19937& random);

// The question's window: modal over its parent, right to left for Arabic.
// Accepted only for the right answer.
class GrownUpQuestionDialog final : public QDialog {
public:
    // `waitMs` > 0: the keys stay off that long first.
    GrownUpQuestionDialog(const GrownUpSum& sum, Language language, int waitMs, QWidget* parent = nullptr);
    QLineEdit& field() { return *field_; }
    QPushButton& answerButton() { return *answer_; }
    QPushButton& cancelButton() { return *cancel_; }
    // True while the keys wait after three wrong answers.
    bool waiting() const;
    bool answeredWrong() const { return wrong_; }

private:
    void type(int digit);
    void check();
    void setKeysOn(bool on);

    GrownUpSum sum_;
    QLineEdit* field_;
    QLabel* waitLine_;
    QPushButton* answer_;
    QPushButton* cancel_;
    std::vector<QPushButton*> keys_;
    bool wrong_ = false;
};

class GrownUpQuestions final : public GrownUpPort {
public:
    // `owner` gives the window the question is modal over (none: the desktop).
    explicit GrownUpQuestions(std::function<QWidget*()> owner);
    bool confirm(Language language) override;

    // The question asked next (tests put a known one here).
    std::function<GrownUpSum()> nextSum;
    static constexpr int kWrongBeforeWait = 3;
    int waitMs = 5000;
    int wrongInARow() const { return wrong_; }

private:
    std::function<QWidget*()> owner_;
    std::mt19937 random_;
    int wrong_ = 0;
};

}  // namespace pintaloo
