// The data grid's title row: captions plain, wrapped, vertical or in the
// bands of multi-level titles, title images, pressed title buttons and the
// sort markers with their sort index.
#include <algorithm>
#include <string>

#include "dbgrid/core/canvasguards.h"
#include "dbgrid/core/celltextdrawing.h"
#include "dbgrid/core/columnlt.h"
#include "dbgrid/core/dbgridlt.h"
#include "dbgrid/core/gridimageslt.h"
#include "platform/ui/imglist.h"

namespace {
constexpr int kSortMarkerRoom = 16;

// Pixels from the left of Group's band to the left of Leaf, which lies
// somewhere below it. A hidden column's width (-1 with column lines, else
// 0) cancels its separator, so it takes no room.
int OffsetInBand(const THeadTreeNode* Group, const THeadTreeNode* Leaf)
{
    const THeadTreeNode* child = Leaf;
    while (child->Parent != Group)
        child = child->Parent;
    int offset = 0;
    for (const THeadTreeNode* node = Group->FirstChild; node != child; node = node->NextSibling)
        offset += node->Width + node->SeparatorWidth;
    return child == Leaf ? offset : offset + OffsetInBand(child, Leaf);
}
} // namespace

int TCustomDBGridLt::BuildTitleTree()
{
    std::vector<TTitleColumnLt> columns;
    columns.reserve(static_cast<std::size_t>(FColumns->Count()));
    for (int i = 0; i < FColumns->Count(); ++i) {
        const TColumnLt* column = FColumns->Items(i);
        const TColumnTitleLt* title = column->Title();
        columns.push_back({title->Caption(), column->Visible(), column->Width(), title->SortMarker() != smNoneLt,
                           title->Orientation() == tohVertical, title->Font()});
    }
    const int rowHeight = RowCount() > 0 ? RowHeights(0) : DefaultRowHeight();
    FTitleLeaves = FTitleTree->BuildFromColumns(columns, rowHeight, FOptions.Contains(dgColLines));
    TCanvas canvas;
    const int height = FTitleTree->ComputeHeights(&canvas, FTitleFont.get(), FVTitleMargin, columns);
    return height - (FOptionsLt.Contains(dghFixed3D) ? 1 : 3);
}

void TCustomDBGridLt::DrawTitleCell(int DataCol, const TRect& CellRect, const TRect& Rect, bool Framed, int DX,
                                    int DY)
{
    TCanvas& canvas = *Canvas();
    const TDBGridCellTypeLt cell{ccpDataColLt, DataCol, crpTitleLt, 0};
    if (DataCol < 0 || DataCol >= FColumns->Count()) {
        canvas.Brush()->SetColor(FixedColor());
        canvas.FillRect(CellRect);
        return;
    }
    TColumnLt* column = FColumns->Items(DataCol);
    const TColumnTitleLt* title = column->Title();
    const bool multi = FUseMultiTitle && DataCol < static_cast<int>(FTitleLeaves.size());
    TRect leafCell = CellRect;
    TRect leaf = Rect;
    if (multi) {
        canvas.Brush()->SetColor(FixedColor());
        canvas.FillRect(CellRect);
        const THeadTreeNode* node = FTitleLeaves[static_cast<std::size_t>(DataCol)];
        leafCell.Top = CellRect.Bottom - (node->Height - 3);
        DrawTitleBands(DataCol, CellRect, leafCell.Top);
        leaf.Top = leafCell.Top + (Framed ? 1 : 0);
    }

    TColor background = title->Color();
    TSortMarkerLt marker = title->SortMarker();
    const bool pressed = FPressedTitleCol >= 0 && FPressedTitleCol == DataToRawColumn(DataCol);
    if (column->BoundField() && FOnGetBtnParams)
        FOnGetBtnParams(this, column, canvas.Font(), background, marker, pressed);
    canvas.Font()->Assign(title->Font());
    if (column->BoundField() && FOnGetBtnParams)
        FOnGetBtnParams(this, column, canvas.Font(), background, marker, pressed);
    const bool highlighted =
        HighlightNoDataCellColor(cell, DataCol, IsColumnSelected(DataCol), canvas.Font(), background);

    const bool themed = ThemedDrawing() && !highlighted && background == FixedColor();
    if (themed) {
        TThemedState state;
        state.Pressed = pressed;
        canvas.DrawThemed(TThemedElement::HeaderItem, state, leafCell);
    } else {
        canvas.Brush()->SetColor(background);
        canvas.FillRect(leaf);
    }
    TCustomImageList* images = TitleImages();
    if (images && title->ImageIndex() != -1) {
        const TClipWhile clip(&canvas, leaf);
        DrawImageInRect(images, &canvas, leaf, multi ? taCenter : title->Alignment(), 0, title->ImageIndex());
    } else {
        const TRect textRect = marker == smNoneLt ? leaf : DrawSortMarker(column, marker, leaf, highlighted);
        const bool singleLine = !multi && FTitleHeight == 0 && FTitleLines == 0;
        const int shift = pressed && singleLine ? 1 : 0;
        const std::string caption = multi ? FTitleLeaves[static_cast<std::size_t>(DataCol)]->Caption : title->Caption();
        const TClearBrushWhile clear(&canvas, themed);
        if (title->Orientation() == tohVertical)
            DrawCellTextVertical(&canvas, textRect, false, DX, DY, caption, title->Alignment(), tlBottom,
                                 title->EndEllipsis());
        else if (multi)
            DrawCellText(&canvas, textRect, false, DX, DY, caption, taCenter, tlCenter, true, title->EndEllipsis(), 0,
                         0);
        else if (!singleLine)
            DrawCellText(&canvas, textRect, false, DX, DY, caption, title->Alignment(), tlCenter, true,
                         title->EndEllipsis(), 0, 0);
        else
            DrawCellText(&canvas, textRect, false, DX + shift, DY + shift, caption, title->Alignment(), tlTop, false,
                         title->EndEllipsis(), 0, 0);
    }
    if (Framed && !themed)
        DrawCellFrame(leafCell, pressed || highlighted);
}

