#include "scene3d/state/statecache.h"

#include <bit>
#include <cstring>
#include <iterator>

#include "scene3d/base/engineassert.h"
#include "scene3d/opengl/openglapi.h"

namespace {

constexpr GLenum Capabilities[] = {
    GL_ALPHA_TEST,     GL_AUTO_NORMAL,    GL_BLEND,         GL_COLOR_MATERIAL, GL_CULL_FACE,
    GL_DEPTH_TEST,     GL_DITHER,         GL_FOG,           GL_LIGHTING,       GL_LINE_SMOOTH,
    GL_LINE_STIPPLE,   GL_LOGIC_OP,       GL_NORMALIZE,     GL_POINT_SMOOTH,   GL_POLYGON_SMOOTH,
    GL_POLYGON_STIPPLE, GL_SCISSOR_TEST,  GL_STENCIL_TEST,  GL_TEXTURE_1D,     GL_TEXTURE_2D,
    0x8513 /* GL_TEXTURE_CUBE_MAP_ARB */, 0x84F5 /* GL_TEXTURE_RECTANGLE_NV */,
};
static_assert(std::size(Capabilities) == ccTextureRect + 1);

// What the cache holds for a colour it does not know: every byte 0x7F, a
// value no caller sends, so the next colour set differs and is sent.
constexpr float UnknownComponent = std::bit_cast<float>(0x7F7F7F7Fu);
constexpr TVector UnknownColor = {UnknownComponent, UnknownComponent, UnknownComponent, UnknownComponent};

constexpr GLuint UnknownTexture = ~GLuint{0};

bool SameBits(const TVector& A, const TVector& B)
{
    return std::memcmp(&A, &B, sizeof A) == 0;
}

// Sends the colour when it differs from the cached one, and caches it.
void SendColor(GLenum Face, GLenum Name, TVector& Cached, const TVector& Color)
{
    if (SameBits(Cached, Color))
        return;
    Cached = Color;
    GL.glMaterialfv(Face, Name, &Cached.X);
}

} // namespace

GLenum CapabilityOf(TCachedCapability State)
{
    return Capabilities[State];
}

T3DStateCache::T3DStateCache()
{
    ForgetMaterials();
    FTextures.fill(UnknownTexture);
}

void T3DStateCache::Enable(TCachedCapability State)
{
    if (IsEnabled(State))
        return;
    FStates |= Bit(State);
    if (FDeferred & Bit(State))
        FDeferred &= ~Bit(State);
    else
        GL.glEnable(CapabilityOf(State));
}

void T3DStateCache::Disable(TCachedCapability State)
{
    if (!IsEnabled(State))
        return;
    FStates &= ~Bit(State);
    GL.glDisable(CapabilityOf(State));
}

void T3DStateCache::DeferDisable(TCachedCapability State)
{
    if (!FDeferring) {
        Disable(State);
    } else if (IsEnabled(State)) {
        FStates &= ~Bit(State);
        FDeferred |= Bit(State);
    }
}

void T3DStateCache::SendDeferredDisables()
{
    for (uint32_t deferred = FDeferred; deferred != 0; deferred &= deferred - 1)
        GL.glDisable(CapabilityOf(static_cast<TCachedCapability>(std::countr_zero(deferred))));
    FDeferred = 0;
}

void T3DStateCache::SetPolygonMode(GLenum Face, GLenum Mode)
{
    switch (Face) {
    case GL_FRONT:
        if (FFrontPolygonMode == Mode)
            return;
        FFrontPolygonMode = Mode;
        break;
    case GL_BACK:
        if (FBackPolygonMode == Mode)
            return;
        FBackPolygonMode = Mode;
        break;
    case GL_FRONT_AND_BACK:
        if (FFrontPolygonMode == Mode && FBackPolygonMode == Mode)
            return;
        FFrontPolygonMode = Mode;
        FBackPolygonMode = Mode;
        break;
    default:
        return;
    }
    GL.glPolygonMode(Face, Mode);
}

