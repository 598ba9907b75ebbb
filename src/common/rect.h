#pragma once

namespace orvelle {

// A rectangle of pixels: left and top inclusive, right and bottom exclusive.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool operator==(const TRect&) const = default;
};

} // namespace orvelle
