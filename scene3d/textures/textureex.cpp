#include "scene3d/textures/textureex.h"

#include "platform/rtl/classbuilder.h"

LT_IMPLEMENT_CLASS(T3DTextureEx, T3DUpdateAbleObject) {}

void T3DTextureEx::Assign(const TPersistent* Source)
{
    if (!dynamic_cast<const T3DTextureEx*>(Source))
        T3DUpdateAbleObject::Assign(Source);
}
