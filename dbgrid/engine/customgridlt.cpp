#include "dbgrid/engine/customgridlt.h"

#include <algorithm>

#include <QWidget>

#include "dbgrid/engine/inplaceedit.h"
#include "platform/rtl/classbuilder.h"
#include "platform/rtl/reader.h"
#include "platform/rtl/writer.h"

LT_IMPLEMENT_CLASS(TCustomGridLt, TCustomControl) {}

namespace {
constexpr int kMaxCellCount = 134217725;

[[noreturn]] void GridError(const char* Message)
{
    throw EInvalidGridOperationLt(Message);
}

const char* const kIndexOutOfRange = "Grid index out of range";

// Resizes a materialised extent array (an empty one stays empty).
void ResizeExtents(std::vector<int>& Array, int NewCount, int Default)
{
    if (NewCount < 0)
        GridError("Too many rows or columns deleted");
    if (NewCount > kMaxCellCount)
        GridError("Grid too large for operation");
    if (!Array.empty())
        Array.resize(static_cast<std::size_t>(NewCount), Default);
}

// The entry at Index of an array of Count entries that may still be empty.
int ExtentAt(const std::vector<int>& Array, int Count, int Default, int Index)
{
    if (Index < 0 || Index >= Count)
        GridError(kIndexOutOfRange);
    return Array.empty() ? Default : Array[static_cast<std::size_t>(Index)];
}

// Stores an entry, giving an empty array its Count entries first; false when
// the entry held the value already.
bool StoreExtent(std::vector<int>& Array, int Count, int Default, int Index, int Value)
{
    if (ExtentAt(Array, Count, Default, Index) == Value && !Array.empty())
        return false;
    if (Array.empty())
        Array.assign(static_cast<std::size_t>(Count), Default);
    Array[static_cast<std::size_t>(Index)] = Value;
    return true;
}

// An index after moving the entry at From to To.
int Renumbered(int Index, int From, int To)
{
    if (Index == From)
        return To;
    if (From < To && Index > From && Index <= To)
        return Index - 1;
    if (From > To && Index >= To && Index < From)
        return Index + 1;
    return Index;
}
} // namespace

TCustomGridLt::TCustomGridLt(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetControlStyle(TControlStyle{csCaptureMouse, csOpaque, csDoubleClicks});
    SetTabStop(true);
    SetColor(clWindow);
    SetParentColor(false);
    SetBounds(0, 0, FColCount * FDefaultColWidth, FRowCount * FDefaultRowHeight);
    FScrollTimer.SetOnTimer([this] { Guarded(this, [this] { AutoScrollTick(); }); });
}

TCustomGridLt::~TCustomGridLt() = default;

TGridLineColorsLt* TCustomGridLt::LineColors() const
{
    if (!FLineColors)
        FLineColors = const_cast<TCustomGridLt*>(this)->CreateGridLineColors();
    return FLineColors.get();
}

std::unique_ptr<TGridLineColorsLt> TCustomGridLt::CreateGridLineColors()
{
    return std::make_unique<TGridLineColorsLt>(this);
}

// ---- counts -----------------------------------------------------------------

void TCustomGridLt::SetColCount(int Value)
{
    Value = std::max(Value, 1);
    if (Value == FColCount)
        return;
    if (FFixedCols >= Value)
        SetFixedCols(Value - 1);
    if (FContraColCount > 0)
        InsertDeleteSpan(std::min(Value, FColCount), Value - FColCount, true);
    else
        SetCounts(Value, FRowCount);
}

void TCustomGridLt::SetRowCount(int Value)
{
    Value = std::max(Value, 1);
    if (Value == FRowCount)
        return;
    if (FFixedRows >= Value)
        SetFixedRows(Value - 1);
    if (FContraRowCount > 0)
        InsertDeleteSpan(std::min(Value, FRowCount), Value - FRowCount, false);
    else
        SetCounts(FColCount, Value);
}

