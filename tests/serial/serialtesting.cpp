#include "tests/serial/serialtesting.h"

#include <QCoreApplication>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "platform/rtl/appexceptions.h"

bool ProcessEventsUntil(const std::function<bool()>& Done, int TimeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(TimeoutMs);
    for (;;) {
        QCoreApplication::processEvents();
        if (Done())
            return true;
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

void ProcessEventsFor(int Milliseconds)
{
    ProcessEventsUntil([] { return false; }, Milliseconds);
}

int PortThreadCount(const char* Name)
{
    int count = 0;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
        std::string name;
        std::getline(std::ifstream(task.path() / "comm"), name);
        if (Name ? name == Name : (name == "RsCommEvent" || name == "RsCommWrite"))
            ++count;
    }
    return count;
}

bool PortThreadsEnd(int TimeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(TimeoutMs);
    while (PortThreadCount() > 0) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

int OpenDescriptorCount()
{
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd"))
        ++count;
    return count;
}

TReportedErrors::TReportedErrors()
{
    SetApplicationExceptionHandler([this](TObject*, const std::exception_ptr& E) {
        try {
            std::rethrow_exception(E);
        } catch (const std::exception& e) {
            FMessages.push_back(e.what());
        }
    });
}

TReportedErrors::~TReportedErrors()
{
    SetApplicationExceptionHandler(nullptr);
}

PortTest::PortTest() : Port(std::make_unique<TRsComm>(nullptr))
{
    Port->SetDeviceName(Peer.SlavePath());
}

void PortTest::CollectReceived()
{
    Port->SetOnRxChar([this](TObject*, int) {
        std::string s;
        Port->ReadText(s);
        Received += s;
    });
}
