#pragma once
// The 640 x 480 frame, its pixels already in the window's format, stretched to any window size,
// nearest neighbour as the X server's RENDER scales it, so both ways show the same picture: each window
// pixel shows the frame pixel under its centre, the centre mapped by FrameStep in 16.16 fixed point.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "frame.h"
#include "frame_changes.h"

// The distance from one window pixel to the next, in frame pixels, in 16.16 fixed point cut toward zero:
// the scale the server is given, and the one the own stretch maps with.
int32_t FrameStep(int32_t frameSize, int32_t windowSize);

class FrameStretch {
  public:
    // Works out which frame column and row each window column and row shows; only on a size change.
    void Resize(int32_t width, int32_t height);
    int32_t Width() const { return static_cast<int32_t>(sourceColumns_.size()); }
    int32_t Height() const { return static_cast<int32_t>(sourceRows_.size()); }
    // Writes Width() x Height() pixels of bytesPerPixel bytes (1 to 4, least significant first),
    // rows stride bytes apart, from kFramePixels pixel values.
    void Draw(const uint32_t* pixels, int bytesPerPixel, uint8_t* out, size_t stride) const;
    // Only an area of the window, into the same places of out.
    void DrawArea(const uint32_t* pixels, int bytesPerPixel, uint8_t* out, size_t stride,
                  const PixelArea& area) const;

  private:
    template <int kBytes>
    void DrawRows(const uint32_t* pixels, uint8_t* out, size_t stride, const PixelArea& area) const;

    std::vector<int32_t> sourceColumns_;
    std::vector<int32_t> sourceRows_;
};
