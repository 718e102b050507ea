// The keyboard protocol between controls and their window (which special
// keys a control claims), posted messages taken back, the non-client frame
// hook and the beep.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <QApplication>
#include <QKeyEvent>

#include "controltesting.h"
#include "platform/ui/beep.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/widgetbridge.h"

namespace {

// An edit that answers the dialog-code questions as told and records the
// characters and messages it gets.
class TKeyProbe : public TEdit {
public:
    explicit TKeyProbe(TComponent* AOwner) : TEdit(AOwner) {}
    unsigned DialogCode = 0;
    unsigned SpecialKey = 0;
    std::vector<char32_t> Chars;
    std::vector<uint32_t> Posted;
    int FramePaints = 0;

    void Dispatch(TMessage& Message) override
    {
        switch (Message.Msg) {
        case WM_GETDLGCODE: Message.Result = DialogCode; return;
        case CM_WANTSPECIALKEY: Message.Result = Message.WParam == SpecialKey ? 1 : 0; return;
        case WM_NCPAINT: ++FramePaints; return;
        default:
            if (Message.Msg >= WM_USER && Message.Msg < WM_USER + 0x100) {
                Posted.push_back(Message.Msg);
                return;
            }
            TEdit::Dispatch(Message);
        }
    }

protected:
    void KeyPress(char32_t& Key) override
    {
        Chars.push_back(Key);
        TEdit::KeyPress(Key);
    }
};

struct TKeyForm {
    TForm Form{nullptr};
    TKeyProbe* Probe = new TKeyProbe(&Form);
    TEdit* Next = new TEdit(&Form);
    TButton* Cancel = new TButton(&Form);
    int Cancelled = 0;

    TKeyForm()
    {
        Probe->SetParent(&Form);
        Probe->SetTabOrder(0);
        Next->SetParent(&Form);
        Next->SetTop(30);
        Next->SetTabOrder(1);
        Cancel->SetParent(&Form);
        Cancel->SetTop(60);
        Cancel->SetCancel(true);
        Cancel->SetOnClick([this](TObject*) { ++Cancelled; });
        ShowForm(Form, 200, 100);
        Probe->SetFocus();
        EXPECT_TRUE(WaitUntil([this] { return Probe->Focused(); }));
    }
};

TEST(DialogCodes, TabReachesOnlyAControlThatWantsIt)
{
    TKeyForm f;
    QTest::keyClick(f.Probe->Widget(), Qt::Key_Tab);
    EXPECT_TRUE(WaitUntil([&] { return f.Next->Focused(); })) << "an unwanted Tab moves the focus";
    EXPECT_TRUE(f.Probe->Chars.empty());

    f.Probe->SetFocus();
    ASSERT_TRUE(WaitUntil([&] { return f.Probe->Focused(); }));
    f.Probe->DialogCode = DLGC_WANTTAB;
    QTest::keyClick(f.Probe->Widget(), Qt::Key_Tab);
    QCoreApplication::processEvents();
    EXPECT_TRUE(f.Probe->Focused()) << "a wanted Tab stays";
    EXPECT_EQ(f.Probe->Chars, (std::vector<char32_t>{U'\t'}));
}

TEST(DialogCodes, EscapeGoesToTheCancelButtonUnlessTheControlClaimsIt)
{
    struct TCase {
        unsigned DialogCode;
        unsigned SpecialKey;
        int Cancelled;
        std::size_t Chars;
    } const cases[] = {
        {0, 0, 1, 0},
        {DLGC_WANTARROWS | DLGC_WANTCHARS, 0, 1, 0},
        {DLGC_WANTALLKEYS, 0, 0, 1},
        {0, VK_ESCAPE, 0, 1},
        {0, VK_RETURN, 1, 0},
    };
    for (const TCase& c : cases) {
        TKeyForm f;
        f.Probe->DialogCode = c.DialogCode;
        f.Probe->SpecialKey = c.SpecialKey;
        QTest::keyClick(f.Probe->Widget(), Qt::Key_Escape);
        EXPECT_EQ(f.Cancelled, c.Cancelled) << c.DialogCode << " " << c.SpecialKey;
        EXPECT_EQ(f.Probe->Chars.size(), c.Chars) << c.DialogCode << " " << c.SpecialKey;
    }
}

TEST(KeyMessages, AHeldKeyRepeatsItsKeyDownWithoutKeyUps)
{
    TKeyForm f;
    std::vector<std::string> seen;
    f.Probe->SetOnKeyDown([&](TObject*, unsigned& Key, TShiftState) { seen.push_back("down " + std::to_string(Key)); });
    f.Probe->SetOnKeyUp([&](TObject*, unsigned& Key, TShiftState) { seen.push_back("up " + std::to_string(Key)); });
    QWidget* w = f.Probe->Widget();
    QTest::sendKeyEvent(QTest::Press, w, Qt::Key_Space, ' ', Qt::NoModifier);
    for (int i = 0; i < 2; ++i) {
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " ", true);
        QApplication::sendEvent(w, &release);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", true);
        QApplication::sendEvent(w, &press);
    }
    QTest::sendKeyEvent(QTest::Release, w, Qt::Key_Space, ' ', Qt::NoModifier);
    const std::string down = "down " + std::to_string(VK_SPACE), up = "up " + std::to_string(VK_SPACE);
    EXPECT_EQ(seen, (std::vector<std::string>{down, down, down, up}));
}

TEST(PostedMessages, ARemovedMessageNeverArrivesAndOthersStillDo)
{
    TKeyForm f;
    PostMessage(f.Probe, WM_USER + 102, 0, 0);
    PostMessage(f.Probe, WM_USER + 101, 0, 0);
    PostMessage(f.Probe, WM_USER + 102, 1, 0);
    EXPECT_TRUE(RemovePostedMessage(f.Probe, WM_USER + 102));
    EXPECT_TRUE(IsMessagePending(f.Probe, WM_USER + 102)) << "one of two taken out";
    EXPECT_TRUE(RemovePostedMessage(f.Probe, WM_USER + 102));
    EXPECT_FALSE(RemovePostedMessage(f.Probe, WM_USER + 102)) << "nothing left to take";
    EXPECT_FALSE(IsMessagePending(f.Probe, WM_USER + 102));
    ASSERT_TRUE(WaitUntil([&] { return !f.Probe->Posted.empty(); }));
    QCoreApplication::processEvents();
    EXPECT_EQ(f.Probe->Posted, (std::vector<uint32_t>{WM_USER + 101}));
}

TEST(NonClientFrame, TheControlPaintsItsFrameAfterEveryPaintOnlyWhenAsked)
{
    TKeyForm f;
    f.Probe->Repaint();
    EXPECT_EQ(f.Probe->FramePaints, 0);
    f.Probe->Bridge().SetNonClientFrame(true);
    Grab(*f.Probe);
    EXPECT_GE(f.Probe->FramePaints, 1);
}

TEST(MessageBeep, TheHookHearsTheBeepAndCanBeTakenBack)
{
    std::vector<unsigned> heard;
    const TMessageBeepHook old = SetMessageBeepHook([&](unsigned Type) { heard.push_back(Type); });
    MessageBeep(0);
    MessageBeep(0x30);
    const TMessageBeepHook mine = SetMessageBeepHook(old);
    EXPECT_EQ(heard, (std::vector<unsigned>{0, 0x30}));
    EXPECT_TRUE(static_cast<bool>(mine));
}

} // namespace
