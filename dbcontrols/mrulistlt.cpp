#include "dbcontrols/mrulistlt.h"

#include <algorithm>

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/component.h"
#include "platform/rtl/strutils.h"

LT_IMPLEMENT_CLASS(TMRUListLt, TPersistent)
{
    P.Property("Active", &TMRUListLt::Active, &TMRUListLt::SetActive).Default(0);
    P.Property("AutoAdd", &TMRUListLt::AutoAdd, &TMRUListLt::SetAutoAdd).Default(1);
    P.Property("CaseSensitive", &TMRUListLt::CaseSensitive, &TMRUListLt::SetCaseSensitive).Default(0);
    P.Property("Items", &TMRUListLt::Items);
    P.Property("Limit", &TMRUListLt::Limit, &TMRUListLt::SetLimit).Default(100);
    P.Property("Rows", &TMRUListLt::Rows, &TMRUListLt::SetRows).Default(7);
}

namespace {
// How many items are matched between two looks at the keyboard.
constexpr int kKeyCheckStep = 100;

// The first Length(Prefix) characters of Item against Prefix.
bool StartsWith(const std::string& Item, const std::string& Prefix, bool CaseSensitive)
{
    const std::string head = Item.substr(0, std::min(Item.size(), Prefix.size()));
    return CaseSensitive ? AnsiCompareStr(head, Prefix) == 0 : AnsiCompareText(head, Prefix) == 0;
}
} // namespace

TMRUListLt::TMRUListLt(TComponent* AOwner) : FOwner(AOwner), FItems(std::make_unique<TStringList>()) {}

TMRUListLt::~TMRUListLt() = default;

TPersistent* TMRUListLt::GetOwner() const
{
    return FOwner;
}

void TMRUListLt::SetActive(bool Value)
{
    if (Value == FActive)
        return;
    FActive = Value;
    if (FOnActiveChanged)
        FOnActiveChanged(this);
}

void TMRUListLt::SetLimit(int Value)
{
    FLimit = std::max(Value, 0);
    ApplyLimit();
}

void TMRUListLt::ApplyLimit()
{
    FItems->BeginUpdate();
    while (FItems->Count() > FLimit)
        FItems->Delete(0);
    FItems->EndUpdate();
}

void TMRUListLt::AddRecent(const std::string& S)
{
    if (Trim(S).empty())
        return;
    for (int i = 0; i < FItems->Count(); ++i) {
        const std::string& item = FItems->Get(i);
        if (FCaseSensitive ? item == S : AnsiSameText(item, S)) {
            FItems->Move(i, FItems->Count() - 1);
            return;
        }
    }
    FItems->Add(S);
    ApplyLimit();
}

bool TMRUListLt::CollectMatchingItems(TStrings* Target, const std::string& Prefix) const
{
    Target->BeginUpdate();
    Target->Clear();
    bool complete = true;
    for (int i = 0; i < FItems->Count(); ++i) {
        const std::string& item = FItems->Get(i);
        bool accept = StartsWith(item, Prefix, FCaseSensitive);
        if (FOnFilterItem)
            FOnFilterItem(const_cast<TMRUListLt*>(this), item, accept);
        if (accept)
            Target->Add(item);
        if (i % kKeyCheckStep == 0 && FStopFilteringOnKey && FKeyWaiting && FKeyWaiting()) {
            complete = false;
            break;
        }
    }
    Target->EndUpdate();
    return complete;
}

void TMRUListLt::NotifyDropDown()
{
    if (FOnDropDown)
        FOnDropDown(this);
}

void TMRUListLt::NotifyCloseUp(bool Accept)
{
    if (FOnCloseUp)
        FOnCloseUp(this, Accept);
}

void TMRUListLt::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TMRUListLt*>(Source);
    if (!source) {
        TPersistent::Assign(Source);
        return;
    }
    SetActive(source->FActive);
    FItems->Assign(source->FItems.get());
    SetLimit(source->FLimit);
    FRows = source->FRows;
    FCaseSensitive = source->FCaseSensitive;
}
