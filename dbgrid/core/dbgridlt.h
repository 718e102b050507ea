#pragma once
// The data grid: the records of a dataset (reached through a data source)
// as rows and its fields as columns, on the grid engine. The rows are the
// data link's buffer window; the columns are the column collection, either
// the operator's stored columns or default columns made from the fields.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dbcontrols/ltinterfaces.h"
#include "dbgrid/core/columnslt.h"
#include "dbgrid/core/dbgridcelltype.h"
#include "dbgrid/core/dbgridinputtypes.h"
#include "dbgrid/core/dbgridtypes.h"
#include "dbgrid/core/finddialoggrid.h"
#include "dbgrid/core/griddatalinklt.h"
#include "dbgrid/core/headtreenode.h"
#include "dbgrid/core/locatetextgrid.h"
#include "dbgrid/engine/customgridlt.h"
#include "dbgrid/engine/gridscrollbarlt.h"
#include "dbgrid/filter/gridfilterlt.h"
#include "dbgrid/footers/dbgridsumlist.h"
#include "dbgrid/selection/dbgridselection.h"
#include "platform/rtl/variant.h"
#include "platform/ui/componentref.h"

class TColCellParamsLt;
class TColumnLt;
class TEditButtonLt;
struct TCellButtonLt;
class TCustomImageList;
class TDBGridLtColumnDefValuesLt;
class TDBGridLtStyle;
class TField;
class TGridGuideLineLt;
class TInplaceFilterEditLt;
class TSTColumnFilterLt;
struct THintInfo;

// The private message of a delayed layout.
constexpr uint32_t CM_DBGRIDLAYOUTLT = WM_USER + 110;

using TGetCellLtParamsEvent =
    std::function<void(TObject* Sender, TColumnLt* Column, TFont* AFont, TColor& Background, TGridDrawState State)>;
using TMovedEvent = std::function<void(TObject* Sender, int FromIndex, int ToIndex)>;
using TDrawColumnLtCellEvent = std::function<void(TObject* Sender, const TRect& Rect, int DataCol, TColumnLt* Column,
                                                  TGridDrawState State)>;
using TDrawDataCellEvent =
    std::function<void(TObject* Sender, const TRect& Rect, TField* Field, TGridDrawState State)>;
using TDrawFooterCellEvent = std::function<void(TObject* Sender, int DataCol, int Row, TColumnLt* Column,
                                                const TRect& Rect, TGridDrawState State)>;
using TGetFooterParamsEvent =
    std::function<void(TObject* Sender, int DataCol, int Row, TColumnLt* Column, TFont* AFont, TColor& Background,
                       TAlignment& Alignment, TGridDrawState State, std::string& Text)>;
using TGetBtnLtParamsEvent = std::function<void(TObject* Sender, TColumnLt* Column, TFont* AFont, TColor& Background,
                                                TSortMarkerLt& SortMarker, bool IsDown)>;

