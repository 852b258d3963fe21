#pragma once
#include <optional>
#include <string>

// Where the engine writes the record of what it calculated: one finished line per operation,
// in the order done. The engine only writes; nothing here comes back into it.
class ICalcTape {
public:
    virtual ~ICalcTape() = default;
    // `result` is the exact value the line's result stands for (kept in memory only, so that
    // the line gives it back whole); none for a line without a result ("C").
    virtual void Record(const std::string& line, std::optional<double> result) = 0;
};
