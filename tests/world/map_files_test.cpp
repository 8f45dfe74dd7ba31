#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include "platform/error.h"
#include "shell/vars.h"
#include "support/harness.h"
#include "world/map_files.h"

namespace {

using Slice = std::array<std::uint8_t, world::kMapValues>;

void writeText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A slice whose every cell tells where it is.
std::unique_ptr<Slice> patterned(int salt) {
    auto s = std::make_unique<Slice>();
    for (std::size_t i = 0; i < s->size(); ++i) (*s)[i] = std::uint8_t((i * 7 + salt) % 256);
    return s;
}

// n values, one per line: the first is `first`, the rest 1.
std::string lines(std::size_t n, const std::string& first = "1") {
    std::string text = first + "\r\n";
    for (std::size_t i = 1; i < n; ++i) text += "1\r\n";
    return text;
}

class MapFilesTest : public harness::HarnessTest {
protected:
    std::string path(int map) const { return world::mapFilePath(map); }
    void writeAllGood() {
        for (int map = 0; map < world::kMapCount; ++map)
            world::writeMapFile(path(map), *patterned(map));
    }
};

TEST_F(MapFilesTest, FileOrderIsXThenYThenLayer) {
    Slice s{};
    s[world::sliceIndex(0, 0, 0)] = 11;
    s[world::sliceIndex(0, 0, 1)] = 12;
    s[world::sliceIndex(0, 1, 0)] = 13;
    s[world::sliceIndex(1, 0, 0)] = 14;
    s[world::sliceIndex(199, 149, 1)] = 255;
    world::writeMapFile(path(3), s);
    const std::string text = readText(path(3));
    EXPECT_EQ(text.substr(0, 15), "11\r\n12\r\n13\r\n0\r\n");
    // x = 1 starts after 150 rows of two layers.
    std::size_t pos = 0;
    for (int line = 0; line < 300; ++line) pos = text.find("\r\n", pos) + 2;
    EXPECT_EQ(text.substr(pos, 4), "14\r\n");
    EXPECT_EQ(text.substr(text.size() - 5), "255\r\n");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 60000);
}

// Every cell against a file written by hand, both ways: read into the world
// at its place, and written back as the same text.
TEST_F(MapFilesTest, EveryCellComesBackFromItsOwnLine) {
    auto byte = [](int x, int y, int layer) { return (x * 7 + y * 11 + layer * 13) % 256; };
    std::string text;
    for (int x = 0; x < world::kMapWidth; ++x)
        for (int y = 0; y < world::kMapHeight; ++y)
            for (int layer = 0; layer < world::kMapLayers; ++layer)
                text += std::to_string(byte(x, y, layer)) + "\r\n";
    writeText(path(3), text);
    Vars::mapData.fill(0);
    world::readMapFile(path(3), world::mapSlice(3));
    std::size_t wrong = 0;
    for (int x = 0; x < world::kMapWidth; ++x)
        for (int y = 0; y < world::kMapHeight; ++y)
            for (int layer = 0; layer < world::kMapLayers; ++layer)
                wrong += Vars::cell(x, y, layer, 3) != byte(x, y, layer);
    EXPECT_EQ(wrong, 0u);
    world::writeMapFile(path(4), world::mapSlice(3));
    EXPECT_TRUE(readText(path(4)) == text);
}

TEST_F(MapFilesTest, RoundTripAndWholeWorld) {
    writeAllGood();
    Slice back{};
    world::readMapFile(path(2), back);
    EXPECT_EQ(back, *patterned(2));

    Vars::mapData.fill(0);
    world::loadAllMaps();
    for (int map = 0; map < world::kMapCount; ++map) {
        auto want = patterned(map);
        EXPECT_TRUE(std::equal(want->begin(), want->end(), world::mapSlice(map).begin())) << map;
    }
    EXPECT_EQ(Vars::cell(5, 6, 1, 4), (*patterned(4))[world::sliceIndex(5, 6, 1)]);
}

TEST_F(MapFilesTest, AcceptsLineFeedsBlanksAndTrailingLineEnds) {
    std::string text;
    for (std::size_t i = 0; i < world::kMapValues; ++i) text += i == 0 ? " 7 \n" : "3\n";
    writeText(path(0), text + "\r\n\n");
    Slice s{};
    world::readMapFile(path(0), s);
    EXPECT_EQ(s[0], 7);
    EXPECT_EQ(s[world::sliceIndex(199, 149, 1)], 3);
}

TEST_F(MapFilesTest, DamagedFilesChangeNothing) {
    struct Case {
        const char* what;
        std::string text;  // empty name: no file at all
        bool exists;
    };
    const Case cases[] = {
        {"missing", "", false},
        {"empty", "", true},
        {"59,999 values", lines(59999), true},
        {"60,001 values", lines(60001), true},
        {"256", lines(60000, "256"), true},
        {"1000", lines(60000, "1000"), true},
        {"-1", lines(60000, "-1"), true},
        {"text", lines(60000, "grass"), true},
        {"fraction", lines(60000, "1.5"), true},
        {"two values on a line", lines(60000, "1,2"), true},
        {"blank line", lines(59999) + "\r\n1\r\n", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::remove(path(1).c_str());
        if (c.exists) writeText(path(1), c.text);
        auto before = patterned(9);
        Slice buffer = *before;
        try {
            world::readMapFile(path(1), buffer);
            ADD_FAILURE() << "read without error";
        } catch (const platform::Error& e) {
            EXPECT_NE(std::string(e.what()).find("'1.map'"), std::string::npos) << e.what();
        }
        EXPECT_EQ(buffer, *before);
        // The next good read still works.
        world::writeMapFile(path(1), *patterned(1));
        world::readMapFile(path(1), buffer);
        EXPECT_EQ(buffer, *patterned(1));
    }
}

TEST_F(MapFilesTest, OneDamagedFileLeavesTheWholeWorldAsItWas) {
    writeAllGood();
    writeText(path(6), lines(59999));
    Vars::mapData.fill(42);
    try {
        world::loadAllMaps();
        ADD_FAILURE() << "loaded a damaged world";
    } catch (const platform::Error& e) {
        EXPECT_NE(std::string(e.what()).find("'6.map'"), std::string::npos) << e.what();
    }
    EXPECT_TRUE(std::all_of(Vars::mapData.begin(), Vars::mapData.end(),
                            [](std::uint8_t v) { return v == 42; }));
}

}  // namespace
