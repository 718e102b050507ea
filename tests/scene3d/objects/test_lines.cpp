// Line objects: their settings, the points they draw through in each mode,
// copies and stored descriptions.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/reader.h"
#include "platform/rtl/writer.h"
#include "platform/ui/forms.h"
#include "scene3d/materials/color.h"
#include "scene3d/objects/dummycube.h"
#include "scene3d/objects/lines.h"
#include "scene3d/objects/linesnodes.h"
#include "scene3d/scene/scene.h"
#include "scene3d/scene/sceneroot.h"
#include "tests/scene3d/scene/scenetesting.h"

namespace {

// Counts the times its display list was marked stale.
class TCountingLines : public T3DLines {
public:
    using T3DLines::T3DLines;
    void ListInvalidated() override
    {
        ++Invalidated;
        T3DLines::ListInvalidated();
    }
    int Invalidated = 0;
};

T3DLinesNode* AddNode(T3DLines& Lines, float X, float Y, float Z = 0, TVector Color = {1, 1, 1, 1})
{
    T3DLinesNode* node = Lines.Nodes()->Add();
    node->SetX(X);
    node->SetY(Y);
    node->SetZ(Z);
    node->Color()->SetColor(Color);
    return node;
}

void ExpectPoint(const TVector& Actual, float X, float Y, float Z = 0, const std::string& Where = "")
{
    EXPECT_NEAR(Actual.X, X, 1e-4) << Where;
    EXPECT_NEAR(Actual.Y, Y, 1e-4) << Where;
    EXPECT_NEAR(Actual.Z, Z, 1e-4) << Where;
}

void ExpectColour(const TVector& Actual, const TVector& Expected, const char* Which)
{
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(Actual[k], Expected[k]) << Which << " " << k;
}

} // namespace

TEST(Lines, StartWithTheirDefaults)
{
    T3DLines lines(nullptr);
    EXPECT_FALSE(lines.AntiAliased());
    EXPECT_EQ(lines.LinePattern(), 65535);
    EXPECT_EQ(lines.LineWidth(), 1);
    ExpectColour(lines.LineColor()->Color(), {1, 1, 1, 1}, "LineColor");
    ExpectColour(lines.NodeColor()->Color(), {0, 0, 1, 1}, "NodeColor");
    EXPECT_EQ(lines.Nodes()->Count(), 0);
    EXPECT_EQ(lines.NodesAspect(), lnaAxes);
    EXPECT_EQ(lines.NodeSize(), 1);
    EXPECT_EQ(lines.Division(), 10);
    EXPECT_EQ(lines.SplineMode(), lsmLines);
    EXPECT_TRUE(lines.Options().Empty());
    EXPECT_FALSE(lines.ObjectStyle().Contains(sfDirectDraw));
    ExpectColour(lines.Nodes()->Add()->Color()->Color(), {1, 1, 1, 1}, "node");
}

