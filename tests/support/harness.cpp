#include "harness.h"

#include <cmath>
#include <filesystem>
#include <stdexcept>

#include "platform/appfolder.h"
#include "platform/dialogs.h"
#include "platform/keys.h"
#include "platform/runtime.h"
#include "shell/subs.h"

namespace harness {
namespace fs = std::filesystem;

namespace {

// A modal loop that would wait for ever, or a scripted step that cannot be taken.
class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ScriptedRandom : public Subs::RandomSource {
public:
    explicit ScriptedRandom(std::vector<Draw> draws) : draws_(draws.begin(), draws.end()) {}
    int draw(int lo, int hi) override {
        if (draws_.empty()) {
            ADD_FAILURE() << "unscripted draw randomInt(" << lo << ", " << hi << ")";
            throw ScriptError("unscripted draw");
        }
        Draw d = draws_.front();
        draws_.pop_front();
        EXPECT_EQ(d.lo, lo) << "draw " << used_ << " asked for randomInt(" << lo << ", " << hi << ")";
        EXPECT_EQ(d.hi, hi) << "draw " << used_ << " asked for randomInt(" << lo << ", " << hi << ")";
        ++used_;
        return d.value;
    }
    std::size_t left() const { return draws_.size(); }

private:
    std::deque<Draw> draws_;
    int used_ = 0;
};

ScriptedRandom* scripted = nullptr;

}  // namespace

// ---- audio ----

std::string RecordingAudio::relative(const std::string& path) const {
    const std::string& base = platform::appFolder();
    return path.rfind(base, 0) == 0 ? path.substr(base.size()) : path;
}

void RecordingAudio::playEffect(const std::string& path) {
    events.push_back({AudioEvent::Effect, relative(path), platform::Runtime::get().now()});
}

void RecordingAudio::musicOpen(const std::string& path) {
    open_ = relative(path);
    playing_ = false;
    events.push_back({AudioEvent::MusicOpen, open_, platform::Runtime::get().now()});
}

void RecordingAudio::musicPlay() {
    playing_ = true;
    events.push_back({AudioEvent::MusicPlay, open_, platform::Runtime::get().now()});
}

void RecordingAudio::musicClose() {
    playing_ = false;
    events.push_back({AudioEvent::MusicClose, open_, platform::Runtime::get().now()});
}

std::vector<std::string> RecordingAudio::effects() const {
    std::vector<std::string> out;
    for (const AudioEvent& e : events)
        if (e.kind == AudioEvent::Effect) out.push_back(e.path);
    return out;
}

std::vector<std::string> RecordingAudio::music() const {
    std::vector<std::string> out;
    for (const AudioEvent& e : events) {
        if (e.kind == AudioEvent::MusicOpen) out.push_back("open:" + e.path);
        if (e.kind == AudioEvent::MusicPlay) out.push_back("play");
        if (e.kind == AudioEvent::MusicClose) out.push_back("close");
    }
    return out;
}

// ---- the scripted event source ----

void ScriptedSource::wait(std::uint64_t nextDue) {
    if (!actions.empty()) {
        idle_ = false;
        auto action = std::move(actions.front());
        actions.pop_front();
        action();
        return;
    }
    if (nextDue == platform::kNoTimer) {
        ADD_FAILURE() << "hang: a modal loop waits with nothing scripted and no timer armed";
        throw ScriptError("hang");
    }
    if (!idle_) {
        idle_ = true;
        idleSince_ = h_.clock.now();
    }
    if (nextDue > idleSince_ + idleLimitMs) {
        ADD_FAILURE() << "hang: " << idleLimitMs << " ms of virtual time passed with nothing scripted";
        throw ScriptError("hang");
    }
    if (nextDue > h_.clock.now()) h_.clock.set(nextDue);
}

// ---- the harness ----

Harness::Harness() {
    char tmpl[] = "/tmp/tc2-test-XXXXXX";
    appDir = std::string(mkdtemp(tmpl)) + "/";
    platform::setAppFolder(appDir);
    platform::Runtime& rt = platform::Runtime::get();
    rt.reset();
    rt.setClock(&clock);
    rt.setAudio(&audio);
    rt.setEventSource(&source);
    rt.setShowHook([this](platform::Form& f) {
        for (auto& [name, hook] : hooks_)
            if (name == f.name()) hook(f);
    });
    Subs::setRandomSource(nullptr);
    Subs::seedRandom(12345);
    scripted = nullptr;
}

Harness::~Harness() {
    if (scripted && scripted->left() > 0) ADD_FAILURE() << scripted->left() << " scripted draws left over";
    if (!source.actions.empty()) ADD_FAILURE() << source.actions.size() << " scripted actions left over";
    platform::Runtime::get().reset();
    Subs::setRandomSource(nullptr);
    scripted = nullptr;
    std::error_code ec;
    fs::remove_all(appDir, ec);
}

void Harness::advance(std::uint64_t ms) { platform::Runtime::get().advance(ms); }

bool Harness::runUntil(const std::function<bool()>& pred, std::uint64_t maxMs) {
    platform::Runtime& rt = platform::Runtime::get();
    std::uint64_t limit = clock.now() + maxMs;
    while (!pred()) {
        std::uint64_t due = rt.nextDue();
        if (due == platform::kNoTimer || due > limit) {
            rt.advance(limit - clock.now());
            return pred();
        }
        rt.advance(due > clock.now() ? due - clock.now() : 0);
    }
    return true;
}

platform::Form& Harness::form(const std::string& name) {
    platform::Form* f = platform::Runtime::get().findForm(name);
    if (!f) throw ScriptError("no form named " + name);
    return *f;
}

platform::Control& Harness::control(const std::string& form, const std::string& name, int index) {
    platform::Control* c = Harness::form(form).find(name, index);
    if (!c) {
        ADD_FAILURE() << "no control " << form << "." << name << "(" << index << ")";
        throw ScriptError("no such control");
    }
    return *c;
}

void Harness::key(int vk, int shift) {
    then([vk, shift] { platform::Runtime::get().keyDown(vk, shift); });
}

void Harness::click(const std::string& f, const std::string& c, int index) {
    then([f, c, index] { platform::Runtime::get().click(control(f, c, index)); });
}

void Harness::hover(const std::string& f, const std::string& c, int index) {
    then([f, c, index] { platform::Runtime::get().hover(control(f, c, index)); });
}

void Harness::type(const std::string& text) {
    then([text] { platform::Runtime::get().textInput(text); });
}

void Harness::wait(std::uint64_t ms) {
    then([this, ms] { advance(ms); });
}

void Harness::waitUntil(std::function<bool()> pred, std::uint64_t maxMs) {
    then([this, pred = std::move(pred), maxMs] {
        if (!runUntil(pred, maxMs)) ADD_FAILURE() << "condition not reached within " << maxMs << " ms";
    });
}

void Harness::then(std::function<void()> action) { source.actions.push_back(std::move(action)); }

void Harness::answerMsgBox(int button) {
    const char* name = button == platform::vbYes ? "cmdYes" : button == platform::vbNo ? "cmdNo" : "cmdOK";
    click("MsgBox", name);
}

void Harness::answerInput(const std::string& text) {
    then([text] {
        static_cast<platform::TextBox&>(control("InputBox", "txtInput")).Text = text;
        platform::Runtime::get().click(control("InputBox", "cmdOK"));
    });
}

void Harness::cancelInput() { click("InputBox", "cmdCancel"); }

void Harness::keyNow(int vk, int shift) { platform::Runtime::get().keyDown(vk, shift); }

void Harness::clickNow(platform::Control& c) { platform::Runtime::get().click(c); }

void Harness::hoverNow(platform::Control& c) { platform::Runtime::get().hover(c); }

namespace {

// The window pixel of a point given in pixels from a control's corner.
std::pair<int, int> windowPoint(const platform::Control& c, int px, int py) {
    int ox = 0, oy = 0;
    platform::Runtime::get().clientOrigin(c.form(), ox, oy);
    const double scale = c.form().scale;
    return {ox + int(std::lround(c.Left / scale)) + px, oy + int(std::lround(c.Top / scale)) + py};
}

}  // namespace

void Harness::mouseDownNow(platform::Control& c, int button, int px, int py) {
    auto [x, y] = windowPoint(c, px, py);
    platform::Runtime::get().mouseDown(button, 0, x, y);
}

void Harness::mouseMoveNow(platform::Control& c, int buttons, int px, int py) {
    auto [x, y] = windowPoint(c, px, py);
    platform::Runtime::get().mouseMove(buttons, 0, x, y);
}

void Harness::mouseUpNow(platform::Control& c, int button, int px, int py) {
    auto [x, y] = windowPoint(c, px, py);
    platform::Runtime::get().mouseUp(button, 0, x, y);
}

void Harness::rightClickNow(platform::Control& c, int px, int py) {
    mouseDownNow(c, platform::RightButton, px, py);
    mouseUpNow(c, platform::RightButton, px, py);
}

void Harness::dragNow(platform::Control& c, const std::vector<std::pair<int, int>>& path) {
    if (path.empty()) return;
    mouseDownNow(c, platform::LeftButton, path.front().first, path.front().second);
    for (std::size_t i = 1; i < path.size(); ++i)
        mouseMoveNow(c, platform::LeftButton, path[i].first, path[i].second);
    mouseUpNow(c, platform::LeftButton, path.back().first, path.back().second);
}

void Harness::onShow(const std::string& form, std::function<void(platform::Form&)> hook) {
    hooks_.emplace_back(form, std::move(hook));
}

void Harness::scriptDraws(std::vector<Draw> draws) {
    auto source = std::make_unique<ScriptedRandom>(std::move(draws));
    scripted = source.get();
    Subs::setRandomSource(std::move(source));
}

void Harness::seedDraws(std::uint32_t seed) {
    Subs::setRandomSource(nullptr);
    scripted = nullptr;
    Subs::seedRandom(seed);
}

std::size_t Harness::drawsLeft() const { return scripted ? scripted->left() : 0; }

void Harness::linkAssets() {
    fs::path from(TC2_APP_DIR);
    for (const auto& entry : fs::directory_iterator(from)) {
        std::string name = entry.path().filename().string();
        bool wanted = name == "graphics" || name == "sound" || name == "music" ||
                      entry.path().extension() == ".map";
        if (wanted && !fs::exists(fs::path(appDir) / name))
            fs::create_symlink(entry.path(), fs::path(appDir) / name);
    }
}

platform::PicturePtr Harness::snapshot(const std::string& name) {
    platform::PicturePtr p = platform::Runtime::get().snapshot();
    fs::create_directories(TC2_SNAPSHOT_DIR);
    platform::SavePng(*p, std::string(TC2_SNAPSHOT_DIR) + "/" + name + ".png");
    return p;
}

}  // namespace harness
