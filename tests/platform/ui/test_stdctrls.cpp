// The standard controls: read from descriptions, painted, and driven with
// the mouse and keys on the offscreen platform.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "controltesting.h"
#include "platform/rtl/classbuilder.h"
#include "platform/ui/stdctrls.h"

namespace {

class TStdForm : public TForm {
    LT_CLASS(TStdForm)
public:
    explicit TStdForm(TComponent* AOwner) : TForm(AOwner) {}
    template <class T>
    T* Get(const std::string& Name) const
    {
        auto* component = dynamic_cast<T*>(FindComponent(Name));
        EXPECT_NE(component, nullptr) << Name;
        return component;
    }
    void ControlClick(TObject* Sender) { Clicked.push_back(static_cast<TComponent*>(Sender)->Name()); }
    void EditChange(TObject*) { ++Changes; }
    std::vector<std::string> Clicked;
    int Changes = 0;
};

const char* const kStdForm = R"(object StdForm: TStdForm
  Caption = 'Standard controls'
  ClientHeight = 260
  ClientWidth = 400
  object lblName: TLabel
    Left = 8
    Top = 8
    Alignment = taRightJustify
    Caption = '&Name'
    FocusControl = edtName
    Layout = tlCenter
    Transparent = True
  end
  object edtName: TEdit
    Left = 80
    Top = 8
    CharCase = ecUpperCase
    MaxLength = 5
    PasswordChar = '*'
    ReadOnly = True
    Text = 'abc'
    OnChange = EditChange
  end
  object btnOk: TButton
    Left = 8
    Top = 40
    Caption = 'OK'
    Default = True
    ModalResult = 1
    OnClick = ControlClick
  end
  object chkAll: TCheckBox
    Left = 8
    Top = 80
    AllowGrayed = True
    Caption = 'All'
    State = cbGrayed
    OnClick = ControlClick
  end
  object grpKind: TGroupBox
    Left = 8
    Top = 110
    Width = 200
    Height = 80
    Caption = 'Kind'
    object rbOne: TRadioButton
      Left = 8
      Top = 20
      Caption = 'One'
      Checked = True
    end
    object rbTwo: TRadioButton
      Left = 8
      Top = 40
      Caption = 'Two'
    end
  end
  object lstItems: TListBox
    Left = 220
    Top = 8
    Items.Strings = (
      'pear'
      'Apple'
      'fig')
    ItemIndex = 1
    MultiSelect = True
    Sorted = True
  end
  object pnlBottom: TPanel
    Left = 0
    Top = 200
    Width = 300
    Height = 40
    Align = alBottom
    BevelInner = bvLowered
    BevelWidth = 2
    BorderWidth = 3
    Caption = 'Status'
  end
  object sbZoom: TScrollBar
    Left = 350
    Top = 8
    Width = 17
    Height = 120
    Kind = sbVertical
    LargeChange = 10
    Max = 200
    Min = 10
    Position = 50
  end
end
)";

} // namespace

LT_IMPLEMENT_CLASS(TStdForm, TForm)
{
    P.Method("ControlClick", &TStdForm::ControlClick);
    P.Method("EditChange", &TStdForm::EditChange);
}