void TCustomGridLt::SetCounts(int NewColCount, int NewRowCount)
{
    const int oldCols = FColCount, oldRows = FRowCount;
    try {
        ResizeExtents(FColWidths, NewColCount + FContraColCount, FDefaultColWidth);
        ResizeExtents(FTabStops, NewColCount + FContraColCount, 1);
        ResizeExtents(FRowHeights, NewRowCount + FContraRowCount, FDefaultRowHeight);
    } catch (...) {
        ResizeExtents(FColWidths, oldCols + FContraColCount, FDefaultColWidth);
        ResizeExtents(FTabStops, oldCols + FContraColCount, 1);
        ResizeExtents(FRowHeights, oldRows + FContraRowCount, FDefaultRowHeight);
        Invalidate();
        throw;
    }
    FColCount = NewColCount;
    FRowCount = NewRowCount;
    const auto clamp = [this](TGridCoordLt& c) {
        c.X = std::min(c.X, FColCount - 1);
        c.Y = std::min(c.Y, FRowCount - 1);
    };
    const TGridCoordLt oldCurrent = FCurrent;
    clamp(FCurrent);
    clamp(FAnchor);
    clamp(FTopLeft);
    if (FOptions.Contains(goRowSelect))
        FAnchor.X = FColCount - 1;
    SizeChanged(oldCols, oldRows);
    Invalidate();
    // A current cell taken away moves to the last one left, and the editor
    // that stood on it no longer shows there.
    if (FCurrent != oldCurrent)
        FocusCell(FCurrent.X, FCurrent.Y, true, true);
    UpdateScrollBars();
}

void TCustomGridLt::SetFixedCount(int Value, bool Columns)
{
    if (Value < 0)
        GridError(kIndexOutOfRange);
    if (Columns && Value >= FColCount)
        GridError("Fixed column count must be less than column count");
    if (!Columns && Value >= FRowCount)
        GridError("Fixed row count must be less than row count");
    (Columns ? FFixedCols : FFixedRows) = Value;
    int& frozen = Columns ? FFrozenCols : FFrozenRows;
    frozen = std::min(frozen, Value);
    ResetPositions();
    Invalidate();
    UpdateScrollBars();
}

void TCustomGridLt::SetFixedCols(int Value)
{
    SetFixedCount(Value, true);
}

void TCustomGridLt::SetFixedRows(int Value)
{
    SetFixedCount(Value, false);
}

void TCustomGridLt::SetFrozenCols(int Value)
{
    FFrozenCols = std::clamp(Value, 0, FFixedCols);
    Invalidate();
}

void TCustomGridLt::SetFrozenRows(int Value)
{
    FFrozenRows = std::clamp(Value, 0, FFixedRows);
    Invalidate();
}

void TCustomGridLt::ResetPositions()
{
    FCurrent = {FFixedCols, FFixedRows};
    FAnchor = FCurrent;
    if (FOptions.Contains(goRowSelect))
        FAnchor.X = FColCount - 1;
    FTopLeft = {FFixedCols, FFixedRows};
    FHorzPixelOffset = 0;
}

void TCustomGridLt::SetContraColCount(int Value)
{
    if (Value < 0)
        GridError("FContraColCount can not be negative.");
    if (Value != FContraColCount)
        ChangeContraCounts(Value, FContraRowCount);
}

void TCustomGridLt::SetContraRowCount(int Value)
{
    if (Value < 0)
        GridError("FContraRowCount can not be negative.");
    if (Value != FContraRowCount)
        ChangeContraCounts(FContraColCount, Value);
}

void TCustomGridLt::ChangeContraCounts(int NewContraCols, int NewContraRows)
{
    const int oldCols = FContraColCount, oldRows = FContraRowCount;
    try {
        ResizeExtents(FColWidths, FColCount + NewContraCols, FDefaultColWidth);
        ResizeExtents(FTabStops, FColCount + NewContraCols, 1);
        ResizeExtents(FRowHeights, FRowCount + NewContraRows, FDefaultRowHeight);
    } catch (...) {
        ResizeExtents(FColWidths, FColCount + oldCols, FDefaultColWidth);
        ResizeExtents(FTabStops, FColCount + oldCols, 1);
        ResizeExtents(FRowHeights, FRowCount + oldRows, FDefaultRowHeight);
        Invalidate();
        throw;
    }
    FContraColCount = NewContraCols;
    FContraRowCount = NewContraRows;
    Invalidate();
    UpdateScrollBars();
}

