// Progress bars, page controls with tab sheets, tool bars with tool buttons.
#include <gtest/gtest.h>

#include <QProgressBar>
#include <QTabBar>
#include <QTabWidget>

#include "controltesting.h"
#include "platform/rtl/classbuilder.h"
#include "platform/ui/comctrls.h"
#include "platform/ui/picture.h"
#include "platform/ui/stdctrls.h"

namespace {

class TComForm : public TForm {
    LT_CLASS(TComForm)
public:
    explicit TComForm(TComponent* AOwner) : TForm(AOwner) {}
    template <class T>
    T* Get(const std::string& Name) const
    {
        auto* component = dynamic_cast<T*>(FindComponent(Name));
        EXPECT_NE(component, nullptr) << Name;
        return component;
    }
    void PagesChange(TObject*) { ++Changes; }
    void PagesChanging(TObject*, bool& Allow) { Allow = AllowChange; }
    void OpenExecute(TObject*) { ++Opened; }
    int Changes = 0;
    bool AllowChange = true;
    int Opened = 0;
};

const char* const kComForm = R"(object ComForm: TComForm
  ClientHeight = 240
  ClientWidth = 320
  object tbMain: TToolBar
    AutoSize = True
    Flat = True
    Images = ilMain
    object btnOpen: TToolButton
      Left = 0
      Action = acOpen
    end
    object btnSep: TToolButton
      Left = 23
      Width = 8
      Style = tbsSeparator
    end
    object btnItalic: TToolButton
      Left = 54
      Down = True
      Grouped = True
      ImageIndex = 1
      Style = tbsCheck
    end
    object btnBold: TToolButton
      Left = 31
      Grouped = True
      Hint = 'Bold'
      ImageIndex = 1
      Style = tbsCheck
    end
  end
  object pcPages: TPageControl
    Top = 30
    Width = 320
    Height = 180
    ActivePage = tsTwo
    OnChange = PagesChange
    OnChanging = PagesChanging
    object tsOne: TTabSheet
      Caption = 'One'
    end
    object tsTwo: TTabSheet
      Caption = 'Two'
      object pnlTwo: TPanel
        Align = alClient
      end
    end
    object tsHidden: TTabSheet
      Caption = 'Hidden'
      TabVisible = False
    end
    object tsFour: TTabSheet
      Caption = 'Four'
    end
  end
  object pbLoad: TProgressBar
    Top = 220
    Max = 50
    Position = 20
    Step = 7
    Orientation = pbVertical
  end
  object ilMain: TImageList
  end
  object alMain: TActionList
    Images = ilMain
    object acOpen: TAction
      Caption = 'Open'
      Hint = 'Open a file'
      ImageIndex = 0
      OnExecute = OpenExecute
    end
  end
end
)";

QTabWidget* Tabs(const TPageControl& Pages)
{
    return static_cast<QTabWidget*>(Pages.Widget());
}

void ClickTab(const TPageControl& Pages, int Index)
{
    QTabBar* bar = Tabs(Pages)->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(Index).center());
}

// Pictures of 16 x 16 in the given colours.
void FillImages(TImageList& Images, std::initializer_list<TColor> Colors)
{
    for (const TColor color : Colors) {
        TBitmap bitmap;
        bitmap.SetSize(16, 16);
        bitmap.MutableImage()->fill(ToQColor(color));
        Images.Add(&bitmap, nullptr);
    }
}

} // namespace

LT_IMPLEMENT_CLASS(TComForm, TForm)
{
    P.Method("OpenExecute", &TComForm::OpenExecute);
    P.Method("PagesChange", &TComForm::PagesChange);
    P.Method("PagesChanging", &TComForm::PagesChanging);
}

TEST(ComControls, WriteWhatTheyReadAndReadWhatTheyWrite)
{
    ExpectRoundTrip<TComForm>(kComForm);
}

// ---- TProgressBar

