// Which SIMD code the engine runs: SSE2, which every target assumes, or
// AVX2 or AVX-512 once the processor is known to have them. All give the
// same bits.
#pragma once

enum class SimdKernel { Sse2, Avx2, Avx512 };

// AVX2, and an operating system that saves the wide registers.
bool cpuHasAvx2();
// AVX-512 F, VL and DQ, and an operating system that saves their state.
bool cpuHasAvx512();

inline bool simdKernelSupported(SimdKernel kernel)
{
    switch (kernel) {
    case SimdKernel::Avx2: return cpuHasAvx2();
    case SimdKernel::Avx512: return cpuHasAvx512();
    default: return true;
    }
}

// What the engine runs unless told otherwise.
inline SimdKernel widestSimdKernel()
{
    return cpuHasAvx512() ? SimdKernel::Avx512 : (cpuHasAvx2() ? SimdKernel::Avx2 : SimdKernel::Sse2);
}

inline const char* simdKernelName(SimdKernel kernel)
{
    switch (kernel) {
    case SimdKernel::Avx2: return "avx2";
    case SimdKernel::Avx512: return "avx512";
    default: return "sse2";
    }
}
