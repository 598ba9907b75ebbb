#include "dialogs/splash_shape.h"

namespace orvelle {

bool IsKeyPixel(const std::uint8_t* bgr)
{
    return bgr[0] == 255 && bgr[1] == 0 && bgr[2] == 255;
}

std::vector<TRect> ScanShape(const TPixelGrid& grid)
{
    std::vector<TRect> rects;
    for (int y = 0; y < grid.Height; ++y) {
        const std::uint8_t* row = grid.Bits + y * grid.Stride;
        for (int x = 0; x < grid.Width;) {
            const bool key = IsKeyPixel(row + 3 * x);
            int e = x;
            while (e + 1 < grid.Width && IsKeyPixel(row + 3 * (e + 1)) == key)
                ++e;
            if (!key)
                rects.push_back({x, y, e + 1, y + 1});
            x = e + 1;
        }
    }
    return rects;
}

} // namespace orvelle
