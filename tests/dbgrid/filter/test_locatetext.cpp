#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dbgrid/filter/locatetext.h"
#include "tests/dbgrid/filter/locategrid.h"

namespace {
class LocateText : public ::testing::Test {
protected:
    void SetUp() override
    {
        Grid.Add(1, "Alpha", "Moscow", 1234.5);
        Grid.Add(2, "beta", "Kazan", 10);
        Grid.Add(3, "Gamma ray", "moscow", 7);
        Grid.Add(4, "Звезда", "Omsk", 0.5);
    }

    void StartAt(int Id, int Column)
    {
        ASSERT_TRUE(Grid.Table->Locate("FID", Variant(Id), {}));
        Grid.Current = Column;
    }

    bool Find(int Matching, int Direction, unsigned Options, const std::string& Text)
    {
        return LocateTextInDataSet(&Grid, "", Variant::Null(), Matching, Direction, Options, Text);
    }

    TLocateGrid Grid;
};

struct TLocateCase {
    const char* Name;
    int StartId;
    int StartColumn;
    int Matching;
    int Direction;
    unsigned Options;
    const char* Text;
    bool Found;
    int Id;       // the record current afterwards
    int Column;   // the column current afterwards
};

// Columns: 0 FID, 1 FNAME, 2 FCITY, 3 FAMOUNT.
TEST_F(LocateText, SearchesByDirectionMatchingAndOptions)
{
    const unsigned ci = ltoCaseInsensitiveLt, all = ltoAllColumnsLt, format = ltoUseFormatLt;
    const std::vector<TLocateCase> cases{
        {"down takes a step first", 1, 2, ltmAnyPartLt, ltdDownLt, 0, "Moscow", false, 1, 2},
        {"down finds a later record", 1, 2, ltmAnyPartLt, ltdDownLt, ci, "MOSCOW", true, 3, 2},
        {"all starts at the first record", 3, 2, ltmAnyPartLt, ltdAllLt, 0, "Moscow", true, 1, 2},
        {"up walks backwards", 4, 2, ltmAnyPartLt, ltdUpLt, 0, "Kazan", true, 2, 2},
        {"up from the first record finds nothing", 1, 2, ltmAnyPartLt, ltdUpLt, 0, "Moscow", false, 1, 2},
        {"down from the last record finds nothing", 4, 1, ltmAnyPartLt, ltdDownLt, ci, "a", false, 4, 1},
        {"case counts without the option", 1, 1, ltmAnyPartLt, ltdDownLt, 0, "gamma", false, 1, 1},
        {"any part", 1, 1, ltmAnyPartLt, ltdDownLt, 0, "ray", true, 3, 1},
        {"whole field refuses a part", 1, 1, ltmWholeFieldLt, ltdDownLt, 0, "Gamma", false, 1, 1},
        {"whole field", 1, 1, ltmWholeFieldLt, ltdDownLt, 0, "Gamma ray", true, 3, 1},
        {"field start refuses the middle", 1, 1, ltmFieldStartLt, ltdDownLt, 0, "amma", false, 1, 1},
        {"field start", 1, 1, ltmFieldStartLt, ltdDownLt, 0, "Gam", true, 3, 1},
        {"Cyrillic without case", 1, 1, ltmWholeFieldLt, ltdDownLt, ci, "ЗВЕЗДА", true, 4, 1},
        {"the raw value without the format", 1, 3, ltmAnyPartLt, ltdAllLt, 0, "0.5 р.", false, 1, 3},
        {"the shown text with the format", 1, 3, ltmWholeFieldLt, ltdAllLt, format, "0.5 р.", true, 4, 3},
        {"all columns walk the record first", 1, 0, ltmWholeFieldLt, ltdDownLt, all, "Moscow", true, 1, 2},
        {"all columns go on to the next record", 1, 3, ltmWholeFieldLt, ltdDownLt, all, "beta", true, 2, 1},
        {"all columns backwards", 3, 0, ltmWholeFieldLt, ltdUpLt, all, "Kazan", true, 2, 2},
        {"all columns and all records from the first cell", 4, 3, ltmWholeFieldLt, ltdAllLt, all, "1", true, 1, 0},
        {"case-sensitive all columns make the column current", 1, 0, ltmAnyPartLt, ltdDownLt, all, "Kaz", true, 2, 2},
    };
    for (const TLocateCase& c : cases) {
        StartAt(c.StartId, c.StartColumn);
        EXPECT_EQ(Find(c.Matching, c.Direction, c.Options, c.Text), c.Found) << c.Name;
        EXPECT_EQ(Grid.Id->AsInteger(), c.Id) << c.Name;
        EXPECT_EQ(Grid.Current, c.Column) << c.Name;
    }
}

TEST_F(LocateText, FindNextMovesOnFromTheFoundCell)
{
    // Both cities are "Moscow" in some case: a case-sensitive search over
    // all columns must not stop at the cell it found before.
    Grid.Add(5, "Moscow", "Moscow", 1);
    std::vector<std::pair<int, int>> found;
    for (unsigned options : {ltoAllColumnsLt, ltoAllColumnsLt | ltoCaseInsensitiveLt}) {
        StartAt(1, 0);
        found.clear();
        while (found.size() < 10 && Find(ltmWholeFieldLt, ltdDownLt, options, "Moscow"))
            found.emplace_back(Grid.Id->AsInteger(), Grid.Current);
        const std::vector<std::pair<int, int>> expected =
            options & ltoCaseInsensitiveLt ? std::vector<std::pair<int, int>>{{1, 2}, {3, 2}, {5, 1}, {5, 2}}
                                           : std::vector<std::pair<int, int>>{{1, 2}, {5, 1}, {5, 2}};
        EXPECT_EQ(found, expected) << "options " << options;
        EXPECT_EQ(Grid.Id->AsInteger(), 5) << "the last match stays current";
    }
}

TEST_F(LocateText, AnswersFalseWithoutADatasetOrColumns)
{
    EXPECT_FALSE(LocateTextInDataSet(nullptr, "", Variant::Null(), ltmAnyPartLt, ltdAllLt, 0, "a"));
    Grid.Active = false;
    EXPECT_FALSE(Find(ltmAnyPartLt, ltdAllLt, 0, "Alpha"));
    Grid.Active = true;
    Grid.Columns.clear();
    EXPECT_FALSE(Find(ltmAnyPartLt, ltdAllLt, 0, "Alpha"));
    Grid.Table->Close();
    Grid.Columns = {Grid.Name};
    EXPECT_FALSE(Find(ltmAnyPartLt, ltdAllLt, 0, "Alpha"));
}

TEST_F(LocateText, AnEmptyTableFindsNothing)
{
    TLocateGrid empty;
    EXPECT_FALSE(LocateTextInDataSet(&empty, "", Variant::Null(), ltmAnyPartLt, ltdAllLt, 0, ""));
    EXPECT_FALSE(LocateTextInDataSet(&empty, "", Variant::Null(), ltmAnyPartLt, ltdUpLt, 0, ""));
}
} // namespace
