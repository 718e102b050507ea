// The data-aware edit base: its value cycle unbound and bound to a client
// dataset, what keys may change, Esc and the drop-down shortcut, the
// buttons' layout, the height, the required mark and in-place hosting.
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QTest>

#include "dbcontrols/dbeditlt.h"
#include "dbcontrols/buttonpaint.h"
#include "platform/data/clientdataset.h"
#include "platform/data/fields.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/beep.h"
#include "platform/ui/forms.h"
#include "platform/ui/imglist.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/sysmetrics.h"
#include "tests/dbcontrols/popuptesting.h"

namespace {

class EditBase : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestApplication();
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(100, 100, 320, 200);
        Edit = new TCustomDBEditLt(Form.get());
        Edit->SetParent(Form.get());
        Edit->SetBounds(10, 10, 200, 21);
        Edit->SetOnChange([this](TObject*) { Changes.push_back(Edit->Text()); });
    }

    void ShowFocused()
    {
        Form->Show();
        QApplication::setActiveWindow(Form->Widget());
        Edit->SetFocus();
        QApplication::processEvents();
        ASSERT_TRUE(Edit->Focused());
    }

    QLineEdit* Line() const { return static_cast<QLineEdit*>(Edit->Widget()); }

    std::vector<std::string> Changes;   // outlives the form: freeing the data source empties the editor
    std::unique_ptr<TForm> Form;
    TCustomDBEditLt* Edit = nullptr;
};

TEST_F(EditBase, SettingTextPostsItOnceAndLeavesTheWindowReadOnly)
{
    Edit->SetText("abc");
    EXPECT_EQ(Changes, (std::vector<std::string>{"abc"})) << "one OnChange";
    EXPECT_EQ(Edit->FieldLink()->UnboundValue().AsString(), "abc");
    EXPECT_EQ(Edit->Value().AsString(), "abc");
    EXPECT_FALSE(Edit->Modified());
    EXPECT_FALSE(Edit->FieldLink()->Modified());
    EXPECT_TRUE(Line()->isReadOnly()) << "read-only until a key starts editing";
}

TEST_F(EditBase, TextSetInsideOnUpdateDataIsNotPostedAgain)
{
    int updates = 0;
    Edit->SetOnUpdateData([&](TObject*, bool& Handled) {
        ++updates;
        Edit->SetText(Edit->Text() + "!");
        Handled = false;
    });
    Edit->SetText("x");
    EXPECT_EQ(updates, 1);
    EXPECT_EQ(Edit->FieldLink()->UnboundValue().AsString(), "x!");
    EXPECT_EQ(Edit->Text(), "x!");
}

TEST_F(EditBase, AFailingPostShowsTheStoredValueAgainAndRaises)
{
    Edit->SetText("kept");
    Edit->SetOnUpdateData([](TObject*, bool&) { throw Exception("refused"); });
    EXPECT_THROW(Edit->SetText("lost"), Exception);
    EXPECT_EQ(Edit->Text(), "kept");
    EXPECT_EQ(Edit->FieldLink()->UnboundValue().AsString(), "kept");
    EXPECT_FALSE(Edit->Posting()) << "the posting flag is cleared on the error path";
}

TEST_F(EditBase, KeysChangeTheTextOnlyWhenNotReadOnly)
{
    struct TCase {
        const char* Name;
        bool ReadOnly;
        Qt::Key Key;
        Qt::KeyboardModifiers Modifiers;
        const char* Expected;
    };
    const TCase cases[] = {
        {"letter", false, Qt::Key_Q, Qt::NoModifier, "abcq"},
        {"letter read-only", true, Qt::Key_Q, Qt::NoModifier, "abc"},
        {"backspace", false, Qt::Key_Backspace, Qt::NoModifier, "ab"},
        {"backspace read-only", true, Qt::Key_Backspace, Qt::NoModifier, "abc"},
        {"delete at start", false, Qt::Key_Delete, Qt::NoModifier, "bc"},
        {"delete read-only", true, Qt::Key_Delete, Qt::NoModifier, "abc"},
    };
    ShowFocused();
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Edit->SetReadOnly(false);
        Edit->SetText("abc");
        Edit->SetReadOnly(c.ReadOnly);
        Edit->SetSelStart(c.Key == Qt::Key_Delete ? 0 : 3);
        QTest::keyClick(Line(), c.Key, c.Modifiers);
        EXPECT_EQ(Edit->Text(), c.Expected);
    }
}

