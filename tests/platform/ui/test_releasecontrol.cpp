// A control that frees itself while handling one of its own messages goes
// once the loop has finished that message.
#include <gtest/gtest.h>

#include <memory>

#include "platform/ui/releasecontrol.h"
#include "platform/ui/widgetbridge.h"
#include "tests/platform/ui/controltesting.h"

namespace {

constexpr uint32_t WM_ENDYOURSELF = WM_USER + 1;

struct TEnding {
    std::unique_ptr<TControl> Holder;
    bool Freed = false;
    bool WholeAfterRelease = false;
};

class TSelfEndingControl : public TWinControl {
public:
    explicit TSelfEndingControl(TEnding& Ending) : TWinControl(nullptr), FEnding(Ending) {}
    ~TSelfEndingControl() override { FEnding.Freed = true; }

    void WndProc(TMessage& Message) override
    {
        if (Message.Msg != WM_ENDYOURSELF) {
            TWinControl::WndProc(Message);
            return;
        }
        ReleaseControl(std::move(FEnding.Holder));
        FEnding.WholeAfterRelease = !FEnding.Freed;
    }

private:
    TEnding& FEnding;
};

TEST(ReleaseControl, TheControlGoesAfterTheMessageItEndedItselfIn)
{
    TestApplication();
    TEnding ending;
    ending.Holder = std::make_unique<TSelfEndingControl>(ending);
    ending.Holder->SetVisible(false);
    PostMessage(ending.Holder.get(), WM_ENDYOURSELF, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return ending.Freed; }));
    EXPECT_TRUE(ending.WholeAfterRelease);
    EXPECT_EQ(ending.Holder, nullptr);
}

} // namespace