TEST(StdControls, ReadFromADescriptionWithTheirPropertiesChildrenAndHandlers)
{
    TStdForm form(nullptr);
    ReadComponentFromText(form, kStdForm, "StdForm");

    const auto* label = form.Get<TLabel>("lblName");
    EXPECT_EQ(label->Alignment(), taRightJustify);
    EXPECT_EQ(label->Layout(), tlCenter);
    EXPECT_TRUE(label->Transparent());
    EXPECT_EQ(label->FocusControl(), form.Get<TEdit>("edtName"));

    auto* edit = form.Get<TEdit>("edtName");
    const auto* line = static_cast<QLineEdit*>(edit->Widget());
    EXPECT_EQ(edit->Text(), "ABC");
    EXPECT_EQ(line->maxLength(), 5);
    EXPECT_EQ(line->echoMode(), QLineEdit::Password);
    EXPECT_TRUE(line->isReadOnly());
    edit->SetText("xyz");
    EXPECT_EQ(form.Changes, 1);

    const auto* button = form.Get<TButton>("btnOk");
    EXPECT_EQ(button->ModalResult(), mrOk);
    EXPECT_TRUE(static_cast<QPushButton*>(button->Widget())->isDefault());

    const auto* check = form.Get<TCheckBox>("chkAll");
    EXPECT_EQ(check->State(), cbGrayed);
    EXPECT_EQ(static_cast<QCheckBox*>(check->Widget())->checkState(), Qt::PartiallyChecked);
    EXPECT_TRUE(form.Clicked.empty()) << "reading a state is no click";

    const auto* group = form.Get<TGroupBox>("grpKind");
    ASSERT_EQ(group->ControlCount(), 2);
    EXPECT_EQ(static_cast<QGroupBox*>(group->Widget())->title(), "Kind");
    EXPECT_TRUE(form.Get<TRadioButton>("rbOne")->Checked());
    EXPECT_FALSE(form.Get<TRadioButton>("rbTwo")->Checked());

    const auto* list = form.Get<TListBox>("lstItems");
    ASSERT_EQ(list->Items()->Count(), 3);
    EXPECT_EQ(list->Items()->Text(), "Apple\nfig\npear\n");
    EXPECT_EQ(list->ItemIndex(), 1) << "ItemIndex before the rows in the description still applies";
    EXPECT_EQ(static_cast<QListWidget*>(list->Widget())->selectionMode(), QAbstractItemView::ExtendedSelection);

    const auto* panel = form.Get<TPanel>("pnlBottom");
    EXPECT_EQ(panel->BevelInner(), bvLowered);
    EXPECT_EQ(panel->BoundsRect(), Rect(0, 220, 400, 260)) << "aligned to the bottom";
    EXPECT_EQ(panel->ClientRect(), Rect(7, 7, 393, 33)) << "outer 2, border 3, inner 2";

    const auto* bar = form.Get<TScrollBar>("sbZoom");
    const auto* qbar = static_cast<QScrollBar*>(bar->Widget());
    EXPECT_EQ(qbar->orientation(), Qt::Vertical);
    EXPECT_EQ(qbar->minimum(), 10);
    EXPECT_EQ(qbar->maximum(), 200);
    EXPECT_EQ(qbar->value(), 50);
    EXPECT_EQ(qbar->pageStep(), 10);
}

TEST(StdControls, WriteWhatTheyReadAndReadWhatTheyWrite)
{
    ExpectRoundTrip<TStdForm>(kStdForm);
}

// ---- TLabel

TEST(Label, PlacesItsTextByAlignmentAndLayout)
{
    for (const TAlignment alignment : {taLeftJustify, taCenter, taRightJustify})
        for (const TTextLayout layout : {tlTop, tlCenter, tlBottom}) {
            SCOPED_TRACE(std::to_string(alignment) + "/" + std::to_string(layout));
            TStdForm form(nullptr);
            auto* label = new TLabel(&form);
            label->SetParent(&form);
            label->SetAutoSize(false);
            label->SetBounds(0, 0, 120, 60);
            label->SetColor(clWhite);
            label->Font()->SetColor(clBlack);
            label->SetCaption("Abc");
            label->SetAlignment(alignment);
            label->SetLayout(layout);
            const TRect ink = InkBounds(Grab(*label), clWhite);
            ASSERT_FALSE(IsRectEmpty(ink));
            const int middleX = (ink.Left + ink.Right) / 2, middleY = (ink.Top + ink.Bottom) / 2;
            if (alignment == taLeftJustify)
                EXPECT_LT(ink.Left, 4);
            else if (alignment == taRightJustify)
                EXPECT_GT(ink.Right, 116);
            else
                EXPECT_NEAR(middleX, 60, 4);
            if (layout == tlTop)
                EXPECT_LT(ink.Top, 6);
            else if (layout == tlBottom)
                EXPECT_GT(ink.Bottom, 52);
            else
                EXPECT_NEAR(middleY, 30, 4);
        }
}

