#pragma once
// Installs a fresh fake platform and zeroes the host's globals, as at process start.
#include <gtest/gtest.h>

#include "fake_host_platform.h"
#include "vantor_b.h"

namespace host_test {

class HostTest : public ::testing::Test {
  protected:
    HostTest() {
        Vantor_B::UsePlatform(platform);
        Vantor_B::BgmKind = 0;
        Vantor_B::BgmRepeatTrack = 0;
        Vantor_B::BgmFile.clear();
        Vantor_B::CursorCount = 0;
        Vantor_B::LastApiResult = 0;
    }

    // The settings file of the fake host folder.
    void Store(const std::string& key, const std::string& value) {
        platform.profile["Section|" + key + "|C:\\Saver\\Quorrel.ini"] = value;
    }

    FakeHostPlatform platform;
};

}  // namespace host_test