class TCustomDBGridLt : public TCustomGridLt,
                        public IInplaceEditHolderLt,
                        public ILocateTextGridLt,
                        public IFindDialogGridLt {
    LT_CLASS(TCustomDBGridLt)
public:
    static constexpr int kIndicatorWidth = 11;

    explicit TCustomDBGridLt(TComponent* AOwner);
    ~TCustomDBGridLt() override;

    // Owned objects.
    TDBGridLtColumnDefValuesLt* ColumnDefValues() const { return FColumnDefValues.get(); }
    TDBGridColumnsLt* Columns() const { return FColumns.get(); }
    const TColumnsLtList& VisibleColumns() const { return FVisibleColumns; }
    TColumnsLtList& SortMarkedColumns() { return FSortMarkedColumns; }
    TGridDataLinkLt* DataLink() const { return FDataLink.get(); }
    TColCellParamsLt* ColCellParams() const { return FColCellParams.get(); }
    TFont* TitleFont() const { return FTitleFont.get(); }
    void SetTitleFont(const TFont* Value) { FTitleFont->Assign(Value); }
    TFont* FooterFont() const { return FFooterFont.get(); }
    void SetFooterFont(const TFont* Value) { FFooterFont->Assign(Value); }

    TDataSource* DataSource() const { return FDataLink->DataSource(); }
    void SetDataSource(TDataSource* Value);

    // Settings.
    TDBGridLtAllowedOperations AllowedOperations() const { return FAllowedOperations; }
    void SetAllowedOperations(TDBGridLtAllowedOperations Value) { FAllowedOperations = Value; }
    TDBGridLtAllowedSelections AllowedSelections() const { return FAllowedSelections; }
    // A change that no longer allows the current kind clears the selection.
    void SetAllowedSelections(TDBGridLtAllowedSelections Value);
    bool AutoFitColWidths() const { return FAutoFitColWidths; }
    void SetAutoFitColWidths(bool Value);
    bool DrawMemoText() const { return FDrawMemoText; }
    void SetDrawMemoText(bool Value);
    TColor EvenRowColor() const { return FEvenRowColor.value_or(Color()); }
    void SetEvenRowColor(TColor Value);
    TColor OddRowColor() const { return FOddRowColor.value_or(Color()); }
    void SetOddRowColor(TColor Value);
    bool EvenRowColorStored() const { return FEvenRowColor.has_value(); }
    bool OddRowColorStored() const { return FOddRowColor.has_value(); }
    TColor FooterColor() const { return FFooterColor; }
    void SetFooterColor(TColor Value);
    int FooterRowCount() const { return FFooterRowCount; }
    void SetFooterRowCount(int Value);
    // Data columns that do not scroll horizontally.
    int FrozenCols() const { return FFrozenCols; }
    void SetFrozenCols(int Value);
    int MinAutoFitWidth() const { return FMinAutoFitWidth; }
    void SetMinAutoFitWidth(int Value);
    TDBGridOptions Options() const { return FOptions; }
    void SetOptions(TDBGridOptions Value);
    TDBGridLtOptions OptionsLt() const { return FOptionsLt; }
    void SetOptionsLt(TDBGridLtOptions Value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value);
    // Extra pixels of a data row, and text lines per data row.
    int RowHeight() const { return FRowHeight; }
    void SetRowHeight(int Value);
    int RowLines() const { return FRowLines; }
    void SetRowLines(int Value);
    bool RowSizingAllowed() const { return FRowSizingAllowed; }
    void SetRowSizingAllowed(bool Value);
    bool SortLocal() const { return FSortLocal; }
    void SetSortLocal(bool Value) { FSortLocal = Value; }
    int TitleHeight() const { return FTitleHeight; }
    void SetTitleHeight(int Value);
    int TitleLines() const { return FTitleLines; }
    void SetTitleLines(int Value);
    TCustomImageList* TitleImages() const { return FTitleImages.Get(); }
    void SetTitleImages(TCustomImageList* Value);
    bool UseMultiTitle() const { return FUseMultiTitle; }
    void SetUseMultiTitle(bool Value);
    int VTitleMargin() const { return FVTitleMargin; }
    void SetVTitleMargin(int Value);
    using TCustomGridLt::ContraColCount;
    using TCustomGridLt::SetContraColCount;

    // Events.
    const TGetCellLtParamsEvent& OnGetCellParams() const { return FOnGetCellParams; }
    void SetOnGetCellParams(TGetCellLtParamsEvent Value);
    const TNotifyEvent& OnColWidthsChanged() const { return FOnColWidthsChanged; }
    void SetOnColWidthsChanged(TNotifyEvent Value) { FOnColWidthsChanged = std::move(Value); }
    const TMovedEvent& OnColumnMoved() const { return FOnColumnMoved; }
    void SetOnColumnMoved(TMovedEvent Value) { FOnColumnMoved = std::move(Value); }
    const TNotifyEvent& OnSortMarkingChanged() const { return FOnSortMarkingChanged; }
    void SetOnSortMarkingChanged(TNotifyEvent Value) { FOnSortMarkingChanged = std::move(Value); }

    // Layout: a request runs at once unless a layout lock is held or the
    // grid is loading; the outermost EndLayout lays out.
    void LayoutChanged();
    void BeginLayout();
    void EndLayout();
    bool LayoutLocked() const { return FLayoutLock > 0; }
    bool InLayout() const { return FInLayout; }
    // Inside the automatic width fitting.
    bool InAutoFit() const { return FInAutoFit; }
    // Inside a layout the data link asked for.
    bool LayoutFromLink() const { return FLayoutFromLink; }

    // Fixed rows at the top (titles) and indicator columns at the left.
    int TitleRowCount() const { return FTitleOffset; }
    int IndicatorOffset() const { return FIndicatorOffset; }
    // The title row's text margin (2 pixels Flat, else 4).
    int TitleMargin() const { return Flat() ? 2 : 4; }
    // Word wrap in data cells is possible (rows taller than one line + 4).
    bool CanWordWrap() const { return FCanWordWrap; }
    // The grid columns of the first data column and back.
    int DataToRawColumn(int DataCol) const { return DataCol + FIndicatorOffset; }
    int RawToDataColumn(int RawCol) const { return RawCol - FIndicatorOffset; }
    // The current data column (index in Columns) and its field.
    int SelectedIndex() const;
    void SetSelectedIndex(int Value);
    TField* SelectedField() const;
    void SetSelectedField(TField* Value);
    TColumnLt* SelectedColumn() const;
    // The grid column of a column, -1 when it has none.
    int ColumnToRaw(const TColumnLt* Column) const;
    // The column's current row is the dataset's active record.
    bool DataLinkActive() const { return FDataLink->Active(); }

    // Column updates (Columns' Update): one column or all.
    virtual void ColumnChanged(TColumnLt* Column);
    // The engine's column widths and tab stops from the columns.
    virtual void UpdateColumnExtents();
    // Row count, current row and scroll bars from the data link.
    virtual void UpdateRowCount();
    // Invalidates the whole grid.
    void InvalidateGrid() { Invalidate(); }
    // The highest SortIndex over the sort-marked columns.
    void SortMarkingChanged();
    // Hands the initial widths of every column to the automatic fitting.
    void SaveInitialWidths();

    void Notification(TComponent* AComponent, TOperation Operation) override;
    void DefineProperties(TFiler& Filer) override;
    void Loaded() override;
    void Dispatch(TMessage& Message) override;
    // Scales fonts and column widths by M / D.
    void ChangeScale(int M, int D);

    // The selection (it hides the engine's range of cells, which stays
    // TCustomGridLt::Selection), the selected records, and the event that
    // follows every change of them.
    TDBGridLtSelection* Selection() const { return FSelection.get(); }
    TBookmarkListLt* SelectedRows() const { return FSelectedRows.get(); }
    const TNotifyEvent& OnSelectionChanged() const { return FOnSelectionChanged; }
    void SetOnSelectionChanged(TNotifyEvent Value) { FOnSelectionChanged = std::move(Value); }
    // Raises OnSelectionChanged.
    virtual void DoSelectionChanged();
    // The selection's kind changed: a selection takes the place of the
    // editor.
    virtual void SelectionTypeChanged();
    // Invalidates the cells of a rectangle of grid cells.
    virtual void InvalidateGridRect(const TGridRectLt& Cells);

    // The footer sums: the sum list, its notifications and the events that
    // pass its recalculations on (Sender = the sum list).
    TDBGridLtSumList* SumList() const { return FSumList.get(); }
    void SetSumList(const TDBGridLtSumList* Value) { FSumList->Assign(Value); }
    const TNotifyEvent& OnSumListRecalcAll() const { return FOnSumListRecalcAll; }
    void SetOnSumListRecalcAll(TNotifyEvent Value) { FOnSumListRecalcAll = std::move(Value); }
    const TNotifyEvent& OnSumListAfterRecalcAll() const { return FOnSumListAfterRecalcAll; }
    void SetOnSumListAfterRecalcAll(TNotifyEvent Value) { FOnSumListAfterRecalcAll = std::move(Value); }
    virtual void DoSumListRecalcAll();
    virtual void DoSumListAfterRecalcAll();
    // The aggregates changed: the footer rows are repainted.
    void SumListChanged();

    // The editor's text for a cell (after the column's OnGetCellParams in
    // edit mode) and back.
    std::string GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const std::string& Value) override;

    // ---- painting (dbgriddraw*.cpp) ----
    // The part of the grid a cell lies in, with indexes relative to it.
    TDBGridCellTypeLt GetCellType(int ACol, int ARow) const;
    // The style that colours highlighted cells; none: the plain colours.
    TDBGridLtStyle* Style() const { return FStyle; }
    void SetStyle(TDBGridLtStyle* Value);
    // The multi-level title bands and each column's leaf among them.
    const THeadTreeNode* TitleTree() const { return FTitleTree.get(); }
    const std::vector<THeadTreeNode*>& TitleLeaves() const { return FTitleLeaves; }
    // Incremental search: while it runs, the current record's mark is drawn
    // on the search colour and the typed text over the current cell.
    bool IncSearching() const { return FIncSearching; }
    const std::string& IncSearchText() const { return FIncSearchText; }
    void SetIncSearchState(bool Searching, const std::string& Text);
    // The screen row that showed the current record when last painted.
    int IndicatorRow() const { return FIndicatorRow; }
    const TDrawColumnLtCellEvent& OnDrawColumnCell() const { return FOnDrawColumnCell; }
    void SetOnDrawColumnCell(TDrawColumnLtCellEvent Value) { FOnDrawColumnCell = std::move(Value); }
    const TDrawDataCellEvent& OnDrawDataCell() const { return FOnDrawDataCell; }
    void SetOnDrawDataCell(TDrawDataCellEvent Value) { FOnDrawDataCell = std::move(Value); }
    const TDrawFooterCellEvent& OnDrawFooterCell() const { return FOnDrawFooterCell; }
    void SetOnDrawFooterCell(TDrawFooterCellEvent Value) { FOnDrawFooterCell = std::move(Value); }
    const TGetFooterParamsEvent& OnGetFooterParams() const { return FOnGetFooterParams; }
    void SetOnGetFooterParams(TGetFooterParamsEvent Value) { FOnGetFooterParams = std::move(Value); }
    const TGetBtnLtParamsEvent& OnGetBtnParams() const { return FOnGetBtnParams; }
    void SetOnGetBtnParams(TGetBtnLtParamsEvent Value) { FOnGetBtnParams = std::move(Value); }

