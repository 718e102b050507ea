// Placing a drop-down below or above its editor inside the work area.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "dbcontrols/dropdownplace.h"
#include "platform/ui/controls.h"
#include "platform/ui/monitors.h"
#include "platform/ui/stdctrls.h"

namespace {

// A drop-down that remembers the side codes it is told.
class TRecordingDropDown : public TCustomControl {
public:
    explicit TRecordingDropDown(TComponent* AOwner) : TCustomControl(AOwner) {}
    void Dispatch(TMessage& Message) override
    {
        if (Message.Msg == WM_DROPDOWNSIDE)
            Sides.push_back(static_cast<int>(Message.WParam));
        TCustomControl::Dispatch(Message);
    }
    std::vector<int> Sides;
};

struct PlaceCase {
    const char* Name;
    // The editor relative to the work area: offsets of its top from the
    // area's top (or, when FromBottom, of its bottom from the area's bottom).
    bool FromBottom;
    int EditorOffset;
    int EditorHeight;
    int EditorLeft;   // from the area's left; negative: from its right
    int EditorWidth;
    int Width;
    int Height;
    TDropDownAlign Align;
    // Expected, relative to the area: Y from its top, X from its left.
    int Y;
    int X;
    int NewHeight;
    int NewWidth;
    std::vector<int> Sides;
};

TEST(PlaceDropDownWindow, Table)
{
    const TRect area = MonitorFromRect({0, 0, 10, 10}).WorkareaRect;
    const int H = area.Height();
    const int W = area.Width();
    ASSERT_GE(H, 480);
    ASSERT_GE(W, 400);
    const std::vector<PlaceCase> cases = {
        {"fits below", false, 50, 20, 10, 100, 150, 200, daLeft, 70, 10, 200, 150, {3, 1}},
        {"no room below, room above: opens above keeping its height", true, -100, 20, 10, 100, 150, 300, daLeft,
         H - 120 - 300, 10, 300, 150, {2, 1}},
        {"neither fits, more room below: shrinks below", false, 100, 20, 10, 100, 150, H + 100, daLeft, 120, 10,
         H - 120, 150, {3, 1}},
        {"neither fits, more room above: shrinks above", true, -100, 20, 10, 100, 150, H + 100, daLeft, 0, 10,
         H - 120, 150, {2, 1}},
        {"right aligned", false, 50, 20, 100, 100, 150, 100, daRight, 70, 50, 100, 150, {3, 0}},
        {"centred", false, 50, 20, 100, 100, 150, 100, daCenter, 70, 75, 100, 150, {3, 1}},
        {"passing the right edge keeps the right edge", false, 50, 20, -50, 40, 200, 100, daLeft, 70, W - 200, 100,
         200, {3, 0}},
        {"left of the area keeps the left edge", false, 50, 20, 0, 40, 200, 100, daRight, 70, 0, 100, 200, {3, 1}},
        {"wider than the area", false, 50, 20, 0, 40, W + 50, 100, daLeft, 70, 0, 100, W, {3, 1}},
        // The editor partly or wholly off the work area: the drop-down stays
        // inside the area with a positive height.
        {"editor below the area", true, 40, 20, 10, 100, 150, H + 100, daLeft, 0, 10, H, 150, {2, 1}},
        {"editor across the area's top", false, -50, 60, 10, 100, 150, H + 100, daLeft, 10, 10, H - 10, 150, {3, 1}},
        {"editor above the area", false, -100, 20, 10, 100, 150, H + 100, daLeft, 0, 10, H, 150, {3, 1}},
        {"editor taller than the area", false, -50, H + 100, 10, 100, 150, 200, daLeft, H - 200, 10, 200, 150,
         {3, 1}},
    };
    TComponent owner(nullptr);
    for (const PlaceCase& c : cases) {
        auto* dropDown = new TRecordingDropDown(&owner);
        dropDown->SetBounds(0, 0, c.Width, c.Height);
        const int top = c.FromBottom ? area.Bottom + c.EditorOffset - c.EditorHeight : area.Top + c.EditorOffset;
        const int left = c.EditorLeft >= 0 ? area.Left + c.EditorLeft : area.Right + c.EditorLeft;
        const TRect editor = Bounds(left, top, c.EditorWidth, c.EditorHeight);
        TPoint topLeft;
        PlaceDropDownWindow(editor, dropDown, c.Align, topLeft);
        EXPECT_EQ(topLeft.Y - area.Top, c.Y) << c.Name;
        EXPECT_EQ(topLeft.X - area.Left, c.X) << c.Name;
        EXPECT_EQ(dropDown->Height(), c.NewHeight) << c.Name;
        EXPECT_EQ(dropDown->Width(), c.NewWidth) << c.Name;
        EXPECT_EQ(dropDown->Sides, c.Sides) << c.Name;
        EXPECT_GT(dropDown->Height(), 0) << c.Name;
        EXPECT_GE(topLeft.Y, area.Top) << c.Name;
        EXPECT_LE(topLeft.Y + dropDown->Height(), area.Bottom) << c.Name;
    }
}

TEST(PlaceDropDownBelowEditor, UsesTheEditorsScreenPosition)
{
    TComponent owner(nullptr);
    auto* form = new TPanel(&owner);
    form->SetBounds(0, 0, 300, 200);
    auto* editor = new TPanel(&owner);
    editor->SetParent(form);
    editor->SetBounds(20, 30, 100, 21);
    auto* dropDown = new TRecordingDropDown(&owner);
    dropDown->SetBounds(0, 0, 100, 50);
    TPoint topLeft;
    PlaceDropDownBelowEditor(editor, dropDown, daLeft, topLeft);
    const TPoint editorOnScreen = form->ClientToScreen({20, 30});
    EXPECT_EQ(topLeft.X, editorOnScreen.X);
    EXPECT_EQ(topLeft.Y, editorOnScreen.Y + 21);
}

} // namespace
