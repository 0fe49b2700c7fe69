// Seeded random calls into one plug-in, as a careless host might make them:
// every opcode from -8 to 128 with edge indices, values and options, the
// pointer null, a small zeroed buffer or a large one, parameter calls with
// odd values, and process calls of random lengths in between. Run under the
// sanitizers, so a crash, a read or write past any buffer, or undefined
// behaviour ends the run. Texts written into the large buffer are checked to
// stay within what the interface allows and to be terminated.
//
// With --finite, every output sample must also be finite: for plug-ins
// none of whose parameters is a plain linear factor.
//
// dispatcher_fuzz PLUGIN.so NAME [--calls N] [--seed S] [--finite 1] [--report FILE.md]

#include "framework/host_text.h"
#include "framework/plug_interface.h"
#include "tests/support/plugin_library.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr std::size_t LargeSize = 4096;
constexpr unsigned char Fill = 0xA5;
constexpr std::int32_t MaxFrames = 4096;

int failures = 0;

void fail(const char* what, std::int32_t opcode, std::int32_t index)
{
    std::fprintf(stderr, "FAULT: %s (opcode %d, index %d)\n", what, opcode, index);
    ++failures;
}

// How an opcode uses its pointer (and for two opcodes its value).
enum class Use { Plain, TextOut, TextIn, Struct, ChunkGet, ChunkSet, RectGet, SpeakersSet, SpeakersGet, NullOnly, Close };

struct OpcodeUse {
    Use use;
    std::size_t textMax; // for TextOut: characters allowed, terminator apart
};

OpcodeUse useOf(std::int32_t opcode)
{
    switch (opcode) {
    case OpClose:
        return {Use::Close, 0};
    case OpGetProgramName:
    case OpProgramNameAt:
        return {Use::TextOut, ProgramNameMax};
    case OpGetParamUnit:
    case OpGetParamText:
    case OpGetParamTitle:
        return {Use::TextOut, ParamTextMax};
    case OpEffectName:
    case OpErrorText:
    case OpVendorText:
    case OpProductText:
    case OpNextShellEffect:
        return {Use::TextOut, IdentityTextMax};
    case OpSetProgramName:
    case OpParamFromText:
    case OpSupports:
        return {Use::TextIn, 0};
    case OpEvents:
    case OpInputInfo:
    case OpOutputInfo:
    case OpOfflineNotify:
    case OpOfflinePrepare:
    case OpOfflineRun:
    case OpVaryingIo:
    case OpVendorCall:
    case OpParamInfo:
    case OpMidiProgramName:
    case OpCurrentMidiProgram:
    case OpMidiProgramCategory:
    case OpMidiKeyName:
    case OpBeginBankLoad:
    case OpBeginProgramLoad:
        return {Use::Struct, 0};
    case OpGetChunk:
        return {Use::ChunkGet, 0};
    case OpSetChunk:
        return {Use::ChunkSet, 0};
    case OpEditorRect:
        return {Use::RectGet, 0};
    case OpSetSpeakers:
        return {Use::SpeakersSet, 0};
    case OpGetSpeakers:
        return {Use::SpeakersGet, 0};
    case OpEditorOpen:
        // Natively there is no window to give; a parent is a Windows matter.
        return {Use::NullOnly, 0};
    default:
        return {Use::Plain, 0};
    }
}

class Fuzzer {
public:
    Fuzzer(const PluginLibrary& library, std::uint32_t seed) : library(library), random(seed) { reopen(); }
    ~Fuzzer() { closeEffect(effect); }

    void step()
    {
        const int kind = pick(10);
        if (kind == 0)
            process();
        else if (kind == 1)
            setParam();
        else if (kind == 2)
            effect->getParam(effect, edgeIndex()), ++calls;
        else
            dispatch(static_cast<std::int32_t>(pick(137)) - 8);
    }

    // No parameter of this plug-in is a plain linear factor: whatever the
    // calls, finite input must give finite output.
    bool requireFinite = false;
    long long calls = 0;
    long long processCalls = 0;
    long long reopenings = 0;

private:
    int pick(int n) { return static_cast<int>(random() % static_cast<std::uint32_t>(n)); }

    void reopen()
    {
        effect = library.open();
        blockSize = 512;
        ++reopenings;
    }

