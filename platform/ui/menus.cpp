#include "platform/ui/menus.h"

#include <algorithm>
#include <map>

#include <QAbstractScrollArea>
#include <QIcon>
#include <QMenu>
#include <QMouseEvent>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/controls.h"
#include "platform/ui/imglist.h"
#include "platform/ui/qtconvert.h"
#include "platform/ui/qtsignals.h"

LT_IMPLEMENT_CLASS(TMenuItem, TComponent)
{
    P.Property("Action", &TMenuItem::Action, &TMenuItem::SetAction);
    P.Property("AutoCheck", &TMenuItem::AutoCheck, &TMenuItem::SetAutoCheck).Default(0);
    P.Property("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption);
    P.Property("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked).Default(0);
    P.Property("Default", &TMenuItem::Default, &TMenuItem::SetDefault).Default(0);
    P.Property("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled).Default(1);
    P.Property("GroupIndex", &TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex).Default(0);
    P.Property("Hint", &TMenuItem::Hint, &TMenuItem::SetHint);
    P.Property("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex).Default(-1);
    P.Property("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem).Default(0);
    P.Property("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut).Default(0);
    P.Property("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible).Default(1);
    P.Property("OnClick", &TMenuItem::OnClick, &TMenuItem::SetOnClick);
}

LT_IMPLEMENT_CLASS(TMenu, TComponent)
{
    P.Property("Images", &TMenu::Images, &TMenu::SetImages);
}

LT_IMPLEMENT_CLASS(TPopupMenu, TMenu)
{
    P.Property("Alignment", &TPopupMenu::Alignment, &TPopupMenu::SetAlignment).Default(paLeft);
    P.Property("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup).Default(1);
    P.Property("OnPopup", &TPopupMenu::OnPopup, &TPopupMenu::SetOnPopup);
}

// ---- the action link of a menu item

class TMenuItem::TLink final : public TActionLink {
public:
    explicit TLink(TMenuItem& Item) : FItem(Item) {}

    void SetCaption(const std::string& Value) override
    {
        if (Linked([&](const TCustomAction& a) { return FItem.FCaption == a.Caption(); }))
            FItem.SetCaption(Value);
    }
    void SetChecked(bool Value) override
    {
        if (Linked([&](const TCustomAction& a) { return FItem.FChecked == a.Checked(); }))
            FItem.SetChecked(Value);
    }
    void SetEnabled(bool Value) override
    {
        if (Linked([&](const TCustomAction& a) { return FItem.FEnabled == a.Enabled(); }))
            FItem.SetEnabled(Value);
    }
    void SetHint(const std::string& Value) override
    {
        if (Linked([&](const TCustomAction& a) { return FItem.FHint == a.Hint(); }))
            FItem.SetHint(Value);
    }
    void SetImageIndex(int Value) override
    {
        if (Linked([&](const TCustomAction& a) { return FItem.FImageIndex == a.ImageIndex(); }))
            FItem.SetImageIndex(Value);
    }
    void SetShortCut(TShortCut Value) override
    {
        if (Linked([&](const TCustomAction& a) { return FItem.FShortCut == a.ShortCut(); }))
            FItem.SetShortCut(Value);
    }
    void SetVisible(bool Value) override
    {
        if (Linked([&](const TCustomAction& a) { return FItem.FVisible == a.Visible(); }))
            FItem.SetVisible(Value);
    }

protected:
    void ActionAssigned() override
    {
        const TCustomAction* a = CustomAction();
        if (!a)
            return;
        FItem.SetCaption(a->Caption());
        FItem.SetChecked(a->Checked());
        FItem.SetEnabled(a->Enabled());
        FItem.SetHint(a->Hint());
        FItem.SetImageIndex(a->ImageIndex());
        FItem.SetShortCut(a->ShortCut());
        FItem.SetVisible(a->Visible());
    }

private:
    template <class F>
    bool Linked(F Same) const
    {
        const TCustomAction* a = CustomAction();
        return a && Same(*a);
    }
    TMenuItem& FItem;
};

// ---- TMenuItem

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner), FActionLink(std::make_unique<TLink>(*this)) {}

TMenuItem::~TMenuItem()
{
    while (!FItems.empty()) {
        TMenuItem* last = FItems.back();
        FItems.pop_back();
        last->FParent = nullptr;
        delete last;
    }
    if (FParent)
        FParent->Remove(this);
}

TMenuItem* TMenuItem::Items(int Index) const
{
    if (Index < 0 || Index >= Count())
        throw EListError("Menu index out of range (" + std::to_string(Index) + ")");
    return FItems[static_cast<std::size_t>(Index)];
}

void TMenuItem::Add(TMenuItem* Item)
{
    Insert(Count(), Item);
}

void TMenuItem::Insert(int Index, TMenuItem* Item)
{
    if (!Item)
        return;
    if (Item->Contains(this))
        throw EInvalidOperation("A menu item cannot hold itself");
    if (Item->FParent)
        Item->FParent->Remove(Item);
    Index = std::clamp(Index, 0, Count());
    FItems.insert(FItems.begin() + Index, Item);
    Item->FParent = this;
}

void TMenuItem::Remove(TMenuItem* Item)
{
    const auto it = std::find(FItems.begin(), FItems.end(), Item);
    if (it == FItems.end())
        return;
    FItems.erase(it);
    Item->FParent = nullptr;
}

void TMenuItem::Delete(int Index)
{
    TMenuItem* item = Items(Index);
    Remove(item);
    delete item;
}

void TMenuItem::Clear()
{
    while (!FItems.empty())
        Delete(Count() - 1);
}

int TMenuItem::IndexOf(const TMenuItem* Item) const
{
    const auto it = std::find(FItems.begin(), FItems.end(), Item);
    return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

void TMenuItem::SetMenuIndex(int Value)
{
    if (!FParent)
        return;
    TMenuItem* parent = FParent;
    parent->Remove(this);
    parent->Insert(Value, this);
}

TMenu* TMenuItem::GetParentMenu() const
{
    const TMenuItem* top = this;
    while (top->FParent)
        top = top->FParent;
    return top->FMenu;
}

bool TMenuItem::Contains(const TMenuItem* Item) const
{
    for (const TMenuItem* i = Item; i; i = i->FParent)
        if (i == this)
            return true;
    return false;
}

void TMenuItem::SetChecked(bool Value)
{
    if (Value == FChecked)
        return;
    FChecked = Value;
    if (Value && FRadioItem)
        UncheckGroup();
}

void TMenuItem::UncheckGroup()
{
    if (!FParent)
        return;
    for (TMenuItem* sibling : FParent->FItems)
        if (sibling != this && sibling->FRadioItem && sibling->FGroupIndex == FGroupIndex)
            sibling->FChecked = false;
}

void TMenuItem::Click()
{
    if (!FEnabled)
        return;
    if (FAutoCheck)
        SetChecked(!FChecked);
    if (FOnClick)
        FOnClick(this);
    else if (FActionLink->Action())
        FActionLink->Execute(this);
}

void TMenuItem::InitiateAction()
{
    FActionLink->Update();
    for (TMenuItem* item : std::vector(FItems))
        item->InitiateAction();
}

TComponent* TMenuItem::GetParentComponent() const
{
    if (FParent && FParent->FMenu)
        return FParent->FMenu;
    return FParent;
}

void TMenuItem::SetParentComponent(TComponent* Value)
{
    if (auto* menu = dynamic_cast<TMenu*>(Value))
        menu->Items()->Add(this);
    else if (auto* item = dynamic_cast<TMenuItem*>(Value))
        item->Add(this);
    else if (!Value && FParent)
        FParent->Remove(this);
    else if (Value)
        throw EInvalidOperation("A " + Value->ClassName() + " cannot hold menu items");
}

void TMenuItem::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) const
{
    for (TMenuItem* item : FItems)
        if (item->Owner() == Root)
            Proc(item);
}

// ---- TMenu

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner), FItems(std::make_unique<TMenuItem>(nullptr))
{
    FItems->FMenu = this;
}

TMenu::~TMenu()
{
    FItems.reset();
}

namespace {
TMenuItem* FindShortCut(const TMenuItem& Parent, TShortCut ShortCut)
{
    for (int i = 0; i < Parent.Count(); ++i) {
        TMenuItem* item = Parent.Items(i);
        if (item->ShortCut() == ShortCut)
            return item;
        if (TMenuItem* found = FindShortCut(*item, ShortCut))
            return found;
    }
    return nullptr;
}
} // namespace

TMenuItem* TMenu::FindItemByShortCut(TShortCut ShortCut) const
{
    return ShortCut == scNone ? nullptr : FindShortCut(*FItems, ShortCut);
}

void TMenu::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) const
{
    FItems->GetChildren(Proc, Root);
}

// ---- TPopupMenu

namespace {
using TActionMap = std::map<const QAction*, TMenuItem*>;

QIcon ItemIcon(const TMenuItem& Item, const TCustomImageList* Images)
{
    if (!Images || Item.ImageIndex() < 0 || Item.ImageIndex() >= Images->Count())
        return {};
    return QIcon(QPixmap::fromImage(Images->Picture(Item.ImageIndex())));
}

void BuildMenu(QMenu& Menu, const TMenuItem& Parent, const TCustomImageList* Images, TActionMap& Map)
{
    for (int i = 0; i < Parent.Count(); ++i) {
        TMenuItem* item = Parent.Items(i);
        if (!item->Visible())
            continue;
        if (item->IsLine()) {
            Menu.addSeparator();
            continue;
        }
        if (item->Count() > 0) {
            QMenu* sub = Menu.addMenu(ItemIcon(*item, Images), ToQString(item->Caption()));
            sub->setEnabled(item->Enabled());
            BuildMenu(*sub, *item, Images, Map);
            continue;
        }
        QAction* action = Menu.addAction(ItemIcon(*item, Images), ToQString(item->Caption()));
        action->setEnabled(item->Enabled());
        action->setCheckable(item->Checked() || item->AutoCheck() || item->RadioItem());
        action->setChecked(item->Checked());
        action->setToolTip(ToQString(item->Hint()));
        if (item->ShortCut() != scNone) {
            action->setShortcut(ShortCutToKeySequence(item->ShortCut()));
            action->setShortcutVisibleInContextMenu(true);
        }
        if (item->Default()) {
            QFont font = action->font();
            font.setBold(true);
            action->setFont(font);
        }
        Map[action] = item;
    }
}
} // namespace

TPopupMenu::TPopupMenu(TComponent* AOwner) : TMenu(AOwner) {}

namespace {
TPopupMenuHook& PopupHook()
{
    static TPopupMenuHook hook;
    return hook;
}
} // namespace

void TPopupMenu::SetPopupHook(TPopupMenuHook Hook)
{
    PopupHook() = std::move(Hook);
}

void TPopupMenu::Popup(int X, int Y)
{
    if (FOnPopup)
        FOnPopup(this);
    Items()->InitiateAction();
    if (PopupHook()) {
        if (TMenuItem* item = PopupHook()(this, X, Y))
            item->Click();
        return;
    }
    QMenu menu;
    TActionMap map;
    BuildMenu(menu, *Items(), Images(), map);
    if (menu.isEmpty())
        return;
    const int width = menu.sizeHint().width();
    if (FAlignment == paRight)
        X -= width;
    else if (FAlignment == paCenter)
        X -= width / 2;
    const QAction* chosen = menu.exec(QPoint(X, Y));
    const auto it = map.find(chosen);
    if (it != map.end() && Items()->Contains(it->second))
        it->second->Click();
}

// ---- TControlPopup

class TControlPopup::TFilter final : public QObject {
public:
    explicit TFilter(TControlPopup& Owner) : FOwner(Owner) {}

    bool eventFilter(QObject*, QEvent* Event) override
    {
        if (Event->type() != QEvent::MouseButtonRelease)
            return false;
        const auto* mouse = static_cast<QMouseEvent*>(Event);
        const TPopupMenu* menu = FOwner.Menu();
        if (mouse->button() != Qt::RightButton || !menu || !menu->AutoPopup())
            return false;
        const QPoint at = mouse->globalPosition().toPoint();
        // After the control has seen the button go up, as a context menu
        // follows the button-up message.
        QTimer::singleShot(0, this, [this, at] {
            TPopupMenu* shown = FOwner.Menu();
            if (!shown)
                return;
            shown->SetPopupComponent(FOwner.FControl);
            Guarded(FOwner.FControl, [&] { shown->Popup(at.x(), at.y()); });
        });
        return false;
    }

private:
    TControlPopup& FOwner;
};

TControlPopup::TControlPopup(TControl* Control) : FControl(Control)
{
    FMenu.SetOnFreed([this] { UpdatePolicy(); });
}

TControlPopup::~TControlPopup() = default;

void TControlPopup::SetMenu(TPopupMenu* Value)
{
    FMenu.Set(Value);
    if (Value && !FFilter)
        Install();
    UpdatePolicy();
}

namespace {
// Where the mouse goes over the control: the viewport of a scrolled list.
QWidget* MouseWidget(QWidget* Widget)
{
    if (auto* area = qobject_cast<QAbstractScrollArea*>(Widget))
        return area->viewport();
    return Widget;
}
} // namespace

void TControlPopup::Install()
{
    FFilter = std::make_unique<TFilter>(*this);
    MouseWidget(FControl->Widget())->installEventFilter(FFilter.get());
}

void TControlPopup::UpdatePolicy()
{
    if (!FFilter)
        return;
    const Qt::ContextMenuPolicy policy = FMenu ? Qt::PreventContextMenu : Qt::DefaultContextMenu;
    QWidget* widget = FControl->Widget();
    widget->setContextMenuPolicy(policy);
    MouseWidget(widget)->setContextMenuPolicy(policy);
}
