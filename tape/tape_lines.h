#pragma once
#include <cstddef>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "tape_sink.h"

// The lines as text, one per text line: CR LF between lines, none after the last.
std::string JoinLines(const std::deque<std::string>& lines);

// What changed: a line added at the end (and perhaps the oldest dropped), or anything else.
enum class TapeChange { Appended, Reset };

// The tape's lines, oldest first: what the engine recorded, kept to the last kCapacity lines.
// The tape window shows them and edits them through this; it learns of every change.
class TapeLines : public ICalcTape {
public:
    static constexpr size_t kCapacity = 1000;
    // No line the engine writes is longer (three numbers of over 300 digits each); a stored
    // one that is, is not a line of ours.
    static constexpr size_t kMaxLineLength = 1024;

    void Record(const std::string& line) override;

    const std::deque<std::string>& Lines() const { return lines_; }
    // Replaces every line, keeping the last kCapacity.
    void Assign(std::vector<std::string> lines);
    void Clear();
    // Removes the lines at these indices; indices out of range are ignored.
    void Erase(const std::vector<int>& indices);
    // The lines at these indices, or every line when there are none, one per text line
    // (CR LF between lines, none after the last).
    std::string Text(const std::vector<int>& indices) const;

    // Called after every change.
    void OnChange(std::function<void(TapeChange)> notify) { notify_ = std::move(notify); }

private:
    void Changed(TapeChange change) const;

    std::deque<std::string> lines_;
    std::function<void(TapeChange)> notify_;
};