TEST(Lines, EverySettingRecompilesTheListOnlyWhenItChanges)
{
    struct TCase {
        const char* Name;
        std::function<void(T3DLines&)> SetDefault;
        std::function<void(T3DLines&)> SetOther;
        std::function<bool(const T3DLines&)> Stored;
    };
    const TCase cases[] = {
        {"AntiAliased", [](T3DLines& l) { l.SetAntiAliased(false); }, [](T3DLines& l) { l.SetAntiAliased(true); },
         [](const T3DLines& l) { return l.AntiAliased(); }},
        {"LinePattern", [](T3DLines& l) { l.SetLinePattern(0xFFFF); }, [](T3DLines& l) { l.SetLinePattern(0xF0F0); },
         [](const T3DLines& l) { return l.LinePattern() == 0xF0F0; }},
        {"LineWidth", [](T3DLines& l) { l.SetLineWidth(1); }, [](T3DLines& l) { l.SetLineWidth(2.5f); },
         [](const T3DLines& l) { return l.LineWidth() == 2.5f; }},
        {"LineColor", [](T3DLines& l) { l.LineColor()->SetRed(1); },
         [](T3DLines& l) { l.LineColor()->SetRed(0.5f); },
         [](const T3DLines& l) { return l.LineColor()->Red() == 0.5f; }},
        {"NodeColor", [](T3DLines& l) { l.NodeColor()->SetBlue(1); },
         [](T3DLines& l) { l.NodeColor()->SetBlue(0.5f); },
         [](const T3DLines& l) { return l.NodeColor()->Blue() == 0.5f; }},
        {"NodesAspect", [](T3DLines& l) { l.SetNodesAspect(lnaAxes); },
         [](T3DLines& l) { l.SetNodesAspect(lnaDodecahedron); },
         [](const T3DLines& l) { return l.NodesAspect() == lnaDodecahedron; }},
        {"NodeSize", [](T3DLines& l) { l.SetNodeSize(1); }, [](T3DLines& l) { l.SetNodeSize(0.25f); },
         [](const T3DLines& l) { return l.NodeSize() == 0.25f; }},
        {"Division", [](T3DLines& l) { l.SetDivision(10); }, [](T3DLines& l) { l.SetDivision(3); },
         [](const T3DLines& l) { return l.Division() == 3; }},
        {"SplineMode", [](T3DLines& l) { l.SetSplineMode(lsmLines); },
         [](T3DLines& l) { l.SetSplineMode(lsmNURBSCurve); },
         [](const T3DLines& l) { return l.SplineMode() == lsmNURBSCurve; }},
        {"Options", [](T3DLines& l) { l.SetOptions({}); },
         [](T3DLines& l) { l.SetOptions({loUseNodeColorForLines}); },
         [](const T3DLines& l) { return l.Options().Contains(loUseNodeColorForLines); }},
    };
    for (const TCase& c : cases) {
        TCountingLines lines(nullptr);
        c.SetDefault(lines);
        EXPECT_EQ(lines.Invalidated, 0) << c.Name;
        c.SetOther(lines);
        EXPECT_EQ(lines.Invalidated, 1) << c.Name;
        EXPECT_TRUE(c.Stored(lines)) << c.Name;
    }
}

TEST(Lines, EveryChangeOfTheNodesRecompilesTheList)
{
    TCountingLines lines(nullptr);
    T3DLinesNode* node = lines.Nodes()->Add();
    EXPECT_EQ(lines.Invalidated, 1);
    node->SetY(2);
    EXPECT_EQ(lines.Invalidated, 2);
    node->Color()->SetGreen(0);
    EXPECT_EQ(lines.Invalidated, 3);
    lines.Nodes()->BeginUpdate();
    lines.Nodes()->Add()->SetX(1);
    lines.Nodes()->Add()->SetX(2);
    lines.Nodes()->EndUpdate();
    EXPECT_EQ(lines.Invalidated, 4);
    lines.Nodes()->Delete(0);
    EXPECT_EQ(lines.Invalidated, 5);
    EXPECT_EQ(lines.Nodes()->Items(0)->X(), 1);
}

TEST(Lines, FewerThanTwoNodesGiveNoLineInAnyMode)
{
    T3DLines lines(nullptr);
    for (const TLineSplineMode mode : {lsmLines, lsmCubicSpline, lsmBezierSpline, lsmNURBSCurve, lsmSegments}) {
        lines.SetSplineMode(mode);
        EXPECT_TRUE(lines.LineVertices().empty()) << mode;
        AddNode(lines, 1, 1);
        EXPECT_TRUE(lines.LineVertices().empty()) << mode;
        lines.Nodes()->Clear();
    }
}

