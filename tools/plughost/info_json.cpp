#include "tools/plughost/info_json.h"

#include "tools/plughost/json_writer.h"
#include "tools/plughost/windows_1252.h"

namespace {

bool validUtf8(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const std::size_t length = byte < 0x80            ? 1
                                   : (byte >> 5) == 0x6  ? 2
                                   : (byte >> 4) == 0xE  ? 3
                                   : (byte >> 3) == 0x1E ? 4
                                                         : 0;
        if (length == 0 || i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        i += length;
    }
    return true;
}

// A path as given on the command line: UTF-8 on Linux, the ANSI code page
// (taken as Windows-1252) on Windows; JSON needs UTF-8 either way.
std::string pathText(const std::string& path)
{
    return validUtf8(path) ? path : utf8FromWindows1252(path);
}

void text(JsonWriter& json, const char* name, const std::string& windows1252)
{
    json.key(name);
    json.string(utf8FromWindows1252(windows1252));
}

// An identity text, or null when the effect neither answers nor writes.
void identity(JsonWriter& json, const char* name, const HostedEffect::Text& value)
{
    json.key(name);
    if (value.answer == 0 && value.text.empty())
        json.null();
    else
        json.string(utf8FromWindows1252(value.text));
}

void count(JsonWriter& json, const char* name, long long value)
{
    json.key(name);
    json.number(value);
}

void capabilities(JsonWriter& json, const char* name, const std::vector<CapabilityAnswer>& answers)
{
    json.key(name);
    json.beginObject();
    for (const CapabilityAnswer& answer : answers)
        count(json, answer.name.c_str(), static_cast<long long>(answer.answer));
    json.endObject();
}

} // namespace

void printFactsJson(const PluginFacts& facts, std::ostream& out)
{
    JsonWriter json(out);
    json.beginObject();
    json.key("plugin");
    json.string(pathText(facts.path));
    json.key("effectId");
    json.string(effectIdChars(facts.effectId));
    count(json, "effectIdNumber", facts.effectId);
    count(json, "version", facts.version);
    identity(json, "effectName", facts.effectName);
    identity(json, "vendor", facts.vendor);
    identity(json, "product", facts.product);
    count(json, "vendorVersion", static_cast<long long>(facts.vendorVersion));
    count(json, "category", static_cast<long long>(facts.category));
    count(json, "interface", static_cast<long long>(facts.interfaceVersion));
    count(json, "programCount", facts.programCount);
    count(json, "parameterCount", facts.paramCount);
    count(json, "inputs", facts.inputCount);
    count(json, "outputs", facts.outputCount);
    count(json, "latency", facts.latency);
    count(json, "flags", facts.flags);
    json.key("flagNames");
    json.beginArray();
    for (const std::string& name : flagNames(facts.flags))
        json.string(name);
    json.endArray();

    json.key("parameters");
    json.beginArray();
    for (std::size_t i = 0; i < facts.params.size(); ++i) {
        const ParamFacts& param = facts.params[i];
        json.beginObject();
        count(json, "index", static_cast<long long>(i));
        text(json, "title", param.title);
        text(json, "valueText", param.text);
        text(json, "unit", param.unit);
        json.key("value");
        json.number(param.value);
        json.endObject();
    }
    json.endArray();

    count(json, "currentProgram", static_cast<long long>(facts.currentProgram));
    json.key("programs");
    json.beginArray();
    for (std::size_t i = 0; i < facts.programNames.size(); ++i) {
        json.beginObject();
        count(json, "index", static_cast<long long>(i));
        text(json, "name", facts.programNames[i]);
        json.endObject();
    }
    json.endArray();

    capabilities(json, "effectCapabilities", facts.effectCapabilities);
    capabilities(json, "hostCapabilities", facts.hostCapabilities);
    json.key("automation");
    json.beginArray();
    for (const AutomationEvent& event : facts.automation) {
        json.beginObject();
        count(json, "index", event.index);
        json.key("value");
        json.number(event.value);
        json.endObject();
    }
    json.endArray();
    json.endObject();
}
