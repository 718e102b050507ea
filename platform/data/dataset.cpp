#include "platform/data/dataset.h"

#include <algorithm>

#include "platform/data/datasource.h"
#include "platform/data/fields.h"
#include "platform/rtl/classbuilder.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/floatformat.h"
#include "platform/rtl/strutils.h"

LT_IMPLEMENT_CLASS(TDataSet, TComponent)
{
    P.Property("Active", &TDataSet::Active, &TDataSet::SetActive).Default(0);
    P.Property("Filter", &TDataSet::Filter, &TDataSet::SetFilter);
    P.Property("Filtered", &TDataSet::Filtered, &TDataSet::SetFiltered).Default(0);
    P.Property("BeforeOpen", &TDataSet::BeforeOpen, &TDataSet::SetBeforeOpen);
    P.Property("AfterOpen", &TDataSet::AfterOpen, &TDataSet::SetAfterOpen);
    P.Property("BeforeClose", &TDataSet::BeforeClose, &TDataSet::SetBeforeClose);
    P.Property("AfterClose", &TDataSet::AfterClose, &TDataSet::SetAfterClose);
    P.Property("BeforeInsert", &TDataSet::BeforeInsert, &TDataSet::SetBeforeInsert);
    P.Property("AfterInsert", &TDataSet::AfterInsert, &TDataSet::SetAfterInsert);
    P.Property("BeforeEdit", &TDataSet::BeforeEdit, &TDataSet::SetBeforeEdit);
    P.Property("AfterEdit", &TDataSet::AfterEdit, &TDataSet::SetAfterEdit);
    P.Property("BeforePost", &TDataSet::BeforePost, &TDataSet::SetBeforePost);
    P.Property("AfterPost", &TDataSet::AfterPost, &TDataSet::SetAfterPost);
    P.Property("BeforeCancel", &TDataSet::BeforeCancel, &TDataSet::SetBeforeCancel);
    P.Property("AfterCancel", &TDataSet::AfterCancel, &TDataSet::SetAfterCancel);
    P.Property("BeforeDelete", &TDataSet::BeforeDelete, &TDataSet::SetBeforeDelete);
    P.Property("AfterDelete", &TDataSet::AfterDelete, &TDataSet::SetAfterDelete);
    P.Property("BeforeScroll", &TDataSet::BeforeScroll, &TDataSet::SetBeforeScroll);
    P.Property("AfterScroll", &TDataSet::AfterScroll, &TDataSet::SetAfterScroll);
    P.Property("AfterRefresh", &TDataSet::AfterRefresh, &TDataSet::SetAfterRefresh);
    P.Property("OnNewRecord", &TDataSet::OnNewRecord, &TDataSet::SetOnNewRecord);
    P.Property("OnFilterRecord", &TDataSet::OnFilterRecord, &TDataSet::SetOnFilterRecord);
}

void DatabaseError(const std::string& Message, const TComponent* Component)
{
    if (Component && !Component->Name().empty())
        throw EDatabaseError(Component->Name() + ": " + Message);
    throw EDatabaseError(Message);
}

namespace {
void Fire(const TDataSetNotifyEvent& event, TDataSet* dataSet)
{
    if (event)
        event(dataSet);
}

bool StartsWithText(const std::string& text, const std::string& prefix, bool ignoreCase)
{
    if (ignoreCase)
        return AnsiUpperCase(text).rfind(AnsiUpperCase(prefix), 0) == 0;
    return text.rfind(prefix, 0) == 0;
}
} // namespace

TDataSet::TDataSet(TComponent* AOwner) : TComponent(AOwner) {}

TDataSet::~TDataSet()
{
    for (TDataSource* source : std::vector<TDataSource*>(FDataSources))
        source->SetDataSet(nullptr);
    for (TField* field : std::vector<TField*>(FFields))
        field->SetDataSet(nullptr);
}

void TDataSet::CheckActive() const
{
    if (!Active())
        DatabaseError("Cannot perform this operation on a closed dataset", this);
}

