// The standard edit actions on the focused edit, read from a description:
// each one enabled by what the edit holds and the clipboard offers, one
// bound to its Control only, and all of them off without an edit to act on.
#include <gtest/gtest.h>

#include "controltesting.h"
#include "platform/rtl/classbuilder.h"
#include "platform/ui/clipbrd.h"
#include "platform/ui/stdactns.h"

namespace {

const char* const kEditForm = R"(object EditForm: TForm
  ClientHeight = 80
  ClientWidth = 200
  object edtFirst: TEdit
    Top = 0
    Width = 150
  end
  object edtSecond: TEdit
    Top = 30
    Width = 150
  end
  object btnOk: TButton
    Top = 55
  end
  object alEdit: TActionList
    object acCut: TEditCut
    end
    object acCopy: TEditCopy
    end
    object acPaste: TEditPaste
    end
    object acSelectAll: TEditSelectAll
    end
    object acDelete: TEditDelete
    end
    object acCopySecond: TEditCopy
      Control = edtSecond
    end
  end
end
)";

template <class T>
T* Get(const TComponent& Form, const std::string& Name)
{
    auto* component = dynamic_cast<T*>(Form.FindComponent(Name));
    EXPECT_NE(component, nullptr) << Name;
    return component;
}

void Focus(TWinControl* Control)
{
    Control->SetFocus();
    ASSERT_TRUE(WaitUntil([Control] { return Control->Focused(); }));
}

} // namespace

TEST(StandardEditActions, WorkOnTheFocusedEdit)
{
    TestApplication();
    TForm form(nullptr);
    ReadComponentFromText(form, kEditForm, "EditForm");
    ShowForm(form, 200, 80);
    auto* first = Get<TEdit>(form, "edtFirst");
    auto* list = Get<TActionList>(form, "alEdit");
    auto* cut = Get<TEditAction>(form, "acCut");
    auto* copy = Get<TEditAction>(form, "acCopy");
    auto* paste = Get<TEditAction>(form, "acPaste");
    auto* selectAll = Get<TEditAction>(form, "acSelectAll");
    auto* remove = Get<TEditAction>(form, "acDelete");
    auto* copySecond = Get<TEditAction>(form, "acCopySecond");
    ASSERT_EQ(copySecond->Control(), Get<TEdit>(form, "edtSecond"));

    first->SetText("правка");
    Focus(first);
    first->SetSelStart(0);
    first->SetSelLength(0);
    Clipboard()->Clear();
    list->UpdateActions();
    EXPECT_FALSE(cut->Enabled());
    EXPECT_FALSE(copy->Enabled());
    EXPECT_FALSE(paste->Enabled()) << "nothing to paste";
    EXPECT_TRUE(selectAll->Enabled());
    EXPECT_FALSE(copySecond->Enabled()) << "its own edit has no focus";

    EXPECT_TRUE(selectAll->Execute());
    EXPECT_EQ(first->SelText(), "правка");
    EXPECT_TRUE(copy->Execute());
    EXPECT_EQ(Clipboard()->AsText(), "правка");
    EXPECT_FALSE(copySecond->Execute());
    EXPECT_TRUE(cut->Execute());
    EXPECT_EQ(first->Text(), "");
    EXPECT_TRUE(paste->Execute());
    EXPECT_EQ(first->Text(), "правка");
    first->SelectAll();
    EXPECT_TRUE(remove->Execute());
    EXPECT_EQ(first->Text(), "");
    EXPECT_EQ(Clipboard()->AsText(), "правка") << "delete leaves the clipboard";

    first->SetText("только чтение");
    first->SelectAll();
    first->SetReadOnly(true);
    list->UpdateActions();
    EXPECT_TRUE(copy->Enabled());
    EXPECT_FALSE(cut->Enabled());
    EXPECT_FALSE(paste->Enabled());
    EXPECT_FALSE(remove->Execute());
    EXPECT_EQ(first->Text(), "только чтение");

    // No edit focused: nothing takes them.
    Focus(Get<TButton>(form, "btnOk"));
    list->UpdateActions();
    EXPECT_FALSE(copy->Enabled());
    EXPECT_FALSE(selectAll->Execute());
}
