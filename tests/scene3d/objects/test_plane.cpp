// Planes: their settings, where rays hit them, and what they draw: tiled
// textures, and a floor fading into fog.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "platform/rtl/reader.h"
#include "platform/rtl/writer.h"
#include "platform/ui/forms.h"
#include "scene3d/geometry/vectorgeometry.h"
#include "scene3d/materials/color.h"
#include "scene3d/materials/faceproperties.h"
#include "scene3d/materials/material.h"
#include "scene3d/objects/plane.h"
#include "scene3d/scene/fogenvironment.h"
#include "scene3d/textures/pictureimages.h"
#include "scene3d/textures/texture.h"
#include "scene3d/utils/wincolors.h"
#include "tests/scene3d/buffer/buffertesting.h"
#include "tests/scene3d/geometry/geometrytesting.h"
#include "tests/scene3d/scene/scenetesting.h"
#include "tests/scene3d/textures/texturetesting.h"

namespace {

// Counts the rebuilds and the other changes its setters report.
class TCountingPlane : public T3DPlane {
public:
    using T3DPlane::T3DPlane;
    void ListInvalidated() override
    {
        ++Rebuilds;
        T3DPlane::ListInvalidated();
    }
    void NotifyChange(TObject* Sender) override
    {
        ++Changes;
        T3DPlane::NotifyChange(Sender);
    }
    int Rebuilds = 0;
    int Changes = 0;
};

TEST(Plane, StartsAsAUnitSquareWithOneTile)
{
    const T3DPlane plane(nullptr);
    EXPECT_EQ(plane.Width(), 1);
    EXPECT_EQ(plane.Height(), 1);
    EXPECT_EQ(plane.XOffset(), 0);
    EXPECT_EQ(plane.YOffset(), 0);
    EXPECT_EQ(plane.XScope(), 1);
    EXPECT_EQ(plane.YScope(), 1);
    EXPECT_EQ(plane.XTiles(), 1u);
    EXPECT_EQ(plane.YTiles(), 1u);
    EXPECT_EQ(plane.Style(), (TPlaneStyles{psSingleQuad, psTileTexture}));
    EXPECT_FALSE(plane.NoZWrite());
    EXPECT_TRUE(plane.ObjectStyle().Contains(sfDirectDraw));
}

TEST(Plane, ScopesAreAtMostOne)
{
    struct TCase {
        float Given;
        float Stored;
    };
    T3DPlane plane(nullptr);
    for (const TCase c : {TCase{2, 1}, TCase{1.0001f, 1}, TCase{0.25f, 0.25f}, TCase{-3, -3}}) {
        plane.SetXScope(c.Given);
        plane.SetYScope(c.Given);
        EXPECT_EQ(plane.XScope(), c.Stored) << c.Given;
        EXPECT_EQ(plane.YScope(), c.Stored) << c.Given;
    }
}

// The shape's settings rebuild the plane when they change, and only then;
// NoZWrite is a change of look only.
TEST(Plane, ChangedSettingsRebuildThePlane)
{
    const std::vector<std::function<void(T3DPlane&)>> changes = {
        [](T3DPlane& p) { p.SetWidth(4); },     [](T3DPlane& p) { p.SetHeight(3); },
        [](T3DPlane& p) { p.SetXOffset(0.5f); }, [](T3DPlane& p) { p.SetYOffset(0.5f); },
        [](T3DPlane& p) { p.SetXScope(0.5f); },  [](T3DPlane& p) { p.SetYScope(0.5f); },
        [](T3DPlane& p) { p.SetXTiles(3); },     [](T3DPlane& p) { p.SetYTiles(2); },
        [](T3DPlane& p) { p.SetStyle({psTileTexture}); },
    };
    TCountingPlane plane(nullptr);
    for (std::size_t k = 0; k < changes.size(); ++k) {
        changes[k](plane);
        changes[k](plane);
        EXPECT_EQ(plane.Rebuilds, static_cast<int>(k) + 1) << "change " << k;
    }
    const int changed = plane.Changes;
    plane.SetNoZWrite(true);
    plane.SetNoZWrite(true);
    EXPECT_EQ(plane.Changes, changed + 1);
    EXPECT_EQ(plane.Rebuilds, static_cast<int>(changes.size()));
    plane.SetWidth(-4);
    EXPECT_TRUE(Near(plane.GetHalfExtents(), {2, 1.5f, 0, 0}));
}

// A 4 x 2 plane turned to face +X (its own +Z), its centre at (5, 1, 0):
// its width runs along Z (its own +X is -Z), its height along Y.
class PlaneRays : public SceneTest {
protected:
    void SetUp() override
    {
        FPlane = FScene->Objects()->CreateChild<T3DPlane>();
        FPlane->SetWidth(4);
        FPlane->SetHeight(2);
        FPlane->Position()->AssignPoint(5, 1, 0);
        FPlane->Direction()->AssignVector(1, 0, 0);
        Settle(*FPlane);
    }
    T3DPlane* FPlane = nullptr;
};

TEST_F(PlaneRays, HitsWithinTheRectangleWithTheNormalTowardsTheStart)
{
    struct TCase {
        const char* Label;
        TVector Start;
        TVector Vector;
        TVector Point;
        TVector Normal;
    };
    // The plane spans z from -2 to 2 (its width) and y from 0 to 2.
    const TCase cases[] = {
        {"from the front", {10, 1, 0, 1}, {-1, 0, 0, 0}, {5, 1, 0, 1}, {1, 0, 0, 0}},
        {"from behind", {0, 1, 0, 1}, {1, 0, 0, 0}, {5, 1, 0, 1}, {-1, 0, 0, 0}},
        {"slanting, unnormalised", {9, 3, 1, 1}, {-8, -2, 0, 0}, {5, 2, 1, 1}, {1, 0, 0, 0}},
        {"near a corner from behind", {4, 0.1f, -1.9f, 1}, {3, 0, 0, 0}, {5, 0.1f, -1.9f, 1}, {-1, 0, 0, 0}},
    };
    for (const TCase& c : cases) {
        TVector point{};
        TVector normal{};
        ASSERT_TRUE(FPlane->IntersectRay(c.Start, c.Vector, &point, &normal)) << c.Label;
        EXPECT_TRUE(Near(point, c.Point)) << c.Label;
        EXPECT_TRUE(Near(normal, c.Normal)) << c.Label;
        EXPECT_TRUE(FPlane->IntersectRay(c.Start, c.Vector, nullptr, nullptr)) << c.Label;
    }
}

TEST_F(PlaneRays, MissesOutsideTheRectangleAlongItAndAwayFromIt)
{
    struct TCase {
        const char* Label;
        TVector Start;
        TVector Vector;
    };
    const TCase cases[] = {
        {"beyond the width", {10, 1, 2.1f, 1}, {-1, 0, 0, 0}},
        {"above the height", {10, 2.1f, 0, 1}, {-1, 0, 0, 0}},
        {"below the height", {10, -0.1f, 0, 1}, {-1, 0, 0, 0}},
        {"parallel to it", {5, 1, 5, 1}, {0, 0, -1, 0}},
        {"pointing away", {10, 1, 0, 1}, {1, 0, 0, 0}},
        {"no direction", {10, 1, 0, 1}, {0, 0, 0, 0}},
    };
    for (const TCase& c : cases)
        EXPECT_FALSE(FPlane->IntersectRay(c.Start, c.Vector, nullptr, nullptr)) << c.Label;
}

// Under a parent squashed along X the plane's normal stays square to it.
TEST_F(PlaneRays, TheNormalIsSquareToThePlaneUnderAnUnevenScale)
{
    T3DTestObject* parent = Top("Squashed");
    parent->Scale()->AssignVector(0.5f, 1, 1);
    auto* slanted = parent->CreateChild<T3DPlane>();
    slanted->Direction()->AssignVector(1, 0, 1);
    Settle(*parent);
    // Its own +X, (1, 0, -1) in the parent, is (1, 0, -2) in the world, so
    // its normal there is (2, 0, 1), not the squashed direction (1, 0, 2).
    TVector normal{};
    TVector point{};
    ASSERT_TRUE(slanted->IntersectRay({4, 0, 0, 1}, {-1, 0, 0, 0}, &point, &normal));
    EXPECT_TRUE(Near(point, {0, 0, 0, 1}));
    const float length = std::sqrt(5.0f);
    EXPECT_TRUE(Near(normal, {2 / length, 0, 1 / length, 0})) << normal.X << " " << normal.Z;
}

TEST(PlaneStreaming, EverySettingReadsBackAsWritten)
{
    EnsureApplication();
    TForm form(nullptr);
    form.SetName("frmScene");
    auto* scene = new T3DScene(&form);
    scene->SetName("Scene");
    auto* plain = new T3DPlane(&form);
    plain->SetName("Plain");
    plain->SetParentComponent(scene);
    auto* floor = new T3DPlane(&form);
    floor->SetName("Floor");
    floor->SetParentComponent(scene);
    floor->SetWidth(20);
    floor->SetHeight(40);
    floor->SetXOffset(0.25f);
    floor->SetXScope(0.5f);
    floor->SetXTiles(4294967295u);
    floor->SetYOffset(-1);
    floor->SetYScope(0.75f);
    floor->SetYTiles(8);
    floor->SetStyle({psTileTexture});
    floor->SetNoZWrite(true);
    floor->Material()->FrontProperties()->Emission()->SetColor({1, 0, 0, 1});

    const std::string text = WriteComponentToText(form);
    const std::size_t plainAt = text.find("object Plain: T3DPlane");
    const std::size_t floorAt = text.find("object Floor: T3DPlane");
    ASSERT_NE(plainAt, std::string::npos) << text;
    ASSERT_NE(floorAt, std::string::npos) << text;
    const std::string plainText = text.substr(plainAt, floorAt - plainAt);
    for (const char* name : {"Width", "Height", "XOffset", "XScope", "XTiles", "YOffset", "YScope", "YTiles", "Style",
                             "NoZWrite"})
        EXPECT_EQ(plainText.find(name), std::string::npos) << name << " is at its default\n" << text;
    EXPECT_NE(text.find("XTiles = 4294967295"), std::string::npos) << text;
    EXPECT_NE(text.find("Style = [psTileTexture]"), std::string::npos) << text;

    TForm read(nullptr);
    ReadComponentFromText(read, text, "frmScene");
    const auto* readFloor = ComponentByName<T3DPlane>(read, "Floor");
    ASSERT_NE(readFloor, nullptr);
    EXPECT_EQ(readFloor->Width(), 20);
    EXPECT_EQ(readFloor->XOffset(), 0.25f);
    EXPECT_EQ(readFloor->XScope(), 0.5f);
    EXPECT_EQ(readFloor->XTiles(), 4294967295u);
    EXPECT_EQ(readFloor->YTiles(), 8u);
    EXPECT_EQ(readFloor->Style(), TPlaneStyles{psTileTexture});
    EXPECT_TRUE(readFloor->NoZWrite());
    EXPECT_EQ(WriteComponentToText(read), text);
}

TEST(PlaneStreaming, ATileCountBeyondACardinalIsAReadError)
{
    EnsureApplication();
    for (const char* tiles : {"-1", "4294967296"}) {
        const std::string text =
            std::string("object frmScene: TForm\n  object Floor: T3DPlane\n    XTiles = ") + tiles + "\n  end\nend\n";
        TForm read(nullptr);
        EXPECT_THAT([&] { ReadComponentFromText(read, text, "frmScene"); },
                    ::testing::ThrowsMessage<EReadError>(::testing::HasSubstr("Floor.XTiles: " + std::string(tiles) +
                                                                              " is out of range")));
    }
}

// A plane of 1.2 x 1.2 ten units in front of the camera, about 45 pixels
// wide, on black.
class PlaneDrawing : public BufferTest {
protected:
    void SetUp() override
    {
        BufferTest::SetUp();
        FBuffer->SetBackgroundColor(0);
        FBuffer->SetLighting(false);
        FPlane = FScene->Objects()->CreateChild<T3DPlane>();
        FPlane->Position()->AssignPoint(0, 0, -10);
        FPlane->SetWidth(1.2f);
        FPlane->SetHeight(1.2f);
    }

