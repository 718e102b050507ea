// The combo box: its index, text and value rules in text and key-based
// mode, typing, stepping, the drop-down list, bound to a client table.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>

#include "dbcontrols/dbcombobox.h"
#include "dbcontrols/variantsmatch.h"
#include "dbcontrols/popuplistboxlt.h"
#include "dbcontrols/sizegriplt.h"
#include "platform/data/clientdataset.h"
#include "platform/data/datasource.h"
#include "platform/data/fields.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/reader.h"
#include "platform/rtl/writer.h"
#include "platform/rtl/stringlist.h"
#include "platform/ui/clipbrd.h"
#include "platform/ui/forms.h"
#include "platform/ui/imglist.h"
#include "tests/dbcontrols/tablefields.h"

namespace {

void ProcessEvents()
{
    QTest::qWait(10);
}

// A combo box on a form, with its OnChange calls and the ItemIndex each of
// them saw.
class ComboFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 300, 200);
        Combo = new TDBComboBoxLt(Form.get());
        Combo->SetParent(Form.get());
        Combo->SetBounds(10, 10, 120, 21);
        Combo->SetOnChange([this](TObject*) {
            Changes.push_back(Combo->Text());
            IndexInChange.push_back(Combo->ItemIndex());
        });
    }

    // The form goes before the records its handlers write to.
    void TearDown() override { Form.reset(); }

    void SetItems(const std::vector<std::string>& Items, const std::vector<std::string>& Keys = {})
    {
        TStringList items, keys;
        for (const auto& s : Items)
            items.Add(s);
        for (const auto& s : Keys)
            keys.Add(s);
        Combo->SetItems(&items);
        Combo->SetKeyItems(&keys);
        Changes.clear();
        IndexInChange.clear();
    }

    void ShowAndFocus()
    {
        Form->Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form->Widget()));
        Form->Widget()->activateWindow();
        Combo->SetFocus();
        ProcessEvents();
    }

    QWidget* Edit() const { return Combo->Widget(); }

    std::unique_ptr<TForm> Form;
    TDBComboBoxLt* Combo = nullptr;
    std::vector<std::string> Changes;
    std::vector<int> IndexInChange;
};

std::vector<std::string> Numbers(int Count)
{
    std::vector<std::string> items;
    for (int i = 1; i <= Count; ++i)
        items.push_back(std::to_string(i));
    return items;
}

// ---- Index, text and value

TEST_F(ComboFixture, SettingItemIndexShowsItsTextAndRaisesOnChangeOnceWithTheIndexInPlace)
{
    SetItems(Numbers(16));
    struct Case {
        int Set;
        int WantIndex;
        const char* WantText;
        int WantChanges;
    };
    const Case cases[] = {
        {0, 0, "1", 1},    // before the window is ever shown
        {0, 0, "1", 0},    // the same index again: nothing
        {15, 15, "16", 1},
        {16, -1, "", 1},   // out of range: none, and the text goes
        {-5, -1, "", 0},   // none again: nothing
        {11, 11, "12", 1},
    };
    for (const Case& c : cases) {
        Changes.clear();
        IndexInChange.clear();
        Combo->SetItemIndex(c.Set);
        EXPECT_EQ(Combo->ItemIndex(), c.WantIndex) << c.Set;
        EXPECT_EQ(Combo->Text(), c.WantText) << c.Set;
        ASSERT_EQ(static_cast<int>(Changes.size()), c.WantChanges) << c.Set;
        if (c.WantChanges) {
            EXPECT_EQ(Changes[0], c.WantText);
            EXPECT_EQ(IndexInChange[0], c.WantIndex) << "OnChange sees the new index";
        }
        if (c.WantIndex < 0)
            EXPECT_TRUE(Combo->Value().IsNull() || Combo->Value().AsString().empty());
        else
            EXPECT_EQ(Combo->Value().AsString(), c.WantText) << "in text mode the value is the text";
    }
}

