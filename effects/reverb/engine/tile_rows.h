// Where each tile of W samples lives in each delay line during one chunk.
// The row of line i for the tile starting at t is readBase[i] + t (and
// writeBase[i] + t when writing it back). A chunk is shorter than every
// line, so each line wraps at most once in it; from the first tile that
// starts past the wrap, the base moves back by the line length.
//
// A tile that straddles the wrap reads and writes straight through into
// `linePad` spare floats after the line: when the chunk starts, the first
// samples of the line are mirrored there (they cannot change before the
// wrap), and what the tile wrote there is copied back to the line's start
// when the write base moves on (nothing reads those samples again before a
// whole line length has passed), or at finish().
//
// Base changes happen only at these events, listed per chunk in tile order,
// so a tile loop pays one comparison per tile and side.
//
// The storage must allow as many floats in front of every line as the
// longest chunk run over it (the base past a wrap is line + index - length,
// only ever used with an offset that brings it back into the line), and
// linePad floats after it.
//
// Reads run one tile ahead of writes in the comb kernel, hence two bases.
// Internal linkage: included by units built for different instruction sets.
#pragma once

#include "effects/reverb/engine/chunk_length.h"

#include <cstdint>
#include <cstring>

namespace {

template <int W, int N>
class TileRows {
public:
    static_assert(W <= linePad, "a straddling tile runs into the pad after its line");

    // `tiled` is the number of samples covered by whole tiles.
    TileRows(float* const* lines, const std::int32_t* lengths, const std::int32_t* indices, int lineCount, int tiled)
    {
        for (int i = 0; i < lineCount; ++i) {
            readBase[i] = writeBase[i] = lines[i] + indices[i];
            const int untilWrap = lengths[i] - indices[i];
            if (untilWrap >= tiled)
                continue;
            Wrap& wrap = wraps[i];
            const int tile = untilWrap - untilWrap % W;  // the tile holding the wrap
            wrap.spill = untilWrap % W == 0 ? 0 : tile + W - untilWrap;  // samples it runs past the end
            wrap.start = lines[i];
            wrap.end = lines[i] + lengths[i];
            wrap.past = lines[i] + indices[i] - lengths[i];
            if (wrap.spill > 0)
                std::memcpy(wrap.end, wrap.start, W * sizeof(float));
            const int moveAt = wrap.spill > 0 ? tile + W : tile;
            events[eventCount++] = moveAt << lineBits | i;
        }
        // A few wraps per chunk: insertion sort by the tile where the base
        // moves (the line number below it only breaks ties).
        for (int a = 1; a < eventCount; ++a)
            for (int b = a; b > 0 && events[b - 1] > events[b]; --b) {
                const int swap = events[b];
                events[b] = events[b - 1];
                events[b - 1] = swap;
            }
        events[eventCount] = 1 << 30;  // sentinel
    }

    float* readBase[N];
    float* writeBase[N];

    void beforeRead(int t)
    {
        for (; tileOf(events[readNext]) == t; ++readNext) {
            const int line = lineOf(events[readNext]);
            readBase[line] = wraps[line].past;
        }
    }

    void beforeWrite(int t)
    {
        for (; tileOf(events[writeNext]) == t; ++writeNext)
            moveWriteBase(lineOf(events[writeNext]));
    }

    // Both, for loops that read and write the same tile.
    void beforeTile(int t)
    {
        for (; tileOf(events[writeNext]) == t; ++writeNext) {
            const int line = lineOf(events[writeNext]);
            readBase[line] = wraps[line].past;
            moveWriteBase(line);
        }
    }

    // After the last tile: the spills of wraps whose base never moved.
    void finish()
    {
        for (; writeNext < eventCount; ++writeNext)
            moveWriteBase(lineOf(events[writeNext]));
    }

private:
    // An event is the tile where a line's base moves, above the line number.
    static constexpr int lineBits = 8;
    static_assert(N <= 1 << lineBits, "line numbers fit below the tile");
    static int tileOf(int event) { return event >> lineBits; }
    static int lineOf(int event) { return event & ((1 << lineBits) - 1); }

    struct Wrap {
        int spill;  // samples the tile holding the wrap runs past the end of the line
        float* start;
        float* end;
        float* past;  // base for the tiles after the wrap
    };

    void moveWriteBase(int line)
    {
        const Wrap& wrap = wraps[line];
        writeBase[line] = wrap.past;
        for (int j = 0; j < wrap.spill; ++j)
            wrap.start[j] = wrap.end[j];
    }

    Wrap wraps[N];  // by line; only those of lines that wrap are set
    int events[N + 1];
    int eventCount = 0;
    int readNext = 0;
    int writeNext = 0;
};

// The sample at offset n of the chunk, for the one-at-a-time paths.
inline float& sampleAt(float* line, std::int32_t length, std::int32_t index, int n)
{
    const int position = index + n;
    return line[position >= length ? position - length : position];
}

}  // namespace
