#pragma once
#include "calc_state.h"

// What a screen reader is told without being asked.
enum class Announcement {
    Result,  // a finished operation's value, as the up or the down window now shows it
    Copied,  // the text just put on the clipboard
};

// The calculator window's display as the engine sees it: it only receives. The real window
// shows it with controls; the unit tests keep it in plain fields.
class ICalcDisplay {
public:
    virtual ~ICalcDisplay() = default;

    // Shows every text, selection, the check box and the precision number of the state.
    virtual void PushState(const CalcState& state) = 0;
    // Said once, every time, also when it is the same text as before.
    virtual void Announce(const std::string& text, Announcement kind) = 0;
    // Called only when the key's state changes; a key never named is enabled.
    virtual void EnableKey(int id, bool enabled) = 0;

    // The precision spin range, and the two system-menu entries that show the model.
    virtual void SetPrecisionRange(int lowest, int highest) = 0;
    virtual void SetPrecisionMenuTexts(int nAfter, int nScale) = 0;
    virtual void CheckPrecisionMode(bool after) = 0;
};

// What the display's selectors hold, as the window reads them back before every event: the
// radio groups as indices in their group (-1 when none is checked), the integer-input check
// box and the number in the precision edit box (-1 when it holds no number).
struct ControlSelections {
    int nXWindow = 0;
    int nActiveReg = 0;
    int nBase = 0;
    int nAngle = 0;
    bool bIntegerInput = false;
    int nPrecisionEdit = -1;
};

// What the controls hold once the window has shown `state`.
inline ControlSelections SelectionsShowing(const CalcState& state)
{
    return ControlSelections{state.nXWindow, state.nActiveReg,    state.nBase,
                             state.nAngle,   state.bIntegerInput, state.nPrecisionEdit};
}
