#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/streams.h"
#include "scene3d/base/extcollection.h"
#include "scene3d/persistence/binaryreader.h"
#include "scene3d/persistence/binarywriter.h"
#include "tests/scene3d/persistence/archivefixtures.h"
#include "tests/support/hexbytes.h"

// Item classes: two plain ones, a unique one with a descendant, and one
// that only goes into collections of its own kind.
class TBlink : public TExtCollectionItem {
    LT_CLASS(TBlink)
public:
    explicit TBlink(TExtCollection* C) : TExtCollectionItem(C, ItemClassOf<TBlink>()) {}
    static std::string KindName() { return "Blink"; }
    static std::string KindDescription() { return "Blinks the light"; }
};

class TSpin : public TExtCollectionItem {
    LT_CLASS(TSpin)
public:
    explicit TSpin(TExtCollection* C) : TExtCollectionItem(C, ItemClassOf<TSpin>()) {}
    static std::string KindName() { return "Spin"; }
};

class TGlow : public TExtCollectionItem {
    LT_CLASS(TGlow)
public:
    explicit TGlow(TExtCollection* C) : TGlow(C, ItemClassOf<TGlow>()) {}
    static std::string KindName() { return "Glow"; }
    static bool IsUnique() { return true; }

protected:
    TGlow(TExtCollection* C, const TExtCollectionItemClass& K) : TExtCollectionItem(C, K) {}
};

class TSoftGlow : public TGlow {
    LT_CLASS(TSoftGlow)
public:
    explicit TSoftGlow(TExtCollection* C) : TGlow(C, ItemClassOf<TSoftGlow>()) {}
    static std::string KindName() { return "Soft glow"; }
    static bool IsUnique() { return false; }
};

class TEffects : public TExtCollection {
    LT_CLASS(TEffects)
public:
    using TExtCollection::TExtCollection;
};

class TEffectOnly : public TExtCollectionItem {
    LT_CLASS(TEffectOnly)
public:
    explicit TEffectOnly(TExtCollection* C) : TExtCollectionItem(C, ItemClassOf<TEffectOnly>()) {}
    static std::string KindName() { return "Effect only"; }
    static bool AcceptsCollection(const TExtCollection* Collection)
    {
        return dynamic_cast<const TEffects*>(Collection) != nullptr;
    }
};

LT_IMPLEMENT_CLASS(TBlink, TExtCollectionItem) {}
LT_IMPLEMENT_CLASS(TSpin, TExtCollectionItem) {}
LT_IMPLEMENT_CLASS(TGlow, TExtCollectionItem) {}
LT_IMPLEMENT_CLASS(TSoftGlow, TGlow) {}
LT_IMPLEMENT_CLASS(TEffects, TExtCollection) {}
LT_IMPLEMENT_CLASS(TEffectOnly, TExtCollectionItem) {}

