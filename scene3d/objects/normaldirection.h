#pragma once
// Which way the faces of a closed object look: into it or out of it.
#include "platform/rtl/typeinfo.h"

enum TNormalDirection : int { ndInside, ndOutside };
LT_ENUM_INFO(TNormalDirection, ndInside, ndOutside)
