// Ownership, free notification and collection behaviour of the component model.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/collection.h"
#include "platform/rtl/component.h"
#include "platform/rtl/exceptions.h"

namespace {

std::vector<std::string> gLog;

// A component that records its own destruction and the notifications it gets.
class TProbe : public TComponent {
public:
    using TComponent::TComponent;
    ~TProbe() override { gLog.push_back("free " + Name()); }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override
    {
        TComponent::Notification(AComponent, Operation);
        if (Operation == opRemove)
            gLog.push_back(Name() + " sees " + AComponent->Name() + " go");
    }
};

std::unique_ptr<TProbe> MakeOwner(const std::vector<std::string>& children)
{
    auto owner = std::make_unique<TProbe>(nullptr);
    owner->SetName("Owner");
    for (const std::string& name : children)
        (new TProbe(owner.get()))->SetName(name);
    return owner;
}

TEST(ComponentOwnership, OwnerFreesOwnedComponentsLastCreatedFirst)
{
    auto owner = MakeOwner({"A", "B", "C"});
    gLog.clear();
    owner.reset();
    EXPECT_EQ(gLog, (std::vector<std::string>{"free Owner", "free C", "free B", "free A"}));
}

TEST(ComponentOwnership, FreeingAnOwnedComponentRemovesItFromItsOwner)
{
    auto owner = MakeOwner({"A", "B", "C"});
    delete owner->FindComponent("b");
    ASSERT_EQ(owner->ComponentCount(), 2);
    EXPECT_EQ(owner->Components(0)->Name(), "A");
    EXPECT_EQ(owner->Components(1)->Name(), "C");
    EXPECT_EQ(owner->Components(1)->ComponentIndex(), 1);
    EXPECT_THROW(owner->Components(2), EListError);
}

TEST(ComponentOwnership, NamesAreValidatedAndUniqueWithinTheOwner)
{
    auto owner = MakeOwner({"Button1", "Label1"});
    TComponent* label = owner->FindComponent("LABEL1");
    ASSERT_NE(label, nullptr);
    EXPECT_THROW(label->SetName("button1"), EComponentError);
    EXPECT_EQ(label->Name(), "Label1");
    EXPECT_THROW(label->SetName("1abc"), EComponentError);
    EXPECT_THROW(label->SetName("a b"), EComponentError);
    label->SetName("lblOk");
    EXPECT_EQ(owner->FindComponent("lblok"), label);
    EXPECT_EQ(owner->FindComponent("Label1"), nullptr);
}

TEST(ComponentFreeNotification, LinkedComponentsHearOfTheFreeingOnceInReverseOrder)
{
    auto owner = MakeOwner({"Source"});
    auto watcherA = std::make_unique<TProbe>(nullptr);
    watcherA->SetName("WatcherA");
    auto watcherB = std::make_unique<TProbe>(nullptr);
    watcherB->SetName("WatcherB");
    TComponent* source = owner->FindComponent("Source");
    source->FreeNotification(watcherA.get());
    source->FreeNotification(watcherB.get());
    source->FreeNotification(watcherA.get());
    gLog.clear();
    delete source;
    EXPECT_EQ(gLog, (std::vector<std::string>{"free Source", "WatcherB sees Source go",
                                              "WatcherA sees Source go", "Owner sees Source go"}));
    EXPECT_FALSE(watcherA->ComponentState().Contains(csFreeNotification));
}

TEST(ComponentFreeNotification, TheLinkIsDroppedWhenTheWatcherGoesFirst)
{
    auto source = std::make_unique<TProbe>(nullptr);
    source->SetName("Source");
    auto watcher = std::make_unique<TProbe>(nullptr);
    watcher->SetName("Watcher");
    source->FreeNotification(watcher.get());
    watcher.reset();
    gLog.clear();
    source.reset();
    EXPECT_EQ(gLog, (std::vector<std::string>{"free Source"}));
}

class TNamedItem : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;
    std::string Text;
    void Assign(const TPersistent* Source) override
    {
        if (const auto* item = dynamic_cast<const TNamedItem*>(Source))
            Text = item->Text;
        else
            TCollectionItem::Assign(Source);
    }
    void Touch() { Changed(false); }
};

class TCountingCollection : public TCollection {
public:
    explicit TCountingCollection(TPersistent* owner) : TCollection(owner, ItemsOf<TNamedItem>()) {}
    int Updates = 0;
    TCollectionItem* LastUpdated = nullptr;

protected:
    void Update(TCollectionItem* Item) override
    {
        ++Updates;
        LastUpdated = Item;
    }
};

TEST(Collection, UpdatesAreHeldBackUntilTheOuterEndUpdate)
{
    TCountingCollection c(nullptr);
    c.BeginUpdate();
    c.BeginUpdate();
    c.Add();
    c.Add();
    c.EndUpdate();
    EXPECT_EQ(c.Updates, 0);
    c.EndUpdate();
    EXPECT_EQ(c.Updates, 1);
    EXPECT_EQ(c.LastUpdated, nullptr);
    auto* item = static_cast<TNamedItem*>(c.Items(1));
    item->Touch();
    EXPECT_EQ(c.Updates, 2);
    EXPECT_EQ(c.LastUpdated, item);
}

TEST(Collection, ItemsMoveKeepTheirIdAndAssignCopiesThem)
{
    TCountingCollection c(nullptr);
    for (const char* text : {"a", "b", "c"})
        static_cast<TNamedItem*>(c.Add())->Text = text;
    TCollectionItem* first = c.Items(0);
    const int firstId = first->ID();
    first->SetIndex(2);
    EXPECT_EQ(c.IndexOf(first), 2);
    EXPECT_EQ(c.FindItemID(firstId), first);
    c.Delete(0);
    EXPECT_EQ(static_cast<TNamedItem*>(c.Items(0))->Text, "c");

    TCountingCollection copy(nullptr);
    copy.Add();
    copy.Assign(&c);
    ASSERT_EQ(copy.Count(), 2);
    EXPECT_EQ(static_cast<TNamedItem*>(copy.Items(0))->Text, "c");
    EXPECT_EQ(static_cast<TNamedItem*>(copy.Items(1))->Text, "a");
    EXPECT_THROW(c.Items(5), EListError);
}

TEST(Persistent, AssignBetweenUnrelatedClassesNamesBoth)
{
    TCountingCollection c(nullptr);
    TNamedItem item(nullptr);
    try {
        item.Assign(&c);
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Cannot assign a TCollection to a TCollectionItem");
    }
}

} // namespace
