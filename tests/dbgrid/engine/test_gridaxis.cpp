// The grid's layout along one axis, worked out without any window.
#include <gtest/gtest.h>

#include <vector>

#include "dbgrid/engine/gridaxis.h"

namespace {
// Columns of the given widths in a room of Room pixels, 1-pixel lines.
struct TAxisFixture {
    std::vector<int> Widths;
    TGridAxisLt Axis;

    TAxisFixture(std::vector<int> widths, int fixed, int contra, int room, int first = -1, int frozen = 0,
                 int line = 1)
        : Widths(std::move(widths))
    {
        Axis.Extents = &Widths;
        Axis.LineWidth = line;
        Axis.FrozenCount = frozen;
        Axis.FixedCount = fixed;
        Axis.Count = static_cast<int>(Widths.size()) - contra;
        Axis.ContraCount = contra;
        Axis.FirstShown = first < 0 ? fixed : first;
        Axis.ClientExtent = room;
        Axis.Calc();
    }
};
} // namespace

TEST(GridAxis, CellsLieAfterTheFixedOnesAndHiddenOnesTakeNoRoom)
{
    TAxisFixture f({20, 30, 0, -1, 40, 50}, 1, 0, 200);
    EXPECT_EQ(f.Axis.FixedBoundary, 21);
    EXPECT_EQ(f.Axis.CellStart(1), 21);
    EXPECT_EQ(f.Axis.CellStart(2), -1);
    EXPECT_EQ(f.Axis.CellStart(3), -1);
    EXPECT_EQ(f.Axis.CellStart(4), 52);
    EXPECT_EQ(f.Axis.CellStart(5), 93);
    EXPECT_EQ(f.Axis.LastShown, 5);
    EXPECT_EQ(f.Axis.GridBoundary, 144);
}

TEST(GridAxis, ContraCellsStayAtTheFarEdgeWhateverTheFirstShownCell)
{
    for (const int first : {1, 3, 6}) {
        TAxisFixture f({10, 30, 30, 30, 30, 30, 30, 30, 20, 25}, 1, 2, 200, first);
        SCOPED_TRACE(first);
        // 200 - (21 + 26) - 1: the line before the contra cells starts here.
        EXPECT_EQ(f.Axis.ContraBoundary, 152);
        EXPECT_EQ(f.Axis.CellStart(8), 153);
        EXPECT_EQ(f.Axis.CellStart(9), 174);
        EXPECT_EQ(f.Axis.CellAt(180), 9);
        EXPECT_EQ(f.Axis.GridExtent, 152);
        EXPECT_LE(f.Axis.GridBoundary, 152);
    }
}

TEST(GridAxis, HitTestingMissesOutsideTheCells)
{
    TAxisFixture f({20, 30, 30}, 1, 0, 200);
    struct TCase {
        int Pos;
        int Cell;
    };
    for (const TCase c : {TCase{-1, -1}, {0, 0}, {20, 0}, {21, 1}, {51, 1}, {52, 2}, {82, 2}, {83, -1}, {199, -1},
                          {500, -1}}) {
        SCOPED_TRACE(c.Pos);
        EXPECT_EQ(f.Axis.CellAt(c.Pos), c.Cell);
    }
}

TEST(GridAxis, LastScrollPositionFillsTheRoom)
{
    // 10 scrolling columns of 30 (+1) after a fixed one of 20 (+1) in 150:
    // 129 pixels of room hold four columns fully.
    TAxisFixture f(std::vector<int>(11, 30), 1, 0, 150);
    f.Widths[0] = 20;
    f.Axis.Calc();
    EXPECT_EQ(f.Axis.LastScrollPosition(), 7);
    EXPECT_EQ(f.Axis.LastFullShown, 4);
    EXPECT_EQ(f.Axis.PageSize(), 4);
    EXPECT_EQ(f.Axis.FirstShowingFully(9), 6);
}

