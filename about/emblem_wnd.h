#pragma once
#include <vector>

#include "emblem_model.h"
#include "subclassed_control.h"

// The animated emblem of the About window, drawn over a static control: each timer tick
// repaints one frame of the EmblemAnimation with pens and single pixels on black.
class CEmblemWnd : public SubclassedControl {
public:
    CEmblemWnd();
    ~CEmblemWnd() override;

    // Starts the frame timer, 55 ms, with this id (2 when 0).
    void StartAnimation(UINT_PTR timerId);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    friend class EmblemDcCanvas;

    void Paint(HDC dc);
    void CreatePens(const LineTrail& trail);
    void DeletePens();
    EmblemRect ClientArea() const;

    UINT_PTR timerId_ = 0;
    Color background_ = kEmblemBackground;
    HBRUSH backgroundBrush_;
    std::vector<HPEN> pens_;  // one per line of the trail, by its index
    EmblemAnimation animation_;
};
