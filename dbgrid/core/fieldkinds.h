#pragma once
// Which field types count as numbers and as dates for the grid's columns
// and its editor.
#include "platform/data/datatypes.h"

// Small integer, integer, word, float, currency, BCD and FMT BCD.
bool IsNumericType(TFieldType Type);
// Date, time, date-time and SQL time stamp.
bool IsDateTimeType(TFieldType Type);
