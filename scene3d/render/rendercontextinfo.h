#pragma once
// The record one render pass hands to everything it draws: the state cache
// of the buffer drawn into and what the pass asks of materials.
#include <optional>

#include "scene3d/geometry/geometryconstants.h"
#include "scene3d/geometry/vectortypes.h"

class T3DStateCache;

struct TRenderContextInfo {
    // The buffer's OpenGL state cache.
    T3DStateCache* StateCache = nullptr;
    // How many applied materials hold lighting (fog) switched off; the
    // outermost one switches it on again when it reverts.
    int LightingOffCount = 0;
    int FogOffCount = 0;
    // The buffer culls back faces unless a material says otherwise.
    bool BufferFaceCulling = false;
    // Materials leave the blending and alpha-test state alone.
    bool BlendingForbidden = false;

    // What cube-map textures turn with: the model-view matrix of the object
    // drawn, the camera's direction and up vector, and the absolute matrix
    // of the scene's first light when it has one.
    TMatrix ModelViewMatrix = IdentityHmgMatrix;
    TVector CameraDirection = {0, 0, -1, 0};
    TVector CameraUp = {0, 1, 0, 0};
    std::optional<TMatrix> FirstLightMatrix;
};
