#pragma once
// The data grid's import of tab-separated text (UTF-8): a tab ends a cell,
// CR LF (or LF) ends a record, a CR alone is a format error, and the data
// ends at the end of the stream or at a 0 byte (the end of a pasted
// clipboard block). Cell n goes into column n; cells beyond the columns are
// dropped.
#include "dbgrid/exchange/gridimport.h"

class TDBGridLtImportAsText : public TDBGridLtImport {
protected:
    void GetPrefix() override;
    bool GetRecord(const TColumnsLtList& Columns) override;
    // The text into the column: a lookup column takes the key of the
    // lookup record whose result starts with the text (any case), a
    // key-and-pick-list column the key listed at the text's place (or
    // nothing when it is not listed), any other column the text itself.
    void GetDataCell(TColumnLt& Column, const std::string& Text);

private:
    std::string FData;
    std::size_t FPos = 0;
};
