// Saving and opening scene files from the main window.
#include <QFileInfo>

#include <cmath>
#include <limits>

#include "dbcontrols/dbcheckboxlt.h"
#include "dbcontrols/dbnumberedit.h"
#include "platform/rtl/inouterror.h"
#include "scene3d/scene/camera.h"
#include "tests/app/scenetesting.h"

namespace {

TDBCheckBoxLt* ChannelBox(int Channel)
{
    return static_cast<TDBCheckBoxLt*>(frmMain->gbChannels->Controls(Channel - 1));
}

// Where the start-up scene puts lamp I of channel C (both from 1).
TAffineVector StartPosition(int C, int I)
{
    return {3.75f - (C - 1) / 2.0f, 3.75f - (I - 1) / 2.0f, 0};
}

const TVector kRed = {1, 0, 0, 1};
const TVector kGrey = {0.4f, 0.4f, 0.4f, 1};

TEST_F(SceneTest, TheStartUpSceneIsSavedAtFixedOffsetsAndOpensAsItWas)
{
    Save(Dir.File("evening"));
    EXPECT_EQ(DialogTitle, " Сохранение файла сцены");
    EXPECT_EQ(DialogFilters, QStringList{"kalvor lighting scenes *.vkt (*.vkt)"});
    const std::string bytes = Contents(Dir.File("evening.vkt"));
    ASSERT_EQ(bytes.size(), 3328u) << "the default extension is vkt";
    for (int c = 1; c <= 16; ++c) {
        SCOPED_TRACE("channel " + std::to_string(c));
        const std::size_t at = (c - 1) * kSceneRecordSize;
        EXPECT_EQ(bytes[at], 1);
        EXPECT_EQ(bytes[at + 1], 16);
        EXPECT_EQ(bytes.substr(at + 2, 2), std::string(2, '\0'));
        for (const std::size_t angle : {4, 8, 12})
            EXPECT_EQ(FloatAt(bytes, c, angle), 0);
        for (const int i : {1, 9, 16}) {
            EXPECT_EQ(FloatAt(bytes, c, 16 + 12 * (i - 1)), StartPosition(c, i).X);
            EXPECT_EQ(FloatAt(bytes, c, 20 + 12 * (i - 1)), StartPosition(c, i).Y);
            EXPECT_EQ(FloatAt(bytes, c, 24 + 12 * (i - 1)), 0);
        }
    }

    // Colours, places, angles, hidden lamps and groups, the view: all of it
    // goes back on opening.
    Run("acRandomColor");
    LampOf(3, 2)->Position()->AssignPoint(9, 9, 9);
    frmMain->ChannelGroup(5)->SetRollAngle(40);
    ChannelBox(8)->SetChecked(false);
    frmMain->edtLampCount->SetValue(3.0);
    frmMain->Camera1->Position()->AssignPoint(1, 2, 3);
    frmMain->Lighting->SetTurnAngle(70);
    frmMain->acView->Execute();

    Open(Dir.File("evening.vkt"));
    EXPECT_EQ(DialogTitle, " Открытие файла сцены");
    EXPECT_EQ(DialogFilters, QStringList{"kalvor lighting scenes *.vkt (*.vkt)"});
    EXPECT_EQ(frmMain->acView->ImageIndex(), 8) << "the stop step runs first";
    for (int c = 1; c <= 16; ++c) {
        SCOPED_TRACE("channel " + std::to_string(c));
        const T3DDummyCube* group = frmMain->ChannelGroup(c - 1);
        EXPECT_TRUE(group->Visible());
        EXPECT_TRUE(ChannelBox(c)->Checked());
        EXPECT_EQ(group->PitchAngle(), 0);
        EXPECT_EQ(group->TurnAngle(), 0);
        EXPECT_EQ(group->RollAngle(), 0);
        for (int i = 1; i <= 16; ++i) {
            T3DSprite* lamp = LampOf(c, i);
            EXPECT_TRUE(lamp->Visible()) << i;
            EXPECT_EQ(lamp->Position()->X(), StartPosition(c, i).X) << i;
            EXPECT_EQ(lamp->Position()->Y(), StartPosition(c, i).Y) << i;
            EXPECT_EQ(lamp->Position()->Z(), 0) << i;
            EXPECT_TRUE(VectorEquals(Front(lamp)->Specular()->Color(), kRed)) << i;
            EXPECT_TRUE(VectorEquals(Front(lamp)->Emission()->Color(), kGrey)) << i;
            EXPECT_EQ(lamp->Scale()->X(), 0.3f) << i;
        }
    }
    const T3DCoordinates* camera = frmMain->Camera1->Position();
    EXPECT_EQ(std::make_tuple(camera->X(), camera->Y(), camera->Z()), std::make_tuple(0.0f, 0.0f, -15.0f));
    EXPECT_EQ(frmMain->Lighting->TurnAngle(), 0);
}

TEST_F(SceneTest, OpeningShowsTheStoredGroupsLampCountsAndAngles)
{
    Save(SceneFile);
    std::string bytes = Contents(SceneFile);
    const auto record = [&](int Channel) { return (Channel - 1) * kSceneRecordSize; };
    bytes[record(5)] = 0;      // group 5 hidden
    bytes[record(4)] = 2;      // any non-zero byte shows a group
    bytes[record(2) + 1] = 0;  // no lamp of group 2 shown
    bytes[record(3) + 1] = 4;  // lamps 1 to 4 of group 3 shown
    const float angles[] = {10, -20, 30};
    std::memcpy(bytes.data() + record(6) + 4, angles, sizeof angles);
    SetContents(SceneFile, bytes);
    ChannelBox(4)->SetChecked(false);

    Open(SceneFile);
    EXPECT_FALSE(ChannelBox(5)->Checked());
    EXPECT_FALSE(frmMain->ChannelGroup(4)->Visible());
    EXPECT_TRUE(ChannelBox(4)->Checked());
    EXPECT_TRUE(frmMain->ChannelGroup(3)->Visible());
    for (int i = 1; i <= 16; ++i) {
        EXPECT_FALSE(LampOf(2, i)->Visible()) << i;
        EXPECT_EQ(LampOf(3, i)->Visible(), i <= 4) << i;
    }
    EXPECT_EQ(frmMain->ChannelGroup(5)->PitchAngle(), 10);
    EXPECT_EQ(frmMain->ChannelGroup(5)->TurnAngle(), -20);
    EXPECT_EQ(frmMain->ChannelGroup(5)->RollAngle(), 30);

    // The group stays hidden, and is saved so.
    Save(SceneFile);
    EXPECT_EQ(Contents(SceneFile)[record(5)], 0);
    EXPECT_EQ(Contents(SceneFile)[record(3) + 1], 4);
}

TEST_F(SceneTest, AShortFileStopsWithTheErrorAfterItsLastWholeRecord)
{
    ChannelBox(15)->SetChecked(false);
    ChannelBox(16)->SetChecked(false);
    Save(SceneFile);
    SetContents(SceneFile, Contents(SceneFile).substr(0, 3327));
    ChannelBox(15)->SetChecked(true);
    ChannelBox(16)->SetChecked(true);
    frmMain->Lighting->SetTurnAngle(70);

    try {
        Open(SceneFile);
        ADD_FAILURE() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.Message(), "Read beyond end of file");
    }
    EXPECT_FALSE(ChannelBox(15)->Checked()) << "the 15 whole records are set";
    EXPECT_TRUE(ChannelBox(16)->Checked());
    EXPECT_EQ(frmMain->Lighting->TurnAngle(), 70) << "the view stays as it was";
}

