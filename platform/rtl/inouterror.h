#pragma once
// The input/output error of the run-time library's files (recordfile.h):
// ErrorCode is the system's error number, or one of the library's own codes.
#include <string>

#include "platform/rtl/exceptions.h"

class EInOutError : public Exception {
public:
    EInOutError(std::string message, int errorCode) : Exception(std::move(message)), FErrorCode(errorCode) {}
    int ErrorCode() const noexcept { return FErrorCode; }

private:
    int FErrorCode;
};

// The library's own codes, negative so that they never meet a system error
// number.
inline constexpr int ioReadBeyondEndOfFile = -1;  // the file ends before the record does
inline constexpr int ioInvalidData = -2;          // a record holds what it cannot hold

// The message of a code: the library's own text for its codes, the system's
// text for the others.
std::string InOutErrorMessage(int ErrorCode);
[[noreturn]] void RaiseInOutError(int ErrorCode);
