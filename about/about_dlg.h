#pragma once
#include "dialog.h"
#include "emblem_wnd.h"
#include "link_button.h"

// The "Help - About" window: the program's icon and version, the animated emblem, the help
// text and the two link buttons. It has no calculator keys, so unlike the program's other
// windows it lets the dialog manager handle Tab, Enter and Escape.
class CAboutDlg : public Dialog {
public:
    CAboutDlg(const char* mail, const char* web);
    ~CAboutDlg() override;

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    HBRUSH OnControlColor(HDC dc, HWND control, UINT message) override;
    bool OnClose() override;
    bool SpokenTextOf(int id, SpokenText& text) override;
    bool PreTranslateMessage(MSG& msg) override;

private:
    void LoadHelpText();
    void SetLinkColors();

    const char* mail_;
    const char* web_;
    CEmblemWnd emblem_;
    CLinkButton writeLetter_;
    CLinkButton visitSite_;
};