TEST(Lines, LinesRunThroughTheNodesAndSegmentsPairThem)
{
    T3DLines lines(nullptr);
    for (int i = 0; i < 5; ++i)
        AddNode(lines, static_cast<float>(i), static_cast<float>(i * i));
    std::vector<TLineVertex> points = lines.LineVertices();
    ASSERT_EQ(points.size(), 5u);
    for (int i = 0; i < 5; ++i)
        ExpectPoint(points[static_cast<std::size_t>(i)].Position, static_cast<float>(i), static_cast<float>(i * i));
    EXPECT_EQ(points[0].Position.W, 1);
    lines.SetSplineMode(lsmSegments);
    points = lines.LineVertices();
    ASSERT_EQ(points.size(), 4u);
    ExpectPoint(points[3].Position, 3, 9);
}

TEST(Lines, TheCubicSplinePassesThroughEveryNode)
{
    T3DLines lines(nullptr);
    const float ys[] = {0, 2, -1, 3};
    for (int i = 0; i < 4; ++i)
        AddNode(lines, static_cast<float>(i) * 2, ys[i], 1);
    lines.SetSplineMode(lsmCubicSpline);
    lines.SetDivision(6);
    std::vector<TLineVertex> points = lines.LineVertices();
    ASSERT_EQ(points.size(), 3u * 6 + 1);
    for (int i = 0; i < 4; ++i)
        ExpectPoint(points[static_cast<std::size_t>(i * 6)].Position, static_cast<float>(i) * 2, ys[i], 1,
                    "node " + std::to_string(i));
    // A curve, not the polyline: between the first two nodes it bulges
    // above the chord towards the peak at node 2.
    EXPECT_GT(points[3].Position.Y, 1.05f);
    // Over two nodes it is the straight line.
    lines.Nodes()->Delete(3);
    lines.Nodes()->Delete(2);
    points = lines.LineVertices();
    ASSERT_EQ(points.size(), 7u);
    ExpectPoint(points[3].Position, 1, 1, 1);
}

TEST(Lines, TheBezierCurveIsSampledDivisionPlusOneTimes)
{
    T3DLines lines(nullptr);
    AddNode(lines, 0, 0);
    AddNode(lines, 2, 4);
    AddNode(lines, 4, 0);
    lines.SetSplineMode(lsmBezierSpline);
    lines.SetDivision(4);
    const std::vector<TLineVertex> points = lines.LineVertices();
    ASSERT_EQ(points.size(), 5u);
    ExpectPoint(points[0].Position, 0, 0);
    ExpectPoint(points[4].Position, 4, 0);
    // The quadratic's middle is (P0 + 2 P1 + P2) / 4, its quarter
    // (9 P0 + 6 P1 + P2) / 16.
    ExpectPoint(points[2].Position, 2, 2);
    ExpectPoint(points[1].Position, 16 / 16.0f, 24 / 16.0f);
}

TEST(Lines, AHighDegreeBezierCurveStaysFinite)
{
    T3DLines lines(nullptr);
    lines.Nodes()->BeginUpdate();
    for (int i = 0; i < 3000; ++i)
        AddNode(lines, static_cast<float>(i), static_cast<float>(i % 2));
    lines.Nodes()->EndUpdate();
    lines.SetSplineMode(lsmBezierSpline);
    const std::vector<TLineVertex> points = lines.LineVertices();
    ASSERT_EQ(points.size(), 11u);
    // Evenly spaced controls along X give evenly spaced points.
    for (std::size_t i = 0; i < points.size(); ++i) {
        EXPECT_NEAR(points[i].Position.X, 2999.0f * static_cast<float>(i) / 10, 0.05) << i;
        EXPECT_TRUE(std::isfinite(points[i].Position.Y)) << i;
    }
}

