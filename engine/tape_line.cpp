#include "tape_line.h"

#include "number_text.h"

std::string TapeNumber(const TapeFormat& f, double value)
{
    std::string text = FormatNumber(f.format, value);
    if (f.comma)
        ReplaceChar(text, '.', ',');
    return text;
}

std::string TwoOperandLine(const TapeFormat& f, double first, const char* op, double second, double result)
{
    return TapeNumber(f, first) + " " + op + " " + TapeNumber(f, second) + " = " + TapeNumber(f, result);
}

std::string PercentOperandLine(const TapeFormat& f, double first, const char* op, double percent,
                               double result)
{
    return TapeNumber(f, first) + " " + op + " " + TapeNumber(f, percent) + "% = " + TapeNumber(f, result);
}

std::string PercentOfLine(const TapeFormat& f, double percent, double of, double result)
{
    return TapeNumber(f, percent) + "% of " + TapeNumber(f, of) + " = " + TapeNumber(f, result);
}

std::string FunctionLine(const TapeFormat& f, const char* name, double argument, double result)
{
    return std::string(name) + " " + TapeNumber(f, argument) + " = " + TapeNumber(f, result);
}

std::string NamedValueLine(const TapeFormat& f, const char* name, double value)
{
    return std::string(name) + " " + TapeNumber(f, value);
}

std::string SwapLine(const TapeFormat& f, double up, double current)
{
    return "Swap " + TapeNumber(f, up) + " <-> " + TapeNumber(f, current);
}
