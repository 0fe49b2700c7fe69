// Blocks run in chunks: the tank's input side and the combs in chunks of at
// most combChunkLength samples, the all-passes and the rest of the wet chain
// in chunks of at most wetChunkLength. Each is a multiple of 8 below the
// shortest line it runs over (1046 and 225), so nothing a chunk writes into
// a line is read again within that chunk, and a line wraps at most once in it.
#pragma once

constexpr int combChunkLength = 1040;
constexpr int wetChunkLength = 224;

// Spare floats after every delay line, for tiles that straddle its wrap
// (tile_rows.h).
constexpr int linePad = 16;