protected:
    // Painting hooks descendants replace.
    virtual void DoGetFooterParams(int DataCol, int Row, TColumnLt* Column, TFont* AFont, TColor& Background,
                                   TAlignment& Alignment, TGridDrawState State, std::string& Text);
    // After a data cell's default drawing: OnDrawDataCell (stored columns
    // only) and OnDrawColumnCell.
    virtual void DrawDataCell(const TRect& Rect, TField* Field, TGridDrawState State);
    virtual void DrawColumnCell(const TRect& Rect, int DataCol, TColumnLt* Column, TGridDrawState State);
    virtual void DrawFooterCell(int DataCol, int Row, TColumnLt* Column, const TRect& Rect, TGridDrawState State);
    // Whether a cell gets a raised frame.
    virtual bool CellIs3D(const TDBGridCellTypeLt& Cell, int DataCol) const;
    // Whether the current record's cell of DataCol is in the selection.
    virtual bool IsCellSelected(int DataCol) const;
    // Whether the current record is selected as a whole (all, or marked
    // with dgMultiSelect); whether a data column's title is selected.
    bool IsRowSelected() const;
    bool IsColumnSelected(int DataCol) const;
    bool SelectionEmpty() const;
    // The text a footer row of a column shows.
    virtual std::string GetFooterValue(int Row, TColumnLt* Column);
    // The colours of a highlighted data cell (false: not highlighted).
    virtual bool HighlightDataCellColor(int DataCol, int DataRow, TGridDrawState State, TFont* AFont,
                                        TColor& Background);
    // The same for fixed and footer cells.
    virtual bool HighlightNoDataCellColor(const TDBGridCellTypeLt& Cell, int DataCol, bool Selected, TFont* AFont,
                                          TColor& Background);
    // The filter row's cell of a data column.
    virtual void DrawFilterCell(int DataCol, const TRect& Rect, TGridDrawState State);
    bool EngineDrawsCellEdges() const override { return false; }