void T3DStateCache::ResetPolygonModes()
{
    FFrontPolygonMode = 0;
    FBackPolygonMode = 0;
}

T3DStateCache::TFaceMaterial& T3DStateCache::MaterialOf(GLenum Face)
{
    EngineAssert(Face == GL_FRONT || Face == GL_BACK);
    return FMaterials[Face == GL_FRONT ? 0 : 1];
}

void T3DStateCache::SetMaterialColors(GLenum Face, const TVector& Emission, const TVector& Ambient,
                                      const TVector& Diffuse, const TVector& Specular, int Shininess)
{
    TFaceMaterial& material = MaterialOf(Face);
    if (material.Shininess != Shininess) {
        material.Shininess = Shininess;
        GL.glMateriali(Face, GL_SHININESS, Shininess);
    }
    SendColor(Face, GL_EMISSION, material.Emission, Emission);
    SendColor(Face, GL_AMBIENT, material.Ambient, Ambient);
    SendColor(Face, GL_DIFFUSE, material.Diffuse, Diffuse);
    SendColor(Face, GL_SPECULAR, material.Specular, Specular);
}

void T3DStateCache::SetMaterialAlpha(GLenum Face, float Alpha)
{
    TFaceMaterial& material = MaterialOf(Face);
    if (SameBits(material.Diffuse, UnknownColor))
        material.Diffuse = {0.8f, 0.8f, 0.8f, Alpha};
    else if (material.Diffuse.W != Alpha)
        material.Diffuse.W = Alpha;
    else
        return;
    GL.glMaterialfv(Face, GL_DIFFUSE, &material.Diffuse.X);
}

void T3DStateCache::ResetMaterials()
{
    const TVector ambient = {0.2f, 0.2f, 0.2f, 1};
    const TVector diffuse = {0.8f, 0.8f, 0.8f, 1};
    const TVector specular = {0, 0, 0, 1};
    const TVector emission = {0, 0, 0, 1};
    GL.glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, &ambient.X);
    GL.glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, &diffuse.X);
    GL.glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, &specular.X);
    GL.glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, &emission.X);
    GL.glMateriali(GL_FRONT_AND_BACK, GL_SHININESS, 0);
    ForgetMaterials();
}

void T3DStateCache::ForgetMaterials()
{
    for (TFaceMaterial& material : FMaterials)
        material = {UnknownColor, UnknownColor, UnknownColor, UnknownColor, 0};
}

void T3DStateCache::SetTexture(int Slot, GLenum Target, GLuint Name)
{
    EngineAssert(Slot >= 0 && Slot < TextureSlots);
    GLuint& bound = FTextures[static_cast<std::size_t>(Slot)];
    if (bound == Name)
        return;
    bound = Name;
    GL.glBindTexture(Target, Name);
}

void T3DStateCache::ResetTextures()
{
    FTextures.fill(UnknownTexture);
}

void T3DStateCache::SetTextureMatrix(const TMatrix& Matrix)
{
    FTextureMatrixIsIdentity = false;
    GL.glMatrixMode(GL_TEXTURE);
    GL.glLoadMatrixf(&Matrix[0].X);
    GL.glMatrixMode(GL_MODELVIEW);
}

void T3DStateCache::ResetTextureMatrix()
{
    if (FTextureMatrixIsIdentity)
        return;
    GL.glMatrixMode(GL_TEXTURE);
    GL.glLoadIdentity();
    GL.glMatrixMode(GL_MODELVIEW);
    FTextureMatrixIsIdentity = true;
}

void T3DStateCache::InvertFrontFace()
{
    FFrontFaceCCW = !FFrontFaceCCW;
    GL.glFrontFace(FFrontFaceCCW ? GL_CCW : GL_CW);
}

void T3DStateCache::ResetFrontFace()
{
    GL.glFrontFace(GL_CCW);
    FFrontFaceCCW = true;
}

void T3DStateCache::ResetAll()
{
    ResetPolygonModes();
    ResetMaterials();
    ResetTextures();
    ResetFrontFace();
}
