// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The look the grown-up's windows share: the window's warm paper, its
// blue-black outlines and yellow buttons, large type and big round controls,
// so they read as part of the same toy rather than a grey form.
#include <QAbstractButton>
#include <QString>

namespace pintaloo {

// The style sheet of the question and the settings window. Buttons take a
// "role" property: digit, go, stop, choice (checkable, one of a row).
QString GrownUpStyleSheet();

// A big on-off switch: a rounded track with a knob that slides to the side
// the language reads towards, green when on.
class BigSwitch final : public QAbstractButton {
public:
    explicit BigSwitch(QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;
};

}  // namespace pintaloo
