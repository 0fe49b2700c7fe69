// The panner's pan law: where one input lands on the line of ten outputs.
// Between two adjacent outputs the input is crossfaded linearly (a triangle
// law without constant-power correction); position n/10 is output n alone.
#pragma once

constexpr int PannerOutputs = 10;

// Fills all ten weights of one input at the given position. Positions above
// 1.0 give all zeros; below 0.1 output 1 alone gets 10 x position (negative
// below 0.0). Work is done in double and each weight is rounded to float.
void panWeights(float position, float (&weights)[PannerOutputs]);
