// Digit grouping of the loan panels and the result line.
#include "group_digits.h"

std::string GroupDigits(const std::string& source, int group)
{
    size_t point = source.find('.');
    if (point == std::string::npos)
        point = source.find(',');
    if (point == std::string::npos)
        point = source.size();
    if (group < 1 || point <= static_cast<size_t>(group))
        return source;

    // One pass: a pasted amount can be thousands of digits long, and inserting the spaces
    // one by one would move the tail each time.
    const size_t size = static_cast<size_t>(group);
    std::string grouped;
    grouped.reserve(source.size() + (point - 1) / size);
    for (size_t i = 0; i < point; ++i) {
        if (i > 0 && (point - i) % size == 0)
            grouped += ' ';
        grouped += source[i];
    }
    grouped.append(source, point, std::string::npos);
    return grouped;
}
