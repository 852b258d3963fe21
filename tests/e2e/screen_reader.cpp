#include "screen_reader.h"

#include <oleacc.h>

#include "wait.h"

namespace e2e {
namespace {

struct Event {
    HWND window;
    LONG objectId;
    LONG childId;
};

// Filled by the hook's callback; read only after it returns, since reading an object from
// inside the callback re-enters it.
std::vector<Event> g_events;

void CALLBACK OnEvent(HWINEVENTHOOK, DWORD, HWND window, LONG objectId, LONG childId, DWORD, DWORD)
{
    g_events.push_back(Event{window, objectId, childId});
}

std::string Narrow(BSTR text)
{
    if (text == nullptr)
        return {};
    const int bytes = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string narrow(bytes > 0 ? static_cast<size_t>(bytes) : 1, '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, narrow.data(), static_cast<int>(narrow.size()), nullptr,
                        nullptr);
    narrow.resize(narrow.size() - 1);
    SysFreeString(text);
    return narrow;
}

ReadObject Read(IAccessible* object, const VARIANT& child)
{
    ReadObject read;
    BSTR text = nullptr;
    if (SUCCEEDED(object->get_accName(child, &text)))
        read.name = Narrow(text);
    text = nullptr;
    if (SUCCEEDED(object->get_accDescription(child, &text)))
        read.description = Narrow(text);
    text = nullptr;
    if (SUCCEEDED(object->get_accKeyboardShortcut(child, &text)))
        read.shortcut = Narrow(text);
    VARIANT state;
    VariantInit(&state);
    if (SUCCEEDED(object->get_accState(child, &state)) && state.vt == VT_I4)
        read.invisible = (state.lVal & STATE_SYSTEM_INVISIBLE) != 0;
    return read;
}

VARIANT Self()
{
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
}

}  // namespace

std::optional<ReadObject> ReadAccessible(HWND window, LONG objectId)
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IAccessible* object = nullptr;
    // The interface's id by __uuidof: linked from oleacc's import library it would be a thunk.
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(objectId), __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object))) ||
        object == nullptr)
        return std::nullopt;
    const ReadObject read = Read(object, Self());
    object->Release();
    return read;
}

AnnouncementListener::AnnouncementListener(DWORD processId)
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    g_events.clear();
    hook_ = SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr, OnEvent,
                            processId, 0, WINEVENT_OUTOFCONTEXT);
}

AnnouncementListener::~AnnouncementListener()
{
    if (hook_ != nullptr)
        UnhookWinEvent(hook_);
    g_events.clear();
}

std::vector<std::string> AnnouncementListener::Next(size_t count, DWORD timeoutMs)
{
    std::vector<std::string> heard;
    WaitUntil(
        [&] {
            // Each event's object read at once, before the program can say something else.
            const std::vector<Event> events = std::move(g_events);
            g_events.clear();
            for (const Event& e : events) {
                IAccessible* object = nullptr;
                VARIANT child;
                VariantInit(&child);
                if (SUCCEEDED(AccessibleObjectFromEvent(e.window, static_cast<DWORD>(e.objectId),
                                                        static_cast<DWORD>(e.childId), &object, &child)) &&
                    object != nullptr) {
                    heard.push_back(Read(object, child).name);
                    object->Release();
                }
            }
            return heard.size() >= count;
        },
        timeoutMs);
    return heard;
}

}  // namespace e2e
