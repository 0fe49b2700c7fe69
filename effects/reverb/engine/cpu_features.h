// What the processor running us offers beyond the SSE2 every target assumes.
#pragma once

// AVX2, and an operating system that saves the wide registers.
bool cpuHasAvx2();
