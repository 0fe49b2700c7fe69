#include "tools/plughost/param_lookup.h"

#include "tools/plughost/host_error.h"
#include "tools/plughost/windows_1252.h"

#include <vector>

namespace {

std::string lowered(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::vector<std::int32_t> matches(const std::vector<std::string>& titles, const std::string& name, bool anyCase)
{
    const std::string wanted = anyCase ? lowered(name) : name;
    std::vector<std::int32_t> found;
    for (std::size_t i = 0; i < titles.size(); ++i) {
        const std::string& raw = titles[i];
        const std::string utf8 = utf8FromWindows1252(raw);
        if ((anyCase ? lowered(raw) : raw) == wanted || (anyCase ? lowered(utf8) : utf8) == wanted)
            found.push_back(static_cast<std::int32_t>(i));
    }
    return found;
}

} // namespace

std::string trimmedTitle(const std::string& title)
{
    const char* const blanks = " \t";
    const std::size_t first = title.find_first_not_of(blanks);
    if (first == std::string::npos)
        return "";
    return title.substr(first, title.find_last_not_of(blanks) - first + 1);
}

std::int32_t findParamByTitle(HostedEffect& effect, const std::string& name, const std::string& pluginText)
{
    std::vector<std::string> titles;
    std::string listed;
    for (std::int32_t i = 0; i < effect.record().paramCount; ++i) {
        titles.push_back(trimmedTitle(effect.text(OpGetParamTitle, i).text));
        if (!titles.back().empty())
            listed += (listed.empty() ? "" : ", ") + utf8FromWindows1252(titles.back());
    }
    const std::string wanted = trimmedTitle(name);
    std::vector<std::int32_t> found = wanted.empty() ? std::vector<std::int32_t>() : matches(titles, wanted, false);
    if (found.empty() && !wanted.empty())
        found = matches(titles, wanted, true);
    if (found.size() == 1)
        return found[0];
    if (found.size() > 1)
        throw HostError("parameter name '" + name + "' is ambiguous: parameters " + std::to_string(found[0]) +
                        " and " + std::to_string(found[1]) + " have that title");
    if (listed.empty())
        throw HostError("no parameter named '" + name + "': " + pluginText +
                        " gives its parameters no titles; use INDEX=VALUE");
    throw HostError("no parameter named '" + name + "': " + pluginText + " has " + listed);
}
