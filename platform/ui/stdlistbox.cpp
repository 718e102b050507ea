#include <algorithm>

#include <QListWidget>

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/strutils.h"
#include "platform/ui/qtconvert.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/viewportmouse.h"
#include "platform/ui/programchange.h"

LT_IMPLEMENT_CLASS(TListBox, TWinControl)
{
    P.Property("ExtendedSelect", &TListBox::ExtendedSelect, &TListBox::SetExtendedSelect).Default(1);
    P.Property("Items", &TListBox::Items);
    P.Property("ItemIndex", &TListBox::ItemIndex, &TListBox::SetItemIndex).Default(-1);
    P.Property("MultiSelect", &TListBox::MultiSelect, &TListBox::SetMultiSelect).Default(0);
    P.Property("PopupMenu", &TListBox::PopupMenu, &TListBox::SetPopupMenu);
    P.Property("Sorted", &TListBox::Sorted, &TListBox::SetSorted).Default(0);
}

namespace {
QListWidget* ListWidget(const TListBox& ListBox)
{
    return static_cast<QListWidget*>(ListBox.Widget());
}

} // namespace

// The list box's rows as a string list; each row keeps its object.
class TListBox::TListBoxStrings final : public TStrings {
public:
    explicit TListBoxStrings(TListBox& Owner) : FOwner(Owner) {}

    int Count() const override { return List()->count(); }
    std::string Get(int Index) const override { return FromQString(Item(Index)->text()); }
    void Put(int Index, const std::string& S) override
    {
        Changing();
        Item(Index)->setText(ToQString(S));
        Changed();
    }
    TObject* GetObject(int Index) const override
    {
        return static_cast<TObject*>(Item(Index)->data(Qt::UserRole).value<void*>());
    }
    void PutObject(int Index, TObject* Object) override
    {
        Item(Index)->setData(Qt::UserRole, QVariant::fromValue(static_cast<void*>(Object)));
    }
    int Add(const std::string& S) override { return AddObject(S, nullptr); }
    int AddObject(const std::string& S, TObject* Object) override
    {
        int index = Count();
        if (FOwner.FSorted) {
            index = 0;
            while (index < Count() && AnsiCompareText(Get(index), S) <= 0)
                ++index;
        }
        InsertObject(index, S, Object);
        return index;
    }
    void Insert(int Index, const std::string& S) override { InsertObject(Index, S, nullptr); }
    void InsertObject(int Index, const std::string& S, TObject* Object) override
    {
        if (Index < 0 || Index > Count())
            throw EStringListError("List index out of bounds (" + std::to_string(Index) + ")");
        TProgramChange change(FOwner.FChanging);
        Changing();
        auto* item = new QListWidgetItem(ToQString(S));
        item->setData(Qt::UserRole, QVariant::fromValue(static_cast<void*>(Object)));
        List()->insertItem(Index, item);
        Changed();
    }
    void Delete(int Index) override
    {
        Item(Index);
        TProgramChange change(FOwner.FChanging);
        Changing();
        const std::unique_ptr<QListWidgetItem> item(List()->takeItem(Index));
        Changed();
    }
    void Clear() override
    {
        if (Count() == 0)
            return;
        TProgramChange change(FOwner.FChanging);
        Changing();
        List()->clear();
        Changed();
    }

    // Puts the rows in order, case not counting; equal rows keep theirs.
    void Sort()
    {
        std::vector<std::pair<std::string, TObject*>> rows;
        for (int i = 0; i < Count(); ++i)
            rows.emplace_back(Get(i), GetObject(i));
        std::stable_sort(rows.begin(), rows.end(),
                         [](const auto& a, const auto& b) { return AnsiCompareText(a.first, b.first) < 0; });
        TProgramChange change(FOwner.FChanging);
        Changing();
        for (int i = 0; i < Count(); ++i) {
            Item(i)->setText(ToQString(rows[static_cast<std::size_t>(i)].first));
            PutObject(i, rows[static_cast<std::size_t>(i)].second);
        }
        Changed();
    }

private:
    QListWidget* List() const { return ListWidget(FOwner); }
    QListWidgetItem* Item(int Index) const
    {
        if (Index < 0 || Index >= Count())
            throw EStringListError("List index out of bounds (" + std::to_string(Index) + ")");
        return List()->item(Index);
    }