TEST(ProgressBar, StepItWrapsPastMaxAndPositionStaysInRange)
{
    struct TCase {
        int Min, Max, Position, Step, Expected;
    };
    const TCase cases[] = {
        {0, 100, 0, 10, 10},  {0, 100, 90, 10, 100}, {0, 100, 95, 10, 5}, {0, 100, 100, 10, 10},
        {10, 20, 18, 5, 13},  {0, 100, 5, -10, 95},  {0, 100, 100, 250, 50},
    };
    for (const TCase& c : cases) {
        TProgressBar bar(nullptr);
        bar.SetMin(c.Min);
        bar.SetMax(c.Max);
        bar.SetPosition(c.Position);
        bar.SetStep(c.Step);
        bar.StepIt();
        EXPECT_EQ(bar.Position(), c.Expected) << c.Position << "+" << c.Step;
        EXPECT_EQ(static_cast<QProgressBar*>(bar.Widget())->value(), c.Expected);
    }
    TProgressBar bar(nullptr);
    bar.SetPosition(150);
    EXPECT_EQ(bar.Position(), 100);
    bar.StepBy(-130);
    EXPECT_EQ(bar.Position(), 0) << "StepBy does not wrap";
    bar.SetPosition(60);
    bar.SetMax(40);
    EXPECT_EQ(bar.Position(), 40);
}

TEST(ProgressBar, ReadFromADescription)
{
    TComForm form(nullptr);
    ReadComponentFromText(form, kComForm, "ComForm");
    auto* bar = form.Get<TProgressBar>("pbLoad");
    const auto* widget = static_cast<QProgressBar*>(bar->Widget());
    EXPECT_EQ(widget->maximum(), 50);
    EXPECT_EQ(widget->value(), 20);
    EXPECT_EQ(widget->orientation(), Qt::Vertical);
    bar->StepIt();
    EXPECT_EQ(bar->Position(), 27);
}

// ---- TPageControl

TEST(PageControl, ReadFromADescriptionWithItsSheets)
{
    TComForm form(nullptr);
    ReadComponentFromText(form, kComForm, "ComForm");
    auto* pages = form.Get<TPageControl>("pcPages");
    ASSERT_EQ(pages->PageCount(), 4);
    QTabWidget* tabs = Tabs(*pages);
    EXPECT_EQ(tabs->tabText(0), "One");
    EXPECT_EQ(tabs->tabText(1), "Two");
    EXPECT_FALSE(tabs->isTabVisible(2));
    EXPECT_EQ(pages->ActivePage(), form.Get<TTabSheet>("tsTwo"));
    EXPECT_EQ(pages->ActivePageIndex(), 1);
    EXPECT_EQ(form.Get<TTabSheet>("tsFour")->TabIndex(), 2) << "hidden tabs do not count";
    EXPECT_EQ(form.Changes, 0);

    const TRect area = pages->ClientRect();
    EXPECT_GT(area.Top, 10) << "the tabs take the top";
    for (int i = 0; i < pages->PageCount(); ++i)
        EXPECT_EQ(pages->Pages(i)->BoundsRect(), Rect(0, 0, area.Width(), area.Height()));
    EXPECT_EQ(form.Get<TPanel>("pnlTwo")->Width(), area.Width());

    pages->SetBounds(0, 30, 300, 200);
    EXPECT_EQ(form.Get<TPanel>("pnlTwo")->Width(), pages->ClientRect().Width());
}