    std::int32_t edgeIndex()
    {
        const std::int32_t programs = effect->programCount;
        const std::int32_t params = effect->paramCount;
        const std::int32_t table[] = {0,          -1,         1,         2,          1000,       1 << 20,
                                      INT32_MIN,  INT32_MAX,  programs,  programs + 1, programs - 1, params,
                                      params + 1, params - 1, 64,        -1000};
        return table[pick(sizeof table / sizeof table[0])];
    }

    PlugInt edgeValue()
    {
        if (pick(8) == 0) {
            const PlugInt wide[] = {std::numeric_limits<PlugInt>::min(), std::numeric_limits<PlugInt>::max(),
                                    PlugInt(1) << 40, -(PlugInt(1) << 40)};
            return wide[pick(4)];
        }
        return edgeIndex();
    }

    float edgeFloat()
    {
        const float table[] = {0.0f,
                               -0.0f,
                               1.0f,
                               -1.0f,
                               0.5f,
                               44100.0f,
                               48000.0f,
                               192000.0f,
                               1.0f,
                               std::numeric_limits<float>::quiet_NaN(),
                               std::numeric_limits<float>::infinity(),
                               -std::numeric_limits<float>::infinity(),
                               std::numeric_limits<float>::max(),
                               -std::numeric_limits<float>::max(),
                               std::numeric_limits<float>::denorm_min(),
                               1e-30f,
                               1e30f,
                               2.0f,
                               100.0f};
        return table[pick(sizeof table / sizeof table[0])];
    }

    void setParam()
    {
        effect->setParam(effect, edgeIndex(), edgeFloat());
        ++calls;
    }

    void process()
    {
        const std::int32_t limit = blockSize > MaxFrames ? MaxFrames : blockSize;
        const std::int32_t frames = limit > 0 ? pick(limit + 1) : 0;
        const std::int32_t ins = effect->inputCount;
        const std::int32_t outs = effect->outputCount;
        if (ins < 0 || outs < 0 || ins > 64 || outs > 64) {
            fail("pin counts out of any sane range", -100, ins);
            return;
        }
        // Each channel exactly as long as the call says, so any overrun is seen.
        std::vector<float*> in(static_cast<std::size_t>(ins) + 1, nullptr);
        std::vector<float*> out(static_cast<std::size_t>(outs) + 1, nullptr);
        std::uniform_real_distribution<float> sample(-1.0f, 1.0f);
        for (std::int32_t c = 0; c < ins; ++c) {
            in[c] = new float[static_cast<std::size_t>(frames)];
            for (std::int32_t i = 0; i < frames; ++i)
                in[c][i] = sample(random);
        }
        for (std::int32_t c = 0; c < outs; ++c) {
            out[c] = new float[static_cast<std::size_t>(frames)];
            std::fill(out[c], out[c] + frames, 0.0f);
        }
        if (effect->processOverwriting != nullptr && pick(2) == 0)
            effect->processOverwriting(effect, in.data(), out.data(), frames);
        else
            effect->processAdding(effect, in.data(), out.data(), frames);
        if (requireFinite)
            for (std::int32_t c = 0; c < outs; ++c)
                for (std::int32_t i = 0; i < frames; ++i)
                    if (!std::isfinite(out[c][i])) {
                        fail("non-finite output from finite input", -100, c);
                        c = outs;
                        break;
                    }
        for (float* p : in)
            delete[] p;
        for (float* p : out)
            delete[] p;
        ++calls;
        ++processCalls;
    }

    // A text the interface limits: either left alone, or terminated within
    // the limit with nothing written past it.
    void checkText(const unsigned char* buffer, std::size_t max, std::int32_t opcode, std::int32_t index)
    {
        bool untouched = true;
        for (std::size_t i = 0; i < LargeSize && untouched; ++i)
            untouched = buffer[i] == Fill;
        if (untouched)
            return;
        if (std::memchr(buffer, 0, max + 1) == nullptr)
            fail("text not terminated within the interface's length", opcode, index);
        for (std::size_t i = max + 1; i < LargeSize; ++i)
            if (buffer[i] != Fill) {
                fail("text written past the interface's length", opcode, index);
                break;
            }
    }

    std::string randomText()
    {
        const int length = pick(4) == 0 ? pick(300) : pick(40);
        std::string text;
        for (int i = 0; i < length; ++i)
            text.push_back(static_cast<char>(1 + pick(255)));
        return text;
    }

