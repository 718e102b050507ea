// The data module on a real embedded database: what opens, what applies,
// what the change log does, and the faults the schema and apply strategy
// must keep away.
#include "tests/app/datamoduletesting.h"
#include "tests/app/dependentedits.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <ostream>

#include "platform/rtl/exceptions.h"
#include "platform/sql/fbclient.h"

namespace {

const std::string kOff(16, '0');
const std::string kAllOn(16, '1');
const std::string kFirstOn = "1" + std::string(15, '0');

// Moves the current step up the way the step commands do: FID := max + 1,
// then the previous step takes its FID, then the moved step the one before.
void MoveCurrentStepUp(TDM& dm)
{
    TClientDataSet& steps = *dm.cdsLighting;
    const int k = steps.RecNo();
    const int f = dm.cdsLightingFID->AsInteger();
    steps.Edit();
    dm.cdsLightingFID->SetAsInteger(dm.cdsLightingFMAXID->AsInteger() + 1);
    steps.SetRecNo(k - 1);
    steps.Edit();
    dm.cdsLightingFID->SetAsInteger(f);
    steps.Last();
    steps.Edit();
    dm.cdsLightingFID->SetAsInteger(f - 1);
    steps.Post();
}

// Inserts a step before the current one: the later steps move one FID up.
void InsertStepBeforeCurrent(TDM& dm, int delay)
{
    TClientDataSet& steps = *dm.cdsLighting;
    const int k = steps.RecNo();
    const int f = dm.cdsLightingFID->AsInteger();
    steps.Last();
    for (;;) {
        steps.Edit();
        dm.cdsLightingFID->SetAsInteger(dm.cdsLightingFID->AsInteger() + 1);
        if (steps.RecNo() == k || steps.Bof())
            break;
        steps.Prior();
    }
    steps.Insert();
    dm.cdsLightingFID->SetAsInteger(f);
    dm.cdsLightingFDELAY->SetAsInteger(delay);
    for (int c = 1; c <= 16; ++c)
        dm.ChannelField(c)->SetAsString("0");
    steps.Post();
}

TEST_F(DataModuleTest, AFreshDatabaseOpensEmptyWithEmptyAggregates)
{
    TDM& dm = *Module;
    EXPECT_EQ(dm.cdsSchemes->RecordCount(), 0);
    EXPECT_EQ(dm.cdsLighting->RecordCount(), 0);
    EXPECT_TRUE(dm.cdsSchemesFMAXID->Value().IsNull());
    EXPECT_TRUE(dm.cdsTimeFMaxID->Value().IsNull());
    EXPECT_TRUE(dm.cdsLighting->Active());
    EXPECT_EQ(dm.ChannelField(16)->FieldName(), "F16");
    EXPECT_EQ(dm.cdsLighting->FieldByName("f7"), dm.ChannelField(7));
}

TEST_F(DataModuleTest, EditsInsertsAndDeletesReachTheDatabase)
{
    AddScheme(1, "Бегущий огонь", {{100, kFirstOn}, {200, kAllOn}});
    AddScheme(2, "Вспышки", {{50, kOff}});
    TDM& dm = *Module;

    ASSERT_TRUE(dm.cdsSchemes->Locate("FSCHEME", Variant(1), {loCaseInsensitive}));
    dm.cdsSchemes->Edit();
    dm.cdsSchemesFNAME->SetAsString("Огонь");
    dm.cdsSchemes->Post();
    dm.cdsLighting->Last();
    dm.cdsLighting->Delete();
    dm.cdsLighting->Append();
    dm.cdsLightingFID->SetAsInteger(dm.cdsLightingFMAXID->AsInteger() + 1);
    dm.cdsLightingFDELAY->SetAsInteger(100000);
    SetChannels(kAllOn);
    dm.cdsLighting->Post();
    EXPECT_EQ(dm.cdsSchemes->ChangeCount(), 3);
    EXPECT_EQ(dm.cdsLighting->ChangeCount(), 2);
    EXPECT_EQ(dm.cdsLighting->ApplyUpdates(-1), 0);
    EXPECT_EQ(dm.cdsSchemes->ChangeCount(), 0);

    Reopen();
    ASSERT_EQ(Module->cdsSchemes->RecordCount(), 2);
    Module->cdsSchemes->First();   // ordered by name
    EXPECT_EQ(Module->cdsSchemesFNAME->AsString(), "Вспышки");
    Module->cdsSchemes->Next();
    EXPECT_EQ(Module->cdsSchemesFNAME->AsString(), "Огонь");
    EXPECT_EQ(Steps(), (std::vector<TStep>{{1, 100, kFirstOn}, {2, 100000, kAllOn}}));
}

TEST_F(DataModuleTest, StepsFollowTheCurrentSchemeAndASchemeWithoutStepsShowsNone)
{
    AddScheme(1, "A", {{10, kOff}, {20, kOff}, {30, kOff}});
    AddScheme(2, "B", {});
    AddScheme(3, "C", {{5, kAllOn}});
    Reopen();
    TDM& dm = *Module;
    std::vector<int> counts;
    for (dm.cdsSchemes->First(); !dm.cdsSchemes->Eof(); dm.cdsSchemes->Next()) {
        counts.push_back(dm.cdsLighting->RecordCount());
        for (dm.cdsLighting->First(); !dm.cdsLighting->Eof(); dm.cdsLighting->Next())
            EXPECT_EQ(dm.cdsLightingFSCHEME->AsInteger(), dm.cdsSchemesFSCHEME->AsInteger());
    }
    EXPECT_EQ(counts, (std::vector<int>{3, 0, 1}));
}

TEST_F(DataModuleTest, UndoFollowsTheRestoredRowAndCancelAllDropsEveryChange)
{
    AddScheme(1, "A", {{10, kOff}, {20, kOff}});
    TDM& dm = *Module;
    dm.cdsLighting->First();
    dm.cdsLighting->Edit();
    dm.cdsLightingFDELAY->SetAsInteger(11);
    dm.cdsLighting->Post();
    dm.cdsLighting->Last();
    dm.cdsLighting->Delete();
    EXPECT_EQ(dm.cdsLighting->RecordCount(), 1);

    EXPECT_TRUE(dm.cdsLighting->UndoLastChange(true));
    EXPECT_EQ(dm.cdsLighting->RecordCount(), 2);
    EXPECT_EQ(dm.cdsLightingFID->AsInteger(), 2);
    EXPECT_EQ(dm.cdsLighting->ChangeCount(), 1);

    dm.cdsTime->Append();
    dm.cdsTimeFID->SetAsInteger(1);
    dm.cdsTime->Post();
    dm.cdsSchemes->CancelUpdates();
    EXPECT_EQ(dm.cdsSchemes->ChangeCount(), 0);
    EXPECT_EQ(dm.cdsTime->ChangeCount(), 1);
    EXPECT_EQ(Steps(), (std::vector<TStep>{{1, 10, kOff}, {2, 20, kOff}}));
}

TEST_F(DataModuleTest, AggregatesCountPendingRowsButNotTheOneBeingAppended)
{
    TDM& dm = *Module;
    for (int i = 0; i < 3; ++i) {
        dm.cdsTime->Append();
        EXPECT_EQ(dm.cdsTimeFONHOUR->AsInteger(), 0);
        EXPECT_FALSE(dm.cdsTimeFONMINUTE->IsNull());
        const Variant max = dm.cdsTimeFMaxID->Value();
        dm.cdsTimeFID->SetAsInteger(max.IsNull() ? 1 : max.AsInteger() + 1);
        dm.cdsTime->Post();
    }
    EXPECT_EQ(dm.cdsTimeFMaxID->AsInteger(), 3);
    EXPECT_EQ(dm.cdsTime->ChangeCount(), 3);
    dm.cdsTime->CancelUpdates();
    EXPECT_TRUE(dm.cdsTimeFMaxID->Value().IsNull());
}

TEST_F(DataModuleTest, TimeTableFieldsRefuseHoursAndMinutesOutOfRange)
{
    TDM& dm = *Module;
    dm.cdsTime->Append();
    dm.cdsTimeFID->SetAsInteger(1);
    EXPECT_THROW(dm.cdsTimeFONHOUR->SetAsInteger(24), EDatabaseError);
    EXPECT_THROW(dm.cdsTimeFTOMINUTE->SetAsInteger(60), EDatabaseError);
    EXPECT_THROW(dm.cdsTimeFTOHOUR->SetAsInteger(-1), EDatabaseError);
    dm.cdsTimeFTOHOUR->SetAsInteger(23);
    dm.cdsTimeFTOMINUTE->SetAsInteger(5);
    EXPECT_EQ(dm.cdsTimeFTOMINUTE->DisplayText(), "05");
    dm.cdsTime->Post();
    EXPECT_EQ(dm.cdsTime->ApplyUpdates(-1), 0);
}

TEST_F(DataModuleTest, ProgrammeSchemeNamesFollowTheSchemeAndAreEmptyForAMissingOne)
{
    AddScheme(1, "Первая", {{10, kOff}});
    AddScheme(2, "Вторая", {{10, kOff}});
    TDM& dm = *Module;
    for (const auto& [fid, scheme] : std::vector<std::pair<int, int>>{{1, 2}, {2, 1}, {3, 7}}) {
        dm.cdsProgramm->Append();
        dm.cdsProgrammFID->SetAsInteger(fid);
        dm.cdsProgrammFSCHEME->SetAsInteger(scheme);
        dm.cdsProgrammFCOUNT->SetAsInteger(1);
        dm.cdsProgramm->Post();
    }
    std::vector<std::string> names;
    for (dm.cdsProgramm->First(); !dm.cdsProgramm->Eof(); dm.cdsProgramm->Next())
        names.push_back(dm.cdsProgrammFSCHEMENAME->DisplayText());
    EXPECT_EQ(names, (std::vector<std::string>{"Вторая", "Первая", ""}));
    dm.cdsProgramm->First();
    dm.cdsProgramm->Edit();
    dm.cdsProgrammFSCHEME->SetAsInteger(1);
    EXPECT_EQ(dm.cdsProgrammFSCHEMENAME->AsString(), "Первая");
    dm.cdsProgramm->Cancel();
    // Row 3 names no scheme: the database refuses it and everything stays pending.
    EXPECT_THROW(dm.cdsProgramm->ApplyUpdates(-1), EDatabaseError);
    EXPECT_EQ(dm.cdsProgramm->ChangeCount(), 3);
}

TEST_F(DataModuleTest, TheTimeTableCheckNamesTheFirstBadRow)
{
    TDM& dm = *Module;
    struct TCase {
        std::vector<std::array<int, 4>> Rows;   // on hour, on minute, to hour, to minute
        bool Ok;
        int Rec;
    };
    const TCase cases[] = {
        {{}, true, 0},
        {{{8, 0, 9, 30}, {10, 0, 12, 0}}, true, 0},
        {{{8, 0, 9, 30}, {9, 0, 12, 0}}, false, 2},
        {{{13, 0, 12, 0}}, false, 1},
    };
    for (const TCase& c : cases) {
        dm.cdsTime->First();
        while (!dm.cdsTime->IsEmpty())
            dm.cdsTime->Delete();
        int fid = 1;
        for (const auto& row : c.Rows) {
            dm.cdsTime->Append();
            dm.cdsTimeFID->SetAsInteger(fid++);
            dm.cdsTimeFONHOUR->SetAsInteger(row[0]);
            dm.cdsTimeFONMINUTE->SetAsInteger(row[1]);
            dm.cdsTimeFTOHOUR->SetAsInteger(row[2]);
            dm.cdsTimeFTOMINUTE->SetAsInteger(row[3]);
            dm.cdsTime->Post();
        }
        dm.cdsTime->ApplyUpdates(-1);
        dm.sprTestTime->ExecProc();
        const std::string res = dm.sprTestTime->ParamByName("res")->AsString();
        EXPECT_EQ(res == "OK", c.Ok) << res;
        if (!c.Ok) {
            EXPECT_EQ(dm.sprTestTime->ParamByName("rec")->AsInteger(), c.Rec) << res;
            EXPECT_NE(res.find("Время"), std::string::npos) << res;
        }
    }
}

TEST_F(DataModuleTest, EmptySchemeNamesAndChannelStatesAreRefusedAtPost)
{
    AddScheme(1, "A", {{10, kOff}});
    TDM& dm = *Module;
    struct TCase {
        TClientDataSet* Table;
        TField* Field;
    };
    const TCase cases[] = {{dm.cdsSchemes, dm.cdsSchemesFNAME}, {dm.cdsLighting, dm.ChannelField(1)},
                           {dm.cdsLighting, dm.ChannelField(16)}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Field->FieldName());
        c.Table->Edit();
        c.Field->SetAsString("");
        try {
            c.Table->Post();
            FAIL() << "an empty text was posted";
        } catch (const EDatabaseError& e) {
            EXPECT_EQ(e.Message(), "Field '" + c.Field->FieldName() + "' must have a value");
        }
        c.Table->Cancel();
    }
    EXPECT_EQ(dm.cdsSchemes->ChangeCount(), 0);
}

