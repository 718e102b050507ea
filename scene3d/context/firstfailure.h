#pragma once
// Work that must run to its end even when a step fails keeps the first
// failure and raises it afterwards.
#include <exception>

// Call in a catch block: remembers the exception unless one came before.
inline void KeepFirst(std::exception_ptr& First)
{
    if (!First)
        First = std::current_exception();
}
