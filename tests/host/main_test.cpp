#include <vector>

#include "host_fixture.h"
#include "installed.h"

namespace host_test {
namespace {

const std::string kGuard[] = {"FindWindow Vantor_Main", "FindWindow <Quorrel>"};
const std::string kRendererTest = "Open C:\\Saver\\Quorrel.dll";
const std::string kMissingRenderer =
    "MessageBox Quorrel (ScreenSaver): Quorrel.dllが同じﾌｫﾙﾀﾞに見つかりません！";

std::vector<std::string> Guarded(std::vector<std::string> rest) {
    rest.insert(rest.begin(), std::begin(kGuard), std::end(kGuard));
    return rest;
}

// The form Main leaves to its caller, as a line.
std::string Opened(const Vantor_B::Start& start) {
    switch (start.form) {
        case Vantor_B::StartForm::Preview:
            return "Preview " + std::to_string(start.preview.parent) + " " +
                   std::to_string(start.preview.size.width) + "x" + std::to_string(start.preview.size.height);
        case Vantor_B::StartForm::SettingsDialog:
            return "SettingsDialog";
        case Vantor_B::StartForm::RunForm:
            return "RunForm";
        case Vantor_B::StartForm::None:
            break;
    }
    return "";
}

struct SwitchCase {
    const char* arguments;
    bool rendererPresent;
    bool settingsLoaded;
    std::vector<std::string> calls;
    const char* opened;
};

class MainTest : public HostTest {
  protected:
    MainTest() {
        platform.windowHandles = {520};
        platform.parentRect = {100, 200, 252, 312};
        Store("BGM区分", "1");
    }
};

TEST_F(MainTest, SwitchTable) {
    const SwitchCase cases[] = {
        {"/p 520", true, false, Guarded({}), "Preview 520 152x112"},
        {"-P 520", true, false, Guarded({}), "Preview 520 152x112"},
        {"/p 520", false, false, Guarded({}), "Preview 520 152x112"},
        {"/c", true, true, Guarded({kRendererTest}), "SettingsDialog"},
        {"/c:520", true, true, Guarded({kRendererTest}), "SettingsDialog"},
        {"/s", true, true, Guarded({kRendererTest, "ShowCursor FALSE"}), "RunForm"},
        {"/S", true, true, Guarded({kRendererTest, "ShowCursor FALSE"}), "RunForm"},
        {"/sx", true, true, Guarded({kRendererTest, "ShowCursor FALSE"}), "RunForm"},
        {"", true, true, Guarded({kRendererTest}), "RunForm"},
        {"/a", true, true, Guarded({kRendererTest, "EndProcess"}), ""},
        {"/x", true, true, Guarded({kRendererTest, "EndProcess"}), ""},
        {"s", true, true, Guarded({kRendererTest, "EndProcess"}), ""},
        {"/s", false, true, Guarded({kRendererTest, kMissingRenderer, "EndProcess"}), ""},
        {"/c", false, true, Guarded({kRendererTest, kMissingRenderer, "EndProcess"}), ""},
        {"", false, true, Guarded({kRendererTest, kMissingRenderer, "EndProcess"}), ""},
        {"/a", false, true, Guarded({kRendererTest, kMissingRenderer, "EndProcess"}), ""},
    };
    for (const SwitchCase& c : cases) {
        platform.calls.clear();
        platform.argumentText = c.arguments;
        platform.readableFiles.clear();
        if (c.rendererPresent) {
            platform.readableFiles.insert("C:\\Saver\\Quorrel.dll");
        }
        Vantor_B::BgmKind = 0;
        const Vantor_B::Start start = Vantor_B::Main();
        EXPECT_EQ(platform.calls, c.calls) << '"' << c.arguments << "\" renderer " << c.rendererPresent;
        EXPECT_EQ(Opened(start), c.opened) << '"' << c.arguments << "\" renderer " << c.rendererPresent;
        EXPECT_EQ(Vantor_B::BgmKind, c.settingsLoaded ? 1 : 0) << '"' << c.arguments << '"';
    }
}

TEST_F(MainTest, HiddenCursorCountIsKept) {
    platform.argumentText = "/s";
    platform.readableFiles = {"C:\\Saver\\Quorrel.dll"};
    platform.cursorCount = 3;
    Vantor_B::Main();
    EXPECT_EQ(Vantor_B::CursorCount, 2);
}

TEST_F(MainTest, AnotherHostAliveEndsEveryMode) {
    for (const char* marker : {"Vantor_Main", "<Quorrel>"}) {
        for (const char* arguments : {"/p 520", "/c", "/s", "", "/a"}) {
            platform.calls.clear();
            platform.windows = {marker};
            platform.argumentText = arguments;
            platform.readableFiles = {"C:\\Saver\\Quorrel.dll"};
            EXPECT_EQ(Opened(Vantor_B::Main()), "") << marker << " \"" << arguments << '"';
            EXPECT_EQ(platform.calls, Guarded({"EndProcess"})) << marker << " \"" << arguments << '"';
        }
    }
}

TEST_F(MainTest, PreviewOfNoWindowEndsAtOnce) {
    for (const char* arguments : {"/p", "/p 0", "/p 999", "/p abc"}) {
        platform.calls.clear();
        platform.argumentText = arguments;
        EXPECT_EQ(Opened(Vantor_B::Main()), "") << arguments;
        EXPECT_EQ(platform.calls, Guarded({"EndProcess"})) << arguments;
    }
}

// A wiring fault shows where it is, not as a crash somewhere in the logic that followed a null pointer.
TEST(InstalledTest, ReachingForWhatNothingInstalledEndsNamingIt) {
    const Vantor_B::Installed<int> nothing("the test's platform");
    EXPECT_DEATH(nothing.Get(), "the test's platform used before the program installed it");
}

}  // namespace
}  // namespace host_test
