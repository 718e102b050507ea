#include "scene3d/materials/materiallibrary.h"

#include <algorithm>

#include "platform/rtl/appexceptions.h"
#include "platform/rtl/classbuilder.h"
#include "platform/rtl/strutils.h"
#include "scene3d/materials/material.h"
#include "scene3d/persistence/fileaccess.h"

LT_IMPLEMENT_CLASS(T3DMaterialLibrary, T3DCadenceAbleComponent)
{
    P.Property("Materials", &T3DMaterialLibrary::Materials);
    P.Property("TexturePaths", &T3DMaterialLibrary::TexturePaths, &T3DMaterialLibrary::SetTexturePaths);
    P.Property("OnTextureNeeded", &T3DMaterialLibrary::OnTextureNeeded, &T3DMaterialLibrary::SetOnTextureNeeded);
}

T3DMaterialLibrary::T3DMaterialLibrary(TComponent* AOwner)
    : T3DCadenceAbleComponent(AOwner), FMaterials(std::make_unique<T3DLibMaterials>(this))
{
}

T3DMaterialLibrary::~T3DMaterialLibrary()
{
    for (int i = 0; i < FMaterials->Count(); ++i) {
        if (FMaterials->Items(i)->Applied()) {
            try {
                throw Exception("Unbalanced material application");
            } catch (...) {
                ApplicationHandleException(this);
            }
            break;
        }
    }
    const std::vector<T3DMaterial*> referring = std::move(FReferringMaterials);
    FReferringMaterials.clear();
    for (T3DMaterial* material : referring)
        material->MaterialLibraryFreed();
    FMaterials.reset();
}

void T3DMaterialLibrary::SetMaterials(const T3DLibMaterials* Value)
{
    FMaterials->Assign(Value);
}

void T3DMaterialLibrary::SetTexturePaths(const std::string& Value)
{
    FTexturePaths = Value;
    FTexturePathList.clear();
    std::size_t start = 0;
    while (start <= Value.size()) {
        const std::size_t end = std::min(Value.find(';', start), Value.size());
        std::string entry = Trim(Value.substr(start, end - start));
        start = end + 1;
        if (entry.empty())
            continue;
        if (entry.back() == '\\')
            entry.back() = '/';
        else if (entry.back() != '/')
            entry += '/';
        FTexturePathList.push_back(entry);
    }
}

T3DLibMaterial* T3DMaterialLibrary::LibMaterialByName(const std::string& Name) const
{
    return FMaterials->GetLibMaterialByName(Name);
}

void T3DMaterialLibrary::TextureNeeded(TObject*, std::string& FileName) const
{
    if (FOnTextureNeeded)
        FOnTextureNeeded(const_cast<T3DMaterialLibrary*>(this), FileName);
    if (FileName.starts_with('/'))
        return;
    for (const std::string& path : FTexturePathList) {
        if (FileIsPresent(path + FileName)) {
            FileName = path + FileName;
            return;
        }
    }
}

void T3DMaterialLibrary::RegisterMaterial(T3DMaterial* Material)
{
    if (std::find(FReferringMaterials.begin(), FReferringMaterials.end(), Material) == FReferringMaterials.end())
        FReferringMaterials.push_back(Material);
}

void T3DMaterialLibrary::UnregisterMaterial(T3DMaterial* Material)
{
    std::erase(FReferringMaterials, Material);
}
