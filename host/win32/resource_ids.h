#pragma once
// Resources built into Quorrel.scr.
#define kPreviewPictureId 101
