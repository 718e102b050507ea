#pragma once
// The data grid's export to the binary interchange format (vcldbifformat.h):
// field values, not display texts; no titles or footers.
#include "dbgrid/exchange/gridexport.h"

class TDBGridLtExportAsVCLDBIF : public TDBGridLtExport {
protected:
    void PutPrefix() override;
    void PutSuffix() override;
    void PutDataCell(TColumnLt* Column, TColCellParamsLt* Params) override;
    void PutRecord(const TColumnsLtList& Columns) override;
};
