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
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include "dbcontrols/dbeditlt.h"
#include "dbcontrols/buttonpaint.h"
#include "dbcontrols/mrulistboxlt.h"
#include "dbcontrols/sizegriplt.h"
#include "platform/data/clientdataset.h"
#include "platform/data/fields.h"
#include "platform/rtl/clocks.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/reader.h"
#include "platform/rtl/writer.h"
#include "platform/ui/beep.h"
#include "platform/ui/forms.h"
#include "platform/ui/hintwindow.h"
#include "platform/ui/imglist.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/sysmetrics.h"
#include "tests/dbcontrols/popuptesting.h"
#include "tests/dbcontrols/tablefields.h"

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

TEST_F(EditBase, LettersBeyondLatin1StartEditingToo)
{
    ShowFocused();
    for (const char* letter : {"ж", "Ω"}) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8(letter));
        QApplication::sendEvent(Line(), &press);
    }
    EXPECT_EQ(Edit->Text(), "жΩ");
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
    int x = Edit->InnerClientRect().Right;
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
    EXPECT_EQ(Edit->TextAreaRect().Right, Edit->InnerClientRect().Right - total);
}

INSTANTIATE_TEST_SUITE_P(Looks, EditBaseLayout,
                         ::testing::Values(TLayoutCase{"FlatTwoExtra", true, {true, true}},
                                           TLayoutCase{"ClassicTwoExtra", false, {true, true}},
                                           TLayoutCase{"FlatHiddenMiddle", true, {false, true}}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(EditBase, TheFlatBorderLightsUpWithFocusHoverOrAlwaysShowBorder)
{
    auto other = new TEdit(Form.get());
    other->SetParent(Form.get());
    other->SetBounds(10, 50, 100, 21);
    Edit->SetFlat(true);
    Edit->EditButton()->SetVisible(true);
    Form->Show();
    QApplication::setActiveWindow(Form->Widget());
    other->SetFocus();
    QApplication::processEvents();
    const TEditButtonControlRec& main = Edit->ButtonControls()[0];
    auto expectActive = [&](bool Active, int Line) {
        SCOPED_TRACE(Line);
        EXPECT_EQ(Edit->BorderActive(), Active);
        EXPECT_EQ(main.EditButtonControl->Active(), Active);
        EXPECT_EQ(main.ButtonLine->Pen()->Color(), Active ? clBtnFace : Edit->Color());
    };
    expectActive(false, __LINE__);
    Edit->Perform(CM_MOUSEENTER);
    expectActive(true, __LINE__);
    Edit->Perform(CM_MOUSELEAVE);
    expectActive(false, __LINE__);
    Edit->SetAlwaysShowBorder(true);
    expectActive(true, __LINE__);
    Edit->SetAlwaysShowBorder(false);
    ShowFocused();
    expectActive(true, __LINE__);
    other->SetFocus();
    QApplication::processEvents();
    expectActive(false, __LINE__);
}

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
    // The first case changes the look, so the height is fitted anew.
    for (const TCase c : {TCase{false, false, 6}, TCase{true, false, 8}, TCase{false, true, 4}, TCase{true, true, 6}}) {
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
    EXPECT_EQ(Edit->TextAreaRect().Left, Edit->InnerClientRect().Left + 20);
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
    const int y = Edit->InnerClientRect().Bottom - 2;
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

TEST_F(EditBase, TooltipsShowOnlyClippedTextAtTheBottomLeft)
{
    Edit->SetWidth(80);
    Edit->SetTooltips(true);
    EXPECT_TRUE(Edit->TControl::ShowHint()) << "the window shows hints for the tool tips";
    struct TCase {
        const char* Text;
        bool Shown;
    };
    for (const TCase c : {TCase{"short", false}, TCase{"a text far too long for eighty pixels", true}}) {
        SCOPED_TRACE(c.Text);
        Edit->SetText(c.Text);
        THintInfo info;
        info.HintControl = Edit;
        info.HintStr = "the control's own hint";
        const LRESULT refused = Edit->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info));
        EXPECT_EQ(refused == 0, c.Shown);
        if (c.Shown) {
            EXPECT_EQ(info.HintStr, c.Text);
            const TPoint corner = Edit->ClientToScreen(TPoint{0, Edit->Height()});
            EXPECT_EQ(info.HintPos.X, corner.X);
            EXPECT_EQ(info.HintPos.Y, corner.Y);
        }
    }
}

// An editor whose value is the number typed, as the number edit's is.
class TNumberProbe : public TCustomDBEditLt {
public:
    explicit TNumberProbe(TComponent* AOwner) : TCustomDBEditLt(AOwner) {}

protected:
    Variant CurrentValue() const override
    {
        const std::string text = Text();
        return text.empty() ? Variant::Null() : Variant(std::stod(text));
    }
};

TEST_F(EditBase, ANumericValuePicksTheImageAndAnOutOfRangeOneLeavesItAlone)
{
    auto* images = new TImageList(Form.get());
    images->SetSize(8, 8);
    auto* edit = new TNumberProbe(Form.get());
    edit->SetParent(Form.get());
    edit->EditImage()->SetImages(images);
    edit->EditImage()->SetVisible(true);
    struct TCase {
        const char* Text;
        int Index;
    };
    for (const TCase c : {TCase{"2.6", 3}, TCase{"1e12", -1}, TCase{"-7.2", -7}, TCase{"-1e300", -1}}) {
        SCOPED_TRACE(c.Text);
        edit->SetText(c.Text);
        EXPECT_EQ(edit->EditImage()->ImageIndex(), c.Index);
    }
    edit->SetOnGetImageIndex([](TObject*, int& Index) { Index += 10; });
    edit->SetText("1");
    EXPECT_EQ(edit->EditImage()->ImageIndex(), 11) << "the handler has the last word";
}

// A holder that claims keys before the editor does.
class TKeyHolder : public TPanel, public IInplaceEditHolderLt {
public:
    explicit TKeyHolder(TComponent* AOwner) : TPanel(AOwner) {}
    bool AllowEditorModify(TWinControl*) override { return AllowModify; }
    void GetLastMouseDown(TPoint& ScreenPos, int& Time) override
    {
        ScreenPos = LastDown;
        Time = LastDownTime;
        LastDown = TPoint{-1000, -1000};
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
    TPoint LastDown{-1000, -1000};
    int LastDownTime = 0;
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

    int doubleClicks = 0;
    Edit->SetOnDblClick([&](TObject*) { ++doubleClicks; });
    holder->LastDown = Edit->ClientToScreen(TPoint{20, 5});
    holder->LastDownTime = static_cast<int>(GetTickCount());
    QTest::mousePress(Line(), Qt::LeftButton, {}, QPoint(20, 5));
    QTest::mouseRelease(Line(), Qt::LeftButton, {}, QPoint(20, 5));
    EXPECT_EQ(doubleClicks, 1) << "the press that follows the holder's press is a double click";
    QTest::mousePress(Line(), Qt::LeftButton, {}, QPoint(20, 5));
    QTest::mouseRelease(Line(), Qt::LeftButton, {}, QPoint(20, 5));
    EXPECT_EQ(doubleClicks, 1) << "the holder reports its press once";

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
        Name = AddTableField<TStringField>(Table, "NAME", 8);
        Count = AddTableField<TIntegerField>(Table, "COUNT");
        Power = new TFloatField(Form.get());
        Power->SetFieldName("POWER");
        Power->SetDisplayFormat("0.00 W");
        Power->SetDataSet(Table);
        Table->CreateDataSet();
        Table->Append();
        Name->SetAsString("lamp");
        Count->SetAsInteger(3);
        Power->SetAsFloat(2.5);
        Table->Post();
        Source = new TDataSource(Form.get());
        Source->SetDataSet(Table);
        Edit->SetDataSource(Source);
    }
    TClientDataSet* Table = nullptr;
    TStringField* Name = nullptr;
    TIntegerField* Count = nullptr;
    TFloatField* Power = nullptr;
    TDataSource* Source = nullptr;
};

TEST_F(BoundEdit, FocusShowsTheEditTextAndLeavingTheDisplayText)
{
    Edit->SetDataField("POWER");
    EXPECT_EQ(Edit->Text(), "2.50 W");
    auto other = new TEdit(Form.get());
    other->SetParent(Form.get());
    other->SetBounds(10, 50, 100, 21);
    ShowFocused();
    EXPECT_EQ(Edit->Text(), Power->Text());
    EXPECT_EQ(Edit->Text().find('W'), std::string::npos);
    other->SetFocus();
    QApplication::processEvents();
    EXPECT_EQ(Edit->Text(), "2.50 W");
    EXPECT_EQ(Table->State(), dsBrowse) << "showing a value edits nothing";
}

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

TEST_F(BoundEdit, WordWrapMakesAMultiLineWindowThatKeepsButtonsAndPostsTypedText)
{
    Edit->SetDataField("NAME");
    Edit->SetBounds(10, 10, 45, 60);
    Edit->EditButtons()->Add();
    Edit->SetFlat(true);
    const TRect editRect = Edit->EditRect();
    auto other = new TEdit(Form.get());
    other->SetParent(Form.get());
    other->SetBounds(10, 100, 100, 21);
    Edit->SetWordWrap(true);
    ASSERT_TRUE(Edit->IsMultiLine());
    EXPECT_EQ(Edit->Text(), "lamp");
    EXPECT_FALSE(Edit->Modified()) << "a new window changes nothing";
    EXPECT_EQ(Table->State(), dsBrowse);
    EXPECT_EQ(Edit->EditRect(), editRect) << "the text keeps clear of the buttons";
    for (const auto& pair : Edit->ButtonControls())
        EXPECT_EQ(pair.EditButtonControl->Widget()->parentWidget(), Edit->Widget());
    ShowFocused();

    Edit->SelectAll();
    const QString typed = QString::fromUtf8("свет вкл");
    for (const QChar ch : typed) {
        QTest::sendKeyEvent(QTest::Press, Edit->Widget(), Qt::Key_unknown, QString(ch), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, Edit->Widget(), Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
    EXPECT_EQ(Edit->Text(), typed.toStdString());
    EXPECT_GE(Edit->LineCount(), 2) << "the two words wrap in the narrow window";
    EXPECT_EQ(Table->State(), dsEdit);
    other->SetFocus();
    QApplication::processEvents();
    EXPECT_EQ(Name->AsString(), typed.toStdString());

    Edit->SetWordWrap(false);
    EXPECT_FALSE(Edit->IsMultiLine());
    EXPECT_EQ(Edit->Text(), typed.toStdString());
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

namespace {

int Occurrences(const std::string& Text, const std::string& Part)
{
    int n = 0;
    for (std::size_t at = Text.find(Part); at != std::string::npos; at = Text.find(Part, at + 1))
        ++n;
    return n;
}

TEST(EditBaseDescription, StoresTextOnlyUnboundAndTheMaskOnlyWhenAssigned)
{
    TestApplication();
    TForm form(nullptr);
    form.SetName("EditForm");
    auto* plain = new TCustomDBEditLt(&form);
    plain->SetName("edPlain");
    plain->SetParent(&form);
    auto* masked = new TCustomDBEditLt(&form);
    masked->SetName("edMasked");
    masked->SetParent(&form);
    masked->SetEditMask("00:00;1;_");
    masked->SetText("12:34");
    masked->SetFlat(true);

    const std::string text = WriteComponentToText(form);
    EXPECT_EQ(Occurrences(text, "EditMask"), 1) << text;
    EXPECT_EQ(Occurrences(text, "Text = "), 1) << "an empty text is not stored\n" << text;
    EXPECT_EQ(Occurrences(text, "ReadOnly"), 0) << "the window's own read-only state is not the property\n" << text;

    TForm copy(nullptr);
    ReadComponentFromText(copy, text, "copy");
    auto* read = dynamic_cast<TCustomDBEditLt*>(copy.FindComponent("edMasked"));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->EditMask(), "00:00;1;_");
    EXPECT_EQ(read->Text(), "12:34");
    EXPECT_TRUE(read->Flat());
    EXPECT_EQ(read->FieldLink()->UnboundValue().AsString(), "12:34") << "the loaded text is the value";
}

} // namespace

namespace {

class EditBaseMRU : public EditBase {
protected:
    void SetUp() override
    {
        EditBase::SetUp();
        Edit->MRUList()->SetActive(true);
        for (const char* item : {"alpha", "alps", "beta", "Alto"})
            Edit->MRUList()->Items()->Add(item);
    }
    std::vector<std::string> Shown() const
    {
        std::vector<std::string> items;
        if (Edit->MRUListDroppedDown())
            for (int i = 0; i < Edit->MRUPopup()->Items()->Count(); ++i)
                items.push_back(Edit->MRUPopup()->Items()->Get(i));
        return items;
    }
};

TEST_F(EditBaseMRU, TypingOffersMatchingItemsAndEnterTakesTheChosenOne)
{
    ShowFocused();
    QTest::keyClicks(Line(), "al");
    EXPECT_EQ(Shown(), (std::vector<std::string>{"alpha", "alps", "Alto"})) << "not case-sensitive by default";
    const TRect area = Edit->EditRect();
    EXPECT_EQ(Edit->MRUPopup()->Width(), area.Width()) << "as wide as the text area";
    EXPECT_EQ(Edit->MRUPopup()->Left(), Edit->ClientToScreen(TPoint{area.Left, 0}).X);

    QTest::keyClick(Line(), Qt::Key_P);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"alpha", "alps"})) << "refilled while typing";
    QTest::keyClick(Line(), Qt::Key_Down);
    QTest::keyClick(Line(), Qt::Key_Down);
    EXPECT_EQ(Edit->MRUPopup()->ItemIndex(), 1) << "arrows move in the list, not the caret";
    EXPECT_NE(Edit->Perform(CM_WANTSPECIALKEY, VK_RETURN), 0);
    QTest::keyClick(Line(), Qt::Key_Return);
    EXPECT_FALSE(Edit->MRUListDroppedDown());
    EXPECT_EQ(Edit->Text(), "alps");
}

TEST_F(EditBaseMRU, CharactersSharingTheArrowCodesAreTypedWhileTheListIsOpen)
{
    Edit->MRUList()->Items()->Add("a(&)!\"");
    ShowFocused();
    QTest::keyClicks(Line(), "a(&)!\"");
    EXPECT_EQ(Edit->Text(), "a(&)!\"");
    EXPECT_EQ(Shown(), (std::vector<std::string>{"a(&)!\""}));
    EXPECT_EQ(Edit->MRUPopup()->ItemIndex(), -1) << "no character moved the selection";
}

TEST_F(EditBaseMRU, EscDiscardsEmptyTextClosesAndBackspaceOnEmptyOffersAll)
{
    Edit->MRUList()->SetCaseSensitive(true);
    ShowFocused();
    QTest::keyClicks(Line(), "al");
    EXPECT_EQ(Shown(), (std::vector<std::string>{"alpha", "alps"}));
    QTest::keyClick(Line(), Qt::Key_Down);
    QTest::keyClick(Line(), Qt::Key_Escape);
    EXPECT_FALSE(Edit->MRUListDroppedDown());
    EXPECT_EQ(Edit->Text(), "al") << "Esc in the list keeps the typed text";

    QTest::keyClick(Line(), Qt::Key_Backspace);
    EXPECT_TRUE(Edit->MRUListDroppedDown());
    QTest::keyClick(Line(), Qt::Key_Backspace);
    EXPECT_FALSE(Edit->MRUListDroppedDown()) << "an empty text closes the list";
    QTest::keyClick(Line(), Qt::Key_Backspace);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"alpha", "alps", "beta", "Alto"}));
}

