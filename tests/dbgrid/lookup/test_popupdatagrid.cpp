// The lookup popup on client tables: a window of its own that never takes
// the focus, hot tracking, the user's choices reported, and closing by the
// pointer (released on a row: accept; outside the window: decline). The
// pointer goes through the window system (offscreen, and on an X server in
// dbgrid_popups_x11). Its vertical bar moves the list by windows of rows.
#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTest>
#include <QWindow>

#include "dbcontrols/dropdownplace.h"
#include "dbcontrols/sizegriplt.h"
#include "dbgrid/lookup/popupdatagridlt.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/sysmetrics.h"
#include "tests/dbgrid/lookup/lookupgridtesting.h"

namespace {
class PopupDataGrid : public ::testing::Test {
protected:
    void SetUp() override
    {
        F = std::make_unique<TLookupGridFixture<TPopupDataGridLt>>(
            std::vector<std::string>{"Alpha", "album", "Beta", "bravo", "Борис", "борщ"});
        F->BindList();
        Popup().SetOnPointerCloseUp([this](TObject*, bool Accept) { CloseUps.push_back(Accept); });
        Popup().SetOnUserSelect([this](TObject*) { ++UserSelects; });
    }

    TPopupDataGridLt& Popup() const { return *F->Grid; }

    // Shows the popup at screen position (300, 100).
    QWindow* ShowPopup()
    {
        Popup().SetBounds(300, 100, 160, 10);
        Popup().SetRowCount(4);
        Popup().Show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(Popup().Widget(), 20000));
        return Popup().Widget()->windowHandle();
    }

    // The middle of grid row ARow, in the popup's pixels.
    QPoint RowPoint(int ARow) const
    {
        const TRect r = Popup().CellBounds(0, ARow);
        return QPoint(r.Left + 10, (r.Top + r.Bottom) / 2);
    }

    std::unique_ptr<TLookupGridFixture<TPopupDataGridLt>> F;
    std::vector<bool> CloseUps;
    int UserSelects = 0;
};
} // namespace

