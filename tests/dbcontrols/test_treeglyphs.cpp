// Tree glyphs: dotted lines share one checkerboard phase; boxes carry a
// minus or a plus.
#include <gtest/gtest.h>

#include "dbcontrols/treeglyphs.h"
#include "platform/ui/canvas.h"
#include "platform/ui/picture.h"

namespace {

class TreeGlyphs : public ::testing::Test {
protected:
    void SetUp() override
    {
        Bitmap.SetSize(20, 20);
        Canvas()->Brush()->SetColor(clWhite);
        Canvas()->FillRect({0, 0, 20, 20});
        Canvas()->Pen()->SetColor(clBlack);
    }
    TCanvas* Canvas() { return Bitmap.Canvas(); }
    bool Dark(int X, int Y) { return ColorToRGB(Canvas()->Pixels(X, Y)) != clWhite; }
    TBitmap Bitmap;
};

TEST_F(TreeGlyphs, DottedLinesKeepOnePhase)
{
    const struct {
        TPoint Start;
        bool Horizontal;
    } lines[] = {{{0, 0}, true}, {{1, 2}, true}, {{5, 1}, false}, {{6, 3}, false}};
    for (const auto& l : lines)
        PaintDottedLine(Canvas(), l.Start, 8, false, l.Horizontal);
    // With OddPhase false every dot lies where X + Y is even.
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x)
            if (Dark(x, y)) {
                EXPECT_EQ((x + y) % 2, 0) << x << "," << y;
            }
    EXPECT_TRUE(Dark(0, 0));
    EXPECT_FALSE(Dark(1, 2));
    EXPECT_TRUE(Dark(2, 2));
    EXPECT_TRUE(Dark(5, 1));
    EXPECT_TRUE(Dark(6, 4));
}

TEST_F(TreeGlyphs, BoxesShowMinusOrPlus)
{
    PaintTreeGlyph(Canvas(), {0, 0, 20, 20}, 1, false, 1.0, 1.0, false);
    EXPECT_TRUE(Dark(8, 10));    // minus bar
    EXPECT_FALSE(Dark(10, 8));   // no vertical bar
    EXPECT_TRUE(Dark(6, 6));     // box outline
    Canvas()->FillRect({0, 0, 20, 20});
    PaintTreeGlyph(Canvas(), {0, 0, 20, 20}, 4, false, 1.0, 1.0, false);
    EXPECT_TRUE(Dark(8, 10));
    EXPECT_TRUE(Dark(10, 8));    // plus
}

} // namespace
