// Sprites and dummy cubes: their settings, and what they draw under the
// lamp scene's camera.
#include "platform/rtl/classbuilder.h"
#include "scene3d/materials/color.h"
#include "scene3d/materials/faceproperties.h"
#include "scene3d/materials/libmaterial.h"
#include "scene3d/materials/material.h"
#include "scene3d/materials/materiallibrary.h"
#include "tests/scene3d/materials/shadertesting.h"
#include "scene3d/opengl/openglapi.h"
#include "tests/scene3d/objects/lampscene.h"
#include "tests/scene3d/render/rendertesting.h"

namespace {

class TCountingSprite : public T3DSprite {
public:
    using T3DSprite::T3DSprite;
    void NotifyChange(TObject* Sender) override
    {
        ++Changes;
        T3DSprite::NotifyChange(Sender);
    }
    int Changes = 0;
};

// Counts the builds of its quad.
class TCountedSprite : public T3DSprite {
public:
    using T3DSprite::T3DSprite;
    void CompileList(TRenderContextInfo& Rci) override
    {
        ++Builds;
        T3DSprite::CompileList(Rci);
    }
    int Builds = 0;
};

int LitPixels(const std::vector<TLampPixel>& Frame)
{
    int count = 0;
    for (const TLampPixel& p : Frame)
        count += (p[0] | p[1] | p[2]) != 0;
    return count;
}

// The box of the lit pixels: left, top, right, bottom.
std::array<int, 4> LitBox(const std::vector<TLampPixel>& Frame, int Width)
{
    std::array<int, 4> box = {Width, 1 << 20, -1, -1};
    for (std::size_t k = 0; k < Frame.size(); ++k)
        if ((Frame[k][0] | Frame[k][1] | Frame[k][2]) != 0) {
            const int x = static_cast<int>(k) % Width;
            const int y = static_cast<int>(k) / Width;
            box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x), std::max(box[3], y)};
        }
    return box;
}

} // namespace

TEST(Sprite, AlphaChannelIsClampedToTheUnitRange)
{
    TCountingSprite sprite(nullptr);
    for (const auto& [given, stored] : {std::pair{1.5f, 1.0f}, {-1.0f, 0.0f}, {0.25f, 0.25f}}) {
        sprite.SetAlphaChannel(given);
        EXPECT_FLOAT_EQ(sprite.AlphaChannel(), stored) << given;
    }
}

TEST(Sprite, SettersReportOnlyChangedSizes)
{
    TCountingSprite sprite(nullptr);
    sprite.SetWidth(1);
    sprite.SetHeight(1);
    sprite.SetRotation(0);
    EXPECT_EQ(sprite.Changes, 0);
    sprite.SetWidth(2);
    EXPECT_EQ(sprite.Changes, 1);
    EXPECT_EQ(sprite.GetHalfExtents().X, 1);
    EXPECT_EQ(sprite.GetHalfExtents().Z, 1);
    sprite.SetMirrorU(false);
    EXPECT_EQ(sprite.Changes, 2);
}

TEST(Sprite, AssignCopiesTheQuadButNotTheMirrorFlags)
{
    TComponent owner(nullptr);
    auto* source = new T3DSprite(&owner);
    source->SetWidth(3);
    source->SetAlphaChannel(0.5f);
    source->SetNoZWrite(true);
    source->SetMirrorU(true);
    source->Material()->SetBlendingMode(bmAdditive);
    auto* copy = new T3DSprite(&owner);
    copy->Assign(source);
    EXPECT_EQ(copy->Width(), 3);
    EXPECT_EQ(copy->AlphaChannel(), 0.5f);
    EXPECT_TRUE(copy->NoZWrite());
    EXPECT_FALSE(copy->MirrorU());
    EXPECT_TRUE(copy->IsBlended());
}

TEST(SceneObjectClasses, AreKnownByNameForStoredDescriptions)
{
    for (const char* name : {"T3DCustomSceneObject", "T3DSceneObject", "T3DImmaterialSceneObject",
                             "T3DCameraInvariantObject", "T3DDummyCube", "T3DSprite"})
        EXPECT_NE(FindClassInfo(name), nullptr) << name;
    EXPECT_NE(FindClassInfo("T3DSprite")->Factory(), nullptr);
    EXPECT_NE(FindClassInfo("T3DDummyCube")->Factory(), nullptr);
}

