// The real program, started as a player starts it, ends at SIGTERM within a
// second with exit code 0 and nothing from the sanitizers.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// A copy of the program in a folder of its own, beside links to the assets:
// the program keeps its files beside itself.
fs::path installCopy() {
    char name[] = "/tmp/tc2quit.XXXXXX";
    const fs::path dir = ::mkdtemp(name);
    const fs::path from(TC2_APP_DIR);
    for (const auto& e : fs::directory_iterator(from)) {
        const std::string n = e.path().filename().string();
        if (n == "graphics" || n == "sound" || n == "music" || e.path().extension() == ".map")
            fs::create_symlink(e.path(), dir / n);
    }
    fs::copy_file(from / "thorncall2", dir / "thorncall2");
    return dir;
}

bool waitFor(const std::function<bool()>& pred, std::chrono::milliseconds limit) {
    const auto end = Clock::now() + limit;
    while (!pred()) {
        if (Clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

TEST(RealProgram, SigtermOnTheTitleEndsItWithinASecondWithExitCodeZero) {
    const fs::path dir = installCopy();
    const std::string log = (dir / "stderr.txt").string();
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::setenv("SDL_VIDEODRIVER", "dummy", 1);
        ::setenv("SDL_AUDIODRIVER", "dummy", 1);
        if (!std::freopen(log.c_str(), "w", stderr)) ::_exit(126);
        const std::string exe = (dir / "thorncall2").string();
        ::execl(exe.c_str(), exe.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    // The splash writes save.ini after a second and gives way to the title after two.
    int status = 0;
    const bool started = waitFor([&] { return fs::exists(dir / "save.ini"); }, std::chrono::seconds(60));
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    ::kill(child, SIGTERM);
    const auto sent = Clock::now();
    const bool ended = waitFor([&] { return ::waitpid(child, &status, WNOHANG) == child; },
                               std::chrono::seconds(10));
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - sent);
    if (!ended) {
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
    }
    std::ifstream in(log);
    const std::string errors{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::error_code ec;
    fs::remove_all(dir, ec);

    EXPECT_TRUE(started) << "the splash never wrote save.ini";
    ASSERT_TRUE(ended) << "still running 10 s after SIGTERM";
    EXPECT_LE(took.count(), 1000);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(errors.find("Sanitizer"), std::string::npos) << errors;
    EXPECT_EQ(errors.find("runtime error"), std::string::npos) << errors;
}

}  // namespace
