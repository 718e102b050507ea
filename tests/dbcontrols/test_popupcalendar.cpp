#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include "dbcontrols/popupmonthcalendarlt.h"
#include "popuptesting.h"

namespace {
class PopupCalendar : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestApplication();
        Form = std::make_unique<TPopupHostForm>(nullptr);
        Calendar = new TPopupMonthCalendarLt(Form.get());
        Calendar->SetParent(Form.get());
        Calendar->SetDate(EncodeDate(2024, 2, 14));
        Calendar->SetLeft(50);
        Calendar->SetTop(60);
        Calendar->Show();
    }

    void Click(const TPoint& P)
    {
        QTest::mouseClick(Calendar->Widget(), Qt::LeftButton, {}, QPoint(P.X, P.Y));
    }

    static TPoint Centre(const TRect& R) { return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2}; }

    std::unique_ptr<TPopupHostForm> Form;
    TPopupMonthCalendarLt* Calendar = nullptr;
};

TEST_F(PopupCalendar, TakesItsMinimumSizeWithTheBorder)
{
    const TRect minimum = Calendar->MinimumRect();
    EXPECT_EQ(Calendar->Width(), minimum.Width());
    EXPECT_EQ(Calendar->Height(), minimum.Height());
    EXPECT_TRUE(Calendar->Widget()->isWindow());
    const TMonthCalendar plain(nullptr);
    EXPECT_EQ(minimum.Width(), plain.MinimumRect().Width() + 4);
}

TEST_F(PopupCalendar, ClickOnANextMonthDateClosesAccepting)
{
    // February 2024 ends on a Thursday: row 4 holds 1 March on Friday.
    ASSERT_EQ(Calendar->CellDate(4, 4), EncodeDate(2024, 3, 1));
    Click(Centre(Calendar->CellRect(4, 4)));
    EXPECT_EQ(Calendar->Date(), EncodeDate(2024, 3, 1));
    EXPECT_EQ(Form->CloseUps, std::vector<bool>{true});
}

TEST_F(PopupCalendar, ReleasesThatKeepOrLeaveTheChoice)
{
    const TRect day = Calendar->CellRect(0, 3);
    struct {
        const char* Name;
        TPoint Where;
        bool Closes;
    } cases[] = {
        {"date", Centre(Calendar->CellRect(2, 2)), true},
        {"previous month's date", Centre(Calendar->CellRect(0, 0)), true},
        {"day names", {Centre(day).X, day.Top - 3}, false},
        {"title arrow", {Calendar->CellRect(0, 0).Left + 6, 14}, false},
    };
    for (const auto& c : cases) {
        Form->CloseUps.clear();
        Click(c.Where);
        EXPECT_EQ(Form->CloseUps.size(), c.Closes ? 1u : 0u) << c.Name;
        if (c.Closes) {
            EXPECT_TRUE(Form->CloseUps.front()) << c.Name;
        }
    }
}

TEST_F(PopupCalendar, EnterAcceptsEscapeDiscardsWheelMovesTheDate)
{
    QTest::keyClick(Calendar->Widget(), Qt::Key_Return);
    QTest::keyClick(Calendar->Widget(), Qt::Key_Escape);
    EXPECT_EQ(Form->CloseUps, (std::vector<bool>{true, false}));

    Calendar->Perform(WM_MOUSEWHEEL, static_cast<WPARAM>(static_cast<uint16_t>(-120)) << 16);
    EXPECT_EQ(Calendar->Date(), EncodeDate(2024, 2, 15));
    Calendar->Perform(WM_MOUSEWHEEL, static_cast<WPARAM>(120) << 16);
    EXPECT_EQ(Calendar->Date(), EncodeDate(2024, 2, 14));
}

TEST_F(PopupCalendar, LosingTheFocusDiscardsOnceTheMessageArrives)
{
    Calendar->Perform(WM_KILLFOCUS);
    EXPECT_TRUE(Form->CloseUps.empty()) << "posted, not sent";
    QApplication::processEvents();
    EXPECT_EQ(Form->CloseUps, std::vector<bool>{false});
}
} // namespace
