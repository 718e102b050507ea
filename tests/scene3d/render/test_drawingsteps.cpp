// What Render does around each object: effects, the depth test, the state
// cache after objects that change colours, and the axes.
#include <GL/glu.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/rtl/classbuilder.h"
#include "scene3d/behaviours/behaviourcollections.h"
#include "scene3d/opengl/openglapi.h"
#include "scene3d/scene/sceneroot.h"
#include "tests/scene3d/geometry/geometrytesting.h"
#include "tests/scene3d/opengl/glcallrecording.h"
#include "tests/scene3d/render/rendertesting.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Not;

// Notes its hooks in a log; before the object is drawn it moves the
// model-view matrix 5 along X.
class TShiftingEffect : public T3DObjectEffect {
    LT_CLASS(TShiftingEffect)
public:
    explicit TShiftingEffect(TExtCollection* C) : T3DObjectEffect(C, ItemClassOf<TShiftingEffect>()) {}
    static std::string KindName() { return "Shifting effect"; }

    void PreRender(TRenderContextInfo&) override
    {
        Log->push_back("before " + Label);
        GL.glTranslatef(5, 0, 0);
    }
    void PostRender(TRenderContextInfo&) override { Log->push_back("after " + Label); }

    std::vector<std::string>* Log = nullptr;
    std::string Label;
};

using DrawingSteps = RenderTest;

TMatrix ModelView()
{
    TMatrix matrix;
    GL.glGetFloatv(GL_MODELVIEW_MATRIX, &matrix[0].X);
    return matrix;
}

} // namespace

LT_IMPLEMENT_CLASS(TShiftingEffect, T3DObjectEffect) {}

// The hooks run in order around the drawing, which does not see what they
// do to the model-view matrix.
TEST_F(DrawingSteps, EffectsRunAroundTheObject)
{
    TDrawnObject* lamp = Drawn(FScene->Objects(), "Lamp", {1, 2, -20});
    for (const char* label : {"first", "second"}) {
        auto* effect = new TShiftingEffect(lamp->Effects());
        effect->Log = &FLog;
        effect->Label = label;
    }
    TMatrix seen{};
    lamp->OnBuild = [&seen](TRenderContextInfo&) { seen = ModelView(); };
    const TMatrix before = ModelView();
    RenderObjects();
    EXPECT_THAT(FLog, ElementsAre("before first", "before second", "Lamp", "after first", "after second"));
    EXPECT_TRUE(Near(seen[3], {1, 2, -20, 1}));
    EXPECT_TRUE(Near(ModelView(), before));
}

