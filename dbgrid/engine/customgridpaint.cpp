// Painting the grid: lines and cells region by region (fixed, frozen,
// scrolling, then the contra cells at the far edges), only the cells on
// screen, each through DrawCell.
#include <algorithm>

#include "dbgrid/engine/customgridlt.h"
#include "dbgrid/engine/inplaceedit.h"

namespace {
// The band holds the fixed cells before the frozen ones.
bool FixedBand(const TGridBandLt& Band, int FixedCount, int FrozenCount)
{
    return Band.Last < FixedCount - FrozenCount;
}

// Assigning a font makes the canvas build it anew: only when it changed.
bool SameFont(const TFont& A, const TFont& B)
{
    return A.Name() == B.Name() && A.Size() == B.Size() && A.Style() == B.Style() && A.Color() == B.Color() &&
           A.Pitch() == B.Pitch();
}
} // namespace

void TCustomGridLt::Paint()
{
    const TGridAxisLt h = HorzAxis(), v = VertAxis();
    const TRect client = ClientRect();
    TCanvas* canvas = Canvas();
    PaintBorder();
    TRect clip;
    if (!IntersectRect(clip, canvas->ClipRect(), client))
        return;
    FPaintingActive = IsActiveControl();

    const TGridBandLt cols[] = {h.FixedBand(), h.FrozenBand(), h.ScrollingBand()};
    const TGridBandLt rows[] = {v.FixedBand(), v.FrozenBand(), v.ScrollingBand()};
    const TRect gridArea = Rect(client.Left, client.Top, h.GridExtent, v.GridExtent);
    const TRect scrollingCols = Rect(h.FixedBoundary, client.Top, h.GridExtent, v.GridExtent);
    // The regions in painting order: fixed corner, fixed columns beside the
    // frozen rows, frozen cells, then the scrolling columns beside the fixed
    // and frozen rows, then the scrolling rows.
    struct TRegion {
        int Col, Row;
    };
    static constexpr TRegion kRegions[] = {{0, 0}, {0, 1}, {1, 0}, {1, 1}, {2, 0}, {2, 1}, {0, 2}, {1, 2}, {2, 2}};

    canvas->SaveState();
    canvas->IntersectClipRect(gridArea);
    for (const TRegion& region : kRegions)
        PaintLines(h, cols[region.Col], v, rows[region.Row]);
    for (const TRegion& region : kRegions) {
        const bool scrolling = region.Col == 2;
        TRect regionClip = clip;
        if (scrolling && !IntersectRect(regionClip, clip, scrollingCols))
            continue;
        if (scrolling) {
            canvas->SaveState();
            canvas->IntersectClipRect(scrollingCols);
        }
        PaintCells(h, cols[region.Col], v, rows[region.Row], regionClip);
        if (scrolling)
            canvas->RestoreState();
    }
    if (FOptions.Contains(goRowSelect) && FDefaultDrawing && !Designing() && FPaintingActive) {
        const TRect row = CellBounds(Selection());
        if (!IsRectEmpty(row))
            canvas->DrawFocusRect(row);
    }
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(Rect(h.GridBoundary, client.Top, h.GridExtent, v.GridExtent));
    canvas->FillRect(Rect(client.Left, v.GridBoundary, h.GridBoundary, v.GridExtent));
    canvas->RestoreState();

    if (FContraRowCount > 0) {
        const TGridBandLt contraRows = v.ContraBand();
        PaintContraLine(h, v, true);
        for (int i = 0; i < 3; ++i)
            PaintLines(h, cols[i], v, contraRows);
        for (int i = 0; i < 3; ++i) {
            TRect regionClip = clip;
            if (i == 2 && !IntersectRect(regionClip, clip, Rect(h.FixedBoundary, client.Top, h.GridExtent, client.Bottom)))
                continue;
            PaintCells(h, cols[i], v, contraRows, regionClip);
        }
        canvas->Brush()->SetColor(Color());
        canvas->FillRect(Rect(h.GridBoundary, v.ContraBoundary, h.GridExtent, client.Bottom));
    }
    if (FContraColCount > 0) {
        const TGridBandLt contraCols = h.ContraBand();
        PaintContraLine(h, v, false);
        const TGridBandLt contraRows[] = {rows[0], rows[1], rows[2], v.ContraBand()};
        for (const TGridBandLt& band : contraRows)
            PaintLines(h, contraCols, v, band);
        for (int i = 0; i < 4; ++i) {
            TRect regionClip = clip;
            if (i == 2 && !IntersectRect(regionClip, clip, Rect(client.Left, v.FixedBoundary, client.Right, v.GridExtent)))
                continue;
            PaintCells(h, contraCols, v, contraRows[i], regionClip);
        }
        canvas->Brush()->SetColor(Color());
        canvas->FillRect(Rect(h.ContraBoundary, v.GridBoundary, client.Right, v.GridExtent));
    }
}

