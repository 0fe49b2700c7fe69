// A host callback that records what effects send it and answers from a
// table the test fills in. The callback is a plain function, so the
// recording lives in one global the tests reset.
#pragma once

#include "framework/plug_interface.h"

#include <map>
#include <vector>

struct HostCall {
    EffectRecord* effect;
    std::int32_t opcode;
    std::int32_t index;
    PlugInt value;
    void* ptr;
    float opt;
};

struct FakeHost {
    std::vector<HostCall> calls;
    std::map<std::int32_t, PlugInt> answers; // opcode -> answer; others answer 0

    static FakeHost& instance()
    {
        static FakeHost host;
        return host;
    }

    static void reset()
    {
        instance().calls.clear();
        instance().answers.clear();
        instance().answers[HostVersion] = 2400;
    }

    static PlugInt callback(EffectRecord* effect, std::int32_t opcode, std::int32_t index, PlugInt value, void* ptr,
                            float opt)
    {
        FakeHost& host = instance();
        host.calls.push_back({effect, opcode, index, value, ptr, opt});
        auto answer = host.answers.find(opcode);
        return answer == host.answers.end() ? 0 : answer->second;
    }
};
