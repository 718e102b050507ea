#include "platform/data/packet.h"

std::shared_ptr<const TRowLayout> LayoutOf(const TPacketMeta& Meta)
{
    std::vector<std::shared_ptr<const TRowLayout>> nested;
    for (const TNestedMeta& table : Meta.Nested)
        nested.push_back(LayoutOf(table.Meta[0]));
    return std::make_shared<const TRowLayout>(Meta.Fields, std::move(nested));
}
