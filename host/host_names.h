#pragma once
// The fixed texts of the host: window titles it looks for or carries, file names, settings keys, its message.

namespace Vantor_B {

inline constexpr char kRunFormTitle[] = "Vantor_Main";
inline constexpr char kSettingsDialogTitle[] = "<Quorrel>";
inline constexpr char kRendererWindowTitle[] = "Vantor_Render";
inline constexpr char kPreviewFormTitle[] = "Preview Window";

inline constexpr char kRendererFileName[] = "\\Quorrel.dll";
inline constexpr char kSettingsFileName[] = "\\Quorrel.ini";
inline constexpr char kHomePageFileName[] = "\\Quorrel.html";

inline constexpr char kSettingsSection[] = "Section";
inline constexpr char kKeyBgmKind[] = "BGM区分";
inline constexpr char kKeyBgmRepeatTrack[] = "BGMﾘﾋﾟｰﾄ";
inline constexpr char kKeyBgmFile[] = "BGMﾌｧｲﾙ";

inline constexpr char kAppTitle[] = "Quorrel (ScreenSaver)";
inline constexpr char kMissingRendererMessage[] = "Quorrel.dllが同じﾌｫﾙﾀﾞに見つかりません！";

}  // namespace Vantor_B
