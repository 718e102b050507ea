#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include "dbcontrols/popuplistboxlt.h"
#include "dbcontrols/sizegriplt.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/windowregion.h"
#include "popuptesting.h"

namespace {
class PopupList : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestApplication();
        Form = std::make_unique<TPopupHostForm>(nullptr);
        List = new TPopupListboxLt(Form.get());
        List->SetParent(Form.get());
        List->SetClock([this] { return Now; });
        for (const char* s : {"alpha", "abacus", "Beta", "bravo", "ABC", "Борис", "борщ"})
            List->Items()->Add(s);
    }

    void Type(char32_t Ch, uint32_t At)
    {
        Now = At;
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUcs4(&Ch, 1));
        QApplication::sendEvent(List->Widget(), &press);
    }

    std::unique_ptr<TPopupHostForm> Form;
    TPopupListboxLt* List = nullptr;
    uint32_t Now = 10000;
};

struct TSearchCase {
    const char* Name;
    std::u32string Keys;
    std::vector<uint32_t> Times;
    int Selected;
    std::u32string Text;
};

class PopupListSearch : public PopupList, public ::testing::WithParamInterface<TSearchCase> {};

TEST_P(PopupListSearch, SelectsTheFirstRowStartingWithTheTypedText)
{
    const TSearchCase& c = GetParam();
    for (std::size_t i = 0; i < c.Keys.size(); ++i)
        Type(c.Keys[i], c.Times[i]);
    EXPECT_EQ(List->ItemIndex(), c.Selected);
    EXPECT_EQ(List->SearchText(), c.Text);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, PopupListSearch,
    ::testing::Values(TSearchCase{"QuickKeysExtend", U"ab", {10000, 10100}, 1, U"ab"},
                      TSearchCase{"PauseStartsAnew", U"ab", {10000, 12100}, 2, U"b"},
                      TSearchCase{"TwoSecondsIsStillQuick", U"ab", {10000, 12000}, 1, U"ab"},
                      TSearchCase{"CaseIgnored", U"BR", {10000, 10001}, 3, U"BR"},
                      TSearchCase{"CyrillicCaseIgnored", U"БОР", {10000, 10001, 10002}, 5, U"БОР"},
                      TSearchCase{"NoMatchKeepsSelection", U"az", {10000, 10001}, 0, U"az"},
                      TSearchCase{"ClockWrapsAround", U"ab", {0xFFFFFF00u, 0x00000010u}, 1, U"ab"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(PopupList, SearchTextStopsAtThirtyTwoCharacters)
{
    for (int i = 0; i < 33; ++i)
        Type(U'x', 10000 + static_cast<uint32_t>(i));
    EXPECT_EQ(List->SearchText(), std::u32string(32, U'x'));
}

TEST_F(PopupList, BackspaceAndEscapeClearTheSearch)
{
    for (const Qt::Key key : {Qt::Key_Backspace, Qt::Key_Escape}) {
        Type(U'b', 10000);
        ASSERT_EQ(List->SearchText(), U"b");
        QTest::keyClick(List->Widget(), key);
        EXPECT_TRUE(List->SearchText().empty());
        Type(U'a', 10001);
        EXPECT_EQ(List->SearchText(), U"a") << "a new search after the clear";
        QTest::keyClick(List->Widget(), Qt::Key_Escape);
    }
}

struct THeightCase {
    int Height;
    int ItemHeight;
    bool Ctl3D;
    int ExpectedHeight;
    int Rows;
};

class PopupListHeight : public PopupList, public ::testing::WithParamInterface<THeightCase> {};

TEST_P(PopupListHeight, KeepsWholeRows)
{
    const THeightCase& c = GetParam();
    List->SetCtl3D(c.Ctl3D);
    List->SetItemHeight(c.ItemHeight);
    List->SetBounds(10, 10, 120, c.Height);
    EXPECT_EQ(List->Height(), c.ExpectedHeight);
    EXPECT_EQ(List->RowCount(), c.Rows);
    EXPECT_EQ(List->VisibleRowCount(), c.Rows);
}

INSTANTIATE_TEST_SUITE_P(Rows, PopupListHeight,
                         ::testing::Values(THeightCase{100, 13, true, 95, 7}, THeightCase{95, 13, true, 95, 7},
                                           THeightCase{100, 13, false, 93, 7}, THeightCase{30, 13, true, 30, 2},
                                           THeightCase{20, 13, true, 17, 1}, THeightCase{200, 20, true, 184, 9}));

TEST_F(PopupList, RowCountSetsTheHeightOfThatManyRows)
{
    List->SetItemHeight(13);
    List->SetRowCount(5);
    EXPECT_EQ(List->Height(), 5 * 13 + 4);
    List->SetRowCount(0);
    EXPECT_EQ(List->RowCount(), 1);
}

TEST_F(PopupList, SourceItemsShowWithoutCopying)
{
    TStringList source;
    source.Add("one");
    source.Add("two");
    List->SetSourceItems(&source);
    EXPECT_EQ(List->Count(), 2);
    EXPECT_EQ(List->ItemText(1), "two");
    List->SetSourceItems(nullptr);
    EXPECT_EQ(List->Count(), 7);
    EXPECT_EQ(List->ItemText(0), "alpha");
}

// The window system answers late on a loaded machine: waits long enough for
// it and no longer than needed.
bool WaitUntil(const std::function<bool()>& Done)
{
    QElapsedTimer clock;
    clock.start();
    while (!Done() && clock.elapsed() < 20000)
        QTest::qWait(10);
    return Done();
}

TEST_F(PopupList, MovingThePointerSelectsTheRowUnderIt)
{
    List->SetItemHeight(13);
    List->SetBounds(10, 10, 120, 95);
    List->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(List->Widget(), 20000));
    const TRect row = List->ItemRect(2);
    // On an X server the pointer's move comes back as an event of its own.
    QTest::mouseMove(List->Widget(), QPoint(row.Left + 5, row.Top + 3));
    WaitUntil([&] { return List->ItemIndex() != -1; });
    EXPECT_EQ(List->ItemIndex(), 2);
}

// Runs on a window system that honours activation (the X server); the
// offscreen platform activates every window it shows.
TEST_F(PopupList, IsAWindowOfItsOwnThatNeverTakesTheFocus)
{
    if (QGuiApplication::platformName() == "offscreen")
        GTEST_SKIP() << "the offscreen platform activates every window it shows";
    auto* edit = new TEdit(Form.get());
    edit->SetParent(Form.get());
    Form->SetBounds(100, 100, 300, 200);
    Form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form->Widget(), 20000));
    Form->Widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form->Widget(), 20000));
    edit->SetFocus();
    ASSERT_TRUE(WaitUntil([&] { return edit->Focused(); }));

    List->SetBounds(120, 150, 120, 95);
    List->Show();
    QWidget* w = List->Widget();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w, 20000));
    EXPECT_TRUE(w->isWindow()) << "still a window while its control stands on the form";
    EXPECT_EQ(w->geometry(), QRect(120, 150, 120, List->Height())) << "placed in screen coordinates";
    QTest::qWait(100);
    EXPECT_TRUE(edit->Focused());
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::qWait(100);
    EXPECT_TRUE(edit->Focused());
    EXPECT_EQ(List->ItemIndex(), 1);
}

