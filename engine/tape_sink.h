#pragma once
#include <string>

// Where the engine writes the record of what it calculated: one finished line per operation,
// in the order done. The engine only writes; nothing here comes back into it.
class ICalcTape {
public:
    virtual ~ICalcTape() = default;
    virtual void Record(const std::string& line) = 0;
};
