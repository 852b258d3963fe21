#include "subclassed_control.h"

#include <algorithm>
#include <vector>

namespace {

// What a subclassed control had before: its procedure, and whether it takes wide messages.
// The object is null once it has let go of a control whose procedure it could not give back.
struct Hook {
    HWND control;
    SubclassedControl* object;
    WNDPROC previous;
    bool unicode;
};

// Every control subclassed by this module; windows live on one thread.
std::vector<Hook>& Hooks()
{
    static std::vector<Hook> hooks;
    return hooks;
}

std::vector<Hook>::iterator FindHook(HWND control)
{
    return std::find_if(Hooks().begin(), Hooks().end(),
                        [control](const Hook& hook) { return hook.control == control; });
}

LRESULT CallPrevious(const Hook& hook, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return hook.unicode ? CallWindowProcW(hook.previous, hwnd, message, wParam, lParam)
                        : CallWindowProcA(hook.previous, hwnd, message, wParam, lParam);
}

}  // namespace

SubclassedControl::~SubclassedControl()
{
    Detach();
}

bool SubclassedControl::Attach(HWND control)
{
    Detach();
    if (control == nullptr)
        return false;
    const auto hooked = FindHook(control);
    if (hooked != Hooks().end()) {
        // Still hooked after its object let go: the new object takes the hook over.
        if (hooked->object != nullptr)
            return false;
        hooked->object = this;
        hwnd_ = control;
        return true;
    }
    // The procedure is set through the function of the control's own character set, so that
    // the messages keep arriving in it (wide for the visual-style controls).
    const bool unicode = IsWindowUnicode(control) != FALSE;
    const LONG_PTR procedure = reinterpret_cast<LONG_PTR>(SubclassProc);
    const LONG_PTR previous = unicode ? SetWindowLongPtrW(control, GWLP_WNDPROC, procedure)
                                      : SetWindowLongPtrA(control, GWLP_WNDPROC, procedure);
    if (previous == 0)
        return false;
    Hooks().push_back(Hook{control, this, reinterpret_cast<WNDPROC>(previous), unicode});
    hwnd_ = control;
    return true;
}

void SubclassedControl::Detach()
{
    if (hwnd_ == nullptr)
        return;
    const auto found = FindHook(hwnd_);
    if (found != Hooks().end()) {
        Hook& hook = *found;
        // Only while ours is the procedure on top: a subclass set after ours would otherwise
        // be cut off. Then the hook stays and only passes on.
        const LONG_PTR current =
            hook.unicode ? GetWindowLongPtrW(hwnd_, GWLP_WNDPROC) : GetWindowLongPtrA(hwnd_, GWLP_WNDPROC);
        if (current == reinterpret_cast<LONG_PTR>(SubclassProc)) {
            const LONG_PTR previous = reinterpret_cast<LONG_PTR>(hook.previous);
            if (hook.unicode)
                SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, previous);
            else
                SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, previous);
            Hooks().erase(found);
        } else {
            hook.object = nullptr;
        }
    }
    hwnd_ = nullptr;
}

SubclassedControl* SubclassedControl::Of(HWND control)
{
    const auto found = FindHook(control);
    return found != Hooks().end() ? found->object : nullptr;
}

LRESULT SubclassedControl::SpokenObject(WPARAM wParam, LPARAM lParam)
{
    SpokenText text;
    if (spoken_ == nullptr || static_cast<LONG>(lParam) != OBJID_CLIENT ||
        !spoken_->SpokenTextOf(hwnd_, text))
        return 0;
    return AnswerGetObject(hwnd_, wParam, OBJID_CLIENT, text);
}

LRESULT SubclassedControl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return Default(message, wParam, lParam);
}

LRESULT SubclassedControl::Default(UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto found = FindHook(hwnd_);
    if (found == Hooks().end())
        return 0;
    return CallPrevious(*found, hwnd_, message, wParam, lParam);
}

void SubclassedControl::Invalidate() const
{
    if (hwnd_ != nullptr)
        InvalidateRect(hwnd_, nullptr, FALSE);
}

LRESULT CALLBACK SubclassedControl::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto found = FindHook(hwnd);
    if (found == Hooks().end())
        return DefWindowProcA(hwnd, message, wParam, lParam);  // cannot happen: every hook is listed
    const Hook hook = *found;
    if (message == WM_NCDESTROY) {
        // The window goes: its procedure and the table entry go with it.
        Hooks().erase(found);
        if (hook.object != nullptr)
            hook.object->hwnd_ = nullptr;
        return CallPrevious(hook, hwnd, message, wParam, lParam);
    }
    if (hook.object == nullptr)
        return CallPrevious(hook, hwnd, message, wParam, lParam);
    try {
        if (message == WM_GETOBJECT) {
            if (const LRESULT object = hook.object->SpokenObject(wParam, lParam))
                return object;
        }
        return hook.object->WindowProc(message, wParam, lParam);
    } catch (...) {
        // Nothing may unwind through the window system's frames.
        return CallPrevious(hook, hwnd, message, wParam, lParam);
    }
}
