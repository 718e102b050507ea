// Hint windows and the application's hint: what a control answers to
// CM_HINTSHOW decides the text, the place and the window class.
#include <gtest/gtest.h>

#include "controltesting.h"
#include "platform/ui/hintwindow.h"
#include "platform/ui/stdctrls.h"

namespace {

class TBigHintWindow : public THintWindow {
public:
    explicit TBigHintWindow(TComponent* AOwner) : THintWindow(AOwner) { Font()->SetSize(20); }
};

// A panel-like control that rewrites its hint request.
class THintProbe : public TCustomControl {
public:
    explicit THintProbe(TComponent* AOwner) : TCustomControl(AOwner) {}
    enum class TAnswer { Keep, Refuse, Rewrite } Answer = TAnswer::Keep;

    void Dispatch(TMessage& Message) override
    {
        if (Message.Msg != CM_HINTSHOW) {
            TCustomControl::Dispatch(Message);
            return;
        }
        auto* info = reinterpret_cast<THintInfo*>(Message.LParam);
        if (Answer == TAnswer::Refuse) {
            Message.Result = 1;
            return;
        }
        if (Answer == TAnswer::Rewrite) {
            info->HintStr = "full text";
            info->HintPos = ClientToScreen(TPoint{0, Height()});
            info->HintWindowClass = [](TComponent* Owner) { return new TBigHintWindow(Owner); };
        }
    }
};

TEST(HintWindow, TheControlsAnswerDecidesTextPlaceAndWindow)
{
    TestApplication();
    TForm form(nullptr);
    auto* probe = new THintProbe(&form);
    probe->SetParent(&form);
    probe->SetBounds(10, 10, 80, 20);
    probe->SetHint("short");
    probe->SetShowHint(true);
    ShowForm(form, 200, 100);
    const TPoint at = probe->ClientToScreen(TPoint{5, 5});

    ASSERT_TRUE(ShowControlHint(probe, at));
    THintWindow* shown = Application->HintWindow();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->Caption(), "short");
    EXPECT_EQ(shown->Top(), at.Y + 20);
    const int plainHeight = shown->Height();

    probe->Answer = THintProbe::TAnswer::Rewrite;
    ASSERT_TRUE(ShowControlHint(probe, at));
    shown = Application->HintWindow();
    ASSERT_NE(dynamic_cast<TBigHintWindow*>(shown), nullptr);
    EXPECT_EQ(shown->Caption(), "full text");
    EXPECT_EQ((TPoint{shown->Left(), shown->Top()}), probe->ClientToScreen(TPoint{0, 20}));
    EXPECT_GT(shown->Height(), plainHeight) << "measured in its own font";

    probe->Answer = THintProbe::TAnswer::Refuse;
    EXPECT_FALSE(ShowControlHint(probe, at));
    EXPECT_EQ(Application->HintWindow(), nullptr);
}

TEST(HintWindow, CalcHintRectWrapsAtTheMaximumWidth)
{
    THintWindow window(nullptr);
    const TRect one = window.CalcHintRect(1000, "word word word word");
    const TRect wrapped = window.CalcHintRect(one.Width() / 2, "word word word word");
    EXPECT_LT(wrapped.Width(), one.Width());
    EXPECT_GT(wrapped.Height(), one.Height());
}

TEST(PopupMenu, AlignmentIsStoredAndTheHookAnswersInsteadOfTheOperator)
{
    TPopupMenu menu(nullptr);
    auto* item = new TMenuItem(&menu);
    item->SetCaption("One");
    menu.Items()->Add(item);
    int clicks = 0;
    item->SetOnClick([&](TObject*) { ++clicks; });
    menu.SetAlignment(paRight);
    TPoint asked;
    TPopupMenu::SetPopupHook([&](TPopupMenu* Menu, int X, int Y) {
        asked = TPoint{X, Y};
        return Menu->Items()->Items(0);
    });
    menu.Popup(300, 40);
    TPopupMenu::SetPopupHook(nullptr);
    EXPECT_EQ(asked, (TPoint{300, 40}));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(menu.Alignment(), paRight);
}

} // namespace
