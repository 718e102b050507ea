// The step commands over the rectangle selected in the steps grid, on the
// real database: set the delay of the selected steps, switch their channels
// off, and the refusal when no rectangle is selected. Driven by the mouse:
// a rectangle that lost a step to the toolbar's delete, or whose steps
// another scheme replaced, names only steps still shown.
#include "tests/app/programtesting.h"

#include <QTest>

#include "dbgrid/core/dbgridlt.h"
#include "dbgrid/selection/dbgridselection.h"
#include "platform/ui/dialogs.h"
#include "tests/app/maingridtesting.h"

namespace {

class GridCommands : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        MakeSchemes({{1, 6}});
    }

    void TearDown() override
    {
        SetInputQueryHook(nullptr);
        ProgramTest::TearDown();
    }

    TDBGridLt* Grid() const { return frmMain->grdLighting; }

    std::string BookmarkOfStep(int RecNo) const
    {
        TClientDataSet& steps = *DM->cdsLighting;
        const std::string current = steps.Bookmark();
        steps.SetRecNo(RecNo);
        std::string mark = steps.Bookmark();
        steps.GotoBookmark(current);
        return mark;
    }

    // Selects the cells from (Col1, step Row1) to (Col2, step Row2) as a
    // click and a Shift+click would.
    void SelectSteps(int Col1, int Row1, int Col2, int Row2)
    {
        Grid()->Selection()->Rect()->Select(Col1, BookmarkOfStep(Row1), false);
        Grid()->Selection()->Rect()->Select(Col2, BookmarkOfStep(Row2), true);
    }

    std::vector<int> Delays() const
    {
        std::vector<int> delays;
        for (const auto& step : Steps())
            delays.push_back(step.second);
        return delays;
    }

    void AnswerDelay(const std::string& Text, bool Ok = true)
    {
        SetInputQueryHook([this, Text, Ok](const std::string& caption, const std::string& prompt, std::string& value) {
            ++Questions;
            EXPECT_EQ(caption, " Lighting");
            EXPECT_EQ(prompt, "Введите новое значение задержки в мс ...");
            EXPECT_EQ(value, "");
            value = Text;
            return Ok;
        });
    }

    int Questions = 0;
};

const std::vector<int> kInitialDelays{10, 20, 30, 40, 50, 60};

TEST_F(GridCommands, SetDelayWritesTheSelectedStepsAndKeepsTheCurrentStep)
{
    DM->cdsLighting->SetRecNo(6);
    SelectSteps(1, 2, 5, 4);
    AnswerDelay("250");
    Run("acLightingSetDelay");
    EXPECT_EQ(Delays(), (std::vector<int>{10, 250, 250, 250, 50, 60}));
    EXPECT_EQ(DM->cdsLighting->RecNo(), 6);
    EXPECT_TRUE(Asked.empty());
    EXPECT_GT(DM->cdsLighting->ChangeCount(), 0);   // pending until applied
}

TEST_F(GridCommands, ARectangleDrawnUpwardsWalksFromItsTopRow)
{
    SelectSteps(3, 5, 0, 3);
    AnswerDelay("65535");
    Run("acLightingSetDelay");
    EXPECT_EQ(Delays(), (std::vector<int>{10, 20, 65535, 65535, 65535, 60}));
}

TEST_F(GridCommands, ADelayTheControllerCannotCarryIsAnInputError)
{
    for (const char* text : {"abc", "0", "-5", "65536", "12.5", "", " 250", "250ms", "99999999999"}) {
        SCOPED_TRACE(text);
        Asked.clear();
        SelectSteps(1, 2, 5, 4);
        AnswerDelay(text);
        Run("acLightingSetDelay");
        EXPECT_EQ(Delays(), kInitialDelays);
        ASSERT_EQ(Asked.size(), 1u);
        EXPECT_EQ(Asked[0].Text, "Ошибка ввода !");
        EXPECT_EQ(Asked[0].Flags & MB_ICONERROR, unsigned(MB_ICONERROR));
    }
}

TEST_F(GridCommands, CancellingTheQuestionChangesNothing)
{
    SelectSteps(1, 2, 5, 4);
    AnswerDelay("250", false);
    Run("acLightingSetDelay");
    EXPECT_EQ(Delays(), kInitialDelays);
    EXPECT_TRUE(Asked.empty());
}

TEST_F(GridCommands, CleanSwitchesOffTheChannelsOfTheSelectedStepsOnly)
{
    const std::vector<std::string> before = StepChannels();
    DM->cdsLighting->SetRecNo(1);
    SelectSteps(2, 3, 4, 4);
    Run("acLightingClean");
    std::vector<std::string> expected = before;
    expected[2] = expected[3] = std::string(16, '0');
    EXPECT_EQ(StepChannels(), expected);
    EXPECT_NE(before[2], expected[2]);   // the fixture had a channel on there
    EXPECT_EQ(DM->cdsLighting->RecNo(), 1);
    EXPECT_EQ(Delays(), kInitialDelays);
}

