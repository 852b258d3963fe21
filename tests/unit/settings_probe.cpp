// Saves sample records of both editions to the real registry keys, so that a script can read
// them back from outside the program (wine reg export) and compare their bytes. Given a file,
// it saves them to that file instead, as a portable program does, for the script to compare
// with the same expected values.
#include <memory>

#include "ini_registry.h"
#include "sample_records.h"
#include "win32_registry.h"
#include "win32_settings_file.h"

int main(int argc, char** argv)
{
    Win32Registry registry;
    std::unique_ptr<IniRegistry> file;
    if (argc > 1)
        file.reset(new IniRegistry(std::unique_ptr<ISettingsFile>(new Win32SettingsFile(argv[1])), nullptr));
    IRegistry& store = file ? static_cast<IRegistry&>(*file) : registry;
    for (Edition edition : {Edition::Classic, Edition::Styled}) {
        Record record = Unusual(edition);
        record.Save(store);
        SaveLoanSettings(store, edition, UnusualLoan());
    }
    return 0;
}
