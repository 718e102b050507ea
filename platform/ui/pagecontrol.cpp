#include <algorithm>

#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>
#include <QTabWidget>

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/comctrls.h"
#include "platform/ui/imglist.h"
#include "platform/ui/qtconvert.h"
#include "platform/ui/programchange.h"

LT_IMPLEMENT_CLASS(TTabSheet, TWinControl)
{
    P.Property("ImageIndex", &TTabSheet::ImageIndex, &TTabSheet::SetImageIndex).Default(-1);
    P.Property("PageIndex", &TTabSheet::PageIndex, &TTabSheet::SetPageIndex).StoredIf([](const TObject&) {
        return false;
    });
    P.Property("PopupMenu", &TTabSheet::PopupMenu, &TTabSheet::SetPopupMenu);
    P.Property("TabVisible", &TTabSheet::TabVisible, &TTabSheet::SetTabVisible).Default(1);
    P.Property("OnHide", &TTabSheet::OnHide, &TTabSheet::SetOnHide);
    P.Property("OnShow", &TTabSheet::OnShow, &TTabSheet::SetOnShow);
}

LT_IMPLEMENT_CLASS(TPageControl, TWinControl)
{
    P.Property("ActivePage", &TPageControl::ActivePage, &TPageControl::SetActivePage);
    P.Property("Images", &TPageControl::Images, &TPageControl::SetImages);
    P.Property("PopupMenu", &TPageControl::PopupMenu, &TPageControl::SetPopupMenu);
    P.Property("OnChange", &TPageControl::OnChange, &TPageControl::SetOnChange);
    P.Property("OnChanging", &TPageControl::OnChanging, &TPageControl::SetOnChanging);
}

namespace {
// The tab widget, telling where its pages go.
class TTabWidget final : public QTabWidget {
public:
    QRect PagesRect() const
    {
        QStyleOptionTabWidgetFrame option;
        initStyleOption(&option);
        return style()->subElementRect(QStyle::SE_TabWidgetTabContents, &option, this);
    }
};

TTabWidget* Tabs(const TPageControl& Control)
{
    return static_cast<TTabWidget*>(Control.Widget());
}

} // namespace

// Asks OnChanging before the user's click or key moves to another tab.
class TPageControl::TTabFilter final : public QObject {
public:
    explicit TTabFilter(TPageControl& Owner) : FOwner(Owner) {}

    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        auto* bar = static_cast<QTabBar*>(Watched);
        if (Event->type() == QEvent::MouseButtonPress) {
            const auto* mouse = static_cast<QMouseEvent*>(Event);
            const int index = bar->tabAt(mouse->position().toPoint());
            if (mouse->button() == Qt::LeftButton && index >= 0 && index != bar->currentIndex())
                return !Allowed();
        } else if (Event->type() == QEvent::KeyPress) {
            switch (static_cast<QKeyEvent*>(Event)->key()) {
            case Qt::Key_Left:
            case Qt::Key_Right:
            case Qt::Key_Up:
            case Qt::Key_Down:
            case Qt::Key_Home:
            case Qt::Key_End: return !Allowed();
            default: break;
            }
        }
        return false;
    }

private:
    bool Allowed()
    {
        bool allowed = false;
        Guarded(&FOwner, [&] { allowed = FOwner.CanChange(); });
        return allowed;
    }
    TPageControl& FOwner;
};

// ---- TTabSheet

TTabSheet::TTabSheet(TComponent* AOwner) : TWinControl(AOwner)
{
    SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls, csSetCaption});
}

TTabSheet::~TTabSheet()
{
    if (FPageControl)
        FPageControl->RemovePage(this);
}

void TTabSheet::SetParent(TWinControl* Value)
{
    if (Value == Parent())
        return;
    if (FPageControl)
        FPageControl->RemovePage(this);
    TWinControl::SetParent(Value);
    if (auto* pages = dynamic_cast<TPageControl*>(Value))
        pages->InsertPage(this);
}

void TTabSheet::SetPageControl(TPageControl* Value)
{
    SetParent(Value);
}

int TTabSheet::PageIndex() const
{
    return FPageControl ? FPageControl->IndexOf(this) : -1;
}