void TDataSet::SetActive(bool Value)
{
    if (Value == Active())
        return;
    if (ComponentState().Contains(csLoading)) {
        FOpenPending = Value;
        return;
    }
    if (Value) {
        Fire(FBeforeOpen, this);
        SetState(dsOpening);
        try {
            InternalOpen();
            if (FFields.empty())
                CreateFields();
            BindFields();
            InternalFieldsBound();
        } catch (...) {
            FState = dsInactive;
            InternalClose();
            throw;
        }
        FCurrent = InternalRowCount() > 0 ? 0 : -1;
        FBof = true;
        FEof = FCurrent < 0;
        FActiveRow = -1;
        SetState(dsBrowse);
        for (TDataSet* nested : NestedDataSets())
            nested->Open();
        Fire(FAfterOpen, this);
        if (!IsEmpty())
            DoAfterScroll();
    } else {
        Fire(FBeforeClose, this);
        for (TDataSet* nested : NestedDataSets())
            nested->Close();
        FEditValues.clear();
        FInsertRow = -1;
        FModified = false;
        SetState(dsInactive);
        InternalClose();
        FCurrent = -1;
        FActiveRow = -1;
        FBof = FEof = true;
        if (FDefaultFields) {
            FDefaultFields = false;
            for (TField* field : std::vector<TField*>(FFields))
                delete field;
        }
        Fire(FAfterClose, this);
    }
}

void TDataSet::Loaded()
{
    TComponent::Loaded();
    if (FOpenPending) {
        FOpenPending = false;
        Open();
    }
}

void TDataSet::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == reinterpret_cast<TComponent*>(FDataSetField))
        FDataSetField = nullptr;
}

void TDataSet::SetDataSetField(TDataSetField* Value)
{
    if (Value == FDataSetField)
        return;
    if (FDataSetField)
        FDataSetField->SetNestedDataSet(nullptr);
    FDataSetField = Value;
    if (Value) {
        Value->SetNestedDataSet(this);
        Value->FreeNotification(this);
    }
}

TField* TDataSet::Fields(int Index) const
{
    if (Index < 0 || Index >= FieldCount())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return FFields[static_cast<std::size_t>(Index)];
}

TField* TDataSet::FindField(const std::string& FieldName) const
{
    for (TField* f : FFields)
        if (AnsiSameText(f->FieldName(), FieldName))
            return f;
    return nullptr;
}

TField* TDataSet::FieldByName(const std::string& FieldName) const
{
    TField* f = FindField(FieldName);
    if (!f)
        DatabaseError("Field '" + FieldName + "' not found", this);
    return f;
}

std::vector<TField*> TDataSet::GetFieldList(const std::string& FieldNames) const
{
    std::vector<TField*> list;
    for (const std::string& name : SplitFieldNames(FieldNames))
        list.push_back(FieldByName(name));
    return list;
}

Variant TDataSet::FieldValues(const std::string& FieldNames) const
{
    const std::vector<TField*> fields = GetFieldList(FieldNames);
    if (fields.size() == 1)
        return fields[0]->Value();
    Variant result = Variant::CreateArray(0, static_cast<int>(fields.size()) - 1);
    for (std::size_t i = 0; i < fields.size(); ++i)
        result[static_cast<int>(i)] = fields[i]->Value();
    return result;
}

void TDataSet::SetFieldValues(const std::string& FieldNames, const Variant& Value)
{
    const std::vector<TField*> fields = GetFieldList(FieldNames);
    if (fields.size() == 1 && !Value.IsArray()) {
        fields[0]->SetValue(Value);
        return;
    }
    if (!Value.IsArray() || Value.HighBound() - Value.LowBound() + 1 != static_cast<int>(fields.size()))
        DatabaseError("The values do not match the fields " + FieldNames, this);
    for (std::size_t i = 0; i < fields.size(); ++i)
        fields[i]->SetValue(Value[Value.LowBound() + static_cast<int>(i)]);
}

void TDataSet::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) const
{
    TComponent::GetChildren(Proc, Root);
    for (TField* field : FFields)
        if (field->Owner() == Root)
            Proc(field);
}

