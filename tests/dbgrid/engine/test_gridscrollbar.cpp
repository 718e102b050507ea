// The grid's scroll-bar settings: Visible as a view of VisibleMode, the
// grid told of changes only, and copying.
#include <gtest/gtest.h>

#include "dbgrid/engine/gridscrollbarlt.h"

TEST(GridScrollBar, VisibleFollowsTheModeAndChangesAreTold)
{
    TVertDBGridLtScrollBar bar;
    int changes = 0;
    bar.SetOnChange([&] { ++changes; });
    EXPECT_EQ(bar.VisibleMode(), sbAutoShowLt);
    EXPECT_TRUE(bar.Visible());

    struct TStep {
        TScrollBarVisibleModeLt Mode;
        bool Visible;
        int Changes;
    };
    const TStep steps[] = {{sbAlwaysShowLt, true, 1}, {sbAlwaysShowLt, true, 1}, {sbNeverShowLt, false, 2}};
    for (const TStep& s : steps) {
        bar.SetVisibleMode(s.Mode);
        EXPECT_EQ(bar.Visible(), s.Visible);
        EXPECT_EQ(changes, s.Changes);
    }
    bar.SetVisible(true);
    EXPECT_EQ(bar.VisibleMode(), sbAutoShowLt);
    bar.SetVisible(false);
    EXPECT_EQ(bar.VisibleMode(), sbNeverShowLt);
    EXPECT_EQ(changes, 4);

    TDBGridLtScrollBar copy;
    copy.SetVisibleMode(sbAlwaysShowLt);
    bar.SetTracking(true);
    copy.Assign(&bar);
    EXPECT_EQ(copy.VisibleMode(), sbNeverShowLt);
    EXPECT_TRUE(copy.Tracking());
    bar.SetVisible(true);
    copy.Assign(&bar);
    EXPECT_EQ(copy.VisibleMode(), sbAutoShowLt);
}
