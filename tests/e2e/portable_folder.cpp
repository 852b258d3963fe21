#include "portable_folder.h"

#include <windows.h>

#include "e2e_options.h"
#include "host_shell.h"
#include "wine_paths.h"

namespace e2e {

namespace {

std::string FileName(const std::string& path)
{
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

PortableFolder::PortableFolder()
{
    static int counter = 0;
    const std::string name =
        "tallyra-portable-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
    if (RunningUnderWine()) {
        // In the host's /tmp, so that the host can take the folder's write permission away.
        hostFolder_ = "/tmp/" + name;
        folder_ = ToWindowsPath(hostFolder_);
    } else {
        char temp[MAX_PATH] = "";
        GetTempPathA(sizeof temp, temp);
        folder_ = JoinPath(temp, name);
    }
    program_ = JoinPath(folder_, FileName(CurrentOptions().exePath));
    settings_ = JoinPath(folder_, kSettingsFileName);
    if (!EnsureFolder(folder_))
        error_ = "cannot make the folder " + folder_;
    else if (!CopyFileA(CurrentOptions().exePath.c_str(), program_.c_str(), FALSE))
        error_ = "cannot copy " + CurrentOptions().exePath + " to " + program_ + ": error " +
                 std::to_string(GetLastError());
    else if (!PutSettings(""))
        error_ = "cannot write " + settings_;
}

PortableFolder::~PortableFolder()
{
    if (readOnly_)
        RunHostShell("chattr -i " + Quoted(hostFolder_) + " 2>/dev/null; chmod u+w " + Quoted(hostFolder_));
    SetFileAttributesA(settings_.c_str(), FILE_ATTRIBUTE_NORMAL);
    for (const std::string& file : {program_, settings_, settings_ + ".tmp"})
        DeleteFileA(file.c_str());
    RemoveDirectoryA(folder_.c_str());
}

bool PortableFolder::Ready(std::string& error) const
{
    error = error_;
    return error_.empty();
}

bool PortableFolder::PutSettings(const std::string& bytes)
{
    return WriteWholeFile(settings_, bytes.data(), bytes.size());
}

bool PortableFolder::RemoveSettings()
{
    return DeleteFileA(settings_.c_str()) != FALSE;
}

std::optional<std::string> PortableFolder::Settings() const
{
    return ReadWholeFile(settings_);
}

bool PortableFolder::MakeReadOnly()
{
    if (hostFolder_.empty())
        return false;
    const std::optional<std::string> done =
        RunHostShell("{ chattr +i " + Quoted(hostFolder_) + " || chmod a-w " + Quoted(hostFolder_) +
                     "; } 2>/dev/null && echo done");
    readOnly_ = true;
    // Whoever runs the tests, the folder must now refuse a new file.
    const std::string probe = JoinPath(folder_, "probe.tmp");
    HANDLE file = CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
        DeleteFileA(probe.c_str());
        return false;
    }
    return done.has_value() && done->find("done") != std::string::npos;
}

}  // namespace e2e