TEST(Label, AutoSizeFitsTheTextAndARightJustifiedLabelKeepsItsRightEdge)
{
    TStdForm form(nullptr);
    auto* label = new TLabel(&form);
    label->SetParent(&form);
    label->SetCaption("Short");
    const int shortWidth = label->Width();
    label->SetCaption("A much longer caption");
    EXPECT_GT(label->Width(), shortWidth);
    TCanvas measure;
    measure.SetFont(label->Font());
    EXPECT_EQ(label->Width(), measure.TextWidth("A much longer caption"));

    label->SetAlignment(taRightJustify);
    label->SetLeft(200);
    const int right = label->Left() + label->Width();
    label->SetCaption("Short");
    EXPECT_EQ(label->Left() + label->Width(), right);
    EXPECT_EQ(label->Width(), shortWidth);

    label->SetAutoSize(false);
    label->SetCaption("A much longer caption");
    EXPECT_EQ(label->Width(), shortWidth) << "without AutoSize the size stays";
}

TEST(Label, RepaintsOnTheScreenWhenItsFontColourChanges)
{
    TStdForm form(nullptr);
    auto* label = new TLabel(&form);
    label->SetParent(&form);
    label->SetColor(clWhite);
    label->Font()->SetSize(20);
    label->Font()->SetColor(clRed);
    label->SetCaption("WWW");
    ShowForm(form, 200, 100);
    ASSERT_TRUE(WaitUntil([&] { return Shows(OnScreen(*label), clRed); }));
    label->Font()->SetColor(clBlue);
    EXPECT_TRUE(WaitUntil([&] { return Shows(OnScreen(*label), clBlue) && !Shows(OnScreen(*label), clRed); }));
}

TEST(Label, AltAndTheUnderlinedLetterFocusTheFocusControl)
{
    TStdForm form(nullptr);
    ReadComponentFromText(form, kStdForm, "StdForm");
    auto* edit = form.Get<TEdit>("edtName");
    auto* button = form.Get<TButton>("btnOk");
    ShowForm(form, 400, 260);
    button->SetFocus();
    ASSERT_TRUE(WaitUntil([&] { return button->Focused(); }));
    QTest::keyClick(button->Widget(), Qt::Key_N, Qt::AltModifier);
    EXPECT_TRUE(WaitUntil([&] { return edit->Focused(); }));
}

// ---- TButton

TEST(Button, WithAModalResultEndsItsFormsShowModal)
{
    TStdForm form(nullptr);
    auto* button = new TButton(&form);
    button->SetParent(&form);
    button->SetModalResult(mrRetry);
    form.SetBounds(0, 0, 200, 100);
    QTimer::singleShot(0, [&] { QTest::mouseClick(button->Widget(), Qt::LeftButton); });
    EXPECT_EQ(form.ShowModal(), mrRetry);
    EXPECT_FALSE(form.Visible());
}

