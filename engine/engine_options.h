#pragma once
#include <cstdint>

// The stored options that the engine itself reads. They live in the window's settings record;
// the engine holds a reference. Flags are bytes holding 0 or 1: stored data may hold any byte,
// and the store turns it into 0 or 1 before it gets here.
struct EngineOptions {
    uint8_t bInMemory = 0;
    uint8_t bCommaPoint = 0;
    uint8_t bExitByEscape = 0;
    uint8_t bClearByEscape = 0;
};
