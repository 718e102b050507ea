#include "exceptions.h"

void Abort()
{
    throw EAbort("Operation aborted");
}

void Assert(bool condition, const std::string& message)
{
    if (!condition)
        throw EAssertionFailed(message);
}
