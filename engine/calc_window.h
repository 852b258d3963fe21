#pragma once

// What the engine commands of the calculator window beyond its display. None of these calls
// comes back into the engine: the engine has changed its own state before it commands.
class ICalcWindow {
public:
    virtual ~ICalcWindow() = default;

    // Exit on Escape: every stored setting is saved, then the window ends for good.
    virtual void SaveAndClose() = 0;
    // Cuts the window to the basic view or widens it to the extended one, and stores which.
    virtual void ShowExtendedView(bool on) = 0;
    // Flips the "Show Precision" option and shows or hides the precision control.
    virtual void TogglePrecisionControl() = 0;
};
