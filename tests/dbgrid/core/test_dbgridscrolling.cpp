// The data grid's vertical bar is the dataset's position: its range and
// page from the record count and the rows shown, its gestures (through the
// real scroll bar widget) moving the dataset, five stops on a dataset
// without record numbers, and the wheel stepping records. External scroll
// bars of the form stand in for the window's bars.
#include <QScrollBar>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "platform/ui/stdctrls.h"
#include "tests/dbgrid/core/dbgridtesting.h"

namespace {

// A table that keeps no record numbers.
class TUnsequencedTable : public TClientDataSet {
public:
    using TClientDataSet::TClientDataSet;
    bool IsSequenced() const override { return false; }
};

// Sizes the grid to show exactly Rows data rows, without a horizontal bar.
void ShowDataRows(TDBGridLt& Grid, int Rows)
{
    Grid.SetAutoFitColWidths(true);
    const int line = Grid.VertAxis().LineWidth;
    Grid.SetHeight(Grid.RowHeights(0) + line + Rows * (Grid.DefaultRowHeight() + line));
    ASSERT_EQ(Grid.VisibleDataRowCount(), Rows);
}

QScrollBar& VertBar(const TDBGridLt& Grid)
{
    return *static_cast<QScrollBar*>(Grid.VertScrollBarControl()->Widget());
}

// Drags the thumb of the real bar to Position, released or still held.
void DragThumb(QScrollBar& Bar, int Position, bool Release)
{
    Bar.setSliderDown(true);
    Bar.setSliderPosition(Position);
    if (Release)
        Bar.setSliderDown(false);
}

// A grid of 100 records showing 10 of them.
struct TScrollingGrid : TStepsGrid {
    TScrollingGrid() : TStepsGrid(100) { ShowDataRows(*Grid, 10); }
    TScrollBar& Bar() const { return *Grid->VertScrollBarControl(); }
};

// The same over a table without record numbers.
struct TUnsequencedGrid {
    std::unique_ptr<TForm> Form;
    TUnsequencedTable* Table = nullptr;
    TDBGridLt* Grid = nullptr;

