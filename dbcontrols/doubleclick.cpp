#include "dbcontrols/doubleclick.h"

#include <cstdlib>

#include "platform/ui/sysmetrics.h"

bool MatchesDoubleClick(const TPoint& LastDown, const TPoint& Pos, int Elapsed)
{
    return Elapsed <= static_cast<int>(GetDoubleClickTime()) &&
           std::abs(Pos.X - LastDown.X) <= GetSystemMetrics(SM_CXDOUBLECLK) &&
           std::abs(Pos.Y - LastDown.Y) <= GetSystemMetrics(SM_CYDOUBLECLK);
}
