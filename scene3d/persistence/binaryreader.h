#pragma once
// Reads the values TBinaryWriter writes, and the UTF-16 and UTF-8 string
// forms of other writers. Every length is checked against the bytes left
// before anything is allocated or read.
#include "scene3d/persistence/virtualarchive.h"

class TBinaryReader : public TVirtualReader {
    LT_CLASS(TBinaryReader)
public:
    using TVirtualReader::TVirtualReader;

    void Read(void* Buffer, int64_t Count) override;
    TArchiveValue NextValue() override;
    // Tags 2, 3 and 4, sign-extended.
    int32_t ReadInteger() override;
    // Tags 8 and 9.
    bool ReadBoolean() override;
    // Tags 6 and 12 as they are; tag 18 (UTF-16) converted to UTF-8; tag 20
    // (UTF-8) with malformed sequences replaced by U+FFFD.
    std::string ReadString() override;
    // Tag 5.
    double ReadFloat() override;
    void ReadListBegin() override;
    void ReadListEnd() override;
    // Whether the next tag ends a list.
    bool EndOfList() override;

private:
    TArchiveValue ReadTag();
    uint32_t ReadLittleEndian(int Bytes);
    // A 32-bit count of Unit-byte units, checked against the bytes left.
    int64_t ReadLength(int Unit);
    std::string ReadBytes(int64_t Count);
};
