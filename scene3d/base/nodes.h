#pragma once
// The nodes of line objects: positions in a collection owned by a scene
// object, which hears of every change.
#include <functional>
#include <memory>

#include "platform/rtl/collection.h"
#include "scene3d/lists/cubicspline.h"

class T3DNode : public TCollectionItem {
    LT_CLASS(T3DNode)
public:
    explicit T3DNode(TCollection* Collection);

    float X() const { return FCoords[0]; }
    float Y() const { return FCoords[1]; }
    float Z() const { return FCoords[2]; }
    // Each setter stores the value and tells the node collection.
    void SetX(float Value) { SetCoordinate(0, Value); }
    void SetY(float Value) { SetCoordinate(1, Value); }
    void SetZ(float Value) { SetCoordinate(2, Value); }

    // "X; Y; Z" with four decimals.
    std::string DisplayName() const override;
    // From another node: X, Y, Z and the fourth component.
    void Assign(const TPersistent* Source) override;

private:
    void SetCoordinate(int Index, float Value);

    float FCoords[4] = {};
};

class T3DNodes : public TCollection {
    LT_CLASS(T3DNodes)
public:
    using TNodeFactory = std::function<std::unique_ptr<T3DNode>(TCollection*)>;

    // Nodes made by NodeFactory, or T3DNode when it is empty.
    explicit T3DNodes(TComponent* AOwner, TNodeFactory NodeFactory = {});

    T3DNode* Add() { return static_cast<T3DNode*>(TCollection::Add()); }
    T3DNode* Items(int Index) const { return static_cast<T3DNode*>(TCollection::Items(Index)); }

    // Outside an update, tells an updatable component owner (this
    // collection as the sender).
    void NotifyChange();
    // The spline through the nodes' X, Y and Z in collection order.
    std::unique_ptr<TCubicSpline> BuildCubicSpline() const;

protected:
    void Update(TCollectionItem* Item) override;
};
