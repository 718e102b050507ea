#pragma once
// A client table of names, cities and amounts seen as a grid whose columns
// are the table's fields, for the text search and the find dialog.
#include <memory>
#include <string>
#include <vector>

#include "dbgrid/filter/locatetext.h"
#include "platform/data/clientdataset.h"
#include "platform/data/fields.h"
#include "tests/dbcontrols/tablefields.h"

class TLocateGrid : public ILocateTextGridLt {
public:
    TLocateGrid()
    {
        Owner = std::make_unique<TComponent>(nullptr);
        Table = new TClientDataSet(Owner.get());
        Id = AddTableField<TIntegerField>(Table, "FID");
        Name = AddTableField<TStringField>(Table, "FNAME", 30);
        City = AddTableField<TStringField>(Table, "FCITY", 30);
        Amount = AddTableField<TFloatField>(Table, "FAMOUNT");
        // Shown with a currency sign: the text with and without the format differ.
        Amount->SetOnGetText([](TField* Sender, std::string& Text, bool) { Text = Sender->AsString() + " р."; });
        Table->SetIndexFieldNames("FID");
        Table->CreateDataSet();
        Columns = {Id, Name, City, Amount};
    }

    void Add(int IdValue, const std::string& NameValue, const std::string& CityValue, double AmountValue)
    {
        Table->Append();
        Id->SetAsInteger(IdValue);
        Name->SetAsString(NameValue);
        City->SetAsString(CityValue);
        Amount->SetAsFloat(AmountValue);
        Table->Post();
    }

    TDataSet* LocateDataSet() const override { return Active ? Table : nullptr; }
    int FullyVisibleColumnCount() const override { return static_cast<int>(Columns.size()); }
    int CurrentColumnPosition() const override { return Current; }
    void SetCurrentColumnPosition(int Position) override { Current = Position; }
    TField* ColumnField(int Position) const override { return Columns[static_cast<std::size_t>(Position)]; }
    std::string ColumnDisplayText(int Position) const override { return ColumnField(Position)->DisplayText(); }
    void SaveRecordPosition() override { Saved = Table->Bookmark(); }
    void RestoreRecordPosition() override
    {
        if (Table->BookmarkValid(Saved))
            Table->GotoBookmark(Saved);
    }

    std::unique_ptr<TComponent> Owner;
    TClientDataSet* Table = nullptr;
    TIntegerField* Id = nullptr;
    TStringField* Name = nullptr;
    TStringField* City = nullptr;
    TFloatField* Amount = nullptr;
    std::vector<TField*> Columns;
    int Current = 0;
    bool Active = true;
    std::string Saved;
};