TEST_F(EditBase, TypingThenLeavingPostsTheTypedText)
{
    auto other = new TEdit(Form.get());
    other->SetParent(Form.get());
    other->SetBounds(10, 50, 100, 21);
    ShowFocused();
    QTest::keyClicks(Line(), "hi");
    EXPECT_EQ(Edit->Text(), "hi");
    EXPECT_TRUE(Edit->FieldLink()->UnboundValue().IsNull()) << "nothing posted while typing";
    other->SetFocus();
    QApplication::processEvents();
    EXPECT_EQ(Edit->FieldLink()->UnboundValue().AsString(), "hi");
    EXPECT_TRUE(Line()->isReadOnly()) << "saving ends the editing";
}

TEST_F(EditBase, EscRevertsTypedTextAndIsWantedOnlyWhileModified)
{
    Edit->SetText("old");
    ShowFocused();
    EXPECT_EQ(Edit->Perform(CM_WANTSPECIALKEY, VK_ESCAPE), 0) << "an unchanged editor leaves Esc to the dialog";
    Edit->SetSelStart(3);
    QTest::keyClicks(Line(), "er");
    EXPECT_EQ(Edit->Text(), "older");
    EXPECT_NE(Edit->Perform(CM_WANTSPECIALKEY, VK_ESCAPE), 0);
    QTest::keyClick(Line(), Qt::Key_Escape);
    EXPECT_EQ(Edit->Text(), "old");
    EXPECT_EQ(Edit->SelLength(), 3) << "all selected";
    EXPECT_EQ(Edit->Perform(CM_WANTSPECIALKEY, VK_ESCAPE), 0);
}

TEST_F(EditBase, AltDownOpensAHiddenDropDownAndTheButtonClosesIt)
{
    ShowFocused();
    ASSERT_FALSE(Edit->EditButton()->Visible());
    QTest::keyClick(Line(), Qt::Key_Down, Qt::AltModifier);
    EXPECT_TRUE(Edit->DroppedDown());

    Edit->EditButton()->SetVisible(true);
    TEditButtonControlLt* button = Edit->ButtonControls()[0].EditButtonControl;
    ASSERT_TRUE(Edit->DroppedDown());
    QTest::mouseClick(button->Widget(), Qt::LeftButton, {}, QPoint(button->Width() / 2, button->Height() / 2));
    EXPECT_FALSE(Edit->DroppedDown()) << "a press on the button of an open drop-down closes it";
    QTest::mouseClick(button->Widget(), Qt::LeftButton, {}, QPoint(button->Width() / 2, button->Height() / 2));
    EXPECT_TRUE(Edit->DroppedDown()) << "the next press opens it again";
}

TEST_F(EditBase, ButtonMenuOpensOnceAndASecondPressOnlyClosesIt)
{
    auto* menu = new TPopupMenu(Form.get());
    int popups = 0;
    TPopupMenu::SetPopupHook([&](TPopupMenu*, int, int) -> TMenuItem* {
        ++popups;
        return nullptr;
    });
    Edit->EditButton()->SetVisible(true);
    Edit->EditButton()->SetDropdownMenu(menu);
    ShowFocused();
    TEditButtonControlLt* button = Edit->ButtonControls()[0].EditButtonControl;
    const QPoint mid(button->Width() / 2, button->Height() / 2);
    QTest::mousePress(button->Widget(), Qt::LeftButton, {}, mid);
    EXPECT_EQ(popups, 1);
    QTest::mouseRelease(button->Widget(), Qt::LeftButton, {}, mid);
    // The menu's closing press arrives before the marker is delivered.
    QTest::mousePress(button->Widget(), Qt::LeftButton, {}, mid);
    EXPECT_EQ(popups, 1) << "the press that closes the menu does not reopen it";
    QTest::mouseRelease(button->Widget(), Qt::LeftButton, {}, mid);
    QApplication::processEvents();
    QTest::mousePress(button->Widget(), Qt::LeftButton, {}, mid);
    EXPECT_EQ(popups, 2);
    QTest::mouseRelease(button->Widget(), Qt::LeftButton, {}, mid);
    TPopupMenu::SetPopupHook(nullptr);
    QApplication::processEvents();
}

struct TLayoutCase {
    const char* Name;
    bool Flat;
    std::vector<bool> ExtraVisible;   // the EditButtons items
};

void PrintTo(const TLayoutCase& Case, std::ostream* Out)
{
    *Out << Case.Name;
}

class EditBaseLayout : public EditBase, public ::testing::WithParamInterface<TLayoutCase> {};

