#pragma once
// The settings dialog's entry for the start routine.

// Shows "<Quorrel>" modally with no owner, on the settings already loaded into Vantor_B, and returns when
// it has closed.
void ShowSettingsDialog();
