#pragma once
// The splash window's shape from its picture: every pixel of the key colour is cut away.
#include "common/rect.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace orvelle {

// A picture of Width x Height pixels, three bytes each in the order blue, green, red; rows are
// Stride bytes apart.
struct TPixelGrid {
    const std::uint8_t* Bits = nullptr;
    int Width = 0;
    int Height = 0;
    std::ptrdiff_t Stride = 0;
};

// Pure magenta: blue 255, green 0, red 255.
bool IsKeyPixel(const std::uint8_t* bgr);

// One rectangle for each run of non-key pixels, row by row from the top, left to right; their
// union is the window's shape, in the picture's own pixel coordinates.
std::vector<TRect> ScanShape(const TPixelGrid& grid);

} // namespace orvelle
