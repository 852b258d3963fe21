// The colour chooser with previews and change polling: the hook, the samples' colours and
// the watch on the Red, Green and Blue boxes.
#include "color_dialog.h"

#include <colordlg.h>

#include <algorithm>

#include "color_box_text.h"
#include "program_end.h"
#include "resource_ids.h"
#include "session_rules.h"
#include "system_function.h"

namespace {

// The property that ties the chooser's window to its object; the chooser keeps its own data
// elsewhere, so neither the window's user data nor the dialog's extra bytes are ours to use.
const char kObjectProperty[] = "Tallyra.ChooseColorDlg";

constexpr UINT_PTR kChangeTimer = 1;
// One change of the chooser makes each box ask for its colours, one after the other; a
// short wait merges them into a single update of the calculator window.
constexpr UINT kChangeDelayMs = 55;

constexpr Color kRedText = 0x0000FF;
constexpr Color kGreenText = 0x008800;
constexpr Color kBlueText = 0xFF0000;

}  // namespace

CChooseColorDlg::CChooseColorDlg(Color initialColor, DWORD flags, int templateId)
    : lastColor_(UsableColor(initialColor)), templateId_(templateId), flags_(flags)
{
    previews_.text = GetSysColor(COLOR_WINDOWTEXT);
    previews_.editBack = GetSysColor(COLOR_WINDOW);
    previews_.keyBack = GetSysColor(COLOR_BTNFACE);
    editSampleBrush_ = CreateSolidBrush(previews_.editBack);
    buttonSampleBrush_ = CreateSolidBrush(previews_.keyBack);
    std::fill(std::begin(ownCustomColors_), std::end(ownCustomColors_), 0xFFFFFFu);
}

CChooseColorDlg::~CChooseColorDlg()
{
    if (editSampleBrush_ != nullptr)
        DeleteObject(editSampleBrush_);
    if (buttonSampleBrush_ != nullptr)
        DeleteObject(buttonSampleBrush_);
}

void CChooseColorDlg::SetInitialPosition(int x, int y)
{
    initialX_ = x;
    initialY_ = y;
}

bool CChooseColorDlg::DoModal(HWND owner)
{
    if (ProgramEnding())
        return false;
    CHOOSECOLORA record = {};
    record.lStructSize = sizeof record;
    record.hwndOwner = owner;
    // With CC_ENABLETEMPLATE this field names the module that holds the template.
    record.hInstance = reinterpret_cast<HWND>(GetModuleHandleA(nullptr));
    record.rgbResult = lastColor_;
    // COLORREF and the scheme's colour are both 32-bit words 0x00BBGGRR.
    record.lpCustColors =
        reinterpret_cast<COLORREF*>(customColors_ != nullptr ? customColors_ : ownCustomColors_);
    record.Flags = flags_ | CC_ENABLETEMPLATE | CC_ENABLEHOOK | CC_FULLOPEN;
    record.lCustData = reinterpret_cast<LPARAM>(this);
    record.lpfnHook = HookProc;
    record.lpTemplateName = MAKEINTRESOURCEA(templateId_);
    setRgbMessage_ = RegisterWindowMessageA(SETRGBSTRINGA);

    typedef BOOL(WINAPI ChooseColorFunction)(LPCHOOSECOLORA);
    auto* chooseColor = SystemFunction<ChooseColorFunction>("comdlg32.dll", "ChooseColorA");
    const BOOL ok = chooseColor != nullptr && chooseColor(&record);
    hwnd_ = nullptr;
    record_ = nullptr;
    timer_ = 0;
    return ok != FALSE;
}

