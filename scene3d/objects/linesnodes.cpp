#include "scene3d/objects/linesnodes.h"

#include "platform/rtl/classbuilder.h"
#include "scene3d/materials/color.h"

LT_IMPLEMENT_CLASS(T3DLinesNode, T3DNode)
{
    P.Property("Color", &T3DLinesNode::Color);
}

LT_IMPLEMENT_CLASS(T3DLinesNodes, T3DNodes) {}

T3DLinesNode::T3DLinesNode(TCollection* Collection)
    : T3DNode(Collection),
      FColor(std::make_unique<T3DColor>(this, TVector{1, 1, 1, 1}, [this](TObject*) { Changed(false); }))
{
}

T3DLinesNode::~T3DLinesNode() = default;

void T3DLinesNode::SetColor(const T3DColor* Value)
{
    if (Value != FColor.get())
        FColor->Assign(Value);
}

void T3DLinesNode::Assign(const TPersistent* Source)
{
    T3DNode::Assign(Source);
    if (const auto* source = dynamic_cast<const T3DLinesNode*>(Source))
        FColor->Assign(source->FColor.get());
}

T3DLinesNodes::T3DLinesNodes(TComponent* AOwner)
    : T3DNodes(AOwner, [](TCollection* Nodes) { return std::make_unique<T3DLinesNode>(Nodes); })
{
}
