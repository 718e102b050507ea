#pragma once
// The data grid's import of the binary interchange format
// (vcldbifformat.h). Columns are matched by position; every length is
// checked against the bytes left, and anything malformed (short data,
// another signature, an unknown tag, data for zero columns) raises the
// format error. Bytes after the end tag are not read.
#include <cstdint>
#include <string>

#include "dbgrid/exchange/gridimport.h"
#include "platform/rtl/variant.h"

class TDBGridLtImportAsVCLDBIF : public TDBGridLtImport {
protected:
    void GetPrefix() override;
    bool GetRecord(const TColumnsLtList& Columns) override;

private:
    [[noreturn]] static void FormatError();
    // Takes Count bytes (the format error when fewer are left).
    std::string Take(uint64_t Count);
    uint32_t TakeUInt32();
    // Reads the next tagged value into FLastValue (empty for unassigned).
    void ReadValue();

    std::string FData;
    std::size_t FPos = 0;
    uint32_t FColumnCount = 0;
    Variant FLastValue;
};
