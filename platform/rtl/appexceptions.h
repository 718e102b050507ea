#pragma once
// The application's exception handler: where an exception goes that
// main-thread code catches because no caller is there to take it, such as an
// event handler run for a background thread or a component's OnOpen handler.
// The window layer's application object installs a handler that shows the
// message in a message box; until one is installed the message goes to the
// standard error stream. EAbort is silent either way.
#include <exception>
#include <functional>

class TObject;

using TExceptionHandler = std::function<void(TObject* Sender, const std::exception_ptr& E)>;

// An empty handler restores the standard error stream.
void SetApplicationExceptionHandler(TExceptionHandler Handler);
// Call inside a catch block: hands the exception being handled to the handler.
void ApplicationHandleException(TObject* Sender);
