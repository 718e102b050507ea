#include "scene3d/objects/pointparameters.h"

#include "platform/rtl/classbuilder.h"
#include "scene3d/base/coordinates.h"
#include "scene3d/base/displaylistowner.h"
#include "scene3d/base/storechange.h"
#include "scene3d/base/vectorblock.h"
#include "scene3d/opengl/glcapabilities.h"
#include "scene3d/opengl/openglapi.h"

LT_IMPLEMENT_CLASS(T3DPointParameters, T3DUpdateAbleObject)
{
    P.Property("Enabled", &T3DPointParameters::Enabled, &T3DPointParameters::SetEnabled).Default(0);
    P.Property("MinSize", &T3DPointParameters::MinSize, &T3DPointParameters::SetMinSize)
        .StoredIf(StoredInVectorBlock);
    P.Property("MaxSize", &T3DPointParameters::MaxSize, &T3DPointParameters::SetMaxSize)
        .StoredIf(StoredInVectorBlock);
    P.Property("FadeTresholdSize", &T3DPointParameters::FadeTresholdSize, &T3DPointParameters::SetFadeTresholdSize)
        .StoredIf(StoredInVectorBlock);
    P.Property("DistanceAttenuation", &T3DPointParameters::DistanceAttenuation);
}

namespace {

constexpr std::array<float, 3> DefaultSizes = {0, 128, 1};
constexpr TVector NoAttenuation = {1, 0, 0, 0};

void SendPointParameters(const std::array<float, 3>& Sizes, const TVector& Attenuation)
{
    GL.glPointParameterfARB(GL_POINT_SIZE_MIN_ARB, Sizes[0]);
    GL.glPointParameterfARB(GL_POINT_SIZE_MAX_ARB, Sizes[1]);
    GL.glPointParameterfARB(GL_POINT_FADE_THRESHOLD_SIZE_ARB, Sizes[2]);
    GL.glPointParameterfvARB(GL_POINT_DISTANCE_ATTENUATION_ARB, &Attenuation.X);
}

} // namespace

T3DPointParameters::T3DPointParameters(TPersistent* AOwner)
    : T3DUpdateAbleObject(AOwner), FDistanceAttenuation(std::make_unique<T3DCoordinates>(this, NoAttenuation, csVector))
{
}

T3DPointParameters::~T3DPointParameters() = default;

void T3DPointParameters::SetEnabled(bool Value)
{
    if (StoreChange(FEnabled, Value))
        NotifyChange(this);
}

void T3DPointParameters::SetMinSize(float Value)
{
    if (StoreChange(FSizes[0], Value))
        NotifyChange(this);
}

void T3DPointParameters::SetMaxSize(float Value)
{
    if (StoreChange(FSizes[1], Value))
        NotifyChange(this);
}

void T3DPointParameters::SetFadeTresholdSize(float Value)
{
    if (StoreChange(FSizes[2], Value))
        NotifyChange(this);
}

void T3DPointParameters::NotifyChange(TObject* Sender)
{
    if (Updating() == 0)
        if (auto* owner = Supports<IDisplayListOwner>(Owner()))
            owner->ListInvalidated();
    T3DUpdateAbleObject::NotifyChange(Sender);
}

void T3DPointParameters::DefineProperties(TFiler& Filer)
{
    T3DUpdateAbleObject::DefineProperties(Filer);
    DefineFloatBlock(Filer, "PointParams", FSizes, FSizes != DefaultSizes);
}

void T3DPointParameters::Apply() const
{
    if (FEnabled && GLCaps.ARB_point_parameters)
        SendPointParameters(FSizes, FDistanceAttenuation->AsVector());
}

void T3DPointParameters::UnApply() const
{
    if (FEnabled && GLCaps.ARB_point_parameters)
        SendPointParameters(DefaultSizes, NoAttenuation);
}
