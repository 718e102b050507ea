// The data grid's in-place editor on a programme table: the edit style per
// column, the button strip, the pick list, calendar and calculator, typing
// completed from pick and lookup lists, not-in-list handling, Delete on a
// lookup cell, a resized list stored in the column, recently used texts and
// a picture of the editor with its button.
#include <QApplication>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

#include "dbcontrols/mrulistboxlt.h"
#include "dbcontrols/popupcalculatorlt.h"
#include "dbcontrols/popuplistboxlt.h"
#include "dbcontrols/popupmonthcalendarlt.h"
#include "dbcontrols/sizegriplt.h"
#include "dbgrid/editor/inplaceeditstyle.h"
#include "dbgrid/lookup/popupdatagridlt.h"
#include "platform/rtl/dateformat.h"
#include "platform/rtl/floatformat.h"
#include "tests/dbgrid/editor/inplaceeditgrid.h"

namespace {
void SetList(TStrings* List, std::initializer_list<const char*> Items)
{
    List->Clear();
    for (const char* item : Items)
        List->Add(item);
}

QWidget* EditorWidget(TDBGridInplaceEdit* Editor)
{
    return Editor->Widget();
}

// Types Text (Russian letters included) one character at a time.
void TypeText(TDBGridInplaceEdit* Editor, const QString& Text)
{
    for (const QChar ch : Text) {
        QTest::sendKeyEvent(QTest::Press, EditorWidget(Editor), Qt::Key_unknown, QString(ch), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, EditorWidget(Editor), Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}
} // namespace

TEST(DBGridInplaceEdit, EditStyleFollowsButtonStyleFieldAndLists)
{
    TProgrammeGrid f;
    struct Case {
        int Column;
        TColumnButtonStyleLt ButtonStyle;
        bool PickList;
        bool ReadOnly;
        TInplaceEditStyleLt Style;
        TEditButtonStyleLt Button;   // the default button's face when shown
    };
    const Case cases[] = {
        {TProgrammeGrid::cNote, cbsAuto, false, false, iesSimpleLt, ebsDropDownLt},
        {TProgrammeGrid::cNote, cbsNone, true, false, iesSimpleLt, ebsDropDownLt},
        {TProgrammeGrid::cNote, cbsEllipsis, false, false, iesEllipsisLt, ebsEllipsisLt},
        {TProgrammeGrid::cNote, cbsUpDown, false, false, iesUpDownLt, ebsUpDownLt},
        {TProgrammeGrid::cValue, cbsDropDown, false, false, iesDropDownLt, ebsDropDownLt},
        {TProgrammeGrid::cNote, cbsAuto, true, false, iesPickListLt, ebsDropDownLt},
        {TProgrammeGrid::cNote, cbsAuto, true, true, iesSimpleLt, ebsDropDownLt},
        {TProgrammeGrid::cDay, cbsAuto, false, false, iesDateCalendarLt, ebsDropDownLt},
        {TProgrammeGrid::cDay, cbsAuto, false, true, iesSimpleLt, ebsDropDownLt},
        {TProgrammeGrid::cSchemeName, cbsAuto, false, false, iesDataListLt, ebsDropDownLt},
        // An explicitly read-only lookup column lists nothing.
        {TProgrammeGrid::cSchemeName, cbsAuto, false, true, iesSimpleLt, ebsDropDownLt},
    };
    for (const Case& k : cases) {
        TColumnLt* column = f.Column(k.Column);
        column->SetButtonStyle(k.ButtonStyle);
        SetList(column->PickList(), {});
        if (k.PickList)
            SetList(column->PickList(), {"раз", "два"});
        column->SetReadOnly(k.ReadOnly);
        SCOPED_TRACE(testing::Message() << "column " << k.Column << " style " << k.Style);
        EXPECT_EQ(ColumnEditStyle(*column), k.Style);
        EXPECT_EQ(ColumnShowsDefaultButton(*column), k.Style != iesSimpleLt);
        EXPECT_EQ(column->EditButtonsWidth() > 0, k.Style != iesSimpleLt);
        if (k.ReadOnly)
            continue;   // no editor opens on a read-only cell
        TDBGridInplaceEdit* editor = f.EditColumn(k.Column);
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->EditStyle(), k.Style);
        ASSERT_FALSE(editor->ButtonControls().empty());
        TEditButtonControlLt* button = editor->ButtonControls()[0].EditButtonControl;
        EXPECT_EQ(button->Visible(), k.Style != iesSimpleLt);
        if (k.Style != iesSimpleLt) {
            EXPECT_EQ(button->Style(), k.Button);
            EXPECT_EQ(button->Left() + button->Width(), editor->Width());
            EXPECT_LE(editor->TextRect().Right, button->Left());
        }
        f.Grid->SetEditorMode(false);
        f.Table->Cancel();
    }
}

TEST(DBGridInplaceEdit, PickListRowsAreItemsUpToDropDownRows)
{
    TProgrammeGrid f;
    TColumnLt* column = f.Column(TProgrammeGrid::cNote);
    struct Case {
        std::initializer_list<const char*> Items;
        int DropDownRows;
        int Rows;
    };
    const Case cases[] = {
        {{"первая", "вторая", "третья"}, 7, 3},
        {{"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"}, 7, 7},
        {{"a", "b", "c", "d", "e"}, 2, 2},
    };
    for (const Case& k : cases) {
        SetList(column->PickList(), k.Items);
        column->SetDropDownRows(k.DropDownRows);
        TDBGridInplaceEdit* editor = f.EditColumn(TProgrammeGrid::cNote);
        editor->DropDown();
        ASSERT_TRUE(editor->ListShown());
        TPopupListboxLt* list = editor->PickListControl();
        EXPECT_EQ(list->RowCount(), k.Rows);
        EXPECT_EQ(list->ItemIndex(), column->PickList()->IndexOf(f.Note->AsString()));
        EXPECT_GE(list->Width(), editor->Width());
        editor->CloseUp(false);
        EXPECT_FALSE(editor->ListShown());
        EXPECT_FALSE(list->Visible());
        f.Grid->SetEditorMode(false);
    }
}

TEST(DBGridInplaceEdit, ChoosingFromThePickListAndStoringAResizedList)
{
    TProgrammeGrid f;
    TColumnLt* column = f.Column(TProgrammeGrid::cNote);
    SetList(column->PickList(), {"первая", "вторая", "третья", "четвёртая"});
    column->SetDropDownSizing(true);
    TDBGridInplaceEdit* editor = f.EditColumn(TProgrammeGrid::cNote);
    QTest::keyClick(EditorWidget(editor), Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(editor->ListShown());
    TPopupListboxLt* list = editor->PickListControl();
    EXPECT_EQ(list->ItemIndex(), 0);
    // Down moves through the open list and the editor shows its item.
    QTest::keyClick(EditorWidget(editor), Qt::Key_Down);
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_EQ(editor->Text(), "вторая");
    // The operator drags the grip: two rows, 150 pixels wide.
    list->SetBounds(list->Left(), list->Top(), 150, 2 * list->ItemHeight() + list->BorderHeight());
    list->SizeGrip()->OnParentResized()(list->SizeGrip());
    QTest::keyClick(EditorWidget(editor), Qt::Key_Return);
    EXPECT_FALSE(editor->ListShown());
    EXPECT_EQ(column->DropDownRows(), 2);
    EXPECT_EQ(column->DropDownWidth(), 150);
    EXPECT_EQ(editor->Text(), "вторая");
    f.Grid->SetEditorMode(false);
    f.Table->Post();
    EXPECT_EQ(f.Note->AsString(), "вторая");

    // Esc gives back the text the cell had.
    editor = f.EditColumn(TProgrammeGrid::cNote);
    editor->DropDown();
    QTest::keyClick(EditorWidget(editor), Qt::Key_Down);
    EXPECT_EQ(editor->Text(), "третья");
    QTest::keyClick(EditorWidget(editor), Qt::Key_Escape);
    EXPECT_FALSE(editor->ListShown());
    EXPECT_EQ(editor->Text(), "вторая");
}

TEST(DBGridInplaceEdit, TypingCompletesFromTheLookupDatasetAndSetsTheKey)
{
    TProgrammeGrid f;
    TDBGridInplaceEdit* editor = f.EditColumn(TProgrammeGrid::cSchemeName);
    ASSERT_EQ(editor->Text(), "Утро");
    editor->SelectAll();
    TypeText(editor, QString::fromUtf8("ВЕ"));
    EXPECT_EQ(editor->Text(), "ВЕчер");
    EXPECT_EQ(editor->SelStart(), 2);
    EXPECT_EQ(editor->SelLength(), 3);
    EXPECT_EQ(f.Grid->EditKeyValue().AsInteger(), 2);
    EXPECT_EQ(f.Table->State(), dsEdit);
    f.Grid->SetEditorMode(false);
    f.Table->Post();
    EXPECT_EQ(f.Scheme->AsInteger(), 2);
    EXPECT_EQ(f.SchemeName->AsString(), "Вечер");
}

TEST(DBGridInplaceEdit, TextNotInTheListIsRefusedWithoutAHandlerAndKeptWithOne)
{
    TProgrammeGrid f;
    TColumnLt* lookup = f.Column(TProgrammeGrid::cSchemeName);
    TColumnLt* keyed = f.Column(TProgrammeGrid::cState);
    SetList(keyed->KeyList(), {"1", "0"});
    SetList(keyed->PickList(), {"Вкл", "Выкл"});
    int handled = 0;
    const TNotInListEventLt handler = [&](TObject*, const std::string&, bool&) { ++handled; };
    for (TColumnLt* column : {lookup, keyed}) {
        for (const bool withHandler : {false, true}) {
            SCOPED_TRACE(testing::Message() << column->FieldName() << (withHandler ? " with" : " without"));
            column->SetOnNotInList(withHandler ? handler : TNotInListEventLt());
            TDBGridInplaceEdit* editor = f.EditColumn(column->Index());
            const std::string before = editor->Text();
            editor->SelectAll();
            TypeText(editor, QString::fromUtf8("я"));
            if (withHandler) {
                EXPECT_EQ(editor->Text(), "я");
                EXPECT_TRUE(f.Grid->EditKeyValue().IsNull());
            } else {
                EXPECT_EQ(editor->Text(), before);
            }
            // A listed prefix completes whatever the handler.
            editor->SelectAll();
            TypeText(editor, QString::fromUtf8(column == lookup ? "н" : "вы"));
            EXPECT_EQ(editor->Text(), column == lookup ? "ночь" : "выкл");
            EXPECT_EQ(f.Grid->EditKeyValue().AsString(), column == lookup ? "3" : "0");
            f.Grid->SetEditorMode(false);
            f.Table->Cancel();
        }
    }
    EXPECT_EQ(handled, 0);   // the handler is for committing, not for typing
}

TEST(DBGridInplaceEdit, DeleteOnTheWholeLookupTextWritesNull)
{
    TProgrammeGrid f;
    TDBGridInplaceEdit* editor = f.EditColumn(TProgrammeGrid::cSchemeName);
    editor->SelectAll();
    QTest::keyClick(EditorWidget(editor), Qt::Key_Delete);
    EXPECT_EQ(editor->Text(), "");
    EXPECT_TRUE(f.Grid->EditKeyValue().IsNull());
    f.Grid->SetEditorMode(false);
    f.Table->Post();
    EXPECT_TRUE(f.Scheme->IsNull());

    // Without a handler and with part of the text selected, Delete does
    // nothing and Backspace only moves the caret.
    f.Table->Next();
    editor = f.EditColumn(TProgrammeGrid::cSchemeName);
    ASSERT_EQ(editor->Text(), "Ночь");
    editor->SetSelStart(2);
    editor->SetSelLength(0);
    QTest::keyClick(EditorWidget(editor), Qt::Key_Delete);
    QTest::keyClick(EditorWidget(editor), Qt::Key_Backspace);
    EXPECT_EQ(editor->Text(), "Ночь");
    EXPECT_EQ(editor->SelStart(), 1);
}

TEST(DBGridInplaceEdit, CalendarOpensOnTheCellDateAndWritesTheChosenDay)
{
    TProgrammeGrid f;
    TDBGridInplaceEdit* editor = f.EditColumn(TProgrammeGrid::cDay);
    ASSERT_EQ(editor->EditStyle(), iesDateCalendarLt);
    editor->DropDown();
    TPopupMonthCalendarLt* calendar = editor->CalendarControl();
    ASSERT_NE(calendar, nullptr);
    EXPECT_TRUE(calendar->Visible());
    EXPECT_EQ(calendar->Date(), EncodeDate(2024, 3, 8));
    calendar->SetDate(EncodeDate(2024, 3, 10));
    editor->CloseUp(true);
    EXPECT_EQ(f.Day->AsDateTime(), EncodeDate(2024, 3, 10));
    EXPECT_EQ(editor->Text(), f.Day->Text());

    // Text that is no date opens on the field's value.
    editor->SetText("вчера");
    editor->DropDown();
    EXPECT_EQ(calendar->Date(), EncodeDate(2024, 3, 10));
    editor->CloseUp(false);
}

TEST(DBGridInplaceEdit, CalculatorStartsAtTheNumberOrZeroAndWritesItsValue)
{
    TProgrammeGrid f;
    f.Column(TProgrammeGrid::cValue)->SetButtonStyle(cbsDropDown);
    TDBGridInplaceEdit* editor = f.EditColumn(TProgrammeGrid::cValue);
    for (const char* text : {"", "не число"}) {
        editor->SetText(text);
        editor->DropDown();
        ASSERT_NE(editor->CalculatorControl(), nullptr);
        IPopupValueEditorLt* value = editor->CalculatorControl();
        EXPECT_EQ(value->GetValue().AsDouble(), 0.0) << text;
        editor->CloseUp(false);
        EXPECT_EQ(editor->Text(), text);
    }
    editor->SetText(FloatToStr(2.5));
    editor->DropDown();
    TypeText(editor, QString::fromUtf8("*4"));
    QTest::keyClick(EditorWidget(editor), Qt::Key_Return);   // computes
    QTest::keyClick(EditorWidget(editor), Qt::Key_Return);   // closes keeping 10
    EXPECT_FALSE(editor->ListShown());
    EXPECT_EQ(editor->Text(), FloatToStr(10));
    f.Grid->SetEditorMode(false);
    f.Table->Post();
    EXPECT_EQ(f.Value->AsFloat(), 10.0);
}

TEST(DBGridInplaceEdit, UpDownButtonsStepAKeyColumn)
{
    TProgrammeGrid f;
    TColumnLt* column = f.Column(TProgrammeGrid::cState);
    SetList(column->KeyList(), {"1", "0", "x"});
    SetList(column->PickList(), {"Вкл", "Выкл", "Икс"});
    column->SetButtonStyle(cbsUpDown);
    TDBGridInplaceEdit* editor = f.EditColumn(TProgrammeGrid::cState);
    TEditButtonControlLt* button = editor->ButtonControls()[0].EditButtonControl;
    ASSERT_TRUE(button->Visible());
    const auto press = [&](bool Top) {
        const int y = Top ? 1 : button->Height() - 2;
        QTest::mouseClick(button->Widget(), Qt::LeftButton, {}, QPoint(button->Width() / 2, y));
    };
    press(true);   // up on a list column steps backward: '1' wraps to 'x'
    EXPECT_EQ(f.State->AsString(), "x");
    press(false);   // down steps forward
    EXPECT_EQ(f.State->AsString(), "1");
    press(false);
    EXPECT_EQ(f.State->AsString(), "0");
}

TEST(DBGridInplaceEdit, ADoubleClickInTheEditorOfAColumnThatStepsOnDoubleClicksStepsIt)
{
    TProgrammeGrid f;
    TColumnLt* state = f.Column(TProgrammeGrid::cState);
    SetList(state->KeyList(), {"1", "0", "x"});
    SetList(state->PickList(), {"Вкл", "Выкл", "Икс"});
    state->SetWidth(80);
    TColumnLt* note = f.Column(TProgrammeGrid::cNote);
    SetList(note->PickList(), {"первая", "вторая", "третья"});
    struct TCase {
        const char* Name;
        TColumnLt* Column;
        TStringField* Field;
        bool Steps;
        std::vector<std::string> Values;   // after a double click, a Shift one
    };
    const TCase cases[] = {
        {"key list", state, f.State, true, {"0", "1"}},
        {"pick list", note, f.Note, true, {"вторая", "первая"}},
        {"without DblClickNextVal", note, f.Note, false, {"первая", "первая"}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        f.Table->First();
        c.Column->SetDblClickNextVal(c.Steps);
        TDBGridInplaceEdit* editor = f.EditColumn(c.Column->Index());
        ASSERT_TRUE(editor->Visible());
        const QPoint middle(5, editor->Height() / 2);
        QTest::mouseDClick(EditorWidget(editor), Qt::LeftButton, {}, middle);
        EXPECT_EQ(c.Field->AsString(), c.Values[0]);
        QTest::mouseDClick(EditorWidget(editor), Qt::LeftButton, Qt::ShiftModifier, middle);
        EXPECT_EQ(c.Field->AsString(), c.Values[1]);
        f.Grid->SetEditorMode(false);
        f.Table->Cancel();
    }

    // The first press on the grid opens the editor, the second lands in
    // it: together they are the double click.
    f.Table->First();
    state->SetDblClickNextVal(true);
    f.EditColumn(TProgrammeGrid::cState);
    f.Grid->SetEditorMode(false);
    const TRect cell = f.Grid->CellBounds(f.Grid->Col(), f.Grid->Row());
    // On the text, left of the list's button.
    const QPoint at(cell.Left + 5, (cell.Top + cell.Bottom) / 2);
    QTest::mousePress(f.Grid->Widget(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(f.Grid->Widget(), Qt::LeftButton, {}, at);
    auto* editor = dynamic_cast<TDBGridInplaceEdit*>(f.Grid->InplaceEditor());
    ASSERT_TRUE(editor && editor->Visible());
    EXPECT_EQ(f.State->AsString(), "1");
    const QPoint inEditor = EditorWidget(editor)->mapFromGlobal(f.Grid->Widget()->mapToGlobal(at));
    QTest::mousePress(EditorWidget(editor), Qt::LeftButton, {}, inEditor);
    QTest::mouseRelease(EditorWidget(editor), Qt::LeftButton, {}, inEditor);
    EXPECT_EQ(f.State->AsString(), "0");
    // A third press is a press again.
    QTest::mousePress(EditorWidget(editor), Qt::LeftButton, {}, inEditor);
    QTest::mouseRelease(EditorWidget(editor), Qt::LeftButton, {}, inEditor);
    EXPECT_EQ(f.State->AsString(), "0");
}

TEST(DBGridInplaceEdit, StepsStartFromTheTextTheEditorShows)
{
    TProgrammeGrid f;
    TColumnLt* note = f.Column(TProgrammeGrid::cNote);
    SetList(note->PickList(), {"первая", "вторая", "третья"});
    struct TCase {
        const char* Name;
        int Column;
        const char* Typed;
        double Step;
        std::string Stored;
    };
    const TCase cases[] = {
        {"number", TProgrammeGrid::cValue, "10", 1.0, "11"},
        {"number backward", TProgrammeGrid::cValue, "10", -1.5, "8.5"},
        {"empty number counts as 0", TProgrammeGrid::cValue, "", 1.0, "1"},
        {"pick list", TProgrammeGrid::cNote, "вторая", 1.0, "третья"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        f.Table->First();
        TDBGridInplaceEdit* editor = f.EditColumn(c.Column);
        editor->SetText(c.Typed);   // shown, not yet stored
        f.Column(c.Column)->StepValue(c.Step);
        EXPECT_EQ(f.Column(c.Column)->BoundField()->AsString(), c.Stored);
        f.Grid->SetEditorMode(false);
        f.Table->Cancel();
    }
    // Without an editor the field's own value is the start.
    f.Table->First();
    f.Column(TProgrammeGrid::cValue)->StepValue(1.0);
    EXPECT_EQ(f.Value->AsFloat(), 3.5);
}

TEST(DBGridInplaceEdit, RecentTextsDropDownWhileTypingAndStoreTheirSize)
{
    TProgrammeGrid f;
    TColumnLt* column = f.Column(TProgrammeGrid::cNote);
    TMRUListLt* mru = column->MRUList();
    mru->SetActive(true);
    for (const char* text : {"альфа", "альт", "бета"})
        mru->AddRecent(text);
    TDBGridInplaceEdit* editor = f.EditColumn(TProgrammeGrid::cNote);
    editor->SelectAll();
    TypeText(editor, QString::fromUtf8("ал"));
    ASSERT_TRUE(editor->MRUListDroppedDown());
    TMRUListboxLt* list = editor->MRUListControl();
    EXPECT_EQ(list->Items()->Count(), 2);
    QTest::keyClick(EditorWidget(editor), Qt::Key_Down);
    const std::string chosen = list->Items()->Get(list->ItemIndex());
    list->SetBounds(list->Left(), list->Top(), 210, list->Height());
    list->SizeGrip()->OnParentResized()(list->SizeGrip());
    QTest::keyClick(EditorWidget(editor), Qt::Key_Return);
    EXPECT_FALSE(editor->MRUListDroppedDown());
    EXPECT_EQ(editor->Text(), chosen);
    EXPECT_EQ(mru->PopupWidth(), 210);
    // A text nothing begins with closes the list.
    TypeText(editor, QString::fromUtf8("щ"));
    EXPECT_FALSE(editor->MRUListDroppedDown());
}

TEST(DBGridInplaceEdit, RequiredMarkAndButtonAreDrawn)
{
    TProgrammeGrid f;
    TColumnLt* column = f.Column(TProgrammeGrid::cNote);
    column->SetButtonStyle(cbsEllipsis);
    column->SetHighlightRequired(true);
    f.Note->SetRequired(true);
    int clicks = 0;
    f.Grid->SetOnEditButtonClick([&](TObject*) { ++clicks; });
    f.Table->Edit();
    f.Note->Clear();
    TDBGridInplaceEdit* editor = f.EditColumn(TProgrammeGrid::cNote);
    ASSERT_EQ(editor->Text(), "");
    editor->Repaint();
    const QImage image = OnScreen(*editor);
    image.save("inplace_editor.png");
    const TEditButtonControlLt* button = editor->ButtonControls()[0].EditButtonControl;
    // The button's face is not the editor's background.
    EXPECT_NE(PixelColor(image, button->Left() + 2, button->Top() + 2), ColorToRGB(editor->Color()));
    // A red dotted line along the bottom of the text.
    const TRect text = editor->TextRect();
    int red = 0;
    for (int x = text.Left + 2; x < text.Right - 3; ++x)
        if (PixelColor(image, x, text.Bottom - 1) == clRed)
            ++red;
    EXPECT_GT(red, (text.Width() - 5) / 3);

    QTest::keyClick(EditorWidget(editor), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(clicks, 1);
    QTest::mouseClick(button->Widget(), Qt::LeftButton);
    EXPECT_EQ(clicks, 2);
}

// The ink of an image darker than mid grey: its leftmost and rightmost
// columns, -1 for none.
std::pair<int, int> DarkInkColumns(const QImage& Image)
{
    int left = -1, right = -1;
    for (int y = 0; y < Image.height(); ++y)
        for (int x = 0; x < Image.width(); ++x)
            if (qGray(Image.pixel(x, y)) < 100) {
                left = left < 0 ? x : std::min(left, x);
                right = std::max(right, x);
            }
    return {left, right};
}

TEST(DBGridInplaceEdit, AFiveDigitNumberShowsWholeInANarrowColumn)
{
    TProgrammeGrid f;
    f.Column(TProgrammeGrid::cValue)->SetWidth(34);
    TDBGridInplaceEdit* editor = f.EditColumn(TProgrammeGrid::cValue);
    ASSERT_EQ(editor->Width(), 34);
    const TRect insets{2, 2, 32, editor->Height()};
    EXPECT_EQ(editor->EditRect(), insets) << "a short number keeps the insets";
    editor->SelectAll();
    TypeText(editor, "65535");
    ASSERT_EQ(editor->Text(), "65535");
    const auto [left, right] = DarkInkColumns(editor->Widget()->grab().toImage());
    TCanvas canvas;
    canvas.SetFont(editor->Font());
    EXPECT_GE(right - left + 2, canvas.TextWidth("65535")) << "every digit painted";
    EXPECT_GE(left, 0);
    // Shortened again, the text goes back between the insets.
    QTest::keyClick(EditorWidget(editor), Qt::Key_Backspace);
    QTest::keyClick(EditorWidget(editor), Qt::Key_Backspace);
    EXPECT_EQ(editor->EditRect(), insets);
}

TEST(DBGridInplaceEdit, LookupListShowsTheSchemesAndWritesTheChosenKey)
{
    TProgrammeGrid f;
    TColumnLt* column = f.Column(TProgrammeGrid::cSchemeName);
    ASSERT_EQ(column->DropDownRows(), 7);
    TDBGridInplaceEdit* editor = f.EditColumn(TProgrammeGrid::cSchemeName);
    QTest::keyClick(EditorWidget(editor), Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(editor->ListShown());
    TPopupDataGridLt* list = editor->DataListControl();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->RowCount(), 3);   // three schemes, fewer than DropDownRows
    EXPECT_EQ(list->SelectedKey().AsInteger(), 1);
    EXPECT_GE(list->Width(), editor->Width());
    QTest::keyClick(EditorWidget(editor), Qt::Key_Down);
    EXPECT_EQ(list->SelectedKey().AsInteger(), 2);
    EXPECT_EQ(editor->Text(), "Вечер");
    QTest::keyClick(EditorWidget(editor), Qt::Key_Return);
    EXPECT_FALSE(editor->ListShown());
    EXPECT_EQ(f.Grid->EditKeyValue().AsInteger(), 2);
    f.Grid->SetEditorMode(false);
    f.Table->Post();
    EXPECT_EQ(f.Scheme->AsInteger(), 2);
}

TEST(DBGridInplaceEdit, AFailingLookupWriteShowsTheFieldTextAndPassesTheErrorOn)
{
    TProgrammeGrid f;
    TDBGridInplaceEdit* editor = f.EditColumn(TProgrammeGrid::cSchemeName);
    editor->DropDown();
    ASSERT_TRUE(editor->ListShown());
    // The dataset refuses to start editing.
    f.Table->SetBeforeEdit([](TDataSet*) { throw EDatabaseError("Запись заблокирована"); });
    try {
        editor->CloseUp(true);
        FAIL() << "the error was swallowed";
    } catch (const EDatabaseError& e) {
        EXPECT_STREQ(e.what(), "Запись заблокирована");
    }
    EXPECT_EQ(editor->Text(), "Утро ");
}

// Caret and selection count characters, not the bytes of Russian text.
TEST(DBGridInplaceEdit, ArrowsAndEnterTreatARussianTextByItsCharacters)
{
    TProgrammeGrid f;
    f.Grid->SetOptions(f.Grid->Options() + TDBGridOptions{dgAlwaysShowEditor});
    TDBGridInplaceEdit* editor = f.EditColumn(TProgrammeGrid::cNote);
    ASSERT_EQ(editor->Text(), "первая");
    editor->SelectAll();
    QTest::keyClick(EditorWidget(editor), Qt::Key_Return);
    EXPECT_EQ(editor->SelLength(), 0) << "Enter on the whole text leaves the caret";
    EXPECT_EQ(editor->SelStart(), 6);
    QTest::keyClick(EditorWidget(editor), Qt::Key_Return);
    EXPECT_EQ(editor->SelLength(), 6) << "and selects it all again";
    QTest::keyClick(EditorWidget(editor), Qt::Key_Left);
    EXPECT_EQ(f.Grid->SelectedIndex(), TProgrammeGrid::cState) << "Left on the whole text goes to the grid";
}
