#include "list_view_text.h"

#include <commctrl.h>

#include <vector>

#include "window_controls.h"

namespace e2e {

namespace {

constexpr int kCellChars = 256;

// Memory in the list's process, freed with the object.
class RemoteBuffer {
public:
    RemoteBuffer(HANDLE process, size_t size) : process_(process)
    {
        at_ = VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    }
    ~RemoteBuffer()
    {
        if (at_ != nullptr)
            VirtualFreeEx(process_, at_, 0, MEM_RELEASE);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;
    char* At() const { return static_cast<char*>(at_); }

private:
    HANDLE process_;
    void* at_ = nullptr;
};

}  // namespace

int ListViewRows(HWND list)
{
    DWORD_PTR rows = 0;
    if (!SendMessageTimeoutA(list, LVM_GETITEMCOUNT, 0, 0, SMTO_NORMAL, kMessageTimeoutMs, &rows))
        return -1;
    return static_cast<int>(rows);
}

// A list view takes a pointer to an LVITEM, which no message carries across processes: the
// item and its text buffer are placed in the list's own process. The wide message, as Wine's
// list view is a Unicode window whose ANSI answers to another process can come back wide.
std::optional<std::string> ListViewCell(HWND list, int row, int column)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(list, &pid);
    const HANDLE process = OpenProcess(
        PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION, FALSE, pid);
    if (process == nullptr)
        return std::nullopt;
    std::optional<std::string> cell;
    {
        RemoteBuffer remote(process, sizeof(LVITEMW) + kCellChars * sizeof(wchar_t));
        LVITEMW item = {};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.iSubItem = column;
        item.pszText = reinterpret_cast<LPWSTR>(remote.At() + sizeof(LVITEMW));
        item.cchTextMax = kCellChars;
        SIZE_T moved = 0;
        DWORD_PTR length = 0;
        std::vector<wchar_t> text(kCellChars + 1, L'\0');
        if (remote.At() != nullptr && WriteProcessMemory(process, remote.At(), &item, sizeof item, &moved) &&
            SendMessageTimeoutW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                                reinterpret_cast<LPARAM>(remote.At()), SMTO_NORMAL, kMessageTimeoutMs,
                                &length) &&
            ReadProcessMemory(process, item.pszText, text.data(), kCellChars * sizeof(wchar_t), &moved)) {
            text[kCellChars] = L'\0';
            char narrow[kCellChars * 2] = {};
            WideCharToMultiByte(CP_ACP, 0, text.data(), -1, narrow, sizeof narrow, nullptr, nullptr);
            cell = std::string(narrow);
        }
    }
    CloseHandle(process);
    return cell;
}

}  // namespace e2e
