#pragma once
#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tape_sink.h"

// The lines as text, one per text line: CR LF between lines, none after the last.
std::string JoinLines(const std::deque<std::string>& lines);

// The result a line of the tape writes, read from its text: the number after its last " = "
// ("12 + 5 = 17"), or after the name of a memory line ("MS 17", "MR 12", "M+ 5"), with either
// decimal separator, the one it was written with. None for a line without one ("C", "Swap
// 5 <-> 3") or whose result is no finite number ("5 / 0 = inf").
std::optional<double> LineResult(const std::string& line);

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

    void Record(const std::string& line, std::optional<double> result) override;

    const std::deque<std::string>& Lines() const { return lines_; }
    // The result the line at `index` gives back: for a line written in this run, the exact
    // value the calculator computed; for one of an earlier run, the number its text writes.
    // None for a line without a result, or an index out of range.
    std::optional<double> ResultOf(int index) const;
    // Replaces every line, keeping the last kCapacity.
    void Assign(std::vector<std::string> lines);
    void Clear();
    // Removes the lines at these indices; indices out of range are ignored.
    void Erase(const std::vector<int>& indices);
    // The lines at these indices, or every line when there are none, one per text line
    // (CR LF between lines, none after the last).
    std::string Text(const std::vector<int>& indices) const;
    // Every line as a text file holds it: each line followed by CR LF.
    std::string FileText() const;

    // Called after every change.
    void OnChange(std::function<void(TapeChange)> notify) { notify_ = std::move(notify); }

private:
    void Changed(TapeChange change) const;

    std::deque<std::string> lines_;
    // Beside each line, the exact value its result stands for; none for a line without one
    // and for a line of an earlier run. Never stored.
    std::vector<std::optional<double>> exact_;
    std::function<void(TapeChange)> notify_;
};
