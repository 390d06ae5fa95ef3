#pragma once
#include <gtest/gtest.h>

#include "recording_platform.h"
#include "vantor_b.h"
#include "vantor_bgm.h"

using Calls = std::vector<std::string>;

// Each test, and each row of a table, starts from the module as at process start, so that no row passes
// on what the row before left in a reply buffer.
class BgmTest : public testing::Test {
  protected:
    void SetUp() override {
        Vantor_BGM::UseSoundPlatform(platform);
        Vantor_B::BgmRepeatTrack = 0;
        Vantor_B::BgmFile.clear();
        Fresh();
    }
    // The module, the log and LastApiResult as at start; the platform's answers stay.
    void Fresh() {
        ResetMusicModule();
        platform.calls.clear();
        Vantor_B::LastApiResult = 12345;
    }
    RecordingPlatform platform;
};
