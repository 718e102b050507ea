#include "scene3d/materials/faceproperties.h"

#include <string>

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/exceptions.h"
#include "scene3d/base/engineassert.h"
#include "scene3d/opengl/openglapi.h"
#include "scene3d/render/rendercontextinfo.h"
#include "scene3d/state/statecache.h"

LT_IMPLEMENT_CLASS(T3DFaceProperties, T3DUpdateAbleObject)
{
    P.Property("Ambient", &T3DFaceProperties::Ambient);
    P.Property("Diffuse", &T3DFaceProperties::Diffuse);
    P.Property("Emission", &T3DFaceProperties::Emission);
    P.Property("Shininess", &T3DFaceProperties::Shininess, &T3DFaceProperties::SetShininess).Default(0);
    P.Property("PolygonMode", &T3DFaceProperties::PolygonMode, &T3DFaceProperties::SetPolygonMode).Default(pmFill);
    P.Property("Specular", &T3DFaceProperties::Specular);
}

GLenum GLPolygonMode(TPolygonMode Mode)
{
    switch (Mode) {
    case pmFill:
        return GL_FILL;
    case pmLines:
        return GL_LINE;
    case pmPoints:
        return GL_POINT;
    }
    EngineAssert(false);
    return GL_FILL;
}

T3DFaceProperties::T3DFaceProperties(TPersistent* AOwner)
    : T3DUpdateAbleObject(AOwner),
      FAmbient(std::make_unique<T3DColor>(this, ColorAmbientGrey, nullptr)),
      FDiffuse(std::make_unique<T3DColor>(this, ColorDiffuseGrey, nullptr)),
      FEmission(std::make_unique<T3DColor>(this)),
      FSpecular(std::make_unique<T3DColor>(this))
{
}

T3DFaceProperties::~T3DFaceProperties() = default;

void T3DFaceProperties::SetOwnColor(T3DColor& Own, const T3DColor& Value)
{
    Own.SetColorSilently(Value.Color());
    NotifyChange(this);
}

void T3DFaceProperties::SetShininess(int Value)
{
    if (Value < 0 || Value > MaxShininess)
        throw ERangeError("Shininess " + std::to_string(Value) + " is out of range 0.." +
                          std::to_string(MaxShininess));
    if (Value == FShininess)
        return;
    FShininess = Value;
    NotifyChange(this);
}

void T3DFaceProperties::SetPolygonMode(TPolygonMode Value)
{
    if (Value == FPolygonMode)
        return;
    FPolygonMode = Value;
    NotifyChange(this);
}

void T3DFaceProperties::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const T3DFaceProperties*>(Source);
    if (!source || source == this)
        return;
    FAmbient->SetColorSilently(source->FAmbient->Color());
    FDiffuse->SetColorSilently(source->FDiffuse->Color());
    FSpecular->SetColorSilently(source->FSpecular->Color());
    FShininess = source->FShininess;
    FPolygonMode = source->FPolygonMode;
    FEmission->SetColorSilently(source->FEmission->Color());
    NotifyChange(this);
}

void T3DFaceProperties::ApplyLit(TRenderContextInfo& Rci, GLenum Face) const
{
    Rci.StateCache->SetMaterialColors(Face, FEmission->Color(), FAmbient->Color(), FDiffuse->Color(),
                                      FSpecular->Color(), FShininess);
    Rci.StateCache->SetPolygonMode(Face, GLPolygonMode(FPolygonMode));
}

void T3DFaceProperties::ApplyUnlit(TRenderContextInfo& Rci, GLenum Face) const
{
    GL.glColor4fv(&FDiffuse->Color().X);
    Rci.StateCache->SetPolygonMode(Face, GLPolygonMode(FPolygonMode));
}
