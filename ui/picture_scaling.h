// Resampling pictures to another size, for the banner and the logo at display scales their bitmaps were
// not drawn for.
#pragma once

#include <cstdint>
#include <vector>

// Pixels as 0x00RRGGBB, row by row from the top.
using Pixels = std::vector<uint32_t>;

// The picture `width` x `height` resampled to `toWidth` x `toHeight`: each new pixel is the average of the
// area of the picture it covers, each old pixel weighted by how much of it lies in that area. Made
// smaller, the picture keeps its detail as far as the new size can; made larger, its pixels grow.
Pixels ScalePixels(const Pixels& pixels, int width, int height, int toWidth, int toHeight);