    TUnsequencedGrid()
    {
        TestApplication();
        Form = std::make_unique<TForm>(nullptr);
        Table = new TUnsequencedTable(Form.get());
        auto* id = AddTableField<TIntegerField>(Table, "FID");
        Table->CreateDataSet();
        for (int i = 1; i <= 100; ++i) {
            Table->Append();
            id->SetAsInteger(i);
            Table->Post();
        }
        Table->First();
        auto* source = new TDataSource(Form.get());
        source->SetDataSet(Table);
        Grid = new TDBGridLt(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetBorderStyle(bsNone);
        Grid->SetBounds(0, 0, 300, 200);
        Grid->SetDataSource(source);
        ShowForm(*Form, 320, 220);
        ShowDataRows(*Grid, 10);
    }
    TScrollBar& Bar() const { return *Grid->VertScrollBarControl(); }
};

} // namespace

TEST(DBGridVertBar, SequencedRangeIsRecordCountPlusPageAndFollowsTheRecord)
{
    TScrollingGrid f;
    EXPECT_TRUE(f.Bar().Visible());
    EXPECT_EQ(f.Bar().Min(), 1);
    EXPECT_EQ(f.Bar().Max(), 109);
    EXPECT_EQ(f.Bar().PageSize(), 10);
    EXPECT_EQ(f.Bar().Position(), 1);

    f.Table->SetRecNo(37);
    EXPECT_EQ(f.Bar().Position(), 37);
    f.Table->Last();
    EXPECT_EQ(f.Bar().Position(), 100);

    // A record being inserted has no number: the bar stays where it was.
    f.Table->SetRecNo(20);
    f.Table->Insert();
    EXPECT_EQ(f.Bar().Position(), 20);
    f.Table->Cancel();
    EXPECT_EQ(f.Bar().Position(), 20);
}

TEST(DBGridVertBar, DraggingTheThumbWithTrackingMovesTheDatasetAtOnce)
{
    TScrollingGrid f;
    f.Grid->VertScrollBar()->SetTracking(true);
    DragThumb(VertBar(*f.Grid), 50, false);
    EXPECT_EQ(f.Table->RecNo(), 50);
    EXPECT_EQ(f.Bar().Position(), 50);
    // The release finds the dataset already there and moves nothing.
    f.Table->SetRecNo(45);
    VertBar(*f.Grid).setSliderDown(false);
    EXPECT_EQ(f.Table->RecNo(), 45);
}

TEST(DBGridVertBar, WithoutTrackingTheThumbMovesTheDatasetOnRelease)
{
    TScrollingGrid f;
    DragThumb(VertBar(*f.Grid), 70, false);
    EXPECT_EQ(f.Table->RecNo(), 1);
    EXPECT_EQ(VertBar(*f.Grid).sliderPosition(), 70) << "the thumb stays under the mouse";
    VertBar(*f.Grid).setSliderDown(false);
    EXPECT_EQ(f.Table->RecNo(), 70);
    EXPECT_EQ(f.Bar().Position(), 70);
}

TEST(DBGridVertBar, ArrowsPagesAndEndsMoveTheDataset)
{
    struct TCase {
        QAbstractSlider::SliderAction Action;
        int From;
        int Expected;
    };
    // From record 1 rows 1..10 show; from record 50 the window is 41..50
    // (the record came into view from above).
    const TCase cases[] = {
        {QAbstractSlider::SliderSingleStepAdd, 1, 11},   // just below the last row shown
        {QAbstractSlider::SliderPageStepAdd, 1, 11},
        {QAbstractSlider::SliderPageStepSub, 50, 40},
        {QAbstractSlider::SliderToMaximum, 1, 100},
        {QAbstractSlider::SliderToMinimum, 50, 1},
    };
    for (const TCase& c : cases) {
        TScrollingGrid f;
        f.Table->SetRecNo(c.From);
        VertBar(*f.Grid).triggerAction(c.Action);
        EXPECT_EQ(f.Table->RecNo(), c.Expected) << "action " << c.Action << " from " << c.From;
        EXPECT_EQ(f.Bar().Position(), c.Expected);
    }

    TScrollingGrid f;
    f.Table->SetRecNo(50);
    const int firstShown = 50 - f.Grid->DataLink()->ActiveRecord();
    VertBar(*f.Grid).triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(f.Table->RecNo(), firstShown - 1) << "just above the first row shown";
}

TEST(DBGridVertBar, UnsequencedDatasetHasFiveStops)
{
    TUnsequencedGrid f;
    EXPECT_EQ(f.Bar().Min(), 0);
    EXPECT_EQ(f.Bar().Max(), 4);
    EXPECT_EQ(f.Bar().PageSize(), 0);
    EXPECT_EQ(f.Bar().Position(), 0);
    f.Table->MoveBy(30);
    EXPECT_EQ(f.Bar().Position(), 2);
    f.Table->Last();
    EXPECT_EQ(f.Bar().Position(), 4);

    struct TCase {
        int Stop;
        int FromId;
        int ExpectedId;
    };
    const TCase releases[] = {{0, 50, 1}, {1, 50, 40}, {3, 50, 60}, {4, 50, 100}, {2, 50, 50}};
    for (const TCase& c : releases) {
        f.Table->First();
        f.Table->MoveBy(c.FromId - 1);
        DragThumb(VertBar(*f.Grid), c.Stop, true);
        EXPECT_EQ(f.Table->FieldByName("FID")->AsInteger(), c.ExpectedId) << "released at stop " << c.Stop;
    }

    // Tracking moves nothing while dragging: the stops have no records.
    f.Grid->VertScrollBar()->SetTracking(true);
    f.Table->First();
    f.Table->MoveBy(49);
    DragThumb(VertBar(*f.Grid), 4, false);
    EXPECT_EQ(f.Table->FieldByName("FID")->AsInteger(), 50);
    VertBar(*f.Grid).setSliderDown(false);
    EXPECT_EQ(f.Table->FieldByName("FID")->AsInteger(), 100);
}

TEST(DBGridVertBar, InactiveLinkAndVisibleModes)
{
    TScrollingGrid f;
    f.Source->SetEnabled(false);
    EXPECT_FALSE(f.Bar().Visible()) << "an inactive link has nothing to scroll";
    EXPECT_EQ(f.Bar().Max(), 0) << "a hidden bar gets an empty range";

    f.Grid->VertScrollBar()->SetVisibleMode(sbAlwaysShowLt);
    EXPECT_TRUE(f.Bar().Visible());
    EXPECT_FALSE(f.Bar().Enabled());
    EXPECT_EQ(f.Bar().Min(), 0);
    EXPECT_EQ(f.Bar().Max(), 1);
    EXPECT_EQ(f.Bar().PageSize(), 2);
    EXPECT_EQ(f.Bar().Position(), 0);

    f.Source->SetEnabled(true);
    EXPECT_TRUE(f.Bar().Visible());
    EXPECT_TRUE(f.Bar().Enabled());
    EXPECT_EQ(f.Bar().Max(), 109);

    f.Grid->VertScrollBar()->SetVisibleMode(sbNeverShowLt);
    EXPECT_FALSE(f.Bar().Visible());
    EXPECT_EQ(f.Grid->ScrollBars(), ssNone);
    const TRect client = f.Grid->ClientRect();
    EXPECT_EQ(client.Width(), f.Grid->Width()) << "the bar's room goes to the cells";

    f.Grid->VertScrollBar()->SetVisibleMode(sbAutoShowLt);
    EXPECT_TRUE(f.Bar().Visible());

    // A bar shown only when needed hides with a single record.
    TStepsGrid one(1);
    one.Grid->SetAutoFitColWidths(true);
    EXPECT_FALSE(one.Grid->VertScrollBarControl()->Visible());
    one.Grid->VertScrollBar()->SetVisibleMode(sbAlwaysShowLt);
    EXPECT_TRUE(one.Grid->VertScrollBarControl()->Visible());
    EXPECT_FALSE(one.Grid->VertScrollBarControl()->Enabled());
}

TEST(DBGridWheel, NotchesStepRecordsAndStopAtTheEnds)
{
    TScrollingGrid f;
    const auto wheel = [&](int Delta) {
        f.Grid->Perform(WM_MOUSEWHEEL, static_cast<WPARAM>(static_cast<uint16_t>(Delta)) << 16, 0);
    };
    wheel(-120);
    EXPECT_EQ(f.Table->RecNo(), 2);
    wheel(-240);
    EXPECT_EQ(f.Table->RecNo(), 4);
    wheel(120);
    EXPECT_EQ(f.Table->RecNo(), 3);
    // Half notches add up.
    wheel(-60);
    EXPECT_EQ(f.Table->RecNo(), 3);
    wheel(-60);
    EXPECT_EQ(f.Table->RecNo(), 4);

    f.Table->Last();
    wheel(-120);
    EXPECT_EQ(f.Table->RecNo(), 100);
    EXPECT_TRUE(f.Table->Eof());
    EXPECT_EQ(f.Bar().Position(), 100);
}

namespace {
// A scroll bar of the form, outside the grid, owned by the test.
std::unique_ptr<TScrollBar> FormBar(TForm& Form, TScrollBarKind Kind, const char* Name)
{
    auto bar = std::make_unique<TScrollBar>(nullptr);
    bar->SetName(Name);
    bar->SetKind(Kind);
    bar->SetParent(&Form);
    bar->SetBounds(0, 0, 17, 150);
    return bar;
}

QScrollBar& WidgetOf(TScrollBar& Bar)
{
    return *static_cast<QScrollBar*>(Bar.Widget());
}
} // namespace

TEST(DBGridExtScrollBar, AnExternalVerticalBarShowsAndMovesTheDatasetInsteadOfTheWindowsBar)
{
    TScrollingGrid f;
    std::unique_ptr<TScrollBar> ext = FormBar(*f.Form, sbVertical, "ExtBar");
    f.Grid->VertScrollBar()->SetTracking(true);
    f.Grid->VertScrollBar()->SetExtScrollBar(ext.get());
    // The window's bar is left empty and hidden.
    EXPECT_FALSE(f.Bar().Visible());
    EXPECT_EQ(f.Bar().Min(), f.Bar().Max());
    EXPECT_EQ(ext->Min(), 1);
    EXPECT_EQ(ext->Max(), 109);
    EXPECT_EQ(ext->PageSize(), 10);
    EXPECT_EQ(ext->Position(), 1);
    EXPECT_TRUE(f.Grid->VertScrollBar()->BarShown());
    const TScrollBarStateLt info = f.Grid->VertScrollBar()->ReadScrollInfo();
    EXPECT_EQ(info.Max, 109);
    EXPECT_EQ(info.Page, 10);

    f.Table->SetRecNo(37);
    EXPECT_EQ(ext->Position(), 37);
    // Its gestures move the dataset as the window's bar would.
    DragThumb(WidgetOf(*ext), 50, false);
    EXPECT_EQ(f.Table->RecNo(), 50);
    WidgetOf(*ext).setSliderDown(false);
    EXPECT_EQ(f.Table->RecNo(), 50);
    // The thumb brought record 50 in at the bottom: a line down shows 51.
    WidgetOf(*ext).triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(f.Table->RecNo(), 51);
    EXPECT_EQ(ext->Position(), 51);
    WidgetOf(*ext).triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(f.Table->RecNo(), 1);

    // Hidden with the setting; freed, the window's bar comes back.
    f.Grid->VertScrollBar()->SetVisible(false);
    EXPECT_FALSE(ext->Visible());
    EXPECT_FALSE(f.Grid->VertScrollBar()->BarShown());
    f.Grid->VertScrollBar()->SetVisible(true);
    ext.reset();
    EXPECT_EQ(f.Grid->VertScrollBar()->ExtScrollBar(), nullptr);
    EXPECT_TRUE(f.Bar().Visible());
    EXPECT_EQ(f.Bar().Max(), 109);
    EXPECT_EQ(f.Bar().Position(), 1);
}

TEST(DBGridExtScrollBar, ABarTakenOverByAnotherGridIsRefusedUntilItIsFree)
{
    TScrollingGrid f;
    std::unique_ptr<TScrollBar> ext = FormBar(*f.Form, sbVertical, "ExtBar");
    f.Grid->VertScrollBar()->SetExtScrollBar(ext.get());
    {
        TStepsGrid other(3);
        try {
            other.Grid->VertScrollBar()->SetExtScrollBar(ext.get());
            ADD_FAILURE() << "attached twice";
        } catch (const Exception& e) {
            EXPECT_STREQ(e.what(), "Possible ExtBar already attached to the other control.");
        }
        EXPECT_EQ(other.Grid->VertScrollBar()->ExtScrollBar(), nullptr);
        // Given up by the first grid, the bar serves the other one; copying
        // the settings copies the bar too, which stays with its grid.
        f.Grid->VertScrollBar()->SetExtScrollBar(nullptr);
        other.Grid->VertScrollBar()->SetExtScrollBar(ext.get());
        EXPECT_EQ(ext->Max(), 3 + other.Grid->VisibleDataRowCount() - 1);
        TDBGridLtScrollBar copy;
        copy.Assign(other.Grid->VertScrollBar());
        EXPECT_EQ(copy.ExtScrollBar(), ext.get());
    }
    // The other grid is gone: the bar is nobody's, and moving it is harmless.
    EXPECT_FALSE(ext->ScrollHooked());
    WidgetOf(*ext).triggerAction(QAbstractSlider::SliderSingleStepAdd);
    f.Grid->VertScrollBar()->SetExtScrollBar(ext.get());
    EXPECT_EQ(ext->Max(), 109);
}

TEST(DBGridExtScrollBar, AnExternalHorizontalBarUsesTheScaleOf127)
{
    TStepsGrid f(5, 150, 200);
    std::unique_ptr<TScrollBar> ext = FormBar(*f.Form, sbHorizontal, "HorzBar");
    f.Grid->HorzScrollBar()->SetExtScrollBar(ext.get());
    EXPECT_FALSE(f.Grid->HorzScrollBarControl()->Visible());
    const TGridAxisLt h = f.Grid->HorzAxis();
    ASSERT_TRUE(h.CanScroll());
    EXPECT_EQ(ext->Min(), 0);
    EXPECT_EQ(ext->Max(), 127);
    EXPECT_EQ(ext->PageSize(), h.PageSize());
    EXPECT_EQ(ext->Position(), 0);

    const int fixed = h.FixedCount, last = h.LastScrollPosition();
    WidgetOf(*ext).triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(f.Grid->FirstShownCol(), fixed + 1);
    EXPECT_EQ(ext->Position(), static_cast<int>(std::lround(127.0 / (last - fixed))));
    WidgetOf(*ext).triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(f.Grid->FirstShownCol(), last);
    EXPECT_EQ(ext->Position(), 127);
    // The grid's own scrolling moves the external bar too.
    f.Grid->ScrollRequest(false, scTop, 0);
    EXPECT_EQ(ext->Position(), 0);

    // All columns shown: nothing to scroll.
    f.Grid->SetWidth(600);
    EXPECT_EQ(ext->Max(), 0);
    EXPECT_EQ(ext->Position(), 0);
}
