#pragma once

// What a window's run returns when it ends: closed for good, or to be created again from the
// other template (the other font). A run that creates no window returns 0, or -1 when the
// window could not be created. Window-free: the engine ends its window with these too.
constexpr int kEndClosed = 2;
constexpr int kEndRecreate = -2;
