#pragma once
// Tab-separated text and CSV exports of the data grid, in UTF-8: one line
// per title, record and footer row, lines separated by CR LF with none
// after the last.
#include "dbgrid/exchange/gridexport.h"

// The CSV cell separator; each CSV exporter reads it when it is made.
extern char CsvSeparator;

class TDBGridLtExportAsText : public TDBGridLtExport {
protected:
    void PutTitle(const TColumnsLtList& Columns) override;
    void PutRecord(const TColumnsLtList& Columns) override;
    void PutDataCell(TColumnLt* Column, TColCellParamsLt* Params) override;
    void PutFooter(const TColumnsLtList& Columns, int FooterNo) override;
    void PutFooterCell(int ColIndex, int FooterNo, const std::string& Text, TAlignment Alignment, TColor Background,
                       TFont* Font, TColumnLt* Column) override;

    // Starts a line (a line break before every line but the first).
    void BeginLine();
    // Writes a cell (a separator before every cell but the first of its
    // line).
    void PutCell(const std::string& Text);
    virtual char Separator() const { return '\t'; }
    // The cell as written: tabs and line breaks become blanks, so that
    // the text reads back into the same cells.
    virtual std::string CellText(const std::string& Text) const;

private:
    bool FFirstRec = true;
    bool FFirstCell = true;
};

class TDBGridLtExportAsCSV : public TDBGridLtExportAsText {
protected:
    char Separator() const override { return FSeparator; }
    // Quoted with '"', inner quotes doubled.
    std::string CellText(const std::string& Text) const override;

private:
    char FSeparator = CsvSeparator;
};
