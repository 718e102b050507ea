#pragma once
// A named material of a material library. Materials link to it by name
// (LibMaterialName) and then draw with it; it keeps the list of its users,
// which hear of its changes. Besides its material it has a texture matrix
// (offset and scale), an optional second texture taken from another library
// material (Texture2Name) and an optional shader.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/collection.h"
#include "scene3d/geometry/vectortypes.h"
#include "scene3d/textures/texturetransform.h"

class T3DCoordinates;
class T3DMaterial;
class T3DMaterialLibrary;
class T3DShader;
struct TRenderContextInfo;

class T3DLibMaterial : public TCollectionItem {
    LT_CLASS(T3DLibMaterial)
public:
    // The first free of "LibMaterial", "LibMaterial1", "LibMaterial2", ...
    explicit T3DLibMaterial(TCollection* Collection);
    // Leaves its shader, its second texture's material and every user: the
    // materials that linked to it lose the link and the name.
    ~T3DLibMaterial() override;

    // The length, then hash x 2 + byte for each byte of Name, in 32 bits.
    static int32_t NameHash(const std::string& Name);

    const std::string& Name() const { return FName; }
    // A name another library material of the collection holds gets the
    // first free number appended, unless the library is being loaded.
    void SetName(const std::string& Value);
    int32_t NameHashKey() const { return FNameHashKey; }

    T3DMaterial* Material() const { return FMaterial.get(); }
    void SetMaterial(const T3DMaterial* Value);
    int Tag() const { return FTag; }
    void SetTag(int Value) { FTag = Value; }
    // (0, 0, 0) and (1, 1, 1) at first; the texture matrix scales, then
    // offsets.
    T3DCoordinates* TextureOffset() const { return FTransform.Offset(); }
    T3DCoordinates* TextureScale() const { return FTransform.Scale(); }
    void SetTextureOffset(const T3DCoordinates* Value) { FTransform.SetOffset(Value); }
    void SetTextureScale(const T3DCoordinates* Value) { FTransform.SetScale(Value); }
    TMatrix TextureMatrix() const { return FTransform.Matrix(); }
    bool TextureMatrixIsIdentity() const { return FTransform.IsIdentity(); }
    // The library material whose texture goes to the second texture unit.
    const std::string& Texture2Name() const { return FTexture2Name; }
    void SetTexture2Name(const std::string& Value);
    T3DShader* Shader() const { return FShader; }
    void SetShader(T3DShader* Value);

    // The library that owns the collection, or nullptr.
    T3DMaterialLibrary* MaterialLibrary() const;

    // Draws with the material: the shader before, instead of or after it,
    // the texture matrix and the second texture. Needs multitexturing for
    // the second texture.
    void Apply(TRenderContextInfo& Rci);
    // Undoes Apply in reverse; true when the shader asks for the object to
    // be drawn again (it stays applied for that pass).
    bool UnApply(TRenderContextInfo& Rci);
    // Whether it is applied and not yet reverted.
    bool Applied() const { return FApplyCount > 0; }

    // Materials, library materials and other updatable objects or
    // components that link to it.
    void RegisterUser(TObject* User);
    void UnregisterUser(TObject* User);
    const std::vector<TObject*>& Users() const { return FUsers; }
    // Tells every user of a change (materials, updatable objects and
    // components their change; library materials their own users).
    void NotifyUsers();
    // Tells every user that its texture was switched (materials their
    // texture-switched notification, library materials their own users,
    // others their change). A notification that comes back while one is
    // passed on is ignored.
    void NotifyTextureSwitched();

    std::string DisplayName() const override { return FName; }
    // From another library material: its material, offset, scale,
    // Texture2Name, shader and tag (the name stays).
    void Assign(const TPersistent* Source) override;

private:
    template <class TNotify>
    void PassToUsers(TNotify Notify);
    // The library material of Texture2Name, looked up once (an unknown name
    // is cleared).
    T3DLibMaterial* Texture2LibMaterial();
    void ForgetTexture2LibMaterial();
    void ApplyMaterialAndTextures(TRenderContextInfo& Rci);
    void RevertMaterialAndTextures(TRenderContextInfo& Rci);

    std::string FName;
    int32_t FNameHashKey = 0;
    std::unique_ptr<T3DMaterial> FMaterial;
    int FTag = 0;
    TTextureTransform FTransform;
    std::string FTexture2Name;
    T3DLibMaterial* FTexture2LibMaterial = nullptr;
    bool FTexture2Applied = false;
    T3DShader* FShader = nullptr;
    std::vector<TObject*> FUsers;
    bool FNotifying = false;
    int FApplyCount = 0;
};

class T3DLibMaterials : public TCollection {
    LT_CLASS(T3DLibMaterials)
public:
    // Owner: the library.
    explicit T3DLibMaterials(TPersistent* AOwner);

    T3DLibMaterial* Items(int Index) const { return static_cast<T3DLibMaterial*>(TCollection::Items(Index)); }
    T3DLibMaterial* Add() { return static_cast<T3DLibMaterial*>(TCollection::Add()); }

    // By hash first, then by the exact name; nullptr when none holds it.
    T3DLibMaterial* GetLibMaterialByName(const std::string& Name) const;
    // Name, or Name followed by the first free number 1, 2, ... when a
    // library material other than Except holds it.
    std::string FreeName(const std::string& Name, const T3DLibMaterial* Except) const;
};
