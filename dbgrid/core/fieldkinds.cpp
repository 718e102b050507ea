#include "dbgrid/core/fieldkinds.h"

bool IsNumericType(TFieldType Type)
{
    switch (Type) {
    case ftSmallint:
    case ftInteger:
    case ftWord:
    case ftFloat:
    case ftCurrency:
    case ftBCD:
    case ftFMTBcd:
        return true;
    default:
        return false;
    }
}

bool IsDateTimeType(TFieldType Type)
{
    return Type == ftDate || Type == ftTime || Type == ftDateTime || Type == ftTimeStamp;
}
