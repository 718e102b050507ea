#pragma once
// The OpenGL state that changes most while a frame is drawn, cached between
// the renderer and OpenGL: enabled capabilities, polygon modes, material
// colours, bound textures, the texture matrix and the front-face winding.
// Each setter compares with what it sent last and calls OpenGL (through the
// binding's table GL) only on a change. A cache belongs to one scene
// buffer and is valid only for that buffer's context; the cache trusts
// itself, so state changed behind its back goes unnoticed.
//
// While a pass draws (TDeferredDisables), a capability switched off with
// DeferDisable stays on in GL until something is drawn: switched on again
// before that, it costs no call at all. So objects drawn one after another
// with the same texture keep texturing on between them instead of making
// OpenGL check its state anew for every object.
#include <GL/gl.h>

#include <array>
#include <cstdint>

#include "platform/rtl/object.h"
#include "scene3d/geometry/vectortypes.h"

// The capabilities the cache switches, bit n of its set for state n.
enum TCachedCapability {
    ccAlphaTest,
    ccAutoNormal,
    ccBlend,
    ccColorMaterial,
    ccCullFace,
    ccDepthTest,
    ccDither,
    ccFog,
    ccLighting,
    ccLineSmooth,
    ccLineStipple,
    ccLogicOp,
    ccNormalize,
    ccPointSmooth,
    ccPolygonSmooth,
    ccPolygonStipple,
    ccScissorTest,
    ccStencilTest,
    ccTexture1D,
    ccTexture2D,
    ccTextureCubeMap,
    ccTextureRect,
};

// The GL capability of a cached state.
GLenum CapabilityOf(TCachedCapability State);

class T3DStateCache : public TObject {
public:
    static constexpr int TextureSlots = 8;

    // Every capability counts as disabled, whatever GL's own defaults are:
    // disabling one that GL enables by default (dithering) sends nothing
    // until it was enabled through the cache. Material colours, polygon
    // modes and bound textures are unknown, the winding counter-clockwise
    // and the texture matrix the identity.
    T3DStateCache();

    void Enable(TCachedCapability State);
    void Disable(TCachedCapability State);
    bool IsEnabled(TCachedCapability State) const { return (FStates & Bit(State)) != 0; }
    // Disable, held back while a pass draws: the state counts as disabled
    // at once, GL hears of it at SendDeferredDisables unless an Enable comes
    // first.
    void DeferDisable(TCachedCapability State);
    // Sends the disables held back; whatever draws calls it first.
    void SendDeferredDisables();

    // Face GL_FRONT, GL_BACK or GL_FRONT_AND_BACK; other faces do nothing.
    void SetPolygonMode(GLenum Face, GLenum Mode);
    // Forgets both modes (no GL call).
    void ResetPolygonModes();

    // Face GL_FRONT or GL_BACK (others are an assertion failure). The
    // shininess first, then each colour that differs bit for bit from the
    // cached one.
    void SetMaterialColors(GLenum Face, const TVector& Emission, const TVector& Ambient, const TVector& Diffuse,
                           const TVector& Specular, int Shininess);
    // Sends the diffuse colour again with the new alpha when the alpha
    // differs. With the diffuse colour unknown (after ResetMaterials) it
    // sends GL's default diffuse colour (0.8, 0.8, 0.8) with the alpha.
    void SetMaterialAlpha(GLenum Face, float Alpha);
    // Sends GL's default material to both faces and forgets the colours, so
    // that the next colour set is sent whatever it is; shininess 0.
    void ResetMaterials();

    // Binds the texture to Target unless the slot holds that name already
    // (the target is not compared). Slot 0 to 7.
    void SetTexture(int Slot, GLenum Target, GLuint Name);
    // Forgets every slot's texture (no GL call).
    void ResetTextures();

    // Loads the matrix into GL_TEXTURE (always sent) and returns to
    // GL_MODELVIEW.
    void SetTextureMatrix(const TMatrix& Matrix);
    // Loads the identity into GL_TEXTURE unless it is there already.
    void ResetTextureMatrix();

    // Switches the winding of front faces between counter-clockwise and
    // clockwise.
    void InvertFrontFace();
    // Counter-clockwise front faces (always sent).
    void ResetFrontFace();

    // The polygon modes, materials, textures and front face; the capability
    // set and the texture-matrix flag stay.
    void ResetAll();

private:
    struct TFaceMaterial {
        TVector Emission;
        TVector Ambient;
        TVector Diffuse;
        TVector Specular;
        int Shininess = 0;
    };

    static uint32_t Bit(TCachedCapability State) { return uint32_t{1} << State; }
    TFaceMaterial& MaterialOf(GLenum Face);
    void ForgetMaterials();

    friend class TDeferredDisables;

    std::array<TFaceMaterial, 2> FMaterials;   // front, back
    uint32_t FStates = 0;
    // Disabled here, still enabled in GL.
    uint32_t FDeferred = 0;
    bool FDeferring = false;
    std::array<GLuint, TextureSlots> FTextures;
    GLenum FFrontPolygonMode = 0;
    GLenum FBackPolygonMode = 0;
    bool FFrontFaceCCW = true;
    bool FTextureMatrixIsIdentity = true;
};

// Holds back the cache's DeferDisable calls for as long as it lives (a
// pass), and sends what is still held back when it goes, also when an
// exception passes.
class TDeferredDisables {
public:
    explicit TDeferredDisables(T3DStateCache& Cache) : FCache(Cache), FWasDeferring(Cache.FDeferring)
    {
        FCache.FDeferring = true;
    }
    ~TDeferredDisables()
    {
        FCache.SendDeferredDisables();
        FCache.FDeferring = FWasDeferring;
    }
    TDeferredDisables(const TDeferredDisables&) = delete;
    TDeferredDisables& operator=(const TDeferredDisables&) = delete;

private:
    T3DStateCache& FCache;
    const bool FWasDeferring;
};
