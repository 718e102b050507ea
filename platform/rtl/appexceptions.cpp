#include "platform/rtl/appexceptions.h"

#include <iostream>
#include <utility>

#include "platform/rtl/exceptions.h"

namespace {

TExceptionHandler& InstalledHandler()
{
    static TExceptionHandler handler;
    return handler;
}

bool IsAbort(const std::exception_ptr& E)
{
    try {
        std::rethrow_exception(E);
    } catch (const EAbort&) {
        return true;
    } catch (...) {
        return false;
    }
}

void WriteToStandardError(const std::exception_ptr& E)
{
    try {
        std::rethrow_exception(E);
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
    } catch (...) {
        std::cerr << "Unknown exception\n";
    }
}

} // namespace

void SetApplicationExceptionHandler(TExceptionHandler Handler)
{
    InstalledHandler() = std::move(Handler);
}

void ApplicationHandleException(TObject* Sender)
{
    const std::exception_ptr current = std::current_exception();
    if (!current || IsAbort(current))
        return;
    if (const TExceptionHandler& handler = InstalledHandler())
        handler(Sender, current);
    else
        WriteToStandardError(current);
}
