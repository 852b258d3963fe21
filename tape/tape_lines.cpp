#include "tape_lines.h"

#include <algorithm>
#include <set>

std::string JoinLines(const std::deque<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        if (!text.empty())
            text += "\r\n";
        text += line;
    }
    return text;
}

void TapeLines::Record(const std::string& line)
{
    lines_.push_back(line.substr(0, kMaxLineLength));
    while (lines_.size() > kCapacity)
        lines_.pop_front();
    Changed(TapeChange::Appended);
}

void TapeLines::Assign(std::vector<std::string> lines)
{
    const size_t skip = lines.size() > kCapacity ? lines.size() - kCapacity : 0;
    lines_.assign(std::make_move_iterator(lines.begin() + static_cast<std::ptrdiff_t>(skip)),
                  std::make_move_iterator(lines.end()));
    Changed(TapeChange::Reset);
}

void TapeLines::Clear()
{
    lines_.clear();
    Changed(TapeChange::Reset);
}

void TapeLines::Erase(const std::vector<int>& indices)
{
    const std::set<int> doomed(indices.begin(), indices.end());
    std::deque<std::string> kept;
    for (size_t i = 0; i < lines_.size(); ++i)
        if (doomed.count(static_cast<int>(i)) == 0)
            kept.push_back(std::move(lines_[i]));
    lines_.swap(kept);
    Changed(TapeChange::Reset);
}

std::string TapeLines::Text(const std::vector<int>& indices) const
{
    if (indices.empty())
        return JoinLines(lines_);
    std::deque<std::string> chosen;
    for (int i : std::set<int>(indices.begin(), indices.end()))
        if (i >= 0 && static_cast<size_t>(i) < lines_.size())
            chosen.push_back(lines_[static_cast<size_t>(i)]);
    return JoinLines(chosen);
}

void TapeLines::Changed(TapeChange change) const
{
    if (notify_)
        notify_(change);
}
