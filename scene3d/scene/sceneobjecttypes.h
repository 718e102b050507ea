#pragma once
// The small types of the scene tree: object styles, change flags, the
// sorting and culling modes and the progress event.
#include <functional>

#include "platform/rtl/component.h"

// How an object is drawn.
enum TSceneObjectStyleFlag {
    // Drawn by its build routine every frame, not through a display list.
    sfDirectDraw,
    // Drawing changes colours or face winding: the state cache is reset after it.
    sfAltersColorsOrWinding,
    // Depth testing is off while the object itself is drawn.
    sfIgnoreDepthBuffer,
    // Never culled.
    sfNoVisibilityCulling
};
using TSceneObjectStyleFlags = TSet<TSceneObjectStyleFlag>;

// What of an object is stale.
enum TSceneObjectChange {
    ocLocalMatrix,
    ocAbsoluteMatrix,
    ocInverseMatrix,
    // The display list must be rebuilt.
    ocStructure
};
using TSceneObjectChanges = TSet<TSceneObjectChange>;

// The order in which an object's children are drawn: as the drawing object
// above says; in list order; farthest from the camera first; opaque ones
// in list order, then blended ones farthest first; nearest first. Both
// modes take any int, so that a pass can refuse a value outside them.
enum T3DObjectsSorting : int { osInherited, osNone, osRenderFarthestFirst, osRenderBlendedLast, osRenderNearestFirst };
LT_ENUM_INFO(T3DObjectsSorting, osInherited, osNone, osRenderFarthestFirst, osRenderBlendedLast,
             osRenderNearestFirst)

// Which objects are left out of a frame because they lie outside the view.
enum T3DVisibilityCulling : int { vcInherited, vcNone, vcObjectBased, vcHierarchical };
LT_ENUM_INFO(T3DVisibilityCulling, vcInherited, vcNone, vcObjectBased, vcHierarchical)

// Sender, the time passed since the previous step and the new time, in seconds.
using T3DProgressEvent = std::function<void(TObject* Sender, double DeltaTime, double NewTime)>;