void TTabSheet::SetPageIndex(int Value)
{
    if (!FPageControl)
        return;
    auto& pages = FPageControl->FPages;
    Value = std::clamp(Value, 0, static_cast<int>(pages.size()) - 1);
    const int current = PageIndex();
    if (Value == current)
        return;
    TProgramChange change(FPageControl->FChanging);
    pages.erase(pages.begin() + current);
    pages.insert(pages.begin() + Value, this);
    Tabs(*FPageControl)->tabBar()->moveTab(current, Value);
}

int TTabSheet::TabIndex() const
{
    if (!FPageControl || !FTabVisible)
        return -1;
    int index = 0;
    for (const TTabSheet* page : FPageControl->FPages) {
        if (page == this)
            return index;
        if (page->FTabVisible)
            ++index;
    }
    return -1;
}

void TTabSheet::SetTabVisible(bool Value)
{
    if (Value == FTabVisible)
        return;
    FTabVisible = Value;
    if (FPageControl)
        FPageControl->UpdateTab(this);
}

void TTabSheet::SetImageIndex(int Value)
{
    if (Value == FImageIndex)
        return;
    FImageIndex = Value;
    if (FPageControl)
        FPageControl->UpdateTab(this);
}

void TTabSheet::TextChanged()
{
    if (FPageControl)
        FPageControl->UpdateTab(this);
}

// ---- TPageControl

TPageControl::TPageControl(TComponent* AOwner) : TWinControl(AOwner)
{
    SetControlStyle(ControlStyle() - TControlStyle{csClickEvents, csCaptureMouse});
    SetTabStop(true);
    SetBounds(0, 0, 289, 193);
    FImages.SetOnFreed([this] {
        FImagesLink = 0;
        for (TTabSheet* page : FPages)
            UpdateTab(page);
    });
}

TPageControl::~TPageControl()
{
    FConnections.Clear();
    if (FImages && FImagesLink)
        FImages->UnRegisterChanges(FImagesLink);
    for (TTabSheet* page : FPages)
        page->FPageControl = nullptr;
}

QWidget* TPageControl::CreateWidget()
{
    auto* tabs = new TTabWidget();
    tabs->setFocusPolicy(TabStop() ? Qt::StrongFocus : Qt::ClickFocus);
    FTabFilter = std::make_unique<TTabFilter>(*this);
    tabs->tabBar()->installEventFilter(FTabFilter.get());
    FConnections += QObject::connect(tabs, &QTabWidget::currentChanged, tabs,
                                     [this](int Index) { Guarded(this, [&] { CurrentChanged(Index); }); });
    return tabs;
}

TTabSheet* TPageControl::Pages(int Index) const
{
    if (Index < 0 || Index >= PageCount())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return FPages[static_cast<std::size_t>(Index)];
}

int TPageControl::IndexOf(const TTabSheet* Page) const
{
    const auto it = std::find(FPages.begin(), FPages.end(), Page);
    return it == FPages.end() ? -1 : static_cast<int>(it - FPages.begin());
}

void TPageControl::InsertPage(TTabSheet* Page)
{
    TProgramChange change(FChanging);
    FPages.push_back(Page);
    Page->FPageControl = this;
    Tabs(*this)->addTab(Page->Widget(), QString());
    UpdateTab(Page);
    PlacePages();
    if (!FShownPage)
        CurrentChanged(Tabs(*this)->currentIndex());
}

void TPageControl::RemovePage(TTabSheet* Page)
{
    const int index = IndexOf(Page);
    if (index < 0)
        return;
    TProgramChange change(FChanging);
    TProgramChange removal(FRemoving);
    FPages.erase(FPages.begin() + index);
    Page->FPageControl = nullptr;
    if (FShownPage == Page)
        FShownPage = nullptr;
    Tabs(*this)->removeTab(index);
}

