// The cell text helpers: shortened text, single and multi-line text placed
// by alignment and layout, vertical text, images aligned in a rectangle.
#include <gtest/gtest.h>

#include <string>

#include "dbgrid/core/celltextdrawing.h"
#include "platform/rtl/strutils.h"
#include "platform/ui/imglist.h"
#include "tests/platform/ui/canvastesting.h"

namespace {

// A white bitmap with black text on a white brush in the default font.
std::unique_ptr<TBitmap> TextBitmap(int Width, int Height)
{
    auto bitmap = MakeBitmap(Width, Height);
    bitmap->Canvas()->Font()->SetColor(clBlack);
    bitmap->Canvas()->Brush()->SetColor(clWhite);
    return bitmap;
}

bool Inside(const TRect& Inner, const TRect& Outer)
{
    return Inner.Left >= Outer.Left && Inner.Top >= Outer.Top && Inner.Right <= Outer.Right &&
           Inner.Bottom <= Outer.Bottom;
}

} // namespace

TEST(ShortenText, KeepsFittingTextAndShortensTheRestWholeCharacters)
{
    auto bitmap = TextBitmap(10, 10);
    const TCanvas* canvas = bitmap->Canvas();
    const std::string text = "Включить в работу";
    const int full = canvas->TextWidth(text);
    EXPECT_EQ(ShortenText(text, canvas, full), text);

    const std::string half = ShortenText(text, canvas, full / 2);
    EXPECT_LE(canvas->TextWidth(half), full / 2);
    EXPECT_TRUE(half.ends_with("..."));
    EXPECT_TRUE(IsValidUtf8(half));
    EXPECT_TRUE(text.starts_with(half.substr(0, half.size() - 3)));
    // One character more would not fit: the longest head is kept.
    const std::string head = half.substr(0, half.size() - 3);
    const std::string longer = Utf8Copy(text, 1, Utf8Length(head) + 1) + "...";
    EXPECT_GT(canvas->TextWidth(longer), full / 2);

    for (const std::string& never : {std::string("x"), std::string("ab"), text}) {
        SCOPED_TRACE(never);
        EXPECT_EQ(ShortenText(never, canvas, 0), "...");
    }
}

// At every width up to the whole text's: the longest head that fits (at
// least two characters dropped), "..." alone when none does.
TEST(ShortenText, EveryWidthKeepsTheLongestHeadThatFits)
{
    auto bitmap = TextBitmap(10, 10);
    const TCanvas* canvas = bitmap->Canvas();
    for (const std::string text : {std::string("Включить в работу все каналы"), std::string("ab"), std::string("W")}) {
        const int length = Utf8Length(text);
        const int full = canvas->TextWidth(text);
        for (int width = 0; width <= full; ++width) {
            SCOPED_TRACE(text + " in " + std::to_string(width));
            const std::string shortened = ShortenText(text, canvas, width);
            if (width == full) {
                EXPECT_EQ(shortened, text);
                continue;
            }
            ASSERT_TRUE(shortened.ends_with("..."));
            const std::string head = shortened.substr(0, shortened.size() - 3);
            const int kept = Utf8Length(head);
            EXPECT_EQ(head, Utf8Copy(text, 1, kept));
            EXPECT_LE(kept, std::max(0, length - 2));
            if (kept > 0)
                EXPECT_LE(canvas->TextWidth(shortened), width);
            if (kept < length - 2)
                EXPECT_GT(canvas->TextWidth(Utf8Copy(text, 1, kept + 1) + "..."), width);
        }
    }
}

TEST(DrawCellText, SingleLinePlacedByAlignmentAndLayoutInsideTheCell)
{
    const TRect cell{10, 10, 150, 50};
    struct TCase {
        TAlignment Alignment;
        TTextLayout Layout;
    };
    for (const TCase c : {TCase{taLeftJustify, tlTop}, TCase{taRightJustify, tlBottom}, TCase{taCenter, tlCenter}}) {
        SCOPED_TRACE(static_cast<int>(c.Alignment));
        auto bitmap = TextBitmap(160, 60);
        DrawCellText(bitmap->Canvas(), cell, true, 2, 2, "Text", c.Alignment, c.Layout, false, false, 0, 0);
        const TRect ink = InkBounds(*bitmap);
        ASSERT_FALSE(IsRectEmpty(ink));
        EXPECT_TRUE(Inside(ink, cell));
        const int left = ink.Left - cell.Left, right = cell.Right - ink.Right;
        const int top = ink.Top - cell.Top, bottom = cell.Bottom - ink.Bottom;
        switch (c.Alignment) {
        case taLeftJustify: EXPECT_LE(left, 4); EXPECT_GT(right, 60); break;
        case taRightJustify: EXPECT_LE(right, 6); EXPECT_GT(left, 60); break;
        case taCenter: EXPECT_LE(std::abs(left - right), 3); break;
        }
        switch (c.Layout) {
        case tlTop: EXPECT_LE(top, 6); EXPECT_GT(bottom, 15); break;
        case tlBottom: EXPECT_LE(bottom, 5); EXPECT_GT(top, 15); break;
        case tlCenter: EXPECT_LE(std::abs(top - bottom), 4); break;
        }
    }
}

