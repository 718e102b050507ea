// Start-up, splash and shutdown of the program, with its real windows on a
// database of its own.
#include "tests/app/programtesting.h"

#include <QTimer>

#include "platform/ui/widgetbridge.h"
#include "tests/app/dependentedits.h"

namespace {

TEST_F(ProgramTest, TheSplashShowsEveryMarkAndHidesAfterTheTimer)
{
    ASSERT_NE(frmSplash, nullptr);
    for (const TShape* mark : SplashBars)
        ASSERT_TRUE(mark && mark->Visible());
    EXPECT_NE(Application->MainForm(), frmSplash);
    EXPECT_EQ(Application->MainForm(), frmMain);
    EXPECT_TRUE(frmSplash->Visible());
    EXPECT_TRUE(RunUntil([] { return !frmSplash->Visible(); }));
    EXPECT_FALSE(frmMain->Timer1->Enabled());
    EXPECT_FALSE(Application->Terminated());
}

TEST_F(ProgramTest, TheMainWindowHasItsCaptionSizeAndOpenTables)
{
    EXPECT_EQ(frmMain->Caption().rfind("Kalvor Lighting", 0), 0u);
    EXPECT_EQ(frmMain->ClientWidth(), 738);
    EXPECT_EQ(frmMain->ClientHeight(), 460);
    EXPECT_TRUE(DM->cdsSchemes->Active());
    EXPECT_TRUE(DM->cdsLighting->Active());
    EXPECT_TRUE(DM->cdsProgramm->Active());
    EXPECT_TRUE(DM->cdsTime->Active());
    const TControl* left = dynamic_cast<TControl*>(frmMain->FindComponent("pnlLeft"));
    const TControl* centre = dynamic_cast<TControl*>(frmMain->FindComponent("pnlCenter"));
    const TControl* view = dynamic_cast<TControl*>(frmMain->FindComponent("pnlView"));
    ASSERT_TRUE(left && centre && view);
    EXPECT_EQ(left->Width(), 254);
    EXPECT_EQ(centre->Left(), 254);
    EXPECT_EQ(centre->Width(), 213);
    EXPECT_EQ(view->Height(), 286);
}

TEST_F(ProgramTest, ClosingWithoutPendingChangesAsksNothing)
{
    frmMain->Close();
    EXPECT_TRUE(Asked.empty());
    EXPECT_TRUE(Application->Terminated());
}

struct TCloseCase {
    const char* Label;
    int Answer;
    bool Closes;
    int PendingAfter;
    int RowsInDatabase;
};

class CloseQuestion : public ProgramTest, public testing::WithParamInterface<TCloseCase> {};

TEST_P(CloseQuestion, DoesWhatTheAnswerSays)
{
    const TCloseCase& c = GetParam();
    AddPendingTimeRow();
    Answer = c.Answer;
    frmMain->Close();
    ASSERT_EQ(Asked.size(), 1u);
    EXPECT_EQ(Asked[0].Text, "Сохранить все изменения ?");
    EXPECT_EQ(Asked[0].Caption, "  Lighting");
    EXPECT_EQ(Asked[0].Flags, MB_YESNOCANCEL | MB_ICONQUESTION);
    EXPECT_EQ(Application->Terminated(), c.Closes);
    EXPECT_EQ(DM->cdsTime->ChangeCount(), c.PendingAfter);
    DM->qryTime->Close();
    DM->qryTime->Open();
    EXPECT_EQ(DM->qryTime->RecordCount(), c.RowsInDatabase);
}

INSTANTIATE_TEST_SUITE_P(Answers, CloseQuestion,
                         testing::Values(TCloseCase{"Yes", IDYES, true, 0, 1}, TCloseCase{"No", IDNO, true, 1, 0},
                                         TCloseCase{"Cancel", IDCANCEL, false, 1, 0}),
                         [](const auto& info) { return std::string(info.param.Label); });

TEST_F(ProgramTest, YesSavesASchemeDeletedAfterItsProgrammeRowWithAStepEditedAfterIt)
{
    StoreTwoPlayedSchemes(*DM);
    DeleteBAfterItsProgrammeRow(*DM);
    Answer = IDYES;
    frmMain->Close();
    ASSERT_EQ(Asked.size(), 1u);
    EXPECT_TRUE(Application->Terminated());
    const TStoredTables stored = ReadStoredTables(*DM);
    EXPECT_EQ(stored.Schemes, std::vector<std::string>{"1:A:10,777"});
    EXPECT_EQ(stored.Programme, std::vector<std::string>{"1:1"});
}

TEST_F(ProgramTest, APendingSchemeNameAloneIsAskedAbout)
{
    DM->cdsSchemes->Append();
    DM->cdsSchemesFSCHEME->SetAsInteger(1);
    DM->cdsSchemesFNAME->SetAsString("новая");
    Answer = IDCANCEL;
    frmMain->Close();
    EXPECT_EQ(Asked.size(), 1u);
    EXPECT_FALSE(Application->Terminated());
    EXPECT_EQ(DM->cdsSchemes->ChangeCount(), 1);
}

TEST_F(ProgramTest, AFailingApplyKeepsTheWindowOpenAndShowsWhy)
{
    AddRefusedProgrammeRow();
    Answer = IDYES;
    PostMessage(frmMain, WM_CLOSE, 0, 0);
    RunUntil([this] { return Asked.size() >= 2; });
    ASSERT_EQ(Asked.size(), 2u);
    EXPECT_EQ(Asked[1].Flags & 0xF0u, MB_ICONERROR);
    EXPECT_NE(Asked[1].Text.find("PROGRAMM"), std::string::npos) << Asked[1].Text;
    EXPECT_FALSE(Application->Terminated());
    EXPECT_TRUE(frmMain->Visible());
    EXPECT_EQ(DM->cdsProgramm->ChangeCount(), 1);
}

TEST_F(ProgramTest, AnExceptionInAHandlerIsShownAndTheProgramGoesOn)
{
    frmMain->SetOnCloseQuery([](TObject*, bool&) { throw EDatabaseError("Полка упала"); });
    PostMessage(frmMain, WM_CLOSE, 0, 0);
    RunUntil([this] { return !Asked.empty(); });
    ASSERT_EQ(Asked.size(), 1u);
    EXPECT_EQ(Asked[0].Text, "Полка упала");
    EXPECT_EQ(Asked[0].Caption, "Kalvor Lighting");
    EXPECT_FALSE(Application->Terminated());
    frmMain->SetOnCloseQuery(nullptr);
    frmMain->Close();
    EXPECT_TRUE(Application->Terminated());
}

TEST_F(ProgramTest, TheAboutBoxShowsOkWithoutMarksAndOkCloses)
{
    RunUntil([] { return !frmSplash->Visible(); });
    QTimer::singleShot(50, [] {
        EXPECT_TRUE(frmSplash->Visible());
        EXPECT_TRUE(frmSplash->lblOk->Visible());
        for (const TShape* mark : SplashBars)
            EXPECT_FALSE(mark->Visible());
        frmSplash->lblOk->Perform(CM_MOUSEENTER);
        EXPECT_EQ(frmSplash->lblOk->Font()->Color(), 0x00FF00);
        frmSplash->lblOk->Perform(CM_MOUSELEAVE);
        EXPECT_EQ(frmSplash->lblOk->Font()->Color(), 0xFFFFFF);
        frmSplash->lblOk->Click();
    });
    frmMain->acAbout->Execute();
    EXPECT_FALSE(frmSplash->Visible());
    EXPECT_FALSE(Application->Terminated());
}

} // namespace
