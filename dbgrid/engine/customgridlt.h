#pragma once
// The grid engine: a windowed grid of cells that knows nothing of data. It
// owns the cell geometry (widths, heights, fixed, frozen and contra cells),
// the current cell, the selection anchor, the scroll position and the
// window's scroll bars, and paints region by region, calling DrawCell for
// every cell on screen. Layout and hit testing stand on TGridAxisLt, which
// needs no window.
#include <memory>
#include <vector>

#include "dbgrid/engine/gridaxis.h"
#include "dbgrid/engine/gridlinecolors.h"
#include "dbgrid/engine/gridtypes.h"
#include "platform/ui/controls.h"
#include "platform/ui/forms.h"
#include "platform/ui/repeattimer.h"
#include "platform/ui/stdctrls.h"

class TInplaceEdit;
class TGridGuideLineLt;

class TCustomGridLt : public TCustomControl {
    LT_CLASS(TCustomGridLt)
public:
    explicit TCustomGridLt(TComponent* AOwner);
    ~TCustomGridLt() override;

    // Counts. ColCount and RowCount leave out the contra cells.
    int ColCount() const { return FColCount; }
    void SetColCount(int Value);
    int RowCount() const { return FRowCount; }
    void SetRowCount(int Value);
    int FixedCols() const { return FFixedCols; }
    void SetFixedCols(int Value);
    int FixedRows() const { return FFixedRows; }
    void SetFixedRows(int Value);
    int FrozenCols() const { return FFrozenCols; }
    int FrozenRows() const { return FFrozenRows; }
    int ContraColCount() const { return FContraColCount; }
    void SetContraColCount(int Value);
    int ContraRowCount() const { return FContraRowCount; }
    void SetContraRowCount(int Value);
    int FullColCount() const { return FColCount + FContraColCount; }
    int FullRowCount() const { return FRowCount + FContraRowCount; }

    // Extents: one entry per column (row) once any was set on its own.
    int DefaultColWidth() const { return FDefaultColWidth; }
    int DefaultRowHeight() const { return FDefaultRowHeight; }
    void SetDefaultRowHeight(int Value);
    int ColWidths(int Index) const;
    void SetColWidth(int Index, int Value);
    int RowHeights(int Index) const;
    void SetRowHeight(int Index, int Value);
    bool TabStops(int Index) const;
    void SetTabStop(int Index, bool Value);
    using TWinControl::SetTabStop;
    const std::vector<int>& ColWidthArray() const { return FColWidths; }
    const std::vector<int>& RowHeightArray() const { return FRowHeights; }
    const std::vector<int>& TabStopArray() const { return FTabStops; }

