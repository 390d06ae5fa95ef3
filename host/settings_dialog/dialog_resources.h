#pragma once
// Resource numbers of the settings dialog's pictures.
#define kRadioMarkFirst 5201  // + Mark: unselected, selected