void TDataSet::FieldAdded(TField* Field)
{
    if (std::find(FFields.begin(), FFields.end(), Field) == FFields.end())
        FFields.push_back(Field);
    if (Active())
        DataEvent(deLayoutChange, 0);
}

void TDataSet::FieldRemoved(TField* Field)
{
    const auto it = std::find(FFields.begin(), FFields.end(), Field);
    if (it == FFields.end())
        return;
    FFields.erase(it);
    if (Active() && !ComponentState().Contains(csDestroying))
        DataEvent(deLayoutChange, 0);
}

int TDataSet::FieldIndex(const TField* Field) const
{
    const auto it = std::find(FFields.begin(), FFields.end(), Field);
    return it == FFields.end() ? -1 : static_cast<int>(it - FFields.begin());
}

void TDataSet::SetFieldIndex(TField* Field, int Index)
{
    const int current = FieldIndex(Field);
    if (current < 0)
        return;
    Index = std::clamp(Index, 0, FieldCount() - 1);
    if (Index == current)
        return;
    FFields.erase(FFields.begin() + current);
    FFields.insert(FFields.begin() + Index, Field);
    if (Active())
        DataEvent(deLayoutChange, 0);
}

void TDataSet::CreateFields()
{
    for (const TFieldDef& def : FFieldDefs) {
        TField* field = CreateFieldOfType(def.DataType, this);
        field->SetFieldName(def.Name);
        if (IsTextType(def.DataType))
            field->SetSize(def.Size);
        field->SetRequired(def.Required);
        field->SetProviderFlags(def.ProviderFlags);
        field->SetDataSet(this);
    }
    FDefaultFields = true;
}

void TDataSet::BindFields()
{
    for (TField* field : FFields) {
        field->SetFieldNo(0);
        if (field->FieldKind() != fkData)
            continue;
        for (std::size_t i = 0; i < FFieldDefs.size(); ++i)
            if (AnsiSameText(FFieldDefs[i].Name, field->FieldName())) {
                field->SetFieldNo(static_cast<int>(i) + 1);
                break;
            }
        if (field->FieldNo() == 0)
            DatabaseError("Field '" + field->FieldName() + "' not found", this);
    }
}

int TDataSet::RowCount() const
{
    if (!Active() || FState == dsOpening)
        return 0;
    return InternalRowCount() + (FState == dsInsert ? 1 : 0);
}

int TDataSet::StoredRow(int Row) const
{
    if (FState != dsInsert || FInsertRow < 0)
        return Row;
    if (Row == FInsertRow)
        return -1;
    return Row > FInsertRow ? Row - 1 : Row;
}

bool TDataSet::HasRow(int Row) const
{
    return FFilterValues || (Row >= 0 && Row < RowCount());
}

Variant TDataSet::ValueAt(int Row, int Column) const
{
    if (Column < 0 || Column >= static_cast<int>(FFieldDefs.size()) || !HasRow(Row))
        return Variant::Null();
    if (FFilterValues)
        return (*FFilterValues)(Column);
    const int stored = StoredRow(Row);
    if (stored < 0 || (IsEditState(FState) && Row == FCurrent))
        return Column < static_cast<int>(FEditValues.size()) ? FEditValues[static_cast<std::size_t>(Column)]
                                                              : Variant::Null();
    return InternalValue(stored, Column);
}

std::vector<Variant> TDataSet::InternalRowValues(int Row) const
{
    std::vector<Variant> values;
    values.reserve(FFieldDefs.size());
    for (std::size_t column = 0; column < FFieldDefs.size(); ++column)
        values.push_back(InternalValue(Row, static_cast<int>(column)));
    return values;
}

Variant TDataSet::GetFieldValue(const TField& Field) const
{
    return GetFieldValueAt(Field, ActiveRow());
}