TEST_F(EditBaseMRU, LeavingAddsThePostedTextAndAResizeIsKept)
{
    auto other = new TEdit(Form.get());
    other->SetParent(Form.get());
    other->SetBounds(10, 50, 100, 21);
    ShowFocused();
    QTest::keyClicks(Line(), "be");
    ASSERT_TRUE(Edit->MRUListDroppedDown());
    TMRUListboxLt* popup = Edit->MRUPopup();
    TSizeGripLt* grip = popup->SizeGrip();
    const int x = grip->Width() / 2, y = grip->Height() / 2, dy = 2 * popup->ItemHeight();
    const int widthBefore = popup->Width();
    grip->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(x, y));
    grip->Perform(WM_MOUSEMOVE, MK_LBUTTON, MakeLParam(x + 30, y + dy));
    grip->Perform(WM_LBUTTONUP, 0, MakeLParam(x + 30, y + dy));
    ASSERT_GT(popup->Width(), widthBefore) << "the grip resized the list";
    EXPECT_EQ(Edit->MRUList()->Rows(), 3);
    EXPECT_EQ(Edit->MRUList()->PopupWidth(), popup->Width());

    QTest::keyClick(Line(), Qt::Key_X);
    other->SetFocus();
    QApplication::processEvents();
    EXPECT_FALSE(Edit->MRUListDroppedDown());
    const TStrings* items = Edit->MRUList()->Items();
    EXPECT_EQ(items->Get(items->Count() - 1), "bex") << "the posted text is the newest item";
}

} // namespace
