#pragma once
// The visual the own window is made with, as -visual names it: "default", "best" (the deepest
// TrueColor), a class name (the deepest visual of that class) or a visual id. quorrel draws on TrueColor
// only, so a visual of another class counts as not offered.
#include <X11/Xlib.h>

#include <string>

struct ChosenVisual {
    Visual* visual = nullptr;
    int depth = 0;
    // Empty, or the one line the daemons' programs print when the named visual is not there and the
    // default is taken instead.
    std::string warning;
};

ChosenVisual ChooseVisual(Display* display, int screen, const std::string& name);
