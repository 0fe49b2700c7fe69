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
            Wrap& wrap = wraps[wrapCount++];
            wrap.line = i;
            wrap.tile = untilWrap - untilWrap % W;
            wrap.spill = wrap.tile + W - untilWrap;  // samples past the end, if it straddles
            wrap.start = lines[i];
            wrap.end = lines[i] + lengths[i];
            wrap.past = lines[i] + indices[i] - lengths[i];
            if (wrap.spill < W) {
                for (int j = 0; j < W; ++j)
                    wrap.end[j] = wrap.start[j];
            } else {
                wrap.spill = 0;  // the wrap falls on a tile boundary
            }
        }
        // A few wraps per chunk: insertion sort by the tile where the base moves.
        for (int a = 1; a < wrapCount; ++a)
            for (int b = a; b > 0 && wraps[b - 1].moveAt() > wraps[b].moveAt(); --b) {
                const Wrap swap = wraps[b];
                wraps[b] = wraps[b - 1];
                wraps[b - 1] = swap;
            }
        wraps[wrapCount].tile = 1 << 29;  // sentinel
        wraps[wrapCount].spill = 0;
    }

    float* readBase[N];
    float* writeBase[N];

    void beforeRead(int t)
    {
        while (wraps[readNext].moveAt() == t) {
            readBase[wraps[readNext].line] = wraps[readNext].past;
            ++readNext;
        }
    }

    void beforeWrite(int t)
    {
        while (wraps[writeNext].moveAt() == t)
            moveWriteBase(wraps[writeNext++]);
    }

    // Both, for loops that read and write the same tile.
    void beforeTile(int t)
    {
        while (wraps[writeNext].moveAt() == t) {
            const Wrap& wrap = wraps[writeNext++];
            readBase[wrap.line] = wrap.past;
            moveWriteBase(wrap);
        }
    }

    // After the last tile: the spills of wraps whose base never moved.
    void finish()
    {
        for (; writeNext < wrapCount; ++writeNext)
            moveWriteBase(wraps[writeNext]);
    }

private:
    struct Wrap {
        int line;
        int tile;   // the tile holding the wrap
        int spill;  // samples that tile runs past the end of the line
        float* start;
        float* end;
        float* past;  // base for the tiles after the wrap
        int moveAt() const { return spill > 0 ? tile + W : tile; }
    };

    void moveWriteBase(const Wrap& wrap)
    {
        writeBase[wrap.line] = wrap.past;
        for (int j = 0; j < wrap.spill; ++j)
            wrap.start[j] = wrap.end[j];
    }

    Wrap wraps[N + 1];
    int wrapCount = 0;
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
