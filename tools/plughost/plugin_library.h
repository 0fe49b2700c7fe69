// A plug-in module loaded into this process and its entry function. Each
// platform has its own source: dlopen on Linux, LoadLibrary on Windows.
#pragma once

#include "framework/plug_interface.h"

#include <string>

class PluginLibrary {
public:
    // Loads the module at an absolute path; throws HostError with the reason.
    explicit PluginLibrary(const std::string& absolutePath);
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    // The plug-in's entry, or null when the module exports none.
    PluginMainFunction entry() const;

    // The exported names entry() looks for, for messages.
    static const char* entryNames();

private:
    void* handle;
};
