// The portable store: when the file is read and written, what another program sharing the
// file keeps, and what a file that cannot be written or read leaves.
#include <cstring>

#include "ini_registry.h"
#include "memory_settings_file.h"
#include "registry_fixture.h"
#include "sample_records.h"

namespace {

const char* const kClassicKey = "Software\\Brimwold\\Tallyra\\Classic";
const char* const kStyledKey = "Software\\Brimwold\\Tallyra\\Styled";

class PortableStore : public testing::Test {
protected:
    // One program's run: a store over the shared file, with its reports kept.
    std::unique_ptr<IniRegistry> Run()
    {
        return std::unique_ptr<IniRegistry>(
            new IniRegistry(std::unique_ptr<ISettingsFile>(new MemorySettingsFile(file)),
                            [this](const std::string& m) { messages.push_back(m); }));
    }

    IniDocument Stored() const { return IniDocument::Parse(file.bytes.data(), file.bytes.size()); }

    const IniValue* StoredValue(const char* key, const char* name) const
    {
        stored_ = Stored();
        const IniSection* section = stored_.Find(key);
        return section != nullptr ? section->Find(name) : nullptr;
    }

    MemoryFileState file;
    std::vector<std::string> messages;

private:
    mutable IniDocument stored_;
};

TEST_F(PortableStore, AnEmptyFileHoldsNoKeysAndGivesTheDefaults)
{
    std::unique_ptr<IniRegistry> store = Run();
    EXPECT_EQ(store->Open(kClassicKey), nullptr);
    EXPECT_EQ(ReadBigFontFlag(*store, kClassicKey), 0);
    Record r;
    r.Load(*store);
    EXPECT_EQ(r.state.nScale, 8);
    EXPECT_EQ(r.settings.bSoftButtons, 1);
    EXPECT_EQ(file.replaces, 0);
    EXPECT_TRUE(messages.empty());
}

TEST_F(PortableStore, ARecordIsWrittenOnceWhenItsKeyCloses)
{
    std::unique_ptr<IniRegistry> store = Run();
    file.calls.clear();
    std::unique_ptr<IRegistryKey> key = store->Create(kClassicKey);
    ASSERT_NE(key, nullptr);
    key->Write("One", kRegBinary, "\x01", 1);
    key->Write("Two", kRegBinary, "\x02", 1);
    EXPECT_EQ(file.replaces, 0) << "written before the key closed";
    // This run reads what it wrote at once, as from the registry.
    uint32_t type = 0;
    uint32_t size = 0;
    EXPECT_TRUE(store->Open(kClassicKey)->Query("Two", type, size));
    key.reset();
    EXPECT_EQ(file.replaces, 1);
    // Read again, then replaced, with no other program in between.
    EXPECT_EQ(file.calls, std::vector<std::string>({"lock", "read", "replace", "unlock"}));

    Unusual().Save(*store);
    EXPECT_EQ(file.replaces, 2) << "a whole record is one save";
    SaveLoanSettings(*store, Edition::Classic, UnusualLoan());
    EXPECT_EQ(file.replaces, 3);
    const IniDocument stored = Stored();
    const IniSection* section = stored.Find(kClassicKey);
    ASSERT_NE(section, nullptr);
    EXPECT_EQ(section->values.size(), 30u) << "the record's 28 values and the two before";
}

TEST_F(PortableStore, TheStartReadsTheFileOnceUnderTheLock)
{
    file.bytes = std::string("[") + kClassicKey + "]\r\nBig Font=binary:01\r\n";
    std::unique_ptr<IniRegistry> store = Run();
    EXPECT_EQ(ReadBigFontFlag(*store, kClassicKey), 1);
    Record r;
    r.Load(*store);
    EXPECT_EQ(r.settings.bBigFont, 1);
    EXPECT_EQ(file.calls, std::vector<std::string>({"lock", "read", "unlock"}));
}

TEST_F(PortableStore, ASaveKeepsWhatAnotherProgramSavedMeanwhile)
{
    // Both start before either saves, as Classic and Styled from one folder, or two instances.
    std::unique_ptr<IniRegistry> classic = Run();
    std::unique_ptr<IniRegistry> styled = Run();
    Unusual(Edition::Classic).Save(*classic);
    Record styledRecord = Unusual(Edition::Styled);
    styledRecord.settings.nPosX = 77;
    styledRecord.Save(*styled);
    SaveLoanSettings(*classic, Edition::Classic, UnusualLoan());

    std::unique_ptr<IniRegistry> next = Run();
    Record a(Edition::Classic);
    a.Load(*next);
    Record b(Edition::Styled);
    b.Load(*next);
    LoanSettings loan;
    LoadLoanSettings(*next, Edition::Classic, loan);
    EXPECT_EQ(a.settings.nPosX, -20);
    EXPECT_EQ(b.settings.nPosX, 77);
    EXPECT_EQ(loan.strAmount, "250000,5");

    // In one section, each value holds what was saved last, and what only one wrote stays.
    std::unique_ptr<IniRegistry> first = Run();
    std::unique_ptr<IniRegistry> second = Run();
    {
        std::unique_ptr<IRegistryKey> key = first->Create(kStyledKey);
        key->Write("Only First", kRegBinary, "\x01", 1);
        key->Write("x,y", kRegBinary, "\x01", 1);
    }
    second->Create(kStyledKey)->Write("x,y", kRegBinary, "\x02", 1);
    ASSERT_NE(StoredValue(kStyledKey, "Only First"), nullptr);
    ASSERT_NE(StoredValue(kStyledKey, "x,y"), nullptr);
    EXPECT_EQ(StoredValue(kStyledKey, "x,y")->bytes, "\x02");
    EXPECT_TRUE(messages.empty());
}

TEST_F(PortableStore, AFileThatCannotBeWrittenIsToldOnceAndTheRunGoesOnWithItsValues)
{
    file.bytes = std::string("[") + kClassicKey + "]\r\nnScale=dword:12\r\n";
    std::unique_ptr<IniRegistry> store = Run();
    const std::string before = file.bytes;
    file.refuseReplace = true;

    Record saved = Unusual();
    saved.state.nScale = 14;
    saved.Save(*store);
    saved.Save(*store);
    SaveLoanSettings(*store, Edition::Classic, UnusualLoan());
    EXPECT_EQ(file.bytes, before) << "the file changed";
    ASSERT_EQ(messages.size(), 1u) << "told more than once";
    EXPECT_EQ(messages[0], SaveFailureMessage("C:\\Tools\\Tallyra\\tallyra.ini", "Access denied. (error 5)"));
    EXPECT_NE(messages[0].find("C:\\Tools\\Tallyra\\tallyra.ini"), std::string::npos);
    EXPECT_NE(messages[0].find("Access denied. (error 5)"), std::string::npos);

    // What this run saved is what it reads, as a window made again with the other font does.
    Record again;
    again.Load(*store);
    EXPECT_EQ(again.state.nScale, 14);
    EXPECT_EQ(ReadBigFontFlag(*store, kClassicKey), 1);

    // Once the file can be written again, the next save keeps everything.
    file.refuseReplace = false;
    saved.Save(*store);
    EXPECT_EQ(messages.size(), 1u);
    std::unique_ptr<IniRegistry> next = Run();
    Record read;
    read.Load(*next);
    EXPECT_EQ(read.state.nScale, 14);
}

TEST_F(PortableStore, AFileThatCannotBeReadAgainIsNotReplaced)
{
    file.bytes = std::string("[") + kStyledKey + "]\r\nx,y=binary:0100000002000000\r\n";
    std::unique_ptr<IniRegistry> store = Run();
    file.refuseRead = true;
    Unusual().Save(*store);
    EXPECT_EQ(file.replaces, 0) << "the other program's settings would be lost";
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("The file is in use (error 32)"), std::string::npos);
}

