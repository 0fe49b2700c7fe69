#include "effects/panner/pan_law.h"

namespace {

// Segment boundaries B1..B9 as doubles; B[k] is the boundary k+1.
constexpr double Boundary[9] = {0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9};

} // namespace

void panWeights(float position, float (&weights)[PannerOutputs])
{
    // Compared against the double boundaries: 0.1f lies just above 0.1, so
    // it already belongs to the crossfade from output 1 to output 2.
    const double p = position;
    double w[PannerOutputs];

    w[0] = p > Boundary[0] ? 0.0 : p * 10.0;
    // A position on a boundary belongs to the lower segment. A later segment
    // may overwrite the zero an earlier one left below it.
    for (int k = 1; k <= 8; ++k) {
        if (Boundary[k - 1] < p && p <= Boundary[k]) {
            const double d = (Boundary[k] - p) * 10.0;
            w[k] = 1.0 - d;
            w[k - 1] = d;
        } else {
            w[k] = 0.0;
        }
    }
    if (Boundary[8] < p && p <= 1.0) {
        const double d = (1.0 - p) * 10.0;
        w[9] = 1.0 - d;
        w[8] = d;
    } else {
        w[9] = 0.0;
    }

    for (int n = 0; n < PannerOutputs; ++n)
        weights[n] = static_cast<float>(w[n]);
}
