#include "link_handler.h"

#include "app_process.h"
#include "host_shell.h"
#include "wine_paths.h"

#include <windows.h>

namespace e2e {

namespace {

constexpr const char* kRecorderName = "e2e_link_recorder.exe";

std::optional<std::string> ReadDefaultValue(HKEY root, const std::string& subkey)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, subkey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return std::nullopt;
    char value[2048] = {};
    DWORD size = sizeof value - 1;
    DWORD type = 0;
    const LONG result = RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
        return std::nullopt;
    return std::string(value);
}

bool WriteDefaultValue(HKEY root, const std::string& subkey, const std::string& text)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, subkey.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const LONG result = RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                       static_cast<DWORD>(text.size() + 1));
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

}  // namespace

// Wine 8's shell looks up URL schemes in HKEY_CLASSES_ROOT only; it does not consult a
// per-user registration under HKCU\Software\Classes, so the test's throwaway prefix gets its
// handler there.
RecordingLinkHandler::RecordingLinkHandler(const std::string& scheme)
    : commandKey_(scheme + "\\shell\\open\\command"), recordPath_(NewSharedFile(".links").windowsPath)
{
    const std::string recorder = DriverFolder() + kRecorderName;
    if (GetFileAttributesA(recorder.c_str()) == INVALID_FILE_ATTRIBUTES) {
        error_ = recorder + " is missing";
        return;
    }
    HKEY existing = nullptr;
    keyExisted_ =
        RegOpenKeyExA(HKEY_CLASSES_ROOT, commandKey_.c_str(), 0, KEY_READ, &existing) == ERROR_SUCCESS;
    if (existing != nullptr)
        RegCloseKey(existing);
    previous_ = ReadDefaultValue(HKEY_CLASSES_ROOT, commandKey_);
    const std::string command = "\"" + recorder + "\" \"" + recordPath_ + "\" \"%1\"";
    wrote_ = WriteDefaultValue(HKEY_CLASSES_ROOT, commandKey_, command);
    if (!wrote_ || ReadDefaultValue(HKEY_CLASSES_ROOT, commandKey_) != command) {
        error_ = "HKEY_CLASSES_ROOT\\" + commandKey_ + " could not be written";
        return;
    }
    installed_ = true;
}

RecordingLinkHandler::~RecordingLinkHandler()
{
    if (wrote_) {
        if (previous_) {
            WriteDefaultValue(HKEY_CLASSES_ROOT, commandKey_, *previous_);
        } else if (!keyExisted_) {
            RegDeleteKeyA(HKEY_CLASSES_ROOT, commandKey_.c_str());
        } else {
            HKEY key = nullptr;
            if (RegOpenKeyExA(HKEY_CLASSES_ROOT, commandKey_.c_str(), 0, KEY_WRITE, &key) == ERROR_SUCCESS) {
                RegDeleteValueA(key, nullptr);
                RegCloseKey(key);
            }
        }
    }
    DeleteFileA(recordPath_.c_str());
}

std::vector<std::string> RecordingLinkHandler::Recorded() const
{
    std::vector<std::string> lines;
    const std::string bytes = ReadWholeFile(recordPath_).value_or(std::string());
    size_t start = 0;
    for (size_t end = bytes.find('\n'); end != std::string::npos; end = bytes.find('\n', start)) {
        lines.push_back(bytes.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

int RunningLinkRecorders()
{
    return static_cast<int>(ProcessesRunning(kRecorderName).size());
}

}  // namespace e2e
