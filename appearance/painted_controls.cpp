#include "painted_controls.h"

namespace {

template <typename Control> Control* Bind(std::vector<std::unique_ptr<Control>>& controls, HWND window)
{
    std::unique_ptr<Control> control(new Control);
    if (!control->Attach(window))
        return nullptr;
    controls.push_back(std::move(control));
    return controls.back().get();
}

template <typename Control> Control* Find(const std::vector<std::unique_ptr<Control>>& controls, HWND window)
{
    if (window == nullptr)
        return nullptr;
    for (const auto& control : controls)
        if (control->Handle() == window)
            return control.get();
    return nullptr;
}

}  // namespace

CCalcButton* PaintedControls::AddKey(HWND control)
{
    return Bind(keys_, control);
}

CCalcPanel* PaintedControls::AddPanel(HWND control)
{
    return Bind(panels_, control);
}

CCalcButton* PaintedControls::Key(HWND control) const
{
    return Find(keys_, control);
}

CCalcPanel* PaintedControls::Panel(HWND control) const
{
    return Find(panels_, control);
}

void PaintedControls::Clear()
{
    keys_.clear();
    panels_.clear();
}
