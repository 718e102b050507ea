// Popup menus and menu items: their tree in descriptions, showing them at a
// point or on a right click, and what choosing an item does.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QMenu>

#include "controltesting.h"
#include "platform/rtl/classbuilder.h"
#include "platform/ui/menus.h"
#include "platform/ui/stdctrls.h"

namespace {

class TMenuForm : public TForm {
    LT_CLASS(TMenuForm)
public:
    explicit TMenuForm(TComponent* AOwner) : TForm(AOwner) {}
    template <class T>
    T* Get(const std::string& Name) const
    {
        auto* component = dynamic_cast<T*>(FindComponent(Name));
        EXPECT_NE(component, nullptr) << Name;
        return component;
    }
    void ItemClick(TObject* Sender) { Chosen.push_back(static_cast<TComponent*>(Sender)->Name()); }
    void MenuPopup(TObject*) { ++Popups; }
    std::vector<std::string> Chosen;
    int Popups = 0;
};

const char* const kMenuForm = R"(object MenuForm: TMenuForm
  ClientHeight = 200
  ClientWidth = 300
  object pnlArea: TPanel
    Align = alClient
    PopupMenu = pmMain
  end
  object pmMain: TPopupMenu
    Images = ilMenu
    OnPopup = MenuPopup
    object miOpen: TMenuItem
      Caption = '&Open'
      Default = True
      ImageIndex = 0
      ShortCut = 16463
      OnClick = ItemClick
    end
    object N1: TMenuItem
      Caption = '-'
    end
    object miView: TMenuItem
      Caption = 'View'
      object miGrid: TMenuItem
        AutoCheck = True
        Caption = 'Grid'
        OnClick = ItemClick
      end
      object miSmall: TMenuItem
        Caption = 'Small'
        Checked = True
        GroupIndex = 1
        RadioItem = True
        OnClick = ItemClick
      end
      object miLarge: TMenuItem
        AutoCheck = True
        Caption = 'Large'
        GroupIndex = 1
        RadioItem = True
        OnClick = ItemClick
      end
    end
    object miGone: TMenuItem
      Caption = 'Gone'
      Visible = False
    end
    object miOff: TMenuItem
      Caption = 'Off'
      Enabled = False
    end
  end
  object ilMenu: TImageList
  end
end
)";

// Waits for popup menus to show and clicks, menu after menu, the entries
// with the given texts; records the entries of the first menu.
class TMenuChooser {
public:
    explicit TMenuChooser(std::vector<QString> Path) : FPath(std::move(Path))
    {
        QObject::connect(&FTimer, &QTimer::timeout, [this] { Tick(); });
        FTimer.start(10);
    }
    // "-" for a line, "Text" for an entry, with " (off)", " (checked)" and
    // " >" for disabled, checked and sub-menu entries.
    std::vector<std::string> Shown;

private:
    void Tick()
    {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu || menu == FLast)
            return;
        FLast = menu;
        if (Shown.empty())
            for (QAction* action : menu->actions())
                Shown.push_back(Describe(*action));
        if (FPath.empty()) {
            menu->close();
            return;
        }
        const QString text = FPath.front();
        FPath.erase(FPath.begin());
        for (QAction* action : menu->actions())
            if (action->text() == text)
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
    }
    static std::string Describe(const QAction& Action)
    {
        if (Action.isSeparator())
            return "-";
        std::string text = Action.text().toStdString();
        if (!Action.isEnabled())
            text += " (off)";
        if (Action.isChecked())
            text += " (checked)";
        if (Action.menu())
            text += " >";
        return text;
    }
    std::vector<QString> FPath;
    QTimer FTimer;
    QMenu* FLast = nullptr;
};

} // namespace

LT_IMPLEMENT_CLASS(TMenuForm, TForm)
{
    P.Method("ItemClick", &TMenuForm::ItemClick);
    P.Method("MenuPopup", &TMenuForm::MenuPopup);
}

