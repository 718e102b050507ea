#pragma once
// The lookup grid: a data grid over the rows of a list dataset that selects
// one of them by its key value, like a lookup list box. The key is read from
// and written to the master fields of a data source (or follows a lookup
// field of it); an optional special row above the data stands for one extra
// value ("no value", say). The incremental search, keys and mouse are in
// dblookupgridinput.cpp, the painting in dblookupgriddraw.cpp.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "dbgrid/core/dbgridlt.h"
#include "platform/rtl/variant.h"

class TLookupGridDataLinkLt;
class TSpecRowLt;

enum TDBLookupGridLtOption {
    dlgColumnResizeLt, dlgColLinesLt, dlgRowLinesLt, dlgAutoSortMarkingLt, dlgMultiSortMarkingLt
};
LT_ENUM_INFO(TDBLookupGridLtOption, dlgColumnResizeLt, dlgColLinesLt, dlgRowLinesLt, dlgAutoSortMarkingLt,
             dlgMultiSortMarkingLt)
using TDBLookupGridLtOptions = TSet<TDBLookupGridLtOption>;

class TDBLookupGridLt : public TCustomDBGridLt {
    LT_CLASS(TDBLookupGridLt)
public:
    static constexpr int kMaxRowCount = 100;
    // Milliseconds between the keys of one incremental search, and its
    // longest text in characters.
    static constexpr uint32_t kSearchTimeout = 2000;
    static constexpr std::size_t kSearchMaxLength = 32;

    explicit TDBLookupGridLt(TComponent* AOwner);
    ~TDBLookupGridLt() override;

    // Where the key value comes from and goes to.
    TDataSource* DataSource() const;
    void SetDataSource(TDataSource* Value);
    const std::string& DataField() const { return FDataField; }
    void SetDataField(const std::string& Value);
    // The list: the grid's own data source, its key and shown fields.
    TDataSource* ListSource() const { return TCustomDBGridLt::DataSource(); }
    void SetListSource(TDataSource* Value);
    const std::string& KeyField() const { return FKeyFieldNames; }
    void SetKeyField(const std::string& Value);
    const std::string& ListField() const { return FListFieldNames; }
    void SetListField(const std::string& Value);
    // Which of the list fields gives SelectedText.
    int ListFieldNo() const { return FListFieldNo; }
    void SetListFieldNo(int Value);

    const Variant& SelectedKey() const { return FSelectedKey; }
    void SetSelectedKey(const Variant& Value);
    const std::string& SelectedText() const { return FSelectedText; }
    TSpecRowLt* SpecRow() const { return FSpecRow.get(); }
    void SetSpecRow(const TSpecRowLt* Value);
    bool SpecRowSelected() const { return FSpecRowSelected; }
    bool KeySelected() const { return FKeySelected; }

    // Whole rows shown, 1..kMaxRowCount; setting it sets the height.
    int RowCount() const { return FRowCount; }
    void SetRowCount(int Value);
    bool ShowTitles() const { return TCustomDBGridLt::Options().Contains(dgTitles); }
    void SetShowTitles(bool Value);
    TDBLookupGridLtOptions Options() const { return FOptions; }
    void SetOptions(TDBLookupGridLtOptions Value);
    bool AutoFitColWidths() const { return FAutoFitColWidths; }
    void SetAutoFitColWidths(bool Value);

    // The state of the bindings.
    bool LookupMode() const { return FLookupMode; }
    bool ListActive() const { return FListActive; }
    TField* GetListField() const { return FListField; }
    const std::vector<TField*>& KeyFields() const { return FKeyFields; }
    const std::vector<TField*>& ListFields() const { return FListFields; }
    const std::vector<TField*>& DataFields() const { return FDataFields; }
    const std::vector<TField*>& MasterFields() const { return FMasterFields; }
    const std::string& MasterFieldNames() const { return FMasterFieldNames; }
    TLookupGridDataLinkLt* LookupDataLink() const { return FLookupDataLink.get(); }
    // The list rows on screen: the index of the current one and their count.
    int RecordIndex() const { return FRecordIndex; }
    int RecordCount() const { return FRecordCount; }
    // The typed text of the incremental search.
    const std::string& SearchText() const { return FSearchText; }
    // The millisecond clock of the incremental search (GetTickCount), one
    // for all lookup grids; nullptr returns to the system's.
    static void SetSearchClock(std::function<uint32_t()> Clock);

