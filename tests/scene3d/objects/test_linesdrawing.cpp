// What line objects draw under the lamp scene's camera, read back from the
// frame: the lines of each mode, their style, node colours and markers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "scene3d/materials/color.h"
#include "scene3d/objects/lines.h"
#include "scene3d/objects/linesnodes.h"
#include "scene3d/opengl/openglapi.h"
#include "tests/scene3d/objects/lampscene.h"

namespace {

bool IsLit(const TLampPixel& P)
{
    return (P[0] | P[1] | P[2]) != 0;
}

class LinesDrawing : public LampScene {
protected:
    // Lines under the lighting group through the nodes (X, Y) in the Z = 0
    // plane, white, without markers.
    T3DLines* MakeLines(std::initializer_list<std::pair<float, float>> Nodes)
    {
        auto* lines = FLighting->CreateChild<T3DLines>();
        lines->SetNodesAspect(lnaInvisible);
        for (const auto& [x, y] : Nodes) {
            T3DLinesNode* node = lines->Nodes()->Add();
            node->SetX(x);
            node->SetY(y);
        }
        return lines;
    }

    // The brightest pixel (by the sum of red, green and blue) within Radius
    // pixels of where the camera puts (X, Y, 0).
    TLampPixel BrightestNear(float X, float Y, int Radius = 1) const
    {
        const TPixelPos centre = Projected(X, Y).PixelPos();
        TLampPixel best = {0, 0, 0, 0};
        for (int y = centre.Y - Radius; y <= centre.Y + Radius; ++y)
            for (int x = centre.X - Radius; x <= centre.X + Radius; ++x) {
                const TLampPixel p = Pixel({x, y});
                if (p[0] + p[1] + p[2] > best[0] + best[1] + best[2])
                    best = p;
            }
        return best;
    }

    int LitPixels() const
    {
        return static_cast<int>(std::count_if(FFrame.begin(), FFrame.end(), IsLit));
    }

    // The row with the most lit pixels.
    int BusiestRow() const
    {
        int busiest = 0;
        for (int y = 1; y < Height; ++y)
            if (LitInRow(y) > LitInRow(busiest))
                busiest = y;
        return busiest;
    }

    // Lit pixels in row Y of the frame.
    int LitInRow(int Y) const
    {
        int count = 0;
        for (int x = 0; x < Width; ++x)
            count += IsLit(Pixel({x, Y}));
        return count;
    }

    int LitInColumn(int X) const
    {
        int count = 0;
        for (int y = 0; y < Height; ++y)
            count += IsLit(Pixel({X, y}));
        return count;
    }

    // Left, top, right, bottom of the lit pixels.
    std::array<int, 4> LitBox() const
    {
        std::array<int, 4> box = {Width, Height, -1, -1};
        for (int y = 0; y < Height; ++y)
            for (int x = 0; x < Width; ++x)
                if (IsLit(Pixel({x, y})))
                    box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x), std::max(box[3], y)};
        return box;
    }

    static bool IsEnabled(GLenum Capability) { return GL.glIsEnabled(Capability) == GL_TRUE; }
};

// The distance from P to the nearest of Points in the Z = 0 plane.
float DistanceToPoints(const std::vector<TLineVertex>& Points, float X, float Y)
{
    float nearest = INFINITY;
    for (const TLineVertex& point : Points)
        nearest = std::min(nearest, std::hypot(point.Position.X - X, point.Position.Y - Y));
    return nearest;
}

} // namespace

TEST_F(LinesDrawing, EachCurveRunsThroughItsSamplesAndNotAlongThePolyline)
{
    const std::pair<TLineSplineMode, const char*> modes[] = {
        {lsmCubicSpline, "lines-spline.png"}, {lsmBezierSpline, "lines-bezier.png"}, {lsmNURBSCurve, "lines-nurbs.png"}};
    T3DLines* lines = MakeLines({{-4, -2}, {-1.5f, 2.5f}, {0, -2.5f}, {1.5f, 2}, {3, -1}, {4, 2}});
    lines->LineColor()->SetColor({1, 1, 0, 1});
    lines->SetLineWidth(2);
    lines->SetDivision(16);
    lines->SetNodesAspect(lnaCube);
    lines->SetNodeSize(0.3f);
    lines->NodeColor()->SetColor({0, 0.6f, 1, 1});
    lines->SetSplineMode(lsmLines);
    const std::vector<TLineVertex> nodes = lines->LineVertices();
    for (const auto& [mode, file] : modes) {
        lines->SetSplineMode(mode);
        Render();
        Save(file);
        const std::vector<TLineVertex> points = lines->LineVertices();
        for (const TLineVertex& point : points) {
            // The markers cover the line at the nodes.
            if (DistanceToPoints(nodes, point.Position.X, point.Position.Y) < 0.3f)
                continue;
            const TLampPixel p = BrightestNear(point.Position.X, point.Position.Y);
            EXPECT_TRUE(p[0] > 200 && p[1] > 200 && p[2] < 60)
                << file << " at " << point.Position.X << ", " << point.Position.Y << ": " << int(p[0]) << " "
                << int(p[1]) << " " << int(p[2]);
        }
        // Half way between the first two nodes the polyline would be; the
        // curve keeps away from there.
        const float midX = -2.75f;
        const float midY = 0.25f;
        ASSERT_GT(DistanceToPoints(points, midX, midY), 0.2f) << file;
        EXPECT_FALSE(IsLit(BrightestNear(midX, midY))) << file;
        // The node markers in their colour over the ends.
        const TLampPixel end = Pixel(Projected(4, 2).PixelPos());
        EXPECT_EQ(end[0], 0) << file;
        EXPECT_NEAR(end[1], 153, 2) << file;
        EXPECT_EQ(end[2], 255) << file;
    }
    lines->SetSplineMode(lsmLines);
    Render();
    EXPECT_TRUE(IsLit(BrightestNear(-2.75f, 0.25f)));
}

