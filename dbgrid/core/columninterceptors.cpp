#include "dbgrid/core/columninterceptors.h"

#include "dbgrid/core/columnlt.h"
#include "dbgrid/core/dbgridlt.h"
#include "platform/rtl/classbuilder.h"
#include "platform/rtl/stringlist.h"
#include "platform/rtl/strutils.h"

LT_IMPLEMENT_CLASS(TColumnLtPropertyInterceptor, TStoragePropertyInterceptor)
{
    P.Property("Width", &TColumnLtPropertyInterceptor::Width, &TColumnLtPropertyInterceptor::SetWidth);
}

LT_IMPLEMENT_CLASS(TColumnsLtPropertyInterceptor, TStoragePropertyInterceptor)
{
    P.Property("ColumnsIndex", &TColumnsLtPropertyInterceptor::ColumnsIndex,
               &TColumnsLtPropertyInterceptor::SetColumnsIndex);
}

TColumnLt* TColumnLtPropertyInterceptor::Column() const
{
    return dynamic_cast<TColumnLt*>(Target());
}

bool TColumnLtPropertyInterceptor::GridFits() const
{
    const TCustomDBGridLt* grid = Column() ? Column()->OwnerGrid() : nullptr;
    return grid && grid->AutoFitColWidths();
}

int TColumnLtPropertyInterceptor::Width() const
{
    if (!Column())
        return 0;
    return GridFits() ? Column()->FitBaseWidth() : Column()->Width();
}

void TColumnLtPropertyInterceptor::SetWidth(int Value)
{
    TColumnLt* column = Column();
    if (!column)
        return;
    // The stored width is also where the grid's fitting starts from: it
    // takes the widths the columns have when the grid is loaded.
    column->SetWidth(Value);
    if (GridFits())
        column->SetFitBaseWidth(Value);
}

TDBGridColumnsLt* TColumnsLtPropertyInterceptor::Columns() const
{
    return dynamic_cast<TDBGridColumnsLt*>(Target());
}

std::string TColumnsLtPropertyInterceptor::ColumnsIndex() const
{
    std::string text;
    const TDBGridColumnsLt* columns = Columns();
    for (int i = 0; columns && i < columns->Count(); ++i) {
        if (i > 0)
            text += ',';
        text += '"' + columns->Items(i)->FieldName() + '"';
    }
    return text;
}

void TColumnsLtPropertyInterceptor::SetColumnsIndex(const std::string& Value)
{
    TDBGridColumnsLt* columns = Columns();
    if (!columns)
        return;
    TStringList names;
    names.SetStrictDelimiter(true);
    names.SetDelimitedText(Value);
    columns->BeginUpdate();
    try {
        for (int i = 0; i < names.Count() && i < columns->Count(); ++i) {
            for (int j = 0; j < columns->Count(); ++j) {
                if (SameText(columns->Items(j)->FieldName(), names[i])) {
                    columns->Items(j)->SetIndex(i);
                    break;
                }
            }
        }
    } catch (...) {
        columns->EndUpdate();
        throw;
    }
    columns->EndUpdate();
}
