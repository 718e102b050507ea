// The edit button control: pressed halves of an up/down pair, auto-repeat
// while held (on a manual clock), and a drag out of the pressed half.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include "dbcontrols/buttonpaint.h"
#include "dbcontrols/editbuttoncontrol.h"
#include "platform/ui/capturehandover.h"
#include "platform/ui/graphics.h"
#include "platform/ui/repeattimer.h"
#include "platform/ui/stdctrls.h"

namespace {

class EditButtonControl : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetTimerClock(&Clock);
        Owner = std::make_unique<TComponent>(nullptr);
        Editor = new TPanel(Owner.get());
        Editor->SetBounds(0, 0, 120, 21);
        Editor->SetVisible(true);
        Button = new TEditButtonControlLt(Editor);
        Button->SetParent(Editor);
        Button->SetBounds(100, 0, 17, 21);
        Button->SetStyle(ebsUpDownLt);
        Button->SetOnDown([this](TObject*, bool TopButton, bool& AutoRepeat, bool&) {
            Downs.push_back({Clock.Now(), TopButton});
            if (StopAfter > 0 && static_cast<int>(Downs.size()) >= StopAfter)
                AutoRepeat = false;
        });
        Button->SetOnClick([this](TObject*) { ++Clicks; });
    }

    void TearDown() override
    {
        Owner.reset();
        SetTimerClock(nullptr);
    }

    void Press(int Y) { Button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(5, Y)); }
    void Move(int Y) { Button->Perform(WM_MOUSEMOVE, MK_LBUTTON, MakeLParam(5, Y)); }
    void Release(int Y) { Button->Perform(WM_LBUTTONUP, 0, MakeLParam(5, Y)); }

    struct Down {
        unsigned Time;
        bool Top;
        bool operator==(const Down&) const = default;
    };

    TManualTimerClock Clock;
    std::unique_ptr<TComponent> Owner;
    TPanel* Editor = nullptr;
    TEditButtonControlLt* Button = nullptr;
    std::vector<Down> Downs;
    int StopAfter = 0;
    int Clicks = 0;
};

TEST_F(EditButtonControl, HalvesOfATwentyOnePixelPair)
{
    const struct {
        int Y;
        int Part;
    } cases[] = {{0, 1}, {9, 1}, {10, 0}, {11, 0}, {12, 2}, {20, 2}};
    for (const auto& c : cases) {
        Downs.clear();
        Press(c.Y);
        EXPECT_EQ(Button->PressedPart(), c.Part) << c.Y;
        EXPECT_EQ(Downs.size(), c.Part == 0 ? 0u : 1u) << c.Y;
        if (!Downs.empty()) {
            EXPECT_EQ(Downs[0].Top, c.Part == 1) << c.Y;
        }
        Release(c.Y);
        EXPECT_EQ(Button->PressedPart(), 0) << c.Y;
    }
}

TEST_F(EditButtonControl, HoldingRepeatsAfter400ThenEvery100UntilRelease)
{
    Press(5);
    Clock.Advance(399);
    EXPECT_EQ(Downs.size(), 1u);
    Clock.Advance(351);  // to 750
    EXPECT_EQ(Downs, (std::vector<Down>{{0, true}, {400, true}, {500, true}, {600, true}, {700, true}}));
    Release(5);
    Clock.Advance(1000);
    EXPECT_EQ(Downs.size(), 5u);
}

TEST_F(EditButtonControl, HandlerClearingAutoRepeatStopsTheTimer)
{
    StopAfter = 3;
    Press(15);
    Clock.Advance(2000);
    EXPECT_EQ(Downs, (std::vector<Down>{{0, false}, {400, false}, {500, false}}));
    Release(15);
}

TEST_F(EditButtonControl, OtherStylesDoNotRepeat)
{
    Button->SetStyle(ebsEllipsisLt);
    Press(15);
    EXPECT_EQ(Button->PressedPart(), 1);
    Clock.Advance(2000);
    EXPECT_EQ(Downs, (std::vector<Down>{{0, true}}));
    Release(15);
    EXPECT_EQ(Clicks, 1);
}

