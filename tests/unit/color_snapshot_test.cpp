// What Cancel in the colours dialog puts back: the scheme and the custom colours as they
// were when it opened, and nothing else.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "color_categories.h"
#include "color_dialog_rules.h"
#include "color_snapshot.h"
#include "distinct_scheme.h"

namespace {

// Every colour distinct and the flag away from its default, so that each restore shows.
ColorScheme Scheme()
{
    ColorScheme s = DistinctScheme();
    s.bSystemBackgrounds = 1;
    return s;
}

void FillCustom(Color (&custom)[kCustomColorCount], Color base)
{
    for (size_t i = 0; i < kCustomColorCount; ++i)
        custom[i] = base + static_cast<Color>(i);
}

bool Same(const ColorScheme& a, const ColorScheme& b)
{
    return std::equal(std::begin(a.crBasicColors), std::end(a.crBasicColors), std::begin(b.crBasicColors)) &&
           std::equal(std::begin(a.crExtendedColors), std::end(a.crExtendedColors),
                      std::begin(b.crExtendedColors)) &&
           a.bSystemBackgrounds == b.bSystemBackgrounds;
}

}  // namespace

TEST(ColorSnapshot, RestoresEveryColourTheFlagAndTheCustomColours)
{
    ColorScheme scheme = Scheme();
    Color custom[kCustomColorCount];
    FillCustom(custom, 0x300000);
    const ColorSnapshot opening = TakeColorSnapshot(scheme, custom);

    // Everything the dialog can change, changed.
    SetDefaultColors(scheme, SystemColors{0xFFFFFF, 0xC0C0C0});
    scheme.crBasicColors[kEnterText] = 0x0000FF;
    scheme.crExtendedColors[kSwapKeyText] = 0x00FF00;
    scheme.bSystemBackgrounds = 0;
    FillCustom(custom, 0x400000);

    RestoreColorSnapshot(opening, scheme, custom);
    EXPECT_TRUE(Same(scheme, Scheme()));
    Color expected[kCustomColorCount];
    FillCustom(expected, 0x300000);
    EXPECT_TRUE(std::equal(std::begin(custom), std::end(custom), std::begin(expected)));
}

TEST(ColorSnapshot, RestoresIntoTheSchemeTheCategoriesPointInto)
{
    ColorScheme scheme = Scheme();
    Color custom[kCustomColorCount];
    FillCustom(custom, 0);
    const auto groups = BuildColorGroups(scheme, Edition::Classic);
    const ColorSnapshot opening = TakeColorSnapshot(scheme, custom);

    scheme.crBasicColors[kDialogBack] = 0x000000;
    RestoreColorSnapshot(opening, scheme, custom);
    EXPECT_EQ(CategoryBack(groups[0].rows[0]), Scheme().crBasicColors[kDialogBack]);
}
