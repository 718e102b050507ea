// The data grid's footer rows: each column's footer for the row, its text
// (a sum, average or count of the sum list, a field's value or a fixed
// text), the footer handlers and the highlight of selected columns.
#include "dbgrid/core/celltextdrawing.h"
#include "dbgrid/core/columnlt.h"
#include "dbgrid/core/dbgridlt.h"
#include "platform/data/dataset.h"
#include "platform/data/fields.h"
#include "platform/rtl/floatformat.h"

namespace {
// An aggregate in the footer's format, else the field's, else the field
// type's own (currency with two decimals).
std::string FormatAggregate(Currency Value, const std::string& DisplayFormat, const TField* Field)
{
    if (!DisplayFormat.empty())
        return FormatFloat(DisplayFormat, Value.ToDouble());
    if (const auto* numeric = dynamic_cast<const TNumericField*>(Field)) {
        if (!numeric->DisplayFormat().empty())
            return FormatFloat(numeric->DisplayFormat(), Value.ToDouble());
        const auto* floating = dynamic_cast<const TFloatField*>(Field);
        if (floating && floating->Currency())
            return CurrToStrF(Value, TFloatFormat::ffCurrency, 2);
    }
    return CurrToStr(Value);
}
} // namespace

std::string TCustomDBGridLt::GetFooterValue(int Row, TColumnLt* Column)
{
    const TColumnFooterLt* footer = Column->FooterOfRow(Row);
    TDataSet* dataSet = FDataLink->DataSet();
    switch (footer->ValueType()) {
    case fvtSum:
    case fvtAvg: {
        const TDBSum* sum = footer->SumItem();
        if (!sum)
            return "0";
        const std::string& name = footer->FieldName().empty() ? Column->FieldName() : footer->FieldName();
        const TField* field = dataSet && !name.empty() ? dataSet->FindField(name) : nullptr;
        return FormatAggregate(sum->SumValue(), footer->DisplayFormat(), field);
    }
    case fvtCount: {
        const TDBSum* sum = footer->SumItem();
        const int64_t count = sum ? sum->SumValue().Raw() / Currency::Scale : 0;
        return footer->DisplayFormat().empty() ? std::to_string(count)
                                               : FormatFloat(footer->DisplayFormat(), static_cast<double>(count));
    }
    case fvtFieldValue: {
        const TField* field = dataSet && FDataLink->Active() ? dataSet->FindField(footer->FieldName()) : nullptr;
        return field ? field->DisplayText() : std::string();
    }
    case fvtStaticText: return footer->Value();
    case fvtNon: break;
    }
    return {};
}

bool TCustomDBGridLt::DrawFooterCellAt(int DataCol, int FooterRow, const TRect& CellRect, const TRect& Rect,
                                       TGridDrawState State, int DX, int DY)
{
    TCanvas& canvas = *Canvas();
    TColumnLt* column = DataCol >= 0 && DataCol < FColumns->Count() ? FColumns->Items(DataCol) : nullptr;
    if (!column) {
        canvas.Brush()->SetColor(FFooterColor);
        canvas.FillRect(Rect);
        return false;
    }
    const TColumnFooterLt* footer = column->FooterOfRow(FooterRow);
    TColor background = footer->Color();
    canvas.Font()->Assign(footer->Font());
    bool highlighted = false;
    if (DefaultDrawing()) {
        TAlignment alignment = footer->Alignment();
        std::string text = GetFooterValue(FooterRow, column);
        DoGetFooterParams(DataCol, FooterRow, column, canvas.Font(), background, alignment, State, text);
        const TDBGridCellTypeLt cell{ccpDataColLt, DataCol, crpFooterLt, FooterRow};
        highlighted = HighlightNoDataCellColor(cell, DataCol, IsColumnSelected(DataCol), canvas.Font(), background);
        canvas.Brush()->SetColor(background);
        DrawCellText(&canvas, Rect, true, DX, DY, text, alignment, tlTop, footer->WordWrap(), footer->EndEllipsis(), 0,
                     0);
    }
    DrawFooterCell(DataCol, FooterRow, column, CellRect, State);
    return highlighted;
}