    // Selects the key's row (or the special row) and takes its text.
    virtual void ApplyKeyValue();
    void RebindListFields();
    void ListDataUpdated();
    // Moves the list to the row of SelectedKey.
    bool FindKeyRow();
    // Writes Value to the master fields (or SelectedKey without them).
    void ChooseKeyValue(const Variant& Value);
    bool CanChangeKey() const;
    // The frame's share of the height.
    int BorderHeight() const;
    // The height of the special row, 0 while it is hidden.
    int SpecRowHeight() const;
    // The height of whole rows, and the width of the columns when they fit.
    void FitHeightAndWidths();
    void RebindDataFields();
    void DataRecordUpdated(TField* Field);

    // The height becomes whole rows.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    // The vertical bar moves the list (dblookupgridscroll.cpp).
    void ScrollRequest(bool Vertical, TScrollCode Code, int Thumb) override;
    // A list whose records all show has no bar to show for them.
    TScrollBarStateLt VertScrollBarState(const TGridAxisLt& V) override;
    // The width that shows every column whole: their own widths (before
    // any fitting), their lines, the frame and the vertical bar when the
    // rows do not all show.
    int NeededWidth() const;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Loaded() override;
    void Dispatch(TMessage& Message) override;

protected:
    std::unique_ptr<TDBGridLtColumnDefValuesLt> CreateColumnDefValues() override;
    std::unique_ptr<TDBGridColumnsLt> CreateColumns() override;
    int ExtraFixedRowCount() const override;
    void LinkActive(bool Value) override;
    void DataChanged() override;
    void Scroll(int Distance) override;
    void DefineFieldMap() override;
    void InternalLayout() override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    void KeyDown(unsigned& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

    // The grid row of the special row, -1 while it is hidden.
    int SpecGridRow() const;
    // The first grid row of the data.
    int FirstDataRow() const { return TitleRowCount(); }
    // Makes the list's current row the selected one.
    void SelectCurrent();
    // Selects the special row.
    void SelectSpecRow();
    // Selects the row of grid row ARow (the special row or a data row).
    void SelectGridRow(int ARow);
    // The key value of the list's current (or painted) row.
    Variant CurrentKeyValue() const;
    // The column of the list field (0 without one).
    int ListFieldColumn() const;
    // The grid row of the key's row among those on screen, -1 when none.
    int KeyGridRow() const;
    // Incremental search with one typed character.
    void SearchKey(char32_t Key);
    // A non-popup grid takes the focus before a left press; false stops it.
    virtual bool TakeFocusOnPress();
    // Key presses and mouse actions tell descendants they were the user's.
    virtual void UserAction() {}
    // Mouse tracking: on and off.
    bool Tracking() const { return FTracking; }
    void StopTracking();

private:
    // The list holds record numbers and all its records show.
    bool AllRecordsShown() const;
    void SpecRowChanged();
    void CheckNotLookupMode() const;
    void CheckNotCircular() const;
    void MoveListBy(int Distance);
    void TrackTick();
    void UpdateListField();
    void SetListFieldNamesFromColumns();

    std::unique_ptr<TLookupGridDataLinkLt> FLookupDataLink;
    std::unique_ptr<TDataSource> FLookupSource;
    std::unique_ptr<TSpecRowLt> FSpecRow;
    std::string FDataField;
    std::string FKeyFieldNames;
    std::string FListFieldNames;
    int FListFieldNo = 0;
    std::vector<TField*> FDataFields;
    std::vector<TField*> FMasterFields;
    std::string FMasterFieldNames;
    std::vector<TField*> FKeyFields;
    std::vector<TField*> FListFields;
    TField* FListField = nullptr;
    bool FListActive = false;
    bool FLookupMode = false;
    Variant FSelectedKey = Variant::Null();
    std::string FSelectedText;
    bool FKeySelected = false;
    bool FSpecRowSelected = false;
    int FLockPosition = 0;
    int FRecordIndex = 0;
    int FRecordCount = 0;
    std::string FSearchText;
    std::size_t FSearchLength = 0;
    int FRowCount = 7;
    TDBLookupGridLtOptions FOptions{dlgColLinesLt};
    bool FAutoFitColWidths = false;
    bool FTracking = false;
    TPoint FTrackPoint;
    TRepeatTimer FTrackTimer;
    bool FInFit = false;
};
