// The loan window's keyboard: each key event's effect on the entry and what the window is
// asked to do.
#include <gtest/gtest.h>

#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "fake_loan_view.h"
#include "loan_key_map.h"
#include "schedule_key_map.h"

static void PrintTo(LoanKeyResult result, std::ostream* os)
{
    static const char* const names[] = {"NotHandled", "Handled", "Help", "SaveAndExit"};
    *os << names[static_cast<int>(result)];
}

namespace {

enum class Kind { Char, Down, Up };

struct KeyEvent {
    Kind kind;
    int code;
    Modifiers mods;
};

constexpr Modifiers kNone{};
constexpr Modifiers kShift{true, false, false};
constexpr Modifiers kCtrl{false, true, false};
constexpr Modifiers kCtrlShift{true, true, false};
constexpr Modifiers kAlt{false, false, true};

constexpr LoanKeyResult kPassed = LoanKeyResult::NotHandled;
constexpr LoanKeyResult kHandled = LoanKeyResult::Handled;
constexpr LoanKeyResult kHelp = LoanKeyResult::Help;
constexpr LoanKeyResult kExit = LoanKeyResult::SaveAndExit;

constexpr KeyEvent Char(char ch)
{
    return {Kind::Char, ch, kNone};
}
constexpr KeyEvent Down(int key, Modifiers mods = kNone)
{
    return {Kind::Down, key, mods};
}
constexpr KeyEvent Up(int key, Modifiers mods = kNone)
{
    return {Kind::Up, key, mods};
}

// A loan window's entry at 1000, 10%, 12 with the amount selected, its radio group as a plain
// index, and the key map it hands that index with each key, read as the window reads it.
struct LoanKeys {
    LoanKeyResult Send(const KeyEvent& e)
    {
        switch (e.kind) {
        case Kind::Char: return keys.OnCharacter(static_cast<char>(e.code), ReadRadio());
        case Kind::Down:
            return keys.OnKeyDown(e.code, e.mods,
                                  LoanKeyMap::PressReadsField(e.code, e.mods) ? ReadRadio() : -1);
        default: return keys.OnKeyUp(e.code, e.mods, ReadRadio());
        }
    }

    int ReadRadio()
    {
        ++readBacks;
        return radio;
    }

    // The three texts as typed, the selected one in brackets, and "=" while there is a result.
    std::string State() const
    {
        const LoanEntry& e = loan.entry;
        const auto field = [&e](LoanField f, const std::string& text) {
            return e.Selected() == f ? "[" + text + "]" : text;
        };
        return field(LoanField::Amount, e.AmountText()) + "|" + field(LoanField::Rate, e.RateText()) + "|" +
               field(LoanField::Term, e.TermText()) + (e.ResultText().empty() ? "" : " =");
    }

    Loan loan;
    LoanSettings settings;
    int radio = static_cast<int>(LoanField::Amount);
    int readBacks = 0;
    LoanKeyMap keys{loan.entry, settings};
};

const char kStart[] = "[1000]|10%|12";
const char kCleared[] = "[]|%|";

}  // namespace

TEST(LoanKeyMap, EachKeyEventOnItsOwn)
{
    const struct {
        KeyEvent event;
        LoanKeyResult result;
        const char* state;
        int readBacks;
    } rows[] = {
        {Char('7'), kHandled, "[10007]|10%|12", 1},
        {Char('.'), kHandled, "[1000.]|10%|12", 1},
        {Char(','), kHandled, "[1000.]|10%|12", 1},  // either key types the separator
        {Char('='), kHandled, "[1000]|10%|12 =", 1},
        {Char('a'), kPassed, kStart, 1},
        {Down(vk::Back), kHandled, "[100]|10%|12", 1},
        {Down(vk::Delete), kHandled, "[100]|10%|12", 1},
        {Down(vk::Delete, kCtrl), kHandled, kCleared, 1},
        {Down(vk::Delete, kCtrlShift), kHandled, kCleared, 1},
        {Down(vk::Delete, kShift), kHandled, "[]|10%|12", 1},
        {Down(vk::Back, kCtrl), kPassed, kStart, 1},
        {Down(vk::Back, kShift), kPassed, kStart, 1},
        {Down(vk::Up), kHandled, "1000|10%|[12]", 1},
        {Down(vk::Down), kHandled, "1000|[10%]|12", 1},
        {Down(vk::Down, kShift), kPassed, kStart, 1},
        {Down(vk::Return), kPassed, kStart, 1},
        {Down(vk::Escape), kHandled, kStart, 1},
        {Up(vk::Return), kHandled, "[1000]|10%|12 =", 1},
        {Up(vk::Return, kShift), kHandled, "[1000]|10%|12 =", 1},
        {Up(vk::Return, kCtrl), kPassed, kStart, 1},
        {Up(vk::Escape), kHandled, kStart, 1},
        {Up(vk::Escape, kCtrl), kPassed, kStart, 1},
        {Up(vk::Escape, kShift), kPassed, kStart, 1},
        {Up('A'), kPassed, kStart, 1},
        {Down(vk::F1), kHelp, kStart, 0},  // help reads nothing back
        {Down(vk::F1, kShift), kPassed, kStart, 1},
        {Down(vk::F1, kCtrl), kPassed, kStart, 1},
        {Down(vk::F1, kAlt), kPassed, kStart, 1},
        {Up(vk::F1), kPassed, kStart, 1},
    };
    for (size_t i = 0; i < std::size(rows); ++i) {
        SCOPED_TRACE("row " + std::to_string(i));
        LoanKeys k;
        EXPECT_EQ(k.Send(rows[i].event), rows[i].result);
        EXPECT_EQ(k.State(), rows[i].state);
        EXPECT_EQ(k.readBacks, rows[i].readBacks);
    }
}

