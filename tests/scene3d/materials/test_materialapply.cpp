// Applying and reverting materials over a state cache whose OpenGL calls
// are recorded.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/rtl/exceptions.h"
#include "scene3d/materials/material.h"
#include "scene3d/opengl/multitexgl.h"
#include "scene3d/render/rendercontextinfo.h"
#include "scene3d/state/statecache.h"
#include "scene3d/textures/texture.h"
#include "tests/scene3d/opengl/glcallrecording.h"

namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

class MaterialApply : public ::testing::Test {
protected:
    MaterialApply() { FRci.StateCache = &FCache; }
    // Texture coordinates go nowhere again, as the process started.
    ~MaterialApply() override { SetTexCoordNull(); }

    // The recorded calls whose text starts with one of Prefixes.
    static std::vector<std::string> SentOf(std::initializer_list<std::string> Prefixes)
    {
        std::vector<std::string> sent = TOpenGLCallRecorder::Sent();
        std::erase_if(sent, [&](const std::string& call) {
            return std::none_of(Prefixes.begin(), Prefixes.end(),
                                [&](const std::string& prefix) { return call.starts_with(prefix); });
        });
        return sent;
    }

    TOpenGLCallRecorder FRecorder;
    T3DStateCache FCache;
    TRenderContextInfo FRci;
    T3DMaterial FMaterial{nullptr};
};

// Blending starts on and the alpha test off, so that every mode has
// something to switch.
TEST_F(MaterialApply, BlendingTable)
{
    struct TCase {
        TBlendingMode Mode;
        std::vector<std::string> Calls;
        bool Blend;
        bool AlphaTest;
    };
    const TCase cases[] = {
        {bmOpaque, {"Disable be2"}, false, false},
        {bmTransparency, {"Enable bc0", "BlendFunc 302 303"}, true, true},
        {bmAdditive, {"Enable bc0", "BlendFunc 302 1"}, true, true},
        {bmAlphaTest50, {"Disable be2", "Enable bc0", "AlphaFunc 206 0.5"}, false, true},
        {bmAlphaTest100, {"Disable be2", "Enable bc0", "AlphaFunc 206 1"}, false, true},
        {bmModulate, {"Enable bc0", "BlendFunc 306 0"}, true, true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Mode);
        T3DStateCache cache;
        cache.Enable(ccBlend);
        FRci.StateCache = &cache;
        FMaterial.SetBlendingMode(c.Mode);
        TOpenGLCallRecorder::Sent();
        FMaterial.Apply(FRci);
        EXPECT_THAT(SentOf({"Enable be2", "Disable be2", "Enable bc0", "Disable bc0", "BlendFunc", "AlphaFunc"}),
                    ElementsAreArray(c.Calls));
        EXPECT_EQ(cache.IsEnabled(ccBlend), c.Blend);
        EXPECT_EQ(cache.IsEnabled(ccAlphaTest), c.AlphaTest);

        // Reverting gives the pass its alpha function back and leaves
        // blending and the alpha test as they are.
        FMaterial.Revert(FRci);
        const bool alphaTestMode = c.Mode == bmAlphaTest50 || c.Mode == bmAlphaTest100;
        EXPECT_EQ(SentOf({"AlphaFunc", "Enable", "Disable", "BlendFunc"}),
                  alphaTestMode ? std::vector<std::string>{"AlphaFunc 204 0"} : std::vector<std::string>{});
        EXPECT_EQ(cache.IsEnabled(ccBlend), c.Blend);
    }
}

TEST_F(MaterialApply, APassThatForbidsBlendingKeepsItsOwn)
{
    FRci.BlendingForbidden = true;
    FMaterial.SetBlendingMode(bmAdditive);
    FMaterial.Apply(FRci);
    EXPECT_THAT(SentOf({"Enable", "Disable", "BlendFunc", "AlphaFunc"}), IsEmpty());
    FMaterial.SetBlendingMode(static_cast<TBlendingMode>(6));
    FMaterial.Apply(FRci);
    FRci.BlendingForbidden = false;
    EXPECT_THROW(FMaterial.Apply(FRci), EAssertionFailed);
}

// Culling by the cache's state, the buffer's setting and the material's;
// the back face is lit whenever it shows, lighting or not.
TEST_F(MaterialApply, CullingTable)
{
    struct TCase {
        bool CullingOn;
        bool BufferCulls;
        TFaceCulling Culling;
        bool CullingAfter;
        bool BackApplied;
    };
    const TCase cases[] = {
        {true, false, fcBufferDefault, false, true}, {true, true, fcBufferDefault, true, false},
        {true, false, fcCull, true, false},          {true, true, fcNoCull, false, true},
        {false, true, fcBufferDefault, true, false}, {false, false, fcBufferDefault, false, true},
        {false, false, fcCull, true, false},         {false, true, fcNoCull, false, true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::string(c.CullingOn ? "culling" : "not culling") + (c.BufferCulls ? ", buffer culls, " : ", ") +
                     std::to_string(c.Culling));
        T3DStateCache cache;
        if (c.CullingOn)
            cache.Enable(ccCullFace);
        FRci.StateCache = &cache;
        FRci.BufferFaceCulling = c.BufferCulls;
        T3DMaterial material(nullptr);
        material.SetFaceCulling(c.Culling);
        TOpenGLCallRecorder::Sent();
        material.Apply(FRci);
        EXPECT_EQ(cache.IsEnabled(ccCullFace), c.CullingAfter);
        const std::vector<std::string> back = SentOf({"Materialfv 405", "Materiali 405", "PolygonMode 405"});
        EXPECT_EQ(back.size(), c.BackApplied ? 5u : 0u);   // four colours and the polygon mode
        EXPECT_EQ(material.HasBackProperties(), c.BackApplied);
    }
    FRci.StateCache = &FCache;   // not the cache of the last case, gone with it
    FMaterial.SetFaceCulling(static_cast<TFaceCulling>(3));
    EXPECT_THROW(FMaterial.Apply(FRci), EAssertionFailed);
}

