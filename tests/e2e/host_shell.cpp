#include "host_shell.h"

#include "wait.h"
#include "wine_paths.h"

#include <vector>

namespace e2e {

std::string Quoted(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

SharedFile NewSharedFile(const std::string& suffix)
{
    static int counter = 0;
    const std::string host = "/tmp/tallyra-e2e-" + std::to_string(GetCurrentProcessId()) + "-" +
                             std::to_string(++counter) + suffix;
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
    if (!WriteWholeFile(scriptFile.windowsPath, wrapped.data(), wrapped.size()))
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
        if (WaitUntil(
                [&] { return GetFileAttributesA(output.windowsPath.c_str()) != INVALID_FILE_ATTRIBUTES; },
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
    const std::optional<std::string> out = RunHostShell(
        "if xclip -o -selection clipboard; then printf '\\n%s' ok; else printf '\\n%s' none; fi");
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
    if (!WriteWholeFile(source.windowsPath, text.data(), text.size()))
        return false;
    // xclip takes the selection, then leaves a child behind that serves it and returns.
    const std::optional<std::string> out =
        RunHostShell("xclip -selection clipboard -i " + Quoted(source.hostPath) +
                     " </dev/null && printf ok; rm -f " + Quoted(source.hostPath));
    return out.has_value() && *out == "ok";
}

}  // namespace e2e
