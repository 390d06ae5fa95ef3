#pragma once
// For the libraries preloaded into quorrel by the tests: the function a preloaded one stands in front of.
#include <dlfcn.h>

template <typename Function>
Function* Next(const char* name) {
    return reinterpret_cast<Function*>(dlsym(RTLD_NEXT, name));
}
