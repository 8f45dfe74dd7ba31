// A rebuild keeps the maps a user has edited, yet brings new defaults to
// maps nobody touched, and says which it kept; the restore run puts every
// default back.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "pictures.h"

namespace assets_test {
namespace {

namespace fs = std::filesystem;

std::string slurp(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

void put(const fs::path& p, const std::string& text) { std::ofstream(p, std::ios::binary) << text; }

TEST(DefaultMaps, EditedMapsSurviveARebuildAndTheRestoreBringsThemBack) {
    const fs::path generator = appDir().parent_path() / "tools" / "assetgen" / "assetgen";
    ASSERT_TRUE(fs::exists(generator)) << generator;
    const fs::path base = fs::temp_directory_path() / ("tc2-maps-" + std::to_string(::getpid()));
    fs::remove_all(base);
    fs::create_directories(base);
    const fs::path app = base / "app", log = base / "log.txt";
    auto run = [&](const std::string& args) {
        const std::string cmd = "'" + generator.string() + "' --out '" + app.string() + "' " + args + " 2>'" +
                                log.string() + "'";
        return std::system(cmd.c_str());
    };
    // A folder from a build before the record: its maps are all defaults.
    fs::create_directories(app);
    put(app / "4.map", "4\r\n");
    ASSERT_EQ(run("--embedded '" + (base / "embedded.cpp").string() + "'"), 0);
    EXPECT_EQ(slurp(log).find("kept"), std::string::npos);
    std::string defaults[7];
    for (int n = 0; n < 7; ++n) {
        defaults[n] = slurp(app / (std::to_string(n) + ".map"));
        EXPECT_GT(defaults[n].size(), 120000u) << n;  // 60,000 lines
        EXPECT_EQ(slurp(app / "default-maps" / (std::to_string(n) + ".map")), defaults[n]) << n;
    }
    put(app / "3.map", "1\r\n2\r\n");  // edited in the map maker
    fs::remove(app / "5.map");
    // What an earlier build with another world design left untouched.
    put(app / "2.map", "7\r\n");
    put(app / "default-maps" / "2.map", "7\r\n");
    ASSERT_EQ(run("--embedded '" + (base / "embedded.cpp").string() + "'"), 0);
    EXPECT_EQ(slurp(app / "3.map"), "1\r\n2\r\n");
    EXPECT_EQ(slurp(app / "5.map"), defaults[5]);
    EXPECT_EQ(slurp(app / "2.map"), defaults[2]);
    EXPECT_EQ(slurp(app / "default-maps" / "2.map"), defaults[2]);
    const std::string said = slurp(log);
    EXPECT_NE(said.find("assetgen: kept 3.map, which was edited since the build wrote it"), std::string::npos) << said;
    EXPECT_EQ(said.find("kept 5.map"), std::string::npos);
    EXPECT_EQ(said.find("kept 2.map"), std::string::npos);
    // The restore puts the default back and writes nothing else.
    fs::remove(app / "graphics" / "1.gif");
    ASSERT_EQ(run("--restore-maps"), 0);
    EXPECT_EQ(slurp(app / "3.map"), defaults[3]);
    EXPECT_FALSE(fs::exists(app / "graphics" / "1.gif"));
    EXPECT_EQ(slurp(log).find("kept"), std::string::npos);
    fs::remove_all(base);
}

}  // namespace
}  // namespace assets_test
