// The in-memory client dataset: order, editing, the change log, aggregates,
// bookmarks, locate and filters, without a database.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/data/clientdataset.h"
#include "platform/data/datasource.h"
#include "platform/data/fields.h"
#include "platform/rtl/exceptions.h"

namespace {

// Steps of a scheme: FID ordered, a delay, a name; the largest FID as an aggregate.
class StepsTable : public ::testing::Test {
protected:
    void SetUp() override
    {
        Owner = std::make_unique<TComponent>(nullptr);
        Steps = new TClientDataSet(Owner.get());
        Steps->SetName("cdsSteps");
        Fid = MakeField<TIntegerField>("FID");
        Fid->SetRequired(true);
        Delay = MakeField<TIntegerField>("FDELAY");
        Delay->SetMinValue(1);
        Delay->SetMaxValue(65535);
        Name = MakeField<TStringField>("FNAME");
        Name->SetSize(10);
        MaxId = new TAggregateField(Owner.get());
        MaxId->SetFieldName("FMAXID");
        MaxId->SetExpression("max(fid)");
        MaxId->SetActive(true);
        MaxId->SetDataSet(Steps);
        Steps->SetAggregatesActive(true);
        Steps->SetIndexFieldNames("FID");
        Steps->CreateDataSet();
    }

    template <class F>
    F* MakeField(const char* name)
    {
        auto* f = new F(Owner.get());
        f->SetFieldName(name);
        f->SetDataSet(Steps);
        return f;
    }

    void AddRow(int fid, int delay, const std::string& name)
    {
        Steps->Append();
        Fid->SetAsInteger(fid);
        Delay->SetAsInteger(delay);
        Name->SetAsString(name);
        Steps->Post();
    }

    std::vector<int> Fids()
    {
        std::vector<int> fids;
        const std::string mark = Steps->Bookmark();
        for (Steps->First(); !Steps->Eof(); Steps->Next())
            fids.push_back(Fid->AsInteger());
        if (!mark.empty())
            Steps->GotoBookmark(mark);
        return fids;
    }

