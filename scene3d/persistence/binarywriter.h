#pragma once
// Writes the archive's values in their binary form: the tag byte, then the
// payload little-endian; integers in the smallest form that holds them.
#include "scene3d/persistence/virtualarchive.h"

class TBinaryWriter : public TVirtualWriter {
    LT_CLASS(TBinaryWriter)
public:
    using TVirtualWriter::TVirtualWriter;

    void Write(const void* Buffer, int64_t Count) override;
    // Tag 2 and one byte for -128..127, tag 3 and two bytes for
    // -32768..32767, else tag 4 and four bytes.
    void WriteInteger(int32_t Value) override;
    void WriteBoolean(bool Value) override;
    // Up to 255 bytes: tag 6 and a length byte; longer: tag 12 and a 32-bit
    // length. The bytes are written as they are (UTF-8).
    void WriteString(const std::string& Value) override;
    // Tag 5 and the 80-bit extended value.
    void WriteFloat(double Value) override;
    void WriteListBegin() override;
    void WriteListEnd() override;

private:
    void WriteTag(TArchiveValue Tag);
    void WriteLittleEndian(uint32_t Value, int Bytes);
};
