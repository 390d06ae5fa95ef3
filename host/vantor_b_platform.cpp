#include <cstdio>
#include <cstdlib>

#include "installed.h"
#include "vantor_b.h"

namespace Vantor_B {
namespace {

Installed<HostPlatform> installedPlatform("the host platform");

}  // namespace

void NothingInstalled(const char* what) {
    std::fprintf(stderr, "Quorrel: %s used before the program installed it\n", what);
    std::abort();
}

void UsePlatform(HostPlatform& platform) {
    installedPlatform.Use(platform);
}

HostPlatform& Platform() {
    return installedPlatform.Get();
}

}  // namespace Vantor_B
