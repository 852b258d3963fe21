// Saves sample records of both editions to the real registry keys, so that a script can read
// them back from outside the program (wine reg export) and compare their bytes.
#include "sample_records.h"
#include "win32_registry.h"

int main()
{
    Win32Registry registry;
    for (Edition edition : {Edition::Classic, Edition::Styled}) {
        Record record = Unusual(edition);
        record.Save(registry);
        SaveLoanSettings(registry, edition, UnusualLoan());
    }
    return 0;
}
