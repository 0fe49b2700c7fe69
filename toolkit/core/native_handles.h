// Handles of the platform's drawing and window objects, opaque to the
// portable toolkit: only the platform files know what they point at (on
// Windows a device context, a window, a GDI object).
#pragma once

using NativeSurface = void*;
using NativeWindow = void*;
using NativeObject = void*;
