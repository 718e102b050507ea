#pragma once
// The data grid's export to RTF: a table with one row per title, record
// and footer row, each cell with its borders, shading, alignment, font and
// colours as the grid shows them. The body is built first while the colour
// and font tables fill; the stream then gets the header, the tables and
// the body.
#include <string>
#include <vector>

#include "dbgrid/exchange/gridexport.h"

class TDBGridLtExportAsRTF : public TDBGridLtExport {
public:
    TDBGridLtExportAsRTF();

protected:
    void PutSuffix() override;
    void PutTitle(const TColumnsLtList& Columns) override;
    void PutRecord(const TColumnsLtList& Columns) override;
    void PutDataCell(TColumnLt* Column, TColCellParamsLt* Params) override;
    void PutFooter(const TColumnsLtList& Columns, int FooterNo) override;
    void PutFooterCell(int ColIndex, int FooterNo, const std::string& Text, TAlignment Alignment, TColor Background,
                       TFont* Font, TColumnLt* Column) override;

    // How one cell of a row is framed: its shading, which of its borders
    // are drawn, and whether it starts or continues a horizontal merge.
    struct TCellFrame {
        TColor Shading = clWhite;
        bool Left = true, Top = true, Bottom = true, Right = true;
        bool MergeFirst = false, MergeNext = false;
    };

    // The tables' indexes, a new entry appended on first use.
    int ColorIndex(TColor Color);
    int FontIndex(const std::string& Name);
    // A row's start: cell borders, shadings and right edges in twips.
    void PutRowStart(const std::vector<TColor>& Shadings);
    void PutRowStart(const std::vector<TCellFrame>& Cells);
    void PutRowEnd();
    // A cell with Space twips above and below its text.
    void PutCell(TAlignment Alignment, const TFont& Font, TColor Background, const std::string& Text, int Space);
    // The space of plain cells: 12 twips in a Flat grid, else 24.
    int CellSpace() const;
    // One row per level of the multi-level title, then the columns' own
    // captions; the cells of one title node are merged.
    void PutMultiTitle(const TColumnsLtList& Columns);

private:
    std::string FBody;
    std::vector<TColor> FColorTable;
    std::vector<std::string> FFontTable;
};

// Text for an RTF body: '\', '{' and '}' escaped with '\', characters
// beyond ASCII as \uN? (UTF-16 units as signed numbers); the rest as is.
std::string RtfEscapedText(const std::string& Text);
