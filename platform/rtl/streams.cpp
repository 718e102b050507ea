#include "platform/rtl/streams.h"

#include "platform/rtl/exceptions.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>
#include <stdexcept>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

// ---- TStream --------------------------------------------------------------

int64_t TStream::Position()
{
    return Seek(0, TSeekOrigin::soCurrent);
}

void TStream::SetPosition(int64_t position)
{
    Seek(position, TSeekOrigin::soBeginning);
}

int64_t TStream::Size()
{
    const int64_t position = Position();
    const int64_t size = Seek(0, TSeekOrigin::soEnd);
    SetPosition(position);
    return size;
}

void TStream::SetSize(int64_t)
{
}

void TStream::ReadBuffer(void* buffer, int64_t count)
{
    if (count != 0 && Read(buffer, count) != count)
        throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, int64_t count)
{
    if (count != 0 && Write(buffer, count) != count)
        throw EWriteError("Stream write error");
}

int64_t TStream::CopyFrom(TStream& source, int64_t count)
{
    if (count < 0)
        throw EStreamError("Invalid stream operation");
    if (count == 0) {
        source.SetPosition(0);
        count = source.Size();
    }
    constexpr int64_t kChunk = 64 * 1024;
    std::vector<uint8_t> buffer(static_cast<std::size_t>(std::min(count, kChunk)));
    for (int64_t left = count; left > 0;) {
        const int64_t n = std::min(left, kChunk);
        source.ReadBuffer(buffer.data(), n);
        WriteBuffer(buffer.data(), n);
        left -= n;
    }
    return count;
}

// ---- TMemoryStream --------------------------------------------------------

int64_t TMemoryStream::Read(void* buffer, int64_t count)
{
    const auto size = static_cast<int64_t>(FData.size());
    if (count <= 0 || FPosition < 0 || FPosition >= size)
        return 0;
    const int64_t n = std::min(count, size - FPosition);
    std::memcpy(buffer, FData.data() + FPosition, static_cast<std::size_t>(n));
    FPosition += n;
    return n;
}

int64_t TMemoryStream::Write(const void* buffer, int64_t count)
{
    if (count <= 0 || FPosition < 0)
        return 0;
    const int64_t end = FPosition + count;
    if (end > FCapacity)
        SetCapacity(end);
    if (end > static_cast<int64_t>(FData.size()))
        FData.resize(static_cast<std::size_t>(end));
    std::memcpy(FData.data() + FPosition, buffer, static_cast<std::size_t>(count));
    FPosition = end;
    return count;
}

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin)
{
    switch (origin) {
    case TSeekOrigin::soBeginning:
        FPosition = offset;
        break;
    case TSeekOrigin::soCurrent:
        FPosition += offset;
        break;
    case TSeekOrigin::soEnd:
        FPosition = static_cast<int64_t>(FData.size()) + offset;
        break;
    }
    return FPosition;
}

int64_t TMemoryStream::Size()
{
    return static_cast<int64_t>(FData.size());
}

void TMemoryStream::SetSize(int64_t newSize)
{
    if (newSize < 0)
        throw EStreamError("Invalid stream size");
    SetCapacity(newSize);
    FData.resize(static_cast<std::size_t>(newSize));
    FPosition = std::min(FPosition, newSize);
}

void* TMemoryStream::Memory()
{
    return FData.data();
}

const void* TMemoryStream::Memory() const
{
    return FData.data();
}

std::string_view TMemoryStream::Contents() const
{
    return {reinterpret_cast<const char*>(FData.data()), FData.size()};
}

void TMemoryStream::Clear()
{
    FData.clear();
    FData.shrink_to_fit();
    FCapacity = 0;
    FPosition = 0;
}

int64_t TMemoryStream::Realloc(int64_t NewCapacity)
{
    return NewCapacity > FCapacity ? std::max(NewCapacity, FCapacity + FCapacity / 2) : NewCapacity;
}

void TMemoryStream::SetCapacity(int64_t NewCapacity)
{
    const int64_t capacity = std::max(Realloc(NewCapacity), NewCapacity);
    if (capacity == FCapacity)
        return;
    try {
        std::vector<uint8_t> block;
        if (capacity > 0) {
            block.reserve(static_cast<std::size_t>(capacity));
            const auto kept = std::min(static_cast<int64_t>(FData.size()), capacity);
            block.assign(FData.begin(), FData.begin() + static_cast<std::ptrdiff_t>(kept));
        }
        FData.swap(block);
    } catch (const std::bad_alloc&) {
        throw EStreamError("Out of memory while expanding memory stream");
    } catch (const std::length_error&) {
        throw EStreamError("Out of memory while expanding memory stream");
    }
    FCapacity = capacity;
}

void TMemoryStream::LoadFromStream(TStream& stream)
{
    stream.SetPosition(0);
    const int64_t size = stream.Size();
    std::vector<uint8_t> data(static_cast<std::size_t>(size));
    stream.ReadBuffer(data.data(), size);
    FData = std::move(data);
    FCapacity = size;
    FPosition = 0;
}

void TMemoryStream::LoadFromFile(const std::string& fileName)
{
    TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(file);
}

void TMemoryStream::SaveToStream(TStream& stream) const
{
    stream.WriteBuffer(FData.data(), static_cast<int64_t>(FData.size()));
}

void TMemoryStream::SaveToFile(const std::string& fileName) const
{
    TFileStream file(fileName, fmCreate);
    SaveToStream(file);
}

// ---- TStringStream --------------------------------------------------------

TStringStream::TStringStream(const std::string& s)
{
    WriteString(s);
    SetPosition(0);
}

