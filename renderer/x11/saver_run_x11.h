#pragma once
// One run of quorrel, in the shape of the daemons' own programs: started on the window the options
// name, a frame drawn, an event reacted to, freed. main owns the run; the frame loop reaches it through
// render_window_x11.h.
#include <X11/Xlib.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "frame.h"
#include "frame_changes.h"
#include "frame_image_x11.h"
#include "frame_rate_x11.h"
#include "frame_stretch.h"
#include "frame_wait.h"
#include "saver_options.h"
#include "server_scale_x11.h"
#include "target_window_x11.h"

// Set (to anything): every frame goes to the window whole, as if all of it could have changed. Meant for
// the bench, which compares the two.
inline constexpr char kWholeFramesVariable[] = "QUORREL_WHOLE_FRAMES";

struct SaverRun {
    TargetWindow target;
    // The server scales the frame when it can; otherwise the image takes the frame stretched here.
    ServerScale serverScale;
    bool serverScales = false;
    FrameImage image;
    FrameStretch stretch;
    // The frame in the window's pixel format, before the stretch.
    std::vector<uint32_t> windowPixels = std::vector<uint32_t>(kFramePixels);
    GC frameGc = nullptr;
    GC textGc = nullptr;
    bool showFps = false;
    FrameRate frameRate;
    // Only the parts of a frame that can differ from the one before go to the window, unless it may have
    // lost or spoiled what it shows.
    FrameChanges changes;
    bool wholeFrameDue = true;
    bool wholeFramesOnly = false;
    std::vector<PixelArea> windowAreas;
    FrameClock::duration frameDelay{};
    FrameClock::time_point frameDue{};
    // Set once the run is over: the program's exit status.
    std::optional<int> end;
};

// Opens the display and the window the options name, with the server scaling the frame where it offers
// that unless ownStretch, and shows the window black. An empty result means success (run.end may then
// be set already: the window went meanwhile), otherwise the reason.
std::string StartSaver(SaverRun& run, const SaverOptions& options, bool ownStretch);
// Queues what can have changed of the frame for the window and waits until the server has taken it.
void DrawSaverFrame(SaverRun& run, const PaletteEntry* frame);
// Reacts to an event of the window's: a new size, lost contents, its end, a key or a close request.
void HandleSaverEvent(SaverRun& run, XEvent& event);
// Lets go of the image and the display; the program's exit status.
int FreeSaver(SaverRun& run);
