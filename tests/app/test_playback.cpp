// The preview playing the programme on the lamps, tick by tick.
#include <cmath>
#include <string>
#include <vector>

#include "scene3d/cadencer/cadencer.h"
#include "tests/app/previewtesting.h"

namespace {

struct TProgrammeRowCase {
    int Scheme;
    int Count;
};

struct TPlaybackCase {
    std::string Name;
    // Schemes 1 (steps lighting channels 1, 2, 3) and 2 (one step lighting
    // channel 9) exist; 42 does not. The schemes grid stands on scheme
    // Chosen when the preview starts.
    std::vector<TProgrammeRowCase> Programme;
    int Chosen;
    std::vector<int> Shown;   // the lit channel of every row shown, 12 ticks
};

class Playback : public PreviewTest, public testing::WithParamInterface<TPlaybackCase> {};

TEST_P(Playback, ShowsTheRowsInTurn)
{
    SeedScheme(1, {1, 2, 3});
    SeedScheme(2, {9});
    for (const TProgrammeRowCase& row : GetParam().Programme)
        AddProgrammeRow(row.Scheme, row.Count);
    ASSERT_TRUE(DM->cdsSchemes->Locate("FSCHEME", GetParam().Chosen, {}));
    EXPECT_EQ(Played(12), GetParam().Shown);
}

INSTANTIATE_TEST_SUITE_P(
    Programmes, Playback,
    testing::Values(
        // Ticks that show nothing: moving to the next entry, to the next pass,
        // past the last entry.
        TPlaybackCase{"TwicePlayedThenTheNextEntry", {{1, 2}, {2, 1}}, 1, {1, 2, 3, 1, 2, 3, 9}},
        TPlaybackCase{"CountZeroIsSkipped", {{1, 0}, {2, 1}}, 1, {9, 9, 9}},
        TPlaybackCase{"AMissingFirstSchemePlaysTheChosenOne", {{42, 1}, {1, 1}}, 2, {9, 1, 2, 3, 9}},
        TPlaybackCase{"AMissingSchemePlaysThePreviousRowsOne", {{1, 1}, {42, 1}}, 2, {1, 2, 3, 1, 2, 3}},
        TPlaybackCase{"AnEmptyProgrammeShowsNothing", {}, 1, {}}),
    [](const testing::TestParamInfo<TPlaybackCase>& info) { return info.param.Name; });

TEST_F(PreviewTest, AnEmptyProgrammeLeavesTheLampsAsTheyAre)
{
    SeedScheme(1, {1, 2, 3});
    frmMain->acView->Execute();
    for (int k = 1; k <= 5; ++k)
        Tick(k);
    for (int c = 1; c <= 16; ++c)
        EXPECT_EQ(LampOf(c, 1)->Scale()->X(), 0.3f) << "channel " << c;
    EXPECT_TRUE(frmMain->Cadencer->Enabled());
}

// Each row is due its delay after the previous row was due, not after the
// tick that showed it; rows come at the first tick past their time.
TEST_F(PreviewTest, TheDueTimeAdvancesFromThePreviousDueTime)
{
    SeedScheme(1, {1, 2, 3, 4}, 10);
    AddProgrammeRow(1, 255);
    frmMain->acView->Execute();
    const double start = 5;
    Tick(start);
    ASSERT_EQ(frmMain->NextTime, start + 0.01);
    int shown = 1;
    double due = frmMain->NextTime;
    while (shown < 1000) {
        Tick(due - 0.001);
        ASSERT_EQ(frmMain->NextTime, due) << "too early, row " << shown;
        // Late by 1 to 7 ms, never by a whole delay.
        Tick(due + 0.001 * (1 + shown % 7));
        if (frmMain->NextTime != due) {
            ++shown;
            due = frmMain->NextTime;
        }
    }
    EXPECT_NEAR(frmMain->NextTime, start + 1000 * 0.01, 1e-9);
}

TEST_F(PreviewTest, RestartingReadsTheProgrammeAgainAndShowsAtOnce)
{
    SeedScheme(1, {1, 2, 3});
    SeedScheme(2, {9});
    AddProgrammeRow(1, 1);
    EXPECT_EQ(Played(2), (std::vector<int>{1, 2}));
    frmMain->acView->Execute();
    EXPECT_FALSE(frmMain->ViewOn);
    EXPECT_EQ(LitChannels(), std::vector<int>{2}) << "the lamps keep what they show";
    ASSERT_TRUE(DM->cdsProgramm->Locate("FID", 1, {}));
    DM->cdsProgramm->Edit();
    DM->cdsProgrammFSCHEME->SetAsInteger(2);
    DM->cdsProgramm->Post();
    EXPECT_EQ(Played(1), std::vector<int>{9});
}

TEST_F(PreviewTest, ReadingThePlaylistLeavesTheTablesOnTheirRows)
{
    SeedScheme(1, {1, 2, 3});
    SeedScheme(2, {9, 10});
    AddProgrammeRow(1, 1);
    AddProgrammeRow(2, 1);
    AddProgrammeRow(1, 1);
    ASSERT_TRUE(DM->cdsProgramm->Locate("FID", 2, {}));
    ASSERT_TRUE(DM->cdsSchemes->Locate("FSCHEME", 1, {}));
    ASSERT_TRUE(DM->cdsLighting->Locate("FID", 2, {}));
    frmMain->acView->Execute();
    ASSERT_EQ(frmMain->Playlist.size(), 3u);
    EXPECT_EQ(frmMain->Playlist[1].Rows.size(), 2u);
    EXPECT_TRUE(frmMain->Playlist[1].Rows[1].On.test(9));
    EXPECT_EQ(DM->cdsProgrammFID->AsInteger(), 2);
    EXPECT_EQ(DM->cdsSchemesFSCHEME->AsInteger(), 1);
    EXPECT_EQ(DM->cdsLightingFID->AsInteger(), 2);
    for (TClientDataSet* table : {DM->cdsProgramm, DM->cdsSchemes, DM->cdsLighting})
        EXPECT_FALSE(table->ControlsDisabled()) << table->Name();
}

} // namespace
