#pragma once
// Which way the faces of a closed primitive look: out of the body (seen
// from outside) or into it (seen from within, a room).
#include "platform/rtl/typeinfo.h"

enum TNormalDirection : int { ndInside, ndOutside };
LT_ENUM_INFO(TNormalDirection, ndInside, ndOutside)
