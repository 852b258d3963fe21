#pragma once
#include <string>

#include "calc_engine_ext.h"
#include "fake_calc_view.h"

// One calculator on a fake window, started as the real window starts it and driven as the
// real window drives it: every event goes through the engine's one door, which reads the
// selections once for an event it takes. Key
// sequences are written as on paper, tokens separated by spaces: "20 + 10 %" presses 2, 0,
// +, 1, 0, %.
class Calc {
public:
    explicit Calc(Edition edition = Edition::Classic);

    // One event through the door, as the window hands it over; false when the engine left it.
    bool Send(const CalcEvent& event);
    // One of the window's commands (its menu, its accelerators, its set-up).
    void Command(CalcOp op, int arg = 0) { Send(CalcEvent::Command(op, arg)); }

    // Clicks the keys of a sequence. Numbers are typed digit by digit ("0.07", "12"),
    // "#FF" types hexadecimal digits, and named tokens press their key ("sqrt", "MS", "sin").
    void Keys(const std::string& sequence);
    bool Click(int id) { return Send(CalcEvent::Click(id)); }
    bool Char(char ch) { return Send(CalcEvent::Char(static_cast<unsigned char>(ch))); }
    void Type(const std::string& text);
    bool Press(int key, Modifiers mods = {}) { return Send(CalcEvent::KeyDown(key, mods)); }
    void Release(int key, Modifiers mods = {}) { Send(CalcEvent::KeyUp(key, mods)); }
    void Tap(int key, Modifiers mods = {});

    // What the panels show.
    const std::string& Up() const { return view.shown.strResult; }
    const std::string& Down() const { return view.shown.strCurrent; }
    const std::string& Integer() const { return view.shown.strInteger; }
    const std::string& Other() const { return view.shown.strOther; }
    const std::string& LastOp() const { return view.shown.strLastOp; }
    const CalcState& S() const { return engine.State(); }
    bool Enabled(int id) const { return view.IsKeyEnabled(id); }

    // A user's click on a selector: moves the radio or ticks the box, then the key's action.
    void SelectBase(int nBase);
    void SelectAngle(int nAngle);
    void SetIntegerInput(bool on);

    EngineOptions options;
    FakeCalcView view;
    FakeClipboard clipboard;
    CalcEngineExt engine;
};

Modifiers Shift();
Modifiers Ctrl();