namespace {

[[maybe_unused]] const bool registered =
    RegisterExtCollectionItemClass<TBlink>() && RegisterExtCollectionItemClass<TSpin>() &&
    RegisterExtCollectionItemClass<TGlow>() && RegisterExtCollectionItemClass<TSoftGlow>();

std::string Written(const TExtCollection& Collection)
{
    TStringStream stream;
    TBinaryWriter writer(stream);
    Collection.WriteToArchive(writer);
    return stream.DataString();
}

void Read(TExtCollection& Collection, const std::string& Archive)
{
    TStringStream stream(Archive);
    TBinaryReader reader(stream);
    Collection.ReadFromArchive(reader);
}

std::string RejectedMessage(void (*Add)(TExtCollection&), TExtCollection& Collection)
{
    const int count = Collection.Count();
    try {
        Add(Collection);
    } catch (const EAssertionFailed& e) {
        EXPECT_EQ(Collection.Count(), count);
        return e.Message();
    }
    return "added";
}

TEST(ExtCollection, ItemsJoinTheirCollectionNamedAfterTheirKind)
{
    TComponent owner(nullptr);
    owner.SetName("Lamp1");
    TExtCollection collection(&owner);
    auto* blink = new TBlink(&collection);
    auto* spin = new TSpin(&collection);
    EXPECT_EQ(collection.Count(), 2);
    EXPECT_EQ(blink->Name(), "Blink");
    EXPECT_EQ(blink->ItemClass().KindDescription(), "Blinks the light");
    EXPECT_EQ(spin->ItemClass().KindDescription(), "Spin");
    EXPECT_EQ(spin->ItemClass().Category(), "");
    EXPECT_EQ(collection.GetNamePath(), "Lamp1.ExtCollection");
    EXPECT_EQ(spin->GetNamePath(), "Lamp1.ExtCollection[1]");
    EXPECT_EQ(spin->GetOwner(), &collection);

    delete blink;
    EXPECT_EQ(collection.Count(), 1);
    EXPECT_EQ(spin->Index(), 0);

    TExtCollection ownerless(nullptr);
    EXPECT_EQ(ownerless.GetNamePath(), "TExtCollection");
    TBlink lonely(nullptr);
    EXPECT_EQ(lonely.GetNamePath(), "TBlink");
    EXPECT_EQ(lonely.Index(), -1);
}

TEST(ExtCollection, UniqueClassesAndPickyItemsAreRefused)
{
    TExtCollection collection(nullptr);
    new TGlow(&collection);
    EXPECT_EQ(RejectedMessage([](TExtCollection& c) { new TGlow(&c); }, collection),
              "Addition of TGlow to TExtCollection rejected.");
    EXPECT_EQ(RejectedMessage([](TExtCollection& c) { new TSoftGlow(&c); }, collection),
              "Addition of TSoftGlow to TExtCollection rejected.")
        << "a descendant of a unique class that is present";
    EXPECT_EQ(RejectedMessage([](TExtCollection& c) { new TEffectOnly(&c); }, collection),
              "Addition of TEffectOnly to TExtCollection rejected.");
    EXPECT_EQ(RejectedMessage([](TExtCollection& c) { new TBlink(&c); }, collection), "added");

    TEffects effects(nullptr);
    new TSoftGlow(&effects);
    EXPECT_EQ(RejectedMessage([](TExtCollection& c) { new TGlow(&c); }, effects),
              "Addition of TGlow to TEffects rejected.")
        << "a unique class whose descendant is present";
    EXPECT_EQ(RejectedMessage([](TExtCollection& c) { new TEffectOnly(&c); }, effects), "added");
}

TEST(ExtCollection, ClassesAreNamedOnceThenReferredToByIndex)
{
    TExtCollection collection(nullptr);
    new TBlink(&collection);
    new TSpin(&collection);
    (new TBlink(&collection))->SetName("Blink 2");
    const std::string fixture = ArchiveFixture("extcollection-aba");
    EXPECT_EQ(ToHex(Written(collection)), ToHex(fixture));

    TExtCollection back(nullptr);
    new TSpin(&back);
    Read(back, fixture);
    ASSERT_EQ(back.Count(), 3);
    EXPECT_EQ(back.Items(0)->ClassName(), "TBlink");
    EXPECT_EQ(back.Items(1)->ClassName(), "TSpin");
    EXPECT_EQ(back.Items(2)->ClassName(), "TBlink");
    EXPECT_EQ(back.Items(2)->Name(), "Blink 2");

    TExtCollection copy(nullptr);
    copy.Assign(&back);
    EXPECT_EQ(ToHex(Written(copy)), ToHex(fixture));
    copy.Assign(nullptr);
    EXPECT_EQ(copy.Count(), 0);
    TEffects effects(nullptr);
    EXPECT_THROW(effects.Assign(&back), EConvertError);
}

TEST(ExtCollection, UnknownClassesAreNamedInTheMessage)
{
    const struct {
        const char* What;
        std::string Archive;
        const char* Message;
    } cases[] = {
        {"no such class", Hex("02 01 06 06") + "TFlash" + Hex("02 00 06 00"),
         "Class TFlash unknown. Add the relevant unit to your \"uses\"."},
        {"a registered class that is no item", Hex("02 01 06 0A") + "TComponent" + Hex("02 00 06 00"),
         "Class TComponent unknown. Add the relevant unit to your \"uses\"."},
        {"an item class not registered", Hex("02 01 06 0B") + "TEffectOnly" + Hex("02 00 06 00"),
         "Class TEffectOnly unknown. Add the relevant unit to your \"uses\"."},
        {"item version 1", Hex("02 01 06 05") + "TSpin" + Hex("02 01 06 00"), "Assertion failure"},
        {"a second unique item", Hex("02 02 06 05") + "TGlow" + Hex("02 00 06 00 02 00 02 00 06 00"),
         "Addition of TGlow to TExtCollection rejected."},
    };
    for (const auto& c : cases) {
        TExtCollection collection(nullptr);
        try {
            Read(collection, c.Archive);
            ADD_FAILURE() << c.What << " was read";
        } catch (const EAssertionFailed& e) {
            EXPECT_EQ(e.Message(), c.Message) << c.What;
        }
    }
}

TEST(ExtCollection, ShortAndHostileArchivesAreRefused)
{
    const std::string fixture = ArchiveFixture("extcollection-aba");
    const struct {
        const char* What;
        std::string Archive;
    } cases[] = {
        {"empty", ""},
        {"a negative count", Hex("02 FF")},
        {"more items than bytes", Hex("04 00 00 00 10 02 00")},
        {"cut short", fixture.substr(0, fixture.size() - 4)},
        {"a class index before any class", Hex("02 01 02 00 02 00 06 00")},
        {"a class index past the classes", fixture.substr(0, 34) + Hex("02 02")},
        {"a float for the class", Hex("02 01 05 00 00 00 00 00 00 00 80 FF 3F")},
    };
    for (const auto& c : cases) {
        TExtCollection collection(nullptr);
        EXPECT_THROW(Read(collection, c.Archive), EReadError) << c.What;
    }
}

} // namespace
