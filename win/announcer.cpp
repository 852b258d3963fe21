#include "announcer.h"

#include <oleauto.h>

#include "accessible_object.h"
#include "system_function.h"

namespace {

// UI Automation's notification (Windows 10 1709 and later), declared here: the functions are
// taken from UIAutomationCore.dll at run time, and only once a client has asked the program
// for an object, so that nobody's start-up or keys pay for them.
using ClientsListeningFn = BOOL WINAPI();
using HostProviderFn = HRESULT WINAPI(HWND, IUnknown**);
using RaiseNotificationFn = HRESULT WINAPI(IUnknown*, int kind, int processing, BSTR text, BSTR activity);
using SysAllocStringFn = BSTR WINAPI(const OLECHAR*);
using SysFreeStringFn = void WINAPI(BSTR);

constexpr int kNotificationKindActionCompleted = 2;
constexpr int kNotificationProcessingImportantMostRecent = 1;
#ifndef EVENT_OBJECT_LIVEREGIONCHANGED
constexpr DWORD EVENT_OBJECT_LIVEREGIONCHANGED = 0x8019;
#endif

void RaiseUiaNotification(HWND window, const std::string& text)
{
    constexpr const char* kUia = "uiautomationcore.dll";
    static ClientsListeningFn* const listening =
        SystemFunction<ClientsListeningFn>(kUia, "UiaClientsAreListening");
    static HostProviderFn* const host = SystemFunction<HostProviderFn>(kUia, "UiaHostProviderFromHwnd");
    static RaiseNotificationFn* const raise =
        SystemFunction<RaiseNotificationFn>(kUia, "UiaRaiseNotificationEvent");
    static SysAllocStringFn* const allocate =
        SystemFunction<SysAllocStringFn>("oleaut32.dll", "SysAllocString");
    static SysFreeStringFn* const release = SystemFunction<SysFreeStringFn>("oleaut32.dll", "SysFreeString");
    if (listening == nullptr || host == nullptr || raise == nullptr || allocate == nullptr ||
        release == nullptr || !listening())
        return;
    IUnknown* provider = nullptr;
    if (FAILED(host(window, &provider)) || provider == nullptr)
        return;
    BSTR said = allocate(WideText(text).data());
    BSTR activity = allocate(L"Tallyra");
    raise(provider, kNotificationKindActionCompleted, kNotificationProcessingImportantMostRecent, said,
          activity);
    release(said);
    release(activity);
    provider->Release();
}

}  // namespace

void Announcer::Say(HWND window, const std::string& text)
{
    text_ = text;
    // The event costs next to nothing while nobody listens; a client reads the object's name.
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, window, kAnnouncementObjectId, CHILDID_SELF);
    if (AccessibilityAsked())
        RaiseUiaNotification(window, text);
}

LRESULT Announcer::Answer(HWND window, WPARAM wParam, LPARAM lParam) const
{
    if (static_cast<LONG>(lParam) != kAnnouncementObjectId)
        return 0;
    return AnswerGetObject(window, wParam, OBJID_CLIENT, SpokenText{text_, {}, {}});
}
