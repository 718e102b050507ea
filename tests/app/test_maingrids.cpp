// The main window's grids on the program's own window and database, driven
// by the mouse and painted as the operator sees them: a double click on a
// channel cell toggles the channel, rows with pending changes are painted
// blue (steps) or red (the other tables) until applied or cancelled. The
// programme row's list of scheme names appears on the screen, also empty on
// a fresh database, with no scroll bar while its rows all show; a five-digit
// delay shows whole in its editor; the time table's upper title bands reach
// the top of the title row. A drag down the steps' delays selects them.
#include "tests/app/programtesting.h"

#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <functional>

#include "dbgrid/core/columnlt.h"
#include "dbgrid/core/dbgridlt.h"
#include "dbgrid/editor/dbgridinplaceedit.h"
#include "dbgrid/engine/inplaceedit.h"
#include "dbgrid/lookup/popupdatagridlt.h"
#include "dbgrid/selection/dbgridselection.h"
#include "tests/app/maingridtesting.h"

namespace {

class MainGrids : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        MakeSchemes({{1, 6}, {2, 1}, {3, 1}});
        DM->cdsSchemes->First();
        DM->cdsLighting->Last();
    }

    // Programme rows 1..3 playing scheme 1 and time-table rows 1..3, stored.
    void MakeProgrammeAndTimeTable()
    {
        for (int id = 1; id <= 3; ++id) {
            DM->cdsProgramm->Append();
            DM->cdsProgrammFID->SetAsInteger(id);
            DM->cdsProgrammFSCHEME->SetAsInteger(1);
            DM->cdsProgrammFCOUNT->SetAsInteger(id);
            DM->cdsProgramm->Post();
            DM->cdsTime->Append();
            DM->cdsTimeFID->SetAsInteger(id);
            DM->cdsTimeFONHOUR->SetAsInteger(id);
            DM->cdsTime->Post();
        }
        DM->cdsProgramm->ApplyUpdates(-1);
        DM->cdsTime->ApplyUpdates(-1);
        DM->cdsProgramm->First();
        DM->cdsTime->First();
    }

    // Clicks the button of the first programme row's scheme name: its list
    // drops down and shows; nullptr when it did not.
    TPopupDataGridLt* DropSchemeList()
    {
        TDBGridLt* grid = frmMain->grdProgramm;
        const TRect name = DataCellBounds(grid, 0, 1);
        QTest::mouseClick(grid->Widget(), Qt::LeftButton, {}, QPoint(name.Right - 3, (name.Top + name.Bottom) / 2));
        auto* editor = dynamic_cast<TDBGridInplaceEdit*>(grid->InplaceEditor());
        if (!editor || !editor->ListShown())
            return nullptr;
        TPopupDataGridLt* list = editor->Column()->LookupPopupGrid();
        return QTest::qWaitForWindowExposed(list->Widget()) ? list : nullptr;
    }
};

TEST_F(MainGrids, ADoubleClickOnAChannelCellTogglesThatChannelOfTheClickedStep)
{
    // As the program starts: the window is shown but the window system has
    // not made it the active window yet.
    TDBGridLt* grid = frmMain->grdLighting;
    ASSERT_EQ(DM->cdsLighting->RecNo(), 6);
    struct TCase {
        int Step;
        int Channel;
    };
    for (const TCase c : {TCase{2, 3}, TCase{5, 16}, TCase{1, 1}}) {
        SCOPED_TRACE("step " + std::to_string(c.Step) + ", channel " + std::to_string(c.Channel));
        const std::vector<std::string> before = StepChannels();
        const QPoint at = CellCentre(grid, c.Channel, c.Step);
        QTest::mouseDClick(grid->Widget(), Qt::LeftButton, {}, at);
        EXPECT_EQ(DM->cdsLighting->RecNo(), c.Step);
        std::vector<std::string> expected = before;
        char& channel = expected[c.Step - 1][c.Channel - 1];
        channel = channel == '1' ? '0' : '1';
        EXPECT_EQ(StepChannels(), expected);
        QTest::mouseDClick(grid->Widget(), Qt::LeftButton, {}, at);
        EXPECT_EQ(StepChannels(), before);
    }
}

