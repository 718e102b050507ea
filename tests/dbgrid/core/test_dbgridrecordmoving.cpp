// Record moving: the marked rows (or the current row alone) dragged by their
// indicator, the insertion line above or below the row under the mouse,
// scrolling a row at a time at the data area's edges, and the drop through
// OnMoveRecords or, without it, through the data service's record move.
#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <cstdlib>

#include <string>
#include <vector>

#include "dbgrid/filter/datasetfeatures.h"
#include "dbgrid/filter/griddataservice.h"
#include "platform/ui/repeattimer.h"
#include "tests/dbgrid/core/dbgridinputtesting.h"

namespace {
// One call of OnMoveRecords: the FIDs of the list, the target, the kind.
struct TMoveCall {
    std::vector<int> Ids;
    int ToRecNo;
    bool CheckOnly;
};

struct TMovingGrid : TInputStepsGrid {
    std::vector<TMoveCall> Calls;
    // Drops before this record number are refused (-1: none is).
    int Refused = -1;

    explicit TMovingGrid(int Rows = 8, bool MultiSelect = true) : TInputStepsGrid(Rows)
    {
        Grid->SetOptionsLt(Grid->OptionsLt() + TDBGridLtOptions{dghRecordMoving});
        if (MultiSelect)
            Grid->SetOptions(Grid->Options() + TDBGridOptions{dgMultiSelect});
    }

    void LogMoves()
    {
        Grid->SetOnMoveRecords([this](TObject* Sender, TBMListLt* List, int ToRecNo, int TreeLevel, bool CheckOnly) {
            EXPECT_EQ(Sender, Grid);
            EXPECT_EQ(TreeLevel, 0);
            Calls.push_back({IdsOf(List), ToRecNo, CheckOnly});
            return ToRecNo != Refused;
        });
    }
    std::vector<int> IdsOf(TBMListLt* List) const
    {
        std::vector<int> ids;
        const std::string saved = Table->Bookmark();
        for (int i = 0; i < List->BookmarkCount(); ++i) {
            Table->GotoBookmark(List->BookmarkAt(i));
            ids.push_back(Fid->AsInteger());
        }
        Table->GotoBookmark(saved);
        return ids;
    }
    std::vector<TMoveCall> Drops() const
    {
        std::vector<TMoveCall> drops;
        for (const TMoveCall& c : Calls)
            if (!c.CheckOnly)
                drops.push_back(c);
        return drops;
    }
    std::vector<int> AllIds() const
    {
        std::vector<int> ids;
        const std::string saved = Table->Bookmark();
        for (Table->First(); !Table->Eof(); Table->Next())
            ids.push_back(Fid->AsInteger());
        Table->GotoBookmark(saved);
        return ids;
    }
    int DataRow(int Record) const { return Grid->TitleRowCount() + Record; }
    // A point in the upper or lower quarter of a data row's indicator.
    QPoint Indicator(int Record, bool Lower = false) const
    {
        const TRect r = Grid->CellBounds(0, DataRow(Record));
        const int quarter = (r.Bottom - r.Top) / 4;
        return {(r.Left + r.Right) / 2, Lower ? r.Bottom - quarter : r.Top + quarter};
    }
    QPoint DataPoint(int Record, bool Lower) const
    {
        const TRect r = Grid->CellBounds(Grid->DataToRawColumn(1), DataRow(Record));
        const int quarter = (r.Bottom - r.Top) / 4;
        return {(r.Left + r.Right) / 2, Lower ? r.Bottom - quarter : r.Top + quarter};
    }
    // Marks the records of the grid rows (0-based data rows).
    void Mark(std::initializer_list<int> Records)
    {
        for (int record : Records)
            Click(Centre(0, DataRow(record)), Qt::ControlModifier);
    }
    void Drag(QPoint From, QPoint To)
    {
        QWidget* w = Grid->Widget();
        QTest::mousePress(w, Qt::LeftButton, {}, From);
        QTest::mouseMove(w, To);
        QTest::mouseRelease(w, Qt::LeftButton, {}, To);
    }
    // The guide windows the grid shows over itself.
    int VisibleGuideWindows() const
    {
        int shown = 0;
        for (int i = 0; i < Grid->ControlCount(); ++i) {
            TControl* child = Grid->Controls(i);
            if (child->ClassName() == "TGridGuideLineLt" && child->Visible())
                ++shown;
        }
        return shown;
    }
};
} // namespace

