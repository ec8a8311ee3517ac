#pragma once

// Whether the program has a window system to open its windows on. Qt aborts a program whose
// window system cannot be reached, so a windowed run asks first and says why it cannot start.
bool windowSystemReachable();
