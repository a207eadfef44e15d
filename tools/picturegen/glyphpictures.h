#pragma once

#include <utility>
#include <vector>

#include "tools/picturegen/pixelcanvas.h"

// Button glyphs, the player dialog's icon, the sound page's loudspeakers and
// waste bin, and the two drag cursors, each with its picture name.
namespace GlyphPictures {
std::vector<std::pair<const char*, PixelCanvas>> All();
}  // namespace GlyphPictures
