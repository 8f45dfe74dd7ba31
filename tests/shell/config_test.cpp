#include "platform/error.h"
#include "platform/seqfile.h"
#include "shell/config.h"
#include "shell/vars.h"
#include "support/game_test.h"
#include "hand_fields.h"
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

// Each setting set by hand away from its default, saved, the defaults put
// back and the file loaded: every setting on its own line and back in its
// place. The six switches take their values over the passes.
TEST_F(Config, EverySettingComesBackFromItsOwnLine) {
    using shelltest::byHand;
    using namespace Vars;
    const std::vector<shelltest::HandField> settings = {
        byHand("key right", keyRight, {68}),
        byHand("key left", keyLeft, {65}),
        byHand("key up", keyUp, {87}),
        byHand("key down", keyDown, {83}),
        byHand("select key", keySelect, {70}),
        byHand("balloon key", keyBalloon, {66}),
        byHand("frame texture", frameTexture, {5, 4, 3, 2}),
        byHand("text colour", textColor, {255}),
        byHand("back colour", backColor, {8421504}),
        byHand("music", musicOn, {0, 1, 1, 0}),
        byHand("sound", soundOn, {1, 0, 1, 0}),
        byHand("weather", weatherOn, {1, 1, 0, 0}),
        byHand("auto battle", autoBattle, {1, 0, 0, 0}),
        byHand("talk box position", talkPosition, {0, 1, 0, 0}),
        byHand("status line", statusLine, {0, 0, 1, 1}),
    };
    shelltest::expectEachFieldTellsApart(settings);  // against the defaults, too
    for (int pass = 0; pass < shelltest::kPasses; ++pass) {
        SCOPED_TRACE(testing::Message() << "pass " << pass);
        shelltest::setAll(settings, pass);
        config::save();
        const std::vector<std::string> lines = splitLines(readFile(h.appDir + "config.ini"));
        ASSERT_EQ(lines.size(), settings.size());
        for (std::size_t i = 0; i < settings.size(); ++i)
            EXPECT_EQ(lines[i], shelltest::wanted(settings[i], pass)) << settings[i].what;
        config::applyDefaults();
        config::load();
        for (const shelltest::HandField& s : settings)
            EXPECT_EQ(shelltest::held(s), shelltest::wanted(s, pass)) << s.what;
    }
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

// Bytes that are no text show as \xNN in the message, which they would
// otherwise cut short (a NUL) or leave blank.
TEST_F(Config, BytesThatAreNoTextShowInTheMessage) {
    std::string utf16;
    for (char c : std::string("39\r\n37\r\n")) utf16 += std::string{c, '\0'};
    const struct {
        std::string text, fault;
    } cases[] = {
        {std::string("39\r\n37\0\r\n", 8), "line 2 holds '37\\x00', which is not a number"},
        {"\xFF\xFE" + utf16, "line 1 holds '\\xFF\\xFE3\\x009\\x00', which is not a number"},
        {"39\r\n\x1B[2J\xC3\r\n", "line 2 holds '\\x1B[2J\\xC3', which is not a number"},
    };
    for (const auto& c : cases) {
        writeFile(h.appDir + "config.ini", c.text);
        try {
            config::load();
            ADD_FAILURE() << c.fault;
        } catch (const platform::Damaged& e) {
            EXPECT_EQ(e.what(), "The file 'config.ini' is damaged: " + c.fault + ".");
        }
    }
}

}  // namespace
