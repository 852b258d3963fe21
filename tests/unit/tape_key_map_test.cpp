// The tape's keys: which command each key pressed in its list asks for.
#include <gtest/gtest.h>

#include "tape_key_map.h"

TEST(TapeKeyMap, EachKeyAsksForItsCommandAndTheRestGoToTheList)
{
    const Modifiers none{};
    const Modifiers ctrl{false, true, false};
    const Modifiers shift{true, false, false};
    const struct {
        int key;
        Modifiers mods;
        TapeKey expected;
    } kKeys[] = {
        {'C', ctrl, TapeKey::Copy},
        {'A', ctrl, TapeKey::SelectAll},
        {'H', ctrl, TapeKey::Hide},
        {'S', ctrl, TapeKey::Save},
        {vk::Return, none, TapeKey::UseResult},
        {vk::Return, ctrl, TapeKey::None},
        {vk::Delete, none, TapeKey::Delete},
        {vk::Delete, shift, TapeKey::Delete},
        {vk::Delete, ctrl, TapeKey::None},
        {vk::Escape, none, TapeKey::BackToOwner},
        {vk::F6, ctrl, TapeKey::BackToOwner},
        {'C', none, TapeKey::None},  // a letter alone moves the list's caret
        {vk::Up, shift, TapeKey::None},
    };
    for (const auto& k : kKeys)
        EXPECT_EQ(TapeKeyFor(k.key, k.mods), k.expected) << "key " << k.key;
}
