#include "world/map_files.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string_view>

#include "platform/appfolder.h"
#include "platform/error.h"
#include "platform/seqfile.h"
#include "shell/vars.h"

namespace world {

static_assert(kMapValues * kMapCount == Vars::kMapCells);
static_assert(sliceIndex(199, 149, 1) + 60000 * 6 == Vars::mapIndex(199, 149, 1, 6));

namespace {

std::string shortName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

[[noreturn]] void damaged(const std::string& path, std::size_t line, std::string_view what) {
    throw platform::Error("The map file '" + shortName(path) + "' is damaged: line " +
                          std::to_string(line) + " " + std::string(what) + ".");
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Parses the whole text strictly: one number 0..255 on each of 60,000 lines.
// Blanks around a number are allowed, as the sequential reader allows them;
// a blank line, a sign, a fraction or any other text is damage.
void parseMapText(const std::string& path, std::string_view text,
                  std::array<std::uint8_t, kMapValues>& out) {
    std::size_t pos = 0;
    const std::size_t end = text.size();
    for (std::size_t n = 0; n < kMapValues; ++n) {
        const std::size_t line = n + 1;
        while (pos < end && isBlank(text[pos])) ++pos;
        if (pos == end) damaged(path, line, "is missing: the file is too short");
        unsigned value = 0;
        std::size_t digits = 0;
        while (pos < end && text[pos] >= '0' && text[pos] <= '9') {
            value = value * 10 + unsigned(text[pos] - '0');
            if (++digits > 3) break;
            ++pos;
        }
        if (digits == 0) damaged(path, line, "holds no whole number");
        if (digits > 3 || value > 255) damaged(path, line, "holds a value above 255");
        while (pos < end && isBlank(text[pos])) ++pos;
        if (pos < end && text[pos] == '\r') ++pos;
        if (pos < end) {
            if (text[pos] != '\n') damaged(path, line, "holds more than a whole number 0 to 255");
            ++pos;
        }
        out[sliceIndexOfValue(n)] = std::uint8_t(value);
    }
    while (pos < end && (text[pos] == '\r' || text[pos] == '\n')) ++pos;
    if (pos != end) damaged(path, kMapValues + 1, "is one too many: a map holds 60,000 values");
}

void readInto(const std::string& path, std::array<std::uint8_t, kMapValues>& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw platform::Error("The map file '" + shortName(path) + "' cannot be opened.");
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) throw platform::Error("The map file '" + shortName(path) + "' cannot be read.");
    parseMapText(path, platform::withoutByteOrderMark(text), out);
}

}  // namespace

std::string mapFilePath(int map) { return platform::appFile(mapFileName(map)); }

MapSlice mapSlice(int map) {
    return MapSlice(Vars::mapData.data() + kMapValues * std::size_t(map), kMapValues);
}

void readMapFile(const std::string& path, MapSlice into) {
    auto buffer = std::make_unique<std::array<std::uint8_t, kMapValues>>();
    readInto(path, *buffer);
    std::copy(buffer->begin(), buffer->end(), into.begin());
}

void writeMapFile(const std::string& path, ConstMapSlice from) {
    platform::writeFileAtomically(path, mapText(from));
}

void loadAllMaps() {
    auto world = std::make_unique<std::array<std::array<std::uint8_t, kMapValues>, kMapCount>>();
    for (int map = 0; map < kMapCount; ++map) readInto(mapFilePath(map), (*world)[map]);
    for (int map = 0; map < kMapCount; ++map)
        std::copy((*world)[map].begin(), (*world)[map].end(), mapSlice(map).begin());
}

}  // namespace world
