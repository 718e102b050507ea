#include "dbgrid/exchange/gridexporttext.h"

#include "dbgrid/core/columnlt.h"
#include "platform/rtl/strutils.h"

char CsvSeparator = ';';

void TDBGridLtExportAsText::BeginLine()
{
    if (!FFirstRec)
        WriteString("\r\n");
    FFirstRec = false;
    FFirstCell = true;
}

void TDBGridLtExportAsText::PutCell(const std::string& Text)
{
    if (!FFirstCell)
        WriteString(std::string(1, Separator()));
    FFirstCell = false;
    WriteString(CellText(Text));
}

std::string TDBGridLtExportAsText::CellText(const std::string& Text) const
{
    std::string cell = Text;
    for (char& c : cell)
        if (c == '\t' || c == '\r' || c == '\n')
            c = ' ';
    return cell;
}

void TDBGridLtExportAsText::PutTitle(const TColumnsLtList& Columns)
{
    BeginLine();
    for (const TColumnLt* column : Columns)
        PutCell(column->Title()->Caption());
}

void TDBGridLtExportAsText::PutRecord(const TColumnsLtList& Columns)
{
    BeginLine();
    TDBGridLtExport::PutRecord(Columns);
}

void TDBGridLtExportAsText::PutDataCell(TColumnLt*, TColCellParamsLt* Params)
{
    PutCell(Params->Text);
}

void TDBGridLtExportAsText::PutFooter(const TColumnsLtList& Columns, int FooterNo)
{
    BeginLine();
    TDBGridLtExport::PutFooter(Columns, FooterNo);
}

void TDBGridLtExportAsText::PutFooterCell(int, int, const std::string& Text, TAlignment, TColor, TFont*, TColumnLt*)
{
    PutCell(Text);
}

std::string TDBGridLtExportAsCSV::CellText(const std::string& Text) const
{
    return AnsiQuotedStr(Text, '"');
}
