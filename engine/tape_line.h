#pragma once
#include <string>

// The lines of the tape, written as the panels write numbers: `format` is the panels'
// printf format at the time and `comma` the decimal comma option. Lines are plain ANSI text
// without line breaks.
struct TapeFormat {
    std::string format;
    bool comma = false;
};

std::string TapeNumber(const TapeFormat& f, double value);

// "12 + 5 = 17": an operation of two operands; `op` is "+", "-", "*", "/" or "^".
std::string TwoOperandLine(const TapeFormat& f, double first, const char* op, double second, double result);
// "20 + 10% = 22": an operation whose second operand is a percentage of the first.
std::string PercentOperandLine(const TapeFormat& f, double first, const char* op, double percent,
                               double result);
// "10% of 20 = 2".
std::string PercentOfLine(const TapeFormat& f, double percent, double of, double result);
// "sin 30 = 0.5", "sqrt 9 = 3": a function of one argument, named by its key.
std::string FunctionLine(const TapeFormat& f, const char* name, double argument, double result);
// "M+ 5", "MS 17", "Register M = 17": a name and a value.
std::string NamedValueLine(const TapeFormat& f, const char* name, double value);
// "Swap 5 <-> 3".
std::string SwapLine(const TapeFormat& f, double up, double current);
