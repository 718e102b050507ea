// The shift state that mouse events hand a control's handlers.
#include <vector>

#include "platform/ui/extctrls.h"
#include "platform/ui/stdctrls.h"
#include "tests/platform/ui/controltesting.h"

namespace {

// Mouse messages carry the buttons, Shift and Ctrl; Alt is the keyboard's,
// as the event being handled saw it.
TEST(MouseShiftState, AltComesWithTheEventFromTheKeyboard)
{
    TestApplication();
    TForm form(nullptr);
    form.SetBounds(0, 0, 120, 80);
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    panel->SetBounds(0, 0, 100, 60);
    std::vector<TShiftState> downs;
    panel->SetOnMouseDown([&](TObject*, TMouseButton, TShiftState Shift, int, int) { downs.push_back(Shift); });
    form.Show();
    QTest::mousePress(panel->Widget(), Qt::RightButton, Qt::AltModifier, {5, 5});
    QTest::mouseRelease(panel->Widget(), Qt::RightButton, Qt::AltModifier, {5, 5});
    QTest::mousePress(panel->Widget(), Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier, {5, 5});
    QTest::mouseRelease(panel->Widget(), Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier, {5, 5});
    ASSERT_EQ(downs.size(), 2u);
    EXPECT_EQ(downs[0], (TShiftState{ssRight, ssAlt}));
    EXPECT_EQ(downs[1], (TShiftState{ssLeft, ssShift, ssCtrl}));
}

} // namespace
