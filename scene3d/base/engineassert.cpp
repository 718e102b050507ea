#include "scene3d/base/engineassert.h"

#include "platform/rtl/exceptions.h"

void EngineAssert(bool condition, const std::string& message)
{
    Assert(condition, message);
}
