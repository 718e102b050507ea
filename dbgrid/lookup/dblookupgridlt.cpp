// The lookup grid: construction, settings, the bindings of the data and
// list fields, applying and choosing the key value, and whole-row heights.
#include "dbgrid/lookup/dblookupgridlt.h"

#include <algorithm>

#include "dbcontrols/extravaluerow.h"
#include "dbcontrols/fieldlists.h"
#include "dbcontrols/variantsmatch.h"
#include "dbgrid/lookup/lookupgridcolumnlt.h"
#include "dbgrid/lookup/lookupgriddatalinklt.h"
#include "platform/data/field.h"

namespace {
std::string JoinFieldNames(const std::vector<TField*>& Fields)
{
    std::string names;
    for (const TField* field : Fields)
        names += (names.empty() ? "" : ";") + field->FieldName();
    return names;
}
} // namespace

TDBLookupGridLt::TDBLookupGridLt(TComponent* AOwner)
    : TCustomDBGridLt(AOwner), FLookupDataLink(std::make_unique<TLookupGridDataLinkLt>(this)),
      FLookupSource(std::make_unique<TDataSource>(nullptr)), FSpecRow(std::make_unique<TSpecRowLt>(this))
{
    RecreateColumns();
    SetParentColor(false);
    FSpecRow->SetOnChange([this](TObject*) { SpecRowChanged(); });
    TCustomDBGridLt::SetOptions({dgColLines, dgRowSelect});
    SetOptionsLt(TCustomDBGridLt::OptionsLt() + TDBGridLtOptions{dghTraceColSizing});
    TCustomGridLt::SetOptions(TCustomGridLt::Options() + TGridOptionsLt{goThumbTracking});
    SetFlat(true);
    SetDrawMemoText(true);
    SetTabStop(false);
    SetVTitleMargin(5);
    FTrackTimer.SetOnTimer([this] { TrackTick(); });
}

TDBLookupGridLt::~TDBLookupGridLt()
{
    FTrackTimer.Stop();
    FLookupDataLink->SetDataSource(nullptr);
    TCustomDBGridLt::SetDataSource(nullptr);
}

std::unique_ptr<TDBGridLtColumnDefValuesLt> TDBLookupGridLt::CreateColumnDefValues()
{
    return std::make_unique<TDBLookupGridColumnDefValuesLt>(this);
}

std::unique_ptr<TDBGridColumnsLt> TDBLookupGridLt::CreateColumns()
{
    return std::make_unique<TDBGridColumnsLt>(this, TCollection::ItemsOf<TDBLookupGridColumnLt>());
}

// ---- settings ------------------------------------------------------------------------

TDataSource* TDBLookupGridLt::DataSource() const
{
    return FLookupDataLink->DataSource();
}

void TDBLookupGridLt::SetDataSource(TDataSource* Value)
{
    if (Value == DataSource())
        return;
    if (FLookupDataLink->DataSourceFixed() && !ComponentState().Contains(csLoading))
        DatabaseError("Operation not allowed in a DBCtrlGrid", this);
    if (DataSource())
        RemoveFreeNotification(DataSource());
    FLookupDataLink->SetDataSource(Value);
    if (Value)
        FreeNotification(Value);
    RebindDataFields();
}

void TDBLookupGridLt::SetDataField(const std::string& Value)
{
    if (FDataField == Value)
        return;
    FDataField = Value;
    RebindDataFields();
}

void TDBLookupGridLt::CheckNotLookupMode() const
{
    if (FLookupMode)
        DatabaseError("Property already defined by lookup field", this);
}

void TDBLookupGridLt::CheckNotCircular() const
{
    const TDataSet* list = DataLink()->DataSet();
    if (DataLink()->Active() && DataSource() && DataSource()->IsLinkedTo(list))
        DatabaseError("Circular datalinks are not allowed", this);
}

void TDBLookupGridLt::SetListSource(TDataSource* Value)
{
    CheckNotLookupMode();
    TCustomDBGridLt::SetDataSource(Value);
}

