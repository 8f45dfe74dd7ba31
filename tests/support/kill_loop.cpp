#include "support/kill_loop.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <random>

namespace harness {

KillCount killWhileWorking(const std::function<void()>& work, const std::function<void()>& check,
                           int times, int maxDelayUs, const std::string& tmpPath) {
    std::mt19937 delays(20261207);
    KillCount count;
    for (int i = 0; i < times; ++i) {
        const pid_t child = ::fork();
        if (child < 0) {
            ADD_FAILURE() << "cannot fork";
            return count;
        }
        if (child == 0) {
            try {
                for (;;) work();
            } catch (...) {
            }
            ::_exit(3);  // a failing save ends the child before the kill
        }
        ::usleep(std::uniform_int_distribution<int>(0, maxDelayUs)(delays));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        if (!WIFSIGNALED(status)) {
            ADD_FAILURE() << "the working child ended by itself, status " << status;
            return count;
        }
        ++count.kills;
        std::error_code ec;
        if (std::filesystem::exists(tmpPath, ec)) ++count.midWrite;
        check();
        if (::testing::Test::HasFailure()) return count;
    }
    return count;
}

}  // namespace harness
