#include "spoken.h"

#include "control_ids.h"

int SpokenNameId(int id, bool extendedView)
{
    if (id == IDC_KEY_VIEW && extendedView)
        return IDS_NAME_VIEW_BASIC;
    return IDS_NAME_OFFSET + id;
}

std::string SpokenName(int id, const std::string& name, const CalcState& s)
{
    const std::string* shows[2] = {nullptr, nullptr};
    switch (id) {
    case IDC_PANEL_RESULT: shows[0] = &s.strUpLabel, shows[1] = &s.strResult; break;
    case IDC_PANEL_OTHER: shows[0] = &s.strOtherLabel, shows[1] = &s.strOther; break;
    case IDC_PANEL_CURRENT: shows[0] = &s.strCurrent; break;
    case IDC_PANEL_INTEGER: shows[0] = &s.strInteger; break;
    case IDC_PANEL_UP_LABEL: shows[0] = &s.strUpLabel; break;
    case IDC_PANEL_OTHER_LABEL: shows[0] = &s.strOtherLabel; break;
    case IDC_PANEL_LAST_OP: shows[0] = &s.strLastOp; break;
    default: break;
    }
    std::string spoken = name;
    for (const std::string* text : shows)
        if (text != nullptr && !text->empty())
            spoken += " " + *text;
    return spoken;
}

const char* KeyShortcut(int id, Edition edition)
{
    static const char* const kDigits[] = {"0", "1", "2", "3", "4", "5", "6", "7",
                                          "8", "9", "A", "B", "C", "D", "E", "F"};
    if (id >= IDC_KEY_DIGIT0 && id <= IDC_KEY_HEX_F)
        return kDigits[id - IDC_KEY_DIGIT0];
    switch (id) {
    case IDC_KEY_MC: return edition == Edition::Styled ? "Ctrl+Backspace" : nullptr;
    case IDC_KEY_MR: return "Ctrl+R";
    case IDC_KEY_MS: return "M";
    case IDC_KEY_MPLUS: return "Ctrl+Plus";
    case IDC_KEY_DIVIDE: return "/";
    case IDC_KEY_MULTIPLY: return "*";
    case IDC_KEY_SUBTRACT: return "-";
    case IDC_KEY_ADD: return "+";
    case IDC_KEY_PERCENT: return "%";
    case IDC_KEY_EQUALS: return "Enter";
    case IDC_KEY_SQRT: return "Q";
    case IDC_KEY_RECIPROCAL: return "X";
    case IDC_KEY_SIGN: return "_";
    case IDC_KEY_POINT: return ".";
    case IDC_KEY_BACK: return "Backspace";
    case IDC_KEY_DELETE: return "Delete";
    case IDC_KEY_CLEAR: return "Ctrl+Delete";
    case IDC_KEY_ACC:
    case IDC_KEY_MEM: return "Ctrl+O";
    case IDC_KEY_VIEW: return "Ctrl+Space";
    case IDC_KEY_LN: return "N";
    case IDC_KEY_LOG: return "L";
    case IDC_KEY_POWXY: return "Y";
    case IDC_KEY_SIN: return "S";
    case IDC_KEY_COS: return "C";
    case IDC_KEY_TAN: return "T";
    case IDC_KEY_E: return "E";
    case IDC_KEY_PI: return "P";
    case IDC_KEY_SWAP: return "W";
    default: return nullptr;
    }
}
