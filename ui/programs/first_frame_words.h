// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The first frame's words without waiting for the fonts.
//
// The help line is the only text in the window's first frame, and drawing it
// waited for the font configuration to be read and the installed fonts to be
// listed (the warm-up thread's work): about half of the time from showing the
// window to its first paint. So the line, as drawn, is kept as a picture in
// the user's cache folder, and a later start shows that picture instead,
// as long as it is exactly the same line: the same words (so the same
// language and version), the same font request and font set-up, the same
// size and pixel ratio, the same program and Qt. Otherwise the line is drawn
// as ever and the picture written anew once the window has been shown.
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QString>

namespace pintaloo {

class Box;

class FirstFrameWords final : public QObject {
public:
    // `box` is the help line; `file` where its picture is kept. A kept
    // picture that fits is shown by the box's next paints.
    FirstFrameWords(Box& box, QString file);

    // After the first paint: writes the picture when none was shown. A
    // picture shown is shown until the line changes; from then on the box
    // draws its words itself.
    void afterFirstPaint();
    bool showsKeptPicture() const { return !picture_.isNull(); }

    // Everything the line's look depends on, in one string.
    static QString KeyFor(const Box& box);
    // The box's own drawing over nothing (transparent), at the screen's pixel ratio.
    static QImage DrawnWords(Box& box);
    // Where the picture is kept: the user's cache folder.
    static QString DefaultFile();
    // Whether a picture stands there (a regular file), before the window
    // that could tell whether it fits is made.
    static bool MayBeKept();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<Box> box_;
    QString file_;
    QString key_;
    QImage picture_;
};

}  // namespace pintaloo
