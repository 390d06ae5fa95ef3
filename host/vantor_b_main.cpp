#include "argument_text.h"
#include "host_names.h"
#include "host_platform.h"
#include "vantor_b.h"
#include "vantor_r.h"

namespace Vantor_B {

Start Main() {
    HostPlatform& platform = Platform();
    // Both look-ups are made: either a run or the settings dialog of another host is reason enough.
    const bool runAlive = platform.TopLevelWindowExists(kRunFormTitle);
    const bool dialogAlive = platform.TopLevelWindowExists(kSettingsDialogTitle);
    if (runAlive || dialogAlive) {
        platform.EndProcess();
        return {};
    }

    if (ModeLetter(platform.ArgumentText()) == "P") {
        const std::optional<Vantor_R::Placement> preview = Vantor_R::Place();
        if (!preview) {
            return {};
        }
        return {StartForm::Preview, *preview};
    }

    LoadSettings();
    if (!FileExists(platform.HostFolder() + kRendererFileName)) {
        platform.ShowMessage(kMissingRendererMessage, kAppTitle);
        platform.EndProcess();
        return {};
    }

    if (ModeLetter(platform.ArgumentText()) == "C") {
        return {StartForm::SettingsDialog, {}};
    }

    if (!platform.ArgumentText().empty() && ModeLetter(platform.ArgumentText()) != "S") {
        platform.EndProcess();
        return {};
    }

    if (ModeLetter(platform.ArgumentText()) == "S") {
        CursorCount = platform.ShowCursor(false);
    }
    return {StartForm::RunForm, {}};
}

}  // namespace Vantor_B
