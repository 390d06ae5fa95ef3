#pragma once
// Form Vantor_S: a screen-saver run. Starts the music and the renderer, keeps the music going and ends
// the host when the renderer's window has gone.
#include <string>

#include "form_timer.h"
#include "host_platform.h"

namespace Vantor_S {

// The music module's operations, as the run form calls them.
struct Music {
    virtual ~Music() = default;
    virtual void CdOpen() = 0;
    virtual void CdPoll() = 0;
    virtual bool CdPollActive() = 0;
    virtual void CdClose() = 0;
    virtual void Mp3Open() = 0;
    virtual void Mp3Poll() = 0;
    virtual void Mp3Close() = 0;
    virtual void WavPlay() = 0;
    virtual void WavStop() = 0;
};

inline constexpr int kTimer1 = 1;  // MP3 repeat, 1000 ms
inline constexpr int kTimer2 = 2;  // CD poll, 200 ms
inline constexpr int kTimer3 = 3;  // renderer watch, 50 ms

// The last three characters of a music path, upper-cased: "WAV" and "MP3" play.
std::string FileKind(const std::string& path);

class RunForm {
  public:
    // Loading the form starts the renderer watch (Timer3); Form_Load follows.
    RunForm(Vantor_B::HostPlatform& platform, Music& music, Vantor_B::TimerPort& timers);

    void Form_Load();
    // Any request to unload the form (the renderer gone, a close message, the session ending).
    void Form_QueryUnload();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    // Routes a tick of the form's window to the handler of that timer.
    void Tick(int timerId);

    Vantor_B::FormTimer Timer1;
    Vantor_B::FormTimer Timer2;
    Vantor_B::FormTimer Timer3;

  private:
    Vantor_B::HostPlatform& platform_;
    Music& music_;
};

}  // namespace Vantor_S