TEST(DummyCube, CenterPointIsTheMeanOfTheChildren)
{
    TComponent owner(nullptr);
    auto* group = new T3DDummyCube(&owner);
    group->Position()->AssignPoint(1, 2, 3);
    EXPECT_EQ(group->CenterPoint().X, 1);
    group->CreateChild<T3DSprite>()->Position()->AssignPoint(2, 0, 0);
    group->CreateChild<T3DSprite>()->Position()->AssignPoint(4, 2, 0);
    const TVector centre = group->CenterPoint();
    EXPECT_FLOAT_EQ(centre.X, 4);
    EXPECT_FLOAT_EQ(centre.Y, 3);
    EXPECT_FLOAT_EQ(centre.Z, 3);
    EXPECT_FALSE(group->IntersectRay({0, 0, -10, 1}, {0, 0, 1, 0}, nullptr, nullptr));
}

using SceneObjectDrawing = LampScene;

TEST_F(SceneObjectDrawing, ADummyCubeAtRunTimeDrawsOnlyItsChildren)
{
    auto* group = FLighting->CreateChild<T3DDummyCube>();
    group->SetCubeSize(4);
    Render();
    EXPECT_EQ(LitPixels(FFrame), 0);
    auto* sprite = group->CreateChild<T3DSprite>();
    sprite->Material()->FrontProperties()->Emission()->SetColor({1, 1, 1, 1});
    Render();
    const int spriteOnly = LitPixels(FFrame);
    EXPECT_GT(spriteOnly, 0);
    group->SetVisibleAtRunTime(true);
    Render();
    EXPECT_GT(LitPixels(FFrame), spriteOnly);
    // The outline reaches beyond the sprite: the front face, 13 units away.
    const std::array<int, 4> box = LitBox(FFrame, Width);
    EXPECT_NEAR(box[0], Projected(2 * 15 / 13.0f, 0).X, 1.5);
}

TEST_F(SceneObjectDrawing, VisibilityDeterminationHidesTheSubtree)
{
    auto* group = FLighting->CreateChild<T3DDummyCube>();
    auto* sprite = group->CreateChild<T3DDummyCube>()->CreateChild<T3DSprite>();
    sprite->Material()->FrontProperties()->Emission()->SetColor({1, 1, 1, 1});
    bool visible = false;
    int asked = 0;
    group->SetOnVisibilityDetermination([&](TObject* Sender, TRenderContextInfo&) {
        EXPECT_EQ(Sender, group);
        ++asked;
        return visible;
    });
    Render();
    EXPECT_EQ(LitPixels(FFrame), 0);
    visible = true;
    Render();
    EXPECT_GT(LitPixels(FFrame), 0);
    EXPECT_EQ(asked, 2);
}

TEST_F(SceneObjectDrawing, ASpriteFacesTheCameraUnderATurnedParent)
{
    auto* group = FLighting->CreateChild<T3DDummyCube>();
    auto* sprite = group->CreateChild<T3DSprite>();
    sprite->SetWidth(4);
    sprite->SetHeight(2);
    sprite->Material()->FrontProperties()->Emission()->SetColor({1, 1, 1, 1});
    Render();
    const std::array<int, 4> straight = LitBox(FFrame, Width);
    const TFramePoint corner = Projected(2, 1);
    EXPECT_NEAR(straight[0], corner.X, 1.5);
    EXPECT_NEAR(straight[1], corner.Y, 1.5);
    group->SetTurnAngle(60);
    group->SetPitchAngle(40);
    group->SetRollAngle(0);
    Render();
    EXPECT_EQ(LitBox(FFrame, Width), straight);
    // A rotation turns the quad in the view plane.
    sprite->SetRotation(90);
    Render();
    const std::array<int, 4> turned = LitBox(FFrame, Width);
    EXPECT_NEAR(turned[2] - turned[0], straight[3] - straight[1], 2);
    EXPECT_NEAR(turned[3] - turned[1], straight[2] - straight[0], 2);
}