void TDBLookupGridLt::SetKeyField(const std::string& Value)
{
    CheckNotLookupMode();
    if (FKeyFieldNames == Value)
        return;
    FKeyFieldNames = Value;
    RebindListFields();
    LayoutChanged();
}

void TDBLookupGridLt::SetListField(const std::string& Value)
{
    if (FListFieldNames == Value)
        return;
    FListFieldNames = Value;
    RebindListFields();
    LayoutChanged();
}

void TDBLookupGridLt::SetListFieldNo(int Value)
{
    if (FListFieldNo == Value)
        return;
    FListFieldNo = Value;
    RebindListFields();
}

void TDBLookupGridLt::SetSelectedKey(const Variant& Value)
{
    if (VariantsMatch(FSelectedKey, Value))
        return;
    FSelectedKey = Value;
    ApplyKeyValue();
}

void TDBLookupGridLt::SetSpecRow(const TSpecRowLt* Value)
{
    FSpecRow->Assign(Value);
}

void TDBLookupGridLt::SpecRowChanged()
{
    if (ComponentState().Contains(csLoading))
        return;
    LayoutChanged();
    ApplyKeyValue();
    Invalidate();
}

void TDBLookupGridLt::SetRowCount(int Value)
{
    FRowCount = std::clamp(Value, 1, kMaxRowCount);
    FitHeightAndWidths();
}

void TDBLookupGridLt::SetShowTitles(bool Value)
{
    if (ShowTitles() == Value)
        return;
    TDBGridOptions options = TCustomDBGridLt::Options();
    if (Value)
        options.Include(dgTitles);
    else
        options.Exclude(dgTitles);
    TCustomDBGridLt::SetOptions(options);
    FitHeightAndWidths();
}

void TDBLookupGridLt::SetOptions(TDBLookupGridLtOptions Value)
{
    FOptions = Value;
    TDBGridOptions grid = TCustomDBGridLt::Options() - TDBGridOptions{dgColumnResize, dgColLines, dgRowLines};
    if (Value.Contains(dlgColumnResizeLt))
        grid.Include(dgColumnResize);
    if (Value.Contains(dlgColLinesLt))
        grid.Include(dgColLines);
    if (Value.Contains(dlgRowLinesLt))
        grid.Include(dgRowLines);
    TDBGridLtOptions lt = OptionsLt() - TDBGridLtOptions{dghAutoSortMarking, dghMultiSortMarking};
    if (Value.Contains(dlgAutoSortMarkingLt))
        lt.Include(dghAutoSortMarking);
    if (Value.Contains(dlgMultiSortMarkingLt))
        lt.Include(dghMultiSortMarking);
    TCustomDBGridLt::SetOptions(grid);
    SetOptionsLt(lt);
    FitHeightAndWidths();
}

void TDBLookupGridLt::SetAutoFitColWidths(bool Value)
{
    if (FAutoFitColWidths == Value)
        return;
    FAutoFitColWidths = Value;
    SetScrollBars(Value ? ssVertical : ssBoth);
    TCustomDBGridLt::SetAutoFitColWidths(Value);
    FitHeightAndWidths();
}

// ---- bindings ------------------------------------------------------------------------

void TDBLookupGridLt::RebindDataFields()
{
    FMasterFieldNames.clear();
    FDataFields.clear();
    FMasterFields.clear();
    TField* lookupField = nullptr;
    if (FLookupDataLink->Active() && !FDataField.empty()) {
        CheckNotCircular();
        const TDataSet* dataSet = FLookupDataLink->DataSet();
        FDataFields = dataSet->GetFieldList(FDataField);
        if (FDataFields.size() == 1 && FDataFields[0]->Lookup()) {
            lookupField = FDataFields[0];
            FMasterFields = dataSet->GetFieldList(lookupField->KeyFields());
        } else {
            FMasterFields = FDataFields;
        }
        FMasterFieldNames = JoinFieldNames(FMasterFields);
    }
    if (lookupField) {
        FLookupMode = true;
        FKeyFieldNames = lookupField->LookupKeyFields();
        FLookupSource->SetDataSet(lookupField->LookupDataSet());
        TCustomDBGridLt::SetDataSource(FLookupSource.get());
        RebindListFields();
    } else if (FLookupMode) {
        FLookupMode = false;
        TCustomDBGridLt::SetDataSource(nullptr);
        FLookupSource->SetDataSet(nullptr);
    }
    DataRecordUpdated(nullptr);
}