Variant TDataSet::GetFieldValueAt(const TField& Field, int Row) const
{
    switch (Field.FieldKind()) {
    case fkData:
        return ValueAt(Row, Field.FieldNo() - 1);
    case fkLookup: {
        TDataSet* lookup = Field.LookupDataSet();
        if (!lookup || !lookup->Active() || !HasRow(Row))
            return Variant::Null();
        const std::vector<std::string> keys = SplitFieldNames(Field.KeyFields());
        Variant keyValues;
        if (keys.size() == 1) {
            keyValues = GetFieldValueAt(*FieldByName(keys[0]), Row);
        } else {
            keyValues = Variant::CreateArray(0, static_cast<int>(keys.size()) - 1);
            for (std::size_t i = 0; i < keys.size(); ++i)
                keyValues[static_cast<int>(i)] = GetFieldValueAt(*FieldByName(keys[i]), Row);
        }
        if (keyValues.IsNull())
            return Variant::Null();
        return lookup->Lookup(Field.LookupKeyFields(), keyValues, Field.LookupResultField());
    }
    case fkAggregate:
        return GetAggregateValue(Field);
    default:
        return Variant::Null();
    }
}

Variant TDataSet::GetAggregateValue(const TField&) const
{
    return Variant::Null();
}

void TDataSet::SetFieldValue(TField& Field, const Variant& Value)
{
    if (!IsEditState(FState))
        DatabaseError("Dataset not in edit or insert mode", this);
    if (Field.FieldKind() == fkLookup) {
        TDataSet* lookup = Field.LookupDataSet();
        if (!lookup)
            Field.DatabaseError("Field '%s' has no lookup dataset");
        const Variant keys = Value.IsNull() ? Variant::Null()
                                            : lookup->Lookup(Field.LookupResultField(), Value, Field.LookupKeyFields());
        SetFieldValues(Field.KeyFields(), keys);
        return;
    }
    if (Field.FieldKind() != fkData || Field.ReadOnly())
        Field.DatabaseError("Field '%s' cannot be modified");
    const Variant stored = Field.Coerce(Value);
    Field.Validate(stored);
    const int index = Field.FieldNo() - 1;
    if (index < 0 || index >= static_cast<int>(FEditValues.size()))
        Field.DatabaseError("Field '%s' is not bound to the dataset's data");
    FEditValues[static_cast<std::size_t>(index)] = stored;
    FModified = true;
    DataEvent(deFieldChange, reinterpret_cast<intptr_t>(&Field));
    if (Field.OnChange())
        Field.OnChange()(&Field);
}

bool TDataSet::IsEmpty() const
{
    return RowCount() == 0;
}

int TDataSet::RecNo() const
{
    const int row = ActiveRow();
    if (!Active() || row < 0)
        return -1;
    if (FState == dsInsert && row == FInsertRow)
        return -1;
    return StoredRow(row) + 1;
}

int TDataSet::RecordCount() const
{
    return Active() ? InternalRowCount() : 0;
}

void TDataSet::SetRecNo(int Value)
{
    CheckActive();
    CheckBrowseMode();
    if (Value < 1 || Value > RecordCount())
        DatabaseError("Record number " + std::to_string(Value) + " is out of range", this);
    ScrollTo(Value - 1);
}

void TDataSet::DoBeforeScroll()
{
    Fire(FBeforeScroll, this);
}

void TDataSet::DoAfterScroll()
{
    Fire(FAfterScroll, this);
}

void TDataSet::DoAfterRefresh()
{
    Fire(FAfterRefresh, this);
}

void TDataSet::ScrollTo(int Row)
{
    DoBeforeScroll();
    FActiveRow = -1;
    FCurrent = Row;
    FBof = FEof = false;
    DataEvent(deDataSetScroll, 0);
    DoAfterScroll();
}

void TDataSet::First()
{
    CheckActive();
    CheckBrowseMode();
    DoBeforeScroll();
    FActiveRow = -1;
    FCurrent = RowCount() > 0 ? 0 : -1;
    FBof = true;
    FEof = FCurrent < 0;
    DataEvent(deDataSetScroll, 0);
    DoAfterScroll();
}

void TDataSet::Last()
{
    CheckActive();
    CheckBrowseMode();
    DoBeforeScroll();
    FActiveRow = -1;
    FCurrent = RowCount() - 1;
    FEof = true;
    FBof = FCurrent < 0;
    DataEvent(deDataSetScroll, 0);
    DoAfterScroll();
}

