#pragma once
// How one side of a material's polygons meets the light: its colours, its
// shininess and whether it is filled, outlined or dotted.
#include <GL/gl.h>

#include <memory>

#include "platform/rtl/typeinfo.h"
#include "scene3d/base/updateable.h"
#include "scene3d/materials/color.h"

struct TRenderContextInfo;

enum TPolygonMode { pmFill, pmLines, pmPoints };
LT_ENUM_INFO(TPolygonMode, pmFill, pmLines, pmPoints)

// GL_FILL, GL_LINE or GL_POINT.
GLenum GLPolygonMode(TPolygonMode Mode);

class T3DFaceProperties : public T3DUpdateAbleObject {
    LT_CLASS(T3DFaceProperties)
public:
    // The shininess goes from 0 to this.
    static constexpr int MaxShininess = 128;

    explicit T3DFaceProperties(TPersistent* AOwner);
    ~T3DFaceProperties() override;

    // The colours belong to the face properties: their changes come here.
    T3DColor* Ambient() const { return FAmbient.get(); }
    T3DColor* Diffuse() const { return FDiffuse.get(); }
    T3DColor* Emission() const { return FEmission.get(); }
    T3DColor* Specular() const { return FSpecular.get(); }
    // Take the colour's components and report one change.
    void SetAmbient(const T3DColor* Value) { SetOwnColor(*FAmbient, *Value); }
    void SetDiffuse(const T3DColor* Value) { SetOwnColor(*FDiffuse, *Value); }
    void SetEmission(const T3DColor* Value) { SetOwnColor(*FEmission, *Value); }
    void SetSpecular(const T3DColor* Value) { SetOwnColor(*FSpecular, *Value); }

    int Shininess() const { return FShininess; }
    // 0..MaxShininess; other values raise ERangeError.
    void SetShininess(int Value);
    TPolygonMode PolygonMode() const { return FPolygonMode; }
    void SetPolygonMode(TPolygonMode Value);

    // From other face properties: all colours, shininess and polygon mode,
    // reported as one change. Anything else is ignored.
    void Assign(const TPersistent* Source) override;

    // Face GL_FRONT or GL_BACK, through the pass's state cache: the colours
    // and shininess as the lit material, then the polygon mode.
    void ApplyLit(TRenderContextInfo& Rci, GLenum Face) const;
    // The diffuse colour as the current colour, then the polygon mode.
    void ApplyUnlit(TRenderContextInfo& Rci, GLenum Face) const;

private:
    void SetOwnColor(T3DColor& Own, const T3DColor& Value);

    std::unique_ptr<T3DColor> FAmbient;
    std::unique_ptr<T3DColor> FDiffuse;
    std::unique_ptr<T3DColor> FEmission;
    std::unique_ptr<T3DColor> FSpecular;
    int FShininess = 0;
    TPolygonMode FPolygonMode = pmFill;
};
