#include "scene3d/context/windowhook.h"

#include <algorithm>
#include <vector>

#include "platform/gl/x11window.h"
#include "platform/rtl/appexceptions.h"
#include "platform/ui/windowdestroyhook.h"
#include "platform/ui/x11display.h"

namespace {

struct TContextWindow {
    TOutputDevice Window;
    T3DContext* Context;
};

std::vector<TContextWindow>& Pairs()
{
    static std::vector<TContextWindow> pairs;
    return pairs;
}

bool Listed(const TContextWindow& Pair)
{
    const std::vector<TContextWindow>& pairs = Pairs();
    return std::any_of(pairs.begin(), pairs.end(), [&Pair](const TContextWindow& listed) {
        return listed.Window == Pair.Window && listed.Context == Pair.Context;
    });
}

void WindowDestroying(std::uintptr_t Destroyed)
{
    // Destroying a context unlists it, so the pairs are walked on a copy.
    const std::vector<TContextWindow> pairs = Pairs();
    for (auto pair = pairs.rbegin(); pair != pairs.rend(); ++pair) {
        if (!Listed(*pair) || !X11WindowWithin(X11Display(), pair->Window, Destroyed))
            continue;
        try {
            pair->Context->DestroyContext();
        } catch (...) {
            ApplicationHandleException(pair->Context);
        }
    }
}

} // namespace

void RegisterContextWindow(TOutputDevice Window, T3DContext* Context)
{
    std::vector<TContextWindow>& pairs = Pairs();
    pairs.push_back({Window, Context});
    if (pairs.size() == 1)
        SetWindowDestroyHook(WindowDestroying);
}

void UnregisterContextWindow(TOutputDevice Window)
{
    std::vector<TContextWindow>& pairs = Pairs();
    const std::size_t before = pairs.size();
    std::erase_if(pairs, [Window](const TContextWindow& pair) { return pair.Window == Window; });
    if (before > 0 && pairs.empty())
        SetWindowDestroyHook({});
}
