#pragma once
// Byte streams: the abstract TStream, a growable memory stream, a string
// stream and a file stream.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream {
public:
    TStream() = default;
    TStream(const TStream&) = delete;
    TStream& operator=(const TStream&) = delete;
    virtual ~TStream() = default;

    // Read and Write transfer up to count bytes at the current position and
    // return how many they moved; a short count is not an error here.
    virtual int64_t Read(void* buffer, int64_t count) = 0;
    virtual int64_t Write(const void* buffer, int64_t count) = 0;
    // Moves the position and returns the new one.
    virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;

    int64_t Position();
    void SetPosition(int64_t position);
    // Size by seeking to the end and back; streams that know it override.
    virtual int64_t Size();
    // Streams that cannot change their size ignore the request.
    virtual void SetSize(int64_t newSize);

    // Transfer exactly count bytes or raise EReadError "Stream read error" /
    // EWriteError "Stream write error".
    void ReadBuffer(void* buffer, int64_t count);
    void WriteBuffer(const void* buffer, int64_t count);
    // Copies count bytes from source's current position; count 0 copies the
    // whole of source from its beginning. Returns the number of bytes copied.
    int64_t CopyFrom(TStream& source, int64_t count);
};

// A stream over a block of memory that grows as it is written. Positions past
// the end are allowed: reading there returns nothing, writing there fills the
// gap with zeros.
class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;

    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    int64_t Size() override;
    // Keeps the position unless it now lies past the end, which moves it to
    // the end.
    void SetSize(int64_t newSize) override;

    // The room held for the contents, in bytes; at least Size.
    int64_t Capacity() const { return FCapacity; }

    // The contents; valid until the size changes.
    void* Memory();
    const void* Memory() const;
    void Clear();

    // Replace the contents with the whole of the stream or file and set the
    // position to 0.
    void LoadFromStream(TStream& stream);
    void LoadFromFile(const std::string& fileName);
    // Write the whole contents, whatever the position.
    void SaveToStream(TStream& stream) const;
    void SaveToFile(const std::string& fileName) const;

protected:
    std::string_view Contents() const;
    // The capacity to hold for a request of NewCapacity bytes (the new size,
    // or the end of a write past the capacity); 0 frees the block, and the
    // stream never holds less than was requested. By default a growing
    // stream takes half as much again as it had, so writing a little at a
    // time moves the contents rarely; descendants give their own rule.
    virtual int64_t Realloc(int64_t NewCapacity);

private:
    // Asks Realloc and moves the contents into a block of that capacity;
    // EStreamError "Out of memory while expanding memory stream" when it
    // cannot be had, keeping the old block.
    void SetCapacity(int64_t NewCapacity);

    std::vector<uint8_t> FData;
    int64_t FCapacity = 0;
    int64_t FPosition = 0;
};

// A memory stream whose contents are read and written as a string.
class TStringStream : public TMemoryStream {
public:
    TStringStream() = default;
    // Starts with the bytes of s, positioned at 0.
    explicit TStringStream(const std::string& s);

    std::string DataString() const;
    // Up to count bytes from the position (fewer at the end).
    std::string ReadString(int64_t count);
    void WriteString(const std::string& s);
};

// File modes: one access mode or fmCreate, combined with one share mode.
// fmCreate creates the file or empties an existing one and opens it for
// reading and writing.
inline constexpr uint16_t fmCreate = 0xFF00;
inline constexpr uint16_t fmOpenRead = 0x0000;
inline constexpr uint16_t fmOpenWrite = 0x0001;
inline constexpr uint16_t fmOpenReadWrite = 0x0002;
inline constexpr uint16_t fmShareCompat = 0x0000;
inline constexpr uint16_t fmShareExclusive = 0x0010;
inline constexpr uint16_t fmShareDenyWrite = 0x0020;
inline constexpr uint16_t fmShareDenyNone = 0x0040;

// A stream over an open file, closed when the stream is destroyed.
//
// The share mode is enforced among the streams of this and other processes
// that use it, through advisory flock() locks taken without waiting:
//   fmShareExclusive (and fmShareCompat, no share mode given) hold an
//     exclusive lock: any other open of the file fails while it is held;
//   fmShareDenyWrite holds a shared lock: other deny-write opens succeed,
//     opens for writing fail;
//   fmShareDenyNone holds nothing; the open only checks that nobody denies
//     its access (writing needs no shared or exclusive lock present, reading
//     no exclusive lock).
// A handle opened with fmShareDenyNone is not recorded, so a later open that
// would deny its access is not refused.
//
// Open failures raise EFOpenError "Cannot open file \"<name>\". <reason>",
// fmCreate failures EFCreateError "Cannot create file \"<name>\". <reason>".
class TFileStream : public TStream {
public:
    TFileStream(const std::string& fileName, uint16_t mode);
    ~TFileStream() override;

    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    int64_t Size() override;
    // Truncates or extends the file; the position moves to the new end only
    // when it lay past it. Raises EStreamError when the file cannot be resized.
    void SetSize(int64_t newSize) override;

    const std::string& FileName() const { return FFileName; }
    int Handle() const { return FHandle; }

private:
    std::string FFileName;
    int FHandle = -1;
};