TEST_F(ComboFixture, TextModeFindsTheFirstEqualItemIgnoringCase)
{
    SetItems({"Red", "green", "red", "Blue"});
    struct Case {
        const char* Text;
        int WantIndex;
    };
    const Case cases[] = {{"red", 0}, {"GREEN", 1}, {"Blu", -1}, {"blue", 3}, {"", -1}, {"purple", -1}};
    for (const Case& c : cases) {
        Combo->SetText(c.Text);
        EXPECT_EQ(Combo->Text(), c.Text) << "text mode keeps any text";
        EXPECT_EQ(Combo->ItemIndex(), c.WantIndex) << c.Text;
    }
    Combo->SetItemIndex(2);
    EXPECT_EQ(Combo->Text(), "red");
    EXPECT_EQ(Combo->ItemIndex(), 0) << "with equal item texts the first one wins";
}

TEST_F(ComboFixture, KeyBasedModeShowsTheItemOfTheKeyAndKeepsAnUnknownKey)
{
    SetItems({"Yes", "No"}, {"Y", "N"});
    struct Case {
        Variant Value;
        const char* WantText;
        int WantIndex;
    };
    const Case cases[] = {
        {Variant("N"), "No", 1},
        {Variant("X"), "", -1},      // unknown key: nothing shown, the value stays
        {Variant("Y"), "Yes", 0},
        {Variant("y"), "", -1},      // keys are case-sensitive
        {Variant::Null(), "", -1},
    };
    for (const Case& c : cases) {
        Combo->SetValue(c.Value);
        EXPECT_EQ(Combo->Text(), c.WantText) << VariantToText(c.Value);
        EXPECT_EQ(Combo->ItemIndex(), c.WantIndex) << VariantToText(c.Value);
        EXPECT_TRUE(VariantsMatch(Combo->Value(), c.Value)) << VariantToText(c.Value);
    }

    Combo->SetValue(Variant("N"));
    Combo->SetText("Maybe");
    EXPECT_EQ(Combo->Text(), "No") << "a text that is no item changes nothing";
    EXPECT_EQ(Combo->Value().AsString(), "N");
    Combo->SetText("yes");
    EXPECT_EQ(Combo->ItemIndex(), 0) << "item texts are found ignoring case";
    EXPECT_EQ(Combo->Value().AsString(), "Y");

    Combo->SetItemIndex(1);
    EXPECT_EQ(Combo->Value().AsString(), "N");
    Combo->SetItemIndex(7);
    EXPECT_TRUE(Combo->Value().IsNull());
    EXPECT_EQ(Combo->Text(), "");
}

TEST_F(ComboFixture, KeyBasedCountIsTheShorterListAndEqualTextsKeepTheirOwnKeys)
{
    SetItems({"One", "Two"}, {"1", "2", "3"});
    EXPECT_EQ(Combo->ItemCount(), 2);
    Combo->SetValue(Variant("3"));
    EXPECT_EQ(Combo->ItemIndex(), -1) << "a key without an item shows nothing";
    EXPECT_EQ(Combo->Text(), "");

    SetItems({"Same", "Same", "Other"}, {"A", "B", "C"});
    Combo->SetItemIndex(1);
    EXPECT_EQ(Combo->ItemIndex(), 1) << "the key tells equal texts apart";
    EXPECT_EQ(Combo->Value().AsString(), "B");
    Combo->SetValue(Variant("B"));
    EXPECT_EQ(Combo->ItemIndex(), 1);
}

TEST_F(ComboFixture, ChangingTheListsSwitchesTheMode)
{
    SetItems({"Yes", "No"});
    Combo->SetText("No");
    EXPECT_EQ(Combo->ItemIndex(), 1);
    EXPECT_FALSE(Combo->KeyBased());

    TStringList keys;
    keys.Add("Y");
    keys.Add("N");
    Combo->SetKeyItems(&keys);
    EXPECT_TRUE(Combo->KeyBased());
    EXPECT_EQ(Combo->Text(), "") << "key-based mode starts from no item";
    EXPECT_EQ(Combo->ItemIndex(), -1);
    EXPECT_EQ(Combo->MaxLength(), 0);

    Combo->SetValue(Variant("N"));
    Combo->Items()->BeginUpdate();
    Combo->Items()->Clear();
    Combo->Items()->Add("Ja");
    Combo->Items()->Add("Nein");
    Combo->Items()->EndUpdate();
    EXPECT_EQ(Combo->Text(), "Nein") << "new item texts show the same value";
    EXPECT_EQ(Combo->ItemIndex(), 1);
    EXPECT_EQ(Combo->Value().AsString(), "N");

    Combo->KeyItems()->Clear();
    EXPECT_FALSE(Combo->KeyBased());
    Combo->SetText("ja");
    EXPECT_EQ(Combo->ItemIndex(), 0);
}

