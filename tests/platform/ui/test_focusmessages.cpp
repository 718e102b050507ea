// The focus moving between controls: which controls hear that it left them
// (OnExit) and which that it came into them (OnEnter), in what order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controltesting.h"
#include "platform/ui/stdctrls.h"

namespace {

// A panel holding edits A and B, and edit C beside it on the form.
struct TFocusForm {
    TFocusForm()
    {
        TestApplication();
        Panel = new TPanel(&Form);
        Panel->SetParent(&Form);
        Panel->SetBounds(0, 0, 200, 70);
        A = AddEdit("A", Panel, 5);
        B = AddEdit("B", Panel, 35);
        C = AddEdit("C", &Form, 80);
        Watch("P", Panel);
        ShowForm(Form, 220, 110);
    }

    TEdit* AddEdit(const std::string& Name, TWinControl* Parent, int Top)
    {
        auto* edit = new TEdit(&Form);
        edit->SetParent(Parent);
        edit->SetTop(Top);
        Watch(Name, edit);
        return edit;
    }
    void Watch(const std::string& Name, TWinControl* Control)
    {
        Control->SetOnEnter([this, Name](TObject*) { Heard.push_back("enter " + Name); });
        Control->SetOnExit([this, Name](TObject*) { Heard.push_back("exit " + Name); });
    }
    // What moving the focus to Control made the controls hear.
    std::vector<std::string> FocusOn(TWinControl* Control)
    {
        Heard.clear();
        Control->SetFocus();
        EXPECT_TRUE(WaitUntil([Control] { return Control->Focused(); }));
        return Heard;
    }

    // Before the form: the controls' handlers run while it is taken apart.
    std::vector<std::string> Heard;
    TForm Form{nullptr};
    TPanel* Panel = nullptr;
    TEdit* A = nullptr;
    TEdit* B = nullptr;
    TEdit* C = nullptr;
};

using TEvents = std::vector<std::string>;

TEST(FocusMessages, AParentHearsOnlyWhenTheFocusLeavesItAndAllItsChildrenOrComesIn)
{
    TFocusForm f;
    f.FocusOn(f.C);
    struct TCase {
        const char* Move;
        TWinControl* To;
        TEvents Heard;
    };
    const TCase cases[] = {
        {"into the panel", f.A, {"exit C", "enter P", "enter A"}},
        {"within the panel", f.B, {"exit A", "enter B"}},
        {"out of the panel", f.C, {"exit B", "exit P", "enter C"}},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(f.FocusOn(c.To), c.Heard) << c.Move;
}

TEST(FocusMessages, TheFocusMovingBetweenAControlAndItsChildIsNoExitOrEntry)
{
    TFocusForm f;
    f.Panel->SetTabStop(true);
    f.FocusOn(f.C);
    EXPECT_EQ(f.FocusOn(f.Panel), (TEvents{"exit C", "enter P"}));
    EXPECT_EQ(f.FocusOn(f.A), (TEvents{"enter A"}));
    EXPECT_EQ(f.FocusOn(f.Panel), (TEvents{"exit A"}));
}

} // namespace
