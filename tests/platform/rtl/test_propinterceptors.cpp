// Storage property interceptors: the registry (one per target class, the
// last registration winning, ancestors' registrations for derived classes)
// and reading a description through an interceptor.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/propinterceptors.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/reader.h"
#include "platform/rtl/writer.h"

namespace {

std::vector<std::string> gEvents;

class TInterceptedBox : public TComponent {
    LT_CLASS(TInterceptedBox)
public:
    using TComponent::TComponent;
    int Size() const { return FSize; }
    void SetSize(int Value) { FSize = Value; }
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value) { FCaption = Value; }
    void Loaded() override
    {
        TComponent::Loaded();
        gEvents.push_back("loaded " + Name());
    }

private:
    int FSize = 0;
    std::string FCaption;
};

class TDerivedBox : public TInterceptedBox {
    LT_CLASS(TDerivedBox)
public:
    using TInterceptedBox::TInterceptedBox;
};

// Reads "Size" in inches and a neighbour, and sets the box's size in
// pixels (96 per inch).
class TInchInterceptor : public TStoragePropertyInterceptor {
    LT_CLASS(TInchInterceptor)
public:
    using TStoragePropertyInterceptor::TStoragePropertyInterceptor;
    int Size() const { return static_cast<const TInterceptedBox*>(Target())->Size() / 96; }
    void SetSize(int Value) { FInches = Value; }
    TInterceptedBox* Neighbour() const { return FNeighbour; }
    void SetNeighbour(TInterceptedBox* Value) { FNeighbour = Value; }
    void AfterRead() override
    {
        auto* box = static_cast<TInterceptedBox*>(Target());
        box->SetSize(FInches * 96);
        gEvents.push_back("after read " + box->Name() + (FNeighbour ? " beside " + FNeighbour->Name() : ""));
    }

private:
    int FInches = 0;
    TInterceptedBox* FNeighbour = nullptr;
};

class TOtherInterceptor : public TStoragePropertyInterceptor {
    LT_CLASS(TOtherInterceptor)
public:
    using TStoragePropertyInterceptor::TStoragePropertyInterceptor;
};

class TRefusingInterceptor : public TInchInterceptor {
    LT_CLASS(TRefusingInterceptor)
public:
    using TInchInterceptor::TInchInterceptor;
    bool WantsIntercept() override { return false; }
};

} // namespace

LT_IMPLEMENT_CLASS(TInterceptedBox, TComponent)
{
    P.Property("Size", &TInterceptedBox::Size, &TInterceptedBox::SetSize);
    P.Property("Caption", &TInterceptedBox::Caption, &TInterceptedBox::SetCaption);
}
LT_IMPLEMENT_CLASS(TDerivedBox, TInterceptedBox) {}
LT_IMPLEMENT_CLASS(TInchInterceptor, TStoragePropertyInterceptor)
{
    P.Property("Size", &TInchInterceptor::Size, &TInchInterceptor::SetSize);
    P.Property("Neighbour", &TInchInterceptor::Neighbour, &TInchInterceptor::SetNeighbour);
}
LT_IMPLEMENT_CLASS(TOtherInterceptor, TStoragePropertyInterceptor) {}
LT_IMPLEMENT_CLASS(TRefusingInterceptor, TInchInterceptor) {}

namespace {

// Leaves the registry as it found it.
struct TRegistryFixture : ::testing::Test {
    ~TRegistryFixture() override
    {
        UnregisterPropertyInterceptor<TInterceptedBox, TInchInterceptor>();
        UnregisterPropertyInterceptor<TInterceptedBox, TOtherInterceptor>();
        UnregisterPropertyInterceptor<TInterceptedBox, TRefusingInterceptor>();
        UnregisterPropertyInterceptor<TDerivedBox, TOtherInterceptor>();
        gEvents.clear();
    }
};

const TClassInfo* InterceptorClassOf(TPersistent& Target)
{
    const auto interceptor = CreatePropertyInterceptor(&Target);
    return interceptor ? &interceptor->ClassType() : nullptr;
}

} // namespace

using PropertyInterceptors = TRegistryFixture;