private:
    // The cell painters answer whether the cell is shown pressed or
    // highlighted (its frame is sunken then).
    bool DrawIndicatorCell(const TDBGridCellTypeLt& Cell, const TRect& CellRect, const TRect& Rect);
    void DrawTitleCell(int DataCol, const TRect& CellRect, const TRect& Rect, bool Framed, int DX, int DY);
    // The group bands above a leaf of the title tree, up from LeafTop.
    void DrawTitleBands(int DataCol, const TRect& CellRect, int LeafTop);
    // Draws the marker (and the sort index) at the right of Rect; answers
    // the room left for the caption.
    TRect DrawSortMarker(const TColumnLt* Column, TSortMarkerLt Marker, const TRect& Rect, bool Highlighted);
    bool DrawDataCellAt(int DataCol, int DataRow, const TRect& CellRect, const TRect& Rect, TGridDrawState State,
                        int DX, int DY);
    void DrawDataContents(TColumnLt* Column, const TRect& Rect, int DX, int DY, bool ShowImage);
    // The cell's buttons side by side from the strip's right edge.
    void DrawEditButtonStrip(const std::vector<TCellButtonLt>& Buttons, const TRect& Strip);
    void DrawGlyphButtonFace(TCanvas& Canvas, const TRect& Face, const TEditButtonLt& Button);
    bool DrawFooterCellAt(int DataCol, int FooterRow, const TRect& CellRect, const TRect& Rect, TGridDrawState State,
                          int DX, int DY);
    void DrawCellFrame(TRect Rect, bool Down);
    bool FocusFrameWanted(TGridDrawState State) const;
    // Fixed cells drawn as the desktop theme's header items.
    bool ThemedDrawing() const;
    int BuildTitleTree();

    TDBGridLtStyle* FStyle = nullptr;
    std::unique_ptr<THeadTreeNode> FTitleTree = THeadTreeNode::CreateWithCaption("Root", 0, 10);
    std::vector<THeadTreeNode*> FTitleLeaves;
    int FPressedTitleCol = -1;
    bool FIncSearching = false;
    std::string FIncSearchText;
    int FIndicatorRow = -1;
    // The active record saved while another record is painted, -1 when none.
    int FPaintSavedRecord = -1;
    TDrawColumnLtCellEvent FOnDrawColumnCell;
    TDrawDataCellEvent FOnDrawDataCell;
    TDrawFooterCellEvent FOnDrawFooterCell;
    TGetFooterParamsEvent FOnGetFooterParams;
    TGetBtnLtParamsEvent FOnGetBtnParams;
    // ---- end of painting ----

