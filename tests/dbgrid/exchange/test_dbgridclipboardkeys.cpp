// The data grid's clipboard and selection keys and the standard edit
// actions on the steps grid: what each key does to the clipboard and the
// table under each EditActions and selection, and when the grid refuses.
#include <gtest/gtest.h>

#include <string>

#include "platform/ui/actnlist.h"
#include "platform/ui/application.h"
#include "platform/ui/clipbrd.h"
#include "platform/ui/stdactns.h"
#include "tests/dbgrid/core/dbgridinputtesting.h"

namespace {

constexpr const char* kBefore = "на буфере";
constexpr int kDelay = 1;

enum class TSelectionSetup { None, Rows, Rectangle };

struct TClipboardGrid : TInputStepsGrid {
    TClipboardGrid()
    {
        Grid->SetOptions(Grid->Options() - TDBGridOptions{dgConfirmDelete});
        Clipboard()->SetAsText(kBefore);
    }

    // Rows: records 2 and 3 marked; Rectangle: FDELAY..FNAME of records 2
    // and 3. The table goes back to its first record.
    void Select(TSelectionSetup Setup)
    {
        if (Setup == TSelectionSetup::None)
            return;
        Table->First();
        Table->Next();
        const std::string second = Table->Bookmark();
        if (Setup == TSelectionSetup::Rows)
            Grid->SelectedRows()->SelectCurrentRow(true);
        Table->Next();
        if (Setup == TSelectionSetup::Rows) {
            Grid->SelectedRows()->SelectCurrentRow(true);
        } else {
            Grid->Selection()->Rect()->Select(kDelay, second, false);
            Grid->Selection()->Rect()->Select(kDelay + 1, Table->Bookmark(), true);
        }
        Table->First();
    }

    // FID:FDELAY:FNAME of every record, the cursor back on the first.
    std::string Records() const
    {
        std::string text;
        for (Table->First(); !Table->Eof(); Table->Next())
            text += Fid->AsString() + ":" + Delay->AsString() + ":" + Name->AsString() + " ";
        Table->First();
        return text;
    }
};

const char* const kAll = "1:100:Схема 1 2:200:Схема 2 3:300:Схема 3 4:400:Схема 4 5:500:Схема 5 ";

} // namespace

TEST(DBGridClipboardKeys, EachKeyActsOnlyUnderItsEditAction)
{
    // What stands on the clipboard after the key: the text before, or the
    // copied records 2 and 3.
    enum TClip { Kept, Copied };
    struct TCase {
        const char* Name;
        unsigned Key;
        Qt::KeyboardModifiers Modifiers;
        TDBGridLtEditActions Actions;
        TSelectionSetup Selection;
        TClip Clip;
        const char* Records;
    };
    const char* const withoutTwoAndThree = "1:100:Схема 1 4:400:Схема 4 5:500:Схема 5 ";
    const char* const cleared = "1:100:Схема 1 2:: 3:: 4:400:Схема 4 5:500:Схема 5 ";
    const char* const pasted = "1:777:вставка 2:200:Схема 2 3:300:Схема 3 4:400:Схема 4 5:500:Схема 5 ";
    const TCase cases[] = {
        {"Ctrl+C copies the rows", 'C', Qt::ControlModifier, {geaCopyLt}, TSelectionSetup::Rows, Copied, kAll},
        {"Ctrl+Insert copies", VK_INSERT, Qt::ControlModifier, {geaCopyLt}, TSelectionSetup::Rows, Copied, kAll},
        {"Ctrl+C with empty EditActions", 'C', Qt::ControlModifier, {}, TSelectionSetup::Rows, Kept, kAll},
        {"Ctrl+C without a selection", 'C', Qt::ControlModifier, {geaCopyLt}, TSelectionSetup::None, Kept, kAll},
        {"Ctrl+X cuts the rows", 'X', Qt::ControlModifier, {geaCutLt}, TSelectionSetup::Rows, Copied,
         withoutTwoAndThree},
        {"Shift+Delete cuts", VK_DELETE, Qt::ShiftModifier, {geaCutLt}, TSelectionSetup::Rows, Copied,
         withoutTwoAndThree},
        {"Ctrl+X under copy only", 'X', Qt::ControlModifier, {geaCopyLt}, TSelectionSetup::Rows, Kept, kAll},
        {"Ctrl+X cuts a rectangle's cells", 'X', Qt::ControlModifier, {geaCutLt}, TSelectionSetup::Rectangle,
         Copied, cleared},
        {"Ctrl+V pastes at the current cell", 'V', Qt::ControlModifier, {geaPasteLt}, TSelectionSetup::None, Kept,
         pasted},
        {"Shift+Insert pastes", VK_INSERT, Qt::ShiftModifier, {geaPasteLt}, TSelectionSetup::None, Kept, pasted},
        {"Ctrl+V under copy only", 'V', Qt::ControlModifier, {geaCopyLt}, TSelectionSetup::None, Kept, kAll},
        {"Ctrl+Delete deletes the marked rows", VK_DELETE, Qt::ControlModifier, {geaDeleteLt},
         TSelectionSetup::Rows, Kept, withoutTwoAndThree},
        {"Ctrl+Delete clears a rectangle", VK_DELETE, Qt::ControlModifier, {geaDeleteLt},
         TSelectionSetup::Rectangle, Kept, cleared},
    };
    for (const TCase& c : cases) {
        TClipboardGrid f;
        f.Grid->SetEditActions(c.Actions);
        f.Grid->SetSelectedIndex(kDelay);
        f.Select(c.Selection);
        if (c.Key == 'V' || (c.Key == VK_INSERT && c.Modifiers == Qt::ShiftModifier))
            Clipboard()->SetAsText("777\tвставка");
        const std::string clipBefore = Clipboard()->AsText();
        f.Key(c.Key, c.Modifiers);
        const std::string clip = Clipboard()->AsText();
        if (c.Clip == Copied) {
            EXPECT_NE(clip.find("Схема 2"), std::string::npos) << c.Name;
            EXPECT_NE(clip.find("Схема 3"), std::string::npos) << c.Name;
            EXPECT_EQ(clip.find("Схема 1"), std::string::npos) << c.Name;
        } else {
            EXPECT_EQ(clip, clipBefore) << c.Name;
        }
        EXPECT_EQ(f.Records(), c.Records) << c.Name;
    }
}

