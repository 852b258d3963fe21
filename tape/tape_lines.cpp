#include "tape_lines.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "number_text.h"

namespace {

// The whole of `text` as a decimal number as the panels write them: a sign, digits with one
// separator of either kind, an exponent ("1e+20"). Nothing else may stand in it.
std::optional<double> WholeNumber(std::string text)
{
    ReplaceChar(text, ',', '.');
    bool digits = false;
    size_t i = text[0] == '-' ? 1 : 0;
    for (bool point = false; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9')
            digits = true;
        else if (c == '.' && !point)
            point = true;
        else
            break;
    }
    if (digits && i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        const size_t first = j;
        while (j < text.size() && text[j] >= '0' && text[j] <= '9')
            ++j;
        if (j > first)
            i = j;
    }
    if (!digits || i != text.size())
        return std::nullopt;
    const double value = ReadDecimalPrefix(text);
    return std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

}  // namespace

std::optional<double> LineResult(const std::string& line)
{
    const size_t equals = line.rfind(" = ");
    if (equals != std::string::npos)
        return WholeNumber(line.substr(equals + 3));
    for (const char* name : {"MS ", "MR ", "M+ "})
        if (line.rfind(name, 0) == 0)
            return WholeNumber(line.substr(3));
    return std::nullopt;
}

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

void TapeLines::Record(const std::string& line, std::optional<double> result)
{
    lines_.push_back(line.substr(0, kMaxLineLength));
    exact_.push_back(result && std::isfinite(*result) ? result : std::nullopt);
    while (lines_.size() > kCapacity) {
        lines_.pop_front();
        exact_.erase(exact_.begin());
    }
    Changed(TapeChange::Appended);
}

std::optional<double> TapeLines::ResultOf(int index) const
{
    if (index < 0 || static_cast<size_t>(index) >= lines_.size())
        return std::nullopt;
    const std::optional<double>& exact = exact_[static_cast<size_t>(index)];
    return exact ? exact : LineResult(lines_[static_cast<size_t>(index)]);
}

std::string TapeLines::FileText() const
{
    std::string text;
    for (const std::string& line : lines_)
        text += line + "\r\n";
    return text;
}

void TapeLines::Assign(std::vector<std::string> lines)
{
    const size_t skip = lines.size() > kCapacity ? lines.size() - kCapacity : 0;
    lines_.assign(std::make_move_iterator(lines.begin() + static_cast<std::ptrdiff_t>(skip)),
                  std::make_move_iterator(lines.end()));
    exact_.assign(lines_.size(), std::nullopt);  // lines of an earlier run: their text is all there is
    Changed(TapeChange::Reset);
}

void TapeLines::Clear()
{
    lines_.clear();
    exact_.clear();
    Changed(TapeChange::Reset);
}

void TapeLines::Erase(const std::vector<int>& indices)
{
    const std::set<int> doomed(indices.begin(), indices.end());
    std::deque<std::string> kept;
    std::vector<std::optional<double>> keptExact;
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (doomed.count(static_cast<int>(i)) == 0) {
            kept.push_back(std::move(lines_[i]));
            keptExact.push_back(exact_[i]);
        }
    }
    lines_.swap(kept);
    exact_.swap(keptExact);
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
