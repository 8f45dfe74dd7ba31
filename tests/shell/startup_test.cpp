#include <SDL.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "platform/seqfile.h"
#include "platform/single_instance.h"
#include "shell/config.h"
#include "shell/frmtitle.h"
#include "shell/startup.h"
#include "shell/vars.h"
#include "support/game_test.h"
#include "test_util.h"

namespace {

using Strings = std::vector<std::string>;

// Every picture file the store loads, as small bitmaps (the loader goes by
// the content, not the name).
void writePictures(const std::string& appDir) {
    std::filesystem::create_directories(appDir + "graphics");
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, 4, 4, 32, SDL_PIXELFORMAT_ARGB8888);
    auto write = [&](const std::string& name) { SDL_SaveBMP(s, (appDir + "graphics/" + name).c_str()); };
    for (int n = 1; n <= 50; ++n) write(std::to_string(n) + ".gif");
    for (int n = 1; n <= 5; ++n) write("W" + std::to_string(n) + ".jpg");
    for (int n = 0; n <= 12; ++n) write(std::to_string(n) + ".bmp");
    for (int n = 0; n <= 12; ++n) write("char" + std::to_string(n) + ".gif");
    SDL_FreeSurface(s);
}

class StartUp : public harness::GameTest {
protected:
    StartUp() {
        h.onShow("frmTitle", [this](platform::Form&) { titleShownAt = h.now(); });
    }
    std::uint64_t titleShownAt = 0;

    void expectSettingsError(const std::string& file, const std::string& content, const std::string& reason) {
        writePictures(h.appDir);
        shelltest::writeFile(h.appDir + file, content);
        expectStartUpError(
            "An error has occured loading the file 'config.ini' or 'save.ini'.  It may be corrupt.  To "
            "recreate this file, delete it from the installed directory and run the program again.\n" +
            reason);
    }
    void expectStartUpError(const std::string& text) {
        shelltest::MsgBoxes boxes{h};
        boxes.answer();
        EXPECT_FALSE(shell::Main());
        EXPECT_EQ(boxes.at(0).text, text);
        EXPECT_EQ(boxes.at(0).caption, "Error");
        EXPECT_FALSE(frmTitle::get().isLoaded());
        EXPECT_TRUE(h.audio.music().empty());
    }
};

TEST_F(StartUp, SplashLoadsAfterOneSecondAndGivesWayToTheTitleAfterTwo) {
    writePictures(h.appDir);
    const std::uint64_t start = h.now();
    std::uint64_t loadedAt = 0;
    h.onShow("frmSplash", [&](platform::Form&) {
        h.waitUntil([] { return platform::fileExists(config::path()); }, 5000);
        h.then([&] { loadedAt = h.now(); });
    });
    EXPECT_TRUE(shell::Main());
    EXPECT_EQ(loadedAt, start + 1000);
    EXPECT_EQ(titleShownAt, start + 2000);
    EXPECT_TRUE(frmTitle::get().visible());
    EXPECT_EQ(Vars::musicTrack, 2);
    EXPECT_EQ(h.audio.music(), (Strings{"open:music/2.mid", "play"}));
    // The missing files were written: the default settings and ten empty slots.
    EXPECT_EQ(shelltest::splitLines(shelltest::readFile(h.appDir + "config.ini")).size(), 15u);
    EXPECT_EQ(shelltest::splitLines(shelltest::readFile(h.appDir + "save.ini")),
              (Strings{"[SAVE DATA]", "Empty", "Empty", "Empty", "Empty", "Empty", "Empty", "Empty",
                       "Empty", "Empty", "Empty"}));
}

TEST_F(StartUp, ReadsTheSettingsOfAnExistingFile) {
    writePictures(h.appDir);
    config::applyDefaults();
    Vars::keySelect = 32;
    Vars::musicOn = 0;
    config::save();
    config::applyDefaults();
    EXPECT_TRUE(shell::Main());
    EXPECT_EQ(Vars::keySelect, 32);
    EXPECT_TRUE(h.audio.music().empty());
}

