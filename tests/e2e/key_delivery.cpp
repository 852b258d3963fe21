#include "key_delivery.h"

#include "input_watch.h"
#include "keyboard_input.h"

#include <string>
#include <vector>

namespace e2e {

testing::AssertionResult PressChordAndWait(HWND window, std::initializer_list<WORD> modifiers, WORD vk)
{
    if (!BringToForeground(window))
        return testing::AssertionFailure() << "the window did not come to the front";
    InputWatch watch(window);
    if (!watch.Ready())
        return testing::AssertionFailure() << "no input watch: " << watch.Error();
    std::vector<WORD> keys(modifiers);
    keys.push_back(vk);
    if (!PressChord(modifiers, vk))
        return testing::AssertionFailure() << "SendInput refused the keys";
    return watch.WaitUntilHandled(
        [&] {
            for (WORD key : keys)
                if (watch.KeyReleases(key) == 0)
                    return false;
            return true;
        },
        "the release of key " + std::to_string(vk));
}

testing::AssertionResult PressKeyAndWait(HWND window, WORD vk)
{
    return PressChordAndWait(window, {}, vk);
}

}  // namespace e2e
