// The data grid under the mouse: title buttons and sort marking, clicks on
// data cells, stepping image and check-box cells, the edit buttons a column
// paints, and sizing columns by dragging or double-clicking a title border.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/imglist.h"
#include "platform/ui/sysmetrics.h"
#include "tests/dbgrid/core/dbgridinputtesting.h"

namespace {
// Records the title and cell events of a grid.
struct TClickLog {
    std::vector<std::string> Events;

    void Attach(TDBGridLt* Grid)
    {
        Grid->SetOnTitleBtnClick([this](TObject*, int ACol, TColumnLt*) {
            Events.push_back("button " + std::to_string(ACol));
        });
        Grid->SetOnTitleClick([this](TColumnLt* Column) {
            Events.push_back("title " + std::to_string(Column->Index()));
        });
        Grid->SetOnCellClick([this](TColumnLt* Column) {
            Events.push_back("cell " + std::to_string(Column->Index()));
        });
        Grid->SetOnSortMarkingChanged([this](TObject*) { Events.push_back("sort"); });
    }
};
} // namespace

TEST(DBGridMouse, TitleClicksWithAndWithoutAutomaticSortMarking)
{
    struct TCase {
        const char* Name;
        bool AutoSort;
        std::vector<std::string> Events;
        TSortMarkerLt AfterOne, AfterTwo;
    };
    const TCase cases[] = {
        {"auto sort marking", true, {"button 2", "sort", "title 2"}, smDownLt, smUpLt},
        {"no sort marking", false, {"button 2", "title 2"}, smNoneLt, smNoneLt},
    };
    for (const TCase& c : cases) {
        TInputStepsGrid f;
        if (c.AutoSort)
            f.Grid->SetOptionsLt(f.Grid->OptionsLt() + TDBGridLtOptions{dghAutoSortMarking});
        f.Column(2)->Title()->SetTitleButton(true);
        TClickLog log;
        log.Attach(f.Grid);
        const int raw = f.Grid->DataToRawColumn(2);
        f.Click(f.Centre(raw, 0));
        EXPECT_EQ(log.Events, c.Events) << c.Name;
        EXPECT_EQ(f.Column(2)->Title()->SortMarker(), c.AfterOne) << c.Name;
        f.Click(f.Centre(raw, 0));
        EXPECT_EQ(f.Column(2)->Title()->SortMarker(), c.AfterTwo) << c.Name;

        // A plain title is no button: only the title click comes.
        log.Events.clear();
        f.Click(f.Centre(f.Grid->DataToRawColumn(1), 0));
        EXPECT_EQ(log.Events, (std::vector<std::string>{"title 1"})) << c.Name;
        EXPECT_EQ(f.Column(1)->Title()->SortMarker(), smNoneLt) << c.Name;
    }
}

TEST(DBGridMouse, ATitleButtonHeldDownIsPressedUntilReleased)
{
    TInputStepsGrid f;
    f.Column(2)->Title()->SetTitleButton(true);
    bool enabled = true;
    f.Grid->SetOnCheckButton([&](TObject*, int, TColumnLt*, bool& Enabled) { Enabled = enabled; });
    TClickLog log;
    log.Attach(f.Grid);
    const int raw = f.Grid->DataToRawColumn(2);
    QTest::mousePress(f.Grid->Widget(), Qt::LeftButton, {}, f.Centre(raw, 0));
    EXPECT_EQ(f.Grid->PressedTitleCol(), raw);
    // Released over another title: no button click.
    QTest::mouseRelease(f.Grid->Widget(), Qt::LeftButton, {}, f.Centre(raw + 1, 0));
    EXPECT_EQ(f.Grid->PressedTitleCol(), -1);
    EXPECT_EQ(log.Events, (std::vector<std::string>{"title 3"}));

    // OnCheckButton refuses the button.
    log.Events.clear();
    enabled = false;
    f.Click(f.Centre(raw, 0));
    EXPECT_EQ(log.Events, (std::vector<std::string>{"title 2"}));
}

