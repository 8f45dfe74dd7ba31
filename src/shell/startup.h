#pragma once

namespace shell {

// The start-up: seeds the random generator, refuses to run beside another
// instance, shows the splash (settings and pictures), then starts the title
// music and shows the title screen. False when the program is to end at once.
bool Main();

}  // namespace shell
