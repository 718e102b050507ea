// What a column answers about its current cell: kind, text, image, check
// state, whether it may be edited, the next value, and storing a value.
#include <algorithm>
#include <string_view>

#include "dbcontrols/extravaluerow.h"
#include "dbcontrols/variantsmatch.h"
#include "dbgrid/core/columnlt.h"
#include "dbgrid/core/dbgridlt.h"
#include "dbgrid/core/fieldkinds.h"
#include "dbgrid/engine/inplaceedit.h"
#include "platform/data/fields.h"
#include "platform/rtl/dateformat.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/floatformat.h"

namespace {
// Whether Text is one of the ';'-separated values of Entry.
bool EntryHolds(const std::string& Entry, const std::string& Text)
{
    std::string_view rest = Entry;
    for (;;) {
        const std::size_t semi = rest.find(';');
        if (rest.substr(0, semi) == Text)
            return true;
        if (semi == std::string_view::npos)
            return false;
        rest.remove_prefix(semi + 1);
    }
}

std::string FirstValueOf(const std::string& Entry)
{
    return Entry.substr(0, Entry.find(';'));
}
} // namespace

TColumnKindLt TColumnLt::ColumnKind() const
{
    if (Checkboxes())
        return ckCheckBoxesLt;
    const TField* field = BoundField();
    if (field && field->Lookup())
        return ckLookupLt;
    if (HasPickList() && !HasKeyList())
        return ckPickListLt;
    if (ImageList() && !FShowImageAndText)
        return ckKeyImagesLt;
    if (HasKeyList() && HasPickList())
        return ckKeyPickListLt;
    return ckPlainLt;
}

std::string TColumnLt::FormattedText(const TField& Field) const
{
    if (FDisplayFormat.empty())
        return Field.DisplayText();
    if (Field.IsNull())
        return {};
    const TFieldType type = Field.DataType();
    if (IsNumericType(type))
        return FormatFloat(FDisplayFormat, Field.AsFloat());
    if (IsDateTimeType(type))
        return FormatDateTime(FDisplayFormat, Field.AsDateTime());
    if (dynamic_cast<const TAggregateField*>(&Field)) {
        const Variant value = Field.Value();
        if (value.VarType() == TVarType::varDate)
            return FormatDateTime(FDisplayFormat, Field.AsDateTime());
        if (value.IsNumeric())
            return FormatFloat(FDisplayFormat, Field.AsFloat());
    }
    return {};
}

std::string TColumnLt::CellText() const
{
    const TField* field = BoundField();
    if (!field || ColumnKind() == ckKeyImagesLt)
        return {};
    if (HasKeyList()) {
        const int i = FKeyList->IndexOf(field->Text());
        const int pickCount = FPickList ? FPickList->Count() : 0;
        if (i >= 0 && i < pickCount)
            return FPickList->Strings(i);
        if (FNotInKeyListIndex >= 0 && FNotInKeyListIndex < pickCount)
            return FPickList->Strings(FNotInKeyListIndex);
        return {};
    }
    const TCustomDBGridLt* grid = OwnerGrid();
    if (grid && grid->DrawMemoText() && field->DataType() == ftMemo)
        return field->AsString();
    if (ShowsSpecRowText(*field))
        return FDropDownSpecRow->CellTextAt(0);
    return FormattedText(*field);
}

// A lookup cell stands for the special row when its key is the row's Value,
// or, with ShowIfNotInKeyList, when the list holds no row of its key.
bool TColumnLt::ShowsSpecRowText(const TField& Field) const
{
    if (!FDropDownSpecRow->Visible() || ColumnKind() != ckLookupLt || !Field.DataSet())
        return false;
    const Variant key = Field.DataSet()->FieldValues(Field.KeyFields());
    if (VariantsMatch(key, FDropDownSpecRow->Value()))
        return true;
    const TDataSet* lookup = LookupSourceDataSet();
    return FDropDownSpecRow->ShowIfNotInKeyList() && lookup && lookup->Active() &&
           lookup->Lookup(Field.LookupKeyFields(), key, Field.LookupKeyFields()).IsNull();
}

int TColumnLt::CellImageIndex() const
{
    const TField* field = BoundField();
    if (!field)
        return -1;
    int index = -1;
    if (HasKeyList()) {
        index = FKeyList->IndexOf(field->Text());
    } else if (HasPickList()) {
        index = FPickList->IndexOf(field->Text());
    } else if (IsNumericType(field->DataType()) && !field->IsNull()) {
        try {
            index = field->AsInteger();
        } catch (const Exception&) {
            index = -1;
        }
    }
    return index == -1 ? FNotInKeyListIndex : index;
}

TCheckBoxState TColumnLt::CheckState() const
{
    const TField* field = BoundField();
    if (!field)
        return cbUnchecked;
    if (field->IsNull())
        return cbGrayed;
    if (field->DataType() == ftBoolean)
        return field->AsBoolean() ? cbChecked : cbUnchecked;
    const std::string text = field->Text();
    const int count = FKeyList ? FKeyList->Count() : 0;
    if (count > 0 && EntryHolds(FKeyList->Strings(0), text))
        return cbChecked;
    if (count > 1 && EntryHolds(FKeyList->Strings(1), text))
        return cbUnchecked;
    return cbGrayed;
}

void TColumnLt::SetCheckState(TCheckBoxState Value)
{
    TField* field = BoundField();
    if (!field)
        return;
    if (Value == cbGrayed) {
        field->Clear();
    } else if (field->DataType() == ftBoolean) {
        field->SetAsBoolean(Value == cbChecked);
    } else {
        const int entry = Value == cbChecked ? 0 : 1;
        const int count = FKeyList ? FKeyList->Count() : 0;
        field->SetText(entry < count ? FirstValueOf(FKeyList->Strings(entry)) : std::string());
    }
}