    std::unique_ptr<TComponent> Owner;
    TClientDataSet* Steps = nullptr;
    TIntegerField* Fid = nullptr;
    TIntegerField* Delay = nullptr;
    TStringField* Name = nullptr;
    TAggregateField* MaxId = nullptr;
};

TEST_F(StepsTable, PostedRowsTakeTheirPlaceInIndexOrder)
{
    EXPECT_TRUE(MaxId->Value().IsNull());
    for (int fid : {3, 1, 2})
        AddRow(fid, 100, "s" + std::to_string(fid));
    EXPECT_EQ(Fids(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(MaxId->AsInteger(), 3);
    // Moving a step to the end the way the step commands do.
    Steps->SetRecNo(1);
    Steps->Edit();
    Fid->SetAsInteger(MaxId->AsInteger() + 1);
    Steps->SetRecNo(2);   // posts; the edited row went to the end
    EXPECT_EQ(Fids(), (std::vector<int>{2, 3, 4}));
    EXPECT_EQ(Fid->AsInteger(), 3);
    EXPECT_EQ(Steps->ChangeCount(), 4);
}

TEST_F(StepsTable, AppendedRowIsNotCountedByTheAggregateUntilPosted)
{
    AddRow(1, 100, "a");
    Steps->Append();
    EXPECT_EQ(Steps->State(), dsInsert);
    EXPECT_EQ(MaxId->AsInteger(), 1);
    Fid->SetAsInteger(MaxId->AsInteger() + 1);
    Steps->Append();      // posts the first append
    EXPECT_EQ(MaxId->AsInteger(), 2);
    Steps->Cancel();
    EXPECT_EQ(Steps->RecordCount(), 2);
}

TEST_F(StepsTable, PostRefusesMissingRequiredValuesAndStaysInInsert)
{
    Steps->Append();
    Delay->SetAsInteger(5);
    try {
        Steps->Post();
        FAIL() << "posted without FID";
    } catch (const EDatabaseError& e) {
        EXPECT_EQ(e.Message(), "Field 'FID' must have a value");
    }
    EXPECT_EQ(Steps->State(), dsInsert);
    EXPECT_THROW(Delay->SetAsInteger(0), EDatabaseError);
    EXPECT_THROW(Delay->SetAsInteger(70000), EDatabaseError);
    EXPECT_THROW(Fid->SetAsString("abc"), EDatabaseError);
    EXPECT_EQ(Delay->AsInteger(), 5);
}

TEST_F(StepsTable, ARequiredTextRefusesAnEmptyTextAsItRefusesNull)
{
    AddRow(1, 100, "");            // not required: an empty text is a value
    Name->SetRequired(true);
    struct Case {
        const char* what;
        Variant name;
        bool posts;
    };
    const Case cases[] = {
        {"Null", Variant::Null(), false},
        {"empty text", Variant(std::string()), false},
        {"one blank", Variant(std::string(" ")), true},
        {"a name", Variant(std::string("x")), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Steps->Append();
        Fid->SetAsInteger(MaxId->AsInteger() + 1);
        Name->SetValue(c.name);
        if (c.posts) {
            Steps->Post();
            continue;
        }
        try {
            Steps->Post();
            FAIL() << "posted";
        } catch (const EDatabaseError& e) {
            EXPECT_EQ(e.Message(), "Field 'FNAME' must have a value");
        }
        EXPECT_EQ(Steps->State(), dsInsert);
        Steps->Cancel();
    }
    // Editing a stored row to an empty text is refused alike.
    Steps->Last();
    Steps->Edit();
    Name->SetAsString("");
    EXPECT_THROW(Steps->Post(), EDatabaseError);
    EXPECT_EQ(Steps->State(), dsEdit);
    Steps->Cancel();
    EXPECT_EQ(Name->AsString(), "x");
}

TEST_F(StepsTable, UndoFollowsTheRestoredRowAndCancelUpdatesRestoresEverything)
{
    AddRow(1, 100, "a");
    AddRow(2, 200, "b");
    AddRow(3, 300, "c");
    Steps->MergeChangeLog();
    EXPECT_EQ(Steps->ChangeCount(), 0);

    Steps->SetRecNo(2);
    Steps->Edit();
    Delay->SetAsInteger(250);
    Steps->Post();
    EXPECT_EQ(Steps->UpdateStatus(), usModified);
    Steps->Last();
    Steps->Delete();
    AddRow(9, 900, "z");
    EXPECT_EQ(Steps->ChangeCount(), 3);

    EXPECT_TRUE(Steps->UndoLastChange(true));   // the insert
    EXPECT_EQ(Fids(), (std::vector<int>{1, 2}));
    EXPECT_TRUE(Steps->UndoLastChange(true));   // the delete: the cursor follows row 3 back
    EXPECT_EQ(Fid->AsInteger(), 3);
    EXPECT_EQ(Steps->UpdateStatus(), usUnmodified);
    Steps->First();
    Steps->CancelUpdates();
    EXPECT_EQ(Steps->ChangeCount(), 0);
    EXPECT_TRUE(Steps->Locate("FID", Variant(2), {}));
    EXPECT_EQ(Delay->AsInteger(), 200);
    EXPECT_FALSE(Steps->UndoLastChange(true));
}

// Values that change without a post (the log taken back) are told by
// AfterRefresh, after the rows are read again; posts and moves are not.
TEST_F(StepsTable, RowsReadAgainFromTheLogAreReported)
{
    std::vector<std::string> seen;
    Steps->SetAfterRefresh([&](TDataSet*) { seen.push_back(std::to_string(Steps->RecordCount())); });
    AddRow(1, 100, "a");
    AddRow(2, 200, "b");
    Steps->Next();
    EXPECT_EQ(seen, std::vector<std::string>{}) << "posts and moves";
    Steps->UndoLastChange(true);
    EXPECT_EQ(seen, std::vector<std::string>{"1"});
    Steps->CancelUpdates();
    EXPECT_EQ(seen, (std::vector<std::string>{"1", "0"}));
    AddRow(3, 300, "c");
    Steps->MergeChangeLog();
    EXPECT_EQ(seen, (std::vector<std::string>{"1", "0", "1"}));
}

TEST_F(StepsTable, BookmarksSurviveReorderingAndCompareInShownOrder)
{
    AddRow(1, 100, "a");
    AddRow(2, 200, "b");
    Steps->First();
    const std::string first = Steps->Bookmark();
    Steps->Next();
    const std::string second = Steps->Bookmark();
    EXPECT_LT(Steps->CompareBookmarks(first, second), 0);
    EXPECT_EQ(Steps->CompareBookmarks("", ""), 0);
    EXPECT_LT(Steps->CompareBookmarks("", first), 0);

    Steps->GotoBookmark(first);
    Steps->Edit();
    Fid->SetAsInteger(5);
    Steps->Post();
    EXPECT_EQ(Steps->Bookmark(), first);
    EXPECT_GT(Steps->CompareBookmarks(first, second), 0);
    Steps->Delete();
    EXPECT_FALSE(Steps->BookmarkValid(first));
    EXPECT_THROW(Steps->GotoBookmark(first), EDatabaseError);
}

TEST_F(StepsTable, LocateAndLookupByOneOrSeveralFields)
{
    AddRow(1, 100, "Альфа");
    AddRow(2, 200, "бета");
    AddRow(3, 200, "Бетон");
    Steps->First();
    EXPECT_FALSE(Steps->Locate("FNAME", Variant("гамма"), {loCaseInsensitive}));
    EXPECT_EQ(Fid->AsInteger(), 1);
    EXPECT_TRUE(Steps->Locate("FNAME", Variant("БЕТА"), {loCaseInsensitive}));
    EXPECT_EQ(Fid->AsInteger(), 2);
    EXPECT_TRUE(Steps->Locate("FNAME", Variant("Бето"), {loPartialKey}));
    EXPECT_EQ(Fid->AsInteger(), 3);
    EXPECT_TRUE(Steps->Locate("FDELAY;FNAME", Variant::ArrayOf({Variant(200), Variant("бета")}), {}));
    EXPECT_EQ(Fid->AsInteger(), 2);
    EXPECT_EQ(Steps->Lookup("FID", Variant(3), "FNAME").AsString(), "Бетон");
    EXPECT_TRUE(Steps->Lookup("FID", Variant(7), "FNAME").IsNull());
    EXPECT_EQ(Fid->AsInteger(), 2);
}

TEST_F(StepsTable, FiltersHideRowsAndAggregatesFollowTheShownRows)
{
    for (int fid = 1; fid <= 6; ++fid)
        AddRow(fid, fid * 100, fid % 2 ? "odd" : "even");
    Steps->SetFilter("FDELAY >= 200 and (FNAME = 'ev*' or FID = 5)");
    Steps->SetFiltered(true);
    EXPECT_EQ(Fids(), (std::vector<int>{2, 4, 5, 6}));
    EXPECT_EQ(Steps->RecordCount(), 4);
    Steps->SetOnFilterRecord([this](TDataSet*, bool& accept) { accept = Fid->AsInteger() != 4; });
    EXPECT_EQ(Fids(), (std::vector<int>{2, 5, 6}));
    Steps->SetFiltered(false);
    EXPECT_EQ(Steps->RecordCount(), 6);
    EXPECT_THROW(Steps->SetFilter("FDELAY >"), EDatabaseError);
}

TEST_F(StepsTable, LikeFiltersMatchPatternsWithoutRegardToCase)
{
    const std::vector<std::string> names{"Бетон", "бетонка", "Арбуз", "O'Hara", ""};
    for (std::size_t i = 0; i < names.size(); ++i)
        AddRow(static_cast<int>(i) + 1, 100, names[i]);
    Steps->Last();
    Steps->Edit();
    Name->Clear();
    Steps->Post();
    const struct {
        std::string Filter;
        std::vector<int> Fids;
    } cases[] = {
        {"FNAME like 'БЕТОН'", {1}},
        {"FNAME like 'бетон%'", {1, 2}},
        {"FNAME like '%у%'", {3}},
        {"FNAME like '_рбуз'", {3}},
        {"FNAME like '%''%'", {4}},
        {"not (FNAME like '%он%')", {3, 4, 5}},
        {"FNAME like '%' or FID = 1", {1, 2, 3, 4}},
    };
    Steps->SetFiltered(true);
    for (const auto& c : cases) {
        Steps->SetFilter(c.Filter);
        EXPECT_EQ(Fids(), c.Fids) << c.Filter;
    }
    EXPECT_THROW(Steps->SetFilter("FNAME like 5"), EDatabaseError);
    EXPECT_THROW(Steps->SetFilter("'a' like 'a'"), EDatabaseError);
}

// A link that records what it hears, as a grid would.
class TRecordingLink : public TDataLink {
public:
    std::vector<std::string> Heard;

protected:
    void ActiveChanged() override { Heard.push_back("active"); }
    void DataSetChanged() override { Heard.push_back("changed"); }
    void DataSetScrolled(int Distance) override { Heard.push_back("scrolled " + std::to_string(Distance)); }
    void EditingChanged() override { Heard.push_back(Editing() ? "editing" : "browsing"); }
    void RecordChanged(TField* Field) override { Heard.push_back(Field ? "field " + Field->FieldName() : "record"); }
    void UpdateData() override { Heard.push_back("update"); }
};

TEST_F(StepsTable, DataLinksSeeAWindowOfRowsAndReadAnyOfThemWhilePainting)
{
    for (int fid = 1; fid <= 10; ++fid)
        AddRow(fid, fid * 10, "r");
    TDataSource source(nullptr);
    source.SetDataSet(Steps);
    TRecordingLink link;
    link.SetBufferCount(4);
    link.SetDataSource(&source);
    EXPECT_EQ(link.Heard, (std::vector<std::string>{"active"}));
    Steps->First();
    link.Heard.clear();

    Steps->MoveBy(2);
    Steps->Next();
    Steps->Next();      // row 5: the window moves one row down
    Steps->MoveBy(5);   // row 10: four more
    EXPECT_EQ(link.Heard, (std::vector<std::string>{"scrolled 0", "scrolled 0", "scrolled 1", "scrolled 5"}));
    EXPECT_EQ(link.RecordCount(), 4);
    EXPECT_EQ(link.ActiveRecord(), 3);

    // Painting reads every row of the window without moving or telling anyone.
    link.Heard.clear();
    std::vector<int> painted;
    const int active = link.ActiveRecord();
    for (int i = 0; i < link.RecordCount(); ++i) {
        link.SetActiveRecord(i);
        painted.push_back(Fid->AsInteger());
    }
    link.SetActiveRecord(active);
    EXPECT_EQ(painted, (std::vector<int>{7, 8, 9, 10}));
    EXPECT_EQ(Fid->AsInteger(), 10);
    EXPECT_TRUE(link.Heard.empty());

    Steps->Edit();
    Delay->SetAsInteger(5);
    Steps->Post();
    EXPECT_EQ(link.Heard, (std::vector<std::string>{"editing", "record", "field FDELAY", "update", "browsing",
                                                    "changed"}));

    link.Heard.clear();
    Steps->DisableControls();
    Steps->DisableControls();
    Steps->First();
    Steps->EnableControls();
    EXPECT_TRUE(link.Heard.empty());
    Steps->EnableControls();
    EXPECT_EQ(link.Heard, (std::vector<std::string>{"changed"}));
    source.SetDataSet(nullptr);
    EXPECT_FALSE(link.Active());
}

} // namespace
