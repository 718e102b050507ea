#include "platform/rtl/inouterror.h"

#include "platform/rtl/syserror.h"

std::string InOutErrorMessage(int ErrorCode)
{
    switch (ErrorCode) {
    case ioReadBeyondEndOfFile:
        return "Read beyond end of file";
    case ioInvalidData:
        return "Invalid data in file";
    default:
        return SysErrorMessage(ErrorCode);
    }
}

void RaiseInOutError(int ErrorCode)
{
    throw EInOutError(InOutErrorMessage(ErrorCode), ErrorCode);
}
