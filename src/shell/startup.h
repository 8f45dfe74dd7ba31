#pragma once

namespace shell {

// The start-up: seeds the random generator, refuses to run beside another
// instance, shows the splash (settings and pictures), then starts the title
// music and shows the title screen. False when the program is to end at once.
bool Main();

}  // namespace shell

namespace shell {

// The whole run once the window is up: Main, then the message loop until the
// last screen closes. Closing the window, SIGTERM or SIGINT on any screen
// unwinds every open screen and ends it too. The program's exit code.
int runProgram();

}  // namespace shell
