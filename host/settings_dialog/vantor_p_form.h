#pragma once
// The settings dialog `Vantor_P`: the user picks the background music and stores the choice. This is the
// form's behaviour; its window, controls and system calls come through the seam below, the settings file
// and the zoom through module Vantor_B.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "command.h"

namespace Vantor_P {

// Pictures of `Img_Ra`: the index is the picture.
enum class Mark { Unselected = 0, Selected = 1 };
// The screen-wide mouse pointer.
enum class MousePointer { Default = 0, Hourglass = 11 };

inline constexpr char FileFilterDescription[] = "BGMﾌｧｲﾙ (MP3 WAV)";
inline constexpr char FileFilterPattern[] = "*.MP3;*.WAV";
inline constexpr char FileDialogTitle[] = "ﾌｧｲﾙを開く";
// Characters of the open-file dialog's answer: as long a path as the system allows.
inline constexpr uint32_t FileBufferCapacity = 32768;
// Bytes of the longest music path the settings file gives back whole.
inline constexpr size_t StoredPathLimit = 254;
// Follows the settings file's path when "設定" could not store the choice.
inline constexpr char StoreFailedMessage[] = "に設定を保存できません！";
// Follow the chosen file's name when "..." cannot take it: it names no file; its name holds characters
// the system code page cannot write and the drive gives it no short name; its path, as stored, is longer
// than the settings file keeps.
inline constexpr char FileMissingMessage[] = "が見つかりません！";
inline constexpr char FileNoShortNameMessage[] =
    "は設定できません！名前にｼｽﾃﾑのｺｰﾄﾞﾍﾟｰｼﾞで書けない文字があり、ﾄﾞﾗｲﾌﾞに短い名前(8.3形式)もありません";
inline constexpr char FileTooLongMessage[] = "はﾊﾟｽが長すぎます！(半角254文字まで)";

// The form's window, its controls and what it asks of the system over that window, as the behaviour
// drives them. Implemented by the dialog's window (vantor_p_win32.cpp), faked by tests/settings_dialog's
// FakeControls.
class DialogControls {
  public:
    virtual ~DialogControls() = default;
    virtual intptr_t WindowHandle() = 0;
    // Twips.
    virtual double ScreenWidth() = 0;
    virtual double ScreenHeight() = 0;
    virtual double DialogWidth() = 0;
    virtual double DialogHeight() = 0;
    virtual void Move(int64_t left, int64_t top) = 0;
    // `Img_BGM`(index) shows `Img_Ra`(mark).
    virtual void ShowMark(int index, Mark mark) = 0;
    // `BGM_Repeat`.
    virtual void EnableRepeat(bool enabled) = 0;
    virtual void SetRepeatText(const std::string& text) = 0;
    virtual void AddRepeatItem(const std::string& text) = 0;
    virtual std::string RepeatText() = 0;
    // `lbl_Fname`.
    virtual void SetFileCaption(const std::string& text) = 0;
    // Closes the form, which runs Form_Unload.
    virtual void Unload() = 0;

    // False when the position cannot be read; the point is then left as it was.
    virtual bool GetCursorPos(int32_t& x, int32_t& y) = 0;
    // The chosen file's full path as the system names it, nothing when the user cancelled.
    virtual std::optional<std::string> ChooseFile(const std::string& filterDescription,
                                                  const std::string& filterPattern, const std::string& title,
                                                  uint32_t capacity) = 0;
    // Bytes of the text in the system code page.
    virtual size_t CodePageLength(const std::string& text) = 0;
    virtual void OpenAddress(const std::string& address) = 0;
    virtual void SetMousePointer(MousePointer pointer) = 0;
    // A message box over the dialog, OK button only, no icon; returns when it has been closed.
    virtual void ShowMessage(const std::string& text, const std::string& title) = 0;
};

// The three settings the dialog edits in place.
struct Settings {
    int16_t& bgmKind;
    int16_t& bgmRepeatTrack;
    std::string& bgmFile;
};

struct Buttons {
    Vantor::Command& Cmd_BGM;
    Vantor::Command& Cmd_Set;
    Vantor::Command& Cmd_Can;
    Vantor::Command& Cmd_Etc;
};

class Form {
  public:
    // Connects the buttons' Click events to the handlers below.
    Form(DialogControls& controls, Settings settings, Buttons buttons, std::string homePage);

    void Form_Load();
    void Img_BGM_MouseDown(int index, int button, int shift, float x, float y);
    void lbl_BGM_MouseDown(int index, int button, int shift, float x, float y);
    void Cmd_BGM_Click();
    void Cmd_Set_Click();
    void Cmd_Can_Click();
    void Cmd_Etc_Click();
    void Form_Unload();

  private:
    void SelectKind(int index);
    void ApplyKind();
    bool StoreSettings();
    std::optional<std::string> StoredForm(const std::string& file);
    std::nullopt_t Refused(const std::string& file, const char* reason);

    DialogControls& controls_;
    Settings settings_;
    Buttons buttons_;
    std::string homePage_;
};

}  // namespace Vantor_P
