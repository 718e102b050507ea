#pragma once
// A shown form with a data grid bound to a small client table of steps
// (FID, FDELAY, FNAME, F1) for the data grid's tests.
#include <memory>
#include <string>

#include "dbgrid/core/columnlt.h"
#include "dbgrid/core/dbgridlt.h"
#include "platform/data/clientdataset.h"
#include "platform/data/datasource.h"
#include "platform/data/fields.h"
#include "tests/dbcontrols/tablefields.h"
#include "tests/platform/ui/controltesting.h"

struct TStepsGrid {
    std::unique_ptr<TForm> Form;
    TClientDataSet* Table = nullptr;
    TDataSource* Source = nullptr;
    TDBGridLt* Grid = nullptr;
    TIntegerField* Fid = nullptr;
    TIntegerField* Delay = nullptr;
    TStringField* Name = nullptr;
    TStringField* Channel = nullptr;

    explicit TStepsGrid(int Rows = 5, int Width = 300, int Height = 200)
    {
        TestApplication();
        Form = std::make_unique<TForm>(nullptr);
        Table = new TClientDataSet(Form.get());
        Fid = AddTableField<TIntegerField>(Table, "FID");
        Delay = AddTableField<TIntegerField>(Table, "FDELAY");
        Name = AddTableField<TStringField>(Table, "FNAME", 12);
        Channel = AddTableField<TStringField>(Table, "F1", 1);
        Table->CreateDataSet();
        for (int i = 1; i <= Rows; ++i)
            AddRow(i, i * 100, "Схема " + std::to_string(i), i % 2 ? "1" : "0");
        Table->First();
        Source = new TDataSource(Form.get());
        Source->SetDataSet(Table);
        Grid = new TDBGridLt(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetBorderStyle(bsNone);
        Grid->SetBounds(0, 0, Width, Height);
        Grid->SetDataSource(Source);
        ShowForm(*Form, Width + 20, Height + 20);
    }

    void AddRow(int Id, int DelayMs, const std::string& Text, const std::string& State)
    {
        Table->Append();
        Fid->SetAsInteger(Id);
        Delay->SetAsInteger(DelayMs);
        Name->SetAsString(Text);
        Channel->SetAsString(State);
        Table->Post();
    }

    TColumnLt* Column(int Index) const { return Grid->Columns()->Items(Index); }
};