void TDataSet::Next()
{
    MoveBy(1);
}

void TDataSet::Prior()
{
    MoveBy(-1);
}

int TDataSet::MoveBy(int Distance)
{
    CheckActive();
    CheckBrowseMode();
    DoBeforeScroll();
    if ((Distance > 0 && FEof) || (Distance < 0 && FBof) || Distance == 0)
        return 0;
    FActiveRow = -1;
    const int count = RowCount();
    if (count == 0) {
        FBof = FEof = true;
        return 0;
    }
    const int target = std::clamp(FCurrent + Distance, 0, std::max(count - 1, 0));
    const int moved = target - FCurrent;
    FBof = Distance < 0 && moved != Distance;
    FEof = Distance > 0 && moved != Distance;
    FCurrent = target;
    DataEvent(deDataSetScroll, 0);
    DoAfterScroll();
    return moved;
}

std::string TDataSet::Bookmark() const
{
    const int row = ActiveRow();
    if (!Active() || row < 0 || row >= RowCount())
        return {};
    const int stored = StoredRow(row);
    return stored < 0 ? std::string() : InternalBookmark(stored);
}

void TDataSet::GotoBookmark(const std::string& Value)
{
    CheckActive();
    CheckBrowseMode();
    const int row = InternalFindBookmark(Value);
    if (row < 0)
        DatabaseError("Record not found", this);
    ScrollTo(row);
}

bool TDataSet::BookmarkValid(const std::string& Value) const
{
    return Active() && !Value.empty() && InternalFindBookmark(Value) >= 0;
}

int TDataSet::CompareBookmarks(const std::string& Bookmark1, const std::string& Bookmark2) const
{
    if (Bookmark1 == Bookmark2)
        return 0;
    if (Bookmark1.empty() || Bookmark2.empty())
        return Bookmark1.empty() ? -1 : 1;
    const int row1 = Active() ? InternalFindBookmark(Bookmark1) : -1;
    const int row2 = Active() ? InternalFindBookmark(Bookmark2) : -1;
    if (row1 >= 0 && row2 >= 0)
        return row1 < row2 ? -1 : (row1 > row2 ? 1 : 0);
    return Bookmark1 < Bookmark2 ? -1 : 1;
}

bool TDataSet::CanModify() const
{
    return Active() && InternalCanModify();
}

void TDataSet::SetState(TDataSetState Value)
{
    if (FState == Value)
        return;
    FState = Value;
    FActiveRow = -1;
    if (Value != dsOpening)
        DataEvent(deUpdateState, 0);
}

void TDataSet::Edit()
{
    CheckActive();
    if (IsEditState(FState))
        return;
    if (RowCount() == 0) {
        Append();
        return;
    }
    CheckBrowseMode();
    if (!CanModify())
        DatabaseError("Cannot modify a read-only dataset", this);
    Fire(FBeforeEdit, this);
    CheckParentState();
    FActiveRow = -1;
    FEditValues = InternalRowValues(StoredRow(FCurrent));
    FModified = false;
    SetState(dsEdit);
    DataEvent(deRecordChange, 0);
    Fire(FAfterEdit, this);
}

void TDataSet::Insert()
{
    CheckActive();
    CheckBrowseMode();
    if (!CanModify())
        DatabaseError("Cannot modify a read-only dataset", this);
    Fire(FBeforeInsert, this);
    CheckParentState();
    DoBeforeScroll();
    FInsertRow = std::max(FCurrent, 0);
    FCurrent = FInsertRow;
    FActiveRow = -1;
    FEditValues.assign(FFieldDefs.size(), Variant::Null());
    InternalInitRecord(FEditValues);
    FModified = false;
    SetState(dsInsert);
    FBof = FEof = false;
    DataEvent(deDataSetChange, 0);
    Fire(FOnNewRecord, this);
    Fire(FAfterInsert, this);
    DoAfterScroll();
}