void TDBLookupGridLt::DataRecordUpdated(TField* Field)
{
    if (Field && std::find(FMasterFields.begin(), FMasterFields.end(), Field) == FMasterFields.end())
        return;
    if (FMasterFields.empty() || !FLookupDataLink->Active())
        SetSelectedKey(Variant::Null());
    else
        SetSelectedKey(FLookupDataLink->DataSet()->FieldValues(FMasterFieldNames));
}

void TDBLookupGridLt::RebindListFields()
{
    FListActive = false;
    FListField = nullptr;
    FKeyFields.clear();
    FListFields.clear();
    TField* lookupField = FLookupMode && !FDataFields.empty() ? FDataFields.front() : nullptr;
    if (DataLink()->Active() && !FKeyFieldNames.empty()) {
        CheckNotCircular();
        const TDataSet* list = DataLink()->DataSet();
        FKeyFields = list->GetFieldList(FKeyFieldNames);
        try {
            FListFields = list->GetFieldList(FListFieldNames);
        } catch (const EDatabaseError&) {
            FListFields.clear();
            DatabaseError("Field '" + FListFieldNames + "' not found", this);
        }
        if (lookupField) {
            FListField = list->FieldByName(lookupField->LookupResultField());
            if (std::find(FListFields.begin(), FListFields.end(), FListField) == FListFields.end())
                FListFields.insert(FListFields.begin(), FListField);
        } else {
            if (FListFields.empty())
                FListFields = FKeyFields;
            UpdateListField();
        }
        FListActive = true;
    }
    if (lookupField)
        FKeyFieldNames = lookupField->LookupKeyFields();
    if (FListActive)
        ApplyKeyValue();
    else
        ListDataUpdated();
}

void TDBLookupGridLt::UpdateListField()
{
    if (FListFields.empty()) {
        FListField = nullptr;
        return;
    }
    const int index = std::clamp(FListFieldNo, 0, static_cast<int>(FListFields.size()) - 1);
    FListField = FListFields[static_cast<std::size_t>(index)];
}

void TDBLookupGridLt::DefineFieldMap()
{
    if (!FListActive || Columns()->Customized()) {
        TCustomDBGridLt::DefineFieldMap();
        return;
    }
    DataLink()->ClearFieldMap();
    for (const TField* field : FListFields)
        DataLink()->MapField(field->FieldName());
}

void TDBLookupGridLt::LinkActive(bool Value)
{
    RebindListFields();
    TCustomDBGridLt::LinkActive(Value);
    ListDataUpdated();
}

void TDBLookupGridLt::DataChanged()
{
    TCustomDBGridLt::DataChanged();
    ListDataUpdated();
}

void TDBLookupGridLt::Scroll(int Distance)
{
    TCustomDBGridLt::Scroll(Distance);
    ListDataUpdated();
}

// ---- the key value -------------------------------------------------------------------

Variant TDBLookupGridLt::CurrentKeyValue() const
{
    if (!FListActive || FKeyFieldNames.empty())
        return Variant::Null();
    return DataLink()->DataSet()->FieldValues(FKeyFieldNames);
}

bool TDBLookupGridLt::CanChangeKey() const
{
    if (!FListActive || FLookupDataLink->ReadOnly())
        return false;
    if (!FLookupDataLink->DataSource())
        return true;
    return !FMasterFields.empty() &&
           std::all_of(FMasterFields.begin(), FMasterFields.end(), [](const TField* f) { return f->CanModify(); });
}