TEST_F(PopupList, StaysAWindowOnItsParentControl)
{
    List->SetBounds(120, 150, 120, 95);
    QWidget* w = List->Widget();
    EXPECT_TRUE(w->isWindow());
    EXPECT_TRUE(w->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_TRUE(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(w->testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_EQ(w->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(w->geometry(), QRect(120, 150, 120, List->Height())) << "placed in screen coordinates";
}

struct TSideCase {
    int Position;
    int Side;
    int Expected;
};

class GripSide : public PopupList, public ::testing::WithParamInterface<TSideCase> {};

TEST_P(GripSide, TurnsAwayFromTheEditor)
{
    const TSideCase& c = GetParam();
    List->SetBounds(10, 10, 120, 95);
    List->SizeGrip()->SetPosition(c.Position);
    List->Perform(WM_DROPDOWNSIDE, static_cast<WPARAM>(c.Side));
    TSizeGripLt* grip = List->SizeGrip();
    EXPECT_EQ(grip->Position(), c.Expected);
    const TRect client = List->ClientRect();
    const bool right = c.Expected == 1 || c.Expected == 2;
    const bool bottom = c.Expected == 2 || c.Expected == 3;
    EXPECT_EQ(grip->Left(), right ? client.Right - grip->Width() : client.Left);
    EXPECT_EQ(grip->Top(), bottom ? client.Bottom - grip->Height() : client.Top);
}

INSTANTIATE_TEST_SUITE_P(
    Sides, GripSide,
    ::testing::Values(TSideCase{1, 0, 0}, TSideCase{2, 0, 3}, TSideCase{0, 0, 0}, TSideCase{3, 0, 3},
                      TSideCase{0, 1, 1}, TSideCase{3, 1, 2}, TSideCase{1, 1, 1}, TSideCase{2, 1, 2},
                      TSideCase{2, 2, 1}, TSideCase{3, 2, 0}, TSideCase{0, 2, 0}, TSideCase{1, 2, 1},
                      TSideCase{1, 3, 2}, TSideCase{0, 3, 3}, TSideCase{2, 3, 2}, TSideCase{3, 3, 3}));

TEST_F(PopupList, GripIsATriangleWithItsRightAngleInTheCorner)
{
    TSizeGripLt* grip = List->SizeGrip();
    const int w = grip->Width(), h = grip->Height();
    struct {
        int Position;
        TPoint Corner;
        TPoint Opposite;
    } cases[] = {{2, {w - 2, h - 2}, {1, 1}}, {0, {1, 1}, {w - 2, h - 2}}, {1, {w - 2, 1}, {1, h - 2}},
                 {3, {1, h - 2}, {w - 2, 1}}};
    for (const auto& c : cases) {
        grip->SetPosition(c.Position);
        EXPECT_TRUE(WindowRegionContains(grip, c.Corner)) << c.Position;
        EXPECT_FALSE(WindowRegionContains(grip, c.Opposite)) << c.Position;
    }
    grip->SetTriangleShape(false);
    EXPECT_TRUE(WindowRegionContains(grip, {1, 1}));
    EXPECT_EQ(grip->Cursor(), crSizeNESW);
}
} // namespace
