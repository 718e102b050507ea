#include "scene3d/scene/fogenvironment.h"

#include "platform/rtl/classbuilder.h"
#include "scene3d/base/engineassert.h"
#include "scene3d/base/storechange.h"
#include "scene3d/geometry/vectorcompare.h"
#include "scene3d/opengl/glcapabilities.h"
#include "scene3d/opengl/openglapi.h"

LT_IMPLEMENT_CLASS(T3DFogEnvironment, T3DUpdateAbleObject)
{
    P.Property("FogColor", &T3DFogEnvironment::FogColor);
    P.Property("FogStart", &T3DFogEnvironment::FogStart, &T3DFogEnvironment::SetFogStart).DefaultFloat(10);
    P.Property("FogEnd", &T3DFogEnvironment::FogEnd, &T3DFogEnvironment::SetFogEnd).DefaultFloat(1000);
    P.Property("FogMode", &T3DFogEnvironment::FogMode, &T3DFogEnvironment::SetFogMode).Default(fmLinear);
    P.Property("FogDistance", &T3DFogEnvironment::FogDistance, &T3DFogEnvironment::SetFogDistance)
        .Default(fdDefault);
}

namespace {

constexpr float DefaultFogStart = 10;
constexpr float DefaultFogEnd = 1000;

// The distance mode of the first context fog was applied to, read before
// anything changed it; 0 until then.
GLint DefaultDistanceMode = 0;

GLint GLFogMode(TFogMode Mode)
{
    switch (Mode) {
    case fmLinear:
        return GL_LINEAR;
    case fmExp:
        return GL_EXP;
    case fmExp2:
        return GL_EXP2;
    }
    EngineAssert(false);
    return 0;
}

GLint DistanceModeOf(TFogDistance Distance)
{
    if (DefaultDistanceMode == 0)
        GL.glGetIntegerv(GL_FOG_DISTANCE_MODE_NV, &DefaultDistanceMode);
    switch (Distance) {
    case fdDefault:
        return DefaultDistanceMode;
    case fdEyeRadial:
        return GL_EYE_RADIAL_NV;
    case fdEyePlane:
        return GL_EYE_PLANE_ABSOLUTE_NV;
    }
    EngineAssert(false);
    return 0;
}

} // namespace

T3DFogEnvironment::T3DFogEnvironment(TPersistent* AOwner)
    : T3DUpdateAbleObject(AOwner), FFogColor(std::make_unique<T3DColor>(this))
{
}

template <class T>
void T3DFogEnvironment::StoreSetting(T& Field, T Value)
{
    if (StoreChange(Field, Value))
        NotifyChange(this);
}

void T3DFogEnvironment::SetFogColor(const T3DColor* Value)
{
    if (Value)
        FFogColor->Assign(Value);
}

void T3DFogEnvironment::SetFogStart(float Value)
{
    StoreSetting(FFogStart, Value);
}

void T3DFogEnvironment::SetFogEnd(float Value)
{
    StoreSetting(FFogEnd, Value);
}

void T3DFogEnvironment::SetFogMode(TFogMode Value)
{
    StoreSetting(FFogMode, Value);
}

void T3DFogEnvironment::SetFogDistance(TFogDistance Value)
{
    StoreSetting(FFogDistance, Value);
}

void T3DFogEnvironment::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const T3DFogEnvironment*>(Source);
    if (!source) {
        T3DUpdateAbleObject::Assign(Source);
        return;
    }
    FFogColor->SetColorSilently(source->FFogColor->Color());
    FFogStart = source->FFogStart;
    FFogEnd = source->FFogEnd;
    FFogMode = source->FFogMode;
    FFogDistance = source->FFogDistance;
    NotifyChange(this);
}

bool T3DFogEnvironment::IsAtDefaults() const
{
    return VectorEquals(FFogColor->Color(), ColorBlack) && FFogStart == DefaultFogStart &&
           FFogEnd == DefaultFogEnd && FFogMode == fmLinear && FFogDistance == fdDefault;
}

void T3DFogEnvironment::ApplyFog() const
{
    GL.glFogi(GL_FOG_MODE, GLFogMode(FFogMode));
    if (FFogMode != fmLinear)
        GL.glFogf(GL_FOG_DENSITY, FFogColor->Alpha());
    GL.glFogfv(GL_FOG_COLOR, &FFogColor->Color().X);
    GL.glFogf(GL_FOG_START, FFogStart);
    GL.glFogf(GL_FOG_END, FFogEnd);
    if (GLCaps.NV_fog_distance)
        GL.glFogi(GL_FOG_DISTANCE_MODE_NV, DistanceModeOf(FFogDistance));
}
