// A close of the window, or SIGTERM, at each point of the hand-over from hero
// creation through the spell-point screen and the opening scene to the map:
// the game ends at once, and no screen after that point shows.
#include <signal.h>

#include <memory>
#include <string>
#include <vector>

#include "cutscenes/frmcutscene.h"
#include "platform/keys.h"
#include "platform/runtime.h"
#include "shell/startup.h"
#include "support/game_test.h"

namespace {

enum class Stop { CloseWindow, Sigterm };

// Where the stop comes: in the handler or load that makes this sound or
// starts this track, when this screen shows (before its loop), or at the
// first turn of its loop.
enum class At { Sound, Music, Shown, FirstTurn };
struct Point {
    const char* name;
    At at;
    const char* what;  // the sound or track file, or the form
    int nth;           // the nth such event (1 the first)
};

const Point kPoints[] = {
    {"HeroCreationShown", At::Shown, "frmNew", 1},
    {"OKPressed", At::Sound, "sound/snd2.snd", 12},  // ten points, then OK
    {"SpellPointShown", At::Shown, "frmNewSpell", 1},
    {"SpellPointWaiting", At::FirstTurn, "frmNewSpell", 1},
    {"SpellChosen", At::Sound, "sound/snd2.snd", 13},
    {"TitleMusicStops", At::Music, "close", 2},
    {"OpeningSceneLoading", At::Music, "open:music/4.mid", 1},
    {"OpeningSceneShown", At::Shown, "frmCutscene", 1},
    {"OpeningSceneWaiting", At::FirstTurn, "frmCutscene", 1},
    {"OpeningSceneClosed", At::Shown, "frmMap", 1},
};

// Tells the test of every sound and track as it starts.
class WatchedAudio : public platform::Audio {
public:
    WatchedAudio(harness::RecordingAudio& inner, std::function<void()> heard) : inner_(inner), heard_(std::move(heard)) {}
    void playEffect(const std::string& path) override { inner_.playEffect(path), heard_(); }
    void musicOpen(const std::string& path) override { inner_.musicOpen(path), heard_(); }
    void musicPlay() override { inner_.musicPlay(), heard_(); }
    void musicClose() override { inner_.musicClose(), heard_(); }
    bool musicPlaying() const override { return inner_.musicPlaying(); }

private:
    harness::RecordingAudio& inner_;
    std::function<void()> heard_;
};

// The window's close: waiting in the queue from the moment it is sent, and
// dispatched at the next turn of a loop, as SDL hands it over.
class WindowSource : public platform::EventSource {
public:
    explicit WindowSource(harness::ScriptedSource& inner) : inner_(inner) {}
    bool closeSent = false;
    void wait(std::uint64_t nextDue) override {
        if (closeSent) platform::Runtime::get().quit();
        else inner_.wait(nextDue);
    }
    bool closePending() override { return closeSent && !platform::Runtime::get().quitting(); }

private:
    harness::ScriptedSource& inner_;
};

class HandOver : public harness::GameTest, public ::testing::WithParamInterface<std::tuple<Point, Stop>> {
protected:
    ~HandOver() override { ::signal(SIGTERM, SIG_DFL); }
};

TEST_P(HandOver, AStopAtAnyPointEndsTheGameBeforeAnotherScreenShows) {
    const auto [point, how] = GetParam();
    h.linkAssets();
    platform::Runtime& rt = platform::Runtime::get();
    WindowSource window(h.source);
    rt.setEventSource(&window);

    bool stopped = false;
    std::uint64_t stoppedAt = 0;
    std::vector<std::string> shownAfter;
    int seen = 0;
    auto stop = [&] {
        stopped = true;
        stoppedAt = h.now();
        if (how == Stop::CloseWindow)
            window.closeSent = true;
        else
            ::raise(SIGTERM);
    };
    auto reached = [&](At at, const std::string& what) {
        if (!stopped && at == point.at && what == point.what && ++seen == point.nth) stop();
    };
    WatchedAudio audio(h.audio, [&] {
        const harness::AudioEvent& e = h.audio.events.back();
        if (e.kind == harness::AudioEvent::Effect) reached(At::Sound, e.path);
        if (e.kind == harness::AudioEvent::MusicOpen) reached(At::Music, "open:" + e.path);
        if (e.kind == harness::AudioEvent::MusicClose) reached(At::Music, "close");
    });
    rt.setAudio(&audio);

    // The player's part: New Game, ten points into strength, OK, the Attack
    // group, then a key once the opening scene has begun.
    bool begun = false;
    for (const char* name : {"frmTitle", "frmNew", "frmNewSpell", "frmCutscene", "frmMap"}) {
        h.onShow(name, [&, name = std::string(name)](platform::Form&) {
            if (stopped) shownAfter.push_back(name);
            reached(At::Shown, name);
            h.then([&, name] { reached(At::FirstTurn, name); });
            if (name == "frmTitle" && !begun) {
                begun = true;
                h.click("frmTitle", "Label3", 0);
            }
            if (name == "frmNew") {
                for (int i = 0; i < 10; ++i) h.click("frmNew", "lbl3", 1);
                h.click("frmNew", "lbl3", 7);
            }
            if (name == "frmNewSpell") h.click("frmNewSpell", "lbl3", 0);
            if (name == "frmCutscene") {
                h.waitUntil([] { return frmCutscene::get().currentStep() > 0; }, 60000);
                h.key(platform::vk::Return);
            }
            if (name == "frmMap") h.then([] { ADD_FAILURE() << "the game went on to the map"; });
        });
    }

    EXPECT_EQ(shell::runProgram(), 0);
    h.source.actions.clear();  // the player's steps after the stop
    rt.setAudio(&h.audio);
    ASSERT_TRUE(stopped) << "the point was never reached";
    EXPECT_TRUE(shownAfter.empty()) << shownAfter.front() << " showed after the stop";
    EXPECT_EQ(h.now(), stoppedAt);
    EXPECT_TRUE(rt.zOrder().empty());
    EXPECT_EQ(rt.nextDue(), platform::kNoTimer) << "a timer is still armed";
}

INSTANTIATE_TEST_SUITE_P(FromHeroCreationToTheMap, HandOver,
                         ::testing::Combine(::testing::ValuesIn(kPoints),
                                            ::testing::Values(Stop::CloseWindow, Stop::Sigterm)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) == Stop::CloseWindow ? "_CloseWindow" : "_Sigterm");
                         });

}  // namespace
