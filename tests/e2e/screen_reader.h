// What a screen reader gets from the program, read from this process the way a reader reads
// it: a window's object through MSAA (name, description, keyboard shortcut, whether it is
// invisible), and the announcements the program raises as WinEvents.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace e2e {

struct ReadObject {
    std::string name;
    std::string description;
    std::string shortcut;
    bool invisible = false;
};

// The object of `window` (its client object, or `objectId`); nothing when none answers.
std::optional<ReadObject> ReadAccessible(HWND window, LONG objectId = OBJID_CLIENT);

// Hears the program's announcements: EVENT_OBJECT_LIVEREGIONCHANGED from one process, each
// read (its object's name) as soon as the driver's message loop delivers it. One at a time.
class AnnouncementListener {
public:
    explicit AnnouncementListener(DWORD processId);
    ~AnnouncementListener();
    AnnouncementListener(const AnnouncementListener&) = delete;
    AnnouncementListener& operator=(const AnnouncementListener&) = delete;

    bool Listening() const { return hook_ != nullptr; }
    // Waits until `count` announcements have been heard since the last call, and gives them.
    std::vector<std::string> Next(size_t count, DWORD timeoutMs = 5000);

private:
    HWINEVENTHOOK hook_ = nullptr;
};

}  // namespace e2e
