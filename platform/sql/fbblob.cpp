#include "platform/sql/fbblob.h"

#include <algorithm>

#include "platform/sql/fbstatus.h"

namespace {

constexpr size_t SegmentSize = 32768;

// An open blob; cancelled (a new one) or closed (a read one) unless Close ran.
class TBlobHandle {
public:
    explicit TBlobHandle(bool created) : FCreated(created) {}
    TBlobHandle(const TBlobHandle&) = delete;
    TBlobHandle& operator=(const TBlobHandle&) = delete;
    ~TBlobHandle()
    {
        if (FHandle == 0)
            return;
        ISC_STATUS_ARRAY status;
        if (FCreated)
            isc_cancel_blob(status, &FHandle);
        else
            isc_close_blob(status, &FHandle);
    }

    isc_blob_handle* Handle() { return &FHandle; }

    void Close()
    {
        ISC_STATUS_ARRAY status;
        isc_close_blob(status, &FHandle);
        FbCheck(status);
        FHandle = 0;
    }

private:
    bool FCreated;
    isc_blob_handle FHandle = 0;
};

} // namespace

std::string FbReadBlob(isc_db_handle* database, isc_tr_handle* transaction, ISC_QUAD id)
{
    TBlobHandle blob(false);
    ISC_STATUS_ARRAY status;
    isc_open_blob2(status, database, transaction, blob.Handle(), &id, 0, nullptr);
    FbCheck(status);
    std::string bytes;
    char segment[SegmentSize];
    for (;;) {
        unsigned short length = 0;
        const ISC_STATUS result = isc_get_segment(status, blob.Handle(), &length, sizeof segment, segment);
        if (result == isc_segstr_eof)
            break;
        if (result != 0 && result != isc_segment)
            FbCheck(status);
        bytes.append(segment, length);
    }
    blob.Close();
    return bytes;
}

ISC_QUAD FbWriteBlob(isc_db_handle* database, isc_tr_handle* transaction, const std::string& bytes)
{
    TBlobHandle blob(true);
    ISC_QUAD id{};
    ISC_STATUS_ARRAY status;
    isc_create_blob2(status, database, transaction, blob.Handle(), &id, 0, nullptr);
    FbCheck(status);
    for (size_t offset = 0; offset < bytes.size(); offset += SegmentSize) {
        const size_t length = std::min(SegmentSize, bytes.size() - offset);
        isc_put_segment(status, blob.Handle(), static_cast<unsigned short>(length), bytes.data() + offset);
        FbCheck(status);
    }
    blob.Close();
    return id;
}