    TListBox& FOwner;
};

TListBox::TListBox(TComponent* AOwner)
    : TWinControl(AOwner), FItems(std::make_unique<TListBoxStrings>(*this))
{
    SetControlStyle(ControlStyle() - TControlStyle{csSetCaption, csClickEvents, csCaptureMouse});
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 121, 97);
}

TListBox::~TListBox() = default;

QWidget* TListBox::CreateWidget()
{
    auto* list = new QListWidget();
    list->setFocusPolicy(TabStop() ? Qt::StrongFocus : Qt::ClickFocus);
    ApplySelectionMode(list);
    SetBaseColor(list, Color());
    FViewportMouse = std::make_unique<TViewportMouse>(this, list->viewport());
    FConnections += QObject::connect(list, &QListWidget::itemSelectionChanged, list, [this] {
        if (FChanging == 0)
            Guarded(this, [this] { TControl::Click(); });
    });
    return list;
}

void TListBox::ApplySelectionMode(QWidget* List) const
{
    const auto mode = !FMultiSelect     ? QAbstractItemView::SingleSelection
                      : FExtendedSelect ? QAbstractItemView::ExtendedSelection
                                        : QAbstractItemView::MultiSelection;
    static_cast<QListWidget*>(List)->setSelectionMode(mode);
}

void TListBox::ColorChanged()
{
    TWinControl::ColorChanged();
    if (!HasBridge())
        return;
    SetBaseColor(Widget(), Color());
}

int TListBox::Count() const
{
    return FItems->Count();
}

void TListBox::Clear()
{
    FItems->Clear();
}

int TListBox::ItemIndex() const
{
    return ListWidget(*this)->currentRow();
}

void TListBox::SetItemIndex(int Value)
{
    if (ComponentState().Contains(csLoading)) {
        FLoadedItemIndex = Value;
        return;
    }
    QListWidget* list = ListWidget(*this);
    if (Value < -1 || Value >= Count())
        Value = -1;
    TProgramChange change(FChanging);
    if (FMultiSelect) {
        list->setCurrentRow(Value, QItemSelectionModel::NoUpdate);
        return;
    }
    if (Value < 0) {
        list->clearSelection();
        list->setCurrentRow(-1);
        return;
    }
    list->setCurrentRow(Value);
}

void TListBox::Loaded()
{
    TWinControl::Loaded();
    if (FLoadedItemIndex >= 0)
        SetItemIndex(FLoadedItemIndex);
}

void TListBox::SetSorted(bool Value)
{
    if (Value == FSorted)
        return;
    FSorted = Value;
    if (Value)
        static_cast<TListBoxStrings&>(*FItems).Sort();
}

void TListBox::SetMultiSelect(bool Value)
{
    FMultiSelect = Value;
    ApplySelectionMode(Widget());
}

void TListBox::SetExtendedSelect(bool Value)
{
    FExtendedSelect = Value;
    ApplySelectionMode(Widget());
}

bool TListBox::Selected(int Index) const
{
    if (Index < 0 || Index >= Count())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return ListWidget(*this)->item(Index)->isSelected();
}

void TListBox::SetSelected(int Index, bool Value)
{
    if (Index < 0 || Index >= Count())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    if (!FMultiSelect) {
        if (Value)
            SetItemIndex(Index);
        else if (ItemIndex() == Index)
            SetItemIndex(-1);
        return;
    }
    TProgramChange change(FChanging);
    ListWidget(*this)->item(Index)->setSelected(Value);
}

int TListBox::SelCount() const
{
    return FMultiSelect ? static_cast<int>(ListWidget(*this)->selectedItems().size()) : -1;
}

int TListBox::TopIndex() const
{
    const QListWidget* list = ListWidget(*this);
    const QListWidgetItem* top = list->itemAt(QPoint(1, 1));
    return top ? list->row(top) : 0;
}

void TListBox::SetTopIndex(int Value)
{
    QListWidget* list = ListWidget(*this);
    if (QListWidgetItem* item = list->item(Value))
        list->scrollToItem(item, QAbstractItemView::PositionAtTop);
}