TEST(DBGridRecordMoving, MarkedRowsDropAboveOrBelowTheRowUnderTheMouse)
{
    struct TCase {
        const char* Name;
        int TargetRow;
        bool Lower;
        int ToRecNo;
    };
    const TCase cases[] = {
        {"above the first row", 0, false, 1},
        {"below the first row", 0, true, 2},
        {"above row 6", 5, false, 6},
        {"below the last row", 7, true, 9},
    };
    for (const TCase& c : cases) {
        TMovingGrid f;
        f.LogMoves();
        f.Mark({2, 3});
        f.Calls.clear();
        f.Drag(f.Indicator(3), f.DataPoint(c.TargetRow, c.Lower));
        ASSERT_EQ(f.Drops().size(), 1u) << c.Name;
        EXPECT_EQ(f.Drops()[0].Ids, (std::vector<int>{3, 4})) << c.Name;
        EXPECT_EQ(f.Drops()[0].ToRecNo, c.ToRecNo) << c.Name;
        // The drop was asked about first.
        ASSERT_GE(f.Calls.size(), 2u) << c.Name;
        EXPECT_TRUE(f.Calls[f.Calls.size() - 2].CheckOnly) << c.Name;
        EXPECT_EQ(f.Calls[f.Calls.size() - 2].ToRecNo, c.ToRecNo) << c.Name;
        EXPECT_FALSE(f.Grid->RecordMoving()) << c.Name;
        EXPECT_EQ(f.VisibleGuideWindows(), 0) << c.Name;
    }
}

TEST(DBGridRecordMoving, TheLineShowsWhileDraggingAndOnlyWhereADropIsAllowed)
{
    TMovingGrid f;
    f.LogMoves();
    f.Refused = 5;
    f.Mark({1});
    QWidget* w = f.Grid->Widget();
    QTest::mousePress(w, Qt::LeftButton, {}, f.Indicator(1));
    EXPECT_TRUE(f.Grid->RecordMoving());
    // Not yet moved far enough: no line, no target.
    EXPECT_EQ(f.Grid->RecordMovingTarget(), -1);
    EXPECT_EQ(f.VisibleGuideWindows(), 0);
    QTest::mouseMove(w, f.DataPoint(5, false));
    EXPECT_EQ(f.Grid->RecordMovingTarget(), 6);
    EXPECT_EQ(f.VisibleGuideWindows(), 2);   // the line and its tick
    // Refused by the handler: no line.
    QTest::mouseMove(w, f.DataPoint(3, true));
    EXPECT_EQ(f.Grid->RecordMovingTarget(), -1);
    EXPECT_EQ(f.VisibleGuideWindows(), 0);
    QTest::mouseRelease(w, Qt::LeftButton, {}, f.DataPoint(3, true));
    EXPECT_TRUE(f.Drops().empty());

    // Esc drops the drag without moving anything.
    QTest::mousePress(w, Qt::LeftButton, {}, f.Indicator(1));
    QTest::mouseMove(w, f.DataPoint(6, true));
    EXPECT_EQ(f.VisibleGuideWindows(), 2);
    f.Key(VK_ESCAPE);
    EXPECT_FALSE(f.Grid->RecordMoving());
    EXPECT_EQ(f.VisibleGuideWindows(), 0);
    QTest::mouseRelease(w, Qt::LeftButton, {}, f.DataPoint(6, true));
    EXPECT_TRUE(f.Drops().empty());
}

TEST(DBGridRecordMoving, TheCurrentRowMovesAloneWhenNoneIsMarked)
{
    TMovingGrid f(8, false);
    f.LogMoves();
    f.Click(f.DataPoint(4, false));
    ASSERT_EQ(f.Fid->AsInteger(), 5);
    // Another row's indicator only moves to that row.
    f.Drag(f.Indicator(2), f.DataPoint(6, false));
    EXPECT_TRUE(f.Calls.empty());
    EXPECT_EQ(f.Fid->AsInteger(), 3);
    // The current row's indicator drags it.
    f.Drag(f.Indicator(2), f.DataPoint(0, false));
    ASSERT_EQ(f.Drops().size(), 1u);
    EXPECT_EQ(f.Drops()[0].Ids, (std::vector<int>{3}));
    EXPECT_EQ(f.Drops()[0].ToRecNo, 1);
}

