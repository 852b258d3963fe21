#pragma once
#include <memory>
#include <vector>

#include "calc_button.h"
#include "calc_panel.h"

// The painted keys and panels of one window.
class PaintedControls {
public:
    // Binds a key or a panel to a control; null when there is none.
    CCalcButton* AddKey(HWND control);
    CCalcPanel* AddPanel(HWND control);

    // The painted key or panel that is this control, or null.
    CCalcButton* Key(HWND control) const;
    CCalcPanel* Panel(HWND control) const;

    template <typename F> void ForEachKey(F f) const
    {
        for (const auto& key : keys_)
            f(*key);
    }

    void Clear();

private:
    std::vector<std::unique_ptr<CCalcButton>> keys_;
    std::vector<std::unique_ptr<CCalcPanel>> panels_;
};