void TDBLookupGridLt::ApplyKeyValue()
{
    TDataSet* list = FListActive ? DataLink()->DataSet() : nullptr;
    if (FSpecRow->Visible()) {
        FSpecRowSelected = VariantsMatch(FSelectedKey, FSpecRow->Value());
        if (!FSpecRowSelected && FLockPosition == 0 && FSpecRow->ShowIfNotInKeyList() && list)
            FSpecRowSelected = !FindKeyRow();
    } else {
        FSpecRowSelected = false;
    }
    if (list && FLockPosition == 0 && !FSpecRowSelected && !FindKeyRow())
        list->First();
    ListDataUpdated();
    if (FSpecRow->Visible() && FSpecRowSelected) {
        FSelectedText = FSpecRow->CellTextAt(ListFieldColumn());
    } else if (FListField && list && list->Active() && VariantsMatch(CurrentKeyValue(), FSelectedKey)) {
        FSelectedText = FListField->DisplayText();
    } else {
        FSelectedText.clear();
    }
    Invalidate();
}

int TDBLookupGridLt::ListFieldColumn() const
{
    for (int i = 0; FListField && i < Columns()->Count(); ++i)
        if (Columns()->Items(i)->BoundField() == FListField)
            return i;
    return 0;
}

bool TDBLookupGridLt::FindKeyRow()
{
    TDataSet* list = DataLink()->DataSet();
    if (FSelectedKey.IsNull() || FSelectedKey.IsEmpty() || !list || !list->Active() || FKeyFieldNames.empty())
        return false;
    try {
        if (VariantsMatch(CurrentKeyValue(), FSelectedKey))
            return true;
        if (!list->Locate(FKeyFieldNames, FSelectedKey, {}))
            return false;
        // The key's row in the middle of the rows on screen.
        const int half = (DataLink()->BufferCount() - 1) / 2;
        const int back = -list->MoveBy(-half);
        list->MoveBy(back);
        const int ahead = list->MoveBy(DataLink()->BufferCount() - 1 - half);
        list->MoveBy(-ahead);
        return true;
    } catch (const Exception&) {
        return false;
    }
}

void TDBLookupGridLt::ListDataUpdated()
{
    const TDataSet* list = FListActive ? DataLink()->DataSet() : nullptr;
    if (list && list->Active()) {
        FRecordIndex = DataLink()->ActiveRecord();
        FRecordCount = DataLink()->RecordCount();
        FKeySelected = !(FSelectedKey.IsNull() && list->Bof());
    } else {
        FRecordIndex = 0;
        FRecordCount = 0;
        FKeySelected = false;
    }
    if (HasBridge())
        Invalidate();
}

int TDBLookupGridLt::KeyGridRow() const
{
    if (!FListActive || FSelectedKey.IsNull() || FSelectedKey.IsEmpty())
        return -1;
    TGridDataLinkLt* link = DataLink();
    const int saved = link->ActiveRecord();
    int found = -1;
    for (int i = 0; i < link->RecordCount() && found < 0; ++i) {
        link->SetActiveRecord(i);
        if (VariantsMatch(CurrentKeyValue(), FSelectedKey))
            found = i;
    }
    link->SetActiveRecord(saved);
    return found < 0 ? -1 : FirstDataRow() + found;
}

void TDBLookupGridLt::ChooseKeyValue(const Variant& Value)
{
    if (FMasterFields.empty()) {
        SetSelectedKey(Value);
    } else if (FLookupDataLink->Edit()) {
        AssignFieldValues(FLookupDataLink->DataSet(), FMasterFieldNames, Value);
    }
    const int row = KeyGridRow();
    if (row >= 0)
        ScrollToShow(Col(), row);
    Invalidate();
    Click();
}

void TDBLookupGridLt::SelectCurrent()
{
    if (!FListActive)
        return;
    ++FLockPosition;
    try {
        FSpecRowSelected = false;
        const Variant key = CurrentKeyValue();
        if (!VariantsMatch(key, FSelectedKey))
            ChooseKeyValue(key);
        else
            ApplyKeyValue();
    } catch (...) {
        --FLockPosition;
        throw;
    }
    --FLockPosition;
}

