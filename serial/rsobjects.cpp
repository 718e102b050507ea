#include "serial/rsobjects.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>

#include "platform/comm/commwait.h"
#include "platform/rtl/format.h"
#include "platform/rtl/syserror.h"
#include "serial/rstypes.h"

TRsHandleObject::~TRsHandleObject()
{
    if (FHandle >= 0)
        close(FHandle);
}

TRsWaitResult TRsHandleObject::WaitFor(int Milliseconds)
{
    pollfd wait{FHandle, POLLIN, 0};
    const int ready = WaitForHandles({&wait, 1}, Milliseconds);
    if (ready < 0) {
        FLastError = errno;
        return wrError;
    }
    if (ready == 0)
        return wrTimeout;
    return (wait.revents & POLLIN) ? wrSignaled : wrAbandoned;
}

namespace {

int NewEventHandle()
{
    const int handle = CreateEventHandle();
    if (handle < 0)
        throw ERsCommError(Format("Error creating an event (%d), %s", errno, SysErrorMessage(errno)));
    return handle;
}

} // namespace

TRsEvent::TRsEvent() : TRsHandleObject(NewEventHandle()) {}

void TRsEvent::SetEvent()
{
    SignalEventHandle(Handle());
}

void TRsEvent::ResetEvent()
{
    ResetEventHandle(Handle());
}
