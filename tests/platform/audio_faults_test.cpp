// Sound and music files that are missing or damaged play nothing and harm
// nothing: the real mixer on SDL's dummy audio device.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/audio.h"

namespace {

namespace fs = std::filesystem;

std::string readAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class AudioFaults : public ::testing::Test {
protected:
    AudioFaults() {
        char name[] = "/tmp/tc2audio.XXXXXX";
        dir = ::mkdtemp(name);
    }
    ~AudioFaults() override {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    // Files: missing, empty, noise, and the first half of a real one.
    std::vector<std::string> damaged(const std::string& real, const std::string& suffix) {
        const std::string text = readAll(fs::path(TC2_APP_DIR) / real);
        EXPECT_GT(text.size(), 100u) << real;
        std::vector<std::pair<std::string, std::string>> files = {
            {"empty", ""}, {"noise", std::string(3000, 'Z')}, {"half", text.substr(0, text.size() / 2)},
            {"head", text.substr(0, 40)}};
        std::vector<std::string> paths = {(dir / ("missing" + suffix)).string()};
        for (const auto& [name, content] : files) {
            const fs::path p = dir / (name + suffix);
            std::ofstream(p, std::ios::binary) << content;
            paths.push_back(p.string());
        }
        return paths;
    }
    fs::path dir;
};

TEST_F(AudioFaults, DamagedSoundsPlayNothing) {
    platform::MixerAudio audio;
    for (const std::string& path : damaged("sound/snd2.snd", ".snd")) {
        audio.playEffect(path);
        audio.playEffect(path);  // a second try of a file that failed
    }
    audio.playEffect((fs::path(TC2_APP_DIR) / "sound/snd2.snd").string());
}

TEST_F(AudioFaults, DamagedMusicIsSilence) {
    platform::MixerAudio audio;
    for (const std::string& path : damaged("music/2.mid", ".mid")) {
        audio.musicOpen(path);
        audio.musicPlay();
        audio.musicClose();
        audio.musicOpen(path);
        audio.musicPlay();
    }
    audio.musicClose();
    // A missing track reports nothing playing, so the music loop's replay finds it at its end.
    audio.musicOpen((dir / "missing.mid").string());
    audio.musicPlay();
    EXPECT_FALSE(audio.musicPlaying());
}

}  // namespace
