#include "high_contrast.h"

#include "control_ids.h"

Color HighContrastColor(const ColorTarget& target, const HighContrastColors& system)
{
    const int id = target.id;
    if (id == kDialogBackground)
        return system.buttonFace;
    if (id >= IDC_FIRST_KEY && id <= IDC_LAST_KEY)
        return target.background ? system.buttonFace : system.buttonText;
    if (id == IDC_PANEL_RESULT || id == IDC_PANEL_UP_LABEL)
        return target.background ? system.highlight : system.highlightText;
    return target.background ? system.window : system.windowText;
}

void ShowInHighContrast(std::vector<ColorTarget>& targets, const HighContrastColors& system)
{
    for (ColorTarget& target : targets)
        target.color = HighContrastColor(target, system);
}
