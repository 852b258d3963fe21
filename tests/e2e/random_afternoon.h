// A user's worst afternoon, from a seed: real keys, chords, clicks on whatever window of the
// program is in front, system commands of both windows (re-creation, the loan window, the
// colours dialog, the About window, the options), and pastes of random clipboard texts.
// After each burst it checks what a user would notice: the program still runs, every window
// of it answers within 2 s, the panels hold numbers, the calculator lies on the desktop.
// The seed decides every draw, so a failing seed replays the same events; what the program
// answers may still differ by timing.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <deque>
#include <random>
#include <string>
#include <vector>

#include "app_process.h"
#include "e2e_options.h"

namespace e2e {

// A new seed for a run that was given none.
unsigned FreshSeed();

// A text as a user could read it as a number in a panel: empty, a decimal number (with the
// comma as its point, group spaces, an exponent being typed, a trailing "%"), what the C
// printf writes for infinities and NaNs, or, in the integer panel, digits of any base.
bool ReadsAsNumber(const std::string& text, bool anyBase);

// A loan field as the loan window shows what was typed or pasted into it: a paste keeps the
// leading characters the calculator's own paste takes (digits, the hexadecimal letters, the
// separators), so an amount can read "ab12" or "1 2E3 456"; signs, group spaces and the
// rate's "%" besides.
bool ReadsAsLoanField(const std::string& text);

// The loan result: empty, or "payment - total", each a number.
bool ReadsAsLoanResult(const std::string& text);

// The schedule's extra box: what its input rule lets in, digits and one separator with at
// most two decimals, no more than a loan input holds.
bool ReadsAsExtra(const std::string& text);

// A clipboard text of one of the kinds users paste by mistake: random bytes, a long text,
// every character class, a number-like text, or nothing.
std::string RandomClipboardText(std::mt19937& random);

class RandomAfternoon {
public:
    struct Figures {
        int events = 0;
        int closedByTheUser = 0;  // clean ends (the close box, Escape, Close) followed by a new start
        int recreations = 0;      // Big Font commands sent
        int loanOpenings = 0;
        int colourOpenings = 0;
        int aboutOpenings = 0;
        int pastes = 0;
        int tapeCommands = 0;  // Show Tape and the tape's own commands
        int scheduleCommands = 0;
        int extraBoxTexts = 0;  // random texts typed or pasted into the schedule's extra box
    };

    RandomAfternoon(AppProcess& app, const Edition& edition, const std::string& exePath, unsigned seed);

    // Plays `events` events in bursts and checks after each; on the first fault the result
    // says what it was, after which event, and the events that led there.
    testing::AssertionResult Play(int events);

    // Closes every window of the program in order, the calculator last, and waits for it
    // to end.
    testing::AssertionResult CloseAll();

    const Figures& Counts() const { return figures_; }

private:
    void OneEvent();
    void Key();
    void Click();
    void Command();
    void Paste();
    void CloseSomething();
    void ExtraBox(HWND schedule);
    testing::AssertionResult Check();
    testing::AssertionResult Restart();

    HWND Main() const;
    HWND Front() const;
    std::vector<HWND> Windows() const;
    void Note(const std::string& what);
    testing::AssertionResult Fault(const std::string& what) const;
    int Draw(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }

    AppProcess& app_;
    Edition edition_;
    std::string exePath_;
    unsigned seed_;
    std::mt19937 random_;
    Figures figures_;
    std::deque<std::string> recent_;  // the last events, for a failure message
};

}  // namespace e2e
