// PlugEffect: the base of every effect. It owns the effect record the host
// drives, answers the basic opcodes 0 to 24 and offers the small operations
// effects build on (declarations, host questions, number texts). Effects
// override the virtual operations; the record's entry points only forward.
#pragma once

#include "framework/framework_level.h"
#include "framework/plug_interface.h"

#include <cstdint>

class PlugEditor;

class PlugEffect {
public:
    PlugEffect(HostCallback host, std::int32_t programCount, std::int32_t paramCount);
    PlugEffect(const PlugEffect&) = delete;
    PlugEffect& operator=(const PlugEffect&) = delete;

    // Slot order follows the effect's documented table.
    virtual void destroy();
    virtual void setParam(std::int32_t index, float value);
    virtual float getParam(std::int32_t index);
    virtual void setParamAndNotify(std::int32_t index, float value);
    virtual void processAdding(float** inputs, float** outputs, std::int32_t frames) = 0;
    virtual void processOverwriting(float** inputs, float** outputs, std::int32_t frames);
    virtual PlugInt dispatch(std::int32_t opcode, std::int32_t index, PlugInt value, void* ptr, float opt);
    virtual void onOpen();
    virtual void onClose();
    virtual std::int32_t currentProgram();
    virtual void selectProgram(std::int32_t number);
    virtual void renameProgram(char* text);
    virtual void copyProgramName(char* text);
    virtual void copyParamUnit(std::int32_t index, char* text);
    virtual void copyParamValueText(std::int32_t index, char* text);
    virtual void copyParamTitle(std::int32_t index, char* text);
    virtual float meterLevel();
    virtual std::int32_t saveChunk(void** data, bool isPreset);
    virtual std::int32_t loadChunk(void* data, std::int32_t size, bool isPreset);
    virtual void changeSampleRate(float rate);
    virtual void changeBlockSize(std::int32_t frames);
    virtual void onSuspend();
    virtual void onResume();
    virtual void setEffectId(std::int32_t id);
    virtual void setInputCount(std::int32_t n);
    virtual void setOutputCount(std::int32_t n);
    virtual void declareMeter(bool on);
    virtual void declareClip(bool on);
    virtual void declareMono(bool on);
    virtual void declareOverwriting(bool on);
    virtual void declareChunks(bool on);
    virtual void setRealtimeQuality(std::int32_t count);
    virtual void setOfflineQuality(std::int32_t count);
    virtual void setLatency(std::int32_t frames);
    virtual float sampleRate();
    virtual std::int32_t blockSize();
    virtual std::int32_t askHostVersion();
    virtual PlugInt askHostCurrentId();
    virtual PlugInt askHostIdle();
    virtual bool isInputWired(std::int32_t pin);
    virtual bool isOutputWired(std::int32_t pin);
    // Number texts. At level 1 they are inert: they write nothing.
    virtual void decibelText(float gain, char* text);
    virtual void hertzText(float samples, char* text);
    virtual void millisText(float samples, char* text);
    virtual void numberText(float value, char* text);
    virtual void integerText(std::int32_t value, char* text);

    void attachEditor(PlugEditor* editor);
    PlugEditor* attachedEditor() const { return editorAttached; }
    EffectRecord* record() { return &effectRecord; }
    HostCallback hostCallback() const { return host; }
    std::int32_t programCount() const { return programTotal; }
    std::int32_t paramCount() const { return paramTotal; }

    // The effect behind a record the host hands back to us.
    static PlugEffect* fromRecord(EffectRecord* record)
    {
        return static_cast<PlugEffect*>(record->object);
    }

protected:
    virtual ~PlugEffect();

    // Calls the host; the caller has checked that there is a callback.
    PlugInt callHost(std::int32_t opcode, std::int32_t index = 0, PlugInt value = 0, void* ptr = nullptr,
                     float opt = 0.0f);
    void setFlag(std::int32_t flag, bool on);

    float storedSampleRate = 44100.0f;
    PlugEditor* editorAttached = nullptr;
    HostCallback host;
    std::int32_t programTotal;
    std::int32_t paramTotal;
    std::int32_t programNumber = 0;
    std::int32_t storedBlockSize = 1024;
    EffectRecord effectRecord;
};
