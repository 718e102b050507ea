// Applying a texture to a render pass and reverting it.
#include "scene3d/base/coordinates.h"
#include "scene3d/base/engineassert.h"
#include "scene3d/geometry/matrixarithmetic.h"
#include "scene3d/geometry/matrixbuild.h"
#include "scene3d/geometry/matrixinversion.h"
#include "scene3d/geometry/vectorproducts.h"
#include "scene3d/materials/color.h"
#include "scene3d/materials/libmaterial.h"
#include "scene3d/opengl/glcapabilities.h"
#include "scene3d/opengl/multitexgl.h"
#include "scene3d/opengl/openglapi.h"
#include "scene3d/render/rendercontextinfo.h"
#include "scene3d/state/statecache.h"
#include "scene3d/textures/texture.h"
#include "scene3d/textures/textureimage.h"

namespace {

GLint EnvironmentModeOf(T3DTextureMode Mode)
{
    switch (Mode) {
    case tmDecal:
        return GL_DECAL;
    case tmModulate:
        return GL_MODULATE;
    case tmBlend:
        return GL_BLEND;
    case tmReplace:
        return GL_REPLACE;
    default:
        EngineAssert(false);
        return GL_MODULATE;
    }
}

void GenerateCoordinates(GLenum Mode, bool WithR)
{
    GL.glTexGeni(GL_S, GL_TEXTURE_GEN_MODE, static_cast<GLint>(Mode));
    GL.glTexGeni(GL_T, GL_TEXTURE_GEN_MODE, static_cast<GLint>(Mode));
    GL.glEnable(GL_TEXTURE_GEN_S);
    GL.glEnable(GL_TEXTURE_GEN_T);
    if (WithR) {
        GL.glTexGeni(GL_R, GL_TEXTURE_GEN_MODE, static_cast<GLint>(Mode));
        GL.glEnable(GL_TEXTURE_GEN_R);
    }
}

void GenerateLinearCoordinates(GLenum Mode, GLenum Plane, const TVector& S, const TVector& T)
{
    GL.glTexGenfv(GL_S, Plane, &S.X);
    GL.glTexGenfv(GL_T, Plane, &T.X);
    GenerateCoordinates(Mode, false);
}

TMatrix Normalized(TMatrix Matrix)
{
    NormalizeMatrix(Matrix);
    return Matrix;
}

TMatrix Transposed(TMatrix Matrix)
{
    TransposeMatrix(Matrix);
    return Matrix;
}

// Loads Matrix into the texture matrix of the active unit, leaving the
// model-view matrix selected.
void LoadTextureMatrix(const TMatrix& Matrix)
{
    GL.glMatrixMode(GL_TEXTURE);
    GL.glLoadMatrixf(&Matrix[0].X);
    GL.glMatrixMode(GL_MODELVIEW);
}

void ResetTextureMatrix()
{
    GL.glMatrixMode(GL_TEXTURE);
    GL.glLoadIdentity();
    GL.glMatrixMode(GL_MODELVIEW);
}

// Multiplies the texture matrix of the main unit by the transposed,
// normalised model-view matrix.
void MultiplyByModelView(const TRenderContextInfo& Rci)
{
    const TMatrix modelView = Transposed(Normalized(Rci.ModelViewMatrix));
    GL.glMatrixMode(GL_TEXTURE);
    GL.glMultMatrixf(&modelView[0].X);
    GL.glMatrixMode(GL_MODELVIEW);
}

} // namespace

void T3DTexture::Apply(TRenderContextInfo& Rci)
{
    T3DStateCache& cache = *Rci.StateCache;
    if (FDisabled) {
        cache.Disable(ccTexture2D);
        cache.Disable(ccTextureRect);
        SetTexCoordMain();
        return;
    }
    switch (const GLenum target = FImage->TextureTarget()) {
    case GL_TEXTURE_2D:
        cache.Enable(ccTexture2D);
        cache.SetTexture(0, target, Handle());
        break;
    case GL_TEXTURE_RECTANGLE_NV:
        cache.Enable(ccTextureRect);
        cache.SetTexture(0, target, Handle());
        break;
    case GL_TEXTURE_CUBE_MAP:
        if (GLCaps.ARB_texture_cube_map) {
            cache.Enable(ccTextureCubeMap);
            cache.SetTexture(0, target, Handle());
            LoadCubeMapMatrix(Rci);
        }
        break;
    default:
        break;
    }
    ApplyEnvironment();
    ApplyMappingMode();
    SetTexCoordMain();
}

