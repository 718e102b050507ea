#include "scene3d/base/vectorblock.h"

#include <bit>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/streams.h"

namespace {

constexpr int64_t BlockSize = sizeof(TVector);
static_assert(std::endian::native == std::endian::little, "the block holds the floats as they lie in memory");

} // namespace

void DefineVectorBlock(TFiler& Filer, const std::string& Name, TVector& Vector)
{
    Filer.DefineBinaryProperty(
        Name,
        [&Vector, Name](TStream& Stream) {
            const int64_t size = Stream.Size() - Stream.Position();
            if (size != BlockSize)
                throw EReadError(Name + ": " + std::to_string(size) + " bytes where " + std::to_string(BlockSize) +
                                 " were expected");
            Stream.ReadBuffer(&Vector, BlockSize);
        },
        [&Vector](TStream& Stream) { Stream.WriteBuffer(&Vector, BlockSize); }, true);
}

bool StoredInVectorBlock(const TObject&)
{
    return false;
}
