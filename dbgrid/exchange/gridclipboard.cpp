#include "dbgrid/exchange/gridclipboard.h"

#include <optional>

#include "dbgrid/core/columnlt.h"
#include "dbgrid/core/controlsdisabled.h"
#include "dbgrid/core/dbgridlt.h"
#include "dbgrid/exchange/gridexchangerange.h"
#include "dbgrid/exchange/gridexportrtf.h"
#include "dbgrid/exchange/gridexporttext.h"
#include "dbgrid/exchange/gridexportvcldbif.h"
#include "dbgrid/exchange/gridimporttext.h"
#include "dbgrid/exchange/gridimportvcldbif.h"
#include "dbgrid/selection/dbgridselection.h"
#include "platform/data/datasource.h"
#include "platform/data/field.h"
#include "platform/rtl/streams.h"
#include "platform/ui/clipbrd.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/forms.h"

unsigned VCLDBIFClipboardFormat()
{
    static const unsigned format = RegisterClipboardFormat("VCLDBIF");
    return format;
}

unsigned CsvClipboardFormat()
{
    static const unsigned format = RegisterClipboardFormat("Csv");
    return format;
}

unsigned RtfClipboardFormat()
{
    static const unsigned format = RegisterClipboardFormat("Rich Text Format");
    return format;
}

namespace {

TDataSet* GridDataSet(const TCustomDBGridLt* Grid)
{
    return Grid->DataSource() ? Grid->DataSource()->DataSet() : nullptr;
}

template <class TExporter>
void PutOnClipboard(TCustomDBGridLt* Grid, bool ForAll, unsigned Format)
{
    TStringStream stream;
    ExportGridToStream<TExporter>(Grid, stream, ForAll);
    Clipboard()->SetAsData(Format, stream.DataString());
}

// Asks before a clearing that loses data; false when the operator cancels.
bool ConfirmClear(const TCustomDBGridLt* Grid, const TGridExchangeRangeLt& Range)
{
    if (!Grid->Options().Contains(dgConfirmDelete))
        return true;
    std::string question;
    switch (Range.Kind) {
    case gstRecordBookmarks:
        question = Range.Bookmarks.size() < 2 ? "Delete record?" : "Delete all selected records?";
        break;
    case gstAll: question = "Delete all selected records?"; break;
    default: question = "Очистить выделенные ячейки?"; break;
    }
    return MessageDlg(question, mtConfirmation, {mbOK, mbCancel}, 0) != mrCancel;
}

void ClearColumns(const TColumnsLtList& Columns, TDataSet& DataSet)
{
    for (TColumnLt* column : Columns)
        if (TField* field = EditableColumnField(*column))
            field->Clear();
    DataSet.CheckBrowseMode();
}

} // namespace

void CopyGridToClipboard(TCustomDBGridLt* Grid, bool ForAll)
{
    TClipboard& clipboard = *Clipboard();
    clipboard.Open();
    try {
        std::optional<TControlsDisabled> disabled;
        if (TDataSet* dataSet = GridDataSet(Grid))
            disabled.emplace(dataSet);
        PutOnClipboard<TDBGridLtExportAsText>(Grid, ForAll, CF_UNICODETEXT);
        PutOnClipboard<TDBGridLtExportAsCSV>(Grid, ForAll, CsvClipboardFormat());
        PutOnClipboard<TDBGridLtExportAsRTF>(Grid, ForAll, RtfClipboardFormat());
        PutOnClipboard<TDBGridLtExportAsVCLDBIF>(Grid, ForAll, VCLDBIFClipboardFormat());
    } catch (...) {
        clipboard.Close();
        throw;
    }
    clipboard.Close();
}

void CutGridToClipboard(TCustomDBGridLt* Grid, bool ForAll)
{
    CopyGridToClipboard(Grid, ForAll);
    ClearGridSelection(Grid, ForAll);
}

void PasteGridFromClipboard(TCustomDBGridLt* Grid, bool ForAll)
{
    const TClipboard& clipboard = *Clipboard();
    if (clipboard.HasFormat(VCLDBIFClipboardFormat())) {
        TStringStream stream(clipboard.GetAsData(VCLDBIFClipboardFormat()));
        ImportGridFromStream<TDBGridLtImportAsVCLDBIF>(Grid, stream, ForAll);
    } else if (clipboard.HasFormat(CF_TEXT)) {
        TStringStream stream(clipboard.GetAsData(CF_TEXT));
        ImportGridFromStream<TDBGridLtImportAsText>(Grid, stream, ForAll);
    }
}

void ClearGridSelection(TCustomDBGridLt* Grid, bool ForAll)
{
    TDataSet* dataSet = GridDataSet(Grid);
    const TGridExchangeRangeLt range = GridExchangeRange(*Grid, ForAll);
    if (range.Kind == gstNon || !dataSet || !dataSet->Active() || !ConfirmClear(Grid, range))
        return;
    const TControlsDisabled disabled(dataSet);
    switch (range.Kind) {
    case gstRecordBookmarks:
        ForEachRangeRecord(*dataSet, range, [&] {
            dataSet->Delete();
            return true;
        });
        Grid->Selection()->Clear();
        break;
    case gstAll:
        dataSet->First();
        while (!dataSet->IsEmpty())
            dataSet->Delete();
        break;
    default:
        WithRecordPositionSaved(*dataSet, [&] {
            ForEachRangeRecord(*dataSet, range, [&] {
                ClearColumns(range.Columns, *dataSet);
                return true;
            });
        });
        break;
    }
}
