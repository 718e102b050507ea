#include "platform/rtl/syserror.h"

#include <cstring>

std::string SysErrorMessage(int ErrorCode)
{
    char buffer[256];
    // The GNU strerror_r returns the text, in buffer or a static string.
    return strerror_r(ErrorCode, buffer, sizeof buffer);
}