TEST(LoanKeyMap, TheSelectedFieldIsReadBackBeforeTheKeyActs)
{
    const struct {
        int radio;
        KeyEvent event;
        const char* state;
    } rows[] = {
        {2, Char('5'), "1000|10%|[125]"},
        {1, Down(vk::Up), "[1000]|10%|12"},
        {2, Down(vk::Delete, kShift), "1000|10%|[]"},
        {1, Up(vk::Escape), "1000|[10%]|12"},
        {-1, Char('5'), "[10005]|10%|12"},  // no radio checked: the selection stays
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.state);
        LoanKeys k;
        k.radio = row.radio;
        k.Send(row.event);
        EXPECT_EQ(k.State(), row.state);
    }
}

TEST(LoanKeyMap, EscapeActsOnReleaseOnlyAfterItsPress)
{
    const KeyEvent press = Down(vk::Escape);
    const KeyEvent release = Up(vk::Escape);
    const KeyEvent ctrlRelease = Up(vk::Escape, kCtrl);
    const KeyEvent shiftRelease = Up(vk::Escape, kShift);
    const KeyEvent enter = Up(vk::Return);
    const KeyEvent ctrlEnter = Up(vk::Return, kCtrl);
    const KeyEvent typed = Char('5');
    const KeyEvent back = Down(vk::Back);
    const struct {
        const char* name;
        bool exit;
        bool clear;
        std::vector<KeyEvent> events;
        LoanKeyResult last;
        const char* state;
        bool latched;
    } rows[] = {
        {"press latches", false, false, {press}, kHandled, kStart, true},
        {"exits", true, false, {press, release}, kExit, kStart, true},
        {"clears", false, true, {press, release}, kHandled, kCleared, true},
        {"exiting wins", true, true, {press, release}, kExit, kStart, true},
        {"neither option", false, false, {press, release}, kHandled, kStart, true},
        {"release without press", true, true, {release}, kHandled, kStart, false},
        {"ctrl unlatches", false, true, {press, ctrlRelease, release}, kHandled, kStart, false},
        {"shift unlatches", false, true, {press, shiftRelease, release}, kHandled, kStart, false},
        {"ctrl enter unlatches", false, true, {press, ctrlEnter, release}, kHandled, kStart, false},
        {"other key unlatches", false, true, {press, Up('A'), release}, kHandled, kStart, false},
        {"enter keeps the latch", true, false, {press, enter, release}, kExit, "[1000]|10%|12 =", true},
        {"the latch stays set", false, true, {press, release, typed, release}, kHandled, kCleared, true},
        {"presses keep the latch", false, true, {press, back, typed, release}, kHandled, kCleared, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        LoanKeys k;
        k.settings.bExitByEscape = row.exit ? 1 : 0;
        k.settings.bClearByEscape = row.clear ? 1 : 0;
        LoanKeyResult last = kPassed;
        for (const KeyEvent& e : row.events)
            last = k.Send(e);
        EXPECT_EQ(last, row.last);
        EXPECT_EQ(k.State(), row.state);
        EXPECT_EQ(k.keys.EscapePressed(), row.latched);
    }
}

TEST(LoanKeyMap, TheEscapeOptionsAreReadAtEachRelease)
{
    LoanKeys k;
    k.settings.bExitByEscape = 0;
    k.settings.bClearByEscape = 0;
    k.Send(Down(vk::Escape));
    k.settings.bExitByEscape = 1;  // switched in the system menu while Escape is down
    EXPECT_EQ(k.Send(Up(vk::Escape)), kExit);
}

TEST(ScheduleKeyMap, CtrlCCopiesTheTableUnlessTextIsSelectedInTheBox)
{
    EXPECT_EQ(ScheduleKeyFor('C', kCtrl, false), ScheduleKey::CopyTable);
    EXPECT_EQ(ScheduleKeyFor('C', kCtrlShift, false), ScheduleKey::CopyTable);
    EXPECT_EQ(ScheduleKeyFor('C', kCtrl, true), ScheduleKey::None);  // the box copies its own selection
    EXPECT_EQ(ScheduleKeyFor('C', kNone, false), ScheduleKey::None);
    EXPECT_EQ(ScheduleKeyFor('V', kCtrl, false), ScheduleKey::None);
}
