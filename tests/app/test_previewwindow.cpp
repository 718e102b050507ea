// The preview in the real window on the X server: the lamps where the
// camera puts them, lit as the programme says, and the mouse in the viewer.
#include <QTest>

#include <cmath>
#include <vector>

#include "scene3d/objects/sprite.h"
#include "scene3d/scene/camera.h"
#include "scene3d/viewer/sceneviewer.h"
#include "tests/app/previewtesting.h"
#include "tests/app/xserverview.h"

namespace {

class PreviewWindow : public PreviewTest {
protected:
    // Where the camera puts the centre of lamp I of channel C (from 1), in
    // the viewer's pixels: the camera 15 units before the lamps with a focal
    // length of 50 mm at 96 dpi over the viewer's larger side; world +X is
    // to the left on the screen.
    QPointF LampCentre(int C, int I) const
    {
        const double pixelsPerUnit = 2.0 * 50 * 96 / 25.4 / 15;
        const double x = 3.75 - (C - 1) / 2.0;
        const double y = 3.75 - (I - 1) / 2.0;
        return {Viewer()->Width() / 2.0 - x * pixelsPerUnit, Viewer()->Height() / 2.0 - y * pixelsPerUnit};
    }
    static QPoint Pixel(QPointF P) { return {static_cast<int>(P.x()), static_cast<int>(P.y())}; }

    static T3DSceneViewer* Viewer() { return static_cast<T3DSceneViewer*>(frmMain->FindComponent("SceneViewer")); }

    // The viewer as the X server shows it, once it has painted.
    QImage Shown()
    {
        RunFor(300);
        return FServer.Image(Viewer()->Widget()->winId());
    }
    void RunFor(int Milliseconds)
    {
        QElapsedTimer timer;
        timer.start();
        RunUntil([&] { return timer.elapsed() >= Milliseconds; });
    }