TEST_F(MainGrids, AfterADelayIsTypedAndTheRowLeftADoubleClickTogglesAnotherStepsChannel)
{
    frmMain->Widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frmMain->Widget()));
    TDBGridLt* grid = frmMain->grdLighting;
    DM->cdsLighting->First();
    QTest::mouseClick(grid->Widget(), Qt::LeftButton, {}, CellCentre(grid, 0, 2));
    TypeInto(frmMain->Widget(), "500");
    // Down stores the delay and leaves the editor open on the next step.
    QTest::keyClick(frmMain->Widget()->focusWidget(), Qt::Key_Down);
    ASSERT_EQ(DM->cdsLighting->RecNo(), 3);
    std::vector<std::string> expected = StepChannels();
    expected[0][2] = expected[0][2] == '1' ? '0' : '1';
    // The first press of the double click moves to the step, the second
    // toggles the channel.
    const QPoint channel = CellCentre(grid, 3, 1);
    QTest::mouseClick(grid->Widget(), Qt::LeftButton, {}, channel);
    EXPECT_TRUE(Asked.empty()) << Asked.front().Text;
    EXPECT_EQ(DM->cdsLighting->RecNo(), 1);
    QTest::mouseDClick(grid->Widget(), Qt::LeftButton, {}, channel);
    // No text editor covers the channel's image.
    EXPECT_FALSE(grid->InplaceEditor()->Visible());
    EXPECT_EQ(StepChannels(), expected);
    EXPECT_EQ(Steps()[1].second, 500);
}

TEST_F(MainGrids, RowsWithPendingChangesArePaintedInTheirTablesColourUntilAppliedOrCancelled)
{
    MakeProgrammeAndTimeTable();
    struct TCase {
        const char* Table;
        TDBGridLt* Grid;
        TClientDataSet* DataSet;
        int DataCol;
        std::function<void()> Change;   // of the second row
        QColor Colour;
    };
    const std::vector<TCase> cases{
        {"Schemes", frmMain->grdSchemes, DM->cdsSchemes, 0, [] { DM->cdsSchemesFNAME->SetAsString("Схема 2а"); },
         Qt::red},
        {"Lighting", frmMain->grdLighting, DM->cdsLighting, 0, [] { DM->cdsLightingFDELAY->SetAsInteger(777); },
         Qt::blue},
        {"Programm", frmMain->grdProgramm, DM->cdsProgramm, 1, [] { DM->cdsProgrammFCOUNT->SetAsInteger(9); },
         Qt::red},
        {"Time", frmMain->grdTime, DM->cdsTime, 0, [] { DM->cdsTimeFONHOUR->SetAsInteger(9); }, Qt::red},
    };
    for (const TCase& c : cases) {
        DM->cdsSchemes->First();
        for (const char* ending : {"ApplyAll", "CancelAll"}) {
            SCOPED_TRACE(std::string(c.Table) + ", " + ending);
            // The second row changes; the first stays current, so neither
            // row compared is painted as the selected cell.
            c.DataSet->SetRecNo(2);
            c.DataSet->Edit();
            c.Change();
            c.DataSet->Post();
            c.DataSet->First();
            const auto ink = [&](int RecNo) { return InkOfCell(c.Grid, c.DataCol, RecNo); };
            EXPECT_TRUE(IsColour(ink(2), c.Colour)) << ink(2).name().toStdString();
            EXPECT_TRUE(IsColour(ink(3), Qt::black)) << ink(3).name().toStdString();
            Run(std::string("ac") + c.Table + ending);
            EXPECT_EQ(c.DataSet->ChangeCount(), 0);
            c.DataSet->First();
            EXPECT_TRUE(IsColour(ink(2), Qt::black)) << ink(2).name().toStdString();
        }
    }
}

// The list is a window of its own with no parent control: the X server
// must map it where it stands, over the main window, showing what it paints.
TEST_F(MainGrids, TheSchemeListOfAProgrammeRowIsOnTheScreenBelowItsCell)
{
    MakeProgrammeAndTimeTable();
    TDBGridLt* grid = frmMain->grdProgramm;
    const TRect name = DataCellBounds(grid, 0, 1);
    TPopupDataGridLt* popup = DropSchemeList();
    ASSERT_NE(popup, nullptr);
    QWidget* list = popup->Widget();

    const QRect area = list->geometry();
    EXPECT_EQ(area.top(), grid->Widget()->mapToGlobal(QPoint(0, name.Bottom)).y());
    ASSERT_TRUE(QGuiApplication::primaryScreen()->geometry().contains(area));
    ASSERT_GT(area.height(), 2 * (name.Bottom - name.Top));
    const QImage painted = list->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage onScreen = QGuiApplication::primaryScreen()
                                ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
                                .toImage()
                                .convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(onScreen.size(), painted.size());
    int same = 0;
    for (int y = 0; y < painted.height(); ++y)
        for (int x = 0; x < painted.width(); ++x)
            same += onScreen.pixel(x, y) == painted.pixel(x, y);
    EXPECT_GE(same, painted.width() * painted.height() * 95 / 100);
}

// Three schemes fit the list's rows: it has nothing to scroll and shows no
// bar for it.
TEST_F(MainGrids, TheSchemeListShowsNoScrollBarWhenAllItsRowsFit)
{
    MakeProgrammeAndTimeTable();
    TPopupDataGridLt* list = DropSchemeList();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(DM->cdsSchemes->RecordCount(), 3);
    EXPECT_FALSE(list->VertScrollBarControl() && list->VertScrollBarControl()->Visible());
}

