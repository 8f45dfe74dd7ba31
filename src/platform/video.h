#pragma once
#include "platform/runtime.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
union SDL_Event;

namespace platform {

// The game's window and SDL input. init() fails (returns false, with a
// message on stderr) when there is no display.
class Video : public EventSource {
public:
    bool init(const char* title);
    ~Video() override;
    void wait(std::uint64_t nextDue) override;
    void poll() override;
    bool closePending() override;
    void present();  // draws the forms when something changed

private:
    void dispatch(const SDL_Event& e);
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    SDL_Surface* frame_ = nullptr;
    int texW_ = 0, texH_ = 0;
};

}  // namespace platform
