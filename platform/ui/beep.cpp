#include "platform/ui/beep.h"

#include <QApplication>

namespace {
TMessageBeepHook& BeepHook()
{
    static TMessageBeepHook hook;
    return hook;
}
} // namespace

void MessageBeep(unsigned Type)
{
    if (BeepHook())
        BeepHook()(Type);
    else
        QApplication::beep();
}

TMessageBeepHook SetMessageBeepHook(TMessageBeepHook Hook)
{
    return std::exchange(BeepHook(), std::move(Hook));
}
