#include "scene3d/persistence/binarywriter.h"

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/streams.h"
#include "scene3d/persistence/extendedfloat.h"

LT_IMPLEMENT_CLASS(TBinaryWriter, TVirtualWriter) {}

void TBinaryWriter::Write(const void* Buffer, int64_t Count)
{
    Stream().WriteBuffer(Buffer, Count);
}

void TBinaryWriter::WriteTag(TArchiveValue Tag)
{
    const uint8_t byte = Tag;
    Write(&byte, 1);
}

void TBinaryWriter::WriteLittleEndian(uint32_t Value, int Bytes)
{
    uint8_t bytes[4];
    for (int i = 0; i < Bytes; ++i)
        bytes[i] = static_cast<uint8_t>(Value >> (8 * i));
    Write(bytes, Bytes);
}

void TBinaryWriter::WriteInteger(int32_t Value)
{
    if (Value >= -128 && Value <= 127) {
        WriteTag(vaInt8);
        WriteLittleEndian(static_cast<uint32_t>(Value), 1);
    } else if (Value >= -32768 && Value <= 32767) {
        WriteTag(vaInt16);
        WriteLittleEndian(static_cast<uint32_t>(Value), 2);
    } else {
        WriteTag(vaInt32);
        WriteLittleEndian(static_cast<uint32_t>(Value), 4);
    }
}

void TBinaryWriter::WriteBoolean(bool Value)
{
    WriteTag(Value ? vaTrue : vaFalse);
}

void TBinaryWriter::WriteString(const std::string& Value)
{
    if (Value.size() <= 255) {
        WriteTag(vaString);
        WriteLittleEndian(static_cast<uint32_t>(Value.size()), 1);
    } else {
        WriteTag(vaLString);
        WriteLittleEndian(static_cast<uint32_t>(Value.size()), 4);
    }
    Write(Value.data(), static_cast<int64_t>(Value.size()));
}

void TBinaryWriter::WriteFloat(double Value)
{
    WriteTag(vaExtended);
    const TExtendedBytes bytes = DoubleToExtended(Value);
    Write(bytes.data(), static_cast<int64_t>(bytes.size()));
}

void TBinaryWriter::WriteListBegin()
{
    WriteTag(vaList);
}

void TBinaryWriter::WriteListEnd()
{
    WriteTag(vaNull);
}
