#pragma once
// The settings of a scene buffer that shape its rendering context, and the
// bits each asks of the context.
#include "platform/rtl/typeinfo.h"

enum TContextOption {
    roDoubleBuffer,
    roStencilBuffer,
    roRenderToWindow,
    roTwoSideLighting,
    roStereo,
    roDestinationAlpha,
    roNoColorBuffer,
    roNoColorBufferClear,
    roNoSwapBuffers,
    roNoDepthBufferClear,
};
LT_ENUM_INFO(TContextOption, roDoubleBuffer, roStencilBuffer, roRenderToWindow, roTwoSideLighting, roStereo,
             roDestinationAlpha, roNoColorBuffer, roNoColorBufferClear, roNoSwapBuffers, roNoDepthBufferClear)
using TContextOptions = TSet<TContextOption>;

enum T3DDepthPrecision { dpDefault, dp16bits, dp24bits, dp32bits };
LT_ENUM_INFO(T3DDepthPrecision, dpDefault, dp16bits, dp24bits, dp32bits)

enum T3DColorDepth { cdDefault, cd8bits, cd16bits, cd24bits, cdFloat64bits, cdFloat128bits };
LT_ENUM_INFO(T3DColorDepth, cdDefault, cd8bits, cd16bits, cd24bits, cdFloat64bits, cdFloat128bits)

enum T3DShadeModel { smDefault, smSmooth, smFlat };
LT_ENUM_INFO(T3DShadeModel, smDefault, smSmooth, smFlat)

// 24 for the default; none without a colour buffer.
int ColorBitsFor(T3DColorDepth Depth, TContextOptions Options);
// 24 for the default.
int DepthBitsFor(T3DDepthPrecision Precision);
