#pragma once
// The exception classes of the runtime. Every error the components raise is an
// Exception carrying a plain message; the specific classes let callers catch
// one kind of failure.
#include <stdexcept>
#include <string>

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : FMessage(std::move(message)) {}
    const std::string& Message() const noexcept { return FMessage; }
    void SetMessage(std::string message) { FMessage = std::move(message); }
    const char* what() const noexcept override { return FMessage.c_str(); }

private:
    std::string FMessage;
};

#define LT_DECLARE_EXCEPTION(Name, Base)                      \
    class Name : public Base {                                \
    public:                                                   \
        explicit Name(std::string message)                    \
            : Base(std::move(message)) {}                     \
    };

LT_DECLARE_EXCEPTION(EConvertError, Exception)
LT_DECLARE_EXCEPTION(EVariantError, EConvertError)
LT_DECLARE_EXCEPTION(EVariantTypeCastError, EVariantError)
LT_DECLARE_EXCEPTION(EVariantBadIndexError, EVariantError)
LT_DECLARE_EXCEPTION(EMathError, Exception)
LT_DECLARE_EXCEPTION(EOverflow, EMathError)
LT_DECLARE_EXCEPTION(EZeroDivide, EMathError)
LT_DECLARE_EXCEPTION(EInvalidOp, EMathError)
LT_DECLARE_EXCEPTION(ERangeError, Exception)
LT_DECLARE_EXCEPTION(EStreamError, Exception)
LT_DECLARE_EXCEPTION(EFileStreamError, EStreamError)
LT_DECLARE_EXCEPTION(EFCreateError, EFileStreamError)
LT_DECLARE_EXCEPTION(EFOpenError, EFileStreamError)
LT_DECLARE_EXCEPTION(EReadError, EStreamError)
LT_DECLARE_EXCEPTION(EWriteError, EStreamError)
LT_DECLARE_EXCEPTION(EFilerError, EStreamError)
LT_DECLARE_EXCEPTION(EClassNotFound, EFilerError)
LT_DECLARE_EXCEPTION(EListError, Exception)
LT_DECLARE_EXCEPTION(EStringListError, EListError)
LT_DECLARE_EXCEPTION(EComponentError, Exception)
LT_DECLARE_EXCEPTION(EAssertionFailed, Exception)
LT_DECLARE_EXCEPTION(EInvalidOperation, Exception)
LT_DECLARE_EXCEPTION(EInvalidPointer, Exception)
LT_DECLARE_EXCEPTION(EAbort, Exception)
LT_DECLARE_EXCEPTION(EOutOfResources, Exception)
LT_DECLARE_EXCEPTION(EOSError, Exception)
LT_DECLARE_EXCEPTION(EResNotFound, Exception)
LT_DECLARE_EXCEPTION(EDatabaseError, Exception)

// Raises EAbort: a silent exception that unwinds without a message box.
[[noreturn]] void Abort();

// Raises EAssertionFailed with the message unless the condition holds.
void Assert(bool condition, const std::string& message = "Assertion failed");
