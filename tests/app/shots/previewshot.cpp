// Saves pictures of the main window as the X server shows it (the 3D
// viewer's window included): at start, during a lit step, mid-rotation and
// after an orbit drag (scripts/screenshot-preview runs it under a virtual X
// server). The pictures go to $LIGHTING_SHOT_DIR, else the current folder,
// as preview-start.png, preview-lit.png, preview-rotation.png and
// preview-orbit.png.
#include <QTest>

#include <cstdlib>
#include <string>

#include "dbcontrols/dbnumberedit.h"
#include "tests/app/previewtesting.h"
#include "tests/app/xserverview.h"

namespace {

class PreviewShot : public PreviewTest {
protected:
    void Save(const std::string& Name)
    {
        QElapsedTimer timer;
        timer.start();
        RunUntil([&] { return timer.elapsed() >= 400; });
        const char* dir = std::getenv("LIGHTING_SHOT_DIR");
        const std::string path = (dir && *dir ? std::string(dir) : std::string(".")) + "/preview-" + Name + ".png";
        EXPECT_TRUE(FServer.Image(frmMain->Widget()->winId()).save(QString::fromStdString(path))) << path;
    }

    TXServerView FServer;
};

TEST_F(PreviewShot, Pictures)
{
    SeedScheme(1, {3, 8, 0}, 60000);
    SeedScheme(2, {12}, 60000);
    AddProgrammeRow(1, 1);
    AddProgrammeRow(2, 1);
    DM->cdsProgramm->First();
    Save("start");
    Run("acRandomColor");
    Run("acView");
    ASSERT_TRUE(RunUntil([] { return LitChannels() == std::vector<int>{3}; }));
    Save("lit");
    Run("acView");
    frmMain->edtRotateSpeed->SetValue(100.0);
    Run("acRotate");
    ASSERT_TRUE(RunUntil([] { return frmMain->Lighting->TurnAngle() > 35; }));
    Run("acRotate");
    Save("rotation");
    Run("acDefault");
    QWidget* viewer = dynamic_cast<TControl*>(frmMain->FindComponent("SceneViewer"))->Widget();
    QTest::mousePress(viewer, Qt::LeftButton, {}, {100, 150});
    for (int step = 1; step <= 10; ++step)
        frmMain->SceneViewerMouseMove(nullptr, TShiftState{ssLeft}, 100 + 4 * step, 150 - 3 * step);
    QTest::mouseRelease(viewer, Qt::LeftButton, {}, {140, 120});
    Save("orbit");
}

} // namespace
