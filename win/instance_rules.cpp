#include "instance_rules.h"

namespace {

constexpr char kDialogClass[] = "#32770";

char FoldCase(char c)
{
    // Windows compares file names without regard to case; the names here are ANSI, and only
    // ASCII letters are folded (a name with other letters in another case is another name:
    // at worst a second calculator starts).
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SameName(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (FoldCase(a[i]) != FoldCase(b[i]))
            return false;
    }
    return true;
}

}  // namespace

std::string FileNamePart(const std::string& path)
{
    const size_t end = path.find_last_of("\\/:");
    return end == std::string::npos ? path : path.substr(end + 1);
}

bool IsWindowOfThisProgram(const std::string& windowClass, const std::string& theirImage,
                           const std::string& ourImage)
{
    if (windowClass != kDialogClass)
        return false;
    const std::string ours = FileNamePart(ourImage);
    return !ours.empty() && SameName(FileNamePart(theirImage), ours);
}
