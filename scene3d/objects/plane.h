#pragma once
// A flat rectangle of Width x Height centred at the origin, facing +Z. Its
// texture runs from (XOffset, YOffset) to (XScope, YScope), or, tiled, to
// (XTiles * XScope + XOffset, YTiles * YScope + YOffset). Unless it is a
// single quad it is drawn as YTiles strips of XTiles segments each.
#include <cstdint>

#include "scene3d/objects/customsceneobject.h"

enum TPlaneStyle : int { psSingleQuad, psTileTexture };
LT_ENUM_INFO(TPlaneStyle, psSingleQuad, psTileTexture)
using TPlaneStyles = TSet<TPlaneStyle>;

class T3DPlane : public T3DSceneObject {
    LT_CLASS(T3DPlane)
public:
    explicit T3DPlane(TComponent* AOwner);

    // The setters store a changed value and rebuild the plane.
    float Width() const { return FWidth; }
    void SetWidth(float Value);
    float Height() const { return FHeight; }
    void SetHeight(float Value);
    float XOffset() const { return FXOffset; }
    void SetXOffset(float Value);
    float YOffset() const { return FYOffset; }
    void SetYOffset(float Value);
    // At most 1: a larger value stores 1.
    float XScope() const { return FXScope; }
    void SetXScope(float Value);
    float YScope() const { return FYScope; }
    void SetYScope(float Value);
    uint32_t XTiles() const { return FXTiles; }
    void SetXTiles(uint32_t Value);
    uint32_t YTiles() const { return FYTiles; }
    void SetYTiles(uint32_t Value);
    TPlaneStyles Style() const { return FStyle; }
    void SetStyle(TPlaneStyles Value);
    // Leaves the depth buffer as it was while the plane is drawn.
    bool NoZWrite() const { return FNoZWrite; }
    void SetNoZWrite(bool Value);

    // (|Width| / 2, |Height| / 2, 0).
    TVector GetHalfExtents() const override;
    // Where the ray crosses the plane z = 0 within the rectangle, at or
    // after its start; the normal is the plane's, turned towards the side
    // the ray comes from.
    bool IntersectRay(const TVector& RayStart, const TVector& RayVector, TVector* IntersectPoint,
                      TVector* IntersectNormal) const override;
    void CompileList(TRenderContextInfo& Rci) override;

private:
    void DrawTiles(float S1, float T1) const;

    float FWidth = 1;
    float FHeight = 1;
    float FXOffset = 0;
    float FXScope = 1;
    uint32_t FXTiles = 1;
    float FYOffset = 0;
    float FYScope = 1;
    uint32_t FYTiles = 1;
    TPlaneStyles FStyle = {psSingleQuad, psTileTexture};
    bool FNoZWrite = false;
};
