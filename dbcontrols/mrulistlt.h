#pragma once
// The list of recently used texts of an editor: the newest at the end, at
// most Limit of them. The editor drops it down while the user types and
// offers the items that start with the typed text.
#include <functional>
#include <memory>
#include <string>

#include "platform/rtl/component.h"
#include "platform/rtl/persistent.h"
#include "platform/rtl/stringlist.h"

class TComponent;

using TMRUCloseUpEventLt = std::function<void(TObject* Sender, bool Accept)>;
using TMRUFilterItemEventLt = std::function<void(TObject* Sender, const std::string& Item, bool& Accept)>;

class TMRUListLt : public TPersistent {
    LT_CLASS(TMRUListLt)
public:
    explicit TMRUListLt(TComponent* AOwner = nullptr);
    ~TMRUListLt() override;

    bool Active() const { return FActive; }
    void SetActive(bool Value);
    bool AutoAdd() const { return FAutoAdd; }
    void SetAutoAdd(bool Value) { FAutoAdd = Value; }
    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool Value) { FCaseSensitive = Value; }
    TStrings* Items() const { return FItems.get(); }
    void SetItems(const TStrings* Value) { FItems->Assign(Value); }
    // Below 0 counts as 0.
    int Limit() const { return FLimit; }
    void SetLimit(int Value);
    int Rows() const { return FRows; }
    void SetRows(int Value) { FRows = Value; }

    // Makes S the newest item: an equal item moves to the end, a new one is
    // appended and the oldest go while there are more than Limit. Blank
    // texts are not kept.
    void AddRecent(const std::string& S);
    // Fills Target with the items that start with Prefix (and pass the item
    // filter). Stops early, returning false, when a key press waits and
    // StopFilteringOnKey is set.
    bool CollectMatchingItems(TStrings* Target, const std::string& Prefix) const;
    void NotifyDropDown();
    void NotifyCloseUp(bool Accept);

    TComponent* Owner() const { return FOwner; }
    TPersistent* GetOwner() const override;
    bool StopFilteringOnKey() const { return FStopFilteringOnKey; }
    void SetStopFilteringOnKey(bool Value) { FStopFilteringOnKey = Value; }
    bool DroppedDown() const { return FDroppedDown; }
    void SetDroppedDown(bool Value) { FDroppedDown = Value; }
    int PopupWidth() const { return FPopupWidth; }
    void SetPopupWidth(int Value) { FPopupWidth = Value; }
    // Whether a key press waits to be handled (the editor's message queue);
    // none is assumed without it.
    void SetKeyWaiting(std::function<bool()> Value) { FKeyWaiting = std::move(Value); }

    // Owner callbacks.
    void SetOnDropDown(TNotifyEvent Value) { FOnDropDown = std::move(Value); }
    void SetOnCloseUp(TMRUCloseUpEventLt Value) { FOnCloseUp = std::move(Value); }
    void SetOnActiveChanged(TNotifyEvent Value) { FOnActiveChanged = std::move(Value); }
    void SetOnFilterItem(TMRUFilterItemEventLt Value) { FOnFilterItem = std::move(Value); }

    void Assign(const TPersistent* Source) override;

private:
    void ApplyLimit();

    TComponent* FOwner;
    bool FActive = false;
    bool FAutoAdd = true;
    bool FCaseSensitive = false;
    std::unique_ptr<TStringList> FItems;
    int FLimit = 100;
    int FRows = 7;
    bool FStopFilteringOnKey = true;
    bool FDroppedDown = false;
    int FPopupWidth = 0;
    std::function<bool()> FKeyWaiting;
    TNotifyEvent FOnDropDown;
    TMRUCloseUpEventLt FOnCloseUp;
    TNotifyEvent FOnActiveChanged;
    TMRUFilterItemEventLt FOnFilterItem;
};