std::string TStringStream::DataString() const
{
    return std::string(Contents());
}

std::string TStringStream::ReadString(int64_t count)
{
    const int64_t available = std::max<int64_t>(0, Size() - Position());
    std::string result(static_cast<std::size_t>(std::clamp<int64_t>(count, 0, available)), '\0');
    result.resize(static_cast<std::size_t>(Read(result.data(), static_cast<int64_t>(result.size()))));
    return result;
}

void TStringStream::WriteString(const std::string& s)
{
    WriteBuffer(s.data(), static_cast<int64_t>(s.size()));
}

// ---- TFileStream ----------------------------------------------------------

namespace {

constexpr uint16_t kAccessMask = 0x0003;
constexpr uint16_t kShareMask = 0x00F0;

class TDescriptor {
public:
    explicit TDescriptor(int handle) : FHandle(handle) {}
    TDescriptor(const TDescriptor&) = delete;
    TDescriptor& operator=(const TDescriptor&) = delete;
    ~TDescriptor()
    {
        if (FHandle >= 0)
            ::close(FHandle);
    }
    int Get() const { return FHandle; }
    int Release() { return std::exchange(FHandle, -1); }

private:
    int FHandle;
};

// Takes (or, for fmShareDenyNone, only tests) the lock for the share mode;
// false when another stream's share mode forbids this open.
bool LockForShareMode(int handle, uint16_t share, bool writing)
{
    const auto tryLock = [handle](int operation) {
        int result;
        do
            result = ::flock(handle, operation | LOCK_NB);
        while (result != 0 && errno == EINTR);
        return result == 0;
    };
    switch (share) {
    case fmShareDenyWrite:
        return tryLock(LOCK_SH);
    case fmShareDenyNone:
        if (!tryLock(writing ? LOCK_EX : LOCK_SH))
            return false;
        ::flock(handle, LOCK_UN);
        return true;
    default:
        return tryLock(LOCK_EX);
    }
}

[[noreturn]] void RaiseOpenError(bool create, const std::string& fileName, const std::string& reason)
{
    if (create)
        throw EFCreateError("Cannot create file \"" + fileName + "\". " + reason);
    throw EFOpenError("Cannot open file \"" + fileName + "\". " + reason);
}

}  // namespace

TFileStream::TFileStream(const std::string& fileName, uint16_t mode) : FFileName(fileName)
{
    const bool create = (mode & fmCreate) == fmCreate;
    const uint16_t access = create ? fmOpenReadWrite : static_cast<uint16_t>(mode & kAccessMask);
    const auto share = static_cast<uint16_t>(mode & kShareMask);

    int flags = O_CLOEXEC;
    if (access == fmOpenWrite)
        flags |= O_WRONLY;
    else if (access == fmOpenReadWrite)
        flags |= O_RDWR;
    else
        flags |= O_RDONLY;
    if (create)
        flags |= O_CREAT;

    int handle;
    do
        handle = ::open(fileName.c_str(), flags, 0666);
    while (handle < 0 && errno == EINTR);
    if (handle < 0)
        RaiseOpenError(create, fileName, std::strerror(errno));
    TDescriptor descriptor(handle);

    struct stat info {};
    if (::fstat(handle, &info) == 0 && S_ISDIR(info.st_mode))
        RaiseOpenError(create, fileName, std::strerror(EISDIR));
    if (!LockForShareMode(handle, share, access != fmOpenRead))
        RaiseOpenError(create, fileName, "The file is in use by another stream.");
    // Emptied only once the lock shows nobody else is protecting it.
    if (create && ::ftruncate(handle, 0) != 0)
        RaiseOpenError(create, fileName, std::strerror(errno));
    FHandle = descriptor.Release();
}

TFileStream::~TFileStream()
{
    if (FHandle >= 0)
        ::close(FHandle);
}

int64_t TFileStream::Read(void* buffer, int64_t count)
{
    auto* bytes = static_cast<uint8_t*>(buffer);
    int64_t done = 0;
    while (done < count) {
        const ssize_t n = ::read(FHandle, bytes + done, static_cast<std::size_t>(count - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += n;
    }
    return done;
}

int64_t TFileStream::Write(const void* buffer, int64_t count)
{
    const auto* bytes = static_cast<const uint8_t*>(buffer);
    int64_t done = 0;
    while (done < count) {
        const ssize_t n = ::write(FHandle, bytes + done, static_cast<std::size_t>(count - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += n;
    }
    return done;
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin)
{
    int whence = SEEK_SET;
    if (origin == TSeekOrigin::soCurrent)
        whence = SEEK_CUR;
    else if (origin == TSeekOrigin::soEnd)
        whence = SEEK_END;
    const off_t position = ::lseek(FHandle, static_cast<off_t>(offset), whence);
    if (position < 0)
        throw EStreamError("Cannot seek in file \"" + FFileName + "\". " + std::strerror(errno));
    return position;
}

int64_t TFileStream::Size()
{
    struct stat info {};
    if (::fstat(FHandle, &info) != 0)
        throw EStreamError("Cannot read the size of file \"" + FFileName + "\". " + std::strerror(errno));
    return info.st_size;
}

void TFileStream::SetSize(int64_t newSize)
{
    if (newSize < 0 || ::ftruncate(FHandle, static_cast<off_t>(newSize)) != 0)
        throw EStreamError("Cannot resize file \"" + FFileName + "\". " +
                           std::strerror(newSize < 0 ? EINVAL : errno));
    if (Position() > newSize)
        SetPosition(newSize);
}
