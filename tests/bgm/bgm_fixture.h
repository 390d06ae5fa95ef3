#pragma once
#include <gtest/gtest.h>

#include "recording_platform.h"
#include "vantor_b.h"
#include "vantor_bgm.h"

using Calls = std::vector<std::string>;

class BgmTest : public testing::Test {
  protected:
    void SetUp() override {
        Vantor_BGM::UseSoundPlatform(platform);
        Vantor_B::BgmRepeatTrack = 0;
        Vantor_B::BgmFile.clear();
        Vantor_B::LastApiResult = 12345;
    }
    RecordingPlatform platform;
};
