// The footer rows of an export: sums and counts accumulated over the
// exported records, other footers as the grid shows them.
#include <cmath>

#include "dbgrid/core/columnlt.h"
#include "dbgrid/core/dbgridlt.h"
#include "dbgrid/exchange/gridexport.h"
#include "dbgrid/footers/columnfooterlt.h"
#include "platform/data/datasource.h"
#include "platform/data/fields.h"
#include "platform/rtl/floatformat.h"
#include "platform/rtl/formatsettings.h"

namespace {

TField* FooterField(const TColumnFooterLt& Footer, const TColumnLt& Column)
{
    const TDataSet* dataSet =
        Column.OwnerGrid() && Column.OwnerGrid()->DataSource() ? Column.OwnerGrid()->DataSource()->DataSet() : nullptr;
    if (!dataSet)
        return nullptr;
    return dataSet->FindField(Footer.FieldName().empty() ? Column.FieldName() : Footer.FieldName());
}

std::string FormattedSum(const TField& Field, double Value)
{
    const auto* numeric = dynamic_cast<const TNumericField*>(&Field);
    const std::string format = numeric ? numeric->DisplayFormat() : std::string();
    const auto currencyText = [&](bool Currency, int Precision) {
        return Currency ? FloatToStrF(Value, TFloatFormat::ffCurrency, Precision, FormatSettings.CurrencyDecimals)
                        : FloatToStrF(Value, TFloatFormat::ffGeneral, Precision, 0);
    };
    switch (Field.DataType()) {
    case ftSmallint: case ftInteger: case ftWord: case ftAutoInc:
        return format.empty() ? std::to_string(std::llround(Value)) : FormatFloat(format, Value);
    case ftFloat: case ftCurrency:
        if (!format.empty())
            return FormatFloat(format, Value);
        if (const auto* number = dynamic_cast<const TFloatField*>(&Field))
            return currencyText(number->Currency(), number->Precision());
        return FloatToStr(Value);
    case ftBCD: case ftFMTBcd:
        if (!format.empty())
            return FormatCurr(format, Currency(Value));
        if (const auto* number = dynamic_cast<const TBCDField*>(&Field))
            return number->Currency() ? CurrToStrF(Currency(Value), TFloatFormat::ffCurrency,
                                                   FormatSettings.CurrencyDecimals)
                                      : CurrToStrF(Currency(Value), TFloatFormat::ffGeneral, number->Precision());
        return FloatToStr(Value);
    default:
        return FloatToStr(Value);
    }
}

} // namespace

void TDBGridLtExport::AccumulateFooters()
{
    const int columns = FExpCols.Count();
    for (int footer = 0; footer < FDBGrid->FooterRowCount(); ++footer)
        for (int i = 0; i < columns; ++i) {
            const TColumnLt& column = *FExpCols.Items(i);
            const TColumnFooterLt& columnFooter = *column.FooterOfRow(footer);
            int64_t& value = FFooterValues[static_cast<std::size_t>(footer * columns + i)];
            if (columnFooter.ValueType() == fvtCount) {
                value += 10000;
            } else if (columnFooter.ValueType() == fvtSum) {
                const TField* field = FooterField(columnFooter, column);
                if (field && !field->IsNull())
                    value = static_cast<int64_t>(std::nearbyint(field->AsFloat() * 10000 + static_cast<double>(value)));
            }
        }
}

std::string TDBGridLtExport::FooterText(int FooterNo, int ColIndex)
{
    const TColumnLt& column = *FExpCols.Items(ColIndex);
    const TColumnFooterLt& footer = *column.FooterOfRow(FooterNo);
    const double value =
        static_cast<double>(FFooterValues[static_cast<std::size_t>(FooterNo * FExpCols.Count() + ColIndex)]) / 10000;
    const TField* field = FooterField(footer, column);
    switch (footer.ValueType()) {
    case fvtSum: return field ? FormattedSum(*field, value) : std::string();
    case fvtCount: return FloatToStr(value);
    case fvtStaticText: return footer.Value();
    case fvtFieldValue: return field ? field->DisplayText() : std::string();
    default: return {};
    }
}

void TDBGridLtExport::PutFooter(const TColumnsLtList& Columns, int FooterNo)
{
    for (int i = 0; i < Columns.Count(); ++i) {
        TColumnLt* column = Columns.Items(i);
        const TColumnFooterLt& footer = *column->FooterOfRow(FooterNo);
        TFont font;
        font.Assign(footer.Font());
        PutFooterCell(i, FooterNo, FooterText(FooterNo, i), footer.Alignment(), footer.Color(), &font, column);
    }
}
