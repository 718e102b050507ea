// The data grid's filter row: its place under the titles, the texts its
// cells show, its editor moving between cells and following its cell, the
// special items of its list, and filters applied to the grid's client
// table.
#include <gtest/gtest.h>

#include <stdexcept>

#include "dbcontrols/popuplistboxlt.h"
#include "dbcontrols/sizegriplt.h"
#include "dbgrid/filter/columnfilterlt.h"
#include "dbgrid/filter/griddataservice.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/stdctrls.h"
#include "tests/dbgrid/filter/decimalseparator.h"
#include "tests/dbgrid/filter/filtergrid.h"

namespace {
enum { kFid, kDelay, kName, kChannel };

TEST(FilterRow, StandsUnderTheTitlesWhileShown)
{
    TFilterGrid f;
    EXPECT_EQ(f.Grid->TitleRowCount(), 2);
    EXPECT_EQ(f.Grid->FixedRows(), 2);
    EXPECT_EQ(f.Grid->FilterRow(), 1);
    EXPECT_EQ(f.Grid->Row(), 2) << "the first record";
    f.Grid->STFilter()->SetVisible(false);
    EXPECT_EQ(f.Grid->TitleRowCount(), 1);
    EXPECT_EQ(f.Grid->FilterRow(), -1);
    f.Grid->SetOptions(f.Grid->Options() - TDBGridOptions{dgTitles});
    f.Grid->STFilter()->SetVisible(true);
    EXPECT_EQ(f.Grid->FilterRow(), 0) << "the filter row alone";
    f.Column(kName)->STFilter()->SetVisible(false);
    EXPECT_FALSE(f.Grid->HasFilterCell(f.Column(kName)));
    EXPECT_TRUE(f.Grid->HasFilterCell(f.Column(kDelay)));
}

TEST(FilterRow, CellsShowTheParsedFilter)
{
    TFilterGrid f;
    const struct {
        int Column;
        const char* Typed;
        const char* Shown;
    } cases[] = {
        {kDelay, "=Null", "=Null"},
        {kDelay, ">=200 and <=400", ">= 200 AND <= 400"},
        {kDelay, "in (100, 300)", "In (100,300)"},
        {kName, "схема", "~ 'схема'"},
        {kName, "= 'O''Brien' or <> Null", "= 'O''Brien' OR <>Null"},
        {kName, "", ""},
    };
    for (const auto& c : cases) {
        TSTColumnFilterLt* filter = f.Column(c.Column)->STFilter();
        filter->SetFilterText(c.Typed);
        EXPECT_EQ(filter->FilterText(), c.Typed);
        EXPECT_EQ(f.Grid->FilterCellText(f.Column(c.Column)), c.Typed);
        EXPECT_EQ(filter->DisplayFilterText(), c.Shown) << c.Typed;
    }
    TSTColumnFilterLt* delay = f.Column(kDelay)->STFilter();
    delay->SetFilterText("> 5");
    EXPECT_THROW(delay->SetFilterText("> NULL"), Exception);
    EXPECT_EQ(delay->DisplayFilterText(), "> 5") << "a malformed text leaves the filter";
    delay->Clear();
    EXPECT_EQ(delay->ParsedExpression().Operator1, foNoneLt);
    EXPECT_EQ(delay->FilterText(), "");
}

TEST(FilterRow, TypedFiltersApplyToTheClientTable)
{
    TFilterGrid f;
    f.Type(kDelay, ">=200 and <=500");
    f.Key(VK_RETURN);
    EXPECT_EQ(f.Fids(), (std::vector<int>{2, 3, 4, 5}));
    f.Type(kName, "схема 3 | = 'Схема 5'");
    f.Key(VK_RETURN);
    EXPECT_EQ(f.Fids(), (std::vector<int>{3, 5})) << "both columns' filters, like without regard to case";
    f.Type(kChannel, "1");
    f.Grid->ApplyFilter();
    EXPECT_EQ(f.Fids(), (std::vector<int>{3, 5}));
    f.Type(kFid, "not in (3)");
    f.Grid->ApplyFilter();
    EXPECT_EQ(f.Fids(), (std::vector<int>{5}));
    f.Grid->ClearFilters();
    f.Grid->ApplyFilter();
    EXPECT_FALSE(f.Table->Filtered());
    EXPECT_EQ(f.Fids().size(), 6u);
}

TEST(FilterRow, NullsQuotesAndDecimalCommasFilterAsShown)
{
    TFilterGrid f;
    f.Table->Last();
    f.Table->Edit();
    f.Name->SetAsString("O'Brien");
    f.Delay->Clear();
    f.Table->Post();
    f.Type(kDelay, "=Null");
    f.Grid->ApplyFilter();
    EXPECT_EQ(f.Fids(), (std::vector<int>{6}));
    f.Type(kDelay, "");
    f.Type(kName, "= 'O''Brien'");
    f.Grid->ApplyFilter();
    EXPECT_EQ(f.Fids(), (std::vector<int>{6}));
    // What the cell shows, typed again, filters the same rows.
    f.Type(kName, f.Column(kName)->STFilter()->DisplayFilterText());
    f.Grid->ApplyFilter();
    EXPECT_EQ(f.Fids(), (std::vector<int>{6}));

    const TDecimalSeparator separator(",");
    f.Type(kName, "");
    f.Column(kDelay)->STFilter()->SetFilterText("IN ('199,5', 200, '300,0')");
    const std::string shown = f.Column(kDelay)->STFilter()->DisplayFilterText();
    f.Type(kDelay, shown);
    f.Grid->ApplyFilter();
    EXPECT_EQ(shown, "In ('199,5',200,300)");
    EXPECT_EQ(f.Fids(), (std::vector<int>{2, 3}));
}

// A comparison followed by a list holds for any of the values; <> and !~
// for none of them. The cell shows the list after the operator.
TEST(FilterRow, AListAfterAComparisonFiltersAndShows)
{
    TFilterGrid f;
    const struct {
        int Column;
        const char* Typed;
        const char* Shown;
        std::vector<int> Fids;
    } cases[] = {
        {kDelay, "=100,200", "= 100,200", {1, 2}},
        {kFid, ">1,5", "> 1,5", {2, 3, 4, 5, 6}},
        {kFid, "<=2,4", "<= 2,4", {1, 2, 3, 4}},
        {kName, "=a,b", "= 'a','b'", {}},
        {kName, "<>a,b", "<> 'a','b'", {1, 2, 3, 4, 5, 6}},
        {kName, "=Схема 1,Схема 3", "= 'Схема 1','Схема 3'", {1, 3}},
        {kName, "<>Схема 2,Схема 4", "<> 'Схема 2','Схема 4'", {1, 3, 5, 6}},
        {kName, "~ 2,4", "~ '2','4'", {2, 4}},
        {kName, "!~ 2,4", "!~ '2','4'", {1, 3, 5, 6}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Typed);
        f.Grid->ClearFilters();
        TSTColumnFilterLt* filter = f.Column(c.Column)->STFilter();
        ASSERT_NO_THROW(filter->SetFilterText(c.Typed));
        std::string shown;
        ASSERT_NO_THROW(shown = filter->DisplayFilterText());
        EXPECT_EQ(shown, c.Shown);
        ASSERT_NO_THROW(f.Grid->ApplyFilter());
        EXPECT_EQ(f.Fids(), c.Fids);
        // What the cell shows, typed again, filters the same rows.
        filter->SetFilterText(shown);
        f.Grid->ApplyFilter();
        EXPECT_EQ(f.Fids(), c.Fids) << shown;
    }
}

TEST(FilterRow, EditorKeysMoveBetweenFilterCells)
{
    TFilterGrid f;
    f.Column(kName)->STFilter()->SetVisible(false);
    f.Grid->ShowFilterEditor(f.Column(kFid));
    ASSERT_TRUE(f.Grid->FilterEditMode());
    EXPECT_TRUE(WaitUntil([&] { return f.Editor()->Focused(); }));
    EXPECT_FALSE(f.Grid->EditorMode()) << "the data editor stays hidden";
    const TRect cell = f.Grid->CellBounds(f.Grid->ColumnToRaw(f.Column(kFid)), 1);
    EXPECT_EQ(f.Editor()->Left(), cell.Left + 1);
    EXPECT_EQ(f.Editor()->Top(), cell.Top);

    f.Editor()->SetText("12");
    f.Key(VK_TAB);
    EXPECT_EQ(f.Grid->FilterEditColumn(), f.Column(kDelay));
    EXPECT_EQ(f.Column(kFid)->STFilter()->FilterText(), "12") << "the cell left keeps its text";
    f.Key(VK_TAB);
    EXPECT_EQ(f.Grid->FilterEditColumn(), f.Column(kChannel)) << "a column without a filter is skipped";
    f.Key(VK_TAB);
    EXPECT_EQ(f.Grid->FilterEditColumn(), f.Column(kFid)) << "round from the last to the first";
    f.Key(VK_TAB, Qt::ShiftModifier);
    EXPECT_EQ(f.Grid->FilterEditColumn(), f.Column(kChannel));

    f.Grid->ShowFilterEditor(f.Column(kDelay));
    f.Editor()->SetText("300");
    f.Editor()->SetSelStart(1);
    f.Editor()->SetSelLength(0);
    f.Key(VK_LEFT);
    EXPECT_EQ(f.Grid->FilterEditColumn(), f.Column(kDelay)) << "the caret inside the text moves the caret";
    f.Key(VK_LEFT);
    EXPECT_EQ(f.Grid->FilterEditColumn(), f.Column(kFid)) << "at the start of the text";
    f.Key(VK_END, Qt::ControlModifier);
    EXPECT_EQ(f.Grid->FilterEditColumn(), f.Column(kChannel));
    f.Key(VK_HOME, Qt::ControlModifier);
    EXPECT_EQ(f.Grid->FilterEditColumn(), f.Column(kFid));
    f.Key(VK_UP);
    EXPECT_EQ(f.Grid->FilterEditColumn(), f.Column(kFid)) << "Up is swallowed";

    f.Grid->ClearFilters();
    f.Grid->ShowFilterEditor(f.Column(kDelay));
    f.Editor()->SetText("> 400");
    f.Key(VK_DOWN);
    EXPECT_FALSE(f.Grid->FilterEditMode());
    EXPECT_EQ(f.Fids(), (std::vector<int>{5, 6})) << "Down applies the filter";
    EXPECT_EQ(f.Grid->SelectedColumn(), f.Column(kDelay));
    EXPECT_TRUE(WaitUntil([&] { return f.Grid->Focused(); }));
}

TEST(FilterRow, TheEditorsHolderReportsAPressOnce)
{
    TFilterGrid f;
    f.Grid->RememberMouseDown(TPoint{40, 50}, 1234);
    TPoint at;
    int time = -1;
    f.Grid->GetLastMouseDown(at, time);
    EXPECT_EQ(at.X, 40);
    EXPECT_EQ(at.Y, 50);
    EXPECT_EQ(time, 1234);
    f.Grid->GetLastMouseDown(at, time);
    EXPECT_EQ(time, 0) << "so a click becomes a double click at most once";
    f.Grid->SetReadOnly(true);
    f.Grid->ShowFilterEditor(f.Column(kName));
    QTest::keyClicks(f.Editor()->Widget(), "ab");
    EXPECT_EQ(f.Editor()->Text(), "ab") << "the filter row is typed into on a read-only grid";
}

TEST(FilterRow, HidingTheRowStoresAndHidesItsEditor)
{
    TFilterGrid f;
    f.Type(kName, "Схема 2");
    f.Grid->STFilter()->BeginUpdate();
    f.Grid->HideFilterEditor();
    EXPECT_TRUE(f.Grid->FilterEditMode()) << "not while updates are under way";
    f.Grid->STFilter()->EndUpdate();
    f.Grid->STFilter()->SetVisible(false);
    EXPECT_FALSE(f.Grid->FilterEditMode());
    EXPECT_EQ(f.Column(kName)->STFilter()->FilterText(), "Схема 2");
}

// The rectangle the editor stands in over a column's filter cell.
TRect FilterCell(const TFilterGrid& F, int Index)
{
    TRect cell = F.Grid->CellBounds(F.Grid->ColumnToRaw(F.Column(Index)), F.Grid->FilterRow());
    ++cell.Left;
    return cell;
}

TEST(FilterRow, TheEditorFollowsItsCellWhenTheGridScrollsOrAColumnIsSized)
{
    TFilterGrid f;
    for (const int i : {kFid, kDelay})
        f.Column(i)->SetWidth(120);
    for (const int i : {kName, kChannel})
        f.Column(i)->SetWidth(200);
    f.Grid->ShowFilterEditor(f.Column(kDelay));
    QTest::keyClicks(f.Editor()->Widget(), QString::fromUtf8("> 250"));
    ASSERT_EQ(f.Editor()->BoundsRect(), FilterCell(f, kDelay));

    f.Grid->SetFirstShownCol(f.Grid->FirstShownCol() + 1);
    ASSERT_TRUE(f.Grid->FilterEditMode());
    const TRect moved = FilterCell(f, kDelay);
    EXPECT_EQ(f.Editor()->BoundsRect(), moved);
    // Painted there: the editor's blue text in the delay's cell, none in
    // the cell of the column now standing where the editor opened.
    const QImage image = f.Grid->Widget()->grab().toImage();
    const auto blueIn = [&](const TRect& R) {
        return Shows(image.copy(R.Left, R.Top, R.Width(), R.Height()), clBlue, 40);
    };
    EXPECT_TRUE(blueIn(moved));
    EXPECT_FALSE(blueIn(FilterCell(f, kName)));
    QTest::keyClicks(f.Editor()->Widget(), "0");
    EXPECT_EQ(f.Editor()->Text(), "> 2500");
    EXPECT_EQ(f.Column(kName)->STFilter()->FilterText(), "");

    f.Column(kDelay)->SetWidth(90);
    EXPECT_EQ(f.Editor()->BoundsRect(), FilterCell(f, kDelay)) << "the column sized";

    // Scrolled off the screen, the editor closes and its cell keeps the text.
    f.Grid->SetFirstShownCol(f.Grid->ColumnToRaw(f.Column(kName)));
    ASSERT_EQ(f.Grid->FirstShownCol(), f.Grid->ColumnToRaw(f.Column(kName)));
    EXPECT_FALSE(f.Grid->FilterEditMode());
    EXPECT_EQ(f.Column(kDelay)->STFilter()->FilterText(), "> 2500");
}

TEST(FilterRow, TheFocusLeavingForAnotherControlClosesTheEditorKeepingItsText)
{
    TFilterGrid f;
    auto* other = new TEdit(f.Form.get());
    other->SetParent(f.Form.get());
    other->SetBounds(0, 242, 80, 16);
    f.Grid->ShowFilterEditor(f.Column(kName));
    ASSERT_TRUE(WaitUntil([&] { return f.Editor()->Focused(); }));
    QTest::keyClicks(f.Editor()->Widget(), "~3");
    other->SetFocus();
    ASSERT_TRUE(WaitUntil([&] { return other->Focused(); }));
    EXPECT_FALSE(f.Grid->FilterEditMode());
    EXPECT_FALSE(f.Editor()->Visible());
    EXPECT_EQ(f.Column(kName)->STFilter()->FilterText(), "~3");
    EXPECT_TRUE(other->Focused()) << "the focus stays where it went";
}

TEST(FilterRow, ApplyingRestoresTheGridAlsoWhenTheHandlerFails)
{
    TFilterGrid f;
    int applied = 0;
    f.Grid->SetOnApplyFilter([&](TObject* Sender) {
        EXPECT_EQ(Sender, f.Grid);
        EXPECT_EQ(f.Column(kDelay)->STFilter()->FilterText(), "500") << "the editor's text is stored first";
        ++applied;
        if (applied == 2)
            throw std::runtime_error("refused");
    });
    f.Type(kDelay, "500");
    f.Key(VK_RETURN);
    EXPECT_EQ(applied, 1);
    EXPECT_FALSE(f.Table->Filtered()) << "the event replaces the data service";
    f.Grid->SetFirstShownCol(f.Grid->FixedCols());
    EXPECT_THROW(f.Grid->ApplyFilter(), std::runtime_error);
    EXPECT_FALSE(f.Grid->ApplyingFilter());
    EXPECT_FALSE(f.Grid->InLayout());
    EXPECT_TRUE(f.Grid->FilterEditMode()) << "the editor is placed again";
}

TEST(FilterRow, TheDataServiceHandlerReplacesTheDatasetFilter)
{
    TFilterGrid f;
    std::vector<TCustomDBGridLt*> filtered;
    DBGridLtDataService().SetOnFilterGrid([&](TCustomDBGridLt* Grid) {
        EXPECT_TRUE(Grid->ApplyingFilter());
        EXPECT_TRUE(Grid->InLayout());
        filtered.push_back(Grid);
    });
    f.Type(kDelay, "500");
    f.Grid->ApplyFilter();
    DBGridLtDataService().SetOnFilterGrid(nullptr);
    EXPECT_EQ(filtered, (std::vector<TCustomDBGridLt*>{f.Grid}));
    EXPECT_FALSE(f.Table->Filtered());
    EXPECT_FALSE(f.Grid->ApplyingFilter());
}

// Features registered for client tables take the filtering over.
class TRecordingFeatures : public TDBGridLtDatasetFeaturesLt {
public:
    TRecordingFeatures() : TDBGridLtDatasetFeaturesLt("TClientDataSet") {}
    void ApplyFilter(TCustomDBGridLt*, TDataSet* DataSet, bool IsReopen) override
    {
        Filtered.push_back(DataSet);
        EXPECT_TRUE(IsReopen);
    }
    std::vector<TDataSet*> Filtered;
};

TEST(FilterRow, RegisteredFeaturesFilterTheirDatasets)
{
    TFilterGrid f;
    auto* features = static_cast<TRecordingFeatures*>(
        RegisterDatasetFeaturesLt(std::make_unique<TRecordingFeatures>()));
    f.Type(kDelay, "500");
    f.Grid->ApplyFilter();
    const std::vector<TDataSet*> filtered = features->Filtered;
    UnregisterDatasetFeaturesLt(features);
    EXPECT_EQ(filtered, (std::vector<TDataSet*>{f.Table}));
    EXPECT_FALSE(f.Table->Filtered());
}
} // namespace