TEST(Form, OneThatAsksToBeFreedIsFreedAfterShowModal)
{
    TComponent owner(nullptr);
    auto* form = new TStdForm(&owner);
    form->SetBounds(0, 0, 200, 100);
    form->SetOnClose([](TObject*, TCloseAction& Action) { Action = caFree; });
    QTimer::singleShot(0, [form] { form->Close(); });
    EXPECT_EQ(form->ShowModal(), mrCancel);
    EXPECT_EQ(owner.ComponentCount(), 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(owner.ComponentCount(), 0);
}

TEST(Button, AMouseClickIsOneClickAndRunsTheActionWithoutOnClick)
{
    TStdForm form(nullptr);
    auto* button = new TButton(&form);
    button->SetParent(&form);
    ShowForm(form, 200, 100);
    int clicks = 0;
    button->SetOnClick([&](TObject*) { ++clicks; });
    QTest::mouseClick(button->Widget(), Qt::LeftButton);
    EXPECT_EQ(clicks, 1);

    auto* action = new TAction(&form);
    int runs = 0;
    action->SetCaption("Run");
    action->SetOnExecute([&](TObject*) { ++runs; });
    button->SetOnClick(nullptr);
    button->SetAction(action);
    EXPECT_EQ(button->Caption(), "Run");
    QTest::mouseClick(button->Widget(), Qt::LeftButton);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(action->ActionComponent(), nullptr) << "only while it runs";
}

TEST(Button, DefaultAnswersEnterAndCancelAnswersEscapeInTheirWindow)
{
    TStdForm form(nullptr);
    auto* edit = new TEdit(&form);
    edit->SetParent(&form);
    auto* ok = new TButton(&form);
    ok->SetParent(&form);
    ok->SetTop(40);
    ok->SetDefault(true);
    auto* cancel = new TButton(&form);
    cancel->SetParent(&form);
    cancel->SetTop(80);
    cancel->SetCancel(true);
    std::vector<std::string> clicked;
    ok->SetOnClick([&](TObject*) { clicked.push_back("ok"); });
    cancel->SetOnClick([&](TObject*) { clicked.push_back("cancel"); });
    ShowForm(form, 200, 120);
    edit->SetFocus();
    ASSERT_TRUE(WaitUntil([&] { return edit->Focused(); }));

    QTest::keyClick(edit->Widget(), Qt::Key_Return);
    QTest::keyClick(edit->Widget(), Qt::Key_Escape);
    EXPECT_EQ(clicked, (std::vector<std::string>{"ok", "cancel"}));

    // With another push button focused, Enter presses that one.
    cancel->SetFocus();
    ASSERT_TRUE(WaitUntil([&] { return cancel->Focused(); }));
    QTest::keyClick(cancel->Widget(), Qt::Key_Return);
    EXPECT_EQ(clicked.back(), "cancel");

    ok->SetDefault(false);
    edit->SetFocus();
    ASSERT_TRUE(WaitUntil([&] { return edit->Focused(); }));
    QTest::keyClick(edit->Widget(), Qt::Key_Return);
    EXPECT_EQ(clicked.size(), 3u) << "a button no longer default ignores Enter";
}

// ---- TCheckBox and TRadioButton

TEST(CheckBox, TheUsersClicksStepThroughTheStatesAndEachChangeIsAClick)
{
    struct TCase {
        bool AllowGrayed;
        std::vector<TCheckBoxState> Steps;
    };
    const TCase cases[] = {
        {false, {cbChecked, cbUnchecked, cbChecked}},
        {true, {cbGrayed, cbChecked, cbUnchecked}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.AllowGrayed);
        TStdForm form(nullptr);
        auto* box = new TCheckBox(&form);
        box->SetParent(&form);
        box->SetAllowGrayed(c.AllowGrayed);
        int clicks = 0;
        box->SetOnClick([&](TObject*) { ++clicks; });
        ShowForm(form, 200, 60);
        for (const TCheckBoxState expected : c.Steps) {
            QTest::mouseClick(box->Widget(), Qt::LeftButton, {}, QPoint(7, box->Height() / 2));
            EXPECT_EQ(box->State(), expected);
        }
        EXPECT_EQ(clicks, 3);
        box->SetChecked(!box->Checked());
        EXPECT_EQ(clicks, 4) << "the program's change is a click too";
        box->SetChecked(box->Checked());
        EXPECT_EQ(clicks, 4) << "setting the same state is none";
    }
}

TEST(RadioButton, ButtonsOfOneParentExcludeEachOtherButNotThoseOfAnother)
{
    TStdForm form(nullptr);
    auto* left = new TPanel(&form);
    left->SetParent(&form);
    left->SetBounds(0, 0, 100, 100);
    auto* right = new TPanel(&form);
    right->SetParent(&form);
    right->SetBounds(100, 0, 100, 100);
    const auto radio = [&](TWinControl* parent, int top) {
        auto* r = new TRadioButton(&form);
        r->SetParent(parent);
        r->SetBounds(4, top, 90, 20);
        return r;
    };
    TRadioButton* a = radio(left, 4);
    TRadioButton* b = radio(left, 30);
    TRadioButton* other = radio(right, 4);
    std::vector<TRadioButton*> clicked;
    for (TRadioButton* r : {a, b, other})
        r->SetOnClick([&](TObject* sender) { clicked.push_back(static_cast<TRadioButton*>(sender)); });
    ShowForm(form, 200, 100);

    other->SetChecked(true);
    QTest::mouseClick(a->Widget(), Qt::LeftButton, {}, QPoint(7, 10));
    EXPECT_TRUE(a->Checked());
    QTest::mouseClick(b->Widget(), Qt::LeftButton, {}, QPoint(7, 10));
    EXPECT_FALSE(a->Checked());
    EXPECT_TRUE(b->Checked());
    EXPECT_TRUE(other->Checked()) << "another parent is another group";
    EXPECT_EQ(clicked, (std::vector<TRadioButton*>{other, a, b}));

    b->SetChecked(false);
    EXPECT_FALSE(a->Checked());
    EXPECT_FALSE(b->Checked()) << "the program may leave a group with none checked";
}

// ---- TEdit

TEST(Edit, TypingFollowsCharCaseAndMaxLengthAndMarksTheTextModified)
{
    TStdForm form(nullptr);
    auto* edit = new TEdit(&form);
    edit->SetParent(&form);
    int changes = 0;
    edit->SetOnChange([&](TObject*) { ++changes; });
    edit->SetCharCase(ecUpperCase);
    edit->SetMaxLength(4);
    ShowForm(form, 200, 60);

    QTest::keyClicks(edit->Widget(), "abcdef");
    EXPECT_EQ(edit->Text(), "ABCD");
    EXPECT_EQ(changes, 4);
    EXPECT_TRUE(edit->Modified());

    edit->SetText("xy");
    EXPECT_EQ(edit->Text(), "XY");
    EXPECT_FALSE(edit->Modified()) << "the program's text is no modification";
    EXPECT_EQ(changes, 5);

    edit->SetCharCase(ecLowerCase);
    EXPECT_EQ(edit->Text(), "xy");
    edit->SetMaxLength(0);
    edit->SetText("Привет, мир");
    EXPECT_EQ(edit->Text(), "привет, мир");

    edit->SetReadOnly(true);
    QTest::keyClicks(edit->Widget(), "z");
    EXPECT_EQ(edit->Text(), "привет, мир");
}

TEST(Edit, WithoutMaxLengthTakesATextOfAnyLength)
{
    TStdForm form(nullptr);
    auto* edit = new TEdit(&form);
    edit->SetParent(&form);
    ShowForm(form, 200, 60);
    const std::string text(40000, 'a');
    edit->SetText(text);
    EXPECT_EQ(edit->Text().size(), text.size());
    edit->SetSelStart(40000);
    QTest::keyClicks(edit->Widget(), "b");
    EXPECT_EQ(edit->Text().size(), text.size() + 1);
    EXPECT_EQ(edit->Text().back(), 'b');
}

TEST(Edit, SelectionReadsAndReplacesByCharacters)
{
    TStdForm form(nullptr);
    auto* edit = new TEdit(&form);
    edit->SetParent(&form);
    edit->SetText("Ёлка и сосна");
    edit->SetSelStart(5);
    edit->SetSelLength(1);
    EXPECT_EQ(edit->SelText(), "и");
    edit->SetSelText("или");
    EXPECT_EQ(edit->Text(), "Ёлка или сосна");
    EXPECT_EQ(edit->SelLength(), 0);
    EXPECT_EQ(edit->SelStart(), 8);

    edit->SelectAll();
    EXPECT_EQ(edit->SelStart(), 0);
    EXPECT_EQ(edit->SelLength(), 14);
    edit->SetSelStart(4);
    edit->SetSelLength(4);
    edit->ClearSelection();
    EXPECT_EQ(edit->Text(), "Ёлка сосна");
}

TEST(Edit, AutoSelectSelectsEverythingWhenFocused)
{
    TStdForm form(nullptr);
    auto* first = new TEdit(&form);
    first->SetParent(&form);
    auto* second = new TEdit(&form);
    second->SetParent(&form);
    second->SetTop(30);
    second->SetText("selected");
    auto* third = new TEdit(&form);
    third->SetParent(&form);
    third->SetTop(60);
    third->SetText("kept");
    third->SetAutoSelect(false);
    ShowForm(form, 200, 100);
    for (TEdit* edit : {second, third}) {
        first->SetFocus();
        ASSERT_TRUE(WaitUntil([&] { return first->Focused(); }));
        edit->SetSelStart(1);
        edit->SetFocus();
        ASSERT_TRUE(WaitUntil([&] { return edit->Focused(); }));
        EXPECT_EQ(edit->SelLength(), edit->AutoSelect() ? static_cast<int>(edit->Text().size()) : 0);
    }
}

// ---- TListBox

TEST(ListBox, ItemsAreTheWidgetsRowsAndASortedListKeepsItsOrder)
{
    TStdForm form(nullptr);
    auto* list = new TListBox(&form);
    list->SetParent(&form);
    auto* rows = static_cast<QListWidget*>(list->Widget());
    TStrings* items = list->Items();
    TComponent marker(nullptr);

    items->Add("b");
    items->AddObject("a", &marker);
    items->Insert(0, "c");
    ASSERT_EQ(rows->count(), 3);
    EXPECT_EQ(rows->item(0)->text(), "c");
    EXPECT_EQ(items->IndexOf("A"), 2);
    EXPECT_EQ(items->Objects(2), &marker);
    items->Delete(1);
    EXPECT_EQ(items->Text(), "c\na\n");
    EXPECT_THROW(items->Delete(5), EStringListError);

    list->SetSorted(true);
    EXPECT_EQ(items->Text(), "a\nc\n");
    EXPECT_EQ(items->Objects(0), &marker) << "rows keep their objects when sorted";
    for (const char* s : {"B", "d", "Ä", "b"})
        items->Add(s);
    EXPECT_EQ(items->Text(), "a\nB\nb\nc\nd\nÄ\n");
    EXPECT_EQ(rows->count(), 6);

    TStringList copy;
    copy.Assign(items);
    EXPECT_EQ(copy.Text(), items->Text());
    items->Clear();
    EXPECT_EQ(rows->count(), 0);
}

TEST(ListBox, TheUsersChoiceIsAClickTheProgramsIsNot)
{
    TStdForm form(nullptr);
    auto* list = new TListBox(&form);
    list->SetParent(&form);
    list->SetBounds(0, 0, 150, 120);
    for (const char* s : {"one", "two", "three"})
        list->Items()->Add(s);
    int clicks = 0, doubleClicks = 0;
    list->SetOnClick([&](TObject*) { ++clicks; });
    list->SetOnDblClick([&](TObject*) { ++doubleClicks; });
    ShowForm(form, 150, 120);

    list->SetItemIndex(2);
    EXPECT_EQ(list->ItemIndex(), 2);
    EXPECT_EQ(clicks, 0);

    auto* rows = static_cast<QListWidget*>(list->Widget());
    const QPoint second = rows->visualItemRect(rows->item(1)).center();
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, second);
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_EQ(clicks, 1);
    QTest::mouseDClick(rows->viewport(), Qt::LeftButton, {}, second);
    EXPECT_EQ(doubleClicks, 1);

    list->SetItemIndex(-1);
    EXPECT_EQ(list->ItemIndex(), -1);
    EXPECT_FALSE(list->Selected(1));
    EXPECT_EQ(clicks, 1);
}

