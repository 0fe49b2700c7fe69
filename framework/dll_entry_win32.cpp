// The loader's entry into the DLL: it only remembers the module handle.
#include "framework/module_state.h"

#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD, LPVOID)
{
    moduleHandle = instance;
    return TRUE;
}