void TCustomGridLt::InsertDeleteSpan(int First, int Amount, bool Columns)
{
    const int count = Columns ? FColCount : FRowCount;
    if (First < 0 || First > count)
        GridError(kIndexOutOfRange);
    const int newCount = count + Amount;
    if (newCount < First)
        GridError("Too many rows or columns deleted");
    if (newCount + (Columns ? FContraColCount : FContraRowCount) > kMaxCellCount)
        GridError("Grid too large for operation");
    const int oldCols = FColCount, oldRows = FRowCount;
    const auto splice = [&](std::vector<int>& array, int fill) {
        if (array.empty())
            return;
        const auto at = array.begin() + First;
        if (Amount > 0)
            array.insert(at, static_cast<std::size_t>(Amount), fill);
        else
            array.erase(at, at - Amount);
    };
    if (Columns) {
        splice(FColWidths, FDefaultColWidth);
        splice(FTabStops, 1);
        FColCount = newCount;
    } else {
        splice(FRowHeights, FDefaultRowHeight);
        FRowCount = newCount;
    }
    const auto moved = [&](int pos) {
        if (Amount < 0 && pos >= First && pos < First - Amount)
            pos = First;
        else if (pos >= First)
            pos += Amount;
        return std::clamp(pos, Columns ? FFixedCols : FFixedRows, newCount - 1);
    };
    const TGridCoordLt oldCurrent = FCurrent;
    int& current = Columns ? FCurrent.X : FCurrent.Y;
    const int newCurrent = moved(current);
    int& anchor = Columns ? FAnchor.X : FAnchor.Y;
    anchor = moved(anchor);
    int& top = Columns ? FTopLeft.X : FTopLeft.Y;
    top = moved(top);
    current = std::min(current, newCount - 1);
    Invalidate();
    SizeChanged(oldCols, oldRows);
    if (newCurrent != (Columns ? oldCurrent.X : oldCurrent.Y))
        FocusCell(Columns ? newCurrent : FCurrent.X, Columns ? FCurrent.Y : newCurrent, true, true);
    UpdateScrollBars();
}

// ---- extents ----------------------------------------------------------------

int TCustomGridLt::ColWidths(int Index) const
{
    return ExtentAt(FColWidths, FullColCount(), FDefaultColWidth, Index);
}

int TCustomGridLt::RowHeights(int Index) const
{
    return ExtentAt(FRowHeights, FullRowCount(), FDefaultRowHeight, Index);
}

bool TCustomGridLt::TabStops(int Index) const
{
    return ExtentAt(FTabStops, FullColCount(), 1, Index) != 0;
}

void TCustomGridLt::SetColWidth(int Index, int Value)
{
    if (!StoreExtent(FColWidths, FullColCount(), FDefaultColWidth, Index, Value))
        return;
    ColWidthsChanged();
    Invalidate();
    UpdateScrollBars();
}

void TCustomGridLt::SetRowHeight(int Index, int Value)
{
    if (!StoreExtent(FRowHeights, FullRowCount(), FDefaultRowHeight, Index, Value))
        return;
    RowHeightsChanged();
    Invalidate();
    UpdateScrollBars();
}

void TCustomGridLt::SetTabStop(int Index, bool Value)
{
    StoreExtent(FTabStops, FullColCount(), 1, Index, Value ? 1 : 0);
}

void TCustomGridLt::SetDefaultRowHeight(int Value)
{
    if (Value == FDefaultRowHeight && FRowHeights.empty())
        return;
    FDefaultRowHeight = Value;
    FRowHeights.clear();
    RowHeightsChanged();
    Invalidate();
    UpdateScrollBars();
}

void TCustomGridLt::SetDefaultColWidth(int Value)
{
    if (Value == FDefaultColWidth && FColWidths.empty())
        return;
    FDefaultColWidth = Value;
    FColWidths.clear();
    ColWidthsChanged();
    Invalidate();
    UpdateScrollBars();
}

void TCustomGridLt::DefineProperties(TFiler& Filer)
{
    TCustomControl::DefineProperties(Filer);
    if (!FSaveCellExtents)
        return;
    const auto define = [&](const char* name, bool columns) {
        Filer.DefineProperty(
            name,
            [this, columns](TReader& reader) {
                reader.ReadListBegin();
                for (int i = 0; !reader.EndOfList(); ++i) {
                    const int value = static_cast<int>(reader.ReadInteger());
                    columns ? SetColWidth(i, value) : SetRowHeight(i, value);
                }
                reader.ReadListEnd();
            },
            [this, columns](TWriter& writer) {
                writer.WriteListBegin();
                for (int i = 0; i < (columns ? FColCount : FRowCount); ++i)
                    writer.WriteInteger(columns ? ColWidths(i) : RowHeights(i));
                writer.WriteListEnd();
            },
            !(columns ? FColWidths : FRowHeights).empty());
    };
    define("ColWidths", true);
    define("RowHeights", false);
}

