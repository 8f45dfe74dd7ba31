#pragma once
#include <string>

namespace platform {

// Sound output. One effect channel: a new effect cuts the one playing.
// Music: one track open at a time.
class Audio {
public:
    virtual ~Audio() = default;
    virtual void playEffect(const std::string& path) = 0;
    virtual void musicOpen(const std::string& path) = 0;
    virtual void musicPlay() = 0;
    virtual void musicClose() = 0;
    // False once the track has reached its end (or nothing is open).
    virtual bool musicPlaying() const = 0;
};

// Plays nothing; used when there is no audio device.
class SilentAudio : public Audio {
public:
    void playEffect(const std::string&) override {}
    void musicOpen(const std::string&) override {}
    void musicPlay() override {}
    void musicClose() override {}
    bool musicPlaying() const override { return false; }
};

// SDL_mixer output with the General MIDI soundfont. Falls back to silence
// when no device can be opened.
class MixerAudio : public Audio {
public:
    MixerAudio();
    ~MixerAudio() override;
    bool available() const { return open_; }
    void playEffect(const std::string& path) override;
    void musicOpen(const std::string& path) override;
    void musicPlay() override;
    void musicClose() override;
    bool musicPlaying() const override;

private:
    bool open_ = false;
    struct Impl;
    Impl* impl_;
};

// The multimedia sequencer control: a file name and Open / Play / Close.
class Sequencer {
public:
    std::string FileName;
    void Open();
    void Play();
    void Close();
    bool isOpen() const { return open_; }
    const std::string& openFile() const { return openFile_; }
    // Open, played, and no longer playing: the track has reached its end.
    bool atEnd() const;

private:
    bool open_ = false;
    bool played_ = false;
    std::string openFile_;
};

}  // namespace platform
