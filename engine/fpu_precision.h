#pragma once

// The arithmetic of this program is specified with a 64-bit mantissa for intermediate
// results (long double on the x87 unit). The process sets the precision control once,
// first thing at start; MSVC's start-up leaves it at 53 bits, mingw's and glibc's at 64.
void SetExtendedPrecision();

// True when the x87 unit computes with a 64-bit mantissa (or when there is no such unit).
bool HasExtendedPrecision();
