// config.ini: a damaged file changes nothing; an accepted one, saved and
// loaded again, gives the same settings.
#include "fuzz_support.h"
#include "platform/error.h"
#include "shell/config.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::setUp();
    config::applyDefaults();
    const std::string before = fuzz::stateBytes();
    fuzz::putFile("config.ini", fuzz::text(data, size));
    try {
        config::load();
    } catch (const platform::Error&) {
        if (fuzz::stateBytes() != before) fuzz::fail("a rejected config.ini changed the state");
        return 0;
    }
    const std::string accepted = fuzz::stateBytes();
    config::save();
    config::applyDefaults();
    try {
        config::load();
    } catch (const platform::Error& e) {
        fuzz::fail(std::string("the saved config.ini cannot be read back: ") + e.what());
    }
    if (fuzz::stateBytes() != accepted) fuzz::fail("the saved config.ini reads back different");
    return 0;
}
