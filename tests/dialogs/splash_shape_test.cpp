#include "dialogs/splash_shape.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace orvelle;

namespace {
// A picture from rows of 'K' (key), '.' (another colour) and 'n' (nearly the key, 254 red).
struct Picture {
    std::vector<std::uint8_t> bytes;
    TPixelGrid grid;
    Picture(const std::vector<std::string>& rows, int padding = 0)
    {
        const int width = static_cast<int>(rows.at(0).size());
        const std::ptrdiff_t stride = 3 * width + padding;
        bytes.assign(stride * rows.size(), 255); // padding looks like key bytes: it must be skipped
        for (std::size_t y = 0; y < rows.size(); ++y)
            for (int x = 0; x < width; ++x) {
                std::uint8_t* p = &bytes[y * stride + 3 * x];
                const char c = rows[y][x];
                p[0] = c == '.' ? 40 : 255; // blue
                p[1] = c == '.' ? 90 : 0;   // green
                p[2] = c == 'n' ? 254 : c == '.' ? 30 : 255;
            }
        grid = {bytes.data(), width, static_cast<int>(rows.size()), stride};
    }
};
} // namespace

TEST(SplashShape, OneRectanglePerRunOfNonKeyPixels)
{
    struct Case {
        std::string what;
        std::vector<std::string> rows;
        std::vector<TRect> rects;
    } const cases[] = {
        {"a row all key adds nothing", {"KKKK"}, {}},
        {"a row without key: one rectangle across", {"...."}, {{0, 0, 4, 1}}},
        {"a run in the middle", {"K..K"}, {{1, 0, 3, 1}}},
        {"two runs in one row", {".K.."}, {{0, 0, 1, 1}, {2, 0, 4, 1}}},
        {"runs touching both edges", {"..KK.."}, {{0, 0, 2, 1}, {4, 0, 6, 1}}},
        {"nearly the key is not the key", {"KnK"}, {{1, 0, 2, 1}}},
        {"rows one pixel high, top to bottom", {"KKK", "K.K", "...", "KKK"}, {{1, 1, 2, 2}, {0, 2, 3, 3}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Picture p(c.rows);
        EXPECT_EQ(ScanShape(p.grid), c.rects);
    }
}

TEST(SplashShape, ThePixelOrderIsBlueGreenRed)
{
    const std::uint8_t key[] = {255, 0, 255}, redder[] = {254, 0, 255}, bluer[] = {255, 0, 254};
    EXPECT_TRUE(IsKeyPixel(key));
    EXPECT_FALSE(IsKeyPixel(redder));
    EXPECT_FALSE(IsKeyPixel(bluer));
}

TEST(SplashShape, RowPaddingIsNotPartOfThePicture)
{
    const Picture p({"..", "K."}, 2);
    EXPECT_EQ(ScanShape(p.grid), (std::vector<TRect>{{0, 0, 2, 1}, {1, 1, 2, 2}}));
}

TEST(SplashShape, ADiscGivesOneCentredRectanglePerRow)
{
    constexpr int r = 12;
    std::vector<std::string> rows;
    for (int y = 0; y < 2 * r; ++y) {
        std::string row;
        for (int x = 0; x < 2 * r; ++x)
            row += std::hypot(x + 0.5 - r, y + 0.5 - r) <= r ? '.' : 'K';
        rows.push_back(row);
    }
    const Picture p(rows);
    const std::vector<TRect> rects = ScanShape(p.grid);
    ASSERT_EQ(rects.size(), 2u * r);
    for (int y = 0; y < 2 * r; ++y) {
        EXPECT_EQ(rects[y].Top, y);
        EXPECT_EQ(rects[y].Left + rects[y].Right, 2 * r) << "row " << y << " is centred";
    }
    EXPECT_EQ(rects[r].Left, 0) << "the widest row spans the picture";
    EXPECT_GT(rects[0].Left, r / 2) << "the top row is short";
}