// The steps grid's delay column is 34 pixels wide: a delay of five digits
// being typed shows whole in its editor, its first digit included.
TEST_F(MainGrids, AFiveDigitDelayShowsWholeWhileEditedInItsNarrowColumn)
{
    frmMain->Widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frmMain->Widget()));
    TDBGridLt* grid = frmMain->grdLighting;
    ASSERT_EQ(grid->Columns()->Items(0)->Width(), 34);
    DM->cdsLighting->First();
    QTest::mouseClick(grid->Widget(), Qt::LeftButton, {}, CellCentre(grid, 0, 2));
    TypeInto(frmMain->Widget(), "65535");
    TInplaceEdit* editor = grid->InplaceEditor();
    ASSERT_TRUE(editor && editor->Visible());
    ASSERT_EQ(editor->Text(), "65535");
    // The painted digits span the width of the whole text.
    const QImage image = editor->Widget()->grab().toImage();
    int left = image.width(), right = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 100) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    TCanvas canvas;
    canvas.SetFont(editor->Font());
    EXPECT_GE(right - left + 2, canvas.TextWidth("65535"));
}

// The time table's two-level titles: the band over "час." and "мин." covers
// the line between them up to the top of the title row.
TEST_F(MainGrids, TheTimeTablesUpperTitleBandsReachTheTopOfTheTitleRow)
{
    TDBGridLt* grid = frmMain->grdTime;
    const QImage image = grid->Widget()->grab().toImage();
    const TRect hours = grid->CellBounds(grid->DataToRawColumn(0), 0);
    const TRect minutes = grid->CellBounds(grid->DataToRawColumn(1), 0);
    ASSERT_LT(hours.Right, minutes.Left);
    for (int y = hours.Top; y < hours.Top + 4; ++y) {
        SCOPED_TRACE(y);
        EXPECT_EQ(image.pixel(hours.Right, y), image.pixel(hours.Right - 4, y));
    }
}

TEST_F(MainGrids, ADragDownTheStepsDelaysSelectsThemAsARectangle)
{
    TDBGridLt* grid = frmMain->grdLighting;
    ASSERT_LT(grid->DataToRawColumn(0), grid->FixedCols());   // the delays stay when the channels scroll
    DragDownCells(grid, 0, 2, 5);
    EXPECT_TRUE(Asked.empty()) << Asked.front().Text;
    TDBGridLtSelection* selection = grid->Selection();
    ASSERT_EQ(selection->SelectionType(), gstRectangle);
    EXPECT_EQ(DM->cdsLighting->RecNo(), 5);
    EXPECT_EQ(selection->Rect()->LeftCol(), 0);
    EXPECT_EQ(selection->Rect()->RightCol(), 0);
    // Painted as selected: the delays of steps 2 to 4 (step 5's is the
    // current cell), not those of the other steps nor a channel beside them.
    const QColor selected = BackgroundOfCell(grid, 0, 3);
    for (int step = 1; step <= 6; ++step) {
        SCOPED_TRACE(step);
        if (step >= 2 && step <= 4)
            EXPECT_EQ(BackgroundOfCell(grid, 0, step), selected);
        else if (step != 5)
            EXPECT_NE(BackgroundOfCell(grid, 0, step), selected);
        EXPECT_NE(BackgroundOfCell(grid, 1, step), selected);
    }
}

// A fresh database: no scheme yet.
class EmptyMainGrids : public ProgramTest {};

TEST_F(EmptyMainGrids, AProgrammeRowsSchemeListOpensEmptyWithoutAnError)
{
    PressButton("btnProgrammAdd");
    TDBGridLt* grid = frmMain->grdProgramm;
    const TRect name = DataCellBounds(grid, 0, 1);
    QTest::mouseClick(grid->Widget(), Qt::LeftButton, {}, QPoint(name.Right - 3, (name.Top + name.Bottom) / 2));
    EXPECT_TRUE(Asked.empty()) << Asked.front().Text;
    auto* editor = dynamic_cast<TDBGridInplaceEdit*>(grid->InplaceEditor());
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->ListShown());
    const TPopupDataGridLt* list = editor->Column()->LookupPopupGrid();
    EXPECT_GE(list->Row(), list->FixedRows());
    // Closed again, the row still waits for its scheme.
    QTest::keyClick(frmMain->Widget()->focusWidget(), Qt::Key_Escape);
    EXPECT_TRUE(Asked.empty()) << Asked.front().Text;
    EXPECT_TRUE(DM->cdsProgrammFSCHEME->IsNull());
}

} // namespace