TEST_F(DataModuleTest, SchemeNamesWithQuotesSemicolonsAndRussianRoundTrip)
{
    const std::string name = "O'Brien; \"дроп\" --; ''";
    AddScheme(1, name, {{10, kOff}});
    Reopen();
    ASSERT_EQ(Module->cdsSchemes->RecordCount(), 1);
    EXPECT_EQ(Module->cdsSchemesFNAME->AsString(), name);
}

TEST_F(DataModuleTest, MovingStepsSwapsFidsAndAppliesUnderTheUniqueKey)
{
    // Steps 1 and 2 are identical but for their number.
    AddScheme(1, "A", {{100, kOff}, {100, kOff}, {300, kAllOn}});
    TDM& dm = *Module;
    dm.cdsLighting->Last();
    MoveCurrentStepUp(dm);
    EXPECT_EQ(Steps(), (std::vector<TStep>{{1, 100, kOff}, {2, 300, kAllOn}, {3, 100, kOff}}));
    dm.cdsLighting->SetRecNo(2);
    MoveCurrentStepUp(dm);
    dm.cdsLighting->SetRecNo(2);
    InsertStepBeforeCurrent(dm, 55);
    const std::vector<TStep> expected{{1, 300, kAllOn}, {2, 55, kOff}, {3, 100, kOff}, {4, 100, kOff}};
    EXPECT_EQ(Steps(), expected);
    EXPECT_EQ(dm.cdsLighting->ApplyUpdates(-1), 0);
    Reopen();
    EXPECT_EQ(Steps(), expected);
}

