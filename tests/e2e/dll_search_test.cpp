// The program takes DLLs from the system folder only: a DLL lying beside it (the ZIP unpacked
// in Downloads next to something else) is not loaded by its name, and the common controls
// come from Windows' own folders, the version 6 of WinSxS for the Styled edition, whose
// manifest asks for it. Under Wine a planted copy of a system DLL such as comctl32.dll would
// not be loaded anyway (Wine prefers its own), so the planted DLL here has a name of its own:
// what it shows is the search the program sets for every load, its own and the system's.
#include "calculator_fixture.h"
#include "key_state_probe_protocol.h"
#include "probe_client.h"
#include "wine_paths.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace e2e {
namespace {

constexpr const char* kPlantedDll = "e2e_planted_probe.dll";

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The program copied into a folder of its own with a DLL beside it, removed afterwards.
class DllSearchTest : public CalculatorTest {
protected:
    void SetUp() override
    {
        CalculatorTest::SetUp();
        char temp[MAX_PATH];
        const DWORD length = GetTempPathA(MAX_PATH, temp);
        ASSERT_GT(length, 0u);
        folder_ = JoinPath(temp, "tallyra-dll-search-" + std::to_string(GetCurrentProcessId()));
        ASSERT_TRUE(EnsureFolder(folder_)) << folder_;
        const std::string source = ToWindowsPath(CurrentOptions().exePath);
        exe_ = JoinPath(folder_, source.substr(source.find_last_of("\\/") + 1));
        planted_ = JoinPath(folder_, kPlantedDll);
        ASSERT_TRUE(CopyFileA(source.c_str(), exe_.c_str(), FALSE)) << source;
        // Any loadable DLL will do: the probe library itself, under another name.
        ASSERT_TRUE(CopyFileA((DriverFolder() + kKeyStateProbeLibrary).c_str(), planted_.c_str(), FALSE));
    }

    void TearDown() override
    {
        CalculatorTest::TearDown();
        DeleteFileA(planted_.c_str());
        DeleteFileA(exe_.c_str());
        RemoveDirectoryA(folder_.c_str());
    }

    std::string folder_;
    std::string exe_;
    std::string planted_;
};

TEST_F(DllSearchTest, DllsComeFromTheSystemOnly)
{
    std::string error;
    ASSERT_TRUE(app_.Start(exe_, error)) << error;
    ASSERT_NE(app_.WaitForWindow(CurrentEdition().title, 30000), nullptr)
        << "the copied program showed no window";

    DllSearchShared answer{};
    ASSERT_TRUE(AskProbe(
        Window(), kDllSearchRead, kDllSearchSharedName, sizeof answer,
        [](void* block) { std::strcpy(static_cast<DllSearchShared*>(block)->dllName, kPlantedDll); },
        [&](const void* block) { std::memcpy(&answer, block, sizeof answer); }))
        << "the probe did not answer";

    // Otherwise the next check would pass for a DLL that cannot be loaded at all.
    EXPECT_TRUE(answer.loadedFromProgramFolder)
        << "the planted DLL does not load even when asked for by place";
    EXPECT_FALSE(answer.loadedByName) << "a DLL beside the program was loaded by its name alone";

    const std::string controls = Lower(answer.commonControls);
    if (CurrentEdition().classic) {
        char system[MAX_PATH];
        ASSERT_GT(GetSystemDirectoryA(system, MAX_PATH), 0u);
        EXPECT_EQ(controls, Lower(JoinPath(system, "comctl32.dll")));
    } else {
        EXPECT_NE(controls.find("\\winsxs\\"), std::string::npos) << controls;
        EXPECT_NE(controls.find("microsoft.windows.common-controls_6595b64144ccf1df_6.0."), std::string::npos)
            << controls;
    }
    ASSERT_NO_FATAL_FAILURE(CloseCalculator());
}

}  // namespace
}  // namespace e2e
