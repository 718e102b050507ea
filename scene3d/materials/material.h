#pragma once
// The material every drawable scene object owns: how its faces meet the
// light, how it blends into the frame, which faces are culled, and its
// texture. A material is applied to the render pass before its object draws
// and reverted afterwards; its changes reach the owning scene object.
//
// Set to a material library and one of its names, the material draws with
// that library material instead of its own settings.
#include <GL/gl.h>

#include <memory>
#include <string>

#include "platform/rtl/typeinfo.h"
#include "scene3d/base/updateable.h"
#include "scene3d/materials/faceproperties.h"

class T3DLibMaterial;
class T3DMaterialLibrary;
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
    // Leaves its library material's users and its library's list.
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

    // Stores the library and links the library material of
    // LibMaterialName again.
    T3DMaterialLibrary* MaterialLibrary() const { return FMaterialLibrary; }
    void SetMaterialLibrary(T3DMaterialLibrary* Value);
    // Stores the name and links the library's material of that name (none
    // without a library or of an unknown name), telling the owner that the
    // texture switched when the link changes. A name whose library
    // material leads back to this material through the links of library
    // materials, or through 16 of them, raises "Error: Cyclic material
    // reference detected!" as an assertion failure.
    const std::string& LibMaterialName() const { return FLibMaterialName; }
    void SetLibMaterialName(const std::string& Value);
    // The library material the material draws with, or nullptr.
    T3DLibMaterial* LibMaterial() const { return FLibMaterial; }
    // The library material went: the link and the name go too.
    void LibMaterialFreed(const T3DLibMaterial* LibMaterial);
    // The library went.
    void MaterialLibraryFreed();

    // From another material: its face properties, blending, options,
    // culling, textures, library and library name; face properties and
    // textures the source lacks are freed here. Reported as a change.
    void Assign(const TPersistent* Source) override;

    // Sets the pass's state for this material: lighting (switched off for
    // moNoLighting), the front face, culling and the back face, blending,
    // fog (off for moIgnoreFog) and the texture, or the extra textures when
    // there is no texture or an extra one takes the main unit. While a
    // material holds lighting or fog off, materials applied inside it count
    // too, so that only the outermost one switches it on again; a state
    // that was off before is never counted, and never switched on. A
    // linked library material applies itself instead.
    void Apply(TRenderContextInfo& Rci);
    // Undoes what Apply switched that the next material would not set:
    // the alpha function of the alpha-test modes, lighting and fog, the
    // texture or the extra textures. Blending and culling stay as they are.
    // A linked library material reverts itself instead and answers whether
    // its shader asks for the object to be drawn again.
    bool Revert(TRenderContextInfo& Rci);
    // Whether objects of this material are drawn after the opaque ones; a
    // linked library material's material answers.
    bool IsBlended() const;
    // Frees the texture's OpenGL texture object, when there is a texture.
    void ReleaseTextureHandle();

    // The owning scene object hears of the change (an owning library
    // material tells its users); the material has no change event of its
    // own and ignores its update counter.
    void NotifyChange(TObject* Sender) override;
    // The texture was switched on or off: the owning scene object compiles
    // its display list again (an owning library material tells its users).
    void NotifyTextureSwitched(TObject* Sender);

private:
    void ApplyFaceCulling(TRenderContextInfo& Rci);
    void ApplyBlending(TRenderContextInfo& Rci) const;
    // Whether the texture is applied rather than the extra textures.
    bool TextureTakesMainUnit() const;
    // Keeps the library's list of its materials right.
    void StoreMaterialLibrary(T3DMaterialLibrary* Value);
    void LinkLibMaterial(T3DLibMaterial* Value);

    mutable std::unique_ptr<T3DFaceProperties> FBackProperties;
    std::unique_ptr<T3DFaceProperties> FFrontProperties;
    TBlendingMode FBlendingMode = bmOpaque;
    TMaterialOptions FMaterialOptions;
    mutable std::unique_ptr<T3DTexture> FTexture;
    TFaceCulling FFaceCulling = fcBufferDefault;
    T3DMaterialLibrary* FMaterialLibrary = nullptr;
    std::string FLibMaterialName;
    T3DLibMaterial* FLibMaterial = nullptr;
    mutable std::unique_ptr<T3DTextureEx> FTextureEx;
};
