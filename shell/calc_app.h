#pragma once
#include <windows.h>

#include "edition.h"
#include "registry_port.h"

// The program's help, the About window over `owner`: what F1, WM_HELP and "Quick Help..." open
// in every window that has them.
void ShowProgramHelp(HWND owner);

// The program: it runs the calculator window until it ends for good. There is no message
// loop of its own; the windows' modal loops pump every message.
class CCalcApp {
public:
    CCalcApp(Edition edition, IRegistry& registry) : edition_(edition), registry_(registry) {}

    // Runs the calculator window, creating it again from the other template each time it
    // ends asking for that (the Big Font command).
    void RunCalculator();

    // Runs the loan window with `owner` disabled meanwhile, in the same re-creation loop.
    static void RunLoanCalculator(Edition edition, IRegistry& registry, HWND owner);

private:
    Edition edition_;
    IRegistry& registry_;
};