TEST_F(SceneObjectDrawing, AnAmalgamatedGroupIsRecordedOnce)
{
    std::vector<std::string> log;
    auto* group = FLighting->CreateChild<T3DDummyCube>();
    group->SetAmalgamate(true);
    EXPECT_TRUE(group->ObjectStyle().Contains(sfAltersColorsOrWinding));
    auto* square = group->CreateChild<TDrawnObject>();
    square->SetName("square");
    square->Log = &log;
    for (int frame = 0; frame < 3; ++frame) {
        Render();
        EXPECT_GT(LitPixels(FFrame), 0) << frame;
    }
    EXPECT_EQ(log.size(), 1u);
    group->SetCubeSize(2);
    Render();
    EXPECT_EQ(log.size(), 2u);
    group->SetAmalgamate(false);
    EXPECT_FALSE(group->ObjectStyle().Contains(sfAltersColorsOrWinding));
}

TEST_F(SceneObjectDrawing, CameraInvarianceModesPinTheDrawingToTheCamera)
{
    auto* group = FLighting->CreateChild<T3DDummyCube>();
    group->Position()->AssignPoint(0, 0, -5);
    auto* sprite = group->CreateChild<T3DSprite>();
    sprite->Material()->FrontProperties()->Emission()->SetColor({1, 1, 1, 1});
    Render();
    const std::array<int, 4> plain = LitBox(FFrame, Width);
    // Placed from the camera's position: 5 units behind the eye nothing
    // shows; 10 units ahead the sprite stands where it stood before.
    group->SetCamInvarianceMode(cimPosition);
    Render();
    EXPECT_EQ(LitPixels(FFrame), 0);
    group->Position()->AssignPoint(0, 0, 10);
    Render();
    const std::array<int, 4> pinned = LitBox(FFrame, Width);
    EXPECT_EQ(pinned, plain);
}

TEST_F(SceneObjectDrawing, OrientationInvarianceDrawsInTheCameraAxes)
{
    auto* group = FLighting->CreateChild<T3DDummyCube>();
    group->SetCamInvarianceMode(cimOrientation);
    group->Position()->AssignPoint(2, 0, 10);
    auto* sprite = group->CreateChild<T3DSprite>();
    sprite->Material()->FrontProperties()->Emission()->SetColor({1, 1, 1, 1});
    // Two units to the right of the eye, ten ahead, wherever the camera is.
    const TFramePoint expected = Projected(-3, 0);
    for (const TAffineVector& eye : {TAffineVector{0, 0, -15}, TAffineVector{5, 3, -12}}) {
        FCamera->Position()->AssignPoint(eye.X, eye.Y, eye.Z);
        Render();
        const TFramePoint measured = MeasuredCentre(expected.PixelPos(), 12);
        EXPECT_NEAR(measured.X, expected.X, 0.75) << eye.X;
        EXPECT_NEAR(measured.Y, expected.Y, 0.75) << eye.X;
    }
}

TEST_F(SceneObjectDrawing, APassThatIgnoresMaterialsDrawsWithoutThem)
{
    auto* sprite = FLighting->CreateChild<T3DSprite>();
    sprite->Material()->FrontProperties()->Emission()->SetColor({1, 0, 0, 1});
    const TPixelPos centre = Projected(0, 0).PixelPos();
    FRci.IgnoreMaterials = true;
    Render();
    const TLampPixel bare = Pixel(centre);
    EXPECT_LT(bare[0], 128);
    FRci.IgnoreMaterials = false;
    Render();
    EXPECT_EQ(Pixel(centre)[0], 255);
    EXPECT_EQ(Pixel(centre)[1], bare[1]);
}

TEST_F(SceneObjectDrawing, AtDesignTimeTheOutlineShowsInItsEdgeColour)
{
    auto* group = FLighting->CreateChild<T3DDummyCube>();
    group->SetCubeSize(4);
    group->EdgeColor()->SetColor({0, 1, 0, 1});
    group->SetDesigning(true);
    Render();
    EXPECT_GT(LitPixels(FFrame), 0);
    for (const TLampPixel& p : FFrame)
        ASSERT_TRUE(p[0] == 0 && p[2] == 0) << int(p[0]) << " " << int(p[1]) << " " << int(p[2]);
    // The front face, 13 units away, bounds the outline from above.
    EXPECT_NEAR(LitBox(FFrame, Width)[1], Projected(0, 2 * 15 / 13.0f).Y, 1.5);
}

