#include <gtest/gtest.h>

#include <filesystem>
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
