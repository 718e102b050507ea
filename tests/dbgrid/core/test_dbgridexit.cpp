// The focus leaving the data grid while its cell editor has it: the editor
// closes and its text goes into the record, an untouched inserted record
// goes away with dgCancelOnExit, and a text the record refuses keeps the
// editor and the focus. The focus moving between the grid and its own
// editor is no leaving.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/application.h"
#include "platform/ui/stdctrls.h"
#include "tests/dbgrid/core/dbgridinputtesting.h"

namespace {
constexpr int kDelay = 1;

// The steps grid with an edit beside it to take the focus.
struct TGridAndEdit : TInputStepsGrid {
    TGridAndEdit()
    {
        Other = new TEdit(Form.get());
        Other->SetParent(Form.get());
        Other->SetTop(205);
        TApplication::SetMessageBoxHook([this](const std::string& Text, const std::string&, unsigned) {
            Shown.push_back(Text);
            return IDOK;
        });
    }
    ~TGridAndEdit() { TApplication::SetMessageBoxHook(nullptr); }

    // Opens the editor on the delay of the given grid row and types Text.
    void TypeDelay(int Row, const char* Text)
    {
        const int raw = Grid->DataToRawColumn(kDelay);
        Click(Centre(raw, Row));
        Click(Centre(raw, Row));
        ASSERT_TRUE(Editor()->Visible());
        Editor()->SelectAll();
        Type(Text);
    }
    void Leave()
    {
        Other->SetFocus();
        QApplication::processEvents();
    }
    TInplaceEdit* Editor() const { return Grid->InplaceEditor(); }

    TEdit* Other = nullptr;
    std::vector<std::string> Shown;
};

TEST(DBGridExit, LeavingFromTheEditorClosesItAndKeepsTheTypedText)
{
    TGridAndEdit f;
    f.TypeDelay(2, "777");
    ASSERT_TRUE(f.Editor()->Focused());
    f.Leave();
    EXPECT_TRUE(f.Other->Focused());
    EXPECT_FALSE(f.Editor()->Visible());
    EXPECT_EQ(f.Table->RecNo(), 2);
    EXPECT_EQ(f.Delay->AsInteger(), 777);
    EXPECT_EQ(f.Shown, std::vector<std::string>{});
}

TEST(DBGridExit, AnUntouchedInsertedRecordGoesWhenTheFocusLeavesFromTheEditor)
{
    TGridAndEdit f;
    f.Key(VK_INSERT);
    ASSERT_EQ(f.Table->State(), dsInsert);
    f.Key(VK_F2);
    ASSERT_TRUE(f.Editor()->Focused());
    EXPECT_EQ(f.Table->State(), dsInsert) << "the focus went into the grid's own editor";
    f.Leave();
    EXPECT_EQ(f.Table->State(), dsBrowse);
    EXPECT_EQ(f.Table->RecordCount(), 5);
    EXPECT_FALSE(f.Editor()->Visible());
}

TEST(DBGridExit, ARefusedTextKeepsTheEditorAndTheFocus)
{
    TGridAndEdit f;
    f.TypeDelay(2, "-");
    f.Leave();
    ASSERT_EQ(f.Shown.size(), 1u);
    EXPECT_NE(f.Shown[0].find("-"), std::string::npos) << f.Shown[0];
    EXPECT_TRUE(f.Editor()->Visible());
    EXPECT_EQ(f.Editor()->Text(), "-");
    EXPECT_TRUE(f.Editor()->Focused());
    EXPECT_EQ(f.Delay->AsInteger(), 200);
}

} // namespace
