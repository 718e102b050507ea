#pragma once
// A component holding named materials that scene objects share: a material
// set to the library and one of its names draws with that library
// material. Textures of library materials look their files up through
// OnTextureNeeded and the library's texture paths.
//
// The library's archive (SaveToStream, LoadFromStream) holds version 2 of
// the material list, with each enabled picture texture as a BMP block;
// versions 0 and 1 are read too.
#include <string>
#include <vector>

#include "scene3d/base/updateable.h"
#include "scene3d/materials/libmaterial.h"
#include "scene3d/textures/texturetypes.h"

class T3DMaterial;
class TStream;

class T3DMaterialLibrary : public T3DCadenceAbleComponent {
    LT_CLASS(T3DMaterialLibrary)
public:
    static constexpr int ArchiveVersion = 2;

    explicit T3DMaterialLibrary(TComponent* AOwner);
    // A library material still applied is reported to the application
    // ("Unbalanced material application"). Materials set to the library
    // lose it, and those linked to its materials their link and name.
    ~T3DMaterialLibrary() override;

    T3DLibMaterials* Materials() const { return FMaterials.get(); }
    void SetMaterials(const T3DLibMaterials* Value);

    // Folders to look for texture files in, separated by ";": blanks
    // around entries are dropped, as are empty entries; a trailing "/" or
    // "\" is optional.
    const std::string& TexturePaths() const { return FTexturePaths; }
    void SetTexturePaths(const std::string& Value);
    // The folders, each ending in "/".
    const std::vector<std::string>& TexturePathList() const { return FTexturePathList; }

    const TTextureNeededEvent& OnTextureNeeded() const { return FOnTextureNeeded; }
    void SetOnTextureNeeded(TTextureNeededEvent Value) { FOnTextureNeeded = std::move(Value); }

    T3DLibMaterial* LibMaterialByName(const std::string& Name) const;

    // A file a library material's texture is about to load: OnTextureNeeded
    // may rewrite the name; then a relative name is looked for in each of
    // the texture paths in order, and the first that exists is taken.
    void TextureNeeded(TObject* Sender, std::string& FileName) const;

    // Whether LoadFromStream keeps the library materials and reuses those
    // of the names it reads (else it removes them first). Off at first.
    bool KeepMaterialsOnLoad() const { return FKeepMaterialsOnLoad; }
    void SetKeepMaterialsOnLoad(bool Value) { FKeepMaterialsOnLoad = Value; }

    void SaveToStream(TStream& Stream) const;
    // A version other than 0 to 2 raises EFilerException; broken data
    // raises EReadError (or the error of the broken value).
    void LoadFromStream(TStream& Stream);

    // Materials set to the library (T3DMaterial::SetMaterialLibrary keeps
    // the list).
    void RegisterMaterial(T3DMaterial* Material);
    void UnregisterMaterial(T3DMaterial* Material);

private:
    std::unique_ptr<T3DLibMaterials> FMaterials;
    std::string FTexturePaths;
    std::vector<std::string> FTexturePathList;
    TTextureNeededEvent FOnTextureNeeded;
    bool FKeepMaterialsOnLoad = false;
    std::vector<T3DMaterial*> FReferringMaterials;
};
