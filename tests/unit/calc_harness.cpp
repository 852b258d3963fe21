#include "calc_harness.h"

#include <map>
#include <sstream>
#include <stdexcept>

void FakeCalcView::PushState(const CalcState& state)
{
    shown = state;
    controls = SelectionsShowing(state);
    ++pushes;
}

bool FakeCalcView::IsKeyEnabled(int id) const
{
    auto it = enabled.find(id);
    return it == enabled.end() || it->second;
}

void FakeCalcView::EnableKey(int id, bool on)
{
    enabled[id] = on;
    ++enableCalls;
}

void FakeCalcView::SetPrecisionRange(int lowest, int highest)
{
    rangeLow = lowest;
    rangeHigh = highest;
}

void FakeCalcView::SetPrecisionMenuTexts(int nAfter, int nScale)
{
    menuAfterText = "After Point :\t" + std::to_string(nAfter);
    menuScaleText = "Common Scale :\t" + std::to_string(nScale);
}

void FakeCalcView::ShowExtendedView(bool on)
{
    extended = on;
    ++viewSwitches;
}

Calc::Calc(Edition edition) : engine(view, view, clipboard, options, edition)
{
    // The window's first refresh and its precision set-up.
    Command(CalcOp::Refresh);
    Command(CalcOp::SetUpPrecision);
}

bool Calc::Send(const CalcEvent& event)
{
    return engine.Handle(event, [this] { return view.ReadSelections(); });
}

namespace {

const std::map<std::string, int>& NamedKeys()
{
    static const std::map<std::string, int> keys = {
        {"+", IDC_KEY_ADD},         {"-", IDC_KEY_SUBTRACT},
        {"*", IDC_KEY_MULTIPLY},    {"/", IDC_KEY_DIVIDE},
        {"%", IDC_KEY_PERCENT},     {"=", IDC_KEY_EQUALS},
        {"sqrt", IDC_KEY_SQRT},     {"1/x", IDC_KEY_RECIPROCAL},
        {"+/-", IDC_KEY_SIGN},      {"MC", IDC_KEY_MC},
        {"MR", IDC_KEY_MR},         {"MS", IDC_KEY_MS},
        {"M+", IDC_KEY_MPLUS},      {"Back", IDC_KEY_BACK},
        {"Delete", IDC_KEY_DELETE}, {"Clear", IDC_KEY_CLEAR},
        {"Acc", IDC_KEY_ACC},       {"Mem", IDC_KEY_MEM},
        {"ln", IDC_KEY_LN},         {"log", IDC_KEY_LOG},
        {"exp", IDC_KEY_EXP},       {"10^x", IDC_KEY_POW10},
        {"x^y", IDC_KEY_POWXY},     {"x^3", IDC_KEY_CUBE},
        {"x^2", IDC_KEY_SQUARE},    {"sin", IDC_KEY_SIN},
        {"cos", IDC_KEY_COS},       {"tan", IDC_KEY_TAN},
        {"asin", IDC_KEY_ASIN},     {"acos", IDC_KEY_ACOS},
        {"atan", IDC_KEY_ATAN},     {"e", IDC_KEY_E},
        {"pi", IDC_KEY_PI},         {"swap", IDC_KEY_SWAP},
    };
    return keys;
}

}  // namespace

void Calc::Keys(const std::string& sequence)
{
    std::istringstream tokens(sequence);
    std::string token;
    while (tokens >> token) {
        auto named = NamedKeys().find(token);
        if (named != NamedKeys().end()) {
            Click(named->second);
        } else if (token[0] == '#') {
            for (size_t i = 1; i < token.size(); ++i) {
                const char c = token[i];
                Click(c <= '9' ? IDC_KEY_DIGIT0 + (c - '0') : IDC_KEY_HEX_A + (c - 'A'));
            }
        } else {
            for (char c : token) {
                if (c >= '0' && c <= '9')
                    Click(IDC_KEY_DIGIT0 + (c - '0'));
                else if (c == '.')
                    Click(IDC_KEY_POINT);
                else
                    throw std::invalid_argument("unknown key token: " + token);
            }
        }
    }
}

void Calc::Type(const std::string& text)
{
    for (char c : text)
        Char(c);
}

void Calc::Tap(int key, Modifiers mods)
{
    Press(key, mods);
    Release(key, mods);
}

void Calc::SelectBase(int nBase)
{
    view.controls.nBase = nBase;
    Click(IDC_RADIO_DEC + nBase);
}

void Calc::SelectAngle(int nAngle)
{
    view.controls.nAngle = nAngle;
    Click(IDC_RADIO_DEGREES + nAngle);
}

void Calc::SetIntegerInput(bool on)
{
    view.controls.bIntegerInput = on;
    Click(IDC_CHECK_INTEGER_INPUT);
}

Modifiers Shift()
{
    return Modifiers{true, false};
}

Modifiers Ctrl()
{
    return Modifiers{false, true};
}