    void dispatch(std::int32_t opcode)
    {
        const OpcodeUse use = useOf(opcode);
        const std::int32_t index = edgeIndex();
        PlugInt value = edgeValue();
        const float opt = edgeFloat();
        ++calls;

        switch (use.use) {
        case Use::Close:
            closeEffect(effect);
            reopen();
            return;
        case Use::NullOnly:
            call(opcode, index, value, nullptr, opt);
            return;
        case Use::TextOut: {
            const int mode = pick(3);
            if (mode == 0) {
                call(opcode, index, value, nullptr, opt);
            } else if (mode == 1) {
                // Exactly the room the interface promises.
                std::vector<char>* exact = new std::vector<char>(use.textMax + 1, '\0');
                call(opcode, index, value, exact->data(), opt);
                delete exact;
            } else {
                std::vector<unsigned char> large(LargeSize, Fill);
                call(opcode, index, value, large.data(), opt);
                checkText(large.data(), use.textMax, opcode, index);
            }
            return;
        }
        case Use::TextIn: {
            const int mode = pick(3);
            if (mode == 0) {
                call(opcode, index, value, nullptr, opt);
            } else if (mode == 1) {
                char* zeroed = new char[16]();
                call(opcode, index, value, zeroed, opt);
                delete[] zeroed;
            } else {
                const std::string text = randomText();
                char* copy = new char[text.size() + 1];
                std::memcpy(copy, text.c_str(), text.size() + 1);
                call(opcode, index, value, copy, opt);
                delete[] copy;
            }
            return;
        }
        case Use::Struct:
            if (opcode == OpOfflineNotify || opcode == OpOfflinePrepare || opcode == OpOfflineRun)
                value = pick(2); // the number of records the pointer holds
            plainOrLarge(opcode, index, value, opt, pick(2) == 0);
            return;
        case Use::ChunkGet: {
            if (pick(4) == 0) {
                call(opcode, index, value, nullptr, opt);
                return;
            }
            void* data = nullptr;
            const PlugInt size = call(opcode, index, value, &data, opt);
            if (size < 0 || (size > 0 && data == nullptr)) {
                fail("chunk size without data", opcode, index);
                return;
            }
            if (size > (1 << 24)) {
                fail("chunk larger than 16 MiB", opcode, index);
                return;
            }
            // Reading it all proves the whole chunk is the effect's memory.
            lastChunk.assign(static_cast<const unsigned char*>(data), static_cast<const unsigned char*>(data) + size);
            return;
        }
        case Use::ChunkSet:
            setChunk(opcode, index, opt);
            return;
        case Use::RectGet: {
            if (pick(3) == 0) {
                call(opcode, index, value, nullptr, opt);
                return;
            }
            EditorRect* rect = nullptr;
            if (call(opcode, index, value, &rect, opt) != 0 && rect != nullptr) {
                volatile std::int16_t sink = rect->right;
                (void)sink;
            }
            return;
        }
        case Use::SpeakersSet: {
            // Layouts as the interface lays them: header then one record per channel.
            const std::int32_t channels = pick(9);
            const std::size_t size = 8 + 112 * static_cast<std::size_t>(channels);
            unsigned char* input = new unsigned char[size]();
            unsigned char* output = new unsigned char[size]();
            const std::int32_t type = pick(3) == 0 ? edgeIndex() : pick(40) - 2;
            std::memcpy(input, &type, 4);
            std::memcpy(input + 4, &channels, 4);
            std::memcpy(output, &type, 4);
            std::memcpy(output + 4, &channels, 4);
            const int mode = pick(4);
            call(opcode, index, mode == 1 ? 0 : reinterpret_cast<PlugInt>(input), mode == 2 ? nullptr : output, opt);
            delete[] input;
            delete[] output;
            return;
        }
        case Use::SpeakersGet: {
            void* inputSlot = nullptr;
            void* outputSlot = nullptr;
            const int mode = pick(4);
            const PlugInt answer = call(opcode, index, mode == 1 ? 0 : reinterpret_cast<PlugInt>(&inputSlot),
                                        mode == 2 ? nullptr : &outputSlot, opt);
            if (answer != 0)
                for (void* layout : {inputSlot, outputSlot})
                    if (layout != nullptr) {
                        std::int32_t channels = 0;
                        std::memcpy(&channels, static_cast<unsigned char*>(layout) + 4, 4);
                        if (channels < 0 || channels > 64)
                            fail("speaker layout with an impossible channel count", opcode, index);
                        else // every channel record must be readable
                            lastChunk.assign(static_cast<unsigned char*>(layout),
                                             static_cast<unsigned char*>(layout) + 8 + 112 * channels);
                    }
            return;
        }
        case Use::Plain:
            if (opcode == OpSetBlockSize)
                blockSize = static_cast<std::int32_t>(value);
            if (opcode == OpSetBlockAndRate)
                blockSize = static_cast<std::int32_t>(value);
            plainOrLarge(opcode, index, value, opt, pick(3) == 0);
            return;
        }
    }