TEST_F(PopupDataGrid, IsAWindowOfItsOwnWithAGrip)
{
    Popup().SetBounds(300, 100, 5, 5);
    QWidget* w = Popup().Widget();
    EXPECT_TRUE(w->isWindow());
    EXPECT_TRUE(w->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_TRUE(w->testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_GE(Popup().Width(), GetSystemMetrics(SM_CXVSCROLL)) << "never narrower than a scroll bar";
    EXPECT_GE(Popup().Height(), GetSystemMetrics(SM_CXVSCROLL));

    Popup().SetSizeGripResized(false);
    Popup().SetBounds(300, 100, 180, 120);
    EXPECT_TRUE(Popup().SizeGripResized());
    TSizeGripLt* grip = Popup().SizeGrip();
    const TRect client = Popup().ClientRect();
    EXPECT_EQ(grip->Left() + grip->Width(), client.Right);
    EXPECT_EQ(grip->Top() + grip->Height(), client.Bottom);
    Popup().Perform(WM_DROPDOWNSIDE, 2);   // opened above the editor
    EXPECT_EQ(grip->Top(), client.Top);
}

TEST_F(PopupDataGrid, ReleasingOutsideDeclinesAndOnARowAccepts)
{
    QWindow* window = ShowPopup();
    ASSERT_NE(window, nullptr);
    const int first = Popup().TitleRowCount();
    QTest::mousePress(window, Qt::LeftButton, {}, RowPoint(first + 1));
    EXPECT_EQ(Popup().SelectedText(), "album") << "the press chooses the row";
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(-40, Popup().Height() + 30));
    ASSERT_TRUE(WaitUntil([&] { return !CloseUps.empty(); }, 20000));
    EXPECT_EQ(CloseUps, std::vector<bool>{false});

    QTest::mousePress(window, Qt::LeftButton, {}, RowPoint(first + 2));
    QTest::mouseRelease(window, Qt::LeftButton, {}, RowPoint(first + 2));
    ASSERT_TRUE(WaitUntil([&] { return CloseUps.size() == 2; }, 20000));
    EXPECT_EQ(CloseUps, (std::vector<bool>{false, true}));
    EXPECT_EQ(Popup().SelectedKey(), Variant(3));
    EXPECT_EQ(Popup().SelectedText(), "Beta");
    EXPECT_GE(UserSelects, 2) << "each press chose a row for the user";
}

TEST_F(PopupDataGrid, ReleasingOnTheSpecialRowAcceptsIt)
{
    F->ShowSpecRow("<нет>");
    Popup().SetSelectedKey(Variant(2));
    QWindow* window = ShowPopup();
    const int spec = Popup().TitleRowCount() - 1;
    QTest::mousePress(window, Qt::LeftButton, {}, RowPoint(spec));
    QTest::mouseRelease(window, Qt::LeftButton, {}, RowPoint(spec));
    ASSERT_TRUE(WaitUntil([&] { return !CloseUps.empty(); }, 20000));
    EXPECT_EQ(CloseUps, std::vector<bool>{true});
    EXPECT_TRUE(Popup().SpecRowSelected());
    EXPECT_TRUE(Popup().SelectedKey().IsNull());
}

TEST_F(PopupDataGrid, PointerWithoutButtonsSelectsTheRowUnderIt)
{
    QWindow* window = ShowPopup();
    const int first = Popup().TitleRowCount();
    QTest::mouseMove(Popup().Widget(), RowPoint(first + 3));
    ASSERT_TRUE(WaitUntil([&] { return Popup().SelectedText() == "bravo"; }, 20000)) << Popup().SelectedText();
    EXPECT_EQ(UserSelects, 1);
    EXPECT_TRUE(CloseUps.empty()) << "moving never closes";

    Popup().SetReadOnly(true);
    QTest::mouseMove(Popup().Widget(), RowPoint(first));
    QTest::qWait(50);
    EXPECT_EQ(Popup().SelectedText(), "bravo") << "a read-only popup does not follow the pointer";
}

TEST_F(PopupDataGrid, ReportsTheUsersKeysButNotChangesFromCode)
{
    Popup().SetSelectedKey(Variant(1));
    EXPECT_EQ(UserSelects, 0);
    Popup().Perform(WM_KEYDOWN, VK_DOWN);
    EXPECT_EQ(UserSelects, 1);
    EXPECT_EQ(Popup().SelectedText(), "album");
    Popup().SetSelectedKey(Variant(4));
    EXPECT_EQ(UserSelects, 1);
}

// Runs on a window system that honours activation (the X server); the
// offscreen platform activates every window it shows.
TEST_F(PopupDataGrid, ShowingAndClickingNeverTakesTheFocus)
{
    if (QGuiApplication::platformName() == "offscreen")
        GTEST_SKIP() << "the offscreen platform activates every window it shows";
    auto* edit = new TEdit(F->Form.get());
    edit->SetParent(F->Form.get());
    edit->SetFocus();
    ASSERT_TRUE(WaitUntil([&] { return edit->Focused(); }, 20000));
    QWindow* window = ShowPopup();
    QTest::qWait(100);
    EXPECT_TRUE(edit->Focused());
    QTest::mouseClick(window, Qt::LeftButton, {}, RowPoint(Popup().TitleRowCount()));
    QTest::qWait(100);
    EXPECT_TRUE(edit->Focused());
    EXPECT_EQ(Popup().SelectedText(), "Alpha");
}

TEST_F(PopupDataGrid, ItsScrollBarMovesTheListByWindowsOfRows)
{
    ShowPopup();
    Popup().SetSelectedKey(2);
    F->Schemes->First();
    TScrollBar* bar = Popup().VertScrollBarControl();
    ASSERT_TRUE(bar->Visible());
    EXPECT_EQ(bar->Min(), 1);
    EXPECT_EQ(bar->Max(), 6 + 4 - 1);
    EXPECT_EQ(bar->PageSize(), 4);
    auto& q = *static_cast<QScrollBar*>(bar->Widget());
    struct TStep {
        QAbstractSlider::SliderAction Action;
        int RecNo;
    };
    // Rows 1-4 shown: a line down brings in record 5, a line up the record
    // above the window again; a page up from the end goes back a whole
    // window of rows less one.
    const TStep steps[] = {
        {QAbstractSlider::SliderSingleStepAdd, 5}, {QAbstractSlider::SliderSingleStepSub, 1},
        {QAbstractSlider::SliderToMaximum, 6},     {QAbstractSlider::SliderPageStepSub, 1},
        {QAbstractSlider::SliderPageStepAdd, 6},
    };
    for (const TStep& s : steps) {
        q.triggerAction(s.Action);
        EXPECT_EQ(F->Schemes->RecNo(), s.RecNo) << s.Action;
        EXPECT_EQ(bar->Position(), s.RecNo) << s.Action;
    }
    // The thumb puts the list on its record number as it is dragged.
    q.setSliderDown(true);
    q.setSliderPosition(3);
    EXPECT_EQ(F->Schemes->RecNo(), 3);
    q.setSliderDown(false);
    EXPECT_EQ(F->Schemes->RecNo(), 3);
    // Scrolling chooses nothing.
    EXPECT_EQ(Popup().SelectedKey().AsInteger(), 2);
    EXPECT_EQ(UserSelects, 0);
}