TEST_F(DataModuleTest, AThreeHundredStepSchemeInsertsAndMovesAtFullWidth)
{
    std::vector<std::pair<int, std::string>> steps;
    for (int i = 1; i <= 300; ++i)
        steps.emplace_back(i, kOff);
    AddScheme(1, "Long", steps);
    TDM& dm = *Module;
    dm.cdsLighting->SetRecNo(280);
    InsertStepBeforeCurrent(dm, 70000);
    dm.cdsLighting->SetRecNo(300);
    MoveCurrentStepUp(dm);
    EXPECT_EQ(dm.cdsLighting->ApplyUpdates(-1), 0);
    Reopen();
    const std::vector<TStep> after = Steps();
    ASSERT_EQ(after.size(), 301u);
    for (int i = 0; i < 301; ++i)
        EXPECT_EQ(after[static_cast<std::size_t>(i)].Fid, i + 1);
    EXPECT_EQ(after[279].Delay, 70000);
    EXPECT_EQ(after[278].Delay, 279);
    EXPECT_EQ(after[298].Delay, 299);   // the moved step (old 300, delay 299) now 299th
    EXPECT_EQ(after[299].Delay, 298);
}

TEST_F(DataModuleTest, DeletingASchemeDeletesItsStepsButNotOneThatTheProgrammeUses)
{
    AddScheme(1, "A", {{10, kOff}, {20, kOff}});
    AddScheme(2, "B", {{30, kOff}});
    TDM& dm = *Module;
    dm.cdsProgramm->Append();
    dm.cdsProgrammFID->SetAsInteger(1);
    dm.cdsProgrammFSCHEME->SetAsInteger(2);
    dm.cdsProgrammFCOUNT->SetAsInteger(3);
    dm.cdsProgramm->Post();
    dm.cdsProgramm->ApplyUpdates(-1);

    ASSERT_TRUE(dm.cdsSchemes->Locate("FSCHEME", Variant(2), {}));
    EXPECT_THROW(dm.cdsSchemes->Delete(), EDatabaseError);
    EXPECT_EQ(dm.cdsSchemes->ChangeCount(), 0);

    ASSERT_TRUE(dm.cdsSchemes->Locate("FSCHEME", Variant(1), {}));
    dm.cdsSchemes->Delete();
    dm.cdsSchemes->ApplyUpdates(-1);
    Reopen();
    ASSERT_EQ(Module->cdsSchemes->RecordCount(), 1);
    EXPECT_EQ(Steps(), (std::vector<TStep>{{1, 30, kOff}}));
    Module->qryLighting->Close();
    Module->qryLighting->SQL()->SetText("select * from lighting");
    Module->qryLighting->SetDataSource(nullptr);
    Module->qryLighting->Open();
    EXPECT_EQ(Module->qryLighting->RecordCount(), 1);
}

