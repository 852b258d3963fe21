// Programs of the host system run from the driver: under Wine, CreateProcess starts a Unix
// executable directly (no process handle comes back, so completion is seen through a file the
// command writes last). This is how the driver looks at the X clipboard as X clients see it.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace e2e {

// `text` as one single-quoted word of a shell script.
std::string Quoted(const std::string& text);

// Runs `script` with the host's /bin/sh and waits until it has finished; gives what it wrote
// to standard output, or nothing when it could not be started or did not finish in time.
std::optional<std::string> RunHostShell(const std::string& script, DWORD timeoutMs = 10000);

// A file the host and the driver both reach: its host path (for scripts) and Windows path.
struct SharedFile {
    std::string hostPath;
    std::string windowsPath;
};
// A fresh name in the host's /tmp; the file is not created.
SharedFile NewSharedFile(const std::string& suffix);

// The X clipboard selection as an X client (xclip) reads it; nothing when it holds no text or
// xclip could not run.
std::optional<std::string> ReadXClipboard();

// Makes an X client (xclip) the owner of the X clipboard selection with `text`. That client
// stays until another one takes the selection, as Wine does when a program sets the clipboard,
// so whoever copies next ends it. False when xclip could not run.
bool OfferXClipboard(const std::string& text);

}  // namespace e2e
