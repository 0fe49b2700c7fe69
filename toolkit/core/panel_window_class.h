// The window class shared by every panel of the module, named "Plugin%08x"
// after the module's instance handle so that two plug-in modules in one
// host never share a class. Registered by the first panel, unregistered with
// the last.
#pragma once

#include <cstdint>

// Counts one more user, registering the class for the first; answers its name.
const char* retainPanelWindowClass();
// Counts one user less, unregistering the class with the last.
void releasePanelWindowClass();
std::int32_t panelWindowClassUsers();
// The name for the current module handle.
void formatPanelWindowClassName(char (&name)[32]);