    TXServerView FServer;
};

TEST_F(PreviewWindow, TheViewerShowsTheLampsWhereTheCameraPutsThem)
{
    ASSERT_EQ(Viewer()->Width(), 271);
    ASSERT_EQ(Viewer()->Height(), 262);
    const QImage image = Shown();
    ASSERT_FALSE(image.isNull());
    // At start every lamp glows grey; between them the background is black.
    for (int c = 1; c <= 16; ++c)
        for (int i = 1; i <= 16; ++i) {
            const QColor centre = image.pixelColor(Pixel(LampCentre(c, i)));
            ASSERT_GT(centre.red(), 60) << c << ", " << i;
            ASSERT_NEAR(centre.red(), centre.green(), 8) << c << ", " << i;
            const QColor between = image.pixelColor(Pixel(LampCentre(c, i) + QPointF(6, 6)));
            ASSERT_LT(between.red(), 20) << c << ", " << i;
        }
}

TEST_F(PreviewWindow, APlayingProgrammeLightsItsChannels)
{
    SeedScheme(1, {3, 7}, 60000);
    AddProgrammeRow(1, 1);
    Run("acView");
    ASSERT_TRUE(RunUntil([] { return LitChannels() == std::vector<int>{3}; }));
    const QImage image = Shown();
    ASSERT_FALSE(image.isNull());
    for (int c = 1; c <= 16; ++c)
        for (int i = 1; i <= 16; i += 5) {
            const QColor centre = image.pixelColor(Pixel(LampCentre(c, i)));
            const QColor aside = image.pixelColor(Pixel(LampCentre(c, i) + QPointF(6, 0)));
            if (c == 3) {
                EXPECT_GT(centre.red(), 200) << c << ", " << i;
                EXPECT_LT(centre.green(), 60) << c << ", " << i;
                EXPECT_GT(aside.red(), 60) << "a large glow, " << c << ", " << i;
            } else {
                EXPECT_NEAR(centre.red(), centre.green(), 8) << "grey, " << c << ", " << i;
                // Beside channels 2 and 4 lies channel 3's glow.
                if (std::abs(c - 3) > 1)
                    EXPECT_LT(aside.red(), 20) << "a small glow, " << c << ", " << i;
            }
        }
}

TEST_F(PreviewWindow, ARightPressPicksTheLampUnderIt)
{
    const QPoint lamp = Pixel(LampCentre(3, 5));
    QTest::mousePress(Viewer()->Widget(), Qt::RightButton, {}, lamp);
    QTest::mouseRelease(Viewer()->Widget(), Qt::RightButton, {}, lamp);
    EXPECT_EQ(frmMain->PickedLamp, LampOf(3, 5));
    EXPECT_EQ(frmMain->LastX, lamp.x());
    EXPECT_EQ(frmMain->LastY, lamp.y());
}

struct TDragCase {
    const char* Name;
    TShiftState Keys;
    TVector Moved;   // by a drag 25 pixels left and 50 up
};

class LampDrag : public PreviewWindow, public testing::WithParamInterface<TDragCase> {};

TEST_P(LampDrag, MovesThePickedLampAlongItsAxes)
{
    T3DSprite* lamp = LampOf(3, 5);
    const TVector before = lamp->Position()->AsVector();
    const QPoint at = Pixel(LampCentre(3, 5));
    frmMain->SceneViewerMouseDown(nullptr, mbRight, TShiftState{ssRight}, at.x(), at.y());
    ASSERT_EQ(frmMain->PickedLamp, lamp);
    frmMain->SceneViewerMouseMove(nullptr, GetParam().Keys + TShiftState{ssRight}, at.x() - 25, at.y() - 50);
    const TVector after = lamp->Position()->AsVector();
    EXPECT_FLOAT_EQ(after.X - before.X, GetParam().Moved.X);
    EXPECT_FLOAT_EQ(after.Y - before.Y, GetParam().Moved.Y);
    EXPECT_FLOAT_EQ(after.Z - before.Z, GetParam().Moved.Z);
    EXPECT_EQ(frmMain->LastX, at.x() - 25);
    EXPECT_EQ(frmMain->LastY, at.y() - 50);
}

INSTANTIATE_TEST_SUITE_P(
    Modifiers, LampDrag,
    testing::Values(TDragCase{"Shift", {ssShift}, {1, 2, 0, 0}}, TDragCase{"Ctrl", {ssCtrl}, {1, 0, 2, 0}},
                    TDragCase{"Alt", {ssAlt}, {0, 2, 1, 0}}, TDragCase{"None", {}, {0, 0, 0, 0}},
                    // One after the other: Shift, then Ctrl, then Alt.
                    TDragCase{"ShiftCtrlAlt", {ssShift, ssCtrl, ssAlt}, {2, 4, 3, 0}}),
    [](const testing::TestParamInfo<TDragCase>& info) { return info.param.Name; });

TEST_F(PreviewWindow, ARightPressOnEmptySpacePicksNothingAndMovesNothing)
{
    const QPoint lamp = Pixel(LampCentre(3, 5));
    frmMain->SceneViewerMouseDown(nullptr, mbRight, TShiftState{ssRight}, lamp.x(), lamp.y());
    ASSERT_EQ(frmMain->PickedLamp, LampOf(3, 5));
    // Halfway between four lamps.
    const QPoint empty = Pixel((LampCentre(3, 5) + LampCentre(4, 6)) / 2);
    frmMain->SceneViewerMouseDown(nullptr, mbRight, TShiftState{ssRight}, empty.x(), empty.y());
    EXPECT_EQ(frmMain->PickedLamp, nullptr);
    frmMain->SceneViewerMouseMove(nullptr, TShiftState{ssRight, ssShift, ssCtrl, ssAlt}, empty.x() - 40,
                                  empty.y() - 40);
    for (int c = 1; c <= 16; ++c)
        for (int i = 1; i <= 16; ++i)
            ASSERT_FLOAT_EQ(LampOf(c, i)->Position()->Z(), 0) << c << ", " << i;
}

TEST_F(PreviewWindow, ALeftDragOrbitsTheCameraAboutTheLamps)
{
    QWidget* viewer = Viewer()->Widget();
    QTest::mousePress(viewer, Qt::LeftButton, {}, {100, 100});
    QTest::mouseMove(viewer, {140, 100});
    QTest::mouseRelease(viewer, Qt::LeftButton, {}, {140, 100});
    const TVector eye = frmMain->Camera1->Position()->AsVector();
    EXPECT_NEAR(std::hypot(eye.X, eye.Y, eye.Z), 15, 1e-3) << "on the sphere about the target";
    EXPECT_GT(std::abs(eye.X), 1) << "turned";
}

} // namespace
