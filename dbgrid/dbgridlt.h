#pragma once
// The data grid: the records of a dataset (reached through a data source)
// as rows and its fields as columns, on the grid engine. The rows are the
// data link's buffer window; the columns are the column collection, either
// the operator's stored columns or default columns made from the fields.
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "dbgrid/columnslt.h"
#include "dbgrid/customgridlt.h"
#include "dbgrid/dbgridinputtypes.h"
#include "dbgrid/dbgridselection.h"
#include "dbgrid/dbgridsumlist.h"
#include "dbgrid/dbgridtypes.h"
#include "dbgrid/griddatalinklt.h"
#include "dbgrid/locatetext.h"
#include "platform/ui/componentref.h"

class TColCellParamsLt;
class TColumnLt;
class TCustomImageList;
class TDBGridLtColumnDefValuesLt;

// The private message of a delayed layout.
constexpr uint32_t CM_DBGRIDLAYOUTLT = WM_USER + 110;

using TGetCellLtParamsEvent =
    std::function<void(TObject* Sender, TColumnLt* Column, TFont* AFont, TColor& Background, TGridDrawState State)>;
using TMovedEvent = std::function<void(TObject* Sender, int FromIndex, int ToIndex)>;

class TCustomDBGridLt : public TCustomGridLt {
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

    // The editor's text for a cell and back.
    std::string GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const std::string& Value) override;

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

protected:
    // Factories of the owned objects descendants replace.
    virtual std::unique_ptr<TDBGridLtColumnDefValuesLt> CreateColumnDefValues();
    virtual std::unique_ptr<TDBGridColumnsLt> CreateColumns();

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

    // Plain cell painting: titles, indicator and cell text.
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
    enum class TDragModeLt { None, RowSelect, RectSelect, ColSizing };
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
    void TabToNextCell(bool Forward);
    bool InplaceSearchStep(const std::string& Text, TLocateTextDirectionLt Direction);
    void ClearSelectionForMove(TShiftState Shift);
    bool OnColumnSizingBorder(int X, int Y, int& RawCol) const;
    // The selected columns (when columns or all are selected) and Clicked.
    TColumnsLtList ColumnsToFit(TColumnLt* Clicked) const;
    void SizeColumnLive(int X);
    void PressTitle(const TGridCoordLt& Cell);
    void ReleaseTitle(TShiftState Shift, const TGridCoordLt& Cell);
    void ClickDataCell(TMouseButton Button, TShiftState Shift, const TGridCoordLt& Cell);
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
    int FPressedTitleCol = -1;
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

    // Selection.
    void RefreshSelection();
    std::unique_ptr<TBookmarkListLt> FSelectedRows = std::make_unique<TBookmarkListLt>(this);
    std::unique_ptr<TDBGridLtSelection> FSelection = std::make_unique<TDBGridLtSelection>(this);
    TNotifyEvent FOnSelectionChanged;

    // Footer sums.
    std::unique_ptr<TDBGridLtSumList> FSumList = std::make_unique<TDBGridLtSumList>(this);
    TNotifyEvent FOnSumListRecalcAll;
    TNotifyEvent FOnSumListAfterRecalcAll;
};

// The data grid with its settings published.
class TDBGridLt : public TCustomDBGridLt {
    LT_CLASS(TDBGridLt)
public:
    explicit TDBGridLt(TComponent* AOwner) : TCustomDBGridLt(AOwner) {}
};
