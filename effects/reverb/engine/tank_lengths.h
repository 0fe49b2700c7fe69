// Delay-line lengths of the tank, in samples, fixed whatever the host's rate.
// Left channel, in the order the pairs run and the quality setting counts
// them (pair 10 is the shortest); every right line is 23 samples longer.
#pragma once

#include <cstdint>

constexpr int tankPairCount = 10;
constexpr int tankAllpassCount = 4;
constexpr std::int32_t tankStereoSpread = 23;
constexpr std::int32_t tankCombLengths[tankPairCount] = {1116, 1188, 1277, 1356, 1422,
                                                         1491, 1557, 1617, 1680, 1046};
constexpr std::int32_t tankAllpassLengths[tankAllpassCount] = {556, 441, 341, 225};

// Floats needed for the left and right lines of a set of filters, each
// followed by `spare` floats.
constexpr int tankStorage(const std::int32_t* leftLengths, int count, int spare)
{
    int total = 0;
    for (int i = 0; i < count; ++i)
        total += 2 * (leftLengths[i] + spare) + tankStereoSpread;
    return total;
}
