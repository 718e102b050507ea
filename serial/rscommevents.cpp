// The port's events on the main thread, its clients and its display.
#include <algorithm>
#include <vector>

#include "platform/rtl/appexceptions.h"
#include "serial/rsclient.h"
#include "serial/rscustomcomm.h"
#include "serial/rsdisplay.h"

bool TRsCustomComm::CheckErrors()
{
    uint32_t errors = 0;
    TComStat stat;
    GetStatus(errors, stat);
    if (errors != 0 && FOnError) {
        try {
            FOnError(this, static_cast<int>(errors));
        } catch (...) {
            ApplicationHandleException(this);
        }
    }
    return errors != 0;
}

void TRsCustomComm::PostEvents(uint32_t Mask)
{
    // Without threads (DirectWrite, no events watched) nothing is handed over.
    if (Mask == 0 || !FSync || FPostedEvents.fetch_or(Mask) != 0)
        return;
    FSync->Queue([this] { DispatchEvents(FPostedEvents.exchange(0)); });
}

void TRsCustomComm::DispatchEvents(uint32_t Mask)
{
    try {
        UpdateDisplay();
        if (Mask & EV_RXCHAR) {
            DoRxChar();
            Mask &= ~EV_RXCHAR;
        }
        if (Mask != 0)
            DoCommEvents(Mask);
    } catch (...) {
        ApplicationHandleException(this);
    }
}

void TRsCustomComm::DoRxChar()
{
    const int count = InQueueCount();
    FRxReported = FReadTotal + static_cast<uint64_t>(std::max(count, 0));
    if (count <= 0)
        return;
    if (!FClients.empty()) {
        std::vector<uint8_t> data(static_cast<std::size_t>(count));
        const int read = ReadBuf(data.data(), count);
        if (read > 0)
            DoRxBuf(data.data(), read);
        return;
    }
    if (FOnRxChar)
        FOnRxChar(this, count);
}

void TRsCustomComm::DoCommEvents(uint32_t Mask)
{
    if (Mask & EV_ERR)
        CheckErrors();
    if (!FClients.empty())
        NotifyClients(Mask);
    static constexpr struct {
        uint32_t Bit;
        TNotifyEvent TRsCustomComm::*Event;
    } events[] = {
        {EV_RXFLAG, &TRsCustomComm::FOnRxFlag},   {EV_CTS, &TRsCustomComm::FOnCts},
        {EV_DSR, &TRsCustomComm::FOnDsr},         {EV_RING, &TRsCustomComm::FOnRing},
        {EV_RLSD, &TRsCustomComm::FOnRlsd},       {EV_TXEMPTY, &TRsCustomComm::FOnTxEmpty},
        {EV_BREAK, &TRsCustomComm::FOnBreak},     {EV_PERR, &TRsCustomComm::FOnPErr},
        {EV_RX80FULL, &TRsCustomComm::FOnRx80Full}, {EV_EVENT1, &TRsCustomComm::FOnEvent1},
        {EV_EVENT2, &TRsCustomComm::FOnEvent2},
    };
    for (const auto& event : events)
        if ((Mask & event.Bit) && this->*event.Event)
            (this->*event.Event)(this);
}

void TRsCustomComm::NotifyClients(uint32_t Mask)
{
    if (!FClientsEnabled)
        return;
    // A client may detach itself or another one while it is told.
    const std::vector<TRsCommClient*> clients = FClients;
    for (TRsCommClient* client : clients)
        if (client->Comm() == this && client->Active())
            client->CommEvent(Mask);
}

void TRsCustomComm::DoRxBuf(PRsData Data, int Count)
{
    if (FClientsEnabled) {
        const std::vector<TRsCommClient*> clients = FClients;
        for (TRsCommClient* client : clients)
            if (client->Comm() == this && client->Active())
                client->ReceiveData(Data, Count);
    }
    if (FOnRxBuf)
        FOnRxBuf(this, Data, Count);
}

void TRsCustomComm::UpdateDisplay()
{
    if (FDisplay)
        FDisplay->UpdateFromComm(this);
}

void TRsCustomComm::AttachClient(TRsCommClient* Client)
{
    if (!Client || Client->FComm == this)
        return;
    if (Client->FComm)
        Client->FComm->DetachClient(Client);
    FClients.push_back(Client);
    Client->FComm = this;
}

void TRsCustomComm::DetachClient(TRsCommClient* Client)
{
    const auto found = std::find(FClients.begin(), FClients.end(), Client);
    if (found == FClients.end())
        return;
    FClients.erase(found);
    Client->FComm = nullptr;
}

void TRsCustomComm::DetachClients()
{
    while (!FClients.empty())
        DetachClient(FClients.back());
}