void TPageControl::UpdateTab(TTabSheet* Page)
{
    const int index = IndexOf(Page);
    if (index < 0)
        return;
    TTabWidget* tabs = Tabs(*this);
    tabs->setTabText(index, ToQString(Page->Caption()));
    tabs->setTabVisible(index, Page->TabVisible());
    const TCustomImageList* images = FImages.Get();
    const int image = Page->ImageIndex();
    tabs->setTabIcon(index, images && image >= 0 && image < images->Count()
                                ? QIcon(QPixmap::fromImage(images->Picture(image)))
                                : QIcon());
}

void TPageControl::SetImages(TCustomImageList* Value)
{
    if (FImages && FImagesLink)
        FImages->UnRegisterChanges(FImagesLink);
    FImagesLink = 0;
    FImages.Set(Value);
    if (Value)
        FImagesLink = Value->RegisterChanges([this] {
            for (TTabSheet* page : FPages)
                UpdateTab(page);
        });
    for (TTabSheet* page : FPages)
        UpdateTab(page);
}

TTabSheet* TPageControl::ActivePage() const
{
    const int index = Tabs(*this)->currentIndex();
    return index >= 0 && index < PageCount() ? FPages[static_cast<std::size_t>(index)] : nullptr;
}

void TPageControl::SetActivePage(TTabSheet* Value)
{
    if (Value && Value->FPageControl != this)
        return;
    TProgramChange change(FChanging);
    Tabs(*this)->setCurrentIndex(Value ? IndexOf(Value) : -1);
}

int TPageControl::ActivePageIndex() const
{
    return IndexOf(ActivePage());
}

void TPageControl::SetActivePageIndex(int Value)
{
    SetActivePage(Value >= 0 && Value < PageCount() ? FPages[static_cast<std::size_t>(Value)] : nullptr);
}

int TPageControl::TabIndex() const
{
    const TTabSheet* page = ActivePage();
    return page ? page->TabIndex() : -1;
}

void TPageControl::SetTabIndex(int Value)
{
    for (TTabSheet* page : FPages)
        if (page->TabIndex() == Value && Value >= 0) {
            SetActivePage(page);
            return;
        }
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* CurPage, bool GoForward) const
{
    const int count = PageCount();
    if (count == 0)
        return nullptr;
    int start = IndexOf(CurPage);
    if (start < 0)
        start = GoForward ? count - 1 : 0;
    for (int step = 1; step <= count; ++step) {
        const int index = ((start + (GoForward ? step : -step)) % count + count) % count;
        TTabSheet* page = FPages[static_cast<std::size_t>(index)];
        if (page->TabVisible())
            return page;
    }
    return nullptr;
}

void TPageControl::SelectNextPage(bool GoForward)
{
    TTabSheet* page = FindNextPage(ActivePage(), GoForward);
    if (page && page != ActivePage() && CanChange()) {
        SetActivePage(page);
        Change();
    }
}

TRect TPageControl::ClientRect() const
{
    // Before the widget exists (while constructing) there are no pages.
    if (!HasBridge())
        return TWinControl::ClientRect();
    return FromQRect(Tabs(*this)->PagesRect());
}

void TPageControl::PlacePages()
{
    if (FPages.empty())
        return;
    const TRect area = ClientRect();
    for (TTabSheet* page : FPages)
        page->SetBounds(0, 0, area.Width(), area.Height());
}

void TPageControl::Resize()
{
    TWinControl::Resize();
    PlacePages();
}

void TPageControl::Loaded()
{
    TWinControl::Loaded();
    PlacePages();
}

void TPageControl::CurrentChanged(int Index)
{
    TTabSheet* page = Index >= 0 && Index < PageCount() ? FPages[static_cast<std::size_t>(Index)] : nullptr;
    if (FRemoving > 0) {
        FShownPage = page;
        return;
    }
    if (page != FShownPage) {
        TTabSheet* hidden = FShownPage;
        FShownPage = page;
        if (hidden && hidden->OnHide())
            hidden->OnHide()(hidden);
        if (page && page->OnShow())
            page->OnShow()(page);
    }
    if (FChanging == 0)
        Change();
}

bool TPageControl::CanChange()
{
    bool allow = true;
    if (FOnChanging)
        FOnChanging(this, allow);
    return allow;
}

void TPageControl::Change()
{
    if (FOnChange)
        FOnChange(this);
}
