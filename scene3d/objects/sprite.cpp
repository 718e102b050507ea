#include "scene3d/objects/sprite.h"

#include <algorithm>
#include <cmath>

#include "platform/rtl/classbuilder.h"
#include "scene3d/base/storechange.h"
#include "scene3d/geometry/vectorgeometry.h"
#include "scene3d/materials/material.h"
#include "scene3d/opengl/multitexgl.h"
#include "scene3d/opengl/openglapi.h"
#include "scene3d/render/rendercontextinfo.h"
#include "scene3d/scene/publishsceneobject.h"
#include "scene3d/state/statecache.h"

LT_IMPLEMENT_CLASS(T3DSprite, T3DSceneObject)
{
    PublishSceneObjectProperties(P);
    P.Property("Hint", &T3DSprite::Hint, &T3DSprite::SetHint);
    P.Property("Material", &T3DSprite::Material);
    P.Property("Width", &T3DSprite::Width, &T3DSprite::SetWidth).DefaultFloat(1);
    P.Property("Height", &T3DSprite::Height, &T3DSprite::SetHeight).DefaultFloat(1);
    P.Property("Rotation", &T3DSprite::Rotation, &T3DSprite::SetRotation).DefaultFloat(0);
    P.Property("AlphaChannel", &T3DSprite::AlphaChannel, &T3DSprite::SetAlphaChannel).DefaultFloat(1);
    P.Property("NoZWrite", &T3DSprite::NoZWrite, &T3DSprite::SetNoZWrite).Default(0);
    P.Property("MirrorU", &T3DSprite::MirrorU, &T3DSprite::SetMirrorU).Default(0);
    P.Property("MirrorV", &T3DSprite::MirrorV, &T3DSprite::SetMirrorV).Default(0);
}

namespace {

// Axis of M's upper 3 x 3 block (column-major), unit length times Length.
TAffineVector ScaledAxis(const GLfloat* M, int Row, float Length)
{
    return VectorScale(VectorNormalize(TAffineVector{M[Row], M[Row + 4], M[Row + 8]}), Length);
}

} // namespace

T3DSprite::T3DSprite(TComponent* AOwner) : T3DSceneObject(AOwner)
{
    SetObjectStyle({sfDirectDraw, sfNoVisibilityCulling});
}

void T3DSprite::SetWidth(float Value)
{
    if (StoreChange(FWidth, Value))
        NotifyChange(this);
}

void T3DSprite::SetHeight(float Value)
{
    if (StoreChange(FHeight, Value))
        NotifyChange(this);
}

void T3DSprite::SetRotation(float Value)
{
    if (StoreChange(FRotation, Value))
        NotifyChange(this);
}

void T3DSprite::SetAlphaChannel(float Value)
{
    if (Value == FAlphaChannel)
        return;
    FAlphaChannel = std::clamp(Value, 0.0f, 1.0f);
    NotifyChange(this);
}

void T3DSprite::SetNoZWrite(bool Value)
{
    FNoZWrite = Value;
    NotifyChange(this);
}

void T3DSprite::SetMirrorU(bool Value)
{
    FMirrorU = Value;
    NotifyChange(this);
}

void T3DSprite::SetMirrorV(bool Value)
{
    FMirrorV = Value;
    NotifyChange(this);
}

void T3DSprite::Assign(const TPersistent* Source)
{
    if (const auto* source = dynamic_cast<const T3DSprite*>(Source)) {
        FWidth = source->FWidth;
        FHeight = source->FHeight;
        FRotation = source->FRotation;
        FAlphaChannel = source->FAlphaChannel;
        FNoZWrite = source->FNoZWrite;
    }
    T3DSceneObject::Assign(Source);
}

TVector T3DSprite::GetHalfExtents() const
{
    const float halfWidth = std::abs(FWidth) / 2;
    return {halfWidth, std::abs(FHeight) / 2, halfWidth, 0};
}

void T3DSprite::CompileList(TRenderContextInfo& Rci)
{
    if (FAlphaChannel != 1)
        Rci.StateCache->SetMaterialAlpha(GL_FRONT, FAlphaChannel);
    if (FNoZWrite)
        GL.glDepthMask(GL_FALSE);
    GLfloat m[16];
    GL.glGetFloatv(GL_MODELVIEW_MATRIX, m);
    const TAffineVector right = ScaledAxis(m, 0, FWidth / 2);
    const TAffineVector up = ScaledAxis(m, 1, FHeight / 2);
    const bool rotated = FRotation != 0;
    if (rotated) {
        GL.glPushMatrix();
        GL.glRotatef(FRotation, m[2], m[6], m[10]);
    }
    const float uHigh = FMirrorU ? 0.0f : 1.0f;
    const float vHigh = FMirrorV ? 0.0f : 1.0f;
    const float uLow = 1 - uHigh;
    const float vLow = 1 - vHigh;
    const auto corner = [](float U, float V, const TAffineVector& P) {
        MultiTexGL.TexCoord2f(U, V);
        GL.glVertex3f(P.X, P.Y, P.Z);
    };
    GL.glBegin(GL_QUADS);
    corner(uHigh, vHigh, VectorAdd(right, up));
    corner(uLow, vHigh, VectorSubtract(up, right));
    corner(uLow, vLow, VectorNegate(VectorAdd(right, up)));
    corner(uHigh, vLow, VectorSubtract(right, up));
    GL.glEnd();
    if (rotated)
        GL.glPopMatrix();
    if (FNoZWrite)
        GL.glDepthMask(GL_TRUE);
}
