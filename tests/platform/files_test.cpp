#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <fstream>

#include "harness.h"
#include "platform/error.h"
#include "platform/seqfile.h"
#include "platform/vbmath.h"

namespace {

using FilesTest = harness::HarnessTest;

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST_F(FilesTest, WriteFormRoundTrip) {
    std::string path = h.appDir + "round.txt";
    platform::SeqWriter w(path);
    w.printLine("[SAVE DATA]");
    w.writeString("Nina, the brave");
    w.writeNumber(-12.5);
    w.writeNumber(9999);
    w.writeNumber(0.1);
    w.writeInt(-32768);
    w.commit();
    EXPECT_EQ(slurp(path), "[SAVE DATA]\r\n\"Nina, the brave\"\r\n-12.5\r\n9999\r\n0.1\r\n-32768\r\n");
    platform::SeqReader r(path);
    EXPECT_EQ(r.lineInput(), "[SAVE DATA]");
    EXPECT_EQ(r.next(), "Nina, the brave");
    EXPECT_EQ(r.nextNumber(), -12.5);
    EXPECT_EQ(r.nextInt(0, 9999), 9999);
    EXPECT_EQ(r.nextNumber(), 0.1);
    EXPECT_EQ(r.nextInt(-32768, 32767), -32768);
    EXPECT_TRUE(r.eof());
    EXPECT_THROW(r.next(), platform::Error);
}

TEST_F(FilesTest, ReaderSplitsOnCommasAndLinesSkippingBlanks) {
    auto r = platform::SeqReader::fromText("  1 , 2\n3\r\n \"a b\" ,4\n\n5");
    std::vector<std::string> got;
    while (!r.eof()) got.push_back(r.next());
    EXPECT_EQ(got, (std::vector<std::string>{"1", "2", "3", "a b", "4", "", "5"}));
}

TEST_F(FilesTest, DamagedNumbersAreErrors) {
    struct Case {
        const char* text;
        bool ok;
    } cases[] = {{"12", true}, {" -3 ", true}, {".5", true}, {"1e3", true}, {"", false},
                 {"abc", false}, {"1x", false}, {"inf", false}, {"nan", false}, {"--1", false},
                 {"0x10", false}, {"1,5", true}};
    for (const Case& c : cases) {
        auto r = platform::SeqReader::fromText(c.text);
        if (c.ok)
            EXPECT_NO_THROW(r.nextNumber()) << c.text;
        else
            EXPECT_THROW(r.nextNumber(), platform::Error) << c.text;
    }
    struct Plain {
        const char* text;
        double value;
    } plain[] = {{"2 ", 2}, {"\t-3", -3}, {" 1.5\t \t", 1.5}, {"7\t", 7}};
    for (const Plain& c : plain) {
        double v = 0;
        EXPECT_TRUE(platform::parseNumber(c.text, v)) << c.text;
        EXPECT_EQ(v, c.value) << c.text;
    }
    auto r = platform::SeqReader::fromText("256\n-1\n1.5\n");
    EXPECT_THROW(r.nextInt(0, 255), platform::Error);
    EXPECT_THROW(r.nextInt(0, 255), platform::Error);
    EXPECT_THROW(r.nextInt(0, 255), platform::Error);
}

// Damage is reported with the file, the line it lies on and what is wrong.
TEST_F(FilesTest, ReaderErrorsNameTheFileTheLineAndTheFault) {
    using Read = std::function<void(platform::SeqReader&)>;
    const Read ints = [](platform::SeqReader& r) { for (;;) r.nextInt(0, 9); };
    const Read lines = [](platform::SeqReader& r) { for (;;) r.lineInput(); };
    struct Case {
        const char* text;
        Read read;
        const char* fault;
    } cases[] = {
        {"1\r\n2\r\n", ints, "line 3 is missing: the file is too short"},
        {"1\r\n2", ints, "line 3 is missing: the file is too short"},
        {"", lines, "line 1 is missing: the file is too short"},
        {"a\nb\rc", lines, "line 4 is missing: the file is too short"},
        {"1,2\r\n3,x\r\n", ints, "line 2 holds 'x', which is not a number"},
        {"1\r\n\r\n", ints, "line 2 holds '', which is not a number"},
        {"1\r\n2\r\n1.5", ints, "line 3 holds 1.5, which is not a whole number from 0 to 9"},
        {"1\r\n-1", ints, "line 2 holds -1, which is not a whole number from 0 to 9"},
        {"12345678901234567890123456789x", ints,
         "line 1 holds '123456789012345678901234...', which is not a number"},
    };
    const std::string path = h.appDir + "seq.txt";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::ofstream(path, std::ios::binary) << c.text;
        platform::SeqReader r(path);
        try {
            c.read(r);
        } catch (const platform::Damaged& e) {
            EXPECT_EQ(e.what(), "The file 'seq.txt' is damaged: " + std::string(c.fault) + ".");
        }
    }
}

TEST_F(FilesTest, UncommittedOrFailedWritesLeaveTheOldFile) {
    std::string path = h.appDir + "keep.txt";
    platform::writeFileAtomically(path, "old\r\n");
    {
        platform::SeqWriter w(path);
        w.printLine("new");
    }  // never committed
    EXPECT_EQ(slurp(path), "old\r\n");
    std::filesystem::create_directory(path + ".tmp");  // the temporary file cannot be made
    platform::SeqWriter w(path);
    w.printLine("new");
    EXPECT_THROW(w.commit(), platform::Error);
    EXPECT_EQ(slurp(path), "old\r\n");
    EXPECT_THROW(platform::SeqReader(h.appDir + "missing.txt"), platform::Error);
}

TEST(VbMath, ConversionsAtTheirBoundaries) {
    struct Case {
        double in;
        int cint;
        double intv;
    } cases[] = {{0.5, 0, 0}, {1.5, 2, 1}, {2.5, 2, 2}, {-0.5, 0, -1}, {-1.5, -2, -2},
                 {2.4999, 2, 2}, {32767.4, 32767, 32767}, {-32768.5, -32768, -32769}};
    for (const Case& c : cases) {
        EXPECT_EQ(platform::CInt(c.in), c.cint) << c.in;
        EXPECT_EQ(platform::Int(c.in), c.intv) << c.in;
    }
    EXPECT_THROW(platform::CInt(32767.5), platform::Overflow);
    EXPECT_THROW(platform::CInt(-32769), platform::Overflow);
    EXPECT_EQ(platform::Round(2.5), 2);
    EXPECT_EQ(platform::Round(3.5), 4);
    EXPECT_EQ(platform::Round(0.125, 2), 0.12);
    EXPECT_EQ(platform::IntDiv(-7, 2), -3);
}

}  // namespace
