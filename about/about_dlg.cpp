#include "about_dlg.h"

#include <string>

#include "about_window.h"
#include "color_math.h"
#include "help_text.h"
#include "other_windows_held.h"
#include "resource_ids.h"

namespace {

// The About window that is open, if any: a second request only shows it again.
CAboutDlg* g_openAbout = nullptr;

// The help text's custom resource type, as the resource script names it.
constexpr char kHelpTextType[] = "TextFile";
constexpr UINT_PTR kEmblemTimerId = 2;
constexpr int kHelpMargin = 2;

}  // namespace

CAboutDlg::CAboutDlg(const char* mail, const char* web) : Dialog(IDD_ABOUT), mail_(mail), web_(web) {}

CAboutDlg::~CAboutDlg()
{
    if (g_openAbout == this)
        g_openAbout = nullptr;
}

bool CAboutDlg::OnInitDialog()
{
    emblem_.Attach(Item(IDC_ABOUT_EMBLEM));
    visitSite_.Attach(Item(IDC_ABOUT_VISIT_SITE));
    writeLetter_.Attach(Item(IDC_ABOUT_WRITE_LETTER));

    SendDlgItemMessageA(Handle(), IDC_ABOUT_HELP, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                        MAKELONG(kHelpMargin, kHelpMargin));
    LoadHelpText();

    visitSite_.SetLinkTarget(web_);
    writeLetter_.SetLinkTarget(mail_);
    SetLinkColors();

    emblem_.StartAnimation(kEmblemTimerId);
    g_openAbout = this;
    return true;  // the platform focuses the first tab stop
}

void CAboutDlg::LoadHelpText()
{
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(IDR_HELP_TEXT), kHelpTextType);
    if (found == nullptr)
        return;
    HGLOBAL loaded = LoadResource(module, found);
    const DWORD size = SizeofResource(module, found);
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr || size == 0)
        return;
    // Resource memory is read-only: the text is unscrambled on a copy.
    const std::string text = HelpTextToShow(static_cast<const uint8_t*>(bytes), size);
    SetDlgItemTextA(Handle(), IDC_ABOUT_HELP, text.c_str());
}

void CAboutDlg::SetLinkColors()
{
    Color hover = GetSysColor(COLOR_HOTLIGHT);
    // Systems without a hot-tracking colour answer 0 or all ones.
    if (hover == 0 || hover == 0xFFFFFFFF)
        hover = 0x0000FF;
    const Color normal = BlendColor(0x000000, hover, 2, 3);
    const Color pressed = BlendColor(hover, normal, 1, 2);
    for (CLinkButton* link : {&visitSite_, &writeLetter_}) {
        link->SetNormalColor(normal);
        link->SetHoverColor(hover);
        link->SetPressedColor(pressed);
    }
}

bool CAboutDlg::OnCommand(int id, int /*code*/, HWND /*control*/)
{
    if (id == IDOK || id == IDCANCEL) {
        End(id);
        return true;
    }
    return false;
}

bool CAboutDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_SHOWWINDOW:
        if (wParam) {
            // Nothing selected, and the caret, at the start, in view.
            SendDlgItemMessageA(Handle(), IDC_ABOUT_HELP, EM_SETSEL, static_cast<WPARAM>(-1), 0);
            SendDlgItemMessageA(Handle(), IDC_ABOUT_HELP, EM_SCROLLCARET, 0, 0);
        }
        return false;
    case WM_DRAWITEM: {
        const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        CLinkButton* link = item->CtlID == IDC_ABOUT_VISIT_SITE     ? &visitSite_
                            : item->CtlID == IDC_ABOUT_WRITE_LETTER ? &writeLetter_
                                                                    : nullptr;
        if (link == nullptr)
            return false;
        link->DrawItem(*item);
        result = TRUE;
        return true;
    }
    default: return false;
    }
}

bool CAboutDlg::SpokenTextOf(int id, SpokenText& text)
{
    return SpokenTexts(id, IDS_NAME_OFFSET + id, nullptr, text);
}

bool CAboutDlg::OnClose()
{
    End(IDCANCEL);
    return true;
}

HBRUSH CAboutDlg::OnControlColor(HDC dc, HWND control, UINT message)
{
    // A read-only edit asks as a static and would come out grey; this one is to look like an
    // ordinary white edit box.
    if ((message != WM_CTLCOLORSTATIC && message != WM_CTLCOLOREDIT) || control != Item(IDC_ABOUT_HELP))
        return nullptr;
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return GetSysColorBrush(COLOR_WINDOW);
}

bool CAboutDlg::PreTranslateMessage(MSG& msg)
{
    return IsDialogMessageA(Handle(), &msg) != FALSE;
}

void ShowAboutWindow(HWND owner, const char* mail, const char* web)
{
    if (g_openAbout != nullptr) {
        if (g_openAbout->Handle() != nullptr)
            ShowWindow(g_openAbout->Handle(), SW_SHOW);
        return;
    }
    CAboutDlg dialog(mail, web);
    // Owned by the window that asked, not by whichever window is active: that one is disabled
    // meanwhile, so no command can end it, or re-create it, beneath the About window. The
    // program's other windows wait too: a colours dialog or loan window closed beneath it
    // would give the calculator back while this window's loop still runs, and a window opened
    // from there would hold this one open whatever its Close did.
    const OtherWindowsHeld others(owner);
    dialog.RunModal(owner);
    g_openAbout = nullptr;
}
