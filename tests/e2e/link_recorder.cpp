// e2e_link_recorder.exe RECORD-FILE TARGET: registered by the tests as the program the shell
// opens a link with; appends TARGET, exactly as the shell handed it over, as one line to
// RECORD-FILE, and ends. The tests read the file to see what a link button opened.
#include <windows.h>

#include <string>

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    const std::string line = std::string(argv[2]) + "\n";
    // Two recorders at once would be a fault the test wants to see, not lose: wait for the
    // other one's turn instead of failing.
    for (int attempt = 0; attempt < 500; ++attempt) {
        HANDLE file =
            CreateFileA(argv[1], FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            const BOOL ok = WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
            CloseHandle(file);
            return ok && written == line.size() ? 0 : 1;
        }
        Sleep(10);
    }
    return 1;
}
