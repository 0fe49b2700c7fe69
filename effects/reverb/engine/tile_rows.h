// Where each tile of W samples lives in each delay line during one chunk.
// The row of line i for the tile starting at t is readBase[i] + t (and
// writeBase[i] + t when writing it back). A chunk is shorter than every
// line, so each line wraps at most once in it: after the wrap its base moves
// back by the line length, and the one tile that straddles the wrap, if any,
// goes through a staging row instead, copied in before and back after.
// Bases change only at these events, so the tile loops pay two comparisons
// per tile.
//
// The storage must allow maxChunkLength floats in front of every line: the
// base past a wrap is line + index - length, which the loops only ever use
// with an offset that brings it back into the line. `staging` holds
// maxChunkLength floats per line.
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
    // `tiled` is the number of samples covered by whole tiles.
    TileRows(float* const* lines, const std::int32_t* lengths, const std::int32_t* indices, int lineCount,
             int tiled, float (*stagingRows)[maxChunkLength])
        : count(lineCount), staging(stagingRows)
    {
        nextRead = nextWrite = tiled;
        for (int i = 0; i < count; ++i) {
            line[i] = lines[i];
            length[i] = lengths[i];
            index[i] = indices[i];
            readBase[i] = writeBase[i] = lines[i] + indices[i];
            const int untilWrap = lengths[i] - indices[i];
            eventTile[i] = untilWrap < tiled ? untilWrap - untilWrap % W : tiled;
            if (eventTile[i] < nextRead)
                nextRead = nextWrite = eventTile[i];
        }
    }

    float* readBase[N];
    float* writeBase[N];

    void beforeRead(int t)
    {
        if (t == nextRead)
            moveBases(t, readBase, true);
    }

    void beforeWrite(int t)
    {
        if (t == nextWrite)
            moveBases(t, writeBase, false);
    }

    // After the tile at t has been written: staged rows go back to the line.
    void afterWrite(int t)
    {
        if (t != stagedTile)
            return;
        for (int i = 0; i < count; ++i) {
            if (eventTile[i] != t || !straddles(i, t))
                continue;
            const int head = length[i] - index[i] - t;
            const float* row = staging[i] + t;
            for (int j = 0; j < W; ++j)
                (j < head ? line[i][index[i] + t + j] : line[i][j - head]) = row[j];
        }
    }

private:
    bool straddles(int i, int t) const { return length[i] - index[i] - t > 0; }

    // At a line's event tile its base becomes the staging row (for that
    // tile only) or the base past the wrap; a tile later a staged line moves
    // on past the wrap too.
    void moveBases(int t, float** base, bool reading)
    {
        int following = 1 << 30;
        for (int i = 0; i < count; ++i) {
            const int e = eventTile[i];
            if (e == t && straddles(i, t)) {
                base[i] = staging[i];
                if (reading) {
                    const int head = length[i] - index[i] - t;
                    float* row = staging[i] + t;
                    for (int j = 0; j < W; ++j)
                        row[j] = j < head ? line[i][index[i] + t + j] : line[i][j - head];
                } else {
                    stagedTile = t;
                }
                following = t + W < following ? t + W : following;
            } else if (e == t || (e + W == t && straddles(i, e))) {
                base[i] = line[i] + index[i] - length[i];
            } else if (e > t && e < following) {
                following = e;
            }
        }
        (reading ? nextRead : nextWrite) = following;
    }

    int count;
    float (*staging)[maxChunkLength];
    int nextRead;
    int nextWrite;
    int stagedTile = -1;
    float* line[N];
    std::int32_t length[N];
    std::int32_t index[N];
    int eventTile[N];
};

// The sample at offset n of the chunk, for the one-at-a-time paths.
inline float& sampleAt(float* line, std::int32_t length, std::int32_t index, int n)
{
    const int position = index + n;
    return line[position >= length ? position - length : position];
}

}  // namespace
