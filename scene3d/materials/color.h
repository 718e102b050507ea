#pragma once
// A colour of the scene engine (red, green, blue, alpha as floats, nominally
// 0..1) that reports its changes to its owner. A scene object that owns a
// colour compiles its display list again before it hears of the change.
//
// Stored descriptions hold the colour as the binary property "Color": 16
// bytes, red, green, blue, alpha as little-endian floats, always written.
#include "scene3d/base/updateable.h"
#include "scene3d/geometry/vectortypes.h"

inline constexpr TVector ColorBlack = {0, 0, 0, 1};
inline constexpr TVector ColorAmbientGrey = {0.2f, 0.2f, 0.2f, 1};
inline constexpr TVector ColorDiffuseGrey = {0.8f, 0.8f, 0.8f, 1};
inline constexpr TVector ColorTransparentBlack = {0, 0, 0, 0};

class T3DColor : public T3DUpdateAbleObject {
    LT_CLASS(T3DColor)
public:
    // Black.
    explicit T3DColor(TPersistent* AOwner);
    // Color, with OnChange set to OnChange.
    T3DColor(TPersistent* AOwner, const TVector& Color, TNotifyEvent OnChange);

    const TVector& Color() const { return FColor; }
    // Stores the colour and reports a change, also when it is the same.
    void SetColor(const TVector& Value);
    // Stores the colour without reporting.
    void SetColorSilently(const TVector& Value) { FColor = Value; }

    float Red() const { return FColor.X; }
    float Green() const { return FColor.Y; }
    float Blue() const { return FColor.Z; }
    float Alpha() const { return FColor.W; }
    void SetRed(float Value) { SetComponent(0, Value); }
    void SetGreen(float Value) { SetComponent(1, Value); }
    void SetBlue(float Value) { SetComponent(2, Value); }
    void SetAlpha(float Value) { SetComponent(3, Value); }
    // Component Index (0..3: red, green, blue, alpha); reports a change only
    // when the value differs.
    void SetComponent(int Index, float Value);

    // Without an owner nothing happens, not even OnChange. An owner that
    // keeps a display list hears ListInvalidated first; then the change goes
    // the common way.
    void NotifyChange(TObject* Sender) override;
    // From another colour: its four components, reported as a change.
    void Assign(const TPersistent* Source) override;
    // "Color"; a block of another size than 16 bytes raises EReadError.
    void DefineProperties(TFiler& Filer) override;

private:
    TVector FColor;
};
