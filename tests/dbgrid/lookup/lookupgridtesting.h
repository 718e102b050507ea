#pragma once
// A shown form with a client table of schemes (FSCHEME, FNAME), a client
// table of programme rows (FID, FSCHEME and the lookup field FSCHEMENAME on
// the schemes) and a lookup grid of class T over the schemes.
#include <memory>
#include <string>
#include <vector>

#include "dbcontrols/extravaluerow.h"
#include "dbgrid/lookup/dblookupgridlt.h"
#include "platform/data/clientdataset.h"
#include "platform/data/datasource.h"
#include "platform/data/fields.h"
#include "tests/dbcontrols/tablefields.h"
#include "tests/platform/ui/controltesting.h"

template <class T>
struct TLookupGridFixture {
    std::unique_ptr<TForm> Form;
    TClientDataSet* Schemes = nullptr;
    TIntegerField* SchemeId = nullptr;
    TStringField* SchemeName = nullptr;
    TDataSource* SchemesSource = nullptr;
    TClientDataSet* Programm = nullptr;
    TIntegerField* ProgrammScheme = nullptr;
    TStringField* ProgrammSchemeName = nullptr;
    TDataSource* ProgrammSource = nullptr;
    T* Grid = nullptr;

    explicit TLookupGridFixture(const std::vector<std::string>& Names)
    {
        TestApplication();
        Form = std::make_unique<TForm>(nullptr);
        Schemes = new TClientDataSet(Form.get());
        SchemeId = AddTableField<TIntegerField>(Schemes, "FSCHEME");
        SchemeName = AddTableField<TStringField>(Schemes, "FNAME", 50);
        Schemes->CreateDataSet();
        for (std::size_t i = 0; i < Names.size(); ++i) {
            Schemes->Append();
            SchemeId->SetAsInteger(static_cast<int>(i) + 1);
            SchemeName->SetAsString(Names[i]);
            Schemes->Post();
        }
        Schemes->First();
        SchemesSource = new TDataSource(Form.get());
        SchemesSource->SetDataSet(Schemes);

        Programm = new TClientDataSet(Form.get());
        AddTableField<TIntegerField>(Programm, "FID");
        ProgrammScheme = AddTableField<TIntegerField>(Programm, "FSCHEME");
        ProgrammSchemeName = AddLookupField(Programm, "FSCHEMENAME", 50, "FSCHEME", Schemes, "FSCHEME", "FNAME");
        Programm->CreateDataSet();
        Programm->Append();
        Programm->FieldByName("FID")->SetAsInteger(1);
        ProgrammScheme->SetAsInteger(2);
        Programm->Post();
        ProgrammSource = new TDataSource(Form.get());
        ProgrammSource->SetDataSet(Programm);

        Grid = new T(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetBounds(10, 10, 200, 150);
        ShowForm(*Form, 240, 200);
    }

    // The grid lists the schemes by name and selects by scheme id.
    void BindList()
    {
        Grid->SetListSource(SchemesSource);
        Grid->SetKeyField("FSCHEME");
        Grid->SetListField("FNAME");
    }

    // The grid follows the programme row's lookup field.
    void BindLookupField()
    {
        Grid->SetDataSource(ProgrammSource);
        Grid->SetDataField("FSCHEMENAME");
    }

    void ShowSpecRow(const std::string& Text)
    {
        Grid->SpecRow()->SetCellsText(Text);
        Grid->SpecRow()->SetVisible(true);
    }

    void Key(unsigned VirtualKey) { Grid->Perform(WM_KEYDOWN, VirtualKey); }
    void Type(char32_t Ch) { Grid->Perform(WM_CHAR, Ch); }
};
