#include "scene3d/objects/quadricobject.h"

#include "platform/rtl/classbuilder.h"
#include "scene3d/base/storechange.h"
#include "scene3d/opengl/openglapi.h"

LT_IMPLEMENT_CLASS(T3DQuadricObject, T3DSceneObject) {}

void T3DQuadricObject::SetNormals(TNormalSmoothing Value)
{
    if (StoreChange(FNormals, Value))
        ListInvalidated();
}

void T3DQuadricObject::SetNormalDirection(TNormalDirection Value)
{
    if (StoreChange(FNormalDirection, Value))
        ListInvalidated();
}

void T3DQuadricObject::SendNormal(const TAffineVector& N) const
{
    if (FNormals == nsNone)
        return;
    if (FacesInside())
        GL.glNormal3f(-N.X, -N.Y, -N.Z);
    else
        GL.glNormal3f(N.X, N.Y, N.Z);
}
