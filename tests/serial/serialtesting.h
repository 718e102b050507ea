#pragma once
// What the port's tests share: running the event loop until something
// happened, counting threads and descriptors, collecting the exceptions
// handed to the application, and a port on a fresh pseudo-terminal.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "serial/rscomm.h"
#include "tests/support/ptypeer.h"

// Runs the application's events until Done() holds or TimeoutMs passed;
// whether Done() held.
bool ProcessEventsUntil(const std::function<bool()>& Done, int TimeoutMs = 5000);
void ProcessEventsFor(int Milliseconds);

// The running threads named Name ("RsCommEvent", "RsCommWrite"); without a
// name, the threads of both kinds.
int PortThreadCount(const char* Name = nullptr);
// Whether every port thread has ended within TimeoutMs (a joined thread may
// linger in the process's list for a moment).
bool PortThreadsEnd(int TimeoutMs = 2000);
int OpenDescriptorCount();

// Collects the messages of the exceptions handed to the application's
// exception handler while it exists.
class TReportedErrors {
public:
    TReportedErrors();
    TReportedErrors(const TReportedErrors&) = delete;
    TReportedErrors& operator=(const TReportedErrors&) = delete;
    ~TReportedErrors();
    const std::vector<std::string>& Messages() const { return FMessages; }

private:
    std::vector<std::string> FMessages;
};

// A closed port whose device is the slave side of Peer.
class PortTest : public ::testing::Test {
protected:
    PortTest();
    // Reads everything the port's OnRxChar handler reads into Received.
    void CollectReceived();

    TPtyPeer Peer;
    std::unique_ptr<TRsComm> Port;
    std::string Received;
};
