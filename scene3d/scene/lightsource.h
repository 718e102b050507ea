#pragma once
// A light of the scene, placed in the tree like any object. While it is in
// a scene it holds one of the scene's eight light slots, which gives it its
// OpenGL light; the scene sends its settings to that light before every
// pass (SetupLights). A spot shines from its position along its spot
// direction, an omni light all around, a parallel light along its spot
// direction (turned with the light) from infinitely far.
#include <GL/gl.h>

#include <memory>

#include "scene3d/materials/color.h"
#include "scene3d/scene/basesceneobject.h"

enum TLightStyle { lsSpot, lsOmni, lsParallel };
LT_ENUM_INFO(TLightStyle, lsSpot, lsOmni, lsParallel)

class T3DLightSource : public T3DBaseSceneObject {
    LT_CLASS(T3DLightSource)
public:
    // A white shining spot with a full cone (cut-off 180) along -Z, black
    // ambient and specular colours, constant attenuation 1.
    explicit T3DLightSource(TComponent* AOwner);

    // GL_LIGHT0 + the slot; 0 while the light holds no slot.
    GLenum LightID() const;

    T3DColor* Ambient() const { return FAmbient.get(); }
    T3DColor* Diffuse() const { return FDiffuse.get(); }
    T3DColor* Specular() const { return FSpecular.get(); }
    // The colour values of Value.
    void SetAmbient(const T3DColor* Value);
    void SetDiffuse(const T3DColor* Value);
    void SetSpecular(const T3DColor* Value);
    float ConstAttenuation() const { return FConstAttenuation; }
    void SetConstAttenuation(float Value);
    float LinearAttenuation() const { return FLinearAttenuation; }
    void SetLinearAttenuation(float Value);
    float QuadraticAttenuation() const { return FQuadraticAttenuation; }
    void SetQuadraticAttenuation(float Value);
    TLightStyle LightStyle() const { return FLightStyle; }
    void SetLightStyle(TLightStyle Value);
    // A light that does not shine keeps its slot with its GL light off.
    bool Shining() const { return FShining; }
    void SetShining(bool Value);
    // Half the angle of a spot's cone in degrees: 0 to 90, or 180 for no
    // cone. Other values are ignored.
    float SpotCutOff() const { return FSpotCutOff; }
    void SetSpotCutOff(float Value);
    // A vector (W 0) in the parent's frame, or the light's own for a
    // parallel light.
    T3DCoordinates* SpotDirection() const { return FSpotDirection.get(); }
    void SetSpotDirection(const T3DCoordinates* Value);
    float SpotExponent() const { return FSpotExponent; }
    void SetSpotExponent(float Value);

    // A light draws only its children, has no silhouette (nullptr) and is
    // never hit by a ray.
    void DrawObject(TRenderContextInfo& Rci, bool RenderSelf, bool RenderChildren) override;
    bool IntersectRay(const TVector& RayStart, const TVector& RayVector, TVector* IntersectPoint,
                      TVector* IntersectNormal) const override;
    std::unique_ptr<T3DSilhouette> BuildSilhouette(const TSilhouetteParameters& Parameters) const override;

private:
    template <class T>
    void StoreSetting(T& Field, T Value);

    std::unique_ptr<T3DColor> FAmbient;
    std::unique_ptr<T3DColor> FDiffuse;
    std::unique_ptr<T3DColor> FSpecular;
    std::unique_ptr<T3DCoordinates> FSpotDirection;
    float FConstAttenuation = 1;
    float FLinearAttenuation = 0;
    float FQuadraticAttenuation = 0;
    TLightStyle FLightStyle = lsSpot;
    bool FShining = true;
    float FSpotCutOff = 180;
    float FSpotExponent = 0;
};
