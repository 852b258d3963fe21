#pragma once
#include "calc_state.h"
#include "edition.h"

// Ranges of the precision model and of the selectors. Values that arrive from outside (the
// registry, a control) are brought into range where the engine takes them in, so that no
// printf format and no table index ever sees an out-of-range number.
constexpr int kMinScale = 4;
constexpr int kMaxAfter = 8;

int MaxScale(Edition edition);
int ClampScale(int nScale, Edition edition);
int ClampAfter(int nAfter);

// `value` when it lies in 0..count-1, else `fallback`.
int SelectorOr(int value, int count, int fallback);

// The radix of an integer-view base: 10, 16, 8 or 2 for Dec, Hex, Oct and Bin (Dec for any
// other number).
int RadixOfBase(int nBase);

// Whether `op` names something "=" can repeat: nothing (2 or less), an arithmetic key or
// a function key.
bool IsValidLastOp(int op);

// Brings every selector and the precision model of a restored state into range.
void SanitizeState(CalcState& state, Edition edition);
