// A second press counts as a double click within the system's time and
// distance.
#include <gtest/gtest.h>

#include "dbcontrols/doubleclick.h"
#include "platform/ui/sysmetrics.h"

namespace {

TEST(MatchesDoubleClick, TimeAndDistanceLimits)
{
    const int time = static_cast<int>(GetDoubleClickTime());
    const int dx = GetSystemMetrics(SM_CXDOUBLECLK);
    const int dy = GetSystemMetrics(SM_CYDOUBLECLK);
    ASSERT_GT(time, 0);
    ASSERT_GT(dx, 1);
    ASSERT_GT(dy, 1);
    const TPoint last{100, 100};
    const struct {
        TPoint Pos;
        int Elapsed;
        bool Match;
    } cases[] = {
        {{100, 100}, 0, true},
        {{100, 100}, time, true},
        {{100, 100}, time + 1, false},
        {{100 + dx, 100 - dy}, 10, true},   // the full width and height, either way
        {{100 - dx, 100 + dy}, 10, true},
        {{100 + dx + 1, 100}, 10, false},
        {{100 - dx - 1, 100}, 10, false},
        {{100, 100 + dy + 1}, 10, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MatchesDoubleClick(last, c.Pos, c.Elapsed), c.Match)
            << c.Pos.X << "," << c.Pos.Y << " after " << c.Elapsed;
}

} // namespace
