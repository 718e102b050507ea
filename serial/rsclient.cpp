#include "serial/rsclient.h"

#include "serial/rscustomcomm.h"

TRsCommClient::~TRsCommClient()
{
    if (FComm)
        FComm->DetachClient(this);
}
