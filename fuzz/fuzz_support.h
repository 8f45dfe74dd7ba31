#pragma once
// Shared by the fuzz targets: a scratch application folder, the input put
// there as a file, and the whole game state as bytes to compare before and
// after a read.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace fuzz {

// Once per process: a fresh temporary application folder (removed at exit)
// and the start state.
void setUp();

// A game at its start, the default settings, a seeded generator and a world
// that holds every byte value.
void startState();

// Writes a file of the application folder, as is.
void putFile(const std::string& name, std::string_view content);
std::string getFile(const std::string& name);

// Every field of Vars but the scratch appPath, as bytes.
std::string stateBytes();

// Reports a broken promise and aborts, so the fuzzer keeps the input.
[[noreturn]] void fail(const std::string& what);

inline std::string_view text(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

}  // namespace fuzz

namespace fuzz {

// Fills the world with a fixed pattern that holds every byte value.
void fillWorld();

// A saved game's text split where the game.sv target splits it: the keys,
// the state and the first world line, then the other 419,999 world lines.
struct SaveParts {
    std::string head, tail;
};
SaveParts splitSave(const std::string& file);

}  // namespace fuzz