    void plainOrLarge(std::int32_t opcode, std::int32_t index, PlugInt value, float opt, bool null)
    {
        if (null) {
            call(opcode, index, value, nullptr, opt);
            return;
        }
        if (pick(2) == 0) {
            unsigned char* small = new unsigned char[16]();
            call(opcode, index, value, small, opt);
            delete[] small;
            return;
        }
        unsigned char* large = new unsigned char[LargeSize]();
        call(opcode, index, value, large, opt);
        delete[] large;
    }

    void setChunk(std::int32_t opcode, std::int32_t index, float opt)
    {
        const int mode = pick(5);
        if (mode == 0) {
            call(opcode, index, edgeValue(), nullptr, opt);
            return;
        }
        std::vector<unsigned char> data = lastChunk;
        if (mode == 2 && !data.empty())
            data.resize(static_cast<std::size_t>(pick(static_cast<int>(data.size()))));
        if (mode == 3)
            for (int flips = 1 + pick(8); flips > 0 && !data.empty(); --flips)
                data[static_cast<std::size_t>(pick(static_cast<int>(data.size())))] =
                    static_cast<unsigned char>(random());
        if (mode == 4) {
            data.resize(static_cast<std::size_t>(pick(600)));
            for (unsigned char& byte : data)
                byte = static_cast<unsigned char>(random());
        }
        // A copy of exactly the size the call gives.
        unsigned char* exact = new unsigned char[data.size() + (data.empty() ? 1 : 0)];
        if (!data.empty())
            std::memcpy(exact, data.data(), data.size());
        call(opcode, index, static_cast<PlugInt>(data.size()), exact, opt);
        delete[] exact;
    }

    PlugInt call(std::int32_t opcode, std::int32_t index, PlugInt value, void* ptr, float opt)
    {
        return effect->dispatch(effect, opcode, index, value, ptr, opt);
    }

    const PluginLibrary& library;
    std::mt19937 random;
    EffectRecord* effect = nullptr;
    std::int32_t blockSize = 512;
    std::vector<unsigned char> lastChunk;
};

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: dispatcher_fuzz PLUGIN NAME [--calls N] [--seed S] [--finite 1] [--report FILE]\n");
        return 2;
    }
    long long wanted = 20000;
    std::uint32_t seed = 12;
    const char* report = nullptr;
    bool finite = false;
    for (int i = 3; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--calls")
            wanted = std::atoll(argv[i + 1]);
        else if (option == "--seed")
            seed = static_cast<std::uint32_t>(std::strtoul(argv[i + 1], nullptr, 10));
        else if (option == "--report")
            report = argv[i + 1];
        else if (option == "--finite")
            finite = std::atoi(argv[i + 1]) != 0;
    }

    PluginLibrary library(argv[1]);
    long long calls = 0, processCalls = 0, reopenings = 0;
    {
        Fuzzer fuzzer(library, seed);
        fuzzer.requireFinite = finite;
        while (fuzzer.calls < wanted)
            fuzzer.step();
        calls = fuzzer.calls;
        processCalls = fuzzer.processCalls;
        reopenings = fuzzer.reopenings;
    }
    std::printf("%s: %lld calls (%lld process calls, %lld effects opened), seed %u, %d faults\n", argv[2], calls,
                processCalls, reopenings, seed, failures);
    if (report != nullptr) {
        if (FILE* file = std::fopen(report, "w")) {
            std::fprintf(file, "| %s | %lld | %lld | %lld | %u | %s |\n", argv[2], calls, processCalls, reopenings, seed,
                         failures == 0 ? "no fault" : "FAULTS");
            std::fclose(file);
        }
    }
    return failures == 0 ? 0 : 1;
}