UINT_PTR CALLBACK CChooseColorDlg::HookProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CChooseColorDlg* self = static_cast<CChooseColorDlg*>(GetPropA(hwnd, kObjectProperty));
    if (message == WM_INITDIALOG) {
        // The record may be the chooser's own wide copy of ours (Wine makes one); the two
        // layouts place lCustData and rgbResult alike.
        CHOOSECOLORA* record = reinterpret_cast<CHOOSECOLORA*>(lParam);
        self = reinterpret_cast<CChooseColorDlg*>(record->lCustData);
        if (self == nullptr)
            return FALSE;
        SetPropA(hwnd, kObjectProperty, self);
        self->hwnd_ = hwnd;
        self->record_ = record;
    }
    if (self == nullptr)
        return FALSE;
    UINT_PTR result = FALSE;
    try {
        result = self->OnHookMessage(message, wParam, lParam);
    } catch (...) {
        // Nothing may unwind through the chooser's frames: the chooser handles the message.
        result = FALSE;
    }
    if (message == WM_NCDESTROY) {
        RemovePropA(hwnd, kObjectProperty);
        self->hwnd_ = nullptr;
        self->record_ = nullptr;
    }
    return result;
}

UINT_PTR CChooseColorDlg::OnHookMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ENDSESSION:
        // The chooser keeps nothing itself: its owner saves once the chooser has ended.
        if (AnswerSession(SessionMessage::End, wParam != 0, static_cast<uint32_t>(lParam)).endProgram)
            EndProgram();
        return FALSE;  // the system's answer stands
    case WM_INITDIALOG:
        initialising_ = true;
        OnInitDialog();
        initialising_ = false;
        return TRUE;
    case WM_CTLCOLOREDIT: return OnBoxColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_CTLCOLORSTATIC:
        return OnSampleColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_TIMER:
        if (wParam != kChangeTimer || timer_ == 0)
            return FALSE;
        OnChangeTimer();
        return TRUE;
    case WM_COMMAND:
        // A change still waiting for the timer would be lost when OK closes the chooser.
        if (LOWORD(wParam) == IDOK && timer_ != 0)
            OnChangeTimer();
        return OnCommand(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
    case WM_DESTROY: StopChangeTimer(); return FALSE;
    default: return FALSE;
    }
}

