#pragma once
#include <functional>
#include <set>
#include <string>

#include "calc_display.h"
#include "calc_event.h"
#include "calc_state.h"
#include "calc_window.h"
#include "clipboard_port.h"
#include "edition.h"
#include "engine_options.h"
#include "tape_line.h"
#include "tape_sink.h"

// Reads what the window's selectors show now: the user may have clicked a radio button since
// the engine last pushed. Called once for each event the engine takes, never for one it
// leaves to the window.
using SelectionReader = std::function<ControlSelections()>;

// The basic calculator: typing, the four operations with percent, square root and
// reciprocal, the two registers and the memory keys, and the basic key map. The window hands
// every event to Handle; the engine resolves it, takes the window's selections, runs it and
// pushes what is to be shown. The engine only pushes to the window; what it needs to know of
// it, it keeps itself or is handed. CalcEngineExt adds the extended view by overriding the
// virtual operations.
class CalcEngine {
public:
    CalcEngine(ICalcDisplay& display, ICalcWindow& window, IClipboard& clipboard, EngineOptions& options,
               Edition edition);
    virtual ~CalcEngine() = default;
    CalcEngine(const CalcEngine&) = delete;
    CalcEngine& operator=(const CalcEngine&) = delete;

    // The one door: false when the event is not the engine's (the window's default handling
    // may have it); then the selections were not read.
    bool Handle(const CalcEvent& event, const SelectionReader& read);

    // The state, for the settings store before the window shows it.
    CalcState& State() { return state_; }
    const CalcState& State() const { return state_; }
    Edition GetEdition() const { return edition_; }
    // Whether a key is enabled, as the last refresh left it.
    bool KeyEnabled(int id) const { return disabledKeys_.count(id) == 0; }
    // The view the window shows, as the engine has had it switched.
    bool ExtendedView() const { return extended_; }
    // The tape the engine writes each finished operation into; none when null.
    void SetTape(ICalcTape* tape) { tape_ = tape; }

protected:
    // The key map: what an event asks for, decided from the event and the state; the Escape
    // latch is the only state it changes.
    virtual CalcAction ResolveClick(int id);
    virtual CalcAction ResolveChar(int ch);
    virtual CalcAction ResolveKeyDown(int key, Modifiers mods);
    virtual CalcAction ResolveKeyUp(int key, Modifiers mods);
    CalcAction Resolve(const CalcEvent& event);
    // Runs an action with the selections already taken.
    virtual void Execute(CalcAction action);

    // Typing and display.
    virtual void PrepareOperands();
    virtual void PressDigit(int id);
    void PressPoint();
    void ChangeSign();
    void ClearKey(int id);
    virtual void PressBack();
    virtual void RefreshDisplay(bool redraw);
    virtual void ShowLastOp();
    virtual void RefreshKeys();
    // Switches to the basic or the extended view and has the window show it. The window
    // opens in the extended view of its template and is switched to the stored one at once.
    void SwitchView(bool extended);

    // Operations, registers and memory.
    void PressOperation(int id);
    void PressIfEnabled(int id);
    int OperationType(int id);
    virtual void Compute(int type, int id);
    void InMemoryOperands(int id, double& first, double& second);
    void MemoryKey(int id);
    // A value taken back into the down window, as MR takes M: not being typed, the registers
    // and the waiting operation as they were, no line on the tape.
    void RecallValue(double value);
    void ToggleActiveRegister();
    void ToggleXWindow();
    void SwapWindows();
    void ToggleInMemory();

    // Takes the radio groups (and, for the extended view, the rest) from what the window's
    // selectors show: the first step of PrepareOperands, and all RefreshKeys reads.
    virtual void ApplySelections();
    // Copies the active register into the up window and chooses the argument x.
    void LoadOperands();
    // Pushes the state; the selectors show it from then on.
    void Push();
    // Tells the display about the key only when its state changes.
    void SetKeyEnabled(int id, bool enabled);
    // Types a digit into the text being entered, which starts afresh with the first digit.
    void TypeInto(std::string& text, char digit);
    char DecimalSeparator() const { return options_.bCommaPoint ? ',' : '.'; }
    // Whether there is a tape to write to, the way it writes numbers now, and one line of it.
    bool Taping() const { return tape_ != nullptr; }
    TapeFormat TapeFormatNow() const;
    void Record(const std::string& line, std::optional<double> result = std::nullopt);
    // An operation finished, as the line the tape receives tells: its value is announced as
    // the display shows it once refreshed: in the up window, the down window, or the panel of
    // the memory register (the up window while M is active, else the other register's).
    enum class Shown : uint8_t { Nothing, UpWindow, DownWindow, Memory };
    void Finished(Shown where) { finished_ = where; }
    // The line of an operation key just computed: `argument` is the function's x as the user
    // saw it, `typed` the current data and `up` the up window before the computation.
    void RecordOperation(int type, int id, double argument, double typed, double up);

    // The two operands of the last computation, as InMemoryOperands left them.
    struct Operands {
        double first = 0.0;
        double second = 0.0;
    } operands_;

    CalcState state_;
    ICalcDisplay& display_;
    ICalcWindow& window_;
    IClipboard& clipboard_;
    EngineOptions& options_;
    const Edition edition_;
    // What the window's selectors show: read for this event, or as the engine last pushed.
    ControlSelections shown_;

private:
    ICalcTape* tape_ = nullptr;
    Shown finished_ = Shown::Nothing;
    std::set<int> disabledKeys_;
    bool extended_ = true;  // the template holds the extended view
};
