// The data grid's plain painting: titles on the fixed colour, the text of
// each record in its row, the current record's mark, and the colours that
// OnGetCellParams sets.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include "tests/dbgrid/core/dbgridtesting.h"

namespace {
// Whether the rectangle holds a pixel of Colour.
bool Holds(const QImage& Image, const TRect& R, QRgb Colour)
{
    for (int y = R.Top; y < R.Bottom; ++y)
        for (int x = R.Left; x < R.Right; ++x)
            if ((Image.pixel(x, y) & 0xFFFFFF) == (Colour & 0xFFFFFF))
                return true;
    return false;
}

// How many pixels of the rectangle differ from its corner's colour.
int Marks(const QImage& Image, const TRect& R)
{
    const QRgb ground = Image.pixel(R.Left + 1, R.Top + 1);
    int count = 0;
    for (int y = R.Top + 1; y < R.Bottom - 1; ++y)
        for (int x = R.Left + 1; x < R.Right - 1; ++x)
            count += Image.pixel(x, y) != ground ? 1 : 0;
    return count;
}
} // namespace

TEST(DBGridDraw, RecordsShowTheirTextAndHandlersTheirColours)
{
    TStepsGrid f(3, 320, 120);
    TDBGridLt& g = *f.Grid;
    g.SetOnGetCellParams([&](TObject*, TColumnLt* Column, TFont*, TColor& Background, TGridDrawState) {
        if (Column->FieldName() == "FDELAY" && f.Delay->AsInteger() == 200)
            Background = clYellow;
    });
    const QImage image = Grab(g);
    ASSERT_FALSE(image.isNull());
    image.save("dbgrid_steps.png");
    // Titles on the button face, each holding its caption.
    const TRect title = g.CellBounds(3, 0);
    EXPECT_TRUE(Holds(image, title, qRgb(0xF0, 0xF0, 0xF0)) || Holds(image, title, qRgb(0xD4, 0xD0, 0xC8)));
    EXPECT_GT(Marks(image, title), 10);
    // Every record's name cell holds text; the empty row below does not.
    for (int row = 1; row <= 3; ++row)
        EXPECT_GT(Marks(image, g.CellBounds(3, row)), 10) << row;
    // The handler's colour in the second record only.
    EXPECT_TRUE(Holds(image, g.CellBounds(2, 2), qRgb(0xFF, 0xFF, 0x00)));
    EXPECT_FALSE(Holds(image, g.CellBounds(2, 3), qRgb(0xFF, 0xFF, 0x00)));
    // The indicator marks the current record only: its cell differs from
    // the cells of the other records.
    const TRect current = g.CellBounds(0, 1), other = g.CellBounds(0, 2), third = g.CellBounds(0, 3);
    const QImage otherCell = image.copy(other.Left, other.Top, other.Width(), other.Height());
    EXPECT_NE(image.copy(current.Left, current.Top, current.Width(), current.Height()), otherCell);
    EXPECT_EQ(image.copy(third.Left, third.Top, third.Width(), third.Height()), otherCell);
}
