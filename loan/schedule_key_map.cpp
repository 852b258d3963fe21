#include "schedule_key_map.h"

ScheduleKey ScheduleKeyFor(int key, Modifiers mods, bool boxTextSelected)
{
    if (key == 'C' && mods.ctrl && !boxTextSelected)
        return ScheduleKey::CopyTable;
    return ScheduleKey::None;
}
