#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "color_scheme.h"
#include "edition.h"

// Kind bits of a colour category: what the row edits and how the colours dialog previews it.
constexpr uint32_t kKindText = 0x01;             // the row has a text colour
constexpr uint32_t kKindBack = 0x02;             // the row has a background colour
constexpr uint32_t kKindPreviewOnButton = 0x04;  // its background is previewed on the "Button" sample
constexpr uint32_t kKindPreviewWhite = 0x08;
constexpr uint32_t kKindPreviewBlack = 0x10;
constexpr uint32_t kKindPreviewWindow = 0x20;      // preview background: system window colour
constexpr uint32_t kKindPreviewButtonFace = 0x40;  // preview background: system button face
constexpr uint32_t kKindPreviewWindowText = 0x80;  // preview text: system window-text colour

// One named colour the colours dialog edits. The slots point into the window's own scheme,
// so two rows naming the same slot edit one colour.
struct ColorCategory {
    const char* name;
    Color fallbackText;  // used only where a slot is absent
    Color fallbackBack;
    Color* textSlot;  // null: the row has no text colour
    Color* backSlot;  // null: the row has no background colour
    uint32_t kind;
    uint32_t repaintMask;  // handed to ApplyColors when the row's colour changes
};

struct ColorGroup {
    const char* name;
    std::vector<ColorCategory> rows;
};

// The groups in the order the colours dialog lists them, built on `scheme`. The Styled
// edition's keys take no colours: it has the one group of texts and backgrounds, without the
// key background.
std::vector<ColorGroup> BuildColorGroups(ColorScheme& scheme, Edition edition);
