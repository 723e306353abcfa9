// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/files/story_limits.h"

#include "ui/files/picture_reader.h"

namespace pintaloo {

bool StoryPixels::add(const QByteArray& picture) {
    PictureRefusal why = PictureRefusal::None;
    const QSize size = CheckPicture(picture, &why).size;
    if (why == PictureRefusal::None) pixels_ += std::int64_t(size.width()) * size.height();
    return pixels_ <= StoryLimits::kMaxPicturePixels;
}

}  // namespace pintaloo
