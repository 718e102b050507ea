// Applying a material to a render pass and reverting it.
#include "scene3d/base/engineassert.h"
#include "scene3d/materials/libmaterial.h"
#include "scene3d/materials/material.h"
#include "scene3d/opengl/openglapi.h"
#include "scene3d/render/rendercontextinfo.h"
#include "scene3d/state/statecache.h"
#include "scene3d/textures/texture.h"
#include "scene3d/textures/textureex.h"

namespace {

// Switches State off for a material and counts it when it was on, or when
// an outer material holds it off already (Count above 0). A state off for
// another reason is not counted.
void SwitchOff(T3DStateCache& Cache, TCachedCapability State, int& Count)
{
    if (Cache.IsEnabled(State)) {
        Cache.Disable(State);
        ++Count;
    } else if (Count > 0) {
        ++Count;
    }
}

// Undoes one counted SwitchOff; the last one switches State on again.
void SwitchBackOn(T3DStateCache& Cache, TCachedCapability State, int& Count)
{
    if (Count <= 0)
        return;
    if (--Count == 0)
        Cache.Enable(State);
}

} // namespace

bool T3DMaterial::TextureTakesMainUnit() const
{
    return FTexture && !(FTextureEx && FTextureEx->IsTextureEnabled(0));
}

void T3DMaterial::Apply(TRenderContextInfo& Rci)
{
    if (FLibMaterial) {
        FLibMaterial->Apply(Rci);
        return;
    }
    T3DStateCache& cache = *Rci.StateCache;
    if (FMaterialOptions.Contains(moNoLighting))
        SwitchOff(cache, ccLighting, Rci.LightingOffCount);
    if (cache.IsEnabled(ccLighting))
        FFrontProperties->ApplyLit(Rci, GL_FRONT);
    else
        FFrontProperties->ApplyUnlit(Rci, GL_FRONT);
    ApplyFaceCulling(Rci);
    if (!Rci.BlendingForbidden)
        ApplyBlending(Rci);
    if (FMaterialOptions.Contains(moIgnoreFog))
        SwitchOff(cache, ccFog, Rci.FogOffCount);
    if (TextureTakesMainUnit())
        FTexture->Apply(Rci);
    else if (FTextureEx)
        FTextureEx->Apply(Rci);
}

// The back properties are lit whatever the lighting state.
void T3DMaterial::ApplyFaceCulling(TRenderContextInfo& Rci)
{
    T3DStateCache& cache = *Rci.StateCache;
    bool applyBack = false;
    if (cache.IsEnabled(ccCullFace)) {
        switch (FFaceCulling) {
        case fcBufferDefault:
            if (!Rci.BufferFaceCulling) {
                cache.Disable(ccCullFace);
                applyBack = true;
            }
            break;
        case fcCull:
            break;
        case fcNoCull:
            cache.Disable(ccCullFace);
            applyBack = true;
            break;
        default:
            EngineAssert(false);
        }
    } else {
        switch (FFaceCulling) {
        case fcBufferDefault:
            if (Rci.BufferFaceCulling)
                cache.Enable(ccCullFace);
            else
                applyBack = true;
            break;
        case fcCull:
            cache.Enable(ccCullFace);
            break;
        case fcNoCull:
            applyBack = true;
            break;
        default:
            EngineAssert(false);
        }
    }
    if (applyBack)
        BackProperties()->ApplyLit(Rci, GL_BACK);
}

// Blended modes keep the pass's alpha function (fragments with alpha above
// 0), so fully transparent texels are dropped.
void T3DMaterial::ApplyBlending(TRenderContextInfo& Rci) const
{
    T3DStateCache& cache = *Rci.StateCache;
    switch (FBlendingMode) {
    case bmOpaque:
        cache.Disable(ccBlend);
        cache.Disable(ccAlphaTest);
        break;
    case bmTransparency:
        cache.Enable(ccBlend);
        cache.Enable(ccAlphaTest);
        GL.glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        break;
    case bmAdditive:
        cache.Enable(ccBlend);
        cache.Enable(ccAlphaTest);
        GL.glBlendFunc(GL_SRC_ALPHA, GL_ONE);
        break;
    case bmAlphaTest50:
        cache.Disable(ccBlend);
        cache.Enable(ccAlphaTest);
        GL.glAlphaFunc(GL_GEQUAL, 0.5f);
        break;
    case bmAlphaTest100:
        cache.Disable(ccBlend);
        cache.Enable(ccAlphaTest);
        GL.glAlphaFunc(GL_GEQUAL, 1.0f);
        break;
    case bmModulate:
        cache.Enable(ccBlend);
        cache.Enable(ccAlphaTest);
        GL.glBlendFunc(GL_DST_COLOR, GL_ZERO);
        break;
    default:
        EngineAssert(false);
    }
}

bool T3DMaterial::Revert(TRenderContextInfo& Rci)
{
    if (FLibMaterial)
        return FLibMaterial->UnApply(Rci);
    T3DStateCache& cache = *Rci.StateCache;
    if (FBlendingMode == bmAlphaTest50 || FBlendingMode == bmAlphaTest100)
        GL.glAlphaFunc(GL_GREATER, 0);
    if (FMaterialOptions.Contains(moNoLighting))
        SwitchBackOn(cache, ccLighting, Rci.LightingOffCount);
    if (FMaterialOptions.Contains(moIgnoreFog))
        SwitchBackOn(cache, ccFog, Rci.FogOffCount);
    if (TextureTakesMainUnit() && !FTexture->Disabled())
        FTexture->Revert(Rci);
    else if (FTextureEx)
        FTextureEx->Revert(Rci);
    return false;
}