TEST(PopupMenu, ReadsItsItemTreeFromADescriptionAndWritesItBack)
{
    TMenuForm form(nullptr);
    ReadComponentFromText(form, kMenuForm, "MenuForm");
    auto* menu = form.Get<TPopupMenu>("pmMain");
    TMenuItem* items = menu->Items();
    ASSERT_EQ(items->Count(), 5);
    EXPECT_EQ(items->Items(0), form.Get<TMenuItem>("miOpen"));
    EXPECT_TRUE(items->Items(1)->IsLine());
    TMenuItem* view = form.Get<TMenuItem>("miView");
    ASSERT_EQ(view->Count(), 3);
    EXPECT_EQ(view->Items(2)->Name(), "miLarge");
    EXPECT_EQ(view->Items(2)->Parent(), view);
    EXPECT_EQ(view->Items(2)->GetParentMenu(), menu);
    EXPECT_EQ(view->GetParentComponent(), menu);
    EXPECT_EQ(view->Items(2)->MenuIndex(), 2);
    EXPECT_EQ(ShortCutToText(form.Get<TMenuItem>("miOpen")->ShortCut()), "Ctrl+O");
    EXPECT_EQ(menu->FindItemByShortCut(TextToShortCut("Ctrl+O")), items->Items(0));
    EXPECT_EQ(form.Get<TPanel>("pnlArea")->PopupMenu(), menu);
    EXPECT_EQ(menu->Images(), form.Get<TImageList>("ilMenu"));
    ExpectRoundTrip<TMenuForm>(kMenuForm);
}

TEST(PopupMenu, PopupShowsTheVisibleItemsAndRunsTheChosenOne)
{
    TMenuForm form(nullptr);
    ReadComponentFromText(form, kMenuForm, "MenuForm");
    auto* menu = form.Get<TPopupMenu>("pmMain");
    {
        TMenuChooser chooser({"&Open"});
        menu->Popup(10, 10);
        EXPECT_EQ(chooser.Shown, (std::vector<std::string>{"&Open", "-", "View >", "Off (off)"}));
    }
    EXPECT_EQ(form.Chosen, (std::vector<std::string>{"miOpen"}));
    EXPECT_EQ(form.Popups, 1);

    {
        TMenuChooser chooser({"View", "Large"});
        menu->Popup(10, 10);
    }
    EXPECT_EQ(form.Chosen.back(), "miLarge");
    EXPECT_TRUE(form.Get<TMenuItem>("miLarge")->Checked());
    EXPECT_FALSE(form.Get<TMenuItem>("miSmall")->Checked()) << "radio items of a group exclude each other";

    {
        TMenuChooser chooser({});
        menu->Popup(10, 10);
    }
    EXPECT_EQ(form.Chosen.size(), 2u) << "closing the menu chooses nothing";
}

TEST(PopupMenu, ARightClickOnItsControlShowsIt)
{
    TMenuForm form(nullptr);
    ReadComponentFromText(form, kMenuForm, "MenuForm");
    auto* menu = form.Get<TPopupMenu>("pmMain");
    auto* area = form.Get<TPanel>("pnlArea");
    auto* list = new TListBox(&form);
    list->SetParent(area);
    list->SetBounds(10, 10, 100, 80);
    list->Items()->Add("row");
    list->SetPopupMenu(menu);
    auto* edit = new TEdit(&form);
    edit->SetParent(area);
    edit->SetBounds(150, 10, 100, 20);
    edit->SetPopupMenu(menu);
    std::vector<TMouseButton> ups;
    area->SetOnMouseUp([&](TObject*, TMouseButton button, TShiftState, int, int) { ups.push_back(button); });
    ShowForm(form, 300, 200);

    struct TCase {
        TControl* Control;
        QWidget* Target;
    };
    auto* rows = static_cast<QAbstractScrollArea*>(list->Widget());
    const TCase cases[] = {{area, area->Widget()}, {list, rows->viewport()}, {edit, edit->Widget()}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Control->ClassName());
        form.Chosen.clear();
        TMenuChooser chooser({"&Open"});
        QTest::mouseClick(c.Target, Qt::RightButton, {}, QPoint(5, 5));
        EXPECT_TRUE(WaitUntil([&] { return !form.Chosen.empty(); }));
        EXPECT_EQ(menu->PopupComponent(), c.Control);
    }
    EXPECT_EQ(ups, (std::vector<TMouseButton>{mbRight})) << "the control saw the button go up";
    EXPECT_EQ(form.Popups, 3);

    menu->SetAutoPopup(false);
    form.Chosen.clear();
    QTest::mouseClick(area->Widget(), Qt::RightButton, {}, QPoint(5, 5));
    WaitUntil([] { return false; }, 50);
    EXPECT_EQ(form.Popups, 3);
    area->SetPopupMenu(nullptr);
    delete menu;
    EXPECT_EQ(list->PopupMenu(), nullptr) << "a freed menu leaves its controls";
    EXPECT_EQ(edit->Widget()->contextMenuPolicy(), Qt::DefaultContextMenu);
}

