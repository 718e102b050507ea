#pragma once
// The fog of a scene buffer: its colour (whose alpha is the density of the
// exponential modes), where linear fog starts and ends, how it thickens,
// and how the distance to a point is measured. Changes are reported to the
// buffer, which repaints.
#include <memory>

#include "scene3d/base/updateable.h"
#include "scene3d/materials/color.h"

enum TFogMode { fmLinear, fmExp, fmExp2 };
LT_ENUM_INFO(TFogMode, fmLinear, fmExp, fmExp2)

// The distance as OpenGL measures it by default, the distance from the eye,
// or the distance from the eye's plane.
enum TFogDistance { fdDefault, fdEyeRadial, fdEyePlane };
LT_ENUM_INFO(TFogDistance, fdDefault, fdEyeRadial, fdEyePlane)

class T3DFogEnvironment : public T3DUpdateAbleObject {
    LT_CLASS(T3DFogEnvironment)
public:
    // Black fog, linear from 10 to 1000, distances measured as by default.
    explicit T3DFogEnvironment(TPersistent* AOwner);

    T3DColor* FogColor() const { return FFogColor.get(); }
    // The colour values of Value; nullptr is ignored.
    void SetFogColor(const T3DColor* Value);
    float FogStart() const { return FFogStart; }
    void SetFogStart(float Value);
    float FogEnd() const { return FFogEnd; }
    void SetFogEnd(float Value);
    TFogMode FogMode() const { return FFogMode; }
    void SetFogMode(TFogMode Value);
    TFogDistance FogDistance() const { return FFogDistance; }
    void SetFogDistance(TFogDistance Value);

    // From another fog environment: all five settings, one change reported.
    // Anything else raises the platform's assignment error.
    void Assign(const TPersistent* Source) override;
    // Every setting as a new environment has it.
    bool IsAtDefaults() const;

    // Sends the settings to the current context. The distance mode is sent
    // only where GL_NV_fog_distance is offered; fdDefault sends the mode
    // the context had when fog was first applied in the process.
    void ApplyFog() const;

private:
    template <class T>
    void StoreSetting(T& Field, T Value);

    std::unique_ptr<T3DColor> FFogColor;
    float FFogStart = 10;
    float FFogEnd = 1000;
    TFogMode FFogMode = fmLinear;
    TFogDistance FFogDistance = fdDefault;
};
