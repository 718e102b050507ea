// Tool tips of the data grid's cells, shown on the window system in use
// (offscreen, and on an X server of their own): a cell whose text does not
// fit shows it whole in a tip window laid over the cell as soon as the mouse
// enters; a cell that fits shows none; leaving hides it. Titles and footers
// with ToolTips do the same.
#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <gtest/gtest.h>

#include "dbcontrols/tooltipswindow.h"
#include "dbgrid/core/gridtooltips.h"
#include "platform/ui/hintwindow.h"
#include "platform/ui/picture.h"
#include "tests/dbgrid/core/dbgridtesting.h"

namespace {

constexpr int kIdCol = 1;
constexpr int kNameCol = 3;
constexpr int kChannelCol = 4;

struct TToolTipGrid : TStepsGrid {
    TToolTipGrid()
    {
        Column(0)->SetToolTips(true);
        Column(2)->SetToolTips(true);
        Column(2)->SetWidth(30);
    }
    ~TToolTipGrid() { Application->CancelHint(); }

    // The mouse moves to the middle of a cell, as the window system says.
    void MoveOver(int ACol, int ARow) const
    {
        const TRect r = Grid->CellBounds(ACol, ARow);
        const QPoint local((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
        QMouseEvent move(QEvent::MouseMove, local, Grid->Widget()->mapToGlobal(local), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(Grid->Widget(), &move);
    }
    TToolTipsWindow* ShownTip() const { return dynamic_cast<TToolTipsWindow*>(Application->HintWindow()); }
};

} // namespace

TEST(DBGridToolTips, ClippedDataCellShowsItsTextOverTheCellUntilTheMouseLeaves)
{
    TToolTipGrid f;
    f.MoveOver(kNameCol, 1);
    TToolTipsWindow* tip = f.ShownTip();
    ASSERT_NE(tip, nullptr);
    EXPECT_TRUE(tip->Widget()->isVisible());
    EXPECT_EQ(tip->Caption(), "Схема 1");
    const TPoint cellOnScreen = f.Grid->ClientToScreen(f.Grid->CellBounds(kNameCol, 1).TopLeft());
    EXPECT_EQ((TPoint{tip->Left(), tip->Top()}), cellOnScreen);
    EXPECT_GT(tip->Width(), f.Grid->ColWidths(kNameCol)) << "wide enough for the whole text";

    f.MoveOver(kNameCol, 2);
    ASSERT_NE(f.ShownTip(), nullptr);
    EXPECT_EQ(f.ShownTip()->Caption(), "Схема 2");

    f.MoveOver(kIdCol, 2);
    EXPECT_EQ(Application->HintWindow(), nullptr) << "the number fits its cell";

    f.MoveOver(kNameCol, 3);
    ASSERT_NE(f.ShownTip(), nullptr);
    f.Grid->Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(Application->HintWindow(), nullptr);
}

TEST(DBGridToolTips, OnlyColumnsAndTitlesWithToolTipsShowThem)
{
    TToolTipGrid f;
    f.Column(2)->SetToolTips(false);
    f.MoveOver(kNameCol, 1);
    EXPECT_EQ(Application->HintWindow(), nullptr);

    TColumnTitleLt* title = f.Column(2)->Title();
    title->SetCaption("Название схемы полностью");
    f.MoveOver(kNameCol, 0);
    EXPECT_EQ(Application->HintWindow(), nullptr) << "the title has no ToolTips";
    title->SetToolTips(true);
    f.MoveOver(kNameCol, 1);
    f.MoveOver(kNameCol, 0);
    ASSERT_NE(f.ShownTip(), nullptr);
    EXPECT_EQ(f.ShownTip()->Caption(), "Название схемы полностью");

    title->SetCaption("Н");
    f.MoveOver(kNameCol, 1);
    f.MoveOver(kNameCol, 0);
    EXPECT_EQ(Application->HintWindow(), nullptr) << "a title that fits shows no tip";
}

TEST(DBGridToolTips, TitleHintShowsItsShortFormThroughTheUsualHint)
{
    TToolTipGrid f;
    f.Column(2)->Title()->SetToolTips(true);
    f.Column(2)->Title()->SetCaption("Название схемы полностью");
    f.Column(2)->Title()->SetHint("Имя схемы|Имя, под которым схема хранится");
    const TRect r = f.Grid->CellBounds(kNameCol, 0);
    ASSERT_TRUE(ShowControlHint(f.Grid, f.Grid->ClientToScreen(TPoint{r.Left + 2, r.Top + 2})));
    ASSERT_NE(Application->HintWindow(), nullptr);
    EXPECT_EQ(Application->HintWindow()->Caption(), "Имя схемы");
    EXPECT_EQ(f.ShownTip(), nullptr) << "a plain hint, not a cell's tool tip";
}

TEST(DBGridToolTips, CheckBoxAndImageCellsShowThePickListEntryOfTheirValue)
{
    TToolTipGrid f;
    TColumnLt* channel = f.Column(3);
    channel->KeyList()->SetCommaText("1,0");
    channel->PickList()->SetCommaText("нет,да,неясно");
    channel->SetCheckboxes(true);
    channel->SetToolTips(true);
    // Row 1 holds '1': checked, the entry at index 1.
    f.MoveOver(kChannelCol, 1);
    ASSERT_NE(f.ShownTip(), nullptr);
    EXPECT_EQ(f.ShownTip()->Caption(), "да");
    f.MoveOver(kChannelCol, 2);
    ASSERT_NE(f.ShownTip(), nullptr);
    EXPECT_EQ(f.ShownTip()->Caption(), "нет");
}

TEST(DBGridToolTips, FooterWithToolTipsShowsATruncatedTextAsPaintedOnly)
{
    TToolTipGrid f;
    f.Grid->SetFooterRowCount(1);
    const int footerRow = f.Grid->RowCount();
    TColumnFooterLt* footer = f.Column(2)->Footer();
    footer->SetValueType(fvtStaticText);
    footer->SetValue("Итого по всем схемам");
    f.MoveOver(kNameCol, footerRow);
    EXPECT_EQ(Application->HintWindow(), nullptr) << "the footer has no ToolTips";

    footer->SetToolTips(true);
    f.MoveOver(kNameCol, 1);
    f.MoveOver(kNameCol, footerRow);
    ASSERT_NE(f.ShownTip(), nullptr);
    EXPECT_EQ(f.ShownTip()->Caption(), "Итого по всем схемам");
    const TPoint cellOnScreen = f.Grid->ClientToScreen(f.Grid->CellBounds(kNameCol, footerRow).TopLeft());
    EXPECT_EQ((TPoint{f.ShownTip()->Left(), f.ShownTip()->Top()}), cellOnScreen);

    footer->SetValue("Σ");
    f.MoveOver(kNameCol, 1);
    f.MoveOver(kNameCol, footerRow);
    EXPECT_EQ(Application->HintWindow(), nullptr) << "a footer that fits shows no tip";

    // The footer handler's text is the one measured and shown.
    f.Grid->SetOnGetFooterParams([](TObject*, int, int, TColumnLt*, TFont*, TColor&, TAlignment&, TGridDrawState,
                                    std::string& Text) { Text = "Сумма задержек всех шагов"; });
    f.MoveOver(kNameCol, 1);
    f.MoveOver(kNameCol, footerRow);
    ASSERT_NE(f.ShownTip(), nullptr);
    EXPECT_EQ(f.ShownTip()->Caption(), "Сумма задержек всех шагов");
}

TEST(DBGridToolTips, TextNeedsToolTipComparesWithTheCellsRoom)
{
    TBitmap measure;
    measure.SetSize(1, 1);
    TCanvas* canvas = measure.Canvas();
    const int width = canvas->TextWidth("Схема");
    const int height = canvas->TextHeight("Схема");
    struct TCase {
        TRect Cell;
        bool WordWrap;
        bool Needed;
    };
    const TCase cases[] = {
        {Bounds(0, 0, width + 4, height + 1), false, false},   // exactly the room: margins 2 + 2, top 2 - 1
        {Bounds(0, 0, width + 3, height + 1), false, true},    // one pixel too narrow
        {Bounds(0, 0, width + 4, height), false, true},        // one pixel too low
        {Bounds(0, 0, 1, 40), false, true},                    // no room at all
    };
    for (const TCase& c : cases) {
        TPoint size;
        EXPECT_EQ(TextNeedsToolTip(canvas, c.Cell, "Схема", {c.WordWrap}, &size), c.Needed)
            << c.Cell.Width() << "x" << c.Cell.Height();
        EXPECT_EQ(size.Y, height);
    }
    // Wrapped text grows downwards instead.
    const std::string twoWords = "Схема Схема";
    const TRect wide = Bounds(0, 0, width + 4, 3 * height);
    EXPECT_TRUE(TextNeedsToolTip(canvas, wide, twoWords, {false}));
    EXPECT_FALSE(TextNeedsToolTip(canvas, wide, twoWords, {true}));
    EXPECT_TRUE(TextNeedsToolTip(canvas, Bounds(0, 0, width + 4, height + 2), twoWords, {true}));
}
