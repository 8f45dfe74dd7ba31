#pragma once
// The test harness: a virtual clock, scripted input consumed by the nested
// modal loops, scripted randomness, recorded audio, a temporary application
// folder, and a hang guard. Every test that touches forms, timers, files or
// draws derives from HarnessTest (or GameTest for the game state).
#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/form.h"
#include "platform/picture.h"
#include "platform/runtime.h"

namespace harness {

struct AudioEvent {
    enum Kind { Effect, MusicOpen, MusicPlay, MusicClose } kind;
    std::string path;  // relative to the application folder ("sound/snd2.snd")
    std::uint64_t time;
};

// Records what would be heard. A track "plays" until endMusic() is called.
class RecordingAudio : public platform::Audio {
public:
    void playEffect(const std::string& path) override;
    void musicOpen(const std::string& path) override;
    void musicPlay() override;
    void musicClose() override;
    bool musicPlaying() const override { return playing_; }

    void endMusic() { playing_ = false; }  // the track reaches its end
    std::vector<AudioEvent> events;
    std::vector<std::string> effects() const;  // the effect paths, in order
    std::vector<std::string> music() const;    // "open:music/2.mid", "play", "close"
    void clear() { events.clear(); }

private:
    std::string relative(const std::string& path) const;
    bool playing_ = false;
    std::string open_;
};

// One scripted random draw: the range the game must ask for, and the value.
struct Draw {
    int lo, hi, value;
};

class Harness;

// The scripted event source: consumes actions in order; with none left it
// lets virtual time run to the next timer; with no timer armed it fails (a hang).
class ScriptedSource : public platform::EventSource {
public:
    explicit ScriptedSource(Harness& h) : h_(h) {}
    void wait(std::uint64_t nextDue) override;
    std::deque<std::function<void()>> actions;
    std::uint64_t idleLimitMs = 30 * 60 * 1000;  // virtual time without input before failing

private:
    Harness& h_;
    std::uint64_t idleSince_ = 0;
    bool idle_ = false;
};

class Harness {
public:
    Harness();
    ~Harness();

    platform::VirtualClock clock;
    RecordingAudio audio;
    ScriptedSource source{*this};
    std::string appDir;  // a fresh temporary application folder, ends with '/'

    std::uint64_t now() const { return clock.now(); }
    // Fires every timer due within the next ms, in order.
    void advance(std::uint64_t ms);
    // Advances timer by timer until pred holds; false if maxMs pass first.
    bool runUntil(const std::function<bool()>& pred, std::uint64_t maxMs);

    // Scripted input, consumed in order by the modal loops.
    void key(int vk, int shift = 0);
    void click(const std::string& form, const std::string& control, int index = -1);
    void hover(const std::string& form, const std::string& control, int index = -1);
    void type(const std::string& text);
    void wait(std::uint64_t ms);
    void waitUntil(std::function<bool()> pred, std::uint64_t maxMs);
    void then(std::function<void()> action);
    void answerMsgBox(int button);               // platform::vbOK, vbYes, vbNo
    void answerInput(const std::string& text);   // types it and presses OK
    void cancelInput();
    std::size_t pendingActions() const { return source.actions.size(); }

    // Input now, outside any modal loop.
    void keyNow(int vk, int shift = 0);
    void clickNow(platform::Control& c);
    void hoverNow(platform::Control& c);
    // The mouse now, through the window as the real one: (px, py) in pixels
    // from the control's top-left corner, outside it too; a held button keeps
    // the mouse captured by the control it went down on.
    void mouseDownNow(platform::Control& c, int button, int px, int py);
    void mouseMoveNow(platform::Control& c, int buttons, int px, int py);
    void mouseUpNow(platform::Control& c, int button, int px, int py);
    void rightClickNow(platform::Control& c, int px, int py);
    // The left button down at the first point, moved through the others, up at the last.
    void dragNow(platform::Control& c, const std::vector<std::pair<int, int>>& path);

    // Runs `hook` each time a form of that name is shown (modal or not).
    void onShow(const std::string& form, std::function<void(platform::Form&)> hook);

    // Random draws: scripted (each call checks its range; running out fails,
    // and so do leftovers at the end of the test) or seeded.
    void scriptDraws(std::vector<Draw> draws);
    void seedDraws(std::uint32_t seed);
    std::size_t drawsLeft() const;

    // Links graphics/, sound/, music/ and the map files of the generated asset
    // set into appDir.
    void linkAssets();
    // Draws the window as it stands and saves it under the build folder.
    platform::PicturePtr snapshot(const std::string& name);

    // The control named so on a form, for assertions.
    static platform::Control& control(const std::string& form, const std::string& name,
                                      int index = -1);
    static platform::Form& form(const std::string& name);

private:
    std::vector<std::pair<std::string, std::function<void(platform::Form&)>>> hooks_;
};

// A test with the harness set up and torn down around it.
class HarnessTest : public ::testing::Test {
protected:
    Harness h;
};

}  // namespace harness
