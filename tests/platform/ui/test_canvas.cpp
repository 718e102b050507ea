// Shapes, pens, brushes, pixels, clipping, graphics and edges on a canvas,
// drawn on bitmaps and checked pixel by pixel.
#include <functional>
#include <gtest/gtest.h>

#include "canvastesting.h"
#include "platform/rtl/exceptions.h"

namespace {

struct TShapeCase {
    const char* Name;
    std::function<void(TCanvas&)> Draw;
    std::vector<std::string> Expected;
};

// Every case draws on a white 9 x 7 bitmap with a black pen and a red brush.
TEST(Canvas, ShapesCoverTheirPixels)
{
    const TShapeCase cases[] = {
        {"FillRect fills Left..Right-1, Top..Bottom-1",
         [](TCanvas& c) { c.FillRect(Rect(1, 1, 5, 4)); },
         {".........", ".RRRR....", ".RRRR....", ".RRRR....", ".........", ".........", "........."}},
        {"FrameRect draws the border with the brush",
         [](TCanvas& c) { c.FrameRect(Rect(1, 1, 6, 5)); },
         {".........", ".RRRRR...", ".R...R...", ".R...R...", ".RRRRR...", ".........", "........."}},
        {"Rectangle: pen outline inside the corners, brush inside",
         [](TCanvas& c) { c.Rectangle(1, 1, 7, 6); },
         {".........", ".######..", ".#RRRR#..", ".#RRRR#..", ".#RRRR#..", ".######..", "........."}},
        {"Rectangle without a pen fills one pixel less each way",
         [](TCanvas& c) { c.Pen()->SetStyle(psClear); c.Rectangle(1, 1, 7, 6); },
         {".........", ".RRRRR...", ".RRRRR...", ".RRRRR...", ".RRRRR...", ".........", "........."}},
        {"Rectangle with a clear brush draws the outline only",
         [](TCanvas& c) { c.Brush()->SetStyle(bsClear); c.Rectangle(1, 1, 7, 6); },
         {".........", ".######..", ".#....#..", ".#....#..", ".#....#..", ".######..", "........."}},
        {"LineTo leaves its end point out",
         [](TCanvas& c) {
             c.MoveTo(1, 1);
             c.LineTo(7, 1);
             c.MoveTo(8, 0);
             c.LineTo(8, 4);
             c.MoveTo(1, 3);
             c.LineTo(4, 6);
         },
         {"........#", ".######.#", "........#", ".#......#", "..#......", "...#.....", "........."}},
        {"Polyline joins its points and leaves the last out",
         [](TCanvas& c) { c.Polyline({{1, 1}, {5, 1}, {5, 5}}); },
         {".........", ".#####...", ".....#...", ".....#...", ".....#...", ".........", "........."}},
        {"Polygon: outline through the points, brush inside",
         [](TCanvas& c) { c.Polygon({{1, 1}, {6, 1}, {6, 5}, {1, 5}}); },
         {".........", ".######..", ".#RRRR#..", ".#RRRR#..", ".#RRRR#..", ".######..", "........."}},
        {"SetPixels sets one pixel, whatever pen and brush",
         [](TCanvas& c) { c.SetPixels(2, 3, clBlue); c.SetPixels(20, 3, clBlue); },
         {".........", ".........", ".........", "..B......", ".........", ".........", "........."}},
        {"a dotted pen: three pixels on, three off",
         [](TCanvas& c) { c.Pen()->SetStyle(psDot); c.MoveTo(0, 2); c.LineTo(9, 2); },
         {".........", ".........", "###...###", ".........", ".........", ".........", "........."}},
        {"a clear pen draws no line",
         [](TCanvas& c) { c.Pen()->SetStyle(psClear); c.MoveTo(0, 2); c.LineTo(9, 2); },
         {".........", ".........", ".........", ".........", ".........", ".........", "........."}},
        {"xor pen: white over red gives aqua, twice gives red again",
         [](TCanvas& c) {
             c.FillRect(Rect(0, 0, 9, 3));
             c.Pen()->SetMode(pmXor);
             c.Pen()->SetColor(clWhite);
             c.MoveTo(0, 0);
             c.LineTo(9, 0);
             c.MoveTo(0, 1);
             c.LineTo(9, 1);
             c.MoveTo(0, 1);
             c.LineTo(9, 1);
         },
         {"CCCCCCCCC", "RRRRRRRRR", "RRRRRRRRR", ".........", ".........", ".........", "........."}},
        {"not pen inverts whatever its colour",
         [](TCanvas& c) {
             c.Pen()->SetMode(pmNot);
             c.Pen()->SetColor(clRed);
             c.MoveTo(0, 6);
             c.LineTo(9, 6);
         },
         {".........", ".........", ".........", ".........", ".........", ".........", "#########"}},
    };
    for (const TShapeCase& c : cases) {
        const auto bitmap = MakeBitmap(9, 7);
        TCanvas& canvas = *bitmap->Canvas();
        canvas.Pen()->SetColor(clBlack);
        canvas.Brush()->SetColor(clRed);
        c.Draw(canvas);
        EXPECT_EQ(Rows(*bitmap), c.Expected) << c.Name;
    }
}

TEST(Canvas, PenModesCombinePenAndScreenBitByBit)
{
    using TOp = uint32_t (*)(uint32_t, uint32_t);
    struct TCase {
        TPenMode Mode;
        TOp Op;   // of the pen P and the screen D
    };
    const TCase cases[] = {
        {pmBlack, [](uint32_t, uint32_t) { return 0u; }},
        {pmWhite, [](uint32_t, uint32_t) { return ~0u; }},
        {pmNop, [](uint32_t, uint32_t d) { return d; }},
        {pmNot, [](uint32_t, uint32_t d) { return ~d; }},
        {pmCopy, [](uint32_t p, uint32_t) { return p; }},
        {pmNotCopy, [](uint32_t p, uint32_t) { return ~p; }},
        {pmMergePenNot, [](uint32_t p, uint32_t d) { return p | ~d; }},
        {pmMaskPenNot, [](uint32_t p, uint32_t d) { return p & ~d; }},
        {pmMergeNotPen, [](uint32_t p, uint32_t d) { return ~p | d; }},
        {pmMaskNotPen, [](uint32_t p, uint32_t d) { return ~p & d; }},
        {pmMerge, [](uint32_t p, uint32_t d) { return p | d; }},
        {pmNotMerge, [](uint32_t p, uint32_t d) { return ~(p | d); }},
        {pmMask, [](uint32_t p, uint32_t d) { return p & d; }},
        {pmNotMask, [](uint32_t p, uint32_t d) { return ~(p & d); }},
        {pmXor, [](uint32_t p, uint32_t d) { return p ^ d; }},
        {pmNotXor, [](uint32_t p, uint32_t d) { return ~(p ^ d); }},
    };
    const TColor pen = RGBColor(0xF0, 0x0F, 0x3C), screen = RGBColor(0xAA, 0x55, 0x33);
    for (const TCase& c : cases) {
        const auto bitmap = MakeBitmap(6, 3, screen);
        TCanvas& canvas = *bitmap->Canvas();
        canvas.Pen()->SetColor(pen);
        canvas.Pen()->SetMode(c.Mode);
        canvas.MoveTo(0, 1);
        canvas.LineTo(6, 1);
        const auto expected = static_cast<TColor>(c.Op(static_cast<uint32_t>(pen), static_cast<uint32_t>(screen)) &
                                                  0xFFFFFFu);
        EXPECT_EQ(PixelAt(*bitmap, 3, 1), expected) << EnumInfoOf<TPenMode>().NameOf(c.Mode);
        EXPECT_EQ(PixelAt(*bitmap, 3, 0), screen);
    }
}

TEST(Canvas, HatchBrushesRepeatEveryEightPixelsAndLeaveTheRestUntouched)
{
    struct TCase {
        TBrushStyle Style;
        bool Rows;   // lines run across (rows) or down (columns)
    };
    for (const TCase& c : {TCase{bsHorizontal, true}, TCase{bsVertical, false}}) {
        const auto bitmap = MakeBitmap(17, 17);
        bitmap->Canvas()->Brush()->SetColor(clRed);
        bitmap->Canvas()->Brush()->SetStyle(c.Style);
        bitmap->Canvas()->FillRect(Rect(0, 0, 17, 17));
        const std::vector<std::string> rows = Rows(*bitmap);
        std::vector<int> lines;
        for (int i = 0; i < 17; ++i) {
            std::string line;
            for (int j = 0; j < 17; ++j)
                line += c.Rows ? rows[i][j] : rows[j][i];
            if (line == std::string(17, 'R'))
                lines.push_back(i);
            else
                EXPECT_EQ(line, std::string(17, '.')) << i;
        }
        ASSERT_GE(lines.size(), 2u);
        EXPECT_EQ(lines[1] - lines[0], 8);
    }
}

TEST(Canvas, EllipseStaysInsideItsBoxAndTouchesEachSide)
{
    const auto bitmap = MakeBitmap(12, 10);
    TCanvas& canvas = *bitmap->Canvas();
    canvas.Brush()->SetColor(clRed);
    canvas.Ellipse(1, 1, 10, 8);
    EXPECT_EQ(InkBounds(*bitmap), Rect(1, 1, 10, 8));
    EXPECT_EQ(PixelAt(*bitmap, 5, 4), clRed);
    EXPECT_EQ(PixelAt(*bitmap, 1, 1), clWhite);
    EXPECT_EQ(PixelAt(*bitmap, 9, 7), clWhite);
    EXPECT_EQ(PixelAt(*bitmap, 1, 4), clBlack);
    EXPECT_EQ(PixelAt(*bitmap, 9, 4), clBlack);
}

TEST(Canvas, PenPositionFollowsLinesAndText)
{
    const auto bitmap = MakeBitmap(60, 20);
    TCanvas& canvas = *bitmap->Canvas();
    canvas.MoveTo(3, 4);
    canvas.LineTo(10, 12);
    EXPECT_EQ(canvas.PenPos(), Point(10, 12));
    canvas.TextOut(5, 2, "Hi");
    EXPECT_EQ(canvas.PenPos(), Point(5 + canvas.TextWidth("Hi"), 2));
}

TEST(Canvas, PixelsReadsTheDeviceAndNothingOutsideIt)
{
    const auto bitmap = MakeBitmap(4, 4, clNavy);
    TCanvas& canvas = *bitmap->Canvas();
    EXPECT_EQ(canvas.Pixels(1, 1), clNavy);
    canvas.SetPixels(1, 1, clYellow);
    EXPECT_EQ(canvas.Pixels(1, 1), clYellow);
    EXPECT_EQ(canvas.Pixels(4, 0), clNone);
    EXPECT_EQ(canvas.Pixels(-1, 0), clNone);
}

TEST(Canvas, ClippingIntersectsExcludesAndRestores)
{
    const auto bitmap = MakeBitmap(8, 6);
    TCanvas& canvas = *bitmap->Canvas();
    canvas.Brush()->SetColor(clRed);
    EXPECT_EQ(canvas.ClipRect(), Rect(0, 0, 8, 6));

    canvas.SaveState();
    canvas.IntersectClipRect(Rect(1, 1, 7, 5));
    canvas.IntersectClipRect(Rect(2, 0, 8, 4));
    EXPECT_EQ(canvas.ClipRect(), Rect(2, 1, 7, 4));
    canvas.ExcludeClipRect(Rect(3, 2, 5, 3));
    canvas.FillRect(Rect(0, 0, 8, 6));
    canvas.RestoreState();
    EXPECT_EQ(Rows(*bitmap), (std::vector<std::string>{"........", "..RRRRR.", "..R..RR.", "..RRRRR.",
                                                       "........", "........"}));

    EXPECT_EQ(canvas.ClipRect(), Rect(0, 0, 8, 6));
    canvas.Brush()->SetColor(clBlue);
    canvas.FillRect(Rect(0, 5, 8, 6));
    EXPECT_EQ(Rows(*bitmap)[5], "BBBBBBBB");
}

TEST(Canvas, DrawingTellsOnChange)
{
    const auto bitmap = MakeBitmap(4, 4);
    TCanvas& canvas = *bitmap->Canvas();
    int changes = 0;
    canvas.SetOnChange([&](TCanvas* sender) {
        EXPECT_EQ(sender, &canvas);
        ++changes;
    });
    canvas.FillRect(Rect(0, 0, 2, 2));
    canvas.LineTo(3, 3);
    canvas.TextOut(0, 0, "x");
    EXPECT_EQ(changes, 3);
    canvas.MoveTo(1, 1);
    (void)canvas.TextWidth("abc");
    EXPECT_EQ(changes, 3);
}

TEST(Canvas, PaintingNestsAndACanvasWithoutADeviceRefusesToDraw)
{
    QImage image(5, 5, QImage::Format_RGB32);
    image.fill(Qt::white);
    TCanvas canvas;
    EXPECT_FALSE(canvas.Painting());
    EXPECT_THROW(canvas.FillRect(Rect(0, 0, 2, 2)), EInvalidOperation);
    EXPECT_GT(canvas.TextWidth("abc"), 0);
    EXPECT_EQ(canvas.ClipRect(), TRect{});

    canvas.BeginPaint(&image);
    canvas.BeginPaint(&image);
    canvas.EndPaint();
    ASSERT_TRUE(canvas.Painting());
    canvas.Brush()->SetColor(clBlue);
    canvas.FillRect(Rect(0, 0, 2, 2));
    canvas.EndPaint();
    EXPECT_FALSE(canvas.Painting());
    EXPECT_EQ(canvas.Painter(), nullptr);
    EXPECT_EQ(QColor(image.pixel(1, 1)), QColor(Qt::blue));
    EXPECT_EQ(QColor(image.pixel(2, 2)), QColor(Qt::white));
}

// A 4 x 4 bitmap: magenta (its bottom-left pixel) around a 2 x 2 blue square.
std::unique_ptr<TBitmap> Sprite()
{
    auto sprite = MakeBitmap(4, 4, clFuchsia);
    sprite->Canvas()->Brush()->SetColor(clBlue);
    sprite->Canvas()->FillRect(Rect(1, 1, 3, 3));
    return sprite;
}

TEST(Canvas, DrawLeavesOutTheTransparentColorOfATransparentBitmap)
{
    struct TCase {
        const char* Name;
        bool Transparent;
        TColor TransparentColor;
        TColor Corner;
        TColor Centre;
    };
    const TCase cases[] = {
        {"opaque", false, clDefault, clFuchsia, clBlue},
        {"transparent, bottom-left colour", true, clDefault, clWhite, clBlue},
        {"transparent, blue", true, clBlue, clFuchsia, clWhite},
    };
    for (const TCase& c : cases) {
        const auto sprite = Sprite();
        sprite->SetTransparent(c.Transparent);
        sprite->SetTransparentColor(c.TransparentColor);
        const auto target = MakeBitmap(8, 8);
        target->Canvas()->Draw(2, 3, sprite.get());
        EXPECT_EQ(PixelAt(*target, 2, 3), c.Corner) << c.Name;
        EXPECT_EQ(PixelAt(*target, 3, 4), c.Centre) << c.Name;
        EXPECT_EQ(PixelAt(*target, 1, 3), clWhite) << c.Name;
        EXPECT_EQ(PixelAt(*target, 6, 3), clWhite) << c.Name;
    }
}

TEST(Canvas, StretchDrawScalesAndCopyRectCopiesBetweenCanvases)
{
    const auto sprite = Sprite();
    const auto stretched = MakeBitmap(8, 8);
    stretched->Canvas()->StretchDraw(Rect(0, 0, 8, 8), sprite.get());
    EXPECT_EQ(InkBounds(*stretched, clFuchsia), Rect(2, 2, 6, 6));
    EXPECT_EQ(PixelAt(*stretched, 0, 0), clFuchsia);

    const auto copy = MakeBitmap(6, 6);
    copy->Canvas()->CopyRect(Rect(3, 3, 5, 5), *sprite->Canvas(), Rect(1, 1, 3, 3));
    EXPECT_EQ(InkBounds(*copy), Rect(3, 3, 5, 5));
    EXPECT_EQ(PixelAt(*copy, 4, 4), clBlue);
}

TEST(Canvas, FocusRectInvertsEveryOtherFramePixelAndUndoesItself)
{
    const auto bitmap = MakeBitmap(8, 6);
    bitmap->Canvas()->DrawFocusRect(Rect(1, 1, 7, 5));
    EXPECT_EQ(Rows(*bitmap), (std::vector<std::string>{"........", ".#.#.#..", "......#.", ".#......",
                                                       "..#.#.#.", "........"}));
    bitmap->Canvas()->DrawFocusRect(Rect(1, 1, 7, 5));
    EXPECT_EQ(InkBounds(*bitmap), TRect{});
}

struct TEdgeCase {
    const char* Name;
    unsigned Edge;
    unsigned Flags;
    TColor OuterLeftTop, InnerLeftTop, OuterRightBottom, InnerRightBottom, Middle;
};

TEST(Canvas, DrawEdgeColoursEachRingAndSide)
{
    const TEdgeCase cases[] = {
        {"raised", EDGE_RAISED, BF_RECT, cl3DLight, clBtnHighlight, cl3DDkShadow, clBtnShadow, clLime},
        {"sunken", EDGE_SUNKEN, BF_RECT, clBtnShadow, cl3DDkShadow, clBtnHighlight, cl3DLight, clLime},
        {"raised soft", EDGE_RAISED, BF_RECT | BF_SOFT, clBtnHighlight, cl3DLight, cl3DDkShadow, clBtnShadow, clLime},
        {"etched", EDGE_ETCHED, BF_RECT, clBtnShadow, clBtnHighlight, clBtnHighlight, clBtnShadow, clLime},
        {"bump", EDGE_BUMP, BF_RECT, cl3DLight, cl3DDkShadow, cl3DDkShadow, cl3DLight, clLime},
        {"flat", EDGE_RAISED, BF_RECT | BF_FLAT, clBtnShadow, clBtnFace, clBtnShadow, clBtnFace, clLime},
        {"mono", EDGE_SUNKEN, BF_RECT | BF_MONO, clWindowFrame, clWindow, clWindowFrame, clWindow, clLime},
        {"raised with middle", EDGE_RAISED, BF_RECT | BF_MIDDLE, cl3DLight, clBtnHighlight, cl3DDkShadow, clBtnShadow,
         clBtnFace},
        {"inner ring alone takes the outer place", BDR_SUNKENINNER, BF_RECT, cl3DDkShadow, clLime, cl3DLight, clLime,
         clLime},
    };
    for (const TEdgeCase& c : cases) {
        const auto bitmap = MakeBitmap(10, 8, clLime);
        TRect r = Rect(0, 0, 10, 8);
        EXPECT_TRUE(bitmap->Canvas()->DrawEdge(r, c.Edge, c.Flags));
        EXPECT_EQ(r, Rect(0, 0, 10, 8)) << c.Name << ": moved without BF_ADJUST";
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(PixelAt(*bitmap, 0, 4), ColorToRGB(c.OuterLeftTop));
        EXPECT_EQ(PixelAt(*bitmap, 5, 0), ColorToRGB(c.OuterLeftTop));
        EXPECT_EQ(PixelAt(*bitmap, 1, 4), ColorToRGB(c.InnerLeftTop));
        EXPECT_EQ(PixelAt(*bitmap, 9, 4), ColorToRGB(c.OuterRightBottom));
        EXPECT_EQ(PixelAt(*bitmap, 5, 7), ColorToRGB(c.OuterRightBottom));
        // Right and bottom own the corners they share with left and top.
        EXPECT_EQ(PixelAt(*bitmap, 9, 0), ColorToRGB(c.OuterRightBottom));
        EXPECT_EQ(PixelAt(*bitmap, 0, 7), ColorToRGB(c.OuterRightBottom));
        EXPECT_EQ(PixelAt(*bitmap, 8, 4), ColorToRGB(c.InnerRightBottom));
        EXPECT_EQ(PixelAt(*bitmap, 5, 4), ColorToRGB(c.Middle));
    }
}

TEST(Canvas, DrawEdgeAdjustsTheRectangleByTheRingsDrawnOnItsSides)
{
    struct TCase {
        unsigned Edge;
        unsigned Flags;
        TRect After;
    };
    const TCase cases[] = {
        {EDGE_RAISED, BF_RECT | BF_ADJUST, Rect(12, 22, 38, 58)},
        {BDR_RAISEDINNER, BF_RECT | BF_ADJUST, Rect(11, 21, 39, 59)},
        {EDGE_SUNKEN, BF_LEFT | BF_BOTTOM | BF_ADJUST, Rect(12, 20, 40, 58)},
        {EDGE_SUNKEN, BF_RECT, Rect(10, 20, 40, 60)},
    };
    for (const TCase& c : cases) {
        const auto bitmap = MakeBitmap(50, 70);
        TRect r = Rect(10, 20, 40, 60);
        bitmap->Canvas()->DrawEdge(r, c.Edge, c.Flags);
        EXPECT_EQ(r, c.After) << c.Edge << " " << c.Flags;
    }
    // Sides left out stay untouched.
    const auto bitmap = MakeBitmap(10, 10, clLime);
    TRect r = Rect(0, 0, 10, 10);
    bitmap->Canvas()->DrawEdge(r, EDGE_RAISED, BF_LEFT);
    EXPECT_EQ(InkBounds(*bitmap, clLime), Rect(0, 0, 2, 10));
}

// The pixels DrawFrameControl draws in a 16 x 16 box.
std::unique_ptr<TBitmap> FrameControl(unsigned Type, unsigned State, bool* Drawn = nullptr)
{
    auto bitmap = MakeBitmap(16, 16, clLime);
    const bool drawn = bitmap->Canvas()->DrawFrameControl(Rect(0, 0, 16, 16), Type, State);
    if (Drawn)
        *Drawn = drawn;
    return bitmap;
}

int CountPixels(const TBitmap& Bitmap, TColor Color)
{
    int count = 0;
    for (int y = 0; y < Bitmap.Height(); ++y)
        for (int x = 0; x < Bitmap.Width(); ++x)
            count += PixelAt(Bitmap, x, y) == ColorToRGB(Color);
    return count;
}

TEST(Canvas, FrameControlsMarkTheirState)
{
    struct TCase {
        const char* Name;
        unsigned Type, State;
        TColor Mark;
        bool Shown;
    };
    const TCase cases[] = {
        {"check box", DFC_BUTTON, DFCS_BUTTONCHECK, clWindowText, false},
        {"check box, checked", DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED, clWindowText, true},
        {"check box, inactive", DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_INACTIVE, clGrayText, false},
        {"check box, inactive checked", DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_INACTIVE | DFCS_CHECKED, clGrayText, true},
        {"check box, inactive checked, no black", DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_INACTIVE | DFCS_CHECKED,
         clWindowText, false},
        {"radio button", DFC_BUTTON, DFCS_BUTTONRADIO, clWindowText, false},
        {"radio button, checked", DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED, clWindowText, true},
        {"scroll arrow", DFC_SCROLL, DFCS_SCROLLUP, clBtnText, true},
        {"scroll arrow, inactive", DFC_SCROLL, DFCS_SCROLLUP | DFCS_INACTIVE, clBtnText, false},
    };
    for (const TCase& c : cases) {
        bool drawn = false;
        const auto bitmap = FrameControl(c.Type, c.State, &drawn);
        EXPECT_TRUE(drawn) << c.Name;
        EXPECT_EQ(CountPixels(*bitmap, c.Mark) > 0, c.Shown) << c.Name;
    }
}

TEST(Canvas, FrameControlEdgesFollowPushedAndFlat)
{
    struct TCase {
        const char* Name;
        unsigned Type, State;
        TColor Left, NextToLeft, Right, Middle;   // at (0, 8), (1, 8), (15, 8), (8, 3)
    };
    const TCase cases[] = {
        {"check box", DFC_BUTTON, DFCS_BUTTONCHECK, clBtnShadow, cl3DDkShadow, clBtnHighlight, clWindow},
        {"check box, pushed", DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_PUSHED, clBtnShadow, cl3DDkShadow, clBtnHighlight,
         clBtnFace},
        {"check box, flat", DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT, clBtnShadow, clBtnFace, clBtnShadow, clWindow},
        {"push button", DFC_BUTTON, DFCS_BUTTONPUSH, clBtnHighlight, cl3DLight, cl3DDkShadow, clBtnFace},
        {"push button, pushed", DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED, clBtnShadow, cl3DDkShadow, clBtnHighlight,
         clBtnFace},
        {"push button, checked", DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_CHECKED, clBtnShadow, cl3DDkShadow,
         clBtnHighlight, cl3DLight},
        {"scroll arrow, pushed", DFC_SCROLL, DFCS_SCROLLUP | DFCS_PUSHED, clBtnShadow, clBtnFace, clBtnShadow,
         clBtnFace},
    };
    for (const TCase& c : cases) {
        const auto bitmap = FrameControl(c.Type, c.State);
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(PixelAt(*bitmap, 0, 8), ColorToRGB(c.Left));
        EXPECT_EQ(PixelAt(*bitmap, 1, 8), ColorToRGB(c.NextToLeft));
        EXPECT_EQ(PixelAt(*bitmap, 15, 8), ColorToRGB(c.Right));
        EXPECT_EQ(PixelAt(*bitmap, 8, 3), ColorToRGB(c.Middle));
    }
    // A wide rectangle holds a square check box in its middle.
    const auto wide = MakeBitmap(40, 16, clLime);
    wide->Canvas()->DrawFrameControl(Rect(0, 0, 40, 16), DFC_BUTTON, DFCS_BUTTONCHECK);
    EXPECT_EQ(InkBounds(*wide, clLime), Rect(12, 0, 28, 16));
}

TEST(Canvas, ScrollArrowsPointTheirWay)
{
    // The ink of the arrow is widest at its base: compare the rows or columns
    // at both ends of its bounds.
    struct TCase {
        unsigned State;
        bool Vertical;
        bool BaseFirst;   // the base is at the top (or left) end
    };
    const TCase cases[] = {
        {DFCS_SCROLLUP, true, false},
        {DFCS_SCROLLDOWN, true, true},
        {DFCS_SCROLLCOMBOBOX, true, true},
        {DFCS_SCROLLLEFT, false, false},
        {DFCS_SCROLLRIGHT, false, true},
    };
    for (const TCase& c : cases) {
        const auto bitmap = FrameControl(DFC_SCROLL, c.State);
        TRect ink{16, 16, 0, 0};
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                if (PixelAt(*bitmap, x, y) == ColorToRGB(clBtnText)) {
                    ink.Left = std::min(ink.Left, x);
                    ink.Top = std::min(ink.Top, y);
                    ink.Right = std::max(ink.Right, x + 1);
                    ink.Bottom = std::max(ink.Bottom, y + 1);
                }
        ASSERT_FALSE(IsRectEmpty(ink)) << c.State;
        const auto count = [&](bool first) {
            int n = 0;
            for (int i = 0; i < 16; ++i) {
                const int x = c.Vertical ? i : (first ? ink.Left : ink.Right - 1);
                const int y = c.Vertical ? (first ? ink.Top : ink.Bottom - 1) : i;
                n += PixelAt(*bitmap, x, y) == ColorToRGB(clBtnText);
            }
            return n;
        };
        EXPECT_EQ(count(true) > count(false), c.BaseFirst) << c.State;
    }
}

TEST(Canvas, FrameControlsItCannotDrawAreRefusedUntouched)
{
    for (const auto& [type, state] : {std::pair{DFC_CAPTION, 0u}, std::pair{DFC_MENU, 0u},
                                      std::pair{DFC_BUTTON, 0x2u}, std::pair{DFC_SCROLL, 0x4u}}) {
        bool drawn = true;
        const auto bitmap = FrameControl(type, state, &drawn);
        EXPECT_FALSE(drawn) << type << " " << state;
        EXPECT_EQ(InkBounds(*bitmap, clLime), TRect{});
    }
}

TEST(Canvas, ThemedElementsDrawInTheirRectangleAndShowTheirState)
{
    const TThemedElement elements[] = {
        TThemedElement::ButtonPush,      TThemedElement::CheckBox,         TThemedElement::RadioButton,
        TThemedElement::ComboDropDownButton, TThemedElement::HeaderItem,   TThemedElement::ScrollArrowUp,
        TThemedElement::ScrollArrowDown, TThemedElement::ScrollArrowLeft, TThemedElement::ScrollArrowRight,
        TThemedElement::EditFrame,
    };
    for (const TThemedElement element : elements) {
        const auto bitmap = MakeBitmap(40, 30, clLime);
        bitmap->Canvas()->DrawThemed(element, {}, Rect(5, 5, 35, 25));
        const TRect ink = InkBounds(*bitmap, clLime);
        EXPECT_FALSE(IsRectEmpty(ink)) << static_cast<int>(element);
        TRect outside;
        UnionRect(outside, ink, Rect(5, 5, 35, 25));
        EXPECT_EQ(outside, Rect(5, 5, 35, 25)) << static_cast<int>(element);
    }
    for (const TThemedElement element : {TThemedElement::CheckBox, TThemedElement::RadioButton}) {
        const auto off = MakeBitmap(20, 20, clLime);
        const auto on = MakeBitmap(20, 20, clLime);
        off->Canvas()->DrawThemed(element, {}, Rect(2, 2, 18, 18));
        on->Canvas()->DrawThemed(element, {.Checked = true}, Rect(2, 2, 18, 18));
        EXPECT_FALSE(SamePixels(*off, *on)) << static_cast<int>(element);
    }
}

} // namespace
