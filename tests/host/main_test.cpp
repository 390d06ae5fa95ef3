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

struct SwitchCase {
    const char* arguments;
    bool rendererPresent;
    bool settingsLoaded;
    std::vector<std::string> calls;
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
        {"/p 520", true, false, Guarded({"OpenPreview 520 152x112"})},
        {"-P 520", true, false, Guarded({"OpenPreview 520 152x112"})},
        {"/p 520", false, false, Guarded({"OpenPreview 520 152x112"})},
        {"/c", true, true, Guarded({kRendererTest, "ShowSettingsDialog", "EndProcess"})},
        {"/c:520", true, true, Guarded({kRendererTest, "ShowSettingsDialog", "EndProcess"})},
        {"/s", true, true, Guarded({kRendererTest, "ShowCursor FALSE", "LoadRunForm"})},
        {"/S", true, true, Guarded({kRendererTest, "ShowCursor FALSE", "LoadRunForm"})},
        {"/sx", true, true, Guarded({kRendererTest, "ShowCursor FALSE", "LoadRunForm"})},
        {"", true, true, Guarded({kRendererTest, "LoadRunForm"})},
        {"/a", true, true, Guarded({kRendererTest, "EndProcess"})},
        {"/x", true, true, Guarded({kRendererTest, "EndProcess"})},
        {"s", true, true, Guarded({kRendererTest, "EndProcess"})},
        {"/s", false, true, Guarded({kRendererTest, kMissingRenderer, "EndProcess"})},
        {"/c", false, true, Guarded({kRendererTest, kMissingRenderer, "EndProcess"})},
        {"", false, true, Guarded({kRendererTest, kMissingRenderer, "EndProcess"})},
        {"/a", false, true, Guarded({kRendererTest, kMissingRenderer, "EndProcess"})},
    };
    for (const SwitchCase& c : cases) {
        platform.calls.clear();
        platform.argumentText = c.arguments;
        platform.readableFiles.clear();
        if (c.rendererPresent) {
            platform.readableFiles.insert("C:\\Saver\\Quorrel.dll");
        }
        Vantor_B::BgmKind = 0;
        Vantor_B::Main();
        EXPECT_EQ(platform.calls, c.calls) << '"' << c.arguments << "\" renderer " << c.rendererPresent;
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
            Vantor_B::Main();
            EXPECT_EQ(platform.calls, Guarded({"EndProcess"})) << marker << " \"" << arguments << '"';
        }
    }
}

TEST_F(MainTest, PreviewOfNoWindowEndsAtOnce) {
    for (const char* arguments : {"/p", "/p 0", "/p 999", "/p abc"}) {
        platform.calls.clear();
        platform.argumentText = arguments;
        Vantor_B::Main();
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