TEST(DBGridRecordMoving, AClickOnAMarkedRowsIndicatorIsStillAClick)
{
    TMovingGrid f;
    f.LogMoves();
    f.Mark({1, 2});
    f.Calls.clear();
    f.Click(f.Indicator(2));
    EXPECT_TRUE(f.Calls.empty());
    // dghClearSelection: the click on a marked row clears the marks.
    EXPECT_EQ(f.Grid->Selection()->SelectionType(), gstNon);
}

TEST(DBGridRecordMoving, TheGridScrollsARowAtATimeWhileTheMouseIsBelowTheData)
{
    TManualTimerClock clock;
    SetTimerClock(&clock);
    {
        TMovingGrid f(40);
        f.LogMoves();
        f.Mark({0});
        QWidget* w = f.Grid->Widget();
        QTest::mousePress(w, Qt::LeftButton, {}, f.Indicator(0));
        const int bottom = f.Grid->VertAxis().GridBoundary;
        const int visible = f.Grid->VisibleDataRowCount();
        // 6 pixels below: a row at 60 ms, then one every 200 - 15 * 6 =
        // 110 ms; the line stays under the last row shown.
        QTest::mouseMove(w, QPoint(f.Indicator(0).x(), bottom + 5));
        EXPECT_EQ(f.Grid->RecordMovingTarget(), visible + 1);
        clock.Advance(59);
        EXPECT_EQ(f.Grid->RecordMovingTarget(), visible + 1);
        clock.Advance(1);
        EXPECT_EQ(f.Grid->RecordMovingTarget(), visible + 2);
        EXPECT_EQ(f.Grid->DataLink()->ActiveRecord(), visible - 1);
        clock.Advance(109);
        EXPECT_EQ(f.Grid->RecordMovingTarget(), visible + 2);
        // 12 pixels out: still one row a tick, every 20 ms.
        QTest::mouseMove(w, QPoint(f.Indicator(0).x(), f.Grid->VertAxis().GridBoundary + 11));
        clock.Advance(1);
        EXPECT_EQ(f.Grid->RecordMovingTarget(), visible + 3);
        clock.Advance(20);
        EXPECT_EQ(f.Grid->RecordMovingTarget(), visible + 4);
        // Back inside the timer stops.
        QTest::mouseMove(w, f.DataPoint(2, false));
        const int inside = f.Grid->RecordMovingTarget();
        clock.Advance(500);
        EXPECT_EQ(f.Grid->RecordMovingTarget(), inside);
        QTest::mouseRelease(w, Qt::LeftButton, {}, f.DataPoint(2, false));
        ASSERT_EQ(f.Drops().size(), 1u);
        EXPECT_EQ(f.Drops()[0].Ids, (std::vector<int>{1}));
        EXPECT_EQ(f.Drops()[0].ToRecNo, inside);
        // Above the third row shown, with the window three rows down.
        EXPECT_EQ(inside, 6);
    }
    SetTimerClock(nullptr);
}

namespace {
// A client table's records moved for real: the rows keep their places and
// their contents are written back in the new order, the moved ones before
// the record that stood at ToRecNo.
class TTableMovingFeatures : public TDBGridLtDatasetFeaturesLt {
public:
    TTableMovingFeatures() : TDBGridLtDatasetFeaturesLt("TClientDataSet") {}
    bool MoveRecords(TCustomDBGridLt* Grid, const std::vector<std::string>& Bookmarks, int ToRecNo,
                     bool CheckOnly) override
    {
        TDataSet* table = Grid->DataSource()->DataSet();
        ++(CheckOnly ? Checks : Moves);
        if (CheckOnly)
            return ToRecNo >= 1 && ToRecNo <= table->RecordCount() + 1;
        using TRow = std::vector<Variant>;
        std::vector<TRow> kept, moved;
        std::size_t insertAt = 0;
        for (table->First(); !table->Eof(); table->Next()) {
            TRow row;
            for (int i = 0; i < table->FieldCount(); ++i)
                row.push_back(table->Fields(i)->Value());
            const bool isMoved = std::find(Bookmarks.begin(), Bookmarks.end(), table->Bookmark()) != Bookmarks.end();
            if (table->RecNo() < ToRecNo && !isMoved)
                ++insertAt;
            (isMoved ? moved : kept).push_back(row);
        }
        kept.insert(kept.begin() + static_cast<std::ptrdiff_t>(insertAt), moved.begin(), moved.end());
        std::size_t next = 0;
        for (table->First(); !table->Eof(); table->Next()) {
            table->Edit();
            for (int i = 0; i < table->FieldCount(); ++i)
                table->Fields(i)->SetValue(kept[next][static_cast<std::size_t>(i)]);
            table->Post();
            ++next;
        }
        return true;
    }
    int Checks = 0;
    int Moves = 0;
};
} // namespace

