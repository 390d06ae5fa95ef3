#pragma once
// Writing a frame to disk and rendering the frame a request asks for.
#include <string>

#include "frame.h"
#include "frame_arguments.h"

// Draws the requested frame into FrameBuffer, with the clock pinned to the requested time.
void RenderRequestedFrame(const FrameRequest& request);

// The 640 x 480 frame as 8-bit RGB PNG or as its raw bytes; an empty result means success, otherwise
// the reason. A failure leaves a file at the path as it was.
std::string WriteFrame(const PaletteEntry* frame, const std::string& path, FrameFormat format);
