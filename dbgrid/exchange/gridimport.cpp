#include "dbgrid/exchange/gridimport.h"

#include <algorithm>
#include <climits>

#include "dbgrid/core/columnlt.h"
#include "dbgrid/core/controlsdisabled.h"
#include "dbgrid/core/dbgridlt.h"
#include "dbgrid/exchange/gridexchangerange.h"
#include "dbgrid/selection/dbgridselection.h"
#include "platform/data/datasource.h"
#include "platform/data/field.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/streams.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/forms.h"

void TDBGridLtImport::LoadFromStream(TStream& Stream, bool ForAll)
{
    TDataSet* dataSet = FDBGrid->DataSource() ? FDBGrid->DataSource()->DataSet() : nullptr;
    if (!dataSet || !dataSet->Active())
        return;
    FStream = &Stream;
    FEos = false;
    FIgnoreAll = false;
    if (ForAll) {
        FDBGrid->Selection()->Clear();
        dataSet->First();
        if (FDBGrid->VisibleColumns().Count() > 0)
            FDBGrid->SetSelectedIndex(FDBGrid->VisibleColumns().Items(0)->Index());
    }
    TGridExchangeRangeLt range = GridExchangeRange(*FDBGrid, false);
    const bool inserting = dataSet->State() == dsInsert;
    const bool appending = dataSet->Eof();
    const auto readRecord = [&] {
        if (FEos || !ReadWholeRecord(*dataSet, range.Columns))
            return false;
        dataSet->CheckBrowseMode();
        return !FEos;
    };
    const auto readAll = [&] {
        if (range.Kind == gstNon)
            range.Columns = VisibleColumnsBetween(*FDBGrid, FDBGrid->SelectedIndex(), INT_MAX);
        GetPrefix();
        if (range.Kind == gstNon && inserting) {
            ReadNewRecords(*dataSet, range.Columns, appending);
        } else if (range.Kind == gstNon) {
            // The current record first, even when the cursor got there
            // by going past the end.
            while (!FEos && !dataSet->IsEmpty()) {
                readRecord();
                dataSet->Next();
                if (dataSet->Eof())
                    break;
            }
            if (FDBGrid->AllowedOperations().Contains(alopAppendLt))
                ReadNewRecords(*dataSet, range.Columns, true);
        } else if (!(inserting && range.Kind == gstRecordBookmarks)) {
            ForEachRangeRecord(*dataSet, range, readRecord);
        }
        GetSuffix();
    };
    const TControlsDisabled disabled(dataSet);
    if (inserting)
        readAll();
    else
        WithRecordPositionSaved(*dataSet, readAll);
}

void TDBGridLtImport::LoadFromFile(const std::string& FileName, bool ForAll)
{
    TFileStream file(FileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(file, ForAll);
}

std::string TDBGridLtImport::ReadRest()
{
    std::string bytes(static_cast<std::size_t>(std::max<int64_t>(FStream->Size() - FStream->Position(), 0)), '\0');
    bytes.resize(static_cast<std::size_t>(FStream->Read(bytes.data(), static_cast<int64_t>(bytes.size()))));
    return bytes;
}

bool TDBGridLtImport::ReadWholeRecord(TDataSet& DataSet, const TColumnsLtList& Columns)
{
    bool whole = false;
    try {
        whole = GetRecord(Columns);
    } catch (...) {
        DataSet.Cancel();
        throw;
    }
    if (!whole)
        DataSet.Cancel();
    return whole;
}

void TDBGridLtImport::ReadNewRecords(TDataSet& DataSet, const TColumnsLtList& Columns, bool Appending)
{
    while (!FEos) {
        if (Appending)
            DataSet.Append();
        else
            DataSet.Insert();
        if (!ReadWholeRecord(DataSet, Columns))
            return;
        DataSet.Post();
        if (!Appending)
            DataSet.Next();
    }
}

void TDBGridLtImport::WriteColumnValue(TColumnLt& Column, const std::function<void(TField& Field)>& Assign)
{
    TField* field = EditableColumnField(Column);
    if (!field)
        return;
    try {
        Assign(*field);
    } catch (const EAbort&) {
        throw;
    } catch (const Exception& E) {
        if (FIgnoreAll)
            return;
        const int answer = MessageDlg("Ошибка при вставки значения:\n" + E.Message() + "\n\nИгнорировать ошибку?",
                                      mtError, {mbYes, mbNo, mbAll}, 0);
        if (answer == mrNo)
            Abort();
        if (answer == mrAll)
            FIgnoreAll = true;
    }
}
