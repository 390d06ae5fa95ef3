#pragma once
// The run form's music: the operations of module Vantor_BGM.
#include "vantor_bgm.h"
#include "vantor_s.h"

class BgmMusic : public Vantor_S::Music {
  public:
    void CdOpen() override { Vantor_BGM::CdOpen(); }
    void CdPoll() override { Vantor_BGM::CdPoll(); }
    bool CdPollActive() override { return Vantor_BGM::CdPollActive != 0; }
    void CdClose() override { Vantor_BGM::CdClose(); }
    void Mp3Open() override { Vantor_BGM::Mp3Open(); }
    void Mp3Poll() override { Vantor_BGM::Mp3Poll(); }
    void Mp3Close() override { Vantor_BGM::Mp3Close(); }
    void WavPlay() override { Vantor_BGM::WavPlay(); }
    void WavStop() override { Vantor_BGM::WavStop(); }
};
