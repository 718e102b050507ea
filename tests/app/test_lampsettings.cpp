// The stop step, the rotation and the lamp settings of the main window.
#include <QColorDialog>
#include <QTest>

#include <set>
#include <tuple>

#include "dbcontrols/dbcheckboxlt.h"
#include "dbcontrols/dbcombobox.h"
#include "dbcontrols/dbnumberedit.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/extctrls.h"
#include "scene3d/cadencer/cadencer.h"
#include "scene3d/scene/camera.h"
#include "scene3d/utils/wincolors.h"
#include "tests/app/maingridtesting.h"
#include "tests/app/previewtesting.h"

namespace {

// The preview on or off and the rotation on or off before the stop step.
class StopStep : public PreviewTest, public testing::WithParamInterface<std::tuple<bool, bool>> {};

TEST_P(StopStep, LeavesBothOffWhateverTheyWere)
{
    const auto [view, rotate] = GetParam();
    if (view)
        frmMain->acView->Execute();
    if (rotate)
        frmMain->acRotate->Execute();
    ASSERT_EQ(frmMain->acView->ImageIndex(), view ? 9 : 8);
    ASSERT_EQ(frmMain->acRotate->ImageIndex(), rotate ? 11 : 10);
    ASSERT_EQ(frmMain->Cadencer->Enabled(), view || rotate);
    // Help runs the stop step and nothing else.
    Run("acHelp");
    EXPECT_EQ(frmMain->acView->ImageIndex(), 8);
    EXPECT_EQ(frmMain->acRotate->ImageIndex(), 10);
    EXPECT_FALSE(frmMain->ViewOn);
    EXPECT_FALSE(frmMain->RotateOn);
    EXPECT_FALSE(frmMain->Cadencer->Enabled());
}

INSTANTIATE_TEST_SUITE_P(States, StopStep, testing::Combine(testing::Bool(), testing::Bool()));

TEST_F(PreviewTest, StartsWithTheFirstLampOfTheFirstChannelChosen)
{
    EXPECT_EQ(frmMain->cmbChannels->ItemIndex(), 0);
    EXPECT_EQ(frmMain->cmbLamps->ItemIndex(), 0);
    EXPECT_EQ(frmMain->shpLampColor->Brush()->Color(), PackRGB(255, 0, 0));
    EXPECT_EQ(frmMain->edtLampCount->Value().AsDouble(), 16);
    ASSERT_EQ(frmMain->Lighting->GetChildCount(), 16);
    for (int c = 0; c < 16; ++c)
        ASSERT_EQ(frmMain->ChannelGroup(c)->GetChildCount(), 16);
    EXPECT_EQ(frmMain->Lamp(16, 0), nullptr);
    EXPECT_EQ(frmMain->Lamp(0, 16), nullptr);
}

TEST_F(PreviewTest, SpeedTwentyTurnsOneDegreePerTickWhileRotating)
{
    frmMain->edtRotateSpeed->SetValue(20.0);
    Tick(1);
    EXPECT_EQ(frmMain->Lighting->TurnAngle(), 0) << "not rotating";
    frmMain->acRotate->Execute();
    EXPECT_TRUE(frmMain->Cadencer->Enabled());
    Tick(2);
    EXPECT_FLOAT_EQ(frmMain->Lighting->TurnAngle(), 1);
    Tick(2.001);
    EXPECT_FLOAT_EQ(frmMain->Lighting->TurnAngle(), 2);
    frmMain->Camera1->Position()->AssignPoint(3, 4, -5);
    Run("acDefault");
    EXPECT_EQ(frmMain->Lighting->TurnAngle(), 0);
    EXPECT_TRUE(VectorEquals(frmMain->Camera1->Position()->AsVector(), TVector{0, 0, -15, 1}));
}

TEST_F(PreviewTest, TheLampCountOfAChannelShowsItsFirstLampsAndIsReadBack)
{
    frmMain->cmbChannels->SetItemIndex(2);
    frmMain->edtLampCount->SetValue(5.0);
    for (int i = 1; i <= 16; ++i) {
        EXPECT_EQ(LampOf(3, i)->Visible(), i <= 5) << "lamp " << i;
        EXPECT_TRUE(LampOf(2, i)->Visible()) << "channel 2, lamp " << i;
    }
    frmMain->cmbChannels->SetItemIndex(0);
    EXPECT_EQ(frmMain->edtLampCount->Value().AsDouble(), 16);
    frmMain->cmbChannels->SetItemIndex(2);
    EXPECT_EQ(frmMain->edtLampCount->Value().AsDouble(), 5);
}

TEST_F(PreviewTest, AChannelBoxShowsAndHidesItsChannel)
{
    auto* box = dynamic_cast<TDBCheckBoxLt*>(frmMain->FindComponent("DBCheckBoxLt2"));
    ASSERT_NE(box, nullptr);
    box->SetChecked(false);
    EXPECT_FALSE(frmMain->ChannelGroup(2)->Visible());
    EXPECT_TRUE(frmMain->ChannelGroup(1)->Visible());
    box->SetChecked(true);
    EXPECT_TRUE(frmMain->ChannelGroup(2)->Visible());
}

TEST_F(PreviewTest, TheChannelBoxesStandInChannelOrder)
{
    auto* group = dynamic_cast<TWinControl*>(frmMain->FindComponent("gbChannels"));
    ASSERT_NE(group, nullptr);
    ASSERT_EQ(group->ControlCount(), 16);
    for (int c = 1; c <= 16; ++c) {
        auto* box = dynamic_cast<TDBCheckBoxLt*>(group->Controls(c - 1));
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->Caption(), std::to_string(c));
        EXPECT_EQ(box->Name(), c == 1 ? "chkChannel1" : "DBCheckBoxLt" + std::to_string(c - 1));
        EXPECT_TRUE(box->Checked());
        EXPECT_EQ(box->ValueChecked(), "True");
        EXPECT_EQ(box->ValueUnchecked(), "False");
    }
}

