#include "effects/Processor.h"

#if defined(__i386__) || defined(__x86_64__)
#include <cpuid.h>
#include <mmintrin.h>

bool HasMmx()
{
    static const bool mmx = [] {
        unsigned eax, ebx, ecx, edx;
        // __get_cpuid checks that the identification instruction exists (the flag toggle).
        if (!__get_cpuid(1, &eax, &ebx, &ecx, &edx)) return false;
        return ((eax >> 8) & 15) >= 5 && (edx & (1u << 23)) != 0;
    }();
    return mmx;
}

__attribute__((target("mmx"))) static void Empty() { _mm_empty(); }

void EndMmxState()
{
    if (HasMmx()) Empty();
}
#else
bool HasMmx() { return false; }
void EndMmxState() {}
#endif