TEST_P(EditBaseLayout, ButtonsRunFromTheTextOutwardWithLinesOnlyBesideVisibleFlatButtons)
{
    const TLayoutCase& c = GetParam();
    Edit->SetFlat(c.Flat);
    Edit->EditButton()->SetVisible(true);
    for (const bool visible : c.ExtraVisible) {
        TEditButtonLt* b = Edit->EditButtons()->Add();
        b->SetVisible(visible);
    }
    Form->Show();
    QApplication::processEvents();
    const TEditButtonControlList& list = Edit->ButtonControls();
    ASSERT_EQ(list.size(), 1 + c.ExtraVisible.size());
    const int expectedWidth = c.Flat ? ComputeFlatButtonWidth() : GetSystemMetrics(SM_CXVSCROLL);
    int x = Edit->ClientRect().Right;
    int total = 0;
    for (std::size_t n = list.size(); n-- > 0;) {
        const bool visible = n == 0 || c.ExtraVisible[n - 1];
        const TEditButtonControlRec& rec = list[n];
        SCOPED_TRACE(n);
        EXPECT_EQ(rec.EditButtonControl->Width(), visible ? expectedWidth : 0);
        EXPECT_EQ(rec.EditButtonControl->Left() + rec.EditButtonControl->Width(), x) << "next to its outer neighbour";
        x = rec.EditButtonControl->Left();
        const bool line = visible && c.Flat;
        EXPECT_EQ(rec.ButtonLine->Visible(), line);
        if (line) {
            EXPECT_EQ(rec.ButtonLine->Width(), 1);
            EXPECT_EQ(rec.ButtonLine->Left(), x - 1) << "the line on the button's text side";
            x -= 1;
        }
        total += (visible ? expectedWidth : 0) + (line ? 1 : 0);
    }
    EXPECT_EQ(Edit->ButtonsWidth(), total);
    EXPECT_EQ(Edit->TextAreaRect().Right, Edit->ClientRect().Right - total);
}