    // Looks.
    int GridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(int Value);
    TGridOptionsLt Options() const { return FOptions; }
    void SetOptions(TGridOptionsLt Value);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle Value);
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle Value);
    TColor FixedColor() const { return FFixedColor; }
    void SetFixedColor(TColor Value);
    bool Flat() const { return FFlat; }
    bool GetFlat() const { return FFlat; }
    void SetFlat(bool Value);
    bool DefaultDrawing() const { return FDefaultDrawing; }
    void SetDefaultDrawing(bool Value);
    bool SaveCellExtents() const { return FSaveCellExtents; }
    void SetSaveCellExtents(bool Value) { FSaveCellExtents = Value; }
    // Made on first use through CreateGridLineColors.
    TGridLineColorsLt* LineColors() const;
    // The colour of the raised frames, recomputed with Flat.
    TColor Frame3DColor() const { return FFrame3DColor; }

    // The current cell, the anchor and the first shown scrolling cell.
    int Col() const { return FCurrent.X; }
    void SetCol(int Value);
    int Row() const { return FCurrent.Y; }
    void SetRow(int Value);
    TGridCoordLt Current() const { return FCurrent; }
    TGridCoordLt Anchor() const { return FAnchor; }
    int FirstShownCol() const { return FTopLeft.X; }
    void SetFirstShownCol(int Value);
    int FirstShownRow() const { return FTopLeft.Y; }
    void SetFirstShownRow(int Value);
    // The pixel scroll position inside the only column of a one-column grid.
    int HorzPixelOffset() const { return FHorzPixelOffset; }
    // The cells from the anchor to the current cell.
    TGridRectLt Selection() const;
    TGridStateLt GridState() const { return FGridState; }
    bool EditorMode() const { return FEditorMode; }
    // True shows the editor with the caret after the text; False hides it,
    // storing its text.
    void SetEditorMode(bool Value);
    TInplaceEdit* InplaceEditor() const { return FInplaceEdit; }
    // The cell the editor holds, (-1, -1) when none.
    TGridCoordLt EditorPos() const { return FEditorPos; }
    // Shows the editor on the current cell when it is allowed.
    void UpdateEdit();
    void ShowEditor();
    // Stores the editor's text and hides it; the editor goes whatever
    // storing does.
    void HideEditor();
    // Extends the selection to the cell.
    void MoveAnchor(const TGridCoordLt& Cell);

    // The editor's text for a cell and back, its mask and length limit.
    virtual std::string GetEditText(int ACol, int ARow);
    virtual void SetEditText(int ACol, int ARow, const std::string& Value);
    virtual std::string GetEditMask(int ACol, int ARow);
    virtual int GetEditLimit();
    virtual bool CanEditAcceptKey(char32_t Key);
    virtual bool CanGridAcceptKey(unsigned Key, TShiftState Shift);
    virtual bool CanEditModify();
    // Moves the anchor one cell in each direction flagged (1 left, 2 right,
    // 4 up, 8 down): the auto-scroll of a drag.
    virtual void TimedScroll(unsigned Direction);

    // The keys the editor hands over.
    void GridKeyDown(unsigned& Key, TShiftState Shift) { KeyDown(Key, Shift); }
    void GridKeyPress(char32_t& Key) { KeyPress(Key); }
    void GridKeyUp(unsigned& Key, TShiftState Shift) { KeyUp(Key, Shift); }
    // OnKeyDown alone.
    void RaiseKeyDown(unsigned& Key, TShiftState Shift) { TCustomControl::KeyDown(Key, Shift); }

    // Moves the current cell (see the keyboard and mouse for callers).
    virtual void FocusCell(int ACol, int ARow, bool MoveAnchor, bool Show);

    // Geometry in the control's pixels.
    TGridAxisLt HorzAxis() const;
    TGridAxisLt VertAxis() const;
    // The cell's rectangle, empty when it is not shown.
    TRect CellBounds(int ACol, int ARow) const;
    // The shown part of the cells of a rectangle.
    TRect CellBounds(const TGridRectLt& Cells) const;
    // The cell under a point; (-1, -1) when the point hits none.
    TGridCoordLt MouseToCell(int X, int Y) const;
    void RepaintCell(int ACol, int ARow);
    void RepaintRect(const TGridRectLt& Cells);
    void RepaintColumn(int ACol);

    virtual void RemoveColumn(int Index);
    virtual void RemoveRow(int Index);
    void MoveColumn(int FromIndex, int ToIndex);
    void MoveRow(int FromIndex, int ToIndex);

    // Scroll requests of the window's scroll bars (TScrollCode's codes, the
    // thumb on 0..127).
    virtual void ScrollRequest(bool Vertical, TScrollCode Code, int Thumb);
    // A gesture on Bar (the window's bar or one that stands for it) as a
    // scroll request; Pos becomes where the bar ended up.
    void ScrollFromBar(const TScrollBar& Bar, bool Vertical, TScrollCode Code, int& Pos);
    TScrollBar* HorzScrollBarControl() const { return FHorzBar; }
    TScrollBar* VertScrollBarControl() const { return FVertBar; }

    TRect ClientRect() const override;
    void DefineProperties(TFiler& Filer) override;
    void Dispatch(TMessage& Message) override;

protected:
    // Paints one cell; the engine has filled its background.
    virtual void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) = 0;
    // Whether the engine draws the raised edge of fixed cells and the focus
    // rectangle after DrawCell (a descendant that frames its cells itself
    // answers false).
    virtual bool EngineDrawsCellEdges() const { return true; }
    virtual TInplaceEdit* CreateEditor();
    virtual bool CanEditShow();
    // Begin, check and end of a column or row drag: false vetoes.
    virtual bool BeginColumnDrag(int& Origin, int& Destination, const TPoint& MousePt);
    virtual bool CheckColumnDrag(int& Origin, int& Destination, const TPoint& MousePt);
    virtual bool EndColumnDrag(int& Origin, int& Destination, const TPoint& MousePt);
    virtual bool BeginRowDrag(int& Origin, int& Destination, const TPoint& MousePt);
    virtual bool CheckRowDrag(int& Origin, int& Destination, const TPoint& MousePt);
    virtual bool EndRowDrag(int& Origin, int& Destination, const TPoint& MousePt);
    void KeyDown(unsigned& Key, TShiftState Shift) override;
    // The focus left the grid and its editor: the editor closes, keeping
    // its text, unless it always shows.
    void DoExit() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    // The cursor over a point while no mouse operation runs; Sizing is what
    // a press there would size (gsColSizing, gsRowSizing or gsNormal).
    virtual TCursor MouseCursor(int X, int Y, TGridStateLt Sizing) const;
    // Whether the cell may become current.
    virtual bool SelectCell(int ACol, int ARow);
    virtual void FlatChanged() {}
    virtual void CalcFlatColors();
    virtual std::unique_ptr<TGridLineColorsLt> CreateGridLineColors();
    // Resizes the arrays to new contra counts and repaints.
    virtual void ChangeContraCounts(int NewContraCols, int NewContraRows);

    // Notifications for descendants.
    virtual void ColumnMoved(int FromIndex, int ToIndex);
    virtual void RowMoved(int FromIndex, int ToIndex);
    virtual void TopLeftChanged();
    virtual void ColWidthsChanged();
    virtual void RowHeightsChanged();
    virtual void SizeChanged(int OldColCount, int OldRowCount);

    void SetFrozenCols(int Value);
    void SetFrozenRows(int Value);
    void SetDefaultColWidth(int Value);
    // Inserts (Amount > 0) or deletes (Amount < 0) cells at First while
    // contra cells exist, moving the contra extents with them.
    void InsertDeleteSpan(int First, int Amount, bool Columns);
    // Scrolls so that the cell is fully shown.
    void ScrollToShow(int ACol, int ARow);
    void UpdateScrollBars();
    // What the vertical bar shows; the engine's rows on a 0..127 scale.
    virtual TScrollBarStateLt VertScrollBarState(const TGridAxisLt& V);
    // After the window's bars were set.
    virtual void ScrollBarsUpdated() {}
    // Writes what changed of State into Bar.
    static void ApplyScrollBarState(TScrollBar& Bar, const TScrollBarStateLt& State);
    // The grid holds the focus (the active control of its window).
    virtual bool IsActiveControl() const;
    bool Designing() const { return ComponentState().Contains(csDesigning); }

    void Paint() override;
    void Resize() override;

    TGridStateLt FGridState = gsNormal;
    bool FEditorMode = false;

