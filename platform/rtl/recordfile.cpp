#include "platform/rtl/recordfile.h"

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

TRecordFile::TRecordFile(const std::string& FileName, std::size_t RecordSize, TRecordFileMode Mode)
    : FRecordSize(RecordSize)
{
    const int flags = Mode == TRecordFileMode::rfCreate ? O_WRONLY | O_CREAT | O_TRUNC : O_RDONLY;
    do
        FHandle = ::open(FileName.c_str(), flags | O_CLOEXEC, 0666);
    while (FHandle < 0 && errno == EINTR);
    if (FHandle < 0)
        RaiseInOutError(errno);
}

TRecordFile::~TRecordFile()
{
    ::close(FHandle);
}

void TRecordFile::Read(void* Record)
{
    auto* bytes = static_cast<char*>(Record);
    std::size_t done = 0;
    while (done < FRecordSize) {
        const ssize_t n = ::read(FHandle, bytes + done, FRecordSize - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            RaiseInOutError(errno);
        if (n == 0)
            RaiseInOutError(ioReadBeyondEndOfFile);
        done += static_cast<std::size_t>(n);
    }
}

void TRecordFile::Write(const void* Record)
{
    const auto* bytes = static_cast<const char*>(Record);
    std::size_t done = 0;
    while (done < FRecordSize) {
        const ssize_t n = ::write(FHandle, bytes + done, FRecordSize - done);
        if (n < 0 && errno == EINTR)
            continue;
        // A write that takes nothing without an error found no room.
        if (n <= 0)
            RaiseInOutError(n < 0 ? errno : ENOSPC);
        done += static_cast<std::size_t>(n);
    }
}