// ---- looks ------------------------------------------------------------------

void TCustomGridLt::SetGridLineWidth(int Value)
{
    if (Value == FGridLineWidth)
        return;
    FGridLineWidth = Value;
    Invalidate();
    UpdateScrollBars();
}

void TCustomGridLt::SetOptions(TGridOptionsLt Value)
{
    if (Value.Contains(goRowSelect))
        Value.Exclude(goAlwaysShowEditor);
    if (Value == FOptions)
        return;
    FOptions = Value;
    if (!FEditorMode && FOptions.Contains(goAlwaysShowEditor))
        ShowEditor();
    else if (!FEditorMode)
        HideEditor();
    if (FOptions.Contains(goRowSelect))
        FocusCell(FCurrent.X, FCurrent.Y, true, false);
    Invalidate();
    UpdateScrollBars();
}

void TCustomGridLt::SetScrollBars(TScrollStyle Value)
{
    if (Value == FScrollBars)
        return;
    FScrollBars = Value;
    UpdateScrollBars();
    Invalidate();
}

void TCustomGridLt::SetBorderStyle(TFormBorderStyle Value)
{
    if (Value == FBorderStyle)
        return;
    FBorderStyle = Value;
    UpdateScrollBars();
    Invalidate();
}

void TCustomGridLt::SetFixedColor(TColor Value)
{
    if (Value == FFixedColor)
        return;
    FFixedColor = Value;
    Invalidate();
}

void TCustomGridLt::SetFlat(bool Value)
{
    if (Value == FFlat)
        return;
    FFlat = Value;
    CalcFlatColors();
    FlatChanged();
    Invalidate();
}

void TCustomGridLt::CalcFlatColors()
{
    FFrame3DColor = FFlat ? clGray : clBlack;
}

void TCustomGridLt::SetDefaultDrawing(bool Value)
{
    if (Value == FDefaultDrawing)
        return;
    FDefaultDrawing = Value;
    Invalidate();
}

// ---- positions --------------------------------------------------------------

TGridRectLt TCustomGridLt::Selection() const
{
    return {std::min(FAnchor.X, FCurrent.X), std::min(FAnchor.Y, FCurrent.Y), std::max(FAnchor.X, FCurrent.X),
            std::max(FAnchor.Y, FCurrent.Y)};
}

bool TCustomGridLt::SelectCell(int, int)
{
    return true;
}

void TCustomGridLt::SetCol(int Value)
{
    if (Value == FCurrent.X)
        return;
    FocusCell(Value, FCurrent.Y, true, true);
    UpdateEdit();
    Click();
}

void TCustomGridLt::SetRow(int Value)
{
    if (Value == FCurrent.Y)
        return;
    FocusCell(FCurrent.X, Value, true, true);
    UpdateEdit();
    Click();
}

void TCustomGridLt::FocusCell(int ACol, int ARow, bool MoveAnchor, bool Show)
{
    if (ACol < 0 || ARow < 0 || ACol >= FColCount || ARow >= FRowCount)
        GridError(kIndexOutOfRange);
    if (!SelectCell(ACol, ARow))
        return;
    const TGridRectLt oldSelection = Selection();
    const TGridCoordLt oldCurrent = FCurrent;
    FCurrent = {ACol, ARow};
    if (!FOptions.Contains(goAlwaysShowEditor))
        HideEditor();
    if (MoveAnchor || !FOptions.Contains(goRangeSelect)) {
        FAnchor = FCurrent;
        if (FOptions.Contains(goRowSelect))
            FAnchor.X = FColCount - 1;
    }
    if (FOptions.Contains(goRowSelect))
        FCurrent.X = FFixedCols;
    if (Show)
        ScrollToShow(FCurrent.X, FCurrent.Y);
    RepaintSelectionChange(oldSelection, Selection());
    RepaintCell(oldCurrent.X, oldCurrent.Y);
    RepaintCell(FCurrent.X, FCurrent.Y);
}