TEST(MenuItem, ClickTogglesAutoCheckAndRunsOnClickOrTheAction)
{
    TMenuForm form(nullptr);
    ReadComponentFromText(form, kMenuForm, "MenuForm");
    auto* grid = form.Get<TMenuItem>("miGrid");
    grid->Click();
    EXPECT_TRUE(grid->Checked());
    grid->Click();
    EXPECT_FALSE(grid->Checked());
    form.Get<TMenuItem>("miOff")->Click();
    EXPECT_EQ(form.Chosen, (std::vector<std::string>{"miGrid", "miGrid"})) << "a disabled item does nothing";

    auto* action = new TAction(&form);
    action->SetCaption("Export");
    action->SetShortCut(TextToShortCut("Shift+F5"));
    action->SetChecked(true);
    int runs = 0;
    action->SetOnExecute([&](TObject*) { ++runs; });
    auto* item = new TMenuItem(&form);
    form.Get<TMenuItem>("miView")->Insert(0, item);
    item->SetAction(action);
    EXPECT_EQ(item->Caption(), "Export");
    EXPECT_EQ(ShortCutToText(item->ShortCut()), "Shift+F5");
    EXPECT_TRUE(item->Checked());
    action->SetEnabled(false);
    EXPECT_FALSE(item->Enabled());
    action->SetEnabled(true);
    item->Click();
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(form.Get<TMenuItem>("miView")->IndexOf(item), 0);

    delete form.Get<TMenuItem>("miView");
    EXPECT_EQ(form.FindComponent("miGrid"), nullptr) << "an item frees its sub-items";
    EXPECT_EQ(form.Get<TPopupMenu>("pmMain")->Items()->Count(), 4);
}

TEST(ShortCut, TextAndKeysConvertBothWays)
{
    struct TCase {
        unsigned Key;
        TShiftState Shift;
        const char* Text;
    };
    const TCase cases[] = {
        {'S', {ssCtrl}, "Ctrl+S"},
        {VK_DELETE, {ssShift}, "Shift+Del"},
        {VK_F5, {}, "F5"},
        {'7', {ssShift, ssCtrl, ssAlt}, "Shift+Ctrl+Alt+7"},
        {VK_RETURN, {ssAlt}, "Alt+Enter"},
    };
    for (const TCase& c : cases) {
        const TShortCut shortcut = ShortCut(c.Key, c.Shift);
        EXPECT_EQ(ShortCutToText(shortcut), c.Text);
        EXPECT_EQ(TextToShortCut(c.Text), shortcut);
        unsigned key = 0;
        TShiftState shift;
        ShortCutToKey(shortcut, key, shift);
        EXPECT_EQ(key, c.Key);
        EXPECT_EQ(shift, c.Shift);
    }
    EXPECT_EQ(TextToShortCut("ctrl+shift+s"), ShortCut('S', {ssCtrl, ssShift}));
    EXPECT_EQ(TextToShortCut("Ctrl+"), scNone);
    EXPECT_EQ(TextToShortCut("Hyper+S"), scNone);
    EXPECT_EQ(ShortCutToKeySequence(ShortCut('S', {ssCtrl})), QKeySequence(Qt::CTRL | Qt::Key_S));
}
