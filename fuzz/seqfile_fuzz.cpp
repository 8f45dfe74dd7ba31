// The sequential-file reader: any bytes read value by value and line by line
// end without a fault, and what it reads, written back, reads back the same.
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "platform/appfolder.h"
#include "platform/error.h"
#include "platform/seqfile.h"

namespace {

struct Value {
    bool isNumber;
    double number;
    std::string text;
};

// Every read takes at least one character or one line end, so a reader that
// runs longer than the input is stuck.
template <class Read>
std::size_t readAll(platform::SeqReader& in, std::size_t limit, Read read) {
    std::size_t count = 0;
    while (!in.eof()) {
        read();
        if (++count > limit + 1) fuzz::fail("the reader does not move on");
    }
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::setUp();
    const std::string path = platform::appFile("seq.txt");
    fuzz::putFile("seq.txt", fuzz::text(data, size));

    platform::SeqReader lines(path);
    readAll(lines, size, [&] { lines.lineInput(); });

    platform::SeqReader in(path);
    std::vector<Value> values;
    readAll(in, size, [&] {
        Value v{false, 0, in.next()};
        v.isNumber = platform::parseNumber(v.text, v.number);
        values.push_back(std::move(v));
    });

    // A value holding a quote or a line end has no write form; the rest go back.
    platform::SeqWriter out(platform::appFile("back.txt"));
    std::vector<Value> written;
    for (const Value& v : values) {
        if (v.isNumber) {
            out.writeNumber(v.number);
        } else if (v.text.find_first_of("\"\r\n") == std::string::npos) {
            out.writeString(v.text);
        } else {
            continue;
        }
        written.push_back(v);
    }
    out.commit();

    platform::SeqReader back(platform::appFile("back.txt"));
    try {
        for (const Value& v : written) {
            if (v.isNumber) {
                if (back.nextNumber() != v.number) fuzz::fail("a number reads back changed");
            } else if (back.next() != v.text) {
                fuzz::fail("a string reads back changed: '" + v.text + "'");
            }
        }
    } catch (const platform::Error& e) {
        fuzz::fail(std::string("what was written cannot be read back: ") + e.what());
    }
    if (!back.eof()) fuzz::fail("the written file holds more values than were written");
    return 0;
}
