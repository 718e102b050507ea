// The step commands over the rectangle selected in the steps grid, on the
// real database: set the delay of the selected steps, switch their channels
// off, and the refusal when no rectangle is selected.
#include "tests/app/programtesting.h"

#include "dbgrid/dbgridlt.h"
#include "dbgrid/dbgridselection.h"
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

} // namespace
