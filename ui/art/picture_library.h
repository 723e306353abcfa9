// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The model and stamp pictures the painters copy onto the canvas, decoded
// from the embedded artwork the first time each is used and kept, so a
// picture costs a plain copy after that.
#include <QHash>
#include <QImage>
#include <QString>
#include <map>

#include "engine/toolbox/picture_painters.h"

namespace pintaloo {

class PictureLibrary final : public PictureStore {
public:
    const Picture* model(ModelFamily family, int index) override;
    const Picture* stamp(int pictureNumber) override;

    // Where the artwork of a stamp is (":/stamps/141_sun.svg"), or empty.
    static QString stampPath(int pictureNumber);
    static QString modelPath(ModelFamily family, int index);
    // Renders artwork for the painters: the subject opaque, everything
    // else exactly the key colour (no pale fringe from smoothing).
    static Picture renderKeyed(const QString& path, Colour key);

private:
    std::map<std::pair<int, int>, Picture> models_;
    std::map<int, Picture> stamps_;
};

}  // namespace pintaloo
