#include "host_shell.h"

#include "wait.h"
#include "wine_paths.h"

#include <vector>

namespace e2e {

namespace {

bool WriteWholeFile(const std::string& windowsPath, const std::string& bytes)
{
    HANDLE file = CreateFileA(windowsPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size();
    CloseHandle(file);
    return ok;
}

std::optional<std::string> ReadWholeFile(const std::string& windowsPath)
{
    HANDLE file = CreateFileA(windowsPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

// A single-quoted word for sh.
std::string Quoted(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

} // namespace

SharedFile NewSharedFile(const std::string& suffix)
{
    static int counter = 0;
    const std::string host =
        "/tmp/tallyra-e2e-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter) + suffix;
    return SharedFile{host, ToWindowsPath(host)};
}

std::optional<std::string> RunHostShell(const std::string& script, DWORD timeoutMs)
{
    const SharedFile scriptFile = NewSharedFile(".sh");
    const SharedFile output = NewSharedFile(".out");
    const SharedFile partial = NewSharedFile(".part");
    // The output appears under its final name only once the command is done.
    const std::string wrapped = "{\n" + script + "\n} >" + Quoted(partial.hostPath) + " 2>/dev/null\nmv " +
                                Quoted(partial.hostPath) + " " + Quoted(output.hostPath) + "\n";
    if (!WriteWholeFile(scriptFile.windowsPath, wrapped))
        return std::nullopt;

    const std::string shell = ToWindowsPath("/bin/sh");
    std::string commandLine = "sh " + scriptFile.hostPath;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::optional<std::string> result;
    if (CreateProcessA(shell.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &info)) {
        if (info.hThread != nullptr)
            CloseHandle(info.hThread);
        if (info.hProcess != nullptr)
            CloseHandle(info.hProcess);
        if (WaitUntil([&] { return GetFileAttributesA(output.windowsPath.c_str()) != INVALID_FILE_ATTRIBUTES; },
                      timeoutMs))
            result = ReadWholeFile(output.windowsPath);
    }
    DeleteFileA(scriptFile.windowsPath.c_str());
    DeleteFileA(output.windowsPath.c_str());
    DeleteFileA(partial.windowsPath.c_str());
    return result;
}

std::optional<std::string> ReadXClipboard()
{
    // The marker line tells "xclip ran and found no text" from "xclip could not run".
    const std::optional<std::string> out =
        RunHostShell("if xclip -o -selection clipboard; then printf '\\n%s' ok; else printf '\\n%s' none; fi");
    if (!out)
        return std::nullopt;
    const size_t marker = out->rfind('\n');
    if (marker == std::string::npos || out->substr(marker + 1) != "ok")
        return std::nullopt;
    return out->substr(0, marker);
}

bool OfferXClipboard(const std::string& text)
{
    const SharedFile source = NewSharedFile(".txt");
    if (!WriteWholeFile(source.windowsPath, text))
        return false;
    // xclip takes the selection, then leaves a child behind that serves it and returns.
    const std::optional<std::string> out = RunHostShell("xclip -selection clipboard -i " + Quoted(source.hostPath) +
                                                        " </dev/null && printf ok; rm -f " + Quoted(source.hostPath));
    return out.has_value() && *out == "ok";
}

} // namespace e2e
