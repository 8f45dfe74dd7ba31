// Same inputs, same bytes: two runs of the generator write identical sets.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <thread>

#include "pictures.h"

namespace assets_test {
namespace {

namespace fs = std::filesystem;

std::map<std::string, std::string> contents(const fs::path& root) {
    std::map<std::string, std::string> out;
    for (const auto& e : fs::recursive_directory_iterator(root))
        if (e.is_regular_file()) {
            std::ifstream f(e.path(), std::ios::binary);
            out[fs::relative(e.path(), root).string()] = {std::istreambuf_iterator<char>(f), {}};
        }
    return out;
}

TEST(Generator, IsDeterministic) {
    const fs::path generator = appDir().parent_path() / "tools" / "assetgen" / "assetgen";
    ASSERT_TRUE(fs::exists(generator)) << generator;
    const fs::path base = fs::temp_directory_path() / ("tc2-assets-" + std::to_string(::getpid()));
    fs::remove_all(base);
    auto run = [&](const std::string& name, int& rc) {
        const fs::path dir = base / name;
        const std::string cmd = "'" + generator.string() + "' --out '" + (dir / "app").string() + "' --embedded '" +
                                (dir / "app" / "embedded.cpp").string() + "' 2>/dev/null";
        rc = std::system(cmd.c_str());
    };
    int rcA = -1, rcB = -1;
    std::thread a(run, "a", std::ref(rcA));
    std::thread b(run, "b", std::ref(rcB));
    a.join();
    b.join();
    ASSERT_EQ(rcA, 0);
    ASSERT_EQ(rcB, 0);
    const auto first = contents(base / "a"), second = contents(base / "b");
    EXPECT_GT(first.size(), 140u);
    ASSERT_EQ(first.size(), second.size());
    for (const auto& [name, bytes] : first) {
        const auto it = second.find(name);
        ASSERT_NE(it, second.end()) << name;
        EXPECT_TRUE(it->second == bytes) << name << " differs";
    }
    // And the set the build wrote is the same.
    for (const auto& [name, bytes] : first) {
        if (name == "app/embedded.cpp") continue;
        std::ifstream f(appDir() / fs::path(name).lexically_relative("app"), std::ios::binary);
        EXPECT_TRUE(std::string(std::istreambuf_iterator<char>(f), {}) == bytes) << name << " differs from the build's";
    }
    fs::remove_all(base);
}

}  // namespace
}  // namespace assets_test
