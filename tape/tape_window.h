#pragma once
#include <windows.h>

#include <functional>
#include <vector>

#include "clipboard_port.h"
#include "dialog.h"
#include "fonts.h"
#include "menu_rows.h"
#include "tape_lines.h"

// The tape's window: a resizable window owned by the calculator, with one list of the lines.
// It follows the lines as they change, and the user scrolls, selects, copies, deletes, saves
// and takes a result back into the calculation in it, with the mouse or the keyboard (Enter
// or a double click, Ctrl+C, Del, Ctrl+A, Ctrl+S, the context menu with Shift+F10 or the
// menu key, the system menu). It never takes the calculator's place: Escape and F6 go back to
// the calculator, Ctrl+H hides the tape as it does in the calculator. Modeless: its messages
// come through the calculator's loop.
class CTapeWindow : public Dialog {
public:
    struct Events {
        std::function<void()> hidden;             // the user closed it (or pressed Ctrl+H in it)
        std::function<void()> backToOwner;        // Escape or F6
        std::function<void(int line)> useResult;  // Enter, a double click or "Use Result"
        std::function<void()> forgetChanged;      // "Forget Tape on Exit" was switched
    };

    // `forgetOnExit` is the stored "Forget Tape on Exit" flag, which the system menu flips.
    CTapeWindow(TapeLines& lines, uint8_t& forgetOnExit, IClipboard& clipboard, Events events);
    ~CTapeWindow() override;

    // Shows the window at `place` (screen coordinates; a place on no monitor or of an
    // unusable size is replaced by one beside the owner), creating it first when needed. The
    // owner keeps the activation.
    void Show(HWND owner, RECT place);
    void Hide();
    bool Visible() const;
    // Where the window is, or was when last shown; false when it was never created.
    bool Place(RECT& place) const;

    // The look: the font of the owner's text, and the colours of its entry panel.
    void SetLook(HFONT font, COLORREF text, COLORREF back);

    // The commands of its menus.
    void UseResult();
    void SaveAs();
    void FlipForget();
    void CopyLines();
    void DeleteSelectedLines();
    void ClearAll();
    void SelectAll();

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnSysCommand(WPARAM command, LPARAM lParam) override;
    HBRUSH OnControlColor(HDC dc, HWND control, UINT message) override;
    bool OnListKey(int id, int key) override;
    bool OnListChar(int id, int ch) override;
    bool OnContextMenu(HWND from, POINT screen) override;
    void OnSize(int width, int height) override;
    bool OnClose() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool SpokenTextOf(int id, SpokenText& text) override;

private:
    HWND List() const;
    bool RunCommand(UINT command);
    // The line with the list's caret: the one Enter acts on among several selected.
    int CaretLine() const;
    // Whether a row of the menus can be chosen now.
    bool Enabled(const MenuRow& row) const;
    void Fill();
    void Follow(TapeChange change);
    void UpdateWidth();
    std::vector<int> Selection() const;
    int TextWidth(const std::string& text);
    void ScrollToEnd();

    TapeLines& lines_;
    uint8_t& forgetOnExit_;
    IClipboard& clipboard_;
    Events events_;
    std::vector<MenuRow> rows_;
    HFONT font_ = nullptr;  // the owner's; not deleted here
    COLORREF text_ = 0;
    COLORREF back_ = 0xFFFFFF;
    HBRUSH brush_ = nullptr;
    TextMeasure measure_;  // for the widths of the lines
    int widest_ = 0;
    bool scrollPending_ = false;
    RECT lastPlace_ = {};
};
