#include "vantor_p_form.h"

#include "host_names.h"
#include "host_platform.h"
#include "placement.h"
#include "repeat_track.h"
#include "vantor_b.h"
#include "vantor_b_zoom.h"

namespace Vantor_P {
namespace {

// IniWrite of one key into the settings file; false when it could not be written.
bool StoreKey(const char* key, const std::string& value) {
    Vantor_B::IniWrite(Vantor_B::kSettingsSection, key, value, Vantor_B::SettingsPath());
    return Vantor_B::LastApiResult != 0;
}

}  // namespace

Form::Form(DialogControls& controls, Settings settings, Buttons buttons, std::string homePage)
    : controls_(controls), settings_(settings), buttons_(buttons), homePage_(std::move(homePage)) {
    buttons_.Cmd_BGM.Click = [this] { Cmd_BGM_Click(); };
    buttons_.Cmd_Set.Click = [this] { Cmd_Set_Click(); };
    buttons_.Cmd_Can.Click = [this] { Cmd_Can_Click(); };
    buttons_.Cmd_Etc.Click = [this] { Cmd_Etc_Click(); };
}

void Form::Form_Load() {
    const TwipPoint position = DialogPosition(controls_.ScreenWidth(), controls_.ScreenHeight(),
                                              controls_.DialogWidth(), controls_.DialogHeight());
    controls_.Move(position.left, position.top);
    for (Vantor::Command* button :
         {&buttons_.Cmd_Etc, &buttons_.Cmd_Set, &buttons_.Cmd_Can, &buttons_.Cmd_BGM}) {
        button->Initialize();
    }
    ApplyKind();
    controls_.SetRepeatText(FormatTrack(settings_.bgmRepeatTrack));
    for (const std::string& item : TrackList()) {
        controls_.AddRepeatItem(item);
    }
    controls_.SetFileCaption(Vantor_B::Platform().LongPath(settings_.bgmFile));
    int32_t x = 0;
    int32_t y = 0;
    controls_.GetCursorPos(x, y);  // a failed query leaves the anchor at the screen's top-left corner
    Vantor_B::ZoomAnchor = {static_cast<int16_t>(x), static_cast<int16_t>(y)};
    Vantor_B::ZoomOpen(controls_.WindowHandle());
    controls_.SetMousePointer(MousePointer::Default);
}

void Form::Img_BGM_MouseDown(int index, int, int, float, float) {
    SelectKind(index);
}

void Form::lbl_BGM_MouseDown(int index, int, int, float, float) {
    SelectKind(index);
}

void Form::SelectKind(int index) {
    settings_.bgmKind = static_cast<int16_t>(index);
    ApplyKind();
}

// Marks and enabling follow the kind; a kind outside 0 to 2 selects no mark and enables nothing.
void Form::ApplyKind() {
    buttons_.Cmd_BGM.SetEnabled(false);
    controls_.EnableRepeat(false);
    for (int index = 0; index < Vantor_B::kBgmKindCount; ++index) {
        controls_.ShowMark(index, Mark::Unselected);
    }
    if (settings_.bgmKind >= 0 && settings_.bgmKind < Vantor_B::kBgmKindCount) {
        controls_.ShowMark(settings_.bgmKind, Mark::Selected);
    }
    if (settings_.bgmKind == Vantor_B::kBgmCd) {
        controls_.EnableRepeat(true);
    }
    if (settings_.bgmKind == Vantor_B::kBgmFile) {
        buttons_.Cmd_BGM.SetEnabled(true);
    }
}

void Form::Cmd_BGM_Click() {
    const std::optional<std::string> file =
        controls_.ChooseFile(FileFilterDescription, FileFilterPattern, FileDialogTitle, FileBufferCapacity);
    if (!file) {
        return;
    }
    if (const std::optional<std::string> stored = StoredForm(*file)) {
        settings_.bgmFile = *stored;
        controls_.SetFileCaption(*file);
    }
}

// The settings file holds code-page text: a name the code page cannot write is stored by its short form.
// A file that cannot be stored whole is refused with the reason, and the choice stays as it was: taken,
// it would show as chosen and then never play.
std::optional<std::string> Form::StoredForm(const std::string& file) {
    if (!Vantor_B::FileExists(file)) {
        return Refused(file, FileMissingMessage);
    }
    const std::optional<std::string> stored = Vantor_B::Platform().CodePagePath(file);
    if (!stored) {
        return Refused(file, FileNoShortNameMessage);
    }
    if (controls_.CodePageLength(*stored) > StoredPathLimit) {
        return Refused(file, FileTooLongMessage);
    }
    return stored;
}

std::nullopt_t Form::Refused(const std::string& file, const char* reason) {
    controls_.ShowMessage(file + reason, Vantor_B::kAppTitle);
    return std::nullopt;
}

void Form::Cmd_Set_Click() {
    if (StoreSettings()) {
        controls_.Unload();
        return;
    }
    // The dialog stays open with the choice, so nothing is lost and the user may try again.
    controls_.ShowMessage(Vantor_B::SettingsPath() + StoreFailedMessage, Vantor_B::kAppTitle);
}

// Writes the three keys in order and stops at the first that cannot be written: the next would only fail
// the same way, or store half a choice.
bool Form::StoreSettings() {
    if (!StoreKey(Vantor_B::kKeyBgmKind, std::to_string(settings_.bgmKind))) {
        return false;
    }
    settings_.bgmRepeatTrack = TrackFromText(controls_.RepeatText());
    return StoreKey(Vantor_B::kKeyBgmRepeatTrack, std::to_string(settings_.bgmRepeatTrack)) &&
           StoreKey(Vantor_B::kKeyBgmFile, settings_.bgmFile);
}

void Form::Cmd_Can_Click() {
    controls_.Unload();
}

void Form::Cmd_Etc_Click() {
    controls_.SetMousePointer(MousePointer::Hourglass);
    controls_.OpenAddress(homePage_);
    controls_.SetMousePointer(MousePointer::Default);
}

void Form::Form_Unload() {
    Vantor_B::ZoomClose(controls_.WindowHandle());
}

}  // namespace Vantor_P
