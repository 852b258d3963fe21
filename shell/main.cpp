// The program's entry. The same file starts both editions; the build says which one.
#include <windows.h>
#include <commctrl.h>

#include "calc_app.h"
#include "fpu_precision.h"
#include "program_end.h"
#include "resource_ids.h"
#include "resource_text.h"
#include "system_function.h"
#include "win32_registry.h"
#include "win32_settings_file.h"

#ifndef TALLYRA_EDITION
#error "TALLYRA_EDITION must name the edition: Classic or Styled"
#endif

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    // Before any DLL is loaded by name: from here on only the system folder is searched.
    LoadDllsFromSystemFolderOnly();

    // The common controls are not a KnownDLL, so an import of them would be looked for beside
    // the program first; they are taken from the system folder instead (for the Styled
    // edition, the version 6 its manifest asks for). Before the first window: the templates
    // hold an up-down control, and the windows make tooltips.
    typedef BOOL(WINAPI InitCommonControlsExFunction)(const INITCOMMONCONTROLSEX*);
    INITCOMMONCONTROLSEX controls = {sizeof controls,
                                     ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS | ICC_BAR_CLASSES};
    if (auto* initControls =
            SystemFunction<InitCommonControlsExFunction>("comctl32.dll", "InitCommonControlsEx"))
        initControls(&controls);

    // Before anything else computes: the arithmetic relies on a 64-bit mantissa.
    SetExtendedPrecision();

    // With a tallyra.ini beside it the program is portable: every setting is kept in that file,
    // and the registry is not touched. A save that fails there is told once, unless the save
    // is the last one, when the session or the program ends: a message then would only hold
    // the end up.
    Win32Registry registry;
    const std::unique_ptr<IRegistry> portable =
        OpenSettingsBesideProgram("tallyra.ini", [](const std::string& text) {
            if (SessionEnding())
                return;
            MessageBoxA(GetActiveWindow(), text.c_str(), LoadResourceString(IDS_TITLE).c_str(),
                        MB_OK | MB_ICONWARNING);
        });
    CCalcApp app(Edition::TALLYRA_EDITION, portable ? *portable : registry);
    app.RunCalculator();
    return 0;
}