TEST_F(ComboFixture, PostingTellsOfTextsNotInTheListAndMaySetTheIndexFromOnUpdateData)
{
    SetItems({"COM1", "COM2"});
    std::vector<std::string> notInList;
    Combo->SetOnNotInList([&](TObject*, const std::string& NewText, bool&) { notInList.push_back(NewText); });
    int updates = 0;
    // A handler that puts every text not in the list back to the first item.
    Combo->SetOnUpdateData([&](TObject*, bool&) {
        ++updates;
        if (Combo->ItemIndex() < 0)
            Combo->SetItemIndex(0);
    });

    Combo->SetText("COM9");
    EXPECT_EQ(notInList, std::vector<std::string>{"COM9"});
    EXPECT_EQ(updates, 1) << "setting the index inside OnUpdateData does not raise it again";
    EXPECT_EQ(Combo->Text(), "COM1");
    EXPECT_EQ(Combo->FieldLink()->UnboundValue().AsString(), "COM1") << "and still posts";

    Combo->SetItemIndex(1);
    EXPECT_EQ(notInList.size(), 1u) << "a listed item is no news";
    EXPECT_EQ(Combo->FieldLink()->UnboundValue().AsString(), "COM2");
}

TEST(ComboDescription, ItemsKeysAndTheDropDownBoxAreReadFromADescription)
{
    TForm form(nullptr);
    ReadComponentFromText(form, R"(object Form1: TForm
  object cmbAxis: TDBComboBoxLt
    Left = 8
    Top = 8
    Items.Strings = (
      'Ось X'
      'Ось Y')
    KeyItems.Strings = (
      'x'
      'y')
    DropDownBox.Rows = 3
    DropDownBox.Width = -1
  end
end
)",
                          "combo");
    auto* combo = dynamic_cast<TDBComboBoxLt*>(form.FindComponent("cmbAxis"));
    ASSERT_NE(combo, nullptr);
    EXPECT_TRUE(combo->KeyBased());
    EXPECT_EQ(combo->ItemCount(), 2);
    EXPECT_EQ(combo->DropDownBox()->Rows(), 3);
    EXPECT_EQ(combo->DropDownBox()->Width(), -1);
    combo->SetValue(Variant("y"));
    EXPECT_EQ(combo->Text(), "Ось Y");

    // Written back, the description reads again into the same combo; the
    // text of a key-based combo is no stored value.
    const std::string written = WriteComponentToText(form);
    TForm again(nullptr);
    ReadComponentFromText(again, written, "written");
    EXPECT_EQ(WriteComponentToText(again), written);
    auto* copy = dynamic_cast<TDBComboBoxLt*>(again.FindComponent("cmbAxis"));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->KeyItems()->Text(), "x\ny\n");
    EXPECT_EQ(copy->DropDownBox()->Rows(), 3);
    EXPECT_EQ(copy->Text(), "");
}

// ---- Typing

TEST_F(ComboFixture, TypingCompletesToTheFirstItemAndKeepsTextThatNoItemContinues)
{
    struct Case {
        std::vector<std::string> Items;
        const char* Typed;
        const char* WantText;
        const char* WantSelected;
        int WantIndex;
    };
    const Case cases[] = {
        {Numbers(16), "1", "1", "", 0},
        {Numbers(16), "12", "12", "", 11},
        {Numbers(16), "17", "17", "", -1},          // past every item: kept as typed
        {{"apple", "apricot", "banana"}, "a", "apple", "pple", 0},
        {{"apple", "apricot", "banana"}, "apr", "apricot", "icot", 1},
        {{"apple", "apricot", "banana"}, "aprx", "aprx", "", -1},
        {{"apple", "apricot", "banana"}, "B", "banana", "anana", 2},
        {{"apple", "apricot", "banana"}, "zz", "zz", "", -1},
        {{"a.b", "a.bc"}, "a.", "a.", "", -1},      // no completion after a full stop
    };
    ShowAndFocus();
    for (const Case& c : cases) {
        SetItems(c.Items);
        Combo->SetText("");
        QTest::keyClicks(Edit(), c.Typed);
        EXPECT_EQ(Combo->Text(), c.WantText) << c.Typed;
        EXPECT_EQ(Combo->SelText(), c.WantSelected) << c.Typed;
        EXPECT_EQ(Combo->ItemIndex(), c.WantIndex) << c.Typed;
    }
}