void TDataSet::Append()
{
    CheckActive();
    CheckBrowseMode();
    if (!CanModify())
        DatabaseError("Cannot modify a read-only dataset", this);
    Fire(FBeforeInsert, this);
    CheckParentState();
    DoBeforeScroll();
    FInsertRow = InternalRowCount();
    FCurrent = FInsertRow;
    FActiveRow = -1;
    FEditValues.assign(FFieldDefs.size(), Variant::Null());
    InternalInitRecord(FEditValues);
    FModified = false;
    SetState(dsInsert);
    FBof = false;
    FEof = true;
    DataEvent(deDataSetChange, 0);
    Fire(FOnNewRecord, this);
    Fire(FAfterInsert, this);
    DoAfterScroll();
}

void TDataSet::InternalInitRecord(std::vector<Variant>& Values)
{
    for (TField* field : FFields) {
        const int index = field->FieldNo() - 1;
        if (field->FieldKind() != fkData || field->DefaultExpression().empty() || index < 0 ||
            index >= static_cast<int>(Values.size()))
            continue;
        std::string text = Trim(field->DefaultExpression());
        if (text.size() >= 2 && text.front() == '\'' && text.back() == '\'')
            text = AnsiDequotedStr(text, '\'');
        Values[static_cast<std::size_t>(index)] = field->Coerce(Variant(text));
    }
}

void TDataSet::UpdateRecord()
{
    if (!IsEditState(FState))
        DatabaseError("Dataset not in edit or insert mode", this);
    DataEvent(deUpdateRecord, 0);
}

void TDataSet::CheckRequired() const
{
    // A required text is refused empty as well as Null.
    for (const TField* field : FFields) {
        if (!field->Required() || field->FieldKind() != fkData || field->ReadOnly())
            continue;
        const int index = field->FieldNo() - 1;
        if (index < 0 || index >= static_cast<int>(FEditValues.size()))
            continue;
        const Variant& v = FEditValues[static_cast<std::size_t>(index)];
        if (v.IsNull() || v.IsEmpty() || (IsTextType(field->DataType()) && v.AsString().empty()))
            field->DatabaseError("Field '%s' must have a value");
    }
}

void TDataSet::Post()
{
    CheckActive();
    UpdateRecord();
    DataEvent(deCheckBrowseMode, 0);
    Fire(FBeforePost, this);
    CheckRequired();
    const bool inserting = FState == dsInsert;
    const int stored = inserting ? FInsertRow : StoredRow(FCurrent);
    const int row = InternalPost(FEditValues, inserting, stored);
    FInsertRow = -1;
    FEditValues.clear();
    FModified = false;
    FActiveRow = -1;
    FCurrent = row;
    SetState(dsBrowse);
    FBof = FEof = false;
    DataEvent(deDataSetChange, 0);
    Fire(FAfterPost, this);
}

int TDataSet::InternalPost(const std::vector<Variant>&, bool, int)
{
    DatabaseError("Cannot modify a read-only dataset", this);
}

int TDataSet::InternalDelete(int)
{
    DatabaseError("Cannot modify a read-only dataset", this);
}

void TDataSet::Cancel()
{
    if (!IsEditState(FState))
        return;
    DataEvent(deCheckBrowseMode, 0);
    Fire(FBeforeCancel, this);
    const bool inserting = FState == dsInsert;
    FEditValues.clear();
    FModified = false;
    FActiveRow = -1;
    if (inserting) {
        FCurrent = std::min(FInsertRow, InternalRowCount() - 1);
        FInsertRow = -1;
    }
    InternalCancel();
    SetState(dsBrowse);
    FBof = FEof = InternalRowCount() == 0;
    DataEvent(deDataSetChange, 0);
    Fire(FAfterCancel, this);
}

void TDataSet::Delete()
{
    CheckActive();
    if (FState == dsInsert) {
        Cancel();
        return;
    }
    if (InternalRowCount() == 0)
        DatabaseError("Cannot perform this operation on an empty dataset", this);
    if (!CanModify())
        DatabaseError("Cannot modify a read-only dataset", this);
    DataEvent(deCheckBrowseMode, 0);
    Fire(FBeforeDelete, this);
    CheckParentState();
    DoBeforeScroll();
    const int row = InternalDelete(StoredRow(FCurrent));
    FEditValues.clear();
    FModified = false;
    FActiveRow = -1;
    FState = dsBrowse;
    FCurrent = std::min(row, InternalRowCount() - 1);
    FBof = FEof = FCurrent < 0;
    DataEvent(deUpdateState, 0);
    DataEvent(deDataSetChange, 0);
    Fire(FAfterDelete, this);
    DoAfterScroll();
}