TEST(PageControl, TheUsersTabChoiceRaisesOnChangeAndOnChangingMayRefuseIt)
{
    TComForm form(nullptr);
    ReadComponentFromText(form, kComForm, "ComForm");
    auto* pages = form.Get<TPageControl>("pcPages");
    auto* one = form.Get<TTabSheet>("tsOne");
    auto* two = form.Get<TTabSheet>("tsTwo");
    std::vector<std::string> shown;
    for (TTabSheet* sheet : {one, two}) {
        sheet->SetOnShow([&](TObject* s) { shown.push_back("show " + static_cast<TComponent*>(s)->Name()); });
        sheet->SetOnHide([&](TObject* s) { shown.push_back("hide " + static_cast<TComponent*>(s)->Name()); });
    }
    ShowForm(form, 320, 240);

    ClickTab(*pages, 0);
    EXPECT_EQ(pages->ActivePage(), one);
    EXPECT_EQ(form.Changes, 1);
    EXPECT_EQ(shown, (std::vector<std::string>{"hide tsTwo", "show tsOne"}));

    form.AllowChange = false;
    ClickTab(*pages, 1);
    EXPECT_EQ(pages->ActivePage(), one);
    EXPECT_EQ(form.Changes, 1);

    form.AllowChange = true;
    pages->SetActivePage(two);
    EXPECT_EQ(pages->ActivePage(), two);
    EXPECT_EQ(form.Changes, 1) << "the program's choice raises no OnChange";

    pages->SelectNextPage(true);
    EXPECT_EQ(pages->ActivePage(), form.Get<TTabSheet>("tsFour")) << "the hidden tab is skipped";
    pages->SelectNextPage(true);
    EXPECT_EQ(pages->ActivePage(), one);
    EXPECT_EQ(form.Changes, 3);
    pages->SetTabIndex(2);
    EXPECT_EQ(pages->ActivePage(), form.Get<TTabSheet>("tsFour"));
}

TEST(PageControl, SheetsMoveLeaveAndChangeTheirTabs)
{
    TComForm form(nullptr);
    ReadComponentFromText(form, kComForm, "ComForm");
    auto* pages = form.Get<TPageControl>("pcPages");
    QTabWidget* tabs = Tabs(*pages);
    auto* four = form.Get<TTabSheet>("tsFour");

    four->SetPageIndex(0);
    EXPECT_EQ(tabs->tabText(0), "Four");
    EXPECT_EQ(pages->Pages(0), four);
    four->SetCaption("Fourth");
    EXPECT_EQ(tabs->tabText(0), "Fourth");
    form.Get<TTabSheet>("tsHidden")->SetTabVisible(true);
    EXPECT_EQ(four->TabIndex(), 0);
    EXPECT_EQ(form.Get<TTabSheet>("tsHidden")->TabIndex(), 3);

    delete form.Get<TTabSheet>("tsOne");
    EXPECT_EQ(pages->PageCount(), 3);
    EXPECT_EQ(tabs->count(), 3);
    four->SetPageControl(nullptr);
    EXPECT_EQ(pages->PageCount(), 2);
    EXPECT_EQ(tabs->count(), 2);
    EXPECT_EQ(four->PageIndex(), -1);
    four->SetParent(pages);
    EXPECT_EQ(pages->Pages(2), four);
    EXPECT_EQ(tabs->tabText(2), "Fourth");
}

// ---- TToolBar and TToolButton

