#include "tape_key_map.h"

TapeKey TapeKeyFor(int key, Modifiers mods)
{
    if (mods.ctrl) {
        switch (key) {
        case 'C': return TapeKey::Copy;
        case 'S': return TapeKey::Save;
        case 'A': return TapeKey::SelectAll;
        case 'H': return TapeKey::Hide;
        default: break;
        }
    }
    if (key == vk::Return && !mods.ctrl && !mods.shift && !mods.alt)
        return TapeKey::UseResult;
    if (key == vk::Escape || key == vk::F6)
        return TapeKey::BackToOwner;
    if (key == vk::Delete && !mods.ctrl)
        return TapeKey::Delete;
    return TapeKey::None;
}