// A row only as tall as a line of its font (the main window's 12-pixel rows)
// shows the glyphs whole: the inset gives way rather than clipping the
// bottom of the letters.
TEST(DrawCellText, ARowAsTallAsALineKeepsItsGlyphsWhole)
{
    const std::string text = "Ёлка Звезда";
    auto roomy = TextBitmap(120, 40);
    DrawCellText(roomy->Canvas(), TRect{0, 0, 120, 40}, true, 2, 2, text, taLeftJustify, tlTop, false, false, 0, 0);
    const TRect whole = InkBounds(*roomy);
    const int lineHeight = roomy->Canvas()->TextHeight(text);
    for (const TTextLayout layout : {tlTop, tlCenter, tlBottom}) {
        SCOPED_TRACE(static_cast<int>(layout));
        const TRect cell{0, 10, 120, 10 + lineHeight};
        auto bitmap = TextBitmap(120, 40);
        DrawCellText(bitmap->Canvas(), cell, true, 2, 2, text, taLeftJustify, layout, false, false, 0, 0);
        const TRect ink = InkBounds(*bitmap);
        EXPECT_TRUE(Inside(ink, cell));
        EXPECT_EQ(ink.Height(), whole.Height());
    }
}

TEST(DrawCellText, ClipsToTheCellAndFillsOnlyWhenAsked)
{
    const TRect cell{5, 5, 45, 25};
    for (const bool fill : {true, false}) {
        SCOPED_TRACE(fill);
        auto bitmap = MakeBitmap(100, 30, clRed);
        bitmap->Canvas()->Font()->SetColor(clBlack);
        bitmap->Canvas()->Brush()->SetColor(clWhite);
        DrawCellText(bitmap->Canvas(), cell, fill, 2, 2, "A rather long text for a cell", taLeftJustify, tlTop,
                     false, false, 0, 0);
        EXPECT_TRUE(Inside(InkBounds(*bitmap, clRed), cell));
        EXPECT_EQ(PixelAt(*bitmap, cell.Right - 1, cell.Bottom - 1), fill ? clWhite : clRed);
        EXPECT_EQ(bitmap->Canvas()->Brush()->Style(), bsSolid);
    }
}

TEST(DrawCellText, EndEllipsisShortensASingleLineToTheCell)
{
    const TRect cell{0, 0, 60, 20};
    auto plain = TextBitmap(200, 20);
    auto shortened = TextBitmap(200, 20);
    const std::string text = "Ширина не хватает";
    DrawCellText(plain->Canvas(), cell, true, 2, 2, text, taLeftJustify, tlTop, false, false, 0, 0);
    DrawCellText(shortened->Canvas(), cell, true, 2, 2, text, taLeftJustify, tlTop, false, true, 0, 0);
    EXPECT_FALSE(SamePixels(*plain, *shortened));
    auto expected = TextBitmap(200, 20);
    expected->Canvas()->TextRect(cell, 2, 2, ShortenText(text, expected->Canvas(), cell.Width() - 2));
    EXPECT_TRUE(SamePixels(*shortened, *expected));
}

TEST(DrawCellText, MultiLineWrapsWithinTheMarginsAndCentresVertically)
{
    const TRect cell{0, 0, 80, 100};
    auto bitmap = TextBitmap(80, 100);
    DrawCellText(bitmap->Canvas(), cell, true, 2, 2, "один два три четыре пять", taLeftJustify, tlCenter, true,
                 false, 5, 5);
    const TRect ink = InkBounds(*bitmap);
    const int line = bitmap->Canvas()->TextHeight("Ag");
    EXPECT_GE(ink.Left, 7);
    EXPECT_LE(ink.Right, 73);
    EXPECT_GT(ink.Height(), line);
    EXPECT_LE(std::abs(ink.Top - (cell.Bottom - ink.Bottom)), line / 2 + 2);
}

