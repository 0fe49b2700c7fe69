#include "tools/plughost/text_table.h"

#include <algorithm>

namespace {

std::size_t characterCount(const std::string& text)
{
    // Every byte except UTF-8 continuation bytes starts a character.
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

} // namespace

void TextTable::addRow(std::vector<std::string> cells)
{
    rows.push_back(std::move(cells));
}

void TextTable::print(std::ostream& out, const std::string& indent) const
{
    std::vector<std::size_t> widths;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()), 0);
        for (std::size_t i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], characterCount(row[i]));
    }
    for (const auto& row : rows) {
        std::string line = indent;
        for (std::size_t i = 0; i < row.size(); ++i) {
            line += row[i];
            if (i + 1 < row.size())
                line.append(widths[i] - characterCount(row[i]) + 2, ' ');
        }
        out << line << '\n';
    }
}
