// The display control base and a display attached to a port.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/forms.h"
#include "platform/ui/messages.h"
#include "serial/rsdisplay.h"
#include "tests/serial/serialtesting.h"

namespace {

// Records what the base asks of a display; optionally sizes itself to
// 50 x 20 whenever its bounds are set, as an auto-sizing display would.
class TTestDisplay : public TRsDisplay {
public:
    using TRsDisplay::TRsDisplay;

    void UpdateFromComm(TRsCustomComm* Comm) override
    {
        Updates.push_back(Comm);
        if (Log)
            Log->push_back("display");
    }
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override
    {
        if (SizesItself) {
            AWidth = 50;
            AHeight = 20;
        }
        TRsDisplay::SetBounds(ALeft, ATop, AWidth, AHeight);
    }
    void Request() { RequestRepaint(); }
    void Adjust() { AdjustBounds(); }

    std::vector<TRsCustomComm*> Updates;
    std::vector<std::string>* Log = nullptr;
    bool SizesItself = false;
    int RepaintRequests = 0;
    int BoundsAdjustments = 0;
    int Paints = 0;
    int MouseEnters = 0;

protected:
    void RequestRepaint() override
    {
        ++RepaintRequests;
        TRsDisplay::RequestRepaint();
    }
    void AdjustBounds() override
    {
        ++BoundsAdjustments;
        TRsDisplay::AdjustBounds();
    }
    void Paint() override { ++Paints; }
    void DoMouseEnter() override { ++MouseEnters; }
};

} // namespace

TEST(RsGraphicControl, RepaintsWaitForTheLastUpdateBracket)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    auto* display = new TTestDisplay(&form);
    display->SetParent(&form);
    display->SetBounds(0, 0, 40, 10);
    form.Show();
    ASSERT_TRUE(ProcessEventsUntil([&] { return display->Paints > 0; }));
    int shown = display->Paints;
    display->Request();
    EXPECT_EQ(display->Paints, shown + 1);
    shown = display->Paints;

    display->BeginUpdate();
    display->BeginUpdate();
    display->Request();
    display->EndUpdate();
    EXPECT_EQ(display->Paints, shown);
    display->EndUpdate();
    EXPECT_EQ(display->Paints, shown + 1);
    EXPECT_EQ(display->UpdateCount(), 0);
}

TEST(RsGraphicControl, AdjustingBoundsRepaintsOnlyWhenTheSizeStays)
{
    TTestDisplay display(nullptr);
    display.SetBounds(5, 6, 40, 10);
    display.Adjust();
    EXPECT_EQ(display.RepaintRequests, 1);

    display.SizesItself = true;
    display.Adjust();
    EXPECT_EQ(display.RepaintRequests, 1);
    EXPECT_EQ(display.BoundsRect(), Bounds(5, 6, 50, 20));
}

TEST(RsGraphicControl, AutoSizeAdjustsTheBoundsUnlessTheAlignmentFixesThem)
{
    struct TCase {
        TAlign Align;
        int Adjustments;
    };
    for (const TCase c : {TCase{alNone, 1}, TCase{alTop, 1}, TCase{alClient, 0}, TCase{alCustom, 0}}) {
        TTestDisplay display(nullptr);
        display.SetAlign(c.Align);
        display.SetAutoSize(true);
        EXPECT_EQ(display.BoundsAdjustments, c.Adjustments) << c.Align;
        EXPECT_EQ(display.RepaintRequests, 1) << c.Align;
        display.SetAutoSize(false);
        EXPECT_EQ(display.BoundsAdjustments, c.Adjustments) << c.Align;
    }
}

TEST(RsGraphicControl, ControlMessagesRaiseTheNotifications)
{
    TTestDisplay display(nullptr);
    std::vector<std::string> log;
    display.SetOnFontChanged([&](TObject*) { log.push_back("font"); });
    display.SetOnTextChanged([&](TObject*) { log.push_back("text"); });
    display.SetOnMouseEnter([&](TObject*) { log.push_back("enter"); });
    display.Perform(CM_FONTCHANGED);
    display.SetText("COM1");
    display.Perform(CM_MOUSEENTER);
    EXPECT_EQ(log, (std::vector<std::string>{"font", "text", "enter"}));
    EXPECT_EQ(display.MouseEnters, 1);
}

TEST_F(PortTest, AnAttachedDisplayRefreshesFirstInEveryDispatch)
{
    std::vector<std::string> log;
    auto display = std::make_unique<TTestDisplay>(nullptr);
    display->Log = &log;
    Port->SetDisplay(display.get());
    Port->SetOnRxChar([&](TObject*, int) {
        std::string s;
        Port->ReadText(s);
        log.push_back("rx " + s);
    });
    Port->Open();
    Peer.Write("a");
    ASSERT_TRUE(ProcessEventsUntil([&] { return log.size() == 2; }));
    EXPECT_EQ(log, (std::vector<std::string>{"display", "rx a"}));
    EXPECT_EQ(display->Updates, std::vector<TRsCustomComm*>{Port.get()});

    display.reset();
    EXPECT_EQ(Port->Display(), nullptr);
    Peer.Write("b");
    ASSERT_TRUE(ProcessEventsUntil([&] { return log.size() == 3; }));
    EXPECT_EQ(log.back(), "rx b");
}
