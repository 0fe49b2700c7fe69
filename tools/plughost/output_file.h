// Writes a whole file under a temporary name next to it ("OUT.tmp-PID") and
// renames it into place only when complete: a failed run never leaves a
// partial file, nor a temporary one.
#pragma once

#include <string>
#include <vector>

// Throws HostError ("cannot write 'PATH': reason").
void writeOutputFile(const std::string& path, const std::vector<unsigned char>& bytes);

std::string temporaryNameFor(const std::string& path);
