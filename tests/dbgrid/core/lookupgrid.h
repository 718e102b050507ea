#pragma once
// A shown data grid over programme rows (FID, FSCHEME and the scheme's name
// looked up in a schemes table) beside the schemes table itself, for the
// filter lists and the commit rules of lookup columns.
#include <memory>
#include <string>
#include <vector>

#include "dbgrid/core/columnlt.h"
#include "dbgrid/core/dbgridlt.h"
#include "platform/data/clientdataset.h"
#include "platform/data/datasource.h"
#include "platform/data/fields.h"
#include "tests/dbcontrols/tablefields.h"
#include "tests/platform/ui/controltesting.h"

struct TLookupGrid {
    std::unique_ptr<TForm> Form;
    TClientDataSet* Schemes = nullptr;
    TDataSource* SchemesSource = nullptr;
    TClientDataSet* Programme = nullptr;
    TDataSource* Source = nullptr;
    TIntegerField* Id = nullptr;
    TIntegerField* Scheme = nullptr;
    TStringField* SchemeName = nullptr;
    TDBGridLt* Grid = nullptr;

    TLookupGrid()
    {
        TestApplication();
        Form = std::make_unique<TForm>(nullptr);
        Schemes = new TClientDataSet(Form.get());
        AddTableField<TIntegerField>(Schemes, "FID");
        AddTableField<TStringField>(Schemes, "FNAME", 20);
        Schemes->SetIndexFieldNames("FID");
        Schemes->CreateDataSet();
        for (const auto& [id, name] : std::vector<std::pair<int, std::string>>{{1, "Первая"}, {2, "Вторая"}, {3, "Третья"}})
            AddScheme(id, name);
        SchemesSource = new TDataSource(Form.get());
        SchemesSource->SetDataSet(Schemes);

        Programme = new TClientDataSet(Form.get());
        Id = AddTableField<TIntegerField>(Programme, "FID");
        Scheme = AddTableField<TIntegerField>(Programme, "FSCHEME");
        SchemeName = AddLookupField(Programme, "FSCHEMENAME", 20, "FSCHEME", Schemes, "FID", "FNAME");
        Programme->SetIndexFieldNames("FID");
        Programme->CreateDataSet();
        AddRow(1, Variant(1));
        AddRow(2, Variant(2));
        AddRow(3, Variant::Null());
        AddRow(4, Variant(2));
        Programme->First();
        Source = new TDataSource(Form.get());
        Source->SetDataSet(Programme);

        Grid = new TDBGridLt(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetBorderStyle(bsNone);
        Grid->SetBounds(0, 0, 400, 240);
        Grid->SetDataSource(Source);
        ShowForm(*Form, 420, 260);
    }

    void AddScheme(int SchemeId, const std::string& Name)
    {
        Schemes->Append();
        Schemes->FieldByName("FID")->SetAsInteger(SchemeId);
        Schemes->FieldByName("FNAME")->SetAsString(Name);
        Schemes->Post();
    }

    void AddRow(int RowId, const Variant& SchemeId)
    {
        Programme->Append();
        Id->SetAsInteger(RowId);
        Scheme->SetValue(SchemeId);
        Programme->Post();
    }

    TColumnLt* Column(const std::string& FieldName) const
    {
        for (int i = 0; i < Grid->Columns()->Count(); ++i)
            if (Grid->Columns()->Items(i)->FieldName() == FieldName)
                return Grid->Columns()->Items(i);
        return nullptr;
    }

    std::vector<int> Ids() const
    {
        std::vector<int> ids;
        for (Programme->First(); !Programme->Eof(); Programme->Next())
            ids.push_back(Id->AsInteger());
        Programme->First();
        return ids;
    }
};