TEST(DBGridRecordMoving, WithoutAHandlerTheDataServiceMovesAndTheGridKeepsItsPlace)
{
    // Nothing registered for client tables: no drop is offered.
    {
        TMovingGrid f;
        f.Mark({1});
        QWidget* w = f.Grid->Widget();
        QTest::mousePress(w, Qt::LeftButton, {}, f.Indicator(1));
        QTest::mouseMove(w, f.DataPoint(5, true));
        EXPECT_EQ(f.Grid->RecordMovingTarget(), -1);
        QTest::mouseRelease(w, Qt::LeftButton, {}, f.DataPoint(5, true));
        EXPECT_EQ(f.AllIds(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
    }
    TMovingGrid f(30);
    auto* features =
        static_cast<TTableMovingFeatures*>(RegisterDatasetFeaturesLt(std::make_unique<TTableMovingFeatures>()));
    // Scrolled so that record 5 is the grid's first row.
    f.Table->SetRecNo(20);
    f.Table->SetRecNo(5);
    const int top = 5;
    f.Mark({1, 2});
    const int recNo = f.Table->RecNo(), screenRow = f.Grid->DataLink()->ActiveRecord();
    ASSERT_EQ(recNo, top + 2);
    const std::vector<int> marked = {top + 1, top + 2};
    f.Drag(f.Indicator(2), f.DataPoint(5, true));
    const int checks = features->Checks, moves = features->Moves;
    const int recNoAfter = f.Table->RecNo(), screenRowAfter = f.Grid->DataLink()->ActiveRecord();
    const std::vector<int> ids = f.AllIds();
    UnregisterDatasetFeaturesLt(features);
    EXPECT_GT(checks, 0);
    EXPECT_EQ(moves, 1);
    // The two rows now follow the row that was sixth on screen.
    std::vector<int> expected;
    for (int id = 1; id <= 30; ++id)
        if (id != marked[0] && id != marked[1])
            expected.push_back(id);
    const auto after = std::find(expected.begin(), expected.end(), top + 5);
    expected.insert(after + 1, marked.begin(), marked.end());
    EXPECT_EQ(ids, expected);
    // The same record number at the same place in the window.
    EXPECT_EQ(recNoAfter, recNo);
    EXPECT_EQ(screenRowAfter, screenRow);
}

TEST(DBGridRecordMoving, TheInsertionLineIsDrawnOverTheRowEdge)
{
    TMovingGrid f;
    f.LogMoves();
    f.Mark({1});
    QWidget* w = f.Grid->Widget();
    QTest::mousePress(w, Qt::LeftButton, {}, f.Indicator(1));
    QTest::mouseMove(w, f.DataPoint(4, true));
    ASSERT_EQ(f.VisibleGuideWindows(), 2);
    const QImage image = w->grab().toImage();
    QTest::mouseRelease(w, Qt::LeftButton, {}, f.DataPoint(4, true));
    if (const char* out = std::getenv("LIGHTING_RECORD_MOVING_IMAGE"))
        image.save(out);
    // Along the lower edge of the fifth row the line's dots alternate black
    // and white over the whole width of the data.
    const int y = f.Grid->CellBounds(0, f.DataRow(4)).Bottom;
    const int right = f.Grid->HorzAxis().GridBoundary;
    int black = 0, white = 0;
    for (int x = 0; x < right; ++x) {
        const QRgb pixel = image.pixel(x, y);
        black += pixel == qRgb(0, 0, 0);
        white += pixel == qRgb(255, 255, 255);
    }
    EXPECT_GE(black, right / 2 - 1);
    EXPECT_GE(white, right / 2 - 1);
    // The tick stands at the line's left end, above and below it.
    EXPECT_TRUE(image.pixel(0, y - 6) == qRgb(0, 0, 0) || image.pixel(1, y - 6) == qRgb(0, 0, 0));
    EXPECT_TRUE(image.pixel(0, y + 6) == qRgb(0, 0, 0) || image.pixel(1, y + 6) == qRgb(0, 0, 0));
}
