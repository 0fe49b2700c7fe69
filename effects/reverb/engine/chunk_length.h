// The engine runs every block in chunks of at most this many samples: a
// multiple of 8 below the shortest delay line (225), so nothing a chunk
// writes into a line is read again within the same chunk.
#pragma once

constexpr int maxChunkLength = 224;

// Spare floats after every delay line, for tiles that straddle its wrap
// (tile_rows.h).
constexpr int linePad = 8;