TEST(ToolBar, LaysItsButtonsLeftToRightAndWrapsThem)
{
    TComForm form(nullptr);
    ReadComponentFromText(form, kComForm, "ComForm");
    auto* bar = form.Get<TToolBar>("tbMain");
    ASSERT_EQ(bar->ButtonCount(), 4);
    const std::vector<std::string> order = {"btnOpen", "btnSep", "btnBold", "btnItalic"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(bar->Buttons(i)->Name(), order[static_cast<std::size_t>(i)]) << "in the order of their places";
    EXPECT_EQ(bar->Align(), alTop);
    const std::vector<TRect> expected = {Rect(0, 2, 23, 24), Rect(23, 2, 31, 24), Rect(31, 2, 54, 24),
                                         Rect(54, 2, 77, 24)};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(bar->Buttons(i)->BoundsRect(), expected[static_cast<std::size_t>(i)]) << i;
    EXPECT_EQ(bar->Height(), 24) << "AutoSize: the top edge and one row";

    bar->SetAlign(alNone);
    bar->SetWidth(60);
    EXPECT_EQ(bar->Buttons(3)->BoundsRect(), Rect(0, 24, 23, 46));
    EXPECT_EQ(bar->Height(), 46);
    bar->Buttons(0)->SetWrap(true);
    EXPECT_EQ(bar->Buttons(1)->Top(), 24);
    bar->Buttons(1)->SetVisible(false);
    EXPECT_EQ(bar->Buttons(2)->BoundsRect(), Rect(0, 24, 23, 46));

    bar->SetButtonWidth(30);
    bar->SetButtonHeight(26);
    bar->SetWidth(300);
    EXPECT_EQ(bar->Buttons(3)->BoundsRect(), Rect(30, 28, 60, 54));

    auto* extra = new TToolButton(&form);
    extra->SetParent(bar);
    EXPECT_EQ(bar->Buttons(4), extra) << "a button made by the program goes last";
}

TEST(ToolBar, ButtonsShowTheirImageTheirHintAsToolTipAndCaptionsWhenAsked)
{
    TComForm form(nullptr);
    ReadComponentFromText(form, kComForm, "ComForm");
    FillImages(*form.Get<TImageList>("ilMain"), {clRed, clBlue});
    auto* bar = form.Get<TToolBar>("tbMain");
    auto* open = form.Get<TToolButton>("btnOpen");
    EXPECT_EQ(open->Widget()->toolTip(), "Open a file") << "from the action";
    EXPECT_EQ(form.Get<TToolButton>("btnBold")->Widget()->toolTip(), "Bold");
    EXPECT_TRUE(Shows(Grab(*open), clRed, 0));
    EXPECT_TRUE(Shows(Grab(*form.Get<TToolButton>("btnBold")), clBlue, 0));

    open->SetEnabled(false);
    const QImage disabled = Grab(*open);
    EXPECT_FALSE(Shows(disabled, clRed, 60));
    open->SetEnabled(true);

    const int narrow = open->Height();
    bar->SetShowCaptions(true);
    EXPECT_GT(open->Height(), narrow);
    EXPECT_GT(open->Width(), 23);
    EXPECT_EQ(form.Get<TToolButton>("btnBold")->Width(), open->Width()) << "buttons share one size";
    EXPECT_EQ(form.Get<TToolButton>("btnSep")->Width(), 8);
}

TEST(ToolBar, CheckButtonsStayDownAndGroupedOnesReleaseEachOther)
{
    TComForm form(nullptr);
    ReadComponentFromText(form, kComForm, "ComForm");
    auto* bold = form.Get<TToolButton>("btnBold");
    auto* italic = form.Get<TToolButton>("btnItalic");
    auto* open = form.Get<TToolButton>("btnOpen");
    ShowForm(form, 320, 240);
    EXPECT_TRUE(italic->Down());

    QTest::mouseClick(bold->Widget(), Qt::LeftButton);
    EXPECT_TRUE(bold->Down());
    EXPECT_FALSE(italic->Down());
    QTest::mouseClick(bold->Widget(), Qt::LeftButton);
    EXPECT_TRUE(bold->Down()) << "a grouped button without AllowAllUp stays down";
    bold->SetAllowAllUp(true);
    QTest::mouseClick(bold->Widget(), Qt::LeftButton);
    EXPECT_FALSE(bold->Down());

    QTest::mouseClick(open->Widget(), Qt::LeftButton);
    EXPECT_FALSE(open->Down());
    EXPECT_EQ(form.Opened, 1) << "the click runs the button's action";
}

namespace {
class TOwnPageControl : public TPageControl {
public:
    using TPageControl::TPageControl;

protected:
    QWidget* CreateWidget() override
    {
        QWidget* widget = TPageControl::CreateWidget();
        widget->setObjectName("own");
        return widget;
    }
};
} // namespace

TEST(PageControl, ADescendantMakesItsOwnWidget)
{
    TOwnPageControl pages(nullptr);
    EXPECT_EQ(pages.Widget()->objectName(), "own");
    auto* sheet = new TTabSheet(&pages);
    sheet->SetPageControl(&pages);
    EXPECT_EQ(Tabs(pages)->count(), 1);
}
