#include "calculator_keys.h"

#include "control_ids.h"

#include <map>
#include <sstream>

namespace e2e {

std::vector<int> KeyIds(const std::string& sequence)
{
    static const std::map<std::string, int> kWords = {
        {"sqrt", IDC_KEY_SQRT},  {"1/x", IDC_KEY_RECIPROCAL}, {"ln", IDC_KEY_LN},     {"log", IDC_KEY_LOG},
        {"exp", IDC_KEY_EXP},    {"10^x", IDC_KEY_POW10},     {"x^y", IDC_KEY_POWXY}, {"x^3", IDC_KEY_CUBE},
        {"x^2", IDC_KEY_SQUARE}, {"sin", IDC_KEY_SIN},        {"cos", IDC_KEY_COS},   {"tan", IDC_KEY_TAN},
        {"asin", IDC_KEY_ASIN},  {"acos", IDC_KEY_ACOS},      {"atan", IDC_KEY_ATAN}, {"+/-", IDC_KEY_SIGN},
        {"MC", IDC_KEY_MC},      {"MR", IDC_KEY_MR},          {"MS", IDC_KEY_MS},     {"M+", IDC_KEY_MPLUS},
    };
    static const std::map<char, int> kChars = {
        {'.', IDC_KEY_POINT},  {'+', IDC_KEY_ADD},     {'-', IDC_KEY_SUBTRACT}, {'*', IDC_KEY_MULTIPLY},
        {'/', IDC_KEY_DIVIDE}, {'%', IDC_KEY_PERCENT}, {'=', IDC_KEY_EQUALS},
    };

    std::vector<int> ids;
    std::istringstream tokens(sequence);
    std::string token;
    while (tokens >> token) {
        const auto word = kWords.find(token);
        if (word != kWords.end()) {
            ids.push_back(word->second);
            continue;
        }
        for (char c : token) {
            if (c >= '0' && c <= '9') {
                ids.push_back(IDC_KEY_DIGIT0 + (c - '0'));
                continue;
            }
            const auto key = kChars.find(c);
            if (key == kChars.end())
                return {};
            ids.push_back(key->second);
        }
    }
    return ids;
}

}  // namespace e2e
