// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's controls as the replay tool and the state dump see them: by
// the object name every control carries ("bColor(3)", "pctOpen"), not through
// the part that owns it, so a test keeps working when a part rearranges its
// own fields.
//
//     Box* swatch = Control(window, "bColor", 3);         // "bColor(3)"
//     ShapeFrame* frame = Control<ShapeFrame>(window, "Shape10");
//
// A name no control of that kind carries throws, which the test reports as
// a failure naming the control, rather than crashing on a null pointer.
#include <QString>
#include <QWidget>
#include <stdexcept>

#include "ui/actions/box.h"

namespace pintaloo::testkit {

// `index` 0 or more names one control of a row: ("bColor", 3) is "bColor(3)".
template <class T = Box>
T* Control(const QWidget& window, const QString& name, int index = -1) {
    const QString full = index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(index);
    T* found = window.findChild<T*>(full);
    if (!found) throw std::logic_error("the window has no control named " + full.toStdString());
    return found;
}

}  // namespace pintaloo::testkit
