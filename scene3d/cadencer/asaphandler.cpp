#include "scene3d/cadencer/asaphandler.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/rtl/appexceptions.h"
#include "platform/ui/application.h"
#include "platform/ui/releasecontrol.h"
#include "platform/ui/repeattimer.h"
#include "platform/ui/widgetbridge.h"
#include "scene3d/cadencer/cadencer.h"
#include "scene3d/cadencer/cadencerclock.h"

namespace {

// The tick, posted with the tick count of its posting in WParam. Only the
// handler's own control receives it.
constexpr uint32_t WM_TICKCADENCER = 0xC000;
// What the 1 ms pause sends when it ends.
constexpr WPARAM PauseTimerId = 1;
// Ticks within one millisecond before the loop pauses.
constexpr int MostTicksPerMillisecond = 5000;

// A control that is never shown, receiving its own ticks.
class TASAPHandler : public TWinControl {
public:
    TASAPHandler();
    void WndProc(TMessage& Message) override;

private:
    void Pass();

    TRepeatTimer FPause;
    int FTooFastCount = 0;
};

std::unique_ptr<std::vector<T3DCadencer*>> ASAPList;
std::unique_ptr<TASAPHandler> Handler;
// Inside a pass over the list.
bool InPass = false;

bool HasLiveEntries()
{
    return ASAPList && std::any_of(ASAPList->begin(), ASAPList->end(), [](const T3DCadencer* c) { return c; });
}

TASAPHandler::TASAPHandler() : TWinControl(nullptr)
{
    SetVisible(false);
    FPause.SetOnTimer([this] { Perform(WM_TIMER, PauseTimerId); });
    PostMessage(this, WM_TICKCADENCER, CurrentCadencerClock().TickCount(), 0);
}

void TASAPHandler::WndProc(TMessage& Message)
{
    const bool pauseEnded = Message.Msg == WM_TIMER && Message.WParam == PauseTimerId;
    if (!pauseEnded && Message.Msg != WM_TICKCADENCER) {
        TWinControl::WndProc(Message);
        return;
    }
    if (pauseEnded)
        FPause.Stop();
    if (pauseEnded || Message.WParam != CurrentCadencerClock().TickCount()) {
        FTooFastCount = 0;
    } else if (++FTooFastCount > MostTicksPerMillisecond) {
        if (!FPause.Running())
            FPause.Start(1);
        FTooFastCount = 0;
    }
    if (!FPause.Running() && !InPass)
        Pass();
    Message.Result = 0;
}

// Steps every ticking cadencer, last joined first; one that raises is
// disabled and its exception shown. Then the next tick is posted, or, with
// no cadencer left, the list and the handler go.
void TASAPHandler::Pass()
{
    InPass = true;
    for (auto i = static_cast<std::ptrdiff_t>(ASAPList->size()) - 1; i >= 0; --i) {
        T3DCadencer* cadencer = (*ASAPList)[i];
        if (!cadencer || cadencer->Mode() != cmASAP || !cadencer->Enabled() || cadencer->IsProgressing())
            continue;
        if (Application && Application->Terminated()) {
            cadencer->SetEnabled(false);
            continue;
        }
        try {
            cadencer->Progress();
        } catch (...) {
            // Unless the cadencer went meanwhile.
            if ((*ASAPList)[i] == cadencer)
                cadencer->SetEnabled(false);
            ApplicationHandleException(this);
        }
    }
    std::erase(*ASAPList, nullptr);
    InPass = false;
    if (!ASAPList->empty()) {
        PostMessage(this, WM_TICKCADENCER, CurrentCadencerClock().TickCount(), 0);
        return;
    }
    ASAPList.reset();
    ReleaseControl(std::move(Handler));
}

} // namespace

void JoinASAP(T3DCadencer* Cadencer)
{
    if (!ASAPList)
        ASAPList = std::make_unique<std::vector<T3DCadencer*>>();
    if (ASAPHolds(Cadencer))
        return;
    ASAPList->push_back(Cadencer);
    if (!Handler)
        Handler = std::make_unique<TASAPHandler>();
}

void LeaveASAP(T3DCadencer* Cadencer)
{
    if (!ASAPList)
        return;
    std::replace(ASAPList->begin(), ASAPList->end(), Cadencer, static_cast<T3DCadencer*>(nullptr));
    // Outside a pass nothing of the handler runs: it can go at once.
    if (!InPass && !HasLiveEntries()) {
        Handler.reset();
        ASAPList.reset();
    }
}

bool ASAPHolds(const T3DCadencer* Cadencer)
{
    return ASAPList && std::find(ASAPList->begin(), ASAPList->end(), Cadencer) != ASAPList->end();
}
