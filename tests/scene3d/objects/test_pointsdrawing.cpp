// Points drawn on a pbuffer through the render fixture's camera (at the
// origin, looking along -Z), read back in pixels; the style pictures are
// also saved in /tmp/shots.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "scene3d/base/coordinates.h"
#include "scene3d/lists/vectorlists.h"
#include "scene3d/objects/pointparameters.h"
#include "scene3d/objects/points.h"
#include "scene3d/opengl/glcapabilities.h"
#include "scene3d/opengl/openglapi.h"
#include "tests/scene3d/render/rendertesting.h"

namespace {

constexpr TVector Blue = {0, 0, 1, 1};
constexpr TVector Grey = {0.2f, 0.2f, 0.2f, 1};
constexpr TRGBA BlueRGBA = {0, 0, 255, 255};
constexpr TRGBA GreyRGBA = {51, 51, 51, 255};

struct TPixel {
    int X;
    int Y;
};

// Red, green and blue within 2 of each other.
bool SameColour(const TRGBA& A, const TRGBA& B)
{
    for (int k = 0; k < 3; ++k)
        if (std::abs(A[k] - B[k]) > 2)
            return false;
    return true;
}

testing::AssertionResult ColourIs(const TRGBA& Actual, const TRGBA& Expected)
{
    if (SameColour(Actual, Expected))
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "(" << int(Actual[0]) << ", " << int(Actual[1]) << ", " << int(Actual[2])
                                       << ") where (" << int(Expected[0]) << ", " << int(Expected[1]) << ", "
                                       << int(Expected[2]) << ") was expected";
}

GLint GLInteger(GLenum Name)
{
    GLint value = -1;
    GL.glGetIntegerv(Name, &value);
    return value;
}

GLfloat GLFloat(GLenum Name)
{
    GLfloat value = -1;
    GL.glGetFloatv(Name, &value);
    return value;
}

std::array<GLfloat, 3> DistanceAttenuation()
{
    std::array<GLfloat, 3> value = {-1, -1, -1};
    GL.glGetFloatv(GL_POINT_DISTANCE_ATTENUATION_ARB, value.data());
    return value;
}

class PointsDrawing : public RenderTest {
protected:
    T3DPoints* NewPoints(TAffineVector At)
    {
        auto* points = FScene->Objects()->CreateChild<T3DPoints>();
        points->Position()->AssignPoint(At.X, At.Y, At.Z);
        return points;
    }
    // Clears to Background, draws the scene's objects and reads the frame
    // back (bottom row first).
    std::vector<TRGBA> Render(const TVector& Background)
    {
        GL.glClearColor(Background.X, Background.Y, Background.Z, Background.W);
        GL.glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        RenderObjects();
        return Frame();
    }
    // The pixel a point of the world falls into.
    static TPixel Projected(TAffineVector Point)
    {
        GLdouble modelView[16];
        GLdouble projection[16];
        GLint viewport[4];
        GL.glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
        GL.glGetDoublev(GL_PROJECTION_MATRIX, projection);
        GL.glGetIntegerv(GL_VIEWPORT, viewport);
        GLdouble x = 0;
        GLdouble y = 0;
        GLdouble z = 0;
        GL.gluProject(Point.X, Point.Y, Point.Z, modelView, projection, viewport, &x, &y, &z);
        return {static_cast<int>(x), static_cast<int>(y)};
    }
    static int LitCount(const std::vector<TRGBA>& Frame, const TRGBA& Background)
    {
        int count = 0;
        for (const TRGBA& p : Frame)
            count += !SameColour(p, Background);
        return count;
    }
    // Pixels of the centre row that are not the background.
    static int LitWidth(const std::vector<TRGBA>& Frame, const TRGBA& Background)
    {
        int count = 0;
        for (int x = 0; x < Size; ++x)
            count += !SameColour(Pixel(Frame, x, Size / 2), Background);
        return count;
    }
    static std::string ShotFile(const std::string& Name)
    {
        std::filesystem::create_directories("/tmp/shots");
        return "/tmp/shots/obj46-points-" + Name + ".png";
    }
};

struct TStyleCase {
    T3DPointStyle Style;
    const char* Name;
    // Inside the square of the point, outside its circle.
    bool CornerDrawn;
    // Some pixel holds only part of the red: weighted by its alpha.
    bool Weighted;
    // The blue stays in full wherever red was drawn.
    bool Added;
};

bool AnyWeighted(const std::vector<TRGBA>& Row)
{
    return std::any_of(Row.begin(), Row.end(), [](const TRGBA& P) { return P[0] > 10 && P[0] < 245; });
}

bool RedAddedToBlue(const std::vector<TRGBA>& Row)
{
    const auto red = [](const TRGBA& P) { return P[0] > 10; };
    return std::any_of(Row.begin(), Row.end(), red) &&
           std::all_of(Row.begin(), Row.end(), [&](const TRGBA& P) { return !red(P) || P[2] >= 250; });
}

// A point of 20 pixels in red with alpha 0.6 over blue, the lighting on
// before it: drawn unlit, square or round, replacing the blue, blended over
// it or added to it. (Mesa's smoothed points take the full colour inside
// their rim, so the blending shows on the rim.)
TEST_F(PointsDrawing, EachStyleDrawsItsShape)
{
    const std::vector<TStyleCase> cases = {
        {psSquare, "square", true, false, false},
        {psRound, "round", false, false, false},
        {psSmooth, "smooth", false, true, false},
        {psSmoothAdditive, "smoothadditive", false, true, true},
        {psSquareAdditive, "squareadditive", true, true, true},
    };
    T3DPoints* points = NewPoints({0, 0, -10});
    points->SetSize(20);
    TVectorList colors;
    colors.Add(TVector{1, 0, 0, 0.6f});
    points->SetColors(colors);
    for (const TStyleCase& c : cases) {
        points->SetStyle(c.Style);
        GL.glEnable(GL_LIGHTING);
        GL.glAlphaFunc(GL_LESS, 0.25f);
        const std::vector<TRGBA> frame = Render(Blue);
        SaveFrame(frame, ShotFile(c.Name).c_str());
        const std::vector<TRGBA> row(frame.begin() + Size * (Size / 2), frame.begin() + Size * (Size / 2 + 1));
        EXPECT_GT(Pixel(frame, Size / 2, Size / 2)[0], 150) << c.Name << ": red in the middle";
        EXPECT_EQ(!SameColour(Pixel(frame, Size / 2 + 8, Size / 2 + 8), BlueRGBA), c.CornerDrawn) << c.Name;
        EXPECT_EQ(AnyWeighted(row), c.Weighted) << c.Name;
        EXPECT_EQ(RedAddedToBlue(row), c.Added) << c.Name;
        // 20 pixels across, round ones a little less where the rim is cut.
        const int width = LitWidth(frame, BlueRGBA);
        EXPECT_LE(width, 20) << c.Name;
        EXPECT_GE(width, c.CornerDrawn ? 20 : 16) << c.Name;

        // What the points switched is as it was, and the alpha function the
        // pass's own.
        EXPECT_TRUE(GL.glIsEnabled(GL_LIGHTING)) << c.Name;
        EXPECT_FALSE(GL.glIsEnabled(GL_BLEND)) << c.Name;
        EXPECT_FALSE(GL.glIsEnabled(GL_ALPHA_TEST)) << c.Name;
        EXPECT_FALSE(GL.glIsEnabled(GL_POINT_SMOOTH)) << c.Name;
        EXPECT_EQ(GLFloat(GL_POINT_SIZE), 1) << c.Name;
        EXPECT_EQ(GLInteger(GL_ALPHA_TEST_FUNC), GL_GREATER) << c.Name;
        EXPECT_EQ(GLFloat(GL_ALPHA_TEST_REF), 0) << c.Name;
        GL.glDisable(GL_LIGHTING);
    }
    // Square points keep the colour as it is, or add it by its alpha.
    points->SetStyle(psSquare);
    EXPECT_TRUE(ColourIs(Pixel(Render(Blue), Size / 2, Size / 2), {255, 0, 0, 255}));
    points->SetStyle(psSquareAdditive);
    EXPECT_TRUE(ColourIs(Pixel(Render(Blue), Size / 2, Size / 2), {153, 0, 255, 255}));
}

struct TColorCase {
    const char* Name;
    std::vector<TVector> Colors;
    // The pixels of the three points.
    std::vector<TRGBA> Expected;
};

TEST_F(PointsDrawing, PointsTakeOneColourEachOneForAllOrWhite)
{
    constexpr TRGBA white = {255, 255, 255, 255};
    constexpr TRGBA red = {255, 0, 0, 255};
    constexpr TRGBA green = {0, 255, 0, 255};
    constexpr TRGBA yellow = {255, 255, 0, 255};
    const std::vector<TColorCase> cases = {
        {"no colour", {}, {white, white, white}},
        {"one colour", {{0, 1, 0, 1}}, {green, green, green}},
        {"a colour each", {{1, 0, 0, 1}, {0, 1, 0, 1}, {1, 1, 0, 1}}, {red, green, yellow}},
        {"fewer colours than points", {{1, 0, 0, 1}, {0, 1, 0, 1}}, {red, green, GreyRGBA}},
    };
    const std::vector<TAffineVector> at = {{-0.2f, 0, 0}, {0, 0.1f, 0}, {0.2f, 0, 0}};
    T3DPoints* points = NewPoints({0, 0, -10});
    points->SetSize(3);
    TAffineVectorList positions;
    for (const TAffineVector& p : at)
        positions.Add(p);
    points->SetPositions(positions);
    for (const TColorCase& c : cases) {
        TVectorList colors;
        for (const TVector& colour : c.Colors)
            colors.Add(colour);
        points->SetColors(colors);
        GL.glEnable(GL_LIGHTING);
        const std::vector<TRGBA> frame = Render(Grey);
        for (std::size_t i = 0; i < at.size(); ++i) {
            const TPixel p = Projected({at[i].X, at[i].Y, at[i].Z - 10});
            EXPECT_TRUE(ColourIs(Pixel(frame, p.X, p.Y), c.Expected[i])) << c.Name << ", point " << i;
        }
        const int drawn = c.Expected.back() == GreyRGBA ? 2 : 3;
        EXPECT_EQ(LitCount(frame, GreyRGBA), drawn * 9) << c.Name;
        GL.glDisable(GL_LIGHTING);
    }
}

TEST_F(PointsDrawing, WithoutPositionsOnePointStandsAtTheOrigin)
{
    T3DPoints* points = NewPoints({0, 0, -10});
    points->SetSize(4);
    const std::vector<TRGBA> frame = Render(Grey);
    SaveFrame(frame, ShotFile("origin").c_str());
    EXPECT_EQ(LitCount(frame, GreyRGBA), 16);
    EXPECT_TRUE(ColourIs(Pixel(frame, Size / 2, Size / 2), {255, 255, 255, 255}));
    EXPECT_TRUE(ColourIs(Pixel(frame, Size / 2 - 2, Size / 2 - 2), {255, 255, 255, 255}));
}

TEST_F(PointsDrawing, NoZWriteLeavesTheDepthBufferAlone)
{
    T3DPoints* points = NewPoints({0, 0, -10});
    points->SetSize(4);
    GL.glEnable(GL_DEPTH_TEST);
    for (const bool noZWrite : {false, true}) {
        points->SetNoZWrite(noZWrite);
        Render(Grey);
        GLfloat depth = 0;
        GL.glReadPixels(Size / 2, Size / 2, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);
        if (noZWrite)
            EXPECT_EQ(depth, 1);
        else
            EXPECT_LT(depth, 1);
        EXPECT_EQ(GLInteger(GL_DEPTH_WRITEMASK), GL_TRUE) << noZWrite;
    }
    GL.glDisable(GL_DEPTH_TEST);
}

// A hundred points in a grid: more than the vertex array locks, drawn
// every frame or from the display list, which follows new positions.
TEST_F(PointsDrawing, ManyPointsDrawDirectlyAndFromTheirList)
{
    ASSERT_TRUE(GLCaps.EXT_compiled_vertex_array) << "Mesa locks vertex arrays";
    for (const bool isStatic : {false, true}) {
        T3DPoints* points = NewPoints({0, 0, -10});
        points->SetStatic(isStatic);
        for (const float shift : {0.0f, 0.07f}) {
            TAffineVectorList positions;
            for (int i = 0; i < 10; ++i)
                for (int j = 0; j < 10; ++j)
                    positions.Add({shift + 0.15f * (i - 4.5f), shift + 0.15f * (j - 4.5f), 0});
            points->SetPositions(positions);
            const std::vector<TRGBA> frame = Render(Grey);
            EXPECT_EQ(LitCount(frame, GreyRGBA), 100) << isStatic << " " << shift;
            for (int k = 0; k < positions.Count(); ++k) {
                const TAffineVector& p = positions.Items(k);
                const TPixel pixel = Projected({p.X, p.Y, p.Z - 10});
                EXPECT_TRUE(ColourIs(Pixel(frame, pixel.X, pixel.Y), {255, 255, 255, 255}))
                    << isStatic << " " << shift << ", point " << k;
            }
        }
        if (isStatic) {
            EXPECT_TRUE(GL.glIsList(points->GetListHandle(FRci)));
        }
        delete points;
    }
}

using PointParametersState = RenderTest;

TEST_F(PointParametersState, SentWhenEnabledAndBackToTheDefaultsAfter)
{
    ASSERT_TRUE(GLCaps.ARB_point_parameters) << "Mesa has point parameters";
    T3DPointParameters parameters(nullptr);
    parameters.SetMinSize(2);
    parameters.SetMaxSize(40);
    parameters.SetFadeTresholdSize(3);
    parameters.DistanceAttenuation()->AssignVector(0, 0.5f, 0.25f);

    GL.glPointParameterfARB(GL_POINT_SIZE_MIN_ARB, 5);
    parameters.Apply();
    EXPECT_EQ(GLFloat(GL_POINT_SIZE_MIN_ARB), 5) << "disabled, nothing is sent";
    parameters.UnApply();
    EXPECT_EQ(GLFloat(GL_POINT_SIZE_MIN_ARB), 5) << "disabled, nothing is sent";

    parameters.SetEnabled(true);
    parameters.Apply();
    EXPECT_EQ(GLFloat(GL_POINT_SIZE_MIN_ARB), 2);
    EXPECT_EQ(GLFloat(GL_POINT_SIZE_MAX_ARB), 40);
    EXPECT_EQ(GLFloat(GL_POINT_FADE_THRESHOLD_SIZE_ARB), 3);
    EXPECT_EQ(DistanceAttenuation(), (std::array<GLfloat, 3>{0, 0.5f, 0.25f}));
    parameters.UnApply();
    EXPECT_EQ(GLFloat(GL_POINT_SIZE_MIN_ARB), 0);
    EXPECT_EQ(GLFloat(GL_POINT_SIZE_MAX_ARB), 128);
    EXPECT_EQ(GLFloat(GL_POINT_FADE_THRESHOLD_SIZE_ARB), 1);
    EXPECT_EQ(DistanceAttenuation(), (std::array<GLfloat, 3>{1, 0, 0}));
}

struct TSizeCase {
    const char* Name;
    bool Enabled;
    TAffineVector Attenuation;
    float MinSize;
    float MaxSize;
    int Width;
};

// A point of 60 pixels ten units from the eye: the quadratic attenuation
// divides its size by the distance, within the minimum and maximum sizes.
TEST_F(PointsDrawing, PointParametersSizeThePointsByTheirDistance)
{
    const std::vector<TSizeCase> cases = {
        {"disabled", false, {0, 0, 1}, 0, 128, 60},
        {"attenuated", true, {0, 0, 1}, 0, 128, 6},
        {"at least the minimum", true, {0, 0, 1}, 16, 128, 16},
        {"at most the maximum", true, {1, 0, 0}, 0, 8, 8},
    };
    for (const bool isStatic : {false, true}) {
        T3DPoints* points = NewPoints({0, 0, -10});
        points->SetSize(60);
        points->SetStatic(isStatic);
        T3DPointParameters& parameters = *points->PointParameters();
        for (const TSizeCase& c : cases) {
            parameters.SetEnabled(c.Enabled);
            parameters.DistanceAttenuation()->AssignVector(c.Attenuation.X, c.Attenuation.Y, c.Attenuation.Z);
            parameters.SetMinSize(c.MinSize);
            parameters.SetMaxSize(c.MaxSize);
            const std::vector<TRGBA> frame = Render(Grey);
            EXPECT_EQ(LitWidth(frame, GreyRGBA), c.Width) << c.Name << (isStatic ? ", static" : "");
            EXPECT_EQ(GLFloat(GL_POINT_SIZE_MIN_ARB), 0) << c.Name;
            EXPECT_EQ(DistanceAttenuation(), (std::array<GLfloat, 3>{1, 0, 0})) << c.Name;
        }
        delete points;
    }
}

} // namespace
