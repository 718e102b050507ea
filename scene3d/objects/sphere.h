#pragma once
// A sphere, or a part of one: Slices segments around the vertical axis from
// Start to Stop degrees of longitude, Stacks bands from Top down to Bottom
// degrees of latitude, centred at the origin with +Y up. Where the latitude
// limits cut it, a cap may close it: a cone to the centre or a flat disc.
#include "scene3d/objects/quadricobject.h"

enum TCapType : int { ctNone, ctCenter, ctFlat };
LT_ENUM_INFO(TCapType, ctNone, ctCenter, ctFlat)

class T3DSphere : public T3DQuadricObject {
    LT_CLASS(T3DSphere)
public:
    explicit T3DSphere(TComponent* AOwner);

    // Every setter rebuilds the geometry when the value changes.
    float Radius() const { return FRadius; }
    void SetRadius(float Value);
    // At least 1: a smaller count stores 1.
    int Slices() const { return FSlices; }
    void SetSlices(int Value);
    int Stacks() const { return FStacks; }
    void SetStacks(int Value);
    // Degrees of latitude, -90 .. 90; another value is an assertion failure.
    float Top() const { return FTop; }
    void SetTop(float Value);
    float Bottom() const { return FBottom; }
    void SetBottom(float Value);
    // Degrees of longitude, 0 .. 360; another value is an assertion failure.
    float Start() const { return FStart; }
    void SetStart(float Value);
    float Stop() const { return FStop; }
    void SetStop(float Value);
    // Drawn only where Top or Bottom cuts the sphere short of its pole.
    TCapType TopCap() const { return FTopCap; }
    void SetTopCap(TCapType Value);
    TCapType BottomCap() const { return FBottomCap; }
    void SetBottomCap(TCapType Value);

    // |Radius| on each axis.
    TVector GetHalfExtents() const override;
    // The bands, then the caps, with texture coordinates running from 0 to 1
    // from Start to Stop and from Bottom to Top.
    void CompileList(TRenderContextInfo& Rci) override;

private:
    void DrawBands() const;
    void DrawCap(double Latitude, TCapType Cap, bool Upper) const;

    float FRadius = 0.5f;
    int FSlices = 16;
    int FStacks = 16;
    float FTop = 90;
    float FBottom = -90;
    float FStart = 0;
    float FStop = 360;
    TCapType FTopCap = ctNone;
    TCapType FBottomCap = ctNone;
};