// The matrices are loaded transposed: the state cache loads the transposed
// matrix, which is what loading a transposed matrix does.
void T3DTexture::LoadCubeMapMatrix(const TRenderContextInfo& Rci) const
{
    T3DStateCache& cache = *Rci.StateCache;
    switch (FMappingMode) {
    case tmmCubeMapReflection:
    case tmmCubeMapNormal:
        cache.SetTextureMatrix(Transposed(Normalized(Rci.ModelViewMatrix)));
        break;
    case tmmCubeMapLight0:
        if (Rci.FirstLightMatrix) {
            cache.SetTextureMatrix(Transposed(Normalized(*Rci.FirstLightMatrix)));
            MultiplyByModelView(Rci);
        }
        break;
    case tmmCubeMapCamera: {
        const TVector direction = Rci.CameraDirection;
        const TVector up = Rci.CameraUp;
        const TVector side = VectorCrossProduct(up, direction);
        const TMatrix camera{{{side.X, side.Y, side.Z, 0},
                              {-direction.X, -direction.Y, -direction.Z, 0},
                              {up.X, up.Y, up.Z, 0},
                              {0, 0, 0, 1}}};
        cache.SetTextureMatrix(Transposed(camera));
        MultiplyByModelView(Rci);
        break;
    }
    default:
        break;
    }
}

void T3DTexture::ApplyEnvironment() const
{
    GL.glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, EnvironmentModeOf(FTextureMode));
    GL.glTexEnvfv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_COLOR, &FEnvColor->Color().X);
}

void T3DTexture::ApplyMappingMode() const
{
    switch (FMappingMode) {
    case tmmUser:
        break;
    case tmmObjectLinear:
        GenerateLinearCoordinates(GL_OBJECT_LINEAR, GL_OBJECT_PLANE, MappingSCoordinates()->AsVector(),
                                  MappingTCoordinates()->AsVector());
        break;
    case tmmEyeLinear:
        GenerateLinearCoordinates(GL_EYE_LINEAR, GL_EYE_PLANE, MappingSCoordinates()->AsVector(),
                                  MappingTCoordinates()->AsVector());
        break;
    case tmmSphere:
        GenerateCoordinates(GL_SPHERE_MAP, false);
        break;
    case tmmCubeMapReflection:
    case tmmCubeMapCamera:
        if (GLCaps.ARB_texture_cube_map)
            GenerateCoordinates(GL_REFLECTION_MAP, true);
        break;
    case tmmCubeMapNormal:
    case tmmCubeMapLight0:
        if (GLCaps.ARB_texture_cube_map)
            GenerateCoordinates(GL_NORMAL_MAP, true);
        break;
    default:
        EngineAssert(false);
    }
}

void T3DTexture::DisableCoordinateGeneration() const
{
    GL.glDisable(GL_TEXTURE_GEN_S);
    GL.glDisable(GL_TEXTURE_GEN_T);
    GL.glDisable(GL_TEXTURE_GEN_R);
}

// Texturing goes off only once something else is drawn, so the next object
// drawn with a texture of the same kind keeps it on (T3DStateCache).
void T3DTexture::Revert(TRenderContextInfo& Rci)
{
    if (FDisabled)
        return;
    T3DStateCache& cache = *Rci.StateCache;
    if (cache.IsEnabled(ccTextureCubeMap)) {
        cache.Disable(ccTextureCubeMap);
        cache.ResetTextureMatrix();
    } else if (cache.IsEnabled(ccTexture2D)) {
        cache.DeferDisable(ccTexture2D);
    } else {
        cache.DeferDisable(ccTextureRect);
    }
    if (FMappingMode != tmmUser)
        DisableCoordinateGeneration();
}

void T3DTexture::ApplyAsUnit(TRenderContextInfo& Rci, int Unit, const T3DLibMaterial* LibMaterial)
{
    if (FDisabled)
        return;
    T3DStateCache& cache = *Rci.StateCache;
    GL.glActiveTextureARB(static_cast<GLenum>(GL_TEXTURE0 + Unit));
    const GLenum target = FImage->TextureTarget();
    if (target == GL_TEXTURE_2D) {
        GL.glEnable(target);
        cache.SetTexture(Unit, target, Handle());
        if (LibMaterial && !LibMaterial->TextureMatrixIsIdentity())
            LoadTextureMatrix(LibMaterial->TextureMatrix());
    } else if (target == GL_TEXTURE_CUBE_MAP && GLCaps.ARB_texture_cube_map) {
        GL.glEnable(target);
        cache.SetTexture(Unit, target, Handle());
        TMatrix rotation = Rci.ModelViewMatrix;
        rotation[3] = NullHmgPoint;
        InvertMatrix(rotation);
        LoadTextureMatrix(rotation);
    }
    ApplyEnvironment();
    ApplyMappingMode();
    GL.glActiveTextureARB(GL_TEXTURE0);
}

void T3DTexture::RevertUnit(TRenderContextInfo&, int Unit, const T3DLibMaterial* LibMaterial)
{
    if (FDisabled)
        return;
    const GLenum target = FImage->TextureTarget();
    GL.glActiveTextureARB(static_cast<GLenum>(GL_TEXTURE0 + Unit));
    DisableCoordinateGeneration();
    if (target != GL_TEXTURE_2D || (LibMaterial && !LibMaterial->TextureMatrixIsIdentity()))
        ResetTextureMatrix();
    GL.glDisable(target);
    GL.glActiveTextureARB(GL_TEXTURE0);
}