TEST_F(SceneObjectDrawing, AnObjectIsDrawnOncePerPassOfItsMaterial)
{
    T3DMaterialLibrary library(nullptr);
    T3DLibMaterial* glass = library.Materials()->Add();
    glass->SetName("Glass");
    glass->Material()->SetBlendingMode(bmAdditive);
    std::vector<std::string> log;
    TLoggingShader shader(nullptr, shsAfterMaterial, log, 3);
    glass->SetShader(&shader);
    auto* sprite = new TCountedSprite(FOwner.get());
    FLighting->AttachChild(sprite);
    EXPECT_FALSE(sprite->IsBlended());
    sprite->Material()->SetMaterialLibrary(&library);
    sprite->Material()->SetLibMaterialName("Glass");
    EXPECT_TRUE(sprite->IsBlended());
    Render();
    EXPECT_EQ(sprite->Builds, 3);
    FRci.IgnoreMaterials = true;
    Render();
    EXPECT_EQ(sprite->Builds, 4);
    delete sprite;
    glass->SetShader(nullptr);
}

TEST_F(SceneObjectDrawing, ASpriteWithoutDepthWritesHidesNothingBehindIt)
{
    auto* nearSprite = FLighting->CreateChild<T3DSprite>();
    nearSprite->Position()->AssignPoint(0, 0, -2);
    nearSprite->Material()->FrontProperties()->Emission()->SetColor({0, 1, 0, 1});
    auto* farSprite = FLighting->CreateChild<T3DSprite>();
    farSprite->Position()->AssignPoint(0, 0, 2);
    farSprite->Material()->FrontProperties()->Emission()->SetColor({1, 0, 0, 1});
    FScene->SetObjectsSorting(osNone);
    FRci.ObjectsSorting = osNone;
    FDepthTest = true;
    const TPixelPos centre = Projected(0, 0).PixelPos();
    Render();
    EXPECT_LT(Pixel(centre)[0], 128);
    nearSprite->SetNoZWrite(true);
    Render();
    EXPECT_EQ(Pixel(centre)[0], 255);
    GLboolean depthWrites = GL_FALSE;
    GL.glGetBooleanv(GL_DEPTH_WRITEMASK, &depthWrites);
    EXPECT_EQ(depthWrites, GL_TRUE);
}

TEST_F(SceneObjectDrawing, AlphaChannelFadesABlendedSprite)
{
    auto* sprite = FLighting->CreateChild<T3DSprite>();
    sprite->Material()->FrontProperties()->Emission()->SetColor({1, 0, 0, 1});
    sprite->Material()->SetBlendingMode(bmTransparency);
    sprite->SetAlphaChannel(0.5f);
    Render();
    EXPECT_NEAR(Pixel(Projected(0, 0).PixelPos())[0], 128 + 5, 12);
}

TEST(DummyCube, AssignAndEdgeColourCopyTheCubesLook)
{
    TComponent owner(nullptr);
    auto* source = new T3DDummyCube(&owner);
    source->SetCubeSize(3);
    source->SetVisibleAtRunTime(true);
    source->SetCamInvarianceMode(cimPosition);
    source->EdgeColor()->SetColor({0, 0, 1, 1});
    auto* copy = new T3DDummyCube(&owner);
    copy->Assign(source);
    EXPECT_EQ(copy->CubeSize(), 3);
    EXPECT_TRUE(copy->VisibleAtRunTime());
    EXPECT_EQ(copy->CamInvarianceMode(), cimPosition);
    EXPECT_EQ(copy->EdgeColor()->Color().X, 0);
    EXPECT_EQ(copy->GetHalfExtents().X, 1.5f);
    auto* other = new T3DDummyCube(&owner);
    other->SetEdgeColor(copy->EdgeColor());
    EXPECT_EQ(other->EdgeColor()->Color().Z, 1);
    EXPECT_EQ(other->EdgeColor()->Color().X, 0);
}
