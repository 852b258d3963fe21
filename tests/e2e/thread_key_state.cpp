#include "thread_key_state.h"

#include "key_state_probe_protocol.h"
#include "probe_client.h"

#include <cstring>

namespace e2e {

namespace {

// One request answered inside the window's thread. With `write`, `table` goes in first.
std::optional<KeyStateTable> Probe(HWND window, const KeyStateTable* write)
{
    std::optional<KeyStateTable> result;
    AskProbe(
        window, write ? kKeyStateWrite : kKeyStateRead, kKeyStateSharedName, sizeof(KeyStateShared),
        [&](void* block) {
            if (write != nullptr)
                std::memcpy(static_cast<KeyStateShared*>(block)->table, write->data(), write->size());
        },
        [&](const void* block) {
            KeyStateTable table;
            std::memcpy(table.data(), static_cast<const KeyStateShared*>(block)->table, table.size());
            result = table;
        });
    return result;
}

}  // namespace

std::optional<KeyStateTable> ReadWindowThreadKeyState(HWND window)
{
    return Probe(window, nullptr);
}

bool SetWindowThreadKeyToggled(HWND window, BYTE vk, bool on)
{
    std::optional<KeyStateTable> table = Probe(window, nullptr);
    if (!table)
        return false;
    (*table)[vk] = on ? ((*table)[vk] | 1) : ((*table)[vk] & ~1);
    const std::optional<KeyStateTable> after = Probe(window, &*table);
    return after.has_value() && (((*after)[vk] & 1) != 0) == on;
}

}  // namespace e2e
