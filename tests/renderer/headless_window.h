#pragma once
// The window operations for a build without a window system: nothing is shown, and PresentFrame ends
// the run after a planned number of frames.
#include <cstdint>
#include <string>

#include "frame.h"

struct HeadlessWindowPlan {
    bool registrationFails = false;
    int framesToShow = 1;
    // Called with each frame handed to PresentFrame, numbered from 0; may be empty.
    void (*frameShown)(const PaletteEntry* frame, int index) = nullptr;
};

struct HeadlessWindowLog {
    int windowsCreated = 0;
    std::string className;
    int32_t width = 0;
    int32_t height = 0;
    int framesShown = 0;
};

// Sets the plan for the next run and forgets the log of the previous one.
void PlanHeadlessWindow(const HeadlessWindowPlan& plan);
const HeadlessWindowLog& HeadlessWindowRecord();