// The depth test is off while such an object (and what it draws below it)
// is drawn, and on again after; it stays off when it was off.
TEST_F(DrawingSteps, AnObjectCanIgnoreTheDepthBuffer)
{
    TDrawnObject* overlay = Drawn(FScene->Objects(), "Overlay", {0, 0, -20});
    overlay->SetStyle({sfDirectDraw, sfIgnoreDepthBuffer});
    TDrawnObject* child = Drawn(overlay, "Child");
    std::vector<bool> depthTest;
    const auto note = [&depthTest](TRenderContextInfo&) { depthTest.push_back(GL.glIsEnabled(GL_DEPTH_TEST)); };
    overlay->OnBuild = note;
    child->OnBuild = note;
    FCache.Enable(ccDepthTest);
    RenderObjects();
    EXPECT_THAT(depthTest, ElementsAre(false, false));
    EXPECT_TRUE(GL.glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(FCache.IsEnabled(ccDepthTest));

    FCache.Disable(ccDepthTest);
    RenderObjects();
    EXPECT_FALSE(GL.glIsEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(FCache.IsEnabled(ccDepthTest));
}

// After an object that changes colours behind the cache's back, the cache
// has forgotten its materials and sends the next one whatever it is.
TEST_F(DrawingSteps, TheStateCacheForgetsWhatAColourChangingObjectDid)
{
    struct TCase {
        TSceneObjectStyleFlags Style;
        bool Forgotten;
    };
    const TVector grey = {0.5f, 0.5f, 0.5f, 1};
    for (const TCase& c : {TCase{{sfDirectDraw}, false}, TCase{{sfDirectDraw, sfAltersColorsOrWinding}, true}}) {
        TDrawnObject* painter = Drawn(FScene->Objects(), "Painter", {0, 0, -20});
        painter->SetStyle(c.Style);
        FCache.SetMaterialColors(GL_FRONT, grey, grey, grey, grey, 0);
        RenderObjects();
        const TOpenGLCallRecorder recorder;
        FCache.SetMaterialColors(GL_FRONT, grey, grey, grey, grey, 0);
        if (c.Forgotten)
            EXPECT_THAT(TOpenGLCallRecorder::Sent(), Not(IsEmpty()));
        else
            EXPECT_THAT(TOpenGLCallRecorder::Sent(), IsEmpty());
        delete painter;
    }
}

// Six dotted lines from the object's origin, as long as the camera sees,
// unlit: -X dark and +X bright red, -Y and +Y green, -Z and +Z blue.
TEST_F(DrawingSteps, AxesAreDrawnInTheirColours)
{
    FCamera->SetCameraStyle(csOrthogonal);
    LookThroughCamera();
    TDrawnObject* shown = Drawn(FScene->Objects(), "Shown", {0, 0, -20});
    shown->Scale()->AssignVector(0.1f, 0.1f, 0.1f);
    shown->SetTurnAngle(35);
    shown->SetPitchAngle(30);
    shown->SetShowAxes(true);
    GL.glEnable(GL_LIGHTING);
    RenderObjects();
    EXPECT_TRUE(GL.glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(GL.glIsEnabled(GL_LINE_STIPPLE));
    const std::vector<TRGBA> frame = Frame();
    SaveFrame(frame, "scene_axes.png");

    // Where the object's origin and a point along each axis land.
    GLdouble modelView[16];
    GLdouble projection[16];
    GLint viewport[4];
    GL.glGetDoublev(GL_PROJECTION_MATRIX, projection);
    GL.glGetIntegerv(GL_VIEWPORT, viewport);
    GL.glPushMatrix();
    GL.glMultMatrixf(&shown->LocalMatrix()[0].X);
    GL.glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
    GL.glPopMatrix();
    const auto project = [&](double X, double Y, double Z) {
        std::array<double, 3> window{};
        GL.gluProject(X, Y, Z, modelView, projection, viewport, &window[0], &window[1], &window[2]);
        return window;
    };
    const std::array<double, 3> origin = project(0, 0, 0);

    for (int axis = 0; axis < 3; ++axis) {
        for (const int sign : {-1, 1}) {
            TRGBA colour = {0, 0, 0, 255};
            colour[static_cast<std::size_t>(axis)] = sign < 0 ? 128 : 255;
            double end[3] = {0, 0, 0};
            end[axis] = sign;
            const std::array<double, 3> tip = project(end[0], end[1], end[2]);
            const double towardsX = tip[0] - origin[0];
            const double towardsY = tip[1] - origin[1];
            int count = 0;
            double along = 0;
            for (int y = 0; y < Size; ++y) {
                for (int x = 0; x < Size; ++x) {
                    const TRGBA p = Pixel(frame, x, y);
                    bool same = true;
                    for (std::size_t k = 0; k < 4; ++k)
                        same = same && std::abs(p[k] - colour[k]) <= 1;
                    if (!same)
                        continue;
                    ++count;
                    along += (x + 0.5 - origin[0]) * towardsX + (y + 0.5 - origin[1]) * towardsY;
                }
            }
            EXPECT_GT(count, 5) << "axis " << axis << " sign " << sign;
            EXPECT_GT(along, 0) << "axis " << axis << " sign " << sign << ": on its side of the origin";
        }
    }
}
