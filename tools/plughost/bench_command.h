// plughost bench: how fast each process entry of an effect runs, on noise at
// 44100 Hz in blocks of a given size. Each run processes the given seconds
// of audio; one unmeasured run warms up first. Prints ns per frame and the
// realtime factor as min, median and max over the runs.
#pragma once

#include "tools/plughost/command_line.h"

#include <ostream>
#include <vector>

// Throws HostError.
void runBench(const BenchOptions& options, std::ostream& out);

// The smallest, middle (mean of the two middle ones for an even count) and
// largest of the values.
struct Spread {
    double min;
    double median;
    double max;
};
Spread spreadOf(std::vector<double> values);