TEST_F(LinesDrawing, SegmentsJoinTheNodesInPairs)
{
    T3DLines* lines = MakeLines({{-4, 0}, {-2, 0}, {2, 0}, {4, 0}, {4, 3}});
    Render();
    EXPECT_TRUE(IsLit(BrightestNear(0, 0)));
    EXPECT_TRUE(IsLit(BrightestNear(4, 1.5f)));
    lines->SetSplineMode(lsmSegments);
    Render();
    EXPECT_TRUE(IsLit(BrightestNear(-3, 0)));
    EXPECT_TRUE(IsLit(BrightestNear(3, 0)));
    EXPECT_FALSE(IsLit(BrightestNear(0, 0)));
    // The odd last node stands alone.
    EXPECT_FALSE(IsLit(BrightestNear(4, 1.5f)));
}

TEST_F(LinesDrawing, PatternAndWidthShapeTheLineAndAreUndoneAfterIt)
{
    T3DLines* lines = MakeLines({{-4, 0}, {4, 0}});
    const int column = Projected(0, 0).PixelPos().X;
    Render();
    const int row = BusiestRow();
    const int solid = LitInRow(row);
    EXPECT_NEAR(solid, 8 * (Projected(0, 0).X - Projected(1, 0).X), 3);
    EXPECT_EQ(LitInColumn(column), 1);
    struct TCase {
        uint16_t Pattern;
        double Share;
    };
    for (const TCase& c : {TCase{0x00FF, 0.5}, TCase{0x000F, 0.25}, TCase{0x0101, 0.125}}) {
        lines->SetLinePattern(c.Pattern);
        Render();
        EXPECT_NEAR(LitInRow(row), solid * c.Share, solid * 0.05 + 2) << c.Pattern;
    }
    lines->SetLinePattern(0xFFFF);
    lines->SetLineWidth(5);
    Render();
    EXPECT_EQ(LitInRow(row), solid);
    EXPECT_EQ(LitInColumn(column), 5);
    // The line state is the caller's again.
    EXPECT_FALSE(IsEnabled(GL_LINE_STIPPLE));
    EXPECT_TRUE(IsEnabled(GL_LIGHTING));
    GLfloat width = 0;
    GL.glGetFloatv(GL_LINE_WIDTH, &width);
    EXPECT_EQ(width, 1);
    // GL refuses a width of 0: the line keeps the width it had.
    lines->SetLineWidth(0);
    Render();
    EXPECT_EQ(LitInColumn(column), 1);
}

TEST_F(LinesDrawing, AntiAliasedLinesBlendTheirEdges)
{
    T3DLines* lines = MakeLines({{-4, -3}, {4, 2}});
    lines->SetLineWidth(2);
    const auto partial = [this] {
        return std::count_if(FFrame.begin(), FFrame.end(), [](const TLampPixel& p) { return p[0] > 0 && p[0] < 200; });
    };
    Render();
    const int sharp = LitPixels();
    EXPECT_EQ(partial(), 0);
    lines->SetAntiAliased(true);
    Render();
    EXPECT_GT(partial(), sharp / 2);
    EXPECT_FALSE(IsEnabled(GL_BLEND));
    EXPECT_FALSE(IsEnabled(GL_LINE_SMOOTH));
}

