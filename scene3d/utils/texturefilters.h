#pragma once
// How a texture is filtered when it is drawn larger or smaller than its
// pixels.
#include "platform/rtl/typeinfo.h"

// Magnification: the nearest texel or a blend of the four nearest.
enum T3DMagFilter { maNearest, maLinear };
LT_ENUM_INFO(T3DMagFilter, maNearest, maLinear)

// Minification; the last four filters read mipmaps.
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
