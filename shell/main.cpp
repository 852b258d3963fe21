// The program's entry. The same file starts both editions; the build says which one.
#include <windows.h>
#include <commctrl.h>

#include "calc_app.h"
#include "fpu_precision.h"
#include "win32_registry.h"

#ifndef TALLYRA_EDITION
#error "TALLYRA_EDITION must name the edition: Classic or Styled"
#endif

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    // Before anything else computes: the arithmetic relies on a 64-bit mantissa.
    SetExtendedPrecision();

    INITCOMMONCONTROLSEX controls = {sizeof controls,
                                     ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    Win32Registry registry;
    CCalcApp app(Edition::TALLYRA_EDITION, registry);
    app.RunCalculator();
    return 0;
}
