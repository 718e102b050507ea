#pragma once
// The nodes of a line object: positions with a colour each, which the
// lines may take for the stretch at the node.
#include <memory>

#include "scene3d/base/nodes.h"
#include "scene3d/geometry/vectortypes.h"

class T3DColor;

class T3DLinesNode : public T3DNode {
    LT_CLASS(T3DLinesNode)
public:
    // White; a change of the colour is a change of the node.
    explicit T3DLinesNode(TCollection* Collection);
    ~T3DLinesNode() override;

    T3DColor* Color() const { return FColor.get(); }
    // The values of Value.
    void SetColor(const T3DColor* Value);
    // (X, Y, Z, 1).
    TVector AsPoint() const { return {X(), Y(), Z(), 1}; }

    // The position and, from another lines node, the colour.
    void Assign(const TPersistent* Source) override;

private:
    std::unique_ptr<T3DColor> FColor;
};

class T3DLinesNodes : public T3DNodes {
    LT_CLASS(T3DLinesNodes)
public:
    explicit T3DLinesNodes(TComponent* AOwner);

    T3DLinesNode* Add() { return static_cast<T3DLinesNode*>(T3DNodes::Add()); }
    T3DLinesNode* Items(int Index) const { return static_cast<T3DLinesNode*>(T3DNodes::Items(Index)); }
};
