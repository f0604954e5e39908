#pragma once

#include <windows.h>

// Controls of the progress window besides the texts that Apply sets.
constexpr int kProgressCountText = 102;
constexpr int kProgressBar = 200;
// Check box of the main window: open the combiner after the run.
constexpr int kCombineMapsCheck = 302;

// Processes the whole processing list once, in order, on a worker thread
// while the progress window runs here; then asks whether the user wants to
// process more files (true for Yes). The list is left as it is.
// writeIndexTable, writeTilesets: every rule writes its index table, and a
// Tiled tileset for each piece, beside its pieces.
bool RunBatch(bool writeIndexTable, bool writeTilesets);
