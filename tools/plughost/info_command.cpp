#include "tools/plughost/info_command.h"

#include "tools/plughost/capability_table.h"
#include "tools/plughost/float_text.h"
#include "tools/plughost/hosted_effect.h"
#include "tools/plughost/text_table.h"
#include "tools/plughost/windows_1252.h"

#include <cstdio>
#include <string>

namespace {

constexpr float InfoSampleRate = 44100.0f;
constexpr std::int32_t InfoBlockSize = 512;

struct FlagName {
    std::int32_t flag;
    const char* name;
};

const FlagName FlagNames[] = {
    {EditorFlag, "EditorFlag"},         {ClipFlag, "ClipFlag"},         {MeterFlag, "MeterFlag"},
    {MonoFlag, "MonoFlag"},             {OverwriteFlag, "OverwriteFlag"}, {ChunkFlag, "ChunkFlag"},
    {InstrumentFlag, "InstrumentFlag"}, {SilentStopFlag, "SilentStopFlag"}, {AsyncFlag, "AsyncFlag"},
    {ExternalBufferFlag, "ExternalBufferFlag"},
};

std::string number(PlugInt value)
{
    return std::to_string(static_cast<long long>(value));
}

std::string effectIdText(std::int32_t id)
{
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8) {
        const auto c = static_cast<unsigned char>(static_cast<std::uint32_t>(id) >> shift);
        text += c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?';
    }
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(id));
    return text + " (" + hex + ")";
}

std::string flagsText(std::int32_t flags)
{
    std::string names;
    std::int32_t unnamed = flags;
    for (const FlagName& entry : FlagNames) {
        if ((flags & entry.flag) != 0) {
            names += names.empty() ? "" : " ";
            names += entry.name;
            unnamed &= ~entry.flag;
        }
    }
    if (unnamed != 0) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "0x%X", static_cast<unsigned>(unnamed));
        names += names.empty() ? "" : " ";
        names += std::string("unnamed ") + hex;
    }
    return std::to_string(flags) + " (" + (names.empty() ? "none" : names) + ")";
}

std::string categoryText(PlugInt category)
{
    switch (category) {
    case 0:
        return "0 (not given)";
    case 1:
        return "1 (effect)";
    case 2:
        return "2 (instrument)";
    default:
        return number(category);
    }
}

// An identity text, or "(none)" when the effect neither answers nor writes.
std::string identityText(const HostedEffect::Text& text)
{
    return text.answer == 0 && text.text.empty() ? "(none)" : quotedText(text.text);
}

void printIdentity(HostedEffect& effect, const std::string& path, std::ostream& out)
{
    const EffectRecord& record = effect.record();
    TextTable table;
    table.addRow({"Plug-in:", path});
    table.addRow({"Effect ID:", effectIdText(record.effectId)});
    table.addRow({"Version:", std::to_string(record.version)});
    table.addRow({"Effect name:", identityText(effect.text(OpEffectName))});
    table.addRow({"Vendor:", identityText(effect.text(OpVendorText))});
    table.addRow({"Product:", identityText(effect.text(OpProductText))});
    table.addRow({"Vendor version:", number(effect.dispatch(OpVendorVersion))});
    table.addRow({"Category:", categoryText(effect.dispatch(OpCategory))});
    table.addRow({"Interface:", number(effect.dispatch(OpInterfaceVersion))});
    table.addRow({"Programs:", std::to_string(record.programCount)});
    table.addRow({"Parameters:", std::to_string(record.paramCount)});
    table.addRow({"Inputs:", std::to_string(record.inputCount)});
    table.addRow({"Outputs:", std::to_string(record.outputCount)});
    table.addRow({"Latency:", std::to_string(record.latency)});
    table.addRow({"Flags:", flagsText(record.flags)});
    table.print(out);
}

void printParameters(HostedEffect& effect, std::ostream& out)
{
    out << "\nParameters:\n";
    TextTable table;
    table.addRow({"index", "title", "value text", "unit", "raw value"});
    for (std::int32_t i = 0; i < effect.record().paramCount; ++i) {
        table.addRow({std::to_string(i), quotedText(effect.text(OpGetParamTitle, i).text),
                      quotedText(effect.text(OpGetParamText, i).text), quotedText(effect.text(OpGetParamUnit, i).text),
                      floatText(effect.getParam(i))});
    }
    table.print(out, "  ");
}

// Each program is selected in turn to read its name; the one that was
// current is selected again afterwards.
void printPrograms(HostedEffect& effect, std::ostream& out)
{
    const PlugInt current = effect.dispatch(OpGetProgram);
    out << "\nPrograms (current " << number(current) << "):\n";
    TextTable table;
    table.addRow({"index", "name"});
    for (std::int32_t i = 0; i < effect.record().programCount; ++i) {
        effect.dispatch(OpSetProgram, 0, i);
        table.addRow({std::to_string(i), quotedText(effect.text(OpGetProgramName).text)});
    }
    effect.dispatch(OpSetProgram, 0, current);
    table.print(out, "  ");
}

void printCapabilities(HostedEffect& effect, const char* title, NameList names, std::ostream& out)
{
    out << "\nCapabilities, " << title << " (the effect's answers to opcode 51):\n";
    TextTable table;
    table.addRow({"name", "answer"});
    for (std::size_t i = 0; i < names.count; ++i) {
        std::string text(names.names[i]);
        table.addRow({text, number(effect.dispatch(OpSupports, 0, 0, text.data()))});
    }
    table.print(out, "  ");
}

void printAutomation(const HostContext& context, std::ostream& out)
{
    if (context.automation.empty()) {
        out << "\nAutomation sent to the host: none\n";
        return;
    }
    out << "\nAutomation sent to the host:\n";
    TextTable table;
    table.addRow({"index", "value"});
    for (const AutomationEvent& event : context.automation)
        table.addRow({std::to_string(event.index), floatText(event.value)});
    table.print(out, "  ");
}

} // namespace

void runInfo(const InfoOptions& options, std::ostream& out)
{
    HostedEffect effect(options.plugin);
    effect.open(InfoSampleRate, InfoBlockSize);
    effect.setPower(true);
    printIdentity(effect, options.plugin, out);
    printParameters(effect, out);
    printPrograms(effect, out);
    printCapabilities(effect, "effect-side names", effectCapabilityNames(), out);
    printCapabilities(effect, "host-side names", hostCapabilityNames(), out);
    effect.setPower(false);
    printAutomation(effect.context(), out);
}
