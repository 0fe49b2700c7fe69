#include "effects/reverb/engine/cpu_features.h"

bool cpuHasAvx2()
{
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
    // libgcc checks the CPUID bit and that the OS has enabled the YMM state.
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") != 0;
#else
    return false;
#endif
}

bool cpuHasAvx512()
{
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512vl") &&
           __builtin_cpu_supports("avx512dq") && cpuHasAvx2();
#else
    return false;
#endif
}
