#pragma once
// How OpenGL sizes the points of a points object with the distance from the
// eye: the size is divided by the square root of the attenuation's
// polynomial in that distance, clamped to MinSize .. MaxSize, and points
// thinner than the fade threshold fade out. Only when Enabled, and only where
// the implementation has point parameters.
//
// Stored descriptions hold the three sizes as the binary property
// "PointParams": 12 bytes, MinSize, MaxSize, FadeTresholdSize as
// little-endian floats, written only when they differ from 0, 128, 1.
#include <array>
#include <memory>

#include "scene3d/base/updateable.h"

class T3DCoordinates;

class T3DPointParameters : public T3DUpdateAbleObject {
    LT_CLASS(T3DPointParameters)
public:
    explicit T3DPointParameters(TPersistent* AOwner);
    ~T3DPointParameters() override;

    // The setters report a change only when the value differs.
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    float MinSize() const { return FSizes[0]; }
    void SetMinSize(float Value);
    float MaxSize() const { return FSizes[1]; }
    void SetMaxSize(float Value);
    float FadeTresholdSize() const { return FSizes[2]; }
    void SetFadeTresholdSize(float Value);
    // Constant, linear and quadratic factors; (1, 0, 0) keeps the size.
    T3DCoordinates* DistanceAttenuation() const { return FDistanceAttenuation.get(); }

    // A change also makes the owning object compile its list again.
    void NotifyChange(TObject* Sender) override;
    // "PointParams"; a block of another size than 12 bytes raises EReadError.
    void DefineProperties(TFiler& Filer) override;

    // When enabled and the implementation has point parameters: sends the
    // sizes and the attenuation before points are drawn, and the defaults
    // (0, 128, 1 and (1, 0, 0)) after them.
    void Apply() const;
    void UnApply() const;

private:
    bool FEnabled = false;
    std::array<float, 3> FSizes = {0, 128, 1};
    std::unique_ptr<T3DCoordinates> FDistanceAttenuation;
};
