// Clicks around the data grid's cell editor: an editor that was shown and
// left untouched changes nothing when the clicks move on, a typed value is
// posted when they do.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/application.h"
#include "tests/dbgrid/core/dbgridinputtesting.h"

namespace {
constexpr int kDelay = 1;
} // namespace

TEST(DBGridClickEdit, AnUntouchedEditorLeavesTheRecordsAlone)
{
    for (const bool typed : {false, true}) {
        TInputStepsGrid f;
        std::vector<std::string> shown;
        TApplication::SetMessageBoxHook([&](const std::string& Text, const std::string&, unsigned) {
            shown.push_back(Text);
            return IDOK;
        });
        const int changes = f.Table->ChangeCount();
        const int raw = f.Grid->DataToRawColumn(kDelay);
        f.Click(f.Centre(raw, 2));
        f.Click(f.Centre(raw, 2));
        ASSERT_TRUE(f.Grid->InplaceEditor() && f.Grid->InplaceEditor()->Visible()) << typed;
        if (typed) {
            f.Grid->InplaceEditor()->SelectAll();
            f.Type("777");
        }
        f.Click(f.Centre(raw + 1, 2));
        f.Click(f.Centre(raw, 3));
        TApplication::SetMessageBoxHook(nullptr);
        EXPECT_EQ(shown, std::vector<std::string>{}) << typed;
        EXPECT_EQ(f.Table->State(), dsBrowse) << typed;
        f.Table->First();
        f.Table->Next();
        EXPECT_EQ(f.Delay->AsInteger(), typed ? 777 : 200) << typed;
        EXPECT_EQ(f.Table->ChangeCount(), changes + (typed ? 1 : 0)) << typed;
    }
}