void TDBLookupGridLt::SelectSpecRow()
{
    ++FLockPosition;
    try {
        if (!VariantsMatch(FSpecRow->Value(), FSelectedKey))
            ChooseKeyValue(FSpecRow->Value());
        FSpecRowSelected = true;
        if (FListActive)
            DataLink()->DataSet()->First();
        ApplyKeyValue();
    } catch (...) {
        --FLockPosition;
        throw;
    }
    --FLockPosition;
}

// ---- size ----------------------------------------------------------------------------

int TDBLookupGridLt::BorderHeight() const
{
    const int border = BorderStyle() == bsNone ? 0 : (Flat() ? 1 : 2);
    const TScrollBar* horz = HorzScrollBarControl();
    return 2 * border + (horz && horz->Visible() ? horz->Height() : 0);
}

int TDBLookupGridLt::SpecRowHeight() const
{
    return FSpecRow->Visible() ? DefaultRowHeight() : 0;
}

int TDBLookupGridLt::ExtraFixedRowCount() const
{
    return FSpecRow->Visible() ? 1 : 0;
}

int TDBLookupGridLt::SpecGridRow() const
{
    return FSpecRow->Visible() ? (ShowTitles() ? 1 : 0) : -1;
}

namespace {
// The pixels of the fixed rows and of one data row, lines included.
struct TRowPitch {
    int Fixed = 0;
    int Row = 1;
};

TRowPitch RowPitchOf(const TDBLookupGridLt& Grid, int SpecRowHeight)
{
    const TGridOptionsLt options = Grid.TCustomGridLt::Options();
    const int line = options.Contains(goHorzLine) ? Grid.GridLineWidth() : 0;
    const int fixedLine = options.Contains(goFixedHorzLine) ? Grid.GridLineWidth() : 0;
    TRowPitch pitch;
    pitch.Row = std::max(1, Grid.DefaultRowHeight() + line);
    if (Grid.ShowTitles() && Grid.TCustomGridLt::RowCount() > 0)
        pitch.Fixed += Grid.RowHeights(0) + fixedLine;
    if (SpecRowHeight > 0)
        pitch.Fixed += SpecRowHeight + fixedLine;
    return pitch;
}
} // namespace

void TDBLookupGridLt::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    if (!FInFit) {
        const TRowPitch pitch = RowPitchOf(*this, SpecRowHeight());
        const int room = AHeight - BorderHeight() - pitch.Fixed;
        FRowCount = std::clamp(room / pitch.Row, 1, kMaxRowCount);
        AHeight = BorderHeight() + pitch.Fixed + FRowCount * pitch.Row;
    }
    TCustomDBGridLt::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TDBLookupGridLt::FitHeightAndWidths()
{
    if (FInFit)
        return;
    const TRowPitch pitch = RowPitchOf(*this, SpecRowHeight());
    const int height = BorderHeight() + pitch.Fixed + FRowCount * pitch.Row;
    if (height == Height())
        return;
    FInFit = true;
    try {
        TCustomDBGridLt::SetBounds(Left(), Top(), Width(), height);
    } catch (...) {
        FInFit = false;
        throw;
    }
    FInFit = false;
}

void TDBLookupGridLt::InternalLayout()
{
    TCustomDBGridLt::InternalLayout();
    const int specRow = SpecGridRow();
    if (specRow >= 0 && specRow < TCustomGridLt::RowCount() && RowHeights(specRow) != SpecRowHeight()) {
        TCustomGridLt::SetRowHeight(specRow, SpecRowHeight());
        UpdateRowCount();
    }
    FitHeightAndWidths();
}

// ---- streaming and freed components --------------------------------------------------

void TDBLookupGridLt::Loaded()
{
    TCustomDBGridLt::Loaded();
    RebindDataFields();
    RebindListFields();
    FitHeightAndWidths();
}

void TDBLookupGridLt::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomDBGridLt::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == DataSource())
        SetDataSource(nullptr);
}
