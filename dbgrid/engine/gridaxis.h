#pragma once
// One axis of the grid's layout (columns across, rows down) worked out from
// the counts, the extents and the room on screen, with no window: where each
// cell lies, which cell a pixel hits, how far the grid can scroll, how the
// scroll bar's 0..127 scale maps to the first shown cell, and where the
// sizing hot zones are. Only the cells on screen are ever walked.
#include <vector>

// The cells First .. Last of one part of an axis, laid out from Start.
struct TGridBandLt {
    int First = 0;
    int Last = -1;
    int Start = 0;
    bool Empty() const { return Last < First; }
};

struct TGridAxisLt {
    // What the layout is made from. Positions are pixels of the window,
    // the room running from Origin to Origin + ClientExtent.
    const std::vector<int>* Extents = nullptr;   // empty: every cell DefaultExtent
    int DefaultExtent = 0;
    int LineWidth = 0;      // 0 when no line of this direction is drawn
    int FixedCount = 0;     // fixed cells, the frozen ones included
    int FrozenCount = 0;    // the last FrozenCount of the fixed cells
    int Count = 0;          // cells without the contra ones
    int ContraCount = 0;    // cells pinned to the far edge
    int FirstShown = 0;     // first shown scrolling cell
    int Origin = 0;
    int ClientExtent = 0;

    // The results of Calc.
    int FrozenBoundary = 0;    // where the frozen cells start
    int FixedBoundary = 0;     // where the scrolling cells start
    int ContraBoundary = 0;    // the contra area (its first line) starts here
    int GridExtent = 0;        // the end of the scrolling area
    int GridBoundary = 0;      // where the last shown scrolling cell ends
    int LastShown = 0;         // last shown scrolling cell, maybe partly
    int LastFullShown = 0;     // last fully shown scrolling cell

    // Works out the boundaries from the inputs.
    void Calc();

    // The parts of the axis: the fixed cells before the frozen ones, the
    // frozen cells, the shown scrolling cells and the contra cells.
    TGridBandLt FixedBand() const { return {0, FixedCount - FrozenCount - 1, Origin}; }
    TGridBandLt FrozenBand() const { return {FixedCount - FrozenCount, FixedCount - 1, FrozenBoundary}; }
    TGridBandLt ScrollingBand() const { return {FirstShown, LastShown, FixedBoundary}; }
    TGridBandLt ContraBand() const
    {
        return {Count, Count + ContraCount - 1, ContraBoundary + (ContraCount > 0 ? LineWidth : 0)};
    }
    // Where a band ends, its last line included.
    int BandEnd(const TGridBandLt& Band) const { return Band.Start + Distance(Band.First, Band.Last + 1); }

    // The extent of a cell; 0 or less hides it.
    int Extent(int Index) const;
    bool Hidden(int Index) const { return Extent(Index) <= 0; }
    // The room a cell takes with its line (0 for a hidden one).
    int Span(int Index) const;
    // Where a shown cell starts, or -1 when it is not on screen.
    int CellStart(int Index) const;
    // The cell under a position (its line counts with it), or -1.
    int CellAt(int Pos) const;
    // The pixels the shown cells among First .. Last cover (From .. To);
    // false when none of them is shown.
    bool ShownInterval(int First, int Last, int& From, int& To) const;
    // Pixels from the start of From to the start of To (From <= To).
    int Distance(int From, int To) const;
    // The smallest first shown cell that shows Index fully.
    int FirstShowingFully(int Index) const;
    // The largest first shown cell that still fills the room.
    int LastScrollPosition() const { return FirstShowingFully(Count - 1); }
    // Whether there is anything to scroll.
    bool CanScroll() const { return LastScrollPosition() > FixedCount; }
    // Fully shown scrolling cells, at least 1.
    int PageSize() const;
    // The scroll bar's position on the 0..127 scale, and back; the scale's
    // end (0 when there is nothing to scroll).
    int ScrollBarPosition() const;
    int ScrollBarMax() const;
    int FirstFromThumb(int Thumb) const;
    // From Target, the nearest shown cell going in Direction (+1 or -1)
    // within the scrolling range; the other way when none lies ahead; -1
    // when every cell is hidden.
    int StepOverHidden(int Target, int Direction) const;

    // A sizing hot zone at Pos: the cell whose far line it is, where the
    // line is, and the line's position minus Pos.
    struct TSizingHit {
        int Index = -1;
        int LinePos = 0;
        int Offset = 0;
    };
    // Searched after each frozen cell, each shown scrolling cell and each
    // contra cell; Index -1 when Pos lies in no zone.
    TSizingHit SizingLineAt(int Pos) const;
};

// A * B / C rounded to the nearest, with a 64-bit product.
int MulDiv(int A, int B, int C);