TEST_F(PreviewTest, TheSelectorsAndNumberFieldsTakeNoKeys)
{
    frmMain->Widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frmMain->Widget()));
    for (const char* name : {"cmbChannels", "cmbLamps", "edtLampCount", "edtRotateSpeed"}) {
        auto* edit = dynamic_cast<TCustomDBEditLt*>(frmMain->FindComponent(name));
        ASSERT_NE(edit, nullptr) << name;
        const std::string before = edit->Text();
        edit->SetFocus();
        TypeInto(frmMain->Widget(), "7x");
        EXPECT_EQ(edit->Text(), before) << name;
    }
    EXPECT_EQ(frmMain->cmbChannels->ItemIndex(), 0);
}

class ColourCommands : public PreviewTest {
protected:
    void SetUp() override
    {
        PreviewTest::SetUp();
        SetColorDialogHook([this](QColorDialog& Dialog) {
            Offered = Dialog.currentColor();
            Dialog.setCurrentColor(Chosen);
            return Accept;
        });
    }
    void TearDown() override
    {
        SetColorDialogHook(nullptr);
        PreviewTest::TearDown();
    }

    QColor Offered;
    QColor Chosen{10, 200, 30};
    bool Accept = true;
};

TEST_F(ColourCommands, AChosenColourGoesToTheChosenLampAndTheSwatch)
{
    frmMain->cmbChannels->SetItemIndex(4);
    frmMain->cmbLamps->SetItemIndex(6);
    Run("acChangeColor");
    EXPECT_EQ(Offered, QColor(255, 0, 0));
    const TVector green = {10 / 255.0f, 200 / 255.0f, 30 / 255.0f, 1};
    EXPECT_TRUE(VectorEquals(Front(LampOf(5, 7))->Specular()->Color(), green));
    EXPECT_TRUE(VectorEquals(Front(LampOf(5, 7))->Emission()->Color(), green));
    EXPECT_TRUE(VectorEquals(Front(LampOf(5, 8))->Specular()->Color(), TVector{1, 0, 0, 1}));
    EXPECT_EQ(frmMain->shpLampColor->Brush()->Color(), PackRGB(10, 200, 30));
    // Choosing another lamp and back shows each one's colour.
    frmMain->cmbLamps->SetItemIndex(7);
    EXPECT_EQ(frmMain->shpLampColor->Brush()->Color(), PackRGB(255, 0, 0));
    frmMain->cmbLamps->SetItemIndex(6);
    EXPECT_EQ(frmMain->shpLampColor->Brush()->Color(), PackRGB(10, 200, 30));
}

TEST_F(ColourCommands, ACancelledDialogChangesNothing)
{
    Accept = false;
    Run("acChangeColor");
    EXPECT_EQ(frmMain->shpLampColor->Brush()->Color(), PackRGB(255, 0, 0));
    EXPECT_TRUE(VectorEquals(Front(LampOf(1, 1))->Specular()->Color(), TVector{1, 0, 0, 1}));
}

TEST_F(ColourCommands, TheSwatchColourGoesToEveryLampAtFullSize)
{
    frmMain->shpLampColor->Brush()->SetColor(PackRGB(0, 0, 255));
    Run("acSetColorAll");
    for (int c = 1; c <= 16; ++c)
        for (int i = 1; i <= 16; ++i) {
            T3DSprite* lamp = LampOf(c, i);
            ASSERT_TRUE(VectorEquals(Front(lamp)->Specular()->Color(), TVector{0, 0, 1, 1}));
            ASSERT_TRUE(VectorEquals(Front(lamp)->Emission()->Color(), TVector{0, 0, 1, 1}));
            ASSERT_EQ(lamp->Scale()->X(), 1);
        }
}

TEST_F(ColourCommands, RandomColoursDifferFromLampToLamp)
{
    Run("acRandomColor");
    std::set<std::tuple<float, float, float>> colours;
    for (int c = 1; c <= 16; ++c)
        for (int i = 1; i <= 16; ++i) {
            T3DSprite* lamp = LampOf(c, i);
            const TVector colour = Front(lamp)->Specular()->Color();
            for (float part : {colour.X, colour.Y, colour.Z}) {
                ASSERT_GE(part, 0);
                ASSERT_LT(part, 1);
            }
            ASSERT_EQ(colour.W, 1);
            ASSERT_TRUE(VectorEquals(Front(lamp)->Emission()->Color(), colour));
            ASSERT_EQ(lamp->Scale()->Y(), 1);
            colours.insert({colour.X, colour.Y, colour.Z});
        }
    EXPECT_GT(colours.size(), 250u);
}

} // namespace
