#include "dbcontrols/fieldlists.h"

#include <algorithm>

#include "dbcontrols/variantsmatch.h"
#include "platform/data/dataset.h"
#include "platform/data/field.h"
#include "platform/rtl/format.h"

void CollectFieldsByNames(std::vector<TField*>* List, const TDataSet* DataSet, const TComponent* Component,
                          const std::string& FieldNames)
{
    std::vector<TField*> found;
    std::size_t start = 0;
    while (start <= FieldNames.size()) {
        const std::size_t end = std::min(FieldNames.find(';', start), FieldNames.size());
        const std::string name = FieldNames.substr(start, end - start);
        if (!name.empty()) {
            TField* field = DataSet->FindField(name);
            if (!field)
                DatabaseError(Format("Field '%s' not found", name), Component);
            found.push_back(field);
        }
        start = end + 1;
    }
    if (List)
        List->insert(List->end(), found.begin(), found.end());
}

void GetFieldsArray(const TDataSet* DataSet, const TComponent* Component, const std::string& FieldNames,
                    TFieldsArrLt& Fields)
{
    TFieldsArrLt collected;
    CollectFieldsByNames(&collected, DataSet, Component, FieldNames);
    Fields = std::move(collected);
}

void AssignFieldValues(TDataSet* DataSet, const std::string& FieldNames, const Variant& Value)
{
    if (VariantsMatch(Value, Variant::Null())) {
        TFieldsArrLt fields;
        GetFieldsArray(DataSet, DataSet, FieldNames, fields);
        for (TField* field : fields)
            field->Clear();
    } else {
        DataSet->SetFieldValues(FieldNames, Value);
    }
}
