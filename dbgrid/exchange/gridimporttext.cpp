#include "dbgrid/exchange/gridimporttext.h"

#include <algorithm>

#include "dbgrid/core/columnlt.h"
#include "platform/data/dataset.h"
#include "platform/data/field.h"
#include "platform/rtl/exceptions.h"

void TDBGridLtImportAsText::GetPrefix()
{
    FData = ReadRest();
    FData.resize(std::min(FData.find('\0'), FData.size()));
    FPos = 0;
    if (FData.empty())
        SetEos();
}

bool TDBGridLtImportAsText::GetRecord(const TColumnsLtList& Columns)
{
    for (int cell = 0;; ++cell) {
        const std::size_t end = std::min(FData.find_first_of("\t\r\n", FPos), FData.size());
        if (cell < Columns.Count())
            GetDataCell(*Columns.Items(cell), FData.substr(FPos, end - FPos));
        FPos = end;
        if (FPos == FData.size())
            break;
        const char separator = FData[FPos++];
        if (separator == '\t')
            continue;
        if (separator == '\r') {
            if (FPos == FData.size() || FData[FPos] != '\n')
                throw Exception("TDBGridLtImportAsText.CheckState: Неверный формат текста");
            ++FPos;
        }
        break;
    }
    if (FPos == FData.size())
        SetEos();
    // A record ends at its line break or at the end of the data.
    return true;
}

void TDBGridLtImportAsText::GetDataCell(TColumnLt& Column, const std::string& Text)
{
    WriteColumnValue(Column, [&](TField& Field) {
        const TField* shown = Column.BoundField();
        if (shown->Lookup()) {
            TDataSet* lookup = shown->LookupDataSet();
            if (lookup && lookup->Locate(shown->LookupResultField(), Text, {loCaseInsensitive, loPartialKey}))
                Field.SetValue(lookup->FieldValues(shown->LookupKeyFields()));
        } else if (Column.ColumnKind() == ckKeyPickListLt) {
            const int index = Column.PickList()->IndexOf(Text);
            if (index >= 0 && index < Column.KeyList()->Count())
                Field.SetAsString(Column.KeyList()->Strings(index));
            else
                Field.Clear();
        } else {
            Field.SetAsString(Text);
        }
    });
}
