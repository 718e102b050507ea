#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/reader.h"
#include "platform/rtl/writer.h"
#include "scene3d/base/coordinates.h"
#include "scene3d/base/nodes.h"

// A scene object's stand-in that publishes coordinates and nodes and counts
// the changes it hears of.
class TCoordinatesHolder : public T3DCoordinatesUpdateAbleComponent {
    LT_CLASS(TCoordinatesHolder)
public:
    explicit TCoordinatesHolder(TComponent* AOwner)
        : T3DCoordinatesUpdateAbleComponent(AOwner),
          FPosition(std::make_unique<T3DCoordinates>(this, TVector{0, 0, 0, 1}, csPoint)),
          FMapping(std::make_unique<T3DCoordinates4>(this, TVector{1, 0, 0, 0}, csFree)),
          FNodes(std::make_unique<T3DNodes>(this))
    {
    }
    T3DCoordinates* Position() const { return FPosition.get(); }
    T3DCoordinates4* Mapping() const { return FMapping.get(); }
    T3DNodes* Nodes() const { return FNodes.get(); }
    void CoordinatesNotify(T3DCoordinates*) override { ++CoordinatesChanges; }
    void NotifyChange(TObject*) override { ++Changes; }

    int CoordinatesChanges = 0;
    int Changes = 0;

private:
    std::unique_ptr<T3DCoordinates> FPosition;
    std::unique_ptr<T3DCoordinates4> FMapping;
    std::unique_ptr<T3DNodes> FNodes;
};

LT_IMPLEMENT_CLASS(TCoordinatesHolder, T3DCoordinatesUpdateAbleComponent)
{
    P.Property("Position", &TCoordinatesHolder::Position);
    P.Property("Mapping", &TCoordinatesHolder::Mapping);
    P.Property("Nodes", &TCoordinatesHolder::Nodes);
}