TEST(DBGridMouse, CtrlClicksAddSortMarkersAnnouncedWhenCtrlIsReleased)
{
    TInputStepsGrid f;
    f.Grid->SetOptionsLt(f.Grid->OptionsLt() + TDBGridLtOptions{dghAutoSortMarking, dghMultiSortMarking});
    f.Column(1)->Title()->SetTitleButton(true);
    f.Column(2)->Title()->SetTitleButton(true);
    TClickLog log;
    log.Attach(f.Grid);
    f.Click(f.Centre(f.Grid->DataToRawColumn(1), 0));
    log.Events.clear();
    f.Click(f.Centre(f.Grid->DataToRawColumn(2), 0), Qt::ControlModifier);
    EXPECT_EQ(f.Column(1)->Title()->SortMarker(), smDownLt);
    EXPECT_EQ(f.Column(2)->Title()->SortMarker(), smDownLt);
    EXPECT_EQ(log.Events, (std::vector<std::string>{"button 2", "title 2"}));
    QTest::keyRelease(f.KeyTarget(), Qt::Key_Control);
    EXPECT_EQ(log.Events, (std::vector<std::string>{"button 2", "title 2", "sort"}));

    // Without Ctrl the other markers go.
    f.Click(f.Centre(f.Grid->DataToRawColumn(2), 0));
    EXPECT_EQ(f.Column(1)->Title()->SortMarker(), smNoneLt);
}

TEST(DBGridMouse, AClickMovesToTheCellAndRaisesOnCellClick)
{
    TInputStepsGrid f;
    TClickLog log;
    log.Attach(f.Grid);
    const int title = f.Grid->TitleRowCount();
    f.Click(f.Centre(f.Grid->DataToRawColumn(2), title + 3));
    EXPECT_EQ(f.Table->RecNo(), 4);
    EXPECT_EQ(f.Grid->SelectedIndex(), 2);
    EXPECT_EQ(log.Events, (std::vector<std::string>{"cell 2"}));
    // A second click on the current cell opens the editor.
    f.Click(f.Centre(f.Grid->DataToRawColumn(2), title + 3));
    ASSERT_NE(f.Grid->InplaceEditor(), nullptr);
    EXPECT_TRUE(f.Grid->InplaceEditor()->Visible());
}

namespace {
// Channel column 3 shows on and off images by its key list.
void MakeImageColumn(TInputStepsGrid& f, bool DblClickNextVal)
{
    auto* images = new TImageList(f.Form.get());
    f.Column(3)->KeyList()->SetText("1\n0");
    f.Column(3)->SetImageList(images);
    f.Column(3)->SetDblClickNextVal(DblClickNextVal);
    ASSERT_EQ(f.Column(3)->ColumnKind(), ckKeyImagesLt);
}
} // namespace

TEST(DBGridMouse, ADoubleClickOnAKeyImageCellStepsItsValueOnce)
{
    TInputStepsGrid f;
    MakeImageColumn(f, true);
    int doubleClicks = 0;
    f.Grid->SetOnDblClick([&](TObject*) { ++doubleClicks; });
    const QPoint cell = f.Centre(f.Grid->DataToRawColumn(3), f.Grid->TitleRowCount() + 1);
    f.Click(cell);
    EXPECT_EQ(f.Table->RecNo(), 2);
    EXPECT_EQ(f.Channel->AsString(), "0");
    QTest::mouseDClick(f.Grid->Widget(), Qt::LeftButton, {}, cell);
    EXPECT_EQ(f.Channel->AsString(), "1");
    EXPECT_EQ(doubleClicks, 1);
    QTest::mouseDClick(f.Grid->Widget(), Qt::LeftButton, {}, cell);
    EXPECT_EQ(f.Channel->AsString(), "0");
}

TEST(DBGridMouse, AClickOnAnImageCellStepsItWhenItDoesNotWaitForADoubleClick)
{
    TInputStepsGrid f;
    MakeImageColumn(f, false);
    const QPoint cell = f.Centre(f.Grid->DataToRawColumn(3), f.Grid->TitleRowCount());
    ASSERT_EQ(f.Channel->AsString(), "1");
    f.Click(cell);
    EXPECT_EQ(f.Channel->AsString(), "0");
    f.Click(cell, Qt::ShiftModifier);
    EXPECT_EQ(f.Channel->AsString(), "1");
}

TEST(DBGridMouse, AClickOnAButtonAColumnPaintsClicksThatButton)
{
    TInputStepsGrid f;
    TColumnLt* delay = f.Column(1);
    delay->SetButtonStyle(cbsEllipsis);
    delay->SetAlwaysShowEditButton(true);
    TEditButtonLt* own = delay->EditButtons()->Add();
    own->SetStyle(ebsPlusLt);
    int clicks = 0;
    own->SetOnClick([&](TObject*, bool& Handled) {
        ++clicks;
        Handled = true;
    });
    f.Click(f.Centre(2, 1));
    ASSERT_EQ(f.Grid->Col(), 2);
    const TRect cell = f.Grid->CellBounds(2, 1);
    const int scroll = GetSystemMetrics(SM_CXVSCROLL);
    f.Click({cell.Right - scroll - scroll / 2, (cell.Top + cell.Bottom) / 2});
    EXPECT_EQ(clicks, 1);
    // The default button at the right edge is not the column's own.
    f.Click({cell.Right - scroll / 2, (cell.Top + cell.Bottom) / 2});
    EXPECT_EQ(clicks, 1);
}

