#include <SDL.h>
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include "harness.h"
#include "platform/keys.h"
#include "platform/single_instance.h"

namespace {

TEST(Keys, SdlKeysBecomeVirtualKeyNumbers) {
    struct Case {
        SDL_Keycode sdl;
        int vk;
    } cases[] = {{SDLK_ESCAPE, 27}, {SDLK_RETURN, 13},  {SDLK_KP_ENTER, 13}, {SDLK_SPACE, 32},
                 {SDLK_LEFT, 37},   {SDLK_UP, 38},      {SDLK_RIGHT, 39},    {SDLK_DOWN, 40},
                 {SDLK_F1, 112},    {SDLK_F12, 123},    {SDLK_a, 65},        {SDLK_z, 90},
                 {SDLK_0, 48},      {SDLK_9, 57},       {SDLK_KP_0, 96},     {SDLK_BACKSPACE, 8},
                 {SDLK_APPLICATION, 0}};
    for (const Case& c : cases) EXPECT_EQ(platform::virtualKey(c.sdl), c.vk) << SDL_GetKeyName(c.sdl);
    EXPECT_EQ(platform::shiftState(KMOD_LSHIFT | KMOD_RCTRL), platform::ShiftMask | platform::CtrlMask);
}

using SingleInstance = harness::HarnessTest;

TEST_F(SingleInstance, ASecondProcessIsRefusedUntilTheFirstEnds) {
    int toChild[2], fromChild[2];
    ASSERT_EQ(pipe(toChild), 0);
    ASSERT_EQ(pipe(fromChild), 0);
    pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        char ok = platform::acquireSingleInstance(h.appDir) ? 'y' : 'n';
        (void)!write(fromChild[1], &ok, 1);
        char c;
        (void)!read(toChild[0], &c, 1);  // hold the lock until told
        _exit(0);
    }
    char first = 0;
    ASSERT_EQ(read(fromChild[0], &first, 1), 1);
    EXPECT_EQ(first, 'y');
    EXPECT_FALSE(platform::acquireSingleInstance(h.appDir));
    (void)!write(toChild[1], "x", 1);
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(platform::acquireSingleInstance(h.appDir)) << "an ended process holds nothing";
}

}  // namespace
