#pragma once
// A shown form with a data grid over a programme table whose scheme name is
// a lookup into a table of three schemes, with a date, a number, a state
// key and a note column, for the in-place editor's tests.
#include <memory>
#include <string>

#include "dbgrid/core/columnlt.h"
#include "dbgrid/core/dbgridlt.h"
#include "dbgrid/editor/dbgridinplaceedit.h"
#include "platform/data/clientdataset.h"
#include "platform/data/datasource.h"
#include "platform/data/fields.h"
#include "platform/rtl/datetime.h"
#include "tests/dbcontrols/tablefields.h"
#include "tests/platform/ui/controltesting.h"

struct TProgrammeGrid {
    std::unique_ptr<TForm> Form;
    TClientDataSet* Schemes = nullptr;
    TClientDataSet* Table = nullptr;
    TDataSource* Source = nullptr;
    TDBGridLt* Grid = nullptr;
    TIntegerField* Scheme = nullptr;
    TStringField* SchemeName = nullptr;
    TDateField* Day = nullptr;
    TFloatField* Value = nullptr;
    TStringField* State = nullptr;
    TStringField* Note = nullptr;

    // Columns in order.
    enum { cScheme, cSchemeName, cDay, cValue, cState, cNote };

    TProgrammeGrid()
    {
        TestApplication();
        Form = std::make_unique<TForm>(nullptr);
        Schemes = new TClientDataSet(Form.get());
        auto* id = AddTableField<TIntegerField>(Schemes, "FSCHEME");
        auto* name = AddTableField<TStringField>(Schemes, "FNAME", 20);
        Schemes->CreateDataSet();
        const char* names[] = {"Утро", "Вечер", "Ночь"};
        for (int i = 0; i < 3; ++i) {
            Schemes->Append();
            id->SetAsInteger(i + 1);
            name->SetAsString(names[i]);
            Schemes->Post();
        }
        Schemes->First();

        Table = new TClientDataSet(Form.get());
        Scheme = AddTableField<TIntegerField>(Table, "FSCHEME");
        SchemeName = AddLookupField(Table, "FSCHEMENAME", 20, "FSCHEME", Schemes, "FSCHEME", "FNAME");
        Day = AddTableField<TDateField>(Table, "FDATE");
        Value = AddTableField<TFloatField>(Table, "FVALUE");
        State = AddTableField<TStringField>(Table, "FSTATE", 1);
        Note = AddTableField<TStringField>(Table, "FNOTE", 20);
        Table->CreateDataSet();
        AddRow(1, EncodeDate(2024, 3, 8), 2.5, "1", "первая");
        AddRow(3, EncodeDate(2024, 5, 9), 7, "0", "вторая");
        Table->First();

        Source = new TDataSource(Form.get());
        Source->SetDataSet(Table);
        Grid = new TDBGridLt(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetBounds(0, 0, 560, 200);
        for (const char* field : {"FSCHEME", "FSCHEMENAME", "FDATE", "FVALUE", "FSTATE", "FNOTE"})
            Grid->Columns()->Add()->SetFieldName(field);
        Grid->SetDataSource(Source);
        ShowForm(*Form, 580, 220);
        Grid->SetFocus();
    }

    void AddRow(int SchemeId, TDateTime Date, double Number, const std::string& Key, const std::string& Text)
    {
        Table->Append();
        Scheme->SetAsInteger(SchemeId);
        Day->SetAsDateTime(Date);
        Value->SetAsFloat(Number);
        State->SetAsString(Key);
        Note->SetAsString(Text);
        Table->Post();
    }

    TColumnLt* Column(int Index) const { return Grid->Columns()->Items(Index); }

    // Shows the editor on a column of the current row.
    TDBGridInplaceEdit* EditColumn(int Index)
    {
        Grid->SetSelectedIndex(Index);
        Grid->SetEditorMode(true);
        return dynamic_cast<TDBGridInplaceEdit*>(Grid->InplaceEditor());
    }
};