bool TColumnLt::CanEditValue(bool TryEdit)
{
    TCustomDBGridLt* grid = OwnerGrid();
    if (grid && (grid->ReadOnly() || !grid->DataLinkActive() || grid->DataLink()->ReadOnly()))
        return false;
    if (ReadOnly())
        return false;
    TField* field = BoundField();
    if (!field)
        return false;
    TField* checked = field;
    if (field->Lookup()) {
        if (field->KeyFields().empty() || !field->DataSet())
            return false;
        const auto keys = field->DataSet()->GetFieldList(field->KeyFields());
        if (keys.empty() || !std::all_of(keys.begin(), keys.end(), [](TField* f) { return f->CanModify(); }))
            return false;
        checked = keys.front();
    }
    if (!checked->CanModify())
        return false;
    const bool memoText = checked->DataType() == ftMemo && grid && grid->DrawMemoText();
    if (checked->IsBlob() && !checked->OnSetText() && !memoText)
        return false;
    if (grid && !grid->Options().Contains(dgEditing))
        return false;
    if (!TryEdit || !grid)
        return true;
    const bool editing = grid->DataLink()->Edit();
    if (editing)
        grid->DataLink()->CellModified();
    return editing;
}

bool TColumnLt::RequiredValueMissing() const
{
    const TField* field = BoundField();
    const TDataSet* dataSet = field ? field->DataSet() : nullptr;
    bool missing = dataSet && (dataSet->State() == dsEdit || dataSet->State() == dsInsert) && field->Required() &&
                   field->IsNull();
    if (FOnCheckDrawRequiredState)
        FOnCheckDrawRequiredState(const_cast<TColumnLt*>(this), missing);
    return missing;
}

std::string TColumnLt::StepStartText() const
{
    const TCustomDBGridLt* grid = OwnerGrid();
    const TInplaceEdit* editor = grid ? grid->InplaceEditor() : nullptr;
    if (editor && editor->Visible() && grid->SelectedColumn() == this)
        return editor->Text();
    return BoundField()->Text();
}

void TColumnLt::StepList(const TStrings& List, const std::string& Current, bool Forward, bool UseText)
{
    const int count = List.Count();
    if (count == 0)
        return;
    const int i = List.IndexOf(Current);
    int next = 0;
    if (Forward)
        next = i < 0 || i == count - 1 ? 0 : i + 1;
    else
        next = i <= 0 ? count - 1 : i - 1;
    const std::string value = List.Strings(next);
    StoreValue(value, Variant(value), UseText);
}

void TColumnLt::StepLookup(TField& Field, bool Forward)
{
    TDataSet* lookup = Field.LookupDataSet();
    if (!lookup || !lookup->Active())
        return;
    const Variant key = Field.DataSet()->FieldValues(Field.KeyFields());
    bool found = false;
    if (!key.IsNull() && !key.IsEmpty())
        found = lookup->Locate(Field.LookupKeyFields(), key, {});
    if (!found)
        lookup->First();
    else if (Forward) {
        lookup->Next();
        if (lookup->Eof())
            lookup->First();
    } else {
        lookup->Prior();
        if (lookup->Bof())
            lookup->Last();
    }
    StoreValue(std::string(), lookup->FieldValues(Field.LookupKeyFields()), false);
    TCustomDBGridLt* grid = OwnerGrid();
    if (grid && grid->InplaceEditor())
        grid->InplaceEditor()->SetText(lookup->FieldByName(Field.LookupResultField())->Text());
}

void TColumnLt::StepValue(double Step)
{
    // Read before editing begins, which reloads the editor from the field.
    const std::string current = BoundField() ? StepStartText() : std::string();
    if (!CanEditValue(true))
        return;
    TField* field = BoundField();
    const bool forward = Step == 1.0;
    switch (ColumnKind()) {
    case ckCheckBoxesLt:
        SetCheckState(CheckState() == cbChecked ? cbUnchecked : cbChecked);
        return;
    case ckKeyPickListLt:
    case ckKeyImagesLt:
        StepList(*KeyList(), field->Text(), forward, false);
        return;
    case ckPickListLt:
        StepList(*PickList(), current, forward, true);
        return;
    case ckLookupLt:
        StepLookup(*field, forward);
        return;
    default:
        break;
    }
    if (!IsNumericType(field->DataType()))
        return;
    // From the number the editor shows (an empty one counting as 0); a text
    // that is no number steps the field's value.
    double old = 0.0;
    if (!current.empty() && !TryStrToFloat(current, old))
        old = field->IsNull() ? 0.0 : field->AsFloat();
    try {
        StoreValue(std::string(), Variant(old + Step), false);
    } catch (const EDatabaseError&) {
        // A value out of the field's range leaves the cell as it was.
    }
}

void TColumnLt::StoreValue(std::string Text, Variant Value, bool UseText)
{
    if (!OwnerGrid())
        return;
    bool handled = false;
    if (FOnUpdateData)
        FOnUpdateData(this, Text, Value, UseText, handled);
    if (handled)
        return;
    TField* field = BoundField();
    if (!field)
        return;
    const TCustomDBGridLt* grid = OwnerGrid();
    if (UseText) {
        if (field->DataType() == ftMemo && grid->DrawMemoText())
            field->SetAsString(Text);
        else
            field->SetText(Text);
    } else if (field->Lookup() && !field->KeyFields().empty()) {
        field->DataSet()->SetFieldValues(field->KeyFields(), Value);
    } else {
        field->SetValue(Value);
    }
    TInplaceEdit* editor = grid->InplaceEditor();
    if (FMRUList->Active() && FMRUList->AutoAdd() && editor && editor->Visible() && editor->Showing())
        FMRUList->AddRecent(Text);
}
