#pragma once
// A textured rectangle that always faces the viewer: its corners come from
// the model-view matrix in force when it is drawn, so no turn of its
// parents shows. Sprites are never culled and never kept in display lists.
#include "scene3d/objects/customsceneobject.h"

class T3DSprite : public T3DSceneObject {
    LT_CLASS(T3DSprite)
public:
    explicit T3DSprite(TComponent* AOwner);

    // The size setters report a change only when the value differs.
    float Width() const { return FWidth; }
    void SetWidth(float Value);
    float Height() const { return FHeight; }
    void SetHeight(float Value);
    // Degrees, in the view plane.
    float Rotation() const { return FRotation; }
    void SetRotation(float Value);
    // A new value is clamped to 0 .. 1.
    float AlphaChannel() const { return FAlphaChannel; }
    void SetAlphaChannel(float Value);
    // These report a change always.
    bool NoZWrite() const { return FNoZWrite; }
    void SetNoZWrite(bool Value);
    bool MirrorU() const { return FMirrorU; }
    void SetMirrorU(bool Value);
    bool MirrorV() const { return FMirrorV; }
    void SetMirrorV(bool Value);

    // Size, rotation, alpha and NoZWrite of another sprite (not the mirror
    // flags), then the custom copy.
    void Assign(const TPersistent* Source) override;
    // (|Width| / 2, |Height| / 2, |Width| / 2).
    TVector GetHalfExtents() const override;
    // The quad of Width x Height facing the viewer.
    void CompileList(TRenderContextInfo& Rci) override;

private:
    float FWidth = 1;
    float FHeight = 1;
    float FRotation = 0;
    float FAlphaChannel = 1;
    bool FNoZWrite = false;
    bool FMirrorU = false;
    bool FMirrorV = false;
};
