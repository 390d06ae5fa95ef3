#include "vantor_b.h"

namespace Vantor_B {
namespace {

HostPlatform* installedPlatform = nullptr;
HostForms* installedForms = nullptr;

}  // namespace

void UsePlatform(HostPlatform& platform) {
    installedPlatform = &platform;
}

HostPlatform& Platform() {
    return *installedPlatform;
}

void UseForms(HostForms& forms) {
    installedForms = &forms;
}

HostForms& Forms() {
    return *installedForms;
}

}  // namespace Vantor_B
