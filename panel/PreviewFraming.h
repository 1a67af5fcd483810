// Where a setting's picture goes in the preview box: at the box's left, centred vertically
// (rounded down), on white. A picture larger than the box is cut at its right and bottom (and
// at its top when it is taller: it stays centred).
#pragma once

#include <cstdint>

#include "engine/PreviewBitmap.h"

// The box's picture, width x height pixels, with preview placed in it.
PreviewBitmap FramePreview(const PreviewBitmap& preview, std::uint32_t width, std::uint32_t height);
