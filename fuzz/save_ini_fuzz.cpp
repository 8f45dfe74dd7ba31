// save.ini: reading changes no state; what is read, written back, reads
// back the same.
#include "fuzz_support.h"
#include "platform/error.h"
#include "shell/savefile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::setUp();
    const std::string before = fuzz::stateBytes();
    fuzz::putFile("save.ini", fuzz::text(data, size));
    savefile::SlotNames names;
    try {
        names = savefile::readSlotNames();
    } catch (const platform::Error&) {
        if (fuzz::stateBytes() != before) fuzz::fail("a rejected save.ini changed the state");
        return 0;
    }
    if (fuzz::stateBytes() != before) fuzz::fail("reading save.ini changed the state");
    savefile::writeSlotNames(names);
    try {
        if (savefile::readSlotNames() != names) fuzz::fail("the written save.ini reads back different");
    } catch (const platform::Error& e) {
        fuzz::fail(std::string("the written save.ini cannot be read back: ") + e.what());
    }
    return 0;
}