INSTANTIATE_TEST_SUITE_P(Looks, EditBaseLayout,
                         ::testing::Values(TLayoutCase{"FlatTwoExtra", true, {true, true}},
                                           TLayoutCase{"ClassicTwoExtra", false, {true, true}},
                                           TLayoutCase{"FlatHiddenMiddle", true, {false, true}}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(EditBase, HeightFollowsTheFontAndTheTallerImage)
{
    TCanvas canvas;
    canvas.SetFont(Edit->Font());
    const int text = canvas.TextHeight("Wg");
    struct TCase {
        bool Ctl3D;
        bool Flat;
        int Factor;
    };
    for (const TCase c : {TCase{true, false, 8}, TCase{true, true, 6}, TCase{false, true, 4}, TCase{false, false, 6}}) {
        SCOPED_TRACE(c.Factor);
        Edit->SetCtl3D(c.Ctl3D);
        Edit->SetFlat(c.Flat);
        Edit->SetHeight(50);
        EXPECT_EQ(Edit->Height(), c.Factor + text) << "AutoSize keeps the fitted height";
    }
    auto* images = new TImageList(Form.get());
    images->SetSize(16, text + 20);
    Edit->EditImage()->SetImages(images);
    Edit->EditImage()->SetVisible(true);
    EXPECT_EQ(Edit->Height(), 6 + text + 20);
    EXPECT_EQ(Edit->ImageWidth(), 16 + 4);
    EXPECT_EQ(Edit->TextAreaRect().Left, Edit->ClientRect().Left + 20);
    Edit->EditImage()->SetUseImageHeight(false);
    EXPECT_EQ(Edit->Height(), 6 + text);
}

TEST_F(EditBase, RequiredMarkShowsOnAnEmptyValueUntilACharacterIsTyped)
{
    Edit->SetHighlightRequired(true);
    ShowFocused();
    EXPECT_TRUE(Edit->RequiredMarkDue());
    Form->Widget()->repaint();
    const QImage before = Edit->Widget()->grab().toImage();
    const TRect area = Edit->TextAreaRect();
    const int y = Edit->ClientRect().Bottom - 2;
    int red = 0;
    for (int x = area.Left + 2; x < area.Right - 3; ++x)
        red += before.pixelColor(x, y) == QColor(Qt::red);
    EXPECT_GT(red, (area.Width() - 5) / 3) << "a dotted red line";

    QTest::keyClick(Line(), Qt::Key_A);
    EXPECT_FALSE(Edit->RequiredMarkDue());

    bool asked = false;
    Edit->SetOnCheckDrawRequiredState([&](TObject*, bool& Draw) {
        asked = true;
        Draw = true;
    });
    EXPECT_TRUE(Edit->RequiredMarkDue()) << "the handler decides last";
    EXPECT_TRUE(asked);
}

// A holder that claims keys before the editor does.
class TKeyHolder : public TPanel, public IInplaceEditHolderLt {
public:
    explicit TKeyHolder(TComponent* AOwner) : TPanel(AOwner) {}
    bool AllowEditorModify(TWinControl*) override { return AllowModify; }
    void GetLastMouseDown(TPoint& ScreenPos, int& Time) override
    {
        ScreenPos = TPoint{-1000, -1000};
        Time = 0;
    }
    void EditorMessage(TWinControl*, TMessage&) override {}
    void EditorKeyDown(TWinControl*, unsigned& Key, TShiftState) override
    {
        if (Key == VK_DOWN)
            Key = 0;
    }
    void EditorKeyPress(TWinControl*, char32_t& Key) override
    {
        if (Key == U'z')
            Key = 0;
    }
    void EditorKeyUp(TWinControl*, unsigned&, TShiftState) override {}
    bool AllowModify = true;
};

TEST_F(EditBase, InplaceHolderMustHostAndSeesKeysFirst)
{
    auto* panel = new TPanel(Form.get());
    try {
        Edit->SetInplaceEditHolder(panel);
        FAIL() << "a plain panel cannot host";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "InplaceEditHolder have to support IInplaceEditHolderLt interface");
    }
    EXPECT_FALSE(Edit->InplaceMode());

    auto* holder = new TKeyHolder(Form.get());
    holder->SetParent(Form.get());
    Edit->SetInplaceEditHolder(holder);
    ShowFocused();
    QTest::keyClicks(Line(), "xzy");
    EXPECT_EQ(Edit->Text(), "xy") << "the holder swallowed z";
    QTest::keyClick(Line(), Qt::Key_Down, Qt::AltModifier);
    EXPECT_FALSE(Edit->DroppedDown()) << "the holder swallowed Alt+Down";

    holder->AllowModify = false;
    Edit->SetText("");
    QTest::keyClicks(Line(), "q");
    EXPECT_EQ(Edit->Text(), "") << "the holder keeps the editor read-only";

    Edit->PlaceAt(TRect{0, 0, 0, 0});
    EXPECT_FALSE(Edit->Visible());
    Edit->PlaceAt(TRect{5, 5, 105, 26});
    EXPECT_TRUE(Edit->Visible());
    EXPECT_EQ(Edit->Left(), 5);
}

class BoundEdit : public EditBase {
protected:
    void SetUp() override
    {
        EditBase::SetUp();
        Table = new TClientDataSet(Form.get());
        Name = new TStringField(Form.get());
        Name->SetFieldName("NAME");
        Name->SetSize(8);
        Name->SetDataSet(Table);
        Count = new TIntegerField(Form.get());
        Count->SetFieldName("COUNT");
        Count->SetDataSet(Table);
        Table->CreateDataSet();
        Table->Append();
        Name->SetAsString("lamp");
        Count->SetAsInteger(3);
        Table->Post();
        Source = new TDataSource(Form.get());
        Source->SetDataSet(Table);
        Edit->SetDataSource(Source);
    }
    TClientDataSet* Table = nullptr;
    TStringField* Name = nullptr;
    TIntegerField* Count = nullptr;
    TDataSource* Source = nullptr;
};

TEST_F(BoundEdit, ShowsTheFieldTypingEditsTheRecordAndLeavingPostsIt)
{
    Edit->SetDataField("NAME");
    EXPECT_EQ(Edit->Text(), "lamp");
    EXPECT_EQ(Edit->MaxLength(), 8) << "a string field gives its size";
    EXPECT_TRUE(Line()->isReadOnly());
    auto other = new TEdit(Form.get());
    other->SetParent(Form.get());
    other->SetBounds(10, 50, 100, 21);
    ShowFocused();
    Edit->SetSelStart(4);
    QTest::keyClicks(Line(), "s");
    EXPECT_EQ(Table->State(), dsEdit);
    other->SetFocus();
    QApplication::processEvents();
    EXPECT_EQ(Name->AsString(), "lamps");
}

TEST_F(BoundEdit, ARefusedCharacterBeepsAndIsDropped)
{
    Edit->SetDataField("COUNT");
    std::vector<unsigned> beeps;
    const TMessageBeepHook old = SetMessageBeepHook([&](unsigned Type) { beeps.push_back(Type); });
    ShowFocused();
    Edit->SetSelStart(1);
    QTest::keyClicks(Line(), "x5");
    SetMessageBeepHook(old);
    EXPECT_EQ(Edit->Text(), "35");
    EXPECT_EQ(beeps, (std::vector<unsigned>{0}));
}

TEST_F(BoundEdit, SettingTextPostsToTheFieldAndAFailingPostRevertsToIt)
{
    Edit->SetDataField("COUNT");
    Edit->SetText("12");
    EXPECT_EQ(Count->AsInteger(), 12);
    EXPECT_THROW(Edit->SetText("twelve"), Exception);
    EXPECT_EQ(Edit->Text(), "12") << "the field's value is shown again";
}

} // namespace