TEST(Lines, TheBSplineRunsFromTheFirstToTheLastNode)
{
    T3DLines lines(nullptr);
    lines.SetSplineMode(lsmNURBSCurve);
    lines.SetDivision(5);
    // Two nodes: the straight line.
    AddNode(lines, 0, 0);
    AddNode(lines, 2, 2);
    std::vector<TLineVertex> points = lines.LineVertices();
    ASSERT_EQ(points.size(), 6u);
    ExpectPoint(points[1].Position, 0.4f, 0.4f);
    // Four nodes: one cubic span, the Bézier curve of the same controls.
    AddNode(lines, 4, -3);
    AddNode(lines, 6, 1);
    points = lines.LineVertices();
    ASSERT_EQ(points.size(), 16u);
    lines.SetSplineMode(lsmBezierSpline);
    lines.SetDivision(15);
    const std::vector<TLineVertex> bezier = lines.LineVertices();
    ASSERT_EQ(bezier.size(), 16u);
    for (std::size_t i = 0; i < points.size(); ++i)
        ExpectPoint(points[i].Position, bezier[i].Position.X, bezier[i].Position.Y, 0, std::to_string(i));
    // Six nodes on a line: the curve stays on it, moving on steadily.
    lines.Nodes()->Clear();
    for (int i = 0; i < 6; ++i)
        AddNode(lines, static_cast<float>(i), 0);
    lines.SetSplineMode(lsmNURBSCurve);
    lines.SetDivision(4);
    points = lines.LineVertices();
    ASSERT_EQ(points.size(), 21u);
    ExpectPoint(points.front().Position, 0, 0);
    ExpectPoint(points.back().Position, 5, 0);
    for (std::size_t i = 1; i < points.size(); ++i) {
        EXPECT_GT(points[i].Position.X, points[i - 1].Position.X) << i;
        EXPECT_EQ(points[i].Position.Y, 0) << i;
    }
}

TEST(Lines, NodeColoursReplaceTheLineColourWhenAsked)
{
    T3DLines lines(nullptr);
    lines.LineColor()->SetColor({0, 1, 0, 1});
    AddNode(lines, 0, 0, 0, {1, 0, 0, 1});
    AddNode(lines, 1, 0, 0, {0, 0, 1, 1});
    for (const TLineSplineMode mode : {lsmLines, lsmCubicSpline, lsmBezierSpline, lsmNURBSCurve, lsmSegments}) {
        lines.SetSplineMode(mode);
        lines.SetOptions({});
        for (const TLineVertex& point : lines.LineVertices())
            ASSERT_EQ(point.Color.Y, 1) << mode;
        lines.SetOptions({loUseNodeColorForLines});
        const std::vector<TLineVertex> points = lines.LineVertices();
        EXPECT_EQ(points.front().Color.X, 1) << mode;
        EXPECT_EQ(points.back().Color.Z, 1) << mode;
        if (mode != lsmLines && mode != lsmSegments) {
            // Half way the colours are blended half and half.
            const TLineVertex& middle = points[points.size() / 2];
            EXPECT_NEAR(middle.Color.X, 0.5f, 1e-5) << mode;
            EXPECT_NEAR(middle.Color.Z, 0.5f, 1e-5) << mode;
            EXPECT_EQ(middle.Color.Y, 0) << mode;
        }
    }
}