const std::string kSchemeInProgramme = "Схема используется в программе";

TEST_F(DataModuleTest, DeletingASchemeThatTheEndStateStillPlaysIsRefusedWhenMade)
{
    TDM& dm = *Module;
    StoreTwoPlayedSchemes(dm);
    AddCWithAProgrammeRow(dm, true);
    struct TCase {
        int Scheme;
        const char* What;
    };
    const TCase refused[] = {{2, "a stored scheme a stored programme row plays"},
                             {3, "a new scheme a new programme row plays"}};
    for (const TCase& c : refused) {
        SCOPED_TRACE(c.What);
        ASSERT_TRUE(dm.cdsSchemes->Locate("FSCHEME", Variant(c.Scheme), {}));
        const int pending = dm.cdsSchemes->ChangeCount();
        try {
            dm.cdsSchemes->Delete();
            FAIL() << "deleted";
        } catch (const EDatabaseError& e) {
            // The database's own reason.
            EXPECT_NE(e.Message().find(kSchemeInProgramme), std::string::npos) << e.Message();
        }
        EXPECT_EQ(dm.cdsSchemes->ChangeCount(), pending);
        EXPECT_EQ(dm.cdsSchemesFSCHEME->AsInteger(), c.Scheme);
    }
    // Once no row of the programme plays it any more, B goes.
    ASSERT_TRUE(dm.cdsProgramm->Locate("FID", Variant(2), {}));
    dm.cdsProgramm->Delete();
    ASSERT_TRUE(dm.cdsSchemes->Locate("FSCHEME", Variant(2), {}));
    dm.cdsSchemes->Delete();
    dm.ApplyAllUpdates();
    const TStoredTables stored = ReadStoredTables(dm);
    EXPECT_EQ(stored.Schemes, (std::vector<std::string>{"1:A:10,20", "3:C:40"}));
    EXPECT_EQ(stored.Programme, (std::vector<std::string>{"1:1", "3:3"}));
}

