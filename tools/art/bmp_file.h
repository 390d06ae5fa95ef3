#pragma once
// Uncompressed Windows bitmap files: 24-bit pictures in and out, and icon files holding 32-bit images.
#include <optional>
#include <string>
#include <vector>

#include "picture.h"

namespace art {

std::vector<uint8_t> EncodeBmp24(const Vantor::Picture& picture);
// Nothing when the bytes are no uncompressed 24-bit bitmap.
std::optional<Vantor::Picture> DecodeBmp24(const std::vector<uint8_t>& bytes);

// One icon file with one 32-bit image (alpha in the top byte of each pixel) per picture.
std::vector<uint8_t> EncodeIcon(const std::vector<Vantor::Picture>& images);

std::optional<std::vector<uint8_t>> ReadFileBytes(const std::string& path);
bool WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);

}  // namespace art