public:
    // ---- The filter row (dbgridfilterrow.cpp, dbgridfilterkeys.cpp) ----
    TSTDBGridLtFilter* STFilter() const { return FSTFilter.get(); }
    void SetSTFilter(const TSTDBGridLtFilter* Value) { FSTFilter->Assign(Value); }
    const TNotifyEvent& OnApplyFilter() const { return FOnApplyFilter; }
    void SetOnApplyFilter(TNotifyEvent Value) { FOnApplyFilter = std::move(Value); }
    // The rows of filter cells under the titles: 1 while STFilter shows
    // them, else 0; and the grid row of the filter cells (-1 without).
    virtual int FilterRowCount() const;
    int FilterRow() const { return FilterRowCount() > 0 ? FTitleOffset - 1 : -1; }
    // The column shows a filter cell: it is visible with a visible filter.
    bool HasFilterCell(const TColumnLt* Column) const;
    // The text of the column's filter cell (its FilterText).
    std::string FilterCellText(const TColumnLt* Column) const;
    // The editor of the filter cells, made on first use; nullptr before.
    TInplaceFilterEditLt* FilterEditor() const { return FFilterEdit; }
    // The column whose filter cell the shown editor holds, nullptr when
    // the filter row is not being edited.
    TColumnLt* FilterEditColumn() const;
    bool FilterEditMode() const { return FilterEditColumn() != nullptr; }
    // Opens the filter editor over the column's filter cell (posting a
    // pending edit first); nothing without a filter cell for it.
    void ShowFilterEditor(TColumnLt* Column);
    // Stores the editor's text, hides it and gives the grid back its own
    // editor; nothing while STFilter's updates are under way.
    void HideFilterEditor();
    // The filter editor's text into its column's filter.
    virtual void StoreFilterEditorText();
    // Loads the filter editor for a column: its button, list size and text.
    virtual void FillFilterEditor(TColumnLt* Column);
    // Clears the filters of all columns.
    void ClearFilters();
    // Stores the editor's text and filters: OnApplyFilter, else the data
    // service. The left column, the editor's place and the sums follow also
    // when filtering fails.
    virtual void ApplyFilter();
    bool ApplyingFilter() const { return FApplyingFilter; }
    // Orders the dataset by the sort-marked columns through the data service.
    virtual void ApplySorting();
    // A column filter's text changed: repaints and refreshes the editor.
    void FilterTextChanged(TSTColumnFilterLt* Filter);
    // Remembers a press for GetLastMouseDown (screen point, time in ms).
    void RememberMouseDown(const TPoint& ScreenPos, int Time);

    // IInplaceEditHolderLt: the filter editor's holder.
    bool AllowEditorModify(TWinControl* Editor) override;
    void GetLastMouseDown(TPoint& ScreenPos, int& Time) override;
    void EditorMessage(TWinControl* Editor, TMessage& Message) override;
    void EditorKeyDown(TWinControl* Editor, unsigned& Key, TShiftState Shift) override;
    void EditorKeyPress(TWinControl* Editor, char32_t& Key) override;
    void EditorKeyUp(TWinControl* Editor, unsigned& Key, TShiftState Shift) override;

    // ---- Text search and the find dialog (dbgridlocate.cpp) ----
    // Positions are the visible columns left to right, frozen ones included.
    TDataSet* LocateDataSet() const override;
    int FullyVisibleColumnCount() const override;
    int CurrentColumnPosition() const override;
    void SetCurrentColumnPosition(int Position) override;
    TField* ColumnField(int Position) const override;
    std::string ColumnDisplayText(int Position) const override;
    void SaveRecordPosition() override;
    void RestoreRecordPosition() override;
    TComponent* GridComponent() override { return this; }
    TDataSet* FindDataSet() const override { return LocateDataSet(); }
    std::vector<TFindColumnLt> FindColumns() const override;
    TObject* CurrentFindColumn() const override;
    // The text search through the data service.
    bool LocateText(const std::string& FieldName, const Variant& TreeFindRange, int Matching, int Direction,
                    unsigned Options, const std::string& Text) override;
    // Opens the find dialog through the data service.
    void ShowFindDialog(const std::string& Text, bool Modal);

    // ---- Clipboard keys and edit actions (dbgridclipboardkeys.cpp) ----
    // Whether the edit command is in EditActions and can act now: copy
    // needs a selection, cut and delete a selection the grid may delete or
    // clear, paste a modifiable dataset and something readable on the
    // clipboard, select all a record and gstAll allowed.
    bool EditActionAllowed(TDBGridLtEditAction Action) const;
    // Runs the command when it is allowed; false when it is not.
    bool RunEditAction(TDBGridLtEditAction Action);
    // The standard edit actions: the dataset is asked first, then, while the
    // grid has the focus, the edit commands that EditActions holds.
    bool ExecuteAction(TBasicAction* Action) override;
    bool UpdateAction(TBasicAction* Action) override;

    // ---- Editing rules (dbgrideditrules.cpp) ----
    std::string GetEditMask(int ACol, int ARow) override;
    int GetEditLimit() override;
    bool CanEditAcceptKey(char32_t Key) override;
    // Writes an edited text into the column's field by the column's kind;
    // KeyValue is a lookup editor's key (Null when it has none).
    void CommitEditText(TColumnLt* Column, const std::string& Text, const Variant& KeyValue);
    // Scroll bars, the wheel and the window messages (dbgridvertscroll.cpp,
    // dbgridmessages.cpp): the vertical bar shows and moves the dataset's
    // position.
    TDBGridLtScrollBar* HorzScrollBar() const { return FHorzScrollBar.get(); }
    void SetHorzScrollBar(const TDBGridLtScrollBar* Value) { FHorzScrollBar->Assign(Value); }
    // A TVertDBGridLtScrollBar, which publishes its VisibleMode.
    TDBGridLtScrollBar* VertScrollBar() const { return FVertScrollBar.get(); }
    void SetVertScrollBar(const TDBGridLtScrollBar* Value) { FVertScrollBar->Assign(Value); }
    void ScrollRequest(bool Vertical, TScrollCode Code, int Thumb) override;
    // The data rows the grid shows: a page of the dataset.
    int VisibleDataRowCount() const;
    // Tool tips of cells whose text does not fit (dbgridtooltips.cpp).
    // The tip's text for a cell, empty when the cell shows all of it.
    std::string CellToolTipText(int ACol, int ARow);
    // Fills a hint request for the cell under the mouse.
    void HintShow(THintInfo& Info);
    // Shows the tip of the cell under the mouse at once, or hides the one
    // shown when the mouse left its cell.
    void TrackToolTip(int X, int Y);
    void HideToolTip();
    // ---- keyboard and mouse ----
    TDBGridLtEditActions EditActions() const { return FEditActions; }
    void SetEditActions(TDBGridLtEditActions Value) { FEditActions = Value; }
    const TDBGridLtClickEvent& OnCellClick() const { return FOnCellClick; }
    void SetOnCellClick(TDBGridLtClickEvent Value) { FOnCellClick = std::move(Value); }
    const TDBGridLtClickEvent& OnTitleClick() const { return FOnTitleClick; }
    void SetOnTitleClick(TDBGridLtClickEvent Value) { FOnTitleClick = std::move(Value); }
    const TTitleLtClickEvent& OnTitleBtnClick() const { return FOnTitleBtnClick; }
    void SetOnTitleBtnClick(TTitleLtClickEvent Value) { FOnTitleBtnClick = std::move(Value); }
    const TCheckTitleLtBtnEvent& OnCheckButton() const { return FOnCheckButton; }
    void SetOnCheckButton(TCheckTitleLtBtnEvent Value) { FOnCheckButton = std::move(Value); }
    const TNotifyEvent& OnColEnter() const { return FOnColEnter; }
    void SetOnColEnter(TNotifyEvent Value) { FOnColEnter = std::move(Value); }
    const TNotifyEvent& OnColExit() const { return FOnColExit; }
    void SetOnColExit(TNotifyEvent Value) { FOnColExit = std::move(Value); }
    // Record moving (dghRecordMoving): the rows dragged by their indicator
    // go where the insertion line stands (dbgridrecordmoving.cpp).
    const TGridMoveRecordsEventLt& OnMoveRecords() const { return FOnMoveRecords; }
    void SetOnMoveRecords(TGridMoveRecordsEventLt Value) { FOnMoveRecords = std::move(Value); }
    // While rows are dragged: the record number they would go before, -1
    // while the mouse stands where no drop is allowed; -1 when no rows are
    // dragged.
    int RecordMovingTarget() const { return FMoveToRecNo; }
    bool RecordMoving() const { return FDragMode == TDragModeLt::RecordMoving; }

    // Incremental search in the current column: the prefix found so far.
    bool InplaceSearching() const { return FInplaceSearching; }
    const std::string& InplaceSearchText() const { return FInplaceSearchText; }
    // Starts searching (TimeOut 0: no time-out) or goes on with Text added:
    // ltdAllLt looks from the current record on, ltdDownLt and ltdUpLt from
    // the next, resp. the previous record.
    void StartInplaceSearch(const std::string& Text, unsigned TimeOut, TLocateTextDirectionLt Direction);
    void StopInplaceSearch();
    static constexpr unsigned kInplaceSearchTimeOut = 1500;

    // The grid column of the title button held down, -1 when none.
    int PressedTitleCol() const { return FTitleButtonDown ? FPressedTitleCol : -1; }
    // Gives each column its widest title, cell and footer text.
    void OptimizeColsWidth(const TColumnsLtList& ColumnsToOptimize);
    // Asks for the confirmation and deletes the current or the marked records.
    void DeleteRecordsConfirmed();
    // Tells of a sort marking that a Ctrl+click held back.
    void AnnounceHeldSortMarking();
    // Drops the data grid's own mouse operation (a held title button, live
    // column sizing, a selection drag); the engine's is cancel mode's.
    void CancelMouseOperation();
    // ---- the in-place editor ----
    // The key a lookup or key-list cell's editor chose (Null: none); a
    // lookup cell writes it to the key fields.
    const Variant& EditKeyValue() const { return FEditKeyValue; }
    void SetEditKeyValue(const Variant& Value) { FEditKeyValue = Value; }
    // The editor's ellipsis (and Ctrl+Enter on it): OnEditButtonClick.
    virtual void EditButtonClick();
    const TNotifyEvent& OnEditButtonClick() const { return FOnEditButtonClick; }
    void SetOnEditButtonClick(TNotifyEvent Value) { FOnEditButtonClick = std::move(Value); }

