// PlugEffect2: the extended dialogue with the host, at framework levels 2
// and 3. It adds the operations behind opcodes 25 and up (level 2 stops at
// 58), the host questions and notices (host opcodes 6 to 49) and, at level
// 3, the speaker-layout helpers. It holds no state of its own.
#pragma once

#include "framework/plug_effect.h"
#include "framework/speaker_layout.h"

#if FRAMEWORK_LEVEL < 2
#error "PlugEffect2 exists only at framework levels 2 and 3"
#endif

class PlugEffect2 : public PlugEffect {
public:
    PlugEffect2(HostCallback host, std::int32_t programCount, std::int32_t paramCount);

    PlugInt dispatch(std::int32_t opcode, std::int32_t index, PlugInt value, void* ptr, float opt) override;

    // Slot order follows the documented table; level-3-only entries are marked.
#if FRAMEWORK_LEVEL >= 3
    virtual PlugEditor* editor();
#endif
    virtual PlugInt askHostEvents(PlugInt filter);
    virtual PlugInt askHostTimeInfo(PlugInt filter);
    virtual PlugInt askHostTempoAt(PlugInt position);
    virtual PlugInt receiveEvents(void* events);
    virtual PlugInt askHostAutomatableCount();
    virtual PlugInt askHostParamQuantization();
    virtual bool isParamAutomatable(std::int32_t index);
    virtual bool paramFromText(std::int32_t index, char* text);
    virtual float channelParam(std::int32_t channel, std::int32_t index);
    virtual PlugInt programCategoryCount();
    virtual bool programNameAt(std::int32_t category, std::int32_t program, char* text);
    virtual bool copyProgramTo(std::int32_t destination);
    virtual bool tellHostIoChanged();
    virtual bool askHostNeedIdle();
    virtual bool askHostResize(std::int32_t width, std::int32_t height);
    virtual float refreshSampleRate();
    virtual std::int32_t refreshBlockSize();
    virtual PlugInt askHostInputLatency();
    virtual PlugInt askHostOutputLatency();
    virtual PlugInt askHostPreviousEffect(std::int32_t input);
    virtual PlugInt askHostNextEffect(std::int32_t output);
    virtual void onInputWired(std::int32_t pin, bool wired);
    virtual void onOutputWired(std::int32_t pin, bool wired);
    virtual bool inputPinInfo(std::int32_t pin, void* info);
    virtual bool outputPinInfo(std::int32_t pin, void* info);
    virtual PlugInt category();
    virtual PlugInt askHostAddOrOverwrite();
    virtual PlugInt askHostProcessLevel();
    virtual PlugInt askHostAutomationState();
    virtual void declareAsync(bool on);
    virtual void declareExternalBuffer(bool on);
    virtual PlugInt currentPosition();
    virtual void* destinationBuffer();
    virtual bool askHostOfflineRead(void* task, PlugInt option, bool readSource);
    virtual bool askHostOfflineWrite(void* task, PlugInt option);
    virtual bool askHostOfflineStart(void* files, PlugInt count, std::int32_t newCount);
    virtual bool askHostOfflinePass();
    virtual bool askHostOfflineMetaPass();
    virtual bool onOfflineNotify(void* files, PlugInt count, bool start);
    virtual bool prepareOffline(void* task, PlugInt count);
    virtual bool runOffline(void* task, PlugInt count);
    virtual std::int32_t offlinePassCount();
    virtual std::int32_t offlineMetaPassCount();
    virtual PlugInt tellHostOutputRate(float rate);
#if FRAMEWORK_LEVEL >= 3
    virtual PlugInt askHostInputLayout();
    virtual PlugInt askHostOutputLayout();
#else
    virtual bool askHostSpeakerLayouts(PlugInt input, void* output);
#endif
    virtual bool askHostVendor(char* text);
    virtual bool askHostProduct(char* text);
    virtual PlugInt askHostVendorVersion();
    virtual PlugInt askHostVendorCall(std::int32_t index, PlugInt value, void* ptr, float opt);
    virtual bool askHostSupports(const char* name);
    virtual void declareInstrument(bool on);
    virtual void declareSilentWhenStopped(bool on);
    virtual PlugInt askHostLanguage();
    virtual PlugInt askHostOpenWindow(void* window);
    virtual bool askHostCloseWindow(void* window);
    virtual PlugInt askHostDirectory();
    virtual bool tellHostRefresh();
    virtual bool processVarying(void* io);
    virtual bool setSpeakerLayouts(PlugInt inputLayout, void* outputLayout);
#if FRAMEWORK_LEVEL >= 3
    virtual bool getSpeakerLayouts(SpeakerLayout** inputLayout, SpeakerLayout** outputLayout);
#endif
    virtual bool setBlockAndRate(std::int32_t frames, float rate);
    virtual bool switchBypass(bool on);
    virtual bool copyEffectName(char* text);
    virtual bool copyErrorText(char* text);
    virtual bool copyVendorText(char* text);
    virtual bool copyProductText(char* text);
    virtual PlugInt vendorVersion();
    virtual PlugInt vendorCall(std::int32_t index, PlugInt value, void* ptr, float opt);
    virtual PlugInt supports(const char* name);
    virtual void* icon();
    virtual bool moveView(std::int32_t x, std::int32_t y);
    virtual PlugInt tailLength();
    virtual PlugInt onIdle();
    virtual bool paramInfo(std::int32_t index, void* info);
    virtual bool needsKeys();
    virtual PlugInt interfaceVersion();
#if FRAMEWORK_LEVEL >= 3
    virtual PlugInt midiProgramName(std::int32_t channel, void* name);
    virtual PlugInt currentMidiProgram(std::int32_t channel, void* name);
    virtual PlugInt midiProgramCategory(std::int32_t channel, void* category);
    virtual bool midiProgramsChanged(std::int32_t channel);
    virtual bool midiKeyName(std::int32_t channel, void* keyName);
    virtual bool beginProgramChange();
    virtual bool endProgramChange();
    virtual bool tellHostEditBegin(std::int32_t index);
    virtual bool tellHostEditEnd(std::int32_t index);
    virtual bool askHostOpenFileDialog(void* request);
    virtual PlugInt setTotalSamples(PlugInt samples);
    virtual PlugInt nextShellEffect(char* name);
    virtual PlugInt startProcessing();
    virtual PlugInt stopProcessing();
    virtual bool choosePanLaw(PlugInt type, float gain);
    virtual PlugInt beginBankLoad(void* info);
    virtual PlugInt beginProgramLoad(void* info);
    virtual bool allocLayout(SpeakerLayout** layout, std::int32_t channels);
    virtual bool freeLayout(SpeakerLayout** layout);
    virtual bool cloneSpeaker(SpeakerInfo* to, const SpeakerInfo* from);
    virtual bool matchLayout(SpeakerLayout** layout, const SpeakerLayout* from);
#endif

protected:
    ~PlugEffect2() override = default;

private:
    PlugInt dispatchExtended(std::int32_t opcode, std::int32_t index, PlugInt value, void* ptr, float opt,
                             bool& handled);
};
