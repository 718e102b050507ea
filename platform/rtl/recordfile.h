#pragma once
// A file of fixed-size records, read or written one whole record at a time
// from its start. Every failure raises EInOutError (inouterror.h): the
// system's error number and text when the file cannot be opened, created,
// read or written, ioReadBeyondEndOfFile when it ends before the record does.
#include <cstddef>
#include <string>

#include "platform/rtl/inouterror.h"

enum class TRecordFileMode {
    rfRead,    // an existing file, read from its start
    rfCreate,  // a new or emptied file, written from its start
};

class TRecordFile {
public:
    TRecordFile(const std::string& FileName, std::size_t RecordSize, TRecordFileMode Mode);
    TRecordFile(const TRecordFile&) = delete;
    TRecordFile& operator=(const TRecordFile&) = delete;
    ~TRecordFile();

    // Reads the next record into Record (RecordSize bytes).
    void Read(void* Record);
    // Appends Record (RecordSize bytes).
    void Write(const void* Record);

private:
    int FHandle = -1;
    const std::size_t FRecordSize;
};
