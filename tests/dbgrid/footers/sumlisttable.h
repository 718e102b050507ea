#pragma once
// A client table of amounts and quantities for the footer sums' tests.
#include <memory>
#include <string>

#include "platform/data/clientdataset.h"
#include "platform/data/fields.h"
#include "tests/dbcontrols/tablefields.h"

// Rows of FID (key order), FAMOUNT (float) and FQTY (integer); both value
// fields may be null. TTable is the client table's class.
template <class TTable = TClientDataSet>
class TSumListTable {
public:
    TSumListTable()
    {
        Owner = std::make_unique<TComponent>(nullptr);
        Table = new TTable(Owner.get());
        Id = AddTableField<TIntegerField>(Table, "FID");
        Amount = AddTableField<TFloatField>(Table, "FAMOUNT");
        Qty = AddTableField<TIntegerField>(Table, "FQTY");
        Table->SetIndexFieldNames("FID");
        Table->CreateDataSet();
    }

    // Appends and posts a row; a null amount or quantity is given as Null.
    void Add(int IdValue, const Variant& AmountValue, const Variant& QtyValue)
    {
        Table->Append();
        Id->SetAsInteger(IdValue);
        Amount->SetValue(AmountValue);
        Qty->SetValue(QtyValue);
        Table->Post();
    }

    std::unique_ptr<TComponent> Owner;
    TTable* Table = nullptr;
    TIntegerField* Id = nullptr;
    TFloatField* Amount = nullptr;
    TIntegerField* Qty = nullptr;
};
