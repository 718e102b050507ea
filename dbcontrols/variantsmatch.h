#pragma once
// Comparing and showing editor values.
#include <string>

#include "platform/rtl/variant.h"

// True when two values are the same: arrays element by element over equal
// bounds (two empty arrays never match), an array never matches a scalar,
// Unassigned matches only Unassigned, anything else by variant equality.
// Never raises.
bool VariantsMatch(const Variant& V1, const Variant& V2);

// The text of a value: '' for an array or when the value has no text.
// Never raises.
std::string VariantToText(const Variant& V);
