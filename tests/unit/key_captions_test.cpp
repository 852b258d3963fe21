// The engine's key captions against the dialog templates of both editions.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "control_ids.h"
#include "key_captions.h"
#include "read_file.h"

namespace {

struct NamedKey {
    NamedKey(const char* keyName, int keyId) : name(keyName), id(keyId) {}
    const char* name;
    int id;
};

#define KEY(id) NamedKey(#id, id)
// Every key that can be the last operation: the arithmetic keys and the functions.
const NamedKey kLastOpKeys[] = {
    KEY(IDC_KEY_DIVIDE),  KEY(IDC_KEY_MULTIPLY), KEY(IDC_KEY_SUBTRACT), KEY(IDC_KEY_ADD),
    KEY(IDC_KEY_PERCENT), KEY(IDC_KEY_EQUALS),   KEY(IDC_KEY_SQRT),     KEY(IDC_KEY_RECIPROCAL),
    KEY(IDC_KEY_LN),      KEY(IDC_KEY_LOG),      KEY(IDC_KEY_EXP),      KEY(IDC_KEY_POW10),
    KEY(IDC_KEY_POWXY),   KEY(IDC_KEY_CUBE),     KEY(IDC_KEY_SQUARE),   KEY(IDC_KEY_SIN),
    KEY(IDC_KEY_COS),     KEY(IDC_KEY_TAN),      KEY(IDC_KEY_ASIN),     KEY(IDC_KEY_ACOS),
    KEY(IDC_KEY_ATAN),
};
#undef KEY

const char* const kEditions[] = {"classic", "styled"};

std::string ResourceFile(const std::string& edition, const char* name)
{
    return ReadFile((std::string(TALLYRA_RESOURCES_DIR) + "/" + edition + "/" + name).c_str());
}

}  // namespace

TEST(KeyCaptions, BothTemplatesOfEachEditionAreMadeFromItsOneControlList)
{
    // 561 and 562 differ in the font alone: each edition's script includes the same list.
    for (const std::string edition : kEditions) {
        const std::string script = ResourceFile(edition, "tallyra.rc");
        for (const char* id : {"IDD_CALC", "IDD_CALC_BIG"}) {
            const std::regex include(std::string("#define CALC_DIALOG_ID ") + id +
                                     "\\s*\\n(#define [^\\n]*\\n)*#include \"calc_dialog.rc.inc\"");
            EXPECT_TRUE(std::regex_search(script, include)) << edition << " " << id;
        }
    }
}

TEST(KeyCaptions, AreTheTemplatesCaptionsInBothEditions)
{
    for (const std::string edition : kEditions) {
        const std::string controls = ResourceFile(edition, "calc_dialog.rc.inc");
        for (const NamedKey& key : kLastOpKeys) {
            // A caption is the string literal just before the key's id.
            const std::regex control(std::string("\"([^\"]*)\",\\s*") + key.name + "\\s*,");
            std::smatch found;
            ASSERT_TRUE(std::regex_search(controls, found, control)) << edition << " " << key.name;
            ASSERT_NE(KeyCaption(key.id), nullptr) << key.name;
            EXPECT_EQ(found[1].str(), KeyCaption(key.id)) << edition << " " << key.name;
            const std::string after = found.suffix().str();
            EXPECT_FALSE(std::regex_search(after, control)) << edition << " " << key.name << " twice";
        }
    }
}

TEST(KeyCaptions, NoOtherKeyHasOne)
{
    for (int id :
         {IDC_KEY_DIGIT0, IDC_KEY_POINT, IDC_KEY_MC, IDC_KEY_VIEW, IDC_KEY_E, IDC_KEY_SWAP, CALC_OP_NONE})
        EXPECT_EQ(KeyCaption(id), nullptr) << id;
}
