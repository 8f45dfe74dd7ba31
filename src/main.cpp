// Thorncall II: the window, the sound output, then the game's own start-up
// and the message loop until the last screen closes.
#include <SDL.h>

#include "platform/audio.h"
#include "platform/runtime.h"
#include "platform/video.h"
#include "shell/startup.h"

int main(int, char**) {
    // First of all, so SDL keeps it and a SIGTERM during start-up quits in order too.
    platform::Runtime::installQuitSignals();
    platform::Video video;
    if (!video.init("Thorncall II")) return 1;
    platform::MixerAudio audio;
    platform::Runtime& runtime = platform::Runtime::get();
    runtime.setAudio(&audio);
    const int exitCode = shell::runProgram();
    runtime.setAudio(nullptr);
    SDL_Quit();
    return exitCode;
}
