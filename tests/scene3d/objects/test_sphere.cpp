// Spheres: their settings and limits, and what they draw lit.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/reader.h"
#include "platform/rtl/writer.h"
#include "platform/ui/forms.h"
#include "scene3d/materials/color.h"
#include "scene3d/materials/faceproperties.h"
#include "scene3d/materials/material.h"
#include "scene3d/objects/sphere.h"
#include "scene3d/scene/lightsource.h"
#include "tests/scene3d/buffer/buffertesting.h"
#include "tests/scene3d/scene/scenetesting.h"

namespace {

using ::testing::ThrowsMessage;

// Counts the rebuilds its setters ask for.
class TCountingSphere : public T3DSphere {
public:
    using T3DSphere::T3DSphere;
    void ListInvalidated() override
    {
        ++Rebuilds;
        T3DSphere::ListInvalidated();
    }
    int Rebuilds = 0;
};

TEST(Sphere, StartsAsAWholeSphereOfHalfAUnit)
{
    const T3DSphere sphere(nullptr);
    EXPECT_EQ(sphere.Radius(), 0.5f);
    EXPECT_EQ(sphere.Slices(), 16);
    EXPECT_EQ(sphere.Stacks(), 16);
    EXPECT_EQ(sphere.Top(), 90);
    EXPECT_EQ(sphere.Bottom(), -90);
    EXPECT_EQ(sphere.Start(), 0);
    EXPECT_EQ(sphere.Stop(), 360);
    EXPECT_EQ(sphere.TopCap(), ctNone);
    EXPECT_EQ(sphere.BottomCap(), ctNone);
    EXPECT_EQ(sphere.Normals(), nsSmooth);
    EXPECT_EQ(sphere.NormalDirection(), ndOutside);
    EXPECT_FALSE(sphere.ObjectStyle().Contains(sfDirectDraw));
}

TEST(Sphere, SlicesAndStacksAreAtLeastOne)
{
    struct TCase {
        int Given;
        int Stored;
    };
    TCountingSphere sphere(nullptr);
    for (const TCase c : {TCase{0, 1}, TCase{-7, 1}, TCase{1, 1}, TCase{40, 40}}) {
        sphere.SetSlices(c.Given);
        sphere.SetStacks(c.Given);
        EXPECT_EQ(sphere.Slices(), c.Stored) << c.Given;
        EXPECT_EQ(sphere.Stacks(), c.Stored) << c.Given;
    }
    // 0 and -7 both store 1, and 1 again changes nothing.
    EXPECT_EQ(sphere.Rebuilds, 4);
}

TEST(Sphere, AnglesOutsideTheirRangesAreAssertionFailures)
{
    struct TCase {
        const char* Name;
        void (T3DSphere::*Set)(float);
        float (T3DSphere::*Get)() const;
        float Low;
        float High;
    };
    const TCase cases[] = {
        {"Top", &T3DSphere::SetTop, &T3DSphere::Top, -90, 90},
        {"Bottom", &T3DSphere::SetBottom, &T3DSphere::Bottom, -90, 90},
        {"Start", &T3DSphere::SetStart, &T3DSphere::Start, 0, 360},
        {"Stop", &T3DSphere::SetStop, &T3DSphere::Stop, 0, 360},
    };
    for (const TCase& c : cases) {
        T3DSphere sphere(nullptr);
        const float before = (sphere.*c.Get)();
        for (const float wrong : {c.Low - 0.01f, c.High + 0.01f, std::numeric_limits<float>::quiet_NaN()}) {
            EXPECT_THAT([&] { (sphere.*c.Set)(wrong); }, ThrowsMessage<EAssertionFailed>("Assertion failure"))
                << c.Name << " " << wrong;
            EXPECT_EQ((sphere.*c.Get)(), before) << c.Name;
        }
        for (const float right : {c.Low, c.High}) {
            (sphere.*c.Set)(right);
            EXPECT_EQ((sphere.*c.Get)(), right) << c.Name;
        }
    }
}

// Every setting of the shape asks for a rebuild when it changes, and only then.
TEST(Sphere, ChangedSettingsRebuildTheGeometry)
{
    const std::vector<std::function<void(T3DSphere&)>> changes = {
        [](T3DSphere& s) { s.SetRadius(2); },          [](T3DSphere& s) { s.SetTop(45); },
        [](T3DSphere& s) { s.SetBottom(0); },          [](T3DSphere& s) { s.SetStart(10); },
        [](T3DSphere& s) { s.SetStop(180); },          [](T3DSphere& s) { s.SetTopCap(ctFlat); },
        [](T3DSphere& s) { s.SetBottomCap(ctCenter); }, [](T3DSphere& s) { s.SetNormals(nsFlat); },
        [](T3DSphere& s) { s.SetNormalDirection(ndInside); },
    };
    TCountingSphere sphere(nullptr);
    for (std::size_t k = 0; k < changes.size(); ++k) {
        changes[k](sphere);
        changes[k](sphere);
        EXPECT_EQ(sphere.Rebuilds, static_cast<int>(k) + 1) << "change " << k;
    }
    sphere.SetRadius(-3);
    EXPECT_EQ(sphere.GetHalfExtents().X, 3);
    EXPECT_EQ(sphere.GetHalfExtents().Y, 3);
    EXPECT_EQ(sphere.GetHalfExtents().Z, 3);
}

TEST(SphereStreaming, EverySettingReadsBackAsWritten)
{
    EnsureApplication();
    TForm form(nullptr);
    form.SetName("frmScene");
    auto* scene = new T3DScene(&form);
    scene->SetName("Scene");
    auto* plain = new T3DSphere(&form);
    plain->SetName("Plain");
    plain->SetParentComponent(scene);
    auto* dome = new T3DSphere(&form);
    dome->SetName("Dome");
    dome->SetParentComponent(scene);
    dome->SetRadius(3);
    dome->SetSlices(5);
    dome->SetStacks(1);
    dome->SetTop(80);
    dome->SetBottom(0);
    dome->SetStart(90);
    dome->SetStop(270);
    dome->SetTopCap(ctCenter);
    dome->SetBottomCap(ctFlat);
    dome->SetNormals(nsFlat);
    dome->SetNormalDirection(ndInside);
    dome->Material()->FrontProperties()->Diffuse()->SetColor({0, 0, 1, 1});

    const std::string text = WriteComponentToText(form);
    const std::size_t plainAt = text.find("object Plain: T3DSphere");
    const std::size_t domeAt = text.find("object Dome: T3DSphere");
    ASSERT_NE(plainAt, std::string::npos) << text;
    ASSERT_NE(domeAt, std::string::npos) << text;
    const std::string plainText = text.substr(plainAt, domeAt - plainAt);
    for (const char* name : {"Normals", "NormalDirection", "Radius", "Slices", "Stacks", "Top ", "Bottom", "Start",
                             "Stop", "TopCap", "BottomCap"})
        EXPECT_EQ(plainText.find(name), std::string::npos) << name << " is at its default\n" << text;

    TForm read(nullptr);
    ReadComponentFromText(read, text, "frmScene");
    const auto* readDome = ComponentByName<T3DSphere>(read, "Dome");
    ASSERT_NE(readDome, nullptr);
    EXPECT_EQ(readDome->Radius(), 3);
    EXPECT_EQ(readDome->Slices(), 5);
    EXPECT_EQ(readDome->Stacks(), 1);
    EXPECT_EQ(readDome->Bottom(), 0);
    EXPECT_EQ(readDome->Stop(), 270);
    EXPECT_EQ(readDome->TopCap(), ctCenter);
    EXPECT_EQ(readDome->BottomCap(), ctFlat);
    EXPECT_EQ(readDome->Normals(), nsFlat);
    EXPECT_EQ(readDome->NormalDirection(), ndInside);
    EXPECT_EQ(WriteComponentToText(read), text);
}

TEST(SphereStreaming, AStoredAngleOutOfRangeIsAReadError)
{
    EnsureApplication();
    const std::string text = "object frmScene: TForm\n  object Ball: T3DSphere\n    Top = 120.0\n  end\nend\n";
    TForm read(nullptr);
    EXPECT_THAT([&] { ReadComponentFromText(read, text, "frmScene"); },
                ThrowsMessage<EReadError>(::testing::HasSubstr("Ball.Top: Assertion failure")));
}

// A white parallel light from the right (GL takes its direction, +X, as
// the way to the light) on a sphere of radius 0.6, ten units in front of the
// camera: about 22 pixels across.
class LitSphere : public BufferTest {
protected:
    void SetUp() override
    {
        BufferTest::SetUp();
        FBuffer->SetBackgroundColor(0);
        FSphere = FScene->Objects()->CreateChild<T3DSphere>();
        FSphere->Position()->AssignPoint(0, 0, -10);
        FSphere->SetRadius(0.6f);
        auto* light = FScene->Objects()->CreateChild<T3DLightSource>();
        light->SetLightStyle(lsParallel);
        T3DCoordinates towardsX(nullptr, {1, 0, 0, 0}, csFree);
        light->SetSpotDirection(&towardsX);
    }

