#include "color_plan.h"

#include "color_math.h"
#include "control_ids.h"

namespace {

class Plan {
public:
    Plan(const ColorScheme& scheme, const ColorContext& context) : scheme_(scheme), context_(context) {}

    void Text(int id, Color color) { targets.push_back({id, false, color}); }
    void Back(int id, Color color) { targets.push_back({id, true, color}); }
    void TextRange(int first, int last, Color color)
    {
        for (int id = first; id <= last; ++id)
            Text(id, color);
    }
    Color Basic(BasicColor index) const { return scheme_.crBasicColors[index]; }
    Color Extended(ExtendedColor index) const { return scheme_.crExtendedColors[index]; }
    Color Shown(BasicColor index) const { return ShownBack(scheme_, index, context_.system); }

    std::vector<ColorTarget> targets;

private:
    const ColorScheme& scheme_;
    const ColorContext& context_;
};

bool Has(uint32_t mask, uint32_t bits)
{
    return (mask & bits) != 0;
}

void PlanBasic(Plan& p, uint32_t mask, const ColorContext& c)
{
    const bool classic = c.edition == Edition::Classic;
    const bool accActive = c.activeReg == 0;
    if (Has(mask, kDialogBackBit))
        p.Back(kDialogBackground, p.Basic(kDialogBack));
    if (classic && Has(mask, kKeyBackBit)) {
        for (int id = IDC_FIRST_KEY; id <= IDC_LAST_KEY; ++id)
            p.Back(id, p.Shown(kKeyBack));
    }
    if (Has(mask, kEnterTextBit))
        p.Text(IDC_PANEL_CURRENT, p.Basic(kEnterText));
    if (Has(mask, kAccTextBit) && accActive) {
        p.Text(IDC_PANEL_RESULT, p.Basic(kAccText));
        p.Text(IDC_PANEL_UP_LABEL, p.Basic(kAccText));
    }
    if (Has(mask, kMemTextBit) && !accActive) {
        p.Text(IDC_PANEL_RESULT, p.Basic(kMemText));
        p.Text(IDC_PANEL_UP_LABEL, p.Basic(kMemText));
    }
    if (Has(mask, kResultBackBit))
        p.Back(IDC_PANEL_RESULT, p.Shown(kResultBack));
    if (Has(mask, kEnterBackBit))
        p.Back(IDC_PANEL_CURRENT, p.Shown(kEnterBack));
    if (Has(mask, kAmInfoBackBit))
        p.Back(IDC_PANEL_UP_LABEL, p.Shown(kAmInfoBack));
    if (Has(mask, kOperations1Bit) && c.pendingOp <= IDC_KEY_EQUALS)
        p.Text(IDC_PANEL_LAST_OP, p.Basic(kOperations1Text));
    else if (Has(mask, kOperations2Bit) && c.pendingOp <= IDC_KEY_RECIPROCAL)
        p.Text(IDC_PANEL_LAST_OP, p.Basic(kOperations2Text));
    if (!classic)
        return;  // the system's push buttons take no colours
    if (Has(mask, kAccTextBit))
        p.Text(IDC_KEY_ACC, p.Basic(kAccText));
    if (Has(mask, kMemTextBit))
        p.Text(IDC_KEY_MEM, p.Basic(kMemText));
    if (Has(mask, kOperations1Bit))
        p.TextRange(IDC_KEY_DIVIDE, IDC_KEY_EQUALS, p.Basic(kOperations1Text));
    if (Has(mask, kOperations2Bit)) {
        p.Text(IDC_KEY_RECIPROCAL, p.Basic(kOperations2Text));
        p.Text(IDC_KEY_SQRT, p.Basic(kOperations2Text));
    }
    if (Has(mask, kDigitKeysBit)) {
        p.TextRange(IDC_KEY_DIGIT0, IDC_KEY_DIGIT9, p.Basic(kDigitKeysText));
        p.Text(IDC_KEY_SIGN, p.Basic(kDigitKeysText));
        p.Text(IDC_KEY_POINT, p.Basic(kDigitKeysText));
    }
    if (Has(mask, kMemoryKeysBit)) {
        for (int id : {IDC_KEY_MS, IDC_KEY_MR, IDC_KEY_MC, IDC_KEY_MPLUS})
            p.Text(id, p.Basic(kMemoryKeysText));
    }
    if (Has(mask, kClearKeysBit)) {
        for (int id : {IDC_KEY_DELETE, IDC_KEY_BACK, IDC_KEY_CLEAR})
            p.Text(id, p.Basic(kClearKeysText));
    }
    if (Has(mask, kExtensionKeyBit))
        p.Text(IDC_KEY_VIEW, p.Basic(kExtensionKeyText));
}

void PlanExtended(Plan& p, uint32_t mask, const ColorContext& c)
{
    const bool accActive = c.activeReg == 0;
    if (Has(mask, kBasicPart)) {
        // The right-up panels show the other register, so they take the other one's colour.
        if (Has(mask, kEnterTextBit))
            p.Text(IDC_PANEL_INTEGER, p.Basic(kEnterText));
        if (Has(mask, kAccTextBit) && !accActive) {
            p.Text(IDC_PANEL_OTHER, p.Basic(kAccText));
            p.Text(IDC_PANEL_OTHER_LABEL, p.Basic(kAccText));
        }
        if (Has(mask, kMemTextBit) && accActive) {
            p.Text(IDC_PANEL_OTHER, p.Basic(kMemText));
            p.Text(IDC_PANEL_OTHER_LABEL, p.Basic(kMemText));
        }
        if (Has(mask, kEnterBackBit))
            p.Back(IDC_PANEL_INTEGER, p.Shown(kEnterBack));
    }
    if (c.edition != Edition::Classic || !Has(mask, kExtendedPart))
        return;
    if (Has(mask, kOperations3Bit))
        p.TextRange(IDC_KEY_LN, IDC_KEY_ATAN, p.Extended(kOperations3Text));
    if (Has(mask, kHexDigitsBit))
        p.TextRange(IDC_KEY_HEX_A, IDC_KEY_HEX_F, p.Extended(kHexDigitsText));
    if (Has(mask, kConstantsBit)) {
        p.Text(IDC_KEY_E, p.Extended(kConstantsText));
        p.Text(IDC_KEY_PI, p.Extended(kConstantsText));
    }
    if (Has(mask, kSwapKeyBit))
        p.Text(IDC_KEY_SWAP, p.Extended(kSwapKeyText));
    if (Has(mask, kQuestionKeyBit))
        p.Text(IDC_KEY_TIPS, p.Extended(kQuestionKeyText));
    if (Has(mask, kOperations3Bit) && c.lastOp <= IDC_KEY_ATAN)
        p.Text(IDC_PANEL_LAST_OP, p.Extended(kOperations3Text));
}

}  // namespace

