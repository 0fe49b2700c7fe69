// Plug-ins hand us 8-bit Windows-1252 texts (the reverb's Spanish names);
// terminals and files expect UTF-8.
#pragma once

#include <string>
#include <string_view>

std::string utf8FromWindows1252(std::string_view text);

// The text in double quotes, as UTF-8, with quotes, backslashes and control
// characters escaped, so leading and trailing spaces show.
std::string quotedText(std::string_view windows1252Text);
