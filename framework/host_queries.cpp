// The questions and notices an effect can send its host: one callback each.
// Without a callback every question answers its fallback.
#include "framework/plug_effect2.h"

PlugInt PlugEffect2::askHostEvents(PlugInt filter)
{
    return host != nullptr ? callHost(HostWantEvents, 0, filter) : 0;
}

PlugInt PlugEffect2::askHostTimeInfo(PlugInt filter)
{
    return host != nullptr ? callHost(HostTimeInfo, 0, filter) : 0;
}

PlugInt PlugEffect2::askHostTempoAt(PlugInt position)
{
    return host != nullptr ? callHost(HostTempoAt, 0, position) : 0;
}

PlugInt PlugEffect2::askHostAutomatableCount()
{
    return host != nullptr ? callHost(HostAutomatableCount) : 0;
}

PlugInt PlugEffect2::askHostParamQuantization()
{
    return host != nullptr ? callHost(HostParamQuantization) : 0;
}

bool PlugEffect2::tellHostIoChanged()
{
    return host != nullptr && callHost(HostIoChanged) != 0;
}

bool PlugEffect2::askHostNeedIdle()
{
    return host != nullptr && callHost(HostNeedIdle) != 0;
}

bool PlugEffect2::askHostResize(std::int32_t width, std::int32_t height)
{
    return host != nullptr && callHost(HostResizeWindow, width, height) != 0;
}

float PlugEffect2::refreshSampleRate()
{
    if (host != nullptr) {
        const PlugInt answer = callHost(HostSampleRate);
        if (answer > 0)
            storedSampleRate = static_cast<float>(answer);
    }
    return storedSampleRate;
}

std::int32_t PlugEffect2::refreshBlockSize()
{
    if (host != nullptr) {
        const PlugInt answer = callHost(HostBlockSize);
        if (answer > 0 && answer <= INT32_MAX)
            storedBlockSize = static_cast<std::int32_t>(answer);
    }
    return storedBlockSize;
}

PlugInt PlugEffect2::askHostInputLatency()
{
    return host != nullptr ? callHost(HostInputLatency) : 0;
}

PlugInt PlugEffect2::askHostOutputLatency()
{
    return host != nullptr ? callHost(HostOutputLatency) : 0;
}

// The host finds the neighbours itself: the pin number is not sent.
PlugInt PlugEffect2::askHostPreviousEffect(std::int32_t)
{
    return host != nullptr ? callHost(HostPreviousEffect) : 0;
}

PlugInt PlugEffect2::askHostNextEffect(std::int32_t)
{
    return host != nullptr ? callHost(HostNextEffect) : 0;
}

PlugInt PlugEffect2::askHostAddOrOverwrite()
{
    return host != nullptr ? callHost(HostAddOrOverwrite) : 0;
}

PlugInt PlugEffect2::askHostProcessLevel()
{
    return host != nullptr ? callHost(HostProcessLevel) : 0;
}

PlugInt PlugEffect2::askHostAutomationState()
{
    return host != nullptr ? callHost(HostAutomationState) : 0;
}

bool PlugEffect2::askHostOfflineStart(void* files, PlugInt count, std::int32_t newCount)
{
    return host != nullptr && callHost(HostOfflineStart, newCount, count, files) != 0;
}

bool PlugEffect2::askHostOfflineRead(void* task, PlugInt option, bool readSource)
{
    return host != nullptr && callHost(HostOfflineRead, readSource ? 1 : 0, option, task) != 0;
}

bool PlugEffect2::askHostOfflineWrite(void* task, PlugInt option)
{
    return host != nullptr && callHost(HostOfflineWrite, 0, option, task) != 0;
}

bool PlugEffect2::askHostOfflinePass()
{
    return host != nullptr && callHost(HostOfflinePass) != 0;
}

bool PlugEffect2::askHostOfflineMetaPass()
{
    return host != nullptr && callHost(HostOfflineMetaPass) != 0;
}

PlugInt PlugEffect2::tellHostOutputRate(float rate)
{
    return host != nullptr ? callHost(HostSetOutputRate, 0, 0, nullptr, rate) : 0;
}

#if FRAMEWORK_LEVEL >= 3
PlugInt PlugEffect2::askHostOutputLayout()
{
    return host != nullptr ? callHost(HostOutputLayout) : 0;
}

PlugInt PlugEffect2::askHostInputLayout()
{
    return host != nullptr ? callHost(HostInputLayout) : 0;
}
#else
bool PlugEffect2::askHostSpeakerLayouts(PlugInt input, void* output)
{
    return host != nullptr && callHost(HostSpeakerLayouts, 0, input, output) != 0;
}
#endif

bool PlugEffect2::askHostVendor(char* text)
{
    return host != nullptr && callHost(HostVendorText, 0, 0, text) != 0;
}

bool PlugEffect2::askHostProduct(char* text)
{
    return host != nullptr && callHost(HostProductText, 0, 0, text) != 0;
}

PlugInt PlugEffect2::askHostVendorVersion()
{
    return host != nullptr ? callHost(HostVendorVersion) : 0;
}

PlugInt PlugEffect2::askHostVendorCall(std::int32_t index, PlugInt value, void* ptr, float opt)
{
    return host != nullptr ? callHost(HostVendorCall, index, value, ptr, opt) : 0;
}

bool PlugEffect2::askHostSupports(const char* name)
{
    return host != nullptr && callHost(HostSupports, 0, 0, const_cast<char*>(name)) != 0;
}

PlugInt PlugEffect2::askHostLanguage()
{
    return host != nullptr ? callHost(HostLanguage) : 0;
}

PlugInt PlugEffect2::askHostOpenWindow(void* window)
{
    return host != nullptr ? callHost(HostOpenWindow, 0, 0, window) : 0;
}

bool PlugEffect2::askHostCloseWindow(void* window)
{
    return host != nullptr && callHost(HostCloseWindow, 0, 0, window) != 0;
}

PlugInt PlugEffect2::askHostDirectory()
{
    return host != nullptr ? callHost(HostDirectory) : 0;
}

bool PlugEffect2::tellHostRefresh()
{
    return host != nullptr && callHost(HostRefresh) != 0;
}

#if FRAMEWORK_LEVEL >= 3
bool PlugEffect2::tellHostEditBegin(std::int32_t index)
{
    return host != nullptr && callHost(HostEditBegin, index) != 0;
}

bool PlugEffect2::tellHostEditEnd(std::int32_t index)
{
    return host != nullptr && callHost(HostEditEnd, index) != 0;
}

bool PlugEffect2::askHostOpenFileDialog(void* request)
{
    return host != nullptr && request != nullptr && callHost(HostOpenFileDialog, 0, 0, request) != 0;
}
#endif