void TCustomDBGridLt::DrawTitleBands(int DataCol, const TRect& CellRect, int LeafTop)
{
    TCanvas& canvas = *Canvas();
    const THeadTreeNode* leaf = FTitleLeaves[static_cast<std::size_t>(DataCol)];
    const int line = FOptions.Contains(dgColLines) ? GridLineWidth() : 0;
    int bottom = LeafTop;
    for (THeadTreeNode* group = leaf->Parent; group && group->Parent; group = group->Parent) {
        const int left = CellRect.Left - OffsetInBand(group, leaf);
        // The outermost band reaches the top of the title row, whatever the
        // heights of the levels leave over.
        const int top = group->Parent->Parent ? bottom - group->Height : CellRect.Top;
        const TRect band{left, top, left + group->Width, bottom};
        TRect slice;
        if (IntersectRect(slice, band, TRect{CellRect.Left, band.Top, CellRect.Right + line, band.Bottom})) {
            const TClipWhile clip(&canvas, slice);
            canvas.Font()->Assign(FTitleFont.get());
            canvas.Brush()->SetColor(FixedColor());
            canvas.FillRect(slice);
            const int lineBelow = FOptions.Contains(dgRowLines) ? 1 : 0;
            TRect face{band.Left, band.Top, band.Right, band.Bottom - lineBelow};
            DrawCellText(&canvas, face, false, 2, 1, group->Caption, taCenter, tlCenter, true, false, 0, 0);
            if (lineBelow) {
                canvas.Brush()->SetColor(Flat() ? clGray : clBlack);
                canvas.FillRect(TRect{slice.Left, band.Bottom - 1, slice.Right, band.Bottom});
            }
            if (FOptionsLt.Contains(dghFixed3D))
                canvas.DrawEdge(face, BDR_RAISEDINNER, BF_RECT);
        }
        group->Painted = true;
        bottom = band.Top;
    }
}

TRect TCustomDBGridLt::DrawSortMarker(const TColumnLt* Column, TSortMarkerLt Marker, const TRect& Rect,
                                      bool Highlighted)
{
    TCanvas& canvas = *Canvas();
    const TCustomImageList* markers = GridSortMarkerImages();
    const int image = Marker == smDownLt ? smiDownLt : smiUpLt;
    std::string number;
    if (FSortMarkedColumns.Count() >= 2 && Rect.Width() >= kSortMarkerRoom + 8)
        number = std::to_string(Column->Title()->SortIndex());
    const TFontWhile font(&canvas, GridSortIndexFont());
    const int numberWidth = number.empty() ? 0 : canvas.TextWidth(number) + 1;
    const int room = std::max(kSortMarkerRoom, markers->Width() + numberWidth + 2);
    // Too narrow for the marker beside the caption: over it.
    const bool over = Rect.Width() < room + 4;
    const int left = Rect.Right - room + (room - markers->Width() - numberWidth) / 2;
    const int top = Rect.Top + (Rect.Height() - markers->Height()) / 2;
    markers->Draw(&canvas, left, top, image);
    if (!number.empty()) {
        canvas.Font()->SetColor(Highlighted ? clWhite : Column->Title()->Font()->Color());
        const TClearBrushWhile clear(&canvas, true);
        canvas.TextOut(left + markers->Width() + 1, top + markers->Height() - canvas.TextHeight(number), number);
    }
    if (over)
        return Rect;
    return TRect{Rect.Left, Rect.Top, Rect.Right - room, Rect.Bottom};
}
