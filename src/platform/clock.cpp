#include "platform/clock.h"

#include <SDL.h>

namespace platform {

std::uint64_t RealClock::now() const { return SDL_GetTicks64(); }

}  // namespace platform