TEST_F(StartUp, ADamagedSettingsFileEndsTheProgram) {
    expectSettingsError("config.ini", "39\r\n300\r\n",
                        "The file 'config.ini' is damaged: line 2 holds 300, which is not a whole number from 1 to 255.");
}

TEST_F(StartUp, ADamagedSlotsFileEndsTheProgram) {
    expectSettingsError("save.ini", "[SAVE DATA]\r\nEmpty\r\n",
                        "The file 'save.ini' is damaged: line 3 is missing: the file is too short.");
}

// Nothing is damaged, so nothing is to be deleted.
TEST_F(StartUp, AFirstStartOnAFullDiskSaysWhyWithoutAdvisingADeletion) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    writePictures(h.appDir);
    h.onShow("frmSplash", [this](platform::Form&) {
        std::filesystem::create_symlink("/dev/full", h.appDir + "config.ini.tmp");
    });
    expectStartUpError("Thorncall II cannot read or write its files in the installed directory.\nCannot write the file '" +
                       h.appDir + "config.ini': No space left on device");
    EXPECT_FALSE(std::filesystem::exists(h.appDir + "config.ini"));
}

// Killed saves leave temporary files; only the game's own names go.
TEST_F(StartUp, RemovesTheGamesLeftoverTemporaryFilesAndNothingElse) {
    writePictures(h.appDir);
    const Strings leftovers = {"config.ini.tmp", "save.ini.tmp", "game.sv0.tmp", "game.sv9.tmp", "0.map.tmp", "6.map.tmp"};
    const Strings others = {"game.sv10.tmp", "7.map.tmp", "notes.tmp", "game.sv3.tmp.bak", "game.sv3"};
    for (const std::string& name : leftovers) shelltest::writeFile(h.appDir + name, "x");
    for (const std::string& name : others) shelltest::writeFile(h.appDir + name, "x");
    std::filesystem::create_directory(h.appDir + "game.sv5.tmp");
    EXPECT_TRUE(shell::Main());
    for (const std::string& name : leftovers) EXPECT_FALSE(std::filesystem::exists(h.appDir + name)) << name;
    for (const std::string& name : others) EXPECT_TRUE(std::filesystem::exists(h.appDir + name)) << name;
    EXPECT_TRUE(std::filesystem::is_directory(h.appDir + "game.sv5.tmp"));
}

TEST_F(StartUp, APictureThatFailsIsNamedAndEndsTheProgram) {
    writePictures(h.appDir);
    std::filesystem::remove(h.appDir + "graphics/char7.gif");
    shelltest::MsgBoxes boxes{h};
    boxes.answer();
    EXPECT_FALSE(shell::Main());
    EXPECT_NE(boxes.at(0).text.find("graphics/char7.gif"), std::string::npos) << boxes.at(0).text;
    EXPECT_FALSE(frmTitle::get().isLoaded());
}

// Damage to a picture: none of it, noise, or the file cut in half.
class DamagedPicture : public StartUp, public ::testing::WithParamInterface<int> {};

TEST_P(DamagedPicture, IsNamedAndEndsTheProgram) {
    const std::string path = "graphics/12.bmp";
    writePictures(h.appDir);
    const std::string real = shelltest::readFile(h.appDir + path);
    const std::string damage[] = {"", "GIF89a\x01\x00garbage", real.substr(0, real.size() / 2)};
    shelltest::writeFile(h.appDir + path, damage[GetParam()]);
    shelltest::MsgBoxes boxes{h};
    boxes.answer();
    EXPECT_FALSE(shell::Main());
    EXPECT_NE(boxes.at(0).text.find(path), std::string::npos) << boxes.at(0).text;
    EXPECT_FALSE(frmTitle::get().isLoaded());
}

INSTANTIATE_TEST_SUITE_P(EmptyNoiseOrCut, DamagedPicture, ::testing::Values(0, 1, 2));

