#pragma once
// The host's pictures, drawn from a few shapes and colours so that they can be remade at any time.
#include <string>
#include <vector>

#include "button_state.h"
#include "picture.h"

namespace art {

// A 64 x 25 button skin: a rounded frame line one pixel in from the edge and rings inside it.
Vantor::Picture DrawSkin(Vantor::Skin skin);
// A 12 x 12 radio mark, selected or not.
Vantor::Picture DrawRadioMark(bool selected);
// The window icon at size x size pixels, alpha in the top byte.
Vantor::Picture DrawIcon(int size);

struct AssetFile {
    std::string name;
    std::vector<uint8_t> bytes;
};
// Every art file of assets/, by file name.
std::vector<AssetFile> AllAssets();

// The file name of each skin, in the order of the Skin values.
std::string SkinFileName(Vantor::Skin skin);
std::string RadioMarkFileName(bool selected);
inline constexpr char IconFileName[] = "quorrel.ico";

}  // namespace art
