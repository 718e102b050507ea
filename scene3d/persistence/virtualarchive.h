#pragma once
// The engine's tagged archive: abstract writers and readers of tagged values
// (integers, booleans, strings, floats, list brackets) and raw blocks over a
// stream they do not own.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/rtl/object.h"

class TStream;

// The tag byte ahead of each value.
enum TArchiveValue : uint8_t {
    vaNull = 0,       // end of list
    vaList = 1,       // begin of list
    vaInt8 = 2,
    vaInt16 = 3,
    vaInt32 = 4,
    vaExtended = 5,   // 80-bit float
    vaString = 6,     // up to 255 bytes
    vaFalse = 8,
    vaTrue = 9,
    vaLString = 12,   // 32-bit length
    vaWString = 18,   // UTF-16LE, read only
    vaUTF8String = 20 // read only
};

class TVirtualWriter : public TObject {
    LT_CLASS(TVirtualWriter)
public:
    explicit TVirtualWriter(TStream& Stream) : FStream(Stream) {}
    TVirtualWriter(const TVirtualWriter&) = delete;
    TVirtualWriter& operator=(const TVirtualWriter&) = delete;

    TStream& Stream() const { return FStream; }

    virtual void Write(const void* Buffer, int64_t Count) = 0;
    virtual void WriteInteger(int32_t Value) = 0;
    virtual void WriteBoolean(bool Value) = 0;
    virtual void WriteString(const std::string& Value) = 0;
    virtual void WriteFloat(double Value) = 0;
    virtual void WriteListBegin() = 0;
    virtual void WriteListEnd() = 0;

private:
    TStream& FStream;
};

// Readers raise EReadError for data that is not there or not of the kind
// asked for; a value never reads past the end of the stream.
class TVirtualReader : public TObject {
    LT_CLASS(TVirtualReader)
public:
    explicit TVirtualReader(TStream& Stream) : FStream(Stream) {}
    TVirtualReader(const TVirtualReader&) = delete;
    TVirtualReader& operator=(const TVirtualReader&) = delete;

    TStream& Stream() const { return FStream; }

    virtual void Read(void* Buffer, int64_t Count) = 0;
    // The tag of the next value, left in the stream.
    virtual TArchiveValue NextValue() = 0;
    virtual int32_t ReadInteger() = 0;
    virtual bool ReadBoolean() = 0;
    virtual std::string ReadString() = 0;
    virtual double ReadFloat() = 0;
    virtual void ReadListBegin() = 0;
    virtual void ReadListEnd() = 0;
    virtual bool EndOfList() = 0;

    // The bytes between the position and the end of the stream.
    int64_t BytesLeft() const;
    // Raises EReadError "Stream read error" unless Count bytes (Count >= 0)
    // are left; archives check every length and count they read with it.
    void CheckBytesLeft(int64_t Count) const;
    // How many object lists are being read through this reader, one inside
    // the other.
    int& ObjectListDepth() { return FObjectListDepth; }

protected:
    // EReadError "<reader class>, read type error".
    [[noreturn]] void ReadTypeError() const;

private:
    TStream& FStream;
    int FObjectListDepth = 0;
};

// Writer and reader classes: how an archivable object makes the writer or
// reader it was asked for.
using TVirtualWriterClass = std::unique_ptr<TVirtualWriter> (*)(TStream& Stream);
using TVirtualReaderClass = std::unique_ptr<TVirtualReader> (*)(TStream& Stream);

template <class TWriterKind>
std::unique_ptr<TVirtualWriter> CreateArchiveWriter(TStream& Stream)
{
    return std::make_unique<TWriterKind>(Stream);
}

template <class TReaderKind>
std::unique_ptr<TVirtualReader> CreateArchiveReader(TStream& Stream)
{
    return std::make_unique<TReaderKind>(Stream);
}
