#pragma once
// Exporters of the data grid: each writes what the grid shows of its
// selection (or of the whole grid) to a stream in one format. The base
// class walks the titles, the records and the footers; a format puts each
// piece.
#include <memory>
#include <string>
#include <vector>

#include "dbgrid/core/colcellparamslt.h"
#include "dbgrid/core/columnslt.h"
#include "platform/rtl/alignment.h"
#include "platform/ui/graphics.h"

class TColumnLt;
class TCustomDBGridLt;
class TStream;

class TDBGridLtExport {
public:
    TDBGridLtExport() = default;
    TDBGridLtExport(const TDBGridLtExport&) = delete;
    TDBGridLtExport& operator=(const TDBGridLtExport&) = delete;
    virtual ~TDBGridLtExport() = default;

    TCustomDBGridLt* DBGrid() const { return FDBGrid; }
    void SetDBGrid(TCustomDBGridLt* Value) { FDBGrid = Value; }

    // Writes the selection (ForAll: every record and visible column) to
    // Stream; with nothing selected nothing at all is written. The
    // dataset's controls are disabled meanwhile and its record is current
    // again afterwards.
    virtual void SaveToStream(TStream& Stream, bool ForAll);
    // Creates (replacing) the file and writes it.
    virtual void SaveToFile(const std::string& FileName, bool ForAll);

protected:
    virtual void PutPrefix() {}
    virtual void PutSuffix() {}
    virtual void PutTitle(const TColumnsLtList&) {}
    // Per column: the cell parameters as shown (after the grid's and the
    // column's OnGetCellParams, the background back at the column's
    // colour), then PutDataCell.
    virtual void PutRecord(const TColumnsLtList& Columns);
    virtual void PutDataCell(TColumnLt*, TColCellParamsLt*) {}
    // Per column: the font, colour and alignment of its footer of that row,
    // and its text (a sum or count over the exported records, else what
    // the footer shows), then PutFooterCell.
    virtual void PutFooter(const TColumnsLtList& Columns, int FooterNo);
    virtual void PutFooterCell(int, int, const std::string&, TAlignment, TColor, TFont*, TColumnLt*) {}

    TStream& Stream() const { return *FStream; }
    const TColumnsLtList& ExpCols() const { return FExpCols; }
    TColCellParamsLt* ColCellParams() { return &FColCellParams; }
    void WriteString(const std::string& Text);
    // The column's cell parameters in the current record.
    void FillCellParams(TColumnLt* Column);

private:
    TCustomDBGridLt* FDBGrid = nullptr;
    TStream* FStream = nullptr;
    TColumnsLtList FExpCols;
    TColCellParamsLt FColCellParams;
    // Per footer row and export column, the sum or count x 10000.
    std::vector<int64_t> FFooterValues;

    void AccumulateFooters();
    std::string FooterText(int FooterNo, int ColIndex);
};

// Makes an exporter of the class for Grid and writes Stream with it.
template <class TExporter>
void ExportGridToStream(TCustomDBGridLt* Grid, TStream& Stream, bool ForAll)
{
    TExporter exporter;
    exporter.SetDBGrid(Grid);
    exporter.SaveToStream(Stream, ForAll);
}