struct TDependentCase {
    const char* Label;
    void (*Edit)(TDM&);
    TStoredTables Expected;
};

void PrintTo(const TDependentCase& Case, std::ostream* Out)
{
    *Out << Case.Label;
}

class DependentEdits : public DataModuleTest, public testing::WithParamInterface<TDependentCase> {};

TEST_P(DependentEdits, SaveTogetherWhateverOrderTheyWereMadeIn)
{
    const TDependentCase& c = GetParam();
    TDM& dm = *Module;
    StoreTwoPlayedSchemes(dm);
    c.Edit(dm);
    dm.ApplyAllUpdates();
    for (const TClientDataSet* table : {dm.cdsSchemes, dm.cdsProgramm, dm.cdsTime})
        EXPECT_EQ(table->ChangeCount(), 0) << table->Name();
    const TStoredTables stored = ReadStoredTables(dm);
    EXPECT_EQ(stored.Schemes, c.Expected.Schemes);
    EXPECT_EQ(stored.Programme, c.Expected.Programme);
}

INSTANTIATE_TEST_SUITE_P(
    Orders, DependentEdits,
    testing::Values(TDependentCase{"DeleteBAfterItsProgrammeRow", DeleteBAfterItsProgrammeRow, {{"1:A:10,777"}, {"1:1"}}},
                    TDependentCase{"AddCThenItsProgrammeRow", [](TDM& dm) { AddCWithAProgrammeRow(dm, true); },
                                   {{"1:A:10,20", "2:B:30", "3:C:40"}, {"1:1", "2:2", "3:3"}}},
                    TDependentCase{"AProgrammeRowPostedBeforeItsNewScheme",
                                   [](TDM& dm) { AddCWithAProgrammeRow(dm, false); },
                                   {{"1:A:10,20", "2:B:30", "3:C:40"}, {"1:1", "2:2", "3:3"}}},
                    TDependentCase{"BothAtOnce",
                                   [](TDM& dm) {
                                       AddCWithAProgrammeRow(dm, false);
                                       DeleteBAfterItsProgrammeRow(dm);
                                   },
                                   {{"1:A:10,777", "3:C:40"}, {"1:1", "3:3"}}}),
    [](const auto& info) { return std::string(info.param.Label); });