TEST(DBGridClipboardKeys, CtrlASelectsAllUnderItsEditAction)
{
    for (const bool allowed : {true, false}) {
        TClipboardGrid f;
        f.Grid->SetEditActions(allowed ? TDBGridLtEditActions{geaSelectAllLt} : TDBGridLtEditActions{geaCopyLt});
        f.Key('A', Qt::ControlModifier);
        EXPECT_EQ(f.Grid->Selection()->SelectionType(), allowed ? gstAll : gstNon) << allowed;
    }
}

TEST(DBGridClipboardKeys, PasteIsRefusedWhereTheGridMayNotWrite)
{
    struct TCase {
        const char* Name;
        bool ReadOnly;
        TDBGridLtAllowedOperations Operations;
        bool Inserting;
        bool Pastes;
    };
    const TCase cases[] = {
        {"read-only grid", true, {alopUpdateLt}, false, false},
        {"updates not allowed", false, {alopInsertLt, alopAppendLt}, false, false},
        {"updates not allowed but a new record", false, {alopInsertLt, alopAppendLt}, true, true},
        {"updates allowed", false, {alopUpdateLt}, false, true},
    };
    for (const TCase& c : cases) {
        TClipboardGrid f;
        f.Grid->SetEditActions({geaPasteLt});
        f.Grid->SetReadOnly(c.ReadOnly);
        f.Grid->SetAllowedOperations(c.Operations);
        f.Grid->SetSelectedIndex(kDelay);
        if (c.Inserting)
            f.Table->Insert();
        Clipboard()->SetAsText("777\tвставка");
        EXPECT_EQ(f.Grid->EditActionAllowed(geaPasteLt), c.Pastes) << c.Name;
        f.Key('V', Qt::ControlModifier);
        EXPECT_EQ(f.Delay->AsInteger() == 777, c.Pastes) << c.Name;
    }
}

TEST(DBGridClipboardKeys, ASelectionTheGridMayNotClearKeepsItsRecords)
{
    // Clearing cells needs updates, deleting rows needs deletes; without
    // them Ctrl+Delete leaves the selection and the current record alone.
    struct TCase {
        const char* Name;
        TSelectionSetup Selection;
        TDBGridLtAllowedOperations Operations;
    };
    const TCase cases[] = {
        {"rectangle without updates", TSelectionSetup::Rectangle, {alopDeleteLt}},
        {"rows without deletes", TSelectionSetup::Rows, {alopUpdateLt}},
    };
    for (const TCase& c : cases) {
        TClipboardGrid f;
        f.Grid->SetEditActions({geaDeleteLt, geaCutLt});
        f.Grid->SetAllowedOperations(c.Operations);
        f.Select(c.Selection);
        f.Key(VK_DELETE, Qt::ControlModifier);
        f.Key('X', Qt::ControlModifier);
        EXPECT_EQ(f.Records(), kAll) << c.Name;
        EXPECT_EQ(Clipboard()->AsText(), kBefore) << c.Name;
    }
}