namespace {

TEST(Coordinates, StylesDecideWhatMayBeAssigned)
{
    TCoordinatesHolder holder(nullptr);
    T3DCoordinates point(&holder, {0, 0, 0, 1}, csPoint);
    T3DCoordinates direction(&holder, {0, 0, 1, 0}, csVector);
    point.AssignPoint(1, 2, 3);
    direction.AssignVector(0, 3, 4);
    EXPECT_TRUE(point.SameVector({1, 2, 3, 1}));
    EXPECT_TRUE(direction.SameVector({0, 3, 4, 0}));
    EXPECT_EQ(direction.Length3(), 5);
    EXPECT_EQ(holder.CoordinatesChanges, 2);
    for (const auto& refused : {+[](T3DCoordinates& p, T3DCoordinates&) { p.AssignVector(1, 1, 1); },
                                +[](T3DCoordinates& p, T3DCoordinates&) { p.AssignVector(1, 1, 1, 1); },
                                +[](T3DCoordinates&, T3DCoordinates& d) { d.AssignPoint(1, 1, 1); }}) {
        try {
            refused(point, direction);
            ADD_FAILURE() << "a style was broken";
        } catch (const EAssertionFailed& e) {
            EXPECT_EQ(e.Message(), "Assertion failure");
        }
    }
    EXPECT_TRUE(point.SameVector({1, 2, 3, 1}));
    EXPECT_TRUE(direction.SameVector({0, 3, 4, 0}));
    EXPECT_EQ(holder.CoordinatesChanges, 2);

    point.AssignStyled({5, 5, 5, 0});
    direction.AssignStyled({5, 5, 5, 1});
    EXPECT_EQ(point.W(), 1);
    EXPECT_EQ(direction.W(), 0);
    direction.Normalize();
    EXPECT_FLOAT_EQ(direction.Length3(), 1);
    EXPECT_EQ(holder.CoordinatesChanges, 5);

    point.SetVectorSilently({7, 7, 7, 7});
    point.Assign(&direction);
    EXPECT_EQ(holder.CoordinatesChanges, 5);
    EXPECT_TRUE(point.SameVector(direction.AsVector()));
    EXPECT_THROW(point.Assign(&holder), EConvertError);
}

TEST(Coordinates, StoredAsOneSixteenByteBlock)
{
    TCoordinatesHolder holder(nullptr);
    holder.SetName("Lamp");
    holder.Position()->SetVectorSilently({1, -2, 0.5f, 1});
    holder.Mapping()->SetVectorSilently({0, 0, 0, 2});
    const std::string text = WriteComponentToText(holder);
    EXPECT_NE(text.find("Position.Coordinates = {"), std::string::npos) << text;
    EXPECT_NE(text.find("Mapping.Coordinates = {"), std::string::npos) << text;
    EXPECT_EQ(text.find("Position.X"), std::string::npos) << text;
    EXPECT_EQ(text.find("Mapping.W"), std::string::npos) << text;

    TCoordinatesHolder back(nullptr);
    ReadComponentFromText(back, text, "lamp");
    EXPECT_TRUE(back.Position()->SameVector({1, -2, 0.5f, 1}));
    EXPECT_TRUE(back.Mapping()->SameVector({0, 0, 0, 2}));

    // The published components are read as well.
    ReadComponentFromText(back, "object Lamp: TCoordinatesHolder\n  Mapping.W = 3\nend\n", "lamp");
    EXPECT_EQ(back.Mapping()->W(), 3);
}

TEST(Coordinates, ABlockOfAnotherSizeIsRefused)
{
    for (const char* block : {"{0000803F0000803F0000803F}", "{0000803F0000803F0000803F0000803F00}", "{}"}) {
        TCoordinatesHolder holder(nullptr);
        const std::string text =
            std::string("object Lamp: TCoordinatesHolder\n  Position.Coordinates = ") + block + "\nend\n";
        EXPECT_THROW(ReadComponentFromText(holder, text, "lamp"), EReadError) << block;
        EXPECT_TRUE(holder.Position()->SameVector({0, 0, 0, 1})) << block;
    }
}

TEST(Nodes, ChangesReachTheOwnerOutsideUpdates)
{
    TCoordinatesHolder holder(nullptr);
    T3DNodes& nodes = *holder.Nodes();
    T3DNode* node = nodes.Add();
    EXPECT_EQ(holder.Changes, 1);
    node->SetX(1);
    node->SetY(-2.5f);
    EXPECT_EQ(holder.Changes, 3);
    EXPECT_EQ(node->DisplayName(), "1.0000; -2.5000; 0.0000");
    nodes.BeginUpdate();
    nodes.Add()->SetZ(4);
    node->SetZ(1);
    EXPECT_EQ(holder.Changes, 3);
    nodes.EndUpdate();
    EXPECT_EQ(holder.Changes, 4);

    T3DNode copy(nullptr);
    copy.Assign(node);
    EXPECT_EQ(copy.DisplayName(), "1.0000; -2.5000; 1.0000");
}

TEST(Nodes, ACollectionMakesNodesOfTheClassItWasGiven)
{
    struct TMarkedNode : T3DNode {
        using T3DNode::T3DNode;
    };
    T3DNodes nodes(nullptr, [](TCollection* C) { return std::make_unique<TMarkedNode>(C); });
    EXPECT_NE(dynamic_cast<TMarkedNode*>(nodes.Add()), nullptr);
    T3DNodes plain(nullptr);
    EXPECT_EQ(typeid(*plain.Add()), typeid(T3DNode));
}

TEST(Nodes, TheSplineRunsThroughTheNodesInOrder)
{
    TCoordinatesHolder holder(nullptr);
    T3DNodes& nodes = *holder.Nodes();
    nodes.Add()->SetX(2);
    T3DNode* second = nodes.Add();
    second->SetX(4);
    second->SetY(6);
    const auto spline = nodes.BuildCubicSpline();
    float x, y, z;
    spline->SplineXYZ(0.5f, x, y, z);
    EXPECT_NEAR(x, 3, 1e-5);
    EXPECT_NEAR(y, 3, 1e-5);
    EXPECT_EQ(z, 0);
}

TEST(Nodes, StoredAsACollectionOfNonZeroComponents)
{
    TCoordinatesHolder holder(nullptr);
    holder.SetName("Line");
    T3DNode* node = holder.Nodes()->Add();
    node->SetX(1.5f);
    node->SetZ(-1);
    const std::string text = WriteComponentToText(holder);
    EXPECT_EQ(text.find(" Y = "), std::string::npos) << text;
    TCoordinatesHolder back(nullptr);
    ReadComponentFromText(back, text, "line");
    ASSERT_EQ(back.Nodes()->Count(), 1);
    EXPECT_EQ(back.Nodes()->Items(0)->DisplayName(), "1.5000; 0.0000; -1.0000");
}

} // namespace
