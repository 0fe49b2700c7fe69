#include "tools/plughost/info_command.h"

#include "tools/plughost/float_text.h"
#include "tools/plughost/info_json.h"
#include "tools/plughost/plugin_facts.h"
#include "tools/plughost/text_table.h"
#include "tools/plughost/windows_1252.h"

#include <cstdio>
#include <string>

namespace {

std::string number(PlugInt value)
{
    return std::to_string(static_cast<long long>(value));
}

std::string effectIdText(std::int32_t id)
{
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(id));
    return effectIdChars(id) + " (" + hex + ")";
}

std::string flagsText(std::int32_t flags)
{
    std::string names;
    for (const std::string& name : flagNames(flags))
        names += (names.empty() ? "" : " ") + name;
    if (const std::int32_t unnamed = unnamedFlags(flags)) {
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

void printIdentity(const PluginFacts& facts, std::ostream& out)
{
    TextTable table;
    table.addRow({"Plug-in:", facts.path});
    table.addRow({"Effect ID:", effectIdText(facts.effectId)});
    table.addRow({"Version:", std::to_string(facts.version)});
    table.addRow({"Effect name:", identityText(facts.effectName)});
    table.addRow({"Vendor:", identityText(facts.vendor)});
    table.addRow({"Product:", identityText(facts.product)});
    table.addRow({"Vendor version:", number(facts.vendorVersion)});
    table.addRow({"Category:", categoryText(facts.category)});
    table.addRow({"Interface:", number(facts.interfaceVersion)});
    table.addRow({"Programs:", std::to_string(facts.programCount)});
    table.addRow({"Parameters:", std::to_string(facts.paramCount)});
    table.addRow({"Inputs:", std::to_string(facts.inputCount)});
    table.addRow({"Outputs:", std::to_string(facts.outputCount)});
    table.addRow({"Latency:", std::to_string(facts.latency)});
    table.addRow({"Flags:", flagsText(facts.flags)});
    table.print(out);
}

void printParameters(const PluginFacts& facts, std::ostream& out)
{
    out << "\nParameters:\n";
    TextTable table;
    table.addRow({"index", "title", "value text", "unit", "raw value"});
    for (std::size_t i = 0; i < facts.params.size(); ++i) {
        const ParamFacts& param = facts.params[i];
        table.addRow({std::to_string(i), quotedText(param.title), quotedText(param.text), quotedText(param.unit),
                      floatText(param.value)});
    }
    table.print(out, "  ");
}

void printPrograms(const PluginFacts& facts, std::ostream& out)
{
    out << "\nPrograms (current " << number(facts.currentProgram) << "):\n";
    TextTable table;
    table.addRow({"index", "name"});
    for (std::size_t i = 0; i < facts.programNames.size(); ++i)
        table.addRow({std::to_string(i), quotedText(facts.programNames[i])});
    table.print(out, "  ");
}

void printCapabilities(const std::vector<CapabilityAnswer>& answers, const char* title, std::ostream& out)
{
    out << "\nCapabilities, " << title << " (the effect's answers to opcode 51):\n";
    TextTable table;
    table.addRow({"name", "answer"});
    for (const CapabilityAnswer& answer : answers)
        table.addRow({answer.name, number(answer.answer)});
    table.print(out, "  ");
}

void printAutomation(const std::vector<AutomationEvent>& automation, std::ostream& out)
{
    if (automation.empty()) {
        out << "\nAutomation sent to the host: none\n";
        return;
    }
    out << "\nAutomation sent to the host:\n";
    TextTable table;
    table.addRow({"index", "value"});
    for (const AutomationEvent& event : automation)
        table.addRow({std::to_string(event.index), floatText(event.value)});
    table.print(out, "  ");
}

} // namespace

void runInfo(const InfoOptions& options, std::ostream& out)
{
    const PluginFacts facts = gatherFacts(options.plugin);
    if (options.json) {
        printFactsJson(facts, out);
        return;
    }
    printIdentity(facts, out);
    printParameters(facts, out);
    printPrograms(facts, out);
    printCapabilities(facts.effectCapabilities, "effect-side names", out);
    printCapabilities(facts.hostCapabilities, "host-side names", out);
    printAutomation(facts.automation, out);
}
