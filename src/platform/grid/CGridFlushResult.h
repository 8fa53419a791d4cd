#pragma once

#include <cstddef>

// What one flush did, for the window and for tests.
struct CGridFlushResult
{
    size_t removed = 0;
    size_t inserted = 0;
    size_t moved = 0;
    size_t changedRanges = 0;
    bool reset = false;
    bool layoutChanged = false;
    // A new row asked for the update sound; played at most once per flush.
    bool playSound = false;
    // Rows whose cells started a flash in this flush stand between these, when any did.
    bool flashed = false;
    size_t firstFlashedRow = 0;
    size_t lastFlashedRow = 0;
};
