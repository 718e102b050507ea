#include "platform/ui/terminationsignals.h"

#include <pthread.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <system_error>

namespace {
int gSignalDescriptor = -1;
} // namespace

void CatchTerminationSignals()
{
    if (gSignalDescriptor >= 0)
        return;
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGHUP);
    if (const int error = pthread_sigmask(SIG_BLOCK, &signals, nullptr); error != 0)
        throw std::system_error(error, std::generic_category(), "pthread_sigmask");
    gSignalDescriptor = signalfd(-1, &signals, SFD_NONBLOCK | SFD_CLOEXEC);
    if (gSignalDescriptor < 0)
        throw std::system_error(errno, std::generic_category(), "signalfd");
}

int TerminationSignalDescriptor()
{
    return gSignalDescriptor;
}

int TakeTerminationSignals()
{
    int count = 0;
    signalfd_siginfo info;
    while (gSignalDescriptor >= 0) {
        const ssize_t got = read(gSignalDescriptor, &info, sizeof info);
        if (got == static_cast<ssize_t>(sizeof info))
            ++count;
        else if (got < 0 && errno == EINTR)
            continue;
        else
            break;
    }
    return count;
}
