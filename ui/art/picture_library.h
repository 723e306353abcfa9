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
#include <utility>

#include "engine/toolbox/picture_painters.h"

namespace pintaloo {

class PictureLibrary final : public PictureStore {
public:
    const Picture* model(ModelFamily family, int index) override;
    const Picture* stamp(int pictureNumber) override;
    StampLook stampLook() override { return look_; }
    const ClearPicture* libraryStamp() override { return library_.picture.empty() ? nullptr : &library_; }
    // The stamps part hands over what the child chose (ui/parts/stamp_browser.h).
    void setStampLook(StampLook look) { look_ = look; }
    void setLibraryStamp(ClearPicture picture) { library_ = std::move(picture); }

    // Where the artwork of a stamp is (":/stamps/141_sun.svg"), or empty.
    static QString stampPath(int pictureNumber);
    static QString modelPath(ModelFamily family, int index);
    // Renders artwork for the painters: the subject opaque, everything
    // else exactly the key colour (no pale fringe from smoothing).
    static Picture renderKeyed(const QString& path, Colour key);

private:
    std::map<std::pair<int, int>, Picture> models_;
    std::map<int, Picture> stamps_;
    StampLook look_;
    ClearPicture library_;
};

}  // namespace pintaloo
