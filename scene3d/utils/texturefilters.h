#pragma once
// How a texture is filtered when it is drawn smaller than its pixels; the
// last four filters read mipmaps.
#include "platform/rtl/typeinfo.h"

enum T3DMinFilter {
    miNearest,
    miLinear,
    miNearestMipmapNearest,
    miLinearMipmapNearest,
    miNearestMipmapLinear,
    miLinearMipmapLinear,
};
LT_ENUM_INFO(T3DMinFilter, miNearest, miLinear, miNearestMipmapNearest, miLinearMipmapNearest,
             miNearestMipmapLinear, miLinearMipmapLinear)

// Whether the filter reads mipmaps.
constexpr bool IsMipmapFilter(T3DMinFilter Filter)
{
    return Filter != miNearest && Filter != miLinear;
}
