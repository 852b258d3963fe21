// A clipboard that works against the program: a megabyte of mixed text to paste, and a
// clipboard that another program holds open while the user copies and pastes.
#include "calculator_fixture.h"
#include "clipboard_text.h"
#include "control_ids.h"
#include "input_watch.h"
#include "key_delivery.h"
#include "keyboard_input.h"
#include "wait.h"
#include "window_controls.h"

namespace e2e {
namespace {

// Generous: a paste must end in well under this on any machine the tests run on.
constexpr DWORD kPasteTimeoutMs = 10000;

class HostileClipboardTest : public CalculatorTest {
protected:
    void ComputeFive()
    {
        ASSERT_TRUE(
            ClickAll(Window(), {IDC_KEY_DIGIT0 + 2, IDC_KEY_ADD, IDC_KEY_DIGIT0 + 3, IDC_KEY_EQUALS}));
        ASSERT_TRUE(WaitForControlText(Window(), IDC_PANEL_RESULT, "5"));
    }

    // Types the chord and waits, up to `timeoutMs`, until the window's thread has taken its
    // key releases from the queue and answers again: everything the chord started is done.
    testing::AssertionResult ChordHandledWithin(std::initializer_list<WORD> modifiers, WORD vk,
                                                DWORD timeoutMs)
    {
        if (!BringToForeground(Window()))
            return testing::AssertionFailure() << "the window did not come to the front";
        InputWatch watch(Window());
        if (!watch.Ready())
            return testing::AssertionFailure() << "no input watch: " << watch.Error();
        if (!PressChord(modifiers, vk))
            return testing::AssertionFailure() << "SendInput refused the keys";
        const bool taken = WaitUntil(
            [&] {
                if (watch.KeyReleases(vk) == 0)
                    return false;
                for (WORD modifier : modifiers)
                    if (watch.KeyReleases(modifier) == 0)
                        return false;
                return true;
            },
            timeoutMs);
        if (!taken)
            return testing::AssertionFailure() << "the keys were not handled within " << timeoutMs << " ms";
        DWORD_PTR result = 0;
        if (SendMessageTimeoutA(Window(), WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &result) == 0)
            return testing::AssertionFailure() << "the window does not answer";
        return testing::AssertionSuccess();
    }
};

// A megabyte of digits, separators, operators, letters, control characters and bytes above
// 127: far more than anyone pastes into a calculator, and most of it meaningless.
std::string MegabyteOfMixedText()
{
    std::string pattern = "1234567890.,+-*/=%eEpPaAfFxyz \t\r\n!@#$^&()[]{}<>?;:'\"\\|~`_";
    for (int byte = 0x80; byte < 0x100; byte += 0x11)
        pattern += static_cast<char>(byte);
    std::string text;
    text.reserve(1 << 20);
    while (text.size() + pattern.size() <= (1u << 20))
        text += pattern;
    text.append((1u << 20) - text.size(), '9');
    return text;
}

TEST_F(HostileClipboardTest, PastingAMegabyteEndsAndLeavesAUsableCalculator)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    const std::string text = MegabyteOfMixedText();
    ASSERT_TRUE(SetClipboardText(text));
    ASSERT_TRUE(ChordHandledWithin({VK_CONTROL}, 'V', kPasteTimeoutMs));
    // The panels show numbers of a sane length, whatever the text computed.
    EXPECT_LT(ControlText(Window(), IDC_PANEL_RESULT).size(), 64u);
    EXPECT_LT(ControlText(Window(), IDC_PANEL_CURRENT).size(), 64u);
    // Paste never changes what the clipboard holds.
    EXPECT_EQ(GetClipboardText(), std::optional<std::string>(text));

    ASSERT_TRUE(Click(Window(), IDC_KEY_CLEAR));
    ASSERT_NO_FATAL_FAILURE(ComputeFive());
    ASSERT_NO_FATAL_FAILURE(CloseCalculator());
}

// Another program holding the clipboard open: here the driver, which is a process of its own.
class HeldClipboard {
public:
    HeldClipboard()
    {
        owner_ = CreateWindowExA(0, "STATIC", "tallyra e2e clipboard holder", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
        held_ = owner_ != nullptr && WaitUntil([&] { return OpenClipboard(owner_) != FALSE; });
    }
    ~HeldClipboard()
    {
        Release();
        if (owner_ != nullptr)
            DestroyWindow(owner_);
    }
    HeldClipboard(const HeldClipboard&) = delete;
    HeldClipboard& operator=(const HeldClipboard&) = delete;

    bool Held() const { return held_; }
    void Release()
    {
        if (held_)
            CloseClipboard();
        held_ = false;
    }

private:
    HWND owner_ = nullptr;
    bool held_ = false;
};

TEST_F(HostileClipboardTest, CopyAndPasteWhileAnotherProgramHoldsTheClipboardChangeNothing)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_NO_FATAL_FAILURE(ComputeFive());
    ASSERT_TRUE(SetClipboardText("1234+1="));

    HeldClipboard held;
    ASSERT_TRUE(held.Held()) << "the driver could not open the clipboard";
    // Each returns at once: the window takes the releases and answers well within the wait.
    EXPECT_TRUE(ChordHandledWithin({VK_CONTROL}, 'C', kPasteTimeoutMs)) << "Ctrl+C";
    EXPECT_TRUE(ChordHandledWithin({VK_CONTROL}, 'V', kPasteTimeoutMs)) << "Ctrl+V";
    EXPECT_TRUE(ChordHandledWithin({VK_CONTROL}, 'Q', kPasteTimeoutMs)) << "Ctrl+Q";
    EXPECT_EQ(ControlText(Window(), IDC_PANEL_RESULT), "5");
    EXPECT_EQ(ControlText(Window(), IDC_PANEL_CURRENT), "3");
    held.Release();

    EXPECT_EQ(GetClipboardText(), std::optional<std::string>("1234+1="))
        << "a failed copy changed the clipboard";
    // Once the clipboard is free again, both work.
    ASSERT_TRUE(ChordHandledWithin({VK_CONTROL}, 'V', kPasteTimeoutMs));
    EXPECT_TRUE(WaitForControlText(Window(), IDC_PANEL_RESULT, "1235"));
    ASSERT_NO_FATAL_FAILURE(CloseCalculator());
}

}  // namespace
}  // namespace e2e
