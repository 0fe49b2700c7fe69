// Gives a reverb effect its panel where the build has one (the Windows
// DLLs); elsewhere the effect runs without an editor.
#pragma once

class ReverbEffect;

void attachReverbEditor(ReverbEffect& effect);
