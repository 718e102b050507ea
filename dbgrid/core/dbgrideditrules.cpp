// What the data grid hands its cell editor (text, mask, length limit, keys)
// and how an edited text goes back into the field: through the column's key
// list, pick list or lookup list, with OnNotInList for texts they lack.
#include "dbcontrols/extravaluerow.h"
#include "dbgrid/core/colcellparamslt.h"
#include "dbgrid/core/columnlt.h"
#include "dbgrid/core/dbgridlt.h"
#include "dbgrid/engine/inplaceedit.h"
#include "platform/data/field.h"

namespace {
// Every line break (CR LF, LF or CR alone) as CR LF.
std::string CrLfLineBreaks(const std::string& Text)
{
    std::string text;
    for (std::size_t i = 0; i < Text.size(); ++i) {
        if (Text[i] == '\r' || Text[i] == '\n') {
            if (Text[i] == '\r' && i + 1 < Text.size() && Text[i + 1] == '\n')
                ++i;
            text += "\r\n";
        } else {
            text += Text[i];
        }
    }
    return text;
}

// The key list entry of the text's pick list entry; Null when absent.
Variant KeyOfPick(const TColumnLt& Column, const std::string& Text)
{
    const int i = Column.PickList()->IndexOf(Text);
    if (i < 0 || i >= Column.KeyList()->Count())
        return Variant::Null();
    return Variant(Column.KeyList()->Strings(i));
}

// The key of the lookup row whose result field holds the text (letter case
// not counting); Null when none does.
Variant LookupKeyOf(const TField& Field, const std::string& Text)
{
    TDataSet* lookup = Field.LookupDataSet();
    if (!lookup || !lookup->Active() || !lookup->Locate(Field.LookupResultField(), Variant(Text), {loCaseInsensitive}))
        return Variant::Null();
    return lookup->FieldValues(Field.LookupKeyFields());
}

// Asks OnNotInList about the text; true when it wants the lists searched again.
bool RecheckAfterNotInList(TColumnLt& Column, const std::string& Text)
{
    bool recheck = false;
    if (Column.OnNotInList())
        Column.OnNotInList()(&Column, Text, recheck);
    return recheck;
}
} // namespace

std::string TCustomDBGridLt::ColumnEditText(const TColumnLt& Column) const
{
    const TField* field = Column.BoundField();
    if (!field || !FDataLink->Active())
        return {};
    if (Column.HasKeyList()) {
        const int k = Column.KeyList()->IndexOf(field->Text());
        return k >= 0 && k < Column.PickList()->Count() ? Column.PickList()->Strings(k) : std::string();
    }
    if (field->DataType() == ftMemo && FDrawMemoText)
        return CrLfLineBreaks(field->AsString());
    if (Column.ShowsSpecRowText(*field))
        return Column.DropDownSpecRow()->CellTextAt(0);
    return field->Text();
}

std::string TCustomDBGridLt::GetEditText(int ACol, int ARow)
{
    (void)ARow;
    const int i = RawToDataColumn(ACol);
    if (i < 0 || i >= FColumns->Count() || !FDataLink->Active())
        return {};
    TColumnLt* column = FColumns->Items(i);
    std::string text = ColumnEditText(*column);
    if (column->OnGetCellParams()) {
        TColCellParamsLt params;
        params.Font->Assign(column->Font());
        params.Background = column->Color();
        params.Alignment = column->Alignment();
        params.Text = text;
        column->OnGetCellParams()(column, true, &params);
        text = params.Text;
    }
    return text;
}

std::string TCustomDBGridLt::GetEditMask(int ACol, int ARow)
{
    (void)ARow;
    const int i = RawToDataColumn(ACol);
    if (i < 0 || i >= FColumns->Count())
        return {};
    const TColumnLt* column = FColumns->Items(i);
    if (!column->EditMask().empty())
        return column->EditMask();
    const TField* field = column->BoundField();
    return field && !column->HasKeyList() ? field->EditMask() : std::string();
}

int TCustomDBGridLt::GetEditLimit()
{
    // A key list's cell edits the shown pick text, not the stored key.
    const TColumnLt* column = SelectedColumn();
    if (column && column->HasKeyList())
        return 0;
    const TField* field = SelectedField();
    return field && field->DataType() == ftString ? field->Size() : 0;
}

bool TCustomDBGridLt::CanEditAcceptKey(char32_t Key)
{
    const TColumnLt* column = SelectedColumn();
    if (!column)
        return false;
    const TField* field = column->BoundField();
    return column->HasKeyList() || (field && field->IsValidChar(Key));
}

void TCustomDBGridLt::UpdateData()
{
    TColumnLt* column = SelectedColumn();
    if (!column || !InplaceEditor())
        return;
    // A lookup cell's editor knows the key of the row chosen from its list.
    const Variant key = column->ColumnKind() == ckLookupLt ? FEditKeyValue : Variant::Null();
    CommitEditText(column, InplaceEditor()->Text(), key);
}

void TCustomDBGridLt::CommitEditText(TColumnLt* Column, const std::string& Text, const Variant& KeyValue)
{
    TField* field = Column->BoundField();
    if (field && field->Lookup()) {
        Variant key = KeyValue;
        if (key.IsNull() && !Text.empty()) {
            key = LookupKeyOf(*field, Text);
            if (key.IsNull() && RecheckAfterNotInList(*Column, Text))
                key = LookupKeyOf(*field, Text);
        }
        if (Column->CanEditValue(true))
            Column->StoreValue(Text, key, false);
        return;
    }
    if (field && Column->HasKeyList()) {
        Variant key = Text.empty() ? Variant::Null() : KeyOfPick(*Column, Text);
        if (key.IsNull() && !Text.empty() && RecheckAfterNotInList(*Column, Text))
            key = KeyOfPick(*Column, Text);
        Column->StoreValue(Text, key, false);
        return;
    }
    if (field && Column->HasPickList() && Column->OnNotInList() && Column->PickList()->IndexOf(Text) < 0)
        RecheckAfterNotInList(*Column, Text);
    Column->StoreValue(Text, Variant(Text), true);
}
