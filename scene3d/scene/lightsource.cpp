#include "scene3d/scene/lightsource.h"

#include "platform/rtl/classbuilder.h"
#include "scene3d/base/storechange.h"
#include "scene3d/scene/scene.h"

LT_IMPLEMENT_CLASS(T3DLightSource, T3DBaseSceneObject)
{
    P.Property("Position", &T3DLightSource::Position);
    P.Property("Ambient", &T3DLightSource::Ambient);
    P.Property("Diffuse", &T3DLightSource::Diffuse);
    P.Property("Specular", &T3DLightSource::Specular);
    P.Property("ConstAttenuation", &T3DLightSource::ConstAttenuation, &T3DLightSource::SetConstAttenuation)
        .DefaultFloat(1);
    P.Property("LinearAttenuation", &T3DLightSource::LinearAttenuation, &T3DLightSource::SetLinearAttenuation);
    P.Property("QuadraticAttenuation", &T3DLightSource::QuadraticAttenuation,
               &T3DLightSource::SetQuadraticAttenuation);
    P.Property("LightStyle", &T3DLightSource::LightStyle, &T3DLightSource::SetLightStyle).Default(lsSpot);
    P.Property("Shining", &T3DLightSource::Shining, &T3DLightSource::SetShining).Default(1);
    P.Property("SpotCutOff", &T3DLightSource::SpotCutOff, &T3DLightSource::SetSpotCutOff).DefaultFloat(180);
    P.Property("SpotDirection", &T3DLightSource::SpotDirection);
    P.Property("SpotExponent", &T3DLightSource::SpotExponent, &T3DLightSource::SetSpotExponent);
    P.Property("OnProgress", &T3DLightSource::OnProgress, &T3DLightSource::SetOnProgress);
}

T3DLightSource::T3DLightSource(TComponent* AOwner)
    : T3DBaseSceneObject(AOwner),
      FAmbient(std::make_unique<T3DColor>(this)),
      FDiffuse(std::make_unique<T3DColor>(this)),
      FSpecular(std::make_unique<T3DColor>(this)),
      FSpotDirection(std::make_unique<T3DCoordinates>(this, TVector{0, 0, -1, 0}, csVector))
{
    FDiffuse->SetColorSilently({1, 1, 1, 1});
}

GLenum T3DLightSource::LightID() const
{
    const int slot = Scene() ? Scene()->LightSlotOf(this) : -1;
    return slot < 0 ? 0 : static_cast<GLenum>(GL_LIGHT0 + slot);
}

template <class T>
void T3DLightSource::StoreSetting(T& Field, T Value)
{
    if (StoreChange(Field, Value))
        NotifyChange(this);
}

void T3DLightSource::SetAmbient(const T3DColor* Value)
{
    FAmbient->Assign(Value);
}

void T3DLightSource::SetDiffuse(const T3DColor* Value)
{
    FDiffuse->Assign(Value);
}

void T3DLightSource::SetSpecular(const T3DColor* Value)
{
    FSpecular->Assign(Value);
}

void T3DLightSource::SetConstAttenuation(float Value)
{
    StoreSetting(FConstAttenuation, Value);
}

void T3DLightSource::SetLinearAttenuation(float Value)
{
    StoreSetting(FLinearAttenuation, Value);
}

void T3DLightSource::SetQuadraticAttenuation(float Value)
{
    StoreSetting(FQuadraticAttenuation, Value);
}

void T3DLightSource::SetLightStyle(TLightStyle Value)
{
    StoreSetting(FLightStyle, Value);
}

void T3DLightSource::SetShining(bool Value)
{
    StoreSetting(FShining, Value);
}

void T3DLightSource::SetSpotCutOff(float Value)
{
    if ((Value >= 0 && Value <= 90) || Value == 180)
        StoreSetting(FSpotCutOff, Value);
}

void T3DLightSource::SetSpotDirection(const T3DCoordinates* Value)
{
    FSpotDirection->AssignVector(Value->X(), Value->Y(), Value->Z());
    NotifyChange(this);
}

void T3DLightSource::SetSpotExponent(float Value)
{
    StoreSetting(FSpotExponent, Value);
}

void T3DLightSource::DrawObject(TRenderContextInfo& Rci, bool, bool RenderChildren)
{
    if (RenderChildren)
        DrawChildren(0, GetChildCount() - 1, Rci);
}

bool T3DLightSource::IntersectRay(const TVector&, const TVector&, TVector*, TVector*) const
{
    return false;
}

std::unique_ptr<T3DSilhouette> T3DLightSource::BuildSilhouette(const TSilhouetteParameters&) const
{
    return nullptr;
}
