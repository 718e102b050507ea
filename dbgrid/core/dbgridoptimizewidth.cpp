// Fitting columns to their contents: each column becomes as wide as its
// widest title and cell text, measured as painting shows them over the
// whole dataset.
#include <algorithm>
#include <vector>

#include "dbcontrols/buttonpaint.h"
#include "dbgrid/core/colcellparamslt.h"
#include "dbgrid/core/columnlt.h"
#include "dbgrid/core/controlsdisabled.h"
#include "dbgrid/core/dbgridlt.h"
#include "platform/ui/imglist.h"

namespace {
constexpr int kTextMargin = 4;

// The last level of a multi-level caption.
std::string LeafCaption(const std::string& Caption)
{
    const std::size_t bar = Caption.rfind('|');
    return bar == std::string::npos ? Caption : Caption.substr(bar + 1);
}
} // namespace

int TCustomDBGridLt::TitleTextWidth(TColumnLt* Column)
{
    TColumnTitleLt& title = *Column->Title();
    const int margin = std::max(kTextMargin, title.SortMarkerWidth() + 2);
    if (TitleImages() && title.ImageIndex() >= 0)
        return TitleImages()->Width() + margin;
    TCanvas canvas;
    canvas.Font()->Assign(title.Font());
    const std::string text = FUseMultiTitle ? LeafCaption(title.Caption()) : title.Caption();
    const int extent = title.Orientation() == tohVertical ? canvas.TextHeight(text) : canvas.TextWidth(text);
    return extent + margin;
}

int TCustomDBGridLt::CellTextWidth(TColumnLt* Column, TCanvas& Canvas)
{
    int width = kTextMargin;
    if (Column->AlwaysShowEditButton())
        width += Column->EditButtonsWidth();
    const TCustomImageList* images = Column->ImageList();
    if (images && Column->ShowImageAndText())
        width += images->Width() + kTextMargin;
    switch (Column->ColumnKind()) {
    case ckKeyImagesLt:
        return width + (images ? images->Width() : 0);
    case ckCheckBoxesLt:
        return width + DefaultCheckBoxWidth();
    default:
        break;
    }
    TColCellParamsLt params;
    Column->FillCellParams(&params);
    params.State = {};
    params.Row = 0;
    TColor background = params.Background;
    DoGetCellParams(Column, params.Font.get(), background, params.State);
    Canvas.Font()->Assign(params.Font.get());
    return width + Canvas.TextWidth(params.Text);
}

void TCustomDBGridLt::OptimizeColsWidth(const TColumnsLtList& ColumnsToOptimize)
{
    if (ColumnsToOptimize.Count() == 0)
        return;
    std::vector<int> widths;
    for (TColumnLt* column : ColumnsToOptimize)
        widths.push_back(TitleTextWidth(column));
    TDataSet* dataSet = DataLinkReady() ? FDataLink->DataSet() : nullptr;
    if (dataSet && !dataSet->IsEmpty()) {
        TCanvas canvas;
        const TControlsDisabled disabled(dataSet);
        const std::string saved = dataSet->Bookmark();
        try {
            for (dataSet->First(); !dataSet->Eof(); dataSet->Next())
                for (int i = 0; i < ColumnsToOptimize.Count(); ++i)
                    widths[static_cast<std::size_t>(i)] = std::max(
                        widths[static_cast<std::size_t>(i)], CellTextWidth(ColumnsToOptimize.Items(i), canvas));
        } catch (...) {
            dataSet->GotoBookmark(saved);
            throw;
        }
        dataSet->GotoBookmark(saved);
    }
    if (!FAutoFitColWidths)
        BeginLayout();
    try {
        for (int i = 0; i < ColumnsToOptimize.Count(); ++i)
            ColumnsToOptimize.Items(i)->SetWidth(widths[static_cast<std::size_t>(i)]);
    } catch (...) {
        if (!FAutoFitColWidths)
            EndLayout();
        throw;
    }
    if (!FAutoFitColWidths)
        EndLayout();
}
