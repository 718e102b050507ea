#pragma once
// A line object with nodes: the positions its lines run through, each shown
// by a marker of NodeSize in NodeColor.
#include <memory>

#include "scene3d/objects/linebase.h"

class T3DLinesNodes;

// The marker at each node: none, the node's axes, a cube or a dodecahedron.
enum TLineNodesAspect : int { lnaInvisible, lnaAxes, lnaCube, lnaDodecahedron };
LT_ENUM_INFO(TLineNodesAspect, lnaInvisible, lnaAxes, lnaCube, lnaDodecahedron)

class T3DNodedLines : public T3DLineBase {
    LT_CLASS(T3DNodedLines)
public:
    ~T3DNodedLines() override;

    // Blue at first.
    T3DColor* NodeColor() const { return FNodeColor.get(); }
    // The values of Value.
    void SetNodeColor(const T3DColor* Value);
    T3DLinesNodes* Nodes() const { return FNodes.get(); }
    // Copies of Value's nodes.
    void SetNodes(const T3DLinesNodes* Value);
    TLineNodesAspect NodesAspect() const { return FNodesAspect; }
    void SetNodesAspect(TLineNodesAspect Value);
    // The edge of a cube marker, the length of the axes, the diameter of
    // the dodecahedron's sphere.
    float NodeSize() const { return FNodeSize; }
    void SetNodeSize(float Value);

    // A change of the nodes recompiles the display list.
    void NotifyChange(TObject* Sender) override;
    // The look of the nodes and copies of them, then the line look.
    void Assign(const TPersistent* Source) override;
    // Per axis the largest distance of a node (and its marker) from the
    // origin, so that culling keeps what the nodes reach; the scene object's
    // (0.5, 0.5, 0.5) without nodes.
    TVector GetHalfExtents() const override;

protected:
    explicit T3DNodedLines(TComponent* AOwner);
    // The marker of NodesAspect at every node, in NodeColor.
    void DrawNodes(const TRenderContextInfo& Rci) const;

private:
    std::unique_ptr<T3DColor> FNodeColor;
    std::unique_ptr<T3DLinesNodes> FNodes;
    TLineNodesAspect FNodesAspect = lnaAxes;
    float FNodeSize = 1;
};
