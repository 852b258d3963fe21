#pragma once
#include <cstdint>
#include <vector>

#include "color_scheme.h"
#include "edition.h"

// Which control takes which colour. The window hands the plan to its keys and panels; kept
// apart from the window so the mask rules can be tested on their own.

// Bits of a repaint mask. Bit 31 selects the basic part of the window, bit 30 the extended
// part; all ones selects everything. The colours dialog's rows and the stored layout of the
// repaint masks use these numbers.
constexpr uint32_t kBasicPart = 0x80000000u;
constexpr uint32_t kExtendedPart = 0x40000000u;
constexpr uint32_t kAllColors = 0xFFFFFFFFu;

// With kBasicPart: what the low bits refresh.
constexpr uint32_t kEnterBackBit = 0x0001;     // the Enter window's background (and the integer view's)
constexpr uint32_t kResultBackBit = 0x0002;    // the Result window's background (and the other register's)
constexpr uint32_t kAmInfoBackBit = 0x0004;    // the A-M Info background (and its twin's)
constexpr uint32_t kOpInfoBackBit = 0x0008;    // the Operation Info background
constexpr uint32_t kEnterTextBit = 0x0010;     // the Enter window's text
constexpr uint32_t kAccTextBit = 0x0020;       // the accumulator's colour where it is shown
constexpr uint32_t kMemTextBit = 0x0040;       // the memory's colour where it is shown
constexpr uint32_t kMemoryKeysBit = 0x0080;    // MC, MR, MS, M+
constexpr uint32_t kDigitKeysBit = 0x0100;     // 0-9, the sign and the point
constexpr uint32_t kOperations1Bit = 0x0200;   // "/" to "=" (and the Operation Info text)
constexpr uint32_t kOperations2Bit = 0x0400;   // sqrt and 1/x (and the Operation Info text)
constexpr uint32_t kClearKeysBit = 0x0800;     // Delete, Back, Clear
constexpr uint32_t kExtensionKeyBit = 0x1000;  // the view key
constexpr uint32_t kDialogBackBit = 0x2000;    // the window's background
constexpr uint32_t kKeyBackBit = 0x4000;       // every key's face

// With kExtendedPart: the extended view's keys.
constexpr uint32_t kConstantsBit = 0x01;
constexpr uint32_t kHexDigitsBit = 0x02;
constexpr uint32_t kOperations3Bit = 0x04;  // the functions (and the Operation Info text)
constexpr uint32_t kSwapKeyBit = 0x08;
constexpr uint32_t kQuestionKeyBit = 0x10;

// The control id that stands for the dialog's own background.
constexpr int kDialogBackground = 0;

struct ColorTarget {
    int id;
    bool background;  // else the text colour
    Color color;
};

// What the colours of the moment depend on besides the scheme.
struct ColorContext {
    SystemColors system;
    int activeReg = 0;  // 0 accumulator, 1 memory
    int pendingOp = 0;  // the engine's pending operation
    int lastOp = 0;     // the engine's last operation
    bool inMemory = false;
    Edition edition = Edition::Classic;
};

// The colours ApplyColors(mask) pushes, in the order it pushes them. A target with the id
// kDialogBackground asks for the dialog background to be repainted in that colour.
std::vector<ColorTarget> PlanColors(const ColorScheme& scheme, uint32_t mask, const ColorContext& context);

// The backgrounds of the panels that In Memory mode tints (the right-up panel, its label and
// the operation panel); only the low bits of the mask count.
std::vector<ColorTarget> PlanPanelBacks(const ColorScheme& scheme, uint32_t mask,
                                        const ColorContext& context);

// The text colour of the operation panel for an operation: that of its key's family.
Color LastOpColor(const ColorScheme& scheme, int op);

// A background as shown: the stored colour, or the system's while system backgrounds are on.
Color ShownBack(const ColorScheme& scheme, BasicColor index, const SystemColors& system);
