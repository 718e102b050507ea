#pragma once
// Fields of the client tables the edit controls' tests bind to.
#include <string>

#include "platform/data/dataset.h"

// A new field Name of Table (Size wide when given), owned with the table.
template <class TFieldKind>
TFieldKind* AddTableField(TDataSet* Table, const std::string& Name, int Size = 0)
{
    auto* field = new TFieldKind(Table->Owner());
    field->SetFieldName(Name);
    if (Size > 0)
        field->SetSize(Size);
    field->SetDataSet(Table);
    return field;
}
