#pragma once
// X errors are recorded instead of ending the program, so each caller decides what its error means.
#include <X11/Xlib.h>

#include <optional>

void RecordXErrors();
// The first error since the last call, if any; the caller syncs first so that all replies are in.
std::optional<XErrorEvent> TakeXError();
