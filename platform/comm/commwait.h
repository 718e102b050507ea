#pragma once
// Waiting in serial I/O threads. An event handle is an eventfd used as a
// manual-reset event: readable from Signal until Reset, so poll can wait for
// it beside a device.
#include <poll.h>

#include <span>

// A new event handle, not signalled; -1 with errno set on failure.
int CreateEventHandle();
int SignalEventHandle(int Handle);
int ResetEventHandle(int Handle);

// Waits until one of Handles is ready for its events or TimeoutMs passes
// (-1: no limit); an interrupted wait goes on for the time left. The number
// of handles ready, 0 on time-out, -1 with errno set on failure.
int WaitForHandles(std::span<pollfd> Handles, int TimeoutMs);