TEST(ListBox, MultiSelectKeepsSeveralRowsSelected)
{
    TStdForm form(nullptr);
    auto* list = new TListBox(&form);
    list->SetParent(&form);
    for (const char* s : {"one", "two", "three", "four"})
        list->Items()->Add(s);
    list->SetSelected(1, true);
    list->SetSelected(2, true);
    EXPECT_FALSE(list->Selected(1)) << "a single-choice list moves its choice";
    EXPECT_EQ(list->ItemIndex(), 2);

    list->SetMultiSelect(true);
    list->SetSelected(0, true);
    list->SetSelected(3, true);
    EXPECT_EQ(list->SelCount(), 3);
    list->SetSelected(2, false);
    EXPECT_EQ(list->SelCount(), 2);
    EXPECT_TRUE(list->Selected(0));
    EXPECT_TRUE(list->Selected(3));
}

// ---- TGroupBox and TPanel

TEST(GroupBox, ItsClientAreaLeavesOutTheCaptionAndTheFrame)
{
    TStdForm form(nullptr);
    auto* group = new TGroupBox(&form);
    group->SetParent(&form);
    group->SetBounds(0, 0, 200, 120);
    group->SetCaption("Settings");
    auto* inner = new TPanel(&form);
    inner->SetParent(group);
    inner->SetAlign(alClient);

    const TRect client = group->ClientRect();
    const int titleHeight = QFontMetrics(group->Widget()->font()).height();
    EXPECT_GE(client.Top, titleHeight);
    EXPECT_GT(client.Left, 0);
    EXPECT_LT(client.Right, 200);
    EXPECT_LT(client.Bottom, 120);
    EXPECT_EQ(inner->BoundsRect(), client);

    group->SetHeight(150);
    EXPECT_EQ(inner->Height(), group->ClientRect().Height());
}