void CChooseColorDlg::OnInitDialog()
{
    red_ = RedOf(lastColor_);
    green_ = GreenOf(lastColor_);
    blue_ = BlueOf(lastColor_);
    if (!previewsShown_) {
        ShowWindow(Item(IDC_COLOR_EDIT_SAMPLE), SW_HIDE);
        ShowWindow(Item(IDC_COLOR_BUTTON_SAMPLE), SW_HIDE);
    }
    ShowChooserColor(previews_, lastColor_);
    RefreshPreviews();
    if (initialX_ != -1 || initialY_ != -1) {
        RECT rect;
        GetWindowRect(hwnd_, &rect);
        SetWindowPos(hwnd_, nullptr, initialX_ != -1 ? initialX_ : rect.left,
                     initialY_ != -1 ? initialY_ : rect.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

UINT_PTR CChooseColorDlg::OnBoxColor(HDC dc, HWND box)
{
    const int id = GetDlgCtrlID(box);
    Color text = 0;
    switch (id) {
    case COLOR_RED: text = kRedText; break;
    case COLOR_GREEN: text = kGreenText; break;
    case COLOR_BLUE: text = kBlueText; break;
    default: return FALSE;
    }
    // A box repaints whenever its value changes, which is the only sign of a change the
    // chooser gives. All three start the polling: when only the Green box is typed into, the
    // chooser rewrites Hue, Sat and Lum but neither Red nor Blue, so nothing else would.
    chooserFullyOpen_ = true;
    StartChangeTimer();
    // This answer replaces the system's, so it gives the usual background as well.
    SetTextColor(dc, text);
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return reinterpret_cast<UINT_PTR>(GetSysColorBrush(COLOR_WINDOW));
}

UINT_PTR CChooseColorDlg::OnSampleColor(HDC dc, HWND sample)
{
    const int id = GetDlgCtrlID(sample);
    if (!previewsShown_ || (id != IDC_COLOR_EDIT_SAMPLE && id != IDC_COLOR_BUTTON_SAMPLE))
        return FALSE;
    const bool edit = id == IDC_COLOR_EDIT_SAMPLE;
    SetTextColor(dc, UsableColor(previews_.text));
    SetBkColor(dc, UsableColor(edit ? previews_.editBack : previews_.keyBack));
    return reinterpret_cast<UINT_PTR>(edit ? editSampleBrush_ : buttonSampleBrush_);
}

void CChooseColorDlg::StartChangeTimer()
{
    if (timer_ == 0 && hwnd_ != nullptr)
        timer_ = SetTimer(hwnd_, kChangeTimer, kChangeDelayMs, nullptr);
}

void CChooseColorDlg::StopChangeTimer()
{
    if (timer_ != 0 && hwnd_ != nullptr)
        KillTimer(hwnd_, kChangeTimer);
    timer_ = 0;
}

void CChooseColorDlg::OnChangeTimer()
{
    StopChangeTimer();
    uint8_t* const channels[] = {&red_, &blue_, &green_};
    const int boxes[] = {COLOR_RED, COLOR_BLUE, COLOR_GREEN};
    for (int i = 0; i < 3; ++i) {
        char text[kPolledBoxChars + 1] = "";
        GetDlgItemTextA(hwnd_, boxes[i], text, sizeof text);
        const PolledChannel channel = ReadPolledChannel(text);
        if (channel.rewrite)
            SetDlgItemTextA(hwnd_, boxes[i], channel.canonical.c_str());
        *channels[i] = channel.value;
    }
    const Color color = ColorFromChannels(red_, green_, blue_);
    if (color == lastColor_)
        return;
    lastColor_ = color;
    ShowChooserColor(previews_, color);
    RefreshPreviews();
    StoreColor(color);
    NotifyChange();
}

void CChooseColorDlg::NotifyChange()
{
    if (notify_)
        notify_();
}

void CChooseColorDlg::RefreshPreviews()
{
    if (!previewsShown_)
        return;
    if (editSampleBrush_ != nullptr)
        DeleteObject(editSampleBrush_);
    if (buttonSampleBrush_ != nullptr)
        DeleteObject(buttonSampleBrush_);
    editSampleBrush_ = CreateSolidBrush(UsableColor(previews_.editBack));
    buttonSampleBrush_ = CreateSolidBrush(UsableColor(previews_.keyBack));
    InvalidateRect(Item(IDC_COLOR_EDIT_SAMPLE), nullptr, TRUE);
    InvalidateRect(Item(IDC_COLOR_BUTTON_SAMPLE), nullptr, TRUE);
}

void CChooseColorDlg::SetChooserColor(Color color)
{
    color = UsableColor(color);
    // The chooser now shows this colour, so it is the one System Background and Default store
    // into the selected category. Left at the previous category's colour until the polling
    // catches up, a click on either box within that moment would have written the previous
    // category's colour into this one.
    lastColor_ = color;
    // While its WM_INITDIALOG is with the hook, Wine's chooser has not yet taken its colour
    // from the record: it takes this one. Later the record must stay as the chooser left it,
    // because the chooser compares each typed box with it to see what changed.
    if (initialising_ && record_ != nullptr)
        record_->rgbResult = color;
    SendMessageA(hwnd_, setRgbMessage_, 0, static_cast<LPARAM>(color));
    // Wine 8 ignores SETRGBSTRING. Typing the channels into the boxes moves the chooser there
    // all the same, sample, colour-field cross and Hue/Sat/Lum included; boxes the message
    // has already set are left alone.
    WriteBoxes(RedOf(color), GreenOf(color), BlueOf(color));
}

void CChooseColorDlg::WriteChannelBoxes()
{
    WriteBoxes(red_, green_, blue_);
}

void CChooseColorDlg::WriteBoxes(uint8_t red, uint8_t green, uint8_t blue)
{
    // Only boxes that differ: every write makes the chooser recompute its colour.
    const int boxes[] = {COLOR_RED, COLOR_GREEN, COLOR_BLUE};
    const uint8_t values[] = {red, green, blue};
    for (int i = 0; i < 3; ++i) {
        BOOL read = FALSE;
        const UINT value = GetDlgItemInt(hwnd_, boxes[i], &read, FALSE);
        if (!read || value != values[i])
            SetDlgItemInt(hwnd_, boxes[i], values[i], FALSE);
    }
}
