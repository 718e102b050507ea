#pragma once
// The text a filter cell shows for a parsed filter: each comparison as its
// operator and value, two joined by " AND " or " OR ". Parsing the text
// again gives the same filter.
#include <string>

#include "dbgrid/filter/filterexpr.h"

// The operator's text ("=", "<>", "~", "In", "Null", "AND", ...); empty for
// none and for a value.
std::string FilterOperatorText(uint8_t Operator);

// One value as a filter cell shows it: a number as written in the current
// format settings, a date with its time when it has one, anything else in
// single quotes with its own quotes doubled. InList: a number whose text
// holds the list's comma is quoted too.
std::string FilterValueText(const Variant& Value, bool InList = false);

// The whole filter; empty for an empty one.
std::string FilterExpressionText(const TSTFilterExpressionLt& Expression);
