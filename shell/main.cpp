// The program's entry. The same file starts both editions; the build says which one.
#include <windows.h>
#include <commctrl.h>

#include "calc_app.h"
#include "fpu_precision.h"
#include "resource_ids.h"
#include "tooltips.h"
#include "win32_registry.h"
#include "win32_settings_file.h"

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

    // With a tallyra.ini beside it the program is portable: every setting is kept in that file,
    // and the registry is not touched. A save that fails there is told once.
    Win32Registry registry;
    const std::unique_ptr<IRegistry> portable =
        OpenSettingsBesideProgram("tallyra.ini", [](const std::string& text) {
            MessageBoxA(GetActiveWindow(), text.c_str(), LoadResourceString(IDS_TITLE).c_str(),
                        MB_OK | MB_ICONWARNING);
        });
    CCalcApp app(Edition::TALLYRA_EDITION, portable ? *portable : registry);
    app.RunCalculator();
    return 0;
}
