// What a screen reader is told of the calculator: the panels' names with what they show, and
// the keyboard shortcut of each key, which must do what clicking the key does.
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "calc_harness.h"
#include "spoken.h"

namespace {

// Presses the shortcut as a keyboard would: the key down, its character unless Ctrl is held,
// the key up. A shortcut of one symbol ("/", "_") is the character alone.
void PressShortcut(Calc& c, const std::string& shortcut)
{
    Modifiers mods;
    std::string key = shortcut;
    if (key.rfind("Ctrl+", 0) == 0) {
        mods.ctrl = true;
        key = key.substr(5);
    }
    const struct {
        const char* name;
        int vk;
    } kNamed[] = {{"Enter", vk::Return},
                  {"Backspace", vk::Back},
                  {"Delete", vk::Delete},
                  {"Space", vk::Space},
                  {"Plus", vk::Add}};
    int code = 0;
    for (const auto& n : kNamed)
        if (key == n.name)
            code = n.vk;
    const unsigned char ch = key.size() == 1 ? static_cast<unsigned char>(key[0]) : 0;
    if (code == 0 && !std::isalnum(ch)) {
        c.Char(static_cast<char>(ch));
        return;
    }
    if (code == 0)
        code = std::toupper(ch);
    c.Press(code, mods);
    if (ch != 0 && !mods.ctrl)
        c.Char(static_cast<char>(std::tolower(ch)));
    c.Release(code, mods);
}

}  // namespace

TEST(Spoken, EachKeysShortcutDoesWhatClickingTheKeyDoes)
{
    for (Edition edition : {Edition::Classic, Edition::Styled}) {
        for (int id = IDC_FIRST_KEY; id <= IDC_LAST_KEY; ++id) {
            const char* shortcut = KeyShortcut(id, edition);
            if (shortcut == nullptr)
                continue;
            const bool hexDigit = id >= IDC_KEY_HEX_A && id <= IDC_KEY_HEX_F;
            Calc clicked(edition);
            Calc pressed(edition);
            for (Calc* c : {&clicked, &pressed}) {
                c->Keys("12 MS + 9");  // every key enabled, a pending operation, M not 0
                if (hexDigit) {
                    c->SelectBase(1);
                    c->SetIntegerInput(true);
                }
            }
            clicked.Click(id);
            PressShortcut(pressed, shortcut);
            const std::string row = std::string(shortcut) + " for key " + std::to_string(id);
            EXPECT_EQ(pressed.Up(), clicked.Up()) << row;
            EXPECT_EQ(pressed.Down(), clicked.Down()) << row;
            EXPECT_EQ(pressed.S().dMemory, clicked.S().dMemory) << row;
            EXPECT_EQ(pressed.S().nActiveReg, clicked.S().nActiveReg) << row;
            EXPECT_EQ(pressed.S().nLastOp, clicked.S().nLastOp) << row;
            EXPECT_EQ(pressed.view.extended, clicked.view.extended) << row;
            EXPECT_NE(clicked.view.pushes, 0) << row;
        }
    }
    EXPECT_EQ(KeyShortcut(IDC_KEY_MC, Edition::Classic), nullptr);  // only the Styled edition has one
}

TEST(Spoken, APanelsNameIsFollowedByWhatItShows)
{
    Calc c;
    c.Keys("7 + 7 = 2");
    const struct {
        int id;
        const char* name;
        const char* spoken;
    } kPanels[] = {
        {IDC_PANEL_RESULT, "Register", "Register A 14"},
        {IDC_PANEL_OTHER, "Register", "Register M 0"},
        {IDC_PANEL_CURRENT, "Current value", "Current value 2"},
        {IDC_PANEL_LAST_OP, "Last operation", "Last operation +"},
        {IDC_KEY_MS, "Memory store", "Memory store"},
    };
    for (const auto& p : kPanels)
        EXPECT_EQ(SpokenName(p.id, p.name, c.S()), p.spoken);
    EXPECT_EQ(SpokenNameId(IDC_KEY_VIEW, false), IDS_NAME_OFFSET + IDC_KEY_VIEW);
    EXPECT_EQ(SpokenNameId(IDC_KEY_VIEW, true), IDS_NAME_VIEW_BASIC);
}
