// Drawing with a library material: its shader, its material, its texture
// matrix and its second texture.
#include "scene3d/materials/libmaterial.h"
#include "scene3d/materials/material.h"
#include "scene3d/materials/shader.h"
#include "scene3d/opengl/glcapabilities.h"
#include "scene3d/opengl/multitexgl.h"
#include "scene3d/render/rendercontextinfo.h"
#include "scene3d/state/statecache.h"
#include "scene3d/textures/texture.h"

namespace {

bool TextureEnabled(const T3DMaterial& Material)
{
    return Material.HasTexture() && !Material.Texture()->Disabled();
}

bool GeneratesCoordinates(const T3DMaterial& Material)
{
    return TextureEnabled(Material) && Material.Texture()->MappingMode() != tmmUser;
}

} // namespace

void T3DLibMaterial::Apply(TRenderContextInfo& Rci)
{
    const T3DShaderStyle style = FShader ? FShader->ShaderStyle() : shsAfterMaterial;
    if (FShader && style != shsAfterMaterial)
        FShader->Apply(Rci, this);
    if (style != shsReplaceMaterial) {
        ApplyMaterialAndTextures(Rci);
        if (FShader && style == shsAfterMaterial)
            FShader->Apply(Rci, this);
    }
    ++FApplyCount;
}

// ARB_multitexture has at least two texture units, so the second texture
// always has its unit.
void T3DLibMaterial::ApplyMaterialAndTextures(TRenderContextInfo& Rci)
{
    FMaterial->Apply(Rci);
    if (!TextureMatrixIsIdentity() && TextureEnabled(*FMaterial))
        Rci.StateCache->SetTextureMatrix(TextureMatrix());
    FTexture2Applied = false;
    if (FTexture2Name.empty() || !GLCaps.ARB_multitexture)
        return;
    T3DLibMaterial* second = Texture2LibMaterial();
    if (!second || !TextureEnabled(*second->FMaterial))
        return;
    second->FMaterial->Texture()->ApplyAsUnit(Rci, 1, second);
    FTexture2Applied = true;
    if (GeneratesCoordinates(*FMaterial) || GeneratesCoordinates(*second->FMaterial))
        SetTexCoordMain();
    else
        SetTexCoordDual();
}

// A shader that runs after or instead of the material and asks for another
// pass keeps the material applied for it.
bool T3DLibMaterial::UnApply(TRenderContextInfo& Rci)
{
    const T3DShaderStyle style = FShader ? FShader->ShaderStyle() : shsAfterMaterial;
    bool again = false;
    if (FShader && style != shsBeforeMaterial)
        again = FShader->UnApply(Rci);
    if (!again && style != shsReplaceMaterial) {
        RevertMaterialAndTextures(Rci);
        if (FShader && style == shsBeforeMaterial)
            again = FShader->UnApply(Rci);
    }
    if (!again)
        --FApplyCount;
    return again;
}

void T3DLibMaterial::RevertMaterialAndTextures(TRenderContextInfo& Rci)
{
    if (FTexture2Applied) {
        FTexture2Applied = false;
        if (FTexture2LibMaterial)
            FTexture2LibMaterial->FMaterial->Texture()->RevertUnit(Rci, 1, FTexture2LibMaterial);
        SetTexCoordMain();
    }
    if (!TextureMatrixIsIdentity() && TextureEnabled(*FMaterial))
        Rci.StateCache->ResetTextureMatrix();
    FMaterial->Revert(Rci);
}