TEST_F(MaterialApply, TheFrontFaceIsLitOnlyWithLighting)
{
    FCache.Enable(ccLighting);
    FMaterial.Apply(FRci);
    EXPECT_THAT(SentOf({"Materialfv 404 1201", "Color4fv"}), ElementsAre("Materialfv 404 1201 0.8 0.8 0.8 1"));
    FMaterial.SetMaterialOptions({moNoLighting});
    FMaterial.Apply(FRci);
    EXPECT_THAT(SentOf({"Materialfv 404 1201", "Color4fv", "Disable b50"}),
                ElementsAre("Disable b50", "Color4fv 0.8 0.8 0.8 1"));
}

// Materials that switch lighting off, applied inside one another, switch
// it on again only when the outermost one reverts; lighting that the
// buffer left off stays off.
TEST_F(MaterialApply, NestedMaterialsWithoutLighting)
{
    T3DMaterial outer(nullptr);
    T3DMaterial inner(nullptr);
    T3DMaterial plain(nullptr);
    outer.SetMaterialOptions({moNoLighting});
    inner.SetMaterialOptions({moNoLighting});

    FCache.Enable(ccLighting);
    outer.Apply(FRci);
    inner.Apply(FRci);
    plain.Apply(FRci);
    EXPECT_FALSE(FCache.IsEnabled(ccLighting));
    EXPECT_EQ(FRci.LightingOffCount, 2);
    plain.Revert(FRci);
    inner.Revert(FRci);
    EXPECT_FALSE(FCache.IsEnabled(ccLighting));
    EXPECT_EQ(FRci.LightingOffCount, 1);
    outer.Revert(FRci);
    EXPECT_TRUE(FCache.IsEnabled(ccLighting));
    EXPECT_EQ(FRci.LightingOffCount, 0);

    T3DStateCache unlitBuffer;
    FRci.StateCache = &unlitBuffer;
    outer.Apply(FRci);
    inner.Apply(FRci);
    EXPECT_EQ(FRci.LightingOffCount, 0);
    inner.Revert(FRci);
    outer.Revert(FRci);
    EXPECT_FALSE(unlitBuffer.IsEnabled(ccLighting));
    EXPECT_EQ(FRci.LightingOffCount, 0);
    EXPECT_THAT(SentOf({"Enable b50", "Disable b50"}), ElementsAre("Enable b50", "Disable b50", "Enable b50"));
}

TEST_F(MaterialApply, NestedMaterialsIgnoringFog)
{
    T3DMaterial outer(nullptr);
    T3DMaterial inner(nullptr);
    outer.SetMaterialOptions({moIgnoreFog});
    inner.SetMaterialOptions({moIgnoreFog, moNoLighting});
    FCache.Enable(ccFog);
    outer.Apply(FRci);
    inner.Apply(FRci);
    EXPECT_EQ(FRci.FogOffCount, 2);
    EXPECT_EQ(FRci.LightingOffCount, 0);   // lighting was off already
    inner.Revert(FRci);
    EXPECT_FALSE(FCache.IsEnabled(ccFog));
    outer.Revert(FRci);
    EXPECT_TRUE(FCache.IsEnabled(ccFog));
    EXPECT_FALSE(FCache.IsEnabled(ccLighting));
}

// A texture that was never asked for switches nothing; an existing texture
// (disabled) switches texturing off and sends texture coordinates to the
// main unit.
TEST_F(MaterialApply, OnlyAnExistingTextureSwitchesTexturing)
{
    FCache.Enable(ccTexture2D);
    FCache.Enable(ccTextureRect);
    SetTexCoordNull();
    TOpenGLCallRecorder::Sent();
    FMaterial.Apply(FRci);
    FMaterial.Revert(FRci);
    EXPECT_THAT(SentOf({"Disable de1", "Disable 84f5"}), IsEmpty());
    EXPECT_FALSE(FMaterial.HasTexture());

    FMaterial.Texture();
    FMaterial.Apply(FRci);
    EXPECT_THAT(SentOf({"Disable de1", "Disable 84f5"}), ElementsAre("Disable de1", "Disable 84f5"));
    EXPECT_EQ(GetTexCoordUnitMask(), 1);
    FMaterial.Revert(FRci);
    EXPECT_THAT(TOpenGLCallRecorder::Sent(), IsEmpty());
    FMaterial.ReleaseTextureHandle();
}

} // namespace
