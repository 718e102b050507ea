#include "scene3d/base/nodes.h"

#include <algorithm>
#include <vector>

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/format.h"
#include "scene3d/base/updateable.h"

LT_IMPLEMENT_CLASS(T3DNode, TCollectionItem)
{
    P.Property("X", &T3DNode::X, &T3DNode::SetX);
    P.Property("Y", &T3DNode::Y, &T3DNode::SetY);
    P.Property("Z", &T3DNode::Z, &T3DNode::SetZ);
}

LT_IMPLEMENT_CLASS(T3DNodes, TCollection) {}

T3DNode::T3DNode(TCollection* Collection) : TCollectionItem(Collection) {}

void T3DNode::SetCoordinate(int Index, float Value)
{
    FCoords[Index] = Value;
    if (auto* nodes = dynamic_cast<T3DNodes*>(Collection()))
        nodes->NotifyChange();
}

std::string T3DNode::DisplayName() const
{
    return Format("%.4f; %.4f; %.4f", X(), Y(), Z());
}

void T3DNode::Assign(const TPersistent* Source)
{
    if (const auto* source = dynamic_cast<const T3DNode*>(Source))
        std::copy(std::begin(source->FCoords), std::end(source->FCoords), std::begin(FCoords));
    else
        TCollectionItem::Assign(Source);
}

T3DNodes::T3DNodes(TComponent* AOwner, TNodeFactory NodeFactory)
    : TCollection(AOwner, NodeFactory ? TItemFactory(std::move(NodeFactory)) : ItemsOf<T3DNode>())
{
}

void T3DNodes::NotifyChange()
{
    if (UpdateCount() > 0)
        return;
    if (auto* owner = dynamic_cast<T3DUpdateAbleComponent*>(GetOwner()))
        owner->NotifyChange(this);
}

void T3DNodes::Update(TCollectionItem* Item)
{
    TCollection::Update(Item);
    NotifyChange();
}

std::unique_ptr<TCubicSpline> T3DNodes::BuildCubicSpline() const
{
    std::vector<float> x, y, z;
    for (int i = 0; i < Count(); ++i) {
        x.push_back(Items(i)->X());
        y.push_back(Items(i)->Y());
        z.push_back(Items(i)->Z());
    }
    return std::make_unique<TCubicSpline>(x.data(), y.data(), z.data(), nullptr, Count());
}
