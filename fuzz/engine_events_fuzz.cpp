// Random event sequences into the calculator engine, delivered as the window delivers them:
// typed characters, key presses and releases with Shift and Ctrl, clicks on every key (and on
// ids no key has), pastes of any text, precision and base changes, view switches and the
// menu options, in both editions and from any restored state. After every event the state
// must still be one the window can show; a hang is caught by libFuzzer's -timeout.
#include <cstdint>
#include <string>
#include <vector>

#include "calc_engine_ext.h"
#include "fake_clipboard.h"
#include "fuzz_calc_view.h"
#include "fuzz_check.h"
#include "fuzz_input.h"
#include "radix_text.h"
#include "state_rules.h"

namespace {

// The longest text printf gives for one double in a display format: "%.8f" of -DBL_MAX has a
// sign, 309 digits, the point and kMaxAfter decimals.
constexpr size_t kMaxNumberText = 1 + 309 + 1 + kMaxAfter;
// The last-operation panel shows at most a key caption, which the real window's panel holds
// in 32 bytes.
constexpr size_t kMaxCaption = 31;
// A paste of kMaxPastedChars characters is that many keys with their refreshes, 40 ms and
// more here. Inputs full of them run at a tenth of the speed and find less, so a repeated
// paste is cut short unless its input asks for a full one, and then only once.
constexpr int kMaxLongPastes = 1;
constexpr size_t kShortPaste = 255;

const std::vector<int>& ButtonIds()
{
    static const std::vector<int> ids = [] {
        std::vector<int> all;
        const int ranges[][2] = {
            {IDC_KEY_MC, IDC_KEY_MPLUS},
            {IDC_KEY_DIGIT0, IDC_KEY_HEX_F},
            {IDC_KEY_DIVIDE, IDC_KEY_RECIPROCAL},
            {IDC_KEY_SIGN, IDC_KEY_VIEW},
            {IDC_KEY_LN, IDC_KEY_ATAN},
            {IDC_KEY_TIPS, IDC_KEY_SWAP},
            {IDC_RADIO_X_UP, IDC_CHECK_INTEGER_INPUT},
        };
        for (const auto& range : ranges)
            for (int id = range[0]; id <= range[1]; ++id)
                all.push_back(id);
        return all;
    }();
    return ids;
}

// Every id the window sends, or one it never sends: next to the real ones, or anything.
int ButtonId(FuzzInput& in)
{
    const size_t pick = in.Byte();
    if (pick < ButtonIds().size())
        return ButtonIds()[pick];
    if (pick & 1)
        return IDC_PANEL_RESULT + static_cast<int>(pick) * 2;
    return static_cast<int32_t>(in.Word());
}

Modifiers Mods(FuzzInput& in)
{
    const uint8_t bits = in.Byte();
    return Modifiers{(bits & 1) != 0, (bits & 2) != 0};
}

// A radio group as ReadSelections reports it: an index, or -1 when nothing is checked.
int Selector(FuzzInput& in, int count)
{
    return static_cast<int>(in.Byte() % (count + 1)) - 1;
}

std::string Describe(const CalcState& s)
{
    return "nXWindow=" + std::to_string(s.nXWindow) + " nActiveReg=" + std::to_string(s.nActiveReg) +
           " nBase=" + std::to_string(s.nBase) + " nRadix=" + std::to_string(s.nRadix) +
           " nAngle=" + std::to_string(s.nAngle) + " nScale=" + std::to_string(s.nScale) +
           " nAfter=" + std::to_string(s.nAfter) + " nLastOp=" + std::to_string(s.nLastOp) +
           " bEntering=" + std::to_string(s.bEntering) + "\n  up " + Quoted(s.strResult) + "\n  down " +
           Quoted(s.strCurrent) + "\n  integer " + Quoted(s.strInteger) + "\n  other " + Quoted(s.strOther);
}

void CheckState(const CalcState& s, Edition edition, const char* which)
{
    // The message is built only when a check fails: FUZZ_CHECK evaluates it lazily.
#define STATE_CHECK(condition) FUZZ_CHECK(condition, std::string(which) + ": " + Describe(s))
    STATE_CHECK(s.nXWindow == 0 || s.nXWindow == 1);
    STATE_CHECK(s.nActiveReg == 0 || s.nActiveReg == 1);
    STATE_CHECK(s.nBase >= 0 && s.nBase <= 3);
    STATE_CHECK(s.nAngle == 0 || s.nAngle == 1);
    STATE_CHECK(s.nRadix == 10 || s.nRadix == 16 || s.nRadix == 8 || s.nRadix == 2);
    STATE_CHECK(s.nScale >= kMinScale && s.nScale <= MaxScale(edition));
    STATE_CHECK(s.nAfter >= 0 && s.nAfter <= kMaxAfter);
    STATE_CHECK(IsValidLastOp(s.nLastOp));
    STATE_CHECK(s.strInteger.size() <= kMaxRadixText);
    STATE_CHECK(s.strResult.size() <= kMaxNumberText);
    STATE_CHECK(s.strOther.size() <= kMaxNumberText);
    // While typing, the down window holds the keys as typed, which have no limit.
    STATE_CHECK(s.bEntering || s.strCurrent.size() <= kMaxNumberText);
    STATE_CHECK(s.strLastOp.size() <= kMaxCaption);
#undef STATE_CHECK
}

// The precision model, its edit box and its spin range agree after the model was applied.
void CheckPrecision(const CalcState& s, const FuzzCalcView& view, Edition edition)
{
#define PRECISION_CHECK(condition)                                                                           \
    FUZZ_CHECK(condition, Describe(s) + " nPrecisionEdit=" + std::to_string(s.nPrecisionEdit) + " range=" +  \
                              std::to_string(view.rangeLow) + ".." + std::to_string(view.rangeHigh))
    PRECISION_CHECK(view.rangeLow == (s.bAfter ? 0 : kMinScale));
    PRECISION_CHECK(view.rangeHigh == (s.bAfter ? kMaxAfter : MaxScale(edition)));
    PRECISION_CHECK(s.nPrecisionEdit == (s.bAfter ? s.nAfter : s.nScale));
#undef PRECISION_CHECK
}

// The record as LoadSettings leaves it: any stored numbers, selectors brought into range.
void Restore(FuzzInput& in, CalcState& s, Edition edition)
{
    s.dUp = in.Double();
    s.dCurrent = in.Double();
    s.dAccumulator = in.Double();
    s.dMemory = in.Double();
    s.nActiveReg = in.Signed();
    s.nXWindow = in.Signed();
    s.nBase = in.Signed();
    s.nAngle = in.Signed();
    s.nLastOp = static_cast<int32_t>(in.Word());
    s.nScale = in.Signed();
    s.nAfter = in.Signed();
    SanitizeState(s, edition);
}

// An event through the engine's door, as the window hands it over: the selectors are read
// when the engine takes it.
bool Send(CalcEngineExt& engine, const FuzzCalcView& view, const CalcEvent& event)
{
    return engine.Handle(event, [&view] { return view.controls; });
}

void Command(CalcEngineExt& engine, const FuzzCalcView& view, CalcOp op, int arg = 0)
{
    Send(engine, view, CalcEvent::Command(op, arg));
}

// What the extended window does when it opens (CCalcExtDlg::OnInitDialog).
void OpenWindow(CalcEngineExt& engine, const FuzzCalcView& view, bool extended)
{
    Command(engine, view, CalcOp::Refresh);
    Command(engine, view, CalcOp::ToggleInMemory);
    Command(engine, view, CalcOp::ShowView, extended ? 1 : 0);
    Command(engine, view, CalcOp::SetUpPrecision);
}

void Flip(uint8_t& flag)
{
    flag = flag ? 0 : 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const uint8_t header = in.Byte();
    const Edition edition = (header & 1) ? Edition::Styled : Edition::Classic;

    // Stored options may hold any combination, both Escape options included.
    EngineOptions options;
    options.bInMemory = (header >> 2) & 1;
    options.bCommaPoint = (header >> 3) & 1;
    options.bExitByEscape = (header >> 4) & 1;
    options.bClearByEscape = (header >> 5) & 1;

    FuzzCalcView view;
    FakeClipboard clipboard;
    CalcEngineExt engine(view, view, clipboard, options, edition);
    CalcState& s = engine.State();
    s.bAfter = (header >> 7) & 1;
    if (header & 2)
        Restore(in, s, edition);
    OpenWindow(engine, view, ((header >> 6) & 1) == 0);
    CheckState(s, edition, "state");
    CheckPrecision(s, view, edition);

    int longPastes = 0;
    while (!in.Empty() && !view.ended) {
        bool precisionApplied = false;
        switch (in.Byte() % 23) {
        case 0:
        case 1: {
            const int ch = in.Byte();
            Mods(in);  // a character comes without its modifiers
            Send(engine, view, CalcEvent::Char(ch));
            break;
        }
        case 2: {
            const int key = in.Byte();
            Send(engine, view, CalcEvent::KeyDown(key, Mods(in)));
            break;
        }
        case 3: {
            const int key = in.Byte();
            Send(engine, view, CalcEvent::KeyUp(key, Mods(in)));
            break;
        }
        case 4: {
            const int key = in.Byte();
            const Modifiers mods = Mods(in);
            Send(engine, view, CalcEvent::KeyDown(key, mods));
            if (!view.ended)
                Send(engine, view, CalcEvent::KeyUp(key, mods));
            break;
        }
        case 5:
        case 6: Send(engine, view, CalcEvent::Click(ButtonId(in))); break;
        case 7:
            clipboard.text = in.Text(in.Byte());
            Command(engine, view, CalcOp::Paste);
            break;
        case 8: {
            const bool full = in.Byte() == 0xFF && ++longPastes <= kMaxLongPastes;
            clipboard.text = in.RepeatedText();
            if (!full && clipboard.text.size() > kShortPaste)
                clipboard.text.resize(kShortPaste);
            Command(engine, view, CalcOp::Paste);
            break;
        }
        case 9:
            // "Paste and Copy".
            clipboard.text = in.Text(in.Byte());
            Command(engine, view, CalcOp::Paste);
            Command(engine, view, CalcOp::Copy);
            break;
        case 10: Command(engine, view, CalcOp::Copy); break;
        case 11: {
            // A number typed or spun into the precision box; GetDlgItemInt's UINT may come
            // back as any int, -1 for no number.
            const uint8_t pick = in.Byte();
            view.controls.nPrecisionEdit = pick < 200 ? pick - 2 : static_cast<int32_t>(in.Word());
            Command(engine, view, CalcOp::PrecisionEdited);
            precisionApplied = true;
            break;
        }
        case 12:
            // "After Point" or "Common Scale" from the menu.
            Command(engine, view, CalcOp::PrecisionModel, in.Bool() ? 1 : 0);
            precisionApplied = true;
            break;
        case 13: {
            // A click on a radio button checks it, then the window passes the click on.
            const uint8_t pick = in.Byte();
            switch (pick % 4) {
            case 0:
                view.controls.nBase = (pick >> 2) % 4;
                Send(engine, view, CalcEvent::Click(IDC_RADIO_DEC + view.controls.nBase));
                break;
            case 1:
                view.controls.nAngle = (pick >> 2) % 2;
                Send(engine, view, CalcEvent::Click(IDC_RADIO_DEGREES + view.controls.nAngle));
                break;
            case 2:
                view.controls.nXWindow = (pick >> 2) % 2;
                Send(engine, view,
                     CalcEvent::Click(view.controls.nXWindow == 1 ? IDC_RADIO_X_UP : IDC_RADIO_X_DOWN));
                break;
            default:
                view.controls.bIntegerInput = !view.controls.bIntegerInput;
                Send(engine, view, CalcEvent::Click(IDC_CHECK_INTEGER_INPUT));
                break;
            }
            break;
        }
        case 14:
            // The controls as the next key reads them, whatever the last push left there.
            view.controls.nXWindow = Selector(in, 2);
            view.controls.nActiveReg = Selector(in, 2);
            view.controls.nBase = Selector(in, 4);
            view.controls.nAngle = Selector(in, 2);
            view.controls.bIntegerInput = in.Bool();
            break;
        case 15: Command(engine, view, CalcOp::ShowView, in.Bool() ? 1 : 0); break;
        case 16: Command(engine, view, CalcOp::ToggleComma); break;
        case 17:
            Flip(options.bInMemory);
            Command(engine, view, CalcOp::ToggleInMemory);
            break;
        case 18:
            // The menu keeps the two Escape options exclusive.
            if (in.Bool()) {
                Flip(options.bExitByEscape);
                if (options.bExitByEscape)
                    options.bClearByEscape = 0;
            } else {
                Flip(options.bClearByEscape);
                if (options.bClearByEscape)
                    options.bExitByEscape = 0;
            }
            break;
        case 19:
            // "Show Precision" from the menu: the window moves the panel, then refreshes.
            view.TogglePrecisionControl();
            Command(engine, view, CalcOp::Refresh);
            break;
        case 20: clipboard.open = !clipboard.open; break;
        case 21: Command(engine, view, CalcOp::CycleBase, in.Bool() ? 1 : -1); break;
        default: Command(engine, view, CalcOp::Refresh); break;
        }
        CheckState(s, edition, "state");
        CheckState(view.shown, edition, "shown");
        if (precisionApplied)
            CheckPrecision(s, view, edition);
    }
    return 0;
}
