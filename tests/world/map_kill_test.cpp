// A map save killed at any moment leaves the old or the new map file, whole.
#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>

#include "support/harness.h"
#include "support/kill_loop.h"
#include "world/map_files.h"

namespace {

using Slice = std::array<std::uint8_t, world::kMapValues>;

class MapKill : public harness::HarnessTest {};

TEST_F(MapKill, FileIsOldOrNewAndReads) {
    auto first = std::make_unique<Slice>(), second = std::make_unique<Slice>();
    for (std::size_t i = 0; i < first->size(); ++i) {
        (*first)[i] = std::uint8_t(i % 251);
        (*second)[i] = std::uint8_t(255 - i % 253);
    }
    const std::string path = world::mapFilePath(4);
    const std::string firstText = world::mapText(*first), secondText = world::mapText(*second);
    world::writeMapFile(path, *first);

    bool turn = false;
    auto read = std::make_unique<Slice>();
    const harness::KillCount count = harness::killWhileWorking(
        [&] {
            turn = !turn;
            world::writeMapFile(path, turn ? *second : *first);
        },
        [&] {
            std::ifstream in(path, std::ios::binary);
            const std::string now{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
            ASSERT_TRUE(now == firstText || now == secondText) << "the map holds " << now.size() << " bytes";
        },
        200, 10000, path + ".tmp");
    EXPECT_EQ(count.kills, 200);
    std::cout << count.kills << " kills, " << count.midWrite << " in the middle of a write\n";
    world::readMapFile(path, *read);
    EXPECT_TRUE(*read == *first || *read == *second);
}

}  // namespace