TEST_F(LinesDrawing, NodeColoursColourTheStretchesWhenAsked)
{
    T3DLines* lines = MakeLines({{-4, 0}, {4, 0}});
    lines->LineColor()->SetColor({0, 1, 0, 1});
    lines->Nodes()->Items(0)->Color()->SetColor({1, 0, 0, 1});
    lines->Nodes()->Items(1)->Color()->SetColor({0, 0, 1, 1});
    Render();
    for (const float x : {-3.5f, 3.5f}) {
        const TLampPixel p = BrightestNear(x, 0);
        EXPECT_TRUE(p[0] == 0 && p[1] == 255 && p[2] == 0) << x;
    }
    lines->SetOptions({loUseNodeColorForLines});
    Render();
    const TLampPixel nearRed = BrightestNear(-3.5f, 0);
    const TLampPixel nearBlue = BrightestNear(3.5f, 0);
    EXPECT_GT(nearRed[0], 200);
    EXPECT_LT(nearRed[2], 40);
    EXPECT_GT(nearBlue[2], 200);
    EXPECT_LT(nearBlue[0], 40);
    EXPECT_EQ(nearRed[1], 0);
    // A node's new colour shows at the next frame.
    lines->Nodes()->Items(1)->Color()->SetColor({0, 1, 0, 1});
    Render();
    EXPECT_GT(BrightestNear(3.5f, 0)[1], 200);
}

TEST_F(LinesDrawing, AMovedNodeMovesTheLine)
{
    T3DLines* lines = MakeLines({{-4, 0}, {4, 0}});
    Render();
    EXPECT_TRUE(IsLit(BrightestNear(0, 0)));
    lines->Nodes()->Items(1)->SetY(3);
    Render();
    EXPECT_FALSE(IsLit(BrightestNear(0, 0)));
    EXPECT_TRUE(IsLit(BrightestNear(0, 1.5f)));
    lines->Nodes()->Delete(0);
    Render();
    EXPECT_EQ(LitPixels(), 0);
}

TEST_F(LinesDrawing, EachAspectMarksEveryNodeInTheNodeColour)
{
    // A black line on the black ground: only the markers show.
    T3DLines* lines = MakeLines({{0, 0}});
    lines->LineColor()->SetColor({0, 0, 0, 1});
    lines->NodeColor()->SetColor({0, 1, 0, 1});
    const auto greenOnly = [this] {
        return std::all_of(FFrame.begin(), FFrame.end(), [](const TLampPixel& p) { return p[0] == 0 && p[2] == 0; });
    };
    Render();
    EXPECT_EQ(LitPixels(), 0);

    lines->SetNodesAspect(lnaCube);
    Render();
    Save("lines-cube.png");
    EXPECT_TRUE(greenOnly());
    const int cube = LitPixels();
    // The front face, half a unit nearer than the node, fills the box.
    const double face = (Projected(0, 0).X - Projected(1, 0).X) * 15 / 14.5;
    const std::array<int, 4> cubeBox = LitBox();
    EXPECT_NEAR(cubeBox[2] - cubeBox[0] + 1, face, 1.5);
    EXPECT_NEAR(cube, face * face, 0.1 * face * face);

    lines->SetNodesAspect(lnaDodecahedron);
    Render();
    Save("lines-dodecahedron.png");
    EXPECT_TRUE(greenOnly());
    const int dodecahedron = LitPixels();
    // Between its inner sphere (radius 0.397) and its outer one (0.5).
    const double unit = Projected(0, 0).X - Projected(1, 0).X;
    EXPECT_GT(dodecahedron, M_PI * std::pow(0.397 * unit, 2) * 0.95);
    EXPECT_LT(dodecahedron, M_PI * std::pow(0.5 * unit * 15 / 14.5, 2));
    const std::array<int, 4> box = LitBox();
    EXPECT_GT(box[2] - box[0] + 1, 2 * 0.397 * unit);
    EXPECT_LT(box[2] - box[0] + 1, unit * 15 / 14.5 + 1);

    // The axes in their own colours: red along X, green along Y.
    lines->SetNodesAspect(lnaAxes);
    Render();
    EXPECT_GT(BrightestNear(-0.3f, 0, 2)[0], 100);
    EXPECT_EQ(BrightestNear(-0.3f, 0, 2)[1], 0);
    EXPECT_GT(BrightestNear(0, 0.3f, 2)[1], 100);
    EXPECT_EQ(BrightestNear(0, 0.3f, 2)[0], 0);
    EXPECT_FALSE(IsLit(BrightestNear(0, 0.7f, 1)));

    // Every node gets its marker.
    lines->SetNodesAspect(lnaCube);
    lines->SetNodeSize(0.5f);
    T3DLinesNode* second = lines->Nodes()->Add();
    second->SetX(3);
    second->SetY(-2);
    Render();
    EXPECT_TRUE(IsLit(BrightestNear(0, 0, 0)));
    EXPECT_TRUE(IsLit(BrightestNear(3, -2, 0)));
    EXPECT_FALSE(IsLit(BrightestNear(1.5f, -1, 1)));
}