TEST(GridAxis, ScrollBarScaleMapsBothWays)
{
    // Last scroll position 7, fixed 1: six steps over 0..127.
    TAxisFixture f(std::vector<int>(11, 30), 1, 0, 150);
    f.Widths[0] = 20;
    struct TCase {
        int First;
        int Position;
    };
    for (const TCase c : {TCase{1, 0}, {2, 21}, {4, 64}, {7, 127}}) {
        SCOPED_TRACE(c.First);
        f.Axis.FirstShown = c.First;
        f.Axis.Calc();
        EXPECT_EQ(f.Axis.ScrollBarPosition(), c.Position);
        EXPECT_EQ(f.Axis.FirstFromThumb(c.Position), c.First);
    }
}

TEST(GridAxis, NothingToScrollMapsToZeroWithoutDividing)
{
    // Everything fits: the last scroll position is the first scrolling cell.
    TAxisFixture f({20, 30, 30}, 1, 0, 400);
    EXPECT_FALSE(f.Axis.CanScroll());
    EXPECT_EQ(f.Axis.ScrollBarPosition(), 0);
    EXPECT_EQ(f.Axis.FirstFromThumb(127), 1);
}

TEST(GridAxis, SteppingOverHiddenCellsStopsAtTheEndsOfTheRange)
{
    TAxisFixture f({20, 30, 0, 0, 30, 0}, 1, 0, 100);
    EXPECT_EQ(f.Axis.StepOverHidden(2, 1), 4);
    EXPECT_EQ(f.Axis.StepOverHidden(3, -1), 1);
    // Nothing shown ahead: the nearest shown cell behind.
    EXPECT_EQ(f.Axis.StepOverHidden(5, 1), 4);
    TAxisFixture none({20, 0, 0}, 1, 0, 100);
    EXPECT_EQ(none.Axis.StepOverHidden(1, 1), -1);
    EXPECT_EQ(none.Axis.StepOverHidden(2, -1), -1);
}

TEST(GridAxis, ThumbSkipsHiddenColumnsInItsDirection)
{
    // Columns 3 and 4 hidden: a thumb landing on them goes on to column 5.
    std::vector<int> widths(11, 30);
    widths[0] = 20;
    widths[3] = widths[4] = 0;
    TAxisFixture f(widths, 1, 0, 150);
    const int last = f.Axis.LastScrollPosition();
    const int thumb = 127 * 2 / (last - 1) + 1;   // lands on column 3
    EXPECT_EQ(f.Axis.FirstFromThumb(thumb), 5);
}

TEST(GridAxis, SizingHotZoneIsSevenPixelsCentredOnTheLine)
{
    // One frozen column of 20 after a fixed one of 20; lines 1 pixel.
    TAxisFixture f({20, 20, 30, 30}, 2, 0, 300, 2, 1);
    const TGridAxisLt& a = f.Axis;
    struct TCase {
        int Pos;
        int Index;
        int LinePos;
    };
    // Column 1's line is at 41, column 2's at 72, column 3's at 103.
    for (const TCase c : {TCase{37, -1, 0}, {38, 1, 41}, {44, 1, 41}, {45, -1, 0}, {69, 2, 72}, {75, 2, 72},
                          {106, 3, 103}, {107, -1, 0}, {17, -1, 0}}) {
        SCOPED_TRACE(c.Pos);
        const auto hit = a.SizingLineAt(c.Pos);
        EXPECT_EQ(hit.Index, c.Index);
        if (c.Index >= 0) {
            EXPECT_EQ(hit.LinePos, c.LinePos);
            EXPECT_EQ(hit.Offset, c.LinePos - c.Pos);
        }
    }
}

TEST(GridAxis, WideLinesAreTheirOwnHotZone)
{
    TAxisFixture f({20, 30, 30}, 1, 0, 300, 1, 0, 10);
    const TGridAxisLt& a = f.Axis;
    // Column 1 runs 30 .. 60, its line 60 .. 70.
    EXPECT_EQ(a.SizingLineAt(59).Index, -1);
    EXPECT_EQ(a.SizingLineAt(60).Index, 1);
    EXPECT_EQ(a.SizingLineAt(69).Index, 1);
    EXPECT_EQ(a.SizingLineAt(70).Index, -1);
}
