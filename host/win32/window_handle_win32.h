#pragma once
// A window as the host's logic holds it. Handles from the command line are 32-bit; widened to intptr_t
// they are sign-extended, as 64-bit Windows reads them.
#include <windows.h>

#include <cstdint>

inline HWND WindowOf(intptr_t window) {
    return reinterpret_cast<HWND>(window);
}
