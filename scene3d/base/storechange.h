#pragma once
// The engine's setters store a value only when it differs from the one they
// hold, and act only then.

// Field := Value when they differ; whether it did.
template <class T>
bool StoreChange(T& Field, const T& Value)
{
    if (Field == Value)
        return false;
    Field = Value;
    return true;
}