void TCustomGridLt::PaintContraLine(const TGridAxisLt& H, const TGridAxisLt& V, bool Rows)
{
    const TGridAxisLt& axis = Rows ? V : H;
    if (axis.LineWidth <= 0 || !FOptions.Contains(Rows ? goHorzLine : goVertLine))
        return;
    const TRect client = ClientRect();
    TCanvas* canvas = Canvas();
    if (Rows) {
        canvas->Brush()->SetColor(LineColors()->GetHorzLineColorAt(FRowCount));
        canvas->FillRect(Rect(client.Left, V.ContraBoundary, H.GridExtent, V.ContraBoundary + V.LineWidth));
    } else {
        canvas->Brush()->SetColor(LineColors()->GetVertLineColorAt(FColCount));
        canvas->FillRect(Rect(H.ContraBoundary, client.Top, H.ContraBoundary + H.LineWidth, client.Bottom));
    }
}

void TCustomGridLt::PaintLines(const TGridAxisLt& H, const TGridBandLt& Cols, const TGridAxisLt& V,
                               const TGridBandLt& Rows)
{
    if (Cols.Empty() || Rows.Empty())
        return;
    const bool colsFixed = FixedBand(Cols, FFixedCols, FFrozenCols);
    const bool rowsFixed = FixedBand(Rows, FFixedRows, FFrozenRows);
    const bool fixedRegion = colsFixed || rowsFixed;
    TCanvas* canvas = Canvas();
    const TGridLineColorsLt* colors = LineColors();
    // Lines wider than a pixel have flat ends: filled rectangles.
    if (H.LineWidth > 0 && FOptions.Contains(fixedRegion ? goFixedVertLine : goVertLine)) {
        const int top = Rows.Start, bottom = V.BandEnd(Rows);
        int x = Cols.Start;
        for (int i = Cols.First; i <= Cols.Last && x < H.Origin + H.ClientExtent; ++i) {
            if (H.Hidden(i))
                continue;
            x += H.Extent(i);
            canvas->Brush()->SetColor(fixedRegion ? colors->GetFixedLineColor()
                                      : i >= FColCount ? colors->GetVertLineColorAt(i)
                                                       : colors->GetVertLineColorAfter(i));
            canvas->FillRect(Rect(x, top, x + H.LineWidth, bottom));
            x += H.LineWidth;
        }
    }
    if (V.LineWidth > 0 && FOptions.Contains(fixedRegion ? goFixedHorzLine : goHorzLine)) {
        const int left = Cols.Start, right = H.BandEnd(Cols);
        int y = Rows.Start;
        for (int i = Rows.First; i <= Rows.Last && y < V.Origin + V.ClientExtent; ++i) {
            if (V.Hidden(i))
                continue;
            y += V.Extent(i);
            canvas->Brush()->SetColor(fixedRegion ? colors->GetFixedLineColor()
                                      : i >= FRowCount ? colors->GetHorzLineColorAt(i)
                                                       : colors->GetHorzLineColorAfter(i));
            canvas->FillRect(Rect(left, y, right, y + V.LineWidth));
            y += V.LineWidth;
        }
    }
}

void TCustomGridLt::PaintCells(const TGridAxisLt& H, const TGridBandLt& Cols, const TGridAxisLt& V,
                               const TGridBandLt& Rows, const TRect& Clip)
{
    int y = Rows.Start;
    for (int row = Rows.First; row <= Rows.Last && y < Clip.Bottom; ++row) {
        const int height = V.Extent(row);
        if (height <= 0)
            continue;
        int x = Cols.Start;
        for (int col = Cols.First; col <= Cols.Last && x < Clip.Right; ++col) {
            const int width = H.Extent(col);
            if (width <= 0)
                continue;
            const TRect cell = Rect(x, y, x + width, y + height);
            TRect shown;
            if (IntersectRect(shown, cell, Clip))
                PaintCell(col, row, cell);
            x += width + H.LineWidth;
        }
        y += height + V.LineWidth;
    }
}

