// Rows of texts printed in aligned columns: each column as wide as its
// widest cell (counted in characters, so UTF-8 texts line up), two spaces
// apart, no trailing spaces.
#pragma once

#include <ostream>
#include <string>
#include <vector>

class TextTable {
public:
    void addRow(std::vector<std::string> cells);
    void print(std::ostream& out, const std::string& indent = "") const;

private:
    std::vector<std::vector<std::string>> rows;
};
