#include <algorithm>

#include "platform/sql/fbclient.h"
#include "platform/sql/fbstatus.h"

TFbTransaction::TFbTransaction(TFbDatabase& database) : FDatabase(database)
{
    FDatabase.FTransactions.push_back(this);
}

TFbTransaction::~TFbTransaction()
{
    std::erase(FDatabase.FTransactions, this);
    if (FHandle == 0)
        return;
    ISC_STATUS_ARRAY status;
    isc_rollback_transaction(status, &FHandle);
}

void TFbTransaction::Start()
{
    static const char parameters[] = {isc_tpb_version3, isc_tpb_write, isc_tpb_read_committed,
                                      isc_tpb_rec_version, isc_tpb_wait};
    ISC_STATUS_ARRAY status;
    isc_start_transaction(status, &FHandle, 1, FDatabase.Handle(), static_cast<unsigned short>(sizeof parameters),
                          parameters);
    FbCheck(status);
}

void TFbTransaction::Commit()
{
    ISC_STATUS_ARRAY status;
    isc_commit_transaction(status, &FHandle);
    FbCheck(status);
}

void TFbTransaction::Rollback()
{
    ISC_STATUS_ARRAY status;
    isc_rollback_transaction(status, &FHandle);
    FbCheck(status);
}
