#include "headless_window.h"

#include "render_window.h"

namespace {
HeadlessWindowPlan plan;
HeadlessWindowLog record;
}  // namespace

void PlanHeadlessWindow(const HeadlessWindowPlan& newPlan) {
    plan = newPlan;
    record = {};
}

const HeadlessWindowLog& HeadlessWindowRecord() {
    return record;
}

int CreateRenderWindow(const char* className, int32_t width, int32_t height) {
    if (plan.registrationFails) {
        return 0;
    }
    ++record.windowsCreated;
    record.className = className;
    record.width = width;
    record.height = height;
    return 1;
}

int PresentFrame(const PaletteEntry* frame) {
    if (plan.frameShown) {
        plan.frameShown(frame, record.framesShown);
    }
    return ++record.framesShown < plan.framesToShow ? 1 : 0;
}
