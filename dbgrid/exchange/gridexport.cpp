#include "dbgrid/exchange/gridexport.h"

#include "dbgrid/core/columnlt.h"
#include "dbgrid/core/controlsdisabled.h"
#include "dbgrid/core/dbgridlt.h"
#include "dbgrid/exchange/gridexchangerange.h"
#include "platform/data/datasource.h"
#include "platform/rtl/streams.h"

void TDBGridLtExport::SaveToStream(TStream& Stream, bool ForAll)
{
    TGridExchangeRangeLt range = GridExchangeRange(*FDBGrid, ForAll);
    if (range.Kind == gstNon)
        return;
    TDataSet* dataSet = FDBGrid->DataSource() ? FDBGrid->DataSource()->DataSet() : nullptr;
    FStream = &Stream;
    FExpCols = std::move(range.Columns);
    FFooterValues.assign(static_cast<std::size_t>(FDBGrid->FooterRowCount() * FExpCols.Count()), 0);
    const auto putAll = [&] {
        PutPrefix();
        if (FDBGrid->Options().Contains(dgTitles))
            PutTitle(FExpCols);
        if (dataSet && dataSet->Active())
            ForEachRangeRecord(*dataSet, range, [&] {
                PutRecord(FExpCols);
                AccumulateFooters();
                return true;
            });
        for (int footer = 0; footer < FDBGrid->FooterRowCount(); ++footer)
            PutFooter(FExpCols, footer);
        PutSuffix();
    };
    if (!dataSet)
        return putAll();
    const TControlsDisabled disabled(dataSet);
    WithRecordPositionSaved(*dataSet, putAll);
}

void TDBGridLtExport::SaveToFile(const std::string& FileName, bool ForAll)
{
    TFileStream file(FileName, fmCreate);
    SaveToStream(file, ForAll);
}

void TDBGridLtExport::WriteString(const std::string& Text)
{
    FStream->WriteBuffer(Text.data(), static_cast<int64_t>(Text.size()));
}

void TDBGridLtExport::FillCellParams(TColumnLt* Column)
{
    TColCellParamsLt& params = FColCellParams;
    params.Row = -1;
    params.Col = -1;
    params.State = {};
    params.Font->Assign(Column->Font());
    params.Background = Column->Color();
    params.Alignment = Column->Alignment();
    params.ImageIndex = Column->CellImageIndex();
    params.Text = Column->CellText();
    params.CheckState = Column->CheckState();
    params.ReadOnly = Column->ReadOnly();
    if (FDBGrid->OnGetCellParams())
        FDBGrid->OnGetCellParams()(FDBGrid, Column, params.Font.get(), params.Background, params.State);
    if (Column->OnGetCellParams())
        Column->OnGetCellParams()(Column, false, &params);
    params.Background = Column->Color();
}

void TDBGridLtExport::PutRecord(const TColumnsLtList& Columns)
{
    for (TColumnLt* column : Columns) {
        FillCellParams(column);
        PutDataCell(column, &FColCellParams);
    }
}
