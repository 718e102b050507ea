#pragma once
// The material every drawable scene object owns: how its faces meet the
// light, how it blends into the frame, which faces are culled, and its
// texture. A material is applied to the render pass before its object draws
// and reverted afterwards; its changes reach the owning scene object.
//
// Material libraries are not built yet: LibMaterialName is kept and stored,
// and links no material.
#include <GL/gl.h>

#include <memory>
#include <string>

#include "platform/rtl/typeinfo.h"
#include "scene3d/base/updateable.h"
#include "scene3d/materials/faceproperties.h"

class T3DTexture;
class T3DTextureEx;
struct TRenderContextInfo;

enum TBlendingMode { bmOpaque, bmTransparency, bmAdditive, bmAlphaTest50, bmAlphaTest100, bmModulate };
LT_ENUM_INFO(TBlendingMode, bmOpaque, bmTransparency, bmAdditive, bmAlphaTest50, bmAlphaTest100, bmModulate)

enum TMaterialOption { moIgnoreFog, moNoLighting };
LT_ENUM_INFO(TMaterialOption, moIgnoreFog, moNoLighting)
using TMaterialOptions = TSet<TMaterialOption>;

enum TFaceCulling { fcBufferDefault, fcCull, fcNoCull };
LT_ENUM_INFO(TFaceCulling, fcBufferDefault, fcCull, fcNoCull)

class T3DMaterial : public T3DUpdateAbleObject {
    LT_CLASS(T3DMaterial)
public:
    explicit T3DMaterial(TPersistent* AOwner);
    ~T3DMaterial() override;

    // Made on first use.
    T3DFaceProperties* BackProperties() const;
    bool HasBackProperties() const { return FBackProperties != nullptr; }
    T3DFaceProperties* FrontProperties() const { return FFrontProperties.get(); }
    // Assign into the material's own face properties and report a change.
    void SetBackProperties(const T3DFaceProperties* Value);
    void SetFrontProperties(const T3DFaceProperties* Value);

    // The three setters report a change only when the value differs.
    TBlendingMode BlendingMode() const { return FBlendingMode; }
    void SetBlendingMode(TBlendingMode Value);
    TMaterialOptions MaterialOptions() const { return FMaterialOptions; }
    void SetMaterialOptions(TMaterialOptions Value);
    TFaceCulling FaceCulling() const { return FFaceCulling; }
    void SetFaceCulling(TFaceCulling Value);

    // Made on first use, disabled.
    T3DTexture* Texture() const;
    bool HasTexture() const { return FTexture != nullptr; }
    // nullptr frees the texture; anything else is assigned into it.
    void SetTexture(const T3DTexture* Value);
    // Made on first use.
    T3DTextureEx* TextureEx() const;
    bool HasTextureEx() const { return FTextureEx != nullptr; }

    const std::string& LibMaterialName() const { return FLibMaterialName; }
    void SetLibMaterialName(const std::string& Value);

    // From another material: its face properties, blending, options,
    // culling, textures and library name; face properties and textures the
    // source lacks are freed here. Reported as a change.
    void Assign(const TPersistent* Source) override;

    // Sets the pass's state for this material: lighting (switched off for
    // moNoLighting), the front face, culling and the back face, blending,
    // fog (off for moIgnoreFog) and the texture. While a material holds
    // lighting or fog off, materials applied inside it count too, so that
    // only the outermost one switches it on again; a state that was off
    // before is never counted, and never switched on.
    void Apply(TRenderContextInfo& Rci);
    // Undoes what Apply switched that the next material would not set:
    // the alpha function of the alpha-test modes, lighting and fog, the
    // texture. Blending and culling stay as they are.
    void Revert(TRenderContextInfo& Rci);
    // Whether objects of this material are drawn after the opaque ones.
    bool IsBlended() const;
    // Frees the texture's OpenGL texture object, when there is a texture.
    void ReleaseTextureHandle();

    // The owning scene object hears of the change; the material has no
    // change event of its own and ignores its update counter.
    void NotifyChange(TObject* Sender) override;
    // The texture was switched on or off: the owning scene object compiles
    // its display list again.
    void NotifyTextureSwitched(TObject* Sender);

private:
    void ApplyFaceCulling(TRenderContextInfo& Rci);
    void ApplyBlending(TRenderContextInfo& Rci) const;

    mutable std::unique_ptr<T3DFaceProperties> FBackProperties;
    std::unique_ptr<T3DFaceProperties> FFrontProperties;
    TBlendingMode FBlendingMode = bmOpaque;
    TMaterialOptions FMaterialOptions;
    mutable std::unique_ptr<T3DTexture> FTexture;
    TFaceCulling FFaceCulling = fcBufferDefault;
    std::string FLibMaterialName;
    mutable std::unique_ptr<T3DTextureEx> FTextureEx;
};