TEST(Lines, AnyDivisionGivesABoundedNumberOfPoints)
{
    struct TCase {
        int Division;
        int Nodes;
        std::size_t Spline;   // cubic spline and B-spline
        std::size_t Bezier;
    };
    constexpr std::size_t max = T3DLines::MaxCurvePoints;
    constexpr std::size_t full = T3DLines::BezierFullNodes;
    const TCase cases[] = {
        {0, 3, 3, 2},
        {-7, 3, 3, 2},
        {INT_MIN, 3, 3, 2},
        {INT_MAX, 2, max, max},
        {INT_MAX, 4, 3 * ((max - 1) / 3) + 1, max},
        {1 << 20, 100, 99 * ((max - 1) / 99) + 1, max},
        // More stretches than the limit: one point per node.
        {50, 70000, 70000, 51},
        // A Bézier curve of many nodes takes fewer points.
        {INT_MAX, 3000, 2999 * ((max - 1) / 2999) + 1, (max - 1) / ((3000 + full - 1) / full) + 1},
    };
    for (const TCase& c : cases) {
        T3DLines lines(nullptr);
        lines.Nodes()->BeginUpdate();
        for (int i = 0; i < c.Nodes; ++i)
            AddNode(lines, static_cast<float>(i), 0);
        lines.Nodes()->EndUpdate();
        lines.SetDivision(c.Division);
        EXPECT_EQ(lines.Division(), c.Division);
        for (const TLineSplineMode mode : {lsmCubicSpline, lsmNURBSCurve, lsmBezierSpline}) {
            lines.SetSplineMode(mode);
            const std::vector<TLineVertex> points = lines.LineVertices();
            EXPECT_EQ(points.size(), mode == lsmBezierSpline ? c.Bezier : c.Spline) << c.Division << " " << mode;
            ExpectPoint(points.back().Position, static_cast<float>(c.Nodes - 1), 0, 0,
                        std::to_string(c.Division) + " " + std::to_string(mode));
        }
    }
}

TEST(Lines, HalfExtentsReachTheFarthestNodeAndItsMarker)
{
    T3DLines lines(nullptr);
    EXPECT_EQ(lines.GetHalfExtents().X, 0.5f);
    AddNode(lines, -4, 1, 0.5f);
    AddNode(lines, 2, -3, 0);
    lines.SetNodeSize(2);
    const TVector extents = lines.GetHalfExtents();
    EXPECT_EQ(extents.X, 5);
    EXPECT_EQ(extents.Y, 4);
    EXPECT_EQ(extents.Z, 1.5f);
}

TEST(Lines, ACopyOfATreeCopiesTheLinesWithTheirNodes)
{
    TComponent owner(nullptr);
    auto* group = new T3DDummyCube(&owner);
    auto* lines = group->CreateChild<T3DLines>();
    lines->SetAntiAliased(true);
    lines->SetLinePattern(0x0F0F);
    lines->SetLineWidth(3);
    lines->LineColor()->SetColor({1, 0.5f, 0, 1});
    lines->NodeColor()->SetColor({0, 1, 1, 1});
    lines->SetNodesAspect(lnaCube);
    lines->SetNodeSize(0.5f);
    lines->SetDivision(7);
    lines->SetSplineMode(lsmBezierSpline);
    lines->SetOptions({loUseNodeColorForLines});
    AddNode(*lines, 1, 2, 3, {0.25f, 0, 0, 1});
    AddNode(*lines, 4, 5, 6);
    auto* copyGroup = new T3DDummyCube(&owner);
    copyGroup->Assign(group);
    ASSERT_EQ(copyGroup->GetChildCount(), 1);
    const auto* copy = dynamic_cast<T3DLines*>(copyGroup->GetChild(0));
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(copy->AntiAliased());
    EXPECT_EQ(copy->LinePattern(), 0x0F0F);
    EXPECT_EQ(copy->LineWidth(), 3);
    EXPECT_EQ(copy->LineColor()->Green(), 0.5f);
    EXPECT_EQ(copy->NodeColor()->Red(), 0);
    EXPECT_EQ(copy->NodesAspect(), lnaCube);
    EXPECT_EQ(copy->NodeSize(), 0.5f);
    EXPECT_EQ(copy->Division(), 7);
    EXPECT_EQ(copy->SplineMode(), lsmBezierSpline);
    EXPECT_TRUE(copy->Options().Contains(loUseNodeColorForLines));
    ASSERT_EQ(copy->Nodes()->Count(), 2);
    EXPECT_EQ(copy->Nodes()->Items(0)->Z(), 3);
    EXPECT_EQ(copy->Nodes()->Items(0)->Color()->Red(), 0.25f);
    EXPECT_EQ(copy->Nodes()->Items(1)->X(), 4);
}