TEST(Panel, ClientRectIsInsideTheBevelsBorderAndFrame)
{
    struct TCase {
        TBevelCut Outer, Inner;
        int BevelWidth, BorderWidth;
        TFormBorderStyle Border;
        int Inset;
    };
    const TCase cases[] = {
        {bvNone, bvNone, 1, 0, bsNone, 0},     {bvRaised, bvNone, 1, 0, bsNone, 1},
        {bvRaised, bvLowered, 2, 0, bsNone, 4}, {bvNone, bvNone, 3, 5, bsNone, 5},
        {bvLowered, bvRaised, 1, 2, bsSingle, 5},
    };
    for (const TCase& c : cases) {
        TPanel panel(nullptr);
        panel.SetBounds(0, 0, 100, 60);
        panel.SetBevelOuter(c.Outer);
        panel.SetBevelInner(c.Inner);
        panel.SetBevelWidth(c.BevelWidth);
        panel.SetBorderWidth(c.BorderWidth);
        panel.SetBorderStyle(c.Border);
        EXPECT_EQ(panel.ClientRect(), Rect(c.Inset, c.Inset, 100 - c.Inset, 60 - c.Inset)) << c.Inset;
    }
}

TEST(Panel, PaintsItsBevelsAndCaption)
{
    struct TCase {
        TBevelCut Outer;
        TColor TopLeft, BottomRight;
    };
    const TCase cases[] = {
        {bvRaised, clBtnHighlight, clBtnShadow},
        {bvLowered, clBtnShadow, clBtnHighlight},
        {bvNone, clYellow, clYellow},
    };
    for (const TCase& c : cases) {
        TPanel panel(nullptr);
        panel.SetBounds(0, 0, 80, 40);
        panel.SetColor(clYellow);
        panel.SetBevelOuter(c.Outer);
        const QImage image = Grab(panel);
        EXPECT_EQ(PixelColor(image, 0, 0), ColorToRGB(c.TopLeft));
        EXPECT_EQ(PixelColor(image, 79, 39), ColorToRGB(c.BottomRight));
        EXPECT_EQ(PixelColor(image, 40, 20), clYellow);
    }
    TPanel panel(nullptr);
    panel.SetBounds(0, 0, 120, 40);
    panel.SetColor(clWhite);
    panel.SetBevelOuter(bvNone);
    panel.Font()->SetColor(clBlack);
    panel.SetCaption("Mid");
    const TRect ink = InkBounds(Grab(panel), clWhite);
    EXPECT_NEAR((ink.Left + ink.Right) / 2, 60, 4);
    EXPECT_NEAR((ink.Top + ink.Bottom) / 2, 20, 4);
}

