#include "effects/panner/pan_law.h"
#include "effects/panner/panner_effect.h"
#include "tests/panner/panner_test_support.h"

#include <doctest.h>

#include <initializer_list>

namespace {

// Outputs are numbered 1 to 10; 0 means "no such output".
struct PanCase {
    float position;
    int firstOutput;
    float firstWeight;
    int secondOutput;
    float secondWeight;
};

// Every weight not named in the case must be exactly 0.
const PanCase PanCases[] = {
    {0.0f, 0, 0.0f, 0, 0.0f},                 // left end: the input is muted
    {0.05f, 1, 0.5f, 0, 0.0f},                // fading output 1 in
    {0.1f, 1, 1.0f, 2, 1.49011612e-08f},      // 0.1f lies just above 0.1
    {0.15f, 1, 0.49999994f, 2, 0.50000006f},  // halfway between 1 and 2
    {0.25f, 2, 0.5f, 3, 0.5f},
    {0.5f, 5, 1.0f, 0, 0.0f},                 // a boundary belongs to the lower segment
    {0.75f, 7, 0.5f, 8, 0.5f},
    {0.85f, 8, 0.499999762f, 9, 0.500000238f},
    {0.999f, 9, 0.00999987125f, 10, 0.990000129f},
    {1.0f, 10, 1.0f, 0, 0.0f},                // right end: output 10 alone
    {1.2f, 0, 0.0f, 0, 0.0f},                 // beyond the line: nowhere
    {-0.05f, 1, -0.5f, 0, 0.0f},              // below 0: output 1 goes negative
};

float expectedWeight(const PanCase& c, int output)
{
    if (output == c.firstOutput)
        return c.firstWeight;
    if (output == c.secondOutput)
        return c.secondWeight;
    return 0.0f;
}

} // namespace

TEST_CASE("the pan law puts a position on at most two adjacent outputs")
{
    for (const PanCase& c : PanCases) {
        CAPTURE(c.position);
        float weights[PannerOutputs];
        panWeights(c.position, weights);
        for (int output = 1; output <= PannerOutputs; ++output) {
            CAPTURE(output);
            CHECK(weights[output - 1] == expectedWeight(c, output));
        }
    }
}

TEST_CASE("the two weights of a crossfade sum to one")
{
    for (float position : {0.15f, 0.25f, 0.42f, 0.75f, 0.85f, 0.999f}) {
        CAPTURE(position);
        float weights[PannerOutputs];
        panWeights(position, weights);
        float sum = 0.0f;
        for (float w : weights)
            sum += w;
        CHECK(sum == 1.0f);
    }
}

TEST_CASE("setPan stores the position unchanged and fills that input's row")
{
    auto effect = makeEffect();
    for (const PanCase& c : PanCases) {
        CAPTURE(c.position);
        effect->setPan(2, c.position);
        CHECK(effect->getParam(2) == c.position);
        for (int output = 1; output <= PannerOutputs; ++output) {
            CAPTURE(output);
            CHECK(effect->weight(2, output - 1) == expectedWeight(c, output));
        }
    }
}

TEST_CASE("moving an input leaves no trace on the outputs it left, nor on the other inputs")
{
    auto effect = makeEffect();
    effect->setPan(0, 0.15f);
    effect->setPan(1, 0.35f);
    effect->setPan(2, 0.62f);
    effect->setPan(3, 1.0f);
    float before[PannerInputs][PannerOutputs];
    for (int j = 0; j < PannerInputs; ++j)
        for (int n = 0; n < PannerOutputs; ++n)
            before[j][n] = effect->weight(j, n);
    CHECK(before[1][3] != 0.0f);

    effect->setPan(1, 0.85f);

    float expected[PannerOutputs];
    panWeights(0.85f, expected);
    for (int n = 0; n < PannerOutputs; ++n) {
        CAPTURE(n);
        CHECK(effect->weight(1, n) == expected[n]);
    }
    CHECK(effect->weight(1, 3) == 0.0f); // output 4
    CHECK(effect->weight(1, 4) == 0.0f); // output 5
    CHECK(effect->weight(1, 7) == 0.499999762f); // output 8
    CHECK(effect->weight(1, 8) == 0.500000238f); // output 9
    for (int j : {0, 2, 3})
        for (int n = 0; n < PannerOutputs; ++n) {
            CAPTURE(j);
            CAPTURE(n);
            CHECK(effect->weight(j, n) == before[j][n]);
        }
}

TEST_CASE("setPan and setInputGain ignore inputs that do not exist")
{
    auto effect = makeEffect();
    effect->setPan(4, 0.5f);
    effect->setPan(-1, 0.5f);
    effect->setInputGain(4, 0.5f);
    effect->setInputGain(-1, 0.5f);
    for (int index = 0; index < PannerEffect::ParamCount; ++index)
        CHECK(effect->getParam(index) == (index < PannerInputs ? 0.0f : 1.0f));
    for (int j = 0; j < PannerInputs; ++j)
        for (int n = 0; n < PannerOutputs; ++n)
            CHECK(effect->weight(j, n) == 0.0f);
}