TEST(DrawCellTextVertical, ReadsBottomToTopPlacedByLayout)
{
    const TRect cell{0, 0, 30, 120};
    const std::string text = "Вертикаль";
    auto horizontal = TextBitmap(120, 30);
    const int length = horizontal->Canvas()->TextWidth(text);
    struct TCase {
        TTextLayout Layout;
        TAlignment Alignment;
    };
    for (const TCase c : {TCase{tlBottom, taLeftJustify}, TCase{tlTop, taCenter}, TCase{tlCenter, taRightJustify}}) {
        SCOPED_TRACE(static_cast<int>(c.Layout));
        auto bitmap = TextBitmap(30, 120);
        EXPECT_EQ(DrawCellTextVertical(bitmap->Canvas(), cell, true, 2, 2, text, c.Alignment, c.Layout, false),
                  length);
        const TRect ink = InkBounds(*bitmap);
        ASSERT_FALSE(IsRectEmpty(ink));
        EXPECT_GT(ink.Height(), 2 * ink.Width());
        EXPECT_NEAR(ink.Height(), length, 4);
        if (c.Layout == tlBottom)
            EXPECT_LE(cell.Bottom - ink.Bottom, 4);
        if (c.Layout == tlTop)
            EXPECT_LE(ink.Top, 5);
        if (c.Layout == tlCenter)
            EXPECT_LE(std::abs(ink.Top - (cell.Bottom - ink.Bottom)), 3);
    }
    // The canvas keeps its own font.
    auto bitmap = TextBitmap(30, 120);
    bitmap->Canvas()->Font()->SetName("Courier New");
    DrawCellTextVertical(bitmap->Canvas(), cell, true, 2, 2, text, taLeftJustify, tlBottom, false);
    EXPECT_EQ(bitmap->Canvas()->Font()->Name(), "Courier New");
}

TEST(DrawCellTextVertical, IsTheHorizontalTextTurnedToReadUpwards)
{
    // The ink of each column of the horizontal text, left to right, is the
    // ink of each row of the vertical text, bottom to top.
    const std::string text = "iiWWi.W";
    auto horizontal = TextBitmap(120, 30);
    horizontal->Canvas()->Font()->SetSize(12);
    DrawCellText(horizontal->Canvas(), TRect{0, 0, 120, 30}, true, 2, 2, text, taLeftJustify, tlTop, false, false, 0,
                 0);
    auto vertical = TextBitmap(30, 120);
    vertical->Canvas()->Font()->SetSize(12);
    DrawCellTextVertical(vertical->Canvas(), TRect{0, 0, 30, 120}, true, 2, 2, text, taLeftJustify, tlBottom, false);

    std::vector<int> columns, rows;
    const TRect h = InkBounds(*horizontal), v = InkBounds(*vertical);
    for (int x = h.Left; x < h.Right; ++x) {
        int count = 0;
        for (int y = 0; y < horizontal->Height(); ++y)
            count += PixelAt(*horizontal, x, y) != clWhite;
        columns.push_back(count);
    }
    for (int y = v.Bottom - 1; y >= v.Top; --y) {
        int count = 0;
        for (int x = 0; x < vertical->Width(); ++x)
            count += PixelAt(*vertical, x, y) != clWhite;
        rows.push_back(count);
    }
    ASSERT_NEAR(static_cast<int>(rows.size()), static_cast<int>(columns.size()), 1);
    int total = 0, difference = 0;
    for (std::size_t i = 0; i < std::min(rows.size(), columns.size()); ++i) {
        total += columns[i];
        difference += std::abs(columns[i] - rows[i]);
    }
    EXPECT_LT(difference, total / 5);
}

TEST(MakeRotatedFont, TurnsAQuarterAndMapsTheDefaultFace)
{
    TFont font;
    font.SetName("Default");
    font.SetStyle(TFontStyles{fsBold, fsItalic});
    font.SetSize(11);
    const TRotatedFontLt rotated = MakeRotatedFont(&font);
    EXPECT_EQ(rotated.Escapement, 900);
    EXPECT_EQ(rotated.Font->Name(), "MS Sans Serif");
    EXPECT_EQ(rotated.Font->Style(), font.Style());
    EXPECT_EQ(rotated.Font->Height(), font.Height());
    font.SetName("Arial");
    EXPECT_EQ(MakeRotatedFont(&font).Font->Name(), "Arial");
}

TEST(DrawImageInRect, AlignsCentresVerticallyAndClipsWhatSticksOut)
{
    TImageList images(nullptr);
    images.SetSize(8, 8);
    auto picture = MakeBitmap(8, 8, clBlue);
    images.Add(picture.get(), nullptr);
    struct TCase {
        TRect Rect;
        TAlignment Alignment;
        int Offset;
        TRect Expected;
    };
    const TCase cases[] = {
        {{10, 10, 40, 30}, taLeftJustify, 2, {12, 16, 20, 24}},
        {{10, 10, 40, 30}, taRightJustify, -1, {31, 16, 39, 24}},
        {{10, 10, 40, 30}, taCenter, 0, {21, 16, 29, 24}},
        {{10, 10, 14, 30}, taCenter, 0, {10, 16, 14, 24}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Rect.Right);
        auto bitmap = MakeBitmap(50, 40);
        DrawImageInRect(&images, bitmap->Canvas(), c.Rect, c.Alignment, c.Offset, 0);
        EXPECT_EQ(InkBounds(*bitmap), c.Expected);
    }
}

TEST(TurnRect, ExchangesWidthAndHeightAboutTheTopLeft)
{
    EXPECT_EQ(TurnRect(TRect{5, 7, 25, 12}), (TRect{5, 7, 10, 27}));
}
