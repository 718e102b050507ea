#pragma once
// A data grid on a client table (integer, text, number, date and yes/no
// fields) for the import fuzzers: each input is imported into the same
// three records, first from the current cell and then into the whole
// grid. Format and conversion errors are expected; anything else, a
// crash, a hang, or the dataset's controls left disabled is a finding.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "dbgrid/core/dbgridlt.h"
#include "platform/data/clientdataset.h"
#include "platform/data/datasource.h"
#include "platform/data/fields.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/streams.h"
#include "platform/ui/application.h"
#include "platform/ui/forms.h"

class TImportFuzzGrid {
public:
    // Needs the application object.
    TImportFuzzGrid() : FForm(std::make_unique<TForm>(nullptr))
    {
        FTable = new TClientDataSet(FForm.get());
        AddField<TIntegerField>("FID");
        AddField<TStringField>("FNAME", 20);
        AddField<TFloatField>("FVALUE");
        AddField<TDateTimeField>("FWHEN");
        AddField<TBooleanField>("FON");
        FTable->CreateDataSet();
        auto* source = new TDataSource(FForm.get());
        source->SetDataSet(FTable);
        FGrid = new TDBGridLt(FForm.get());
        FGrid->SetParent(FForm.get());
        FGrid->SetBounds(0, 0, 300, 200);
        FGrid->SetDataSource(source);
    }

    const TClientDataSet& Table() const { return *FTable; }

    // Imports Data with TImporter into three fresh records.
    template <class TImporter>
    void Import(const std::string& Data)
    {
        for (const bool forAll : {false, true}) {
            Reset();
            try {
                TStringStream stream(Data);
                ImportGridFromStream<TImporter>(FGrid, stream, forAll);
            } catch (const Exception&) {
                FTable->Cancel();
            }
            if (FTable->ControlsDisabled()) {
                std::fprintf(stderr, "the import left the controls disabled\n");
                std::abort();
            }
        }
    }

private:
    template <class TFieldKind>
    void AddField(const char* Name, int Size = 0)
    {
        auto* field = new TFieldKind(FForm.get());
        field->SetFieldName(Name);
        if (Size > 0)
            field->SetSize(Size);
        field->SetDataSet(FTable);
    }

    void Reset()
    {
        FTable->Cancel();
        FTable->First();
        while (!FTable->IsEmpty())
            FTable->Delete();
        for (int i = 1; i <= 3; ++i) {
            FTable->Append();
            FTable->FieldByName("FID")->SetAsInteger(i);
            FTable->FieldByName("FNAME")->SetAsString("name");
            FTable->Post();
        }
        // The change log would otherwise keep every input's changes.
        FTable->MergeChangeLog();
        FTable->First();
        FTable->Next();
        FGrid->SetSelectedIndex(1);
    }

    std::unique_ptr<TForm> FForm;
    TClientDataSet* FTable;
    TDBGridLt* FGrid;
};

// The fuzzers' grid, on the offscreen window system, made on first use.
inline TImportFuzzGrid& ImportFuzzGrid()
{
    // Lives as long as the process, as the application object does (see
    // the description fuzzer).
    static TImportFuzzGrid& grid = *[] {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        auto* application = new TApplication(nullptr);
        application->Initialize();
        // "Ignore all" for a value that cannot be assigned.
        TApplication::SetMessageBoxHook([](const std::string&, const std::string&, unsigned) { return IDALL; });
        return new TImportFuzzGrid;
    }();
    return grid;
}