    // The red level of the pixels of the middle row.
    std::vector<int> MiddleRow()
    {
        const std::vector<TRGBA> frame = Frame();
        std::vector<int> row;
        for (int x = 0; x < Size; ++x)
            row.push_back(Pixel(frame, x, Size / 2)[0]);
        return row;
    }

    T3DSphere* FSphere = nullptr;
};

TEST_F(LitSphere, IsBrightOnTheLitSideAndRoundWithinItsRadius)
{
    FBuffer->RenderFrame();
    const std::vector<TRGBA> frame = Frame();
    SaveFrame(frame, "lit_sphere.png");
    const std::vector<int> row = MiddleRow();
    // The lit right and the unlit left: the diffuse 0.8 (times the cosine,
    // about 0.45 ten pixels right of the middle) against the ambient 0.04.
    EXPECT_GT(row[Size / 2 + 10], 80);
    EXPECT_LT(row[Size / 2 - 10], 20);
    EXPECT_GT(row[Size / 2 - 10], 0) << "the sphere, not the background";
    // The outline: as far across as up and down.
    int across = 0;
    int down = 0;
    for (int k = 0; k < Size; ++k) {
        across += Pixel(frame, k, Size / 2) != TRGBA{0, 0, 0, 255};
        down += Pixel(frame, Size / 2, k) != TRGBA{0, 0, 0, 255};
    }
    EXPECT_GT(across, 35);
    EXPECT_LT(across, 55);
    EXPECT_NEAR(across, down, 2);
}

// Turned inside, the front half is culled and the inner face of the back
// half shows, lit where its normals face the light: on the left.
TEST_F(LitSphere, NormalsInsideLightTheFarSide)
{
    FSphere->SetNormalDirection(ndInside);
    FBuffer->RenderFrame();
    SaveFrame(Frame(), "lit_sphere_inside.png");
    const std::vector<int> row = MiddleRow();
    EXPECT_GT(row[Size / 2 - 10], 80);
    EXPECT_LT(row[Size / 2 + 10], 20);
}

// Flat normals light each face evenly: few levels along the middle row;
// smooth ones shade it gradually.
TEST_F(LitSphere, FlatNormalsShadeFacePerFace)
{
    FSphere->SetSlices(8);
    FSphere->SetStacks(8);
    const auto levels = [this] {
        const std::vector<int> row = MiddleRow();
        return std::set<int>(row.begin(), row.end()).size();
    };
    FBuffer->RenderFrame();
    const std::size_t smooth = levels();
    FSphere->SetNormals(nsFlat);
    FBuffer->RenderFrame();
    SaveFrame(Frame(), "lit_sphere_flat.png");
    const std::size_t flat = levels();
    EXPECT_LE(flat, 8u);
    EXPECT_GT(smooth, 2 * flat);
}

// From the front, longitudes 180 to 360 face the camera (0 is +X, 90 is
// -Z): the wedge from 90 to 270 shows only its left half.
TEST_F(LitSphere, StartAndStopCutAWedge)
{
    FBuffer->SetLighting(false);
    FSphere->SetStart(90);
    FSphere->SetStop(270);
    FBuffer->RenderFrame();
    const std::vector<int> row = MiddleRow();
    EXPECT_GT(row[Size / 2 - 8], 100);
    EXPECT_EQ(row[Size / 2 + 8], 0);
}

// The lower half of the sphere turned to face the camera: without a cap the
// camera looks into the open half, whose inner faces are culled; a flat
// cap or a cone to the centre closes it.
TEST_F(LitSphere, CapsCloseACutSphere)
{
    FBuffer->SetLighting(false);
    FSphere->SetBottom(0);
    FSphere->SetPitchAngle(90);
    for (const TCapType cap : {ctNone, ctFlat, ctCenter}) {
        FSphere->SetBottomCap(cap);
        FBuffer->RenderFrame();
        EXPECT_EQ(Centre()[0] > 100, cap != ctNone) << cap;
    }
}

} // namespace