void TCustomGridLt::ScrollToShow(int ACol, int ARow)
{
    const TGridAxisLt h = HorzAxis(), v = VertAxis();
    TGridCoordLt top = FTopLeft;
    const auto keep = [](const TGridAxisLt& axis, int index, int& first) {
        if (index < axis.FixedCount || index >= axis.Count)
            return;
        if (index < axis.FirstShown)
            first = index;
        else if (index > axis.LastFullShown)
            first = axis.FirstShowingFully(index);
    };
    keep(h, ACol, top.X);
    keep(v, ARow, top.Y);
    MoveTopLeft(top.X, top.Y);
}

void TCustomGridLt::SetFirstShownCol(int Value)
{
    MoveTopLeft(Value, FTopLeft.Y);
}

void TCustomGridLt::SetFirstShownRow(int Value)
{
    MoveTopLeft(FTopLeft.X, Value);
}

void TCustomGridLt::MoveTopLeft(int ACol, int ARow)
{
    const TGridCoordLt top{std::clamp(ACol, FFixedCols, FColCount - 1), std::clamp(ARow, FFixedRows, FRowCount - 1)};
    if (top == FTopLeft)
        return;
    FTopLeft = top;
    Invalidate();
    UpdateScrollBars();
    if (FEditorMode && FInplaceEdit && FInplaceEdit->Visible())
        FInplaceEdit->Move(CellBounds(FCurrent.X, FCurrent.Y));
    TopLeftChanged();
}

// ---- geometry ---------------------------------------------------------------

int TCustomGridLt::BorderWidth() const
{
    return FBorderStyle == bsNone ? 0 : (FFlat ? 1 : 2);
}

TRect TCustomGridLt::ClientRect() const
{
    const int border = BorderWidth();
    TRect r = Rect(border, border, Width() - border, Height() - border);
    if (FVertBar && FVertBar->Visible())
        r.Right -= FVertBar->Width();
    if (FHorzBar && FHorzBar->Visible())
        r.Bottom -= FHorzBar->Height();
    r.Right = std::max(r.Right, r.Left);
    r.Bottom = std::max(r.Bottom, r.Top);
    return r;
}

TGridAxisLt TCustomGridLt::MakeAxis(bool Vertical) const
{
    const TRect client = ClientRect();
    TGridAxisLt a;
    const bool lines = Vertical ? FOptions.Contains(goFixedHorzLine) || FOptions.Contains(goHorzLine)
                                : FOptions.Contains(goFixedVertLine) || FOptions.Contains(goVertLine);
    a.LineWidth = lines ? FGridLineWidth : 0;
    if (Vertical) {
        a.Extents = &FRowHeights;
        a.DefaultExtent = FDefaultRowHeight;
        a.FixedCount = FFixedRows;
        a.FrozenCount = FFrozenRows;
        a.Count = FRowCount;
        a.ContraCount = FContraRowCount;
        a.FirstShown = FTopLeft.Y;
        a.Origin = client.Top;
        a.ClientExtent = client.Height();
    } else {
        a.Extents = &FColWidths;
        a.DefaultExtent = FDefaultColWidth;
        a.FixedCount = FFixedCols;
        a.FrozenCount = FFrozenCols;
        a.Count = FColCount;
        a.ContraCount = FContraColCount;
        a.FirstShown = FTopLeft.X;
        // The only column of a one-column grid scrolls by pixels.
        a.Origin = client.Left - (FullColCount() == 1 ? FHorzPixelOffset : 0);
        a.ClientExtent = client.Right - a.Origin;
    }
    a.Calc();
    return a;
}

TGridAxisLt TCustomGridLt::HorzAxis() const
{
    return MakeAxis(false);
}

TGridAxisLt TCustomGridLt::VertAxis() const
{
    return MakeAxis(true);
}

TRect TCustomGridLt::CellBounds(int ACol, int ARow) const
{
    const TGridAxisLt h = HorzAxis(), v = VertAxis();
    const int x = h.CellStart(ACol), y = v.CellStart(ARow);
    if (x < 0 || y < 0)
        return {};
    return Rect(x, y, x + h.Extent(ACol), y + v.Extent(ARow));
}

TRect TCustomGridLt::CellBounds(const TGridRectLt& Cells) const
{
    TRect r;
    if (!HorzAxis().ShownInterval(Cells.Left, Cells.Right, r.Left, r.Right) ||
        !VertAxis().ShownInterval(Cells.Top, Cells.Bottom, r.Top, r.Bottom))
        return {};
    TRect shown;
    IntersectRect(shown, r, ClientRect());
    return shown;
}

