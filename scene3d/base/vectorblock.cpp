#include "scene3d/base/vectorblock.h"

#include <bit>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/streams.h"

static_assert(std::endian::native == std::endian::little, "the block holds the floats as they lie in memory");

void DefineFloatBlock(TFiler& Filer, const std::string& Name, std::span<float> Values, bool HasData)
{
    const auto blockSize = static_cast<int64_t>(Values.size_bytes());
    Filer.DefineBinaryProperty(
        Name,
        [Values, Name, blockSize](TStream& Stream) {
            const int64_t size = Stream.Size() - Stream.Position();
            if (size != blockSize)
                throw EReadError(Name + ": " + std::to_string(size) + " bytes where " + std::to_string(blockSize) +
                                 " were expected");
            Stream.ReadBuffer(Values.data(), blockSize);
        },
        [Values, blockSize](TStream& Stream) { Stream.WriteBuffer(Values.data(), blockSize); }, HasData);
}

void DefineVectorBlock(TFiler& Filer, const std::string& Name, TVector& Vector)
{
    DefineFloatBlock(Filer, Name, std::span<float>(&Vector.X, 4), true);
}

bool StoredInVectorBlock(const TObject&)
{
    return false;
}
