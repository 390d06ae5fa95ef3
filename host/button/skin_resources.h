#pragma once
// Resource numbers of the six skin pictures, in the order of the Skin values.
#define kSkinResourceFirst 5101