    // A texture two texels wide, white on the left and black on the right,
    // drawn as it is.
    void StripeTexture()
    {
        T3DTexture& texture = *FPlane->Material()->Texture();
        static_cast<T3DPersistentImage*>(texture.Image())
            ->Picture()
            ->Assign(PaintedBitmap(2, 2, [](int X, int) { return X == 0 ? PackRGB(255, 255, 255) : PackRGB(0, 0, 255); })
                         .get());
        texture.SetMagFilter(maNearest);
        texture.SetMinFilter(miNearest);
        texture.SetTextureMode(tmReplace);
        texture.SetDisabled(false);
    }

    // The runs of white and of blue along the middle row, left to right:
    // "wbw" for white, blue, white.
    std::string Stripes()
    {
        const std::vector<TRGBA> frame = Frame();
        std::string runs;
        for (int x = 0; x < Size; ++x) {
            const TRGBA p = Pixel(frame, x, Size / 2);
            const char kind = p == TRGBA{255, 255, 255, 255} ? 'w' : p == TRGBA{0, 0, 255, 255} ? 'b' : ' ';
            if (kind != ' ' && (runs.empty() || runs.back() != kind))
                runs += kind;
        }
        return runs;
    }

    T3DPlane* FPlane = nullptr;
};

TEST_F(PlaneDrawing, TheTextureRunsFromTheOffsetToTheScopeOrOverTheTiles)
{
    struct TCase {
        const char* Label;
        TPlaneStyles Style;
        uint32_t XTiles;
        float XOffset;
        float XScope;
        const char* Stripes;
    };
    const TCase cases[] = {
        {"one quad, tiled", {psSingleQuad, psTileTexture}, 4, 0, 1, "wbwbwbwb"},
        {"strips, tiled", {psTileTexture}, 4, 0, 1, "wbwbwbwb"},
        {"one quad, not tiled", {psSingleQuad}, 4, 0, 1, "wb"},
        {"strips, not tiled", {}, 4, 0, 1, "wb"},
        {"half a scope over three tiles", {psSingleQuad, psTileTexture}, 3, 0, 0.5f, "wbw"},
        {"from the offset to the scope", {psSingleQuad}, 1, 0.5f, 1, "b"},
        {"tiles from the offset", {psTileTexture}, 2, 0.5f, 1, "bwbw"},
    };
    StripeTexture();
    for (const TCase& c : cases) {
        FPlane->SetStyle(c.Style);
        FPlane->SetXTiles(c.XTiles);
        FPlane->SetXOffset(c.XOffset);
        FPlane->SetXScope(c.XScope);
        FBuffer->RenderFrame();
        EXPECT_EQ(Stripes(), c.Stripes) << c.Label;
    }
}

// Drawn in strips the plane covers the same pixels as in one quad, also
// with no tiles at all in one direction, when it draws nothing.
TEST_F(PlaneDrawing, StripsCoverWhatOneQuadCovers)
{
    FPlane->Material()->FrontProperties()->Diffuse()->SetColor({1, 1, 0, 1});
    FBuffer->RenderFrame();
    const std::vector<TRGBA> quad = Frame();
    EXPECT_EQ(Centre(), (TRGBA{255, 255, 0, 255}));
    FPlane->SetStyle({});
    FPlane->SetXTiles(5);
    FPlane->SetYTiles(3);
    FBuffer->RenderFrame();
    EXPECT_EQ(Frame(), quad);
    FPlane->SetYTiles(0);
    FBuffer->RenderFrame();
    EXPECT_EQ(Centre(), (TRGBA{0, 0, 0, 255}));
}

// A plane without depth writes leaves the depth buffer as the clear left it,
// so a square behind it drawn later still shows.
TEST_F(PlaneDrawing, WithoutDepthWritesItHidesNothingBehindIt)
{
    FScene->SetObjectsSorting(osNone);
    FPlane->Material()->FrontProperties()->Diffuse()->SetColor({1, 1, 0, 1});
    Square("Behind", -12, {0, 1, 0, 1});
    FBuffer->RenderFrame();
    EXPECT_EQ(Centre(), (TRGBA{255, 255, 0, 255}));
    FPlane->SetNoZWrite(true);
    FBuffer->RenderFrame();
    EXPECT_EQ(Centre(), (TRGBA{0, 255, 0, 255}));
    FBuffer->RenderingContext()->Activate();
    GLboolean depthWrites = GL_FALSE;
    GL.glGetBooleanv(GL_DEPTH_WRITEMASK, &depthWrites);
    FBuffer->RenderingContext()->Deactivate();
    EXPECT_EQ(depthWrites, GL_TRUE);
}

// A red floor one unit below the eye, from 10 to 90 units ahead, under a
// blue linear fog from 10 to 60 units: red near the bottom of the frame,
// turning blue towards the horizon.
TEST_F(PlaneDrawing, AFloorFadesIntoTheFog)
{
    FBuffer->SetLighting(true);
    FPlane->Material()->FrontProperties()->Emission()->SetColor({1, 0, 0, 1});
    FPlane->SetWidth(30);
    FPlane->SetHeight(80);
    FPlane->Position()->AssignPoint(0, -1, -50);
    FPlane->Direction()->AssignVector(0, 1, 0);
    T3DColor blue(nullptr);
    blue.SetColor({0, 0, 1, 1});
    FBuffer->FogEnvironment()->SetFogColor(&blue);
    FBuffer->FogEnvironment()->SetFogStart(10);
    FBuffer->FogEnvironment()->SetFogEnd(60);
    FBuffer->SetFogEnable(true);
    FBuffer->RenderFrame();
    const std::vector<TRGBA> single = Frame();
    SaveFrame(single, "plane_under_fog.png");

    // The middle column from the bottom up to the last row of floor.
    std::vector<TRGBA> column;
    for (int y = 0; y < Size && Pixel(single, Size / 2, y) != TRGBA{0, 0, 0, 255}; ++y)
        column.push_back(Pixel(single, Size / 2, y));
    ASSERT_GT(column.size(), 20u);
    EXPECT_LT(column.size(), static_cast<std::size_t>(Size / 2));
    EXPECT_GT(column.front()[0], 200);
    EXPECT_LT(column.front()[2], 50);
    EXPECT_LT(column.back()[0], 10);
    EXPECT_GT(column.back()[2], 245);
    for (std::size_t k = 1; k < column.size(); ++k) {
        EXPECT_LE(column[k][0], column[k - 1][0] + 1) << k;
        EXPECT_GE(column[k][2] + 1, column[k - 1][2]) << k;
    }
    // Drawn in strips the floor takes the same fog.
    FPlane->SetStyle({});
    FPlane->SetXTiles(6);
    FPlane->SetYTiles(16);
    FBuffer->RenderFrame();
    const std::vector<TRGBA> strips = Frame();
    for (std::size_t k = 0; k < strips.size(); ++k)
        for (std::size_t c = 0; c < 3; ++c)
            ASSERT_NEAR(strips[k][c], single[k][c], 2) << k;
}

} // namespace
