// Points objects and their point parameters: settings, change reports and
// stored descriptions.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/reader.h"
#include "platform/rtl/writer.h"
#include "platform/ui/forms.h"
#include "scene3d/base/coordinates.h"
#include "scene3d/lists/vectorlists.h"
#include "scene3d/objects/pointparameters.h"
#include "scene3d/objects/points.h"
#include "tests/scene3d/scene/scenetesting.h"

namespace {

// Counts the times its display list is declared out of date.
class TCountingPoints : public T3DPoints {
public:
    using T3DPoints::T3DPoints;
    void ListInvalidated() override
    {
        ++Invalidations;
        T3DPoints::ListInvalidated();
    }
    int Invalidations = 0;
};

using TPointsChange = std::function<void(T3DPoints&)>;

struct TSetterCase {
    const char* Name;
    TPointsChange Same;
    TPointsChange Changed;
};

TEST(Points, StartsAsSquareDirectlyDrawnPointsThatAreNeverCulled)
{
    const T3DPoints points(nullptr);
    EXPECT_FALSE(points.NoZWrite());
    EXPECT_FALSE(points.Static());
    EXPECT_EQ(points.Size(), 1);
    EXPECT_EQ(points.Style(), psSquare);
    EXPECT_EQ(points.Positions().Count(), 0);
    EXPECT_EQ(points.Colors().Count(), 0);
    EXPECT_EQ(points.ObjectStyle(), (TSceneObjectStyleFlags{sfDirectDraw, sfNoVisibilityCulling}));
    const T3DPointParameters& parameters = *points.PointParameters();
    EXPECT_FALSE(parameters.Enabled());
    EXPECT_EQ(parameters.MinSize(), 0);
    EXPECT_EQ(parameters.MaxSize(), 128);
    EXPECT_EQ(parameters.FadeTresholdSize(), 1);
    EXPECT_TRUE(parameters.DistanceAttenuation()->SameVector({1, 0, 0, 0}));
    EXPECT_NE(FindClassInfo("T3DPoints")->Factory(), nullptr);
}

// The value it holds changes nothing; any other makes the list stale once,
// also for the point parameters, which the object compiles into its list.
TEST(Points, EveryChangedSettingMakesTheListStale)
{
    const auto parameters = [](T3DPoints& P) { return P.PointParameters(); };
    const std::vector<TSetterCase> cases = {
        {"NoZWrite", [](T3DPoints& P) { P.SetNoZWrite(false); }, [](T3DPoints& P) { P.SetNoZWrite(true); }},
        {"Static", [](T3DPoints& P) { P.SetStatic(false); }, [](T3DPoints& P) { P.SetStatic(true); }},
        {"Size", [](T3DPoints& P) { P.SetSize(1); }, [](T3DPoints& P) { P.SetSize(4); }},
        {"Style", [](T3DPoints& P) { P.SetStyle(psSquare); }, [](T3DPoints& P) { P.SetStyle(psRound); }},
        {"Enabled", [&](T3DPoints& P) { parameters(P)->SetEnabled(false); },
         [&](T3DPoints& P) { parameters(P)->SetEnabled(true); }},
        {"MinSize", [&](T3DPoints& P) { parameters(P)->SetMinSize(0); },
         [&](T3DPoints& P) { parameters(P)->SetMinSize(2); }},
        {"MaxSize", [&](T3DPoints& P) { parameters(P)->SetMaxSize(128); },
         [&](T3DPoints& P) { parameters(P)->SetMaxSize(64); }},
        {"FadeTresholdSize", [&](T3DPoints& P) { parameters(P)->SetFadeTresholdSize(1); },
         [&](T3DPoints& P) { parameters(P)->SetFadeTresholdSize(3); }},
        {"DistanceAttenuation", nullptr,
         [&](T3DPoints& P) { parameters(P)->DistanceAttenuation()->AssignVector(0, 0, 1); }},
        {"Positions", nullptr,
         [](T3DPoints& P) {
             TAffineVectorList positions;
             positions.Add({1, 2, 3});
             P.SetPositions(positions);
         }},
        {"Colors", nullptr,
         [](T3DPoints& P) {
             TVectorList colors;
             colors.Add(TVector{1, 0, 0, 1});
             P.SetColors(colors);
         }},
    };
    for (const TSetterCase& c : cases) {
        TCountingPoints points(nullptr);
        if (c.Same)
            c.Same(points);
        EXPECT_EQ(points.Invalidations, 0) << c.Name;
        c.Changed(points);
        EXPECT_EQ(points.Invalidations, 1) << c.Name;
    }
}

TEST(Points, StaticPointsAreKeptInTheirDisplayList)
{
    T3DPoints points(nullptr);
    points.SetStatic(true);
    EXPECT_EQ(points.ObjectStyle(), TSceneObjectStyleFlags{sfNoVisibilityCulling});
    points.SetStatic(false);
    EXPECT_EQ(points.ObjectStyle(), (TSceneObjectStyleFlags{sfDirectDraw, sfNoVisibilityCulling}));
}

TEST(Points, AStyleOutsideTheFiveIsRefused)
{
    TCountingPoints points(nullptr);
    points.SetStyle(psSmooth);
    for (const int style : {-1, 5, 1000}) {
        try {
            points.SetStyle(static_cast<T3DPointStyle>(style));
            ADD_FAILURE() << style << " was taken";
        } catch (const EAssertionFailed& e) {
            EXPECT_EQ(e.Message(), "Assertion failure");
        }
        EXPECT_EQ(points.Style(), psSmooth) << style;
    }
    EXPECT_EQ(points.Invalidations, 1);
}

std::string PointsText(const std::string& Lines)
{
    return "object Stars: T3DPoints\n" + Lines + "end\n";
}

// The three sizes go into one block, and only when one of them is not its
// default; reading the block gives them back.
TEST(PointParameters, TheSizesAreStoredAsOneBlockWhenNotTheirDefaults)
{
    T3DPoints points(nullptr);
    points.SetName("Stars");
    points.PointParameters()->SetEnabled(true);
    std::string text = WriteComponentToText(points);
    EXPECT_NE(text.find("PointParameters.Enabled = True"), std::string::npos) << text;
    EXPECT_EQ(text.find("PointParams"), std::string::npos) << text;
    EXPECT_EQ(text.find("MinSize"), std::string::npos) << text;

    for (const auto& change : std::vector<std::function<void(T3DPointParameters&)>>{
             [](T3DPointParameters& P) { P.SetMinSize(2); }, [](T3DPointParameters& P) { P.SetMaxSize(64); },
             [](T3DPointParameters& P) { P.SetFadeTresholdSize(0.5f); }}) {
        T3DPoints changed(nullptr);
        changed.SetName("Stars");
        change(*changed.PointParameters());
        text = WriteComponentToText(changed);
        EXPECT_NE(text.find("PointParameters.PointParams = {"), std::string::npos) << text;
        EXPECT_EQ(text.find("MaxSize"), std::string::npos) << text;
    }

    T3DPoints read(nullptr);
    ReadComponentFromText(read, PointsText("  PointParameters.PointParams = {00000040000080420000003F}\n"), "stars");
    EXPECT_EQ(read.PointParameters()->MinSize(), 2);
    EXPECT_EQ(read.PointParameters()->MaxSize(), 64);
    EXPECT_EQ(read.PointParameters()->FadeTresholdSize(), 0.5f);
}

TEST(PointParameters, ABlockOfAnotherLengthIsRefused)
{
    for (const char* block : {"{}", "{0000004000008042}", "{00000040000080420000003F00}",
                              "{00000040000080420000003F0000803F}"}) {
        T3DPoints points(nullptr);
        const std::string text = PointsText(std::string("  PointParameters.PointParams = ") + block + "\n");
        EXPECT_THROW(ReadComponentFromText(points, text, "stars"), EReadError) << block;
        const T3DPointParameters& parameters = *points.PointParameters();
        EXPECT_EQ(parameters.MinSize(), 0) << block;
        EXPECT_EQ(parameters.MaxSize(), 128) << block;
        EXPECT_EQ(parameters.FadeTresholdSize(), 1) << block;
    }
}

TEST(Points, AFormHoldingPointsReadsBackAsItWasWritten)
{
    EnsureApplication();
    TForm form(nullptr);
    form.SetName("frmStars");
    auto* scene = new T3DScene(&form);
    scene->SetName("Scene");
    auto* stars = new T3DPoints(&form);
    stars->SetName("Stars");
    scene->Objects()->AttachChild(stars);
    stars->SetHint("звёзды");
    stars->SetNoZWrite(true);
    stars->SetStatic(true);
    stars->SetSize(3);
    stars->SetStyle(psSmoothAdditive);
    stars->Position()->AssignPoint(0, 1, -5);
    T3DPointParameters& parameters = *stars->PointParameters();
    parameters.SetEnabled(true);
    parameters.SetMinSize(2);
    parameters.SetMaxSize(64);
    parameters.SetFadeTresholdSize(0.5f);
    parameters.DistanceAttenuation()->AssignVector(0, 0.5f, 1);
    auto* plain = new T3DPoints(&form);
    plain->SetName("Plain");
    scene->Objects()->AttachChild(plain);

    const std::string text = WriteComponentToText(form);
    EXPECT_NE(text.find("object Stars: T3DPoints"), std::string::npos) << text;
    EXPECT_NE(text.find("Style = psSmoothAdditive"), std::string::npos) << text;
    EXPECT_NE(text.find("PointParameters.PointParams = {"), std::string::npos) << text;

    TForm read(nullptr);
    ReadComponentFromText(read, text, "frmStars");
    const auto* readStars = ComponentByName<T3DPoints>(read, "Stars");
    const auto* readPlain = ComponentByName<T3DPoints>(read, "Plain");
    ASSERT_NE(readStars, nullptr);
    ASSERT_NE(readPlain, nullptr);
    EXPECT_EQ(readStars->Hint(), "звёзды");
    EXPECT_TRUE(readStars->NoZWrite());
    EXPECT_TRUE(readStars->Static());
    EXPECT_FALSE(readStars->ObjectStyle().Contains(sfDirectDraw));
    EXPECT_EQ(readStars->Size(), 3);
    EXPECT_EQ(readStars->Style(), psSmoothAdditive);
    const T3DPointParameters& readParameters = *readStars->PointParameters();
    EXPECT_TRUE(readParameters.Enabled());
    EXPECT_EQ(readParameters.MinSize(), 2);
    EXPECT_EQ(readParameters.MaxSize(), 64);
    EXPECT_EQ(readParameters.FadeTresholdSize(), 0.5f);
    EXPECT_TRUE(readParameters.DistanceAttenuation()->SameVector({0, 0.5f, 1, 0}));
    EXPECT_EQ(readPlain->Style(), psSquare);
    EXPECT_EQ(readPlain->PointParameters()->MaxSize(), 128);
    EXPECT_EQ(WriteComponentToText(read), text);
}

} // namespace