protected:
    friend class TDBGridInplaceEdit;
    // The column's field text as the editor edits it, before the column's
    // OnGetCellParams shapes it.
    std::string ColumnEditText(const TColumnLt& Column) const;
    TInplaceEdit* CreateEditor() override;
    // Makes the filter editor (on first use).
    virtual TInplaceFilterEditLt* CreateFilterEditor();

    // Factories of the owned objects descendants replace.
    virtual std::unique_ptr<TDBGridLtColumnDefValuesLt> CreateColumnDefValues();
    virtual std::unique_ptr<TDBGridColumnsLt> CreateColumns();
    virtual std::unique_ptr<TDBGridLtScrollBar> CreateScrollBar(bool Vertical);

    // Scroll bars and messages.
    TScrollBarStateLt VertScrollBarState(const TGridAxisLt& V) override;
    // The external bars follow the window's.
    void ScrollBarsUpdated() override;
    // The engine's bars from the settings: the horizontal one unless the
    // widths fit automatically.
    void UpdateScrollBarStyle();
    // The wheel, focus, cursor, fonts and colours; false leaves the
    // message to the grid's other handlers.
    virtual bool DispatchGridMessage(TMessage& Message);
    virtual void MouseWheelMove(int Notches);
    // Makes the column defaults and columns again through the factories: a
    // descendant's constructor calls it (the base constructor reaches only
    // its own factories).
    void RecreateColumns();
    // Fixed rows a descendant keeps between the titles and the data rows
    // (it sets their heights and draws them).
    virtual int ExtraFixedRowCount() const { return 0; }

    // The data link's notifications.
    friend class TGridDataLinkLt;
    virtual void LinkActive(bool Value);
    virtual void DataChanged();
    virtual void Scroll(int Distance);
    virtual void EditingChanged();
    virtual void RecordChanged(TField* Field);
    // Writes the editor's text into the current column's field.
    virtual void UpdateData();
    // Maps the columns' (or the dataset's visible) fields in the link.
    virtual void DefineFieldMap();

    // Layout pieces.
    virtual void InternalLayout();
    void BuildColumns();
    void BuildVisibleColumns(int& HiddenFrozen);
    void CalcRowHeights();
    void CalcTitleHeight();
    void AutoFitColWidthsNow();
    // The data link's window follows the room left under the titles.
    void UpdateBufferCount();
    void UpdateActive();
    void RepaintRow(int ARow);

    // Paints one cell: indicator, title, filter, data or footer.
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    // Lets OnGetCellParams change a data cell's font and background.
    virtual void DoGetCellParams(TColumnLt* Column, TFont* AFont, TColor& Background, TGridDrawState State);
    bool CanEditShow() override;
    bool CanEditModify() override;
    void ColWidthsChanged() override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void FlatChanged() override;
    void FontChanged() override;
    void Resize() override;
    bool SelectCell(int ACol, int ARow) override;
    void TopLeftChanged() override;

    // ---- keyboard and mouse ----
    void KeyDown(unsigned& Key, TShiftState Shift) override;
    void KeyUp(unsigned& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    TCursor MouseCursor(int X, int Y, TGridStateLt Sizing) const override;
    void DoExit() override;
    // The double click is raised from MouseDown (not after a width fitting).
    void DblClick() override {}
    void FocusCell(int ACol, int ARow, bool MoveAnchor, bool Show) override;
    virtual void CellClick(TColumnLt* Column);
    virtual void TitleClick(TColumnLt* Column);
    virtual void TitleBtnClick(int ACol, TColumnLt* Column);
    virtual void CheckTitleButton(int ACol, bool& Enabled);
    virtual void ColEnter();
    virtual void ColExit();
    // Raises OnSortMarkingChanged.
    virtual void DoSortMarkingChanged();
    // The auto-scroll of selection drags.
    virtual void DataAutoScroll();
    // Moves the rows of BookmarkList before record ToRecNo (TreeLevel: 0
    // outside tree mode); CheckOnly only asks whether that is allowed.
    // OnMoveRecords when assigned, else DefaultMoveRecords.
    virtual bool MoveRecords(TBMListLt* BookmarkList, int ToRecNo, int TreeLevel, bool CheckOnly);
    // The data service's record move (for datasets whose registered
    // features move records); after a move the grid shows the same record
    // number at the same place in its window.
    virtual bool DefaultMoveRecords(TBMListLt* BookmarkList, int ToRecNo, int TreeLevel, bool CheckOnly);

private:
    void TitleFontChanged();
    void OptionsToEngine();

    std::unique_ptr<TDBGridLtColumnDefValuesLt> FColumnDefValues;
    std::unique_ptr<TDBGridColumnsLt> FColumns;
    TColumnsLtList FVisibleColumns;
    std::unique_ptr<TGridDataLinkLt> FDataLink;
    std::unique_ptr<TFont> FTitleFont;
    std::unique_ptr<TFont> FFooterFont;
    TColumnsLtList FSortMarkedColumns;
    std::unique_ptr<TColCellParamsLt> FColCellParams;
    TComponentRef<TCustomImageList> FTitleImages;

    // Scroll bars: the settings, whether the last thumb drag already moved
    // the dataset, the wheel's turn not yet a whole notch.
    std::unique_ptr<TDBGridLtScrollBar> FHorzScrollBar;
    std::unique_ptr<TDBGridLtScrollBar> FVertScrollBar;
    bool FThumbTracked = false;
    int FWheelRest = 0;
    // Tool tips: the cell the mouse is over, the font of the tip shown.
    TGridCoordLt FToolTipCell{-1, -1};
    std::unique_ptr<TFont> FToolTipFont = std::make_unique<TFont>();
    bool FToolTipShown = false;

    TDBGridLtAllowedOperations FAllowedOperations{alopInsertLt, alopUpdateLt, alopDeleteLt, alopAppendLt};
    TDBGridLtAllowedSelections FAllowedSelections{gstRecordBookmarks, gstRectangle, gstColumns, gstAll};
    bool FAutoFitColWidths = false;
    bool FDrawMemoText = false;
    std::optional<TColor> FEvenRowColor;
    std::optional<TColor> FOddRowColor;
    TColor FFooterColor = clWindow;
    int FFooterRowCount = 0;
    int FFrozenCols = 0;
    int FMinAutoFitWidth = 0;
    TDBGridOptions FOptions{dgEditing, dgTitles, dgIndicator, dgColumnResize, dgColLines, dgRowLines, dgTabs,
                            dgConfirmDelete, dgCancelOnExit};
    TDBGridLtOptions FOptionsLt{dghFixed3D, dghHighlightFocus, dghClearSelection, dghDialogFind};
    bool FReadOnly = false;
    int FRowHeight = 0;
    int FRowLines = 0;
    bool FRowSizingAllowed = false;
    bool FSortLocal = false;
    int FTitleHeight = 0;
    int FTitleLines = 0;
    bool FUseMultiTitle = false;
    int FVTitleMargin = 10;

    TGetCellLtParamsEvent FOnGetCellParams;
    TNotifyEvent FOnColWidthsChanged;
    TMovedEvent FOnColumnMoved;
    TNotifyEvent FOnSortMarkingChanged;

    // The in-place editor's key and its button event.
    Variant FEditKeyValue = Variant::Null();
    TNotifyEvent FOnEditButtonClick;

    int FLayoutLock = 0;
    bool FInLayout = false;
    bool FInAutoFit = false;
    bool FLayoutFromLink = false;
    bool FLayoutPending = false;
    bool FFontFromParent = false;
    bool FCanWordWrap = false;
    bool FUpdatingColWidths = false;
    bool FInUpdateRowCount = false;
    int FTitleOffset = 1;
    int FIndicatorOffset = 1;

    // ---- keyboard and mouse ----
    enum class TDragModeLt { None, RowSelect, RectSelect, ColSelect, ColSizing, RecordMoving };
    static constexpr int kWholeDataSet = 1 << 30;
    bool DataLinkReady() const;
    bool CanModifyDataSet() const;
    bool CanAppendRecord() const;
    void MoveRecord(int Distance, TShiftState Shift, bool Select);
    // Moves the dataset Distance records (kWholeDataSet: to the end).
    void MoveDataSetBy(int Distance);
    void NextRecord(TShiftState Shift, bool Select);
    void PriorRecord(TShiftState Shift, bool Select);
    // Moves to a column; with Shift and dgMultiSelect the selection extends.
    void GoToColumn(int RawCol, TShiftState Shift);
    // Moves Distance records (1 << 30: to the end) extending the selection.
    void ExtendSelectionByRecords(int Distance);
    void InsertRecord();
    void CopyValueFromRecordAbove();
    void ClearField();
    void StepCellValue(bool Forward);
    bool CtrlKeyDown(unsigned& Key, TShiftState Shift);
    bool PlainKeyDown(unsigned& Key, TShiftState Shift);
    bool InplaceSearchKeyDown(unsigned Key, TShiftState Modifiers);
    // The clipboard keys, the filter row's Up and Ctrl+F; true when the key
    // was theirs.
    bool ClipboardKeyDown(unsigned Key, TShiftState Modifiers);
    bool FilterRowKeyDown(unsigned Key, TShiftState Modifiers);
    bool FindKeyDown(unsigned Key, TShiftState Modifiers);
    bool SelectionCanBeDeleted() const;
    bool CanPasteFromClipboard() const;
    // A right click on a column with an automatic popup menu shows it.
    bool PopupColumnMenu(const TGridCoordLt& Cell, int X, int Y);
    void TabToNextCell(bool Forward);
    bool InplaceSearchStep(const std::string& Text, TLocateTextDirectionLt Direction);
    void ClearSelectionForMove(TShiftState Shift);
    bool OnColumnSizingBorder(int X, int Y, int& RawCol) const;
    // The bottom strip of a data column's title, where a press selects the
    // column (columns allowed, no dgRowSelect).
    bool OnColumnSelectStrip(int X, int Y, int& RawCol) const;
    // The indicator cell of a data row with dgMultiSelect.
    bool OnRowSelectIndicator(int X, int Y) const;
    // A press on the strip: Shift extends from the anchor column, Ctrl
    // toggles the column, else it is the only one selected; a drag follows.
    void SelectColumnByClick(TShiftState Shift, int RawCol);
    void DragColumnSelectionTo(int X);
    // Shift-extends the column selection to a grid column of data.
    void ExtendColumnSelectionTo(int RawCol);
    // The selected columns (when columns or all are selected) and Clicked.
    TColumnsLtList ColumnsToFit(TColumnLt* Clicked) const;
    void SizeColumnLive(int X);
    void PressTitle(const TGridCoordLt& Cell);
    void ReleaseTitle(TShiftState Shift, const TGridCoordLt& Cell);
    void ClickDataCell(TMouseButton Button, TShiftState Shift, const TGridCoordLt& Cell);
    void PressPaintedEditButton(const TGridCoordLt& Cell, int X);
    // Shift+click in the indicator (or with dgRowSelect) extends the rows.
    bool ExtendRowSelectionByClick(TShiftState Shift, const TGridCoordLt& Cell);
    void SelectByClick(TMouseButton Button, TShiftState Shift, const TGridCoordLt& Cell);
    void ReleaseOnSelectedRow(TShiftState Shift);
    void DragSelectionTo(int X, int Y);
    // Rows (not a rectangle) are selected: in the indicator, with
    // dgRowSelect, or when rectangles are not allowed.
    bool SelectsRows(bool InIndicator) const;
    void ExtendDragSelection(int Records, int Columns);
    // The signed distances of a point outside the data area, 0 inside.
    bool OutsideDataArea(int X, int Y, int& DistanceX, int& DistanceY) const;
    bool IsCheckOrImageCell(int RawCol) const;
    int TitleTextWidth(TColumnLt* Column);
    int CellTextWidth(TColumnLt* Column, TCanvas& Canvas);

    TDBGridLtEditActions FEditActions;
    TDBGridLtClickEvent FOnCellClick;
    TDBGridLtClickEvent FOnTitleClick;
    TTitleLtClickEvent FOnTitleBtnClick;
    TCheckTitleLtBtnEvent FOnCheckButton;
    TNotifyEvent FOnColEnter;
    TNotifyEvent FOnColExit;
    TDragModeLt FDragMode = TDragModeLt::None;
    bool FTitleButtonDown = false;
    TGridCoordLt FCheckCellDown{-1, -1};
    bool FSortChangePending = false;
    bool FInplaceSearching = false;
    std::string FInplaceSearchText;
    TRepeatTimer FInplaceSearchTimer;
    TRepeatTimer FDataScrollTimer;
    TColumnLt* FMovingColumn = nullptr;   // the column a title press may move
    int FMovingColumnIndex = -1;
    TPoint FDragStart;
    TPoint FDragMouse;
    bool FClickedSelectedRow = false;
    bool FDragSelects = true;   // a row drag selects (else deselects) the rows passed
    std::string FKeySelectionAnchor;
    bool FKeySelecting = false;
    int FSizingCol = -1;     // the grid column sized live
    int FSizingStart = 0;    // the mouse position that would make it 0 wide
    // Record moving: the rows dragged, where they would go, the line.
    bool StartRecordMoving(TShiftState Shift, const TGridCoordLt& Cell);
    void TrackRecordMoving(int X, int Y);
    void EndRecordMoving(bool Drop);
    // The record number of a data row of the window (-1 when it has none).
    int RecNoOfRow(int DataRow);
    void ShowRecordMovingLine(int Y);
    void HideRecordMovingLine();
    // The list of the current row alone, when no row is marked.
    std::unique_ptr<TBMListLt> FCurrentRowList;
    TBMListLt* FMovingRows = nullptr;
    int FMoveToRecNo = -1;
    TGridGuideLineLt* FMovingLine = nullptr;   // children of the grid
    TGridGuideLineLt* FMovingTick = nullptr;
    TGridMoveRecordsEventLt FOnMoveRecords;
    // A press of an automatic-drag grid with dgMultiSelect is handled as
    // manual; a press on a selected row then drags the rows once moved.
    bool FAutoDragPress = false;
    bool FRowDragPending = false;

    // Selection.
    void RefreshSelection();
    std::unique_ptr<TBookmarkListLt> FSelectedRows = std::make_unique<TBookmarkListLt>(this);
    std::unique_ptr<TDBGridLtSelection> FSelection = std::make_unique<TDBGridLtSelection>(this);
    TNotifyEvent FOnSelectionChanged;

    // Footer sums.
    std::unique_ptr<TDBGridLtSumList> FSumList = std::make_unique<TDBGridLtSumList>(this);
    TNotifyEvent FOnSumListRecalcAll;
    TNotifyEvent FOnSumListAfterRecalcAll;
    // The filter row, the text search and the editing rules.
    void PlaceFilterEditor();
    void FollowFilterEditor();
    // The focus went to a control outside the grid and its children (not
    // merely away from the window).
    bool FocusLeftGrid() const;
    void MoveFilterEditor(int Step, bool Wrap);
    void FilterItemChosen(int Code);
    // The grid style asks to filter at once when a filter list closes.
    bool FilterApplyOnCloseUp() const;
    std::unique_ptr<TSTDBGridLtFilter> FSTFilter = std::make_unique<TSTDBGridLtFilter>(this);
    TInplaceFilterEditLt* FFilterEdit = nullptr;   // a child of the grid
    int FFilterEditIndex = -1;                     // the column (index in Columns) being edited
    TNotifyEvent FOnApplyFilter;
    bool FApplyingFilter = false;
    TPoint FLastMouseDownPos;
    int FLastMouseDownTime = 0;
    std::string FLocateBookmark;
};

// The data grid with its settings published.
class TDBGridLt : public TCustomDBGridLt {
    LT_CLASS(TDBGridLt)
public:
    explicit TDBGridLt(TComponent* AOwner) : TCustomDBGridLt(AOwner) {}
};