TEST_F(ComboFixture, KeyBasedTypingSearchesTheItemsAndBackspaceGrowsTheSelection)
{
    SetItems({"Yes", "No", "Never"}, {"Y", "N", "V"});
    ShowAndFocus();
    struct Step {
        Qt::Key Key;
        char Char;
        const char* WantText;
        const char* WantSelected;
        const char* WantValue;
    };
    const Step steps[] = {
        {Qt::Key_N, 'n', "No", "o", "N"},
        {Qt::Key_E, 'e', "Never", "ver", "V"},
        {Qt::Key_X, 'x', "Never", "ver", "V"},   // no item: the item stays
        {Qt::Key_Backspace, 0, "Never", "ever", "V"},
        {Qt::Key_Backspace, 0, "Never", "Never", "V"},
        {Qt::Key_Y, 'y', "Yes", "es", "Y"},
    };
    for (const Step& s : steps) {
        if (s.Char)
            QTest::keyClick(Edit(), s.Char);
        else
            QTest::keyClick(Edit(), s.Key);
        EXPECT_EQ(Combo->Text(), s.WantText);
        EXPECT_EQ(Combo->SelText(), s.WantSelected);
        EXPECT_EQ(Combo->Value().AsString(), s.WantValue);
    }
    QTest::keyClick(Edit(), Qt::Key_Delete);
    EXPECT_TRUE(Combo->Value().IsNull()) << "Delete clears an unbound key-based combo";
    EXPECT_EQ(Combo->Text(), "");

    Clipboard()->SetAsText("ne");
    QTest::keyClick(Edit(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Combo->Text(), "Never") << "pasting searches instead of inserting";
    EXPECT_EQ(Combo->Value().AsString(), "V");
}

TEST_F(ComboFixture, TheItemImageFollowsTheItemUnlessOnGetItemImageIndexSaysOtherwise)
{
    auto* images = new TImageList(Form.get());
    images->SetSize(8, 8);
    Combo->EditImage()->SetImages(images);
    Combo->EditImage()->SetVisible(true);
    SetItems({"Red", "Green", "Blue"}, {"R", "G", "B"});
    struct Case {
        const char* Key;
        bool Override;
        int WantImage;
    };
    const Case cases[] = {{"G", false, 1}, {"B", false, 2}, {"X", false, -1}, {"G", true, 6}, {"R", true, 5}};
    for (const Case& c : cases) {
        if (c.Override)
            Combo->SetOnGetItemImageIndex([](TObject*, int Item, int& Image) { Image = Item + 5; });
        Combo->SetValue(Variant(c.Key));
        EXPECT_EQ(Combo->EditImage()->ImageIndex(), c.WantImage) << c.Key;
    }
}

TEST_F(ComboFixture, EmptyItemsAreAskedForBeforeASearchOrADropDown)
{
    int requests = 0;
    Combo->ItemsRequest = [&](TObject*) {
        ++requests;
        SetItems({"alpha", "beta"});
    };
    ShowAndFocus();
    QTest::keyClicks(Edit(), "b");
    EXPECT_EQ(requests, 1);
    EXPECT_EQ(Combo->Text(), "beta") << "the search sees the items just given";
    Combo->Items()->Clear();
    Combo->DropDown();
    EXPECT_EQ(requests, 2);
    EXPECT_EQ(Combo->PopupList()->Count(), 2);
}

TEST_F(ComboFixture, AutoDropOpensTheListOnTheFirstTypedCharacter)
{
    SetItems({"Yes", "No"}, {"Y", "N"});
    Combo->DropDownBox()->SetAutoDrop(true);
    int dropDowns = 0;
    Combo->SetOnDropDown([&](TObject*) { ++dropDowns; });
    std::vector<bool> closeUps;
    Combo->SetOnCloseUp([&](TObject*, bool& Accept) { closeUps.push_back(Accept); });
    ShowAndFocus();
    QTest::keyClick(Edit(), 'n');
    EXPECT_TRUE(Combo->ListVisible());
    EXPECT_EQ(Combo->PopupList()->ItemIndex(), 1) << "the open list follows the search";
    QTest::keyClick(Edit(), 'y');
    EXPECT_EQ(Combo->Text(), "No") << "'Ny' is no item: the search keeps 'No'";
    EXPECT_EQ(dropDowns, 1);
    QTest::keyClick(Edit(), Qt::Key_Up);
    EXPECT_EQ(Combo->Value().AsString(), "N") << "Up moves in the open list only";
    QTest::keyClick(Edit(), Qt::Key_Return);
    EXPECT_EQ(closeUps, std::vector<bool>{true});
    EXPECT_EQ(Combo->Value().AsString(), "Y");
}

// ---- Stepping

TEST_F(ComboFixture, UpDownAndTheWheelStepThroughTheItems)
{
    SetItems({"a", "b", "c"});
    ShowAndFocus();
    struct Step {
        int Start;
        Qt::Key Key;   // 0: the wheel
        int Wheel;
        int WantIndex;
    };
    const Step steps[] = {
        {0, Qt::Key_Up, 0, 0},      // the first stays
        {-1, Qt::Key_Up, 0, 2},     // none jumps to the last
        {2, Qt::Key_Down, 0, 2},    // the last stays
        {-1, Qt::Key_Down, 0, 0},
        {1, Qt::Key_Down, 0, 2},
        {0, Qt::Key(0), -120, 1},   // wheel towards the user: next
        {2, Qt::Key(0), 120, 1},    // away: prior
    };
    for (const Step& s : steps) {
        Combo->SetItemIndex(s.Start);
        if (s.Key)
            QTest::keyClick(Edit(), s.Key);
        else {
            QPoint at(5, 5);
            QWheelEvent wheel(at, Edit()->mapToGlobal(at), QPoint(), QPoint(0, s.Wheel), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(Edit(), &wheel);
        }
        EXPECT_EQ(Combo->ItemIndex(), s.WantIndex) << s.Start << " " << s.Key << " " << s.Wheel;
    }
    Combo->SetItemIndex(0);
    Combo->SetReadOnly(true);
    QTest::keyClick(Edit(), Qt::Key_Down);
    EXPECT_EQ(Combo->ItemIndex(), 0) << "a read-only combo does not step";
}

TEST_F(ComboFixture, TheMainButtonOpensAndClosesTheListOrStepsAsAnUpDownPair)
{
    SetItems({"a", "b", "c"});
    ShowAndFocus();
    TEditButtonControlLt* button = Combo->ButtonControls()[0].EditButtonControl;
    ASSERT_TRUE(button->Visible()) << "a combo shows its drop-down button";
    const QPoint mid(button->Width() / 2, button->Height() / 2);
    QTest::mouseClick(button->Widget(), Qt::LeftButton, {}, mid);
    EXPECT_TRUE(Combo->ListVisible());
    Combo->PopupList()->SetItemIndex(2);
    QTest::mouseClick(button->Widget(), Qt::LeftButton, {}, mid);
    EXPECT_FALSE(Combo->ListVisible());
    EXPECT_EQ(Combo->ItemIndex(), -1) << "closing by the button takes nothing";

    Combo->EditButton()->SetStyle(ebsUpDownLt);
    Combo->SetItemIndex(1);
    struct Press {
        int Y;
        int WantIndex;
    };
    const Press presses[] = {{2, 0}, {2, 0}, {-3, 1}, {-3, 2}, {-3, 2}};   // below 0: from the bottom
    for (const Press& p : presses) {
        const QPoint at(button->Width() / 2, p.Y >= 0 ? p.Y : button->Height() + p.Y);
        QTest::mouseClick(button->Widget(), Qt::LeftButton, {}, at);
        EXPECT_EQ(Combo->ItemIndex(), p.WantIndex) << p.Y;
        EXPECT_FALSE(Combo->ListVisible()) << "an up/down pair never drops down";
    }
}

TEST_F(ComboFixture, PressingTheButtonAndReleasingOnTheListChoosesAnItem)
{
    SetItems({"a", "b", "c"});
    ShowAndFocus();
    TEditButtonControlLt* button = Combo->ButtonControls()[0].EditButtonControl;
    QWidget* face = button->Widget();
    const QPoint mid(button->Width() / 2, button->Height() / 2);
    struct Case {
        int Row;        // -1: released back on the button after visiting the list
        int WantIndex;
    };
    const Case cases[] = {{2, 2}, {1, 1}, {-1, 1}};
    for (const Case& c : cases) {
        QTest::mousePress(face, Qt::LeftButton, {}, mid);
        ASSERT_TRUE(Combo->ListVisible());
        TPopupListboxLt* list = Combo->PopupList();
        const TRect row = list->ItemRect(c.Row < 0 ? 0 : c.Row);
        const TPoint onScreen = list->ClientToScreen(TPoint{row.Left + 5, (row.Top + row.Bottom) / 2});
        const QPoint onList = face->mapFromGlobal(QPoint(onScreen.X, onScreen.Y));
        QMouseEvent move(QEvent::MouseMove, QPointF(onList), face->mapToGlobal(QPointF(onList)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(face, &move);
        QTest::mouseRelease(face, Qt::LeftButton, {}, c.Row < 0 ? mid : onList);
        EXPECT_FALSE(Combo->ListVisible()) << c.Row;
        EXPECT_EQ(Combo->ItemIndex(), c.WantIndex) << c.Row;
    }
}

TEST_F(ComboFixture, KeyBasedComboOpensItsListOnAPressInTheText)
{
    SetItems({"Yes", "No"}, {"Y", "N"});
    ShowAndFocus();
    const TRect text = Combo->ClientRect();
    const QPoint inText(text.Left + 5, text.Height() / 2);
    QTest::mousePress(Edit(), Qt::LeftButton, {}, inText);
    EXPECT_TRUE(Combo->ListVisible());
    QTest::mouseRelease(Edit(), Qt::LeftButton, {}, inText);
    EXPECT_TRUE(Combo->ListVisible()) << "the release of the opening press keeps it open";
    Combo->PopupList()->SetItemIndex(1);
    QTest::mousePress(Edit(), Qt::LeftButton, {}, inText);
    EXPECT_FALSE(Combo->ListVisible());
    EXPECT_TRUE(Combo->Value().IsNull()) << "a second press closes without the choice";
}

// ---- The drop-down list

TEST_F(ComboFixture, DropDownWidthAndRowsFollowTheBoxAndTheItems)
{
    ShowAndFocus();
    const std::string wide(40, 'W');
    struct Case {
        std::vector<std::string> Items;
        int BoxWidth;
        int WantRows;
        enum { ComboWidth, Wider, Exactly } Width;
        int Exact;
    };
    const Case cases[] = {
        {{"a", "b", "c"}, 0, 3, Case::ComboWidth, 0},
        {{"a", "b", "c"}, -1, 3, Case::ComboWidth, 0},   // short items: never narrower
        {{"a", wide, "c"}, -1, 3, Case::Wider, 0},
        {Numbers(16), 250, 7, Case::Exactly, 250},
        {Numbers(16), 50, 7, Case::ComboWidth, 0},
    };
    for (const Case& c : cases) {
        SetItems(c.Items);
        Combo->DropDownBox()->SetWidth(c.BoxWidth);
        Combo->DropDown();
        TPopupListboxLt* list = Combo->PopupList();
        ASSERT_NE(list, nullptr);
        EXPECT_TRUE(Combo->ListVisible());
        EXPECT_EQ(list->RowCount(), c.WantRows) << c.BoxWidth;
        if (c.Width == Case::ComboWidth)
            EXPECT_EQ(list->Width(), Combo->Width()) << c.BoxWidth;
        else if (c.Width == Case::Wider)
            EXPECT_GT(list->Width(), Combo->Width()) << c.BoxWidth;
        else
            EXPECT_EQ(list->Width(), c.Exact);
        Combo->CloseUp(false);
        EXPECT_FALSE(Combo->ListVisible());
    }
}

TEST_F(ComboFixture, EnterTakesTheHighlightedItemAndEscKeepsThePreviousOne)
{
    SetItems({"a", "b", "c"});
    ShowAndFocus();
    struct Case {
        Qt::Key Close;
        int WantIndex;
        int WantChanges;
    };
    const Case cases[] = {{Qt::Key_Escape, 0, 0}, {Qt::Key_Return, 2, 1}};
    for (const Case& c : cases) {
        Combo->SetItemIndex(0);
        Changes.clear();
        QTest::keyClick(Edit(), Qt::Key_Down, Qt::AltModifier);
        ASSERT_TRUE(Combo->ListVisible());
        EXPECT_EQ(Combo->PopupList()->ItemIndex(), 0);
        QTest::keyClick(Edit(), Qt::Key_Down);
        QTest::keyClick(Edit(), Qt::Key_Down);
        EXPECT_EQ(Combo->PopupList()->ItemIndex(), 2) << "arrows move in the open list";
        EXPECT_EQ(Combo->ItemIndex(), 0) << "not in the combo";
        QTest::keyClick(Edit(), c.Close);
        EXPECT_FALSE(Combo->ListVisible());
        EXPECT_EQ(Combo->ItemIndex(), c.WantIndex);
        EXPECT_EQ(static_cast<int>(Changes.size()), c.WantChanges);
    }
}

TEST_F(ComboFixture, AClickOnAnItemChoosesIt)
{
    SetItems({"a", "b", "c"});
    ShowAndFocus();
    Combo->DropDown();
    TPopupListboxLt* list = Combo->PopupList();
    ASSERT_TRUE(list->Widget()->isVisible());
    const TRect row = list->ItemRect(1);
    QTest::mouseClick(list->Widget(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(row.Left + 5, (row.Top + row.Bottom) / 2));
    EXPECT_FALSE(Combo->ListVisible());
    EXPECT_EQ(Combo->ItemIndex(), 1);
    EXPECT_EQ(Combo->Text(), "b");
}

TEST_F(ComboFixture, APressElsewhereClosesTheListWithoutItsChoice)
{
    SetItems({"a", "b", "c"});
    auto* other = new TEdit(Form.get());
    other->SetParent(Form.get());
    other->SetBounds(10, 100, 100, 21);
    ShowAndFocus();
    struct Case {
        const char* Where;
        bool WantOpen;
    };
    const Case cases[] = {{"list", true}, {"button", true}, {"other edit", false}, {"form", false}};
    for (const Case& c : cases) {
        Combo->SetItemIndex(0);
        Combo->DropDown();
        Combo->PopupList()->SetItemIndex(2);
        const std::string where = c.Where;
        QWidget* target = where == "list"     ? Combo->PopupList()->Widget()
                          : where == "button" ? Combo->ButtonControls()[0].EditButtonControl->Widget()
                          : where == "form"   ? Form->Widget()
                                              : other->Widget();
        // Only the press: releases in the list and on the button have their own meaning.
        QTest::mousePress(target, Qt::LeftButton, {}, QPoint(3, 3));
        EXPECT_EQ(Combo->ListVisible(), c.WantOpen) << c.Where;
        EXPECT_EQ(Combo->ItemIndex(), 0) << c.Where << ": a press takes nothing";
        Combo->CloseUp(false);
        QTest::mouseRelease(target, Qt::LeftButton, {}, QPoint(3, 3));
    }
}

TEST_F(ComboFixture, ASizeGivenWithTheGripIsKeptForTheNextDropDown)
{
    SetItems(Numbers(16));
    Combo->DropDownBox()->SetSizable(true);
    ShowAndFocus();
    Combo->DropDown();
    TPopupListboxLt* list = Combo->PopupList();
    ASSERT_TRUE(list->Widget()->isVisible());
    const int rowsBefore = list->RowCount();
    const int widthBefore = list->Width();
    // A drag of the grip with Qt's own mouse events (QTest's moves carry no
    // buttons, so the move is made by hand).
    TSizeGripLt* grip = list->SizeGrip();
    QWidget* gripWidget = grip->Widget();
    const QPoint from(grip->Width() - 3, grip->Height() - 3);
    const QPoint to = from + QPoint(40, 3 * list->ItemHeight());
    QTest::mousePress(gripWidget, Qt::LeftButton, {}, from);
    EXPECT_EQ(GetCaptureControl(), grip);
    QMouseEvent move(QEvent::MouseMove, QPointF(to), QPointF(gripWidget->mapToGlobal(to)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(gripWidget, &move);
    QTest::mouseRelease(gripWidget, Qt::LeftButton, {}, to);
    EXPECT_EQ(list->RowCount(), rowsBefore + 3);
    EXPECT_EQ(list->Width(), widthBefore + 40);

    QTest::keyClick(Edit(), Qt::Key_Escape);
    EXPECT_EQ(Combo->DropDownBox()->Rows(), rowsBefore + 3);
    EXPECT_EQ(Combo->DropDownBox()->Width(), widthBefore + 40);
    Combo->DropDown();
    EXPECT_EQ(list->RowCount(), rowsBefore + 3);
    EXPECT_EQ(list->Width(), widthBefore + 40);
}

// ---- Bound to a client table

class BoundCombo : public ComboFixture {
protected:
    void SetUp() override
    {
        ComboFixture::SetUp();
        Table = new TClientDataSet(Form.get());
        Code = AddTableField<TStringField>(Table, "FCODE", 4);
        Num = AddTableField<TIntegerField>(Table, "FNUM");
        Table->CreateDataSet();
        for (const char* code : {"Y", "N"}) {
            Table->Append();
            Code->SetAsString(code);
            Num->SetAsInteger(1);
            Table->Post();
        }
        Table->First();
        Source = new TDataSource(Form.get());
        Source->SetDataSet(Table);
        Combo->SetDataSource(Source);
        Combo->SetDataField("FCODE");
    }

    TClientDataSet* Table = nullptr;
    TStringField* Code = nullptr;
    TIntegerField* Num = nullptr;
    TDataSource* Source = nullptr;
};

TEST_F(BoundCombo, AKeyBasedComboShowsTheRowsKeyAndPostsTheChosenOne)
{
    SetItems({"Yes", "No"}, {"Y", "N"});
    EXPECT_EQ(Combo->Text(), "Yes");
    Table->Next();
    EXPECT_EQ(Combo->Text(), "No");
    EXPECT_EQ(Combo->ItemIndex(), 1);

    Combo->SetItemIndex(0);
    EXPECT_EQ(Table->State(), dsEdit);
    EXPECT_EQ(Code->AsString(), "Y") << "the key reaches the field";
    Table->Post();
    Table->First();
    Table->Next();
    EXPECT_EQ(Code->AsString(), "Y");
    EXPECT_EQ(Combo->Text(), "Yes");
}

TEST_F(BoundCombo, AFailingPostShowsTheRowsValueAgainAndRaises)
{
    Combo->SetDataField("FNUM");
    SetItems({"1", "2", "many"});
    EXPECT_EQ(Combo->ItemIndex(), 0);
    EXPECT_THROW(Combo->SetItemIndex(2), Exception) << "'many' is no integer";
    EXPECT_EQ(Num->AsInteger(), 1);
    EXPECT_EQ(Combo->Text(), "1") << "the row's value is shown again";
    EXPECT_EQ(Combo->ItemIndex(), 0);
}

TEST_F(BoundCombo, ATextModeComboPostsTheItemText)
{
    SetItems({"Y", "N", "X"});
    Table->Last();
    EXPECT_EQ(Combo->ItemIndex(), 1);
    Combo->SetItemIndex(2);
    EXPECT_EQ(Code->AsString(), "X");
    Table->Cancel();
    EXPECT_EQ(Combo->Text(), "N") << "cancelling the row shows its value again";
    EXPECT_EQ(Combo->ItemIndex(), 1);
}

} // namespace

TEST_F(ComboFixture, WithWordWrapUpAndDownStepOnlyWithTheWholeTextSelected)
{
    SetItems({"красный свет над сценой", "синий свет над залом", "c"});
    Combo->SetBounds(10, 10, 120, 60);
    Combo->SetWordWrap(true);
    ASSERT_TRUE(Combo->IsMultiLine());
    ShowAndFocus();
    Combo->SetItemIndex(0);
    ASSERT_GE(Combo->LineCount(), 2);

    Combo->SetSelStart(1);
    QTest::keyClick(Edit(), Qt::Key_Down);
    EXPECT_EQ(Combo->ItemIndex(), 0) << "the caret moves a line instead";
    EXPECT_EQ(Combo->CaretLine(), 1);

    Combo->SelectAll();
    QTest::keyClick(Edit(), Qt::Key_Down);
    EXPECT_EQ(Combo->ItemIndex(), 1);
    EXPECT_EQ(Combo->Text(), "синий свет над залом");
}