TEST_F(EditButtonControl, DraggingOutOfThePressedHalfReleasesItWithoutAClick)
{
    Press(15);
    EXPECT_EQ(Button->PressedPart(), 2);
    Move(5);
    EXPECT_EQ(Button->PressedPart(), 0);
    EXPECT_EQ(Button->State(), bsUp);
    Clock.Advance(1000);
    EXPECT_EQ(Downs.size(), 1u);
    Release(5);
    EXPECT_EQ(Clicks, 0);

    // A press that stays in its half clicks.
    Press(15);
    Move(16);
    Release(16);
    EXPECT_EQ(Clicks, 1);
}

TEST_F(EditButtonControl, HandingTheCaptureOnEndsTheRepeat)
{
    auto* list = new TPanel(Owner.get());
    list->SetBounds(0, 30, 120, 80);
    list->SetVisible(true);
    Press(5);
    EXPECT_EQ(GetCaptureControl(), Button);
    Clock.Advance(450);
    EXPECT_EQ(Downs.size(), 2u);
    HandMouseCaptureTo(list);
    EXPECT_EQ(GetCaptureControl(), list);
    Clock.Advance(1000);
    EXPECT_EQ(Downs.size(), 2u);
    ReleaseCapture();
}

TEST_F(EditButtonControl, AlwaysDownHoldsThePressedLook)
{
    Button->SetAlwaysDown(true);
    EXPECT_TRUE(Button->Down());
    EXPECT_EQ(Button->GroupIndex(), 1);
    EXPECT_FALSE(Button->AllowAllUp());
    Button->SetAlwaysDown(false);
    EXPECT_FALSE(Button->Down());
    EXPECT_EQ(Button->GroupIndex(), 0);
    EXPECT_TRUE(Button->AllowAllUp());
}

TEST(EditButtonMake, MainButtonControlIsOwnedAndParentedByTheEditor)
{
    TComponent owner(nullptr);
    auto* editor = new TPanel(&owner);
    TEditButtonLt button(static_cast<TWinControl*>(editor));
    TEditButtonControlLt* control = button.MakeButtonControl(editor);
    EXPECT_EQ(control->Owner(), editor);
    EXPECT_EQ(control->Parent(), editor);
    EXPECT_EQ(control->Width(), 10);
    EXPECT_EQ(control->Height(), 17);
    EXPECT_FALSE(control->Transparent());
    EXPECT_TRUE(control->Visible());
}

} // namespace

namespace {

TColor PixelOf(const QImage& Image, int X, int Y)
{
    const QRgb c = Image.pixel(X, Y);
    return static_cast<TColor>(qRed(c) | (qGreen(c) << 8) | (qBlue(c) << 16));
}

TEST(EditButtonControlPaint, FlatButtonMeltsIntoItsEditorUntilActive)
{
    SetButtonThemesEnabled(false);
    TComponent owner(nullptr);
    auto* editor = new TPanel(&owner);
    editor->SetColor(clWindow);
    editor->SetBounds(0, 0, 120, 21);
    auto* button = new TEditButtonControlLt(editor);
    button->SetParent(editor);
    button->SetBounds(100, 0, 17, 21);
    button->SetFlat(true);
    const auto grab = [&] { return button->Widget()->grab().toImage(); };

    QImage image = grab();
    EXPECT_EQ(PixelOf(image, 0, 0), ColorToRGB(clWindow));
    EXPECT_EQ(PixelOf(image, 16, 20), ColorToRGB(clWindow));
    button->SetActive(true);
    image = grab();
    EXPECT_EQ(PixelOf(image, 0, 0), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(PixelOf(image, 16, 20), ColorToRGB(clBtnShadow));
    button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(5, 5));
    image = grab();
    EXPECT_EQ(PixelOf(image, 0, 0), ColorToRGB(clBtnShadow));
    button->Perform(WM_LBUTTONUP, 0, MakeLParam(5, 5));
    SetButtonThemesEnabled(true);
}

} // namespace
