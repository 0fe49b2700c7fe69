// How a fake plug-in exports its entry under the name "main": on Windows a
// .def file renames fakeMain; elsewhere the symbol is named in assembly,
// since C++ cannot call a function of ours main.
#pragma once

#include "framework/plug_interface.h"

#ifdef _WIN32
#define FAKE_ENTRY extern "C"
#define FAKE_ENTRY_SYMBOL
#else
#define FAKE_ENTRY extern "C" __attribute__((visibility("default")))
#define FAKE_ENTRY_SYMBOL __asm__("main")
#endif

FAKE_ENTRY EffectRecord* fakeMain(HostCallback host) FAKE_ENTRY_SYMBOL;
