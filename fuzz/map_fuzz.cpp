// N.map: a rejected file leaves the map as it was; an accepted one, written
// and read again, gives the same map.
#include <algorithm>
#include <array>
#include <memory>

#include "fuzz_support.h"
#include "platform/appfolder.h"
#include "platform/error.h"
#include "shell/vars.h"
#include "world/map_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::setUp();
    fuzz::fillWorld();
    const std::string path = platform::appFile("3.map");
    fuzz::putFile("3.map", fuzz::text(data, size));
    const std::string before = fuzz::stateBytes();
    try {
        world::readMapFile(path, world::mapSlice(3));
    } catch (const platform::Error&) {
        if (fuzz::stateBytes() != before) fuzz::fail("a rejected map file changed the state");
        return 0;
    }
    const std::string accepted = fuzz::stateBytes();
    world::writeMapFile(path, world::mapSlice(3));
    fuzz::fillWorld();
    try {
        world::readMapFile(path, world::mapSlice(3));
    } catch (const platform::Error& e) {
        fuzz::fail(std::string("the written map cannot be read back: ") + e.what());
    }
    if (fuzz::stateBytes() != accepted) fuzz::fail("the written map reads back different");
    return 0;
}
