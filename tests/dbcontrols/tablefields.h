#pragma once
// Fields of the client tables the edit controls' tests bind to.
#include <string>

#include "platform/data/dataset.h"
#include "platform/data/fields.h"

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

// A lookup text field Name of Table: KeyField of Table looked up in
// LookupKey of Lookup, showing Lookup's Result.
inline TStringField* AddLookupField(TDataSet* Table, const std::string& Name, int Size, const std::string& KeyField,
                                    TDataSet* Lookup, const std::string& LookupKey, const std::string& Result)
{
    auto* field = AddTableField<TStringField>(Table, Name, Size);
    field->SetFieldKind(fkLookup);
    field->SetKeyFields(KeyField);
    field->SetLookupDataSet(Lookup);
    field->SetLookupKeyFields(LookupKey);
    field->SetLookupResultField(Result);
    return field;
}