void TDataSet::CheckBrowseMode()
{
    CheckActive();
    DataEvent(deCheckBrowseMode, 0);
    if (!IsEditState(FState))
        return;
    UpdateRecord();
    if (FModified)
        Post();
    else
        Cancel();
}

TUpdateStatus TDataSet::UpdateStatus() const
{
    const int row = ActiveRow();
    if (!Active() || row < 0)
        return usUnmodified;
    const int stored = StoredRow(row);
    if (stored < 0)
        return usInserted;
    return InternalUpdateStatus(stored);
}

void TDataSet::SetCurrentRow(int Row)
{
    FActiveRow = -1;
    const int count = RowCount();
    FCurrent = count == 0 ? -1 : std::clamp(Row, 0, count - 1);
    if (count == 0)
        FBof = FEof = true;
}

void TDataSet::ResetCursor()
{
    FActiveRow = -1;
    FCurrent = RowCount() > 0 ? 0 : -1;
    FBof = true;
    FEof = FCurrent < 0;
}

std::vector<TDataSet*> TDataSet::NestedDataSets() const
{
    std::vector<TDataSet*> nested;
    // Asked at every move: the type is looked at before the cast.
    for (TField* field : FFields)
        if (field->DataType() == ftDataSet)
            if (auto* f = dynamic_cast<TDataSetField*>(field); f && f->NestedDataSet())
                nested.push_back(f->NestedDataSet());
    return nested;
}

void TDataSet::Resync()
{
    CheckActive();
    SetCurrentRow(FCurrent);
    DataEvent(deDataSetChange, 0);
}

bool TDataSet::RowMatches(int Row, const std::vector<TField*>& Fields, const Variant& Values,
                          TLocateOptions Options) const
{
    const bool several = Fields.size() > 1 || Values.IsArray();
    for (std::size_t i = 0; i < Fields.size(); ++i) {
        const Variant& wanted = several ? Values[Values.LowBound() + static_cast<int>(i)] : Values;
        const Variant actual = GetFieldValueAt(*Fields[i], Row);
        if (wanted.IsNull() || wanted.IsEmpty()) {
            if (!(actual.IsNull() || actual.IsEmpty()))
                return false;
            continue;
        }
        if (actual.IsNull() || actual.IsEmpty())
            return false;
        const bool textual = actual.VarType() == TVarType::varString || wanted.VarType() == TVarType::varString;
        const bool ignoreCase = Options.Contains(loCaseInsensitive);
        if (textual && (ignoreCase || Options.Contains(loPartialKey))) {
            const std::string a = actual.AsString();
            const std::string w = wanted.AsString();
            if (Options.Contains(loPartialKey)) {
                if (!StartsWithText(a, w, ignoreCase))
                    return false;
            } else if (AnsiCompareText(a, w) != 0) {
                return false;
            }
            continue;
        }
        if (!(actual == wanted))
            return false;
    }
    return true;
}

bool TDataSet::Locate(const std::string& KeyFields, const Variant& KeyValues, TLocateOptions Options)
{
    CheckActive();
    CheckBrowseMode();
    const std::vector<TField*> fields = GetFieldList(KeyFields);
    const int count = RowCount();
    for (int row = 0; row < count; ++row)
        if (RowMatches(row, fields, KeyValues, Options)) {
            ScrollTo(row);
            return true;
        }
    return false;
}

