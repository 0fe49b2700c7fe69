#include "tools/plughost/capability_table.h"

#include <algorithm>
#include <iterator>

bool hostSupports(std::string_view name)
{
    // plughost sends OpStartProcessing and OpStopProcessing around a render.
    static const std::string_view supported[] = {"startStopProcess"};
    return std::find(std::begin(supported), std::end(supported), name) != std::end(supported);
}
