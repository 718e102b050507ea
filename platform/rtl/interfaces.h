#pragma once
// Interfaces: abstract classes that components implement beside their class
// line. An interface carries its identity (a GUID) for messages and
// descriptions; looking one up on an object is a checked cast. Components
// that implement interfaces keep their ordinary ownership: an interface
// reference never frees the object.
#include <cstdint>

struct TGUID {
    uint32_t D1 = 0;
    uint16_t D2 = 0;
    uint16_t D3 = 0;
    uint8_t D4[8] = {};

    friend constexpr bool operator==(const TGUID&, const TGUID&) = default;
};

class IUnknown {
public:
    virtual ~IUnknown() = default;

protected:
    IUnknown() = default;
    IUnknown(const IUnknown&) = default;
    IUnknown& operator=(const IUnknown&) = default;
};

// The interface I of Instance, or nullptr when Instance is null or does not
// implement it.
template <class I, class T>
I* Supports(T* Instance)
{
    return dynamic_cast<I*>(Instance);
}
