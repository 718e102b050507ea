#pragma once
// Baud rates by number through termios2: any rate with BOTHER, and reading
// back the rate a terminal runs at. Kept apart because the kernel's termios2
// header cannot be included beside <termios.h>.
#include <cstdint>

// Sets both directions of an open terminal to Rate; 0 or a system error code.
int SetCustomBaudrate(int Fd, uint32_t Rate);
// The output rate of an open terminal in bits per second; 0 or a system
// error code.
int GetLineBaudrate(int Fd, uint32_t& Rate);
