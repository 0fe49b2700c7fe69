// Which SIMD code the engine runs: SSE2, which every target assumes, or
// AVX2 once the processor is known to have it. Both give the same bits.
#pragma once

enum class SimdKernel { Sse2, Avx2 };

// AVX2, and an operating system that saves the wide registers.
bool cpuHasAvx2();

inline bool simdKernelSupported(SimdKernel kernel) { return kernel == SimdKernel::Sse2 || cpuHasAvx2(); }