TEST_F(GridCommands, WithoutARectangleBothCommandsRefuseAndAskNothing)
{
    struct TCase {
        const char* Name;
        std::function<void()> Select;
    };
    const std::vector<TCase> cases{
        {"nothing selected", [] {}},
        {"a plain click", [this] { Grid()->Selection()->Rect()->Select(2, BookmarkOfStep(3), false); }},
        {"whole rows", [this] {
             DM->cdsLighting->SetRecNo(2);
             Grid()->Selection()->Rows()->SelectCurrentRow(true);
             DM->cdsLighting->SetRecNo(3);
             Grid()->Selection()->Rows()->SelectCurrentRow(true);
         }},
        {"everything", [this] { Grid()->Selection()->SelectAll(); }},
    };
    const std::vector<std::string> channels = StepChannels();
    AnswerDelay("250");
    for (const TCase& c : cases) {
        for (const char* command : {"acLightingSetDelay", "acLightingClean"}) {
            SCOPED_TRACE(std::string(c.Name) + ", " + command);
            Grid()->Selection()->Clear();
            c.Select();
            EXPECT_NE(Grid()->Selection()->SelectionType(), gstRectangle);
            Asked.clear();
            Run(command);
            ASSERT_EQ(Asked.size(), 1u);
            EXPECT_EQ(Asked[0].Text, "Не выделено ни одной записи !");
            EXPECT_EQ(Asked[0].Flags & MB_ICONERROR, unsigned(MB_ICONERROR));
        }
    }
    EXPECT_EQ(Questions, 0);
    EXPECT_EQ(Delays(), kInitialDelays);
    EXPECT_EQ(StepChannels(), channels);
}

TEST_F(GridCommands, AfterAnotherSchemeIsChosenTheCommandsFindNoSelectedSteps)
{
    MakeSchemes({{2, 3}});
    DM->cdsSchemes->First();
    const std::vector<std::string> firstChannels = StepChannels();
    QWidget* steps = Grid()->Widget();
    QTest::mouseClick(steps, Qt::LeftButton, {}, CellCentre(Grid(), 2, 2));
    QTest::mouseClick(steps, Qt::LeftButton, Qt::ShiftModifier, CellCentre(Grid(), 4, 4));
    ASSERT_EQ(Grid()->Selection()->SelectionType(), gstRectangle);

    QTest::mouseClick(frmMain->grdSchemes->Widget(), Qt::LeftButton, {}, CellCentre(frmMain->grdSchemes, 0, 2));
    ASSERT_EQ(DM->cdsSchemesFSCHEME->AsInteger(), 2);
    const std::vector<std::string> secondChannels = StepChannels();
    EXPECT_NE(Grid()->Selection()->SelectionType(), gstRectangle);
    AnswerDelay("250");
    for (const char* button : {"btnLightingClean", "btnLightingSetDelay"}) {
        SCOPED_TRACE(button);
        Asked.clear();
        PressButton(button);
        ASSERT_EQ(Asked.size(), 1u);
        EXPECT_EQ(Asked[0].Text, "Не выделено ни одной записи !");
    }
    EXPECT_EQ(Questions, 0);
    EXPECT_EQ(StepChannels(), secondChannels);
    EXPECT_EQ(Delays(), (std::vector<int>{10, 20, 30}));
    DM->cdsSchemes->First();
    EXPECT_EQ(StepChannels(), firstChannels);
    EXPECT_EQ(Delays(), kInitialDelays);
}

// A fresh database with one scheme of eight steps, delays 11 to 81 ms.
class GridCommandsOnEightSteps : public GridCommands {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        MakeSchemes({{1, 8}});
        TClientDataSet& steps = *DM->cdsLighting;
        for (steps.First(); !steps.Eof(); steps.Next()) {
            steps.Edit();
            DM->cdsLightingFDELAY->SetAsInteger(DM->cdsLightingFID->AsInteger() * 10 + 1);
            steps.Post();
        }
        steps.ApplyUpdates(-1);
        steps.First();
    }
};

TEST_F(GridCommandsOnEightSteps, SetDelayAfterTheCurrentStepIsDeletedChangesOnlyTheSelectedStepsLeft)
{
    ASSERT_EQ(Delays(), (std::vector<int>{11, 21, 31, 41, 51, 61, 71, 81}));
    DragDownCells(Grid(), 0, 2, 5);
    ASSERT_EQ(Grid()->Selection()->SelectionType(), gstRectangle);
    ASSERT_EQ(DM->cdsLighting->RecNo(), 5);
    PressButton("btnLightingDelete");
    ASSERT_EQ(Delays(), (std::vector<int>{11, 21, 31, 41, 61, 71, 81}));
    AnswerDelay("999");
    PressButton("btnLightingSetDelay");
    EXPECT_TRUE(Asked.empty()) << Asked.front().Text;
    EXPECT_EQ(Questions, 1);
    EXPECT_EQ(Delays(), (std::vector<int>{11, 999, 999, 999, 61, 71, 81}));
    // The rectangle shown is the one the command walked.
    for (int recNo = 1; recNo <= 7; ++recNo)
        EXPECT_EQ(Grid()->Selection()->IsCellSelected(0, BookmarkOfStep(recNo)), recNo >= 2 && recNo <= 4) << recNo;
}

} // namespace
