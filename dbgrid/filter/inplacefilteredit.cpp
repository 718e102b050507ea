#include "dbgrid/filter/inplacefilteredit.h"

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/stringlist.h"

LT_IMPLEMENT_CLASS(TInplaceFilterEditLt, TDBComboBoxLt) {}

namespace {
struct TSpecialText {
    TFilterSpecialItemLt Item;
    const char* Text;
};

constexpr TSpecialText kSpecialTexts[] = {
    {fsiEmptyLt, "(Пустые)"},
    {fsiNotEmptyLt, "(Не пустые)"},
    {fsiAllLt, "(Все)"},
    {fsiClearLt, "(Очистить фильтр)"},
    {fsiSeparatorLt, "-"},
    {fsiSortDownLt, "(Сортировка по убыванию)"},
    {fsiSortUpLt, "(Сортировка по возрастанию)"},
};
} // namespace

TInplaceFilterEditLt::TInplaceFilterEditLt(TComponent* AOwner) : TDBComboBoxLt(AOwner) {}

void TInplaceFilterEditLt::SetFilterItems(const TStrings* Values, bool WithSorting)
{
    TStringList items;
    FSpecial.clear();
    for (int i = 0; Values && i < Values->Count(); ++i) {
        items.Add(Values->Strings(i));
        FSpecial.push_back(fsiValueLt);
    }
    for (const TSpecialText& special : kSpecialTexts) {
        if (special.Item >= fsiSeparatorLt && !WithSorting)
            break;
        items.Add(special.Text);
        FSpecial.push_back(special.Item);
    }
    SetItems(&items);
}

TFilterSpecialItemLt TInplaceFilterEditLt::SpecialItem(int Index) const
{
    return Index >= 0 && Index < static_cast<int>(FSpecial.size()) ? FSpecial[static_cast<std::size_t>(Index)]
                                                                    : fsiValueLt;
}

TRect TInplaceFilterEditLt::TextAreaRect() const
{
    TRect rect = TDBComboBoxLt::TextAreaRect();
    ++rect.Top;
    return rect;
}
