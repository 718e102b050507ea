// Dragging the size grip resizes its window from the grip's corner: the
// opposite edges stay, and the moved ones stop at the work area.
#include <gtest/gtest.h>

#include <memory>

#include "dbcontrols/sizegriplt.h"
#include "platform/ui/application.h"
#include "platform/ui/forms.h"
#include "tests/platform/ui/controltesting.h"

namespace {

struct TGripDragCase {
    int Position;  // 0 top left, 1 top right, 2 bottom right, 3 bottom left
    int DX, DY;  // within the 16 bits of a mouse message
    // The expected edges; kWork* stand for the work area's edge.
    int Left, Top, Right, Bottom;
};

constexpr int kWorkLeft = -100000, kWorkTop = -100001, kWorkRight = 100000, kWorkBottom = 100001;

TEST(SizeGrip, ADragMovesTheEdgesOfItsCorner)
{
    TestApplication();
    const TRect work = Screen->WorkAreaRect();
    const auto edge = [&](int Value) {
        switch (Value) {
        case kWorkLeft: return work.Left;
        case kWorkTop: return work.Top;
        case kWorkRight: return work.Right;
        case kWorkBottom: return work.Bottom;
        default: return Value;
        }
    };
    const TGripDragCase cases[] = {
        {0, 20, 30, 120, 130, 300, 250},
        {1, 20, 30, 100, 130, 320, 250},
        {2, 20, 30, 100, 100, 320, 280},
        {3, 20, 30, 120, 100, 300, 280},
        {2, -30, -20, 100, 100, 270, 230},
        {2, 5000, 5000, 100, 100, kWorkRight, kWorkBottom},
        {0, -5000, -5000, kWorkLeft, kWorkTop, 300, 250},
    };
    for (const TGripDragCase& c : cases) {
        TForm form(nullptr);
        form.SetBorderStyle(bsNone);
        auto* grip = new TSizeGripLt(&form);
        grip->SetParent(&form);
        form.SetBounds(100, 100, 200, 150);
        form.Show();
        grip->SetPosition(c.Position);
        grip->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(2, 2));
        grip->Perform(WM_MOUSEMOVE, MK_LBUTTON, MakeLParam(2 + c.DX, 2 + c.DY));
        grip->Perform(WM_LBUTTONUP, 0, MakeLParam(2 + c.DX, 2 + c.DY));
        EXPECT_EQ(form.Left(), edge(c.Left)) << c.Position << " " << c.DX;
        EXPECT_EQ(form.Top(), edge(c.Top)) << c.Position << " " << c.DX;
        EXPECT_EQ(form.Left() + form.Width(), edge(c.Right)) << c.Position << " " << c.DX;
        EXPECT_EQ(form.Top() + form.Height(), edge(c.Bottom)) << c.Position << " " << c.DX;
    }
}

} // namespace
