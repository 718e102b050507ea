#include "scene3d/persistence/binaryreader.h"

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/streams.h"
#include "platform/rtl/strutils.h"
#include "scene3d/persistence/extendedfloat.h"

LT_IMPLEMENT_CLASS(TBinaryReader, TVirtualReader) {}

namespace {

// UTF-16 code units to UTF-8; a surrogate without its partner becomes U+FFFD.
std::string Utf16ToUtf8(const std::string& littleEndianUnits)
{
    std::u32string codePoints;
    const std::size_t count = littleEndianUnits.size() / 2;
    const auto unit = [&](std::size_t i) {
        return static_cast<char32_t>(static_cast<uint8_t>(littleEndianUnits[2 * i]) |
                                     static_cast<uint8_t>(littleEndianUnits[2 * i + 1]) << 8);
    };
    for (std::size_t i = 0; i < count; ++i) {
        const char32_t u = unit(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < count && unit(i + 1) >= 0xDC00 && unit(i + 1) <= 0xDFFF) {
            codePoints += 0x10000 + ((u - 0xD800) << 10) + (unit(i + 1) - 0xDC00);
            ++i;
        } else if (u >= 0xD800 && u <= 0xDFFF) {
            codePoints += U'\uFFFD';
        } else {
            codePoints += u;
        }
    }
    return Utf32ToUtf8(codePoints);
}

} // namespace

void TBinaryReader::Read(void* Buffer, int64_t Count)
{
    CheckBytesLeft(Count);
    Stream().ReadBuffer(Buffer, Count);
}

TArchiveValue TBinaryReader::ReadTag()
{
    uint8_t tag = 0;
    Read(&tag, 1);
    return static_cast<TArchiveValue>(tag);
}

TArchiveValue TBinaryReader::NextValue()
{
    const TArchiveValue tag = ReadTag();
    Stream().Seek(-1, TSeekOrigin::soCurrent);
    return tag;
}

uint32_t TBinaryReader::ReadLittleEndian(int Bytes)
{
    uint8_t bytes[4] = {};
    Read(bytes, Bytes);
    uint32_t value = 0;
    for (int i = Bytes - 1; i >= 0; --i)
        value = (value << 8) | bytes[i];
    return value;
}

int32_t TBinaryReader::ReadInteger()
{
    switch (ReadTag()) {
    case vaInt8:
        return static_cast<int8_t>(ReadLittleEndian(1));
    case vaInt16:
        return static_cast<int16_t>(ReadLittleEndian(2));
    case vaInt32:
        return static_cast<int32_t>(ReadLittleEndian(4));
    default:
        ReadTypeError();
    }
}

bool TBinaryReader::ReadBoolean()
{
    switch (ReadTag()) {
    case vaFalse:
        return false;
    case vaTrue:
        return true;
    default:
        ReadTypeError();
    }
}

int64_t TBinaryReader::ReadLength(int Unit)
{
    const int64_t count = ReadLittleEndian(4);
    CheckBytesLeft(count * Unit);
    return count;
}

std::string TBinaryReader::ReadBytes(int64_t Count)
{
    std::string bytes(static_cast<std::size_t>(Count), '\0');
    Read(bytes.data(), Count);
    return bytes;
}

std::string TBinaryReader::ReadString()
{
    switch (ReadTag()) {
    case vaString:
        return ReadBytes(ReadLittleEndian(1));
    case vaLString:
        return ReadBytes(ReadLength(1));
    case vaWString:
        return Utf16ToUtf8(ReadBytes(2 * ReadLength(2)));
    case vaUTF8String:
        return Utf32ToUtf8(Utf8ToUtf32(ReadBytes(ReadLength(1))));
    default:
        ReadTypeError();
    }
}

double TBinaryReader::ReadFloat()
{
    if (ReadTag() != vaExtended)
        ReadTypeError();
    TExtendedBytes bytes;
    Read(bytes.data(), static_cast<int64_t>(bytes.size()));
    return ExtendedToDouble(bytes);
}

void TBinaryReader::ReadListBegin()
{
    if (ReadTag() != vaList)
        ReadTypeError();
}

void TBinaryReader::ReadListEnd()
{
    if (ReadTag() != vaNull)
        ReadTypeError();
}

bool TBinaryReader::EndOfList()
{
    return NextValue() == vaNull;
}
