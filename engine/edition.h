#pragma once

// The two programs built from this tree. The engine is told which one it serves because
// a few rules differ: the largest number of significant digits and two extra memory keys.
enum class Edition { Classic, Styled };
