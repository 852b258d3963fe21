// What the shell opens a link with, replaced for one test by e2e_link_recorder.exe (next to
// the driver), which writes down every link it is handed. The previous handler comes back
// when the object goes.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace e2e {

class RecordingLinkHandler {
public:
    // Registers the recorder as the "open" command of the URL scheme ("mailto", "https").
    explicit RecordingLinkHandler(const std::string& scheme);
    ~RecordingLinkHandler();
    RecordingLinkHandler(const RecordingLinkHandler&) = delete;
    RecordingLinkHandler& operator=(const RecordingLinkHandler&) = delete;

    // False when the registration or the recorder is missing; `Error` says why.
    bool Installed() const { return installed_; }
    const std::string& Error() const { return error_; }

    // The links handed over so far, one per opening, in the order they were written.
    std::vector<std::string> Recorded() const;

private:
    std::string commandKey_;
    std::string recordPath_;
    std::optional<std::string> previous_;  // the command that was registered before
    bool keyExisted_ = false;
    bool wrote_ = false;  // the registration was changed and must be put back
    bool installed_ = false;
    std::string error_;
};

// How many e2e_link_recorder.exe processes are running now.
int RunningLinkRecorders();

}  // namespace e2e
