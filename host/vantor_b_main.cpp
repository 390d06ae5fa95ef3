#include "argument_text.h"
#include "host_forms.h"
#include "host_names.h"
#include "host_platform.h"
#include "vantor_b.h"
#include "vantor_r.h"

namespace Vantor_B {

void Main() {
    HostPlatform& platform = Platform();
    // Both look-ups are made: either a run or the settings dialog of another host is reason enough.
    const bool runAlive = platform.TopLevelWindowExists(kRunFormTitle);
    const bool dialogAlive = platform.TopLevelWindowExists(kSettingsDialogTitle);
    if (runAlive || dialogAlive) {
        platform.EndProcess();
        return;
    }

    if (ModeLetter(platform.ArgumentText()) == "P") {
        Vantor_R::Open();
        return;
    }

    LoadSettings();
    if (!FileExists(platform.HostFolder() + kRendererFileName)) {
        platform.ShowMessage(kMissingRendererMessage, kAppTitle);
        platform.EndProcess();
        return;
    }

    if (ModeLetter(platform.ArgumentText()) == "C") {
        Forms().ShowSettingsDialog();
        platform.EndProcess();
        return;
    }

    if (!platform.ArgumentText().empty() && ModeLetter(platform.ArgumentText()) != "S") {
        platform.EndProcess();
        return;
    }

    if (ModeLetter(platform.ArgumentText()) == "S") {
        CursorCount = platform.ShowCursor(false);
    }
    Forms().LoadRunForm();
}

}  // namespace Vantor_B
