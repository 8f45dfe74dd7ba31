// game.sv: the input is the keys, the state and the first world line; the
// other 419,999 world lines of a fixed world follow it. A rejected file
// changes nothing; an accepted one, saved and loaded again, gives the same
// state.
#include "fuzz_support.h"
#include "platform/error.h"
#include "shell/savefile.h"

namespace {

const std::string& worldTail() {
    static const std::string tail = [] {
        fuzz::setUp();
        fuzz::startState();
        savefile::SlotNames names;
        savefile::saveGame(0, names);
        return fuzz::splitSave(fuzz::getFile("game.sv0")).tail;
    }();
    return tail;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::setUp();
    std::string file(fuzz::text(data, size));
    file += worldTail();
    fuzz::putFile("game.sv1", file);
    fuzz::startState();
    const std::string before = fuzz::stateBytes();
    try {
        savefile::loadGame(1);
    } catch (const platform::Error&) {
        if (fuzz::stateBytes() != before) fuzz::fail("a rejected game.sv changed the state");
        return 0;
    }
    const std::string accepted = fuzz::stateBytes();
    savefile::SlotNames names;
    savefile::saveGame(2, names);
    fuzz::startState();
    try {
        savefile::loadGame(2);
    } catch (const platform::Error& e) {
        fuzz::fail(std::string("the saved game cannot be loaded back: ") + e.what());
    }
    if (fuzz::stateBytes() != accepted) fuzz::fail("the saved game loads back different");
    return 0;
}
