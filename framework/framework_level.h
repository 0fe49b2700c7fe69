// Each deliverable builds the framework at the level it needs:
//   1 - basic opcodes 0 to 24 only (the reverb),
//   2 - opcodes 0 to 58, padded number texts (the panner),
//   3 - opcodes 0 to 76, the full form (gain and mono).
// The build sets FRAMEWORK_LEVEL; one source serves all three.
#pragma once

#ifndef FRAMEWORK_LEVEL
#error "FRAMEWORK_LEVEL must be set by the build (1, 2 or 3)"
#endif

#if FRAMEWORK_LEVEL < 1 || FRAMEWORK_LEVEL > 3
#error "FRAMEWORK_LEVEL must be 1, 2 or 3"
#endif

constexpr int FrameworkLevel = FRAMEWORK_LEVEL;
