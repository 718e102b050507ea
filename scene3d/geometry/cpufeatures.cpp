#include "scene3d/geometry/cpufeatures.h"

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#endif

namespace {

bool ProcessorReports3DNow()
{
#if defined(__x86_64__) || defined(__i386__)
    unsigned eax = 0;
    unsigned ebx = 0;
    unsigned ecx = 0;
    unsigned edx = 0;
    // __get_cpuid checks that the extended leaf exists before asking for it.
    if (__get_cpuid(0x80000001, &eax, &ebx, &ecx, &edx) == 0)
        return false;
    return (edx & (1u << 31)) != 0;
#else
    return false;
#endif
}

const bool Reports3DNow = ProcessorReports3DNow();

}  // namespace

bool Has3DNow()
{
    return Reports3DNow;
}