TEST_F(PropertyInterceptors, OnePerTargetClassAndDerivedClassesShareTheirAncestors)
{
    TInterceptedBox box(nullptr);
    TDerivedBox derived(nullptr);
    EXPECT_EQ(InterceptorClassOf(box), nullptr);

    RegisterPropertyInterceptor<TInterceptedBox, TInchInterceptor>();
    RegisterPropertyInterceptor<TInterceptedBox, TOtherInterceptor>();
    EXPECT_EQ(InterceptorClassOf(box), &TOtherInterceptor::StaticClassInfo());
    EXPECT_EQ(InterceptorClassOf(derived), &TOtherInterceptor::StaticClassInfo());
    EXPECT_EQ(CreatePropertyInterceptor(&box)->Target(), &box);

    // Only the exact pair is removed.
    UnregisterPropertyInterceptor<TInterceptedBox, TInchInterceptor>();
    EXPECT_EQ(InterceptorClassOf(box), &TOtherInterceptor::StaticClassInfo());
    RegisterPropertyInterceptor<TInterceptedBox, TInchInterceptor>();
    RegisterPropertyInterceptor<TDerivedBox, TOtherInterceptor>();
    EXPECT_EQ(InterceptorClassOf(box), &TInchInterceptor::StaticClassInfo());
    EXPECT_EQ(InterceptorClassOf(derived), &TOtherInterceptor::StaticClassInfo());
    UnregisterPropertyInterceptor<TInterceptedBox, TInchInterceptor>();
    EXPECT_EQ(InterceptorClassOf(box), nullptr);
}

TEST_F(PropertyInterceptors, TheReaderHandsTheInterceptedValuesOverAfterReferencesResolve)
{
    RegisterPropertyInterceptor<TInterceptedBox, TInchInterceptor>();
    const std::string text = R"(object boxRoot: TInterceptedBox
  Size = 2
  Neighbour = boxLater
  Caption = 'kept'
  object boxLater: TInterceptedBox
    Size = 1
  end
end
)";
    TInterceptedBox root(nullptr);
    ReadComponentFromText(root, text, "boxes");
    const auto* later = static_cast<TInterceptedBox*>(root.FindComponent("boxLater"));
    ASSERT_NE(later, nullptr);
    EXPECT_EQ(later->Size(), 96);
    EXPECT_EQ(root.Size(), 2 * 96);
    EXPECT_EQ(root.Caption(), "kept");
    const std::vector<std::string> order{"after read boxRoot beside boxLater", "after read boxLater", "loaded boxRoot",
                                         "loaded boxLater"};
    EXPECT_EQ(gEvents, order);
}

TEST_F(PropertyInterceptors, AnInterceptorThatDeclinesLeavesTheValuesToTheComponent)
{
    RegisterPropertyInterceptor<TInterceptedBox, TRefusingInterceptor>();
    TInterceptedBox root(nullptr);
    ReadComponentFromText(root, "object boxRoot: TInterceptedBox\n  Size = 3\nend\n", "boxes");
    EXPECT_EQ(root.Size(), 3);
    EXPECT_EQ(gEvents, std::vector<std::string>{"loaded boxRoot"});
}

TEST_F(PropertyInterceptors, AFailedReadAppliesNothing)
{
    RegisterPropertyInterceptor<TInterceptedBox, TInchInterceptor>();
    TInterceptedBox root(nullptr);
    EXPECT_THROW(ReadComponentFromText(root, "object boxRoot: TInterceptedBox\n  Size = 3\n  Neighbour = nobody\nend\n",
                                       "boxes"),
                 EReadError);
    EXPECT_EQ(root.Size(), 0);
    EXPECT_TRUE(gEvents.empty());
}

TEST_F(PropertyInterceptors, TheWriterWritesWhatTheInterceptorReadsBack)
{
    const std::string text = "object boxRoot: TInterceptedBox\n  Size = 2\n  Caption = 'kept'\nend\n";
    RegisterPropertyInterceptor<TInterceptedBox, TInchInterceptor>();
    TInterceptedBox root(nullptr);
    ReadComponentFromText(root, text, "boxes");
    EXPECT_EQ(WriteComponentToText(root), text);

    // Declined, the component's own values are written.
    UnregisterPropertyInterceptor<TInterceptedBox, TInchInterceptor>();
    RegisterPropertyInterceptor<TInterceptedBox, TRefusingInterceptor>();
    EXPECT_EQ(WriteComponentToText(root), "object boxRoot: TInterceptedBox\n  Size = 192\n  Caption = 'kept'\nend\n");
}
