#pragma once
// Saving the drawing as a bitmap file and opening a picture file as the page
// to paint on. A save never leaves a half-written file, a failed save says
// so, and a cancelled or failed open leaves the drawing exactly as it was.
#include <QString>
#include <optional>

#include "canvas/picture.h"
#include "canvas/surface.h"

namespace pintaloo {

class MainWindow;

class DrawingFiles {
public:
    explicit DrawingFiles(MainWindow& w);

    void KewlButtons3_MouseDown(int button, int shift, double x, double y);  // save
    void Label7_MouseDown(int button, int shift, double x, double y);        // open

    // "<hour>_<minute>_<second>_Draw.bmp" for a time of day.
    static QString ProposedName(int hour, int minute, int second);
    // The whole canvas as a 24-bit bitmap, written beside the target and
    // renamed over it only when complete. False (with a reason) on failure.
    static bool SaveCanvas(const Surface& canvas, const QString& path, QString* error = nullptr);
    // A picture file as canvas pixels (its top-left part where larger), or
    // nothing for a file that is missing, damaged, not a picture, or too
    // large to decode safely.
    static std::optional<Picture> LoadPicture(const QString& path, int maxWidth, int maxHeight);

    QString dialogFileName;  // what the last dialog left, the start of the next

private:
    MainWindow& w_;
};

}  // namespace pintaloo