// A picture that is missing, or a folder in its place, gets the system's reason.
class UnreadablePicture : public StartUp, public ::testing::WithParamInterface<bool> {};

TEST_P(UnreadablePicture, GetsTheSystemsReason) {
    const std::string path = h.appDir + "graphics/W3.jpg";
    writePictures(h.appDir);
    std::filesystem::remove(path);
    if (GetParam()) std::filesystem::create_directory(path);
    expectStartUpError("Cannot load the picture '" + path + "': " +
                       (GetParam() ? "Is a directory" : "No such file or directory"));
}

INSTANTIATE_TEST_SUITE_P(MissingOrFolder, UnreadablePicture, ::testing::Bool());

TEST_F(StartUp, APictureTheDecoderRefusesWithoutAReasonGetsOne) {
    writePictures(h.appDir);
    // A GIF whose colour table is said to hold four colours but holds two.
    const std::string gif("GIF89a\x01\x00\x01\x00\x81\x00\x00\x00\x00\x00\xff\xff\xff"
                          ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;",
                          35);
    shelltest::writeFile(h.appDir + "graphics/char0.gif", gif);
    expectStartUpError("Cannot load the picture '" + h.appDir +
                       "graphics/char0.gif': not a picture this game can read");
}

// A missing config.ini or save.ini is written afresh; the other is kept.
class OneSettingsFileMissing : public StartUp, public ::testing::WithParamInterface<const char*> {};

TEST_P(OneSettingsFileMissing, IsWrittenAfreshAndTheOtherKept) {
    writePictures(h.appDir);
    const std::string missing = GetParam();
    const std::string other = missing == "config.ini" ? "save.ini" : "config.ini";
    const std::string kept = other == "config.ini" ? "39\r\n37\r\n38\r\n40\r\n32\r\n13\r\n2\r\n255\r\n0\r\n0\r\n1\r\n1\r\n0\r\n1\r\n0\r\n"
                                                   : "[SAVE DATA]\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n";
    shelltest::writeFile(h.appDir + other, kept);
    EXPECT_TRUE(shell::Main());
    EXPECT_TRUE(std::filesystem::exists(h.appDir + missing));
    EXPECT_EQ(shelltest::readFile(h.appDir + other), kept);
}

INSTANTIATE_TEST_SUITE_P(ConfigOrSlots, OneSettingsFileMissing, ::testing::Values("config.ini", "save.ini"),
                         [](const auto& info) { return std::string(info.param).substr(0, 4); });

TEST_F(StartUp, ASecondInstanceRefusesToRun) {
    writePictures(h.appDir);
    int ready[2], release[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(release), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The first instance: holds the folder until told to end.
        char byte = platform::acquireSingleInstance(h.appDir) ? '1' : '0';
        if (write(ready[1], &byte, 1) != 1 || read(release[0], &byte, 1) < 0) _exit(2);
        _exit(0);
    }
    char byte = 0;
    ASSERT_EQ(read(ready[0], &byte, 1), 1);
    ASSERT_EQ(byte, '1');
    shelltest::writeFile(h.appDir + "game.sv0.tmp", "being written");  // by the first instance

    shelltest::MsgBoxes boxes{h};
    boxes.answer();
    EXPECT_FALSE(shell::Main());
    EXPECT_EQ(boxes.at(0).text, "Thorncall II is already running!  Terminating. . .");
    EXPECT_EQ(boxes.at(0).caption, "Thorncall II is already loaded.");
    EXPECT_FALSE(frmTitle::get().isLoaded());
    EXPECT_TRUE(std::filesystem::exists(h.appDir + "game.sv0.tmp"));

    // Once the first one has ended, the program starts.
    ASSERT_EQ(write(release[1], "x", 1), 1);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_TRUE(shell::Main());
    for (int fd : {ready[0], ready[1], release[0], release[1]}) close(fd);
}

}  // namespace
