#include "effects/reverb/reverb_presets.h"

#include <cstring>

namespace {

struct PresetRow {
    const char* name; // Windows-1252
    std::int16_t gateOn;
    std::uint8_t roomSize, damping, preDelay, highPass;
    std::uint16_t lowPass;
    std::uint8_t gateThreshold;
    std::uint16_t gateRelease;
    std::uint8_t wetLevel, dryLevel, quality, panorama;
};

// Every program has the tail released, a 1 ms gate attack and a 200 ms hold.
const PresetRow FactoryBank[ReverbProgramCount] = {
    // name                         gate room damp pre  hp  lp  thr  rel  wet  dry  q  pan
    {"Inicial",                       0, 110,  23,  18, 25,  0, 60, 200, 120,   0, 10, 20},
    {"Snare !",                       1,  43,  28,   8, 44,  0, 20, 290, 120,   0, 10, 20},
    {"Sala Peque\xF1" "a",            0,   3,   0,   4, 20,  0, 60, 200, 125,   0, 10, 20},
    {"Sala Mediana 1",                0,  18,  65,  12, 16,  0, 60, 200, 125,   0, 10, 20},
    {"Sala Mediana 2",                0,  12,  42,  12,  0, 12, 60, 200, 125,   0, 10, 20},
    {"Catedral",                      0, 178,   0, 100,  0,  0, 60, 200, 110,   0, 10, 20},
    {"Club 1",                        0,  40,  65,   6,  0,  0, 60, 200, 120,   0, 10, 20},
    {"Club 2",                        0,  30,  75,   6,  0, 35, 60, 200, 120,   0, 10, 20},
    {"Hall 1",                        0, 143,   0,  60, 65,  0, 60, 200, 140,   0, 10, 20},
    {"Hall 2",                        0, 143,  44,  60, 40,  0, 60, 200, 120,   0, 10, 20},
    {"Bajo Consumo 1",                0,  36,   0,  26, 10,  0, 60, 200, 125,   0,  4, 20},
    {"Bajo Consumo 2",                0,  80,   0,  70,  0,  0, 60, 200, 120,   0,  6, 20},
    {"Inicial  (Insert)",             0, 110,  23,  18, 25,  0, 60, 200, 120, 140, 10, 20},
    {"Snare !  (Insert)",             1,  43,  28,   8, 44,  0, 20, 290, 120, 140, 10, 20},
    {"Sala Peque\xF1" "a  (Insert)",  0,   3,   0,   4, 20,  0, 60, 200, 125, 140, 10, 20},
    {"Sala Mediana 1  (Insert)",      0,  18,  65,  12, 16,  0, 60, 200, 125, 140, 10, 20},
    {"Sala Mediana 2  (Insert)",      0,  12,  42,  12,  0, 12, 60, 200, 125, 140, 10, 20},
    {"Catedral  (Insert)",            0, 178,   0, 100,  0,  0, 60, 200, 110, 140, 10, 20},
    {"Club 1  (Insert)",              0,  40,  65,   6,  0,  0, 60, 200, 120, 140, 10, 20},
    {"Club 2  (Insert)",              0,  30,  75,   6,  0, 35, 60, 200, 120, 140, 10, 20},
    {"Hall 1  (Insert)",              0, 143,   0,  60, 65,  0, 60, 200, 140, 140, 10, 20},
    {"Hall 2  (Insert)",              0, 143,  60,  44, 40,  0, 60, 200, 120, 140, 10, 20},
    {"Bajo Consumo 1  (Insert)",      0,  36,   0,  26, 10,  0, 60, 200, 125, 140,  4, 20},
    {"Bajo Consumo 2  (Insert)",      0,  80,   0,  70,  0,  0, 60, 200, 120, 140,  6, 20},
    {"Exterior  (Insert)",            0,  43, 100,   0,  0, 99, 60, 200, 140,   0, 10, 12},
};

} // namespace

void fillFactoryPrograms(ReverbProgram* programs)
{
    for (int i = 0; i < ReverbProgramCount; ++i) {
        const PresetRow& row = FactoryBank[i];
        ReverbProgram& program = programs[i];
        program.values = ReverbValues{row.gateOn,   0,           row.roomSize,  row.damping,  row.preDelay,
                                      row.highPass, row.gateThreshold, 1,       200,          row.gateRelease,
                                      row.wetLevel, row.dryLevel, row.lowPass,  row.quality,  row.panorama,
                                      0};
        std::memset(program.name, 0, sizeof program.name);
        std::strncpy(program.name, row.name, ReverbProgramNameMax);
    }
}
