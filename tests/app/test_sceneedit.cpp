// The scene editing window on the program's main window.
#include <QTest>

#include <cmath>

#include "app/fEdit.h"
#include "dbcontrols/dbcombobox.h"
#include "dbcontrols/dbnumberedit.h"
#include "platform/ui/extctrls.h"
#include "tests/app/captionfit.h"
#include "tests/app/scenetesting.h"

namespace {

class SceneEditTest : public SceneTest {
protected:
    void SetUp() override
    {
        SceneTest::SetUp();
        frmMain->acView->Execute();
        Run("acEdit");
        ASSERT_NE(frmEdit, nullptr);
    }

    // Lamp I (from 1) of the channel chosen in the window.
    static TAffineVector Placed(int Channel, int I) { return LampOf(Channel, I)->Position()->XYZ(); }
    static void ExpectAt(int Channel, int I, const TAffineVector& P)
    {
        SCOPED_TRACE("channel " + std::to_string(Channel) + " lamp " + std::to_string(I));
        const TAffineVector placed = Placed(Channel, I);
        EXPECT_NEAR(placed.X, P.X, 1e-5);
        EXPECT_NEAR(placed.Y, P.Y, 1e-5);
        EXPECT_NEAR(placed.Z, P.Z, 1e-5);
    }
    // The window's channel, and N lamps of it shown through the main window.
    static void ChooseChannel(int Channel, int LampCount)
    {
        frmEdit->cmbChannels->SetItemIndex(Channel - 1);
        frmMain->edtLampCount->SetValue(static_cast<double>(LampCount));
    }
};

TEST_F(SceneEditTest, OpensBesideTheMainWindowOnTheLineWithChannelOneAndStaysOnTop)
{
    EXPECT_EQ(frmMain->acView->ImageIndex(), 8) << "the stop step runs first";
    EXPECT_TRUE(frmEdit->Visible());
    EXPECT_EQ(frmEdit->Caption(), " Редактирование сцены");
    EXPECT_EQ(frmEdit->FormStyle(), fsStayOnTop);
    EXPECT_EQ(frmEdit->ClientWidth(), 232);
    EXPECT_EQ(frmEdit->ClientHeight(), 228);
    EXPECT_EQ(frmEdit->Left(), frmMain->Left() + 60);
    EXPECT_EQ(frmEdit->Top(), frmMain->Top() + 100);
    EXPECT_EQ(frmEdit->pgcFigure->ActivePage(), frmEdit->tsLine);
    for (const TDBComboBoxLt* combo : {frmEdit->cmbChannels, frmEdit->cmbLineRotateDirection,
                                       frmEdit->cmbCircleDirection, frmEdit->cmbCircleRotateDirection})
        EXPECT_EQ(combo->ItemIndex(), 0) << combo->Name();
    for (const TDBNumberEditLt* edit : {frmEdit->edtLineBeginX, frmEdit->edtLineEndZ, frmEdit->edtCircleRadius,
                                        frmEdit->edtCircleRotateAngle}) {
        EXPECT_EQ(edit->Value().AsDouble(), 0) << edit->Name();
        EXPECT_EQ(edit->Text(), "0.00") << edit->Name();
    }
    EXPECT_EQ(Describe(ClippedCaptions(*frmEdit)), "");
}

TEST_F(SceneEditTest, ClosingFreesTheWindowAndTheCommandMakesANewOne)
{
    TfrmEdit* first = frmEdit;
    Run("acEdit");
    EXPECT_EQ(frmEdit, first) << "an open window is shown again";
    frmEdit->Close();
    EXPECT_EQ(frmEdit, nullptr);
    ASSERT_TRUE(RunUntil([] { return Application->FindComponent("frmEdit") == nullptr; }));
    Run("acEdit");
    ASSERT_NE(frmEdit, nullptr);
    EXPECT_TRUE(frmEdit->Visible());
}

TEST_F(SceneEditTest, TheChannelFollowsIntoTheMainWindowAndKeysAreDiscarded)
{
    frmMain->cmbChannels->SetItemIndex(6);
    frmMain->edtLampCount->SetValue(5.0);
    frmMain->cmbChannels->SetItemIndex(0);
    frmEdit->cmbChannels->SetItemIndex(6);
    EXPECT_EQ(frmMain->cmbChannels->ItemIndex(), 6);
    EXPECT_EQ(frmMain->cmbChannels->Text(), "7");
    EXPECT_EQ(frmMain->edtLampCount->Value().AsDouble(), 5);

    frmEdit->Show();
    QTest::keyClick(frmEdit->cmbChannels->Widget(), Qt::Key_3);
    QTest::keyClick(frmEdit->cmbLineRotateDirection->Widget(), Qt::Key_Z);
    EXPECT_EQ(frmEdit->cmbChannels->ItemIndex(), 6);
    EXPECT_EQ(frmEdit->cmbLineRotateDirection->ItemIndex(), 0);
}

TEST_F(SceneEditTest, TheLineSpansTheShownLampsAndTheOthersContinueIt)
{
    for (const int n : {4, 1}) {
        SCOPED_TRACE("lamp count " + std::to_string(n));
        ChooseChannel(3, n);
        frmEdit->edtLineEndX->SetValue(3.0);
        frmEdit->SpeedButton1->Click();
        const float step = n == 4 ? 1 : 3;
        for (int i = 1; i <= 16; ++i)
            ExpectAt(3, i, {-step * (i - 1), 0, 0});
    }
    ExpectAt(2, 1, {3.25f, 3.75f, 0});
}

TEST_F(SceneEditTest, TheCircleSpreadsTheShownLampsEvenlyAndTheOthersGoRoundAgain)
{
    ChooseChannel(5, 4);
    frmEdit->pgcFigure->SetActivePageIndex(1);
    frmEdit->edtCircleRadius->SetValue(2.0);
    frmEdit->cmbCircleDirection->SetItemIndex(2);
    frmEdit->btnCircle->Click();
    const TAffineVector round[] = {{2, 0, 0}, {0, 2, 0}, {-2, 0, 0}, {0, -2, 0}};
    for (int i = 1; i <= 16; ++i)
        ExpectAt(5, i, round[(i - 1) % 4]);
}

TEST_F(SceneEditTest, TheAngleGoesToTheChosenAxisOnly)
{
    T3DDummyCube* group = frmMain->ChannelGroup(0);
    group->SetPitchAngle(5);
    group->SetTurnAngle(6);
    group->SetRollAngle(7);
    frmEdit->cmbLineRotateDirection->SetItemIndex(1);
    frmEdit->edtLineRotateAngle->SetValue(30.0);
    frmEdit->SpeedButton1->Click();
    EXPECT_EQ(group->PitchAngle(), 5);
    EXPECT_EQ(group->TurnAngle(), 30);
    EXPECT_EQ(group->RollAngle(), 7);
    frmEdit->cmbCircleRotateDirection->SetItemIndex(2);
    frmEdit->edtCircleRotateAngle->SetValue(-45.0);
    frmEdit->btnCircle->Click();
    EXPECT_EQ(group->PitchAngle(), 5);
    EXPECT_EQ(group->TurnAngle(), 30);
    EXPECT_EQ(group->RollAngle(), -45);
}

TEST_F(SceneEditTest, ACircleWithNoLampShownPutsEveryLampAtTheStartAndSavesAFileThatOpens)
{
    // A scene file is how a lamp count of 0 reaches the main window.
    Save(SceneFile);
    std::string bytes = Contents(SceneFile);
    bytes[1] = 0;
    SetContents(SceneFile, bytes);
    Open(SceneFile);
    frmEdit->cmbChannels->SetItemIndex(1);
    frmEdit->cmbChannels->SetItemIndex(0);
    ASSERT_EQ(frmMain->edtLampCount->Value().AsDouble(), 0);

    frmEdit->edtCircleRadius->SetValue(2.0);
    frmEdit->cmbCircleDirection->SetItemIndex(2);
    frmEdit->btnCircle->Click();
    for (int i = 1; i <= 16; ++i)
        ExpectAt(1, i, {2, 0, 0});
    Save(SceneFile);
    EXPECT_NO_THROW(Open(SceneFile));
    ExpectAt(1, 16, {2, 0, 0});
}

} // namespace