TGridCoordLt TCustomGridLt::MouseToCell(int X, int Y) const
{
    const int col = HorzAxis().CellAt(X), row = VertAxis().CellAt(Y);
    if (col < 0 || row < 0)
        return {-1, -1};
    return {col, row};
}

void TCustomGridLt::InvalidateCells(const TRect& R)
{
    if (HasBridge() && !IsRectEmpty(R))
        Widget()->update(R.Left, R.Top, R.Width(), R.Height());
}

void TCustomGridLt::RepaintCell(int ACol, int ARow)
{
    InvalidateCells(CellBounds(ACol, ARow));
}

void TCustomGridLt::RepaintRect(const TGridRectLt& Cells)
{
    InvalidateCells(CellBounds(Cells));
}

void TCustomGridLt::RepaintColumn(int ACol)
{
    InvalidateCells(CellBounds(TGridRectLt{ACol, 0, ACol, FullRowCount() - 1}));
}

void TCustomGridLt::RepaintSelectionChange(const TGridRectLt& Old, const TGridRectLt& New)
{
    if (Old == New)
        return;
    RepaintRect(Old);
    RepaintRect(New);
}

// ---- moving and removing ----------------------------------------------------

void TCustomGridLt::MoveExtent(std::vector<int>& Array, int FromIndex, int ToIndex)
{
    if (Array.empty())
        return;
    const auto from = Array.begin() + FromIndex, to = Array.begin() + ToIndex;
    if (FromIndex < ToIndex)
        std::rotate(from, from + 1, to + 1);
    else
        std::rotate(to, from, from + 1);
}

void TCustomGridLt::MoveColumn(int FromIndex, int ToIndex)
{
    if (FromIndex < 0 || ToIndex < 0 || FromIndex >= FColCount || ToIndex >= FColCount)
        GridError(kIndexOutOfRange);
    if (FromIndex == ToIndex)
        return;
    MoveExtent(FColWidths, FromIndex, ToIndex);
    MoveExtent(FTabStops, FromIndex, ToIndex);
    FCurrent.X = Renumbered(FCurrent.X, FromIndex, ToIndex);
    FAnchor.X = Renumbered(FAnchor.X, FromIndex, ToIndex);
    if (FEditorPos.X >= 0)
        FEditorPos.X = Renumbered(FEditorPos.X, FromIndex, ToIndex);
    RepaintRect({std::min(FromIndex, ToIndex), 0, std::max(FromIndex, ToIndex), FullRowCount() - 1});
    ColumnMoved(FromIndex, ToIndex);
    if (!FColWidths.empty())
        ColWidthsChanged();
    UpdateEdit();
}

void TCustomGridLt::MoveRow(int FromIndex, int ToIndex)
{
    if (FromIndex < 0 || ToIndex < 0 || FromIndex >= FRowCount || ToIndex >= FRowCount)
        GridError(kIndexOutOfRange);
    if (FromIndex == ToIndex)
        return;
    MoveExtent(FRowHeights, FromIndex, ToIndex);
    FCurrent.Y = Renumbered(FCurrent.Y, FromIndex, ToIndex);
    FAnchor.Y = Renumbered(FAnchor.Y, FromIndex, ToIndex);
    if (FEditorPos.Y >= 0)
        FEditorPos.Y = Renumbered(FEditorPos.Y, FromIndex, ToIndex);
    RepaintRect({0, std::min(FromIndex, ToIndex), FullColCount() - 1, std::max(FromIndex, ToIndex)});
    RowMoved(FromIndex, ToIndex);
    if (!FRowHeights.empty())
        RowHeightsChanged();
    UpdateEdit();
}

void TCustomGridLt::RemoveColumn(int Index)
{
    MoveColumn(Index, FColCount - 1);
    SetColCount(FColCount - 1);
}

void TCustomGridLt::RemoveRow(int Index)
{
    MoveRow(Index, FRowCount - 1);
    SetRowCount(FRowCount - 1);
}

// ---- notifications ------------------------------------------------------------

void TCustomGridLt::ColumnMoved(int, int) {}
void TCustomGridLt::RowMoved(int, int) {}
void TCustomGridLt::TopLeftChanged() {}
void TCustomGridLt::ColWidthsChanged() {}
void TCustomGridLt::RowHeightsChanged() {}
void TCustomGridLt::SizeChanged(int, int) {}
