// A misuse test leaves one line of figures for docs/robustness.md.
#pragma once

#include <cstdio>
#include <string>

inline void writeMisuseReport(const std::string& name, const std::string& line)
{
    const std::string path = std::string(ROBUSTNESS_REPORT_DIR) + "/" + name + ".md";
    if (FILE* file = std::fopen(path.c_str(), "w")) {
        std::fprintf(file, "%s\n", line.c_str());
        std::fclose(file);
    }
}