TEST(Lines, AreKnownByNameButTheirBasesAreNotMadeFromDescriptions)
{
    ASSERT_NE(FindClassInfo("T3DLines"), nullptr);
    EXPECT_NE(FindClassInfo("T3DLines")->Factory(), nullptr);
    for (const char* name : {"T3DLineBase", "T3DNodedLines"}) {
        ASSERT_NE(FindClassInfo(name), nullptr) << name;
        EXPECT_EQ(FindClassInfo(name)->Factory(), nullptr) << name;
    }
}

TEST(Lines, ADescriptionReadsBackAsItWasWritten)
{
    EnsureApplication();
    TForm form(nullptr);
    form.SetName("frmLines");
    auto* scene = new T3DScene(&form);
    scene->SetName("Scene");
    auto* plain = scene->Objects()->CreateChild<T3DLines>();
    plain->SetName("Plain");
    auto* path = scene->Objects()->CreateChild<T3DLines>();
    path->SetName("Path");
    path->SetAntiAliased(true);
    path->SetLinePattern(0x00FF);
    path->SetLineWidth(2.5f);
    path->LineColor()->SetColor({1, 1, 0, 1});
    path->NodeColor()->SetColor({0, 0.5f, 0, 1});
    path->SetNodesAspect(lnaDodecahedron);
    path->SetNodeSize(0.25f);
    path->SetDivision(24);
    path->SetSplineMode(lsmCubicSpline);
    path->SetOptions({loUseNodeColorForLines});
    AddNode(*path, -2, 1, 0, {1, 0, 0, 1});
    AddNode(*path, 0, 0, 0);
    AddNode(*path, 2, -1.5f, 0.5f, {0, 0, 1, 1});

    const std::string text = WriteComponentToText(form);
    EXPECT_NE(text.find("object Path: T3DLines"), std::string::npos) << text;
    // The plain lines write none of their defaults.
    const std::size_t plainAt = text.find("object Plain: T3DLines");
    const std::string plainText = text.substr(plainAt, text.find("object Path") - plainAt);
    for (const char* name : {"AntiAliased", "LinePattern", "LineWidth", "NodesAspect", "NodeSize", "Division",
                             "SplineMode", "Options", "Nodes"})
        EXPECT_EQ(plainText.find(name), std::string::npos) << name << "\n" << plainText;

    auto read = std::make_unique<TForm>(nullptr);
    ReadComponentFromText(*read, text, "frmLines");
    auto* readPath = ComponentByName<T3DLines>(*read, "Path");
    ASSERT_NE(readPath, nullptr);
    EXPECT_TRUE(readPath->AntiAliased());
    EXPECT_EQ(readPath->LinePattern(), 0x00FF);
    EXPECT_EQ(readPath->LineWidth(), 2.5f);
    EXPECT_EQ(readPath->LineColor()->Blue(), 0);
    EXPECT_EQ(readPath->NodeColor()->Green(), 0.5f);
    EXPECT_EQ(readPath->NodesAspect(), lnaDodecahedron);
    EXPECT_EQ(readPath->NodeSize(), 0.25f);
    EXPECT_EQ(readPath->Division(), 24);
    EXPECT_EQ(readPath->SplineMode(), lsmCubicSpline);
    EXPECT_TRUE(readPath->Options().Contains(loUseNodeColorForLines));
    ASSERT_EQ(readPath->Nodes()->Count(), 3);
    EXPECT_EQ(readPath->Nodes()->Items(0)->X(), -2);
    EXPECT_EQ(readPath->Nodes()->Items(0)->Color()->Red(), 1);
    EXPECT_EQ(readPath->Nodes()->Items(2)->Y(), -1.5f);
    EXPECT_EQ(readPath->Nodes()->Items(2)->Z(), 0.5f);
    EXPECT_EQ(readPath->Nodes()->Items(2)->Color()->Red(), 0);
    EXPECT_EQ(readPath->LineVertices().size(), path->LineVertices().size());
    EXPECT_EQ(WriteComponentToText(*read), text);
}