TEST_F(DataModuleTest, ChangesOfAllTablesSaveAllOrNothing)
{
    TDM& dm = *Module;
    StoreTwoPlayedSchemes(dm);
    DeleteBAfterItsProgrammeRow(dm);
    dm.cdsTime->Append();
    dm.cdsTimeFID->SetAsInteger(1);
    dm.cdsTime->Post();
    // A programme row of a scheme nobody has: the database refuses it.
    dm.cdsProgramm->Append();
    dm.cdsProgrammFID->SetAsInteger(5);
    dm.cdsProgrammFSCHEME->SetAsInteger(42);
    dm.cdsProgrammFCOUNT->SetAsInteger(1);
    dm.cdsProgramm->Post();
    EXPECT_THROW(dm.ApplyAllUpdates(), EDatabaseError);
    EXPECT_EQ(dm.cdsSchemes->ChangeCount(), 2);
    EXPECT_EQ(dm.cdsProgramm->ChangeCount(), 2);
    EXPECT_EQ(dm.cdsTime->ChangeCount(), 1);
    const TStoredTables stored = ReadStoredTables(dm);
    EXPECT_EQ(stored.Schemes, (std::vector<std::string>{"1:A:10,20", "2:B:30"}));
    EXPECT_EQ(stored.Programme, (std::vector<std::string>{"1:1", "2:2"}));
    dm.cdsTime->Close();
    dm.cdsTime->Open();
    EXPECT_EQ(dm.cdsTime->RecordCount(), 0);
}

