#pragma once
// Window handles on the command line are 32-bit; on 64-bit Windows they are sign-extended.
#include <windows.h>

#include <cstdint>

inline HWND WindowOfHandle(int32_t handle) {
    return reinterpret_cast<HWND>(static_cast<intptr_t>(handle));
}
