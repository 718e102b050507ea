#pragma once
// Horizontal alignment of text in a control, a field or a grid column.
#include "platform/rtl/typeinfo.h"

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
LT_ENUM_INFO(TAlignment, taLeftJustify, taRightJustify, taCenter)
