// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's own title strip, close and minimise buttons and the two
// decorations of the top-left corner (the dog and the title lettering).
#include <functional>
#include "ui/actions/box.h"

#include "ui/actions/spoken_language.h"
#include "ui/actions/window_controls.h"

namespace pintaloo {

class WindowChrome {
public:
    // What this part asks of its neighbours; the window connects each to
    // the part that does it (MainWindow::connectParts), and a test may put a
    // stand-in here.
    struct Needs {
        std::function<QWidget*()> shownWindow;  // the window on the desktop that shows this one
        std::function<bool()> closeAsksGrownUp;  // closing is locked: the close button says so
        std::function<bool()> keepsFullScreen;   // full screen is locked: minimising would leave it
    };
    Needs needs;

    WindowChrome(WindowControls& c, SpokenLanguage& spoken, Needs wiring);

    void PointerOverClose(int button, double x, double y);
    void CloseWindow(int button, double x, double y);
    void PointerOverMinimise(int button, double x, double y);
    void MinimiseWindow(int button, double x, double y);
    void PointerOverTitle(int button, double x, double y);
    void DragByTitle(int button, double x, double y);
    void DragByCorner(int button, double x, double y);

    // The language's texts on this part's controls (called again whenever the language changes).
    void applyTexts(Language language);
    // Both window buttons back to their normal faces.
    void normalFaces();

private:
    void face(Box* b, const char* art);
    void drag(int button);
    WindowControls& c_;
    Box* corner_;          // "Label3", the top-left corner, dragged like the strip
    Box* titleStrip_;      // "Label1"
    Box* closeButton_;     // "Image5"
    Box* minimiseButton_;  // "Image6"
};

}  // namespace pintaloo