void TCustomGridLt::PaintCell(int ACol, int ARow, const TRect& ARect)
{
    const bool fixed = ACol < FFixedCols - FFrozenCols || ARow < FFixedRows - FFrozenRows;
    const TGridRectLt selection = Selection();
    const bool selected = ACol >= selection.Left && ACol <= selection.Right && ARow >= selection.Top &&
                          ARow <= selection.Bottom;
    const bool focused = FPaintingActive && ACol == FCurrent.X && ARow == FCurrent.Y;
    // The editor covers the focused cell only while it is shown there: a
    // cell it does not open on (an image, a check box) paints itself.
    if (focused && FOptions.Contains(goEditing) && FEditorMode && FInplaceEdit && FInplaceEdit->Visible() &&
        !Designing())
        return;
    TGridDrawState state;
    if (fixed)
        state.Include(gdFixed);
    if (selected)
        state.Include(gdSelected);
    if (focused)
        state.Include(gdFocused);
    TCanvas* canvas = Canvas();
    const TColor background = fixed ? FFixedColor : Color();
    if (FDefaultDrawing || Designing()) {
        if (!SameFont(*canvas->Font(), *Font()))
            canvas->SetFont(Font());
        if (selected && (!focused || FOptions.Contains(goRowSelect) || FOptions.Contains(goDrawFocusSelected))) {
            canvas->Brush()->SetColor(clHighlight);
            canvas->Font()->SetColor(clHighlightText);
        } else {
            canvas->Brush()->SetColor(background);
        }
        canvas->FillRect(ARect);
    }
    DrawCell(ACol, ARow, ARect, state);
    if (!EngineDrawsCellEdges())
        return;
    if (FDefaultDrawing && fixed && (FOptions.Contains(goFixedVertLine) || FOptions.Contains(goFixedHorzLine)))
        PaintFixedEdge(ARect, background);
    if (FDefaultDrawing && !Designing() && focused &&
        !(FOptions.Contains(goEditing) && FOptions.Contains(goAlwaysShowEditor)) && !FOptions.Contains(goRowSelect))
        canvas->DrawFocusRect(ARect);
}

void TCustomGridLt::PaintFixedEdge(TRect Cell, TColor Background)
{
    const int line = FGridLineWidth;
    if (FOptions.Contains(goFixedVertLine))
        Cell.Right += line;
    if (FOptions.Contains(goFixedHorzLine))
        Cell.Bottom += line;
    TCanvas* canvas = Canvas();
    if (!FFlat) {
        canvas->DrawEdge(Cell, BDR_RAISEDINNER, BF_RECT);
        return;
    }
    canvas->Brush()->SetColor(Background);
    canvas->FillRect(Rect(Cell.Right - 1, Cell.Top, Cell.Right, Cell.Bottom));
    canvas->FillRect(Rect(Cell.Left, Cell.Bottom - 1, Cell.Right, Cell.Bottom));
    canvas->DrawEdge(Cell, BDR_RAISEDINNER, BF_LEFT | BF_TOP);
}

void TCustomGridLt::PaintBorder()
{
    TCanvas* canvas = Canvas();
    if (FHorzBar && FVertBar && FHorzBar->Visible() && FVertBar->Visible()) {
        canvas->Brush()->SetColor(clBtnFace);
        canvas->FillRect(Rect(FVertBar->Left(), FHorzBar->Top(), FVertBar->Left() + FVertBar->Width(),
                              FHorzBar->Top() + FHorzBar->Height()));
    }
    if (FBorderStyle == bsNone)
        return;
    TRect r = Rect(0, 0, Width(), Height());
    if (FFlat) {
        canvas->Brush()->SetColor(FFrame3DColor);
        canvas->FrameRect(r);
    } else {
        canvas->DrawEdge(r, EDGE_SUNKEN, BF_RECT);
    }
}
