#pragma once
// Whether the desktop blends translucent windows. Without a compositing
// manager, the see-through corners of the rounded window would show black,
// so the window then cuts its outline with a mask instead.
namespace pintaloo {

bool DesktopComposites();

}  // namespace pintaloo
