// Feeds arbitrary bytes to the data grid's text import (see
// gridimportfuzzing.h).
#include "dbgrid/exchange/gridimporttext.h"
#include "fuzz/gridimportfuzzing.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    ImportFuzzGrid();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ImportFuzzGrid().Import<TDBGridLtImportAsText>(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