TEST(DBGridClipboardKeys, CtrlVAndShiftInsertAddTheClipboardToARunningSearch)
{
    for (const Qt::KeyboardModifiers modifiers : {Qt::ControlModifier, Qt::ShiftModifier}) {
        TClipboardGrid f;
        f.Grid->SetEditActions({geaPasteLt});
        f.Grid->SetSelectedIndex(2);
        f.Grid->StartInplaceSearch({}, 0, ltdAllLt);
        Clipboard()->SetAsText("схема 4");
        f.Key(modifiers == Qt::ControlModifier ? 'V' : VK_INSERT, modifiers);
        EXPECT_EQ(f.Grid->InplaceSearchText(), "Схема 4");
        EXPECT_EQ(f.Fid->AsInteger(), 4);
        EXPECT_EQ(f.Records().find("вставка"), std::string::npos);
    }
}

namespace {
// An action that works on datasets: it moves the one it is run on.
class TNextRecordAction : public TAction {
public:
    using TAction::TAction;
    bool HandlesTarget(TObject* Target) override { return dynamic_cast<TDataSet*>(Target) != nullptr; }
    void ExecuteTarget(TObject* Target) override { dynamic_cast<TDataSet*>(Target)->Next(); }
    void UpdateTarget(TObject*) override { SetEnabled(true); }
};
} // namespace

TEST(DBGridEditActions, TheFocusedGridRunsAndEnablesTheEditActions)
{
    TClipboardGrid f;
    f.Grid->SetEditActions({geaCopyLt, geaDeleteLt});
    auto* list = new TActionList(f.Form.get());
    auto* copy = new TEditCopy(f.Form.get());
    auto* paste = new TEditPaste(f.Form.get());
    auto* remove = new TEditDelete(f.Form.get());
    for (TContainedAction* action : {static_cast<TContainedAction*>(copy), static_cast<TContainedAction*>(paste),
                                     static_cast<TContainedAction*>(remove)})
        action->SetActionList(list);

    // Nothing selected: copy and delete are off; paste is not in
    // EditActions, so the grid leaves it to others and nobody takes it.
    list->UpdateActions();
    EXPECT_FALSE(copy->Enabled());
    EXPECT_FALSE(remove->Enabled());
    EXPECT_FALSE(paste->Enabled());
    EXPECT_FALSE(copy->Execute());

    f.Select(TSelectionSetup::Rows);
    list->UpdateActions();
    EXPECT_TRUE(copy->Enabled());
    EXPECT_TRUE(remove->Enabled());
    EXPECT_TRUE(copy->Execute());
    EXPECT_NE(Clipboard()->AsText().find("Схема 3"), std::string::npos);
    EXPECT_TRUE(remove->Execute());
    EXPECT_EQ(f.Records(), "1:100:Схема 1 4:400:Схема 4 5:500:Схема 5 ");

    // A read-only grid may copy but not delete.
    f.Select(TSelectionSetup::Rows);
    f.Grid->SetReadOnly(true);
    list->UpdateActions();
    EXPECT_TRUE(copy->Enabled());
    EXPECT_FALSE(remove->Enabled());
    EXPECT_FALSE(remove->Execute());
    EXPECT_EQ(f.Table->RecordCount(), 3);
}

TEST(DBGridEditActions, TheDatasetComesFirstAndAnUnfocusedGridIsLeftOut)
{
    TClipboardGrid f;
    f.Grid->SetEditActions({geaCopyLt});
    f.Select(TSelectionSetup::Rows);
    auto* next = new TNextRecordAction(f.Form.get());
    auto* list = new TActionList(f.Form.get());
    next->SetActionList(list);
    EXPECT_TRUE(next->Execute());
    EXPECT_EQ(f.Fid->AsInteger(), 2) << "the grid's dataset ran the action";

    // With an edit focused the copy action copies the edit's text.
    auto* edit = new TEdit(f.Form.get());
    edit->SetParent(f.Form.get());
    edit->SetBounds(0, 210, 100, 20);
    edit->SetText("из поля");
    edit->SetFocus();
    ASSERT_TRUE(WaitUntil([edit] { return edit->Focused(); }));
    edit->SelectAll();
    auto* copy = new TEditCopy(f.Form.get());
    copy->SetActionList(list);
    EXPECT_TRUE(copy->Execute());
    EXPECT_EQ(Clipboard()->AsText(), "из поля");
}