TEST_F(SceneTest, ARecordWithANaNIsRefusedAndTheGroupStillTurns)
{
    Save(SceneFile);
    std::string bytes = Contents(SceneFile);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    std::memcpy(bytes.data() + 2 * kSceneRecordSize + 8, &nan, sizeof nan);  // turn of group 3
    SetContents(SceneFile, bytes);

    EXPECT_THROW(Open(SceneFile), EInOutError);
    T3DDummyCube* group = frmMain->ChannelGroup(2);
    EXPECT_EQ(group->TurnAngle(), 0);
    group->SetPitchAngle(30);
    for (const TVector& row : group->AbsoluteMatrix())
        EXPECT_TRUE(std::isfinite(row.X) && std::isfinite(row.Y) && std::isfinite(row.Z));
}

TEST_F(SceneTest, ACancelledDialogChangesNothingButTheStopStep)
{
    frmMain->acView->Execute();
    frmMain->ChannelGroup(0)->SetTurnAngle(15);
    SetFileDialogHook([](QFileDialog&) { return false; });
    Run("acSaveScene");
    Run("acOpenScene");
    EXPECT_EQ(frmMain->acView->ImageIndex(), 8);
    EXPECT_EQ(frmMain->ChannelGroup(0)->TurnAngle(), 15);
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(SceneFile)));
}

} // namespace