TEST(DBGridMouse, ADefaultColumnDraggedByItsTitleStaysWhereItWasDropped)
{
    TInputStepsGrid f;
    QWidget* w = f.Grid->Widget();
    const QPoint from = f.Centre(f.Grid->DataToRawColumn(0), 0);
    const QPoint to = f.Centre(f.Grid->DataToRawColumn(2), 0);
    QTest::mousePress(w, Qt::LeftButton, {}, from);
    QTest::mouseMove(w, from + QPoint(10, 0));
    QTest::mouseMove(w, to);
    QTest::mouseRelease(w, Qt::LeftButton, {}, to);
    f.Grid->LayoutChanged();
    ASSERT_EQ(f.Grid->Columns()->Count(), 4);
    EXPECT_EQ(f.Column(2)->BoundField(), f.Fid);
    EXPECT_EQ(f.Column(0)->BoundField(), f.Delay);
    EXPECT_EQ(f.Fid->Index(), 2);
}

TEST(DBGridMouse, DraggingATitleBorderSizesTheColumn)
{
    struct TCase {
        const char* Name;
        bool Live;
        int PressOffset;   // from the border
    };
    const TCase cases[] = {{"with a guide line", false, 0}, {"live", true, -3}, {"live, right of the line", true, 3}};
    for (const TCase& c : cases) {
        TInputStepsGrid f;
        if (c.Live)
            f.Grid->SetOptionsLt(f.Grid->OptionsLt() + TDBGridLtOptions{dghTraceColSizing});
        const int raw = f.Grid->DataToRawColumn(1);
        const int before = f.Column(1)->Width();
        const QPoint border = f.TitleBorder(raw) + QPoint(c.PressOffset, 0);
        QWidget* w = f.Grid->Widget();
        QTest::mousePress(w, Qt::LeftButton, {}, border);
        QTest::mouseMove(w, border + QPoint(25, 0));
        EXPECT_EQ(f.Column(1)->Width(), c.Live ? before + 25 : before) << c.Name;
        QTest::mouseRelease(w, Qt::LeftButton, {}, border + QPoint(25, 0));
        EXPECT_EQ(f.Column(1)->Width(), before + 25) << c.Name;
    }
}

TEST(DBGridMouse, LiveSizingKeepsAtLeastOnePixel)
{
    TInputStepsGrid f;
    f.Grid->SetOptionsLt(f.Grid->OptionsLt() + TDBGridLtOptions{dghTraceColSizing});
    const int raw = f.Grid->DataToRawColumn(1);
    const QPoint border = f.TitleBorder(raw);
    QWidget* w = f.Grid->Widget();
    QTest::mousePress(w, Qt::LeftButton, {}, border);
    QTest::mouseMove(w, border - QPoint(f.Column(1)->Width() + 20, 0));
    QTest::mouseRelease(w, Qt::LeftButton, {}, border - QPoint(f.Column(1)->Width() + 20, 0));
    EXPECT_EQ(f.Column(1)->Width(), 1);
}

TEST(DBGridMouse, ADoubleClickOnATitleBorderFitsTheColumnToItsWidestText)
{
    TInputStepsGrid f;
    f.Grid->SetOptionsLt(f.Grid->OptionsLt() + TDBGridLtOptions{dghDblClickOptimizeColWidth});
    f.Table->Edit();
    f.Name->SetAsString("ШШШШШШШШШШШШ");
    f.Table->Post();
    f.Table->First();
    int doubleClicks = 0;
    f.Grid->SetOnDblClick([&](TObject*) { ++doubleClicks; });
    TCanvas canvas;
    canvas.Font()->Assign(f.Column(2)->Font());
    const int expected = canvas.TextWidth("ШШШШШШШШШШШШ") + 4;
    ASSERT_NE(f.Column(2)->Width(), expected);
    QTest::mouseDClick(f.Grid->Widget(), Qt::LeftButton, {}, f.TitleBorder(f.Grid->DataToRawColumn(2)));
    EXPECT_EQ(f.Column(2)->Width(), expected);
    EXPECT_EQ(doubleClicks, 0);
    EXPECT_EQ(f.Table->RecNo(), 1);
}