TEST_F(PortableStore, AFileTooLargeToBeOursIsNotReadAndIsReplacedByTheNextSave)
{
    file.bytes = std::string("[") + kClassicKey + "]\r\nBig Font=binary:01\r\n" +
                 std::string(kMaxSettingsFileBytes, ';');
    std::unique_ptr<IniRegistry> store = Run();
    EXPECT_EQ(ReadBigFontFlag(*store, kClassicKey), 0);
    Record r;
    r.Load(*store);
    EXPECT_EQ(r.settings.bBigFont, 0);
    r.Save(*store);
    EXPECT_LT(file.bytes.size(), 4096u);
    EXPECT_TRUE(messages.empty());
}

TEST_F(PortableStore, AFileGoneMeanwhileIsWrittenAnew)
{
    std::unique_ptr<IniRegistry> store = Run();
    file.exists = false;
    file.bytes.clear();
    Unusual().Save(*store);
    EXPECT_TRUE(file.exists);
    ASSERT_NE(StoredValue(kClassicKey, "Run Q-ty"), nullptr);
    EXPECT_TRUE(messages.empty());
}

TEST_F(PortableStore, ValuesTheFileCannotHoldAreRefused)
{
    std::unique_ptr<IniRegistry> store = Run();
    EXPECT_EQ(store->Create("Bad]Key"), nullptr);
    {
        std::unique_ptr<IRegistryKey> key = store->Create(kClassicKey);
        EXPECT_FALSE(key->Write("a=b", kRegBinary, "\x01", 1));
        EXPECT_FALSE(key->Write(" padded", kRegBinary, "\x01", 1));
        const std::string huge(kMaxSettingsLineBytes / 2, '\x01');  // two hexadecimal digits a byte
        EXPECT_FALSE(key->Write("Huge", kRegBinary, huge.data(), static_cast<uint32_t>(huge.size())));
        uint32_t type = 0;
        uint32_t size = 0;
        EXPECT_FALSE(key->Query("Huge", type, size));
    }
    EXPECT_EQ(file.replaces, 0) << "nothing was written, so nothing is saved";
}

}  // namespace