TEST(Panel, LaysOutTopLeftAndClientChildrenInsideItsBorder)
{
    TStdForm form(nullptr);
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    panel->SetBounds(0, 0, 400, 300);
    panel->SetBevelOuter(bvNone);
    panel->SetBorderWidth(4);
    const auto child = [&](TAlign align, int width, int height) {
        auto* c = new TPanel(&form);
        c->SetParent(panel);
        c->SetBounds(0, 0, width, height);
        c->SetAlign(align);
        return c;
    };
    TPanel* top = child(alTop, 10, 30);
    TPanel* left = child(alLeft, 80, 10);
    TPanel* client = child(alClient, 10, 10);
    EXPECT_EQ(top->BoundsRect(), Rect(4, 4, 396, 34));
    EXPECT_EQ(left->BoundsRect(), Rect(4, 34, 84, 296));
    EXPECT_EQ(client->BoundsRect(), Rect(84, 34, 396, 296));

    panel->SetBounds(0, 0, 300, 200);
    EXPECT_EQ(client->BoundsRect(), Rect(84, 34, 296, 196));
    left->SetVisible(false);
    EXPECT_EQ(client->BoundsRect(), Rect(4, 34, 296, 196));
}

// ---- TScrollBar

TEST(ScrollBar, PositionStaysInRangeAndTheUsersScrollingCanBeSteered)
{
    TStdForm form(nullptr);
    auto* bar = new TScrollBar(&form);
    bar->SetParent(&form);
    std::vector<int> changes;
    std::vector<TScrollCode> codes;
    bar->SetOnChange([&](TObject*) { changes.push_back(bar->Position()); });
    bar->SetParams(20, 0, 50);
    bar->SetPosition(80);
    EXPECT_EQ(bar->Position(), 50);
    EXPECT_EQ(changes, (std::vector<int>{20, 50}));
    EXPECT_THROW(bar->SetParams(0, 10, 5), EInvalidOperation);

    bar->SetPosition(10);
    bar->SetSmallChange(3);
    bar->SetLargeChange(10);
    bar->SetOnScroll([&](TObject*, TScrollCode code, int& position) {
        codes.push_back(code);
        if (code == scPageDown)
            position = 42;
    });
    auto* qbar = static_cast<QScrollBar*>(bar->Widget());
    qbar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(bar->Position(), 13);
    qbar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(bar->Position(), 42) << "OnScroll moved the position";
    qbar->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(bar->Position(), 0);
    EXPECT_EQ(codes, (std::vector<TScrollCode>{scLineDown, scPageDown, scTop}));
}

