// The shortest decimal text that reads back as the same float: "1", "0.5",
// "0.30000001" never appears for 0.3f. The same on every platform, unlike
// printf's exponent forms.
#pragma once

#include <string>

std::string floatText(float value);
