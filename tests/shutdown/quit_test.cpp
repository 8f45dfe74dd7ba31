// Closing the window, and SIGTERM, on every screen: every open screen unwinds
// at once, the program ends with exit code 0, nothing is left to fire, and
// no file is touched on the way out.
#include <signal.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <string>

#include "battle/encounter.h"
#include "party/party.h"
#include "platform/keys.h"
#include "platform/runtime.h"
#include "shell/game_start.h"
#include "shell/startup.h"
#include "shell/subs.h"
#include "shell/vars.h"
#include "support/game_test.h"
#include "world/frmmap.h"
#include "world/map_files.h"

namespace {

namespace fs = std::filesystem;
namespace vk = platform::vk;

enum class Stop { CloseWindow, Sigterm };

// How the game reaches a screen from its title, by the calls and keys the
// game itself uses; `stop` comes once that screen is up.
struct Screen {
    const char* name;
    const char* front;  // the form that takes input when the quit comes
    void (*reach)(harness::Harness& h, const std::function<void()>& stop);
};

// Runs `action` the first time `form` shows, from its own loop.
void once(harness::Harness& h, const char* form, std::function<void()> action) {
    auto done = std::make_shared<bool>(false);
    h.onShow(form, [&h, done, action](platform::Form&) {
        if (*done) return;
        *done = true;
        h.then(action);
    });
}

void toMap(harness::Harness& h) {
    once(h, "frmTitle", [] {
        world::loadAllMaps();
        shell::resumeLoadedGame();
    });
}

void onMap(harness::Harness& h, std::function<void()> action) {
    toMap(h);
    once(h, "frmMap", std::move(action));
}

const Screen kScreens[] = {
    {"Title", "frmTitle", [](harness::Harness& h, const std::function<void()>& stop) { once(h, "frmTitle", stop); }},
    {"HeroCreation", "frmNew",
     [](harness::Harness& h, const std::function<void()>& stop) {
         once(h, "frmTitle", [&h] { h.clickNow(h.control("frmTitle", "Label3", 0)); });
         once(h, "frmNew", stop);
     }},
    {"SpellPoint", "frmNewSpell",
     [](harness::Harness& h, const std::function<void()>& stop) {
         once(h, "frmTitle", shell::beginNewGame);
         once(h, "frmNewSpell", stop);
     }},
    {"Cutscene", "frmCutscene",
     [](harness::Harness& h, const std::function<void()>& stop) {
         once(h, "frmTitle", shell::beginNewGame);
         once(h, "frmNewSpell", [&h] { h.clickNow(h.control("frmNewSpell", "lbl3", 0)); });
         once(h, "frmCutscene", stop);
     }},
    {"Map", "frmMap", [](harness::Harness& h, const std::function<void()>& stop) {
         toMap(h);
         once(h, "frmMap", stop);
     }},
    {"TalkBox", "frmMap",
     [](harness::Harness& h, const std::function<void()>& stop) {
         onMap(h, [stop] {
             frmMap::get().showText("Hold on a moment.", 0, Vars::heroName, 0);
             stop();
         });
     }},
    {"Battle", "frmFight",
     [](harness::Harness& h, const std::function<void()>& stop) {
         onMap(h, [] {
             Vars::encounterGroup = 1;
             Subs::startEncounter();
         });
         once(h, "frmFight", stop);
     }},
    {"LevelUp", "frmLevelUp",
     [](harness::Harness& h, const std::function<void()>& stop) {
         onMap(h, [] { Subs::levelUp(); });
         once(h, "frmLevelUp", stop);
     }},
    {"SaveScreen", "frmGame",
     [](harness::Harness& h, const std::function<void()>& stop) {
         onMap(h, [&h] { h.keyNow(vk::F5); });
         once(h, "frmGame", stop);
     }},
    {"Options", "frmOptions",
     [](harness::Harness& h, const std::function<void()>& stop) {
         onMap(h, [&h] { h.keyNow(vk::F8); });
         once(h, "frmOptions", stop);
     }},
    {"MessageBox", "MsgBox",
     [](harness::Harness& h, const std::function<void()>& stop) {
         // Loading an empty slot says the file is missing.
         onMap(h, [&h] { h.keyNow(vk::F7); });
         once(h, "frmGame", [&h] { h.clickNow(h.control("frmGame", "lbl3", 0)); });
         once(h, "MsgBox", stop);
     }},
    {"EditorMenu", "frmStory",
     [](harness::Harness& h, const std::function<void()>& stop) {
         once(h, "frmTitle", [&h] { h.clickNow(h.control("frmTitle", "Label3", 2)); });
         once(h, "frmStory", stop);
     }},
    {"SaveEditor", "frmSave",
     [](harness::Harness& h, const std::function<void()>& stop) {
         once(h, "frmTitle", [&h] { h.clickNow(h.control("frmTitle", "Label3", 2)); });
         once(h, "frmStory", [&h] { h.clickNow(h.control("frmStory", "lbl3", 0)); });
         once(h, "frmSave", stop);
     }},
    {"MapMaker", "frmMain",
     [](harness::Harness& h, const std::function<void()>& stop) {
         once(h, "frmTitle", [&h] { h.clickNow(h.control("frmTitle", "Label3", 2)); });
         once(h, "frmStory", [&h] { h.clickNow(h.control("frmStory", "lbl3", 1)); });
         once(h, "frmMain", stop);
     }},
    {"MapMakerTilePicker", "frmTileSet2",
     [](harness::Harness& h, const std::function<void()>& stop) {
         once(h, "frmTitle", [&h] { h.clickNow(h.control("frmTitle", "Label3", 2)); });
         once(h, "frmStory", [&h] { h.clickNow(h.control("frmStory", "lbl3", 1)); });
         once(h, "frmMain", [&h] { h.clickNow(h.control("frmMain", "imgTile")); });
         once(h, "frmTileSet2", stop);
     }},
    {"MapMakerQuitQuestion", "MsgBox",
     [](harness::Harness& h, const std::function<void()>& stop) {
         once(h, "frmTitle", [&h] { h.clickNow(h.control("frmTitle", "Label3", 2)); });
         once(h, "frmStory", [&h] { h.clickNow(h.control("frmStory", "lbl3", 1)); });
         once(h, "frmMain", [&h] { h.clickNow(h.control("frmMain", "Command1", 0)); });
         once(h, "MsgBox", stop);
     }},
    {"InputBox", "InputBox",
     [](harness::Harness& h, const std::function<void()>& stop) {
         onMap(h, [&h] { h.keyNow(vk::F12); });
         once(h, "InputBox", stop);
     }},
};

using Files = std::map<std::string, std::string>;

Files filesIn(const std::string& dir) {
    Files files;
    for (const auto& e : fs::directory_iterator(dir)) {
        if (e.is_symlink() || !e.is_regular_file()) continue;
        std::ifstream in(e.path(), std::ios::binary);
        files[e.path().filename().string()] = {std::istreambuf_iterator<char>(in),
                                               std::istreambuf_iterator<char>()};
    }
    return files;
}

class Quit : public harness::GameTest,
             public ::testing::WithParamInterface<std::tuple<Screen, Stop>> {
protected:
    ~Quit() override {
        ::signal(SIGTERM, SIG_DFL);
        ::signal(SIGINT, SIG_DFL);
    }
};

TEST_P(Quit, EndsAtOnceWithExitCodeZeroAndLeavesTheFilesAlone) {
    const auto [screen, how] = GetParam();
    h.linkAssets();
    platform::Runtime& rt = platform::Runtime::get();
    bool stopped = false;
    std::uint64_t stoppedAt = 0;
    Files before;
    std::string front;
    screen.reach(h, [&] {
        stopped = true;
        front = rt.inputForm() ? rt.inputForm()->name() : "";
        stoppedAt = h.now();
        before = filesIn(h.appDir);
        if (how == Stop::CloseWindow)
            rt.quit();  // what the window's close button sends
        else
            ::raise(SIGTERM);
    });

    EXPECT_EQ(shell::runProgram(), 0);
    ASSERT_TRUE(stopped) << "the screen was never reached";
    EXPECT_EQ(front, screen.front);
    EXPECT_LE(h.now() - stoppedAt, 1000u);
    EXPECT_TRUE(rt.zOrder().empty());
    EXPECT_TRUE(rt.modalStack().empty());
    EXPECT_EQ(rt.nextDue(), platform::kNoTimer) << "a timer is still armed";
    EXPECT_EQ(filesIn(h.appDir), before);
}

INSTANTIATE_TEST_SUITE_P(EveryScreen, Quit,
                         ::testing::Combine(::testing::ValuesIn(kScreens),
                                            ::testing::Values(Stop::CloseWindow, Stop::Sigterm)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) == Stop::CloseWindow ? "_CloseWindow"
                                                                                  : "_Sigterm");
                         });

}  // namespace