private:
    int BorderWidth() const;
    TGridAxisLt MakeAxis(bool Vertical) const;
    void SetCounts(int NewColCount, int NewRowCount);
    void SetFixedCount(int Value, bool Columns);
    void ResetPositions();
    void MoveTopLeft(int ACol, int ARow);
    void InvalidateCells(const TRect& R);
    void RepaintSelectionChange(const TGridRectLt& Old, const TGridRectLt& New);
    void MoveExtent(std::vector<int>& Array, int FromIndex, int ToIndex);
    void PlaceScrollBars();
    void PaintLines(const TGridAxisLt& H, const TGridBandLt& Cols, const TGridAxisLt& V, const TGridBandLt& Rows);
    void PaintCells(const TGridAxisLt& H, const TGridBandLt& Cols, const TGridAxisLt& V, const TGridBandLt& Rows,
                    const TRect& Clip);
    void PaintContraLine(const TGridAxisLt& H, const TGridAxisLt& V, bool Rows);
    void PaintCell(int ACol, int ARow, const TRect& ARect);
    void PaintFixedEdge(TRect Cell, TColor Background);
    void PaintBorder();
    void LoadEditor();
    void CalcSizingState(int X, int Y);
    void ShowGuideLine(bool Vertical, int Pos, int Width);
    void HideGuideLine();
    void MoveTarget(const TPoint& Point);
    void AutoScrollTick();
    void EndMouseOperation(int X, int Y);
    void CancelMode();

    int FColCount = 5;
    int FRowCount = 5;
    int FFixedCols = 1;
    int FFixedRows = 1;
    int FFrozenCols = 0;
    int FFrozenRows = 0;
    int FContraColCount = 0;
    int FContraRowCount = 0;
    int FDefaultColWidth = 64;
    int FDefaultRowHeight = 24;
    std::vector<int> FColWidths;
    std::vector<int> FRowHeights;
    std::vector<int> FTabStops;
    int FGridLineWidth = 1;
    TGridOptionsLt FOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
    TScrollStyle FScrollBars = ssBoth;
    TFormBorderStyle FBorderStyle = bsSingle;
    TColor FFixedColor = clBtnFace;
    bool FFlat = false;
    bool FDefaultDrawing = true;
    bool FSaveCellExtents = true;
    TColor FFrame3DColor = clBlack;
    TGridCoordLt FCurrent{1, 1};
    TGridCoordLt FAnchor{1, 1};
    TGridCoordLt FTopLeft{1, 1};
    int FHorzPixelOffset = 0;
    mutable std::unique_ptr<TGridLineColorsLt> FLineColors;
    TScrollBar* FHorzBar = nullptr;   // children of the grid, made with its window
    TScrollBar* FVertBar = nullptr;
    bool FUpdatingScrollBars = false;
    TInplaceEdit* FInplaceEdit = nullptr;   // a child of the grid
    TGridCoordLt FEditorPos{-1, -1};
    bool FCanEditModify = true;
    bool FHidingEditor = false;   // the focus coming back is the editor's
    // The mouse operation: the index sized or moved, the line's position
    // and its offset from the pointer, the move's target, the last point.
    int FSizingIndex = -1;
    int FSizingPos = 0;
    int FSizingOfs = 0;
    int FMoveIndex = -1;
    int FMovePos = -1;
    TPoint FLastMouse;
    TRepeatTimer FScrollTimer;
    TGridGuideLineLt* FGuideLine = nullptr;   // a child of the grid
    bool FPaintingActive = false;   // the grid held the focus when painting began
};
