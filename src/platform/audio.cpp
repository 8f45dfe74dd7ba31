#include "platform/audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <map>

#include "platform/runtime.h"

namespace platform {

constexpr const char* kSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

struct MixerAudio::Impl {
    std::map<std::string, Mix_Chunk*> chunks;
    Mix_Music* music = nullptr;
    std::string musicPath;
};

MixerAudio::MixerAudio() : impl_(new Impl) {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 2048) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    Mix_Init(MIX_INIT_MID);
    Mix_SetSoundFonts(kSoundFont);
    Mix_AllocateChannels(1);
    open_ = true;
}

MixerAudio::~MixerAudio() {
    if (open_) {
        Mix_HaltChannel(-1);
        Mix_HaltMusic();
        for (auto& [path, chunk] : impl_->chunks) Mix_FreeChunk(chunk);
        if (impl_->music) Mix_FreeMusic(impl_->music);
        Mix_CloseAudio();
        Mix_Quit();
    }
    delete impl_;
}

void MixerAudio::playEffect(const std::string& path) {
    if (!open_) return;
    Mix_Chunk*& chunk = impl_->chunks[path];
    if (!chunk) chunk = Mix_LoadWAV(path.c_str());
    if (!chunk) return;  // a missing sound plays nothing
    Mix_HaltChannel(0);
    Mix_PlayChannel(0, chunk, 0);
}

void MixerAudio::musicOpen(const std::string& path) {
    if (!open_) return;
    musicClose();
    impl_->music = Mix_LoadMUS(path.c_str());
    impl_->musicPath = path;
}

void MixerAudio::musicPlay() {
    if (open_ && impl_->music) Mix_PlayMusic(impl_->music, 1);
}

void MixerAudio::musicClose() {
    if (!open_) return;
    Mix_HaltMusic();
    if (impl_->music) Mix_FreeMusic(impl_->music);
    impl_->music = nullptr;
}

bool MixerAudio::musicPlaying() const { return open_ && Mix_PlayingMusic() != 0; }

// ---- Sequencer ----

void Sequencer::Open() {
    Runtime::get().audio().musicOpen(FileName);
    open_ = true;
    played_ = false;
    openFile_ = FileName;
}

void Sequencer::Play() {
    if (!open_) return;
    Runtime::get().audio().musicPlay();
    played_ = true;
}

void Sequencer::Close() {
    if (open_) Runtime::get().audio().musicClose();
    open_ = false;
    played_ = false;
    openFile_.clear();
}

bool Sequencer::atEnd() const { return open_ && played_ && !Runtime::get().audio().musicPlaying(); }

}  // namespace platform
