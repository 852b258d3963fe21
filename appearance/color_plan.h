#pragma once
#include <cstdint>
#include <vector>

#include "color_scheme.h"
#include "edition.h"

// Which control takes which colour. The window hands the plan to its keys and panels; kept
// apart from the window so the mask rules can be tested on their own.

// Bits of a repaint mask. Bit 31 selects the basic part of the window, bit 30 the extended
// part; all ones selects everything.
constexpr uint32_t kBasicPart = 0x80000000u;
constexpr uint32_t kExtendedPart = 0x40000000u;
constexpr uint32_t kAllColors = 0xFFFFFFFFu;

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
