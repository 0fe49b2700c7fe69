// Where each tile of W samples lives in each delay line during one chunk.
// The row of line i for the tile starting at t is readBase[i] + t (and
// writeBase[i] + t when writing it back). A chunk is shorter than every
// line, so each line wraps at most once in it: from the wrap on its base is
// moved back by the line length, and the one tile that straddles the wrap,
// if any, goes through a staging row, copied in before and back after.
//
// The bases change only at these events, which are listed per chunk in tile
// order, so a tile loop pays one comparison per tile and side, and an event
// touches only its own line.
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
        : staging(stagingRows)
    {
        for (int i = 0; i < lineCount; ++i) {
            readBase[i] = writeBase[i] = lines[i] + indices[i];
            const int untilWrap = lengths[i] - indices[i];
            if (untilWrap >= tiled)
                continue;
            Wrap& wrap = wraps[wrapCount++];
            wrap.line = i;
            wrap.tile = untilWrap - untilWrap % W;
            wrap.head = untilWrap - wrap.tile;
            wrap.end = lines[i] + lengths[i];
            wrap.start = lines[i];
            wrap.past = lines[i] + indices[i] - lengths[i];
        }
        // A few wraps per chunk: insertion sort by tile.
        for (int a = 1; a < wrapCount; ++a)
            for (int b = a; b > 0 && wraps[b - 1].tile > wraps[b].tile; --b) {
                const Wrap swap = wraps[b];
                wraps[b] = wraps[b - 1];
                wraps[b - 1] = swap;
            }
        // Each side meets a wrap at its tile and, when staged, a tile later.
        for (int k = 0; k < wrapCount; ++k) {
            const Wrap& wrap = wraps[k];
            add(wrap.tile, k, wrap.head > 0);
            if (wrap.head > 0)
                add(wrap.tile + W, k, false);
        }
        events[eventCount].tile = 1 << 30;
        readNext = writeNext = 0;
        stagedNext = 0;
        while (stagedNext < wrapCount && wraps[stagedNext].head == 0)
            ++stagedNext;
    }

    float* readBase[N];
    float* writeBase[N];

    void beforeRead(int t)
    {
        while (events[readNext].tile == t) {
            const Event& e = events[readNext++];
            const Wrap& wrap = wraps[e.wrap];
            if (e.staged) {
                float* row = staging[wrap.line] + t;
                const float* tail = wrap.end - wrap.head;
                for (int j = 0; j < W; ++j)
                    row[j] = j < wrap.head ? tail[j] : wrap.start[j - wrap.head];
                readBase[wrap.line] = staging[wrap.line];
            } else {
                readBase[wrap.line] = wrap.past;
            }
        }
    }

    void beforeWrite(int t)
    {
        while (events[writeNext].tile == t) {
            const Event& e = events[writeNext++];
            const Wrap& wrap = wraps[e.wrap];
            writeBase[wrap.line] = e.staged ? staging[wrap.line] : wrap.past;
        }
    }

    // After the tile at t has been written: a staged row goes back to its line.
    void afterWrite(int t)
    {
        while (stagedNext < wrapCount && wraps[stagedNext].tile == t) {
            const Wrap& wrap = wraps[stagedNext];
            const float* row = staging[wrap.line] + t;
            float* tail = wrap.end - wrap.head;
            for (int j = 0; j < W; ++j)
                (j < wrap.head ? tail[j] : wrap.start[j - wrap.head]) = row[j];
            ++stagedNext;
            while (stagedNext < wrapCount && wraps[stagedNext].head == 0)
                ++stagedNext;
        }
    }

private:
    struct Wrap {
        int line;
        int tile;   // the tile holding the wrap
        int head;   // samples of that tile before the wrap (0: it starts there)
        float* end;
        float* start;
        float* past;  // base for the tiles after the wrap
    };
    struct Event {
        int tile;
        int wrap;
        bool staged;
    };

    // Events arrive almost in order: insert from the back.
    void add(int tile, int wrap, bool staged)
    {
        int at = eventCount++;
        while (at > 0 && events[at - 1].tile > tile) {
            events[at] = events[at - 1];
            --at;
        }
        events[at] = Event{tile, wrap, staged};
    }

    float (*staging)[maxChunkLength];
    Wrap wraps[N];
    int wrapCount = 0;
    Event events[2 * N + 1];
    int eventCount = 0;
    int readNext;
    int writeNext;
    int stagedNext;
};

// The sample at offset n of the chunk, for the one-at-a-time paths.
inline float& sampleAt(float* line, std::int32_t length, std::int32_t index, int n)
{
    const int position = index + n;
    return line[position >= length ? position - length : position];
}

}  // namespace
