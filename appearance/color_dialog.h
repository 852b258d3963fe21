#pragma once
#include <windows.h>

#include <commdlg.h>

#include <cstdint>
#include <functional>
#include <utility>

#include "color_dialog_rules.h"

// The system colour chooser (ChooseColorA) run on the program's own template, with two
// preview samples and a watch on the chooser's Red, Green and Blue boxes: the chooser tells
// its owner nothing until OK, so every colour the user picks is found by polling the boxes
// and reported at once. It is not our Dialog class: the system runs the chooser, and its hook
// forwards the chooser's messages to this object.
class CChooseColorDlg {
public:
    CChooseColorDlg(Color initialColor, DWORD flags, int templateId);
    virtual ~CChooseColorDlg();
    CChooseColorDlg(const CChooseColorDlg&) = delete;
    CChooseColorDlg& operator=(const CChooseColorDlg&) = delete;

    // Runs the chooser modally, owned by `owner`; true when it was closed with OK.
    bool DoModal(HWND owner);

    // Where the dialog's top-left corner goes; -1 leaves the system's placement.
    void SetInitialPosition(int x, int y);
    // The chooser's 16-colour custom palette, which it edits in place; without one it gets a
    // white palette of its own.
    void SetCustomColors(Color* colors) { customColors_ = colors; }
    // Called after each change the dialog has stored.
    void SetChangeNotification(std::function<void()> notify) { notify_ = std::move(notify); }

    bool DefaultRequested() const { return defaultRequested_; }
    void ClearDefaultRequested() { defaultRequested_ = false; }

protected:
    // The chooser has initialised and the dialog is about to be shown.
    virtual void OnInitDialog();
    // Commands the chooser does not handle itself; true when handled.
    virtual bool OnCommand(int /*id*/, int /*code*/) { return false; }
    // Puts a colour the user picked where it belongs.
    virtual void StoreColor(Color /*color*/) {}

    HWND Handle() const { return hwnd_; }
    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
    // Hands a colour to the chooser, which shows it in its sample and boxes.
    void SetChooserColor(Color color);
    // Writes the last read Red, Green and Blue bytes into boxes that show something else.
    void WriteChannelBoxes();
    // Re-creates the preview brushes and repaints both samples.
    void RefreshPreviews();
    void StartChangeTimer();
    void NotifyChange();

    ColorPreviews previews_;
    bool previewsShown_ = true;
    bool defaultRequested_ = false;
    bool chooserFullyOpen_ = false;
    uint8_t blue_ = 0;
    uint8_t green_ = 0;
    uint8_t red_ = 0;
    Color lastColor_;  // the chooser's colour as last seen by the polling

private:
    static UINT_PTR CALLBACK HookProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    UINT_PTR OnHookMessage(UINT message, WPARAM wParam, LPARAM lParam);
    UINT_PTR OnBoxColor(HDC dc, HWND box);
    UINT_PTR OnSampleColor(HDC dc, HWND sample);
    void OnChangeTimer();
    void WriteBoxes(uint8_t red, uint8_t green, uint8_t blue);
    void StopChangeTimer();

    const int templateId_;
    const DWORD flags_;
    HWND hwnd_ = nullptr;
    CHOOSECOLORA* record_ = nullptr;  // the chooser's live record, while it runs
    int initialX_ = -1;
    int initialY_ = -1;
    Color* customColors_ = nullptr;
    Color ownCustomColors_[kCustomColorCount];
    std::function<void()> notify_;
    HBRUSH editSampleBrush_ = nullptr;
    HBRUSH buttonSampleBrush_ = nullptr;
    UINT_PTR timer_ = 0;
    UINT setRgbMessage_ = 0;
    bool initialising_ = false;  // the hook has the chooser's WM_INITDIALOG
};
