#include "dbcontrols/fieldvaluelistlt.h"

TDatasetFieldValueListLt::TDatasetFieldValueListLt()
    : FValues(std::make_unique<TStringList>()), FDataSource(std::make_unique<TDataSource>(nullptr))
{
    FValues->SetSorted(true);
    FValues->SetDuplicates(TDuplicates::dupIgnore);
    FValues->SetCaseSensitive(false);
    FDataLink.SetOnDataEvent([this](TDataEvent Event, intptr_t) {
        if (Event == deDataSetChange || Event == dePropertyChange || Event == deFieldListChange)
            FObsolete = true;
    });
    FDataLink.SetDataSource(FDataSource.get());
}

TDatasetFieldValueListLt::~TDatasetFieldValueListLt()
{
    FDataLink.SetDataSource(nullptr);
}

void TDatasetFieldValueListLt::BindField(const std::string& FieldName)
{
    if (FieldName == FFieldName)
        return;
    FFieldName = FieldName;
    FObsolete = true;
}

void TDatasetFieldValueListLt::BindDataSet(TDataSet* DataSet)
{
    if (DataSet == FDataSource->DataSet())
        return;
    FDataSource->SetDataSet(DataSet);
    FObsolete = true;
}

TStrings* TDatasetFieldValueListLt::ValueStrings()
{
    if (FObsolete)
        Refresh();
    return FValues.get();
}

void TDatasetFieldValueListLt::Refresh()
{
    FValues->BeginUpdate();
    FValues->Clear();
    TDataSet* dataSet = FDataSource->DataSet();
    TField* field = dataSet && dataSet->Active() ? dataSet->FindField(FFieldName) : nullptr;
    if (field) {
        dataSet->DisableControls();
        try {
            for (dataSet->First(); !dataSet->Eof(); dataSet->Next())
                FValues->Add(field->AsString());
        } catch (...) {
            dataSet->EnableControls();
            FValues->EndUpdate();
            throw;
        }
        dataSet->EnableControls();
        FObsolete = false;
    }
    FValues->EndUpdate();
}
