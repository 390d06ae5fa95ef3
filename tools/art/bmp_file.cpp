#include "bmp_file.h"

#include <fstream>
#include <iterator>

namespace art {
namespace {

constexpr uint32_t FileHeaderSize = 14;
constexpr uint32_t InfoHeaderSize = 40;

void Put16(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

uint32_t Get16(const std::vector<uint8_t>& in, size_t at) {
    return in[at] | in[at + 1] << 8;
}
uint32_t Get32(const std::vector<uint8_t>& in, size_t at) {
    return Get16(in, at) | Get16(in, at + 2) << 16;
}

uint32_t RowBytes24(int32_t width) {
    return (static_cast<uint32_t>(width) * 3 + 3) & ~3u;
}

// The info header; an icon image states twice its height (colour rows and mask rows).
void PutInfoHeader(std::vector<uint8_t>& out, const Vantor::Picture& picture, int32_t heightFactor,
                   uint32_t bitCount, uint32_t imageBytes) {
    Put32(out, InfoHeaderSize);
    Put32(out, static_cast<uint32_t>(picture.width));
    Put32(out, static_cast<uint32_t>(picture.height * heightFactor));
    Put16(out, 1);
    Put16(out, bitCount);
    Put32(out, 0);  // no compression
    Put32(out, imageBytes);
    Put32(out, 3780);  // 96 dots per inch
    Put32(out, 3780);
    Put32(out, 0);
    Put32(out, 0);
}

std::vector<uint8_t> IconImage(const Vantor::Picture& picture) {
    const uint32_t maskRow = ((static_cast<uint32_t>(picture.width) + 31) / 32) * 4;
    const uint32_t colourBytes = static_cast<uint32_t>(picture.width * picture.height) * 4;
    const uint32_t maskBytes = maskRow * static_cast<uint32_t>(picture.height);
    std::vector<uint8_t> out;
    PutInfoHeader(out, picture, 2, 32, colourBytes + maskBytes);
    for (int32_t y = picture.height - 1; y >= 0; --y) {
        for (int32_t x = 0; x < picture.width; ++x) {
            Put32(out, picture.at(x, y));
        }
    }
    // The alpha channel decides; the mask marks fully transparent pixels for old systems.
    for (int32_t y = picture.height - 1; y >= 0; --y) {
        std::vector<uint8_t> row(maskRow, 0);
        for (int32_t x = 0; x < picture.width; ++x) {
            if (picture.at(x, y) >> 24 == 0) {
                row[static_cast<size_t>(x / 8)] |= static_cast<uint8_t>(0x80 >> (x % 8));
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

}  // namespace

std::vector<uint8_t> EncodeBmp24(const Vantor::Picture& picture) {
    const uint32_t rowBytes = RowBytes24(picture.width);
    const uint32_t imageBytes = rowBytes * static_cast<uint32_t>(picture.height);
    std::vector<uint8_t> out;
    Put16(out, 0x4D42);  // "BM"
    Put32(out, FileHeaderSize + InfoHeaderSize + imageBytes);
    Put32(out, 0);
    Put32(out, FileHeaderSize + InfoHeaderSize);
    PutInfoHeader(out, picture, 1, 24, imageBytes);
    for (int32_t y = picture.height - 1; y >= 0; --y) {  // bottom row first
        const size_t rowStart = out.size();
        for (int32_t x = 0; x < picture.width; ++x) {
            const uint32_t c = picture.at(x, y);
            out.push_back(static_cast<uint8_t>(Vantor::BlueOf(c)));
            out.push_back(static_cast<uint8_t>(Vantor::GreenOf(c)));
            out.push_back(static_cast<uint8_t>(Vantor::RedOf(c)));
        }
        out.resize(rowStart + rowBytes, 0);
    }
    return out;
}

std::optional<Vantor::Picture> DecodeBmp24(const std::vector<uint8_t>& bytes) {
    if (bytes.size() < FileHeaderSize + InfoHeaderSize || Get16(bytes, 0) != 0x4D42) {
        return std::nullopt;
    }
    const uint32_t offset = Get32(bytes, 10);
    const int32_t width = static_cast<int32_t>(Get32(bytes, 18));
    const int32_t height = static_cast<int32_t>(Get32(bytes, 22));
    if (Get16(bytes, 28) != 24 || Get32(bytes, 30) != 0 || width <= 0 || height <= 0 || width > 4096 ||
        height > 4096) {
        return std::nullopt;
    }
    const uint32_t rowBytes = RowBytes24(width);
    if (bytes.size() < offset + static_cast<size_t>(rowBytes) * height) {
        return std::nullopt;
    }
    Vantor::Picture picture(width, height);
    for (int32_t y = 0; y < height; ++y) {
        const size_t row = offset + static_cast<size_t>(rowBytes) * (height - 1 - y);
        for (int32_t x = 0; x < width; ++x) {
            const size_t at = row + static_cast<size_t>(x) * 3;
            picture.at(x, y) = Vantor::Rgb(bytes[at + 2], bytes[at + 1], bytes[at]);
        }
    }
    return picture;
}

std::vector<uint8_t> EncodeIcon(const std::vector<Vantor::Picture>& images) {
    std::vector<std::vector<uint8_t>> encoded;
    for (const auto& image : images) {
        encoded.push_back(IconImage(image));
    }
    std::vector<uint8_t> out;
    Put16(out, 0);
    Put16(out, 1);  // icon
    Put16(out, static_cast<uint32_t>(images.size()));
    uint32_t offset = 6 + 16 * static_cast<uint32_t>(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        out.push_back(static_cast<uint8_t>(images[i].width));  // 256 would be written as 0
        out.push_back(static_cast<uint8_t>(images[i].height));
        out.push_back(0);
        out.push_back(0);
        Put16(out, 1);
        Put16(out, 32);
        Put32(out, static_cast<uint32_t>(encoded[i].size()));
        Put32(out, offset);
        offset += static_cast<uint32_t>(encoded[i].size());
    }
    for (const auto& image : encoded) {
        out.insert(out.end(), image.begin(), image.end());
    }
    return out;
}

std::optional<std::vector<uint8_t>> ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

bool WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(out);
}

}  // namespace art
