// A start whose creation steps stopped half-way: no database, or a glow
// picture that cannot be read. The window is up without (all of) its lamps
// and without a chosen channel, and every command of the preview column
// leaves alone what was never made.
#include <QColorDialog>

#include <filesystem>
#include <fstream>

#include "dbcontrols/dbcheckboxlt.h"
#include "dbcontrols/dbcombobox.h"
#include "dbcontrols/dbnumberedit.h"
#include "platform/ui/dialogs.h"
#include "scene3d/cadencer/cadencer.h"
#include "tests/app/previewtesting.h"

namespace {

class BrokenStart : public PreviewTest {
protected:
    // Each test makes its own trouble, then starts the program.
    void SetUp() override
    {
        InitLightingResources();
        FWorkingFolder = std::filesystem::current_path();
        SetColorDialogHook([](QColorDialog& Dialog) {
            Dialog.setCurrentColor(Qt::green);
            return true;
        });
    }
    void TearDown() override
    {
        SetColorDialogHook(nullptr);
        PreviewTest::TearDown();
        std::filesystem::current_path(FWorkingFolder);
    }

    // The lamps, their commands, the selectors, the channel boxes and the
    // mouse in the viewer, each once.
    void RunEveryHandler()
    {
        Asked.clear();
        for (const char* action : {"acView", "acRotate", "acDefault", "acChangeColor", "acRandomColor",
                                   "acSetColorAll"})
            Run(action);
        for (int k = 1; k <= 6; ++k)
            Tick(k);
        frmMain->edtLampCount->SetValue(3.0);
        frmMain->cmbLamps->SetItemIndex(4);
        frmMain->cmbChannels->SetItemIndex(5);
        frmMain->edtLampCount->SetValue(2.0);
        for (int c = 0; c < 16; ++c) {
            auto* box = dynamic_cast<TDBCheckBoxLt*>(frmMain->FindComponent(
                c == 0 ? std::string("chkChannel1") : "DBCheckBoxLt" + std::to_string(c)));
            box->SetChecked(false);
            box->SetChecked(true);
        }
        frmMain->SceneViewerMouseMove(nullptr, TShiftState{ssLeft}, 10, 10);
        frmMain->SceneViewerMouseMove(nullptr, TShiftState{ssRight, ssShift, ssCtrl, ssAlt}, 20, 20);
        Run("acHelp");
        EXPECT_TRUE(Asked.empty()) << Asked.front().Text;
        EXPECT_FALSE(frmMain->Cadencer->Enabled());
    }

    std::filesystem::path FWorkingFolder;
};

TEST_F(BrokenStart, WithoutADatabaseNoLampIsMade)
{
    setenv("LIGHTING_DATABASE", Dir.File("missing.gdb").c_str(), 1);
    StartProgram();
    ASSERT_EQ(Asked.size(), 1u) << "the connection's error";
    EXPECT_EQ(frmMain->Lighting->GetChildCount(), 0);
    EXPECT_EQ(frmMain->cmbChannels->ItemIndex(), -1);
    RunEveryHandler();
    EXPECT_TRUE(frmMain->Playlist.empty());
}

TEST_F(BrokenStart, AnUnreadableGlowPictureStopsTheSceneWithTheLoadersError)
{
    ASSERT_EQ(RunCreateDatabase(SourceFile("resources/lighting.sql"), Dir.File("lighting.gdb")), 0);
    setenv("LIGHTING_DATABASE", Dir.File("lighting.gdb").c_str(), 1);
    // The working folder's picture is taken before the one beside the program.
    std::filesystem::current_path(Dir.Path());
    std::ofstream(Dir.File("texture.bmp")) << "BM not a picture";
    StartProgram();
    ASSERT_EQ(Asked.size(), 1u) << "the loader's error";
    EXPECT_NE(Asked.front().Text.find("texture.bmp"), std::string::npos) << Asked.front().Text;
    EXPECT_LE(frmMain->Lighting->GetChildCount(), 1);
    EXPECT_EQ(frmMain->cmbChannels->ItemIndex(), -1);
    // The lamps that were made still play.
    SeedScheme(1, {1});
    AddProgrammeRow(1, 1);
    RunEveryHandler();
    EXPECT_EQ(frmMain->Playlist.size(), 1u);
}

} // namespace
