#include "platform/error.h"
#include "platform/seqfile.h"
#include "shell/config.h"
#include "shell/vars.h"
#include "support/game_test.h"
#include "test_util.h"

namespace {

using shelltest::joinLines;
using shelltest::readFile;
using shelltest::splitLines;
using shelltest::writeFile;

using Config = harness::GameTest;

const std::vector<std::string> kDefaultLines = {"39", "37", "38", "40", "13", "32", "1", "16777215",
                                                "0",  "1",  "1",  "1",  "0",  "0",  "1"};

TEST_F(Config, AMissingFileIsWrittenWithTheDefaults) {
    Vars::keyUp = 87;
    Vars::musicOn = 0;
    config::load();
    EXPECT_EQ(splitLines(readFile(h.appDir + "config.ini")), kDefaultLines);
    EXPECT_EQ(Vars::keyUp, 38);
    EXPECT_EQ(Vars::musicOn, 1);
    EXPECT_EQ(Vars::autoBattle, 0);
}

TEST_F(Config, ReadsEverySettingInItsPlace) {
    writeFile(h.appDir + "config.ini",
              joinLines({"68", "65", "87", "83", "32", "66", "5", "255", "8421504", "0", "0", "0", "1", "1",
                         "0"}));
    config::load();
    EXPECT_EQ(Vars::keyRight, 68);
    EXPECT_EQ(Vars::keyLeft, 65);
    EXPECT_EQ(Vars::keyUp, 87);
    EXPECT_EQ(Vars::keyDown, 83);
    EXPECT_EQ(Vars::keySelect, 32);
    EXPECT_EQ(Vars::keyBalloon, 66);
    EXPECT_EQ(Vars::frameTexture, 5);
    EXPECT_EQ(Vars::textColor, 255u);
    EXPECT_EQ(Vars::backColor, 0x808080u);
    EXPECT_EQ(Vars::musicOn, 0);
    EXPECT_EQ(Vars::soundOn, 0);
    EXPECT_EQ(Vars::weatherOn, 0);
    EXPECT_EQ(Vars::autoBattle, 1);
    EXPECT_EQ(Vars::talkPosition, 1);
    EXPECT_EQ(Vars::statusLine, 0);
    // And writes them back as read.
    const std::string read = readFile(h.appDir + "config.ini");
    config::save();
    EXPECT_EQ(readFile(h.appDir + "config.ini"), read);
}

TEST_F(Config, EverySettingLoadsAtBothEndsOfItsRange) {
    // Keys 1 to 255, texture 1 to 5, colours 0 to &HFFFFFF, switches 0 and 1.
    for (const std::vector<std::string>& lines :
         {std::vector<std::string>{"1", "1", "1", "1", "1", "1", "1", "0", "0", "0", "0", "0", "0", "0", "0"},
          std::vector<std::string>{"255", "255", "255", "255", "255", "255", "5", "16777215", "16777215", "1",
                                   "1", "1", "1", "1", "1"}}) {
        writeFile(h.appDir + "config.ini", joinLines(lines));
        ASSERT_NO_THROW(config::load()) << lines[0];
        config::save();
        EXPECT_EQ(readFile(h.appDir + "config.ini"), joinLines(lines));
    }
}

TEST_F(Config, ADamagedFileFailsAndChangesNoSetting) {
    using Lines = std::vector<std::string>;
    struct Case {
        const char* what;
        Lines lines;
    };
    auto with = [](std::size_t at, const std::string& value) {
        Lines l = kDefaultLines;
        l[at] = value;
        return l;
    };
    Lines shorter = kDefaultLines;
    shorter.pop_back();
    Lines longer = kDefaultLines;
    longer.push_back("1");
    const Case cases[] = {
        {"empty", {}},
        {"one line short", shorter},
        {"one line more", longer},
        {"text for a key", with(0, "Right")},
        {"key 0", with(2, "0")},
        {"key 256", with(3, "256")},
        {"texture 0", with(6, "0")},
        {"texture 6", with(6, "6")},
        {"colour above white", with(7, "16777216")},
        {"negative colour", with(8, "-1")},
        {"music 2", with(9, "2")},
        {"fraction", with(12, "0.5")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        writeFile(h.appDir + "config.ini", joinLines(c.lines));
        Vars::keyUp = 87;
        Vars::musicOn = 0;
        EXPECT_THROW(config::load(), platform::Error);
        EXPECT_EQ(Vars::keyUp, 87);
        EXPECT_EQ(Vars::musicOn, 0);
    }
}

}  // namespace