Variant TDataSet::Lookup(const std::string& KeyFields, const Variant& KeyValues,
                         const std::string& ResultFields) const
{
    if (!Active())
        return Variant::Null();
    const std::vector<TField*> fields = GetFieldList(KeyFields);
    const std::vector<TField*> results = GetFieldList(ResultFields);
    const int count = RowCount();
    for (int row = 0; row < count; ++row) {
        if (!RowMatches(row, fields, KeyValues, {}))
            continue;
        if (results.size() == 1)
            return GetFieldValueAt(*results[0], row);
        Variant values = Variant::CreateArray(0, static_cast<int>(results.size()) - 1);
        for (std::size_t i = 0; i < results.size(); ++i)
            values[static_cast<int>(i)] = GetFieldValueAt(*results[i], row);
        return values;
    }
    return Variant::Null();
}

void TDataSet::SetFilter(const std::string& Value)
{
    if (Value == FFilter)
        return;
    std::unique_ptr<TDatasetFilter> parsed;
    if (!Trim(Value).empty())
        parsed = std::make_unique<TDatasetFilter>(Value);
    FFilter = Value;
    FFilterExpression = std::move(parsed);
    if (Active() && FFiltered) {
        CheckBrowseMode();
        FilterChanged();
        First();
    }
}

void TDataSet::SetFiltered(bool Value)
{
    if (Value == FFiltered)
        return;
    FFiltered = Value;
    if (Active()) {
        CheckBrowseMode();
        FilterChanged();
        First();
    }
}

void TDataSet::SetOnFilterRecord(TFilterRecordEvent Value)
{
    FOnFilterRecord = std::move(Value);
    if (Active() && FFiltered) {
        CheckBrowseMode();
        FilterChanged();
        First();
    }
}

bool TDataSet::AcceptRow(const std::function<Variant(int Column)>& Values)
{
    if (!FFiltered)
        return true;
    FFilterValues = &Values;
    bool accept = true;
    try {
        if (FFilterExpression)
            accept = FFilterExpression->Accepts(*this);
        if (accept && FOnFilterRecord)
            FOnFilterRecord(this, accept);
    } catch (...) {
        FFilterValues = nullptr;
        throw;
    }
    FFilterValues = nullptr;
    return accept;
}

void TDataSet::DisableControls()
{
    if (FDisableCount++ == 0)
        FDisableState = FState;
}

void TDataSet::EnableControls()
{
    if (FDisableCount == 0 || --FDisableCount > 0)
        return;
    if (FDisableState != FState)
        NotifyLinks(deUpdateState, 0);
    if (FDisableState != dsInactive && FState != dsInactive)
        NotifyLinks(deDataSetChange, 0);
}

void TDataSet::DataEvent(TDataEvent Event, intptr_t Info)
{
    if (Event == deDataSetChange || Event == deDataSetScroll || Event == deUpdateState)
        for (TDataSet* nested : NestedDataSets())
            nested->MasterChanged();
    if (FDisableCount == 0)
        NotifyLinks(Event, Info);
}

void TDataSet::NotifyLinks(TDataEvent Event, intptr_t Info)
{
    for (TDataSource* source : std::vector<TDataSource*>(FDataSources))
        source->DataEvent(Event, Info);
}

void TDataSet::AddDataSource(TDataSource* Source)
{
    if (std::find(FDataSources.begin(), FDataSources.end(), Source) == FDataSources.end())
        FDataSources.push_back(Source);
}

void TDataSet::RemoveDataSource(TDataSource* Source)
{
    FDataSources.erase(std::remove(FDataSources.begin(), FDataSources.end(), Source), FDataSources.end());
}

void TDataSet::SetActiveRow(int Row)
{
    FActiveRow = (Row == FCurrent) ? -1 : Row;
}

std::vector<TDataSet*> TDataSet::DetailDataSets() const
{
    std::vector<TDataSet*> details;
    for (const TDataSource* source : FDataSources)
        for (const TDataLink* link : source->DataLinks())
            if (TDataSet* detail = link->DetailDataSet())
                details.push_back(detail);
    return details;
}

void TDataSet::PSStartTransaction()
{
    DatabaseError("The dataset cannot apply changes", this);
}

void TDataSet::PSEndTransaction(bool) {}

int64_t TDataSet::PSExecuteStatement(const std::string&, const std::vector<Variant>&)
{
    DatabaseError("The dataset cannot apply changes", this);
}