namespace {
// Descendants that make widgets of their own: the constructors of the
// classes they derive from must not have made one already.
class TFlatGroupBox : public TGroupBox {
public:
    using TGroupBox::TGroupBox;

protected:
    QWidget* CreateWidget() override
    {
        QWidget* widget = TGroupBox::CreateWidget();
        widget->setObjectName("own");
        return widget;
    }
};

class TNumberEdit : public TEdit {
public:
    using TEdit::TEdit;

protected:
    QWidget* CreateWidget() override
    {
        QWidget* widget = TEdit::CreateWidget();
        widget->setObjectName("own");
        return widget;
    }
};

class TOwnListBox : public TListBox {
public:
    using TListBox::TListBox;

protected:
    QWidget* CreateWidget() override
    {
        QWidget* widget = TListBox::CreateWidget();
        widget->setObjectName("own");
        return widget;
    }
};
} // namespace

TEST(StdControls, DescendantsMakeTheirOwnWidgets)
{
    TFlatGroupBox group(nullptr);
    TNumberEdit edit(nullptr);
    TOwnListBox list(nullptr);
    for (const TControl* control : std::initializer_list<const TControl*>{&group, &edit, &list})
        EXPECT_EQ(control->Widget()->objectName(), "own") << control->ClassName();
}
