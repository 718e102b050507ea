// The table commands of the main window on the real database: adding,
// deleting, applying and undoing rows, the step commands, and when apply,
// undo and cancel all are enabled.
#include "tests/app/programtesting.h"

#include "platform/rtl/exceptions.h"
#include "platform/ui/dialogs.h"

#include <QTest>

namespace {

using TableCommands = ProgramTest;

TEST_F(TableCommands, AddingASchemeTakesTheNextNumberAndOneStep)
{
    MakeSchemes({{1, 1}, {2, 1}, {5, 1}});
    Run("acSchemesAdd");
    EXPECT_EQ(DM->cdsSchemes->State(), dsBrowse);   // posted by its first step
    EXPECT_EQ(DM->cdsSchemesFSCHEME->AsInteger(), 6);
    EXPECT_EQ(DM->cdsSchemesFNAME->AsString(), "без названия");
    EXPECT_EQ(DM->cdsLighting->State(), dsInsert);
    EXPECT_EQ(DM->cdsLightingFID->AsInteger(), 1);
    EXPECT_EQ(DM->cdsLightingFDELAY->AsInteger(), 100);
    for (int c = 1; c <= 16; ++c)
        EXPECT_EQ(DM->ChannelField(c)->AsString(), "0");
}

TEST_F(TableCommands, AddingToAnEmptyTableStartsAtOne)
{
    Run("acTimeAdd");
    EXPECT_EQ(DM->cdsTimeFID->AsInteger(), 1);
    EXPECT_EQ(DM->cdsTimeFONHOUR->AsInteger(), 0);
    EXPECT_EQ(DM->cdsTimeFTOMINUTE->AsInteger(), 0);
    Run("acTimeAdd");
    EXPECT_EQ(DM->cdsTimeFID->AsInteger(), 2);
}

TEST_F(TableCommands, InsertingAndMovingStepsRenumbers)
{
    MakeSchemes({{1, 3}});
    DM->cdsLighting->SetRecNo(2);
    Run("acLightingInsert");
    EXPECT_EQ(Steps(), (std::vector<std::pair<int, int>>{{1, 10}, {2, 100}, {3, 20}, {4, 30}}));
    DM->cdsLighting->CancelUpdates();

    DM->cdsLighting->SetRecNo(3);
    Run("acLightingMoveUp");
    EXPECT_EQ(Steps(), (std::vector<std::pair<int, int>>{{1, 10}, {2, 30}, {3, 20}}));
    EXPECT_EQ(DM->cdsLightingFDELAY->AsInteger(), 30);
    Run("acLightingMoveUp");
    EXPECT_EQ(Steps(), (std::vector<std::pair<int, int>>{{1, 30}, {2, 10}, {3, 20}}));
    Run("acLightingMoveUp");   // the first step stays where it is
    EXPECT_EQ(Steps(), (std::vector<std::pair<int, int>>{{1, 30}, {2, 10}, {3, 20}}));
    DM->cdsLighting->Last();
    Run("acLightingMoveDown");
    EXPECT_EQ(Steps(), (std::vector<std::pair<int, int>>{{1, 30}, {2, 10}, {3, 20}}));
    DM->cdsLighting->First();
    Run("acLightingMoveDown");
    EXPECT_EQ(Steps(), (std::vector<std::pair<int, int>>{{1, 10}, {2, 30}, {3, 20}}));
    Run("acLightingApplyAll");
    EXPECT_EQ(DM->cdsLighting->ChangeCount(), 0);
}

TEST_F(TableCommands, AThreeHundredStepSchemeInsertsAndMovesAndApplies)
{
    MakeSchemes({{1, 300}});
    DM->cdsLighting->SetRecNo(290);
    Run("acLightingInsert");
    DM->cdsLighting->SetRecNo(300);
    Run("acLightingMoveUp");
    Run("acLightingApplyAll");
    DM->cdsSchemes->Close();
    DM->cdsSchemes->Open();
    const auto steps = Steps();
    ASSERT_EQ(steps.size(), 301u);
    for (std::size_t i = 0; i < steps.size(); ++i)
        EXPECT_EQ(steps[i].first, static_cast<int>(i) + 1);
    EXPECT_EQ(steps[289].second, 100);
    EXPECT_EQ(steps[298].second, 2990);
    EXPECT_EQ(steps[299].second, 2980);
}

TEST_F(TableCommands, SaveAsCopiesStepsUnderTheNewNameAtFullWidth)
{
    MakeSchemes({{1, 3}});
    DM->cdsLighting->SetRecNo(2);
    DM->cdsLighting->Edit();
    DM->cdsLightingFDELAY->SetAsInteger(100000);
    DM->cdsLighting->Post();
    SetInputQueryHook([](const std::string& caption, const std::string& prompt, std::string& value) {
        EXPECT_EQ(caption, " Lighting");
        EXPECT_EQ(prompt, "Введите название схемы ...");
        EXPECT_EQ(value, "");
        value = "Копия";
        return true;
    });
    Run("acLightingSaveAs");
    SetInputQueryHook(nullptr);
    EXPECT_EQ(DM->cdsSchemesFNAME->AsString(), "Копия");
    EXPECT_EQ(DM->cdsSchemesFSCHEME->AsInteger(), 2);
    EXPECT_EQ(DM->cdsLighting->State(), dsInsert);
    Run("acSchemesApplyAll");
    ASSERT_TRUE(DM->cdsSchemes->Locate("FSCHEME", Variant(2), {}));
    EXPECT_EQ(Steps(), (std::vector<std::pair<int, int>>{{1, 10}, {2, 100000}, {3, 30}}));
    DM->cdsLighting->SetRecNo(2);
    EXPECT_EQ(DM->ChannelField(3)->AsString(), "1");
}

TEST_F(TableCommands, SaveAsCancelledChangesNothing)
{
    MakeSchemes({{1, 2}});
    SetInputQueryHook([](const std::string&, const std::string&, std::string&) { return false; });
    Run("acLightingSaveAs");
    SetInputQueryHook(nullptr);
    EXPECT_EQ(DM->cdsSchemes->RecordCount(), 1);
    EXPECT_EQ(DM->cdsSchemes->ChangeCount(), 0);
}

TEST_F(TableCommands, SaveAsWithAnEmptyNameIsRefusedWithTheRequiredFieldMessage)
{
    MakeSchemes({{1, 2}});
    SetInputQueryHook([](const std::string&, const std::string&, std::string& value) {
        value.clear();
        return true;
    });
    try {
        Run("acLightingSaveAs");
        FAIL() << "a scheme without a name was posted";
    } catch (const EDatabaseError& e) {
        EXPECT_EQ(e.Message(), "Field 'FNAME' must have a value");
    }
    SetInputQueryHook(nullptr);
    EXPECT_EQ(DM->cdsSchemes->State(), dsInsert);
    DM->cdsSchemes->Cancel();
    EXPECT_EQ(DM->cdsSchemes->ChangeCount(), 0);
    EXPECT_EQ(DM->cdsSchemes->RecordCount(), 1);
}

TEST_F(TableCommands, TheLastRowIsNeverDeleted)
{
    struct TCase {
        const char* Action;
        TClientDataSet* (*Table)();
        const char* Message;
    };
    MakeSchemes({{1, 1}});
    Run("acProgrammAdd");
    Run("acTimeAdd");
    DM->cdsProgramm->Post();
    DM->cdsTime->Post();
    const TCase cases[] = {
        {"acSchemesDelete", [] { return DM->cdsSchemes; }, "Нельзя удалять последнюю схему !"},
        {"acLightingDelete", [] { return DM->cdsLighting; }, "Нельзя удалять последнюю запись !"},
        {"acProgrammDelete", [] { return DM->cdsProgramm; }, "Нельзя удалять последнюю запись !"},
        {"acTimeDelete", [] { return DM->cdsTime; }, "Нельзя удалять последнюю запись !"},
    };
    for (const TCase& c : cases) {
        Asked.clear();
        Run(c.Action);
        ASSERT_EQ(Asked.size(), 1u) << c.Action;
        EXPECT_EQ(Asked[0].Text, c.Message);
        EXPECT_EQ(Asked[0].Flags, MB_OK | MB_ICONERROR);
        EXPECT_EQ(c.Table()->RecordCount(), 1) << c.Action;
    }
}

TEST_F(TableCommands, DeletingASchemeAsksWithNoAsTheDefault)
{
    MakeSchemes({{1, 1}, {2, 2}});
    ASSERT_TRUE(DM->cdsSchemes->Locate("FSCHEME", Variant(2), {}));
    Answer = IDNO;
    Run("acSchemesDelete");
    ASSERT_EQ(Asked.size(), 1u);
    EXPECT_EQ(Asked[0].Text, "Удалить схему 'Схема 2' ?");
    EXPECT_EQ(Asked[0].Flags, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
    EXPECT_EQ(DM->cdsSchemes->RecordCount(), 2);
    Answer = IDYES;
    Run("acSchemesDelete");
    EXPECT_EQ(DM->cdsSchemes->RecordCount(), 1);
}

TEST_F(TableCommands, UndoFollowsTheRestoredRow)
{
    MakeSchemes({{1, 3}});
    DM->cdsLighting->SetRecNo(2);
    DM->cdsLighting->Edit();
    DM->cdsLightingFDELAY->SetAsInteger(77);
    DM->cdsLighting->Post();
    DM->cdsLighting->Last();
    Run("acLightingCancel");
    EXPECT_EQ(DM->cdsLighting->RecNo(), 2);
    EXPECT_EQ(DM->cdsLightingFDELAY->AsInteger(), 20);
}

TEST_F(TableCommands, ApplyUndoAndCancelAllAreEnabledExactlyWhenSomethingIsPending)
{
    MakeSchemes({{1, 1}});
    struct TCase {
        const char* Table;
        TClientDataSet* (*DataSet)();
    };
    const TCase cases[] = {{"Schemes", [] { return DM->cdsSchemes; }},
                           {"Lighting", [] { return DM->cdsLighting; }},
                           {"Programm", [] { return DM->cdsProgramm; }},
                           {"Time", [] { return DM->cdsTime; }}};
    for (const TCase& c : cases) {
        const std::string t = c.Table;
        const auto enabled = [&] {
            Application->DoIdle();
            const bool a = Action("ac" + t + "ApplyAll")->Enabled();
            EXPECT_EQ(Action("ac" + t + "Cancel")->Enabled(), a);
            EXPECT_EQ(Action("ac" + t + "CancelAll")->Enabled(), a);
            return a;
        };
        EXPECT_FALSE(enabled()) << t;
        Run("ac" + t + "Add");
        EXPECT_TRUE(enabled()) << t << " in insert";
        Run("ac" + t + "CancelAll");
        EXPECT_FALSE(enabled()) << t << " after cancel all";
        Run("ac" + t + "Add");
        if (t == "Schemes")
            DM->cdsLighting->Post();
        c.DataSet()->CheckBrowseMode();
        EXPECT_TRUE(enabled()) << t << " with a change";
        Run("ac" + t + "CancelAll");
        EXPECT_FALSE(enabled()) << t << " after cancel all";
    }
}

} // namespace

namespace {

TEST_F(TableCommands, ClickingAToolbarButtonRunsItsCommand)
{
    auto* button = dynamic_cast<TControl*>(frmMain->FindComponent("btnTimeAdd"));
    ASSERT_NE(button, nullptr);
    RunUntil([button] { return button->Showing(); });
    QTest::mouseClick(button->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(button->Width() / 2, button->Height() / 2));
    EXPECT_EQ(DM->cdsTime->State(), dsInsert);
    EXPECT_EQ(DM->cdsTimeFID->AsInteger(), 1);
}

} // namespace