TEST_F(DataModuleTest, AStepBeingAddedGoesWithTheSchemeThatIsDeletedOrUndone)
{
    AddScheme(1, "A", {{10, kOff}});
    AddScheme(2, "B", {{20, kOff}});
    TDM& dm = *Module;
    ASSERT_TRUE(dm.cdsSchemes->Locate("FSCHEME", Variant(2), {}));
    dm.cdsLighting->Append();
    dm.cdsLightingFID->SetAsInteger(2);
    dm.cdsLightingFDELAY->SetAsInteger(5);
    SetChannels(kOff);
    dm.cdsSchemes->Delete();
    EXPECT_EQ(dm.cdsLighting->State(), dsBrowse);
    EXPECT_EQ(dm.cdsSchemes->ChangeCount(), 1);

    dm.cdsSchemes->Append();
    dm.cdsSchemesFSCHEME->SetAsInteger(3);
    dm.cdsSchemesFNAME->SetAsString("C");
    dm.cdsLighting->Append();   // posts the new scheme first
    dm.cdsLightingFID->SetAsInteger(1);
    EXPECT_EQ(dm.cdsSchemes->ChangeCount(), 2);
    EXPECT_TRUE(dm.cdsSchemes->UndoLastChange(true));   // the new scheme, and its unposted step with it
    EXPECT_EQ(dm.cdsLighting->State(), dsBrowse);
    EXPECT_EQ(dm.cdsSchemes->ChangeCount(), 1);
    EXPECT_EQ(dm.cdsSchemes->ApplyUpdates(-1), 0);
    Reopen();
    ASSERT_EQ(Module->cdsSchemes->RecordCount(), 1);
    EXPECT_EQ(Steps(), (std::vector<TStep>{{1, 10, kOff}}));
}

TEST_F(DataModuleTest, ReopeningATableReadsTheDatabaseAnew)
{
    AddScheme(1, "A", {{10, kOff}});
    TDM& dm = *Module;
    {
        TFbDatabase db;
        db.Attach(Database, "SYSDBA", "", "", "UTF8");
        TFbTransaction tr(db);
        tr.Start();
        TFbStatement st(db, tr);
        st.Prepare("update lighting set FDELAY = 99", 1);
        st.Execute();
        st.Prepare("insert into schemes (FSCHEME, FNAME) values (2, 'B')", 1);
        st.Execute();
        tr.Commit();
    }
    dm.cdsSchemes->Close();
    dm.cdsSchemes->Open();
    EXPECT_EQ(dm.cdsSchemes->RecordCount(), 2);
    ASSERT_TRUE(dm.cdsSchemes->Locate("FSCHEME", Variant(1), {}));
    EXPECT_EQ(Steps(), (std::vector<TStep>{{1, 99, kOff}}));
}

TEST_F(DataModuleTest, AMissingDatabaseOrAnUnreachableServerGivesTheClientsMessage)
{
    struct TCase {
        std::string Database;
        std::string Expected;
    };
    {
        std::FILE* garbage = std::fopen(Dir.File("garbage.gdb").c_str(), "wb");
        ASSERT_NE(garbage, nullptr);
        std::fputs("this is not a database, only some text in a file\n", garbage);
        std::fclose(garbage);
    }
    const TCase cases[] = {
        {Dir.File("garbage.gdb"), "garbage.gdb"},
        {Dir.File("absent.gdb"), "absent.gdb"},
        {Dir.File("no-such-folder/lighting.gdb"), "lighting.gdb"},
        {"127.0.0.1/1:/nonexistent.gdb", "127.0.0.1"},
    };
    for (const TCase& c : cases) {
        TDM dm(nullptr);
        dm.SetDatabase(c.Database);
        try {
            dm.conLighting->Open();
            dm.cdsSchemes->Open();
            FAIL() << "opened " << c.Database;
        } catch (const EDatabaseError& e) {
            EXPECT_NE(e.Message().find(c.Expected), std::string::npos) << e.Message();
        }
        EXPECT_FALSE(dm.cdsSchemes->Active());
    }
}

TEST(DatabasePath, IsTheExecutablesFolderWhateverTheWorkingFolder)
{
    const std::filesystem::path before = std::filesystem::current_path();
    const std::string here = DefaultDatabasePath();
    std::filesystem::current_path(std::filesystem::temp_directory_path());
    const std::string elsewhere = DefaultDatabasePath();
    std::filesystem::current_path(before);
    EXPECT_EQ(here, elsewhere);
    EXPECT_EQ(std::filesystem::path(here),
              std::filesystem::read_symlink("/proc/self/exe").parent_path() / "lighting.gdb");
}

} // namespace