Color ShownBack(const ColorScheme& scheme, BasicColor index, const SystemColors& system)
{
    if (!scheme.bSystemBackgrounds)
        return scheme.crBasicColors[index];
    switch (index) {
    case kEnterBack:
    case kResultBack: return system.window;
    default: return system.buttonFace;
    }
}

std::vector<ColorTarget> PlanPanelBacks(const ColorScheme& scheme, uint32_t mask, const ColorContext& context)
{
    Plan p(scheme, context);
    Color a = p.Shown(kAmInfoBack);
    if (context.inMemory)
        a = BlendColor(a, 0xFFFFFF, 1, 3);
    if (Has(mask, kAmInfoBackBit))
        p.Back(IDC_PANEL_OTHER_LABEL, a);
    if (Has(mask, kResultBackBit) || (context.inMemory && Has(mask, kAmInfoBackBit)))
        p.Back(IDC_PANEL_OTHER, context.inMemory ? BlendColor(a, 0xFFFFFF, 1, 3) : p.Shown(kResultBack));
    if (Has(mask, kOpInfoBackBit)) {
        Color b = p.Shown(kOperationInfoBack);
        if (context.inMemory)
            b = BlendColor(b, 0xFFFFFF, 1, 2);
        p.Back(IDC_PANEL_LAST_OP, b);
    }
    return p.targets;
}

std::vector<ColorTarget> PlanColors(const ColorScheme& scheme, uint32_t mask, const ColorContext& context)
{
    Plan p(scheme, context);
    if (Has(mask, kBasicPart))
        PlanBasic(p, mask, context);
    for (const ColorTarget& target : PlanPanelBacks(scheme, mask, context))
        p.targets.push_back(target);
    PlanExtended(p, mask, context);
    return p.targets;
}

Color LastOpColor(const ColorScheme& scheme, int op)
{
    if (op <= IDC_KEY_EQUALS)
        return scheme.crBasicColors[kOperations1Text];
    if (op <= IDC_KEY_RECIPROCAL)
        return scheme.crBasicColors[kOperations2Text];
    return scheme.crExtendedColors[kOperations3Text];
}
