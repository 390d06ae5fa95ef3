#pragma once
// Window ids of the settings dialog's child controls; tests outside the program find them by these.

namespace Vantor_P {

enum ChildId { RepeatId = 100, CmdBgmId, CmdSetId, CmdCanId, CmdEtcId };

}  // namespace Vantor_P
