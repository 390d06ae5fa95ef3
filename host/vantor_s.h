#pragma once
// Form Vantor_S: a screen-saver run. Starts the music and the renderer, keeps the music going and ends
// the host when the renderer's window has gone.
#include <cstdint>
#include <string>

#include "form_timer.h"
#include "host_platform.h"

namespace Vantor_S {

inline constexpr int kTimer1 = 1;  // MP3 repeat
inline constexpr int kTimer2 = 2;  // CD poll
inline constexpr int kTimer3 = 3;  // renderer watch
inline constexpr uint32_t kMp3RepeatMs = 1000;
inline constexpr uint32_t kCdPollMs = 200;
inline constexpr uint32_t kRendererWatchMs = 50;

// The last three characters of a music path, upper-cased: "WAV" and "MP3" play.
std::string FileKind(const std::string& path);

class RunForm {
  public:
    // Loading the form starts the renderer watch (Timer3), ticked by the form's window; Form_Load
    // follows. The music is module Vantor_BGM's, over its own platform.
    RunForm(Vantor_B::HostPlatform& platform, intptr_t window);

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
};

}  // namespace Vantor_S
