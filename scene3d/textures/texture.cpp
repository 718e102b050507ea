#include "scene3d/textures/texture.h"

#include "platform/rtl/classbuilder.h"
#include "scene3d/opengl/multitexgl.h"
#include "scene3d/render/rendercontextinfo.h"
#include "scene3d/state/statecache.h"

LT_IMPLEMENT_CLASS(T3DTexture, T3DUpdateAbleObject) {}

void T3DTexture::Apply(TRenderContextInfo& Rci) const
{
    Rci.StateCache->Disable(ccTexture2D);
    Rci.StateCache->Disable(ccTextureRect);
    SetTexCoordMain();
}

void T3DTexture::Assign(const TPersistent* Source)
{
    if (!dynamic_cast<const T3DTexture*>(Source))
        T3DUpdateAbleObject::Assign(Source);
}
